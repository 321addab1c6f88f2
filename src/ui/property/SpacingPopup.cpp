#include "ui/property/SpacingPopup.h"

#include "i18n/LanguageTable.h"
#include "model/Program.h"
#include "ui/AccessibleNames.h"
#include "ui/property/PropertyForm.h"
#include "ui/MirroredPlacement.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

namespace tessel {

SpacingPopup::SpacingPopup(
    PropertyForm& pane, const LanguageTable& texts, const Field& field, QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint)
    , pane_(pane)
    , texts_(texts)
    , field_(field)
{
    setFixedSize(200, 60);
    label_ = new QLabel(this);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label_->setGeometry(10, 10, 120, 20);
    minus_ = new QPushButton(QStringLiteral("-"), this);
    minus_->setGeometry(10, 35, 20, 20);
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setRange(0, field.maximum);
    slider_->setTickPosition(QSlider::NoTicks);
    slider_->setGeometry(35, 35, 130, 20);
    plus_ = new QPushButton(QStringLiteral("+"), this);
    plus_->setGeometry(170, 35, 20, 20);
    connect(minus_, &QPushButton::clicked, this, &SpacingPopup::stepDown);
    connect(plus_, &QPushButton::clicked, this, &SpacingPopup::stepUp);
    connect(slider_, &QSlider::valueChanged, this, &SpacingPopup::onValueChanged);
    showLabel(slider_->value());
    new MirroredPlacement(*this);
}

// A stored value beyond the range (from a file) is cut to the top of the
// range, and the cut value is what the program keeps.
void SpacingPopup::showAt(const QPoint& topLeft)
{
    move(topLeft);
    show();
    const Program* program = pane_.selectedProgram();
    const TextItem* item = program ? program->text() : nullptr;
    if (!item) {
        showLabel(slider_->value());
        return;
    }
    const int stored = item->*field_.member;
    const int value = std::min(stored, field_.maximum);
    {
        const QSignalBlocker blocker(slider_);
        slider_->setValue(value);
    }
    showLabel(value);
    if (value != stored)
        store(value);
}

int SpacingPopup::value() const
{
    return slider_->value();
}

void SpacingPopup::stepDown()
{
    if (slider_->value() > 0)
        slider_->setValue(slider_->value() - 1);
}

void SpacingPopup::stepUp()
{
    if (slider_->value() < field_.maximum)
        slider_->setValue(slider_->value() + 1);
}

void SpacingPopup::onValueChanged(int value)
{
    showLabel(value);
    store(value);
}

void SpacingPopup::showLabel(int value)
{
    label_->setText(texts_.text(field_.textKey) + QString::number(value - field_.shownBias));
    // The slider is read out by the label's words, without the value it shows.
    slider_->setAccessibleName(nameFromLabel(texts_.text(field_.textKey)));
}

// Only a program the pane has loaded completely takes the value.
void SpacingPopup::store(int value)
{
    if (!pane_.loaded())
        return;
    Program* program = pane_.selectedProgram();
    TextItem* item = program ? program->text() : nullptr;
    if (!item)
        return;
    item->*field_.member = static_cast<uint8_t>(value);
    pane_.markModified();
    pane_.refreshPreview();
}

} // namespace tessel
