#pragma once
// Renderer pictures of the pager strip painted from its paint records: normal, crowded,
// grouped, pressed and hot tabs, the collapsed look, the caption in two colours.
#include <vector>

#include "RenderCatalog.h"
#include "toolbar/PagerPaint.h"

namespace orvtools {

std::vector<TRenderItem> PagerRenderItems();

struct TPagerSceneOptions {
    int Width = 681;
    int Height = 149;
    int TabCount = 5;
    // Tabs 1 to 3 form a tab group.
    bool Grouped = false;
    // Hot on tab 2, the active tab 0 pressed.
    bool PressedAndHot = false;
    bool Collapsed = false;
    const wchar_t* Caption = L"Quillan - Draft";
};

// A pager's paint record over styler (the picture's and the bench's scene). The groups
// and tabs refer to styler's records, which must outlive the record.
orv::TPagerPaintState PagerScene(orv::TCustomOrvToolBarStyler* styler, const TPagerSceneOptions& options);
// Paints scene into canvas: the pager, then the active page's background under it.
void PaintPagerScene(orv::TCanvas& canvas, orv::TCustomOrvToolBarStyler* styler, const orv::TPagerPaintState& scene);

}  // namespace orvtools
