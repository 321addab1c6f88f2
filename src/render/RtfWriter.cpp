#include "render/RtfWriter.h"

#include "encoding/CodePage.h"
#include "render/RtfCharset.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace tessel {

namespace {

constexpr int MaxHalfPoints = 3276;
// The \ansicpg of every stream written; text beyond ASCII goes as \uN?.
constexpr int WrittenAnsiCodePage = 1252;

bool isPlainAscii(char16_t c)
{
    return c >= 0x20 && c < 0x7F;
}

// A character a font name may hold as it stands (a ';' would end it).
bool isLiteral(char16_t c)
{
    return isPlainAscii(c) && c != '\\' && c != '{' && c != '}' && c != ';';
}

// A font table entry: the face and the charset it is written with.
struct FontKey {
    QString face;
    int charset;

    bool operator==(const FontKey&) const = default;
};

size_t qHash(const FontKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.face, key.charset);
}

// The run properties as the stream has set them so far.
struct WrittenState {
    int font = 0;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int textColor = 0;
    int background = 0;
};

class RtfEmitter {
public:
    explicit RtfEmitter(const RichText& text)
        : text_(text)
    {
    }

    QByteArray write();

private:
    const CharFormat& formatAt(qsizetype index) const;
    void collectTables();
    int fontIndex(const CharFormat& format);
    int charsetOf(const CharFormat& format);
    int colorIndex(uint32_t color);
    void writeFontTable();
    void writeFaceName(const FontKey& font);
    void writeColorTable();
    void writeParagraphStart(const Paragraph& paragraph);
    void switchTo(const CharFormat& format);
    void word(const char* name);
    void word(const char* name, int parameter);
    void character(char16_t c);

    const RichText& text_;
    const CharFormat defaultFormat_;
    std::vector<FontKey> fonts_;
    QHash<FontKey, int> fontIndex_;
    QHash<QString, int> faceNameCharsets_; // charsets judged from face names so far
    std::vector<uint32_t> colors_; // colour table entries 1, 2, …
    QHash<uint32_t, int> colorIndex_;
    WrittenState written_;
    bool needsDelimiter_ = false;
    QByteArray out_;
};

QByteArray RtfEmitter::write()
{
    collectTables();
    out_.reserve(256 + text_.text.size() * 4);
    out_ += "{\\rtf1\\ansi\\ansicpg" + QByteArray::number(WrittenAnsiCodePage) + "\\deff0\\nouicompat";
    writeFontTable();
    writeColorTable();
    out_ += "\\viewkind4\\uc1\r\n";

    qsizetype paragraph = 0;
    const auto paragraphAt = [this](qsizetype i) {
        return i < static_cast<qsizetype>(text_.paragraphs.size()) ? text_.paragraphs[i] : Paragraph {};
    };
    writeParagraphStart(paragraphAt(0));
    for (qsizetype i = 0; i < text_.text.size(); ++i) {
        const char16_t c = text_.text[i].unicode();
        switchTo(formatAt(i));
        if (c == ParagraphBreak) {
            word("par");
            out_ += "\r\n";
            writeParagraphStart(paragraphAt(++paragraph));
        } else {
            character(c);
        }
    }
    // The final paragraph mark carries the format typing would go on with.
    switchTo(text_.insertionFormat);
    word("par");
    out_ += "\r\n}\r\n";
    return out_;
}

const CharFormat& RtfEmitter::formatAt(qsizetype index) const
{
    return index < static_cast<qsizetype>(text_.formats.size()) ? text_.formats[index] : defaultFormat_;
}

// Only the fonts and colours in use, numbered in the order of first use.
void RtfEmitter::collectTables()
{
    const auto use = [this](const CharFormat& format) {
        fontIndex(format);
        colorIndex(format.textColor);
        if (format.hasBackground)
            colorIndex(format.backColor);
    };
    for (qsizetype i = 0; i < text_.text.size(); ++i)
        use(formatAt(i));
    use(text_.insertionFormat);
}

int RtfEmitter::fontIndex(const CharFormat& format)
{
    FontKey key { format.face, charsetOf(format) };
    const auto found = fontIndex_.constFind(key);
    if (found != fontIndex_.constEnd())
        return *found;
    const int index = static_cast<int>(fonts_.size());
    fontIndex_.insert(key, index);
    fonts_.push_back(std::move(key));
    return index;
}

int RtfEmitter::colorIndex(uint32_t color)
{
    color &= 0xFFFFFF;
    const auto found = colorIndex_.constFind(color);
    if (found != colorIndex_.constEnd())
        return *found;
    colors_.push_back(color);
    const int index = static_cast<int>(colors_.size());
    colorIndex_.insert(color, index);
    return index;
}

// The charset the face was read with; for a face chosen in the editor, the
// charset of its name's script.
int RtfEmitter::charsetOf(const CharFormat& format)
{
    if (format.charset != CharsetFromFaceName)
        return format.charset;
    auto found = faceNameCharsets_.constFind(format.face);
    if (found == faceNameCharsets_.constEnd())
        found = faceNameCharsets_.insert(format.face, charsetForFaceName(format.face));
    return *found;
}

