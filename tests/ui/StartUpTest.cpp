#include "MainFrameTestSupport.h"

#include "ui/mainframe/MenuIds.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>

namespace tessel::test {
namespace {

using StartUpTest = MainFrameTest;

QStringList recentLabels(const CMainFrame& frame)
{
    QStringList labels;
    for (QAction* item : frame.recentMenu()->actions()) {
        // A file's number is its access key.
        const QString label = item->text();
        labels << (label.startsWith(u'&') && label.size() > 1 && label[1].isDigit() ? label.mid(1) : label);
    }
    return labels;
}

TEST_F(StartUpTest, FirstStartInAnEmptyFolderOpensNothing)
{
    start();
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("K9057R V1.16"));
    EXPECT_EQ(frame->size(), QSize(1137, 700));
    EXPECT_EQ(tree().rootNode()->text(0), rootLabel(0));
    EXPECT_EQ(tree().rootNode()->checkState(0), Qt::Checked);
    EXPECT_EQ(tree().rootNode()->childCount(), 0);
    EXPECT_TRUE(data.programs.empty());
    EXPECT_TRUE(script.failures.empty());
    EXPECT_EQ(data.fileName, QStringLiteral("default.led"));
    EXPECT_EQ(data.dirPath, exeDir);
    EXPECT_EQ(data.modified, 0);
    EXPECT_EQ(recentLabels(*frame), QStringList { text(u"clearRecord") });
}

TEST_F(StartUpTest, ReopensTheNewestOfThreeRecentFiles)
{
    writeProgramList(QStringLiteral("a.led"), 1);
    writeProgramList(QStringLiteral("b.led"), 2);
    writeProgramList(QStringLiteral("c.led"), 3);
    writeSettings([](AppData& settings) {
        settings.recentFiles = { { QStringLiteral("a.led"), QString() },
            { QStringLiteral("b.led"), QString() }, { QStringLiteral("c.led"), QString() } };
    });
    start();
    ASSERT_TRUE(frame);
    EXPECT_EQ(data.currentPath, QStringLiteral("c.led"));
    ASSERT_EQ(data.programs.size(), 3u);
    EXPECT_EQ(tree().rootNode()->childCount(), 3);
    EXPECT_EQ(tree().rootNode()->text(0), rootLabel(3));
    // The last program is selected.
    EXPECT_EQ(tree().SelectedProgram(), data.programs.back().get());
    EXPECT_EQ(recentLabels(*frame),
        (QStringList { QStringLiteral("1 c.led"), QStringLiteral("2 b.led"), QStringLiteral("3 a.led"),
            text(u"clearRecord") }));
    EXPECT_EQ(data.modified, 0);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("c.led[*] \u2014 K9057R V1.16"));
    EXPECT_FALSE(frame->isWindowModified());
}

TEST_F(StartUpTest, ANewestRecentFileThatIsGoneIsReportedOnceAndDropped)
{
    writeProgramList(QStringLiteral("a.led"), 1);
    writeProgramList(QStringLiteral("b.led"), 2);
    writeSettings([](AppData& settings) {
        settings.recentFiles = { { QStringLiteral("a.led"), QString() },
            { QStringLiteral("b.led"), QString() }, { QStringLiteral("gone.led"), QString() } };
    });
    start();
    ASSERT_TRUE(frame);
    ASSERT_EQ(script.failures.size(), 1u);
    EXPECT_EQ(script.failures[0].caption, QStringLiteral("Open File"));
    EXPECT_TRUE(script.failures[0].text.contains(QStringLiteral("gone.led")));
    EXPECT_TRUE(data.programs.empty());
    EXPECT_EQ(tree().rootNode()->childCount(), 0);
    EXPECT_EQ(recentLabels(*frame),
        (QStringList { QStringLiteral("1 b.led"), QStringLiteral("2 a.led"), text(u"clearRecord") }));
}

TEST_F(StartUpTest, ACommandLineFileAlreadyInAFullRecentListBecomesTheNewest)
{
    for (int i = 0; i < 10; ++i)
        writeProgramList(QStringLiteral("f%1.led").arg(i), i + 1);
    writeSettings([this](AppData& settings) {
        for (int i = 0; i < 10; ++i)
            settings.recentFiles.push_back({ QStringLiteral("f%1.led").arg(i), exeDir });
    });
    start(exeDir + QStringLiteral("f0.led"));
    ASSERT_TRUE(frame);
    ASSERT_EQ(data.recentFiles.size(), 10u);
    EXPECT_EQ(data.recentFiles.back().fileName, QStringLiteral("f0.led"));
    EXPECT_EQ(data.recentFiles.front().fileName, QStringLiteral("f1.led"));
    EXPECT_EQ(data.programs.size(), 1u); // f0.led holds one program
    EXPECT_TRUE(script.failures.empty());
    EXPECT_EQ(recentLabels(*frame).constFirst(), QStringLiteral("1 ") + exeDir + QStringLiteral("f0.led"));
}

