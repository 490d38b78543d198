#pragma once
// The toolbar stylers' pictures for the renderer.
#include <functional>
#include <string>
#include <vector>

#include "toolbar/ToolBarPresets.h"
#include "tools/Render/RenderCatalog.h"

namespace orv {
class TCanvas;
}

namespace orvtools {

std::vector<TRenderItem> ToolBarRenderItems();

// The font of the swatch sheet's labels and texts.
void SetSwatchFont(orv::TCanvas& canvas);
// A look's column label in words: "Office 2007 Obsidian", "Windows 7 scenic".
std::wstring SwatchLabel(orv::TToolBarStyle style, bool scenic);
// The label in lines no wider than width by measure, broken between words only.
std::vector<std::wstring> WrapSwatchLabel(const std::wstring& label, int width,
                                          const std::function<int(const std::wstring&)>& measure);

}  // namespace orvtools
