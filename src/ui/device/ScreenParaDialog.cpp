#include "ui/device/ScreenParaDialog.h"

#include "device/DeviceLink.h"
#include "files/FileMessages.h"
#include "files/SettingsFile.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "ui/FittedLayout.h"
#include "ui/AccessKeys.h"
#include "ui/ThemedIcon.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

namespace tessel {

namespace {

constexpr QSize ClientSize(600, 300);
constexpr int ToolBarHeight = 40; // every control sits below the tool bar
constexpr int StatusBarHeight = 22;
constexpr int StatusPaneWidth = 300;
constexpr int StatusTextMargin = 6;
constexpr QSize ToolButtonSize(40, 40);
constexpr QSize ToolImageSize(16, 16);
constexpr int MaxNameLength = 16;
constexpr int ControlPitch = 30; // one label and its control per row
constexpr int FirstControlTop = 20;
constexpr ExchangeTimer Timers[3] = { StatusClearTimer, HandshakeTimer, ReplyTimer };

// A rectangle given as left, top, right, bottom below the tool bar, the right
// and bottom edges excluded.
QRect edges(int left, int top, int right, int bottom)
{
    return QRect(left, top + ToolBarHeight, right - left, bottom - top);
}

// The group box caption sits on its frame's top line, as the controls'
// rectangles expect.
const QString GroupBoxStyle
    = QStringLiteral("QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 7px; }"
                     "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px; }");

int timerIndex(ExchangeTimer timer)
{
    return timer - StatusClearTimer;
}

struct ToolButton {
    ScreenParaCommand command;
    const char16_t* textKey;
    const char* image;
    const char* themeName; // the freedesktop name of the image, where one fits
    bool separatorBefore;
};

constexpr ToolButton ToolButtons[] = {
    { AddPresetCommand, u"add", ":/dialog/preset-add.svg", "list-add", false },
    { EditPresetCommand, u"edit_", ":/dialog/preset-edit.svg", "", false },
    { DeletePresetCommand, u"del", ":/dialog/preset-delete.svg", "list-remove", false },
    { ApplyCommand, u"apply", ":/dialog/preset-apply.svg", "", true },
    { GetParametersCommand, u"getPara", ":/toolbar/search.svg", "system-search", true },
    { SetParametersCommand, u"setPara", ":/toolbar/send.svg", "document-send", false },
};

// The selection at `index`, or the nearest item when the value lies beyond
// the list (a set read from the settings file may hold anything).
void selectClamped(QComboBox& list, int index)
{
    list.setCurrentIndex(std::clamp(index, 0, list.count() - 1));
}

int selection(const QComboBox& list)
{
    return std::max(list.currentIndex(), 0);
}

} // namespace

ScreenParaDialog::ScreenParaDialog(
    AppData& data, const LanguageTable& texts, DeviceLink& link, QWidget* parent)
    : QDialog(parent)
    , data_(data)
    , texts_(texts)
    , link_(link)
    , exchange_(data, texts, link, *this)
{
    setWindowTitle(texts.text(u"screenParaTitle"));
    setFixedSize(ClientSize);
    createToolBar(texts);
    createControls(texts);
    createPresetList(texts);
    createStatusBar();
    createTimers();
    FittedLayout::fitWindow(*this);

    fillWidths(HeightOfIndex(data.screenPara.yIndex));
    fillPresets();
    ShowScreenPara(data.screenPara);
    ShowCurrentSet();
}

ScreenParaDialog::~ScreenParaDialog()
{
    // The reader of an exchange still running ends before the dialog goes.
    if (link_.isOpen())
        link_.CloseLink();
}

void ScreenParaDialog::setOnApplied(std::function<void()> onApplied)
{
    onApplied_ = std::move(onApplied);
}

void ScreenParaDialog::createToolBar(const LanguageTable& texts)
{
    toolBar_ = new QToolBar(this);
    toolBar_->setGeometry(0, 0, ClientSize.width(), ToolBarHeight);
    toolBar_->setMovable(false);
    toolBar_->setIconSize(ToolImageSize);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolButton& button : ToolButtons) {
        if (button.separatorBefore)
            toolBar_->addSeparator();
        QAction* action
            = toolBar_->addAction(themedIcon(QString::fromLatin1(button.themeName),
                                      QString::fromLatin1(button.image), palette()),
                withoutAccessKey(texts.text(button.textKey)));
        const int command = button.command;
        connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
        toolBar_->widgetForAction(action)->setMinimumSize(ToolButtonSize);
        toolActions_[command] = action;
    }
}

