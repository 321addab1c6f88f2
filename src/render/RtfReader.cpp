#include "render/RtfReader.h"

#include "encoding/CodePage.h"
#include "render/RtfCharset.h"
#include "render/RtfKeyword.h"
#include "render/RtfTextDecoder.h"
#include "render/RtfTokenizer.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace tessel {

namespace {

// Groups nested deeper than this are read past without effect, so that the
// group stack stays small whatever the input.
constexpr size_t MaxGroupDepth = 1024;
// Far more than a badge can show (a text program renders at most 10000
// columns); the rest of a longer stream is dropped.
constexpr qsizetype MaxTextLength = 100000;
constexpr size_t MaxTableEntries = 4096;
constexpr int DefaultHalfPoints = 24;
constexpr int MaxHalfPoints = 3276;

// The largest charset number; a \fcharsetN beyond it reads as the default charset.
constexpr int MaxCharset = 255;

// NestedTableProperties is the optional destination that holds the row end
// of a nested table among that row's properties: only the row end is read.
enum class Destination : uint8_t { Text, FontTable, ColorTable, NestedTableProperties, Skipped };

// The properties RTF saves with every group and restores at its end.
struct GroupState {
    Destination destination = Destination::Text;
    int font = 0;
    int halfPoints = DefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int textColor = 0; // colour table index; 0 is "automatic"
    int background = 0; // colour table index; 0 is none
    int unicodeSkip = 1; // fallback units after each \uN
    Paragraph paragraph;
};

struct FontEntry {
    QString face;
    int charset = CharsetDefault;
    int codePage = 1252;
};

struct ColorEntry {
    bool automatic = true;
    uint32_t color = 0;
};

bool isOn(const RtfToken& token)
{
    return !token.hasParameter || token.parameter != 0;
}

class RtfParser {
public:
    explicit RtfParser(QByteArrayView rtf)
        : tokenizer_(rtf)
    {
    }

    RichText parse();

private:
    bool handle(const RtfToken& token);
    void openGroup();
    bool closeGroup();
    void handleText(QByteArrayView text);
    void handleControlWord(const RtfToken& token);
    void handleControlSymbol(char symbol);
    void handleUnicode(int value);

    void fontTableWord(RtfKeyword keyword, const RtfToken& token);
    void fontTableText(QByteArrayView text);
    void flushEntryBytes();
    void commitFontEntry();
    void colorTableWord(RtfKeyword keyword, int value);
    void colorTableText(QByteArrayView text);

    void characterWord(RtfKeyword keyword, const RtfToken& token);
    void flushBytes();
    void appendCharacters(QStringView characters);
    void appendCharacter(QChar c, const CharFormat& format);
    void endCell();
    void endRow();
    void finish(const GroupState& end);

    GroupState& state() { return groups_.back(); }
    // Whether the group around the current one holds document text.
    bool enclosedByText() const
    {
        return groups_.size() >= 2 && groups_[groups_.size() - 2].destination == Destination::Text;
    }
    CharFormat formatOf(const GroupState& group) const;
    std::optional<uint32_t> color(int index) const;
    int codePageOf(const GroupState& group) const;

    RtfTokenizer tokenizer_;
    RtfTextDecoder decoder_;
    std::vector<GroupState> groups_; // groups_[0] stands outside every group
    int ignoredDepth_ = 0; // groups open beyond MaxGroupDepth
    int skipUnits_ = 0; // \uN fallback units still to skip
    std::optional<GroupState> endState_;
    int ansiCodePage_ = 1252;
    int defaultFont_ = 0;
    std::map<int, FontEntry> fonts_;
    std::vector<ColorEntry> colors_;

    bool entryOpen_ = false;
    int entryNumber_ = 0;
    int entryCharset_ = 1;
    int entryCodePage_ = 0; // \cpgN of the entry; 0 when none
    QByteArray entryBytes_;
    QString entryName_;
    ColorEntry colorEntry_;

