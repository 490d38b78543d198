#include "tools/Render/PagerRender.h"

#include <windows.h>

#include <functional>

#include "buttons/OrvGlowButton.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "toolbar/MinimizedRibbonWindow.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarPager.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/PagerLayout.h"

using namespace orv;

namespace orvtools {

namespace {

const wchar_t* const kCaptions[] = {L"Home", L"Insert",    L"Page Layout", L"References", L"Review",
                                    L"View", L"Developer", L"Add-Ins",     L"Mailings",   L"Format"};

}  // namespace

TPagerPaintState PagerScene(TCustomOrvToolBarStyler* styler, const TPagerSceneOptions& o) {
    TPagerGeometry g;
    g.Client = {0, 0, o.Width, o.Height};
    TPagerPaintState s;
    s.Client = g.Client;
    s.Styler = styler;
    s.CaptionRect = PagerCaptionRect(g);
    s.TabRowRect = PagerTabRowRect(g);
    s.TabArea = PagerTabAreaRect(g);
    s.Caption = o.Caption;
    // Caption buttons would keep the right 60 pixels.
    auto [left, right] = CaptionTextSpan(o.Width, 100, o.Collapsed, -1, 60, -1);
    s.CaptionTextLeft = left;
    s.CaptionTextRight = right;
    s.HidingPages = o.Collapsed;

    TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(&styler->TabAppearance().Font());
    TTabLayout layout;
    const int count = std::min(o.TabCount, 10);
    for (int i = 0; i < count; ++i) {
        TTabMeasure m;
        m.TextWidth = measure.Canvas().TextWidth(kCaptions[i]);
        m.CaptionLength = static_cast<int>(wcslen(kCaptions[i]));
        m.FontSize = styler->TabAppearance().Font().GetSize();
        const int w = TabContentWidth(m);
        layout.Tabs.push_back({true, o.Grouped && i >= 1 && i <= 3, w, w, 0});
    }
    TTabScroller scroller;
    LayoutTabs(layout, {}, s.TabArea.Left, s.TabArea.Width(), scroller, true);
    s.Spacing = layout.Spacing;
    s.TabLeftMargin = layout.LeftMargin;
    s.GroupTabLeftMargin = layout.GroupLeftMargin;
    s.ScrollerActive = scroller.Max >= 1;

    std::vector<TRect> rects;
    for (size_t i = 0; i < layout.Tabs.size(); ++i) {
        TPagerTab t;
        const TLayoutTab& lt = layout.Tabs[i];
        t.Rect = {lt.Left, s.TabArea.Top, lt.Left + layout.TabWidth(i), s.TabArea.Bottom};
        t.Caption = kCaptions[i];
        t.State.Active = i == 0 && !o.Collapsed;
        t.State.Down = t.State.Active && o.PressedAndHot;
        t.State.Hot = (i == 2 || i == 0) && o.PressedAndHot;
        if (o.Grouped && i >= 1 && i <= 3) {
            t.Group = 0;
            t.LastOfGroup = i == 3;
        }
        rects.push_back(t.Rect);
        s.Tabs.push_back(t);
    }
    if (o.Grouped) {
        TGroupGeometry gg;
        gg.TabIndexStart = 1;
        gg.TabIndexEnd = 3;
        gg.PageCount = count;
        gg.Tabs = rects;
        gg.CaptionRect = s.CaptionRect;
        gg.TabBottom = s.TabArea.Bottom;
        gg.Spacing = s.Spacing;
        TPagerGroup group;
        group.Group = TabGroupRect(gg);
        group.Caption = L"Table Tools";
        s.Groups.push_back(group);
        s.CaptionTextLeft = std::max(s.CaptionTextLeft, group.Group.Rect.Right);
    }
    if (!o.Collapsed) s.ActivePageRect = PagerPageRect(g);
    return s;
}

void PaintPagerScene(TCanvas& canvas, TCustomOrvToolBarStyler* styler, const TPagerPaintState& s) {
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(styler->PagerCaption().GetColor());
    canvas.FillRect(s.Client);
    PaintPager(canvas, s);
    if (s.ActivePageRect.IsEmpty()) return;
    const TRect& page = s.ActivePageRect;
    TPageBackgroundPaint p;
    p.Width = page.Width();
    p.Height = page.Height();
    p.PageAppearance = &styler->PageAppearance();
    p.TabBorderColor = styler->TabAppearance().GetBorderColor();
    p.RoundEdges = styler->GetRoundEdges();
    for (const TPagerTab& t : s.Tabs)
        if (t.State.Active) {
            p.TabLeft = t.Rect.Left - page.Left + 1;
            p.TabRight = t.Rect.Right - page.Left - 1;
        }
    HDC dc = canvas.Handle();
    const TColor corners[6] = {
        canvas.GetPixel(page.Left - 1, page.Top - 1), canvas.GetPixel(page.Left + 1, page.Top - 1),
        canvas.GetPixel(page.Left - 1, page.Top),     canvas.GetPixel(page.Left - 1, page.Bottom),
        canvas.GetPixel(page.Right + 1, page.Top),    canvas.GetPixel(page.Right + 1, page.Bottom)};
    std::copy(std::begin(corners), std::end(corners), p.CornerPixels);
    canvas.DeselectObjects();
    POINT old;
    SetViewportOrgEx(dc, page.Left, page.Top, &old);
    {
        TCanvas pageCanvas;
        pageCanvas.SetHandle(dc);
        DrawPageBackground(pageCanvas, p);
        pageCanvas.SetHandle(nullptr);
    }
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

namespace {

void PaintScene(TBitmap& bmp, TToolBarStyle style, const TPagerSceneOptions& o) {
    TOwnedPtr<TOrvToolBarOfficeStyler> styler(Make<TOrvToolBarOfficeStyler>(nullptr));
    styler->SetStyle(style);
    TPagerSceneOptions options = o;
    options.Width = bmp.Width();
    options.Height = bmp.Height();
    PaintPagerScene(bmp.Canvas(), styler.get(), PagerScene(styler.get(), options));
}

TRenderItem Item(const wchar_t* name, const wchar_t* description, int width, int height, TToolBarStyle style,
                 TPagerSceneOptions o) {
    return {name, description, width, height, 1, [style, o](TBitmap& b) { PaintScene(b, style, o); }};
}

}  // namespace

namespace {

// --- pictures of a real pager window, taken from the screen ----------------------------------

void Pump(int milliseconds) {
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

void MouseTo(TPoint screen) {
    SetCursorPos(screen.X, screen.Y);
    Pump(30);
}

void MouseButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof(input));
    Pump(30);
}

struct TPagerWindowOptions {
    int Width = 681;
    int TabCount = 5;
    bool Grouped = false;
    int ActivePage = 0;
    bool Collapsed = false;
    // Collapsed: a click on the active tab shows the pop-up window (pictured with it).
    bool Popup = false;
    bool PressActive = false;
    int HotTab = -1;
    bool Mdi = false;
    TToolBarStyle Style = bsOffice2010Blue;
};

// One page toolbar of three glow buttons on page.
void AddToolBar(TForm* form, TOrvPage* page, const wchar_t* caption) {
    auto* tb = new TOrvToolBar(form);
    tb->SetCaption(caption);
    tb->SetShowCaption(true);
    tb->SetCaptionPosition(cpBottom);
    tb->SetShowRightHandle(false);
    page->AddOrvToolBar(tb);
    for (const wchar_t* text : {L"Paste", L"Copy", L"Format"}) {
        auto* b = new TOrvGlowButton(form);
        b->SetCaption(text);
        b->SetAutoSize(true);
        b->SetParent(tb);
    }
}

// Shows a form with a pager in the state asked for, copies it from the screen into bmp
// and frees the form.
void PaintPagerWindow(TBitmap& bmp, const TPagerWindowOptions& o) {
    TOwnedPtr<TOrvToolBarOfficeStyler> styler(Make<TOrvToolBarOfficeStyler>(nullptr));
    styler->SetStyle(o.Style);
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(0, 0, o.Width, 320);
    if (o.Mdi) form->SetFormStyle(TFormStyle::fsMDIForm);
    auto* pager = new TOrvToolBarPager(form.get());
    pager->SetParent(form.get());
    pager->SetToolBarStyler(styler.get());
    pager->SetShowExpandCollapsButton(true);
    pager->SetAutoMDIButtons(o.Mdi);
    pager->Caption().SetCaption(L"Document1 - Quillan");
    const int count = std::min(o.TabCount, 10);
    for (int i = 0; i < count; ++i) {
        TOrvPage* page = pager->AddOrvPage(kCaptions[i]);
        AddToolBar(form.get(), page, L"Clipboard");
        AddToolBar(form.get(), page, kCaptions[i]);
    }
    if (o.Grouped) {
        TTabGroupItem* group = pager->TabGroups().Add();
        group->SetCaption(L"Table Tools");
        group->SetTabIndexStart(1);
        group->SetTabIndexEnd(3);
    }
    pager->SetActivePageIndex(o.ActivePage);
    form->Show();
    SetForegroundWindow(form->Handle());
    TOwnedPtr<TForm> child;
    if (o.Mdi) {
        child.reset(Make<TForm>(form.get()));
        child->SetFormStyle(TFormStyle::fsMDIChild);
        child->SetCaption(L"Sheet1");
        child->Show();
        child->SetWindowState(TWindowState::wsMaximized);
    }
    Pump(300);
    if (o.Collapsed) {
        pager->Collaps();
        Pump(100);
    }
    if (o.Popup) {
        const TRect tab = pager->GetTabRect(pager->GetActivePageIndex());
        MouseTo(pager->ClientToScreen(TPoint{tab.Left + 8, tab.Top + 8}));
        MouseButton(true);
        MouseButton(false);
        MouseTo(TPoint{o.Width + 50, 300});
        Pump(300);
    }
    if (o.HotTab >= 0) {
        const TRect tab = pager->GetTabRect(o.HotTab);
        MouseTo(pager->ClientToScreen(TPoint{tab.Left + 8, tab.Top + 8}));
        Pump(400);  // the hover glow runs to its end
    }
    if (o.PressActive) {
        const TRect tab = pager->GetTabRect(pager->GetActivePageIndex());
        MouseTo(pager->ClientToScreen(TPoint{tab.Left + 8, tab.Top + 8}));
        Pump(400);
        MouseButton(true);
        Pump(100);
    }
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (TMinimizedRibbonWindow* popup = pager->MinimizedRibbonWindow(); popup && popup->HandleAllocated())
        RedrawWindow(popup->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(100);
    const TPoint origin = pager->ClientToScreen(TPoint{0, 0});
    HDC screen = GetDC(nullptr);
    BitBlt(bmp.Canvas().Handle(), 0, 0, bmp.Width(), bmp.Height(), screen, origin.X, origin.Y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    if (o.PressActive) MouseButton(false);
    MouseTo(TPoint{o.Width + 50, 300});
    pager->HideMinimizedRibbon();
    child.reset();
}

TRenderItem WindowItem(const wchar_t* name, const wchar_t* description, int width, int height, TPagerWindowOptions o) {
    o.Width = width;
    return {name, description, width, height, 1, [o](TBitmap& b) { PaintPagerWindow(b, o); }};
}

// TOrvPageCaption: one collapsed pager window per caption setting, stacked with white
// gaps: the default caption (height 27, indent 100), a 36-pixel caption with its text at
// indent 20, and the caption bar hidden (the tabs alone).
void PaintPageCaptions(TBitmap& bmp) {
    struct TCaptionRow {
        int Height;
        int Indent;
        bool Visible;
    };
    const TCaptionRow rows[] = {{27, 100, true}, {36, 20, true}, {27, 100, false}};
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect({0, 0, bmp.Width(), bmp.Height()});
    int y = 0;
    for (const TCaptionRow& row : rows) {
        TOwnedPtr<TOrvToolBarOfficeStyler> styler(Make<TOrvToolBarOfficeStyler>(nullptr));
        styler->SetStyle(bsOffice2010Blue);
        TOwnedPtr<TForm> form(Make<TForm>(nullptr));
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, bmp.Width(), 200);
        auto* pager = new TOrvToolBarPager(form.get());
        pager->SetParent(form.get());
        pager->SetToolBarStyler(styler.get());
        pager->Caption().SetCaption(L"Document1 - Quillan");
        pager->Caption().SetHeight(row.Height);
        pager->Caption().SetIndent(row.Indent);
        pager->Caption().SetVisible(row.Visible);
        for (int i = 0; i < 4; ++i) AddToolBar(form.get(), pager->AddOrvPage(kCaptions[i]), L"Clipboard");
        pager->SetActivePageIndex(0);
        form->Show();
        SetForegroundWindow(form->Handle());
        Pump(200);
        pager->Collaps();
        Pump(100);
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump(50);
        const TPoint origin = pager->ClientToScreen(TPoint{0, 0});
        const int height = std::min(pager->Height(), bmp.Height() - y);
        HDC screen = GetDC(nullptr);
        BitBlt(bmp.Canvas().Handle(), 0, y, bmp.Width(), height, screen, origin.X, origin.Y, SRCCOPY);
        ReleaseDC(nullptr, screen);
        y += height + 6;
        if (y >= bmp.Height()) break;
    }
}

}  // namespace

std::vector<TRenderItem> PagerRenderItems() {
    TPagerSceneOptions crowded;
    crowded.TabCount = 10;
    TPagerSceneOptions grouped;
    grouped.Grouped = true;
    TPagerSceneOptions pressed;
    pressed.PressedAndHot = true;
    TPagerSceneOptions collapsed;
    collapsed.Collapsed = true;
    TPagerSceneOptions single;
    single.Caption = L"Quillan-Draft";
    TPagerWindowOptions collapsedWindow;
    collapsedWindow.Collapsed = true;
    TPagerWindowOptions popupWindow = collapsedWindow;
    popupWindow.Popup = true;
    TPagerWindowOptions crowdedWindow;
    crowdedWindow.TabCount = 10;
    TPagerWindowOptions groupedWindow;
    groupedWindow.Grouped = true;
    groupedWindow.ActivePage = 2;
    TPagerWindowOptions pressedWindow;
    pressedWindow.PressActive = true;
    // The 2010 look's pressed colours lie close to the selected ones; the fallback look's
    // down border shows the press plainly.
    TPagerWindowOptions pressedLunaWindow = pressedWindow;
    pressedLunaWindow.Style = bsOffice2007Luna;
    TPagerWindowOptions normalLunaWindow;
    normalLunaWindow.Style = bsOffice2007Luna;
    TPagerWindowOptions hotWindow;
    hotWindow.HotTab = 2;
    TPagerWindowOptions mdiWindow;
    mdiWindow.Mdi = true;
    return {
        Item(L"PagerNormal", L"pager 681 x 149, five tabs, the first active; caption in two colours", 681, 149,
             bsOffice2010Blue, {}),
        Item(L"PagerLuna", L"the same pager in the fallback look", 681, 149, bsOffice2007Luna, {}),
        Item(L"PagerCrowded", L"ten tabs in 600 pixels: spacing 3, separators between the tabs", 600, 149,
             bsOffice2010Blue, crowded),
        Item(L"PagerGrouped", L"tabs 1 to 3 in a tab group with its caption", 681, 149, bsOffice2010Blue, grouped),
        Item(L"PagerPressedHot", L"the active tab pressed, tab 2 hot", 681, 149, bsOffice2010Blue, pressed),
        Item(L"PagerCollapsed", L"collapsed: caption and tabs, no page, no active tab", 681, 54, bsOffice2010Blue,
             collapsed),
        Item(L"PagerCaptionOneRun", L"caption without blanks around the hyphen: one colour", 681, 54, bsOffice2007Luna,
             single),
        WindowItem(L"PagerWindowNormal", L"a pager window: five tabs, two toolbars a page, caption and help buttons",
                   681, 149, {}),
        WindowItem(L"PagerWindowCollapsed", L"the pager window collapsed to caption and tabs", 681, 54,
                   collapsedWindow),
        WindowItem(L"PagerWindowPopup", L"collapsed, the active tab clicked: the page in the pop-up window", 681, 160,
                   popupWindow),
        WindowItem(L"PagerWindowCrowded", L"ten tabs in a 600-pixel pager window", 600, 149, crowdedWindow),
        WindowItem(L"PagerWindowGrouped", L"tabs 1 to 3 in a tab group, its second page active", 681, 149,
                   groupedWindow),
        WindowItem(L"PagerWindowPressed", L"the active tab pressed with the mouse", 681, 149, pressedWindow),
        WindowItem(L"PagerWindowLuna", L"the pager window in the fallback look", 681, 149, normalLunaWindow),
        WindowItem(L"PagerWindowPressedLuna", L"the active tab pressed with the mouse, in the fallback look", 681, 149,
                   pressedLunaWindow),
        WindowItem(L"PagerWindowHot", L"the mouse over tab 2", 681, 149, hotWindow),
        WindowItem(L"PagerWindowMDI", L"an MDI form's pager with a maximized child: the three MDI buttons", 681, 149,
                   mdiWindow),
        {L"PagerPageCaption",
         L"TOrvPageCaption settings on collapsed pagers: default, 36 high with indent 20, caption bar hidden", 681, 170,
         1, PaintPageCaptions},
    };
}

}  // namespace orvtools
