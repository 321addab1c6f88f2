#include "render/RichTextDocument.h"
#include "render/RtfCharset.h"
#include "render/RtfReader.h"
#include "render/RtfWriter.h"

#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace tessel;
using namespace Qt::Literals::StringLiterals;

namespace {

// One character in each face of a font table as Windows writes it: every
// name in its own charset's code page.
const QByteArray everyCharset
    = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033\\deflangfe2052{\\fonttbl"
      "{\\f0\\fswiss\\fcharset0 Arial;}"
      "{\\f1\\froman\\fprq1\\fcharset128 \\'82\\'6c\\'82\\'72 \\'96\\'be\\'92\\'a9;}"
      "{\\f2\\fnil\\fcharset129 \\'b1\\'bc\\'b8\\'b2;}"
      "{\\f3\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}"
      "{\\f4\\fnil\\fcharset136 \\'b7s\\'b2\\'d3\\'a9\\'fa\\'c5\\'e9;}"
      "{\\f5\\fswiss\\fcharset204 Arial;}"
      "{\\f6\\fnil\\fcharset178 Arial;}"
      "{\\f7\\fnil\\fcharset2 Symbol;}"
      "{\\f8\\fnil Courier New;}}\r\n"
      "\\viewkind4\\uc1\\pard\\f0\\fs22 a\\f1\\'96\\'be\\f2\\'b1\\'bc\\f3\\'cb\\'ce\\f4\\'a9\\'fa\\f5\\'c0"
      "\\f6\\'c7\\f7\\'b7\\f8 z\\par\r\n}\r\n";

const std::vector<int> readCharsets { 0, 128, 129, 134, 136, 204, 178, 2, 1 };

std::vector<int> charsetsOf(const RichText& text)
{
    std::vector<int> charsets;
    for (const CharFormat& format : text.formats)
        charsets.push_back(format.charset);
    return charsets;
}

RichText oneCharacterIn(const QString& face)
{
    RichText text;
    text.text = u"x"_s;
    text.formats = { CharFormat { .face = face } };
    text.paragraphs.resize(1);
    text.insertionFormat = text.formats[0];
    return text;
}

} // namespace

TEST(RtfCharset, FacesKeepTheCharsetTheyWereReadWith)
{
    const RichText text = ReadRtf(everyCharset);
    ASSERT_EQ(text.text, u"a明굴宋明\u0410\u0627\u00B7z"_s);
    EXPECT_EQ(charsetsOf(text), readCharsets);
    EXPECT_EQ(text.formats[1].face, u"ＭＳ 明朝"_s);
    EXPECT_EQ(text.formats[2].face, u"굴림"_s);
    EXPECT_EQ(text.formats[4].face, u"新細明體"_s);

    const QByteArray rtf = WriteRtf(text);
    SCOPED_TRACE(rtf.toStdString());
    // The Japanese face stays Japanese, its name in Shift-JIS, every byte
    // of a double-byte character escaped, ASCII trail bytes included.
    EXPECT_TRUE(rtf.contains("\\fcharset128 \\'82\\'6c\\'82\\'72 \\'96\\'be\\'92\\'a9;}"));
    EXPECT_TRUE(rtf.contains("\\fcharset129 \\'b1\\'bc\\'b8\\'b2;}"));
    EXPECT_TRUE(rtf.contains("\\fcharset136 \\'b7\\'73\\'b2\\'d3\\'a9\\'fa\\'c5\\'e9;}"));
    EXPECT_TRUE(rtf.contains("\\fcharset0 Arial;}"));
    EXPECT_TRUE(rtf.contains("\\fcharset204 Arial;}"));
    EXPECT_TRUE(rtf.contains("\\fcharset178 Arial;}"));
    EXPECT_TRUE(rtf.contains("\\fcharset1 Courier New;}"));
    const RichText again = ReadRtf(rtf);
    EXPECT_EQ(again.text, text.text);
    EXPECT_EQ(again.formats, text.formats);
}

TEST(RtfCharset, ACharsetOutOfRangeOrAFontTheTableLacksReadsAsTheDefault)
{
    const RichText text
        = ReadRtf("{\\rtf1{\\fonttbl{\\f0\\fcharset300 A;}{\\f1\\fcharset-4 B;}}\\f0 a\\f1 b\\f5 c}");
    EXPECT_EQ(charsetsOf(text), (std::vector<int> { CharsetDefault, CharsetDefault, CharsetDefault }));
    EXPECT_EQ(ReadRtf(WriteRtf(text)).formats, text.formats);
}

TEST(RtfCharset, AFacePickedInTheEditorTakesTheCharsetOfItsNamesScript)
{
    const std::vector<std::pair<QString, int>> faces { { u"ＭＳ ゴシック"_s, 128 }, { u"ﾒｲﾘｵ"_s, 128 },
        { u"맑은 고딕"_s, 129 }, { u"新細明體"_s, 136 }, { u"微软雅黑"_s, 134 }, { u"ＭＳ 明朝"_s, 134 },
        { u"𠀀 Ext"_s, 134 }, { u"Arial"_s, 0 }, { u"Frutiger É"_s, 0 }, { u"Тимес"_s, 204 },
        { u"Łódź Sans"_s, 238 }, { u"Αρχαία"_s, 161 }, { u"خط"_s, 178 }, { u""_s, 0 }, { u"😀 Face"_s, 0 } };
    for (const auto& [face, charset] : faces) {
        EXPECT_EQ(charsetForFaceName(face), charset) << face.toStdString();
        const QByteArray rtf = WriteRtf(oneCharacterIn(face));
        SCOPED_TRACE(rtf.toStdString());
        EXPECT_TRUE(rtf.contains("\\fcharset" + QByteArray::number(charset) + ' '));
        const RichText again = ReadRtf(rtf);
        EXPECT_EQ(again.formats[0].face, face);
        EXPECT_EQ(again.formats[0].charset, charset);
    }
    // Written in that charset's code page, not in the first that holds it.
    EXPECT_TRUE(WriteRtf(oneCharacterIn(u"ＭＳ ゴシック"_s)).contains("\\'82\\'6c\\'82\\'72 \\'83\\'53"));
    EXPECT_TRUE(WriteRtf(oneCharacterIn(u"Тимес"_s)).contains("\\'d2\\'e8\\'ec\\'e5\\'f1;"));
}

TEST(RtfCharset, TheEditorKeepsACharsetUntilTheFaceChanges)
{
    QTextDocument document;
    RichTextToDocument(ReadRtf(everyCharset), document);
    EXPECT_EQ(charsetsOf(RichTextFromDocument(document)), readCharsets);

    // The user sets another face on the Japanese character and the same face
    // on the Arabic one.
    QTextCursor cursor(&document);
    cursor.setPosition(1);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    QTextCharFormat simSun;
    simSun.setFontFamilies({ u"宋体"_s });
    cursor.mergeCharFormat(simSun);
    cursor.setPosition(6);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    QTextCharFormat arial;
    arial.setFontFamilies({ u"Arial"_s });
    cursor.mergeCharFormat(arial);
    const RichText edited = RichTextFromDocument(document);
    EXPECT_EQ(edited.formats[1].charset, CharsetFromFaceName);
    EXPECT_EQ(edited.formats[6].charset, 178);
    EXPECT_EQ(ReadRtf(WriteRtf(edited)).formats[1].charset, 134);
}

// A backslash byte in a font name reads the same as a control symbol and as
// an escape, after any byte and in every charset, and survives a save.
TEST(RtfCharset, BackslashBytesInAFontNameReadAlike)
{
    for (const int charset : { 0, 77, 128, 129, 130, 134, 136, 161, 162, 177, 178, 186, 204, 222, 238 }) {
        for (int before = 0x20; before < 0x100; ++before) {
            QString faces[2];
            int k = 0;
            for (const char* backslash : { R"(\\)", R"(\'5c)" }) {
                const QByteArray rtf = R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fnil\fcharset)"
                    + QByteArray::number(charset) + R"( A\')" + QByteArray::number(before, 16) + backslash
                    + R"(B;}}\pard\f0 x\par})";
                const RichText text = ReadRtf(rtf);
                faces[k++] = text.formats.at(0).face;
                EXPECT_EQ(ReadRtf(WriteRtf(text)).formats.at(0).face, text.formats.at(0).face)
                    << charset << " " << before;
            }
            EXPECT_EQ(faces[0], faces[1]) << charset << " " << before;
        }
    }
}
