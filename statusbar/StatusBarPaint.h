#pragma once
// The status bar's geometry and painters as functions of values: where each panel lies,
// how wide an auto-sized panel becomes, the gauge, the panel background and the text
// routine. They touch no window, so tests and the renderer call them directly.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/Canvas.h"
#include "paint/OrvText.h"

// The common controls header names a routine of its own DrawStatusText (a macro); it is
// included here once so that the name below stays ours wherever this header goes.
#include <commctrl.h>
#undef DrawStatusText

struct _SYSTEMTIME;

namespace orv {

enum TOrvOfficeStatusPanelStyle {
    psHTML,
    psText,
    psOwnerDraw,
    psTime,
    psDate,
    psNumLock,
    psCapsLock,
    psScrollLock,
    psProgress,
    psImage,
    psImageList,
    psAnimation,
    psEllipsText,
    psFileEllipsText
};
enum TPanelAppearanceStyle { psLight, psDark };
enum TProgressIndication { piPercentage, piAbsolute, piNone };
using TAntiAlias = TTextAntiAlias;

// --- panel geometry -----------------------------------------------------------------

// A panel's horizontal extent on the bar [Left, Right).
struct TPanelSpan {
    int Left = 0;
    int Right = 0;
};

// Panels laid out from x = 0 in order: the stretch panel takes what the others leave
// (never less than nothing); with stretch -1 the last panel reaches barWidth. Negative
// widths count as 0.
std::vector<TPanelSpan> StatusPanelSpans(const std::vector<int>& widths, int stretchPanel, int barWidth);
// The rectangle a panel is painted in: (x, 0, right, H - 1), the first panel starting at 1
// and a right edge on W - 1 pulled back to W - 2.
TRect PanelPaintRect(const std::vector<TPanelSpan>& spans, int index, int barWidth, int barHeight);
// The rectangle hit tests and invalidation use: (x, 1, right, H - 1), the last panel
// (unless it stretches) reaching W - 1.
TRect PanelHitRect(const std::vector<TPanelSpan>& spans, int index, int stretchPanel, int barWidth, int barHeight);
// The first panel whose [left, right] (both inclusive) holds x; -1 for none.
int PanelIndexAt(const std::vector<TPanelSpan>& spans, int stretchPanel, int barWidth, int barHeight, int x);

// Width of an auto-sized text panel: max(minWidth, text + image + 12), plus 16 for the
// last panel beside a size grip.
int AutoSizeTextWidth(int textWidth, int imageWidth, int minWidth, bool lastWithGrip);
// Width of an auto-sized HTML panel: max(minWidth, text + 10).
int AutoSizeHtmlWidth(int textWidth, int minWidth);

// --- progress -------------------------------------------------------------------------

// Round((position - min) * 100 / (max - min)) in 64 bits, kept in 0..100. A range that is
// empty or reversed (max <= min) shows 0.
int GaugePercent(int64_t minValue, int64_t maxValue, int64_t position);
// The percentage the progress style remembers, or false when the range is empty or
// reversed (then nothing repaints and the remembered value stays).
bool GaugePercentChange(int64_t minValue, int64_t maxValue, int64_t position, int& percent);

// What the bar hands the gauge painter.
struct TGaugeSettings {
    TColor Level0Color = 0x00FF00;
    TColor Level0ColorTo = 0xE1FFE1;
    TColor Level1Color = 0x00FFFF;
    TColor Level1ColorTo = 0xCAFFFF;
    TColor Level2Color = 0x53A9FF;
    TColor Level2ColorTo = 0xA8D3FF;
    TColor Level3Color = 0x0000FF;
    TColor Level3ColorTo = 0xCACAFF;
    int Level1Perc = 70;
    int Level2Perc = 90;
    TColor BorderColor = clBlack;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = true;
    const TFont* Font = nullptr;  // none: the canvas's font
    bool CompletionSmooth = false;
    bool ShowGradient = true;
    int Steps = 11;
    int Position = 0;
    TColor BackgroundColor = clNone;
    bool Horizontal = true;
    bool Percent = true;  // "n%" rather than prefix, position and suffix
    std::wstring Suffix;
    std::wstring Prefix;
    std::wstring Text;
};

// The gauge text for percentage p: "p%", prefix + position + suffix, or the settings' text.
std::wstring GaugeText(int percent, const TGaugeSettings& settings);
// Draws the gauge in box at percentage p (clamped to 0..100).
void DrawGauge(TCanvas& canvas, const TRect& box, int percent, const TGaugeSettings& settings);

// --- panel background -----------------------------------------------------------------

struct TPanelColors {
    TColor Color = clNone;
    TColor ColorTo = clNone;
    TColor ColorMirror = clNone;
    TColor ColorMirrorTo = clNone;
    TColor BorderColor = clNone;
};
// The mirrored panel fill (128-step halves, or one gradient when the mirror colour is
// clNone) with its frame.
void DrawPanelGradient(TCanvas& canvas, const TRect& box, const TPanelColors& colors);
// The 2-pixel separator at separator.Left from the look's normal ColorTo.
void DrawPanelSeparator(TCanvas& canvas, const TRect& panel, TColor colorTo);
// Fill and separator of one panel, blitted from the shared face cache: box is the fill,
// separator (when withSeparator) goes at panel.Left.
void DrawPanelFace(HDC dc, const TRect& panel, const TRect& fill, const TPanelColors& colors, bool withSeparator,
                   TColor separatorColorTo);

// --- text ---------------------------------------------------------------------------------

// Classic text flags the status bar passes.
constexpr unsigned kStatusEndEllipsis = 0x8000;
constexpr unsigned kStatusPathEllipsis = 0x4000;
constexpr unsigned kStatusNoPrefix = 0x0800;
constexpr unsigned kStatusSingleLine = 0x0020;
constexpr unsigned kStatusVCenter = 0x0004;
constexpr unsigned kStatusRight = 0x0002;
constexpr unsigned kStatusCenter = 0x0001;

// Draws (or measures, in (0, 0, 1000, 100)) a panel text; returns the measured box. The
// anti-aliased path uses the font's face and size in regular style. Nothing for no text.
TRect DrawStatusText(TCanvas& canvas, TTextAlignment alignment, unsigned flags, bool draw, bool ellipsis,
                     TAntiAlias antiAlias, bool enabled, const TFont& font, const std::wstring& text, const TRect& box);

// Shortens a path to fit width (measured by measure): the drive and the file name stay,
// middle folders give way to "...". Returns the path unchanged when it fits.
std::wstring ShortenPathText(const std::wstring& path, int width,
                             const std::function<int(const std::wstring&)>& measure);

// --- clocks ----------------------------------------------------------------------------------

// Formats a moment: d dd ddd dddd m mm mmm mmmm yy yyyy h hh n nn s ss z zzz, m after h is
// minutes, am/pm ampm tt, "/" and ":" the locale's separators, quoted text as is.
std::wstring FormatStatusDateTime(const std::wstring& format, const _SYSTEMTIME& moment);
std::wstring LocaleShortDateFormat();
std::wstring LocaleLongTimeFormat();

}  // namespace orv
