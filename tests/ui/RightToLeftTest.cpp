// In Arabic every window is mirrored: the panes, the tool bar and the menus
// run from the right, and the controls at fixed rectangles stand where the
// left-to-right window has them, counted from the other edge.
#include "MainFrameTestSupport.h"

#include "ui/dialogs/PasswordDialog.h"
#include "ui/mainframe/MenuIds.h"
#include "ui/mainframe/SendCostPane.h"
#include "ui/preview/PreviewDialog.h"
#include "ui/preview/PreviewForm.h"
#include "ui/property/InsertImageDialog.h"
#include "ui/property/InsertImageDialogPage.h"
#include "ui/property/PropertyForm.h"
#include "ui/property/PropertyFormIds.h"

#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QTest>
#include <QMenuBar>
#include <QLabel>
#include <QProgressBar>
#include <QTextLayout>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace tessel::test {
namespace {

constexpr int EnglishCommand = 773;
constexpr int ArabicCommand = 774;

// The rectangles of the widget's children that no layout places.
std::vector<std::pair<const QWidget*, QRect>> fixedRects(const QWidget& container)
{
    std::vector<std::pair<const QWidget*, QRect>> rects;
    for (const QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // A label never shown, that only names a list for screen readers, has no place.
        const auto* label = qobject_cast<const QLabel*>(child);
        if (label && label->isHidden() && label->buddy())
            continue;
        if (!child->isWindow() && (!container.layout() || container.layout()->indexOf(child) < 0))
            rects.emplace_back(child, child->geometry());
    }
    return rects;
}

// Each child of the mirrored container stands at the mirror image of its
// counterpart's rectangle.
void expectMirrored(const QWidget& mirrored, const QWidget& plain)
{
    ASSERT_EQ(mirrored.size(), plain.size());
    const auto left = fixedRects(plain);
    const auto right = fixedRects(mirrored);
    ASSERT_EQ(left.size(), right.size());
    ASSERT_FALSE(left.empty());
    for (size_t i = 0; i < left.size(); ++i)
        EXPECT_EQ(right[i].second, QStyle::visualRect(Qt::RightToLeft, plain.rect(), left[i].second))
            << right[i].first->metaObject()->className() << " " << i;
}

class RightToLeftTest : public MainFrameTest {
protected:
    void TearDown() override
    {
        MainFrameTest::TearDown();
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    void startIn(uint8_t lan, int32_t lanID)
    {
        writeSettings([lan, lanID](AppData& settings) {
            settings.lan = lan;
            settings.lanID = lanID;
        });
        start();
        ASSERT_TRUE(frame);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }

    QPoint globalPos(const QWidget& widget) const { return widget.mapToGlobal(QPoint(0, 0)); }

    // The property pane's controls and the formatting bar's buttons.
    std::vector<std::pair<const QWidget*, QRect>> paneRects() const
    {
        auto rects = fixedRects(*frame->propertyPane());
        const auto bar = fixedRects(*frame->propertyPane()->formatToolBar());
        rects.insert(rects.end(), bar.begin(), bar.end());
        return rects;
    }
};

TEST_F(RightToLeftTest, TheMainWindowIsMirroredInArabic)
{
    startIn(4, 1025);
    frame->OnCommand(1101);
    ASSERT_EQ(QApplication::layoutDirection(), Qt::RightToLeft);
    EXPECT_TRUE(frame->isRightToLeft());

    // The tree stands right of the preview, the tool bar and the menus begin at the right.
    EXPECT_GT(globalPos(*frame->treePane()).x(), globalPos(*frame->previewPane()).x());
    EXPECT_GT(frame->toolButton(1100)->x(), frame->toolButton(1111)->x());
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_GE(menus.size(), 2);
    EXPECT_GT(frame->menuBar()->actionGeometry(menus.front()).x(),
        frame->menuBar()->actionGeometry(menus.back()).x());
    // The preview's picture hangs from the pane's top right corner.
    const PreviewDialog& preview = *frame->previewPane()->previewDialog();
    EXPECT_EQ(preview.geometry().topRight(), QPoint(frame->previewPane()->width() - 1, 0));

    // Against the same window left to right, the pane's controls and the
    // formatting buttons are mirrored, not rearranged.
    const auto mirrored = paneRects();
    frame->setLayoutDirection(Qt::LeftToRight);
    const auto plain = paneRects();
    ASSERT_EQ(mirrored.size(), plain.size());
    for (size_t i = 0; i < plain.size(); ++i) {
        const QWidget* parent = plain[i].first->parentWidget();
        EXPECT_EQ(mirrored[i].second, QStyle::visualRect(Qt::RightToLeft, parent->rect(), plain[i].second))
            << plain[i].first->metaObject()->className() << " " << i;
    }
    EXPECT_EQ(preview.pos(), QPoint(0, 0));
}

// The send cost stays readable in a bar that fills from the right; its
// numbers read in the sentence's order.
TEST_F(RightToLeftTest, TheSendCostIsReadableInArabic)
{
    startIn(4, 1025);
    frame->OnCommand(1101);
    frame->costPane().update();
    QProgressBar& bar = *frame->progressBar();
    ASSERT_FALSE(bar.text().isEmpty());
    const QImage drawn = bar.grab().toImage();
    const int ground = drawn.pixelColor(drawn.width() / 2, 3).lightness();
    int inked = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = drawn.width() / 4; x < drawn.width() * 3 / 4; ++x)
            if (std::abs(drawn.pixelColor(x, y).lightness() - ground) > 100)
                ++inked;
    EXPECT_GT(inked, 30) << "the text is drawn in the colour of the bar";

