#pragma once
// Counts the bench rows print around their loops, beside the live GDI and GDI+ counts.
#include <windows.h>

namespace orvtools {

namespace benchcounts {
// Named callbacks: a lambda has no stdcall conversion on 32-bit builds.
inline BOOL CALLBACK CountOneWindow(HWND, LPARAM p) {
    ++*reinterpret_cast<int*>(p);
    return TRUE;
}

inline BOOL CALLBACK CountWindowTree(HWND window, LPARAM p) {
    ++*reinterpret_cast<int*>(p);
    EnumChildWindows(window, CountOneWindow, p);
    return TRUE;
}
}  // namespace benchcounts

// Top-level windows of this thread and all their descendants (pop-ups included).
inline int CountThreadWindows() {
    int n = 0;
    EnumThreadWindows(GetCurrentThreadId(), benchcounts::CountWindowTree, reinterpret_cast<LPARAM>(&n));
    return n;
}

// Dispatches what is queued (timers, posted messages) without waiting.
inline void PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace orvtools
