#include "render/RtfReader.h"

#include <gtest/gtest.h>

using namespace tessel;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr uint32_t Red = 0x0000FF;
constexpr uint32_t Green = 0x00FF00;

// The literal's bytes, NULs included.
template <size_t N> RichText read(const char (&rtf)[N])
{
    return ReadRtf(QByteArrayView(rtf, N - 1));
}

// A stream with three fonts of different charsets and three colours around
// the body given.
RichText readBody(const QByteArray& body)
{
    const QByteArray rtf
        = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033"
          "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}"
          "{\\f2\\fmodern\\fcharset128 MS Gothic;}{\\f3\\fswiss\\fcharset204 Arial;}}\r\n"
          "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green255\\blue0;\\red0\\green0\\blue255;}\r\n"
          "\\viewkind4\\uc1\\pard\\f0\\fs24 "
        + body + "\\par\r\n}\r\n";
    return ReadRtf(rtf);
}

} // namespace

TEST(RtfReader, ReadsTheChineseGreetingOfTheRichEditControl)
{
    const RichText text
        = read("{\\rtf1\\ansi\\ansicpg936\\deff0\\nouicompat\\deflang1033\\deflangfe2052"
               "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\r\n"
               "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
               "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
               "\\pard\\cf1\\f0\\fs18\\lang2052\\'bb\\'b6\\'d3\\'ad\\'ca\\'b9\\'d3\\'c3\\par\r\n}\r\n");
    EXPECT_EQ(text.text, u"欢迎使用"_s);
    const CharFormat expected { .face = u"宋体"_s, .charset = 134, .twips = 180, .textColor = Red };
    ASSERT_EQ(text.formats.size(), 4u);
    for (const CharFormat& format : text.formats)
        EXPECT_EQ(format, expected);
    ASSERT_EQ(text.paragraphs.size(), 1u);
    EXPECT_EQ(text.paragraphs[0].alignment, Alignment::Left);
    EXPECT_EQ(text.insertionFormat, expected);
}

TEST(RtfReader, ReadsCentredWelcomeWithBoldAndABackground)
{
    const RichText text = read(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green255\\blue0;}\r\n"
        "\\viewkind4\\uc1\\pard\\qc\\cf1\\f0\\fs18 Wel\\b come\\b0 \\cf2\\highlight1\\u8364?\\par\r\n}\r\n");
    EXPECT_EQ(text.text, u"Welcome€"_s);
    ASSERT_EQ(text.formats.size(), 8u);
    const CharFormat plain { .face = u"Arial"_s, .charset = 0, .twips = 180, .textColor = Red };
    CharFormat bold = plain;
    bold.bold = true;
    const CharFormat euro {
        .face = u"Arial"_s, .charset = 0, .twips = 180, .textColor = Green, .hasBackground = true, .backColor = Red
    };
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(text.formats[i], plain) << i;
    for (int i = 3; i < 7; ++i)
        EXPECT_EQ(text.formats[i], bold) << i;
    EXPECT_EQ(text.formats[7], euro);
    ASSERT_EQ(text.paragraphs.size(), 1u);
    EXPECT_EQ(text.paragraphs[0].alignment, Alignment::Center);
    EXPECT_EQ(text.insertionFormat, euro);
}

TEST(RtfReader, DecodesBytesInTheCodePageOfTheCurrentFont)
{
    // Arial stands twice: as Western and as Cyrillic; the same byte differs.
    const RichText text = readBody("A\\f1\\'c4\\'e3\\f2\\'82\\'a0\\f3\\'c0\\f0\\'c0");
    EXPECT_EQ(text.text, u"A你あ\u0410\u00C0"_s);
    EXPECT_EQ(text.formats[0].face, u"Arial"_s);
    EXPECT_EQ(text.formats[1].face, u"宋体"_s);
    EXPECT_EQ(text.formats[2].face, u"MS Gothic"_s);
    EXPECT_EQ(text.formats[3].face, u"Arial"_s);
    EXPECT_EQ(text.formats[4].face, u"Arial"_s);
}

TEST(RtfReader, JoinsDoubleByteCharactersWhateverTheTrailByteLooksLike)
{
    // GBK 0x81 0x40 and Shift-JIS 0x95 0x5C have ASCII trail bytes ('@', '\').
    EXPECT_EQ(readBody("\\f1\\'81\\'40\\'81@").text, u"丂丂"_s);
    EXPECT_EQ(readBody("\\f2\\'95\\'5c\\'95\\\\").text, u"表表"_s);
    // A lead byte cut off by a format change decodes as a replacement.
    EXPECT_EQ(readBody("\\f1\\'c4\\b\\'e3").text, u"\uFFFD\uFFFD"_s);
}

