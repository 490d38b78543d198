#include "paint/OrvText.h"

#include <cmath>
#include <set>
#include <unordered_map>

#include "framework/SysUtils.h"
#include "paint/FaceKey.h"
#include "paint/OrvColors.h"
#include "paint/OrvGDIP.h"

namespace orv {

namespace {

int CALLBACK CollectFontFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
    reinterpret_cast<std::set<std::wstring>*>(data)->insert(UpperCase(font->lfFaceName));
    return 1;
}

int gFontScans = 0;

// Whether a face is installed, remembered per face: enumerating the installed fonts is slow,
// and a caption in a face that is not installed is painted (and asked about) on every paint.
// A face not yet asked about rescans once, so fonts installed while the program runs are
// seen when first used.
bool FontInstalled(const std::wstring& name) {
    static std::set<std::wstring> installed;
    static std::set<std::wstring> missing;
    std::wstring key = UpperCase(name);
    if (installed.count(key)) return true;
    if (missing.count(key)) return false;
    TWindowDC screen(nullptr);
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    installed.clear();
    EnumFontFamiliesExW(screen.Get(), &query, CollectFontFace, reinterpret_cast<LPARAM>(&installed), 0);
    ++gFontScans;
    if (installed.count(key)) return true;
    missing.insert(key);
    return false;
}

TGPRectF ToRectF(const TRect& r) {
    return MakeRect(static_cast<float>(r.Left), static_cast<float>(r.Top), static_cast<float>(r.Width()),
                    static_cast<float>(r.Height()));
}

TRect RoundToPixels(const TGPRectF& box) {
    return {static_cast<int>(std::lround(box.X)), static_cast<int>(std::lround(box.Y)),
            static_cast<int>(std::lround(box.X + box.Width)), static_cast<int>(std::lround(box.Y + box.Height))};
}

// Everything a measurement depends on: the font asked for, the canvas font it is measured
// with (the classic path measures with that), the resolution, the box and the flags.
struct TMeasureKey {
    std::wstring Text;
    std::wstring FontName;
    int FontHeight = 0;
    TFontStyles FontStyle = 0;
    uint8_t FontCharset = 0;
    int FontOrientation = 0;
    int CanvasFontHeight = 0;
    TFontStyles CanvasFontStyle = 0;
    uint8_t CanvasFontCharset = 0;
    int CanvasFontOrientation = 0;
    int PixelsPerInch = 0;
    bool TrueType = false;
    TTextAlignment Alignment = TTextAlignment::taLeftJustify;
    unsigned Format = 0;
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int AntiAlias = 0;
    bool Ellipsis = false;
    bool WordWrap = false;
    auto Tie() const {
        return std::tie(Text, FontName, FontHeight, FontStyle, FontCharset, FontOrientation, CanvasFontHeight,
                        CanvasFontStyle, CanvasFontCharset, CanvasFontOrientation, PixelsPerInch, TrueType, Alignment,
                        Format, Left, Top, Right, Bottom, AntiAlias, Ellipsis, WordWrap);
    }
    bool operator==(const TMeasureKey& other) const { return EqualRecords(*this, other); }
};
static_assert(FaceKeyComplete<TMeasureKey>(), "every field of the measure key must be listed in its Tie()");

struct TMeasureKeyHash {
    size_t operator()(const TMeasureKey& key) const { return HashRecord(key); }
};

// Bounded by dropping everything when full: layouts measure a few hundred captions at most.
constexpr size_t kMaxMeasures = 4096;

struct TMeasures {
    std::unordered_map<TMeasureKey, TRect, TMeasureKeyHash> Kept;
    TTextMeasureStats Stats;
};

TMeasures& Measures() {
    static TMeasures measures;
    return measures;
}

// Drops the last character, and a marker that would be left dangling before it.
void DropLastCharacter(std::wstring& text) {
    text.pop_back();
    while (!text.empty() && text.back() == L'&') text.pop_back();
}

}  // namespace

THotKeyText StripHotKeyMarkers(const std::wstring& caption) {
    THotKeyText result;
    result.Text.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != L'&') {
            result.Text += caption[i];
            continue;
        }
        if (i + 1 >= caption.size()) break;  // a trailing marker marks nothing
        if (caption[i + 1] == L'&') {
            result.Text += L'&';
            ++i;
            continue;
        }
        result.AcceleratorIndex = static_cast<int>(result.Text.size());
    }
    return result;
}

void DrawHotKeyText(TCanvas& canvas, const std::wstring& text, TPoint origin) {
    if (!canvas.Handle()) return;
    THotKeyText stripped = StripHotKeyMarkers(text);
    int oldOrientation = canvas.Font().GetOrientation();
    canvas.Font().SetOrientation(-900);
    canvas.TextOut(origin.X, origin.Y, stripped.Text);
    if (stripped.AcceleratorIndex >= 0) {
        int h = canvas.TextHeight(stripped.Text);
        int w1 = canvas.TextWidth(stripped.Text.substr(0, static_cast<size_t>(stripped.AcceleratorIndex)));
        int w2 = canvas.TextWidth(stripped.Text.substr(static_cast<size_t>(stripped.AcceleratorIndex), 1));
        canvas.Pen().SetColor(canvas.Font().GetColor());
        canvas.MoveTo(origin.X - h + 1, origin.Y + w1);
        canvas.LineTo(origin.X - h + 1, origin.Y + w1 + w2);
    }
    canvas.Font().SetOrientation(oldOrientation);
}

int InstalledFontScans() {
    return gFontScans;
}

