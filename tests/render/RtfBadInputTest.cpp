#include "render/RtfReader.h"
#include "render/RtfWriter.h"

#include <gtest/gtest.h>

using namespace tessel;
using namespace Qt::Literals::StringLiterals;

namespace {

template <size_t N> RichText read(const char (&rtf)[N])
{
    return ReadRtf(QByteArrayView(rtf, N - 1));
}

void expectConsistent(const RichText& text)
{
    EXPECT_EQ(text.formats.size(), static_cast<size_t>(text.text.size()));
    EXPECT_EQ(text.paragraphs.size(), static_cast<size_t>(text.text.count(QChar(ParagraphBreak))) + 1);
}

} // namespace

TEST(RtfBadInput, UnbalancedBracesReadWhatMakesSense)
{
    const RichText open = read("{\\rtf1 {\\b abc");
    EXPECT_EQ(open.text, u"abc"_s);
    EXPECT_TRUE(open.insertionFormat.bold);
    EXPECT_EQ(read("{\\rtf1 a}}}b").text, u"a"_s);
    EXPECT_EQ(read("}}}abc").text, u""_s);
    EXPECT_EQ(read("plain words").text, u"plain words"_s);
    expectConsistent(read(""));
    expectConsistent(read("{"));
    expectConsistent(read("}"));
}

TEST(RtfBadInput, DeepNestingNeitherRecursesNorLosesTheOuterText)
{
    const int depth = 100000;
    const QByteArray rtf = "{\\rtf1 a" + QByteArray(depth, '{') + "\\b b" + QByteArray(depth, '}') + "c}";
    const RichText text = ReadRtf(rtf);
    ASSERT_FALSE(text.text.isEmpty());
    EXPECT_EQ(text.text.front(), u'a');
    EXPECT_EQ(text.text.back(), u'c');
    EXPECT_FALSE(text.formats.back().bold);
    expectConsistent(text);
}

TEST(RtfBadInput, TruncatedEscapesAndBinaryData)
{
    EXPECT_EQ(read("{\\rtf1 a\\'").text, u"a"_s);
    EXPECT_EQ(read("{\\rtf1 a\\'4").text, u"a"_s);
    EXPECT_EQ(read("{\\rtf1 a\\'zz}").text, u"azz"_s);
    EXPECT_EQ(read("{\\rtf1 a\\").text, u"a"_s);
    EXPECT_EQ(read("{\\rtf1 a\\bin99999999999999 xyz}").text, u"a"_s);
    EXPECT_EQ(read("{\\rtf1 a\\bin-5 b}").text, u"ab"_s);
    EXPECT_EQ(read("{\\rtf1 a\\bin3 {{{b}").text, u"ab"_s);
}

TEST(RtfBadInput, AbsurdParametersAreClampedOrIgnored)
{
    const RichText text
        = read("{\\rtf1\\ansicpg-7\\deff-99{\\fonttbl{\\f-2147483649\\fcharset99999999\\cpg-1 F;}}"
               "{\\colortbl ;\\red99999\\green-5\\blue300;}"
               "\\f-2147483648\\fs999999999999\\cf-1\\highlight2147483647\\uc-5\\u99999999999 a"
               "\\fs-4\\u-99999999999 b\\uc99999999\\u65 skipped to the end\\cf1 z}");
    expectConsistent(text);
    ASSERT_EQ(text.text.size(), 4);
    EXPECT_EQ(text.formats[0].twips, 32760);
    EXPECT_FALSE(text.formats[0].hasBackground);
    EXPECT_EQ(text.formats[0].textColor, 0u);
    EXPECT_EQ(text.formats[0].face, u"F"_s);
    EXPECT_EQ(text.formats[2].twips, 240);
    EXPECT_EQ(text.text[3], u'A');
}

TEST(RtfBadInput, ControlCharactersInTheTextKeepTheModelConsistent)
{
    // A CR arriving as a character is a paragraph break; a NUL is nothing.
    const RichText text = read("{\\rtf1 a\\'0d\\'00b\\u13?c\\u0?d}");
    EXPECT_EQ(text.text, u"a\rb\rcd"_s);
    expectConsistent(text);
}

TEST(RtfBadInput, HugeInputIsBoundedAndQuick)
{
    QByteArray rtf = "{\\rtf1{\\fonttbl{\\f0\\fcharset134 A;}}\\f0 ";
    while (rtf.size() < 10 * 1024 * 1024)
        rtf += "ab\\b\\'c4\\'e3\\b0{\\i\\u8364?}\\par ";
    const RichText text = ReadRtf(rtf);
    expectConsistent(text);
    EXPECT_GT(text.text.size(), 10000);
    EXPECT_LE(text.text.size(), 100000);
    // The writer keeps up with what the reader can produce.
    EXPECT_EQ(ReadRtf(WriteRtf(text)).text, text.text);
}
