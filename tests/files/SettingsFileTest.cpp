#include "files/SettingsFile.h"
#include "FilesTestSupport.h"
#include "files/FileMessages.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tessel;
using namespace tessel::test;

namespace {

const QByteArray Head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Records>\r\n";
const QByteArray Tail = "</Records>\r\n";
const QByteArray DefaultPara = "<ScreenPara name=\"K9057R\" id=\"0\" yIndex=\"0\" rgb=\"0\" oe=\"0\" "
                               "polarity=\"0\" xIndex=\"1\"/>\r\n";

class SettingsFileTest : public ::testing::Test {
protected:
    void writeAppXml(const QByteArray& body) { writeBytes(folder.file("app.xml"), Head + body + Tail); }

    QByteArray recentEntries(int count)
    {
        QByteArray body;
        for (int i = 0; i < count; ++i)
            body += "<FileSaveLists fileName=\"f" + QByteArray::number(i) + ".led\" dirPath=\"/d/\"/>\r\n";
        return body;
    }

    TempFolder folder;
    AppData data;
    LanguageTable texts;
};

} // namespace

TEST_F(SettingsFileTest, WritesTheExactLayout)
{
    initSettings(data, PortablePaths(folder.path()));
    data.lan = 3;
    data.lanID = 1033;
    data.bat = 0;
    data.bright = 2;
    data.hostID = 7;
    data.commType = 1;
    data.commIndex = 2;
    data.beforeClose = 1;
    data.afterExcute = 1;
    data.trimSpace = 2;
    data.update = 1;
    data.recentFiles = { { "a.led", "" }, { "b&c.led", "/home/u/\"q\"/" } };
    data.screenParas = { { "Big", 3, 2, 1, 1, 1, 300 } };
    ASSERT_TRUE(saveSettings(data));
    EXPECT_EQ(readBytes(folder.file("app.xml")),
        Head + "<App lan=\"3\" lanID=\"1033\" bat=\"0\" bright=\"2\"/>\r\n"
            + "<Comm hostID=\"7\" commType=\"1\" commIndex=\"2\"/>\r\n"
            + "<SoftwareOption beforeClose=\"1\" afterExcute=\"1\" trimSpace=\"2\" update=\"1\"/>\r\n"
            + "<FileSaveLists fileName=\"a.led\" dirPath=\"\"/>\r\n"
            + "<FileSaveLists fileName=\"b&amp;c.led\" dirPath=\"/home/u/&quot;q&quot;/\"/>\r\n"
            + "<ScreenParaLists name=\"Big\" id=\"3\" yIndex=\"2\" rgb=\"1\" oe=\"1\" polarity=\"1\" "
              "xIndex=\"300\"/>\r\n"
            + DefaultPara + "<Preview zoom=\"0\"/>\r\n" + Tail);

    AppData read;
    initSettings(read, PortablePaths(folder.path()));
    EXPECT_EQ(read.lan, 3);
    EXPECT_EQ(read.bright, 2);
    EXPECT_EQ(read.bat, 0);
    EXPECT_EQ(read.hostID, 7);
    EXPECT_EQ(read.commIndex, 2);
    EXPECT_EQ(read.update, 1);
    EXPECT_EQ(read.trimSpace, 2);
    EXPECT_EQ(read.recentFiles, data.recentFiles);
    EXPECT_EQ(read.screenParas, data.screenParas);
    EXPECT_EQ(read.screenPara, ScreenPara {});
    // The newest entry names the current file.
    EXPECT_EQ(read.fileName, "b&c.led");
    EXPECT_EQ(read.dirPath, "/home/u/\"q\"/");
}

TEST_F(SettingsFileTest, WithoutAFileTheStartValuesStay)
{
    initSettings(data, PortablePaths(folder.path()));
    EXPECT_EQ(data.dirPath, folder.path());
    EXPECT_EQ(data.fileName, "default.led");
    EXPECT_TRUE(data.currentPath.isEmpty());
    EXPECT_TRUE(data.recentFiles.empty());
    EXPECT_EQ(data.lanID, systemLanguageId());
    EXPECT_FALSE(QFile::exists(folder.file("app.xml")));
}

