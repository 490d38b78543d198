// The toolbar form: its edge values, resize zones, glass frame and borders (glass forced
// on through the seam: there is no composition here), the pager's hide state, the
// drawn border, and the composition and visual-styles wrappers' fallbacks.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "paint/OrvEnvironment.h"
#include "framework/GdiHandles.h"
#include "toolbar/GlassCaptionText.h"
#include "toolbar/OrvDWM.h"
#include "toolbar/OrvTBXPVS.h"
#include "toolbar/OrvToolBarForm.h"

using namespace orv;

namespace {

class TFakePager : public TCustomControl, public IOrvToolBarFormPager {
public:
    explicit TFakePager(TComponent* owner) : TCustomControl(owner) {}
    TColor FormBorderColor() const override { return 0x00336699; }
    int GlassTabHeight() const override { return TabHeight; }
    bool ScenicLook() const override { return Scenic; }
    void EnterHideState() override {
        Hidden = true;
        ++Enters;
    }
    void LeaveHideState() override {
        Hidden = false;
        ++Leaves;
    }
    bool InHideState() const override { return Hidden; }
    void GlassChanged(bool onGlass) override { GlassCalls.push_back(onGlass); }
    void SizeToForm() override {}
    TWinControl* PagerControl() override { return this; }

    int TabHeight = 0;
    bool Scenic = false;
    bool Hidden = false;
    int Enters = 0;
    int Leaves = 0;
    std::vector<bool> GlassCalls;
};

// Forces the glass condition for one test.
struct TGlassScope {
    explicit TGlassScope(TGlassOverride value) { SetGlassOverride(value); }
    ~TGlassScope() { SetGlassOverride(TGlassOverride::goNone); }
};

struct TFormWithPager {
    TOwnedPtr<TOrvToolBarForm> Form;
    TFakePager* Pager;
    TFormWithPager(int tabHeight = 0) : Form(Make<TOrvToolBarForm>(nullptr)) {
        Pager = new TFakePager(Form.get());
        Pager->TabHeight = tabHeight;
        Pager->SetBounds(0, 0, 400, 100);
        Pager->SetParent(Form.get());
        Form->SetBounds(100, 100, 600, 400);
    }
};

}  // namespace

TEST(ToolBarFormGeometry, GlassMarginsCaptionBandBordersAndClientInsets) {
    EXPECT_EQ(29, ToolBarFormTopGlassMargin(false, false, 0));
    EXPECT_EQ(54, ToolBarFormTopGlassMargin(false, false, 26));  // 29 + 26 - 1
    EXPECT_EQ(35, ToolBarFormTopGlassMargin(true, false, 26));
    EXPECT_EQ(54, ToolBarFormTopGlassMargin(true, true, 0));
    EXPECT_EQ(27, ToolBarFormCaptionBand(false, false));
    EXPECT_EQ(33, ToolBarFormCaptionBand(true, false));
    EXPECT_EQ(27, ToolBarFormCaptionBand(true, true));

    EXPECT_EQ((TRect{8, 0, 8, 8}), ToolBarFormGlassBorders(TFormBorderStyle::bsSizeable, false, false));
    EXPECT_EQ((TRect{8, 0, 8, 9}), ToolBarFormGlassBorders(TFormBorderStyle::bsSizeable, true, false));
    EXPECT_EQ((TRect{3, 0, 3, 3}), ToolBarFormGlassBorders(TFormBorderStyle::bsSingle, false, false));
    EXPECT_EQ((TRect{3, 0, 3, 8}), ToolBarFormGlassBorders(TFormBorderStyle::bsSingle, true, false));
    EXPECT_EQ((TRect{3, 0, 3, 3}), ToolBarFormGlassBorders(TFormBorderStyle::bsSingle, true, true));
    EXPECT_EQ((TRect{3, 0, 3, 9}), ToolBarFormGlassBorders(TFormBorderStyle::bsToolWindow, true, false));
    EXPECT_EQ((TRect{}), ToolBarFormGlassBorders(TFormBorderStyle::bsNone, true, false));

    TRect r{0, 0, 100, 80};
    ToolBarFormAdjustClientRect(r, false, false, false, false);
    EXPECT_EQ((TRect{1, 1, 98, 78}), r);
    r = {0, 0, 100, 80};
    ToolBarFormAdjustClientRect(r, true, true, true, false);
    EXPECT_EQ((TRect{1, 6, 99, 80}), r);
    r = {0, 0, 100, 80};
    ToolBarFormAdjustClientRect(r, true, true, true, true);
    EXPECT_EQ((TRect{1, 0, 99, 80}), r);
}

