// Thread message hooks (shared platform hook per kind, none left behind, safe to free
// from their own call, keys consumed before the window sees them) and registered
// window messages.
#include <windows.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TestSupport.h"
#include "framework/Forms.h"
#include "framework/Hooks.h"
#include "framework/RegisteredMessages.h"
#include "framework/SysUtils.h"
#include "framework/Units.h"

using namespace orv;

namespace {

constexpr UINT kProbeMessage = WM_APP + 71;

class ThreadHooks : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(ThreadHookLiveCount(), 0) << "a hook outlived its test"; }
};

void PressKey(WORD vk) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

class TKeyWindow : public TCustomControl {
public:
    explicit TKeyWindow(TComponent* owner) : TCustomControl(owner) {
        FTabStop = true;
        OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) { Keys.push_back(key); };
    }
    std::vector<uint16_t> Keys;
};

}  // namespace

TEST_F(ThreadHooks, HooksOfAKindShareOnePlatformHookNewestFirst) {
    std::vector<int> calls;
    auto seen = [&calls](int who) {
        return [&calls, who](int, uintptr_t, intptr_t lParam) {
            if (reinterpret_cast<const MSG*>(lParam)->message == kProbeMessage) calls.push_back(who);
            return false;
        };
    };
    auto first = std::make_unique<TThreadHook>(WH_GETMESSAGE, seen(1));
    EXPECT_EQ(ThreadHookLiveCount(), 1);
    auto second = std::make_unique<TThreadHook>(WH_GETMESSAGE, seen(2));
    EXPECT_EQ(ThreadHookLiveCount(), 1) << "one platform hook for the kind";
    TThreadHook other(WH_CALLWNDPROC, [](int, uintptr_t, intptr_t) { return false; });
    EXPECT_EQ(ThreadHookLiveCount(), 2);

    PostThreadMessageW(GetCurrentThreadId(), kProbeMessage, 0, 0);
    orvtest::PumpFor(50);
    EXPECT_EQ(calls, (std::vector<int>{2, 1}));

    second.reset();
    calls.clear();
    PostThreadMessageW(GetCurrentThreadId(), kProbeMessage, 0, 0);
    orvtest::PumpFor(50);
    EXPECT_EQ(calls, std::vector<int>{1});
    first.reset();
    EXPECT_EQ(ThreadHookLiveCount(), 1) << "the other kind stays";
}

TEST_F(ThreadHooks, AHookMayFreeItselfAndOthersInItsCall) {
    std::unique_ptr<TThreadHook> self, victim;
    int selfCalls = 0, victimCalls = 0;
    victim = std::make_unique<TThreadHook>(WH_GETMESSAGE, [&](int, uintptr_t, intptr_t lParam) {
        if (reinterpret_cast<const MSG*>(lParam)->message == kProbeMessage) ++victimCalls;
        return false;
    });
    self = std::make_unique<TThreadHook>(WH_GETMESSAGE, [&](int, uintptr_t, intptr_t lParam) {
        if (reinterpret_cast<const MSG*>(lParam)->message != kProbeMessage) return false;
        ++selfCalls;
        victim.reset();  // called after this one: must not be called now
        self.reset();
        return false;
    });
    PostThreadMessageW(GetCurrentThreadId(), kProbeMessage, 0, 0);
    orvtest::PumpFor(50);
    EXPECT_EQ(selfCalls, 1);
    EXPECT_FALSE(self);
    EXPECT_FALSE(victim);
    EXPECT_EQ(victimCalls, 0) << "freed before its turn";
    EXPECT_EQ(ThreadHookLiveCount(), 0);

    auto never = [](int, uintptr_t, intptr_t) { return false; };
    EXPECT_THROW((TThreadHook(WH_KEYBOARD_LL, never)), EInvalidOperation) << "low-level hooks are not thread hooks";
    EXPECT_THROW((TThreadHook(WH_JOURNALRECORD, never)), EInvalidOperation);
    EXPECT_EQ(ThreadHookLiveCount(), 0);
}

TEST_F(ThreadHooks, AKeyboardHookSeesRealKeysAndCanConsumeThem) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    auto* target = new TKeyWindow(form.get());
    target->SetBounds(10, 10, 60, 30);
    target->SetParent(form.get());
    form->Show();
    SetForegroundWindow(form->Handle());
    target->SetFocus();
    ASSERT_TRUE(orvtest::PumpUntil([&] { return target->Focused(); }));

    std::vector<uintptr_t> hooked;
    {
        TThreadHook hook(WH_KEYBOARD, [&](int code, uintptr_t vk, intptr_t lParam) {
            bool down = (lParam & (intptr_t(1) << 31)) == 0;
            if (code == HC_ACTION && down) hooked.push_back(vk);
            return vk == VK_F7;  // swallowed: the window never hears of it
        });
        PressKey(VK_F7);
        PressKey(VK_F8);
        ASSERT_TRUE(orvtest::PumpUntil([&] { return !target->Keys.empty(); }));
        orvtest::PumpFor(50);
    }
    EXPECT_EQ(hooked, (std::vector<uintptr_t>{VK_F7, VK_F8}));
    EXPECT_EQ(target->Keys, std::vector<uint16_t>{VK_F8});

    // Without the hook F7 arrives again.
    PressKey(VK_F7);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return target->Keys.size() == 2; }));
    EXPECT_EQ(target->Keys.back(), VK_F7);
}

