// The status bar in a real window, driven with real mouse and keyboard input: anchors and
// the cursor, anchor clicks (the shell through a seam), Button panels, clicks, hints,
// the real timer and Num Lock, and the application's hint taken up by AutoHint.
#include <windows.h>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "paint/FaceCache.h"
#include "statusbar/HtmlPaintInternal.h"
#include "statusbar/OrvOfficeStatusBarStylers.h"

using namespace orv;
using enum orv::TOfficeStatusBarStyle;

namespace {

void PointAt(TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen({x, y});
    SetCursorPos(p.X, p.Y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = (p.X * 65536 + cx / 2) / cx;
    input.mi.dy = (p.Y * 65536 + cy / 2) / cy;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
    orvtest::PumpFor(40);
}

void Mouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
    orvtest::PumpFor(40);
}

void Click(TControl* control, int x, int y, bool right = false) {
    PointAt(control, x, y);
    Mouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    Mouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

struct TShellSeam {
    std::vector<std::wstring> Opened;
    TShellSeam() {
        SetStatusBarSystemCalls({nullptr, nullptr, [this](const std::wstring& t) { Opened.push_back(t); }, nullptr});
    }
    ~TShellSeam() { SetStatusBarSystemCalls({}); }
};

// A shown form in the foreground with a 400-wide bar; the pointer parked outside.
struct TWindowFixture {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvOfficeStatusBar* Bar;
    TWindowFixture() {
        SetCursorPos(10, 10);
        Form->SetBorderStyle(TFormBorderStyle::bsSingle);
        Form->SetBounds(150, 150, 300, 160);
        Form->SetClientWidth(400);
        Bar = new TOrvOfficeStatusBar(Form.get());
        Bar->SetParent(Form.get());
        Form->Show();
        SetForegroundWindow(Form->Handle());
        orvtest::PumpFor(60);
    }
    ~TWindowFixture() { SetCursorPos(10, 10); }
};

const wchar_t* const kLinkText = L"<a href=\"plainword\">linklinklinklinklink</a>";

}  // namespace

TEST(StatusBarWindow, AnchorsCursorAndClicks) {
    TShellSeam shell;
    TWindowFixture f;
    TOrvOfficeStatusBar& bar = *f.Bar;
    auto* plain = bar.Panels().Add();
    plain->SetWidth(150);
    plain->SetText(kLinkText);
    auto* web = bar.Panels().Add();
    web->SetWidth(150);
    web->SetText(L"<a href=\"HTTP://example.org\">webwebwebwebweb</a>");
    auto* file = bar.Panels().Add();
    file->SetText(L"<a href=\"file://c:/x.txt\">filefilefilefile</a> tail");
    orvtest::PumpFor(30);

    std::vector<std::wstring> entered, exited, clicked;
    std::vector<int> panelClicks, rightClicks;
    bar.OnAnchorEnter = [&](TObject*, const std::wstring& a) { entered.push_back(a); };
    bar.OnAnchorExit = [&](TObject*, const std::wstring& a) { exited.push_back(a); };
    bar.OnAnchorClick = [&](TObject*, const std::wstring& a) { clicked.push_back(a); };
    bar.OnPanelClick = [&](TObject*, int i) { panelClicks.push_back(i); };
    bar.OnPanelRightClick = [&](TObject*, int i) { rightClicks.push_back(i); };

    // Hovering the anchor: the hand cursor and one enter; leaving it: the arrow and an exit.
    EXPECT_EQ(bar.AnchorAt(25, 9), L"plainword");
    EXPECT_EQ(bar.AnchorAt(25, 1), L"") << "above the text box";
    PointAt(&bar, 25, 9);
    PointAt(&bar, 30, 9);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    ASSERT_EQ(entered.size(), 1u) << "moving within one anchor enters once";
    EXPECT_EQ(entered[0], L"plainword");
    EXPECT_EQ(bar.Anchor(), L"plainword");
    PointAt(&bar, 140, 9);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
    ASSERT_EQ(exited.size(), 1u);
    EXPECT_EQ(exited[0], L"");

    // A plain anchor raises OnAnchorClick; a web anchor (any case) goes to the shell; a
    // file anchor does not.
    Click(&bar, 25, 9);
    EXPECT_EQ(clicked, (std::vector<std::wstring>{L"plainword"}));
    Click(&bar, 175, 9);
    EXPECT_EQ(shell.Opened, (std::vector<std::wstring>{L"HTTP://example.org"}));
    EXPECT_EQ(clicked.size(), 1u);
    Click(&bar, 325, 9);
    EXPECT_EQ(clicked.back(), L"file://c:/x.txt");
    EXPECT_EQ(shell.Opened.size(), 1u);
    EXPECT_EQ(panelClicks, (std::vector<int>{0, 1, 2}));
    Click(&bar, 200, 9, true);
    EXPECT_EQ(rightClicks, (std::vector<int>{1}));

    // No panels: clicks report -1.
    bar.Panels().Clear();
    orvtest::PumpFor(20);
    Click(&bar, 100, 9);
    EXPECT_EQ(panelClicks.back(), -1);
}

TEST(StatusBarWindow, ButtonPanelsHotAndDown) {
    TWindowFixture f;
    TOrvOfficeStatusBar& bar = *f.Bar;
    auto* styler = new TOrvOfficeStatusBarOfficeStyler(f.Form.get());
    bar.SetStyler(styler);
    bar.Panels().Add()->SetWidth(100);
    auto* button = bar.Panels().Add();
    button->SetWidth(100);
    button->SetButton(true);
    bar.Panels().Add()->SetWidth(100);
    orvtest::PumpFor(30);

    PointAt(&bar, 50, 9);
    EXPECT_EQ(bar.HotPanelIndex(), -1) << "only Button panels become hot";
    EXPECT_EQ(bar.MousePanel(), 0);
    PointAt(&bar, 150, 9);
    EXPECT_EQ(bar.HotPanelIndex(), 1);
    orvtest::PumpFor(30);
    // Hot look of Office 2003 blue: ColorHot at the top of the fill.
    TColor top = 0;
    {
        TBitmap b(bar.Width(), bar.Height());
        bar.Perform(WM_PAINT, reinterpret_cast<WPARAM>(b.Canvas().Handle()), 0);
        top = b.PixelColor(150, 2);
        EXPECT_EQ(b.PixelColor(102, 5), 8421504) << "hot border";
    }
    Mouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(bar.DownPanelIndex(), 1);
    {
        TBitmap b(bar.Width(), bar.Height());
        bar.Perform(WM_PAINT, reinterpret_cast<WPARAM>(b.Canvas().Handle()), 0);
        EXPECT_NE(b.PixelColor(150, 2), top) << "the down look differs from the hot one";
        EXPECT_EQ(b.PixelColor(102, 5), 10240783) << "down border";
    }
    Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(bar.DownPanelIndex(), -1);
    PointAt(&bar, 250, 9);
    EXPECT_EQ(bar.HotPanelIndex(), -1);
    PointAt(&bar, 150, 9);
    EXPECT_EQ(bar.HotPanelIndex(), 1);
    PointAt(f.Form.get(), 200, 40);  // off the bar
    orvtest::PumpFor(60);
    EXPECT_EQ(bar.HotPanelIndex(), -1) << "leaving the bar clears the hot panel";

    // Double click reports the panel under the pointer.
    std::vector<int> doubles;
    bar.OnPanelDblClick = [&](TObject*, int i) { doubles.push_back(i); };
    PointAt(&bar, 250, 9);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(doubles, (std::vector<int>{2}));
}

TEST(StatusBarWindow, AnchorHintAboveRightOfThePointer) {
    TWindowFixture f;
    TOrvOfficeStatusBar& bar = *f.Bar;
    auto* html = bar.Panels().Add();
    html->SetWidth(200);
    html->SetText(kLinkText);
    html->OfficeHint().SetTitle(L"Panel title");
    html->OfficeHint().SetNotes({L"panel notes"});
    auto* text = bar.Panels().Add();
    text->SetStyle(psText);
    text->OfficeHint().SetTitle(L"Text panel");
    orvtest::PumpFor(30);

    auto ask = [&](int x, int y) {
        THintInfo info;
        info.HintControl = &bar;
        info.CursorPos = {x, y};
        info.HintPos = {-1, -1};
        bar.Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
        return info;
    };
    bar.SetAnchorHint(true);
    THintInfo info = ask(25, 9);
    TPoint screen = bar.ClientToScreen({25, 9});
    EXPECT_EQ(info.HintPos.X, screen.X + 10);
    EXPECT_EQ(info.HintPos.Y, screen.Y - 10);
    EXPECT_EQ(info.HintControl, bar.DummyHintControl());
    EXPECT_EQ(bar.DummyHintControl()->OfficeHint().GetTitle(), L"");
    EXPECT_EQ(bar.DummyHintControl()->OfficeHint().GetNotes(), (std::vector<std::wstring>{L"plainword"}));

    info = ask(180, 9);  // the HTML panel beside its anchor
    EXPECT_EQ(info.HintPos.X, -1);
    EXPECT_EQ(bar.DummyHintControl()->OfficeHint().GetTitle(), L"Panel title");
    info = ask(300, 9);
    EXPECT_EQ(bar.DummyHintControl()->OfficeHint().GetTitle(), L"Text panel");
    bar.SetAnchorHint(false);
    info = ask(25, 9);
    EXPECT_EQ(info.HintPos.X, -1);
    EXPECT_EQ(bar.DummyHintControl()->OfficeHint().GetTitle(), L"Panel title");
    // Over the simple panel no panel's hint shows, not even the one asked for last.
    bar.SetSimplePanel(true);
    info = ask(25, 9);
    EXPECT_EQ(info.HintControl, bar.DummyHintControl());
    EXPECT_EQ(bar.DummyHintControl()->OfficeHint().GetTitle(), L"");
    EXPECT_TRUE(bar.DummyHintControl()->OfficeHint().GetNotes().empty());
}

TEST(StatusBarWindow, RealTimerClockAndNumLock) {
    TWindowFixture f;
    TOrvOfficeStatusBar& bar = *f.Bar;
    auto* time = bar.Panels().Add();
    time->SetStyle(psTime);
    time->SetTimeFormat(L"h:mm:ss");
    time->SetWidth(120);
    auto* num = bar.Panels().Add();
    num->SetStyle(psNumLock);
    orvtest::PumpFor(300);
    EXPECT_FALSE(time->GetText().empty()) << "the timer runs once the window exists";

    // Ten ticks a second, one text change a second: the clock's panel repaints once a
    // change.
    int paints = bar.PaintCount();
    std::wstring first = time->GetText();
    orvtest::PumpFor(2500);
    int repainted = bar.PaintCount() - paints;
    EXPECT_NE(time->GetText(), first);
    EXPECT_GE(repainted, 2);
    EXPECT_LE(repainted, 8) << "not ten times a second";

    // Num Lock toggled with the keyboard shows in the panel at the next tick.
    const bool before = (GetKeyState(VK_NUMLOCK) & 1) != 0;
    auto press = [] {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = VK_NUMLOCK;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
        orvtest::PumpFor(250);
    };
    EXPECT_EQ(num->GetText(), before ? L"NUM" : L"");
    press();
    const bool after = (GetKeyState(VK_NUMLOCK) & 1) != 0;
    EXPECT_NE(after, before);
    EXPECT_EQ(num->GetText(), after ? L"NUM" : L"");
    press();
}

TEST(StatusBarWindow, PanelTextIsLaidOutOncePerTextAndWidth) {
    // Panel faces kept from an earlier test's bar with the same panels would spare this
    // bar's paints their layouts: counted from an empty face cache.
    SharedFaceCache().Clear();
    TWindowFixture f;
    TOrvOfficeStatusBar& bar = *f.Bar;
    auto* link = bar.Panels().Add();
    link->SetWidth(150);
    link->SetText(kLinkText);
    auto* right = bar.Panels().Add();
    right->SetWidth(150);
    right->SetAlignment(TTextAlignment::taRightJustify);
    right->SetText(L"<b>right</b> <a href=\"r\">aligned</a>");
    bar.Panels().Add()->SetText(L"<FONT size=\"2\">last</FONT>");
    orvtest::PumpFor(60);
    UpdateWindow(bar.Handle());

    // Paints and pointer moves over the panels lay nothing out again.
    const long before = detail::HtmlLayoutsDone();
    for (int x : {20, 30, 100, 180, 250, 290, 330, 380, 25}) PointAt(&bar, x, 9);
    for (int i = 0; i < 3; ++i) {
        bar.Invalidate();
        UpdateWindow(bar.Handle());
    }
    EXPECT_EQ(detail::HtmlLayoutsDone(), before) << "the laid-out texts are kept";
    EXPECT_EQ(bar.Anchor(), L"plainword") << "the kept layout still finds the anchor";
    EXPECT_EQ(bar.AnchorAt(290, 9), L"r");

    // A new text is laid out once, then kept again; the pointer finds its anchor.
    link->SetText(L"<a href=\"other\">otherotherotherother</a>");
    orvtest::PumpFor(40);
    const long afterText = detail::HtmlLayoutsDone();
    EXPECT_GT(afterText, before);
    PointAt(&bar, 30, 9);
    PointAt(&bar, 25, 9);
    EXPECT_EQ(bar.Anchor(), L"other");
    bar.Invalidate();
    UpdateWindow(bar.Handle());
    EXPECT_EQ(detail::HtmlLayoutsDone(), afterText);

    // A new width lays the stretching last panel out again, and only once.
    f.Form->SetClientWidth(500);
    orvtest::PumpFor(40);
    UpdateWindow(bar.Handle());
    const long afterWidth = detail::HtmlLayoutsDone();
    EXPECT_GT(afterWidth, afterText);
    bar.Invalidate();
    UpdateWindow(bar.Handle());
    PointAt(&bar, 450, 9);
    EXPECT_EQ(detail::HtmlLayoutsDone(), afterWidth);
}

TEST(StatusBarWindow, ItemChangePaintsThePanelAtOnceThenTheBar) {
    TWindowFixture f;
    TOrvOfficeStatusBar& bar = *f.Bar;
    auto* first = bar.Panels().Add();
    first->SetWidth(150);
    auto* second = bar.Panels().Add();
    orvtest::PumpFor(60);
    UpdateWindow(bar.Handle());
    RECT pending{};
    ASSERT_FALSE(GetUpdateRect(bar.Handle(), &pending, FALSE));

    // The panel is painted before the setter returns; the whole bar waits for its repaint.
    const int paints = bar.PaintCount();
    second->SetText(L"changed");
    EXPECT_EQ(bar.PaintCount(), paints + 1) << "the panel's rectangle painted at once";
    ASSERT_TRUE(GetUpdateRect(bar.Handle(), &pending, FALSE));
    EXPECT_EQ(pending.left, 0);
    EXPECT_EQ(pending.right, bar.ClientWidth()) << "then the bar";
    orvtest::PumpFor(40);
    EXPECT_EQ(bar.PaintCount(), paints + 2);

    // Within an update bracket the panel still shows at once; the bar waits for the end.
    bar.Panels().BeginUpdate();
    first->SetAlignment(TTextAlignment::taCenter);
    EXPECT_EQ(bar.PaintCount(), paints + 3);
    EXPECT_FALSE(GetUpdateRect(bar.Handle(), &pending, FALSE));
    bar.Panels().EndUpdate();
    EXPECT_TRUE(GetUpdateRect(bar.Handle(), &pending, FALSE));

    // An unchanged value paints nothing.
    orvtest::PumpFor(40);
    const int settled = bar.PaintCount();
    second->SetText(L"changed");
    orvtest::PumpFor(40);
    EXPECT_EQ(bar.PaintCount(), settled);
}

namespace {
// Pumps through the application with its idle work, as its own loop does: the idle step
// is where the hint of the control under the pointer is taken up.
void PumpApp(int ms) {
    DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    while (static_cast<int>(end - GetTickCount()) > 0) {
        Application->ProcessMessages();
        Application->Idle();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void MovePointer(TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen({x, y});
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(p.X, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(p.Y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
    PumpApp(120);
}
}  // namespace

TEST(StatusBarWindow, AutoHintFollowsThePointer) {
    TWindowFixture f;
    TOrvOfficeStatusBar& bar = *f.Bar;
    auto* button = new TPanel(f.Form.get());
    button->SetParent(f.Form.get());
    button->SetBounds(20, 20, 100, 30);
    button->SetHint(L"Save|Saves the file");
    auto* quiet = new TPanel(f.Form.get());
    quiet->SetParent(f.Form.get());
    quiet->SetBounds(200, 20, 100, 30);
    bar.SetAutoHint(true);
    Application->SetHint(L"");
    PumpApp(60);

    // No panels: the long hint goes to the simple text, and leaving clears it.
    MovePointer(button, 50, 15);
    EXPECT_EQ(Application->GetHint(), L"Saves the file");
    EXPECT_EQ(bar.GetSimpleText(), L"Saves the file");
    MovePointer(quiet, 50, 15);
    EXPECT_EQ(bar.GetSimpleText(), L"") << "a control without a hint clears the bar";

    // With panels the first panel shows it; the other panels keep their text.
    auto* first = bar.Panels().Add();
    first->SetWidth(200);
    first->SetText(L"Ready");
    auto* second = bar.Panels().Add();
    second->SetText(L"Line 1");
    PumpApp(40);
    MovePointer(button, 60, 10);
    EXPECT_EQ(first->GetText(), L"Saves the file");
    EXPECT_EQ(second->GetText(), L"Line 1");
    {
        // The hint is painted, not only stored: the panel's text area has ink now.
        TBitmap shown(bar.Width(), bar.Height());
        bar.Perform(WM_PAINT, reinterpret_cast<WPARAM>(shown.Canvas().Handle()), 0);
        first->SetText(L"");
        TBitmap empty(bar.Width(), bar.Height());
        bar.Perform(WM_PAINT, reinterpret_cast<WPARAM>(empty.Canvas().Handle()), 0);
        int differing = 0;
        for (int x = 4; x < 190; ++x)
            for (int y = 3; y < bar.Height() - 3; ++y) differing += shown.PixelColor(x, y) != empty.PixelColor(x, y);
        EXPECT_GT(differing, 20) << "hint text drawn in panel 0";
    }
    MovePointer(&bar, 300, 9);
    EXPECT_EQ(first->GetText(), L"") << "the bar itself has no hint";

    // Off AutoHint the bar leaves its panels alone.
    first->SetText(L"Ready");
    bar.SetAutoHint(false);
    MovePointer(button, 50, 15);
    EXPECT_EQ(Application->GetHint(), L"Saves the file");
    EXPECT_EQ(first->GetText(), L"Ready");
    MovePointer(quiet, 50, 15);

    // A handler of the application's OnHint takes the hint over.
    bar.SetAutoHint(true);
    int handled = 0;
    Application->OnHint = [&](TObject*) { ++handled; };
    MovePointer(button, 50, 15);
    Application->OnHint = nullptr;
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(first->GetText(), L"Ready");
    MovePointer(quiet, 50, 15);
    EXPECT_EQ(first->GetText(), L"");
}
