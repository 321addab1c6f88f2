// A push button that shows a colour as a swatch and lets the user choose
// another one with the platform's colour dialog.
#pragma once

#include <QColor>
#include <QPushButton>
#include <cstdint>
#include <functional>

namespace tessel {

class ColourPickerButton : public QPushButton {
    Q_OBJECT
public:
    // Asks for a colour starting from the given one; an invalid colour is a
    // cancel. Replaceable so that tests can choose.
    using Chooser = std::function<QColor(const QColor& initial, QWidget* parent)>;

    explicit ColourPickerButton(QWidget* parent = nullptr);

    void setChooser(Chooser chooser);
    // The colour as 0x00BBGGRR.
    void setColour(uint32_t colour);
    uint32_t colour() const;

signals:
    // The user chose a colour (also the one shown before).
    void colourChosen();

protected:
    void changeEvent(QEvent* event) override;

private:
    void choose();
    void showSwatch();

    uint32_t colour_ = 0;
    Chooser chooser_;
};

} // namespace tessel