TEST_F(StartUpTest, AHandWrittenRecentListLongerThanTheMenuReopensItsNewest)
{
    writeProgramList(QStringLiteral("newest.led"), 2);
    writeSettings([](AppData& settings) {
        for (int i = 0; i < 11; ++i)
            settings.recentFiles.push_back({ QStringLiteral("old%1.led").arg(i), QString() });
        settings.recentFiles.push_back({ QStringLiteral("newest.led"), QString() });
    });
    start();
    ASSERT_TRUE(frame);
    EXPECT_EQ(data.currentPath, QStringLiteral("newest.led"));
    EXPECT_EQ(data.programs.size(), 2u);
    EXPECT_EQ(data.recentFiles.size(), 12u);
    EXPECT_TRUE(script.failures.empty());
}

TEST_F(StartUpTest, QuotesAroundTheCommandLineFileAreRemoved)
{
    writeProgramList(QStringLiteral("quoted.led"), 2);
    start(QLatin1Char('"') + exeDir + QStringLiteral("quoted.led\""));
    ASSERT_TRUE(frame);
    EXPECT_EQ(data.programs.size(), 2u);
    EXPECT_EQ(data.fileName, QStringLiteral("quoted.led"));
}

TEST_F(StartUpTest, ACommandLineFileThatCannotBeOpenedEndsTheStart)
{
    start(exeDir + QStringLiteral("missing.led"));
    EXPECT_FALSE(frame);
    EXPECT_EQ(script.failures.size(), 1u);
    EXPECT_FALSE(QFile::exists(exeDir + QStringLiteral("app.xml")));
}

TEST_F(StartUpTest, TheCommandLineIsTheTextAfterTheProgramName)
{
    EXPECT_EQ(CommandLineFile({ QStringLiteral("tessel") }), QString());
    EXPECT_EQ(CommandLineFile({ QStringLiteral("tessel"), QStringLiteral("/tmp/a b.led") }),
        QStringLiteral("/tmp/a b.led"));
    EXPECT_EQ(
        CommandLineFile({ QStringLiteral("tessel"), QStringLiteral("/tmp/a"), QStringLiteral("b.led") }),
        QStringLiteral("/tmp/a b.led"));
}

