#include "itemlist/OrvPolyList.h"
// clang-format off
#include "ListRender.h"

#include "framework/Bitmap.h"
#include "framework/Forms.h"
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
        // The window's own paint: the control's colour first, then the look, so what the
        // fill leaves (its last column and row without a border) shows as on screen.
        TBitmap face(list->Width(), list->Height());
        list->Perform(WM_PAINT, reinterpret_cast<WPARAM>(face.Canvas().Handle()), 0);
        BitBlt(c.Handle(), x, y + kLabel, face.Width(), face.Height(), face.Canvas().Handle(), 0, 0, SRCCOPY);
    }
}

// The scroll handles and the drop marker: handles at the top of a long list, in its
// middle, with the lower handle under the pointer, sideways on a row of items, and the
// fourth item dragged over the second.
void PaintHandles(TBitmap& b) {
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(0xF0F0F0);
    c.FillRect({0, 0, b.Width(), b.Height()});
    const wchar_t* labels[] = {L"at the top", L"in the middle", L"lower handle hovered", L"sideways", L"drop marker"};
    for (int cell = 0; cell < 5; ++cell) {
        int x = cell * kCellWidth + 8, y = 4;
        c.Font().SetName(L"Tahoma");
        c.Font().SetHeight(-11);
        c.Font().SetColor(0x202020);
        c.TextOut(x, y, labels[cell]);
        // A hidden form: the press that starts the drop marker needs a window.
        TOwnedPtr<TForm> form(Make<TForm>(nullptr));
        form->SetBounds(0, 0, kCellWidth + 40, kCellHeight + 40);
        auto* list = new TOrvPolyList(form.get());
        list->SetBounds(0, 0, kCellWidth - 16, kCellHeight - kLabel - 12);
        list->SetParent(form.get());
        list->SetScrollType(stHandles);
        list->BeginUpdate();
        if (cell == 3) {
            list->SetAutoSizeMode(asmNone);
            list->SetRows(3);
        }
        for (int i = 0; i < (cell == 4 ? 4 : 12); ++i) {
            auto* it = list->AddItem<TTextItem>();
            it->SetCaption(L"Item " + std::to_wstring(i + 1));
            if (cell == 3) it->SetWidth(70);
        }
        list->EndUpdate();
        if (cell == 1 || cell == 2) {
            list->SetVerticalPosition(list->VertScrollBar().MaxPosition() / 2);
            list->DoChange();
        }
        if (cell == 3) {
            list->SetHorizontalPosition(list->HorzScrollBar().MaxPosition() / 2);
            list->DoChange();
        }
        if (cell == 2) {
            TGPRectF h = list->HandleRect(hkBottom);
            int hx = int(h.X + h.Width / 2), hy = list->Height() - 6;
            list->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(hx, hy));
        }
        if (cell == 4) {
            TCustomItem* dragged = list->Items(3);
            TCustomItem* target = list->Items(1);
            int px = dragged->GetX() + 20, py = dragged->GetY() + 10;
            list->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(px, py));
            bool accept = false;
            list->DragOver(list, target->GetX() + 20, target->GetY() + 10, dsDragEnter, accept);
        }
        TBitmap face(list->Width(), list->Height());
        list->Perform(WM_PAINT, reinterpret_cast<WPARAM>(face.Canvas().Handle()), 0);
        BitBlt(c.Handle(), x, y + kLabel, face.Width(), face.Height(), face.Canvas().Handle(), 0, 0, SRCCOPY);
        if (cell == 4) {
            bool accept = false;
            list->DragOver(list, 0, 0, dsDragLeave, accept);
            list->Perform(WM_LBUTTONUP, 0, 0);
        }
    }
}

}  // namespace

std::vector<TRenderItem> ListRenderItems() {
    int rows = (17 + kPerRow - 1) / kPerRow;
    return {{L"polylist-handles",
             L"poly list scroll handles (top, middle, hovered, sideways) and the drop marker of a dragged item",
             5 * kCellWidth, kCellHeight, 2, PaintHandles},
            {L"polylist-styles", L"poly list in each container style: normal, hovered, down, selected items",
             kPerRow * kCellWidth, rows * kCellHeight, 1, [](TBitmap& b) { PaintContainers(b, false); }},
            {L"polymenu-styles",
             L"poly menu in each container style (the default cell after ChangeMenu): normal, hovered, down, selected",
             kPerRow * kCellWidth, rows * kCellHeight, 1, [](TBitmap& b) { PaintContainers(b, true); }}};
}

}  // namespace orvtools
