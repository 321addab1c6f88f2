// The basic, effect and image options of the property pane: their creation
// at fixed rectangles, their language texts, and showing them by kind.
#include "ui/property/PropertyForm.h"
#include "ui/ControlRect.h"
#include "ui/DropRouter.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "ui/AccessKeys.h"
#include "ui/AccessibleNames.h"
#include "ui/property/ColourLists.h"
#include "ui/property/ColourPickerButton.h"
#include "ui/property/InsertImageDialog.h"
#include "ui/mainframe/ProgramView.h"
#include "ui/property/PropertyFormIds.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include <utility>

namespace tessel {

namespace {

// A closed drop-down list is one text line high; the rectangles of the lists
// give the bottom of the opened list instead.
constexpr int ListHeight = 20;

QRect listRect(int left, int top, int right)
{
    return edges(left, top, right, top + ListHeight);
}

constexpr int BorderPictureCount = 5;
constexpr int BorderAspectCount = 5;
constexpr int ActionCount = 31;
constexpr int ExitCount = 2;
constexpr int ChoiceCount = 6;
constexpr int PlayCountChoices = 255;
constexpr int NameLength = 24;

struct TextKey {
    int id;
    const char16_t* key;
};

// The labels, group boxes and buttons that take a language text.
constexpr TextKey RetextedControls[] = {
    { OptionsGroup, u"options" },
    { NameLabel, u"name" },
    { BorderTypeLabel, u"borderType" },
    { BorderAspectLabel, u"borderAspect" },
    { BorderSpeedLabel, u"borderSpeed" },
    { BorderColorLabel, u"borderColor" },
    { PlayCountLabel, u"playCount" },
    { EffectGroup, u"effectOption" },
    { EffectActionLabel, u"effectAction" },
    { EffectSpeedLabel, u"effectSpeed" },
    { EffectStayLabel, u"effectStay" },
    { EffectExitLabel, u"effectExit" },
    { ImageGroup, u"options" },
    { DelBgColorLabel, u"delBgColor" },
    { FilePathLabel, u"filePath" },
    { BrowseButton, u"scanFile" },
};

// The labels and the fields they name.
constexpr std::pair<int, int> LabelledFields[] = {
    { NameLabel, NameEdit },
    { BorderTypeLabel, BorderTypeList },
    { BorderAspectLabel, BorderAspectList },
    { BorderSpeedLabel, BorderSpeedList },
    { BorderColorLabel, BorderColorList },
    { PlayCountLabel, PlayCountList },
    { EffectActionLabel, EffectActionList },
    { EffectSpeedLabel, EffectSpeedList },
    { EffectStayLabel, EffectStayList },
    { EffectExitLabel, EffectExitList },
    { DelBgColorLabel, DelBgColorButton },
    { FilePathLabel, FilePathEdit },
};

// The text tools' lists, which show no label.
constexpr TextKey NamedLists[] = {
    { FontList, u"fontList" },
    { SizeList, u"sizeList" },
    { TextColourList, u"textColourList" },
    { BackColourList, u"backColourList" },
};

void fillNumbers(QComboBox& list, int count)
{
    for (int number = 1; number <= count; ++number)
        list.addItem(QString::number(number));
}

} // namespace

QLabel* PropertyForm::addLabel(int id, const QRect& rect, const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(rect);
    label->hide();
    controls_.insert(id, label);
    return label;
}

QComboBox* PropertyForm::addList(int id, const QRect& rect, int listWidth)
{
    auto* list = new QComboBox(this);
    list->setGeometry(rect);
    if (listWidth > 0)
        list->view()->setMinimumWidth(listWidth);
    list->hide();
    controls_.insert(id, list);
    return list;
}

QGroupBox* PropertyForm::addGroup(int id, const QRect& rect, const QString& text)
{
    auto* group = new QGroupBox(text, this);
    group->setGeometry(rect);
    group->hide();
    controls_.insert(id, group);
    return group;
}

void PropertyForm::createBasicOptions()
{
    basicControls_ = {
        addGroup(OptionsGroup, edges(5, 5, 205, 160), QStringLiteral("基本选项")),
        addLabel(NameLabel, edges(13, 20, 53, 40), QStringLiteral("名称:")),
        addLabel(BorderTypeLabel, edges(13, 45, 53, 65), QStringLiteral("边框:")),
        addLabel(BorderAspectLabel, edges(108, 45, 148, 65), QStringLiteral("边框:")),
        addLabel(BorderSpeedLabel, edges(13, 70, 53, 90), QStringLiteral("速度:")),
        addLabel(BorderColorLabel, edges(108, 70, 148, 90), QStringLiteral("颜色:")),
        addLabel(PlayCountLabel, edges(13, 95, 53, 115), QStringLiteral("循环:")),
    };
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setMaxLength(NameLength);
    nameEdit_->setGeometry(edges(53, 20, 198, 40));
    nameEdit_->hide();
    controls_.insert(NameEdit, nameEdit_);
    connect(nameEdit_, &QLineEdit::textChanged, this, &PropertyForm::onNameChanged);

    QComboBox* borderType = addList(BorderTypeList, listRect(53, 45, 103));
    borderType->setIconSize(QSize(34, 12));
    for (int i = 0; i < BorderPictureCount; ++i)
        borderType->addItem(QIcon(QStringLiteral(":/border/border%1.svg").arg(i)), QString());
    QComboBox* borderAspect = addList(BorderAspectList, listRect(148, 45, 198), 100);
    QComboBox* borderSpeed = addList(BorderSpeedList, listRect(53, 70, 103));
    fillNumbers(*borderSpeed, ChoiceCount);
    borderColourList_ = addList(BorderColorList, listRect(148, 70, 198));
    QComboBox* playCount = addList(PlayCountList, listRect(53, 95, 103));
    fillNumbers(*playCount, PlayCountChoices);
    for (QComboBox* list : { borderType, borderAspect, borderSpeed, borderColourList_, playCount }) {
        connect(list, &QComboBox::activated, this, &PropertyForm::markModified);
        basicControls_.push_back(list);
    }
    basicControls_.push_back(nameEdit_);
}

void PropertyForm::createEffectOptions()
{
    effectControls_ = {
        addGroup(EffectGroup, edges(215, 5, 415, 160), QStringLiteral("特效选项")),
        addLabel(EffectActionLabel, edges(223, 20, 263, 40), QStringLiteral("效果:")),
        addLabel(EffectSpeedLabel, edges(223, 45, 263, 65), QStringLiteral("速度:")),
        addLabel(EffectStayLabel, edges(223, 70, 263, 90), QStringLiteral("停留:")),
        addLabel(EffectExitLabel, edges(223, 95, 263, 115), QStringLiteral("清屏:")),
    };
    QComboBox* action = addList(EffectActionList, listRect(263, 20, 408), 240);
    QComboBox* speed = addList(EffectSpeedList, listRect(263, 45, 343));
    fillNumbers(*speed, ChoiceCount);
    QComboBox* stay = addList(EffectStayList, listRect(263, 70, 343));
    fillNumbers(*stay, ChoiceCount);
    QComboBox* exit = addList(EffectExitList, listRect(263, 95, 343), 100);
    // The entry effect decides paging and alignment: the preview follows it.
    connect(action, &QComboBox::activated, this, [this] {
        if (!loaded_)
            return;
        data_.modified = 1;
        refreshPreview();
    });
    for (QComboBox* list : { speed, stay, exit })
        connect(list, &QComboBox::activated, this, &PropertyForm::markModified);
    effectControls_.insert(effectControls_.end(), { action, speed, stay, exit });
}

void PropertyForm::createImageOptions()
{
    imageControls_ = {
        addGroup(ImageGroup, edges(425, 5, 625, 160), QStringLiteral("选项")),
        addLabel(DelBgColorLabel, edges(433, 20, 503, 40), QStringLiteral("排除背景色:")),
        addLabel(FilePathLabel, edges(433, 45, 503, 65), QStringLiteral("文件路径:")),
    };
    delBgColourButton_ = new ColourPickerButton(this);
    delBgColourButton_->setGeometry(edges(508, 20, 558, 40));
    delBgColourButton_->hide();
    controls_.insert(DelBgColorButton, delBgColourButton_);
    connect(delBgColourButton_, &ColourPickerButton::colourChosen, this, &PropertyForm::markModified);

    filePathEdit_ = new QLineEdit(this);
    filePathEdit_->setEnabled(false);
    filePathEdit_->setGeometry(edges(433, 70, 618, 90));
    filePathEdit_->hide();
    controls_.insert(FilePathEdit, filePathEdit_);

    auto* browse = new QPushButton(QStringLiteral("浏览文件..."), this);
    browse->setGeometry(edges(538, 95, 618, 120));
    browse->hide();
    controls_.insert(BrowseButton, browse);
    connect(browse, &QPushButton::clicked, this, &PropertyForm::browse);
    imageControls_.insert(imageControls_.end(), { delBgColourButton_, filePathEdit_, browse });
}

void PropertyForm::fillLanguageList(QComboBox& list, const char* family, int count)
{
    const int selected = list.currentIndex();
    list.clear();
    const QString key = QString::fromLatin1(family);
    for (int i = 0; i < count; ++i)
        list.addItem(texts_.matrix(key, i));
    list.setCurrentIndex(selected);
}

void PropertyForm::RetextControls()
{
    if (!setUp_)
        return;
    for (const TextKey& entry : RetextedControls) {
        const QString text = texts_.text(entry.key);
        QWidget* widget = controls_.value(entry.id);
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            group->setTitle(text);
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            button->setText(text);
    }
    fillLanguageList(
        *qobject_cast<QComboBox*>(control(BorderAspectList)), "borderAspectMatrix", BorderAspectCount);
    fillLanguageList(*qobject_cast<QComboBox*>(control(EffectActionList)), "effectActionMatrix", ActionCount);
    fillLanguageList(*qobject_cast<QComboBox*>(control(EffectExitList)), "effectExitMatrix", ExitCount);
    insertIconDialog_->setWindowTitle(texts_.text(u"insertImage"));
    arabicBox_->setText(texts_.textOr(u"arabicMode", QStringLiteral("Arabic")));
    nameControls();
    refreshColourLists();
}

void PropertyForm::nameControls()
{
    for (auto [labelId, fieldId] : LabelledFields) {
        auto* label = qobject_cast<QLabel*>(control(labelId));
        label->setBuddy(control(fieldId));
    }
    // A button takes its name from its own text, which the colour button lacks.
    delBgColourButton_->setAccessibleName(
        nameFromLabel(qobject_cast<QLabel*>(control(DelBgColorLabel))->text()));
    for (const TextKey& entry : NamedLists)
        nameList(*qobject_cast<QComboBox*>(control(entry.id)), texts_.text(entry.key));
    editor_->setAccessibleName(texts_.text(u"programText"));
    nameFormatButtons();
}

void PropertyForm::refreshColourLists()
{
    if (!setUp_)
        return;
    const int count = screenColourCount(data_.screenPara.rgb);
    for (auto [list, first] :
        { std::pair { borderColourList_, 1 }, { textColourList_, 1 }, { backColourList_, 0 } }) {
        const int selected = list->currentIndex();
        fillColourList(*list, first, count, texts_);
        list->setCurrentIndex(selected < list->count() ? selected : -1);
    }
    fitControls();
}

void PropertyForm::fitControls()
{
    if (!setUp_)
        return;
    // The controls of each kind share the pane with the basic and effect
    // options; those left of the kind's own controls fit the same either way.
    constexpr int Margin = 5;
    QRect bounds;
    for (const std::vector<QWidget*>* kind : { &textControls_, &imageControls_ }) {
        std::vector<QWidget*> controls = basicControls_;
        controls.insert(controls.end(), effectControls_.begin(), effectControls_.end());
        controls.insert(controls.end(), kind->begin(), kind->end());
        bounds |= fittedLayout_.fit(controls);
    }
    setMinimumSize(bounds.right() + 1 + Margin, bounds.bottom() + 1 + Margin);
}

// A stored value outside the list (for example from a file) shows the list
// without a selection.
void PropertyForm::showListIndex(int id, uint8_t value)
{
    auto* list = qobject_cast<QComboBox*>(control(id));
    list->setCurrentIndex(value < list->count() ? value : -1);
}

// No selection is stored as 255.
uint8_t PropertyForm::listIndex(int id) const
{
    return static_cast<uint8_t>(qobject_cast<QComboBox*>(control(id))->currentIndex());
}

void PropertyForm::setKindVisible(uint8_t kind, bool visible)
{
    std::vector<QWidget*> controls;
    switch (static_cast<ItemKind>(kind)) {
    case ItemKind::Text:
        controls = textControls_;
        break;
    case ItemKind::Image:
    case ItemKind::Animation:
        controls = imageControls_;
        break;
    default:
        return;
    }
    controls.insert(controls.end(), basicControls_.begin(), basicControls_.end());
    controls.insert(controls.end(), effectControls_.begin(), effectControls_.end());
    for (QWidget* widget : controls)
        widget->setVisible(visible);
    // An animation has its own entry effect and speed.
    const bool fixedEffect = visible && kind == static_cast<uint8_t>(ItemKind::Animation);
    control(EffectActionList)->setEnabled(!fixedEffect);
    control(EffectSpeedList)->setEnabled(!fixedEffect);
}

void PropertyForm::onNameChanged(const QString& name)
{
    if (!loaded_)
        return;
    data_.modified = 1;
    Program* program = selectedProgram();
    if (!program || name.isEmpty())
        return;
    const QString oldName = std::exchange(program->name, name);
    tree_->SetNodeLabel(tree_->nodeOf(*program), *program);
    tree_->programRenamed(*program, oldName);
}

void PropertyForm::browse()
{
    const bool image = fileKind_ == static_cast<uint8_t>(ItemKind::Image);
    takePictureFile(fileChooser_(this,
        image ? QStringLiteral("Image file(*.bmp *.png *.jpg *.jpeg *.gif)") : QStringLiteral("Gif file(*.gif)")));
}

void PropertyForm::takePictureFile(const QString& chosen)
{
    if (shownKind_ != static_cast<uint8_t>(ItemKind::Image) && shownKind_ != static_cast<uint8_t>(ItemKind::Animation))
        return;
    const bool image = fileKind_ == static_cast<uint8_t>(ItemKind::Image);
    if (chosen.isEmpty() || !QFileInfo(chosen).isFile())
        return;
    // A picture not made for the LEDs is converted first; the chosen file stays as it is.
    const QString path = image ? pictureImporter_(this, chosen) : chosen;
    if (path.isEmpty())
        return;
    filePathEdit_->setText(path);
    if (!image)
        return;
    data_.modified = 1;
    refreshPreview();
}

} // namespace tessel

