// One page of the insert-icon window: the icons of one size from the icon
// library, laid out in a grid of 10 × 10 positions, each a clickable picture
// that stands for its icon code.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

class QLabel;

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
    QLabel* iconAt(int position) const;
    // "[A007]" and so on.
    QString codeAt(int position) const;

signals:
    void iconClicked(const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(const QString& folder);

    const int iconSize_;
    int positionCount_ = 0;
    std::array<QLabel*, IconPositions> icons_ {};
};

} // namespace tessel