QComboBox* ScreenParaDialog::addList(ScreenParaControl id, int top)
{
    auto* list = new QComboBox(this);
    list->setGeometry(edges(78, top, 178, top + 20));
    lists_[id] = list;
    return list;
}

void ScreenParaDialog::createControls(const LanguageTable& texts)
{
    auto* group = new QGroupBox(texts.text(u"options"), this);
    group->setStyleSheet(GroupBoxStyle);
    group->setGeometry(edges(5, 5, 185, 230));

    const QString labels[] = { texts.text(u"name"), QStringLiteral("ID:"), texts.text(u"height"),
        texts.text(u"width"), texts.text(u"rgb"), texts.text(u"oe"), texts.text(u"data") };
    QLabel* rowLabels[7];
    for (int row = 0; row < 7; ++row) {
        const int top = FirstControlTop + row * ControlPitch;
        rowLabels[row] = new QLabel(labels[row], this);
        rowLabels[row]->setGeometry(edges(13, top, 73, top + 20));
    }

    nameEdit_ = new QLineEdit(this);
    nameEdit_->setGeometry(edges(78, FirstControlTop, 178, FirstControlTop + 20));
    nameEdit_->setMaxLength(MaxNameLength);

    QComboBox* ids = addList(IdListId, FirstControlTop + ControlPitch);
    for (int id = 0; id <= MaxScreenId; ++id)
        ids->addItem(QString::number(id));
    QComboBox* heights = addList(HeightListId, FirstControlTop + 2 * ControlPitch);
    for (int height : ScreenHeights)
        heights->addItem(QString::number(height));
    addList(WidthListId, FirstControlTop + 3 * ControlPitch);
    QComboBox* rgb = addList(RgbListId, FirstControlTop + 4 * ControlPitch);
    for (int value = 0; value <= MaxRgb; ++value)
        rgb->addItem(RgbText(value));
    QComboBox* oe = addList(OeListId, FirstControlTop + 5 * ControlPitch);
    oe->addItems({ OeText(0), OeText(1) });
    QComboBox* polarity = addList(DataListId, FirstControlTop + 6 * ControlPitch);
    polarity->addItems({ PolarityText(0), PolarityText(1) });

    rowLabels[0]->setBuddy(nameEdit_);
    for (ScreenParaControl id : { IdListId, HeightListId, WidthListId, RgbListId, OeListId, DataListId })
        rowLabels[id - IdListId + 1]->setBuddy(list(id));
    // Only the user's choice of a height refills the widths.
    connect(heights, &QComboBox::activated, this, &ScreenParaDialog::onHeightChosen);
}

void ScreenParaDialog::createStatusBar()
{
    auto* bar = new QStatusBar(this);
    bar->setSizeGripEnabled(false);
    bar->setGeometry(0, ClientSize.height() - StatusBarHeight, ClientSize.width(), StatusBarHeight);
    // Two panes of fixed width side by side, whatever their texts.
    for (int pane = 0; pane < 2; ++pane) {
        QLabel* label = new QLabel(bar);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setGeometry(pane * StatusPaneWidth, 0, StatusPaneWidth, StatusBarHeight);
        statusPanes_[pane] = label;
    }
}

void ScreenParaDialog::createTimers()
{
    for (int i = 0; i < 3; ++i) {
        auto* timer = new QTimer(this);
        // Coarse timers may fire up to 5 % early: a time-out must never
        // come before its 500 ms.
        timer->setTimerType(Qt::PreciseTimer);
        const ExchangeTimer id = Timers[i];
        connect(timer, &QTimer::timeout, this, [this, id] { OnTimer(id); });
        timers_[i] = timer;
    }
}

QComboBox* ScreenParaDialog::list(ScreenParaControl id) const
{
    const auto found = lists_.find(id);
    return found != lists_.end() ? found->second : nullptr;
}

QAction* ScreenParaDialog::toolAction(ScreenParaCommand command) const
{
    const auto found = toolActions_.find(command);
    return found != toolActions_.end() ? found->second : nullptr;
}

void ScreenParaDialog::OnCommand(int command)
{
    switch (command) {
    case AddPresetCommand:
        addPreset();
        break;
    case EditPresetCommand:
        editPreset();
        break;
    case DeletePresetCommand:
        deletePreset();
        break;
    case ApplyCommand:
        applyControls();
        break;
    case GetParametersCommand:
        exchange_.RunCommand(DeviceOperation::GetScreenParameters);
        break;
    case SetParametersCommand:
        exchange_.RunCommand(DeviceOperation::SetScreenParameters);
        break;
    default:
        break;
    }
}

