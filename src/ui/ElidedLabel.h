// A status pane: one line of text that, when wider than the pane, loses its
// middle to an ellipsis and shows in full as the tool tip.
#pragma once

#include <QLabel>

namespace tessel {

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void setFullText(const QString& text);
    // The text as given, whether it is shown whole or not.
    QString fullText() const { return fullText_; }
    // Whether the pane is too narrow for the whole text.
    bool isCut() const { return cut_; }

signals:
    // The text or whether it fits changed.
    void shownChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showFitting();

    QString fullText_;
    bool cut_ = false;
};

} // namespace tessel
