#include <gtest/gtest.h>

#include <chrono>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/HintWindow.h"
#include "framework/Screen.h"

using namespace orv;

namespace {

// Moves the real pointer: the system then sends the mouse messages itself.
void MoveMouseTo(TPoint p) {
    SetCursorPos(p.X, p.Y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(p.X, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(p.Y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof(in));
}

void ClickMouse() {
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
}

// Pumps through the application, idle work included, as its own loop does.
bool PumpApp(const std::function<bool()>& done, int timeoutMs) {
    auto start = std::chrono::steady_clock::now();
    for (;;) {
        Application->ProcessMessages();
        Application->Idle();
        if (done && done()) return true;
        if (std::chrono::steady_clock::now() - start > std::chrono::milliseconds(timeoutMs)) return done && done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

bool HintVisible() {
    return Application->HintWindow() && Application->HintWindow()->IsHintVisible();
}

// A hint window that remembers how it was asked to size itself.
class TRecordingHintWindow : public THintWindow {
public:
    using THintWindow::THintWindow;
    TRect CalcHintRect(int maxWidth, const std::wstring& text, void* data) override {
        LastMaxWidth = maxWidth;
        return THintWindow::CalcHintRect(maxWidth, text, data);
    }
    int LastMaxWidth = -1;
};

// Records the hint messages it gets and answers with what the test asks for.
class THintProbe : public TCustomControl {
public:
    explicit THintProbe(TComponent* owner) : TCustomControl(owner) {}
    void WndProc(TMessage& m) override {
        if (m.Msg == CM_HINTSHOWPAUSE) {
            Pauses.push_back({static_cast<int>(m.WParam), *reinterpret_cast<int*>(m.LParam)});
        } else if (m.Msg == CM_HINTSHOW) {
            THintInfo* info = HintInfoOf(m);
            Seen = *info;
            ++Asked;
            if (Refuse) {
                m.Result = 1;
                return;
            }
            if (!NewText.empty()) info->HintStr = NewText;
            if (NewPos.X) info->HintPos = NewPos;
            if (WindowClass) info->HintWindowClass = WindowClass;
            return;
        } else if (m.Msg == CM_HINTSHOWN) {
            ++Shown;
        } else if (m.Msg == CM_HINTHIDDEN) {
            ++Hidden;
        }
        TCustomControl::WndProc(m);
    }
    THintInfo Seen;
    std::vector<std::pair<int, int>> Pauses;
    int Asked = 0, Shown = 0, Hidden = 0;
    bool Refuse = false;
    std::wstring NewText;
    TPoint NewPos;
    THintWindowClass WindowClass = nullptr;
};

struct THintFixture {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    THintProbe* A;
    THintProbe* B;
    THintFixture() {
        Form->SetBorderStyle(TFormBorderStyle::bsNone);
        Form->SetBounds(100, 100, 300, 200);
        A = Add(20, 20);
        B = Add(160, 20);
        Form->Show();
        Application->CancelHint();
        Application->SetHintPause(150);
        Application->SetHintShortPause(20);
        Application->SetHintHidePause(0);
        MoveMouseTo({20, 20});  // off the form
        PumpApp(nullptr, 50);
    }
    ~THintFixture() {
        Application->CancelHint();
        Application->SetHintPause(500);
        Application->SetHintShortPause(50);
        Application->SetHintHidePause(2500);
        Application->SetHintWindowClass(nullptr);
    }
    THintProbe* Add(int left, int top) {
        auto* p = new THintProbe(Form.get());
        p->SetBounds(left, top, 100, 40);
        p->SetParent(Form.get());
        p->SetHint(L"Short|Long");
        p->SetShowHint(true);
        return p;
    }
    TPoint Center(TControl* c) { return c->ClientToScreen({c->Width() / 2, c->Height() / 2}); }
};

}  // namespace

TEST(Hints, AppearAfterThePauseWithWhatTheControlMadeOfTheRecord) {
    THintFixture f;
    f.A->NewText = L"Changed by the control";
    f.A->NewPos = {400, 330};
    f.A->WindowClass = &HintWindowClassOf<TRecordingHintWindow>;
    HWND foreground = GetForegroundWindow();
    auto start = std::chrono::steady_clock::now();
    MoveMouseTo(f.Center(f.A));
    ASSERT_TRUE(PumpApp(HintVisible, 3000)) << "no hint after the pause";
    auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_GE(waited.count(), 120) << "shown before the pause was over";
    ASSERT_EQ(f.A->Pauses.size(), 1u);
    EXPECT_EQ(f.A->Pauses[0], (std::pair<int, int>{0, 150})) << "no hint was up: the long pause";

    // What the framework prepared.
    EXPECT_EQ(f.A->Asked, 1);
    EXPECT_EQ(f.A->Seen.HintStr, L"Short");
    EXPECT_EQ(f.A->Seen.HintControl, f.A);
    EXPECT_EQ(f.A->Seen.CursorPos, (TPoint{50, 20}));
    EXPECT_EQ(f.A->Seen.CursorRect, (TRect{0, 0, 100, 40}));
    EXPECT_GT(f.A->Seen.HintPos.Y, 120 + 20) << "below the pointer";
    EXPECT_EQ(f.A->Seen.HintColor, clInfoBk);

    // What the control changed reached the window.
    auto* window = dynamic_cast<TRecordingHintWindow*>(Application->HintWindow());
    ASSERT_NE(window, nullptr) << "the record's window class is used";
    EXPECT_EQ(window->GetCaption(), L"Changed by the control");
    EXPECT_EQ(window->LastMaxWidth, f.A->Seen.HintMaxWidth);
    EXPECT_EQ(window->HintControl(), f.A);
    RECT wr;
    GetWindowRect(window->Handle(), &wr);
    EXPECT_EQ(wr.left, 400);
    EXPECT_EQ(wr.top, 330);
    EXPECT_GT(wr.right - wr.left, 40) << "sized from the text";
    EXPECT_TRUE(GetWindowLongW(window->Handle(), GWL_STYLE) & WS_POPUP);
    EXPECT_TRUE(GetWindowLongW(window->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetForegroundWindow(), foreground) << "the hint takes no activation";
    EXPECT_EQ(f.A->Shown, 1);
    EXPECT_EQ(Application->GetHint(), L"Long") << "the long part is the application's hint";

    // Small moves inside the cursor rectangle keep it; CancelHint ends it.
    MoveMouseTo({f.Center(f.A).X + 3, f.Center(f.A).Y + 2});
    PumpApp(nullptr, 60);
    EXPECT_TRUE(HintVisible());
    EXPECT_EQ(f.A->Asked, 1);
    Application->CancelHint();
    EXPECT_FALSE(HintVisible());
    EXPECT_EQ(f.A->Hidden, 1);
}

TEST(Hints, TheNextControlGetsTheShortPauseAndAClickEndsTheHint) {
    THintFixture f;
    MoveMouseTo(f.Center(f.A));
    ASSERT_TRUE(PumpApp(HintVisible, 3000));
    MoveMouseTo(f.Center(f.B));
    ASSERT_TRUE(PumpApp([&] { return f.B->Shown == 1; }, 3000));
    ASSERT_FALSE(f.B->Pauses.empty());
    EXPECT_EQ(f.B->Pauses.back(), (std::pair<int, int>{1, 20})) << "a hint was up: the short pause";
    EXPECT_EQ(f.A->Hidden, 1) << "A's hint went away when B's came";
    EXPECT_EQ(Application->HintWindow()->GetCaption(), L"Short");

    ClickMouse();
    PumpApp(nullptr, 80);
    EXPECT_FALSE(HintVisible()) << "a click ends the hint";
    EXPECT_EQ(f.B->Hidden, 1);
}

TEST(Hints, RefusedOrSwitchedOffHintsStayHidden) {
    THintFixture f;
    f.A->Refuse = true;
    MoveMouseTo(f.Center(f.A));
    PumpApp([&] { return f.A->Asked > 0; }, 3000);
    PumpApp(nullptr, 100);
    EXPECT_GE(f.A->Asked, 1);
    EXPECT_FALSE(HintVisible()) << "a non-zero result refuses the hint";
    EXPECT_EQ(f.A->Shown, 0);

    // Without ShowHint on the control or a parent, nobody is asked.
    MoveMouseTo({20, 20});
    PumpApp(nullptr, 50);
    f.B->SetShowHint(false);
    MoveMouseTo(f.Center(f.B));
    PumpApp(nullptr, 400);
    EXPECT_EQ(f.B->Asked, 0);
    EXPECT_TRUE(f.B->Pauses.empty());

    // A control that follows its parent's ShowHint gets the parent's setting.
    MoveMouseTo({20, 20});
    PumpApp(nullptr, 50);
    f.B->SetParentShowHint(true);
    f.Form->SetShowHint(true);
    EXPECT_TRUE(f.B->GetShowHint());
    MoveMouseTo(f.Center(f.B));
    EXPECT_TRUE(PumpApp([&] { return f.B->Shown == 1; }, 3000));
}

TEST(Hints, ShowHintSetAtRunTimeReachesGrandchildren) {
    THintFixture f;
    f.Form->SetShowHint(false);
    auto* container = new THintProbe(f.Form.get());
    container->SetBounds(20, 80, 200, 100);
    container->SetParent(f.Form.get());
    container->SetHint(L"Container");
    auto* nested = new THintProbe(f.Form.get());
    nested->SetBounds(10, 10, 100, 60);
    nested->SetParent(container);
    nested->SetHint(L"Nested");
    ASSERT_FALSE(nested->GetShowHint());

    f.Form->SetShowHint(true);
    EXPECT_TRUE(container->GetShowHint());
    EXPECT_TRUE(nested->GetShowHint()) << "the grandchild follows the form";
    MoveMouseTo(f.Center(nested));
    ASSERT_TRUE(PumpApp(HintVisible, 3000)) << "no hint on the nested control";
    EXPECT_EQ(Application->HintWindow()->GetCaption(), L"Nested") << "the nested control's own hint";
    EXPECT_EQ(nested->Asked, 1);
    EXPECT_EQ(container->Asked, 0);
    Application->CancelHint();
    MoveMouseTo({20, 20});
    PumpApp(nullptr, 50);

    f.Form->SetShowHint(false);
    EXPECT_FALSE(nested->GetShowHint()) << "switched off down the tree as well";

    // ParentShowHint switched on at run time: the container takes the form's setting and
    // hands it on.
    container->SetShowHint(false);
    f.Form->SetShowHint(true);
    EXPECT_FALSE(nested->GetShowHint()) << "follows its container, which has its own setting";
    container->SetParentShowHint(true);
    EXPECT_TRUE(container->GetShowHint());
    EXPECT_TRUE(nested->GetShowHint());
}

TEST(HintWindow, SizesFromItsTextWrapsAtTheWidthAndStaysOnTheScreen) {
    TOwnedPtr<THintWindow> hint(Make<THintWindow>(nullptr));
    TRect one = hint->CalcHintRect(1000, L"A hint", nullptr);
    TRect longer = hint->CalcHintRect(1000, L"A much longer hint text", nullptr);
    EXPECT_GT(longer.Width(), one.Width());
    EXPECT_EQ(longer.Height(), one.Height());
    TRect wrapped = hint->CalcHintRect(60, L"A much longer hint text", nullptr);
    EXPECT_LE(wrapped.Width(), 60 + 8);
    EXPECT_GE(wrapped.Height(), 2 * one.Height() - 6) << "wraps onto more lines";

    TRect work = Screen->MonitorFromPoint({0, 0}).WorkareaRect;
    hint->ActivateHint(one.Offset(work.Right - 10, work.Bottom - 5), L"A hint");
    RECT wr;
    GetWindowRect(hint->Handle(), &wr);
    EXPECT_EQ(wr.right, work.Right) << "moved back inside the work area";
    EXPECT_EQ(wr.bottom, work.Bottom);
    EXPECT_EQ(wr.right - wr.left, one.Width());
    hint->HideHint();
    EXPECT_FALSE(hint->IsHintVisible());
}

TEST(HintWindow, PaintsItsColourAndTextAndReleasesEverything) {
    TOwnedPtr<THintWindow> hint(Make<THintWindow>(nullptr));
    hint->SetColor(0x80FFFF);
    hint->SetCaption(L"Hint text");
    TRect r = hint->CalcHintRect(L"Hint text");
    hint->SetBounds(0, 0, r.Width(), r.Height());
    hint->HandleNeeded();
    TBitmap bitmap(hint->ClientWidth(), hint->ClientHeight());
    bitmap.Canvas().Brush().SetColor(clFuchsia);
    bitmap.Canvas().FillRect({0, 0, bitmap.Width(), bitmap.Height()});
    int gdi = GdiLiveTotal();
    hint->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.Canvas().Handle()));
    EXPECT_EQ(GdiLiveTotal(), gdi);
    EXPECT_EQ(bitmap.PixelColor(0, 0), 0x80FFFF);
    EXPECT_EQ(bitmap.PixelColor(bitmap.Width() - 1, bitmap.Height() - 1), 0x80FFFF);
    int ink = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) ink += (bitmap.PixelColor(x, y) & 0xFF) < 0x60;
    EXPECT_GT(ink, 10) << "the text";
}
