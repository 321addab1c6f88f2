// What an exchange with the badge needs from the window that owns it. The
// exchange itself has no window code; the owner implements this interface
// with its window timers, status bar, tool bar and message boxes, and feeds
// the exchange its timer events and the badge's replies.
#pragma once

#include <QString>

namespace tessel {

// The owner's window timers; the identifiers are fixed.
enum ExchangeTimer : int {
    StatusClearTimer = 1624, // empties status pane 0 each time it fires
    HandshakeTimer = 1625, // handshake time-out
    ReplyTimer = 1626, // reply time-out of a command or data packet
};

constexpr int StatusClearInterval = 2000;
// A failed exchange's outcome stays in status pane 0 at least this long.
constexpr int FailureStatusInterval = 10000;
constexpr int HandshakeTimeout = 500;
constexpr int ReplyTimeout = 500;

class ExchangeHost {
public:
    virtual ~ExchangeHost() = default;

    // Arms the timer to fire every intervalMs until it is stopped; arming an
    // armed timer restarts its period. Each time it fires the owner calls the
    // exchange's OnTimer with the timer's identifier.
    virtual void armTimer(ExchangeTimer timer, int intervalMs) = 0;
    virtual void stopTimer(ExchangeTimer timer) = 0;

    // Replaces the text of status pane 0; the text arrives formatted, with its
    // leading tab, or empty.
    virtual void setStatusText(const QString& text) = 0;

    // The tool bar is disabled while an exchange runs and enabled again when
    // its outcome has been shown.
    virtual void disableToolBar() = 0;
    virtual void enableToolBar() = 0;

    // A message box with an OK button only.
    virtual void showMessageBox(const QString& text, const QString& caption) = 0;
};

} // namespace tessel
