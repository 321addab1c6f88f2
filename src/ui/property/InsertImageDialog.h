// The insert-icon window: three tabs of icons (12, 14 and 16 pixels) from the
// icon library, read once when the window is created. A click on an icon
// puts its code at the caret of the text editor; the window stays open.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>

class QTabWidget;

namespace tessel {

class InsertImageDialogPage;

class InsertImageDialog : public QDialog {
    Q_OBJECT
public:
    // Receives the code of a clicked icon.
    using InsertTarget = std::function<void(const QString& code)>;

    InsertImageDialog(const QString& dataDir, QWidget* parent = nullptr);

    void setInsertTarget(InsertTarget target);
    // Shows the window on the tab of the screen height (yIndex 0, 1, 2).
    void showForHeight(uint8_t yIndex);

    QTabWidget* tabs() const { return tabs_; }
    InsertImageDialogPage* page(int tab) const;

private:
    void showPage(int tab);

    QTabWidget* tabs_ = nullptr;
    std::array<InsertImageDialogPage*, 3> pages_ {};
    InsertTarget insertTarget_;
};

} // namespace tessel