TEST(ToolBarFormGeometry, ResizeZonesTopLeftRightBottomThenCornersWin) {
    const int w = 400, h = 300;
    EXPECT_EQ(HTTOP, ToolBarFormHitTest({100, 2}, w, h));
    EXPECT_EQ(HTNOWHERE, ToolBarFormHitTest({100, 3}, w, h));
    EXPECT_EQ(HTLEFT, ToolBarFormHitTest({2, 100}, w, h));
    EXPECT_EQ(HTNOWHERE, ToolBarFormHitTest({3, 100}, w, h));
    EXPECT_EQ(HTRIGHT, ToolBarFormHitTest({388, 100}, w, h));
    EXPECT_EQ(HTNOWHERE, ToolBarFormHitTest({387, 100}, w, h));
    EXPECT_EQ(HTBOTTOM, ToolBarFormHitTest({100, 288}, w, h));
    EXPECT_EQ(HTNOWHERE, ToolBarFormHitTest({100, 287}, w, h));
    // Corners: 20 x 20, winning over the edges.
    EXPECT_EQ(HTTOPLEFT, ToolBarFormHitTest({19, 19}, w, h));
    EXPECT_EQ(HTTOP, ToolBarFormHitTest({20, 1}, w, h));
    EXPECT_EQ(HTTOPRIGHT, ToolBarFormHitTest({380, 0}, w, h));
    EXPECT_EQ(HTBOTTOMLEFT, ToolBarFormHitTest({0, 280}, w, h));
    EXPECT_EQ(HTBOTTOMRIGHT, ToolBarFormHitTest({399, 299}, w, h));
    // The bottom test comes after the left one: a narrow bottom strip near the left.
    EXPECT_EQ(HTBOTTOM, ToolBarFormHitTest({25, 295}, w, h));
}

TEST(ToolBarFormWindow, OffGlassHasNoSystemCaptionAndAnswersResizeZones) {
    TGlassScope glass(TGlassOverride::goOff);
    TFormWithPager f;
    f.Form->SetVisible(true);
    HWND wnd = f.Form->Handle();
    orvtest::PumpFor(50);
    EXPECT_FALSE(f.Form->IsAeroVista());
    LONG style = GetWindowLongW(wnd, GWL_STYLE);
    EXPECT_NE(WS_CAPTION, style & WS_CAPTION);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(GetClassLongW(wnd, GCL_STYLE) & CS_DROPSHADOW);

    RECT wr{};
    GetWindowRect(wnd, &wr);
    auto hit = [&](int x, int y) { return SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(wr.left + x, wr.top + y)); };
    EXPECT_EQ(HTTOP, hit(100, 1));
    EXPECT_EQ(HTLEFT, hit(1, 100));
    EXPECT_EQ(HTRIGHT, hit(wr.right - wr.left - 10, 300));
    EXPECT_EQ(HTBOTTOM, hit(300, wr.bottom - wr.top - 10));
    EXPECT_EQ(HTBOTTOMRIGHT, hit(wr.right - wr.left - 5, wr.bottom - wr.top - 5));
    EXPECT_EQ(HTCLIENT, hit(500, 300));
}

TEST(ToolBarFormWindow, BelowThreeHundredPixelsThePagerHidesAndComesBack) {
    TGlassScope glass(TGlassOverride::goOff);
    TFormWithPager f;
    f.Form->SetVisible(true);
    orvtest::PumpFor(30);
    EXPECT_EQ(0, f.Pager->Enters);
    f.Form->SetWidth(250);
    orvtest::PumpFor(30);
    EXPECT_TRUE(f.Pager->Hidden);
    EXPECT_EQ(1, f.Pager->Enters);
    f.Form->SetWidth(260);  // still narrow: not entered twice
    orvtest::PumpFor(30);
    EXPECT_EQ(1, f.Pager->Enters);
    f.Form->SetWidth(500);
    orvtest::PumpFor(30);
    EXPECT_FALSE(f.Pager->Hidden);
    EXPECT_EQ(1, f.Pager->Leaves);
}

