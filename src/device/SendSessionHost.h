// The main frame's side of the send session: an exchange host with the
// progress bar that follows a transfer.
#pragma once

#include "device/ExchangeHost.h"

namespace tessel {

class SendSessionHost : public ExchangeHost {
public:
    // Set to 0 ... the number of data packets when a transfer begins.
    virtual void setProgressRange(int minimum, int maximum) = 0;
    // The number of data packets acknowledged so far.
    virtual void setProgressPosition(int position) = 0;
};

} // namespace tessel
