#include "model/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tessel;

namespace {

// A home folder of its own with XDG variables pointing into it, so that
// nothing here looks at or writes into the real home; the variables are
// restored afterwards.
class AppPathsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        for (const char* name : Names)
            saved.push_back(qgetenv(name));
        qputenv("HOME", QFile::encodeName(home()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path("xdg-config")));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(path("xdg-cache")));
        QDir().mkpath(home());
        QDir().mkpath(bin());
    }

    void TearDown() override
    {
        for (size_t i = 0; i < std::size(Names); ++i)
            if (saved[i].isNull())
                qunsetenv(Names[i]);
            else
                qputenv(Names[i], saved[i]);
    }

    QString path(const QString& name) const { return root.path() + u'/' + name; }
    QString home() const { return path("home"); }
    QString bin() const { return path("prefix/bin/"); }

    static constexpr const char* Names[] = { "HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME" };
    QTemporaryDir root;
    std::vector<QByteArray> saved;
};

void expectPortable(const AppPaths& paths, const QString& exeDir)
{
    EXPECT_EQ(paths.layout, PathLayout::Portable);
    EXPECT_EQ(paths.exeDir, exeDir);
    EXPECT_EQ(paths.dataDir, exeDir);
    EXPECT_EQ(paths.settingsDir, exeDir);
    EXPECT_EQ(paths.appXmlPath, exeDir + "app.xml");
    EXPECT_EQ(paths.previewPath, exeDir + "pre.bmp");
    EXPECT_EQ(paths.firstSaveDir, exeDir);
}

} // namespace

// The build folder and an unpacked copy: the data beside the executable, in
// a folder the user can write.
TEST_F(AppPathsTest, AWritableFolderWithTheDataIsPortable)
{
    QDir(bin()).mkpath("language");
    expectPortable(LocateAppPaths(bin()), bin());
    // The folder is given without its final "/" by the platform.
    expectPortable(LocateAppPaths(path("prefix/bin")), bin());
}

// An "app.xml" already beside the executable keeps the settings there, even
// without the data (which then comes from the shared folder).
TEST_F(AppPathsTest, AnExistingAppXmlKeepsTheSettingsBesideTheExecutable)
{
    QFile(bin() + "app.xml").open(QIODevice::WriteOnly);
    const AppPaths paths = LocateAppPaths(bin());
    EXPECT_EQ(paths.layout, PathLayout::Portable);
    EXPECT_EQ(paths.appXmlPath, bin() + "app.xml");
    EXPECT_EQ(paths.previewPath, bin() + "pre.bmp");
    EXPECT_EQ(paths.dataDir, path("prefix/share/tessel/"));
}

// <prefix>/bin without the data: the shared data folder and the user's own
// folders, none of them created before something is written.
TEST_F(AppPathsTest, AnInstalledProgramFollowsTheXdgFolders)
{
    AppPaths paths = LocateAppPaths(bin());
    EXPECT_EQ(paths.layout, PathLayout::Installed);
    EXPECT_EQ(paths.dataDir, path("prefix/share/tessel/"));
    EXPECT_EQ(paths.settingsDir, path("xdg-config/tessel/"));
    EXPECT_EQ(paths.appXmlPath, path("xdg-config/tessel/app.xml"));
    EXPECT_EQ(paths.previewPath, path("xdg-cache/tessel/pre.bmp"));
    EXPECT_EQ(paths.firstSaveDir, home() + u'/'); // no documents folder yet
    EXPECT_FALSE(QFileInfo::exists(path("xdg-config")));
    EXPECT_FALSE(QFileInfo::exists(path("xdg-cache")));

    QDir(home()).mkpath("Documents");
    paths = LocateAppPaths(bin());
    EXPECT_EQ(paths.firstSaveDir, home() + "/Documents/");
}

TEST_F(AppPathsTest, WithoutXdgVariablesTheHomeFolderDecides)
{
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_CACHE_HOME");
    const AppPaths paths = LocateAppPaths(bin());
    EXPECT_EQ(paths.appXmlPath, home() + "/.config/tessel/app.xml");
    EXPECT_EQ(paths.previewPath, home() + "/.cache/tessel/pre.bmp");
}

// The rule itself, for folders a test cannot always make: a read-only copy
// with the data reads its data in place but keeps its settings in the home
// folder; a writable folder without the data (<prefix>/bin for the
// administrator) is no portable copy.
TEST_F(AppPathsTest, OnlyAWritableFolderWithTheDataOrAnAppXmlHoldsTheSettings)
{
    AppPaths paths = LocateAppPaths(ExeFolder { bin(), true, false, false });
    EXPECT_EQ(paths.layout, PathLayout::Installed);
    EXPECT_EQ(paths.dataDir, bin());
    EXPECT_EQ(paths.appXmlPath, path("xdg-config/tessel/app.xml"));
    EXPECT_EQ(paths.previewPath, path("xdg-cache/tessel/pre.bmp"));
    EXPECT_EQ(paths.firstSaveDir, home() + u'/');

    paths = LocateAppPaths(ExeFolder { bin(), false, false, true });
    EXPECT_EQ(paths.layout, PathLayout::Installed);
    EXPECT_EQ(paths.dataDir, path("prefix/share/tessel/"));

    expectPortable(LocateAppPaths(ExeFolder { bin(), true, true, false }), bin());
}

TEST_F(AppPathsTest, AReadOnlyFolderWithTheDataKeepsNoSettings)
{
    QDir(bin()).mkpath("language");
    QFile::setPermissions(bin(), QFile::ReadOwner | QFile::ExeOwner);
    const bool stillWritable = QFileInfo(bin()).isWritable();
    const AppPaths paths = LocateAppPaths(bin());
    QFile::setPermissions(bin(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (stillWritable)
        GTEST_SKIP() << "permission bits do not stop this user (the administrator) from writing";
    EXPECT_EQ(paths.layout, PathLayout::Installed);
    EXPECT_EQ(paths.dataDir, bin());
    EXPECT_EQ(paths.appXmlPath, path("xdg-config/tessel/app.xml"));
}
