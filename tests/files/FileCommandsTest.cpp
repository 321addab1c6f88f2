#include "files/FileCommands.h"
#include "support/SmallDisk.h"
#include "FilesTestSupport.h"
#include "files/ProgramFile.h"
#include "files/SettingsFile.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"

#include <QDir>
#include <deque>
#include <gtest/gtest.h>

using namespace tessel;
using namespace tessel::test;

namespace {

// Plays the window's part from a script of answers and records what it was asked.
class ScriptedHost : public FileCommandHost {
public:
    std::deque<std::optional<QString>> openPaths;
    std::deque<std::optional<QString>> savePaths;
    std::deque<SaveAnswer> answers;

    QStringList questions;
    QStringList openFailures;
    QStringList writeFailures;
    QStringList captions;
    QString openFilter;
    SaveDialogRequest saveRequest;
    std::vector<RecentMenuItem> menu;
    int menuUpdates = 0;
    int listReplaced = 0;
    int pendingStored = 0;

    std::optional<QString> askOpenPath(const QString& filter) override
    {
        openFilter = filter;
        return next(openPaths, std::optional<QString>());
    }
    std::optional<QString> askSavePath(const SaveDialogRequest& request) override
    {
        saveRequest = request;
        return next(savePaths, std::optional<QString>());
    }
    SaveAnswer askSaveChanges(const QString& question, const QString& caption) override
    {
        questions << question;
        captions << caption;
        return next(answers, SaveAnswer::Cancel);
    }
    void showOpenFailed(const QString& message, const QString& caption) override
    {
        openFailures << message;
        captions << caption;
    }
    void showWriteFailed(const QString& message, const QString& caption) override
    {
        writeFailures << message;
        captions << caption;
    }
    void storePendingEdits() override { ++pendingStored; }
    void programListReplaced() override { ++listReplaced; }
    void recentMenuChanged(const std::vector<RecentMenuItem>& items) override
    {
        menu = items;
        ++menuUpdates;
    }

private:
    template <typename T> T next(std::deque<T>& script, T fallback)
    {
        if (script.empty()) {
            ADD_FAILURE() << "the host was asked more than the script holds";
            return fallback;
        }
        T value = script.front();
        script.pop_front();
        return value;
    }
};

class FileCommandsTest : public ::testing::Test {
protected:
    FileCommandsTest()
    {
        QDir(exe.path()).mkpath("language");
        writeBytes(exe.file("language/english.ini"), "[English]\r\nclearRecord=Clear the list\r\n");
        initSettings(data, PortablePaths(exe.path()));
        data.lanID = 1033;
        texts.load(exe.path(), data.lanID);
    }

    // A program file with `count` image programs in the other folder.
    QString makeFile(const QString& name, int count = 1, const TempFolder* where = nullptr)
    {
        AppData list;
        for (int i = 0; i < count; ++i)
            list.addProgram(ItemKind::Image, "image");
        const QString path = (where ? where : &elsewhere)->file(name);
        EXPECT_TRUE(writeProgramFile(list, path));
        return path;
    }

    void addUnsavedProgram()
    {
        data.addProgram(ItemKind::Text, "text");
        ASSERT_EQ(data.modified, 1);
    }

    TempFolder exe;
    TempFolder elsewhere;
    AppData data;
    LanguageTable texts;
    ScriptedHost host;
    FileCommands commands { data, texts, host };
};

} // namespace

