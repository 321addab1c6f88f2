// One page of the insert-icon window: the icons of one size from the icon
// library, laid out in a grid of 10 × 10 positions, each a clickable picture
// that stands for its icon code. From the keyboard the page is one stop of
// the Tab order: the arrows move between the icons, Enter or Space inserts.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

class QAbstractButton;

namespace tessel {

constexpr int IconPositions = 100;
constexpr int IconsPerRow = 10;
constexpr int IconCellStep = 24;

class InsertImageDialogPage : public QWidget {
    Q_OBJECT
public:
    // iconSize 12, 14 or 16; the library is read from dataDir + "image/<size>/".
    InsertImageDialogPage(int iconSize, const QString& dataDir, QWidget* parent = nullptr);

    int iconSize() const { return iconSize_; }
    // The grid positions laid out: the number of files for 12-pixel icons
    // (at most 100), all 100 for the others.
    int positionCount() const { return positionCount_; }
    // The picture of a grid position; nullptr where no file exists.
    QAbstractButton* iconAt(int position) const;
    // The icon the arrows move from; -1 on an empty page.
    int currentPosition() const { return current_; }
    // The current icon takes the keyboard focus.
    void focusCurrentIcon();
    // "[A007]" and so on.
    QString codeAt(int position) const;

signals:
    void iconClicked(const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(const QString& folder);
    void setCurrent(int position);
    // The icon an arrow key leads to from the current one; -1 for none.
    int neighbour(int key) const;

    const int iconSize_;
    int positionCount_ = 0;
    std::array<QAbstractButton*, IconPositions> icons_ {};
    int current_ = -1;
};

} // namespace tessel
