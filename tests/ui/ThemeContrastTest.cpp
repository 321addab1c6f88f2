// Every tool bar button's image stays legible under a light and a dark
// palette: most of what it draws reaches a contrast of 3 : 1 against the
// bar, also after the palette changes under a running window.
#include "MainFrameTestSupport.h"

#include "ui/device/ScreenParaDialog.h"
#include "ui/property/PropertyForm.h"
#include "ui/property/PropertyFormIds.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

namespace tessel::test {
namespace {

double luminance(QRgb colour)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) + 0.0722 * channel(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The share of the image's outline that reaches 3 : 1 against the
// background: the drawn pixels (at least half covering) next to undrawn
// ones, laid over the background. The outline carries the shape; paper
// inside it may be as light as the bar.
double legibleShare(const QIcon& icon, const QSize& size, const QColor& background)
{
    const QImage drawn = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
    QImage laid(drawn.size(), QImage::Format_RGB32);
    laid.fill(background);
    QPainter painter(&laid);
    painter.drawImage(0, 0, drawn);
    painter.end();
    const auto isDrawn = [&drawn](int x, int y) {
        return x >= 0 && y >= 0 && x < drawn.width() && y < drawn.height() && qAlpha(drawn.pixel(x, y)) >= 128;
    };
    int outline = 0;
    int legible = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            if (!isDrawn(x, y)
                || (isDrawn(x - 1, y) && isDrawn(x + 1, y) && isDrawn(x, y - 1) && isDrawn(x, y + 1)))
                continue;
            ++outline;
            if (contrast(laid.pixel(x, y), background.rgb()) >= 3.0)
                ++legible;
        }
    return outline == 0 ? 0.0 : static_cast<double>(legible) / outline;
}

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

} // namespace
} // namespace tessel::test
