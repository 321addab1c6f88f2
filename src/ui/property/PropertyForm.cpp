#include "ui/property/PropertyForm.h"

#include "model/AppData.h"
#include "ui/property/CharSpacingDialog.h"
#include "ui/mainframe/FileTypeFilter.h"
#include "ui/property/ColourPickerButton.h"
#include "ui/property/InsertImageDialog.h"
#include "ui/dialogs/PictureImportDialog.h"
#include "ui/mainframe/ProgramView.h"
#include "ui/property/PropertyFormIds.h"
#include "ui/property/YOffsetDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTextCursor>
#include <QTextEdit>

namespace tessel {

PropertyForm::PropertyForm(AppData& data, const LanguageTable& texts, QWidget* parent)
    : QWidget(parent)
    , data_(data)
    , texts_(texts)
    , fileChooser_([this](QWidget* owner, const QString& filter) {
        return QFileDialog::getOpenFileName(owner, QString(), QString(), localFileFilter(filter, texts_));
    })
    , pictureImporter_([this](QWidget* owner, const QString& path) {
        return PictureImportDialog::pictureFor(owner, data_, texts_, path);
    })
{
    // The fixed rectangles of the controls are sized for the badge's home
    // platform's GUI font, 11 pixels high; larger fonts cut the labels.
    QFont guiFont = font();
    guiFont.setPixelSize(11);
    setFont(guiFont);
    setAcceptDrops(true);
}

PropertyForm::~PropertyForm() = default;

void PropertyForm::setTreePane(ProgramView* tree)
{
    tree_ = tree;
}

void PropertyForm::setRefreshPreview(std::function<void()> refresh)
{
    refreshPreview_ = std::move(refresh);
}

void PropertyForm::setFileChooser(FileChooser chooser)
{
    fileChooser_ = std::move(chooser);
}

void PropertyForm::FirstSetUp()
{
    if (setUp_)
        return;
    setUp_ = true;
    insertIconDialog_ = new InsertImageDialog(data_.paths.dataDir, this);
    insertIconDialog_->setInsertTarget([this](const QString& code) {
        // The window stays open while another kind is shown; only a text
        // program takes codes. The code replaces the selection and the
        // caret moves behind it.
        if (shownKind_ != static_cast<uint8_t>(ItemKind::Text))
            return;
        QTextCursor cursor = editor_->textCursor();
        cursor.insertText(code);
        editor_->setTextCursor(cursor);
    });
    charSpacingDialog_ = new CharSpacingDialog(*this, texts_, this);
    yOffsetDialog_ = new YOffsetDialog(*this, texts_, this);
    createBasicOptions();
    createEffectOptions();
    createTextTools();
    createFormatToolBar();
    createEditor();
    createImageOptions();
    fittedLayout_.record(*this);
    RetextControls();
}

bool PropertyForm::loaded() const
{
    return loaded_;
}

void PropertyForm::setLoaded(bool loaded)
{
    loaded_ = loaded;
}

QTextEdit* PropertyForm::visibleEditor()
{
    return editor_;
}

QWidget* PropertyForm::control(int id) const
{
    return controls_.value(id);
}

QWidget* PropertyForm::formatToolBar() const
{
    return formatToolBar_;
}

QAction* PropertyForm::formatAction(int command) const
{
    const int index = command - FirstFormatCommand;
    if (index < 0 || index >= static_cast<int>(formatActions_.size()))
        return nullptr;
    return formatActions_[static_cast<size_t>(index)];
}

InsertImageDialog* PropertyForm::insertIconDialog() const
{
    return insertIconDialog_;
}

CharSpacingDialog* PropertyForm::charSpacingDialog() const
{
    return charSpacingDialog_;
}

YOffsetDialog* PropertyForm::yOffsetDialog() const
{
    return yOffsetDialog_;
}

Program* PropertyForm::selectedProgram() const
{
    return tree_ ? tree_->SelectedProgram() : nullptr;
}

void PropertyForm::refreshPreview()
{
    if (refreshPreview_)
        refreshPreview_();
}

void PropertyForm::markModified()
{
    if (loaded_)
        data_.modified = 1;
}

uint8_t PropertyForm::shownKind() const
{
    return shownKind_;
}

void PropertyForm::ShowProgram(Program& program)
{
    if (!setUp_)
        return;
    if (program.type != shownKind_) {
        setKindVisible(shownKind_, false);
        setKindVisible(program.type, true);
    }
    nameEdit_->setText(program.name);
    showListIndex(BorderTypeList, program.borderType);
    showListIndex(BorderAspectList, program.borderAspect);
    showListIndex(BorderSpeedList, program.borderSpeed);
    showListIndex(BorderColorList, program.borderColor);
    showListIndex(PlayCountList, program.playCount);
    if (const ImageItem* image = program.image()) {
        fileKind_ = program.type;
        showListIndex(EffectActionList, image->action);
        showListIndex(EffectSpeedList, image->speed);
        showListIndex(EffectStayList, image->stay);
        showListIndex(EffectExitList, image->exitType);
        delBgColourButton_->setColour(static_cast<uint32_t>(image->delBgColor));
        filePathEdit_->setText(image->fileName);
    } else if (const TextItem* text = program.text()) {
        showListIndex(EffectActionList, text->action);
        showListIndex(EffectSpeedList, text->speed);
        showListIndex(EffectStayList, text->stay);
        showListIndex(EffectExitList, text->exitType);
        loadText(*text);
    }
    shownKind_ = program.type;
    loaded_ = true;
    refreshPreview();
}

void PropertyForm::StoreProgram(Program& program)
{
    if (!setUp_)
        return;
    if (!nameEdit_->text().isEmpty())
        program.name = nameEdit_->text();
    program.borderType = listIndex(BorderTypeList);
    program.borderAspect = listIndex(BorderAspectList);
    program.borderSpeed = listIndex(BorderSpeedList);
    program.borderColor = listIndex(BorderColorList);
    program.playCount = listIndex(PlayCountList);
    if (ImageItem* image = program.image()) {
        image->action = listIndex(EffectActionList);
        image->speed = listIndex(EffectSpeedList);
        image->stay = listIndex(EffectStayList);
        image->exitType = listIndex(EffectExitList);
        image->delBgColor = static_cast<int32_t>(delBgColourButton_->colour());
        image->fileName = filePathEdit_->text();
    } else if (TextItem* text = program.text()) {
        text->action = listIndex(EffectActionList);
        text->speed = listIndex(EffectSpeedList);
        text->stay = listIndex(EffectStayList);
        text->exitType = listIndex(EffectExitList);
        storeText(*text);
    }
}

void PropertyForm::HideProgramControls()
{
    setKindVisible(shownKind_, false);
    shownKind_ = NoKindShown;
}

} // namespace tessel