TEST(ToolBarFormWindow, OnGlassTheFrameFollowsThePagerTabsAndOnlyBordersAreNonClient) {
    TGlassScope glass(TGlassOverride::goOn);
    TFormWithPager f(26);
    EXPECT_TRUE(f.Form->IsAeroVista());
    TDwmMargins m = f.Form->GlassFrameMargins();
    EXPECT_EQ(1, m.Left);
    EXPECT_EQ(1, m.Right);
    EXPECT_EQ(1, m.Bottom);
    EXPECT_EQ(54, m.Top);
    f.Pager->TabHeight = 0;
    EXPECT_EQ(29, f.Form->GlassFrameMargins().Top);

    HWND wnd = f.Form->Handle();
    RECT wr{}, cr{};
    GetWindowRect(wnd, &wr);
    GetClientRect(wnd, &cr);
    // Sizeable: 8 pixels left, right and bottom; the caption band stays client.
    EXPECT_EQ(wr.right - wr.left - 16, cr.right);
    EXPECT_EQ(wr.bottom - wr.top - 8, cr.bottom);

    // Narrow with the scenic look: the margin drops to 28 until the form widens again.
    f.Pager->Scenic = true;
    f.Form->SetVisible(true);
    f.Form->SetWidth(280);
    orvtest::PumpFor(30);
    EXPECT_EQ(28, f.Form->GlassFrameMargins().Top);
    f.Form->SetWidth(640);
    orvtest::PumpFor(30);
    EXPECT_EQ(29, f.Form->GlassFrameMargins().Top);
}

TEST(ToolBarFormWindow, GlassSwitchTellsThePagerAndActivationRaisesTheOwnEvent) {
    TFormWithPager f;
    EXPECT_FALSE(f.Form->IsAeroVista());  // no composition here
    int activations = 0;
    f.Form->OnActivate = [&](TObject*) { ++activations; };
    f.Form->SetVisible(true);
    SetForegroundWindow(f.Form->Handle());
    orvtest::PumpUntil([&] { return activations > 0; }, 1000);
    EXPECT_GE(activations, 1);

    SetGlassOverride(TGlassOverride::goOn);
    f.Form->UpdateGlass();
    SetGlassOverride(TGlassOverride::goNone);
    EXPECT_TRUE(f.Form->IsAeroVista());
    EXPECT_TRUE(f.Form->GetDoubleBuffered());
    f.Form->UpdateGlass();
    EXPECT_FALSE(f.Form->IsAeroVista());
    EXPECT_EQ((std::vector<bool>{true, false}), f.Pager->GlassCalls);
}

TEST(ToolBarFormPaint, OffGlassBorderIsDrawnInThePagerBorderColour) {
    TGlassScope glass(TGlassOverride::goOff);
    TFormWithPager f;
    f.Pager->SetVisible(false);
    f.Form->SetVisible(true);
    orvtest::PumpFor(50);
    HWND wnd = f.Form->Handle();
    RECT cr{};
    GetClientRect(wnd, &cr);
    TWindowDC screen(wnd);
    TGdiMemoryDC mem(CreateCompatibleDC(screen.Get()));
    TGdiBitmap bmp(CreateCompatibleBitmap(screen.Get(), cr.right, cr.bottom));
    TSelectGuard sel(mem.Get(), bmp.Get());
    f.Form->Perform(WM_PAINT, reinterpret_cast<WPARAM>(mem.Get()), 0);
    EXPECT_EQ(RGB(0x99, 0x66, 0x33), GetPixel(mem.Get(), 200, 0));
    EXPECT_EQ(RGB(0x99, 0x66, 0x33), GetPixel(mem.Get(), 0, 200));
    EXPECT_NE(RGB(0x99, 0x66, 0x33), GetPixel(mem.Get(), 200, 100));
    // The rounded corner leaves the very corner pixel unpainted.
    EXPECT_NE(RGB(0x99, 0x66, 0x33), GetPixel(mem.Get(), 0, 0));
    if (IsVistaOrLater()) {
        // No region trims the window: the right edge is the client's last column, and
        // nothing is drawn 7 pixels inside it.
        EXPECT_EQ(RGB(0x99, 0x66, 0x33), GetPixel(mem.Get(), cr.right - 1, 200));
        EXPECT_NE(RGB(0x99, 0x66, 0x33), GetPixel(mem.Get(), cr.right - 8, 200));
        EXPECT_NE(RGB(0x99, 0x66, 0x33), GetPixel(mem.Get(), 200, cr.bottom - 8));
    }
}

