// Exchange hosts that record what an exchange asks of its window, with
// timers that fire only when a test says so.
#pragma once

#include "device/ScreenParaHost.h"
#include "device/SendSessionHost.h"

#include <QString>
#include <QStringList>
#include <map>
#include <utility>
#include <vector>

namespace tessel::test {

template <class Host> class Recording : public Host {
public:
    void armTimer(ExchangeTimer timer, int intervalMs) override { armed[timer] = intervalMs; }
    void stopTimer(ExchangeTimer timer) override { armed.erase(timer); }
    void setStatusText(const QString& text) override { statusTexts.append(text); }
    void disableToolBar() override { toolBarEnabled = false; }
    void enableToolBar() override { toolBarEnabled = true; }
    void showMessageBox(const QString& text, const QString& caption) override
    {
        messageBoxes.push_back({ text, caption });
    }

    bool isArmed(ExchangeTimer timer) const { return armed.count(timer) != 0; }
    QString status() const { return statusTexts.isEmpty() ? QString() : statusTexts.last(); }

    std::map<int, int> armed; // timer -> interval
    QStringList statusTexts;
    bool toolBarEnabled = true;
    std::vector<std::pair<QString, QString>> messageBoxes; // text, caption
};

class FakeSendHost final : public Recording<SendSessionHost> {
public:
    void setProgressRange(int minimum, int maximum) override { range = { minimum, maximum }; }
    void setProgressPosition(int position) override { positions.push_back(position); }

    std::pair<int, int> range { 0, 100 };
    std::vector<int> positions;
};

class FakeScreenParaHost final : public Recording<ScreenParaHost> {
public:
    ScreenParaChoice chosenValues() const override { return choice; }
    void showScreenPara(const ScreenPara& para) override { shown.push_back(para); }

    ScreenParaChoice choice;
    std::vector<ScreenPara> shown;
};

} // namespace tessel::test
