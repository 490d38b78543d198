#include "GlowButtonRender.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "buttons/OrvGlowButton.h"
#include "buttons/GlowButtonPresets.h"
#include "framework/Forms.h"
#include "framework/ImageList.h"
#include "paint/GDIPPicture.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kCellW = 150, kCellH = 72;

// The renderer's glyph: an orange disc with a dark rim and a white bar, on magenta.
void PaintGlyph(TBitmap& glyph, TColor ground) {
    TCanvas& c = glyph.Canvas();
    c.Brush().SetColor(ground);
    c.FillRect({0, 0, 24, 24});
    c.Brush().SetColor(0x2F7FD0);
    c.Pen().SetColor(0x1F4F90);
    c.Ellipse({2, 2, 22, 22});
    c.Brush().SetColor(clWhite);
    c.FillRect({10, 6, 14, 18});
}

// --- a PNG with an alpha channel, for a picture that keeps its own transparency ---

uint32_t Crc32(const std::vector<uint8_t>& bytes, size_t from) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = from; i < bytes.size(); ++i) {
        crc ^= bytes[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBig32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& body) {
    PutBig32(out, static_cast<uint32_t>(body.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    PutBig32(out, Crc32(out, start));
}

// Straight-alpha RGBA rows, stored (uncompressed) in one zlib block per row.
std::vector<uint8_t> RgbaPng(int w, int h, const std::vector<uint32_t>& argb) {
    std::vector<uint8_t> raw;
    for (int y = 0; y < h; ++y) {
        raw.push_back(0);
        for (int x = 0; x < w; ++x) {
            uint32_t p = argb[static_cast<size_t>(y) * w + x];
            raw.insert(raw.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), uint8_t(p >> 24)});
        }
    }
    std::vector<uint8_t> z{0x78, 0x01};
    uint32_t a = 1, b = 0;
    for (uint8_t v : raw) a = (a + v) % 65521, b = (b + a) % 65521;
    size_t rowBytes = static_cast<size_t>(w) * 4 + 1;
    for (size_t at = 0; at < raw.size(); at += rowBytes) {
        auto len = static_cast<uint16_t>(std::min(rowBytes, raw.size() - at));
        z.push_back(at + rowBytes >= raw.size() ? 1 : 0);
        z.insert(z.end(), {uint8_t(len), uint8_t(len >> 8), uint8_t(~len), uint8_t(~len >> 8)});
        z.insert(z.end(), raw.begin() + static_cast<long>(at), raw.begin() + static_cast<long>(at + len));
    }
    PutBig32(z, (b << 16) | a);
    std::vector<uint8_t> png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<uint8_t> header;
    PutBig32(header, static_cast<uint32_t>(w));
    PutBig32(header, static_cast<uint32_t>(h));
    header.insert(header.end(), {8, 6, 0, 0, 0});
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", z);
    PutChunk(png, "IEND", {});
    return png;
}

// A 24 x 24 disc with a half-transparent rim and a white bar, transparent around it.
std::vector<uint8_t> AlphaGlyphPng() {
    std::vector<uint32_t> argb(24 * 24, 0);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            double d = std::hypot(x - 11.5, y - 11.5);
            uint32_t& p = argb[static_cast<size_t>(y) * 24 + x];
            if (x >= 10 && x < 14 && y >= 6 && y < 18)
                p = 0xFFFFFFFFu;
            else if (d < 9.0)
                p = 0xFF2E8B57u;  // sea green
            else if (d < 11.0)
                p = 0x80185030u;
        }
    return RgbaPng(24, 24, argb);
}

// A hidden window hosts the buttons (their fades need a window); freed after the paint.
struct THost {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TImageList* Images = nullptr;
    THost() {
        Form->SetBounds(0, 0, 800, 800);
        Form->SetColor(clWhite);
        Images = new TImageList(Form.get());
        Images->SetSize(24, 24);
        TBitmap glyph(24, 24);
        PaintGlyph(glyph, clFuchsia);
        Images->AddMasked(glyph, clFuchsia);
        // Without a mask: its green ground is keyed out by its bottom-left pixel.
        PaintGlyph(glyph, 0x00A000);
        Images->Add(glyph);
    }
    TOrvGlowButton* Button(const wchar_t* caption, int width = 138, int height = 61) {
        auto* b = new TOrvGlowButton(Form.get());
        b->SetBounds(0, 0, width, height);
        b->SetParent(Form.get());
        b->SetCaption(caption);
        ApplyGlowButtonPreset(b->Appearance(), tsOffice2010Blue);
        b->Appearance().SetGradientHot(ggVertical);
        b->Appearance().SetGradientMirrorHot(ggVertical);
        b->Appearance().SetGradientDown(ggVertical);
        b->Appearance().SetGradientMirrorDown(ggVertical);
        b->Appearance().SetGradientChecked(ggVertical);
        return b;
    }
};

void Finish(TOrvGlowButton* b) {
    while (b->Animating()) SendMessageW(b->Handle(), WM_TIMER, 1, 0);
}

