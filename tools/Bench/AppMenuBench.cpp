#include "AppMenuBench.h"
#include "BenchTiming.h"
#include "BenchCounts.h"

#include <windows.h>

#include <cstdio>

#include "appmenu/OrvPreviewMenu.h"
#include "appmenu/OrvPreviewMenuPanel.h"
#include "appmenu/OrvPreviewMenuStylers.h"
#include "appmenu/PreviewMenuFace.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "framework/Hooks.h"
#include "paint/FaceCache.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvText.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kRuns = 200;

// Eight items (one split, with six sub-items), three buttons.
void BuildMenu(TOrvPreviewMenu& menu) {
    for (int i = 0; i < 8; ++i) {
        auto* item = menu.MenuItems().Add();
        item->SetCaption(L"Menu item " + std::to_wstring(i + 1));
        if (i == 2) {
            item->SetCanSelect(true);
            for (int s = 0; s < 6; ++s) item->SubItems().Add()->SetTitle(L"Sub-item " + std::to_wstring(s + 1));
        }
    }
    for (int s = 0; s < 6; ++s) menu.SubMenuItems().Add()->SetTitle(L"Recent " + std::to_wstring(s + 1));
    for (const wchar_t* c : {L"Exit", L"Options", L"Help"}) menu.Buttons().Add()->SetCaption(c);
}

}  // namespace

void RunAppMenuBench() {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(0, 0, 300, 200);
    auto* styler = new TOrvPreviewMenuOfficeStyler(form.get());
    styler->SetStyle(psOffice2007Luna);
    auto* menu = new TOrvPreviewMenu(form.get());
    menu->SetStyler(styler);
    BuildMenu(*menu);
    TSize size = menu->MenuSize();
    TOrvPreviewMenuPanel* panel = menu->Panel();
    panel->SetItemHot(2, true);

    TBitmap bitmap(size.cx, size.cy);
    HDC dc = bitmap.Canvas().Handle();
    TGdiBrush brush(CreateSolidBrush(RGB(200, 220, 240)));
    panel->PaintTo(bitmap.Canvas());
    int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal();
    double fill = MedianMicroseconds(kRuns, [&] {
        RECT r{0, 0, size.cx, size.cy};
        FillRect(dc, &r, brush.Get());
    });
    double paint = MedianMicroseconds(kRuns, [&] { panel->PaintTo(bitmap.Canvas()); });
    // The window's paint: a copy of the kept face, or the direct paint without the cache.
    auto windowPaint = [&] { panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); };
    PreviewMenuFaceCache = true;
    windowPaint();
    double kept = MedianMicroseconds(kRuns, windowPaint);
    int hot = 0;
    double walk = MedianMicroseconds(kRuns, [&] {
        panel->SetItemHot(hot, false);
        hot = (hot + 1) % 8;
        windowPaint();
    });
    PreviewMenuFaceCache = false;
    double direct = MedianMicroseconds(kRuns, windowPaint);
    PreviewMenuFaceCache = true;

    // Layout against measuring the captions alone (both from the kept measurements).
    TBitmap scratch(1, 1);
    const TFont& font = menu->CurrentStyler().MenuItemAppearance().Font();
    double measure = MedianMicroseconds(kRuns, [&] {
        for (int i = 0; i < menu->MenuItems().Count(); ++i)
            DrawGDIPText(scratch.Canvas(), TTextAlignment::taLeftJustify, DT_SINGLELINE, {0, 0, 1000, 100},
                         menu->MenuItems().Items(i)->GetCaption(), font, true, false, aaClearType, false, false);
    });
    double layout = MedianMicroseconds(kRuns, [&] { panel->InitializeAndUpdate(); });

    std::printf("\nApplication menu %d x %d (8 items, 6 sub-items, 3 buttons); median of %d runs\n", size.cx, size.cy,
                kRuns);
    std::printf("%-44s %12s %12s\n", "routine", "median us", "x baseline");
    std::printf("%-44s %12.2f %12.1f\n", "FillRect of the panel's area (baseline)", fill, 1.0);
    std::printf("%-44s %12.2f %12.1f\n", "panel paint (PaintTo, direct)", paint, fill > 0 ? paint / fill : 0.0);
    std::printf("%-44s %12.2f %12.1f\n", "window paint through the kept face", kept, fill > 0 ? kept / fill : 0.0);
    std::printf("%-44s %12.2f %12.1f\n", "window paint, face cache off", direct, fill > 0 ? direct / fill : 0.0);
    std::printf("%-44s %12.2f %12.1f\n", "hot item walking the 8 items, kept faces", walk,
                fill > 0 ? walk / fill : 0.0);
    std::printf("%-44s %12.2f %12.1f\n", "measuring the captions (baseline)", measure, 1.0);
    std::printf("%-44s %12.2f %12.1f\n", "InitializeAndUpdate", layout, measure > 0 ? layout / measure : 0.0);

    panel->SetItemHot(2, true);
    panel->PaintTo(bitmap.Canvas());
    int gdi = GdiLiveTotal(), gdip = GdipLiveTotal();
    for (int i = 0; i < 10000; ++i) panel->PaintTo(bitmap.Canvas());
    std::printf("10,000 paints: live GDI %d -> %d, GDI+ %d -> %d (before the timed rows: %d, %d)\n", gdi,
                GdiLiveTotal(), gdip, GdipLiveTotal(), gdiBefore, gdipBefore);
    windowPaint();
    gdi = GdiLiveTotal();
    gdip = GdipLiveTotal();
    for (int i = 0; i < 10000; ++i) windowPaint();
    std::printf("10,000 window paints through the kept face: live GDI %d -> %d, GDI+ %d -> %d\n", gdi, GdiLiveTotal(),
                gdip, GdipLiveTotal());

    form->Show();
    // The first show, painted as every cycle's, makes the faces the cycles then reuse.
    menu->ShowMenu(50, 50);
    PumpPending();
    menu->HideMenu();
    PumpPending();
    gdi = GdiLiveTotal();
    gdip = GdipLiveTotal();
    int windows = CountThreadWindows(), hooks = ThreadHookLiveCount();
    int faces = static_cast<int>(SharedFaceCache().Count());
    for (int i = 0; i < 1000; ++i) {
        menu->ShowMenu(50, 50);
        PumpPending();
        menu->HideMenu();
        PumpPending();
    }
    // A show drops the panel's faces of the look before it: the count stays put.
    int facesAfter = static_cast<int>(SharedFaceCache().Count());
    std::printf(
        "1,000 show and hide cycles: live GDI %d -> %d, GDI+ %d -> %d, windows %d -> %d, thread hooks %d -> %d, "
        "kept faces %d -> %d\n",
        gdi, GdiLiveTotal(), gdip, GdipLiveTotal(), windows, CountThreadWindows(), hooks, ThreadHookLiveCount(), faces,
        facesAfter);
}

}  // namespace orvtools
