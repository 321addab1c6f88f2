#include "i18n/IniFile.h"

#include <QByteArray>
#include <gtest/gtest.h>

using tessel::IniFile;

namespace {

constexpr int Latin = 1252;

IniFile parse(const QByteArray& bytes, int codePage = Latin)
{
    return IniFile::parse(bytes, codePage);
}

} // namespace

TEST(IniFile, MatchesNamesWithoutCaseAndTrimsValues)
{
    const IniFile file = parse("orphan=before any section\r\n"
                               "[English]\r\n"
                               "  Save  =\t Save as file \t\r\n"
                               "; save=a comment\r\n"
                               "   ; open=an indented comment\n"
                               "empty=\n"
                               "spaced = a = b\n"
                               "no equals sign\n"
                               "save=second definition\n"
                               "[ Other ]\n"
                               "save=other section\n"
                               "[english]\n"
                               "extra=in a repeated section\n");
    EXPECT_EQ(file.value(u"ENGLISH", u"sAvE"), u"Save as file");
    EXPECT_EQ(file.value(u"English", u"empty"), u"");
    EXPECT_EQ(file.value(u"English", u"spaced"), u"a = b");
    EXPECT_EQ(file.value(u"English", u"open"), u"");
    EXPECT_EQ(file.value(u"English", u"orphan"), u"");
    EXPECT_EQ(file.value(u"English", u"extra"), u"");
    EXPECT_EQ(file.value(u"other", u"save"), u"other section");
    EXPECT_EQ(file.value(u"Missing", u"save"), u"");
    EXPECT_TRUE(file.hasSection(u"OTHER"));
    EXPECT_FALSE(file.hasSection(u"Missing"));
    EXPECT_EQ(file.keys(u"english"), QStringList({ "Save", "empty", "spaced", "save" }));
}

TEST(IniFile, StripsOnePairOfDoubleQuotes)
{
    const IniFile file = parse("[S]\n"
                               "label=\"Spacing: \"\n"
                               "nested=\"\"x\"\"\n"
                               "open=\"unbalanced\n"
                               "single=\"\n"
                               "inner=a \"b\" c\n");
    EXPECT_EQ(file.value(u"S", u"label"), u"Spacing: ");
    EXPECT_EQ(file.value(u"S", u"nested"), u"\"x\"");
    EXPECT_EQ(file.value(u"S", u"open"), u"\"unbalanced");
    EXPECT_EQ(file.value(u"S", u"single"), u"\"");
    EXPECT_EQ(file.value(u"S", u"inner"), u"a \"b\" c");
}

TEST(IniFile, CutsValuesTo511Characters)
{
    const QByteArray exact(511, 'a');
    const IniFile file = parse("[S]\n"
                               "exact="
        + exact + "\nlong=" + exact + "bcd\n" + "quoted=\"" + exact + "z\"\n" + "pair=" + QByteArray(510, 'a')
        + "\xF0\x9F\x98\x80\n" + "huge=" + QByteArray(1 << 20, 'x') + "\nafter=still read\n");
    EXPECT_EQ(file.value(u"S", u"exact"), QString::fromLatin1(exact));
    EXPECT_EQ(file.value(u"S", u"long"), QString::fromLatin1(exact));
    EXPECT_EQ(file.value(u"S", u"quoted"), QString::fromLatin1(exact));
    // A character outside the basic plane that does not fit is left out whole.
    EXPECT_EQ(file.value(u"S", u"pair"), QString(510, u'a'));
    EXPECT_EQ(file.value(u"S", u"huge"), QString(511, u'x'));
    EXPECT_EQ(file.value(u"S", u"after"), u"still read");
}

TEST(IniFile, ReadsUtf8AndUtf16WithByteOrderMarks)
{
    const IniFile utf8 = parse("\xEF\xBB\xBF[Deutsch]\r\nkey=Grüße\r\n");
    EXPECT_EQ(utf8.value(u"deutsch", u"key"), u"Grüße");

    const QString text = QStringLiteral("[العربية]\r\nkey=حفظ 😀\r\n");
    QByteArray utf16("\xFF\xFE", 2);
    for (const QChar c : text) {
        utf16.append(static_cast<char>(c.unicode() & 0xFF));
        utf16.append(static_cast<char>(c.unicode() >> 8));
    }
    utf16.append('\0'); // an odd trailing byte is not a character
    EXPECT_EQ(IniFile::parse(utf16, 1256).value(u"العربية", u"key"), u"حفظ 😀");
}

TEST(IniFile, DecodesLinesThatAreNotUtf8InTheAnsiCodePage)
{
    const IniFile latin = parse("[S]\nlegacy=Gr\xFC\xDF"
                                "e\nmodern=Grüße\nlegacy2=\xE9t\xE9\n");
    EXPECT_EQ(latin.value(u"S", u"legacy"), u"Grüße");
    EXPECT_EQ(latin.value(u"S", u"modern"), u"Grüße");
    EXPECT_EQ(latin.value(u"S", u"legacy2"), u"été");

    const IniFile chinese = parse("[\xBC\xF2\xCC\xE5]\nsave=\xB1\xA3\xB4\xE6\n", 936);
    EXPECT_EQ(chinese.value(u"简体", u"save"), u"保存");
}

TEST(IniFile, SurvivesBadInput)
{
    EXPECT_FALSE(parse("").hasSection(u""));
    EXPECT_EQ(IniFile::read(QStringLiteral("/nonexistent/folder/file.ini"), Latin).value(u"S", u"k"), u"");

    // UTF-16 without a mark reads as bytes with NULs: nothing matches.
    QByteArray unmarked;
    for (const char c : QByteArray("[S]\r\nkey=value\r\n")) {
        unmarked.append(c);
        unmarked.append('\0');
    }
    EXPECT_EQ(parse(unmarked).value(u"S", u"key"), u"");

    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(static_cast<char>((i * 7919) & 0xFF));
    binary.append("\n[S]\nkey=after noise\n");
    EXPECT_EQ(parse(binary, 932).value(u"S", u"key"), u"after noise");
}