void PaintAt(TBitmap& bmp, int col, int row, TOrvGlowButton* b) {
    HDC dc = bmp.Canvas().Handle();
    POINT old;
    TSaveDCGuard saved(dc);
    IntersectClipRect(dc, col * kCellW + 6, row * kCellH + 6, col * kCellW + 6 + b->Width(),
                      row * kCellH + 6 + b->Height());
    SetViewportOrgEx(dc, col * kCellW + 6, row * kCellH + 6, &old);
    b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

void Background(TBitmap& bmp) {
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect({0, 0, bmp.Width(), bmp.Height()});
}

void PaintStates(TBitmap& bmp) {
    Background(bmp);
    THost host;
    auto make = [&](const wchar_t* caption) {
        TOrvGlowButton* b = host.Button(caption);
        b->SetImages(host.Images);
        b->SetImageIndex(0);
        return b;
    };
    TOrvGlowButton* normal = make(L"Normal");
    PaintAt(bmp, 0, 0, normal);
    TOrvGlowButton* hot = make(L"Hot");
    hot->Perform(CM_MOUSEENTER);
    Finish(hot);
    PaintAt(bmp, 1, 0, hot);
    TOrvGlowButton* down = make(L"Down");
    SendMessageW(down->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    Finish(down);
    PaintAt(bmp, 2, 0, down);
    SendMessageW(down->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(500, 500));
    TOrvGlowButton* checked = make(L"Checked");
    checked->SetGroupIndex(7);
    checked->SetDown(true);
    PaintAt(bmp, 0, 1, checked);
    TOrvGlowButton* disabled = make(L"Disabled");
    disabled->SetEnabled(false);
    PaintAt(bmp, 1, 1, disabled);
    TOrvGlowButton* fade = make(L"Mid-fade 60%");
    fade->Perform(CM_MOUSEENTER);
    for (int i = 0; i < 3; ++i) SendMessageW(fade->Handle(), WM_TIMER, 1, 0);
    PaintAt(bmp, 2, 1, fade);
    TOrvGlowButton* plain = make(L"Disabled, no ShowDisabled");
    plain->SetEnabled(false);
    plain->SetShowDisabled(false);
    PaintAt(bmp, 0, 2, plain);
    TOrvGlowButton* focus = make(L"Focus border");
    focus->SetTabStop(true);
    focus->SetFocus();
    PaintAt(bmp, 1, 2, focus);
    TOrvGlowButton* square = make(L"Square, no frame");
    square->SetRounded(false);
    square->SetBorderStyle(bsNone);
    PaintAt(bmp, 2, 2, square);
}

void PaintLayouts(TBitmap& bmp) {
    Background(bmp);
    THost host;
    const wchar_t* names[] = {L"GlyphLeft",    L"GlyphTop",      L"GlyphRight",  L"GlyphBottom",
                              L"LeftAdjusted", L"RightAdjusted", L"TopAdjusted", L"BottomAdjusted"};
    for (int i = 0; i < 8; ++i) {
        TOrvGlowButton* b = host.Button(names[i]);
        b->SetImages(host.Images);
        b->SetImageIndex(0);
        b->SetLayout(static_cast<TButtonLayout>(i));
        PaintAt(bmp, i % 3, i / 3, b);
    }
    TOrvGlowButton* notes = host.Button(L"With notes");
    notes->SetImages(host.Images);
    notes->SetImageIndex(0);
    notes->SetNotes({L"Second text block"});
    PaintAt(bmp, 2, 2, notes);
}

void PaintDropDowns(TBitmap& bmp) {
    Background(bmp);
    THost host;
    auto make = [&](const wchar_t* caption, TDropDownPosition pos, bool split) {
        TOrvGlowButton* b = host.Button(caption);
        b->SetDropDownButton(true);
        b->SetDropDownPosition(pos);
        b->SetDropDownSplit(split);
        return b;
    };
    TOrvGlowButton* right = make(L"Split right", dpRight, true);
    PaintAt(bmp, 0, 0, right);
    TOrvGlowButton* rightHot = make(L"Split, main hot", dpRight, true);
    rightHot->Perform(CM_MOUSEENTER);
    SendMessageW(rightHot->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    Finish(rightHot);
    PaintAt(bmp, 1, 0, rightHot);
    TOrvGlowButton* partHot = make(L"Split, part hot", dpRight, true);
    partHot->Perform(CM_MOUSEENTER);
    SendMessageW(partHot->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(132, 20));
    Finish(partHot);
    PaintAt(bmp, 2, 0, partHot);
    TOrvGlowButton* bottom = make(L"Bottom", dpBottom, true);
    bottom->Perform(CM_MOUSEENTER);
    Finish(bottom);
    PaintAt(bmp, 0, 1, bottom);
    TOrvGlowButton* whole = make(L"Not split, hot", dpRight, false);
    whole->Perform(CM_MOUSEENTER);
    Finish(whole);
    PaintAt(bmp, 1, 1, whole);
    TOrvGlowButton* arrowRight = make(L"Opens right", dpRight, true);
    arrowRight->SetDropDownDirection(ddRight);
    PaintAt(bmp, 2, 1, arrowRight);
}

void PaintGroupsAndSizes(TBitmap& bmp) {
    Background(bmp);
    THost host;
    TButtonPosition positions[] = {bpLeft, bpMiddle, bpRight};
    for (int i = 0; i < 3; ++i) {
        TOrvGlowButton* b = host.Button(i == 1 ? L"Middle (hot)" : i == 0 ? L"Left" : L"Right");
        b->SetPosition(positions[i]);
        if (i == 1) {
            b->Perform(CM_MOUSEENTER);
            Finish(b);
        }
        PaintAt(bmp, i, 0, b);
    }
    TButtonSizeState states[] = {bsLarge, bsLabel, bsGlyph};
    for (int i = 0; i < 3; ++i) {
        TOrvGlowButton* b = host.Button(L"Two\\nlines");
        b->SetImages(host.Images);
        b->SetImageIndex(0);
        b->SetLayout(blGlyphTop);
        b->SetAutoSize(true);
        b->SetButtonSizeState(states[i]);
        PaintAt(bmp, i, 1, b);
    }
    TOrvGlowButton* transparent = host.Button(L"Transparent idle");
    transparent->SetTransparent(true);
    PaintAt(bmp, 0, 2, transparent);
    TOrvGlowButton* transparentHot = host.Button(L"Transparent hot");
    transparentHot->SetTransparent(true);
    transparentHot->Perform(CM_MOUSEENTER);
    Finish(transparentHot);
    PaintAt(bmp, 1, 2, transparentHot);
    TOrvGlowButton* plain = host.Button(L"Default colours");
    TGlowButtonAppearance defaults;
    plain->Appearance().Assign(&defaults);
    PaintAt(bmp, 2, 2, plain);
}

void PaintClassicText(TBitmap& bmp) {
    Background(bmp);
    THost host;
    const wchar_t* names[] = {L"GlyphLeft",    L"GlyphTop",      L"GlyphRight",  L"GlyphBottom",
                              L"LeftAdjusted", L"RightAdjusted", L"TopAdjusted", L"BottomAdjusted"};
    auto classic = [&](const wchar_t* caption) {
        TOrvGlowButton* b = host.Button(caption);
        b->SetAntiAlias(aaNone);
        b->SetImages(host.Images);
        b->SetImageIndex(0);
        return b;
    };
    for (int i = 0; i < 8; ++i) {
        TOrvGlowButton* b = classic(names[i]);
        b->SetLayout(static_cast<TButtonLayout>(i));
        PaintAt(bmp, i % 3, i / 3, b);
    }
    TOrvGlowButton* notes = classic(L"With notes");
    notes->NotesFont().SetColor(0x505050);
    notes->SetNotes({L"Second text block"});
    PaintAt(bmp, 2, 2, notes);
}

// Rows: a masked list image, a list image without a mask, a bitmap picture and a PNG
// picture with alpha; columns: the large, label and glyph size states.
void PaintGlyphSizes(TBitmap& bmp) {
    Background(bmp);
    THost host;
    TBitmap glyph(24, 24);
    PaintGlyph(glyph, clFuchsia);
    const std::vector<uint8_t> bmpBytes = glyph.GetData();
    const std::vector<uint8_t> pngBytes = AlphaGlyphPng();
    TButtonSizeState states[] = {bsLarge, bsLabel, bsGlyph};
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col) {
            TOrvGlowButton* b = host.Button(row < 2 ? L"Image\\nlist" : L"Picture");
            if (row < 2) {
                b->SetImages(host.Images);
                b->SetImageIndex(row);
            } else {
                b->Picture().SetData(row == 2 ? bmpBytes : pngBytes);
            }
            b->SetLayout(blGlyphTop);
            b->SetAutoSize(true);
            b->SetButtonSizeState(states[col]);
            PaintAt(bmp, col, row, b);
        }
}

}  // namespace

std::vector<TRenderItem> GlowButtonRenderItems() {
    return {
        {L"GlowButtonStates", L"glow button: normal, hot, down, checked, disabled, mid-fade, focus, square", 3 * kCellW,
         3 * kCellH, 2, PaintStates},
        {L"GlowButtonLayouts", L"glow button: the eight glyph layouts and notes", 3 * kCellW, 3 * kCellH, 2,
         PaintLayouts},
        {L"GlowButtonDropDowns", L"glow button: split and whole drop-down parts, right and bottom", 3 * kCellW,
         2 * kCellH, 2, PaintDropDowns},
        {L"GlowButtonGroupsSizes", L"glow button: joined group, size states, transparent, default colours", 3 * kCellW,
         3 * kCellH, 2, PaintGroupsAndSizes},
        {L"GlowButtonClassicText", L"glow button: classic (not anti-aliased) text in the eight layouts and notes",
         3 * kCellW, 3 * kCellH, 2, PaintClassicText},
        {L"GlowButtonGlyphSizes",
         L"glow button: masked and unmasked list images, bitmap and PNG pictures at the three size states", 3 * kCellW,
         4 * kCellH, 2, PaintGlyphSizes},
    };
}

}  // namespace orvtools
