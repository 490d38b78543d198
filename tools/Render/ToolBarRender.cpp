#include "tools/Render/ToolBarRender.h"

#include <windows.h>

#include <algorithm>

#include "buttons/OrvGlowButton.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "paint/GDIPPicture.h"
#include "toolbar/CompactWindow.h"
#include "toolbar/OrvPage.h"
#include "toolbar/FloatingWindow.h"
#include "toolbar/OrvDockPanel.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarForm.h"
#include "toolbar/OrvToolBarPager.h"
#include "toolbar/OrvToolBarSeparator.h"
#include "toolbar/OrvToolBarStylers.h"

using namespace orv;

namespace orvtools {

namespace {

// Paints a toolbar and its windowed children into dc at (x, y).
void PaintBarAt(HDC dc, TOrvCustomToolBar* tb, int x, int y) {
    POINT old;
    SetViewportOrgEx(dc, x, y, &old);
    tb->PaintTo(dc);
    for (int i = 0; i < tb->ControlCount(); ++i) {
        TControl* c = tb->Controls(i);
        if (!c->GetVisible() || c->Top() >= tb->Height()) continue;
        SetViewportOrgEx(dc, x + c->Left(), y + c->Top(), nullptr);
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

struct TScene {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvToolBarOfficeStyler* Styler;
    TOrvPage* Page;
    TScene(int width) {
        Form->SetBounds(0, 0, width + 20, 140);
        Styler = new TOrvToolBarOfficeStyler(Form.get());
        Styler->SetStyle(bsOffice2007Luna);
        Page = new TOrvPage(Form.get());
        Page->SetBounds(0, 0, width, 95);
        Page->SetParent(Form.get());
        Page->SetToolBarStyler(Styler);
    }
    TOrvToolBar* Bar(const wchar_t* caption, int large, int small) {
        auto* tb = new TOrvToolBar(Form.get());
        tb->SetCaption(caption);
        tb->SetShowCaption(true);
        tb->SetCaptionPosition(cpBottom);
        tb->SetShowRightHandle(false);
        Page->AddOrvToolBar(tb);
        for (int i = 0; i < large + small; ++i) {
            auto* b = new TOrvGlowButton(Form.get());
            b->SetCaption(i < large ? L"Paste" : L"Item " + std::to_wstring(i));
            b->SetLayout(blGlyphTop);
            if (i >= large) b->SetButtonSizeState(bsLabel);
            b->SetAutoSize(true);
            b->SetParent(tb);
        }
        return tb;
    }
    void PaintPage(TBitmap& bmp) {
        // The picture may be taller than the page: what lies below it is plain white.
        bmp.Canvas().Brush().SetColor(clWhite);
        bmp.Canvas().FillRect(TRect{0, 0, bmp.Width(), bmp.Height()});
        HDC dc = bmp.Canvas().Handle();
        Page->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        for (int i = 0; i < Page->ToolBarCount(); ++i) {
            TOrvCustomToolBar* tb = Page->ToolBars(i);
            PaintBarAt(dc, tb, tb->Left(), tb->Top());
        }
    }
};

void PaintPageToolBar(TBitmap& bmp) {
    TScene s(bmp.Width());
    TOrvToolBar* tb = s.Bar(L"Clipboard", 1, 7);
    // The option indicator at the right end of the caption shows the program's picture.
    tb->OptionPicture().LoadFromResourceName(GetModuleHandleW(nullptr), L"OPTIONIND_PIC");
    s.Page->ArrangeToolBars();
    s.PaintPage(bmp);
}

// Docked toolbars, one per grip style, with the right handle: round edges (chevron and
// option arrow with white highlights) in the left column, square edges in the right one;
// the lower toolbars are too short for their buttons and show the chevron. Each has its
// own Office 2003 styler (the internal one's grey-to-black handle hides the black marks);
// the second row's handles are hot and the third row's pressed.
void PaintGripStyles(TBitmap& bmp) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    form->SetBounds(0, 0, bmp.Width(), bmp.Height());
    bmp.Canvas().Brush().SetColor(0xF0E8E0);
    bmp.Canvas().FillRect(TRect{0, 0, bmp.Width(), bmp.Height()});
    HDC dc = bmp.Canvas().Handle();
    const TDragGripStyle styles[] = {dsDots, dsSingleLine, dsDoubleLine, dsFlatDots, dsNone};
    for (int column = 0; column < 2; ++column) {
        for (int row = 0; row < 5; ++row) {
            auto* styler = new TOrvToolBarOfficeStyler(form.get());
            styler->SetStyle(bsOffice2003Blue);
            styler->SetDragGripStyle(styles[row]);
            styler->SetRoundEdges(column == 0);
            auto* tb = new TOrvToolBar(form.get());
            tb->SetToolBarStyler(styler);
            tb->SetParent(form.get());
            bool shortBar = row >= 3;
            tb->SetAutoSize(!shortBar);
            for (int i = 0; i < 4; ++i) {
                auto* b = new TOrvToolBarButton(form.get());
                b->SetCaption(L"Item " + std::to_wstring(i + 1));
                b->SetShowCaption(true);
                b->SetOrvToolBar(tb);
            }
            if (shortBar) tb->SetBounds(0, 0, 150, 26);
            if (row == 1) tb->SetRightHandleState(true, false);
            if (row == 2) tb->SetRightHandleState(true, true);
            PaintBarAt(dc, tb, 6 + column * 260, 6 + row * 32);
        }
    }
}

// The page with its second toolbar compacted (a picture on its compact button), and the
// clone under it framed as its window shows it: one pixel below the toolbar, moved left
// to stay inside the picture as the window stays inside the work area, round corners.
void PaintCompacted(TBitmap& bmp) {
    TScene s(bmp.Width());
    s.Bar(L"Clipboard", 2, 3);
    TOrvToolBar* second = s.Bar(L"Font", 3, 0);
    s.Page->ArrangeToolBars();
    second->SetCompactCaption(L"Font");
    second->CompactPicture().LoadFromResourceName(GetModuleHandleW(nullptr), L"PIC_DOC_NEW");
    second->SetCompact(true);
    s.Page->ArrangeToolBars();
    s.PaintPage(bmp);
    HDC dc = bmp.Canvas().Handle();
    TOrvCustomToolBar* clone = second->SelfClone();
    TSize size{clone->Width() + 2, clone->Height() + 2};
    TPoint at = TCompactWindow::PlaceFor({second->Left(), second->Top() + second->Height() + 1}, size,
                                         TRect{0, 0, bmp.Width(), bmp.Height()});
    TGdiRegion region(CreateRoundRectRgn(at.X, at.Y, at.X + size.cx + 1, at.Y + size.cy + 1, 4, 4));
    SelectClipRgn(dc, region.Get());
    bmp.Canvas().Brush().SetColor(s.Styler->Color().GetColor());
    bmp.Canvas().FillRect(TRect{at.X, at.Y, at.X + size.cx, at.Y + size.cy});
    PaintBarAt(dc, clone, at.X + 1, at.Y + 1);
    SelectClipRgn(dc, nullptr);
}

// Floating toolbars: a caption over rows of toolbar buttons and separators, the same
// controls in one, two and three rows (each row as thick as the docked toolbar, each
// with its own background band).
void PaintFloating(TBitmap& bmp) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    form->SetBounds(0, 0, bmp.Width(), bmp.Height());
    bmp.Canvas().Brush().SetColor(0xF0E8E0);
    bmp.Canvas().FillRect(TRect{0, 0, bmp.Width(), bmp.Height()});
    HDC dc = bmp.Canvas().Handle();
    auto* styler = new TOrvToolBarOfficeStyler(form.get());
    styler->SetStyle(bsOffice2003Blue);
    styler->Color().SetDirection(gdVertical);
    int x = 6;
    for (int rows = 1; rows <= 3; ++rows) {
        auto* tb = new TOrvToolBar(form.get());
        tb->SetToolBarStyler(styler);
        tb->SetCaption(L"Standard");
        tb->SetParent(form.get());
        for (int i = 0; i < 6; ++i) {
            if (i == 3) (new TOrvToolBarSeparator(form.get()))->SetOrvToolBar(tb);
            auto* b = new TOrvToolBarButton(form.get());
            b->SetCaption(L"Item " + std::to_wstring(i + 1));
            b->SetShowCaption(true);
            b->SetOrvToolBar(tb);
        }
        tb->SetFloatingRows(rows);
        tb->SetToolBarState(tsFloating);
        // The second shows its option button hot, the third its close button pressed.
        TRect button = rows == 2 ? tb->GetOptionButtonRect() : tb->GetCloseButtonRect();
        LPARAM at = MAKELPARAM(button.Left + button.Width() / 2, button.Top + button.Height() / 2);
        if (rows >= 2) tb->Perform(WM_MOUSEMOVE, 0, at);
        if (rows == 3) tb->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
        PaintBarAt(dc, tb, x, 6);
        if (rows == 3) ReleaseCapture();
        x += tb->Width() + 10;
    }
}

// Floating windows: a toolbar floated out of a dock panel in two rows, and the same
// controls in three, each in its window with the styler's border and inner corner pixels.
void PaintFloatingWindow(TBitmap& bmp) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    form->SetBounds(0, 0, 400, 300);
    bmp.Canvas().Brush().SetColor(0xF0E8E0);
    bmp.Canvas().FillRect(TRect{0, 0, bmp.Width(), bmp.Height()});
    HDC dc = bmp.Canvas().Handle();
    auto* styler = new TOrvToolBarOfficeStyler(form.get());
    styler->SetStyle(bsOffice2003Blue);
    auto* panel = new TOrvDockPanel(form.get());
    panel->SetToolBarStyler(styler);
    panel->SetParent(form.get());
    int x = 6;
    for (int rows = 2; rows <= 3; ++rows) {
        auto* tb = new TOrvToolBar(form.get());
        tb->SetCaption(L"Standard");
        for (int i = 0; i < 6; ++i) {
            if (i == 3) (new TOrvToolBarSeparator(form.get()))->SetOrvToolBar(tb);
            auto* b = new TOrvToolBarButton(form.get());
            b->SetCaption(L"Item " + std::to_wstring(i + 1));
            b->SetShowCaption(true);
            b->SetOrvToolBar(tb);
        }
        tb->SetParent(panel);
        tb->SetFloatingRows(rows);
        tb->SetToolBarFloating({x, 6});
        TFloatingWindow* window = tb->FloatingWindow();
        if (!window) continue;
        POINT old;
        SetViewportOrgEx(dc, x, 6, &old);
        window->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        SetViewportOrgEx(dc, old.x, old.y, nullptr);
        PaintBarAt(dc, tb, x + tb->Left(), 6 + tb->Top());
        x += window->Width() + 12;
    }
}

// A top dock panel in the dock colour with three rows: two toolbars sharing the first,
// one in the second, three in the third (each toolbar's buttons and caption-less face).
void PaintDockPanel(TBitmap& bmp) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    form->SetBounds(0, 0, bmp.Width() + 40, bmp.Height() + 80);
    form->SetClientWidth(bmp.Width());
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect(TRect{0, 0, bmp.Width(), bmp.Height()});
    auto* styler = new TOrvToolBarOfficeStyler(form.get());
    styler->SetStyle(bsOffice2003Blue);
    auto* panel = new TOrvDockPanel(form.get());
    panel->SetToolBarStyler(styler);
    panel->SetParent(form.get());
    const int perRow[] = {2, 1, 3};
    int n = 0;
    for (int row = 0; row < 3; ++row) {
        for (int k = 0; k < perRow[row]; ++k) {
            auto* tb = new TOrvToolBar(form.get());
            tb->SetToolBarStyler(styler);
            for (int i = 0; i < 2 + (n % 3); ++i) {
                auto* b = new TOrvToolBarButton(form.get());
                b->SetCaption(L"Item " + std::to_wstring(i + 1));
                b->SetShowCaption(true);
                b->SetOrvToolBar(tb);
            }
            ++n;
            tb->SetParent(panel);
            if (panel->RowCount() <= row) panel->Rows().Add();
            panel->Rows().MoveToolBarToRow(tb, row);
        }
    }
    HDC dc = bmp.Canvas().Handle();
    panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    for (int i = 0; i < panel->ControlCount(); ++i) {
        auto* tb = dynamic_cast<TOrvCustomToolBar*>(panel->Controls(i));
        if (tb && tb->GetVisible()) PaintBarAt(dc, tb, tb->Left(), tb->Top());
    }
}