void ScreenParaDialog::fillWidths(int height)
{
    QComboBox* widths = list(WidthListId);
    widths->clear();
    for (int xIndex = 0; xIndex <= MaxXIndex; ++xIndex)
        widths->addItem(QString::number((xIndex + 3) * height));
}

void ScreenParaDialog::onHeightChosen()
{
    fillWidths(list(HeightListId)->currentText().toInt());
    list(WidthListId)->setCurrentIndex(1);
}

void ScreenParaDialog::ShowScreenPara(const ScreenPara& para)
{
    nameEdit_->setText(para.name);
    selectClamped(*list(IdListId), para.id);
    selectClamped(*list(HeightListId), para.yIndex);
    selectClamped(*list(RgbListId), para.rgb);
    selectClamped(*list(OeListId), para.oe);
    selectClamped(*list(DataListId), para.polarity);
    fillWidths(HeightOfIndex(para.yIndex));
    selectClamped(*list(WidthListId), para.xIndex);
}

void ScreenParaDialog::ShowCurrentSet()
{
    setPaneText(1, QStringLiteral("\t") + ScreenParaSummary(data_.screenPara));
}

void ScreenParaDialog::applyControls()
{
    ScreenPara& para = data_.screenPara;
    para.name = nameEdit_->text();
    para.id = static_cast<uint8_t>(selection(*list(IdListId)));
    para.yIndex = static_cast<uint8_t>(selection(*list(HeightListId)));
    para.xIndex = static_cast<uint16_t>(selection(*list(WidthListId)));
    para.rgb = static_cast<uint8_t>(selection(*list(RgbListId)));
    para.oe = static_cast<uint8_t>(selection(*list(OeListId)));
    para.polarity = static_cast<uint8_t>(selection(*list(DataListId)));
    ShowCurrentSet();
    if (onApplied_)
        onApplied_();
}

ScreenParaChoice ScreenParaDialog::chosenValues() const
{
    ScreenParaChoice choice;
    choice.id = selection(*list(IdListId));
    choice.height = list(HeightListId)->currentText().toInt();
    choice.width = list(WidthListId)->currentText().toInt();
    choice.rgb = selection(*list(RgbListId));
    choice.oe = selection(*list(OeListId));
    choice.polarity = selection(*list(DataListId));
    return choice;
}

void ScreenParaDialog::setPaneText(int pane, const QString& text)
{
    statusTexts_[pane] = text;
    // A leading tab centres the text in its pane.
    QLabel* label = statusPanes_[pane];
    const bool centred = text.startsWith(QLatin1Char('\t'));
    label->setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    // A text wider than its pane loses its middle to an ellipsis and shows in
    // full as a tool tip.
    const QString shown = centred ? text.mid(1) : text;
    const QString elided = label->fontMetrics().elidedText(
        shown, Qt::ElideMiddle, label->contentsRect().width() - StatusTextMargin);
    label->setText(elided);
    label->setToolTip(elided != shown ? shown : QString());
}

QString ScreenParaDialog::statusText(int pane) const
{
    return statusTexts_.at(pane);
}

void ScreenParaDialog::OnTimer(int timerId)
{
    exchange_.OnTimer(timerId);
}

bool ScreenParaDialog::timerActive(ExchangeTimer timer) const
{
    return timers_[timerIndex(timer)]->isActive();
}

void ScreenParaDialog::armTimer(ExchangeTimer timer, int intervalMs)
{
    timers_[timerIndex(timer)]->start(intervalMs);
}

void ScreenParaDialog::stopTimer(ExchangeTimer timer)
{
    timers_[timerIndex(timer)]->stop();
}

void ScreenParaDialog::setStatusText(const QString& text)
{
    setPaneText(0, text);
}

void ScreenParaDialog::disableToolBar()
{
    toolBar_->setEnabled(false);
}

void ScreenParaDialog::enableToolBar()
{
    toolBar_->setEnabled(true);
}

void ScreenParaDialog::showMessageBox(const QString& text, const QString& caption)
{
    QMessageBox::information(this, caption, text, QMessageBox::Ok);
}

void ScreenParaDialog::done(int result)
{
    storePresets();
    writeSettings();
    QDialog::done(result);
}

void ScreenParaDialog::writeSettings()
{
    const QString failure = storeSettings(data_, texts_);
    if (!failure.isEmpty())
        QMessageBox::warning(this, SaveCaption, failure);
}

} // namespace tessel
