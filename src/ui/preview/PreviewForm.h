// The preview pane: a grey area that holds the preview window at its top left.
#pragma once

#include <QWidget>

namespace tessel {

class PreviewDialog;

class PreviewForm : public QWidget {
    Q_OBJECT
public:
    explicit PreviewForm(QWidget* parent = nullptr);

    // Creates the preview window and shows it.
    void FirstSetUp();
    PreviewDialog* previewDialog() const { return dialog_; }

protected:
    // The preview window scrolls within the pane, so it follows its size.
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    PreviewDialog* dialog_ = nullptr;
};

} // namespace tessel
