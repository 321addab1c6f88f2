#include "ui/preview/PreviewForm.h"

#include "ui/preview/PreviewDialog.h"

namespace tessel {

PreviewForm::PreviewForm(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(171, 171, 171));
    setPalette(grey);
}

void PreviewForm::FirstSetUp()
{
    if (dialog_)
        return;
    dialog_ = new PreviewDialog(this);
    dialog_->show();
}

void PreviewForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (dialog_)
        dialog_->fitToPicture();
}

} // namespace tessel
