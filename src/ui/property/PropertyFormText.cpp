// The text tools of the property pane: font, size and colour lists, the
// visible editor, its loading from and storing to `save`, the default format
// of a new text and the formatting of the selection.
#include "ui/property/PropertyForm.h"

#include "encoding/CodePage.h"
#include "model/AppData.h"
#include "render/NewTextFormat.h"
#include "render/RichTextDocument.h"
#include "render/RtfReader.h"
#include "render/RtfWriter.h"
#include "ui/property/ColourLists.h"
#include "ui/mainframe/ProgramView.h"
#include "ui/property/PropertyFormIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <optional>

namespace tessel {

namespace {

constexpr int FontSizes[] = { 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72 };

uint32_t colourOf(const QBrush& brush)
{
    const QColor colour = brush.color();
    return static_cast<uint32_t>(colour.red()) | (static_cast<uint32_t>(colour.green()) << 8)
        | (static_cast<uint32_t>(colour.blue()) << 16);
}

QColor qColour(uint32_t colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// What the text tools show of one run of characters.
struct ToolFormat {
    QString face;
    int twips = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    uint32_t textColour = 0; // automatic reads as black
    uint32_t backColour = 0; // no background reads as black, the editor's colour
};

ToolFormat toolFormat(const QTextCharFormat& format, const QFont& defaultFont)
{
    ToolFormat result;
    const QStringList families = format.fontFamilies().toStringList();
    result.face = families.isEmpty() ? defaultFont.family() : families.first();
    const double points
        = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : defaultFont.pointSizeF();
    result.twips = static_cast<int>(points * TwipsPerPoint + 0.5);
    result.bold = format.fontWeight() >= QFont::DemiBold;
    result.italic = format.fontItalic();
    result.underline = format.fontUnderline();
    if (format.foreground().style() != Qt::NoBrush)
        result.textColour = colourOf(format.foreground());
    if (format.background().style() != Qt::NoBrush)
        result.backColour = colourOf(format.background());
    return result;
}

// The formats of the runs a non-empty selection covers.
std::vector<ToolFormat> selectionFormats(const QTextCursor& cursor)
{
    std::vector<ToolFormat> formats;
    const QTextDocument& document = *cursor.document();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    for (QTextBlock block = document.findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() < end && fragment.position() + fragment.length() > start)
                formats.push_back(toolFormat(fragment.charFormat(), document.defaultFont()));
        }
    }
    return formats;
}

// The value when every run has the same one.
template <typename Value>
std::optional<Value> uniform(const std::vector<ToolFormat>& formats, Value ToolFormat::*field)
{
    if (formats.empty())
        return std::nullopt;
    const Value& first = formats.front().*field;
    for (const ToolFormat& format : formats)
        if (!(format.*field == first))
            return std::nullopt;
    return first;
}

// The colour index of a colour every run has; -1 for a mixed selection or a
// colour that is none of the eight.
int uniformColourIndex(const std::vector<ToolFormat>& formats, uint32_t ToolFormat::*field)
{
    const std::optional<uint32_t> colour = uniform(formats, field);
    const std::optional<int> index = colour ? colourIndexOf(*colour) : std::nullopt;
    return index.value_or(-1);
}

// The entry that equals the text, else the first entry that begins with it,
// searched from the second entry on and trying the first one last; -1 when
// none matches.
int findEntry(const QComboBox& list, const QString& text)
{
    const int exact = list.findText(text, Qt::MatchFixedString);
    if (exact >= 0)
        return exact;
    for (int step = 1; step <= list.count(); ++step) {
        const int index = step % list.count();
        if (list.itemText(index).startsWith(text, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

// The face name of a font family: a family that several foundries supply is
// reported once per foundry as "Face [Foundry]"; a text names the face alone.
QString faceOfFamily(const QString& family)
{
    const qsizetype bracket = family.lastIndexOf(QStringLiteral(" ["));
    return bracket > 0 && family.endsWith(QLatin1Char(']')) ? family.left(bracket) : family;
}

// Letters and digits make words; an ideograph or kana is a word of its own.
bool isWordCharacter(QChar c)
{
    if (!c.isLetterOrNumber() && c != QLatin1Char('_'))
        return false;
    switch (c.script()) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
        return false;
    default:
        return true;
    }
}

bool splitsWord(const QTextDocument& document, int position)
{
    return position > 0 && position < document.characterCount() - 1
        && isWordCharacter(document.characterAt(position - 1))
        && isWordCharacter(document.characterAt(position));
}

} // namespace

void PropertyForm::createTextTools()
{
    fontList_ = addList(FontList, QRect(425, 5, 145, 20), 200);
    fontList_->setMaxVisibleItems(16);
    fillFontList();
    connect(fontList_, &QComboBox::activated, this, &PropertyForm::onFontChosen);

    sizeList_ = addList(SizeList, QRect(575, 5, 50, 20));
    for (int size : FontSizes)
        sizeList_->addItem(QString::number(size));
    connect(sizeList_, &QComboBox::activated, this, &PropertyForm::onSizeChosen);

    textColourList_ = addList(TextColourList, QRect(630, 5, 50, 20));
    connect(textColourList_, &QComboBox::activated, this, &PropertyForm::onTextColourChosen);
    backColourList_ = addList(BackColourList, QRect(685, 5, 55, 20));
    connect(backColourList_, &QComboBox::activated, this, &PropertyForm::onBackColourChosen);

    arabicBox_ = new QCheckBox(QStringLiteral("Arabic"), this);
    arabicBox_->setGeometry(745, 5, 55, 20);
    arabicBox_->hide();
    controls_.insert(ArabicBox, arabicBox_);
    connect(arabicBox_, &QCheckBox::clicked, this, [this] {
        if (!loaded_)
            return;
        data_.modified = 1;
        refreshPreview();
    });
    textControls_ = { fontList_, sizeList_, textColourList_, backColourList_, arabicBox_ };
}

// The installed faces and the two faces of a new text, which rendering
// maps to installed ones (so that they can be chosen again and files keep the
// faces other badge editors read), sorted without repeats.
void PropertyForm::fillFontList()
{
    QStringList faces;
    for (const QString& family : QFontDatabase::families())
        faces << faceOfFamily(family);
    faces << QStringLiteral("Arial") << QStringLiteral("宋体");
    std::sort(faces.begin(), faces.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    faces.erase(
        std::unique(faces.begin(), faces.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }),
        faces.end());
    fontList_->addItems(faces);
}

void PropertyForm::createEditor()
{
    editor_ = new QTextEdit(this);
    editor_->setGeometry(425, 59, 650, 100);
    editor_->setAcceptRichText(false); // pasted text takes the format at the caret
    QPalette palette = editor_->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white); // the caret is drawn in the text colour
    editor_->setPalette(palette);
    editor_->hide();
    controls_.insert(TextEditor, editor_);
    textControls_.push_back(editor_);
    connect(editor_, &QTextEdit::textChanged, this, &PropertyForm::onTextChanged);
    connect(editor_, &QTextEdit::cursorPositionChanged, this, &PropertyForm::updateTextTools);
    connect(editor_, &QTextEdit::selectionChanged, this, &PropertyForm::updateTextTools);
    // Tab and Shift+Tab move on to the next control, as everywhere in the
    // window; a tab character, rare in a badge's text, is Ctrl+Tab.
    editor_->setTabChangesFocus(true);
    auto* tab
        = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), editor_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(tab, &QShortcut::activated, editor_, [this] { editor_->insertPlainText(QStringLiteral("\t")); });
    // The usual keys of a text editor for the three character formats.
    static constexpr std::pair<QKeySequence::StandardKey, int> FormatKeys[]
        = { { QKeySequence::Bold, BoldCommand }, { QKeySequence::Italic, ItalicCommand },
              { QKeySequence::Underline, UnderlineCommand } };
    for (auto [key, command] : FormatKeys) {
        auto* shortcut = new QShortcut(key, editor_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, command = command] { OnFormatCommand(command); });
    }
}