TEST(ToolBarFormPlatform, MissingCompositionLibraryAnswersNotImplemented) {
    SetDwmLibraryName(L"orv_missing_composition.dll");
    BOOL enabled = TRUE;
    EXPECT_EQ(E_NOTIMPL, OrvDwmIsCompositionEnabled(&enabled));
    EXPECT_EQ(E_NOTIMPL, OrvDwmExtendFrameIntoClientArea(GetDesktopWindow(), TDwmMargins{1, 1, 54, 1}));
    LRESULT result = 77;
    EXPECT_FALSE(OrvDwmDefWindowProc(GetDesktopWindow(), WM_NCHITTEST, 0, 0, &result));
    EXPECT_EQ(77, result);
    EXPECT_FALSE(DwmCompositionEnabled());
    SetDwmLibraryName(L"");
    EXPECT_NE(E_NOTIMPL, OrvDwmIsCompositionEnabled(&enabled));
}

TEST(ToolBarFormPlatform, VisualStylesLibraryIsCountedAndForgottenAtTheLastRelease) {
    int startCount = ThemeLibraryLoadCount();
    ASSERT_GE(startCount, 1);  // loaded at start-up
    EXPECT_NE(nullptr, ThemeEntryAddress(TThemeEntry::OpenThemeData));
    EXPECT_NE(nullptr, ThemeEntryAddress(TThemeEntry::EnableTheming));
    EXPECT_TRUE(LoadThemeLibrary());
    EXPECT_EQ(startCount + 1, ThemeLibraryLoadCount());
    for (int i = 0; i <= startCount; ++i) ReleaseThemeLibrary();
    EXPECT_EQ(0, ThemeLibraryLoadCount());
    EXPECT_EQ(nullptr, ThemeEntryAddress(TThemeEntry::OpenThemeData));
    EXPECT_EQ(E_NOTIMPL, OrvCloseThemeData(nullptr));
    EXPECT_EQ(E_NOTIMPL, OrvDrawThemeTextEx(nullptr, nullptr, 0, 0, L"x", 1, 0, nullptr, nullptr));
    ReleaseThemeLibrary();  // below zero is ignored
    EXPECT_EQ(0, ThemeLibraryLoadCount());
    for (int i = 0; i < startCount; ++i) LoadThemeLibrary();
    EXPECT_EQ(startCount, ThemeLibraryLoadCount());
    EXPECT_NE(nullptr, ThemeEntryAddress(TThemeEntry::OpenThemeData));
}

TEST(ToolBarFormPaint, GlowingCaptionTextReleasesEverythingAndTouchesNothingWithoutTheTheme) {
    TFormWithPager f;
    f.Form->SetVisible(true);
    orvtest::PumpFor(30);
    TWindowDC screen(f.Form->Handle());
    TGdiMemoryDC mem(CreateCompatibleDC(screen.Get()));
    TGdiBitmap bmp(CreateCompatibleBitmap(screen.Get(), 200, 40));
    TSelectGuard sel(mem.Get(), bmp.Get());
    TGdiBrush fill(CreateSolidBrush(RGB(10, 200, 30)));
    RECT all{0, 0, 200, 40};
    FillRect(mem.Get(), &all, fill.Get());

    TGlassCaptionText caption;
    caption.Text = L"Quillan - Document";
    caption.BackColor = clBtnFace;
    caption.WhiteTint = true;
    int brushes = GdiLiveCount(TGdiKind::Brush), bitmaps = GdiLiveCount(TGdiKind::Bitmap);
    int fonts = GdiLiveCount(TGdiKind::Font), dcs = GdiLiveCount(TGdiKind::MemoryDC);
    DWORD objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    bool drawn = false;
    for (int i = 0; i < 50; ++i)
        drawn = DrawGlowingCaptionText(f.Form.get(), mem.Get(), caption, TRect{20, 5, 170, 32});
    EXPECT_EQ(brushes, GdiLiveCount(TGdiKind::Brush));
    EXPECT_EQ(bitmaps, GdiLiveCount(TGdiKind::Bitmap));
    EXPECT_EQ(fonts, GdiLiveCount(TGdiKind::Font));
    EXPECT_EQ(dcs, GdiLiveCount(TGdiKind::MemoryDC));
    EXPECT_EQ(objects, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    // Outside the target nothing changes; inside, the warm ramp replaced the fill when drawn.
    EXPECT_EQ(RGB(10, 200, 30), GetPixel(mem.Get(), 10, 20));
    EXPECT_EQ(RGB(10, 200, 30), GetPixel(mem.Get(), 180, 20));
    if (drawn)
        EXPECT_NE(RGB(10, 200, 30), GetPixel(mem.Get(), 100, 30));
    else
        EXPECT_EQ(RGB(10, 200, 30), GetPixel(mem.Get(), 100, 30));
}
