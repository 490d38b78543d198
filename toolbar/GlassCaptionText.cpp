#include "toolbar/GlassCaptionText.h"

#include <uxtheme.h>

#include "framework/GdiHandles.h"
#include "framework/OffscreenInternal.h"
#include "framework/WinControl.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvGradients.h"
#include "toolbar/OrvTBXPVS.h"
#include "toolbar/QuickAccessPaint.h"

namespace orv {

namespace {

constexpr int kCaptionFontProperty = 801;
constexpr int kEditPart = 1;            // edit text
constexpr int kEditStateNormal = 1;     // normal
constexpr DWORD kGlowOptions = 0x2801;  // text colour, composited, glow size
constexpr DWORD kTextFormat = DT_END_ELLIPSIS | DT_EXPANDTABS | DT_VCENTER;
constexpr int kGlowSize = 12;
// Red 255, green 255, blue 100 as a colour value.
constexpr TColor kWarmRamp = 0x0064FFFF;

class TThemeHandle {
public:
    explicit TThemeHandle(HTHEME_ theme) : FTheme(theme) {}
    ~TThemeHandle() {
        if (FTheme) OrvCloseThemeData(FTheme);
    }
    TThemeHandle(const TThemeHandle&) = delete;
    TThemeHandle& operator=(const TThemeHandle&) = delete;
    HTHEME_ Get() const { return FTheme; }

private:
    HTHEME_ FTheme;
};

}  // namespace

bool DrawGlowingCaptionText(TWinControl* control, HDC dc, const TGlassCaptionText& caption, const TRect& target) {
    if (!control || target.Width() <= 0 || target.Height() <= 0) return false;
    TThemeHandle theme(OrvOpenThemeData(control->Handle(), L"CompositedWindow::Window"));
    if (!theme.Get()) return false;

    const int w = target.Width(), h = target.Height();
    void* bits = nullptr;
    TGdiMemoryDC mem(detail::CreateOffscreenDC(dc));
    TGdiBitmap surface(detail::CreateOffscreenDIB(dc, w, h, &bits));
    if (!mem.Get() || !surface.Get()) return false;
    TSelectGuard selSurface(mem.Get(), surface.Get());

    TGdiFont font;
    LOGFONTW logFont{};
    if (SUCCEEDED(OrvGetThemeSysFont(theme.Get(), kCaptionFontProperty, &logFont)))
        font = TGdiFont(CreateFontIndirectW(&logFont));
    TSelectGuard selFont(mem.Get(), font.Get() ? static_cast<HGDIOBJ>(font.Get()) : GetStockObject(DEFAULT_GUI_FONT));

    const TRect whole{0, 0, w, h};
    // The background colour only switches the ramp on; its own value is not used.
    if (caption.BackColor != clNone) DrawAlphaGradient(mem.Get(), whole, kWarmRamp, 8, 128);
    if (caption.WhiteTint) DrawAlphaGradient(mem.Get(), whole, clWhite, 0, 20);
    if (caption.QuickAccessFrame) {
        TGPGraphics g(mem.Get());
        DrawQuickAccessGlassFrame(g, caption.FrameRect, caption.Scenic);
    }

    DTTOPTS options{};
    options.dwSize = sizeof(options);
    options.dwFlags = kGlowOptions;
    options.crText = RGB(0, 0, 0);
    options.iGlowSize = kGlowSize;
    RECT box{4, 6, w, h};
    OrvDrawThemeTextEx(theme.Get(), mem.Get(), kEditPart, kEditStateNormal, caption.Text.c_str(), -1, kTextFormat, &box,
                       &options);
    BitBlt(dc, target.Left, target.Top, w, h, mem.Get(), 0, 0, SRCCOPY);
    return true;
}

}  // namespace orv