TEST_F(ThreadHooks, AHookThatRaisesIsReportedAndTheOthersStillRun) {
    orvtest::TExceptionReports reports;
    int olderCalls = 0;
    TThreadHook older(WH_GETMESSAGE, [&](int, uintptr_t, intptr_t lParam) {
        if (reinterpret_cast<const MSG*>(lParam)->message == kProbeMessage) ++olderCalls;
        return false;
    });
    TThreadHook raising(WH_GETMESSAGE, [&](int, uintptr_t, intptr_t lParam) -> bool {
        if (reinterpret_cast<const MSG*>(lParam)->message == kProbeMessage) throw EInvalidOperation(L"hook failed");
        return false;
    });
    PostThreadMessageW(GetCurrentThreadId(), kProbeMessage, 0, 0);
    orvtest::PumpFor(50);
    EXPECT_EQ(olderCalls, 1) << "the hook called after the raising one";
    ASSERT_EQ(reports.Messages().size(), 1u);
    EXPECT_EQ(reports.Messages()[0], "hook failed");

    // A real key through a keyboard hook that raises: reported, and the key is not lost.
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    auto* target = new TKeyWindow(form.get());
    target->SetBounds(10, 10, 60, 30);
    target->SetParent(form.get());
    form->Show();
    SetForegroundWindow(form->Handle());
    target->SetFocus();
    ASSERT_TRUE(orvtest::PumpUntil([&] { return target->Focused(); }));
    {
        TThreadHook keys(WH_KEYBOARD, [&](int, uintptr_t vk, intptr_t) -> bool {
            if (vk == VK_F9) throw 7;
            return false;
        });
        PressKey(VK_F9);
        ASSERT_TRUE(orvtest::PumpUntil([&] { return !target->Keys.empty(); })) << "the key was lost";
        orvtest::PumpFor(50);
    }
    EXPECT_EQ(target->Keys, std::vector<uint16_t>{VK_F9});
    ASSERT_GE(reports.Messages().size(), 2u);
    EXPECT_EQ(reports.Messages()[1], "unknown exception");
}

TEST(RegisteredMessages, IdsAreThePlatformsAndRegisteredAtStartUp) {
    EXPECT_TRUE(UnitRegistered(L"RegisteredMessages"));
    struct TCase {
        const wchar_t* Name;
        unsigned Id;
    };
    const TCase cases[] = {{L"TBCompactWinHide", CompactWinHideMessage()},
                           {L"TBSetAeroVista", SetAeroVistaMessage()},
                           {L"SBDRAWIMAGE", ShapeButtonDrawImageMessage()}};
    for (const TCase& c : cases) {
        EXPECT_EQ(c.Id, RegisterWindowMessageW(c.Name)) << c.Name;
        EXPECT_GE(c.Id, 0xC000u) << c.Name;
        EXPECT_LE(c.Id, 0xFFFFu) << c.Name;
    }
    EXPECT_NE(cases[0].Id, cases[1].Id);
    EXPECT_NE(cases[1].Id, cases[2].Id);
    EXPECT_EQ(RegisteredMessage(L"tbsetaerovista"), SetAeroVistaMessage()) << "names compare without case";
    unsigned fresh = RegisteredMessage(L"OrvTestFreshMessage");
    EXPECT_EQ(fresh, RegisterWindowMessageW(L"OrvTestFreshMessage"));
    EXPECT_EQ(RegisteredMessage(L"OrvTestFreshMessage"), fresh);
}

// The listener every test program runs: a test after which a hook is still installed
// fails, one after which none is passes.
TEST_F(ThreadHooks, TheRunFailsATestThatLeavesAHookInstalled) {
    orvtest::THookLeakListener listener;
    const ::testing::TestInfo& info = *::testing::UnitTest::GetInstance()->current_test_info();
    listener.OnTestStart(info);
    {
        auto hook = std::make_unique<TThreadHook>(WH_GETMESSAGE, [](int, uintptr_t, intptr_t) { return false; });
        EXPECT_NONFATAL_FAILURE(listener.OnTestEnd(info), "1 thread hook(s) still installed after the test");
    }
    ::testing::TestPartResultArray reported;
    {
        ::testing::ScopedFakeTestPartResultReporter intercept(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &reported);
        listener.OnTestEnd(info);
    }
    EXPECT_EQ(reported.size(), 0) << "nothing reported once the hook is gone";
}

