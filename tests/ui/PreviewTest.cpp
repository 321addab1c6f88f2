#include "MainFrameTestSupport.h"

#include "ui/preview/LedViewWidget.h"
#include "ui/preview/PreviewDialog.h"
#include "ui/preview/PreviewForm.h"
#include "ui/property/PropertyForm.h"

#include <QImage>
#include <QLabel>
#include <QTextEdit>

namespace tessel::test {
namespace {

class PreviewTest : public MainFrameTest {
protected:
    void startWith(uint8_t yIndex, uint16_t xIndex)
    {
        writeSettings([&](AppData& settings) {
            settings.screenPara.yIndex = yIndex;
            settings.screenPara.xIndex = xIndex;
        });
        start();
        ASSERT_TRUE(frame);
    }

    PreviewDialog& preview() const { return *frame->previewPane()->previewDialog(); }

    static bool allBlack(const QImage& picture)
    {
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if ((picture.pixel(x, y) & 0xFFFFFF) != 0)
                    return false;
        return true;
    }
};

TEST_F(PreviewTest, AnEmptyTextShowsABlackScreenOfTheDefaultGeometry)
{
    startWith(0, 1);
    frame->OnCommand(1101);
    frame->propertyPane()->visibleEditor()->clear();
    frame->RefreshPreview();
    const QImage picture = preview().picture();
    EXPECT_EQ(picture.size(), QSize(48, 12));
    EXPECT_TRUE(allBlack(picture));
    EXPECT_TRUE(QFile::exists(exeDir + QStringLiteral("pre.bmp")));
    EXPECT_EQ(preview().pos(), QPoint(0, 0));
    EXPECT_EQ(preview().title(), text(u"previewTitle"));
    const QWidget& pane = *frame->previewPane();
    EXPECT_EQ(pane.palette().color(pane.backgroundRole()), pane.palette().color(QPalette::Mid));
}

TEST_F(PreviewTest, SixteenRowsAndXIndexZeroGiveA16By48Screen)
{
    startWith(2, 0);
    frame->OnCommand(1101);
    frame->propertyPane()->visibleEditor()->clear();
    frame->RefreshPreview();
    EXPECT_EQ(preview().picture().size(), QSize(48, 16));
    frame->propertyPane()->visibleEditor()->setPlainText(QStringLiteral("Hi"));
    frame->RefreshPreview();
    const QImage picture = preview().picture();
    EXPECT_EQ(picture.height(), 16);
    EXPECT_FALSE(allBlack(picture));
    EXPECT_EQ(picture, QImage(exeDir + QStringLiteral("pre.bmp")).convertToFormat(picture.format()));
}

TEST_F(PreviewTest, KindsWithoutAPreviewLeaveThePreviousPicture)
{
    startWith(0, 1);
    frame->OnCommand(1101);
    frame->propertyPane()->visibleEditor()->setPlainText(QStringLiteral("Hi"));
    frame->RefreshPreview();
    const QImage before = preview().picture();
    frame->treePane()->AddProgramNode(ItemKind::Time);
    frame->RefreshPreview();
    EXPECT_EQ(preview().picture(), before);
}

TEST_F(PreviewTest, AnImageProgramShowsItsPictureAtFullSize)
{
    startWith(0, 1);
    QImage big(200, 30, QImage::Format_RGB32);
    big.fill(Qt::red);
    const QString path = exeDir + QStringLiteral("big.png");
    ASSERT_TRUE(big.save(path));
    frame->OnCommand(1102);
    Program* program = frame->treePane()->SelectedProgram();
    ASSERT_NE(program, nullptr);
    program->image()->fileName = path;
    frame->propertyPane()->ShowProgram(*program);
    frame->RefreshPreview();
    EXPECT_EQ(preview().picture().size(), QSize(200, 30));
    EXPECT_GE(preview().width(), 200);
    EXPECT_GE(preview().height(), 30);
}

TEST_F(PreviewTest, AnEmptyListShowsADarkScreenAndWritesNoPicture)
{
    startWith(0, 1);
    frame->RefreshPreview();
    EXPECT_EQ(preview().picture().size(), QSize(48, 12));
    EXPECT_TRUE(allBlack(preview().picture()));
    EXPECT_FALSE(QFile::exists(exeDir + QStringLiteral("pre.bmp")));
}

TEST(PreviewDialogTest, ACaptionWiderThanThePictureLeavesTheFormsGreyBesideIt)
{
    PreviewDialog dialog;
    dialog.setTitle(QStringLiteral("A caption much wider than the picture"));
    QImage picture(10, 12, QImage::Format_RGB32);
    picture.fill(qRgb(255, 0, 0));
    dialog.ShowPreviewPicture(picture);
    QWidget* shown = dialog.ledView();
    ASSERT_TRUE(shown);
    const QRect area(shown->mapTo(&dialog, QPoint(0, 0)), shown->size());
    ASSERT_EQ(area.size(), QSize(10, 12));
    ASSERT_GT(dialog.width(), area.right() + 10);
    const QImage window = dialog.grab().toImage();
    EXPECT_EQ(window.pixelColor(area.topLeft() + QPoint(4, 4)), QColor(255, 0, 0));
    for (const QPoint beside :
        { QPoint(area.right() + 5, area.top()), QPoint(area.right() + 5, area.center().y()) })
        EXPECT_EQ(window.pixelColor(beside).rgb(), dialog.palette().color(QPalette::Mid).rgb());
}

} // namespace
} // namespace tessel::test
