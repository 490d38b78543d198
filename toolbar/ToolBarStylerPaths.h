#pragma once
// Styler values reached by their property path ("TabAppearance.BackGround.Color",
// "GroupAppearance.TabAppearance.Font.Name"), through the published-property tables of
// the class registry. The presets and the style file both address values this way.
#include <cstdint>
#include <string>

#include "framework/ClassRegistry.h"

namespace orv {

class TCustomOrvToolBarStyler;
class TFont;

struct TStylerProperty {
    TObject* Object = nullptr;        // the record (or the styler) that holds the value
    const TPropInfo* Prop = nullptr;  // its property; null for a font's Size
    TFont* SizeOf = nullptr;          // the font of a "...Font.Size" path
};

// False when the path names no value.
bool FindStylerProperty(TCustomOrvToolBarStyler& styler, const std::wstring& path, TStylerProperty& out);
// Numeric values (colour, enumeration ordinal, set, integer, Boolean, font size); a path
// that names nothing numeric raises EInvalidOperation.
int64_t GetStylerValue(TCustomOrvToolBarStyler& styler, const std::wstring& path);
void SetStylerValue(TCustomOrvToolBarStyler& styler, const std::wstring& path, int64_t value);

}  // namespace orv
