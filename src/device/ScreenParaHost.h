// The screen-parameter dialog's side of its exchange: an exchange host that
// also supplies the values chosen in the dialog's controls and shows a set
// read from the badge.
#pragma once

#include "device/ExchangeHost.h"
#include "device/ScreenParaFields.h"
#include "model/Settings.h"

namespace tessel {

class ScreenParaHost : public ExchangeHost {
public:
    // The values of the controls, read when "set screen parameters" is built.
    virtual ScreenParaChoice chosenValues() const = 0;
    // Shows a set read from the badge in the controls (its name is empty).
    virtual void showScreenPara(const ScreenPara& para) = 0;
};

} // namespace tessel
