// The file commands of the window: New, Open, Save, Save As, Close, Exit,
// the recent files, and the close path with its save question.
#include "ui/mainframe/CMainFrame.h"

#include "files/FileCommands.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "ui/DropRouter.h"
#include "ui/mainframe/MenuIds.h"
#include "ui/mainframe/ProgramView.h"
#include "ui/property/PropertyForm.h"

namespace tessel {

void CMainFrame::FileCommandsDeleter::operator()(FileCommands* commands) const
{
    delete commands;
}

void CMainFrame::createFileCommands()
{
    fileCommands_.reset(new FileCommands(data_, texts_, fileHost_));
}

void CMainFrame::OnCommand(int command)
{
    if (command >= NewCommand && command <= ExitCommand)
        OnFileCommand(command);
    else if (command >= FirstRecentCommand && command <= ClearRecentCommand)
        OnFileCommand(command);
    else if (command >= EditDeleteCommand && command <= EditRedoCommand)
        OnEditCommand(command);
    else if (command >= ToolsSearchCommand && command <= ToolsCheckScreenCommand)
        OnToolsCommand(command);
    else if (command >= ViewZoomInCommand && command <= ViewStopCommand)
        OnViewCommand(command);
    else if (command >= OptionsSoftwareCommand && command <= OptionsImageEditorCommand)
        OnOptionsCommand(command);
    else if (command >= FirstLanguageCommand && command <= LastLanguageCommand)
        OnLanguageCommand(command);
    else if (command >= HelpViewCommand && command <= HelpAboutCommand)
        OnHelpCommand(command);
    else if (command >= FirstBrightnessCommand && command <= LastBrightnessCommand)
        SelectBrightness(command);
    else if (command >= FirstChargeIconCommand && command <= LastChargeIconCommand)
        SelectChargeIcon(command);
    else if (command >= ToolbarSearch && command <= ToolbarSend)
        OnToolbarCommand(command);
    // 800-811 belong to the property pane's formatting tool bar.
}

void CMainFrame::OnFileCommand(int command)
{
    if (command == ExitCommand) {
        close(); // the close path, with its save question
        return;
    }
    // Reading a file: the device check marks are taken off and set again
    // from the settings.
    const bool reads
        = command == OpenCommand || (command >= FirstRecentCommand && command < ClearRecentCommand);
    if (reads)
        setDeviceCheckMarks(false);
    fileCommands_->runCommand(command);
    if (reads)
        setDeviceCheckMarks(true);
    refreshTitle();
}

void CMainFrame::setUpDrops()
{
    auto* router = new DropRouter([this](const QString& path) { openDroppedFile(path); }, this);
    router->watch(*this);
    router->watch(*treePane_->viewport(), [this](const QString& path) { addDroppedPicture(path); });
    // Every field that takes dropped text would take a program file for its
    // name; the property pane takes pictures itself.
    for (QWidget* widget : findChildren<QWidget*>())
        if (widget->acceptDrops() && widget != treePane_->viewport())
            router->watch(*widget);
}

void CMainFrame::openDroppedFile(const QString& path)
{
    setDeviceCheckMarks(false);
    fileCommands_->openFile(path);
    setDeviceCheckMarks(true);
    refreshTitle();
}

void CMainFrame::addDroppedPicture(const QString& path)
{
    // As Add Image followed by Browse: below the limit only.
    const size_t before = data_.programs.size();
    data_.modified = 1;
    treePane_->AddProgramNode(ItemKind::Image);
    if (data_.programs.size() > before)
        propertyPane_->takePictureFile(path);
}

void CMainFrame::openNewestRecentFile()
{
    // The newest entry stands first in the recent-file menu, also when a list
    // written by hand holds more entries than the menu shows.
    const std::vector<RecentMenuItem> items = fileCommands_->recentMenu();
    if (!data_.recentFiles.empty() && items.front().command != ClearRecentCommand)
        OnCommand(items.front().command);
}

void CMainFrame::refreshRecentMenu()
{
    setRecentMenu(fileCommands_->recentMenu());
}

bool CMainFrame::leaveAllowed()
{
    return fileCommands_->leave();
}

void CMainFrame::storePendingEdits()
{
    if (Program* program = treePane_->SelectedProgram())
        propertyPane_->StoreProgram(*program);
}

void CMainFrame::programListReplaced()
{
    treePane_->RebuildTree();
    RefreshPreview();
}

} // namespace tessel