TEST_F(SettingsFileTest, HandEditedListsAreKeptLongAndTrimmedOnlyAtTen)
{
    writeAppXml(recentEntries(12));
    initSettings(data, PortablePaths(folder.path()));
    EXPECT_EQ(data.recentFiles.size(), 12u);

    AppData started;
    started.startupFile = "/new/g.led";
    initSettings(started, PortablePaths(folder.path()));
    EXPECT_EQ(started.recentFiles.size(), 13u);
    EXPECT_EQ(started.recentFiles.back(), (RecentFile { "g.led", "/new/" }));
}

TEST_F(SettingsFileTest, MissingAttributesReadAsZeroAndOrderMatters)
{
    // "App" without lanID; "SoftwareOption" before "Comm" is passed over once
    // "Comm" is found.
    writeAppXml("<App lan=\"2\" bat=\"1\"/>\r\n<SoftwareOption trimSpace=\"2\"/>\r\n"
                "<Comm hostID=\"9\" commType=\"1\"/>\r\n<FileSaveLists fileName=\"x.led\"/>\r\n"
                "<ScreenParaLists/>\r\n<ScreenPara name=\"S\" yIndex=\"258\" xIndex=\"70000\"/>\r\n");
    data.trimSpace = 1;
    initSettings(data, PortablePaths(folder.path()));
    EXPECT_EQ(data.lan, 2);
    EXPECT_EQ(data.lanID, 0);
    EXPECT_EQ(data.bright, 0);
    EXPECT_EQ(data.trimSpace, 1);
    EXPECT_EQ(data.hostID, 9);
    EXPECT_EQ(data.commType, 1);
    EXPECT_EQ(data.commIndex, 0);
    EXPECT_EQ(data.recentFiles, (std::vector<RecentFile> { { "x.led", "" } }));
    ASSERT_EQ(data.screenParas.size(), 1u);
    EXPECT_EQ(data.screenParas[0].name, "");
    EXPECT_EQ(data.screenParas[0].xIndex, 0);
    EXPECT_EQ(data.screenPara.name, "S");
    EXPECT_EQ(data.screenPara.yIndex, 2);
    EXPECT_EQ(data.screenPara.xIndex, 70000 - 65536);
    EXPECT_EQ(data.screenPara.rgb, 0);
}

TEST_F(SettingsFileTest, UnreadableFilesLeaveTheStartValues)
{
    writeBytes(folder.file("app.xml"), "\xFF\xFEgarbage<<<");
    initSettings(data, PortablePaths(folder.path()));
    EXPECT_EQ(data.bat, 1);
    EXPECT_EQ(data.screenPara, ScreenPara {});
    EXPECT_TRUE(data.recentFiles.empty());
}

// A folder or a FIFO where the file belongs is not read, never waited on,
// and reported with the system's reason.
TEST_F(SettingsFileTest, ASettingsFileThatCannotBeReadIsReported)
{
    QString reason;
    EXPECT_TRUE(initSettings(data, PortablePaths(folder.path()), &reason)) << "no file: nothing to report";
    ASSERT_TRUE(QDir().mkdir(folder.file("app.xml")));
    EXPECT_FALSE(initSettings(data, PortablePaths(folder.path()), &reason));
    EXPECT_EQ(reason, "Is a directory");
    QDir().rmdir(folder.file("app.xml"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.file("app.xml")).constData(), 0600), 0);
    EXPECT_FALSE(initSettings(data, PortablePaths(folder.path()), &reason));
    EXPECT_EQ(data.screenPara, ScreenPara {});
    const QString message = settingsUnreadableMessage(data, texts, reason);
    EXPECT_TRUE(message.contains(folder.file("app.xml"))) << qPrintable(message);
    EXPECT_TRUE(message.endsWith(u'\n' + reason)) << qPrintable(message);
}

TEST_F(SettingsFileTest, CommandLineFileBecomesTheNewestEntry)
{
    writeAppXml("<FileSaveLists fileName=\"a.led\" dirPath=\"/d/\"/>\r\n"
                "<FileSaveLists fileName=\"b.led\" dirPath=\"/d/\"/>\r\n"
                "<FileSaveLists fileName=\"c.led\" dirPath=\"/d/\"/>\r\n");
    data.startupFile = "\"/d/a.led\"";
    initSettings(data, PortablePaths(folder.path()));
    EXPECT_EQ(data.recentFiles,
        (std::vector<RecentFile> { { "b.led", "/d/" }, { "c.led", "/d/" }, { "a.led", "/d/" } }));
    EXPECT_EQ(data.fileName, "a.led");
    EXPECT_EQ(data.dirPath, "/d/");
    EXPECT_TRUE(data.currentPath.isEmpty());
}

