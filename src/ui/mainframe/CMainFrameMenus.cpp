// The main menu, the pop-up menus, their texts and check marks, and the
// Options and Help commands.
#include "ui/mainframe/CMainFrame.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "ui/AccessKeys.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/mainframe/BadgePresencePane.h"
#include "ui/mainframe/MenuIds.h"
#include "ui/preview/PreviewDialog.h"
#include "ui/preview/PreviewForm.h"
#include "ui/mainframe/ProgramView.h"
#include "ui/property/PropertyForm.h"
#include "ui/mainframe/SendCostPane.h"

#include <QActionGroup>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QShortcut>
#include <QStandardPaths>
#include <QToolBar>
#include <QUrl>
#include <span>

namespace tessel {

namespace {

// One position of a menu: a command, a separator (0) or a sub-menu (-1).
struct MenuItem {
    int command;
    const char16_t* resourceText;
    const char16_t* key; // the language key; nullptr: the text stays
};

constexpr int Separator = 0;
constexpr int SubMenu = -1;

constexpr MenuItem FileItems[] = {
    { 700, u"新建(&N)", u"new" },
    { 701, u"打开(&O)", u"open" },
    { Separator, nullptr, nullptr },
    { 702, u"保存(&S)", u"save" },
    { 703, u"另存为...", u"saveAs" },
    { Separator, nullptr, nullptr },
    { 704, u"关闭(&C)", u"close" },
    { Separator, nullptr, nullptr },
    { SubMenu, u"最近打开的文件", u"recentFile" },
    { Separator, nullptr, nullptr },
    { 705, u"退出(&X)", u"exit" },
};
constexpr MenuItem EditItems[] = {
    { 726, u"撤销(&U)", u"undo" },
    { 727, u"重做(&R)", u"redo" },
    { Separator, nullptr, nullptr },
    { 720, u"删除选择项", u"del" },
    { Separator, nullptr, nullptr },
    { 721, u"添加文本", u"addText" },
    { 722, u"添加图片", u"addImage" },
    { 723, u"添加动画", u"addAnimation" },
    { 724, u"添加时间", u"addTime" },
    { 725, u"添加计时", u"addCount" },
};
constexpr MenuItem ViewItems[] = {
    { 790, u"放大", u"zoomIn" },
    { 791, u"缩小", u"zoomOut" },
    { 792, u"实际大小", u"actualSize" },
    { 793, u"适合窗口", u"zoomFit" },
    { Separator, nullptr, nullptr },
    { 794, u"播放", u"play" },
    { 795, u"全部播放", u"playAll" },
    { 796, u"停止", u"stop" },
};
constexpr MenuItem ToolsItems[] = {
    { 740, u"查找屏", u"searchScreen" },
    { 741, u"校正时间", u"checktime" },
    { 742, u"清除屏幕", u"clearScreen" },
    { 743, u"充电图标设置", u"bat" },
    { 744, u"亮度设置", u"bright" },
    { Separator, nullptr, nullptr },
    { 745, u"发送", u"send" },
    { Separator, nullptr, nullptr },
    { 746, u"屏参设置", u"setScreenPara" },
    { 747, u"固件升级", u"updateFirmware" },
    { 748, u"屏检测", u"checkScreen" },
};
constexpr MenuItem OptionsItems[] = {
    { SubMenu, u"Language(&L)", nullptr },
    { 760, u"软件选项", u"softOption" },
    { 761, u"通讯接口", u"comm" },
    { 762, u"图像编辑器", u"imageEditor" },
};
constexpr MenuItem HelpItems[] = {
    { 780, u"查看帮助", u"viewHelp" },
    { 781, u"在线升级", u"updateOnline" },
    { 782, u"关于", u"about" },
};

struct Menu {
    const char16_t* resourceText;
    const char16_t* key;
    std::span<const MenuItem> items;
};

const Menu MainMenus[] = {
    { u"文件(&F)", u"file", FileItems },
    { u"编辑(&E)", u"edit", EditItems },
    { u"视图(&V)", u"view", ViewItems },
    { u"工具(&T)", u"tool", ToolsItems },
    { u"选项(&O)", u"option", OptionsItems },
    { u"帮助(&H)", u"help", HelpItems },
};

constexpr int FileMenuIndex = 0;
constexpr int OptionsMenuIndex = 4;
constexpr int RecentMenuPosition = 8;
constexpr int LanguageMenuPosition = 0;

// Hidden tool bar buttons and disabled menu items: the program kinds and
// device functions the badge does not offer.
constexpr int HiddenButtons[] = { 1103, 1104, 1105, 1107, 1109 };
constexpr int DisabledItems[] = { 723, 724, 725, 741, 743, 747, 748 };

// The desktop's usual keys for the file commands.
struct CommandKey {
    int command;
    const char* key;
};
constexpr CommandKey FileCommandKeys[] = { { 700, "Ctrl+N" }, { 701, "Ctrl+O" }, { 702, "Ctrl+S" },
    { 703, "Ctrl+Shift+S" }, { 704, "Ctrl+W" }, { 705, "Ctrl+Q" } };

// Tried when "imagedit.exe" cannot be started: common bitmap editors.
const char* const ImageEditors[] = { "pinta", "kolourpaint", "mtpaint", "gimp" };

QString fromTable(const char16_t* text)
{
    return QString::fromUtf16(text);
}

// The access keys of the language menu's fixed labels, by position: a letter
// of the label, or one added in parentheses to a label without it.
constexpr char16_t LanguageKeys[] = u"ASTERGJKP";

QString withLanguageKey(const QString& label, QChar key)
{
    const qsizetype at = label.indexOf(key, 0, Qt::CaseInsensitive);
    return at >= 0 ? label.left(at) + u'&' + label.mid(at) : label + QStringLiteral("(&") + key + u')';
}

// A recent file's number is its access key (its last digit from 10 on); an
// "&" in the file's path is shown as it is.
QString recentItemText(const QString& label)
{
    const qsizetype space = label.indexOf(u' ');
    if (space <= 0)
        return escapeAccessKeys(label);
    return label.left(space - 1) + u'&' + label.mid(space - 1, 1) + escapeAccessKeys(label.mid(space));
}

} // namespace

QAction* CMainFrame::addCommand(QMenu* menu, int command, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    actions_[command] = action;
    return action;
}

void CMainFrame::createMainMenu()
{
    for (const Menu& menuEntry : MainMenus) {
        QMenu* menu = menuBar()->addMenu(fromTable(menuEntry.resourceText));
        for (const MenuItem& item : menuEntry.items) {
            if (item.command == Separator) {
                menu->addSeparator();
            } else if (item.command == SubMenu) {
                QMenu* sub = menu->addMenu(fromTable(item.resourceText));
                (menuEntry.items.data() == FileItems ? recentMenu_ : languageMenu_) = sub;
            } else {
                addCommand(menu, item.command, fromTable(item.resourceText));
            }
        }
    }
    for (const CommandKey& entry : FileCommandKeys)
        action(entry.command)->setShortcut(QKeySequence(QString::fromLatin1(entry.key)));
    // Delete removes the selected program only while the tree has the focus
    // (the tree's own shortcut); the menu shows the key.
    QAction* remove = action(EditDeleteCommand);
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    auto* treeDelete = new QShortcut(QKeySequence::Delete, treePane_, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(treeDelete, &QShortcut::activated, this, [this] { OnCommand(EditDeleteCommand); });

    // Undo and redo of the list; a text field with the focus takes these keys
    // for its own undo first.
    QAction* undo = action(EditUndoCommand);
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = action(EditRedoCommand);
    redo->setShortcuts({ QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y")) });
    QUndoStack& stack = treePane_->undoStack();
    undo->setEnabled(stack.canUndo());
    redo->setEnabled(stack.canRedo());
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);

    auto* languages = new QActionGroup(this);
    for (int command = FirstLanguageCommand; command <= LastLanguageCommand; ++command) {
        QAction* action = addCommand(languageMenu_, command,
            withLanguageKey(languageMenuLabel(command), QChar(LanguageKeys[command - FirstLanguageCommand])));
        action->setCheckable(true);
        languages->addAction(action);
    }
}

void CMainFrame::createPopupMenus()
{
    static constexpr const char16_t* BrightnessLabels[] = { u"&100%", u"&66%", u"&33%" };
    static constexpr const char16_t* ChargeIconLabels[] = { u"&O", u"&I" };
    brightnessPopup_ = new QMenu(this);
    auto* brightness = new QActionGroup(this);
    for (int i = 0; i < 3; ++i) {
        QAction* action
            = addCommand(brightnessPopup_, FirstBrightnessCommand + i, fromTable(BrightnessLabels[i]));
        action->setCheckable(true);
        brightness->addAction(action);
    }
    chargeIconPopup_ = new QMenu(this);
    auto* chargeIcon = new QActionGroup(this);
    for (int i = 0; i < 2; ++i) {
        QAction* action
            = addCommand(chargeIconPopup_, FirstChargeIconCommand + i, fromTable(ChargeIconLabels[i]));
        action->setCheckable(true);
        chargeIcon->addAction(action);
    }
    toolBarActions_.at(ToolbarBrightness)->setMenu(brightnessPopup_);
    toolBarActions_.at(ToolbarChargeIcon)->setMenu(chargeIconPopup_);
}

QAction* CMainFrame::action(int command) const
{
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::setDeviceCheckMarks(bool shown)
{
    for (QMenu* popup : { brightnessPopup_, chargeIconPopup_ }) {
        auto* group = popup->actions().constFirst()->actionGroup();
        group->setExclusive(false);
        for (QAction* item : popup->actions())
            item->setChecked(false);
        group->setExclusive(true);
    }
    if (!shown)
        return;
    if (QAction* item = action(FirstBrightnessCommand + data_.bright))
        item->setChecked(true);
    if (QAction* item = action(FirstChargeIconCommand + data_.bat))
        item->setChecked(true);
}

void CMainFrame::SetCheckMarks()
{
    setDeviceCheckMarks(true);
    const QList<QAction*> languages = languageMenu_->actions();
    if (data_.lan < languages.size())
        languages[data_.lan]->setChecked(true);
}

void CMainFrame::SelectBrightness(int command)
{
    const int value = command - FirstBrightnessCommand;
    if (value == data_.bright)
        return;
    const QList<QAction*> items = brightnessPopup_->actions();
    data_.bright = static_cast<uint8_t>(value);
    items[value]->setChecked(true);
}

void CMainFrame::SelectChargeIcon(int command)
{
    const int value = command - FirstChargeIconCommand;
    if (value == data_.bat)
        return;
    const QList<QAction*> items = chargeIconPopup_->actions();
    data_.bat = static_cast<uint8_t>(value);
    items[value]->setChecked(true);
}

void CMainFrame::setRecentMenu(const std::vector<RecentMenuItem>& items)
{
    for (QAction* old : recentMenu_->actions())
        actions_.erase(old->data().toInt());
    recentMenu_->clear();
    for (const RecentMenuItem& item : items)
        addCommand(recentMenu_, item.command,
            item.command == ClearRecentCommand ? item.label : recentItemText(item.label));
}

void CMainFrame::LoadLanguage()
{
    texts_.load(data_.paths.dataDir, data_.lanID);
    qtTexts_.use(data_.lanID);
}

void CMainFrame::ApplyLanguage()
{
    const QList<QAction*> menus = menuBar()->actions();
    for (size_t m = 0; m < std::size(MainMenus); ++m) {
        menus[m]->setText(texts_.text(MainMenus[m].key));
        const QList<QAction*> items = menus[m]->menu()->actions();
        for (size_t pos = 0; pos < MainMenus[m].items.size(); ++pos)
            if (const char16_t* key = MainMenus[m].items[pos].key)
                items[pos]->setText(texts_.text(key));
    }
    // The clear item of the recent files carries a language text too.
    refreshRecentMenu();
    const QList<QAction*> buttons = mainToolBar_->actions();
    static constexpr const char16_t* ButtonKeys[] = { u"search", nullptr, u"text", u"image", u"animation",
        u"time", u"count", u"del", nullptr, u"checktime", u"clear", u"bat", u"bright", u"send" };
    for (size_t pos = 0; pos < std::size(ButtonKeys); ++pos)
        if (ButtonKeys[pos])
            buttons[pos]->setText(withoutAccessKey(texts_.text(ButtonKeys[pos])));
    fitToolButtons();
    nameControls();
    treePane_->UpdateRootLabel();
    propertyPane_->RetextControls();
    previewPane_->previewDialog()->setTitle(texts_.text(u"previewTitle"));
    presencePane_->applyLanguage();
    // The language decides the code page the texts are sent in.
    costPane_->schedule();
}

void CMainFrame::OnLanguageCommand(int command)
{
    const auto choice = languageForCommand(command);
    if (!choice)
        return;
    const QList<QAction*> languages = languageMenu_->actions();
    if (data_.lan < languages.size())
        languages[data_.lan]->setChecked(false);
    data_.lan = choice->lan;
    languages[data_.lan]->setChecked(true);
    data_.lanID = choice->lanID;
    LoadLanguage();
    ApplyLanguage();
    // The restricted items stay restricted in every language.
    ApplyModelRestrictions();
}

void CMainFrame::ApplyModelRestrictions()
{
    for (int command : HiddenButtons)
        toolBarActions_.at(command)->setVisible(false);
    for (int command : DisabledItems)
        action(command)->setEnabled(false);
}

void CMainFrame::OnOptionsCommand(int command)
{
    switch (command) {
    case OptionsSoftwareCommand:
        openSoftwareOptions();
        break;
    case OptionsCommCommand:
        openCommSettings();
        break;
    case OptionsImageEditorCommand:
        startImageEditor();
        break;
    default:
        break;
    }
}

void CMainFrame::startImageEditor()
{
    // The editor's own name first, then a bitmap editor of this system.
    if (QProcess::startDetached(QStringLiteral("imagedit.exe"), {}))
        return;
    QStringList lookedFor;
    for (const char* name : ImageEditors) {
        lookedFor.append(QString::fromLatin1(name));
        const QString program = QStandardPaths::findExecutable(lookedFor.constLast());
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return;
    }
    // None could be started: say which were looked for, without blocking the window.
    auto* box = new QMessageBox(QMessageBox::Information, withoutAccessKey(texts_.text(u"imageEditor")),
        texts_.textOr(u"noImageEditor", QStringLiteral("No image editor was found. Install one of these: %1"))
            .arg(isolated(lookedFor.join(QStringLiteral(", ")))),
        QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QString CMainFrame::htmlManualPath() const
{
    // The manual of the language in force, else the English one.
    const QString manuals = data_.paths.dataDir + QStringLiteral("manual/");
    QString language = languageFileName(data_.lanID);
    language.chop(QStringLiteral(".ini").size());
    for (const QString& folder : { language, QStringLiteral("english") }) {
        const QString page = manuals + folder + QStringLiteral("/index.html");
        if (!folder.isEmpty() && QFileInfo(page).isFile())
            return page;
    }
    return {};
}

void CMainFrame::OnHelpCommand(int command)
{
    QString text;
    switch (command) {
    case HelpViewCommand: {
        const bool chinese = data_.lanID == 1028 || data_.lanID == 2052 || data_.lanID == 3076;
        QString manual = data_.paths.dataDir
            + (chinese ? QStringLiteral(u"K9057R 说明书.doc")
                       : QStringLiteral("K9057R name badge manual (English).doc"));
        if (!QFileInfo(manual).isFile())
            manual = htmlManualPath();
        if (!manual.isEmpty())
            QDesktopServices::openUrl(QUrl::fromLocalFile(manual));
        else
            text = QStringLiteral("\t") + texts_.tip(35);
        break;
    }
    case HelpUpdateOnlineCommand:
        text = QStringLiteral("\t") + texts_.tip(36);
        break;
    case HelpAboutCommand: {
        text = QStringLiteral("\t") + texts_.tip(37);
        auto* about = new AboutDialog(texts_, this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->show();
        break;
    }
    default:
        return;
    }
    setStatusText(text);
    armTimer(StatusClearTimer, StatusClearInterval);
}

} // namespace tessel