TEST(RtfReader, FontEntryCodePageOverridesItsCharsetAndDefaultsToTheDocumentCodePage)
{
    const RichText text
        = read("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fnil\\fcharset0\\cpg1253 A;}"
               "{\\f1\\fnil B;}{\\f2\\fnil\\fcharset1 C;}}\\f0\\'c1\\f1\\'c1\\f2\\'c1\\f7\\'c1}");
    EXPECT_EQ(text.text, u"\u0391\u0411\u0411\u0411"_s);
    EXPECT_EQ(text.formats[3].face, u""_s) << "a font the table lacks has no face";
}

TEST(RtfReader, FallbackUnitsAfterUnicodeAreSkippedPerGroup)
{
    EXPECT_EQ(readBody("{\\uc2\\u27426\\'bb\\'b6}\\u36814?x").text, u"欢迎x"_s);
    EXPECT_EQ(readBody("\\uc0\\u20320\\u22909 x").text, u"你好x"_s);
    // A control word counts as one unit; a closing brace ends the skip.
    EXPECT_EQ(readBody("{\\uc3\\u65\\b a}bc").text, u"Abc"_s);
    const RichText skipped = readBody("\\u65\\b x");
    EXPECT_EQ(skipped.text, u"Ax"_s);
    EXPECT_FALSE(skipped.formats[1].bold);
    EXPECT_EQ(readBody("\\uc1\\u65\\'41B").text, u"AB"_s);
    // Surrogate pairs join; a lone half reads as a replacement character.
    const RichText emoji = readBody("\\u-10179?\\u-8704?\\u-10179?z");
    EXPECT_EQ(emoji.text, u"😀\uFFFDz"_s);
}

TEST(RtfReader, ReadsRunPropertiesAsChanges)
{
    const RichText text = readBody("\\fs19 a\\fs0 b\\b c\\b0\\i d\\i0\\ul e\\ulnone f\\ul g\\ul0 h\\uldb i"
                                   "\\cf3 j\\cf0 k\\cf9 l");
    ASSERT_EQ(text.text, u"abcdefghijkl"_s);
    EXPECT_EQ(text.formats[0].twips, 190);
    EXPECT_EQ(text.formats[1].twips, 240);
    EXPECT_TRUE(text.formats[2].bold);
    EXPECT_FALSE(text.formats[3].bold);
    EXPECT_TRUE(text.formats[3].italic);
    EXPECT_TRUE(text.formats[4].underline);
    EXPECT_FALSE(text.formats[5].underline);
    EXPECT_TRUE(text.formats[6].underline);
    EXPECT_FALSE(text.formats[7].underline);
    EXPECT_TRUE(text.formats[8].underline);
    EXPECT_EQ(text.formats[9].textColor, 0xFF0000u);
    EXPECT_EQ(text.formats[10].textColor, 0x000000u);
    EXPECT_EQ(text.formats[11].textColor, 0x000000u) << "an index beyond the table is automatic";
}

TEST(RtfReader, ReadsEveryKindOfBackground)
{
    const RichText text = readBody("\\cb1 a\\cb0 b\\chcbpat2 c\\highlight0 d\\highlight3 e\\highlight7 f");
    ASSERT_EQ(text.text, u"abcdef"_s);
    EXPECT_TRUE(text.formats[0].hasBackground);
    EXPECT_EQ(text.formats[0].backColor, Red);
    EXPECT_FALSE(text.formats[1].hasBackground);
    EXPECT_EQ(text.formats[2].backColor, Green);
    EXPECT_FALSE(text.formats[3].hasBackground);
    EXPECT_EQ(text.formats[4].backColor, 0xFF0000u);
    EXPECT_FALSE(text.formats[5].hasBackground);
    EXPECT_EQ(text.formats[5].backColor, 0u);
}

TEST(RtfReader, GroupsRestorePropertiesAndPlainResetsThem)
{
    const RichText text = readBody("\\cf1{\\b a{\\i b}c}d\\b\\i\\fs40\\f1\\plain e");
    ASSERT_EQ(text.text, u"abcde"_s);
    EXPECT_TRUE(text.formats[0].bold && !text.formats[0].italic);
    EXPECT_TRUE(text.formats[1].bold && text.formats[1].italic);
    EXPECT_TRUE(text.formats[2].bold && !text.formats[2].italic);
    EXPECT_FALSE(text.formats[3].bold);
    EXPECT_EQ(text.formats[3].textColor, Red);
    const CharFormat plain { .face = u"Arial"_s, .charset = 0, .twips = 240 };
    EXPECT_EQ(text.formats[4], plain);
}

