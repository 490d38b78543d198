// A swatch sheet of the toolbar styler's presets: one column per look with its main
// colours as the toolbar family paints them (pager caption, tab strip with a selected
// tab, page, toolbar, caption bar, glow button in its normal, hot and down looks, quick
// access toolbar), so the looks can be compared side by side.
#include "tools/Render/ToolBarSwatches.h"

#include "paint/OrvGradients.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/ToolBarStyleFile.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kColumn = 74;
constexpr int kTop = 30;

void Fill(TCanvas& c, TColor from, TColor to, const TRect& r) {
    if (to == clNone) to = from;
    if (from == clNone) return;
    DrawGradient(c, from, to, 32, r, false);
}

void Frame(TCanvas& c, TColor color, const TRect& r) {
    if (color == clNone) return;
    c.Brush().SetColor(color);
    c.FrameRect(r);
}

void Text(TCanvas& c, int x, int y, TColor color, const std::wstring& text) {
    c.Font().SetName(L"Tahoma");
    c.Font().SetHeight(-9);
    c.Font().SetColor(color);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.TextOut(x, y, text);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
}

// A glow face: upper half Color -> ColorTo, lower half ColorMirrorTo -> ColorMirror.
void Glow(TCanvas& c, const TGlowColorSet& look, const TRect& r) {
    int mid = (r.Top + r.Bottom) / 2;
    Fill(c, look.Color, look.ColorTo, {r.Left, r.Top, r.Right, mid});
    Fill(c, look.ColorMirrorTo, look.ColorMirror, {r.Left, mid, r.Right, r.Bottom});
    Frame(c, look.BorderColor, r);
}

void PaintColumn(TCanvas& c, int x, TOrvToolBarOfficeStyler& s, const std::wstring& name) {
    int w = kColumn - 6;
    std::wstring shortName = name.substr(2);
    Text(c, x, 2, clBlack, shortName.substr(0, 11));
    Text(c, x, 13, clBlack, shortName.size() > 11 ? shortName.substr(11) : L"");
    int y = kTop;
    // pager caption
    const TVistaTextBackground& cap = s.PagerCaption();
    Fill(c, cap.GetColor(), cap.GetColorTo(), {x, y, x + w, y + 18});
    Frame(c, cap.GetBorderColor(), {x, y, x + w, y + 18});
    Text(c, x + 4, y + 4, cap.GetTextColor(), L"Caption");
    y += 20;
    // tab strip with a selected tab
    const TTabAppearance& tab = s.TabAppearance();
    Fill(c, tab.BackGround().GetColor(), tab.BackGround().GetColorTo(), {x, y, x + w, y + 18});
    Fill(c, tab.GetColorSelected(), tab.GetColorSelectedTo(), {x + 3, y + 3, x + 36, y + 18});
    Frame(c, tab.GetBorderColor(), {x + 3, y + 3, x + 36, y + 19});
    Text(c, x + 6, y + 6, tab.GetTextColorSelected(), L"Home");
    Text(c, x + 40, y + 6, tab.GetTextColor(), L"View");
    y += 18;
    // page with a toolbar and its caption bar
    const TVistaPageBackground& page = s.PageAppearance();
    TRect pageRect{x, y, x + w, y + 96};
    Fill(c, page.GetColor(), page.GetColorTo(), {x, y, x + w, y + 48});
    Fill(c, page.GetColorMirror(), page.GetColorMirrorTo(), {x, y + 48, x + w, y + 96});
    Frame(c, page.GetBorderColor(), pageRect);
    TRect bar{x + 4, y + 4, x + w - 4, y + 92};
    Fill(c, s.Color().GetColor(), s.Color().GetColorTo(), {bar.Left, bar.Top, bar.Right, bar.Bottom - 14});
    const TCaptionAppearance& ca = s.CaptionAppearance();
    Fill(c, ca.GetCaptionColor(), ca.GetCaptionColorTo(), {bar.Left, bar.Bottom - 14, bar.Right, bar.Bottom});
    Text(c, bar.Left + 4, bar.Bottom - 13, ca.GetCaptionTextColor(), L"Toolbar");
    Frame(c, s.GetBorderColor(), bar);
    // glow buttons: normal, hot, down
    const TGlowButtonAppearance& g = s.GlowButtonAppearance();
    int bx = bar.Left + 4, by = bar.Top + 4, bw = bar.Width() - 8;
    Glow(c, g.Look(glNormal), {bx, by, bx + bw, by + 20});
    Glow(c, g.Look(glHot), {bx, by + 24, bx + bw, by + 44});
    Glow(c, g.Look(glDown), {bx, by + 48, bx + bw, by + 68});
    y += 100;
    // quick access toolbar and the tab group colour
    const TQATAppearance& q = s.QATAppearance();
    Fill(c, q.GetColor(), q.GetColorTo(), {x, y, x + w / 2 - 1, y + 16});
    Frame(c, q.GetBorderColor(), {x, y, x + w / 2 - 1, y + 16});
    const TGroupAppearance& ga = s.GroupAppearance();
    Fill(c, ga.GetColor(), ga.GetColorTo(), {x + w / 2 + 1, y, x + w, y + 16});
    Frame(c, ga.GetBorderColor(), {x + w / 2 + 1, y, x + w, y + 16});
}

void PaintSwatches(TBitmap& b) {
    b.Canvas().Brush().SetColor(clWhite);
    b.Canvas().FillRect({0, 0, b.Width(), b.Height()});
    bool savedScenic = ScenicRibbonMode;
    int x = 4;
    for (int i = 0; i < kToolBarStyleCount; ++i) {
        auto style = static_cast<TToolBarStyle>(i);
        if (style == bsCustom) continue;
        for (bool scenic : {false, true}) {
            if (scenic && style != bsWindows7) continue;
            ScenicRibbonMode = scenic;
            TOwnedPtr<TOrvToolBarOfficeStyler> s(Make<TOrvToolBarOfficeStyler>(nullptr));
            s->SetStyle(style);
            PaintColumn(b.Canvas(), x, *s, StyleFileName(style) + (scenic ? L" scenic" : L""));
            x += kColumn;
        }
    }
    ScenicRibbonMode = savedScenic;
}

}  // namespace

std::vector<TRenderItem> ToolBarRenderItems() {
    return {{L"ToolBarStylerSwatches",
             L"toolbar styler presets: pager caption, tabs, page with toolbar and glow buttons (normal, hot, down), "
             L"quick access toolbar and tab group",
             17 * kColumn + 8, kTop + 160, 2, PaintSwatches}};
}

}  // namespace orvtools
