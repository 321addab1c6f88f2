// The formatting tool bar of the property pane (commands 800-811): the
// character effects, the two alignment groups and the three pop-up windows.
#include "ui/property/PropertyForm.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "ui/AccessKeys.h"
#include "ui/property/CharSpacingDialog.h"
#include "ui/property/InsertImageDialog.h"
#include "ui/property/PropertyFormIds.h"
#include "ui/property/YOffsetDialog.h"
#include "ui/ThemedIcon.h"
#include "ui/MirroredPlacement.h"

#include <QAction>
#include <QCursor>
#include <QHelpEvent>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>

namespace tessel {

namespace {

struct FormatButton {
    const char* image;
    const char* themeName; // the freedesktop name of the image, where one fits
    const char16_t* tipKey;
    bool pressable;
};

// In command order, 800 first.
constexpr FormatButton FormatButtons[FormatCommandCount] = {
    { "bold", "format-text-bold", u"bold", true },
    { "italic", "format-text-italic", u"italic", true },
    { "underline", "format-text-underline", u"underline", true },
    { "align-left", "format-justify-left", u"alignLeft", true },
    { "align-center", "format-justify-center", u"alignCenter", true },
    { "align-right", "format-justify-right", u"alignRight", true },
    { "align-top", "", u"alignTop", true },
    { "align-middle", "", u"alignMiddle", true },
    { "align-bottom", "", u"alignBottom", true },
    { "insert-icon", "", u"insertImage", false },
    { "char-spacing", "", u"charSpace", false },
    { "y-offset", "", u"yOffset", false },
};

constexpr int ButtonSize = 24;
constexpr int ImageSize = 16;
// The pop-ups open 100 pixels left of the pointer, 10 pixels below the bar.
constexpr int PopupLeftOfPointer = 100;
constexpr int PopupBelowBar = 10;

} // namespace

void PropertyForm::createFormatToolBar()
{
    formatToolBar_ = new QWidget(this);
    formatToolBar_->setGeometry(425, 30, 400, ButtonSize);
    formatToolBar_->hide();
    for (int i = 0; i < FormatCommandCount; ++i) {
        const int command = FirstFormatCommand + i;
        auto* action = new QAction(formatToolBar_);
        action->setCheckable(FormatButtons[i].pressable);
        connect(action, &QAction::triggered, this, [this, command] { OnFormatCommand(command); });
        formatActions_.push_back(action);

        auto* button = new QToolButton(formatToolBar_);
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setIconSize(QSize(ImageSize, ImageSize));
        button->setGeometry(i * ButtonSize, 0, ButtonSize, ButtonSize);
        button->setProperty("formatCommand", command);
        button->installEventFilter(this);
    }
    refreshFormatImages();
    new MirroredPlacement(*formatToolBar_);
    textControls_.push_back(formatToolBar_);
}

void PropertyForm::refreshFormatImages()
{
    for (int i = 0; i < static_cast<int>(formatActions_.size()); ++i) {
        const FormatButton& button = FormatButtons[i];
        formatActions_[static_cast<size_t>(i)]->setIcon(themedIcon(QString::fromLatin1(button.themeName),
            QStringLiteral(":/format/%1.svg").arg(QLatin1String(button.image)), palette()));
    }
}

void PropertyForm::OnFormatCommand(int command)
{
    switch (command) {
    case BoldCommand: {
        bold_ = !bold_;
        formatAction(BoldCommand)->setChecked(bold_);
        QTextCharFormat format;
        format.setFontWeight(bold_ ? QFont::Bold : QFont::Normal);
        ApplyCharFormat(format);
        break;
    }
    case ItalicCommand: {
        italic_ = !italic_;
        formatAction(ItalicCommand)->setChecked(italic_);
        QTextCharFormat format;
        format.setFontItalic(italic_);
        ApplyCharFormat(format);
        break;
    }
    case UnderlineCommand: {
        underline_ = !underline_;
        formatAction(UnderlineCommand)->setChecked(underline_);
        QTextCharFormat format;
        format.setFontUnderline(underline_);
        ApplyCharFormat(format);
        break;
    }
    case AlignLeftCommand:
    case AlignCenterCommand:
    case AlignRightCommand: {
        data_.modified = 1;
        setHorAlign(static_cast<uint8_t>(command - AlignLeftCommand));
        // The sides of the editor, also in a right-to-left paragraph.
        static constexpr Qt::Alignment Alignments[]
            = { Qt::AlignLeft | Qt::AlignAbsolute, Qt::AlignHCenter, Qt::AlignRight | Qt::AlignAbsolute };
        editor_->setAlignment(Alignments[horAlign_]);
        refreshPreview();
        break;
    }
    case AlignTopCommand:
    case AlignMiddleCommand:
    case AlignBottomCommand:
        data_.modified = 1;
        setVerAlign(static_cast<uint8_t>(command - AlignTopCommand));
        refreshPreview();
        break;
    case InsertIconCommand:
        insertIconDialog_->showForHeight(data_.screenPara.yIndex);
        break;
    case CharSpacingCommand:
        showSpacingPopup(*charSpacingDialog_);
        break;
    case YOffsetCommand:
        showSpacingPopup(*yOffsetDialog_);
        break;
    default:
        break;
    }
}

// Exactly one button of each alignment group is pressed.
void PropertyForm::setHorAlign(uint8_t align)
{
    horAlign_ = align;
    for (int i = 0; i < 3; ++i)
        formatAction(AlignLeftCommand + i)->setChecked(i == align);
}

void PropertyForm::setVerAlign(uint8_t align)
{
    verAlign_ = align;
    for (int i = 0; i < 3; ++i)
        formatAction(AlignTopCommand + i)->setChecked(i == align);
}

void PropertyForm::showSpacingPopup(SpacingPopup& popup)
{
    const int barBottom = formatToolBar_->mapToGlobal(QPoint(0, formatToolBar_->height())).y();
    popup.showAt(QPoint(QCursor::pos().x() - PopupLeftOfPointer, barBottom + PopupBelowBar));
}

void PropertyForm::nameFormatButtons()
{
    for (QToolButton* button : formatToolBar_->findChildren<QToolButton*>()) {
        const int command = button->property("formatCommand").toInt();
        const char16_t* key = FormatButtons[command - FirstFormatCommand].tipKey;
        button->setAccessibleName(withoutAccessKey(texts_.text(key)));
    }
}

// The tooltips follow the language in force when they show.
bool PropertyForm::showToolTip(QObject* watched, const QPoint& globalPos)
{
    const int command = watched->property("formatCommand").toInt();
    if (command < FirstFormatCommand || command >= FirstFormatCommand + FormatCommandCount)
        return false;
    const char16_t* key = FormatButtons[command - FirstFormatCommand].tipKey;
    QToolTip::showText(globalPos, withoutAccessKey(texts_.text(key)), qobject_cast<QWidget*>(watched));
    return true;
}

bool PropertyForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        return showToolTip(watched, static_cast<QHelpEvent*>(event)->globalPos());
    return QWidget::eventFilter(watched, event);
}

} // namespace tessel
