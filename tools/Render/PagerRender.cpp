#include "tools/Render/PagerRender.h"

#include <windows.h>

#include "framework/Bitmap.h"
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
    };
}

}  // namespace orvtools
