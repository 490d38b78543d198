// A swatch sheet of the toolbar styler's presets: one column per look with its main
// colours as the toolbar family paints them (pager caption, tab strip with a selected
// tab, page, toolbar, caption bar, glow button in its normal, hot and down looks, quick
// access toolbar), so the looks can be compared side by side.
#include "tools/Render/ToolBarSwatches.h"

#include <cwctype>

#include "paint/OrvGradients.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/ToolBarStyleFile.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kColumn = 74;
constexpr size_t kLabelLines = 2;
constexpr int kLabelLineHeight = 11;
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
    SetSwatchFont(c);
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
    SetSwatchFont(c);
    std::vector<std::wstring> lines = WrapSwatchLabel(name, w, [&c](const std::wstring& t) { return c.TextWidth(t); });
    for (size_t i = 0; i < lines.size() && i < kLabelLines; ++i)
        Text(c, x, 2 + static_cast<int>(i) * kLabelLineHeight, clBlack, lines[i]);
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
            PaintColumn(b.Canvas(), x, *s, SwatchLabel(style, scenic));
            x += kColumn;
        }
    }
    ScenicRibbonMode = savedScenic;
}

}  // namespace

void SetSwatchFont(TCanvas& canvas) {
    canvas.Font().SetName(L"Tahoma");
    canvas.Font().SetHeight(-9);
}

std::wstring SwatchLabel(TToolBarStyle style, bool scenic) {
    // The style's file name without its prefix, its words set apart: a word starts at a
    // capital after a small letter or a digit, and at a digit after a letter.
    std::wstring name = StyleFileName(style).substr(2), label;
    for (size_t i = 0; i < name.size(); ++i) {
        wchar_t c = name[i];
        if (i > 0) {
            wchar_t before = name[i - 1];
            bool capital = iswupper(c) && (iswlower(before) || iswdigit(before));
            bool number = iswdigit(c) && iswalpha(before);
            if (capital || number) label += L' ';
        }
        label += c;
    }
    return scenic ? label + L" scenic" : label;
}

std::vector<std::wstring> WrapSwatchLabel(const std::wstring& label, int width,
                                          const std::function<int(const std::wstring&)>& measure) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < label.size()) {
        size_t end = label.find(L' ', start);
        std::wstring word = label.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        start = end == std::wstring::npos ? label.size() : end + 1;
        if (word.empty()) continue;
        if (!lines.empty() && measure(lines.back() + L' ' + word) <= width)
            lines.back() += L' ' + word;
        else
            lines.push_back(word);  // a word wider than the column stands alone, whole
    }
    return lines;
}

std::vector<TRenderItem> ToolBarRenderItems() {
    return {{L"ToolBarStylerSwatches",
             L"toolbar styler presets: pager caption, tabs, page with toolbar and glow buttons (normal, hot, down), "
             L"quick access toolbar and tab group",
             17 * kColumn + 8, kTop + 160, 2, PaintSwatches}};
}

}  // namespace orvtools
