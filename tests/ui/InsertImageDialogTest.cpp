// The insert-icon window: the layout of its pages from the files of the
// icon library, its tabs, the cursor, and inserting a code at the caret.
#include "PropertyFormTest.h"

#include "ui/property/InsertImageDialog.h"
#include "ui/property/InsertImageDialogPage.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QAbstractButton>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTemporaryDir>
#include <initializer_list>

namespace tessel::testing {
namespace {

// An application folder whose icon library holds the named files.
class IconLibrary {
public:
    void add(int size, const QString& name)
    {
        const QString folder = root_.filePath(QStringLiteral("image/%1").arg(size));
        QDir().mkpath(folder);
        QImage icon(size, size, QImage::Format_RGB32);
        icon.fill(Qt::red);
        icon.save(folder + QLatin1Char('/') + name, "BMP");
    }
    QString exeDir() const { return root_.path() + QLatin1Char('/'); }

private:
    QTemporaryDir root_;
};

void click(QWidget* target)
{
    const QPointF inside(3, 3);
    QMouseEvent press(QEvent::MouseButtonPress, inside, target->mapToGlobal(inside), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, target->mapToGlobal(inside), Qt::LeftButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

TEST(InsertImageDialogPageTest, TheSmallPageOffersOnePositionPerFile)
{
    IconLibrary library;
    for (int number = 0; number < 12; ++number)
        library.add(12, QStringLiteral("[A%1].bmp").arg(number, 3, 10, QLatin1Char('0')));
    InsertImageDialogPage page(12, library.exeDir());
    EXPECT_EQ(page.positionCount(), 12);
    ASSERT_NE(page.iconAt(10), nullptr);
    EXPECT_EQ(page.iconAt(9)->geometry(), QRect(6 + 9 * 24, 6, 12, 12));
    EXPECT_EQ(page.iconAt(10)->geometry(), QRect(6, 30, 12, 12));
    EXPECT_EQ(page.iconAt(11)->geometry(), QRect(30, 30, 12, 12));
    EXPECT_EQ(page.iconAt(12), nullptr);
    QString inserted;
    QObject::connect(
        &page, &InsertImageDialogPage::iconClicked, [&](const QString& code) { inserted = code; });
    click(page.iconAt(10));
    EXPECT_EQ(inserted, u"[A010]"_qs);
}

TEST(InsertImageDialogPageTest, NumbersFromOneLeaveTheLastFileOut)
{
    IconLibrary library;
    for (int number = 1; number <= 12; ++number)
        library.add(12, QStringLiteral("[A%1].bmp").arg(number, 3, 10, QLatin1Char('0')));
    library.add(12, u"notes.txt"_qs);
    InsertImageDialogPage page(12, library.exeDir());
    EXPECT_EQ(page.positionCount(), 12);
    EXPECT_EQ(page.iconAt(0), nullptr);
    EXPECT_EQ(page.iconAt(1)->pos(), QPoint(6, 6)); // no gap for [A000]
    EXPECT_EQ(page.iconAt(9)->pos(), QPoint(6 + 8 * 24, 6));
    EXPECT_EQ(page.iconAt(10)->pos(), QPoint(6, 30));
    EXPECT_EQ(page.iconAt(11)->pos(), QPoint(30, 30));
    EXPECT_EQ(page.findChildren<QAbstractButton*>().size(), 11);
}

TEST(InsertImageDialogPageTest, TheLargerPagesLookAtAllHundredNumbers)
{
    IconLibrary library;
    library.add(14, u"[B003].bmp"_qs);
    library.add(14, u"[B050].bmp"_qs);
    InsertImageDialogPage page(14, library.exeDir());
    EXPECT_EQ(page.positionCount(), 100);
    EXPECT_EQ(page.iconAt(3)->geometry(), QRect(5, 5, 14, 14));
    EXPECT_EQ(page.iconAt(50)->geometry(), QRect(5, 5 + 5 * 24, 14, 14));
    EXPECT_EQ(page.findChildren<QAbstractButton*>().size(), 2);
    EXPECT_EQ(page.codeAt(50), u"[B050]"_qs);
}

TEST(InsertImageDialogPageTest, AMissingFolderGivesAnEmptyPage)
{
    IconLibrary library;
    InsertImageDialogPage small(12, library.exeDir());
    InsertImageDialogPage large(16, library.exeDir());
    EXPECT_EQ(small.positionCount(), 0);
    EXPECT_TRUE(large.findChildren<QAbstractButton*>().isEmpty());
}

TEST(InsertImageDialogPageTest, TheHandShowsOverIconsOnly)
{
    IconLibrary library;
    library.add(16, u"[C000].bmp"_qs);
    library.add(16, u"[C001].bmp"_qs);
    InsertImageDialogPage page(16, library.exeDir());
    EXPECT_EQ(page.iconAt(0)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(page.iconAt(1)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(page.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(page.childAt(5 + 16 + 2, 5 + 4), nullptr); // between the two icons
}

using InsertImageDialogTest = PaneTest;

TEST_F(InsertImageDialogTest, TheWindowOpensOnTheTabOfTheScreenHeight)
{
    data.screenPara.yIndex = 2;
    build();
    add(ItemKind::Text);
    pane->formatAction(InsertIconCommand)->trigger();
    InsertImageDialog* dialog = pane->insertIconDialog();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->size(), QSize(260, 277));
    EXPECT_EQ(dialog->windowTitle(), texts.text(u"insertImage"));
    EXPECT_EQ(dialog->tabs()->currentIndex(), 2);
    EXPECT_EQ(dialog->tabs()->tabText(2), u"16*16"_qs);
    EXPECT_TRUE(dialog->page(2)->isVisible());
    EXPECT_FALSE(dialog->page(0)->isVisible());
    dialog->tabs()->setCurrentIndex(0);
    EXPECT_TRUE(dialog->page(0)->isVisible());
    EXPECT_FALSE(dialog->page(2)->isVisible());
    EXPECT_EQ(dialog->page(0)->geometry(), QRect(10, 27, 240, 240));
}

TEST_F(InsertImageDialogTest, AClickedIconReplacesTheSelectionAndTheWindowStaysOpen)
{
    build();
    Program& program = add(ItemKind::Text);
    pane->formatAction(InsertIconCommand)->trigger();
    InsertImageDialogPage* page = pane->insertIconDialog()->page(0);
    ASSERT_GE(page->positionCount(), 3); // the library built beside the binaries
    QTextCursor cursor(editor()->document());
    cursor.setPosition(3);
    cursor.setPosition(5, QTextCursor::KeepAnchor); // "co"
    editor()->setTextCursor(cursor);
    const int before = refreshes;
    click(page->iconAt(2));
    click(page->iconAt(1));
    EXPECT_EQ(editor()->toPlainText(), u"Wel[A002][A001]me"_qs);
    EXPECT_EQ(editor()->textCursor().position(), 15);
    EXPECT_TRUE(pane->insertIconDialog()->isVisible());
    EXPECT_GT(refreshes, before);
    EXPECT_EQ(program.summary, u"Wel[A002][A001]me"_qs);
}

TEST_F(InsertImageDialogTest, AnOpenWindowLeavesOtherKindsAlone)
{
    build();
    add(ItemKind::Text);
    pane->formatAction(InsertIconCommand)->trigger();
    Program& image = add(ItemKind::Image);
    data.modified = 0;
    click(pane->insertIconDialog()->page(0)->iconAt(0));
    EXPECT_TRUE(image.summary.isEmpty());
    EXPECT_EQ(data.modified, 0);
}

} // namespace
} // namespace tessel::testing
