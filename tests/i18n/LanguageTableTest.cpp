#include "i18n/LanguageTable.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace tessel;

namespace {

// An executable folder with a "language" folder of hand-made files.
class LanguageFolder {
public:
    LanguageFolder() { QDir(dir_.path()).mkdir(QStringLiteral("language")); }

    QString exeDir() const { return dir_.path() + u'/'; }

    void write(const QString& fileName, const QByteArray& bytes) const
    {
        QFile file(exeDir() + QStringLiteral("language/") + fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private:
    QTemporaryDir dir_;
};

// Sets LC_ALL for one test and restores it.
class LocaleOverride {
public:
    explicit LocaleOverride(const char* locale)
    {
        if (const char* old = std::getenv("LC_ALL"))
            old_ = old;
        setenv("LC_ALL", locale, 1);
    }
    ~LocaleOverride()
    {
        if (old_.isEmpty())
            unsetenv("LC_ALL");
        else
            setenv("LC_ALL", old_.constData(), 1);
    }

private:
    QByteArray old_;
};

} // namespace

TEST(LanguageTable, KeysFollowTheFixedOrder)
{
    const auto& keys = LanguageTable::keys();
    EXPECT_EQ(keys[54], u"borderAspectMatrix0");
    EXPECT_EQ(keys[94], u"effectActionMatrix30");
    EXPECT_EQ(keys[149], u"msg0");
    EXPECT_EQ(keys[167], u"tip0");
    EXPECT_EQ(keys[206], u"yOffset_");
    EXPECT_EQ(keys.back(), u"yOffset_");
    QSet<QString> folded;
    for (const QString& key : keys)
        folded.insert(key.toCaseFolded());
    EXPECT_EQ(folded.size(), LanguageTable::EntryCount) << "keys must differ even without regard to case";
}

TEST(LanguageTable, LoadsTheFileAndSectionOfEachLanguage)
{
    LanguageFolder folder;
    const std::pair<const char*, const char*> files[] = {
        { "arabic.ini", "Arabic" },
        { "traditionallChinese.ini", "TraditionalChinese" },
        { "german.ini", "German" },
        { "english.ini", "English" },
        { "spanish.ini", "Spanish" },
        { "japanese.ini", "Japanese" },
        { "korean.ini", "Korean" },
        { "simplifiedChinese.ini", "SimplifiedChinese" },
    };
    for (const auto& [fileName, section] : files)
        folder.write(QString::fromLatin1(fileName),
            QByteArray("[Wrong]\nfile=wrong section\n[") + section + "]\nfile=" + section + "\n");

    const std::pair<int32_t, const char16_t*> expected[] = {
        { 1025, u"Arabic" },
        { 1028, u"TraditionalChinese" },
        { 3076, u"TraditionalChinese" },
        { 1031, u"German" },
        { 1033, u"English" },
        { 1034, u"Spanish" },
        { 3082, u"Spanish" },
        { 1041, u"Japanese" },
        { 1042, u"Korean" },
        { 2052, u"SimplifiedChinese" },
        { 1036, u"" },
        { 0, u"" },
        { -1, u"" },
    };
    LanguageTable table;
    for (const auto& [lanID, section] : expected) {
        table.load(folder.exeDir(), 1033);
        table.load(folder.exeDir(), lanID);
        EXPECT_EQ(table.text(u"file"), QString::fromUtf16(section)) << lanID;
        EXPECT_EQ(languageSection(lanID), QString::fromUtf16(section)) << lanID;
    }
    EXPECT_EQ(languageFileName(3076), u"traditionallChinese.ini");
    EXPECT_EQ(languageFileName(3082), u"spanish.ini");
    EXPECT_EQ(languageFileName(1036), u"");
}

TEST(LanguageTable, MissingTextsAreEmpty)
{
    LanguageFolder folder;
    folder.write(QStringLiteral("english.ini"),
        "[English]\nfile=&File\nsave=\nmsg3=Please wait\ntip37=K9057R V1.16\neffectActionMatrix30=Random\n"
        "long="
            + QByteArray(600, 'x') + "\nsearch=" + QByteArray(600, 'x') + "\n");
    LanguageTable table;
    table.load(folder.exeDir(), 1033);
    EXPECT_EQ(table.text(u"file"), u"&File");
    EXPECT_EQ(table.text(u"save"), u"") << "present with an empty value";
    EXPECT_EQ(table.text(u"open"), u"") << "absent";
    EXPECT_EQ(table.text(u"long"), u"") << "not a key of the table";
    EXPECT_EQ(table.text(u"search").size(), 511);
    EXPECT_EQ(table.msg(3), u"Please wait");
    EXPECT_EQ(table.tip(37), u"K9057R V1.16");
    EXPECT_EQ(table.matrix(u"effectActionMatrix", 30), u"Random");
    EXPECT_EQ(table.matrix(u"effectActionMatrix", 31), u"");
    EXPECT_EQ(table.msg(-1), u"");

    // A language without its file empties everything the previous one filled.
    table.load(folder.exeDir(), 1031);
    EXPECT_EQ(table.text(u"file"), u"");
    table.load(folder.exeDir(), 1033);
    table.load(folder.exeDir() + QStringLiteral("elsewhere/"), 1033);
    EXPECT_EQ(table.text(u"file"), u"");
}

TEST(LanguageTable, FurtherTextsFallBackWhenMissingOrEmpty)
{
    LanguageFolder folder;
    folder.write(QStringLiteral("german.ini"),
        "[German]\nSaveChanges=\xC3\x84nderungen an %1 speichern?\nopenFailedTitle=\naboutTitle=\xC3\x9C" "ber\n"
        "aboutTitle=Second\n");
    LanguageTable table;
    table.load(folder.exeDir(), 1031);
    EXPECT_EQ(table.textOr(u"saveChanges", QStringLiteral("Save %1?")), u"Änderungen an %1 speichern?")
        << "keys match without case";
    EXPECT_EQ(table.textOr(u"openFailedTitle", QStringLiteral("Dovrel")), u"Dovrel") << "empty value";
    EXPECT_EQ(table.textOr(u"colourRed", QStringLiteral("Red")), u"Red") << "absent";
    EXPECT_EQ(table.textOr(u"aboutTitle", QString()), u"Über") << "the first of repeated keys";

    // A language without its file forgets the further texts too.
    table.load(folder.exeDir(), 1033);
    EXPECT_EQ(table.textOr(u"saveChanges", QStringLiteral("Save %1?")), u"Save %1?");
}

TEST(LanguageMenu, MapsCommandsToLanguages)
{
    const auto traditional = languageForCommand(772);
    ASSERT_TRUE(traditional);
    EXPECT_EQ(traditional->lan, 2);
    EXPECT_EQ(traditional->lanID, 1028);
    EXPECT_EQ(languageForCommand(778)->lanID, 1034);
    EXPECT_EQ(languageMenuLabel(774), u"Arabic(عربي)");
    EXPECT_FALSE(languageForCommand(769));
    EXPECT_FALSE(languageForCommand(779));
    EXPECT_EQ(languageMenuLabel(779), u"");

    // "Auto" asks the system each time it is chosen.
    {
        const LocaleOverride french("fr_FR.UTF-8");
        const auto automatic = languageForCommand(770);
        ASSERT_TRUE(automatic);
        EXPECT_EQ(automatic->lan, 0);
        EXPECT_EQ(automatic->lanID, 1033);
    }
    const LocaleOverride hongKong("zh_HK.UTF-8");
    EXPECT_EQ(languageForCommand(770)->lanID, 3076);
}
