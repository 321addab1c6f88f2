// Status pane 2: what a send of the list would transfer, the size of the
// device image of the ticked programs and its count of data packets. The
// image is built as a send builds it, at the geometry the preview shows.
// The text sits on the progress bar that fills the pane, so that a send
// advances the bar over the count it names.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class QProgressBar;

namespace tessel {

class AppData;
class LanguageTable;

class SendCostPane : public QObject {
    Q_OBJECT
public:
    // Edits that follow each other closer than this are counted once:
    // building the image costs more than a preview does.
    static constexpr int SettleMs = 300;

    // storeEdits writes the property pane's pending edits into the list.
    SendCostPane(QProgressBar& bar, const AppData& data, const LanguageTable& texts,
        std::function<void()> storeEdits, QObject* parent = nullptr);

    // After an edit: counts again once the edits have settled.
    void schedule();
    // Counts now.
    void update();

    // The text as given, whether the pane shows it whole or not.
    const QString& text() const { return text_; }
    qsizetype imageBytes() const { return imageBytes_; }
    qint64 packets() const { return packets_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFitting();
    void keepTextReadable();

    QProgressBar& bar_;
    const AppData& data_;
    const LanguageTable& texts_;
    std::function<void()> storeEdits_;
    QTimer settle_;
    QString text_;
    qsizetype imageBytes_ = 0;
    qint64 packets_ = 0;
};

} // namespace tessel
