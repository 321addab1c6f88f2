#include "ui/PreviewDialog.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <algorithm>

namespace tessel {

namespace {

constexpr int TitleHeight = 20;
constexpr int Border = 2;
// A captioned window is never narrower than its caption needs.
constexpr int MinimumWidth = 120;

} // namespace

PreviewDialog::PreviewDialog(QWidget* parent)
    : QFrame(parent)
    , titleStrip_(new QLabel(this))
    , pictureLabel_(new QLabel(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(Border);
    // The client area is the picture; where the caption is wider, the rest
    // shows the preview pane's grey, never black that would pass for unlit LEDs.
    setAutoFillBackground(true);
    QPalette framePalette = palette();
    framePalette.setColor(QPalette::Window, QColor(171, 171, 171));
    setPalette(framePalette);

    titleStrip_->setAutoFillBackground(true);
    QPalette titlePalette = titleStrip_->palette();
    titlePalette.setColor(QPalette::Window, QColor(0, 84, 166));
    titlePalette.setColor(QPalette::WindowText, QColor(255, 255, 255));
    titleStrip_->setPalette(titlePalette);
    titleStrip_->setIndent(4);
    titleStrip_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    pictureLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitToPicture();
}

void PreviewDialog::setTitle(const QString& title)
{
    titleStrip_->setText(title);
    fitToPicture();
}

QString PreviewDialog::title() const
{
    return titleStrip_->text();
}

QImage PreviewDialog::picture() const
{
    return pictureLabel_->pixmap().toImage();
}

void PreviewDialog::ShowPreviewPicture(const QImage& picture)
{
    if (picture.isNull())
        return;
    pictureLabel_->setPixmap(QPixmap::fromImage(picture));
    fitToPicture();
}

void PreviewDialog::fitToPicture()
{
    const QSize pictureSize = pictureLabel_->pixmap().isNull() ? QSize(0, 0) : pictureLabel_->pixmap().size();
    const int titleWidth
        = titleStrip_->fontMetrics().horizontalAdvance(titleStrip_->text()) + 2 * titleStrip_->indent();
    const int clientWidth = std::max({ pictureSize.width(), titleWidth, MinimumWidth - 2 * Border });
    titleStrip_->setGeometry(Border, Border, clientWidth, TitleHeight);
    pictureLabel_->setGeometry(Border, Border + TitleHeight, pictureSize.width(), pictureSize.height());
    setGeometry(0, 0, clientWidth + 2 * Border, pictureSize.height() + TitleHeight + 2 * Border);
}

} // namespace tessel
