// OrvBench: median time of the gradient routines over many calls, each as a ratio to
// a plain FillRect of the same area measured in the same run (absolute times drift on
// shared machines), and the live GDI / GDI+ object counts before and after.
#include "BenchTiming.h"
#include "AppMenuBench.h"
#include "FaceCacheBench.h"
#include "FillBench.h"
#include "GlowButtonBench.h"
#include "HtmlBench.h"
#include "StatusBarBench.h"
#include "ItemBench.h"
#include "ListBench.h"
#include "LayoutBench.h"
#include "ToolBarButtonBench.h"
#include "ToolBarBench.h"
#include "DockPanelBench.h"
#include "MenuBarBench.h"
#include "OptionWindowBench.h"
#include "PagerBench.h"
#include "QuickAccessBench.h"
#include "ShapeButtonBench.h"
#include "ResizeBench.h"
#include "appbutton/OrvShapeButton.h"
#include "buttons/OrvGlowButton.h"
#include "menus/MenusUnits.h"
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>
#include <functional>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "framework/Units.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvGradients.h"

using namespace orv;

namespace {

constexpr int kCalls = 1000;
constexpr TRect kArea{0, 0, 200, 60};

struct TCase {
    const char* Name;
    std::function<void()> Call;
};

// A run may name sections ("OrvBench pager list"): only those run, so one can measure
// a change without the whole ten-minute suite. No names run everything.
bool Wanted(int argc, char** argv, const char* section) {
    if (argc < 2) return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], section) == 0) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // Unbuffered, so a long run written to a file shows each row as it finishes.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    RegisterFrameworkUnits();
    RegisterPaintUnits();
    RegisterMenusUnits();
    RegisterUnit(L"Buttons", RegisterButtonsClasses, nullptr);
    RegisterUnit(L"AppButton", RegisterShapeButtonClasses, nullptr);
    InitializeUnits();
    if (Wanted(argc, argv, "gradients")) {
        TBitmap bitmap(kArea.Width(), kArea.Height());
        TCanvas& canvas = bitmap.Canvas();
        HDC dc = canvas.Handle();
        TGdiBrush brush(CreateSolidBrush(RGB(200, 220, 240)));
        RECT rc{kArea.Left, kArea.Top, kArea.Right, kArea.Bottom};

        std::vector<TCase> cases = {
            {"DrawGradient (40 steps)", [&] { DrawGradient(canvas, 0xFAF0E6, 0xD6A87C, 40, kArea, false); }},
            {"DrawVistaGradient (border r3)",
             [&] { DrawVistaGradient(canvas, kArea, 20, clWhite, 0xFAF0E6, 0xF0D9C2, 0xE4C8A8, 0xB99D7F, 3); }},
            {"DrawGDIPGradient radial *",
             [&] {
                 TGPGraphics g(dc);
                 DrawGDIPGradient(g, kArea, 0xF0D9C2, clWhite, ggRadial, true);
             }},
            {"DrawGDIPGradient vertical *",
             [&] {
                 TGPGraphics g(dc);
                 DrawGDIPGradient(g, kArea, 0xF0D9C2, clWhite, ggVertical, true);
             }},
            {"DrawMirroredGradient (radial)",
             [&] {
                 DrawMirroredGradient(canvas, kArea, clWhite, 0xFAF0E6, 0xF0D9C2, 0xD6A87C, 0xB99D7F, ggRadial,
                                      ggRadial, true);
             }},
            {"DrawMirroredGradient (vertical)",
             [&] {
                 DrawMirroredGradient(canvas, kArea, clWhite, 0xFAF0E6, 0xF0D9C2, 0xD6A87C, 0xB99D7F, ggVertical,
                                      ggVertical, false);
             }},
        };

        int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal();
        double baseline = orvtools::MedianMicroseconds(kCalls, [&] { FillRect(dc, &rc, brush.Get()); });
        std::printf("%d calls each over %d x %d; median per call; FillRect baseline %.2f us\n\n", kCalls, kArea.Width(),
                    kArea.Height(), baseline);
        std::printf("%-34s %12s %10s\n", "routine", "median us", "x FillRect");
        std::printf("%-34s %12.2f %10.1f\n", "FillRect (baseline)", baseline, 1.0);
        for (const TCase& c : cases) {
            double t = orvtools::MedianMicroseconds(kCalls, c.Call);
            std::printf("%-34s %12.2f %10.1f\n", c.Name, t, baseline > 0 ? t / baseline : 0.0);
        }
        // The canvas keeps the pen and brush of the last band; let go before counting.
        canvas.Pen().SetColor(clBlack);
        canvas.Brush().SetColor(clWhite);
        std::printf("\n* includes making the GDI+ surface for the call (as one button paint does)\n");
        std::printf("live GDI objects before %d, after %d; live GDI+ objects before %d, after %d\n", gdiBefore,
                    GdiLiveTotal(), gdipBefore, GdipLiveTotal());
        std::printf("\n");
    }
    const std::pair<const char*, void (*)()> sections[] = {
        {"glow", orvtools::RunGlowButtonBench},
        {"fill", orvtools::RunFillBench},
        {"faces", orvtools::RunFaceCacheBench},
        {"item", orvtools::RunItemBench},
        {"list", orvtools::RunListBench},
        {"tbbutton", orvtools::RunToolBarButtonBench},
        {"toolbar", orvtools::RunToolBarBench},
        {"dock", orvtools::RunDockPanelBench},
        {"optionwindow", orvtools::RunOptionWindowBench},
        {"menubar", orvtools::RunMenuBarBench},
        {"qat", orvtools::RunQuickAccessBench},
        {"pager", orvtools::RunPagerBench},
        {"layout", orvtools::RunPictureLayoutBench},
        {"html", orvtools::RunHtmlBench},
        {"statusbar", orvtools::RunStatusBarBench},
        {"appmenu", orvtools::RunAppMenuBench},
        {"shape", orvtools::RunShapeButtonBench},
        {"resize", orvtools::RunResizeBench},
    };
    for (const auto& [name, run] : sections)
        if (Wanted(argc, argv, name)) run();
    FinalizeUnits();
    return 0;
}
