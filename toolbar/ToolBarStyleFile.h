#pragma once
// The toolbar styler's style file: a header line with the style's name, the
// AutoThemeAdapt line, then one "Key=Value" line per value in a fixed order.
#include <string>
#include <vector>

#include "toolbar/ToolBarPresets.h"

namespace orv {

// The body keys after the AutoThemeAdapt line, in file order.
const std::vector<std::wstring>& StyleFileKeys();
// The header name of a style, and the style of a header name (case-insensitive; false
// when the name is none of them).
std::wstring StyleFileName(TToolBarStyle style);
bool StyleFromFileName(const std::wstring& name, TToolBarStyle& style);

// One line as a comma list (a string list's comma text): items split at commas and at
// blanks or control characters outside double quotes; a quoted item may hold them, and
// "" inside it is one quote.
std::vector<std::wstring> SplitCommaList(const std::wstring& line);
// An entry as a one-item comma list: quoted when it holds a blank, a control
// character, a comma or a double quote.
std::wstring QuoteCommaItem(const std::wstring& entry);

}  // namespace orv
