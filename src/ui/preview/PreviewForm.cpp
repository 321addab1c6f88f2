#include "ui/preview/PreviewForm.h"

#include "ui/preview/PreviewDialog.h"

#include <QEvent>

namespace tessel {

PreviewForm::PreviewForm(QWidget* parent)
    : QWidget(parent)
{
    // A grey of the palette in force around the picture, never black that
    // would pass for unlit LEDs.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Mid);
}

void PreviewForm::FirstSetUp()
{
    if (dialog_)
        return;
    dialog_ = new PreviewDialog(this);
    dialog_->show();
}

void PreviewForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange && dialog_)
        dialog_->fitToPicture();
}

void PreviewForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (dialog_)
        dialog_->fitToPicture();
}

} // namespace tessel
