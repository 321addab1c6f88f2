// A picture shown as the badge's LEDs at a zoom, drawn only where the
// window needs it, so a long strip at a high zoom stays cheap.
#pragma once

#include <QImage>
#include <QWidget>

namespace tessel {

class LedViewWidget : public QWidget {
    Q_OBJECT
public:
    explicit LedViewWidget(QWidget* parent = nullptr);

    // Each sets the widget's size to the zoomed picture and redraws.
    void setPicture(const QImage& picture);
    void setZoom(int zoom);
    // The screen's width in LEDs, where the page marks go (0: none).
    void setPageColumns(int columns);

    const QImage& picture() const { return picture_; }
    int zoom() const { return zoom_; }
    int pageColumns() const { return pageColumns_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToZoom();

    QImage picture_;
    int zoom_ = 1;
    int pageColumns_ = 0;
};

} // namespace tessel