namespace tessel {

// The types Browse offers for the kind shown.
bool PropertyForm::takesPicture(const QString& path) const
{
    if (path.isEmpty())
        return false;
    if (shownKind_ == static_cast<uint8_t>(ItemKind::Image))
        return DropRouter::isPictureFile(path);
    if (shownKind_ == static_cast<uint8_t>(ItemKind::Animation))
        return QFileInfo(path).suffix().compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0;
    return false;
}

void PropertyForm::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void PropertyForm::dragMoveEvent(QDragMoveEvent* event)
{
    if (takesPicture(DropRouter::droppedFile(*event->mimeData())))
        event->acceptProposedAction();
    else
        event->ignore();
}

void PropertyForm::dropEvent(QDropEvent* event)
{
    const QString path = DropRouter::droppedFile(*event->mimeData());
    if (!takesPicture(path)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The import may ask; the drop is answered first.
    QMetaObject::invokeMethod(this, [this, path] { takePictureFile(path); }, Qt::QueuedConnection);
}

void PropertyForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && setUp_)
        refreshFormatImages();
    else if (event->type() == QEvent::LayoutDirectionChange)
        fitControls();
}

// Mirrored, the controls are counted from the right edge, which moves with the width.
void PropertyForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isRightToLeft())
        fitControls();
}

} // namespace tessel