TEST(RtfReader, ReadsBreaksTabsAndParagraphs)
{
    const RichText text = read("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\pard\\qr\\rtlpar a\\line b\\tab c\\par "
                               "\\pard d\\par\\qc\\par\r\n\\pard\\qr e\\~\\_\\-\\emdash\\par\\par}\0\r\n");
    EXPECT_EQ(text.text, u"a\vb\tc\rd\r\re\u00A0\u2011\u2014\r"_s);
    ASSERT_EQ(text.paragraphs.size(), 5u);
    EXPECT_EQ(text.paragraphs[0], (Paragraph { Alignment::Right, true }));
    EXPECT_EQ(text.paragraphs[1], (Paragraph { Alignment::Left, false }));
    EXPECT_EQ(text.paragraphs[2], (Paragraph { Alignment::Center, false }));
    EXPECT_EQ(text.paragraphs[3], (Paragraph { Alignment::Right, false }));
    EXPECT_EQ(text.paragraphs[4], (Paragraph { Alignment::Right, false }));
    EXPECT_EQ(text.formats.size(), static_cast<size_t>(text.text.size()));
}

TEST(RtfReader, TextWithoutParagraphMarkIsOneParagraph)
{
    const RichText empty = read("{\\rtf1\\pard\\qc}");
    EXPECT_TRUE(empty.text.isEmpty());
    ASSERT_EQ(empty.paragraphs.size(), 1u);
    EXPECT_EQ(empty.paragraphs[0].alignment, Alignment::Center);
    EXPECT_EQ(read("{\\rtf1 ab}").text, u"ab"_s);
    EXPECT_EQ(read("{\\rtf1\\par}").text, u""_s);
}

TEST(RtfReader, TheSpaceAfterAControlWordOnlyDelimitsIt)
{
    EXPECT_EQ(read("{\\rtf1\\b text}").text, u"text"_s);
    EXPECT_EQ(read("{\\rtf1\\b  two}").text, u" two"_s);
    EXPECT_EQ(read("{\\rtf1\\fs20-x}").text, u"-x"_s);
    EXPECT_EQ(read("{\\rtf1 a\r\nb\\\r\nc}").text, u"ab\rc"_s)
        << "raw line ends are no text; \\<LF> is \\par";
}

TEST(RtfReader, SkipsDestinationsThatAreNotText)
{
    const RichText text = readBody("{\\*\\generator Riched20}{\\pntext\\f0 1.\\tab}{\\info{\\title T}}"
                                   "{\\stylesheet{\\s0 Normal;}}{\\pict\\wmetafile8 0102ff}{\\object x}"
                                   "{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}}"
                                   "{\\*\\unknown {nested} text}ok{\\pict\\bin6 {}}\\}x}y");
    EXPECT_EQ(text.text, u"linkoky"_s);
}

TEST(RtfReader, FaceNamesAreTrimmedAndLimited)
{
    const RichText text = read("{\\rtf1{\\fonttbl{\\f0  Very Long Face Name That Goes On And On Beyond ;}"
                               "{\\f1\\fnil{\\*\\panose 02}Times New Roman;}\\f2 Old Style;}"
                               "\\f0 a\\f1 b\\f2 c}");
    ASSERT_EQ(text.text, u"abc"_s);
    EXPECT_EQ(text.formats[0].face, u"Very Long Face Name That Goes On"_s);
    EXPECT_EQ(text.formats[1].face, u"Times New Roman"_s);
    EXPECT_EQ(text.formats[2].face, u"Old Style"_s);
}

TEST(RtfReader, TheInsertionFormatIsTheFormatInForceAtTheEnd)
{
    const RichText text = readBody("a{\\b b}\\i\\cf2 ");
    EXPECT_FALSE(text.insertionFormat.bold);
    EXPECT_TRUE(text.insertionFormat.italic);
    EXPECT_EQ(text.insertionFormat.textColor, Green);
}

TEST(RtfReader, ReadsAStoredSaveStringThroughTheAnsiCodePage)
{
    // The control's bytes held as text: the face stands unescaped.
    const QString save
        = u"{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil\\fcharset134 宋体;}}\\f0\\'c4\\'e3}"_s;
    const RichText text = RichTextFromSave(save, 936);
    EXPECT_EQ(text.text, u"你"_s);
    EXPECT_EQ(text.formats[0].face, u"宋体"_s);
}
