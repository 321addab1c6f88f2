// The picture import dialog: live conversion, and what the image program
// gets for a chosen picture.
#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "render/LedPicture.h"
#include "ui/preview/LedViewWidget.h"
#include "ui/dialogs/PictureImportDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tessel;

namespace {

QImage grey(int width, int height, int level)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(level, level, level));
    return picture;
}

int litCount(const QImage& picture)
{
    int lit = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            lit += qRed(picture.pixel(x, y)) == 255;
    return lit;
}

// Presses OK or Cancel of the dialog that opens next.
void answerNextDialog(QDialogButtonBox::StandardButton button, int threshold = -1)
{
    QTimer::singleShot(0, [button, threshold] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<PictureImportDialog*>(window); dialog && dialog->isVisible()) {
                if (threshold >= 0)
                    dialog->thresholdSlider()->setValue(threshold);
                dialog->buttons()->button(button)->click();
            }
    });
}

class PictureImportDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        data.paths = PortablePaths(folder.path() + u'/');
        QDir().mkpath(folder.filePath(QStringLiteral("lists")));
        data.currentPath = folder.filePath(QStringLiteral("lists/badge.led"));
    }

    QTemporaryDir folder;
    AppData data; // 12 rows, one plane
    LanguageTable texts;
};

} // namespace

TEST_F(PictureImportDialogTest, TheSwitchesAndTheSliderRedrawTheConversion)
{
    LedPictureOptions options;
    options.rows = 12;
    PictureImportDialog dialog(grey(30, 12, 100), options, 48, texts);
    EXPECT_EQ(litCount(dialog.converted()), 0);
    dialog.thresholdSlider()->setValue(90);
    EXPECT_EQ(litCount(dialog.converted()), 30 * 12);
    EXPECT_EQ(dialog.ledView()->picture(), dialog.converted());
    dialog.invertSwitch()->setChecked(true); // 155 is above 90 as well
    EXPECT_EQ(litCount(dialog.converted()), 30 * 12);
    dialog.thresholdSlider()->setValue(128);
    dialog.invertSwitch()->setChecked(false);
    dialog.ditherSwitch()->setChecked(true);
    const int dithered = litCount(dialog.converted());
    EXPECT_GT(dithered, 0);
    EXPECT_LT(dithered, 30 * 12);
    EXPECT_EQ(dialog.options().dithering, Dithering::ErrorDiffusion);
}

TEST_F(PictureImportDialogTest, OkWritesANewBmpBesideTheListAndKeepsTheOriginal)
{
    const QString photo = folder.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(grey(60, 40, 200).save(photo));
    const QByteArray original = [&] {
        QFile file(photo);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    answerNextDialog(QDialogButtonBox::Ok);
    const QString first = PictureImportDialog::pictureFor(nullptr, data, texts, photo);
    EXPECT_EQ(first, folder.filePath(QStringLiteral("lists/photo-led.bmp")));
    EXPECT_TRUE(PictureFileIsLedReady(first, 12, 0));
    EXPECT_EQ(QImage(first).size(), QSize(18, 12));

    // A second import never replaces the first.
    answerNextDialog(QDialogButtonBox::Ok);
    EXPECT_EQ(PictureImportDialog::pictureFor(nullptr, data, texts, photo),
        folder.filePath(QStringLiteral("lists/photo-led-2.bmp")));

    answerNextDialog(QDialogButtonBox::Cancel);
    EXPECT_TRUE(PictureImportDialog::pictureFor(nullptr, data, texts, photo).isEmpty());
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("lists/photo-led-3.bmp"))));

    QFile file(photo);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), original);

    // A converted picture is ready: it is taken as it is, without a dialog.
    EXPECT_EQ(PictureImportDialog::pictureFor(nullptr, data, texts, first), first);
}
