#include "files/ProgramPath.h"
#include "files/LenientNumber.h"
#include "model/AppData.h"

#include <gtest/gtest.h>

using namespace tessel;

// A "\" is part of a Linux file name: a name is split at its last "/" only,
// and resolving a relative one changes no character.
TEST(ProgramPath, ABackslashIsAnOrdinaryCharacterOfAName)
{
    const auto check = [](const QString& path, const QString& folder, const QString& name) {
        const PathParts parts = splitAtLastSeparator(path);
        EXPECT_EQ(parts.folder, folder) << path.toStdString();
        EXPECT_EQ(parts.fileName, name) << path.toStdString();
    };
    check("/home/u/a.led", "/home/u/", "a.led");
    check("/home/u/dir/out\\x.led", "/home/u/dir/", "out\\x.led");
    check("a\\b.led", "", "a\\b.led");
    check("/home/u/", "/home/u/", "");

    AppData data;
    data.paths = PortablePaths("/opt/badge/");
    EXPECT_EQ(resolveProgramPath(data, "default.led"), "/opt/badge/default.led");
    EXPECT_EQ(resolveProgramPath(data, "a\\b.led"), "/opt/badge/a\\b.led");
    EXPECT_EQ(resolveProgramPath(data, ""), "/opt/badge/");
    EXPECT_EQ(resolveProgramPath(data, "/tmp/a\\b.led"), "/tmp/a\\b.led");

    EXPECT_EQ(relativeToSettingsDir(data, "/opt/badge/sub/a.led"), "sub/a.led");
    EXPECT_EQ(relativeToSettingsDir(data, "/opt/badgers/a.led"), "/opt/badgers/a.led");
}

// Only a stored folder that is plainly a Windows path is read with "\" as
// its separator: a drive letter, or backslashes and no "/".
TEST(ProgramPath, OnlyAPlainlyWindowsFolderIsSplitAtBackslashes)
{
    EXPECT_EQ(folderFromStore("C:\\badge\\files\\"), "C:/badge/files/");
    EXPECT_EQ(folderFromStore("d:\\"), "d:/");
    EXPECT_EQ(folderFromStore("sub\\deeper\\"), "sub/deeper/");
    EXPECT_EQ(folderFromStore("/home/u/a\\b/"), "/home/u/a\\b/");
    EXPECT_EQ(folderFromStore("sub\\deeper/"), "sub\\deeper/");
    EXPECT_EQ(folderFromStore(""), "");
    EXPECT_FALSE(isWindowsFolder("a:b/"));
    EXPECT_TRUE(isWindowsFolder("C:/badge/"));
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