bool IsTrueTypeFont(TCanvas* canvas) {
    if (!canvas) return false;
    HDC dc = canvas->Handle();
    if (!dc) return false;
    canvas->TextExtent(L"");  // selects the canvas font
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc, &metrics)) return false;
    bool vector = (metrics.tmPitchAndFamily & TMPF_VECTOR) != 0;
    bool device = (metrics.tmPitchAndFamily & TMPF_DEVICE) != 0;
    return vector && !device && FontInstalled(canvas->Font().GetName());
}

namespace {

TRect MeasureOrDrawText(TCanvas& canvas, TTextAlignment alignment, unsigned format, const TRect& rect,
                        const std::wstring& text, const TFont& font, bool enabled, bool draw, int antiAlias,
                        bool ellipsis, bool wordWrap, bool trueType) {
    TRect result;
    if (!trueType) {
        TRect measured{0, 0, 1000, 100};
        canvas.DrawText(text, measured, DT_CALCRECT | DT_SINGLELINE);
        result = measured;
        if (draw) {
            TRect target = rect;
            canvas.DrawText(text, target, format);
        }
        return result;
    }

    TGPGraphics graphics(canvas.Handle());
    TStatus familyStatus = TStatus::Ok;
    TGPFont gpFont = MakeGPFont(font, &familyStatus);
    if (familyStatus != TStatus::Ok || !gpFont.Native()) {
        TFont fallback;
        fallback.Assign(&font);
        fallback.SetName(L"Arial");
        gpFont = MakeGPFont(fallback);
    }
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    graphics.SetTextRenderingHint(antiAlias == aaClearType ? TextRenderingHintClearTypeGridFit
                                                           : TextRenderingHintAntiAlias);
    TGPSolidBrush brush(enabled ? ColorToARGB(font.GetColor()) : 0xFF808080u);

    bool wraps = wordWrap && !ellipsis;
    // A measurement alone is taken within rect, wrapping there whatever WordWrap says; only a
    // drawn single line is kept from wrapping (it is cut to fit instead).
    TGPStringFormat stringFormat(draw && !wraps ? StringFormatFlagsNoWrap : 0);
    stringFormat.SetAlignment(alignment == TTextAlignment::taRightJustify ? StringAlignmentFar
                              : alignment == TTextAlignment::taCenter     ? StringAlignmentCenter
                                                                          : StringAlignmentNear);
    stringFormat.SetLineAlignment(StringAlignmentCenter);
    stringFormat.SetHotkeyPrefix(HotkeyPrefixShow);

    TGPRectF layout = ToRectF(rect);
    TGPRectF oneLine = MakeRect(layout.X, layout.Y, 1000, layout.Height);
    auto measure = [&](const std::wstring& s, const TGPRectF& box) {
        TGPRectF bounds;
        graphics.MeasureString(s, gpFont, box, &stringFormat, bounds);
        return bounds;
    };
    result = RoundToPixels(measure(text, (!draw || wraps) ? layout : oneLine));
    if (!draw) return result;

    std::wstring shown = text;
    if (!wraps && measure(shown, oneLine).Width > layout.Width) {
        // Cut until it fits; an empty remainder ends the search (a box narrower than
        // "..." or without width fits nothing).
        std::wstring cut = text;
        for (;;) {
            DropLastCharacter(cut);
            shown = ellipsis ? cut + L"..." : cut;
            if (cut.empty() || measure(shown, oneLine).Width <= layout.Width) break;
        }
        if (cut.empty() && measure(shown, oneLine).Width > layout.Width) shown.clear();
    }
    if (!shown.empty()) graphics.DrawString(shown, gpFont, layout, &stringFormat, brush);
    return result;
}

}  // namespace

TRect DrawGDIPText(TCanvas& canvas, TTextAlignment alignment, unsigned format, const TRect& rect,
                   const std::wstring& text, const TFont& font, bool enabled, bool draw, int antiAlias, bool ellipsis,
                   bool wordWrap) {
    if (text.empty() || !canvas.Handle()) return {};
    canvas.Font().SetName(font.GetName());
    const bool trueType = antiAlias != aaNone && IsTrueTypeFont(&canvas);
    if (draw)
        return MeasureOrDrawText(canvas, alignment, format, rect, text, font, enabled, true, antiAlias, ellipsis,
                                 wordWrap, trueType);

    const TFont& canvasFont = canvas.Font();
    TMeasureKey key{text,
                    font.GetName(),
                    font.GetHeight(),
                    font.GetStyle(),
                    font.GetCharset(),
                    font.GetOrientation(),
                    canvasFont.GetHeight(),
                    canvasFont.GetStyle(),
                    canvasFont.GetCharset(),
                    canvasFont.GetOrientation(),
                    GetDeviceCaps(canvas.Handle(), LOGPIXELSY),
                    trueType,
                    alignment,
                    format,
                    rect.Left,
                    rect.Top,
                    rect.Right,
                    rect.Bottom,
                    antiAlias,
                    ellipsis,
                    wordWrap};
    TMeasures& measures = Measures();
    if (auto found = measures.Kept.find(key); found != measures.Kept.end()) {
        ++measures.Stats.Hits;
        return found->second;
    }
    ++measures.Stats.Misses;
    TRect result = MeasureOrDrawText(canvas, alignment, format, rect, text, font, enabled, false, antiAlias, ellipsis,
                                     wordWrap, trueType);
    if (measures.Kept.size() >= kMaxMeasures) measures.Kept.clear();
    measures.Kept.emplace(std::move(key), result);
    return result;
}

TTextMeasureStats TextMeasureStats() {
    TTextMeasureStats stats = Measures().Stats;
    stats.Count = Measures().Kept.size();
    return stats;
}

void ClearTextMeasures() {
    Measures().Kept.clear();
}

}  // namespace orv
