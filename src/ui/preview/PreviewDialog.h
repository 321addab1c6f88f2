// The captioned window inside the preview pane that shows the preview
// picture at its top left as the badge's LEDs, one screen pixel per LED at
// zoom 1 and up to 16 at the highest zoom. It grows with the zoom and
// scrolls when it would be larger than the pane. It has no close button.
#pragma once

#include <QFrame>
#include <QImage>

class QLabel;
class QScrollArea;

namespace tessel {

class LedViewWidget;

class PreviewDialog : public QFrame {
    Q_OBJECT
public:
    explicit PreviewDialog(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;
    // Shows the picture and sizes the window to it; a null picture leaves the
    // previous one and the size as they are.
    void ShowPreviewPicture(const QImage& picture);
    // The picture as rendered, one pixel per LED, whatever the zoom; the
    // preview's own picture also while a playback is shown.
    QImage picture() const;
    // A screen of a playback, shown in place of the picture until showPicture.
    void showPlaybackScreen(const QImage& leds);
    // The picture again after a playback.
    void showPicture();
    // What the view shows now: the picture or a playback's screen.
    QImage shownPicture() const;

    int zoom() const;
    // Screen pixels per LED, kept within 1-16; the window is sized anew. A
    // zoom the user sets leaves the fitted zoom.
    void setZoom(int zoom);
    void zoomIn();
    void zoomOut();
    void actualSize();
    // The largest zoom that shows the whole screen in the pane, kept so
    // while the pane is resized, until a zoom is set.
    void fitToScreen();
    bool fitted() const { return fitted_; }
    // The screen in LEDs: where the page marks go, and what the fitted zoom shows.
    void setScreenSize(const QSize& screen);
    // Sizes the window to the zoomed picture within the pane.
    void fitToPicture();

    QScrollArea* scrollArea() const { return scrollArea_; }
    LedViewWidget* ledView() const { return view_; }

signals:
    void zoomChanged(int zoom);

protected:
    // Ctrl+wheel over the picture zooms.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* titleStrip_;
    QScrollArea* scrollArea_;
    LedViewWidget* view_; // identifier 3322
    int wheelSteps_ = 0; // wheel eighths of a degree not yet turned into zoom steps
    void applyZoom(int zoom);
    int fittedZoom() const;
    QImage picture_; // the preview's own, also while a playback is shown
    QSize screen_;
    bool fitted_ = false;
    bool playing_ = false;
};

} // namespace tessel
