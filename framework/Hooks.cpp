#include "framework/Hooks.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <vector>

#include "framework/Application.h"
#include "framework/SysUtils.h"

namespace orv {

namespace {

constexpr int kFirstType = WH_MSGFILTER;  // -1
constexpr int kLastType = WH_MOUSE_LL;    // 14
constexpr int kTypeCount = kLastType - kFirstType + 1;

bool IsThreadHookType(int type) {
    switch (type) {
        case WH_MSGFILTER:
        case WH_GETMESSAGE:
        case WH_CALLWNDPROC:
        case WH_CALLWNDPROCRET:
        case WH_CBT:
        case WH_DEBUG:
        case WH_FOREGROUNDIDLE:
        case WH_KEYBOARD:
        case WH_MOUSE:
        case WH_SHELL:
            return true;
        default:
            return false;
    }
}

std::atomic<int> gLiveHooks{0};

// One platform hook per kind and thread, and the objects that share it (oldest first).
struct TSlot {
    HHOOK Hook = nullptr;
    std::vector<TThreadHook*> Hooks;
};
thread_local TSlot tSlots[kTypeCount];

template <int Type>
LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);

}  // namespace

struct TThreadHookAccess {
    static LRESULT Dispatch(int type, int code, WPARAM wParam, LPARAM lParam) {
        TSlot& slot = tSlots[type - kFirstType];
        HHOOK next = slot.Hook;
        if (code >= 0) {
            // A callback may free hooks (itself included) or add new ones: call those of
            // a snapshot that are still registered when their turn comes.
            std::vector<TThreadHook*> snapshot = slot.Hooks;
            for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
                if (std::find(slot.Hooks.begin(), slot.Hooks.end(), *it) == slot.Hooks.end()) continue;
                TThreadHook::TProc proc = (*it)->FProc;  // the object may die in the call
                if (!proc) continue;
                // Nothing escapes into the platform's hook chain: a hook that raises is
                // reported and counts as not consuming; the others still run.
                bool consumed = false;
                try {
                    consumed = proc(code, static_cast<uintptr_t>(wParam), static_cast<intptr_t>(lParam));
                } catch (...) {
                    HandleCallbackException();
                }
                if (consumed) return 1;
            }
        }
        return CallNextHookEx(next, code, wParam, lParam);
    }
};

namespace {

template <int Type>
LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam) {
    return TThreadHookAccess::Dispatch(Type, code, wParam, lParam);
}

HOOKPROC ProcFor(int type) {
    switch (type) {
        case WH_MSGFILTER:
            return &HookProc<WH_MSGFILTER>;
        case WH_GETMESSAGE:
            return &HookProc<WH_GETMESSAGE>;
        case WH_CALLWNDPROC:
            return &HookProc<WH_CALLWNDPROC>;
        case WH_CALLWNDPROCRET:
            return &HookProc<WH_CALLWNDPROCRET>;
        case WH_CBT:
            return &HookProc<WH_CBT>;
        case WH_DEBUG:
            return &HookProc<WH_DEBUG>;
        case WH_FOREGROUNDIDLE:
            return &HookProc<WH_FOREGROUNDIDLE>;
        case WH_KEYBOARD:
            return &HookProc<WH_KEYBOARD>;
        case WH_MOUSE:
            return &HookProc<WH_MOUSE>;
        case WH_SHELL:
            return &HookProc<WH_SHELL>;
        default:
            return nullptr;
    }
}

}  // namespace

TThreadHook::TThreadHook(int hookType, TProc proc) : FHookType(hookType), FProc(std::move(proc)) {
    if (!IsThreadHookType(hookType))
        throw EInvalidOperation(L"Hook type " + IntToStr(hookType) + L" is not a thread hook");
    TSlot& slot = tSlots[hookType - kFirstType];
    if (!slot.Hook) {
        slot.Hook = SetWindowsHookExW(hookType, ProcFor(hookType), nullptr, GetCurrentThreadId());
        if (!slot.Hook) throw EInvalidOperation(L"Cannot install a hook of type " + IntToStr(hookType));
        ++gLiveHooks;
    }
    slot.Hooks.push_back(this);
}

TThreadHook::~TThreadHook() {
    TSlot& slot = tSlots[FHookType - kFirstType];
    slot.Hooks.erase(std::remove(slot.Hooks.begin(), slot.Hooks.end(), this), slot.Hooks.end());
    if (slot.Hooks.empty() && slot.Hook) {
        UnhookWindowsHookEx(slot.Hook);
        slot.Hook = nullptr;
        --gLiveHooks;
    }
}

int ThreadHookLiveCount() {
    return gLiveHooks;
}

}  // namespace orv
