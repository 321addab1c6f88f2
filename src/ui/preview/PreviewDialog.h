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
    // The picture as rendered, one pixel per LED, whatever the zoom.
    QImage picture() const;

    int zoom() const;
    // Screen pixels per LED, kept within 1-16; the window is sized anew.
    void setZoom(int zoom);
    void zoomIn();
    void zoomOut();
    void actualSize();
    // The screen's width in LEDs: where the page marks go.
    void setPageColumns(int columns);
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
};

} // namespace tessel
