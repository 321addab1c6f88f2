// The property pane: the controls of the program selected in the tree, by
// kind; for a text program the rich-text editor with its formatting tools,
// for an image program the picture file and its background colour. It also
// owns the three pop-up windows of its formatting tool bar.
#pragma once

#include "ui/FittedLayout.h"

#include <QHash>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTextCharFormat;
class QTextEdit;

namespace tessel {

class AppData;
class CharSpacingDialog;
class ColourPickerButton;
class InsertImageDialog;
class LanguageTable;
class ProgramView;
class SpacingPopup;
class YOffsetDialog;
struct Program;
struct TextItem;

// The kind shown when no controls are visible.
constexpr uint8_t NoKindShown = 255;

class PropertyForm : public QWidget {
    Q_OBJECT
public:
    // Asks for an existing file with the filter ("Image file(*.bmp ...)"); an
    // empty path is a cancel. Replaceable so that tests can choose.
    using FileChooser = std::function<QString(QWidget* parent, const QString& filter)>;

    PropertyForm(AppData& data, const LanguageTable& texts, QWidget* parent = nullptr);
    ~PropertyForm() override;

    // SelectedProgram and SetNodeLabel come from the tree.
    void setTreePane(ProgramView* tree);
    // The frame's RefreshPreview, called after every edit that changes the picture.
    void setRefreshPreview(std::function<void()> refresh);
    void setFileChooser(FileChooser chooser);
    // The picture file an image program takes for a chosen one: the same, or
    // a conversion made for the LEDs; empty when the user cancels.
    using PictureImporter = std::function<QString(QWidget* parent, const QString& path)>;
    void setPictureImporter(PictureImporter importer) { pictureImporter_ = std::move(importer); }

    // Creates the controls and the three pop-up windows, sets their texts and
    // fills the colour lists. Only the first call does anything.
    void FirstSetUp();
    void ShowProgram(Program& program);
    void StoreProgram(Program& program);
    void HideProgramControls();
    // After Add Text: the editor takes the keyboard focus with the whole
    // default text selected, so that typing replaces it.
    void focusNewText();
    void RetextControls();
    // Refills the three colour lists for the screen's current colour mode,
    // keeping the selections that still exist; for a change of the screen
    // parameters.
    void refreshColourLists();
    // The tree clears it before every change of selection.
    void setLoaded(bool loaded);
    bool loaded() const;
    // The visible text editor (identifier 1266).
    QTextEdit* visibleEditor();

    // The control of a pane identifier (1200-1295); nullptr for others.
    QWidget* control(int id) const;
    QWidget* formatToolBar() const;
    // The button of a formatting command (800-811).
    QAction* formatAction(int command) const;
    void OnFormatCommand(int command);
    InsertImageDialog* insertIconDialog() const;
    CharSpacingDialog* charSpacingDialog() const;
    YOffsetDialog* yOffsetDialog() const;

    // The picture file chosen for the shown image program, as Browse takes
    // the one of its dialog; nothing without an image program shown.
    void takePictureFile(const QString& chosen);

    // The program selected in the tree; nullptr when none.
    Program* selectedProgram() const;
    void refreshPreview();
    // Marks the list modified, but only while a program is loaded completely.
    void markModified();
    uint8_t shownKind() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A picture dropped on the pane of an image program, as Browse.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Widens the controls whose texts need more room than their rectangles
    // and sets the pane's minimum size to what the controls then take.
    void fitControls();
    // PropertyFormControls.cpp
    void createBasicOptions();
    void createEffectOptions();
    void createImageOptions();
    QLabel* addLabel(int id, const QRect& rect, const QString& text);
    QComboBox* addList(int id, const QRect& rect, int listWidth = 0);
    QGroupBox* addGroup(int id, const QRect& rect, const QString& text);
    void fillLanguageList(QComboBox& list, const char* family, int count);
    void showListIndex(int id, uint8_t value);
    uint8_t listIndex(int id) const;
    void setKindVisible(uint8_t kind, bool visible);
    // Names for screen readers, in the language in force.
    void nameControls();
    void onNameChanged(const QString& name);
    void browse();
    bool takesPicture(const QString& path) const;

    // PropertyFormText.cpp
    void createTextTools();
    void fillFontList();
    void createEditor();
    void loadText(const TextItem& item);
    void storeText(TextItem& item);
    void DefaultTextFormat();
    void onTextChanged();
    void ApplyCharFormat(const QTextCharFormat& format);
    void onFontChosen(int index);
    void onSizeChosen(int index);
    void onTextColourChosen(int index);
    void onBackColourChosen(int index);
    void updateTextTools();

    // PropertyFormToolBar.cpp
    void createFormatToolBar();
    // The images follow the palette: a change of theme draws them again.
    void refreshFormatImages();
    void setHorAlign(uint8_t align);
    void setVerAlign(uint8_t align);
    void showSpacingPopup(SpacingPopup& popup);
    // The image-only buttons are named by their tooltips.
    void nameFormatButtons();
    bool showToolTip(QObject* watched, const QPoint& globalPos);

    AppData& data_;
    const LanguageTable& texts_;
    ProgramView* tree_ = nullptr;
    std::function<void()> refreshPreview_;
    FileChooser fileChooser_;
    PictureImporter pictureImporter_;
    bool setUp_ = false;
    bool loaded_ = false;
    uint8_t shownKind_ = NoKindShown;
    uint8_t fileKind_ = 1;
    uint8_t horAlign_ = 0;
    uint8_t verAlign_ = 1;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;

    QHash<int, QWidget*> controls_;
    FittedLayout fittedLayout_;
    std::vector<QWidget*> basicControls_;
    std::vector<QWidget*> effectControls_;
    std::vector<QWidget*> textControls_;
    std::vector<QWidget*> imageControls_;
    QLineEdit* nameEdit_ = nullptr;
    QComboBox* fontList_ = nullptr;
    QComboBox* sizeList_ = nullptr;
    QComboBox* textColourList_ = nullptr;
    QComboBox* backColourList_ = nullptr;
    QComboBox* borderColourList_ = nullptr;
    QCheckBox* arabicBox_ = nullptr;
    QTextEdit* editor_ = nullptr;
    ColourPickerButton* delBgColourButton_ = nullptr;
    QLineEdit* filePathEdit_ = nullptr;
    QWidget* formatToolBar_ = nullptr;
    std::vector<QAction*> formatActions_;
    InsertImageDialog* insertIconDialog_ = nullptr;
    CharSpacingDialog* charSpacingDialog_ = nullptr;
    YOffsetDialog* yOffsetDialog_ = nullptr;
};

} // namespace tessel
