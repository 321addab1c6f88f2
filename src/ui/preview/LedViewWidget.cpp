#include "ui/preview/LedViewWidget.h"

#include "render/LedView.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace tessel {

LedViewWidget::LedViewWidget(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitToZoom();
}

void LedViewWidget::setPicture(const QImage& picture)
{
    picture_ = picture;
    fitToZoom();
    update();
}

void LedViewWidget::setZoom(int zoom)
{
    zoom_ = ClampPreviewZoom(zoom);
    fitToZoom();
    update();
}

void LedViewWidget::setPageColumns(int columns)
{
    pageColumns_ = std::max(0, columns);
    update();
}

void LedViewWidget::fitToZoom()
{
    const QSize size = LedViewSize(picture_.size(), zoom_);
    setFixedSize(size.isEmpty() ? QSize(0, 0) : size);
}

void LedViewWidget::paintEvent(QPaintEvent* event)
{
    const QRect area = event->rect();
    QPainter painter(this);
    painter.fillRect(area, Qt::black);
    const QImage part = DrawLedView(picture_, zoom_, pageColumns_, area);
    if (!part.isNull())
        painter.drawImage(area.topLeft(), part);
}

} // namespace tessel