// Looks from elsewhere: a page of a tab group (active) whose toolbars take the group's
// caption, background and border, next to a page outside groups; below, docked toolbars
// with the styler's background picture tiled, centred and stretched (inset 2).
void PaintToolBarLooks(TBitmap& bmp) {
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect(TRect{0, 0, bmp.Width(), bmp.Height()});
    HDC dc = bmp.Canvas().Handle();
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    form->SetBounds(0, 0, bmp.Width(), bmp.Height());
    auto* styler = new TOrvToolBarOfficeStyler(form.get());
    styler->SetStyle(bsOffice2007Luna);
    TGroupAppearance& look = styler->GroupAppearance();
    look.ToolBarAppearance().Color().SetColor(0xE0F4FF);
    look.ToolBarAppearance().Color().SetColorTo(0x9ED8FF);
    look.ToolBarAppearance().Color().SetDirection(gdVertical);
    look.ToolBarAppearance().SetBorderColor(0x1475FF);
    look.CaptionAppearance().SetCaptionColor(0x46C0FF);
    look.CaptionAppearance().SetCaptionColorTo(0x1475FF);
    for (int grouped = 1; grouped >= 0; --grouped) {
        auto* pager = new TOrvToolBarPager(form.get());
        pager->SetAlign(TAlign::alNone);
        pager->SetBounds(0, 0, 300, 149);
        pager->SetParent(form.get());
        pager->SetToolBarStyler(styler);
        TOrvPage* page = pager->AddOrvPage(L"Design");
        if (grouped) {
            TTabGroupItem* group = pager->TabGroups().Add();
            group->SetCaption(L"Table Tools");
            group->SetTabIndexStart(0);
            group->SetTabIndexEnd(0);
        }
        pager->SetActivePageIndex(0);
        for (const wchar_t* caption : {L"Styles", L"Borders"}) {
            auto* tb = new TOrvToolBar(form.get());
            tb->SetCaption(caption);
            tb->SetShowCaption(true);
            tb->SetCaptionPosition(cpBottom);
            tb->SetShowRightHandle(false);
            page->AddOrvToolBar(tb);
            for (const wchar_t* text : {L"Shading", L"Lines"}) {
                auto* b = new TOrvGlowButton(form.get());
                b->SetCaption(text);
                b->SetLayout(blGlyphTop);
                b->SetAutoSize(true);
                b->SetParent(tb);
            }
        }
        page->ArrangeToolBars();
        int left = grouped ? 6 : 6 + page->Width() + 10;
        POINT old;
        SetViewportOrgEx(dc, left, 6, &old);
        page->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        SetViewportOrgEx(dc, old.x, old.y, nullptr);
        for (int i = 0; i < page->ToolBarCount(); ++i) {
            TOrvCustomToolBar* tb = page->ToolBars(i);
            PaintBarAt(dc, tb, left + tb->Left(), 6 + tb->Top());
        }
    }
    // A 12 x 12 picture: a blue diagonal on pale yellow.
    TBitmap picture(12, 12);
    picture.Canvas().Brush().SetColor(0xD0F8FF);
    picture.Canvas().FillRect({0, 0, 12, 12});
    for (int i = 0; i < 12; ++i) picture.Canvas().SetPixel(i, i, 0xC04000);
    const TBackGroundDisplay displays[] = {bdTile, bdCenter, bdStretch};
    for (int k = 0; k < 3; ++k) {
        auto* own = new TOrvToolBarOfficeStyler(form.get());
        own->SetStyle(bsOffice2003Blue);
        own->SetBackGround(picture);
        own->SetBackGroundDisplay(displays[k]);
        auto* tb = new TOrvToolBar(form.get());
        tb->SetToolBarStyler(own);
        tb->SetAutoSize(false);
        tb->SetParent(form.get());
        tb->SetBounds(0, 0, 200, 30);
        PaintBarAt(dc, tb, 6 + k * 210, 120);
    }
}

