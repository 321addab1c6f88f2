// The language files shipped with the program, checked against the table.
#include "encoding/CodePage.h"
#include "i18n/IniFile.h"
#include "i18n/LanguageTable.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace tessel;

namespace {

const int32_t languageIds[] = { 1025, 1028, 1031, 1033, 1034, 1041, 1042, 2052 };

QByteArray readShipped(const QString& fileName)
{
    QFile file(QStringLiteral(TESSEL_SOURCE_DIR "/data/language/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The printf conversions of a text, in order.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression conversion(
        QStringLiteral("%[-+ #0]*(\\d+|\\*)?(\\.(\\d+|\\*))?(hh|h|ll|l|I64)?[diouxXcsSfFeEgGp%]"));
    QStringList found;
    for (const auto& match : conversion.globalMatch(text))
        found.append(match.captured());
    return found;
}

} // namespace

class ShippedLanguageFile : public testing::TestWithParam<int32_t> { };

TEST_P(ShippedLanguageFile, HoldsEveryKeyOnceWithAText)
{
    const int32_t lanID = GetParam();
    const QString fileName = languageFileName(lanID);
    const QString section = languageSection(lanID);
    const QByteArray bytes = readShipped(fileName);
    ASSERT_FALSE(bytes.isEmpty()) << qPrintable(fileName) << " is missing or empty";
    EXPECT_TRUE(isWellFormedUtf8(bytes)) << qPrintable(fileName);
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"))
        << qPrintable(fileName) << " starts with a byte-order mark";

    const IniFile file = IniFile::parse(bytes, CodePageUtf8);
    ASSERT_TRUE(file.hasSection(section)) << qPrintable(fileName);
    const IniFile english = IniFile::parse(readShipped(QStringLiteral("english.ini")), CodePageUtf8);

    const QStringList present = file.keys(section);
    QSet<QString> known;
    for (const QString& key : LanguageTable::keys()) {
        known.insert(key);
        EXPECT_EQ(present.count(key), 1) << qPrintable(fileName) << ": " << qPrintable(key);
        const QString text = file.value(section, key);
        EXPECT_FALSE(text.trimmed().isEmpty())
            << qPrintable(fileName) << ": " << qPrintable(key) << " is empty";
        EXPECT_EQ(placeholders(text), placeholders(english.value(u"English", key)))
            << qPrintable(fileName) << ": " << qPrintable(key);
    }
    for (const QString& key : LanguageTable::furtherKeys()) {
        known.insert(key);
        EXPECT_EQ(present.count(key), 1) << qPrintable(fileName) << ": " << qPrintable(key);
        const QString text = file.value(section, key);
        EXPECT_FALSE(text.trimmed().isEmpty())
            << qPrintable(fileName) << ": " << qPrintable(key) << " is empty";
        EXPECT_EQ(text.count(u"%1"), english.value(u"English", key).count(u"%1"))
            << qPrintable(fileName) << ": " << qPrintable(key);
    }
    for (const QString& key : present)
        EXPECT_TRUE(known.contains(key)) << qPrintable(fileName) << ": unknown key " << qPrintable(key);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, ShippedLanguageFile, testing::ValuesIn(languageIds),
    [](const testing::TestParamInfo<int32_t>& info) { return std::to_string(info.param); });
