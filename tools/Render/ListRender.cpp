#include "itemlist/OrvPolyList.h"
// clang-format off
#include "ListRender.h"

#include "framework/Bitmap.h"
#include "itemlist/GDIPTextItem.h"
// clang-format on

using namespace orv;

namespace orvtools {

namespace {

constexpr int kCellWidth = 180;
constexpr int kCellHeight = 190;
constexpr int kPerRow = 6;
constexpr int kLabel = 16;

const wchar_t* kStyleNames[] = {L"2003 Blue", L"2003 Silver",   L"2003 Olive",  L"2003 Classic",
                                L"2007 Luna", L"2007 Obsidian", L"Windows XP",  L"Whidbey",
                                L"Custom",    L"2007 Silver",   L"Vista",       L"Windows 7",
                                L"Terminal",  L"2010 Blue",     L"2010 Silver", L"2010 Black"};

// One container per style (and one with the default look), items normal, hovered,
// down and selected from the top.
void PaintContainers(TBitmap& b, bool menu) {
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(0xF0F0F0);
    c.FillRect({0, 0, b.Width(), b.Height()});
    for (int s = -1; s < 16; ++s) {
        int cell = s + 1;
        int x = (cell % kPerRow) * kCellWidth + 8, y = (cell / kPerRow) * kCellHeight + 4;
        c.Font().SetName(L"Tahoma");
        c.Font().SetHeight(-11);
        c.Font().SetColor(0x202020);
        c.TextOut(x, y, s < 0 ? std::wstring(L"default") : kStyleNames[s]);
        TOwnedPtr<TOrvPolyList> list(menu ? Make<TOrvPolyMenu>(nullptr) : Make<TOrvPolyList>(nullptr));
        list->SetBounds(0, 0, kCellWidth - 16, kCellHeight - kLabel - 12);
        if (menu) list->SetListMargins(TMargins(0, 0, 0, 0));
        const wchar_t* captions[] = {L"Normal", L"Hovered", L"Down", L"Selected"};
        TItemState states[] = {isNormal, isHovered, isDown, isSelected};
        for (int i = 0; i < 4; ++i) {
            auto* it = list->AddItem<TTextItem>();
            it->SetCaption(captions[i]);
            it->SetHeight(menu ? 35 : 30);
        }
        if (s >= 0) {
            list->SetComponentStyle(static_cast<TZemStyle>(s));
            if (menu) list->ChangeStyle(true, s);
        }
        if (menu && s < 0) list->ChangeMenu(0xCBB199);
        if (menu) {
            list->SetBorderMode(bmTransition);
            list->SetBorderTypes(BorderBit(btNormalRight));
        }
        for (int i = 0; i < 4; ++i) list->Items(i)->SetState(states[i]);
        TBitmap face(list->Width(), list->Height());
        {
            TGPGraphics g(face.Canvas().Handle());
            g.SetSmoothingMode(SmoothingModeAntiAlias);
            g.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
            list->Draw(g);
        }
        BitBlt(c.Handle(), x, y + kLabel, face.Width(), face.Height(), face.Canvas().Handle(), 0, 0, SRCCOPY);
    }
}

}  // namespace

std::vector<TRenderItem> ListRenderItems() {
    int rows = (17 + kPerRow - 1) / kPerRow;
    return {{L"polylist-styles", L"poly list in each container style: normal, hovered, down, selected items",
             kPerRow * kCellWidth, rows * kCellHeight, 1, [](TBitmap& b) { PaintContainers(b, false); }},
            {L"polymenu-styles",
             L"poly menu in each container style (the default cell after ChangeMenu): normal, hovered, down, selected",
             kPerRow * kCellWidth, rows * kCellHeight, 1, [](TBitmap& b) { PaintContainers(b, true); }}};
}

}  // namespace orvtools
