// Text on the presets' colours stays readable: wherever the toolbar family draws a text
// colour on a fill and a look chose either of the two itself (the cell is not one the
// look is given with), they are at least 4.5 : 1 apart by the contrast ratio of the web
// accessibility guidelines. The ratio is computed here from the sRGB formula.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/SysUtils.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/ToolBarStyleFile.h"
#include "toolbar/ToolBarStylerPaths.h"

using namespace orv;

namespace {

constexpr double kNeeded = 4.5;

double Luminance(TColor color) {
    COLORREF c = color < 0 ? GetSysColor(color & 0xFF) : static_cast<COLORREF>(color);
    auto linear = [](int channel) {
        double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(c)) + 0.7152 * linear(GetGValue(c)) + 0.0722 * linear(GetBValue(c));
}

double Ratio(TColor a, TColor b) {
    double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Whether any fill at all gives every one of these texts kNeeded.
bool SomeFillReads(const std::vector<TColor>& texts) {
    for (int step = 0; step <= 10000; ++step) {
        double fill = step / 10000.0;
        bool all = true;
        for (TColor t : texts) {
            double lt = Luminance(t);
            all = all && (std::max(lt, fill) + 0.05) / (std::min(lt, fill) + 0.05) >= kNeeded;
        }
        if (all) return true;
    }
    return false;
}

// A text surface as the toolbar family paints it: the text colours drawn there and the
// fills under them; Given is the look's own fill of the surface, if it has one.
struct TSurface {
    std::vector<std::wstring> Texts;
    std::vector<std::wstring> Fills;
    std::wstring Given;
};

std::vector<TSurface> Surfaces() {
    std::vector<TSurface> s = {
        // Tabs that show no fill of their own are drawn on the tab row.
        {{L"TabAppearance.TextColor"}, {L"TabAppearance.BackGround.Color", L"TabAppearance.BackGround.ColorTo"}, {}},
        // The caption bar; a caption with " - " has its first run in TextColorExtended.
        {{L"PagerCaption.TextColor", L"PagerCaption.TextColorExtended"},
         {L"PagerCaption.Color", L"PagerCaption.ColorTo", L"PagerCaption.ColorMirror", L"PagerCaption.ColorMirrorTo"},
         L"PagerCaption.Color"},
        // Toolbar caption bars, normal and hot.
        {{L"CaptionAppearance.CaptionTextColor"},
         {L"CaptionAppearance.CaptionColor", L"CaptionAppearance.CaptionColorTo"},
         {}},
        {{L"CaptionAppearance.CaptionTextColorHot"},
         {L"CaptionAppearance.CaptionColorHot", L"CaptionAppearance.CaptionColorHotTo"},
         {}},
        // Tab group captions on the group's mirrored fill.
        {{L"GroupAppearance.TextColor"},
         {L"GroupAppearance.Color", L"GroupAppearance.ColorTo", L"GroupAppearance.ColorMirror",
          L"GroupAppearance.ColorMirrorTo"},
         {}},
        // Classic toolbar buttons in their four looks.
        {{L"ButtonAppearance.CaptionTextColor"}, {L"ButtonAppearance.Color", L"ButtonAppearance.ColorTo"}, {}},
        {{L"ButtonAppearance.CaptionTextColorHot"}, {L"ButtonAppearance.ColorHot", L"ButtonAppearance.ColorHotTo"}, {}},
        {{L"ButtonAppearance.CaptionTextColorDown"},
         {L"ButtonAppearance.ColorDown", L"ButtonAppearance.ColorDownTo"},
         {}},
        {{L"ButtonAppearance.CaptionTextColorChecked"},
         {L"ButtonAppearance.ColorChecked", L"ButtonAppearance.ColorCheckedTo"},
         {}},
    };
    // Tabs with a fill (shown unselected, hot or active), of the styler and of its groups.
    for (std::wstring tab : {L"TabAppearance.", L"GroupAppearance.TabAppearance."}) {
        s.push_back({{tab + L"TextColor"},
                     {tab + L"Color", tab + L"ColorTo", tab + L"ColorMirror", tab + L"ColorMirrorTo"},
                     {}});
        s.push_back({{tab + L"TextColorHot"},
                     {tab + L"ColorHot", tab + L"ColorHotTo", tab + L"ColorMirrorHot", tab + L"ColorMirrorHotTo"},
                     {}});
        s.push_back({{tab + L"TextColorSelected"},
                     {tab + L"ColorSelected", tab + L"ColorSelectedTo", tab + L"ColorMirrorSelected",
                      tab + L"ColorMirrorSelectedTo"},
                     {}});
    }
    return s;
}

bool StartsWith(const std::wstring& s, const std::wstring& head) {
    return s.compare(0, head.size(), head) == 0;
}

// The cells a look is given with (of those above): every row's tab row colour, tab text
// and caption colour, the caption texts every look starts from (the Office 2007 looks
// have their own), the Office 2010 tab groups and the whole Office 2010 Blue row, whose
// unselected tab fill it leaves alone.
bool IsGiven(TToolBarStyle style, const std::wstring& path) {
    if (path == L"TabAppearance.BackGround.Color" || path == L"TabAppearance.TextColor" ||
        path == L"PagerCaption.Color" || path == L"PagerCaption.TextColor" || path == L"PagerCaption.TextColorExtended")
        return true;
    bool office2010 = style == bsOffice2010Blue || style == bsOffice2010Silver || style == bsOffice2010Black;
    if (office2010 && (path == L"GroupAppearance.TextColor" || path == L"GroupAppearance.Color" ||
                       path == L"GroupAppearance.ColorTo" || path == L"GroupAppearance.ColorMirror" ||
                       path == L"GroupAppearance.ColorMirrorTo"))
        return true;
    if (style != bsOffice2010Blue) return false;
    for (std::wstring normal : {L"Color", L"ColorTo", L"ColorMirror", L"ColorMirrorTo"})
        if (path == L"TabAppearance." + normal || path == L"GroupAppearance.TabAppearance." + normal) return false;
    return true;
}

std::string Hex(int64_t v) {
    char b[16];
    std::snprintf(b, sizeof b, "%08X", static_cast<unsigned>(v));
    return b;
}

}  // namespace

TEST(ToolBarPresetText, ReadableOnEveryColourALookChooses) {
    struct TLook {
        TToolBarStyle Style;
        bool Scenic;
    };
    std::vector<TLook> looks;
    for (int i = 0; i < kToolBarStyleCount; ++i) {
        auto style = static_cast<TToolBarStyle>(i);
        if (style == bsCustom) continue;
        looks.push_back({style, false});
        if (style == bsWindows7) looks.push_back({style, true});
    }
    const bool savedScenic = ScenicRibbonMode;
    int checked = 0;
    for (const TLook& look : looks) {
        ScenicRibbonMode = look.Scenic;
        TOwnedPtr<TOrvToolBarOfficeStyler> s(Make<TOrvToolBarOfficeStyler>(nullptr));
        s->SetStyle(look.Style);
        std::string where = ToUtf8(StyleFileName(look.Style)) + (look.Scenic ? " (scenic)" : "");
        for (const TSurface& surface : Surfaces()) {
            std::vector<TColor> texts;
            for (const std::wstring& t : surface.Texts) texts.push_back(static_cast<TColor>(GetStylerValue(*s, t)));
            // Two texts that no fill serves both (the caption's grey and blue) keep at least
            // what the look's own caption colour gives them.
            bool reachable = SomeFillReads(texts);
            for (size_t i = 0; i < texts.size(); ++i) {
                double needed = kNeeded;
                if (!reachable) {
                    ASSERT_FALSE(surface.Given.empty()) << where;
                    needed = std::min(kNeeded, Ratio(texts[i], static_cast<TColor>(GetStylerValue(*s, surface.Given))));
                }
                for (const std::wstring& f : surface.Fills) {
                    auto fill = static_cast<TColor>(GetStylerValue(*s, f));
                    if (fill == clNone) continue;  // nothing is drawn
                    if (IsGiven(look.Style, surface.Texts[i]) && IsGiven(look.Style, f)) continue;
                    ++checked;
                    double ratio = Ratio(texts[i], fill);
                    EXPECT_GE(ratio + 1e-9, needed)
                        << where << ": " << ToUtf8(surface.Texts[i]) << " " << Hex(texts[i]) << " on " << ToUtf8(f)
                        << " " << Hex(fill) << " is " << ratio << " : 1";
                }
            }
        }
    }
    ScenicRibbonMode = savedScenic;
    EXPECT_GT(checked, 17 * 40) << "pairs checked";
}
