#pragma once
// Shared by the test executables: library start-up around the whole run, message
// pumping, and a scratch HKEY_CURRENT_USER so registry tests never touch the real one.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/Bitmap.h"
#include "framework/Hooks.h"
#include "framework/Units.h"

namespace orv {
inline void PrintTo(const TRect& r, std::ostream* os) {
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
}  // namespace orv

namespace orvtest {

// Fails the test after which a thread hook is still installed: menu loops, key redirects
// and message filters must take theirs down on every path, including a failing test's.
class THookLeakListener : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override { FBefore = orv::ThreadHookLiveCount(); }
    // The end events run newest listener first, so the failure is counted before the
    // result printer reports the test.
    void OnTestEnd(const ::testing::TestInfo&) override {
        const int live = orv::ThreadHookLiveCount();
        if (live != 0)
            ADD_FAILURE() << live << " thread hook(s) still installed after the test (" << FBefore
                          << " when it started)";
    }

private:
    int FBefore = 0;
};

// Starts and shuts down the library around the run, and watches every test for hooks
// left behind. Each test executable's main registers one.
class TLibraryEnvironment : public ::testing::Environment {
public:
    explicit TLibraryEnvironment(std::function<void()> registerUnits = nullptr)
        : FRegisterUnits(std::move(registerUnits)) {}
    void SetUp() override {
        static bool listening = false;  // SetUp runs again with every repeat of the run
        if (!listening) {
            ::testing::UnitTest::GetInstance()->listeners().Append(new THookLeakListener);
            listening = true;
        }
        orv::RegisterFrameworkUnits();
        if (FRegisterUnits) FRegisterUnits();
        orv::InitializeUnits();
    }
    void TearDown() override { orv::FinalizeUnits(); }

private:
    std::function<void()> FRegisterUnits;
};

// Dispatches messages until done() holds or the time is up; returns done().
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000) {
    auto start = std::chrono::steady_clock::now();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done && done()) return true;
        auto elapsed = std::chrono::steady_clock::now() - start;
        if (elapsed > std::chrono::milliseconds(timeoutMs)) return done ? done() : true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

inline void PumpFor(int ms) {
    PumpUntil(nullptr, ms);
}

// Collects what reaches Application->HandleException while it lives (the messages, in
// order), in place of the default report.
class TExceptionReports {
public:
    TExceptionReports() : FOld(orv::Application->OnException) {
        orv::Application->OnException = [this](orv::TObject*, const std::exception& e) {
            FMessages.push_back(e.what());
        };
    }
    ~TExceptionReports() { orv::Application->OnException = FOld; }
    TExceptionReports(const TExceptionReports&) = delete;
    TExceptionReports& operator=(const TExceptionReports&) = delete;
    const std::vector<std::string>& Messages() const { return FMessages; }

private:
    orv::TEvent<orv::TObject*, const std::exception&> FOld;
    std::vector<std::string> FMessages;
};

// Redirects HKEY_CURRENT_USER to a fresh scratch key for the lifetime of the object.
class TScratchCurrentUser {
public:
    TScratchCurrentUser() {
        FPath = L"Software\\OrvTestScratch\\" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                std::to_wstring(++Counter());
        RegCreateKeyExW(HKEY_CURRENT_USER, FPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &FKey, nullptr);
        RegOverridePredefKey(HKEY_CURRENT_USER, FKey);
    }
    ~TScratchCurrentUser() {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(FKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, FPath.c_str());
    }
    TScratchCurrentUser(const TScratchCurrentUser&) = delete;
    TScratchCurrentUser& operator=(const TScratchCurrentUser&) = delete;
    HKEY Key() const { return FKey; }

private:
    static int& Counter() {
        static int n = 0;
        return n;
    }
    std::wstring FPath;
    HKEY FKey = nullptr;
};

// The first pixel where two pictures differ, as text; empty when they are equal.
inline std::string FirstPixelDifference(orv::TBitmap& a, orv::TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return "sizes differ";
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.PixelColor(x, y) != b.PixelColor(x, y))
                return "at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "";
}

}  // namespace orvtest