void PumpFor(int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

// A toolbar form hosting a pager, shown and copied from the screen with its frame: off
// glass the pager draws the caption band, the title and the caption buttons where the
// system title bar would be, and the form draws its own thin border.
void PaintToolBarForm(TBitmap& bmp) {
    TOwnedPtr<TOrvToolBarOfficeStyler> styler(Make<TOrvToolBarOfficeStyler>(nullptr));
    styler->SetStyle(bsOffice2010Blue);
    TOwnedPtr<TOrvToolBarForm> form(Make<TOrvToolBarForm>(nullptr));
    form->SetBounds(0, 0, bmp.Width(), bmp.Height());
    form->SetCaption(L"Document1 - Quillan");
    form->SetColor(styler->Color().GetColor());
    auto* pager = new TOrvToolBarPager(form.get());
    pager->SetParent(form.get());
    pager->SetToolBarStyler(styler.get());
    pager->Caption().SetCaption(L"Document1 - Quillan");
    for (const wchar_t* caption : {L"Home", L"Insert", L"View"}) {
        TOrvPage* page = pager->AddOrvPage(caption);
        auto* tb = new TOrvToolBar(form.get());
        tb->SetCaption(L"Clipboard");
        tb->SetShowCaption(true);
        tb->SetCaptionPosition(cpBottom);
        tb->SetShowRightHandle(false);
        page->AddOrvToolBar(tb);
        for (const wchar_t* text : {L"Paste", L"Copy", L"Format"}) {
            auto* b = new TOrvGlowButton(form.get());
            b->SetCaption(text);
            b->SetAutoSize(true);
            b->SetParent(tb);
        }
    }
    pager->SetActivePageIndex(0);
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpFor(300);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(100);
    RECT window;
    GetWindowRect(form->Handle(), &window);
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect({0, 0, bmp.Width(), bmp.Height()});
    HDC screen = GetDC(nullptr);
    BitBlt(bmp.Canvas().Handle(), 0, 0, std::min<int>(bmp.Width(), window.right - window.left),
           std::min<int>(bmp.Height(), window.bottom - window.top), screen, window.left, window.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
}

}  // namespace

std::vector<TRenderItem> ToolBarPageRenderItems() {
    return {
        {L"PageToolBar", L"page toolbar: a large and seven small glow buttons, bottom caption, option indicator", 260,
         110, 2, PaintPageToolBar},
        {L"GripStyles", L"docked toolbars: dots, single line, double line, flat dots, none; round and square edges",
         520, 170, 2, PaintGripStyles},
        {L"CompactToolBar", L"a toolbar compacted to its 45-pixel button, and its clone as the window shows it", 360,
         200, 2, PaintCompacted},
        {L"FloatingToolBar",
         L"floating toolbars: caption over one, two and three rows of buttons and a separator; option button hot, "
         L"close button pressed",
         520, 110, 2, PaintFloating},
        {L"FloatingWindow",
         L"floating windows: a toolbar floated out of a dock panel in two rows and in three, border and corner pixels",
         340, 140, 2, PaintFloatingWindow},
        {L"DockPanel", L"TOrvDockPanel: a top dock panel in the dock colour with rows of two, one and three toolbars",
         520, 100, 2, PaintDockPanel},
        {L"ToolBarLooks",
         L"toolbars on the active page of a tab group (group looks) and outside groups; background picture tiled, "
         L"centred, stretched",
         640, 160, 2, PaintToolBarLooks},
        {L"ToolBarForm",
         L"TOrvToolBarForm with a pager: the pager's caption band, title and caption buttons in place of the title "
         L"bar, the form's border",
         520, 220, 1, PaintToolBarForm},
    };
}

}  // namespace orvtools
