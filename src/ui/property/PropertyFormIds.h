// The identifiers of the property pane's controls and of its formatting
// tool bar's commands.
#pragma once

namespace tessel {

enum PropertyControl : int {
    // basic options
    OptionsGroup = 1200,
    NameLabel = 1201,
    BorderTypeLabel = 1202,
    BorderAspectLabel = 1203,
    BorderSpeedLabel = 1204,
    BorderColorLabel = 1205,
    PlayCountLabel = 1206,
    NameEdit = 1207,
    BorderTypeList = 1208,
    BorderAspectList = 1209,
    BorderSpeedList = 1210,
    BorderColorList = 1211,
    PlayCountList = 1212,
    // effect options
    EffectGroup = 1230,
    EffectActionLabel = 1231,
    EffectSpeedLabel = 1232,
    EffectStayLabel = 1233,
    EffectExitLabel = 1234,
    EffectActionList = 1235,
    EffectSpeedList = 1236,
    EffectStayList = 1237,
    EffectExitList = 1238,
    // text tools
    FontList = 1260,
    SizeList = 1261,
    TextColourList = 1262,
    BackColourList = 1263,
    ArabicBox = 1264,
    TextEditor = 1266,
    // image options
    ImageGroup = 1290,
    DelBgColorLabel = 1291,
    DelBgColorButton = 1292,
    FilePathLabel = 1293,
    FilePathEdit = 1294,
    BrowseButton = 1295,
};

enum FormatCommand : int {
    BoldCommand = 800,
    ItalicCommand = 801,
    UnderlineCommand = 802,
    AlignLeftCommand = 803,
    AlignCenterCommand = 804,
    AlignRightCommand = 805,
    AlignTopCommand = 806,
    AlignMiddleCommand = 807,
    AlignBottomCommand = 808,
    InsertIconCommand = 809,
    CharSpacingCommand = 810,
    YOffsetCommand = 811,
};

constexpr int FirstFormatCommand = BoldCommand;
constexpr int FormatCommandCount = 12;

} // namespace tessel
