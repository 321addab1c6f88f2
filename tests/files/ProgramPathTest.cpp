#include "files/ProgramPath.h"
#include "files/LenientNumber.h"
#include "model/AppData.h"

#include <gtest/gtest.h>

using namespace tessel;

TEST(ProgramPath, SplitsAtTheLastSlashOrBackslash)
{
    const auto check = [](const QString& path, const QString& folder, const QString& name) {
        const PathParts parts = splitAtLastSeparator(path);
        EXPECT_EQ(parts.folder, folder) << path.toStdString();
        EXPECT_EQ(parts.fileName, name) << path.toStdString();
    };
    check("/home/u/a.led", "/home/u/", "a.led");
    check("C:\\badge\\files\\a.led", "C:\\badge\\files\\", "a.led");
    check("sub\\deeper/a.led", "sub\\deeper/", "a.led");
    check("a.led", "", "a.led");
    check("/home/u/", "/home/u/", "");
}

TEST(ProgramPath, RelativePathsResolveAgainstTheProgramsFolder)
{
    AppData data;
    data.exeDir = "/opt/badge/";
    EXPECT_EQ(resolveProgramPath(data, "default.led"), "/opt/badge/default.led");
    EXPECT_EQ(resolveProgramPath(data, "sub\\a.led"), "/opt/badge/sub/a.led");
    EXPECT_EQ(resolveProgramPath(data, ""), "/opt/badge/");
    EXPECT_EQ(resolveProgramPath(data, "/tmp/a.led"), "/tmp/a.led");

    EXPECT_EQ(relativeToExeDir(data, "/opt/badge/sub/a.led"), "sub/a.led");
    EXPECT_EQ(relativeToExeDir(data, "/opt/badgers/a.led"), "/opt/badgers/a.led");
}

TEST(LenientNumber, ReadsLikeTheCRuntime)
{
    EXPECT_EQ(lenientInt(u"42"), 42);
    EXPECT_EQ(lenientInt(u"  \t-17abc"), -17);
    EXPECT_EQ(lenientInt(u"+8"), 8);
    EXPECT_EQ(lenientInt(u""), 0);
    EXPECT_EQ(lenientInt(u"x1"), 0);
    EXPECT_EQ(lenientInt(u"- 1"), 0);
    EXPECT_EQ(lenientInt(u"16777215"), 16777215);
    EXPECT_EQ(lenientInt(u"-2147483648"), INT32_MIN);
    EXPECT_EQ(lenientInt(u"99999999999999999999999"), INT32_MAX);
    EXPECT_EQ(lenientInt(u"-99999999999999999999999"), INT32_MIN);
}
