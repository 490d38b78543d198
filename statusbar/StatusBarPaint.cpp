#include "statusbar/StatusBarPaint.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <tuple>

#include "framework/Bitmap.h"
#include "framework/SysUtils.h"
#include "paint/FaceCache.h"
#include "paint/OrvColors.h"
#include "paint/OrvGradients.h"

namespace orv {

// --- panel geometry ---------------------------------------------------------------------

std::vector<TPanelSpan> StatusPanelSpans(const std::vector<int>& widths, int stretchPanel, int barWidth) {
    // A negative width takes no room (it would move the following panels back over the
    // ones before), and edges stay far inside int so later arithmetic cannot overflow.
    constexpr long long kFar = 1 << 28;
    auto room = [&](int i) { return static_cast<long long>(std::max(0, widths[static_cast<size_t>(i)])); };
    const int count = static_cast<int>(widths.size());
    if (stretchPanel < -1 || stretchPanel >= count) stretchPanel = -1;
    long long others = 0;
    for (int i = 0; i < count; ++i)
        if (i != stretchPanel) others += room(i);
    std::vector<TPanelSpan> spans;
    spans.reserve(widths.size());
    long long x = 0;
    for (int i = 0; i < count; ++i) {
        long long right;
        if (i == stretchPanel)
            right = std::max(x, x + barWidth - others);
        else if (stretchPanel == -1 && i == count - 1)
            right = std::max<long long>(barWidth, x);
        else
            right = x + room(i);
        right = std::min(right, kFar);
        spans.push_back({static_cast<int>(x), static_cast<int>(right)});
        x = right;
    }
    return spans;
}

TRect PanelPaintRect(const std::vector<TPanelSpan>& spans, int index, int barWidth, int barHeight) {
    if (index < 0 || index >= static_cast<int>(spans.size())) return {};
    TRect r{spans[static_cast<size_t>(index)].Left, 0, spans[static_cast<size_t>(index)].Right, barHeight - 1};
    if (index == 0) r.Left = 1;
    if (r.Right == barWidth - 1) r.Right = barWidth - 2;
    return r;
}

TRect PanelHitRect(const std::vector<TPanelSpan>& spans, int index, int stretchPanel, int barWidth, int barHeight) {
    if (index < 0 || index >= static_cast<int>(spans.size())) return {};
    TRect r{spans[static_cast<size_t>(index)].Left, 1, spans[static_cast<size_t>(index)].Right, barHeight - 1};
    if (index == static_cast<int>(spans.size()) - 1 && index != stretchPanel) r.Right = barWidth - 1;
    return r;
}

int PanelIndexAt(const std::vector<TPanelSpan>& spans, int stretchPanel, int barWidth, int barHeight, int x) {
    for (int i = 0; i < static_cast<int>(spans.size()); ++i) {
        TRect r = PanelHitRect(spans, i, stretchPanel, barWidth, barHeight);
        if (x >= r.Left && x <= r.Right) return i;
    }
    return -1;
}

int AutoSizeTextWidth(int textWidth, int imageWidth, int minWidth, bool lastWithGrip) {
    return std::max(minWidth, textWidth + imageWidth + 12) + (lastWithGrip ? 16 : 0);
}

int AutoSizeHtmlWidth(int textWidth, int minWidth) {
    return std::max(minWidth, textWidth + 10);
}

// --- progress -----------------------------------------------------------------------------

bool GaugePercentChange(int64_t minValue, int64_t maxValue, int64_t position, int& percent) {
    if (maxValue - minValue <= 0) return false;
    long double p = RoundHalfEven(static_cast<long double>(position - minValue) * 100 /
                                  static_cast<long double>(maxValue - minValue));
    percent = static_cast<int>(std::clamp<long double>(p, 0, 100));
    return true;
}

int GaugePercent(int64_t minValue, int64_t maxValue, int64_t position) {
    int p = 0;
    return GaugePercentChange(minValue, maxValue, position, p) ? p : 0;
}

std::wstring GaugeText(int percent, const TGaugeSettings& s) {
    if (!s.ShowPercentage) return s.Text;
    if (s.Percent) return std::to_wstring(std::clamp(percent, 0, 100)) + L"%";
    return s.Prefix + std::to_wstring(s.Position) + s.Suffix;
}

namespace {

void FillFlat(HDC dc, const TRect& r, TColor color) {
    TGdiBrush brush(CreateSolidBrush(ToColorRef(color)));
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    ::FillRect(dc, &rc, brush.Get());
}

// One bar part: two gradient halves, or flat.
void DrawGaugePart(TCanvas& canvas, const TRect& part, TColor color, TColor colorTo, bool gradient, int steps) {
    if (part.Right <= part.Left || part.Bottom <= part.Top) return;
    if (!gradient) {
        FillFlat(canvas.Handle(), part, color);
        return;
    }
    int mid = part.Top + (part.Bottom - part.Top) / 2;
    DrawGradient(canvas, colorTo, color, steps, {part.Left, part.Top, part.Right, mid}, false, gvThinVertical);
    DrawGradient(canvas, color, colorTo, steps, {part.Left, mid, part.Right, part.Bottom}, false, gvThinVertical);
}

// A part cut into blocks: 2-pixel gaps every 9 pixels from its left + 8, down to its
// bottom + 1. The gaps are left out of the drawing, so they keep what lies there: the
// gauge's background, or with none what was under the gauge (nothing to save and restore).
void DrawGaugeBlocksPart(TCanvas& canvas, const TRect& part, TColor color, TColor colorTo, bool gradient, int steps) {
    HDC dc = canvas.Handle();
    TGdiRegion kept(CreateRectRgn(0, 0, 0, 0));
    const bool clipped = GetClipRgn(dc, kept.Get()) == 1;
    for (int x = part.Left + 8; x + 2 < part.Right; x += 9) ExcludeClipRect(dc, x, part.Top, x + 2, part.Bottom + 1);
    DrawGaugePart(canvas, part, color, colorTo, gradient, steps);
    SelectClipRgn(dc, clipped ? kept.Get() : nullptr);
}

}  // namespace

void DrawGauge(TCanvas& canvas, const TRect& box, int percent, const TGaugeSettings& s) {
    HDC dc = canvas.Handle();
    if (!dc || box.Right <= box.Left || box.Bottom <= box.Top) return;
    const int p = std::clamp(percent, 0, 100);
    const int w = box.Width() - (s.ShowBorder ? 4 : 2);

    // 1. (What lies under the gauge shows through the gaps of the blocks: they are never
    // drawn over, see DrawGaugeBlocksPart.)
    // 2. Border and background.
    TRect g = box;
    if (s.ShowBorder) {
        canvas.Pen().SetColor(s.BorderColor);
        canvas.Pen().SetWidth(1);
        canvas.Pen().SetStyle(TPenStyle::psSolid);
    } else {
        canvas.Pen().SetColor(s.BackgroundColor == clNone ? clBlack : s.BackgroundColor);
    }
    if (s.BackgroundColor != clNone) {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(s.BackgroundColor);
        if (s.ShowBorder)
            canvas.Rectangle(g);
        else
            FillFlat(dc, g, s.BackgroundColor);
    } else if (s.ShowBorder) {
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Rectangle(g);
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    }
    if (s.ShowBorder) g = {g.Left + 1, g.Top + 1, g.Right - 1, g.Bottom - 1};

    // 3. The bar.
    if (p > 0 && w > 0) {
        const int top = g.Top + 1;
        const int bottom = g.Bottom - 2;
        auto share = [w](long double percentPart) { return static_cast<int>(RoundHalfEven(percentPart * w / 100)); };
        if (!s.Stacked) {
            TColor c = s.Level0Color, ct = s.Level0ColorTo;
            if (p >= s.Level1Perc) {
                if (p < s.Level2Perc) {
                    c = s.Level1Color;
                    ct = s.Level1ColorTo;
                } else if (p > 99) {
                    c = s.Level3Color;
                    ct = s.Level3ColorTo;
                } else {
                    c = s.Level2Color;
                    ct = s.Level2ColorTo;
                }
            }
            if (s.CompletionSmooth) {
                DrawGaugePart(canvas, {g.Left + 1, top, g.Left + 1 + share(p), bottom}, c, ct, s.ShowGradient, s.Steps);
            } else {
                DrawGaugeBlocksPart(canvas, {g.Left + 2, g.Top + 2, g.Left + share(p), g.Bottom - 3}, c, ct,
                                    s.ShowGradient, s.Steps);
            }
        } else {
            const int w1 = share(std::min(p, s.Level1Perc));
            int w2 = 0;
            int x = g.Left + 1;
            auto drawStacked = [&](int width, TColor c, TColor ct, bool flatLevel3) {
                TRect part{x, top, x + width, bottom};
                if (!s.CompletionSmooth) part = {part.Left, part.Top + 1, part.Right, part.Bottom - 1};
                if (flatLevel3 && !s.ShowGradient) c = ct = s.Level3Color;
                if (s.CompletionSmooth)
                    DrawGaugePart(canvas, part, c, ct, s.ShowGradient, s.Steps);
                else
                    DrawGaugeBlocksPart(canvas, part, c, ct, s.ShowGradient, s.Steps);
                x += width;
            };
            drawStacked(w1, s.Level0Color, s.Level0ColorTo, false);
            if (p >= s.Level1Perc) {
                w2 = share(std::min(p, s.Level2Perc) - s.Level1Perc);
                drawStacked(w2, s.Level1Color, s.Level1ColorTo, false);
            }
            if (p >= s.Level2Perc) {
                int w3 = p == 100 ? w - w1 - w2 : share(p - s.Level2Perc);
                drawStacked(w3, s.Level2Color, s.Level2ColorTo, true);
            }
        }
    }

    // 4. The text, centred in the box inside the border.
    std::wstring text = GaugeText(p, s);
    if (!text.empty()) {
        TFont old;
        old.Assign(&canvas.Font());
        if (s.Font) canvas.Font().Assign(s.Font);
        TSize size = canvas.TextExtent(text);
        int x = g.Left + g.Width() / 2 - size.cx / 2;
        int y = g.Top + (g.Height() - size.cy) / 2;
        // A clear brush keeps the text from filling its box over the bar.
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        int oldMode = SetBkMode(canvas.Handle(), TRANSPARENT);
        canvas.TextOut(x, y, text);
        SetBkMode(canvas.Handle(), oldMode);
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Font().Assign(&old);
    }
}

// --- panel background -------------------------------------------------------------------------

void DrawPanelGradient(TCanvas& canvas, const TRect& box, const TPanelColors& c) {
    if (c.Color != clNone) {
        if (c.ColorMirror == clNone) {
            DrawGradient(canvas, c.Color, c.ColorTo, 128, box, false);
        } else {
            int half = box.Top + box.Height() / 2;
            DrawGradient(canvas, c.Color, c.ColorTo, 128, {box.Left, box.Top, box.Right, half}, false);
            DrawGradient(canvas, c.ColorMirror, c.ColorMirrorTo, 128, {box.Left, half, box.Right, box.Bottom}, false);
        }
    }
    if (c.BorderColor != clNone) {
        TGdiBrush brush(CreateSolidBrush(ToColorRef(c.BorderColor)));
        RECT rc{box.Left, box.Top, box.Right, box.Bottom};
        ::FrameRect(canvas.Handle(), &rc, brush.Get());
    }
}

void DrawPanelSeparator(TCanvas& canvas, const TRect& r, TColor colorTo) {
    const int m = r.Top + r.Height() / 2;
    const TColor light70 = BlendColor(colorTo, clWhite, 70);
    const TColor light50 = BlendColor(colorTo, clWhite, 50);
    const TColor light10 = BlendColor(colorTo, clWhite, 10);
    DrawGradient(canvas, light70, colorTo, 40, {r.Left, r.Top, r.Left + 1, m + 1}, false, gvThinVertical);
    DrawGradient(canvas, colorTo, light70, 40, {r.Left, m, r.Left + 1, r.Bottom}, false, gvThinVertical);
    DrawGradient(canvas, light50, light10, 40, {r.Left + 1, r.Top, r.Left + 2, m + 1}, false, gvThinVertical);
    DrawGradient(canvas, light10, light50, 40, {r.Left + 1, m, r.Left + 2, r.Bottom}, false, gvThinVertical);
}

namespace {

// Everything a panel face depends on, in face coordinates.
struct TPanelFaceKey {
    int Width;
    int Height;
    int FillLeft;
    TColor Color, ColorTo, ColorMirror, ColorMirrorTo, BorderColor;
    bool Separator;
    TColor SeparatorColorTo;
    auto Tie() const {
        return std::tie(Width, Height, FillLeft, Color, ColorTo, ColorMirror, ColorMirrorTo, BorderColor, Separator,
                        SeparatorColorTo);
    }
};

// A canvas lent a face's DC for one paint.
class TFaceCanvas : public TCanvas {
public:
    explicit TFaceCanvas(HDC dc) { SetHandle(dc); }
    ~TFaceCanvas() override { SetHandle(nullptr); }
};

}  // namespace

void DrawPanelFace(HDC dc, const TRect& panel, const TRect& fill, const TPanelColors& colors, bool withSeparator,
                   TColor separatorColorTo) {
    if (panel.Right <= panel.Left || panel.Bottom <= panel.Top) return;
    if (colors.Color == clNone) {
        // Nothing to fill: the frame and separator go straight onto what lies below.
        TFaceCanvas canvas(dc);
        DrawPanelGradient(canvas, fill, colors);
        if (withSeparator) DrawPanelSeparator(canvas, panel, separatorColorTo);
        return;
    }
    TPanelFaceKey key{panel.Width(),
                      panel.Height(),
                      fill.Left - panel.Left,
                      ColorToRGB(colors.Color),
                      ColorToRGB(colors.ColorTo),
                      colors.ColorMirror == clNone ? clNone : ColorToRGB(colors.ColorMirror),
                      ColorToRGB(colors.ColorMirrorTo),
                      colors.BorderColor == clNone ? clNone : ColorToRGB(colors.BorderColor),
                      withSeparator,
                      ColorToRGB(separatorColorTo)};
    auto face = SharedFaceCache().Get(key, panel.Width(), panel.Height(), [&](TFace&, HDC faceDC) {
        TFaceCanvas canvas(faceDC);
        TRect local{fill.Left - panel.Left, 0, panel.Width(), panel.Height()};
        DrawPanelGradient(canvas, local, colors);
        if (withSeparator) DrawPanelSeparator(canvas, {0, 0, panel.Width(), panel.Height()}, separatorColorTo);
    });
    // Fill and separator cover every pixel of the face, so it is copied as it is.
    if (face && !face->Empty()) {
        face->Blit(dc, panel.Left, panel.Top);
        return;
    }
    // No face to be had (the handles ran out): the same, straight onto the DC and kept
    // within the panel as the face keeps it.
    TSaveDCGuard saved(dc);
    IntersectClipRect(dc, panel.Left, panel.Top, panel.Right, panel.Bottom);
    TFaceCanvas canvas(dc);
    DrawPanelGradient(canvas, {fill.Left, panel.Top, panel.Right, panel.Bottom}, colors);
    if (withSeparator) DrawPanelSeparator(canvas, panel, separatorColorTo);
}

// --- text ---------------------------------------------------------------------------------

std::wstring ShortenPathText(const std::wstring& path, int width,
                             const std::function<int(const std::wstring&)>& measure) {
    if (path.empty() || measure(path) <= width) return path;
    size_t lastSep = path.find_last_of(L"\\/");
    if (lastSep == std::wstring::npos) return path;
    // The head keeps the drive (or the first folder of a relative path).
    size_t headEnd = path.find_first_of(L"\\/");
    if (headEnd == lastSep) return path;
    std::wstring head = path.substr(0, headEnd + 1);
    std::wstring tail = path.substr(lastSep);
    // Drop middle folders from the left until it fits or only "..." is left between.
    std::wstring middle = path.substr(headEnd + 1, lastSep - headEnd - 1);
    for (;;) {
        size_t sep = middle.find_first_of(L"\\/");
        if (sep == std::wstring::npos) break;
        middle = middle.substr(sep + 1);
        std::wstring candidate = head + L"...\\" + middle + tail;
        if (measure(candidate) <= width) return candidate;
    }
    return head + L"..." + tail;
}

TRect DrawStatusText(TCanvas& canvas, TTextAlignment alignment, unsigned flags, bool draw, bool ellipsis,
                     TAntiAlias antiAlias, bool enabled, const TFont& font, const std::wstring& text,
                     const TRect& box) {
    if (text.empty() || !canvas.Handle()) return {};
    TFont used;
    used.Assign(&font);
    // The anti-aliased path takes the face and size only.
    if (antiAlias != aaNone) used.SetStyle(0);
    if (!enabled) used.SetColor(0x808080);
    TColor keep = canvas.Font().GetColor();
    canvas.Font().Assign(antiAlias != aaNone ? &used : &font);
    if (!enabled) canvas.Font().SetColor(0x808080);
    std::wstring shown = text;
    if (draw && (flags & kStatusPathEllipsis) && antiAlias != aaNone)
        shown = ShortenPathText(text, box.Width(), [&](const std::wstring& s) { return canvas.TextWidth(s); });
    TRect measureBox{0, 0, 1000, 100};
    TRect result = DrawGDIPText(canvas, alignment, flags, draw ? box : measureBox, shown, used, enabled, draw,
                                antiAlias, ellipsis && draw, false);
    canvas.Font().SetColor(keep);
    return result;
}

// --- clocks -----------------------------------------------------------------------------------

namespace {

std::wstring LocaleString(LCTYPE type, const wchar_t* fallback) {
    wchar_t buffer[80] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 80) > 0) return buffer;
    return fallback;
}

