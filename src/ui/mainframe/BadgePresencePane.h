// Status pane 1: whether a badge is attached. The attached devices are
// listed every two seconds; the badge is never opened for it, and nothing is
// listed while an exchange with the badge runs, so the pane keeps its last
// text until the exchange has ended.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

namespace tessel {

class BadgeEnumerator;
class ElidedLabel;
class LanguageTable;

enum class BadgePresence { Unknown, Attached, Absent };

class BadgePresencePane : public QObject {
    Q_OBJECT
public:
    // True while the send session or the screen-parameter dialog talks to
    // the badge.
    using ExchangeRunning = std::function<bool()>;

    static constexpr int RefreshIntervalMs = 2000;

    // Lists the badges through hidapi, first as soon as the event loop runs.
    BadgePresencePane(ElidedLabel& pane, const LanguageTable& texts, ExchangeRunning exchangeRunning,
        QObject* parent = nullptr);
    ~BadgePresencePane() override;

    void setEnumerator(std::unique_ptr<BadgeEnumerator> enumerator);
    // Lists the badges now, unless an exchange runs.
    void refresh();
    // Shows the state in the language now loaded.
    void applyLanguage();

    BadgePresence presence() const { return presence_; }

private:
    ElidedLabel& pane_;
    const LanguageTable& texts_;
    ExchangeRunning exchangeRunning_;
    std::unique_ptr<BadgeEnumerator> enumerator_;
    BadgePresence presence_ = BadgePresence::Unknown;
    QTimer timer_;
};

} // namespace tessel
