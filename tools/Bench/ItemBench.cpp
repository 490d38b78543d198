#include "ItemBench.h"
#include "BenchTiming.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "itemlist/GDIPWedgeItem.h"
#include "paint/GDIPFill.h"
#include "paint/OrvGDIP.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kRuns = 1000;
constexpr int kLeakPaints = 10000;
constexpr int kWidth = 190;
constexpr int kHeight = 40;

}  // namespace

void RunItemBench() {
    TGDIPFill selected;
    selected.SetColor(0xF5E3D1);
    selected.SetColorTo(0xE8C7A4);
    selected.SetBorderColor(0xC08F5E);
    selected.SetRounding(2);
    selected.SetGlow(gmGradient);
    TFont font;
    TItemAppearance look;
    look.Selected = &selected;
    look.SelectedFont = &font;
    TOwnedPtr<TWedgeItem> item(Make<TWedgeItem>(nullptr));
    item->SetWidth(kWidth);
    item->SetHeight(kHeight);
    item->SetCaption(L"Menu Item 1");
    item->CaptionMargin().SetLeft(40);
    item->SetWedgeStates(ItemStateBit(isSelected));
    item->SetState(isSelected);
    LoadPictureFromResource(L"PLACEHOLDER", item->Image());

    TBitmap bitmap(kWidth, kHeight);
    HDC dc = bitmap.Canvas().Handle();
    TGdiBrush brush(CreateSolidBrush(RGB(200, 220, 240)));
    RECT rc{0, 0, kWidth, kHeight};
    auto paint = [&] {
        TGPGraphics g(dc);
        item->Draw(g, look);
    };
    double baseline = MedianMicroseconds(kRuns, [&] { FillRect(dc, &rc, brush.Get()); });
    double t = MedianMicroseconds(kRuns, paint);
    std::printf("\nitem paint, %d x %d, median of %d paints; FillRect baseline %.2f us\n", kWidth, kHeight, kRuns,
                baseline);
    std::printf("%-34s %12s %10s\n", "item", "median us", "x FillRect");
    std::printf("%-34s %12.2f %10.1f\n", "wedge item selected", t, baseline > 0 ? t / baseline : 0.0);
    int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal();
    for (int i = 0; i < kLeakPaints; ++i) paint();
    std::printf("%d paints: live GDI objects before %d, after %d; live GDI+ objects before %d, after %d\n", kLeakPaints,
                gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal());
}

}  // namespace orvtools