TEST_F(FileCommandsTest, OpenReadsTheFileAndRecordsIt)
{
    const QString path = makeFile("three.led", 3);
    host.openPaths.push_back(path);
    commands.runCommand(OpenCommand);
    EXPECT_EQ(host.openFilter, "Program file(*.led)");
    EXPECT_EQ(data.programs.size(), 3u);
    EXPECT_EQ(data.currentPath, path);
    EXPECT_EQ(data.fileName, "three.led");
    EXPECT_EQ(data.dirPath, elsewhere.path());
    EXPECT_EQ(data.modified, 0);
    EXPECT_EQ(host.listReplaced, 1);
    ASSERT_EQ(host.menu.size(), 2u);
    EXPECT_EQ(host.menu[0], (RecentMenuItem { "1 " + path, 706 }));
    EXPECT_EQ(host.menu[1], (RecentMenuItem { "Clear the list", 716 }));
    // The settings were written with the new recent entry.
    AppData restarted;
    initSettings(restarted, PortablePaths(exe.path()));
    EXPECT_EQ(restarted.recentFiles, data.recentFiles);
}

TEST_F(FileCommandsTest, OpeningTheOpenFileDoesNothingEvenAfterNo)
{
    const QString path = makeFile("a.led");
    host.openPaths.push_back(path);
    commands.open();
    addUnsavedProgram();
    const int replaced = host.listReplaced;

    host.answers.push_back(SaveAnswer::No);
    host.openPaths.push_back(path);
    commands.open();
    EXPECT_EQ(host.questions, QStringList { "Do you save changes to \r\n" + path + "?" });
    EXPECT_EQ(host.captions.back(), "K9057R");
    EXPECT_EQ(data.modified, 0);
    EXPECT_EQ(data.programs.size(), 2u);
    EXPECT_EQ(host.listReplaced, replaced);
    EXPECT_EQ(commands.openProgramFile(path), OpenResult::AlreadyOpen);
}

TEST_F(FileCommandsTest, SaveAsBesideTheExecutableStoresAnEmptyFolder)
{
    addUnsavedProgram();
    host.savePaths.push_back(exe.file("default.led"));
    commands.runCommand(SaveAsCommand);
    EXPECT_EQ(host.saveRequest.filter, "program file(*.led)");
    EXPECT_EQ(host.saveRequest.defaultSuffix, "led");
    EXPECT_EQ(host.saveRequest.initialName, "default.led");
    EXPECT_EQ(host.saveRequest.initialFolder, exe.path());
    EXPECT_EQ(host.pendingStored, 1);

    EXPECT_EQ(data.dirPath, "");
    EXPECT_EQ(data.currentPath, "default.led");
    EXPECT_EQ(data.modified, 0);
    EXPECT_EQ(host.menu.front().label, "1 default.led");
    EXPECT_TRUE(checkProgramFile(exe.file("default.led")));
    EXPECT_TRUE(QFile::exists(exe.file("app.xml")));

    // Plain Save writes to the relative path against the program's folder,
    // whatever the working directory.
    data.addProgram(ItemKind::Image, "image");
    commands.save();
    EXPECT_EQ(data.modified, 0);
    AppData read;
    read.paths = PortablePaths(exe.path());
    readProgramFile(read, "default.led");
    EXPECT_EQ(read.programs.size(), 2u);

    // A subfolder is stored relative to it.
    QDir(exe.path()).mkpath("sub");
    host.savePaths.push_back(exe.file("sub/b.led"));
    EXPECT_EQ(commands.saveProgramFile(SaveQuestion::Skip, SaveTarget::ChooseFile), SaveResult::Saved);
    EXPECT_EQ(data.dirPath, "sub/");
    EXPECT_EQ(data.currentPath, "sub/b.led");
    EXPECT_EQ(host.saveRequest.initialFolder, exe.path());
}

// Installed, relative folders belong to the folder of "app.xml", not to the
// program's, and New proposes the documents folder again.
TEST_F(FileCommandsTest, InstalledRelativeFoldersBelongToTheSettingsFolder)
{
    TempFolder config;
    AppPaths paths = PortablePaths(exe.path());
    paths.layout = PathLayout::Installed;
    paths.settingsDir = config.path();
    paths.appXmlPath = config.file("app.xml");
    paths.firstSaveDir = elsewhere.path();
    initSettings(data, paths);

    addUnsavedProgram();
    host.savePaths.push_back(config.file("beside.led"));
    EXPECT_EQ(commands.saveProgramFile(SaveQuestion::Skip, SaveTarget::ChooseFile), SaveResult::Saved);
    EXPECT_EQ(data.recentFiles.back(), (RecentFile { "beside.led", "" }));
    EXPECT_TRUE(checkProgramFile(config.file("beside.led")));
    EXPECT_FALSE(QFile::exists(exe.file("app.xml")));

    commands.runCommand(NewCommand);
    EXPECT_EQ(data.dirPath, elsewhere.path());
}

