#include "render/RtfWriter.h"

#include "encoding/CodePage.h"
#include "render/RtfCharset.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <vector>

namespace tessel {

namespace {

constexpr int MaxHalfPoints = 3276;

// Code pages tried, in order, for a face name that is not plain ASCII.
constexpr std::array<int, 14> faceCodePages { 1252, 936, 950, 932, 949, 1256, 1251, 1253, 1254, 1255, 1257,
    1250, 874, 1258 };

bool isPlainAscii(char16_t c)
{
    return c >= 0x20 && c < 0x7F;
}

// The code page most likely to hold a face name, judged by its first
// character beyond ASCII; trying it first spares most conversions.
int likelyCodePage(const QString& face)
{
    for (const QChar c : face) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            continue;
        if (u >= 0x0370 && u < 0x0400)
            return 1253;
        if (u >= 0x0400 && u < 0x0530)
            return 1251;
        if (u >= 0x0590 && u < 0x0600)
            return 1255;
        if (u >= 0x0600 && u < 0x0700)
            return 1256;
        if (u >= 0x0E00 && u < 0x0E80)
            return 874;
        if (u >= 0x3040 && u < 0x3100)
            return 932;
        if ((u >= 0x1100 && u < 0x1200) || (u >= 0x3130 && u < 0x3190) || (u >= 0xAC00 && u < 0xD7B0))
            return 949;
        if (u >= 0x2E80 && u < 0xA000)
            return 936;
        return 1252;
    }
    return 1252;
}

// The bytes of the face in the code page, when they decode to exactly the face.
bool encodeFace(const QString& face, int codePage, QByteArray* bytes)
{
    if (codePage == 1252
        && std::all_of(face.begin(), face.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        *bytes = face.toLatin1();
        return true;
    }
    bool lossy = false;
    *bytes = encodeCodePage(face, codePage, &lossy);
    return !lossy && decodeCodePage(*bytes, codePage) == face;
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
    int fontIndex(const QString& face);
    int colorIndex(uint32_t color);
    void writeFontTable();
    void writeFaceName(const QString& face);
    void writeColorTable();
    void writeParagraphStart(const Paragraph& paragraph);
    void switchTo(const CharFormat& format);
    void word(const char* name);
    void word(const char* name, int parameter);
    void character(char16_t c);

    const RichText& text_;
    const CharFormat defaultFormat_;
    std::vector<QString> faces_;
    QHash<QString, int> faceIndex_;
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
    out_ += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat";
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
        fontIndex(format.face);
        colorIndex(format.textColor);
        if (format.hasBackground)
            colorIndex(format.backColor);
    };
    for (qsizetype i = 0; i < text_.text.size(); ++i)
        use(formatAt(i));
    use(text_.insertionFormat);
}

int RtfEmitter::fontIndex(const QString& face)
{
    const auto found = faceIndex_.constFind(face);
    if (found != faceIndex_.constEnd())
        return *found;
    const int index = static_cast<int>(faces_.size());
    faces_.push_back(face);
    faceIndex_.insert(face, index);
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

void RtfEmitter::writeFontTable()
{
    out_ += "{\\fonttbl";
    for (size_t i = 0; i < faces_.size(); ++i) {
        out_ += "{\\f" + QByteArray::number(static_cast<int>(i)) + "\\fnil";
        writeFaceName(faces_[i]);
        out_ += ";}";
    }
    out_ += "}\r\n";
}

// A face name is written as bytes of the first code page that holds it
// exactly; a name no code page holds is written as \uN? units.
void RtfEmitter::writeFaceName(const QString& face)
{
    const int likely = likelyCodePage(face);
    QByteArray bytes;
    int codePage = likely;
    bool held = encodeFace(face, likely, &bytes);
    for (size_t i = 0; !held && i < faceCodePages.size(); ++i) {
        codePage = faceCodePages[i];
        held = codePage != likely && encodeFace(face, codePage, &bytes);
    }
    if (held) {
        out_ += "\\fcharset" + QByteArray::number(charsetForCodePage(codePage)) + ' ';
        for (const char b : bytes) {
            const auto byte = static_cast<unsigned char>(b);
            if (isPlainAscii(byte) && b != '\\' && b != '{' && b != '}' && b != ';')
                out_ += b;
            else
                out_ += "\\'" + QByteArray::number(byte, 16).rightJustified(2, '0');
        }
        return;
    }
    out_ += "\\fcharset1 ";
    for (const QChar c : face) {
        const char16_t unit = c.unicode();
        if (isPlainAscii(unit) && unit != '\\' && unit != '{' && unit != '}' && unit != ';')
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
    const int font = fontIndex(format.face);
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
