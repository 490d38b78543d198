#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Forms.h"

using namespace orv;

namespace {

constexpr UINT kProbeMessage = WM_APP + 0x321;

// Counts what reaches the form's window procedure.
struct TLoopFixture {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    int Arrived = 0;
    int Seen = 0;
    int HookId = 0;
    TLoopFixture() {
        Form->Show();
        Form->AddMessageHook([this](TMessage& m) {
            if (m.Msg == kProbeMessage) ++Arrived;
            return false;
        });
        Application->ProcessMessages();
    }
    ~TLoopFixture() {
        if (HookId) Application->RemovePreTranslateHook(HookId);
        Application->OnMessage = nullptr;
        Application->OnIdle = nullptr;
    }
    void Post(WPARAM tag = 0) { PostMessageW(Form->Handle(), kProbeMessage, tag, 0); }
};

}  // namespace

TEST(ApplicationLoop, EveryDispatchPathGoesThroughThePreTranslationChain) {
    TLoopFixture f;
    TForm* modal = nullptr;
    f.HookId = Application->AddPreTranslateHook([&](MSG& msg) {
        if (msg.message != kProbeMessage) return false;
        ++f.Seen;
        if (msg.wParam == 2 && modal) modal->SetModalResult(mrYes);
        return msg.wParam != 0;  // 0 passes, others are consumed
    });

    f.Post(0);
    Application->ProcessMessages();
    EXPECT_EQ(f.Seen, 1);
    EXPECT_EQ(f.Arrived, 1) << "a hook that returns false lets the message through";

    f.Post(1);
    for (int i = 0; i < 50 && f.Seen < 2; ++i) Application->HandleMessage();
    EXPECT_EQ(f.Seen, 2);
    EXPECT_EQ(f.Arrived, 1) << "a hook that returns true consumes it";

    // A modal loop takes its messages the same way: the hook ends it.
    TOwnedPtr<TForm> dialog(Make<TForm>(nullptr));
    modal = dialog.get();
    f.Post(2);
    int result = dialog->ShowModal();
    EXPECT_EQ(result, mrYes);
    EXPECT_EQ(f.Seen, 3);

    // OnMessage comes after the hooks and can drop a message too.
    Application->RemovePreTranslateHook(f.HookId);
    f.HookId = 0;
    int onMessage = 0;
    Application->OnMessage = [&](MSG& msg, bool& handled) {
        if (msg.message != kProbeMessage) return;
        ++onMessage;
        handled = true;
    };
    f.Post(0);
    Application->ProcessMessages();
    EXPECT_EQ(onMessage, 1);
    EXPECT_EQ(f.Seen, 3) << "the removed hook sees nothing";
    EXPECT_EQ(f.Arrived, 1);
}

TEST(ApplicationLoop, IdleRunsOnlyOnceTheQueueIsEmpty) {
    TLoopFixture f;
    int idles = 0;
    bool probeQueuedAtIdle = false;
    Application->OnIdle = [&](TObject*, bool& done) {
        ++idles;
        MSG msg;
        if (PeekMessageW(&msg, nullptr, kProbeMessage, kProbeMessage, PM_NOREMOVE)) probeQueuedAtIdle = true;
        done = false;  // no waiting: the test goes on
    };
    f.Post();
    f.Post();
    for (int i = 0; i < 20 && idles == 0; ++i) Application->HandleMessage();
    EXPECT_EQ(f.Arrived, 2);
    EXPECT_GE(idles, 1);
    EXPECT_FALSE(probeQueuedAtIdle) << "idle ran while messages were waiting";
}

TEST(MessageDialog, TheHookAnswersInPlaceOfTheBox) {
    std::vector<TMessageDlgRequest> asked;
    TMessageDlgHook old = SetMessageDlgHook([&](const TMessageDlgRequest& r) {
        asked.push_back(r);
        return mrNo;
    });
    TShowMessageHook oldShow = SetShowMessageHook(nullptr);
    EXPECT_EQ(MessageDlg(L"Are you sure?", TMsgDlgType::mtConfirmation, mbYesNo), mrNo);
    ShowMessage(L"Just so you know");
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].Text, L"Are you sure?");
    EXPECT_EQ(asked[0].Type, TMsgDlgType::mtConfirmation);
    EXPECT_EQ(asked[0].Buttons, mbYesNo);
    EXPECT_EQ(asked[0].Caption, Application->Title());
    EXPECT_EQ(asked[1].Text, L"Just so you know");
    EXPECT_EQ(asked[1].Buttons, mbOK) << "ShowMessage is a dialog with one OK button";

    // With only the text seam, a question is answered as Escape would.
    SetMessageDlgHook(nullptr);
    std::vector<std::wstring> texts;
    SetShowMessageHook([&](const std::wstring& t) { texts.push_back(t); });
    EXPECT_EQ(MessageDlg(L"Clear?", TMsgDlgType::mtWarning, mbYesNo), mrNo);
    EXPECT_EQ(MessageDlg(L"Save?", TMsgDlgType::mtWarning, mbYesNoCancel), mrCancel);
    EXPECT_EQ(MessageDlg(L"Done", TMsgDlgType::mtInformation, mbOK), mrOk);
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Clear?", L"Save?", L"Done"}));
    SetShowMessageHook(std::move(oldShow));
    SetMessageDlgHook(std::move(old));
}

namespace {
struct TFoundBox {
    bool Yes = false, No = false, Ok = false;
    std::wstring Caption;
};
TFoundBox* gFoundBox = nullptr;

BOOL CALLBACK FindDialogBox(HWND h, LPARAM p) {
    wchar_t cls[16] = {};
    GetClassNameW(h, cls, 16);
    if (std::wstring(cls) == L"#32770" && IsWindowVisible(h)) *reinterpret_cast<HWND*>(p) = h;
    return TRUE;
}

// Presses No once the box is up (its modal loop dispatches the tick).
void CALLBACK PressNo(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialogBox, reinterpret_cast<LPARAM>(&box));
    if (!box || !gFoundBox) return;
    KillTimer(nullptr, id);
    gFoundBox->Yes = GetDlgItem(box, IDYES) != nullptr;
    gFoundBox->No = GetDlgItem(box, IDNO) != nullptr;
    gFoundBox->Ok = GetDlgItem(box, IDOK) != nullptr;
    wchar_t text[128] = {};
    GetWindowTextW(box, text, 128);
    gFoundBox->Caption = text;
    SendMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
}
}  // namespace

TEST(MessageDialog, TheRealBoxHasYesAndNoAndReturnsThePressedOne) {
    TMessageDlgHook old = SetMessageDlgHook(nullptr);
    TShowMessageHook oldShow = SetShowMessageHook(nullptr);
    TFoundBox found;
    gFoundBox = &found;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, PressNo);
    int answer = MessageDlg(L"Are you sure that you want to clear it?", TMsgDlgType::mtConfirmation, mbYesNo);
    KillTimer(nullptr, timer);
    gFoundBox = nullptr;
    EXPECT_EQ(answer, mrNo);
    EXPECT_TRUE(found.Yes);
    EXPECT_TRUE(found.No);
    EXPECT_FALSE(found.Ok);
    EXPECT_EQ(found.Caption, Application->Title());
    SetShowMessageHook(std::move(oldShow));
    SetMessageDlgHook(std::move(old));
}