void PropertyForm::loadText(const TextItem& item)
{
    editor_->clear();
    if (item.save.isEmpty())
        DefaultTextFormat();
    else
        RichTextToDocument(
            RichTextFromSave(item.save, ansiCodePageForLanguage(data_.lanID)), *editor_->document());
    // Undo never brings back the text of the program shown before.
    editor_->document()->clearUndoRedoStacks();
    editor_->moveCursor(QTextCursor::Start);
    setHorAlign(item.horAlign <= 2 ? item.horAlign : 0);
    editor_->setAlignment(horAlign_ == 1 ? Qt::AlignHCenter
            : horAlign_ == 2             ? Qt::AlignRight | Qt::AlignAbsolute
                                         : Qt::AlignLeft | Qt::AlignAbsolute);
    setVerAlign(item.verAlign <= 2 ? item.verAlign : 0);
    arabicBox_->setChecked(item.arabic != 0);
    // The editor takes the keyboard focus, except from a user working in the
    // tree: there the keys (arrows, Delete) keep acting on the programs.
    if (!tree_ || !tree_->hasFocus())
        editor_->setFocus();
    editor_->ensureCursorVisible();
    updateTextTools();
}

void PropertyForm::focusNewText()
{
    editor_->setFocus(Qt::OtherFocusReason);
    editor_->selectAll();
}