std::wstring Padded(int value, size_t digits) {
    std::wstring s = std::to_wstring(value);
    while (s.size() < digits) s.insert(s.begin(), L'0');
    return s;
}

}  // namespace

std::wstring LocaleShortDateFormat() {
    return LocaleString(LOCALE_SSHORTDATE, L"d/MM/yyyy");
}

std::wstring LocaleLongTimeFormat() {
    return LocaleString(LOCALE_STIMEFORMAT, L"h:mm:ss");
}

std::wstring FormatStatusDateTime(const std::wstring& format, const SYSTEMTIME& t) {
    static const wchar_t* const kShortDays[] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
    static const wchar_t* const kLongDays[] = {L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                               L"Thursday", L"Friday", L"Saturday"};
    static const wchar_t* const kShortMonths[] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                                  L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
    static const wchar_t* const kLongMonths[] = {L"January",   L"February", L"March",    L"April",
                                                 L"May",       L"June",     L"July",     L"August",
                                                 L"September", L"October",  L"November", L"December"};
    const std::wstring dateSep = LocaleString(LOCALE_SDATE, L"/");
    const std::wstring timeSep = LocaleString(LOCALE_STIME, L":");
    const bool twelve = [&] {
        std::wstring upper = UpperCase(format);
        return upper.find(L"AMPM") != std::wstring::npos || upper.find(L"AM/PM") != std::wstring::npos ||
               upper.find(L"TT") != std::wstring::npos;
    }();
    const int month = std::clamp<int>(t.wMonth, 1, 12) - 1;
    const int weekday = std::clamp<int>(t.wDayOfWeek, 0, 6);
    std::wstring out;
    bool afterHour = false;
    size_t i = 0;
    auto run = [&](wchar_t c) {
        size_t n = 0;
        while (i + n < format.size() && towlower(format[i + n]) == c) ++n;
        return n;
    };
    while (i < format.size()) {
        wchar_t c = format[i];
        wchar_t lower = static_cast<wchar_t>(towlower(c));
        if (c == L'"' || c == L'\'') {
            size_t end = format.find(c, i + 1);
            if (end == std::wstring::npos) end = format.size();
            out += format.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (c == L'/') {
            out += dateSep;
            ++i;
            continue;
        }
        if (c == L':') {
            out += timeSep;
            ++i;
            continue;
        }
        std::wstring rest = UpperCase(format.substr(i, 5));
        if (rest.rfind(L"AM/PM", 0) == 0) {
            out += t.wHour < 12 ? L"AM" : L"PM";
            i += 5;
            continue;
        }
        if (rest.rfind(L"AMPM", 0) == 0) {
            out += t.wHour < 12 ? L"AM" : L"PM";
            i += 4;
            continue;
        }
        size_t n;
        switch (lower) {
            case L'd':
                n = run(L'd');
                out += n == 1   ? std::to_wstring(t.wDay)
                       : n == 2 ? Padded(t.wDay, 2)
                       : n == 3 ? kShortDays[weekday]
                                : kLongDays[weekday];
                i += n;
                break;
            case L'm':
                n = run(L'm');
                if (afterHour && n <= 2) {
                    out += n == 1 ? std::to_wstring(t.wMinute) : Padded(t.wMinute, 2);
                    afterHour = false;
                } else {
                    out += n == 1   ? std::to_wstring(month + 1)
                           : n == 2 ? Padded(month + 1, 2)
                           : n == 3 ? kShortMonths[month]
                                    : kLongMonths[month];
                }
                i += n;
                break;
            case L'y':
                n = run(L'y');
                out += n <= 2 ? Padded(t.wYear % 100, 2) : Padded(t.wYear, 4);
                i += n;
                break;
            case L'h': {
                n = run(L'h');
                int hour = t.wHour;
                if (twelve) hour = hour % 12 == 0 ? 12 : hour % 12;
                out += n == 1 ? std::to_wstring(hour) : Padded(hour, 2);
                afterHour = true;
                i += n;
                break;
            }
            case L'n':
                n = run(L'n');
                out += n == 1 ? std::to_wstring(t.wMinute) : Padded(t.wMinute, 2);
                i += n;
                break;
            case L's':
                n = run(L's');
                out += n == 1 ? std::to_wstring(t.wSecond) : Padded(t.wSecond, 2);
                i += n;
                break;
            case L'z':
                n = run(L'z');
                out += n >= 3 ? Padded(t.wMilliseconds, 3) : std::to_wstring(t.wMilliseconds);
                i += n;
                break;
            case L't':
                n = run(L't');
                out += t.wHour < 12 ? L"AM" : L"PM";
                i += n;
                break;
            default:
                out += c;
                ++i;
                break;
        }
    }
    return out;
}

}  // namespace orv
