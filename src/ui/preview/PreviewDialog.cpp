#include "ui/preview/PreviewDialog.h"

#include "render/LedView.h"
#include "ui/preview/LedViewWidget.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

namespace tessel {

namespace {

constexpr int TitleHeight = 20;
constexpr int Border = 2;
// A captioned window is never narrower than its caption needs.
constexpr int MinimumWidth = 120;
// One notch of a mouse wheel, in eighths of a degree.
constexpr int WheelNotch = 120;
// The smallest picture area kept when the pane is tiny.
constexpr int MinimumClient = 24;

} // namespace

PreviewDialog::PreviewDialog(QWidget* parent)
    : QFrame(parent)
    , titleStrip_(new QLabel(this))
    , scrollArea_(new QScrollArea(this))
    , view_(new LedViewWidget)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(Border);
    // The client area is the picture; where the caption is wider, the rest
    // shows the preview pane's grey, never black that would pass for unlit LEDs.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Mid);

    titleStrip_->setAutoFillBackground(true);
    titleStrip_->setBackgroundRole(QPalette::Highlight);
    titleStrip_->setForegroundRole(QPalette::HighlightedText);
    titleStrip_->setIndent(4);
    titleStrip_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidgetResizable(false);
    scrollArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scrollArea_->setWidget(view_);
    scrollArea_->viewport()->setAutoFillBackground(true);
    scrollArea_->viewport()->setBackgroundRole(QPalette::Mid);
    scrollArea_->viewport()->installEventFilter(this);
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
    return picture_;
}

QImage PreviewDialog::shownPicture() const
{
    return view_->picture();
}

void PreviewDialog::ShowPreviewPicture(const QImage& picture)
{
    if (picture.isNull())
        return;
    picture_ = picture;
    if (playing_)
        return;
    view_->setPicture(picture);
    fitToPicture();
}

void PreviewDialog::showPlaybackScreen(const QImage& leds)
{
    const bool resized = !playing_ || leds.size() != view_->picture().size();
    if (!playing_) {
        playing_ = true;
        view_->setPageColumns(0);
    }
    view_->setPicture(leds);
    if (resized)
        fitToPicture();
}

void PreviewDialog::showPicture()
{
    if (!playing_)
        return;
    playing_ = false;
    view_->setPageColumns(screen_.width());
    view_->setPicture(picture_);
    fitToPicture();
}

int PreviewDialog::zoom() const
{
    return view_->zoom();
}

void PreviewDialog::setZoom(int zoom)
{
    const bool wasFitted = std::exchange(fitted_, false);
    const int clamped = ClampPreviewZoom(zoom);
    if (clamped == view_->zoom()) {
        if (wasFitted)
            emit zoomChanged(clamped);
        return;
    }
    applyZoom(clamped);
}

void PreviewDialog::applyZoom(int zoom)
{
    view_->setZoom(zoom);
    fitToPicture();
    emit zoomChanged(zoom);
}

void PreviewDialog::fitToScreen()
{
    fitted_ = true;
    const int zoom = fittedZoom();
    if (zoom == view_->zoom()) {
        fitToPicture();
        emit zoomChanged(zoom);
        return;
    }
    applyZoom(zoom);
}

int PreviewDialog::fittedZoom() const
{
    const QWidget* pane = parentWidget();
    if (!pane || pane->size().isEmpty() || screen_.isEmpty())
        return view_->zoom();
    // Room for a scroll bar below a picture longer than the screen.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollArea_);
    const int width = pane->width() - 2 * Border;
    const int height = pane->height() - 2 * Border - TitleHeight - bar;
    return ClampPreviewZoom(std::min(width / screen_.width(), height / screen_.height()));
}

void PreviewDialog::zoomIn()
{
    setZoom(zoom() + 1);
}

void PreviewDialog::zoomOut()
{
    setZoom(zoom() - 1);
}

void PreviewDialog::actualSize()
{
    setZoom(MinPreviewZoom);
}

void PreviewDialog::setScreenSize(const QSize& screen)
{
    screen_ = screen;
    if (!playing_)
        view_->setPageColumns(screen.width());
    if (fitted_ && fittedZoom() != view_->zoom())
        applyZoom(fittedZoom());
}

void PreviewDialog::fitToPicture()
{
    // The fitted zoom follows the pane's size.
    if (fitted_) {
        if (const int zoom = fittedZoom(); zoom != view_->zoom()) {
            view_->setZoom(zoom);
            emit zoomChanged(zoom);
        }
    }
    const QSize pictureSize = view_->size();
    const int titleWidth
        = titleStrip_->fontMetrics().horizontalAdvance(titleStrip_->text()) + 2 * titleStrip_->indent();
    const int captionWidth = std::max(titleWidth, MinimumWidth - 2 * Border);
    // The pane bounds the window; the picture scrolls inside when larger.
    int maxWidth = QWIDGETSIZE_MAX;
    int maxHeight = QWIDGETSIZE_MAX;
    if (const QWidget* pane = parentWidget(); pane && !pane->size().isEmpty()) {
        maxWidth = std::max(MinimumClient, pane->width() - 2 * Border);
        maxHeight = std::max(MinimumClient, pane->height() - 2 * Border - TitleHeight);
    }
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollArea_);
    int width = pictureSize.width();
    int height = pictureSize.height();
    bool across = width > maxWidth;
    if (across)
        height += bar;
    const bool down = height > maxHeight;
    if (down) {
        width += bar;
        if (!across && width > maxWidth) {
            across = true;
            height += bar;
        }
    }
    const int clientWidth = std::max(std::min(width, maxWidth), captionWidth);
    const int clientHeight = std::min(height, maxHeight);
    titleStrip_->setGeometry(Border, Border, clientWidth, TitleHeight);
    scrollArea_->setGeometry(Border, Border + TitleHeight, clientWidth, clientHeight);
    // At the pane's top left; top right in a right-to-left window.
    const QRect frame(0, 0, clientWidth + 2 * Border, clientHeight + TitleHeight + 2 * Border);
    const QWidget* pane = parentWidget();
    setGeometry(pane ? QStyle::visualRect(pane->layoutDirection(), pane->rect(), frame) : frame);
}

bool PreviewDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == scrollArea_->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            // Fine-grained wheels and touch pads send fractions of a notch:
            // a zoom step is taken per whole notch.
            wheelSteps_ += wheel->angleDelta().y();
            while (wheelSteps_ >= WheelNotch) {
                wheelSteps_ -= WheelNotch;
                zoomIn();
            }
            while (wheelSteps_ <= -WheelNotch) {
                wheelSteps_ += WheelNotch;
                zoomOut();
            }
            wheel->accept();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace tessel
