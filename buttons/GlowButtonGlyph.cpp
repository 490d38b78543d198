#include "buttons/GlowButtonGlyph.h"

#include <algorithm>
#include <vector>

#include "framework/ImageList.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvGDIP.h"

namespace orv {

namespace {

// Premultiplied channels of one pixel, as weights add up.
struct TSum {
    double B = 0, G = 0, R = 0, A = 0;
};

// How much of source cell i (of n) falls into destination cell d (of m), in source cells.
double Overlap(int i, int d, int n, int m) {
    double from = static_cast<double>(d) * n / m, to = static_cast<double>(d + 1) * n / m;
    return std::max(0.0, std::min<double>(i + 1, to) - std::max<double>(i, from));
}

uint8_t Channel(double v) {
    return static_cast<uint8_t>(std::clamp(v + 0.5, 0.0, 255.0));
}

}  // namespace

TColor BottomLeftColor(const TBitmap& bitmap) {
    return bitmap.PixelColor(0, bitmap.Height() - 1);
}

void DrawKeyedScaled(TCanvas& canvas, const TRect& rect, TBitmap& source, TColor key) {
    const int sw = source.Width(), sh = source.Height();
    const int dw = rect.Width(), dh = rect.Height();
    HDC dc = canvas.Handle();
    if (!dc || sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
    // The key in the bitmap's 0x00RRGGBB memory order.
    const uint32_t keyBits = ((key & 0xFF) << 16) | (key & 0xFF00) | ((key >> 16) & 0xFF);
    std::vector<TSum> pixels(static_cast<size_t>(sw) * sh);
    for (int y = 0; y < sh; ++y) {
        const uint32_t* row = source.ScanLine(y);
        for (int x = 0; x < sw; ++x) {
            uint32_t p = row[x] & 0x00FFFFFF;
            if (p == keyBits) continue;  // transparent: adds nothing but its area
            pixels[static_cast<size_t>(y) * sw + x] = {double(p & 0xFF), double((p >> 8) & 0xFF),
                                                       double((p >> 16) & 0xFF), 255.0};
        }
    }
    TBitmap scaled(dw, dh);
    for (int dy = 0; dy < dh; ++dy) {
        uint32_t* out = scaled.ScanLine(dy);
        int y0 = dy * sh / dh, y1 = std::min(sh, ((dy + 1) * sh + dh - 1) / dh);
        for (int dx = 0; dx < dw; ++dx) {
            int x0 = dx * sw / dw, x1 = std::min(sw, ((dx + 1) * sw + dw - 1) / dw);
            TSum sum;
            double area = 0;
            for (int y = y0; y < y1; ++y) {
                double wy = Overlap(y, dy, sh, dh);
                for (int x = x0; x < x1; ++x) {
                    double w = wy * Overlap(x, dx, sw, dw);
                    const TSum& p = pixels[static_cast<size_t>(y) * sw + x];
                    sum.B += w * p.B;
                    sum.G += w * p.G;
                    sum.R += w * p.R;
                    sum.A += w * p.A;
                    area += w;
                }
            }
            if (area <= 0) area = 1;
            out[dx] = (uint32_t(Channel(sum.A / area)) << 24) | (uint32_t(Channel(sum.R / area)) << 16) |
                      (uint32_t(Channel(sum.G / area)) << 8) | Channel(sum.B / area);
        }
    }
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, rect.Left, rect.Top, dw, dh, scaled.Canvas().Handle(), 0, 0, dw, dh, blend);
}

bool ListImageBitmap(TImageList* list, int index, bool enabled, TBitmap& out) {
    if (!list || index < 0 || index >= list->Count()) return false;
    out.SetSize(list->GetWidth(), list->GetHeight());
    // Magenta under the image: the bottom-left key then never eats a black glyph.
    out.Canvas().Brush().SetColor(clFuchsia);
    out.Canvas().FillRect({0, 0, out.Width(), out.Height()});
    list->Draw(out.Canvas(), 0, 0, index, enabled);
    return true;
}

bool PictureBitmap(const TCustomGDIPPicture& picture, TBitmap& out) {
    auto decoded = picture.Decode();
    if (!decoded) return false;
    int w = decoded->Image.GetWidth(), h = decoded->Image.GetHeight();
    if (w <= 0 || h <= 0) return false;
    out.SetSize(w, h);
    TGPGraphics graphics(out.Canvas().Handle());
    // Pixel for pixel: the image's stored resolution must not rescale it.
    graphics.DrawImageRect(decoded->Image, 0, 0, w, h);
    return true;
}

}  // namespace orv
