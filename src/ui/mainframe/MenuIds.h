// Command identifiers of the main window's menus, pop-ups and tool bar.
#pragma once

namespace tessel {

// File menu (700-705) and the recent files (706-716) are in files/FileCommands.h
// and files/RecentFiles.h.

// Edit menu
constexpr int EditDeleteCommand = 720;
constexpr int EditAddTextCommand = 721; // 721-725: add a program of kind id - 721
constexpr int EditUndoCommand = 726;
constexpr int EditRedoCommand = 727;

// Tools menu
constexpr int ToolsSearchCommand = 740;
constexpr int ToolsCheckTimeCommand = 741;
constexpr int ToolsClearCommand = 742;
constexpr int ToolsChargeIconCommand = 743;
constexpr int ToolsBrightnessCommand = 744;
constexpr int ToolsSendCommand = 745;
constexpr int ToolsScreenParaCommand = 746;
constexpr int ToolsFirmwareCommand = 747;
constexpr int ToolsCheckScreenCommand = 748;

// View menu: the preview's zoom
constexpr int ViewZoomInCommand = 790;
constexpr int ViewZoomOutCommand = 791;
constexpr int ViewActualSizeCommand = 792;
constexpr int ViewFitCommand = 793;
// View menu: the preview plays as the badge would
constexpr int ViewPlayCommand = 794;
constexpr int ViewPlayAllCommand = 795;
constexpr int ViewStopCommand = 796;

// Options menu
constexpr int OptionsSoftwareCommand = 760;
constexpr int OptionsCommCommand = 761;
constexpr int OptionsImageEditorCommand = 762;

// Help menu
constexpr int HelpViewCommand = 780;
constexpr int HelpUpdateOnlineCommand = 781;
constexpr int HelpAboutCommand = 782;

// Pop-up 0 (tree root) and pop-up 1 (program node)
constexpr int RootDeleteCommand = 600;
constexpr int RootAddTextCommand = 601; // 601-605: add a program of kind id - 601
constexpr int RootAddCountCommand = 605;
constexpr int ProgramDeleteCommand = 610;
constexpr int ProgramMoveUpCommand = 611;
constexpr int ProgramMoveDownCommand = 612;

// Pop-up 2 (brightness) and pop-up 3 (charge icon)
constexpr int FirstBrightnessCommand = 620; // 620-622: bright = id - 620
constexpr int LastBrightnessCommand = 622;
constexpr int FirstChargeIconCommand = 630; // 630-631: bat = id - 630
constexpr int LastChargeIconCommand = 631;

// Main tool bar
constexpr int ToolbarSearch = 1100;
constexpr int ToolbarAddText = 1101; // 1101-1105: add a program of kind id - 1101
constexpr int ToolbarAddImage = 1102;
constexpr int ToolbarAddAnimation = 1103;
constexpr int ToolbarAddTime = 1104;
constexpr int ToolbarAddCount = 1105;
constexpr int ToolbarDelete = 1106;
constexpr int ToolbarCheckTime = 1107;
constexpr int ToolbarClear = 1108;
constexpr int ToolbarChargeIcon = 1109;
constexpr int ToolbarBrightness = 1110;
constexpr int ToolbarSend = 1111;

} // namespace tessel
