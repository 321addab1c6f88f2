// The captioned window inside the preview pane that shows the preview
// picture, one screen pixel per LED, at its top left. It has no close button.
#pragma once

#include <QFrame>

class QImage;
class QLabel;

namespace tessel {

class PreviewDialog : public QFrame {
    Q_OBJECT
public:
    explicit PreviewDialog(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;
    // Shows the picture and sizes the window to it; a null picture leaves the
    // previous one and the size as they are.
    void ShowPreviewPicture(const QImage& picture);
    QImage picture() const;

private:
    void fitToPicture();

    QLabel* titleStrip_;
    QLabel* pictureLabel_; // identifier 3322
};

} // namespace tessel