    QByteArray pendingBytes_; // text bytes not yet decoded, all in the current state
    bool destinationStart_ = false; // the token before was \*
    // A cell end is a tab between two cells; the end of a row's last cell is
    // taken up by the row end that follows it, so it waits here until the
    // next character shows that another cell follows.
    std::optional<CharFormat> pendingCellEnd_;
    bool rowJustEnded_ = false; // nothing was added since the last row end
    RichText result_;
    bool full_ = false;
};

RichText RtfParser::parse()
{
    groups_.reserve(64);
    groups_.emplace_back();
    for (;;) {
        const RtfToken token = tokenizer_.next();
        if (token.kind == RtfToken::Kind::End || !handle(token) || full_)
            break;
    }
    flushBytes();
    finish(endState_ ? *endState_ : groups_.back());
    return std::move(result_);
}

bool RtfParser::handle(const RtfToken& token)
{
    switch (token.kind) {
    case RtfToken::Kind::GroupOpen:
        openGroup();
        return true;
    case RtfToken::Kind::GroupClose:
        return closeGroup();
    default:
        break;
    }
    if (ignoredDepth_ > 0)
        return true;
    const bool destinationStart = std::exchange(destinationStart_, false);
    if (skipUnits_ > 0) {
        if (token.kind != RtfToken::Kind::Text) {
            --skipUnits_;
            return true;
        }
        const qsizetype skipped = std::min<qsizetype>(skipUnits_, token.word.size());
        skipUnits_ -= static_cast<int>(skipped);
        if (skipped < token.word.size())
            handleText(token.word.sliced(skipped));
        return true;
    }
    if (state().destination == Destination::Skipped) {
        if (destinationStart && token.kind == RtfToken::Kind::ControlWord && enclosedByText()
            && lookUpRtfKeyword(token.word).keyword == RtfKeyword::NestedTableProperties)
            state().destination = Destination::NestedTableProperties;
        return true;
    }
    switch (token.kind) {
    case RtfToken::Kind::Text:
        handleText(token.word);
        break;
    case RtfToken::Kind::HexByte:
        if (state().destination == Destination::Text)
            pendingBytes_.append(static_cast<char>(token.byte));
        else if (state().destination == Destination::FontTable && entryOpen_)
            entryBytes_.append(static_cast<char>(token.byte));
        break;
    case RtfToken::Kind::ControlWord:
        handleControlWord(token);
        break;
    case RtfToken::Kind::ControlSymbol:
        handleControlSymbol(token.symbol);
        break;
    default:
        break;
    }
    return true;
}

void RtfParser::openGroup()
{
    flushBytes();
    skipUnits_ = 0;
    if (ignoredDepth_ > 0 || groups_.size() >= MaxGroupDepth)
        ++ignoredDepth_;
    else
        groups_.push_back(groups_.back());
}

// Returns false when the outermost group has closed: what follows it (a NUL,
// line ends) is not part of the document.
bool RtfParser::closeGroup()
{
    flushBytes();
    skipUnits_ = 0;
    if (ignoredDepth_ > 0) {
        --ignoredDepth_;
        return true;
    }
    if (state().destination == Destination::FontTable)
        commitFontEntry();
    if (groups_.size() == 1)
        return false;
    if (groups_.size() == 2) {
        endState_ = groups_.back();
        groups_.pop_back();
        return false;
    }
    groups_.pop_back();
    return true;
}

void RtfParser::handleText(QByteArrayView text)
{
    switch (state().destination) {
    case Destination::Text:
        pendingBytes_.append(text);
        break;
    case Destination::FontTable:
        fontTableText(text);
        break;
    case Destination::ColorTable:
        colorTableText(text);
        break;
    case Destination::NestedTableProperties:
    case Destination::Skipped:
        break;
    }
}

void RtfParser::handleControlWord(const RtfToken& token)
{
    flushBytes();
    const RtfKeywordInfo info = lookUpRtfKeyword(token.word);
    switch (info.keyword) {
    case RtfKeyword::Unknown:
        return;
    case RtfKeyword::Ansi:
        ansiCodePage_ = 1252;
        return;
    case RtfKeyword::Mac:
        ansiCodePage_ = 10000;
        return;
    case RtfKeyword::Pc:
        ansiCodePage_ = 437;
        return;
    case RtfKeyword::Pca:
        ansiCodePage_ = 850;
        return;
    case RtfKeyword::AnsiCodePage:
        if (token.hasParameter && token.parameter > 0)
            ansiCodePage_ = token.parameter;
        return;
    case RtfKeyword::DefaultFont:
        defaultFont_ = token.parameter;
        state().font = token.parameter;
        return;
    case RtfKeyword::FontTable:
        state().destination = Destination::FontTable;
        entryOpen_ = false;
        return;
    case RtfKeyword::ColorTable:
        state().destination = Destination::ColorTable;
        colors_.clear();
        colorEntry_ = {};
        return;
    case RtfKeyword::SkippedDestination:
        state().destination = Destination::Skipped;
        return;
    case RtfKeyword::UnicodeSkip:
        state().unicodeSkip = token.hasParameter ? std::max(0, token.parameter) : 1;
        return;
    case RtfKeyword::Unicode:
        handleUnicode(token.parameter);
        return;
    default:
        break;
    }
    switch (state().destination) {
    case Destination::Text:
        characterWord(info.keyword, token);
        if (info.keyword == RtfKeyword::Character)
            appendCharacters(QStringView(&info.character, 1));
        break;
    case Destination::FontTable:
        fontTableWord(info.keyword, token);
        break;
    case Destination::ColorTable:
        colorTableWord(info.keyword, token.parameter);
        break;
    case Destination::NestedTableProperties:
        if (info.keyword == RtfKeyword::RowEnd)
            endRow();
        break;
    case Destination::Skipped:
        break;
    }
}

void RtfParser::handleControlSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}': {
        const char literal[1] = { symbol };
        handleText(QByteArrayView(literal, 1));
        return;
    }
    case '*':
        flushBytes();
        state().destination = Destination::Skipped;
        destinationStart_ = true;
        return;
    default:
        break;
    }
    if (state().destination != Destination::Text)
        return;
    flushBytes();
    switch (symbol) {
    case '~':
        appendCharacters(u"\u00A0");
        break;
    case '_':
        appendCharacters(u"\u2011");
        break;
    case '\r':
    case '\n':
        appendCharacters(u"\r");
        break;
    default: // \- (optional hyphen), \| and the like stand for nothing shown
        break;
    }
}

