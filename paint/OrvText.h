#pragma once
// Caption text: accelerator markers, the rotated caption with a hand-drawn accelerator
// underline, and text drawn with GDI+ font rendering (falling back to classic text for
// fonts that are not TrueType).
#include <string>

#include "framework/Canvas.h"

namespace orv {

// A caption without its markers and the index (in the stripped text) of the character
// the last single "&" marks, -1 when none. "&&" is a literal ampersand; a single "&" at
// the very end marks nothing and is dropped.
struct THotKeyText {
    std::wstring Text;
    int AcceleratorIndex = -1;
};
THotKeyText StripHotKeyMarkers(const std::wstring& caption);

// Writes the caption running top to bottom (font rotated by -90 degrees) at origin and
// underlines its accelerator by hand in the font colour.
void DrawHotKeyText(TCanvas& canvas, const std::wstring& text, TPoint origin);

// True when the canvas font is a vector, non-device font installed on the system. Whether a
// face is installed is looked up once per face.
bool IsTrueTypeFont(TCanvas* canvas);
// How often the installed fonts were enumerated so far (tests prove the answer is kept).
int InstalledFontScans();

enum class TTextAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextAntiAlias { aaNone = 0, aaClearType = 1, aaAntiAlias = 2 };

// Measures (and with draw, draws) text in rect. A measurement alone (draw false) is kept per
// font, text, flags and rectangle, so measuring the same again costs a lookup. With anti-aliasing and a TrueType font
// GDI+ draws it, vertically centred; too long single-line text is cut from the end
// (with "..." when ellipsis) until it fits or nothing is left. Otherwise the classic
// routine draws with format (DT_ flags). Returns the measured box, empty for no text.
TRect DrawGDIPText(TCanvas& canvas, TTextAlignment alignment, unsigned format, const TRect& rect,
                   const std::wstring& text, const TFont& font, bool enabled, bool draw, int antiAlias, bool ellipsis,
                   bool wordWrap);

// The kept measurements: how many were answered from them, how many measured, and forgetting
// them all (tests; a font installed while the program runs).
struct TTextMeasureStats {
    size_t Hits = 0;
    size_t Misses = 0;
    size_t Count = 0;
};
TTextMeasureStats TextMeasureStats();
void ClearTextMeasures();

}  // namespace orv
