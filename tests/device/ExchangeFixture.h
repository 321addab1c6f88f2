// A fixture for an exchange with the simulated badge through a polled link:
// replies arrive when the test delivers them and timers fire when it says so.
// Derived names the exchange under test by its underTest().
#pragma once

#include "FakeHost.h"

#include "device/BadgeSimulator.h"
#include "device/ExchangeResult.h"
#include "device/PolledLink.h"
#include "model/AppData.h"

#include <gtest/gtest.h>

namespace tessel::test {

template <class Derived, class Host> class ExchangeFixture : public ::testing::Test {
protected:
    void deliver() { link.deliverAll(); }

    void fire(ExchangeTimer timer)
    {
        ASSERT_TRUE(host.isArmed(timer)) << timer;
        self().underTest().OnTimer(timer);
    }

    // Whatever the outcome: link closed, tool bar usable, no time-out left.
    void expectEnded(ExchangeResult result, const QString& status)
    {
        const auto& exchange = self().underTest();
        EXPECT_EQ(exchange.result(), result);
        EXPECT_FALSE(exchange.running());
        EXPECT_FALSE(link.isOpen());
        EXPECT_FALSE(badge.isOpen());
        EXPECT_TRUE(host.toolBarEnabled);
        EXPECT_FALSE(host.isArmed(HandshakeTimer));
        EXPECT_FALSE(host.isArmed(ReplyTimer));
        // A success clears after two seconds; a failure stays to be read.
        EXPECT_EQ(host.armed[StatusClearTimer], IsSuccess(result) ? 2000 : 10000);
        EXPECT_EQ(host.status(), status);
    }

    AppData data;
    BadgeSimulator badge;
    PolledLink link { badge };
    Host host;

private:
    Derived& self() { return static_cast<Derived&>(*this); }
};

} // namespace tessel::test
