// A styled popup menu drawn item by item through the same measuring and drawing the
// owner-draw messages use: icon bar, a selected item with its shortcut, a checked item,
// a separator, a sub-menu arrow, a disabled item and a caption with notes.
#include "tools/Render/MenuRender.h"

#include <algorithm>

#include "framework/Bitmap.h"
#include "framework/SystemFont.h"
#include "menus/OrvMenuPainter.h"
#include "menus/OrvMenus.h"

using namespace orv;
using namespace orv::menus;

namespace orvtools {

namespace {

void PaintStyledPopup(TBitmap& bitmap) {
    bitmap.Canvas().Brush().SetColor(clWhite);
    bitmap.Canvas().FillRect({0, 0, bitmap.Width(), bitmap.Height()});
    TOwnedPtr<TOrvPopupMenu> menu(new TOrvPopupMenu(nullptr));
    TMenuItem* open = menu->AddItem(L"&Open");
    open->SetShortCut(ShortCut('O', ssCtrl));
    menu->AddItem(L"Word wrap")->SetChecked(true);
    menu->AddItem(L"-");
    TMenuItem* more = menu->AddItem(L"More");
    auto* child = new TMenuItem(menu.get());
    child->SetCaption(L"Child");
    more->Add(child);
    menu->AddItem(L"Disabled")->SetEnabled(false);
    menu->AddItem(L"Notes\nwith a second line");

    TCanvas& canvas = bitmap.Canvas();
    int width = 0;
    std::vector<int> heights;
    for (int i = 0; i < menu->Items()->Count(); ++i) {
        int w = 0, h = 0;
        InitRecordFont(canvas.Font(), TSystemFont::Menu);
        menu->Items(i)->MeasureItem(canvas, w, h);
        width = std::max(width, w);
        heights.push_back(h);
    }
    width = std::min(width + 17, bitmap.Width() - 4);  // the window's cut-off pixels
    int y = 2;
    for (int i = 0; i < menu->Items()->Count(); ++i) {
        TMenuItem* item = menu->Items(i);
        TOwnerDrawState state = item == open ? odSelected : 0;
        if (!item->GetEnabled()) state |= odDisabled | odGrayed;
        if (item->GetChecked()) state |= odChecked;
        InitRecordFont(canvas.Font(), TSystemFont::Menu);
        item->AdvancedDrawItem(canvas, Bounds(2, y, width, heights[static_cast<size_t>(i)]), state, false);
        y += heights[static_cast<size_t>(i)];
    }
    canvas.Brush().SetColor(menu->CurrentMenuStyler()->GetMenuBorderColor());
    canvas.FrameRect({1, 1, 2 + width - 17 + 1, y + 1});
}

}  // namespace

std::vector<TRenderItem> MenuRenderItems() {
    return {{L"StyledPopupMenu", L"styled popup menu items: selected, checked, separator, sub-menu, disabled, notes",
             220, 170, 2, PaintStyledPopup}};
}

}  // namespace orvtools