TEST_F(FileCommandsTest, StoredRelativeEntriesOpenFromTheProgramsFolder)
{
    makeFile("default.led", 2, &exe);
    data.recentFiles = { { "default.led", "" } };
    commands.runCommand(706);
    EXPECT_TRUE(host.openFailures.isEmpty());
    EXPECT_EQ(data.programs.size(), 2u);
    EXPECT_EQ(data.currentPath, "default.led");
}

TEST_F(FileCommandsTest, TheEleventhFilePushesOutTheOldest)
{
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(commands.openProgramFile(makeFile(QString("f%1.led").arg(i))), OpenResult::Opened);
    ASSERT_EQ(data.recentFiles.size(), 10u);
    EXPECT_EQ(data.recentFiles.front().fileName, "f1.led");
    EXPECT_EQ(data.recentFiles.back().fileName, "f10.led");

    // Reopening an entry moves it to the newest end without duplicating it.
    commands.openRecent(3);
    ASSERT_EQ(data.recentFiles.size(), 10u);
    EXPECT_EQ(data.recentFiles.back().fileName, "f4.led");
    EXPECT_EQ(host.menu.front().label, "1 " + elsewhere.file("f4.led"));
    EXPECT_EQ(host.menu[9].label, "10 " + elsewhere.file("f1.led"));
    EXPECT_EQ(host.menu[9].command, 706);
}

TEST_F(FileCommandsTest, AFailedRecentOpenDropsTheEntryAndTellsTheUser)
{
    const QString kept = makeFile("kept.led");
    data.recentFiles = { { "kept.led", elsewhere.path() }, { "gone.led", "/no/such/" } };
    addUnsavedProgram();
    host.answers.push_back(SaveAnswer::No);
    commands.runCommand(707); // the newest entry
    EXPECT_EQ(
        host.openFailures, QStringList { QString::fromUtf8("/no/such/gone.led 文件不存在或者内容出错！") });
    EXPECT_EQ(host.captions.back(), "Dovrel");
    EXPECT_EQ(data.recentFiles, (std::vector<RecentFile> { { "kept.led", elsewhere.path() } }));
    EXPECT_EQ(host.menu.size(), 2u);
    EXPECT_EQ(data.programs.size(), 1u);
    EXPECT_TRUE(data.currentPath.isEmpty());

    // A file that is no program file fails the same way.
    writeBytes(elsewhere.file("notes.led"), "<Notes/>");
    EXPECT_EQ(commands.openProgramFile(elsewhere.file("notes.led")), OpenResult::Failed);
}

TEST_F(FileCommandsTest, CancelKeepsEverythingAsItWas)
{
    const QString path = makeFile("a.led", 2);
    host.openPaths.push_back(path);
    commands.open();
    addUnsavedProgram();
    const auto recent = data.recentFiles;

    host.answers = { SaveAnswer::Cancel, SaveAnswer::Cancel, SaveAnswer::Cancel, SaveAnswer::Cancel };
    commands.runCommand(NewCommand);
    commands.runCommand(CloseCommand);
    commands.runCommand(OpenCommand);
    EXPECT_FALSE(commands.leave());
    EXPECT_EQ(host.questions.size(), 4);
    EXPECT_EQ(data.programs.size(), 3u);
    EXPECT_EQ(data.currentPath, path);
    EXPECT_EQ(data.modified, 1);

    // The dialogs' Cancel.
    host.savePaths.push_back(std::nullopt);
    EXPECT_EQ(commands.saveProgramFile(SaveQuestion::Skip, SaveTarget::ChooseFile), SaveResult::Cancelled);
    host.openPaths.push_back(std::nullopt);
    EXPECT_EQ(commands.openProgramFile(QString()), OpenResult::Cancelled);
    EXPECT_EQ(data.modified, 1);
    EXPECT_EQ(data.recentFiles, recent);
}

