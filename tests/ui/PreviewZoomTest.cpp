// The zoomable LED preview: the View menu, its keys, Ctrl+wheel, the window
// following the zoom within its pane, and the zoom kept in the settings.
#include "MainFrameTestSupport.h"

#include "ui/preview/LedViewWidget.h"
#include "ui/mainframe/MenuIds.h"
#include "ui/preview/PreviewDialog.h"
#include "ui/preview/PreviewForm.h"
#include "ui/property/PropertyForm.h"

#include <QAction>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QWheelEvent>

namespace tessel::test {
namespace {

class PreviewZoomTest : public MainFrameTest {
protected:
    void startWithZoom(int zoom)
    {
        writeSettings([&](AppData& settings) { settings.previewZoom = uint8_t(zoom); });
        start();
        ASSERT_TRUE(frame);
        frame->OnCommand(1101);
        frame->propertyPane()->visibleEditor()->setPlainText(QStringLiteral("Hello, this is the badge"));
        frame->RefreshPreview();
    }

    PreviewDialog& preview() const { return *frame->previewPane()->previewDialog(); }

    void wheel(int delta, Qt::KeyboardModifiers modifiers)
    {
        QWidget* viewport = preview().scrollArea()->viewport();
        const QPointF at(5, 5);
        QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    }
};

} // namespace

TEST_F(PreviewZoomTest, MenuItemsStepTheZoomWithinItsRangeAndTheSettingFollows)
{
    startWithZoom(1);
    EXPECT_EQ(preview().zoom(), 1);
    const QSize picture = preview().picture().size();
    ASSERT_EQ(picture.height(), 12);
    EXPECT_EQ(preview().ledView()->size(), picture); // one pixel per LED
    EXPECT_EQ(preview().height(), 12 + 24); // with the caption and the border
    EXPECT_FALSE(frame->action(ViewZoomOutCommand)->isEnabled());

    frame->OnCommand(ViewZoomInCommand);
    frame->OnCommand(ViewZoomInCommand);
    frame->OnCommand(ViewZoomInCommand);
    EXPECT_EQ(preview().zoom(), 4);
    EXPECT_EQ(data.previewZoom, 4);
    EXPECT_EQ(preview().ledView()->size(), picture * 4);
    EXPECT_EQ(preview().picture().size(), picture); // the rendered picture is unchanged

    for (int i = 0; i < 20; ++i)
        frame->OnCommand(ViewZoomInCommand);
    EXPECT_EQ(preview().zoom(), 16);
    EXPECT_FALSE(frame->action(ViewZoomInCommand)->isEnabled());
    frame->OnCommand(ViewZoomOutCommand);
    EXPECT_EQ(data.previewZoom, 15);
    frame->OnCommand(ViewActualSizeCommand);
    EXPECT_EQ(preview().zoom(), 1);
    EXPECT_EQ(data.previewZoom, 1);
}

TEST_F(PreviewZoomTest, TheKeysAreTheUsualZoomKeys)
{
    startWithZoom(1);
    const QList<QKeySequence> in = frame->action(ViewZoomInCommand)->shortcuts();
    EXPECT_TRUE(in.contains(QKeySequence(QStringLiteral("Ctrl++"))));
    EXPECT_TRUE(in.contains(QKeySequence(QStringLiteral("Ctrl+="))));
    EXPECT_EQ(frame->action(ViewZoomOutCommand)->shortcut(), QKeySequence(QStringLiteral("Ctrl+-")));
    EXPECT_EQ(frame->action(ViewActualSizeCommand)->shortcut(), QKeySequence(QStringLiteral("Ctrl+0")));
    EXPECT_EQ(frame->action(ViewZoomInCommand)->text(), text(u"zoomIn"));
}

TEST_F(PreviewZoomTest, CtrlWheelZoomsAndAPlainWheelDoesNot)
{
    startWithZoom(3);
    EXPECT_EQ(preview().zoom(), 3); // from the settings
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(preview().zoom(), 4);
    wheel(-240, Qt::ControlModifier);
    EXPECT_EQ(preview().zoom(), 2);
    wheel(60, Qt::ControlModifier); // half a notch: not yet a step
    EXPECT_EQ(preview().zoom(), 2);
    wheel(60, Qt::ControlModifier);
    EXPECT_EQ(preview().zoom(), 3);
    wheel(120, Qt::NoModifier);
    EXPECT_EQ(preview().zoom(), 3);
    EXPECT_EQ(data.previewZoom, 3);
}

TEST_F(PreviewZoomTest, ALargeZoomScrollsWithinThePane)
{
    startWithZoom(16);
    const QSize pane = frame->previewPane()->size();
    ASSERT_GT(preview().picture().width() * 16, pane.width());
    EXPECT_LE(preview().width(), pane.width());
    EXPECT_LE(preview().height(), pane.height());
    EXPECT_TRUE(preview().scrollArea()->horizontalScrollBar()->isVisibleTo(&preview()));

    frame->OnCommand(ViewActualSizeCommand);
    EXPECT_EQ(preview().height(), 12 + 24);
    EXPECT_FALSE(preview().scrollArea()->horizontalScrollBar()->isVisibleTo(&preview()));
}

} // namespace tessel::test
