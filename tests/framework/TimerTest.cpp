#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/SysUtils.h"
#include "framework/Timer.h"

using namespace orv;
using orvtest::PumpUntil;

TEST(Timer, TicksStopsAndMayFreeItselfFromItsOwnHandler) {
    int before = TTimer::LiveTimers();
    TOwnedPtr<TComponent> owner(new TComponent(nullptr));
    auto* timer = new TTimer(owner.get());
    timer->SetInterval(10);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) { ++ticks; };
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 2; })) << "timer did not tick";

    timer->SetEnabled(false);
    int stopped = ticks;
    orvtest::PumpFor(80);
    EXPECT_EQ(ticks, stopped) << "a disabled timer ticked";

    // A fade that ends frees its timer inside the tick.
    auto* oneShot = new TTimer(owner.get());
    oneShot->SetInterval(10);
    int shots = 0;
    oneShot->OnTimer = [&](TObject* sender) {
        ++shots;
        static_cast<TTimer*>(sender)->Free();
    };
    ASSERT_TRUE(PumpUntil([&] { return shots == 1; }));
    orvtest::PumpFor(80);
    EXPECT_EQ(shots, 1);
    EXPECT_EQ(owner->ComponentCount(), 1);

    timer->Free();
    EXPECT_EQ(TTimer::LiveTimers(), before);
}

TEST(Timer, AnExceptionFromItsHandlerIsReportedAndTheTimerKeepsTicking) {
    orvtest::TExceptionReports reports;
    TOwnedPtr<TComponent> owner(new TComponent(nullptr));
    auto* timer = new TTimer(owner.get());
    timer->SetInterval(10);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) {
        ++ticks;
        if (ticks == 1) throw EInvalidOperation(L"first tick failed");
        if (ticks == 2) throw 42;  // not even a std::exception
    };
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 4; })) << "the timer stopped after its handler raised";
    timer->SetEnabled(false);
    ASSERT_EQ(reports.Messages().size(), 2u);
    EXPECT_EQ(reports.Messages()[0], "first tick failed");
    EXPECT_EQ(reports.Messages()[1], "unknown exception");
}