TEST_F(FileCommandsTest, NewAsksSavesAndStartsAnEmptyList)
{
    addUnsavedProgram();
    EXPECT_EQ(data.currentPath, "");
    host.answers.push_back(SaveAnswer::Yes);
    host.savePaths.push_back(elsewhere.file("first.led"));
    commands.newFile();
    EXPECT_EQ(host.questions, QStringList { "Do you save changes to default.led?" });
    EXPECT_TRUE(checkProgramFile(elsewhere.file("first.led")));
    EXPECT_TRUE(data.programs.empty());
    EXPECT_EQ(data.fileName, "default.led");
    EXPECT_EQ(data.dirPath, exe.path());
    EXPECT_TRUE(data.currentPath.isEmpty());
    EXPECT_EQ(data.modified, 0);
    EXPECT_EQ(host.menu.front().label, "1 " + elsewhere.file("first.led"));

    // A new, unmodified list asks nothing.
    commands.newFile();
    EXPECT_EQ(host.questions.size(), 1);
}

TEST_F(FileCommandsTest, TheQuestionSpeaksChineseForChineseLanguages)
{
    data.lanID = 3076;
    addUnsavedProgram();
    host.answers.push_back(SaveAnswer::No);
    EXPECT_TRUE(commands.leave());
    EXPECT_EQ(host.questions.front(), QString::fromUtf8("您想将更改保存到 default.led 吗?"));
    EXPECT_EQ(data.modified, 0);
    EXPECT_TRUE(QFile::exists(exe.file("app.xml")));
}

TEST_F(FileCommandsTest, AFailedWriteIsReportedAndKeepsModified)
{
    addUnsavedProgram();
    const QString target = elsewhere.file("missing/folder/x.led");
    host.savePaths.push_back(target);
    EXPECT_EQ(commands.saveProgramFile(SaveQuestion::Skip, SaveTarget::ChooseFile), SaveResult::WriteFailed);
    EXPECT_EQ(data.modified, 1);
    ASSERT_EQ(host.writeFailures.size(), 1);
    EXPECT_TRUE(host.writeFailures[0].contains(target));
    EXPECT_EQ(host.captions.back(), "K9057R");
    EXPECT_TRUE(data.currentPath.isEmpty());
    EXPECT_EQ(data.fileName, "default.led");
    EXPECT_TRUE(data.recentFiles.empty());
    EXPECT_FALSE(QFile::exists(exe.file("app.xml")));

    // The close path keeps the window open when the answer Yes cannot be saved.
    data.currentPath = target;
    host.answers.push_back(SaveAnswer::Yes);
    EXPECT_FALSE(commands.leave());
    EXPECT_EQ(data.modified, 1);
    EXPECT_EQ(host.writeFailures.size(), 2);
}

TEST_F(FileCommandsTest, AFailedSettingsWriteDoesNotCostTheProgramFile)
{
    QDir(exe.path()).mkpath("app.xml"); // a folder where the settings file belongs
    addUnsavedProgram();
    host.savePaths.push_back(elsewhere.file("kept.led"));
    EXPECT_EQ(commands.saveProgramFile(SaveQuestion::Skip, SaveTarget::ChooseFile), SaveResult::Saved);
    EXPECT_TRUE(checkProgramFile(elsewhere.file("kept.led")));
    EXPECT_EQ(data.modified, 0);
    ASSERT_EQ(host.writeFailures.size(), 1);
    EXPECT_TRUE(host.writeFailures[0].contains(exe.file("app.xml")));
}

