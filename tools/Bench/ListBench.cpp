#include "itemlist/OrvPolyList.h"
// clang-format off
#include "ListBench.h"
#include "BenchTiming.h"

#include <cstdio>

#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "itemlist/GDIPTextItem.h"
#include "paint/OrvGDIP.h"
// clang-format on

using namespace orv;

namespace orvtools {

namespace {

constexpr int kRuns = 200;
constexpr int kLeakPaints = 10000;

TOwnedPtr<TOrvPolyList> MakeContainer(bool menu, int w, int h, int items) {
    TOwnedPtr<TOrvPolyList> list(menu ? Make<TOrvPolyMenu>(nullptr) : Make<TOrvPolyList>(nullptr));
    list->SetBounds(0, 0, w, h);
    list->BeginUpdate();
    for (int i = 0; i < items; ++i) {
        auto* it = list->AddItem<TTextItem>();
        it->SetCaption(L"Item " + std::to_wstring(i + 1));
        it->SetHeight(menu ? 35 : 30);
    }
    list->EndUpdate();
    if (menu) list->SetComponentStyle(tsOffice2010Blue);
    if (items > 1) list->Items(1)->SetState(isSelected);
    return list;
}

double PaintMedian(TOrvPolyList& list, TBitmap& bmp) {
    HDC dc = bmp.Canvas().Handle();
    return MedianMicroseconds(kRuns, [&] { list.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); });
}

double FillMedian(int w, int h) {
    TBitmap bmp(w, h);
    TGdiBrush brush(CreateSolidBrush(RGB(200, 220, 240)));
    RECT rc{0, 0, w, h};
    HDC dc = bmp.Canvas().Handle();
    return MedianMicroseconds(kRuns * 5, [&] { FillRect(dc, &rc, brush.Get()); });
}

}  // namespace

void RunListBench() {
    std::printf("\nitems containers, median of %d paints (WM_PAINT into a bitmap)\n", kRuns);
    std::printf("%-46s %12s %12s\n", "row", "median us", "ratio");
    auto row = [](const char* name, double t, double base, const char* unit) {
        std::printf("%-46s %12.2f %10.3f %s\n", name, t, base > 0 ? t / base : 0.0, unit);
    };

    // Steady: the kept face copied; direct: drawn without the face cache.
    auto list = MakeContainer(false, 413, 395, 3);
    TBitmap listBmp(413, 395);
    double listFill = FillMedian(413, 395);
    row("poly list 413 x 395, three text items", PaintMedian(*list, listBmp), listFill, "x FillRect");
    ListFaceCache = false;
    row("  the same, direct", PaintMedian(*list, listBmp), listFill, "x FillRect");
    ListFaceCache = true;

    auto menu = MakeContainer(true, 161, 395, 9);
    TBitmap menuBmp(161, 395);
    double menuFill = FillMedian(161, 395);
    row("poly menu 161 x 395, nine items", PaintMedian(*menu, menuBmp), menuFill, "x FillRect");
    ListFaceCache = false;
    row("  the same, direct", PaintMedian(*menu, menuBmp), menuFill, "x FillRect");
    ListFaceCache = true;

    auto ten = MakeContainer(false, 413, 395, 10);
    auto thousand = MakeContainer(false, 413, 395, 1000);
    thousand->SetVerticalPosition(thousand->VertScrollBar().MaxPosition() / 2);
    thousand->DoChange();
    double tenT = PaintMedian(*ten, listBmp);
    double thousandT = PaintMedian(*thousand, listBmp);
    row("1,000 items scrolled to the middle", thousandT, tenT, "x ten items (limit 1.5)");
    ListFaceCache = false;
    tenT = PaintMedian(*ten, listBmp);
    thousandT = PaintMedian(*thousand, listBmp);
    ListFaceCache = true;
    row("  the same, direct", thousandT, tenT, "x ten items (limit 1.5)");

    // One change pass against moving the same items by hand. Each item setter asks its
    // container for a pass; the update holds those back, so the baseline is the setters.
    double pass = MedianMicroseconds(50, [&] { thousand->DoChange(); });
    int flip = 0;
    thousand->BeginUpdate();
    double direct = MedianMicroseconds(50, [&] {
        ++flip;
        for (int i = 0; i < thousand->ItemCount(); ++i) {
            thousand->Items(i)->SetX(3 + (flip & 1));
            thousand->Items(i)->SetY(i * 35 + (flip & 1));
        }
    });
    thousand->EndUpdate();
    row("change pass over 1,000 items", pass, direct, "x setting X and Y");

    int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal();
    HDC dc = listBmp.Canvas().Handle();
    for (int i = 0; i < kLeakPaints; ++i) list->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    std::printf("%d list paints: live GDI objects before %d, after %d; live GDI+ objects before %d, after %d\n",
                kLeakPaints, gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal());
}

}  // namespace orvtools