// \uN: N is a signed 16-bit UTF-16 unit; the fallback after it is skipped.
void RtfParser::handleUnicode(int value)
{
    const auto unit = static_cast<char16_t>(static_cast<unsigned>(value) & 0xFFFF);
    if (state().destination == Destination::Text) {
        appendCharacters(QStringView(&unit, 1));
    } else if (state().destination == Destination::FontTable && entryOpen_) {
        flushEntryBytes();
        entryName_.append(QChar(unit));
    }
    skipUnits_ = state().unicodeSkip;
}

void RtfParser::fontTableWord(RtfKeyword keyword, const RtfToken& token)
{
    switch (keyword) {
    case RtfKeyword::Font:
        if (entryOpen_)
            commitFontEntry();
        entryOpen_ = true;
        entryNumber_ = token.parameter;
        entryCharset_ = CharsetDefault;
        entryCodePage_ = 0;
        entryBytes_.clear();
        entryName_.clear();
        break;
    case RtfKeyword::FontCharset:
        entryCharset_ = token.parameter >= 0 && token.parameter <= MaxCharset ? token.parameter : CharsetDefault;
        break;
    case RtfKeyword::FontCodePage:
        entryCodePage_ = std::max(0, token.parameter);
        break;
    default:
        break;
    }
}

void RtfParser::fontTableText(QByteArrayView text)
{
    while (!text.isEmpty()) {
        const qsizetype end = text.indexOf(';');
        if (entryOpen_)
            entryBytes_.append(end < 0 ? text : text.first(end));
        if (end < 0)
            return;
        commitFontEntry();
        text = text.sliced(end + 1);
    }
}