TEST_F(FileCommandsTest, ClearRecentKeepsTheCurrentFile)
{
    const QString a = makeFile("a.led");
    const QString b = makeFile("b.led");
    commands.openProgramFile(b);
    commands.openProgramFile(a);
    commands.runCommand(ClearRecentCommand);
    EXPECT_EQ(data.recentFiles, (std::vector<RecentFile> { { "a.led", elsewhere.path() } }));
    EXPECT_EQ(host.menu.size(), 2u);

    commands.newFile();
    commands.clearRecent();
    EXPECT_TRUE(data.recentFiles.empty());
    EXPECT_EQ(host.menu, (std::vector<RecentMenuItem> { { "Clear the list", 716 } }));
    EXPECT_FALSE(commands.runCommand(ExitCommand));
    EXPECT_FALSE(commands.runCommand(706));
}

TEST_F(FileCommandsTest, AHandMadeLongListShowsItsNewestTen)
{
    for (int i = 0; i < 12; ++i)
        data.recentFiles.push_back({ QString("f%1.led").arg(i), "/d/" });
    const auto menu = commands.recentMenu();
    ASSERT_EQ(menu.size(), 11u);
    EXPECT_EQ(menu[0], (RecentMenuItem { "1 /d/f11.led", 715 }));
    EXPECT_EQ(menu[9], (RecentMenuItem { "10 /d/f2.led", 706 }));
    EXPECT_EQ(menu[10].command, 716);

    // Every file command stays below the clear command and names its entry.
    const QString path = makeFile("f11.led");
    data.recentFiles.back() = { "f11.led", elsewhere.path() };
    commands.runCommand(715);
    EXPECT_EQ(data.currentPath, path);
    EXPECT_EQ(data.recentFiles.size(), 12u);
}

TEST_F(FileCommandsTest, AFileTheSystemRefusesIsOfferedUnderAnotherName)
{
    const QString disk = elsewhere.file("disk");
    ASSERT_TRUE(QDir().mkdir(disk));
    SmallDisk small(disk, "64k");
    if (!small.mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here: " << small.why();
    const QString refused = makeFile("disk/x.led", 1);
    ASSERT_TRUE(small.makeReadOnly());
    data.currentPath = refused;
    addUnsavedProgram();
    const QString other = elsewhere.file("y.led");
    host.savePaths.push_back(other);
    EXPECT_EQ(commands.saveProgramFile(SaveQuestion::Skip, SaveTarget::CurrentFile), SaveResult::Saved);
    ASSERT_EQ(host.writeFailures.size(), 1);
    EXPECT_TRUE(host.writeFailures[0].contains("Read-only file system")) << qPrintable(host.writeFailures[0]);
    EXPECT_EQ(data.currentPath, other);
    EXPECT_EQ(data.modified, 0);
    EXPECT_TRUE(QFile::exists(other));
}

TEST_F(FileCommandsTest, ADamagedFileShowsWhatCouldBeReadAndSaysSo)
{
    const QString whole = makeFile("three.led", 3);
    QFile file(whole);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    const QString cut = elsewhere.file("cut.led");
    writeBytes(cut, bytes.left(bytes.lastIndexOf("</Records>")));
    host.openPaths.push_back(cut);
    commands.runCommand(OpenCommand);
    EXPECT_EQ(data.currentPath, cut);
    EXPECT_EQ(data.programs.size(), 3u);
    ASSERT_EQ(host.openFailures.size(), 1);
    EXPECT_TRUE(host.openFailures[0].contains("damaged")) << qPrintable(host.openFailures[0]);
    EXPECT_TRUE(host.openFailures[0].contains(cut));

    host.openFailures.clear();
    host.openPaths.push_back(whole);
    commands.runCommand(OpenCommand);
    EXPECT_TRUE(host.openFailures.isEmpty());
}
