// Every tool bar button's image stays legible under a light and a dark
// palette: most of what it draws reaches a contrast of 3 : 1 against the
// bar, also after the palette changes under a running window.
#include "MainFrameTestSupport.h"

#include "ui/IconContrast.h"
#include "ui/ThemedIcon.h"
#include "ui/device/ScreenParaDialog.h"
#include "ui/property/PropertyForm.h"
#include "ui/property/PropertyFormIds.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QToolBar>
#include <QToolButton>
#include <QTemporaryDir>

namespace tessel::test {
namespace {

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 238));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    dark.setColor(QPalette::Text, QColor(238, 238, 238));
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 238));
    dark.setColor(QPalette::Light, QColor(90, 90, 90));
    dark.setColor(QPalette::Midlight, QColor(70, 70, 70));
    dark.setColor(QPalette::Mid, QColor(40, 40, 40));
    dark.setColor(QPalette::Dark, QColor(25, 25, 25));
    dark.setColor(QPalette::Shadow, QColor(10, 10, 10));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    return dark;
}

class ThemeContrastTest : public StartedMainFrameTest {
protected:
    void SetUp() override
    {
        // The program's own drawings are under test, not the machine's icon theme.
        themePaths_ = QIcon::themeSearchPaths();
        themeName_ = QIcon::themeName();
        QIcon::setThemeSearchPaths({});
        QIcon::setThemeName(QString());
        savedStyle_ = QApplication::style()->name();
        savedPalette_ = QApplication::palette();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(QApplication::style()->standardPalette());
        StartedMainFrameTest::SetUp();
    }

    void TearDown() override
    {
        StartedMainFrameTest::TearDown();
        QApplication::setStyle(QStyleFactory::create(savedStyle_));
        QApplication::setPalette(savedPalette_);
        QIcon::setThemeSearchPaths(themePaths_);
        QIcon::setThemeName(themeName_);
    }

    // Every button of the bar, hidden ones too, against the bar's window colour.
    void expectLegible(const QWidget& bar, const char* palette)
    {
        const QColor background = bar.palette().color(QPalette::Window);
        const QList<QToolButton*> buttons = bar.findChildren<QToolButton*>();
        int checked = 0;
        for (const QToolButton* button : buttons) {
            if (!button->defaultAction() || button->icon().isNull())
                continue;
            ++checked;
            EXPECT_GE(legibleShare(button->icon(), button->iconSize(), background), 0.5)
                << palette << " palette, button \"" << button->text().toStdString() << "\" of "
                << bar.objectName().toStdString();
        }
        EXPECT_GT(checked, 0) << bar.objectName().toStdString();
    }

    void expectEveryBarLegible(const char* palette)
    {
        expectLegible(*frame->mainToolBar(), palette);
        QWidget* formatBar = frame->propertyPane()->formatToolBar();
        formatBar->setObjectName(QStringLiteral("formatToolBar"));
        expectLegible(*formatBar, palette);
        ScreenParaDialog dialog(data, texts, *link, frame.get());
        const QList<QToolBar*> bars = dialog.findChildren<QToolBar*>();
        ASSERT_EQ(bars.size(), 1);
        bars.front()->setObjectName(QStringLiteral("screenParaToolBar"));
        expectLegible(*bars.front(), palette);
    }

    // Outside a running event loop Qt does not hand an application palette
    // to the windows already there; a desktop theme change reaches them as
    // this does.
    void usePalette(const QPalette& palette)
    {
        QApplication::setPalette(palette);
        frame->setPalette(palette);
    }

    QStringList themePaths_;
    QString themeName_;
    QString savedStyle_;
    QPalette savedPalette_;
};

TEST_F(ThemeContrastTest, EveryToolBarImageStaysLegibleInALightAndADarkPalette)
{
    expectEveryBarLegible("light");
    // The running window redraws its images for the new palette.
    usePalette(darkPalette());
    expectEveryBarLegible("dark");
    usePalette(QApplication::style()->standardPalette());
    expectEveryBarLegible("light again");
}

// The tree's images lie on the list's base colour.
TEST_F(ThemeContrastTest, TheTreeImagesFollowThePalette)
{
    frame->OnCommand(1101);
    frame->OnCommand(1102);
    for (const QPalette& palette : { QApplication::style()->standardPalette(), darkPalette() }) {
        usePalette(palette);
        const QColor base = tree().palette().color(QPalette::Base);
        QTreeWidgetItem* root = tree().rootNode();
        EXPECT_GE(legibleShare(root->icon(0), tree().iconSize(), base), 0.5);
        for (int i = 0; i < root->childCount(); ++i)
            EXPECT_GE(legibleShare(root->child(i)->icon(0), tree().iconSize(), base), 0.5) << i;
    }
}

// A theme drawn for light bars only (dark glyphs) keeps its images on a
// light bar and gives way to the program's own drawing on a dark one.
TEST_F(ThemeContrastTest, AThemeImageThatVanishesOnTheBarGivesWay)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString theme = folder.filePath(QStringLiteral("lightonly"));
    ASSERT_TRUE(QDir().mkpath(theme + QStringLiteral("/24x24/actions")));
    QFile index(theme + QStringLiteral("/index.theme"));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=lightonly\nDirectories=24x24/actions\n\n"
                "[24x24/actions]\nSize=24\nType=Fixed\n");
    index.close();
    QImage glyph(24, 24, QImage::Format_ARGB32);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.fillRect(QRect(6, 4, 12, 16), QColor(46, 52, 54));
    painter.end();
    ASSERT_TRUE(glyph.save(theme + QStringLiteral("/24x24/actions/format-text-bold.png")));
    QIcon::setThemeSearchPaths({ folder.path() });
    QIcon::setThemeName(QStringLiteral("lightonly"));
    ASSERT_TRUE(QIcon::hasThemeIcon(QStringLiteral("format-text-bold")));

    const auto centre = [](const QIcon& icon) { return icon.pixmap(24, 24).toImage().pixelColor(12, 12); };
    const QPalette light = QApplication::style()->standardPalette();
    const QIcon onLight = themedIcon(QStringLiteral("format-text-bold"), QStringLiteral(":/format/bold.svg"), light);
    EXPECT_EQ(centre(onLight), QColor(46, 52, 54));
    const QIcon onDark
        = themedIcon(QStringLiteral("format-text-bold"), QStringLiteral(":/format/bold.svg"), darkPalette());
    EXPECT_NE(centre(onDark), QColor(46, 52, 54));
    EXPECT_TRUE(isLegible(onDark, QSize(24, 24), darkPalette().color(QPalette::Window)));
}

} // namespace
} // namespace tessel::test
