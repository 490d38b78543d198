#pragma once
// The one place records and canvases take their fonts from the system.
#include "framework/Graphics.h"

struct tagLOGFONTW;

namespace orv {

// What of the system's fonts a font follows.
enum class TSystemFont {
    // The menu font of the non-client metrics: face, height, style and charset, in
    // clWindowText (Tahoma, height -11 when the metrics cannot be read).
    Menu,
    // The UI face only: SystemFontName(); height, style and colour stay.
    Face,
};

// "Segoe UI" where the platform has GetLocaleInfoEx (Vista and later), else "Tahoma".
const wchar_t* SystemFontName();

// Copies a platform font description (face, height, style, charset) into a font; the
// colour stays.
void AssignLogFont(TFont& font, const tagLOGFONTW& logFont);

// Gives font the system's font of that kind, then, when points is above 0, that size.
// Each value that differs raises the font's OnChange on its own.
void InitRecordFont(TFont& font, TSystemFont kind, int points = 0);

}  // namespace orv
