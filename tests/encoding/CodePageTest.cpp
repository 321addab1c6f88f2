// Code page conversion and encoding names.
#include "encoding/CodePage.h"
#include "encoding/EncodingName.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(CodePage, RoundTripsAndLosses)
{
    EXPECT_EQ(decodeCodePage("\xC4\xE3\xBA\xC3", 936), u"\u4F60\u597D");
    EXPECT_EQ(encodeCodePage(u"\u4F60\u597D", 936), "\xC4\xE3\xBA\xC3");
    bool lossy = true;
    EXPECT_EQ(encodeCodePage(u"\u00E9", 1252, &lossy), "\xE9");
    EXPECT_FALSE(lossy);
    EXPECT_EQ(encodeCodePage(u"a\u4E2D\U0001F600b", 1252, &lossy), "a??b");
    EXPECT_TRUE(lossy);
    // A code page iconv lacks still reports its losses.
    EXPECT_EQ(encodeCodePage(u"\u00E9\u4E2D", 52936, &lossy), "\xE9?");
    EXPECT_TRUE(lossy);
    EXPECT_EQ(encodeCodePage(u"\u00E9", CodePageUtf32), QByteArray("\xE9\0\0\0", 4));
}

TEST(CodePage, StatefulEncodingsEndInTheirInitialState)
{
    EXPECT_EQ(encodeCodePage(u"a\u65E5", 50220), "a\x1B$BF|\x1B(B");
    EXPECT_EQ(encodeCodePage(u"a\u65E5", CodePageUtf7), "a+ZeU-");
    // A lost character is written outside the shifted state.
    bool lossy = false;
    const QByteArray bytes = encodeCodePage(u"\u65E5\u00E9x\u65E5", 50220, &lossy);
    EXPECT_EQ(bytes, "\x1B$BF|\x1B(B?x\x1B$BF|\x1B(B");
    EXPECT_TRUE(lossy);
    EXPECT_EQ(decodeCodePage(bytes, 50220), u"\u65E5?x\u65E5");
}

TEST(CodePage, Windows1252UndefinedBytesPassThrough)
{
    const QByteArray bytes("a\x81\x8D\x8F\x90\x9D\x80");
    const QString text = decodeCodePage(bytes, 1252);
    EXPECT_EQ(text, u"a\u0081\u008D\u008F\u0090\u009D\u20AC");
    bool lossy = true;
    EXPECT_EQ(encodeCodePage(text, 1252, &lossy), bytes);
    EXPECT_FALSE(lossy);
    // The other C1 characters have bytes of their own in Windows-1252.
    EXPECT_EQ(encodeCodePage(u"\u0080\u009F", 1252, &lossy), "??");
    EXPECT_TRUE(lossy);
    // Elsewhere these characters are not bytes of their own.
    EXPECT_EQ(encodeCodePage(u"\u0081", 936, &lossy), "?");
}

TEST(CodePage, Truncation)
{
    bool truncated = false;
    EXPECT_EQ(decodeCodePage("a\xC4", 936, &truncated), u"a\uFFFD");
    EXPECT_TRUE(truncated);
    decodeCodePage("a\xE4\xB8", CodePageUtf8, &truncated);
    EXPECT_TRUE(truncated);
    decodeCodePage("a\xE4\xB8\xAD", CodePageUtf8, &truncated);
    EXPECT_FALSE(truncated);
    decodeCodePage("a\x80", CodePageUtf8, &truncated);
    EXPECT_FALSE(truncated) << "invalid, not truncated";
}

TEST(CodePage, Utf8WellFormedness)
{
    EXPECT_TRUE(isWellFormedUtf8("plain"));
    EXPECT_TRUE(isWellFormedUtf8("\xE4\xB8\xAD\xF0\x9F\x98\x80"));
    EXPECT_FALSE(isWellFormedUtf8("\xC0\x80")) << "overlong";
    EXPECT_FALSE(isWellFormedUtf8("\xED\xA0\x80")) << "surrogate";
    EXPECT_FALSE(isWellFormedUtf8("\xE4\xB8")) << "truncated";
}

TEST(EncodingName, TellingRows)
{
    const struct {
        const char16_t* name;
        int codePage;
    } rows[] = {
        { u"utf-8", 65001 },
        { u"UTF-8", 65001 },
        { u"utf-16", 1200 },
        { u"utf-16le", 1200 },
        { u"utf-16be", 1201 },
        { u"utf-7", 65000 },
        { u"us-ascii", 20127 },
        { u"ascii", 20127 },
        { u"iso-8859-1", 28591 },
        { u"latin1", 28591 },
        { u"windows-1252", 1252 },
        { u"gb2312", 936 },
        { u"GBK", 936 },
        { u"gb18030", 54936 },
        { u"big5", 950 },
        { u"Shift_JIS", 932 },
        { u"ks_c_5601-1987", 949 },
        { u"euc-kr", 51949 },
        { u"UTF-32", CodePageUtf32 },
        { u"UTF-32BE", CodePageUtf32 },
        { u"utf-32be", 12001 },
    };
    for (const auto& row : rows)
        EXPECT_EQ(codePageForEncodingName(row.name, 1252), row.codePage)
            << QString::fromUtf16(row.name).toStdString();
    EXPECT_EQ(codePageForEncodingName(u"", 936), 936);
    EXPECT_EQ(codePageForEncodingName(u"no-such", 936), 936);
    EXPECT_EQ(codePageForEncodingName(u"\u00FCtf-8", 936), 936);
    EXPECT_EQ(codePageForEncodingName(QString(200, u'a'), 932), 932);
}

} // namespace
} // namespace tessel