TEST_F(SettingsFileTest, ANewCommandLineFileDropsTheOldestOfTen)
{
    writeAppXml(recentEntries(10));
    data.startupFile = "/new/n.led";
    initSettings(data, PortablePaths(folder.path()));
    ASSERT_EQ(data.recentFiles.size(), 10u);
    EXPECT_EQ(data.recentFiles.front().fileName, "f1.led");
    EXPECT_EQ(data.recentFiles.back(), (RecentFile { "n.led", "/new/" }));
}

TEST_F(SettingsFileTest, ARelativeCommandLineFileIsTakenFromTheWorkingDirectory)
{
    data.startupFile = "sub/here.led";
    initSettings(data, PortablePaths(folder.path()));
    EXPECT_EQ(data.fileName, "here.led");
    EXPECT_EQ(data.dirPath, QDir::currentPath() + "/sub/");
}

// Recent folders written on Windows are read with "\" as the separator; a
// folder written here keeps its backslashes, which belong to its names.
TEST_F(SettingsFileTest, OnlyWindowsRecentFoldersAreSplitAtBackslashes)
{
    writeAppXml("<FileSaveLists fileName=\"a.led\" dirPath=\"C:\\badge\\\"/>\r\n"
                "<FileSaveLists fileName=\"b\\c.led\" dirPath=\"/home/u/x\\y/\"/>\r\n");
    initSettings(data, PortablePaths(folder.path()));
    ASSERT_EQ(data.recentFiles.size(), 2u);
    EXPECT_EQ(data.recentFiles[0], (RecentFile { "a.led", "C:/badge/" }));
    EXPECT_EQ(data.recentFiles[1], (RecentFile { "b\\c.led", "/home/u/x\\y/" }));
}

// A settings folder that cannot be created (its parent is a file, which
// stops the administrator too) is reported at the first failed write only;
// after a write that succeeds, a new failure is reported again.
TEST_F(SettingsFileTest, AnUnwritableSettingsFolderIsReportedOnce)
{
    ASSERT_TRUE(writeBytes(folder.file("blocker"), "not a folder"));
    initSettings(data, PortablePaths(folder.path() + "blocker/tessel/"));
    QString reason;
    EXPECT_FALSE(saveSettings(data, &reason));
    EXPECT_TRUE(reason.contains(folder.file("blocker/tessel"))) << reason.toStdString();

    const QString first = storeSettings(data, texts);
    EXPECT_TRUE(first.contains(data.paths.appXmlPath)) << first.toStdString();
    EXPECT_TRUE(first.contains(reason)) << first.toStdString();
    EXPECT_TRUE(storeSettings(data, texts).isEmpty());
    EXPECT_TRUE(storeSettings(data, texts).isEmpty());

    data.paths = PortablePaths(folder.path());
    EXPECT_TRUE(storeSettings(data, texts).isEmpty());
    data.paths = PortablePaths(folder.path() + "blocker/tessel/");
    EXPECT_FALSE(storeSettings(data, texts).isEmpty());
}

// The message is the language table's, with the file's path in place of %1;
// without the text it is English.
TEST_F(SettingsFileTest, TheUnkeptSettingsMessageComesFromTheLanguageFile)
{
    data.paths.appXmlPath = "/cfg/app.xml";
    QDir(folder.path()).mkpath("language");
    ASSERT_TRUE(writeBytes(folder.file("language/german.ini"),
        "[German]\r\nsettingsNotKept=Einstellungen nicht in %1 gespeichert.\r\n"));
    texts.load(folder.path(), 1031);
    EXPECT_EQ(settingsNotKeptMessage(data, texts, "No space"),
        "Einstellungen nicht in " + isolated("/cfg/app.xml") + " gespeichert.\nNo space");
    texts.load(folder.path(), 1033);
    EXPECT_TRUE(
        settingsNotKeptMessage(data, texts, "").startsWith("The settings cannot be saved to " + isolated("/cfg/app.xml") + "."));
}