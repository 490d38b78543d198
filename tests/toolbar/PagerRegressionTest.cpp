// Faults the pager, its page and the toolbar form must not have, each met as a user
// meets it: real windows, the real pointer (SendInput) and pixels read from the screen.
#include <gtest/gtest.h>

#include "PagerTestSupport.h"
#include "framework/Bitmap.h"
#include "framework/ImageList.h"
#include "menus/OrvMenus.h"
#include "paint/OrvColors.h"
#include "toolbar/MinimizedRibbonWindow.h"
#include "toolbar/OrvDWM.h"
#include "toolbar/OrvPageScrollButton.h"
#include "toolbar/OrvToolBarForm.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/PagerCaptionLayer.h"
#include "toolbar/PagerPaint.h"

using namespace orv;
using namespace glowtest;
using namespace pagertest;

namespace {
INPUT AbsoluteMove(TPoint screen) {
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = (screen.X * 65536 + cx / 2) / cx;
    in.mi.dy = (screen.Y * 65536 + cy / 2) / cy;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return in;
}

INPUT Button(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    return in;
}

// A press at from, the pointer moved by (dx, dy) in two steps, and the release, queued at
// once: a move or size loop the press starts reads them from the queue.
void DragBy(TPoint from, int dx, int dy) {
    SetCursorPos(from.X, from.Y);
    orvtest::PumpFor(30);
    INPUT in[] = {AbsoluteMove(from), Button(MOUSEEVENTF_LEFTDOWN), AbsoluteMove({from.X + dx / 2, from.Y + dy / 2}),
                  AbsoluteMove({from.X + dx, from.Y + dy}), Button(MOUSEEVENTF_LEFTUP)};
    SendInput(static_cast<UINT>(std::size(in)), in, sizeof(INPUT));
    orvtest::PumpFor(400);
}

// Black over the control's window, as glass is: what is drawn next is all that shows.
void Blacken(TWinControl* control) {
    TWindowDC dc(control->Handle());
    RECT r{0, 0, control->Width(), control->Height()};
    FillRect(dc.Get(), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

// What the window holds at a point (what a composed screen would show of it).
TColor WindowPixel(TWinControl* control, int x, int y) {
    TWindowDC dc(control->Handle());
    return static_cast<TColor>(GetPixel(dc.Get(), x, y));
}

TRect WindowRectOf(TWinControl* control) {
    RECT r{};
    GetWindowRect(control->Handle(), &r);
    return {r.left, r.top, r.right, r.bottom};
}

// A shown toolbar form off glass with a pager (aligned to the top) of one page.
struct TToolBarFormFixture {
    TOwnedPtr<TOrvToolBarForm> Form{Make<TOrvToolBarForm>(nullptr)};
    TOrvToolBarPager* Pager;
    TOrvPage* Page;
    TToolBarFormFixture() {
        SetCursorPos(20, 20);
        Form->SetBounds(60, 60, 640, 360);
        Pager = new TOrvToolBarPager(Form.get());
        Pager->SetParent(Form.get());
        Page = Pager->AddOrvPage(L"Home");
        Form->Show();
        SetForegroundWindow(Form->Handle());
        orvtest::PumpFor(60);
    }
    ~TToolBarFormFixture() { SetCursorPos(20, 20); }
};

}  // namespace

// --- painting --------------------------------------------------------------------------------

TEST(PagerRegression, BothTabScrollButtonsShowTheirFacesAfterScrolling) {
    // Rounded faces: each button asks the pager for the pixels beneath its four corners.
    TFlagScope look(Office2010Look, false);
    TPagerFixture f({}, 500);
    TGlowButtonAppearance& a = f.Pager->CurrentToolBarStyler()->GlowButtonAppearance();
    a.SetBorderColor(0x000000FF);
    a.SetColor(0x00F0F0F0);
    a.SetColorTo(0x00F0F0F0);
    a.SetColorMirror(0x00F0F0F0);
    a.SetColorMirrorTo(0x00F0F0F0);
    for (int i = 0; i < 20; ++i) f.Pages.push_back(f.Pager->AddOrvPage(L"Tab number " + std::to_wstring(i)));
    ASSERT_TRUE(f.Pager->TabScroller().Visible);

    ClickAt(f.Pager->RightScrollButton(), 6, 6);
    ASSERT_EQ(1, f.Pager->TabScroller().Position);
    PointAt(f.Form.get(), 20, 250);  // neither button is hot
    RedrawWindow(f.Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    orvtest::PumpFor(60);

    // Half black over the red border; 12 x 21 buttons: cx = 6, cy = 10.
    auto isArrow = [](TColor c) { return c == 0x0000007F || c == 0x00000080; };
    TOrvPageScrollButton* left = f.Pager->LeftScrollButton();
    TOrvPageScrollButton* right = f.Pager->RightScrollButton();
    ASSERT_TRUE(left && left->GetVisible());
    ASSERT_TRUE(right && right->GetVisible());
    ASSERT_EQ(12, left->Width());
    ASSERT_EQ(21, left->Height());
    EXPECT_TRUE(isArrow(ScreenPixel(left, 5, 10))) << "left arrow tip";
    for (int y = 8; y <= 13; ++y) EXPECT_TRUE(isArrow(ScreenPixel(left, 7, y))) << "left arrow, wide column, y " << y;
    EXPECT_TRUE(Near(ScreenPixel(left, 3, 15), 0x00F0F0F0, 12)) << "left face";
    EXPECT_TRUE(isArrow(ScreenPixel(right, 7, 10))) << "right arrow tip";
    for (int y = 8; y <= 13; ++y) EXPECT_TRUE(isArrow(ScreenPixel(right, 5, y))) << "right arrow, wide column, y " << y;
    EXPECT_TRUE(Near(ScreenPixel(right, 9, 15), 0x00F0F0F0, 12)) << "right face";
}

TEST(PagerRegression, ADisabledCaptionButtonGlyphKeepsTheSystemButtonColour) {
    TPagerFixture f;
    f.Pager->CurrentToolBarStyler()->SetSysButtonColor(0x00336699);
    f.Pager->SetCaptionButtons(1 << cbMinimize);
    TOrvGlowButton* max = f.Pager->MaxButton();
    ASSERT_TRUE(max && max->GetVisible());
    ASSERT_FALSE(max->GetEnabled()) << "visible beside the minimize button, but disabled";
    // The 14 x 14 glyph centred in the 16 x 16 button: the box's two-pixel top from (3, 3).
    auto shot = Snapshot(max);
    EXPECT_EQ(0x00336699, shot->PixelColor(5, 3));
    EXPECT_EQ(0x00336699, shot->PixelColor(10, 4));
    auto min = Snapshot(f.Pager->MinButton());
    EXPECT_EQ(0x00336699, min->PixelColor(6, 10)) << "as the enabled one";
}

TEST(PagerRegression, OnAToolBarFormBeforeVistaTheTopCornersTakeTheFormBorderColour) {
    TPagerFixture f;
    TPagerPaintState state = f.Pager->PaintState();
    const int w = state.Client.Width();
    state.FormBorderColor = 0x00345678;
    for (bool corners : {false, true}) {
        SCOPED_TRACE(corners ? "with the corners" : "without");
        state.FormCorners = corners;
        TBitmap bmp(w, state.Client.Height());
        PaintPager(bmp.Canvas(), state);
        for (TPoint p :
             {TPoint{0, 0}, TPoint{1, 0}, TPoint{0, 1}, TPoint{w - 1, 0}, TPoint{w - 2, 0}, TPoint{w - 1, 1}})
            EXPECT_EQ(corners, bmp.PixelColor(p.X, p.Y) == 0x00345678) << p.X << ", " << p.Y;
        EXPECT_NE(0x00345678, bmp.PixelColor(2, 0)) << "three pixels a corner";
        EXPECT_NE(0x00345678, bmp.PixelColor(1, 1));
    }
}

TEST(PagerGlass, TabGroupCaptionsStopShortOfTheFrameButtonsAndGoWhileTheTabsScroll) {
    TScenicScope scenic(true);
    TFlagScope look(Office2010Look, true);
    SetCursorPos(20, 20);
    SetGlassOverride(TGlassOverride::goOn);
    TOwnedPtr<TOrvToolBarForm> form(Make<TOrvToolBarForm>(nullptr));
    form->SetBounds(60, 60, 1000, 320);
    auto* pager = new TOrvToolBarPager(form.get());
    pager->SetParent(form.get());
    for (const wchar_t* c : {L"Home", L"Insert", L"Page layout", L"References", L"Mailings", L"Review", L"View"})
        pager->AddOrvPage(c);
    form->Show();
    orvtest::PumpFor(60);
    SetGlassOverride(TGlassOverride::goNone);
    Office2010Look = true;  // the pager's own preset styler is not a 2010 one
    pager->UpdateTabs();
    ASSERT_TRUE(pager->GlassLook());
    constexpr TColor kGroup = 0x0000C000;
    pager->CurrentToolBarStyler()->GroupAppearance().SetColorMirrorTo(kGroup);
    auto* g = static_cast<TTabGroupItem*>(pager->TabGroups().Add());
    g->SetTabIndexStart(4);
    g->SetTabIndexEnd(6);
    // The last tab ends 60 pixels before the pager's right edge, under the frame's buttons.
    form->SetWidth(form->Width() + pager->GetTabRect(6).Right + 60 - pager->Width());
    orvtest::PumpFor(60);
    const int w = pager->Width();
    ASSERT_FALSE(pager->TabScroller().Visible);
    ASSERT_GT(pager->GetTabRect(6).Right, w - 100);
    ASSERT_LT(pager->GetTabRect(4).Left, w - 130);
    TCaptionLayer* layer = pager->CaptionLayer();
    ASSERT_NE(nullptr, layer);
    ASSERT_EQ(0, layer->Left());

    // The group's top strip (y 1 to 4) at full strength: up to width - 110 (Windows 7 and
    // later, as here), and not in the 10 pixels before the frame's buttons.
    ASSERT_TRUE(pager->IsWin7());
    Blacken(layer);
    pager->PaintGlassCaption();
    EXPECT_EQ(kGroup, WindowPixel(layer, w - 115, 2)) << "inside the group";
    EXPECT_EQ(kGroup, WindowPixel(layer, w - 111, 2));
    EXPECT_NE(kGroup, WindowPixel(layer, w - 110, 2)) << "the limit";
    EXPECT_NE(kGroup, WindowPixel(layer, w - 104, 2));

    // More tabs than fit: while they scroll no group is drawn on the caption.
    for (int i = 0; i < 12; ++i) pager->AddOrvPage(L"More tabs " + std::to_wstring(i));
    orvtest::PumpFor(60);
    ASSERT_GE(pager->TabScroller().Max, 1);
    Blacken(layer);
    pager->PaintGlassCaption();
    int groupPixels = 0;
    for (int x = 0; x < layer->Width() - 100; ++x) groupPixels += WindowPixel(layer, x, 2) == kGroup;
    EXPECT_EQ(0, groupPixels);
}

// --- the form's edges ----------------------------------------------------------------------

TEST(PagerRegression, TheFormResizesFromTheEdgesThePagerAndItsPageCover) {
    TScenicScope scenic(true);  // the page reaches both sides of the pager
    TToolBarFormFixture f;
    const TRect w = WindowRectOf(f.Form.get());
    struct Case {
        const char* where;
        TPoint at;
        LRESULT zone;
        LPCWSTR cursor;
    } cases[] = {
        {"top edge over the caption", {w.Left + 300, w.Top + 1}, HTTOP, IDC_SIZENS},
        {"top-left corner", {w.Left + 10, w.Top + 10}, HTTOPLEFT, IDC_SIZENWSE},
        {"top-right corner, below the close button", {w.Right - 5, w.Top + 18}, HTTOPRIGHT, IDC_SIZENESW},
        {"left side over the page", {w.Left + 1, w.Top + 100}, HTLEFT, IDC_SIZEWE},
        {"right side over the page", {w.Right - 6, w.Top + 100}, HTRIGHT, IDC_SIZEWE},
        {"inside the page", {w.Left + 300, w.Top + 100}, HTCLIENT, IDC_ARROW},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        PointAtScreen(c.at);
        HWND under = WindowFromPoint(POINT{c.at.X, c.at.Y});
        LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(c.at.X, c.at.Y));
        EXPECT_EQ(c.zone, hit);
        if (c.zone != HTCLIENT) {
            EXPECT_EQ(f.Form->Handle(), under) << "the form answers";
        }
        CURSORINFO info{};
        info.cbSize = sizeof(info);
        ASSERT_TRUE(GetCursorInfo(&info));
        EXPECT_EQ(LoadCursorW(nullptr, c.cursor), info.hCursor) << "the pointer shows what a press would do";
    }
}

TEST(PagerRegression, OffGlassOnlyTheCaptionMovesTheWindowEvenWithTheScenicFlag) {
    TScenicScope scenic(true);
    TPagerFixture f;
    ASSERT_FALSE(f.Pager->IsAeroVista());
    const TRect row = f.Pager->GetTabRowRect();
    const TRect before = WindowRectOf(f.Form.get());
    // The empty part of the tab row, right of the tabs and left of the help button.
    const TPoint rowPoint = f.Pager->ClientToScreen({f.Pager->Width() - 80, (row.Top + row.Bottom) / 2});
    ASSERT_LT(f.Pager->TabAtPos(f.Pager->ScreenToClient(rowPoint)), 0);
    DragBy(rowPoint, 30, 20);
    EXPECT_EQ(before, WindowRectOf(f.Form.get())) << "the tab row did not move the window";

    // The caption still does.
    DragBy(f.Pager->ClientToScreen({200, 10}), 30, 20);
    EXPECT_EQ(before.Offset(30, 20), WindowRectOf(f.Form.get()));
}

// --- collapsed --------------------------------------------------------------------------------

TEST(PagerRegression, ACollapsedPagerShowsItsPopupOnThePress) {
    TPagerFixture f;
    f.AddToolBar(f.Pages[0], 120);
    f.AddToolBar(f.Pages[1], 80);
    f.Pager->Collaps();
    orvtest::PumpFor(50);
    ASSERT_FALSE(f.Pager->PopupShowing());

    auto tabMiddle = [&](int i) {
        const TRect r = f.Pager->GetTabRect(i);
        return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    };
    PointAt(f.Pager, tabMiddle(0).X, tabMiddle(0).Y);
    LeftDown();
    EXPECT_TRUE(f.Pager->PopupShowing()) << "on the press";
    LeftUp();
    EXPECT_TRUE(f.Pager->PopupShowing()) << "and it stays after the release";
    EXPECT_FALSE(f.Pager->GetExpanded());

    // Another tab: its page shows at the press.
    orvtest::PumpFor(700);
    PointAt(f.Pager, tabMiddle(1).X, tabMiddle(1).Y);
    LeftDown();
    EXPECT_EQ(1, f.Pager->GetActivePageIndex());
    EXPECT_TRUE(f.Pager->PopupShowing());
    ASSERT_NE(nullptr, f.Pager->MinimizedRibbonWindow());
    EXPECT_EQ(f.Pages[1], f.Pager->MinimizedRibbonWindow()->SourcePage());
    LeftUp();
    EXPECT_TRUE(f.Pager->PopupShowing());

    // The press on the shown page's tab hides it; the release does not bring it back.
    orvtest::PumpFor(700);
    PointAt(f.Pager, tabMiddle(1).X, tabMiddle(1).Y);
    LeftDown();
    EXPECT_FALSE(f.Pager->PopupShowing());
    LeftUp();
    EXPECT_FALSE(f.Pager->PopupShowing());
    EXPECT_FALSE(f.Pager->GetExpanded());
}

// --- styler and form -----------------------------------------------------------------------------

TEST(PagerRegression, LinkingAStylerHandsItsMenuStylerToThePopupMenu) {
    TPagerFixture f;
    TOwnedPtr<TOrvPopupMenu> menu(Make<TOrvPopupMenu>(nullptr));
    f.Pager->SetPopupMenu(menu.get());
    TOwnedPtr<TOrvToolBarOfficeStyler> styler(Make<TOrvToolBarOfficeStyler>(nullptr));
    f.Pager->SetToolBarStyler(styler.get());
    EXPECT_EQ(styler->CurrentOrvMenuStyler(), menu->CurrentMenuStyler());

    TOwnedPtr<TOrvMenuStyler> linked(Make<TOrvMenuStyler>(nullptr));
    styler->SetOrvMenuStyler(linked.get());
    EXPECT_EQ(linked.get(), menu->CurrentMenuStyler()) << "the styler's menu styler changed";

    f.Pager->SetToolBarStyler(nullptr);
    EXPECT_EQ(f.Pager->InternalToolBarStyler()->CurrentOrvMenuStyler(), menu->CurrentMenuStyler());
    styler->SetOrvMenuStyler(nullptr);
    f.Pager->SetPopupMenu(nullptr);
}

TEST(PagerRegression, ASizeableToolWindowFitsItsPagerToItsWidthWhenLoaded) {
    TScenicScope scenic(false);
    SetCursorPos(20, 20);
    TOwnedPtr<TOrvToolBarForm> form(Make<TOrvToolBarForm>(nullptr));
    form->SetBorderStyle(TFormBorderStyle::bsSizeToolWin);
    form->SetBounds(60, 60, 520, 300);
    auto* pager = new TOrvToolBarPager(form.get());
    pager->SetAlign(TAlign::alNone);
    pager->SetBounds(0, 0, 300, 149);
    pager->SetParent(form.get());
    pager->AddOrvPage(L"Home");
    form->Show();
    orvtest::PumpFor(50);
    ASSERT_EQ(300, pager->Width());

    form->Loaded();  // as after reading a layout
    const int width = form->ClientWidth();
    EXPECT_EQ(width, pager->Width());
    ASSERT_NE(nullptr, pager->CloseButton());
    EXPECT_EQ(width - 4 - 16 - 2, pager->CloseButton()->Left()) << "the caption buttons at the new right edge";
    EXPECT_EQ(width - 4, pager->GetPageRect().Right);
    EXPECT_EQ(width - 4, pager->Pages(0)->BoundsRect().Right);
}
