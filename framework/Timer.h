#pragma once
// TTimer: a message-based timer of the UI thread. It may be stopped, restarted or
// freed from its own OnTimer.
#include "framework/Component.h"
#include "framework/Event.h"

namespace orv {

class TTimer : public TComponent {
public:
    ORV_CLASS_NAME(TTimer)
    explicit TTimer(TComponent* owner);

    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool value);
    unsigned GetInterval() const { return FInterval; }
    // Setting the interval of a running timer restarts it.
    void SetInterval(unsigned value);

    TNotifyEvent OnTimer;

    static int LiveTimers();

protected:
    ~TTimer() override;
    void BeforeDestruction() override;
    virtual void Timer();

private:
    void UpdateTimer();
    static void DispatchTick(uintptr_t id);
    friend struct TTimerDispatch;
    bool FEnabled = true;
    unsigned FInterval = 1000;
    uintptr_t FId = 0;
};

}  // namespace orv
