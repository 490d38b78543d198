#include "GlowButtonBench.h"
#include "BenchTiming.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "buttons/GlowButtonPresets.h"
#include "buttons/OrvGlowButton.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "paint/FaceCache.h"
#include "paint/OrvGDIP.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kRuns = 1000;
constexpr int kLeakPaints = 10000;

}  // namespace

void RunGlowButtonBench() {
    TOwnedPtr<TForm> host(Make<TForm>(nullptr));
    host->SetBounds(0, 0, 400, 300);
    auto make = [&](const wchar_t* caption) {
        auto* b = new TOrvGlowButton(host.get());
        b->SetBounds(12, 6, 138, 61);
        b->SetParent(host.get());
        b->SetCaption(caption);
        b->SetComponentStyle(tsOffice2010Blue);
        return b;
    };
    auto finish = [](TOrvGlowButton* b) {
        while (b->Animating()) SendMessageW(b->Handle(), WM_TIMER, 1, 0);
    };
    TOrvGlowButton* normal = make(L"Test HKEY_CURRENT_USER");
    TOrvGlowButton* hot = make(L"Test HKEY_CURRENT_USER");
    hot->Perform(CM_MOUSEENTER);
    finish(hot);
    TOrvGlowButton* down = make(L"Test HKEY_CURRENT_USER");
    SendMessageW(down->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    finish(down);
    TOrvGlowButton* checked = make(L"Test HKEY_CURRENT_USER");
    checked->SetGroupIndex(1);
    checked->SetDown(true);
    TOrvGlowButton* disabled = make(L"Test HKEY_CURRENT_USER");
    disabled->SetEnabled(false);
    TOrvGlowButton* fade = make(L"Test HKEY_CURRENT_USER");
    fade->Perform(CM_MOUSEENTER);
    for (int i = 0; i < 3; ++i) SendMessageW(fade->Handle(), WM_TIMER, 1, 0);
    // Stop the fade timer from moving on by itself: the picture stays mid-fade.
    KillTimer(fade->Handle(), 1);

    TBitmap bitmap(138, 61);
    HDC dc = bitmap.Canvas().Handle();
    TGdiBrush brush(CreateSolidBrush(RGB(200, 220, 240)));
    RECT rc{0, 0, 138, 61};
    auto paint = [dc](TOrvGlowButton* b) { b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); };
    struct TRow {
        const char* Name;
        TOrvGlowButton* Button;
    };
    const TRow rows[] = {{"glow button normal", normal},     {"glow button hot", hot},
                         {"glow button down", down},         {"glow button checked", checked},
                         {"glow button disabled", disabled}, {"glow button mid-fade (60%)", fade}};
    for (const TRow& r : rows) paint(r.Button);  // first paints run auto-size and first-use work

    double baseline = MedianMicroseconds(kRuns, [&] { FillRect(dc, &rc, brush.Get()); });
    std::printf("\nglow button paint, 138 x 61, median of %d paints; FillRect baseline %.2f us\n", kRuns, baseline);
    std::printf("steady: through the face cache (a kept face, or a blend of two mid-fade); first: a cache miss\n");
    std::printf("(the face drawn, then copied); direct: drawn without the cache\n");
    std::printf("%-28s %10s %10s %10s %10s %10s %10s\n", "state", "steady us", "x Fill", "first us", "x Fill",
                "direct us", "x Fill");
    auto ratio = [baseline](double t) { return baseline > 0 ? t / baseline : 0.0; };
    for (const TRow& r : rows) {
        double steady = MedianMicroseconds(kRuns, [&] { paint(r.Button); });
        double first = MedianMicroseconds(kRuns, [&] {
            SharedFaceCache().Clear();
            paint(r.Button);
        });
        GlowFaceCache = false;
        double direct = MedianMicroseconds(kRuns, [&] { paint(r.Button); });
        GlowFaceCache = true;
        std::printf("%-28s %10.2f %10.1f %10.2f %10.1f %10.2f %10.1f\n", r.Name, steady, ratio(steady), first,
                    ratio(first), direct, ratio(direct));
    }
    // Counted from a full round of paints, once every row's faces are kept (a face is a DIB
    // section and a memory DC), and once more with the cache dropped.
    SharedFaceCache().Clear();
    const int gdiCold = GdiLiveTotal();
    for (const TRow& r : rows) paint(r.Button);
    int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal();
    for (int i = 0; i < kLeakPaints; ++i) paint(rows[i % 6].Button);
    std::printf("%d paints: live GDI objects before %d, after %d; live GDI+ objects before %d, after %d\n", kLeakPaints,
                gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal());
    SharedFaceCache().Clear();
    std::printf("live GDI objects %d before the first paints, %d with the face cache dropped\n", gdiCold,
                GdiLiveTotal());
}

}  // namespace orvtools
