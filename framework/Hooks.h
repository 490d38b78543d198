#pragma once
// TThreadHook: a message hook of the current thread (WH_GETMESSAGE, WH_KEYBOARD,
// WH_MSGFILTER, WH_CALLWNDPROC, WH_MOUSE ...) that calls a function. The hook is installed
// while the object lives. Hooks of one kind on one thread share a single platform hook,
// which calls them newest first; ThreadHookLiveCount tells how many platform hooks are
// installed, so tests can prove that none is left behind.
#include <cstdint>
#include <functional>

namespace orv {

class TThreadHook {
public:
    // code, wParam and lParam as the platform passes them to a hook of that kind; it is
    // called only for codes the hook should act on (code >= 0). Returning true consumes
    // the event: the hooks after it and the platform's next hook are skipped and the hook
    // returns 1 (a keyboard or mouse event is then discarded).
    using TProc = std::function<bool(int code, uintptr_t wParam, intptr_t lParam)>;

    // Raises EInvalidOperation for kinds that are not thread hooks (low-level, journal,
    // system message filter) and when the platform refuses the hook.
    TThreadHook(int hookType, TProc proc);
    ~TThreadHook();
    TThreadHook(const TThreadHook&) = delete;
    TThreadHook& operator=(const TThreadHook&) = delete;

    int HookType() const { return FHookType; }

private:
    friend struct TThreadHookAccess;
    int FHookType;
    TProc FProc;
};

// Platform hooks installed by TThreadHook on any thread right now.
int ThreadHookLiveCount();

}  // namespace orv
