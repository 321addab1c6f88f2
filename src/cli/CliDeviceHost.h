// The terminal's side of an exchange with the badge: window timers become
// QTimers on the event loop, the tool bar's re-enabling at the end of every
// report ends the run, and on a terminal the transfer's progress is drawn as
// a bar on standard error. Status and message-box texts are not printed: the command prints
// the outcome itself once the exchange has ended.
#pragma once

#include "cli/CliConsole.h"
#include "device/ScreenParaHost.h"
#include "device/SendSessionHost.h"

#include <QTimer>
#include <functional>
#include <map>
#include <memory>

namespace tessel::cli {

enum class ProgressBar { Hidden, Shown };

class CliDeviceHost final : public SendSessionHost, public ScreenParaHost {
public:
    CliDeviceHost(const CliConsole& console, ProgressBar progressBar);
    ~CliDeviceHost() override;

    // Called with the timer's identifier each time a timer fires.
    std::function<void(int timerId)> onTimer;
    // Called when an exchange has shown its outcome.
    std::function<void()> onEnded;
    // The values "set screen parameters" sends.
    ScreenParaChoice choice;

    void armTimer(ExchangeTimer timer, int intervalMs) override;
    void stopTimer(ExchangeTimer timer) override;
    void setStatusText(const QString&) override { }
    void disableToolBar() override { }
    void enableToolBar() override;
    void showMessageBox(const QString&, const QString&) override { }
    void setProgressRange(int minimum, int maximum) override;
    void setProgressPosition(int position) override;
    ScreenParaChoice chosenValues() const override { return choice; }
    void showScreenPara(const ScreenPara&) override { }

private:
    void drawProgress();

    const CliConsole& console_;
    ProgressBar progressBar_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
    int progressMaximum_ = 0;
    int progress_ = 0;
    bool progressDrawn_ = false;
};

} // namespace tessel::cli
