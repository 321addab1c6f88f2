#include "model/AppData.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// Sets the locale variables for one test and restores them afterwards.
class LocaleEnvironment {
public:
    explicit LocaleEnvironment(const char* locale)
    {
        for (const char* name : Names) {
            saved_.push_back(qgetenv(name));
            qunsetenv(name);
        }
        qputenv("LC_ALL", locale);
    }
    ~LocaleEnvironment()
    {
        for (size_t i = 0; i < std::size(Names); ++i)
            if (saved_[i].isNull())
                qunsetenv(Names[i]);
            else
                qputenv(Names[i], saved_[i]);
    }

private:
    static constexpr const char* Names[] = { "LC_ALL", "LC_MESSAGES", "LANG" };
    std::vector<QByteArray> saved_;
};

} // namespace

TEST(SystemLanguage, OnlyLanguagesWithTextsAreKept)
{
    EXPECT_EQ(supportedLanguageId(1036), 1033);
    EXPECT_EQ(supportedLanguageId(3082), 3082);
    EXPECT_EQ(supportedLanguageId(0), 1033);
    for (int32_t id : { 1025, 1028, 1031, 1034, 1041, 1042, 2052, 3076 })
        EXPECT_EQ(supportedLanguageId(id), id);
}

TEST(SystemLanguage, ComesFromTheLocale)
{
    const std::pair<const char*, int32_t> cases[] = {
        { "fr_FR.UTF-8", 1033 },
        { "es_ES.UTF-8", 3082 },
        { "zh_HK.UTF-8", 3076 },
        { "zh_TW.Big5", 1028 },
        { "zh_CN.GB18030@stroke", 2052 },
        { "de_AT", 1031 },
        { "C", 1033 },
    };
    for (const auto& [locale, id] : cases) {
        LocaleEnvironment environment(locale);
        EXPECT_EQ(systemLanguageId(), id) << locale;
    }
}

TEST(Settings, ResetRestoresStartValuesButNotTheSoftwareOptions)
{
    AppData data;
    data.paths = PortablePaths("/opt/badge/");
    data.bright = 2;
    data.bat = 0;
    data.lan = 3;
    data.currentPath = "x.led";
    data.fileName = "x.led";
    data.screenPara.xIndex = 9;
    data.recentFiles.push_back({ "a.led", "" });
    data.screenParas.push_back({});
    data.trimSpace = 2;
    data.afterExcute = 1;
    data.modified = 1;
    data.kindCount[1] = 4;
    data.programCount = 4;
    data.resetSettings();

    EXPECT_EQ(data.bright, 0);
    EXPECT_EQ(data.bat, 1);
    EXPECT_EQ(data.lan, 0);
    EXPECT_EQ(data.dirPath, "/opt/badge/");
    EXPECT_EQ(data.fileName, "default.led");
    EXPECT_TRUE(data.currentPath.isEmpty());
    EXPECT_EQ(data.screenPara, ScreenPara {});
    EXPECT_TRUE(data.recentFiles.empty());
    EXPECT_TRUE(data.screenParas.empty());
    EXPECT_EQ(data.modified, 0);
    EXPECT_EQ(data.kindCount[1], 0);
    EXPECT_EQ(data.programCount, 0);
    EXPECT_EQ(data.trimSpace, 2);
    EXPECT_EQ(data.afterExcute, 1);
}
