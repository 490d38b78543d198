#include "framework/Timer.h"

#include <windows.h>

#include <map>

#include "framework/Application.h"

namespace orv {

namespace {
std::map<uintptr_t, TTimer*>& Timers() {
    static std::map<uintptr_t, TTimer*> timers;
    return timers;
}
}  // namespace

struct TTimerDispatch {
    static void CALLBACK Proc(HWND, UINT, UINT_PTR id, DWORD) { TTimer::DispatchTick(id); }
};

int TTimer::LiveTimers() {
    return static_cast<int>(Timers().size());
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    UpdateTimer();
}

TTimer::~TTimer() {
    if (FId) {
        KillTimer(nullptr, FId);
        Timers().erase(FId);
    }
}

void TTimer::BeforeDestruction() {
    FEnabled = false;
    UpdateTimer();
    TComponent::BeforeDestruction();
}

void TTimer::SetEnabled(bool value) {
    if (FEnabled == value) return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
    if (FInterval == value) return;
    FInterval = value;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (FId) {
        KillTimer(nullptr, FId);
        Timers().erase(FId);
        FId = 0;
    }
    // A timer is only armed when it has something to run; its handler may be set later.
    if (FEnabled && FInterval > 0 && !IsDestroying()) {
        FId = SetTimer(nullptr, 0, FInterval, &TTimerDispatch::Proc);
        if (FId) Timers()[FId] = this;
    }
}

void TTimer::Timer() {
    OnTimer(this);
}

void TTimer::DispatchTick(uintptr_t id) {
    auto it = Timers().find(id);
    if (it == Timers().end()) return;
    // The handler may free the timer; nothing touches it afterwards. Nothing escapes
    // into the platform's timer dispatch: the timer reports and keeps ticking.
    try {
        it->second->Timer();
    } catch (...) {
        HandleCallbackException();
    }
}

}  // namespace orv