TEST_F(StartUpTest, TheFileCommandsHaveTheDesktopsKeys)
{
    start();
    ASSERT_TRUE(frame);
    const std::pair<int, const char*> keys[] = { { 700, "Ctrl+N" }, { 701, "Ctrl+O" }, { 702, "Ctrl+S" },
        { 703, "Ctrl+Shift+S" }, { 704, "Ctrl+W" }, { 705, "Ctrl+Q" } };
    for (auto [command, key] : keys)
        EXPECT_EQ(frame->action(command)->shortcut(), QKeySequence(QString::fromLatin1(key))) << command;
    // Delete acts in the tree only, never in the text editor or a name field.
    EXPECT_EQ(frame->action(720)->shortcut(), QKeySequence(QKeySequence::Delete));
    EXPECT_EQ(frame->action(720)->shortcutContext(), Qt::WidgetShortcut);
    // The preview's zoom keys.
    EXPECT_TRUE(frame->action(ViewZoomInCommand)->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl++"))));
    EXPECT_TRUE(frame->action(ViewZoomOutCommand)->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+-"))));
    EXPECT_TRUE(frame->action(ViewActualSizeCommand)->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+0"))));
}

TEST_F(StartUpTest, ClosingWritesTheSettings)
{
    writeSettings([](AppData& settings) { settings.bright = 1; });
    start();
    ASSERT_TRUE(frame);
    QFile::remove(exeDir + QStringLiteral("app.xml"));
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(QFile::exists(exeDir + QStringLiteral("app.xml")));
    AppData reread;
    ASSERT_TRUE(loadSettings(reread, exeDir + QStringLiteral("app.xml")));
    EXPECT_EQ(reread.bright, 1);
}

// Sets HOME and the XDG folders for one test and restores them afterwards.
class UserFolders {
public:
    explicit UserFolders(const QString& root)
    {
        for (const char* name : Names)
            saved_.push_back(qgetenv(name));
        qputenv("HOME", QFile::encodeName(root + QStringLiteral("/home")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/xdg-config")));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(root + QStringLiteral("/xdg-cache")));
    }
    ~UserFolders()
    {
        for (size_t i = 0; i < std::size(Names); ++i)
            if (saved_[i].isNull())
                qunsetenv(Names[i]);
            else
                qputenv(Names[i], saved_[i]);
    }

private:
    static constexpr const char* Names[] = { "HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME" };
    std::vector<QByteArray> saved_;
};

// Installed in <prefix>/bin: the first save proposes the documents folder,
// closing writes the settings into the user's configuration folder without
// a message, and the next start reopens the file in the chosen language.
TEST_F(StartUpTest, AnInstalledEditorKeepsItsSettingsInTheUsersFolders)
{
    const QString root = folder.path();
    const UserFolders user(root);
    const QString bin = root + QStringLiteral("/prefix/bin/");
    const QString documents = root + QStringLiteral("/home/Documents/");
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QDir().mkpath(documents));
    // The shipped language files move to the shared data folder.
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/prefix/share/tessel")));
    ASSERT_TRUE(QDir().rename(
        exeDir + QStringLiteral("language"), root + QStringLiteral("/prefix/share/tessel/language")));

    frame = StartEditor({ data, texts, *link, LocateAppPaths(bin), QString(), script.dialogs() });
    ASSERT_TRUE(frame);
    EXPECT_EQ(data.paths.layout, PathLayout::Installed);
    EXPECT_EQ(data.dirPath, documents);
    frame->OnCommand(775); // German
    EXPECT_FALSE(text(u"file").isEmpty());
    frame->OnCommand(1101);
    script.savePath = documents + QStringLiteral("mine.led");
    frame->OnCommand(702);
    EXPECT_TRUE(QFile::exists(documents + QStringLiteral("mine.led")));
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(script.failures.empty());
    EXPECT_TRUE(QFile::exists(root + QStringLiteral("/xdg-config/tessel/app.xml")));
    EXPECT_TRUE(QFile::exists(root + QStringLiteral("/xdg-cache/tessel/pre.bmp")));
    EXPECT_TRUE(QDir(bin).isEmpty());
    frame.reset();

    AppData again;
    LanguageTable againTexts;
    frame = StartEditor({ again, againTexts, *link, LocateAppPaths(bin), QString(), script.dialogs() });
    ASSERT_TRUE(frame);
    EXPECT_EQ(again.lanID, 1031);
    EXPECT_EQ(again.currentPath, documents + QStringLiteral("mine.led"));
    EXPECT_EQ(again.programs.size(), 1u);
    EXPECT_EQ(againTexts.text(u"file"), texts.text(u"file"));
}

// A settings folder that cannot be made is told once; the window still
// closes and the program file is kept.
TEST_F(StartUpTest, AnUnwritableSettingsFolderIsToldOnce)
{
    const QString root = folder.path();
    const UserFolders user(root);
    QFile blocker(root + QStringLiteral("/xdg-config"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder belongs
    blocker.close();
    const QString bin = root + QStringLiteral("/prefix/bin/");
    ASSERT_TRUE(QDir().mkpath(bin));

    frame = StartEditor({ data, texts, *link, LocateAppPaths(bin), QString(), script.dialogs() });
    ASSERT_TRUE(frame);
    frame->OnCommand(1101);
    script.savePath = root + QStringLiteral("/kept.led");
    frame->OnCommand(703);
    EXPECT_TRUE(QFile::exists(root + QStringLiteral("/kept.led")));
    ASSERT_EQ(script.failures.size(), 1u);
    EXPECT_TRUE(script.failures[0].text.contains(data.paths.appXmlPath))
        << script.failures[0].text.toStdString();
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(script.failures.size(), 1u);
}

TEST_F(StartUpTest, ASettingsFileThatCannotBeReadIsToldOnceAtTheStart)
{
    ASSERT_TRUE(QDir().mkpath(exeDir + QStringLiteral("app.xml")));
    start();
    ASSERT_TRUE(frame);
    ASSERT_EQ(script.failures.size(), 1u);
    EXPECT_TRUE(script.failures[0].text.contains(exeDir + QStringLiteral("app.xml")))
        << script.failures[0].text.toStdString();
    EXPECT_TRUE(script.failures[0].text.contains(QStringLiteral("Is a directory")));
    EXPECT_EQ(data.screenPara, ScreenPara {});
}

} // namespace
} // namespace tessel::test