void RtfEmitter::writeFontTable()
{
    out_ += "{\\fonttbl";
    for (size_t i = 0; i < fonts_.size(); ++i) {
        out_ += "{\\f" + QByteArray::number(static_cast<int>(i)) + "\\fnil\\fcharset"
            + QByteArray::number(fonts_[i].charset) + ' ';
        writeFaceName(fonts_[i]);
        out_ += ";}";
    }
    out_ += "}\r\n";
}

// A face name is written as bytes of its charset's code page, every byte of
// a double-byte character escaped; a name that code page does not hold
// exactly is written as \uN? units.
void RtfEmitter::writeFaceName(const FontKey& font)
{
    if (std::all_of(font.face.begin(), font.face.end(), [](QChar c) { return isLiteral(c.unicode()); })) {
        out_ += font.face.toLatin1(); // the same bytes in every code page
        return;
    }
    const int codePage = codePageForCharset(font.charset, WrittenAnsiCodePage);
    bool lossy = false;
    const QByteArray bytes = encodeCodePage(font.face, codePage, &lossy);
    if (!lossy && decodeCodePage(bytes, codePage) == font.face) {
        bool trailByte = false;
        for (const char b : bytes) {
            const auto byte = static_cast<unsigned char>(b);
            if (isLiteral(byte) && !trailByte) {
                out_ += b;
            } else {
                out_ += "\\'" + QByteArray::number(byte, 16).rightJustified(2, '0');
            }
            trailByte = !trailByte && isLeadByte(codePage, byte);
        }
        return;
    }
    for (const QChar c : font.face) {
        const char16_t unit = c.unicode();
        if (isLiteral(unit))
            out_ += static_cast<char>(unit);
        else
            out_ += "\\u" + QByteArray::number(static_cast<int16_t>(unit)) + '?';
    }
}

void RtfEmitter::writeColorTable()
{
    if (colors_.empty())
        return;
    out_ += "{\\colortbl ;";
    for (const uint32_t color : colors_) {
        out_ += "\\red" + QByteArray::number(color & 0xFF);
        out_ += "\\green" + QByteArray::number((color >> 8) & 0xFF);
        out_ += "\\blue" + QByteArray::number((color >> 16) & 0xFF) + ';';
    }
    out_ += "}\r\n";
}

void RtfEmitter::writeParagraphStart(const Paragraph& paragraph)
{
    word("pard");
    switch (paragraph.alignment) {
    case Alignment::Center:
        word("qc");
        break;
    case Alignment::Right:
        word("qr");
        break;
    default:
        word("ql");
        break;
    }
    if (paragraph.rightToLeft)
        word("rtlpar");
}

// Run properties are written as changes from what the stream has set.
void RtfEmitter::switchTo(const CharFormat& format)
{
    const int textColor = colorIndex(format.textColor);
    const int background = format.hasBackground ? colorIndex(format.backColor) : 0;
    const int font = fontIndex(format);
    const int halfPoints = std::clamp(format.twips / 10, 1, MaxHalfPoints);
    if (textColor != written_.textColor)
        word("cf", written_.textColor = textColor);
    if (background != written_.background)
        word("highlight", written_.background = background);
    if (format.underline != written_.underline)
        word((written_.underline = format.underline) ? "ul" : "ulnone");
    if (format.bold != written_.bold)
        word((written_.bold = format.bold) ? "b" : "b0");
    if (format.italic != written_.italic)
        word((written_.italic = format.italic) ? "i" : "i0");
    if (font != written_.font)
        word("f", written_.font = font);
    if (halfPoints != written_.halfPoints)
        word("fs", written_.halfPoints = halfPoints);
}

void RtfEmitter::word(const char* name)
{
    out_ += '\\';
    out_ += name;
    needsDelimiter_ = true;
}

void RtfEmitter::word(const char* name, int parameter)
{
    word(name);
    out_ += QByteArray::number(parameter);
}

void RtfEmitter::character(char16_t c)
{
    switch (c) {
    case u'\0':
        return; // the rich edit control holds no NUL
    case u'\t':
        word("tab");
        return;
    case LineBreak:
        word("line");
        return;
    case u'\\':
    case u'{':
    case u'}':
        out_ += '\\';
        out_ += static_cast<char>(c);
        needsDelimiter_ = false;
        return;
    default:
        break;
    }
    if (isPlainAscii(c)) {
        if (needsDelimiter_)
            out_ += ' ';
        out_ += static_cast<char>(c);
    } else {
        out_ += "\\u" + QByteArray::number(static_cast<int16_t>(c)) + '?';
    }
    needsDelimiter_ = false;
}

} // namespace

QByteArray WriteRtf(const RichText& text)
{
    return RtfEmitter(text).write();
}

QString SaveFromRichText(const RichText& text)
{
    return QString::fromLatin1(WriteRtf(text));
}

} // namespace tessel
