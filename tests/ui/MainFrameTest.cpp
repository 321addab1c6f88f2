#include "MainFrameTestSupport.h"

#include "TesselVersion.h"
#include "ui/AccessKeys.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/preview/PreviewDialog.h"
#include "ui/preview/PreviewForm.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

namespace tessel::test {
namespace {

// Records the files the program asks the desktop to open, instead of opening them.
class OpenedFiles : public QObject {
    Q_OBJECT
public:
    OpenedFiles() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~OpenedFiles() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QStringList paths;

public slots:
    void open(const QUrl& url) { paths << url.toLocalFile(); }
};

class MainFrameWindowTest : public StartedMainFrameTest {
protected:
    QMenu* menu(int position) const { return frame->menuBar()->actions().at(position)->menu(); }

    QList<int> usableItems(int position) const
    {
        QList<int> commands;
        for (QAction* item : menu(position)->actions())
            if (!item->isSeparator() && item->isEnabled() && item->isVisible())
                commands << item->data().toInt();
        return commands;
    }

    // The visible buttons from left to right; 0 for a separator.
    QList<int> visibleButtons() const
    {
        QList<int> buttons;
        for (QAction* action : frame->mainToolBar()->actions())
            if (action->isVisible())
                buttons << (action->isSeparator() ? 0 : action->data().toInt());
        return buttons;
    }
};

TEST_F(MainFrameWindowTest, TheToolBarShowsTheOfferedButtonsInOrder)
{
    EXPECT_EQ(visibleButtons(), (QList<int> { 1100, 0, 1101, 1102, 1106, 0, 1108, 1110, 1111 }));
    EXPECT_EQ(frame->toolButton(1110)->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(frame->toolButton(1110)->defaultAction()->menu(), frame->brightnessPopup());
    EXPECT_EQ(frame->toolButton(1109)->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(frame->toolButton(1101)->size(), QSize(40, 40)); // "Text" fits in 40
    EXPECT_EQ(frame->toolButton(1111)->height(), 40);
    EXPECT_EQ(frame->mainToolBar()->iconSize(), QSize(16, 16));
    EXPECT_EQ(frame->mainToolBar()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_EQ(frame->toolButton(1111)->text(), withoutAccessKey(text(u"send")));
    EXPECT_FALSE(frame->toolButton(1111)->icon().isNull());
}

TEST_F(MainFrameWindowTest, TooltipsFollowTheLanguageInForce)
{
    QToolButton* button = frame->toolButton(1101);
    QHelpEvent request(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(button, &request);
    EXPECT_EQ(QToolTip::text(), withoutAccessKey(text(u"addText")));
    frame->OnLanguageCommand(775); // German
    QCoreApplication::sendEvent(button, &request);
    EXPECT_EQ(QToolTip::text(), withoutAccessKey(text(u"addText")));
    EXPECT_FALSE(text(u"addText").isEmpty());
    QToolTip::hideText();
}

TEST_F(MainFrameWindowTest, TheEditMenuOffersDeleteAndTheTwoAddItemsInEveryLanguage)
{
    const QList<int> offered { 720, 721, 722 };
    EXPECT_EQ(usableItems(1), offered);
    frame->OnLanguageCommand(771);
    EXPECT_EQ(usableItems(1), offered);
    EXPECT_EQ(usableItems(3), (QList<int> { 740, 742, 744, 745, 746 }));
    EXPECT_EQ(visibleButtons(), (QList<int> { 1100, 0, 1101, 1102, 1106, 0, 1108, 1110, 1111 }));
}

TEST_F(MainFrameWindowTest, TheLayoutKeepsTheTreeAndTheUpperRowOnResize)
{
    const QList<int> upper = frame->outerSplitter()->sizes();
    EXPECT_EQ(frame->innerSplitter()->sizes().at(0), 250);
    EXPECT_EQ(
        upper.at(1) + frame->outerSplitter()->handleWidth(), frame->outerSplitter()->height() - upper.at(0));
    EXPECT_GE(upper.at(1), 235);
    frame->resize(1300, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->innerSplitter()->sizes().at(0), 250);
    EXPECT_EQ(frame->outerSplitter()->sizes().at(0), upper.at(0));
}

TEST_F(MainFrameWindowTest, TheStatusBarHasItsThreePanesAndTheProgressBar)
{
    EXPECT_EQ(frame->progressBar()->width(), 600);
    EXPECT_EQ(frame->progressBar()->minimum(), 0);
    EXPECT_EQ(frame->progressBar()->maximum(), 100);
    EXPECT_EQ(frame->progressBar()->value(), 0);
    EXPECT_TRUE(frame->statusText().isEmpty());
    frame->setStatusText(QStringLiteral("\tcentred"));
    EXPECT_EQ(frame->statusText(), QStringLiteral("centred"));
}

TEST_F(MainFrameWindowTest, AboutShowsItsTextInTheStatusBarUntilTheClearTimer)
{
    frame->OnCommand(782);
    EXPECT_EQ(frame->statusText(), texts.tip(37));
    EXPECT_FALSE(frame->statusText().isEmpty());
    EXPECT_TRUE(QApplication::activeModalWidget() == nullptr);
    const auto* about = frame->findChild<AboutDialog*>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    QStringList lines;
    for (const QLabel* line : about->findChildren<QLabel*>())
        lines << line->text();
    EXPECT_TRUE(lines.contains(QStringLiteral("Tessel")));
    EXPECT_TRUE(lines.join(u'|').contains(QStringLiteral(TESSEL_VERSION)));
    EXPECT_TRUE(lines.join(u'|').contains(QStringLiteral("GPL-3.0-or-later")));
    EXPECT_FALSE(waitUntil([&] { return frame->statusText().isEmpty(); }, 1500));
    EXPECT_TRUE(waitUntil([&] { return frame->statusText().isEmpty(); }, 1500));
}

TEST_F(MainFrameWindowTest, HelpWithoutAManualAndOnlineUpdateShowTheirTips)
{
    frame->OnCommand(780);
    EXPECT_EQ(frame->statusText(), texts.tip(35));
    frame->OnCommand(781);
    EXPECT_EQ(frame->statusText(), texts.tip(36));
}

TEST_F(MainFrameWindowTest, HelpOpensTheManualOfTheLanguageElseTheEnglishOne)
{
    OpenedFiles opened;
    for (const QString& language : { QStringLiteral("english"), QStringLiteral("german") }) {
        const QString folder = exeDir + QStringLiteral("manual/") + language;
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile page(folder + QStringLiteral("/index.html"));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    }
    frame->OnLanguageCommand(775); // German
    frame->OnCommand(780);
    frame->OnLanguageCommand(776); // Japanese has no manual of its own
    frame->OnCommand(780);
    EXPECT_EQ(opened.paths,
        (QStringList { exeDir + QStringLiteral("manual/german/index.html"),
            exeDir + QStringLiteral("manual/english/index.html") }));
    EXPECT_NE(frame->statusText(), texts.tip(35));

    // The manual document of the old name comes first where there is one.
    QFile document(exeDir + QStringLiteral("K9057R name badge manual (English).doc"));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.close();
    frame->OnCommand(780);
    EXPECT_EQ(opened.paths.constLast(), document.fileName());
}

TEST_F(MainFrameWindowTest, ChineseHelpLooksForTheChineseManualOnly)
{
    QFile english(exeDir + QStringLiteral("K9057R name badge manual (English).doc"));
    ASSERT_TRUE(english.open(QIODevice::WriteOnly));
    english.close();
    frame->OnLanguageCommand(771);
    frame->OnCommand(780);
    EXPECT_EQ(frame->statusText(), texts.tip(35));
}

TEST_F(MainFrameWindowTest, CancelInTheCloseQuestionKeepsTheWindow)
{
    frame->OnCommand(1101);
    ASSERT_EQ(data.modified, 1);
    QFile::remove(exeDir + QStringLiteral("app.xml"));
    script.answers = { SaveAnswer::Cancel };
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(script.questions.size(), 1u);
    EXPECT_EQ(script.questions[0].caption, QStringLiteral("K9057R"));
    EXPECT_EQ(data.modified, 1);
    EXPECT_FALSE(QFile::exists(exeDir + QStringLiteral("app.xml")));
}

TEST_F(MainFrameWindowTest, NoInTheCloseQuestionClosesWithoutSavingTheList)
{
    frame->OnCommand(1101);
    QFile::remove(exeDir + QStringLiteral("app.xml"));
    script.answers = { SaveAnswer::No };
    frame->OnCommand(705); // Exit runs the close path
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(script.questions.size(), 1u);
    EXPECT_TRUE(QFile::exists(exeDir + QStringLiteral("app.xml")));
    EXPECT_FALSE(QFile::exists(exeDir + QStringLiteral("default.led")));
}

TEST_F(MainFrameWindowTest, ALanguageWithoutItsFileEmptiesTheMenusButTheLanguageItems)
{
    QFile::remove(exeDir + QStringLiteral("language/german.ini"));
    frame->OnLanguageCommand(775);
    EXPECT_EQ(data.lan, 5);
    EXPECT_EQ(data.lanID, 1031);
    const QList<QAction*> languages = frame->languageMenu()->actions();
    for (int i = 0; i < languages.size(); ++i)
        EXPECT_EQ(languages[i]->isChecked(), i == 5);
    for (QAction* title : frame->menuBar()->actions()) {
        EXPECT_TRUE(title->text().isEmpty());
        for (QAction* item : title->menu()->actions())
            EXPECT_TRUE(item->menu() == frame->languageMenu() || item->text().isEmpty());
    }
    EXPECT_EQ(languages[5]->text(), QStringLiteral("&German(Deutsch)"));
    EXPECT_TRUE(frame->toolButton(1111)->text().isEmpty());
    EXPECT_EQ(tree().rootNode()->text(0), QStringLiteral("(0)"));
    EXPECT_TRUE(frame->previewPane()->previewDialog()->title().isEmpty());
}

TEST_F(MainFrameWindowTest, ALanguageSwitchRetextsMenusToolBarTreeAndPreview)
{
    frame->OnLanguageCommand(775);
    EXPECT_EQ(frame->menuBar()->actions().at(0)->text(), text(u"file"));
    EXPECT_EQ(menu(0)->actions().at(10)->text(), text(u"exit"));
    EXPECT_EQ(menu(3)->actions().at(8)->text(), text(u"setScreenPara"));
    EXPECT_EQ(menu(4)->actions().at(0)->menu(), frame->languageMenu());
    EXPECT_EQ(frame->toolButton(1100)->text(), text(u"search"));
    EXPECT_EQ(tree().rootNode()->text(0), rootLabel(0));
    EXPECT_EQ(frame->previewPane()->previewDialog()->title(), text(u"previewTitle"));
    EXPECT_EQ(frame->recentMenu()->actions().constLast()->text(), text(u"clearRecord"));
    EXPECT_NE(text(u"file"), QStringLiteral("File"));
}

TEST_F(MainFrameWindowTest, SaveAsNewAndOpenGoThroughTheDialogsAndTheRecentMenu)
{
    frame->OnCommand(1101);
    frame->OnCommand(1102);
    frame->OnCommand(622);
    script.savePath = exeDir + QStringLiteral("saved.led");
    frame->OnCommand(703);
    EXPECT_EQ(data.modified, 0);
    EXPECT_EQ(frame->recentMenu()->actions().constFirst()->text(), QStringLiteral("&1 saved.led"));

    frame->OnCommand(700);
    EXPECT_TRUE(data.programs.empty());
    EXPECT_EQ(tree().rootNode()->childCount(), 0);

    script.openPath = exeDir + QStringLiteral("saved.led");
    frame->OnCommand(701);
    EXPECT_EQ(data.programs.size(), 2u);
    EXPECT_EQ(tree().rootNode()->text(0), rootLabel(2));
    EXPECT_TRUE(frame->action(622)->isChecked());
    EXPECT_TRUE(frame->action(630 + data.bat)->isChecked());
    EXPECT_TRUE(script.questions.empty());
    EXPECT_TRUE(script.failures.empty());
}

} // namespace
} // namespace tessel::test

#include "MainFrameTest.moc"
