#include "render/RichTextDocument.h"

#include <QColor>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

namespace tessel {

namespace {

// The charset a face was read with, kept with the face it belongs to: when
// the user picks another face in the editor, the charset no longer applies
// and the writer judges one from the new face's name.
constexpr int FaceCharsetProperty = QTextFormat::UserProperty + 1;
constexpr int CharsetFaceProperty = QTextFormat::UserProperty + 2;

QColor toQColor(uint32_t color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

uint32_t fromQColor(const QColor& color)
{
    const QRgb rgb = color.rgb();
    return static_cast<uint32_t>(qRed(rgb)) | (static_cast<uint32_t>(qGreen(rgb)) << 8)
        | (static_cast<uint32_t>(qBlue(rgb)) << 16);
}

QTextCharFormat toCharFormat(const CharFormat& format)
{
    QTextCharFormat result;
    result.setFontFamilies({ format.face });
    result.setFontPointSize(format.twips / 20.0);
    result.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    result.setFontItalic(format.italic);
    result.setFontUnderline(format.underline);
    result.setForeground(toQColor(format.textColor));
    if (format.hasBackground)
        result.setBackground(toQColor(format.backColor));
    if (format.charset != CharsetFromFaceName) {
        result.setProperty(FaceCharsetProperty, format.charset);
        result.setProperty(CharsetFaceProperty, format.face);
    }
    return result;
}

CharFormat fromCharFormat(const QTextCharFormat& format, const QFont& defaultFont)
{
    CharFormat result;
    if (format.hasProperty(QTextFormat::FontFamilies))
        result.face = normalizedFaceName(format.property(QTextFormat::FontFamilies).toStringList().value(0));
    else
        result.face = normalizedFaceName(defaultFont.family());
    if (format.hasProperty(FaceCharsetProperty) && format.stringProperty(CharsetFaceProperty) == result.face)
        result.charset = format.intProperty(FaceCharsetProperty);
    const double points
        = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : defaultFont.pointSizeF();
    if (points > 0)
        result.twips = static_cast<int>(std::lround(points * 20));
    result.bold = format.fontWeight() >= QFont::DemiBold;
    result.italic = format.fontItalic();
    result.underline = format.fontUnderline();
    const QBrush foreground = format.foreground();
    if (foreground.style() != Qt::NoBrush)
        result.textColor = fromQColor(foreground.color());
    const QBrush background = format.background();
    if (background.style() != Qt::NoBrush) {
        result.hasBackground = true;
        result.backColor = fromQColor(background.color());
    }
    return result;
}

// The model's left and right are the sides of the page, whatever the
// paragraph's direction: the document's own left and right would swap in a
// right-to-left paragraph unless they are absolute.
Qt::Alignment toQtAlignment(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Center:
        return Qt::AlignHCenter;
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignAbsolute;
    default:
        return Qt::AlignLeft | Qt::AlignAbsolute;
    }
}

// A block whose direction follows its text (typed without a direction of
// its own) is right-to-left when its text starts so, as the document shows it.
Paragraph fromBlock(const QTextBlock& block)
{
    Paragraph result;
    result.rightToLeft = block.textDirection() == Qt::RightToLeft;
    const Qt::Alignment alignment = block.blockFormat().alignment();
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    const bool mirrored = result.rightToLeft && !(alignment & Qt::AlignAbsolute);
    if (horizontal & Qt::AlignHCenter)
        result.alignment = Alignment::Center;
    else if (horizontal & Qt::AlignRight)
        result.alignment = mirrored ? Alignment::Left : Alignment::Right;
    else if (horizontal & Qt::AlignLeft)
        result.alignment = mirrored ? Alignment::Right : Alignment::Left;
    else if (result.rightToLeft)
        result.alignment = Alignment::Right; // a right-to-left paragraph starts at the right
    return result;
}

QTextBlockFormat toBlockFormat(const Paragraph& paragraph)
{
    QTextBlockFormat format;
    format.setAlignment(toQtAlignment(paragraph.alignment));
    format.setLayoutDirection(paragraph.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    return format;
}

// The characters of one paragraph as the document holds them: a line break
// is the line separator, and nothing may open a block or a frame of its own.
QString documentText(QStringView text)
{
    QString result = text.toString();
    for (QChar& c : result) {
        switch (c.unicode()) {
        case LineBreak:
        case u'\n':
        case QChar::ParagraphSeparator:
            c = QChar::LineSeparator;
            break;
        case 0xFDD0: // QTextBeginningOfFrame
        case 0xFDD1: // QTextEndOfFrame
            c = QChar::ReplacementCharacter;
            break;
        default:
            break;
        }
    }
    return result;
}

void appendBlockText(const QTextBlock& block, const QFont& defaultFont, RichText& text)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const CharFormat format = fromCharFormat(fragment.charFormat(), defaultFont);
        QString characters = fragment.text();
        characters.replace(QChar::LineSeparator, QChar(LineBreak));
        text.text += characters;
        text.formats.insert(text.formats.end(), static_cast<size_t>(characters.size()), format);
    }
}

} // namespace

// Each paragraph is one block; the format of the paragraph break before a
// block is that block's character format, the format of its separator. The
// insertion format survives only where the document keeps one of its own:
// as the block format of an empty text.
void RichTextToDocument(const RichText& text, QTextDocument& document)
{
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    const auto paragraphAt
        = [&text](size_t i) { return i < text.paragraphs.size() ? text.paragraphs[i] : Paragraph {}; };
    const CharFormat defaultFormat;
    const auto formatAt = [&text, &defaultFormat](qsizetype i) -> const CharFormat& {
        return i < static_cast<qsizetype>(text.formats.size()) ? text.formats[i] : defaultFormat;
    };
    cursor.setBlockFormat(toBlockFormat(paragraphAt(0)));
    cursor.setBlockCharFormat(toCharFormat(text.insertionFormat));
    size_t paragraph = 0;
    qsizetype runStart = 0;
    const qsizetype length = text.text.size();
    for (qsizetype i = 0; i <= length; ++i) {
        const bool atBreak = i < length && text.text[i] == QChar(ParagraphBreak);
        const bool runEnds = i == length || atBreak || formatAt(i) != formatAt(runStart);
        if (runEnds && i > runStart)
            cursor.insertText(documentText(QStringView(text.text).sliced(runStart, i - runStart)),
                toCharFormat(formatAt(runStart)));
        if (atBreak) {
            cursor.insertBlock(toBlockFormat(paragraphAt(++paragraph)), toCharFormat(formatAt(i)));
            runStart = i + 1;
        } else if (runEnds) {
            runStart = i;
        }
    }
    cursor.endEditBlock();
}

RichText RichTextFromDocument(const QTextDocument& document)
{
    RichText text;
    const QFont defaultFont = document.defaultFont();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            text.text += QChar(ParagraphBreak);
            text.formats.push_back(fromCharFormat(block.charFormat(), defaultFont));
        }
        text.paragraphs.push_back(fromBlock(block));
        appendBlockText(block, defaultFont, text);
    }
    if (text.paragraphs.empty())
        text.paragraphs.emplace_back();
    // Typing at the end goes on in the format of the last character, or in
    // the block's own format when the last paragraph is empty.
    const QTextBlock last = document.lastBlock();
    if (last.length() > 1 && !text.formats.empty())
        text.insertionFormat = text.formats.back();
    else
        text.insertionFormat = fromCharFormat(last.charFormat(), defaultFont);
    return text;
}

} // namespace tessel
