// A small pop-up window with a label, "-", a slider and "+" that sets one
// spacing field of the selected text program and refreshes the preview on
// every change. It closes when the user clicks outside it, like a drop-down.
#pragma once

#include <QWidget>
#include <cstdint>

class QLabel;
class QPushButton;
class QSlider;

namespace tessel {

class LanguageTable;
class PropertyForm;
struct TextItem;

class SpacingPopup : public QWidget {
    Q_OBJECT
public:
    // Moves the window's top-left corner there, shows it and sets the
    // slider to the selected program's value (at most the top of the range).
    void showAt(const QPoint& topLeft);
    int value() const;
    void stepDown(); // "-"
    void stepUp(); // "+"

    QLabel* label() const { return label_; }
    QSlider* slider() const { return slider_; }
    QPushButton* minusButton() const { return minus_; }
    QPushButton* plusButton() const { return plus_; }

protected:
    struct Field {
        int maximum; // the slider runs from 0 to this value
        int shownBias; // the label shows value - shownBias
        const char16_t* textKey;
        uint8_t TextItem::*member;
    };

    SpacingPopup(PropertyForm& pane, const LanguageTable& texts, const Field& field, QWidget* parent);

private:
    void onValueChanged(int value);
    void showLabel(int value);
    void store(int value);

    PropertyForm& pane_;
    const LanguageTable& texts_;
    const Field field_;
    QLabel* label_ = nullptr;
    QPushButton* minus_ = nullptr;
    QSlider* slider_ = nullptr;
    QPushButton* plus_ = nullptr;
};

} // namespace tessel