void RtfParser::flushEntryBytes()
{
    if (entryBytes_.isEmpty())
        return;
    const int codePage
        = entryCodePage_ > 0 ? entryCodePage_ : codePageForCharset(entryCharset_, ansiCodePage_);
    entryName_ += decoder_.decode(entryBytes_, codePage);
    entryBytes_.clear();
}

void RtfParser::commitFontEntry()
{
    if (!entryOpen_)
        return;
    entryOpen_ = false;
    flushEntryBytes();
    if (fonts_.size() >= MaxTableEntries && !fonts_.contains(entryNumber_))
        return;
    const int codePage
        = entryCodePage_ > 0 ? entryCodePage_ : codePageForCharset(entryCharset_, ansiCodePage_);
    fonts_[entryNumber_] = FontEntry { normalizedFaceName(entryName_), entryCharset_, codePage };
    entryName_.clear();
}

void RtfParser::colorTableWord(RtfKeyword keyword, int value)
{
    const auto component = static_cast<uint32_t>(std::clamp(value, 0, 255));
    switch (keyword) {
    case RtfKeyword::Red:
        colorEntry_.color = (colorEntry_.color & 0xFFFF00) | component;
        break;
    case RtfKeyword::Green:
        colorEntry_.color = (colorEntry_.color & 0xFF00FF) | (component << 8);
        break;
    case RtfKeyword::Blue:
        colorEntry_.color = (colorEntry_.color & 0x00FFFF) | (component << 16);
        break;
    default:
        return;
    }
    colorEntry_.automatic = false;
}

void RtfParser::colorTableText(QByteArrayView text)
{
    for (const char c : text) {
        if (c != ';')
            continue;
        if (colors_.size() < MaxTableEntries)
            colors_.push_back(colorEntry_);
        colorEntry_ = {};
    }
}

void RtfParser::characterWord(RtfKeyword keyword, const RtfToken& token)
{
    GroupState& s = state();
    switch (keyword) {
    case RtfKeyword::Plain:
        s.font = defaultFont_;
        s.halfPoints = DefaultHalfPoints;
        s.bold = s.italic = s.underline = false;
        s.textColor = s.background = 0;
        break;
    case RtfKeyword::Font:
        s.font = token.parameter;
        break;
    case RtfKeyword::FontSize:
        s.halfPoints = token.parameter > 0 ? std::min(token.parameter, MaxHalfPoints) : DefaultHalfPoints;
        break;
    case RtfKeyword::Bold:
        s.bold = isOn(token);
        break;
    case RtfKeyword::Italic:
        s.italic = isOn(token);
        break;
    case RtfKeyword::Underline:
        s.underline = isOn(token);
        break;
    case RtfKeyword::UnderlineNone:
        s.underline = false;
        break;
    case RtfKeyword::TextColor:
        s.textColor = token.parameter;
        break;
    case RtfKeyword::Background:
        s.background = token.parameter;
        break;
    case RtfKeyword::ParagraphDefault:
        s.paragraph = {};
        break;
    case RtfKeyword::AlignLeft:
        s.paragraph.alignment = Alignment::Left;
        break;
    case RtfKeyword::AlignCenter:
        s.paragraph.alignment = Alignment::Center;
        break;
    case RtfKeyword::AlignRight:
        s.paragraph.alignment = Alignment::Right;
        break;
    case RtfKeyword::RightToLeftParagraph:
        s.paragraph.rightToLeft = true;
        break;
    case RtfKeyword::LeftToRightParagraph:
        s.paragraph.rightToLeft = false;
        break;
    case RtfKeyword::Paragraph:
        appendCharacters(u"\r");
        break;
    case RtfKeyword::Line:
        appendCharacters(u"\v");
        break;
    case RtfKeyword::Tab:
        appendCharacters(u"\t");
        break;
    case RtfKeyword::CellEnd:
        endCell();
        break;
    case RtfKeyword::RowEnd:
        endRow();
        break;
    default:
        break;
    }
}

// Consecutive bytes are decoded together, so that the two bytes of a
// double-byte character meet whether they came as \'hh or as they stand.
void RtfParser::flushBytes()
{
    if (pendingBytes_.isEmpty())
        return;
    const QString text = decoder_.decode(pendingBytes_, codePageOf(state()));
    pendingBytes_.clear();
    appendCharacters(text);
}

