// The main tool bar: its buttons, texts, tooltips and drop-down arrows, and
// the routing of its commands.
#include "ui/mainframe/CMainFrame.h"

#include "device/SendSession.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "ui/AccessKeys.h"
#include "ui/mainframe/MenuIds.h"
#include "ui/mainframe/ProgramView.h"
#include "ui/ThemedIcon.h"

#include <QHelpEvent>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>

namespace tessel {

namespace {

struct ToolBarButton {
    int command; // 0: a separator
    const char* image;
    const char* themeName; // the freedesktop name of the image, where one fits
    const char16_t* resourceText;
    const char16_t* toolTipKey;
};

constexpr ToolBarButton Buttons[] = {
    { 1100, ":/toolbar/search.svg", "system-search", u"查屏", u"searchScreen" },
    { 0, nullptr, nullptr, nullptr, nullptr },
    { 1101, ":/toolbar/text.svg", "insert-text", u"文本", u"addText" },
    { 1102, ":/toolbar/image.svg", "insert-image", u"图片", u"addImage" },
    { 1103, ":/toolbar/animation.svg", "", u"动画", u"addAnimation" },
    { 1104, ":/toolbar/time.svg", "", u"时间", u"addTime" },
    { 1105, ":/toolbar/count.svg", "", u"计时", u"addCount" },
    { 1106, ":/toolbar/delete.svg", "edit-delete", u"删除", u"del" },
    { 0, nullptr, nullptr, nullptr, nullptr },
    { 1107, ":/toolbar/checktime.svg", "", u"校时", u"checktime" },
    { 1108, ":/toolbar/clear.svg", "edit-clear", u"清屏", u"clearScreen" },
    { 1109, ":/toolbar/battery.svg", "", u"电池", u"setBat" },
    { 1110, ":/toolbar/brightness.svg", "", u"亮度", u"setBright" },
    { 1111, ":/toolbar/send.svg", "document-send", u"发送", u"send" },
};

constexpr int ButtonSize = 40;
constexpr int ImageSize = 16;
const char* const CommandProperty = "tesselCommand";

} // namespace

void CMainFrame::createToolBar()
{
    mainToolBar_ = addToolBar(QString());
    mainToolBar_->setObjectName(QStringLiteral("mainToolBar"));
    mainToolBar_->setMovable(true);
    mainToolBar_->setFloatable(false);
    mainToolBar_->setIconSize(QSize(ImageSize, ImageSize));
    mainToolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // The tool bar's own context menu would offer to hide it.
    mainToolBar_->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    for (const ToolBarButton& button : Buttons) {
        if (button.command == 0) {
            mainToolBar_->addSeparator();
            continue;
        }
        const int command = button.command;
        QAction* action = mainToolBar_->addAction(QString::fromUtf16(button.resourceText));
        action->setData(command);
        connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
        toolBarActions_[command] = action;
        QToolButton* widget = toolButton(command);
        widget->setProperty(CommandProperty, command);
        widget->installEventFilter(this);
        if (command == ToolbarChargeIcon || command == ToolbarBrightness)
            widget->setPopupMode(QToolButton::MenuButtonPopup);
    }
    refreshToolBarImages();
    fitToolButtons();
}

void CMainFrame::refreshToolBarImages()
{
    for (const ToolBarButton& button : Buttons) {
        if (button.command != 0)
            toolBarActions_[button.command]->setIcon(themedIcon(
                QString::fromLatin1(button.themeName), QString::fromLatin1(button.image), palette()));
    }
}

void CMainFrame::fitToolButtons()
{
    // 40 × 40, wider only where a language's word would be cut; a drop-down
    // arrow comes on top.
    constexpr int TextMargin = 8;
    for (const auto& [command, action] : toolBarActions_) {
        QToolButton* widget = toolButton(command);
        int width
            = std::max(ButtonSize, widget->fontMetrics().horizontalAdvance(action->text()) + TextMargin);
        if (widget->popupMode() == QToolButton::MenuButtonPopup)
            width += widget->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, widget);
        widget->setFixedSize(width, ButtonSize);
    }
}

QToolButton* CMainFrame::toolButton(int command) const
{
    const auto found = toolBarActions_.find(command);
    if (found == toolBarActions_.end())
        return nullptr;
    return qobject_cast<QToolButton*>(mainToolBar_->widgetForAction(found->second));
}

QString CMainFrame::toolTipText(int command) const
{
    for (const ToolBarButton& button : Buttons)
        if (button.command == command)
            return withoutAccessKey(texts_.text(button.toolTipKey));
    return QString();
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        refreshToolBarImages();
    } else if (event->type() == QEvent::LayoutDirectionChange) {
        // The splitter places its panes anew only when their sizes are set.
        innerSplitter_->setSizes(innerSplitter_->sizes());
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    // Tooltips follow the language in force at the moment they show.
    if (event->type() == QEvent::ToolTip) {
        const QVariant command = watched->property(CommandProperty);
        if (command.isValid()) {
            const QString text = toolTipText(command.toInt());
            auto* help = static_cast<QHelpEvent*>(event);
            if (text.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), text, qobject_cast<QWidget*>(watched));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::OnToolbarCommand(int command)
{
    switch (command) {
    case ToolbarSearch:
        runDeviceCommand(DeviceOperation::Search);
        break;
    case ToolbarDelete:
        data_.modified = 1;
        treePane_->DeleteSelected();
        break;
    case ToolbarCheckTime:
        // No device command of its own: the operation left from before runs again.
        if (!session_->running()) {
            setStatusText(QString());
            session_->StartExchange();
        }
        break;
    case ToolbarClear:
        runDeviceCommand(DeviceOperation::ClearScreen);
        break;
    case ToolbarChargeIcon:
        runDeviceCommand(DeviceOperation::SetChargeIcon);
        break;
    case ToolbarBrightness:
        runDeviceCommand(DeviceOperation::SetBrightness);
        break;
    case ToolbarSend:
        sendPrograms();
        break;
    default:
        if (command >= ToolbarAddText && command <= ToolbarAddCount)
            treePane_->AddProgramNode(static_cast<ItemKind>(command - ToolbarAddText));
        break;
    }
}

} // namespace tessel