void PropertyForm::storeText(TextItem& item)
{
    item.arabic = arabicBox_->isChecked() ? 1 : 0;
    item.horAlign = horAlign_;
    item.verAlign = verAlign_;
    item.save = SaveFromRichText(RichTextFromDocument(*editor_->document()));
}

void PropertyForm::DefaultTextFormat()
{
    const CharFormat initial = NewTextFormat(data_);
    QTextCharFormat format;
    format.setFontFamilies({ initial.face });
    format.setFontPointSize(initial.twips / double(TwipsPerPoint));
    format.setForeground(qColour(initial.textColor));
    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    format.setFontUnderline(false);
    QTextCursor cursor = editor_->textCursor();
    cursor.setBlockCharFormat(format);
    cursor.setCharFormat(format);
    cursor.insertText(data_.greeting(), format);
    editor_->setTextCursor(cursor);
    editor_->setCurrentCharFormat(format);
}

// The plain text as the badge's editor reports it: a paragraph break is one
// character.
void PropertyForm::onTextChanged()
{
    if (!loaded_ || shownKind_ != static_cast<uint8_t>(ItemKind::Text))
        return;
    data_.modified = 1;
    Program* program = selectedProgram();
    if (!program)
        return;
    QString text = editor_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QChar(ParagraphBreak));
    text.replace(QChar::LineSeparator, QChar(LineBreak));
    data_.setSummaryFromText(program, text);
    tree_->SetNodeLabel(tree_->nodeOf(*program), *program);
    refreshPreview();
}

// An empty selection takes the format for what is typed next; a selection
// passes it to every word it touches.
void PropertyForm::ApplyCharFormat(const QTextCharFormat& format)
{
    const QTextCursor selection = editor_->textCursor();
    if (!selection.hasSelection()) {
        editor_->mergeCurrentCharFormat(format);
    } else {
        const QTextDocument& document = *editor_->document();
        int start = selection.selectionStart();
        int end = selection.selectionEnd();
        while (splitsWord(document, start))
            --start;
        while (splitsWord(document, end))
            ++end;
        QTextCursor words(editor_->document());
        words.setPosition(start);
        words.setPosition(end, QTextCursor::KeepAnchor);
        words.mergeCharFormat(format);
    }
    editor_->setFocus();
}

void PropertyForm::onFontChosen(int index)
{
    QTextCharFormat format;
    format.setFontFamilies({ fontList_->itemText(index) });
    ApplyCharFormat(format);
}

void PropertyForm::onSizeChosen(int index)
{
    QTextCharFormat format;
    format.setFontPointSize(FontSizes[std::clamp(index, 0, int(std::size(FontSizes)) - 1)]);
    ApplyCharFormat(format);
}

void PropertyForm::onTextColourChosen(int index)
{
    QTextCharFormat format;
    format.setForeground(qColour(colourValue(index + 1)));
    ApplyCharFormat(format);
}

// Entry 0 is no background of its own: the character is drawn on black.
void PropertyForm::onBackColourChosen(int index)
{
    QTextCharFormat format;
    format.setBackground(index == 0 ? QBrush(Qt::NoBrush) : QBrush(qColour(colourValue(index))));
    ApplyCharFormat(format);
}

void PropertyForm::updateTextTools()
{
    const QTextCursor cursor = editor_->textCursor();
    const std::vector<ToolFormat> formats = cursor.hasSelection()
        ? selectionFormats(cursor)
        : std::vector<ToolFormat> { toolFormat(
            editor_->currentCharFormat(), editor_->document()->defaultFont()) };

    // The text colour list starts at red, colour 1; black text has no entry.
    const int textEntry = uniformColourIndex(formats, &ToolFormat::textColour) - 1;
    textColourList_->setCurrentIndex(textEntry < textColourList_->count() ? std::max(textEntry, -1) : -1);

    const int backEntry = uniformColourIndex(formats, &ToolFormat::backColour);
    backColourList_->setCurrentIndex(backEntry < backColourList_->count() ? backEntry : -1);

    const std::optional<int> twips = uniform(formats, &ToolFormat::twips);
    sizeList_->setCurrentIndex(twips ? findEntry(*sizeList_, QString::number(*twips / TwipsPerPoint)) : -1);

    const std::optional<QString> face = uniform(formats, &ToolFormat::face);
    fontList_->setCurrentIndex(face ? findEntry(*fontList_, *face) : -1);

    bold_ = uniform(formats, &ToolFormat::bold).value_or(false);
    italic_ = uniform(formats, &ToolFormat::italic).value_or(false);
    underline_ = uniform(formats, &ToolFormat::underline).value_or(false);
    formatAction(BoldCommand)->setChecked(bold_);
    formatAction(ItalicCommand)->setChecked(italic_);
    formatAction(UnderlineCommand)->setChecked(underline_);
}

} // namespace tessel
