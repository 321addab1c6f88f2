#include "ui/ElidedLabel.h"

namespace tessel {

namespace {

// Room kept free at the pane's sides.
constexpr int TextMargin = 4;

} // namespace

ElidedLabel::ElidedLabel(QWidget* parent)
    : QLabel(parent)
{
}

void ElidedLabel::setFullText(const QString& text)
{
    fullText_ = text;
    showFitting();
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    showFitting();
}

void ElidedLabel::showFitting()
{
    const QString shown
        = fontMetrics().elidedText(fullText_, Qt::ElideMiddle, contentsRect().width() - 2 * TextMargin);
    setText(shown);
    cut_ = shown != fullText_;
    setToolTip(cut_ ? fullText_ : QString());
    emit shownChanged();
}

} // namespace tessel
