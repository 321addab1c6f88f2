#include "MainFrameTestSupport.h"

#include "ui/MenuIds.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>

namespace tessel::test {
namespace {

using StartUpTest = MainFrameTest;

QStringList recentLabels(const CMainFrame& frame)
{
    QStringList labels;
    for (QAction* item : frame.recentMenu()->actions())
        labels << item->text();
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
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("K9057R V1.16"));
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
    EXPECT_EQ(script.failures[0].caption, QStringLiteral("Dovrel"));
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

TEST_F(StartUpTest, TheWindowHasNoKeyboardShortcutsButThePreviewsZoom)
{
    start();
    ASSERT_TRUE(frame);
    const QList<QAction*> actions = frame->findChildren<QAction*>();
    EXPECT_GT(actions.size(), 40);
    for (const QAction* action : actions) {
        const int command = action->data().toInt();
        const bool zoom = command >= ViewZoomInCommand && command <= ViewActualSizeCommand;
        EXPECT_EQ(action->shortcuts().isEmpty(), !zoom) << action->text().toStdString();
    }
    EXPECT_TRUE(frame->findChildren<QShortcut*>().isEmpty());
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

} // namespace
} // namespace tessel::test