void RtfParser::appendCharacters(QStringView characters)
{
    const CharFormat format = formatOf(state());
    for (const QChar c : characters) {
        if (c.isNull())
            continue;
        if (pendingCellEnd_) {
            const CharFormat cellEnd = *std::exchange(pendingCellEnd_, std::nullopt);
            appendCharacter(QChar(u'\t'), cellEnd);
        }
        appendCharacter(c, format);
        rowJustEnded_ = false;
    }
}

void RtfParser::appendCharacter(QChar c, const CharFormat& format)
{
    if (result_.text.size() >= MaxTextLength) {
        full_ = true;
        return;
    }
    result_.text.append(c);
    result_.formats.push_back(format);
    if (c == QChar(ParagraphBreak))
        result_.paragraphs.push_back(state().paragraph);
}

// The rich edit control reports table text as plain text: cells end in a
// tab and rows in a paragraph break, nested tables alike.
void RtfParser::endCell()
{
    if (pendingCellEnd_) {
        appendCharacter(QChar(u'\t'), *pendingCellEnd_);
        rowJustEnded_ = false;
    }
    pendingCellEnd_ = formatOf(state());
}

// The tab of the row's last cell is dropped; a row that ends right after a
// nested table's row end (its last cell held the nested table) adds no
// second, empty paragraph.
void RtfParser::endRow()
{
    pendingCellEnd_.reset();
    if (rowJustEnded_)
        return;
    appendCharacters(u"\r");
    rowJustEnded_ = true;
}

void RtfParser::finish(const GroupState& end)
{
    RichText& r = result_;
    // The final paragraph mark ends the last paragraph, it does not open another.
    if (!r.text.isEmpty() && r.text.back() == QChar(ParagraphBreak)) {
        r.text.chop(1);
        r.formats.pop_back();
    } else {
        r.paragraphs.push_back(end.paragraph);
    }
    // A surrogate pair is one character with one format; a lone half is no
    // character at all.
    for (qsizetype i = 0; i < r.text.size(); ++i) {
        const QChar c = r.text[i];
        if (c.isHighSurrogate() && i + 1 < r.text.size() && r.text[i + 1].isLowSurrogate()) {
            r.formats[i + 1] = r.formats[i];
            ++i;
        } else if (c.isSurrogate()) {
            r.text[i] = QChar::ReplacementCharacter;
        }
    }
    r.insertionFormat = formatOf(end);
}

CharFormat RtfParser::formatOf(const GroupState& group) const
{
    CharFormat format;
    // A font the table lacks has no face; its bytes are in the document's
    // code page, as those of the default charset are.
    format.charset = CharsetDefault;
    if (const auto font = fonts_.find(group.font); font != fonts_.end()) {
        format.face = font->second.face;
        format.charset = font->second.charset;
    }
    format.twips = group.halfPoints * 10;
    format.bold = group.bold;
    format.italic = group.italic;
    format.underline = group.underline;
    format.textColor = color(group.textColor).value_or(0x000000);
    if (const auto background = color(group.background)) {
        format.hasBackground = true;
        format.backColor = *background;
    }
    return format;
}

// Index 0, a missing entry and an entry without components are "automatic".
std::optional<uint32_t> RtfParser::color(int index) const
{
    if (index <= 0 || static_cast<size_t>(index) >= colors_.size() || colors_[index].automatic)
        return std::nullopt;
    return colors_[index].color;
}

int RtfParser::codePageOf(const GroupState& group) const
{
    if (const auto font = fonts_.find(group.font); font != fonts_.end())
        return font->second.codePage;
    return ansiCodePage_;
}

} // namespace

RichText ReadRtf(QByteArrayView rtf)
{
    return RtfParser(rtf).parse();
}

RichText RichTextFromSave(const QString& save, int ansiCodePage)
{
    return ReadRtf(encodeCodePage(save, ansiCodePage));
}

} // namespace tessel
