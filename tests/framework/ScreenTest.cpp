#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "framework/Forms.h"
#include "framework/Screen.h"

using namespace orv;

namespace {
TRect FromRECT(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}
}  // namespace

TEST(Screen, MonitorsWorkAreaAndDesktopMatchTheSystem) {
    ASSERT_NE(Screen, nullptr);
    EXPECT_EQ(Screen->MonitorCount(), GetSystemMetrics(SM_CMONITORS));
    TMonitor primary = Screen->PrimaryMonitor();
    ASSERT_TRUE(primary.IsValid());
    EXPECT_TRUE(primary.Primary);
    EXPECT_EQ(primary.BoundsRect, (TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(Screen->WorkAreaRect(), FromRECT(work));
    EXPECT_EQ(primary.WorkareaRect, FromRECT(work)) << "one monitor: its work area is the system's";
    EXPECT_EQ(Screen->Width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(Screen->Height(), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(Screen->DesktopRect(),
              Bounds(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                     GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)));
    EXPECT_EQ(Screen->Monitors(0).Handle, Screen->MonitorFromPoint({1, 1}).Handle);
    EXPECT_EQ(Screen->Monitors(0).MonitorNum, 0);

    // Nearest, null and primary for a point far off every monitor.
    TPoint faraway{-30000, -30000};
    EXPECT_TRUE(Screen->MonitorFromPoint(faraway).IsValid());
    EXPECT_FALSE(Screen->MonitorFromPoint(faraway, TMonitorDefaultTo::mdNull).IsValid());
    EXPECT_EQ(Screen->MonitorFromPoint(faraway, TMonitorDefaultTo::mdPrimary).Handle, primary.Handle);
    EXPECT_TRUE(Screen->MonitorFromPoint(faraway, TMonitorDefaultTo::mdNull).WorkareaRect.IsEmpty());
    EXPECT_EQ(Screen->MonitorFromRect(Bounds(10, 10, 50, 50)).Handle, primary.Handle);
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(20, 20, 100, 100);
    form->Show();
    EXPECT_EQ(Screen->MonitorFromWindow(form->Handle()).Handle, primary.Handle);

    HDC dc = GetDC(nullptr);
    EXPECT_EQ(Screen->PixelsPerInch(), GetDeviceCaps(dc, LOGPIXELSY));
    ReleaseDC(nullptr, dc);
}

TEST(Screen, SystemFontsAndTheInstalledFontList) {
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof(m);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(m), &m, 0));
    Screen->RefreshFonts();
    EXPECT_EQ(Screen->MenuFont().GetName(), m.lfMenuFont.lfFaceName);
    EXPECT_EQ(Screen->MenuFont().GetHeight(), m.lfMenuFont.lfHeight);
    EXPECT_EQ(Screen->MessageFont().GetName(), m.lfMessageFont.lfFaceName);
    EXPECT_EQ(Screen->HintFont().GetName(), m.lfStatusFont.lfFaceName);
    EXPECT_EQ(Screen->HintFont().GetHeight(), m.lfStatusFont.lfHeight);
    const auto& fonts = Screen->Fonts();
    ASSERT_FALSE(fonts.empty());
    EXPECT_TRUE(std::is_sorted(fonts.begin(), fonts.end()));
    EXPECT_TRUE(std::adjacent_find(fonts.begin(), fonts.end()) == fonts.end()) << "no duplicates";
    EXPECT_TRUE(std::binary_search(fonts.begin(), fonts.end(), std::wstring(m.lfMenuFont.lfFaceName)))
        << "the menu font is installed";
}

TEST(Screen, ItsCursorOverridesEveryControlsCursor) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(100, 100, 200, 100);
    auto* child = new TCustomControl(form.get());
    child->SetBounds(0, 0, 200, 100);
    child->SetCursor(crHandPoint);
    child->SetParent(form.get());
    form->Show();
    SetCursorPos(150, 150);
    HWND h = child->Handle();
    auto ask = [&] { SendMessageW(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)); };
    ask();
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    Screen->SetCursor(crHourGlass);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT)) << "shown at once";
    ask();
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT)) << "the control's own cursor is overridden";
    Screen->SetCursor(crDefault);
    ask();
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

TEST(Screen, KnowsTheFormsAndTheActiveOne) {
    int before = Screen->FormCount();
    TOwnedPtr<TForm> a(Make<TForm>(nullptr));
    TOwnedPtr<TForm> b(Make<TForm>(nullptr));
    EXPECT_EQ(Screen->FormCount(), before + 2);
    EXPECT_EQ(Screen->Forms(before + 1), b.get());
    auto* edit = new TCustomControl(b.get());
    edit->SetBounds(10, 10, 50, 20);
    edit->SetParent(b.get());
    a->Show();
    b->Show();
    edit->SetFocus();
    orvtest::PumpFor(30);
    EXPECT_EQ(Screen->ActiveForm(), b.get());
    EXPECT_EQ(Screen->ActiveControl(), edit);
    a->Show();  // takes the activation
    orvtest::PumpFor(30);
    EXPECT_EQ(Screen->ActiveForm(), a.get());
    EXPECT_EQ(Screen->ActiveControl(), nullptr);
    b.reset();
    EXPECT_EQ(Screen->FormCount(), before + 1);
    EXPECT_EQ(Screen->Forms(before), a.get());
}