    // Laid out right to left, the byte count stands right of the packet count.
    QTextLayout layout(bar.text(), bar.font());
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    const QString bytes = QString::number(frame->costPane().imageBytes());
    const QString packets = QString::number(frame->costPane().packets());
    ASSERT_NE(bytes, packets);
    EXPECT_GT(line.cursorToX(bar.text().indexOf(bytes)), line.cursorToX(bar.text().indexOf(packets)));
}

// The pane follows its width: mirrored, the controls keep their distance
// from the right edge.
TEST_F(RightToLeftTest, AWiderWindowKeepsTheControlsAtTheRightEdge)
{
    startIn(4, 1025);
    frame->OnCommand(1101);
    const QWidget& pane = *frame->propertyPane();
    const QWidget* name = pane.findChild<QLineEdit*>();
    ASSERT_TRUE(name);
    const int fromRight = pane.width() - name->geometry().right();
    frame->resize(frame->width() + 200, frame->height());
    QCoreApplication::processEvents();
    EXPECT_EQ(pane.width() - name->geometry().right(), fromRight);
}

TEST_F(RightToLeftTest, ChoosingArabicMirrorsTheWindowAndEnglishPutsItBack)
{
    startIn(3, 1033);
    frame->OnCommand(1101);
    EXPECT_FALSE(frame->isRightToLeft());
    const QRect bold = frame->propertyPane()->formatToolBar()->geometry();
    // The change of direction reaches the windows as a posted event.
    frame->OnLanguageCommand(ArabicCommand);
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame->isRightToLeft());
    EXPECT_TRUE(frame->propertyPane()->isRightToLeft());
    EXPECT_TRUE(waitUntil([this] { return globalPos(*frame->treePane()).x() > globalPos(*frame->previewPane()).x(); }, 1000));
    frame->OnLanguageCommand(EnglishCommand);
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->isRightToLeft());
    EXPECT_EQ(frame->propertyPane()->formatToolBar()->geometry(), bold);
    EXPECT_LT(globalPos(*frame->treePane()).x(), globalPos(*frame->previewPane()).x());
}

// Dialogs built in Arabic stand mirrored against the same dialog built left
// to right: the access prompt and the insert-icon pages.
TEST_F(RightToLeftTest, DialogsAreMirrored)
{
    startIn(4, 1025);
    PasswordDialog mirroredPrompt(texts, frame.get());
    const QString iconData = QStringLiteral(TESSEL_BIN_DIR "/");
    InsertImageDialog mirroredIcons(iconData);
    // The modeless insert-icon window follows a change of direction.
    InsertImageDialog plainIcons(iconData);
    plainIcons.setLayoutDirection(Qt::LeftToRight);
    mirroredIcons.show();
    plainIcons.show();
    for (int tab = 0; tab < 3; ++tab) {
        SCOPED_TRACE(tab);
        for (InsertImageDialog* dialog : { &mirroredIcons, &plainIcons })
            dialog->findChild<QTabWidget*>()->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        expectMirrored(*mirroredIcons.page(tab), *plainIcons.page(tab));
    }
    QApplication::setLayoutDirection(Qt::LeftToRight);
    PasswordDialog plainPrompt(texts, nullptr);
    expectMirrored(mirroredPrompt, plainPrompt);
}

} // namespace
} // namespace tessel::test
