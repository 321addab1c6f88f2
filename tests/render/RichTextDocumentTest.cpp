#include "render/RichTextDocument.h"
#include "render/RtfReader.h"
#include "render/RtfWriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace tessel;
using namespace Qt::Literals::StringLiterals;

namespace {

// Three paragraphs in all alignments: a centred greeting with a bold word,
// a right-to-left Arabic line and a right-aligned line with a line break and
// an emoji on a white background.
RichText sampleText()
{
    return ReadRtf(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
        "{\\f1\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f2\\fnil\\fcharset178 Arial;}}"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green255\\blue0;\\red255\\green255\\blue255;}"
        "\\uc1\\pard\\qc\\cf1\\f0\\fs18 Wel\\b come\\b0\\i\\ul\\f1\\fs19\\'c4\\'e3\\par"
        "\\pard\\rtlpar\\ql\\f2\\cf2 \\u1605?\\u1585?\\tab\\par"
        "\\pard\\qr\\ulnone\\i0\\f0\\fs48 a\\line b\\highlight3\\u-10179?\\u-8704?\\par}");
}

} // namespace

TEST(RichTextDocument, MapsParagraphsToBlocksAndFormatsToCharFormats)
{
    QTextDocument document;
    RichTextToDocument(sampleText(), document);
    ASSERT_EQ(document.blockCount(), 3);
    const QTextBlock first = document.firstBlock();
    EXPECT_EQ(first.text(), u"Welcome你"_s);
    EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(first.next().blockFormat().layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(document.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
        Qt::AlignRight | Qt::AlignAbsolute);
    EXPECT_EQ(document.lastBlock().text(), u"a\u2028b😀"_s);

    QTextCursor cursor(&document);
    cursor.setPosition(1);
    const QTextCharFormat plain = cursor.charFormat();
    EXPECT_EQ(plain.property(QTextFormat::FontFamilies).toStringList(), QStringList { u"Arial"_s });
    EXPECT_DOUBLE_EQ(plain.fontPointSize(), 9.0);
    EXPECT_EQ(plain.fontWeight(), QFont::Normal);
    EXPECT_EQ(plain.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(plain.background().style(), Qt::NoBrush);
    cursor.setPosition(8);
    const QTextCharFormat chinese = cursor.charFormat();
    EXPECT_EQ(chinese.property(QTextFormat::FontFamilies).toStringList(), QStringList { u"宋体"_s });
    EXPECT_DOUBLE_EQ(chinese.fontPointSize(), 9.5);
    EXPECT_TRUE(chinese.fontItalic());
    EXPECT_TRUE(chinese.fontUnderline());
    cursor.movePosition(QTextCursor::End);
    EXPECT_EQ(cursor.charFormat().background().color(), QColor(255, 255, 255));
}

TEST(RichTextDocument, RoundTripKeepsCharactersFormatsAndAlignments)
{
    const RichText text = sampleText();
    QTextDocument document;
    RichTextToDocument(text, document);
    const RichText back = RichTextFromDocument(document);
    EXPECT_EQ(back.text, text.text);
    EXPECT_EQ(back.formats, text.formats);
    EXPECT_EQ(back.paragraphs, text.paragraphs);
    EXPECT_EQ(back.insertionFormat, text.insertionFormat);
}

TEST(RichTextDocument, TypedArabicKeepsItsDirectionAndSideThroughRtf)
{
    // Typed as in the editor: no direction of its own, one paragraph aligned
    // to the right side, one left as typed (it starts at the right).
    QTextDocument typed;
    QTextCursor cursor(&typed);
    cursor.insertText(u"مرحبا بكم"_s);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    cursor.setBlockFormat(right);
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(u"سلام"_s);
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(u"left"_s);
    const RichText text = RichTextFromDocument(typed);
    ASSERT_EQ(text.paragraphs.size(), 3u);
    EXPECT_EQ(text.paragraphs[0], (Paragraph { Alignment::Right, true }));
    EXPECT_EQ(text.paragraphs[1], (Paragraph { Alignment::Right, true }));
    EXPECT_EQ(text.paragraphs[2], (Paragraph { Alignment::Left, false }));

    QTextDocument reopened;
    RichTextToDocument(ReadRtf(WriteRtf(text)), reopened);
    for (QTextBlock block = reopened.firstBlock(); block.isValid() && block.next().isValid(); block = block.next()) {
        EXPECT_EQ(block.textDirection(), Qt::RightToLeft) << block.blockNumber();
        EXPECT_EQ(block.blockFormat().alignment() & (Qt::AlignHorizontal_Mask | Qt::AlignAbsolute),
            Qt::AlignRight | Qt::AlignAbsolute)
            << block.blockNumber();
    }
    EXPECT_EQ(RichTextFromDocument(reopened).paragraphs, text.paragraphs);
}

TEST(RichTextDocument, ReplacesTheContentAndKeepsEmptyParagraphs)
{
    QTextDocument document;
    document.setPlainText(u"old content\nin two blocks"_s);
    RichText text
        = ReadRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\pard\\qc\\par\\pard\\qr\\par\\pard\\b\\fs36\\par}");
    ASSERT_EQ(text.text, u"\r\r"_s);
    RichTextToDocument(text, document);
    EXPECT_EQ(document.blockCount(), 3);
    EXPECT_EQ(RichTextFromDocument(document).paragraphs, text.paragraphs);
    EXPECT_EQ(RichTextFromDocument(document).formats, text.formats);

    // An empty text keeps the format typing starts in.
    RichText empty = ReadRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\pard\\i\\fs44\\par}");
    ASSERT_TRUE(empty.text.isEmpty());
    RichTextToDocument(empty, document);
    EXPECT_TRUE(document.isEmpty());
    const RichText back = RichTextFromDocument(document);
    EXPECT_TRUE(back.text.isEmpty());
    EXPECT_EQ(back.paragraphs.size(), 1u);
    EXPECT_EQ(back.insertionFormat, empty.insertionFormat);
}

TEST(RichTextDocument, CharactersThatWouldSplitBlocksStayInTheParagraph)
{
    RichText text;
    text.text = u"a\nb\u2029c\uFDD0"_s;
    text.formats.resize(static_cast<size_t>(text.text.size()));
    text.paragraphs.resize(1);
    QTextDocument document;
    RichTextToDocument(text, document);
    EXPECT_EQ(document.blockCount(), 1);
    EXPECT_EQ(RichTextFromDocument(document).text, u"a\vb\vc\uFFFD"_s);
}

TEST(RichTextDocument, UnformattedTextTakesTheDocumentsDefaultFont)
{
    QTextDocument document;
    document.setDefaultFont(QFont(u"Arial"_s, 11));
    document.setPlainText(u"typed"_s);
    const RichText text = RichTextFromDocument(document);
    ASSERT_EQ(text.formats.size(), 5u);
    EXPECT_EQ(text.formats[0].face, u"Arial"_s);
    EXPECT_EQ(text.formats[0].twips, 220);
    EXPECT_EQ(text.formats[0].textColor, 0u);
    EXPECT_FALSE(text.formats[0].hasBackground);
}
