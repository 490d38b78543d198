#include "tools/Render/RenderCatalog.h"

#include "tools/Render/FillRender.h"
#include "tools/Render/GlowButtonRender.h"
#include "tools/Render/ShapeButtonRender.h"
#include "tools/Render/HtmlRender.h"
#include "tools/Render/StatusBarRender.h"
#include "tools/Render/ItemRender.h"
#include "tools/Render/ListRender.h"
#include "tools/Render/AppMenuRender.h"
#include "tools/Render/MenuRender.h"
#include "tools/Render/CustomizerRender.h"
#include "tools/Render/MenuBarRender.h"
#include "tools/Render/OptionWindowRender.h"
#include "tools/Render/QuickAccessRender.h"
#include "tools/Render/PagerRender.h"
#include "tools/Render/PictureRender.h"
#include "tools/Render/ProgramRender.h"
#include "tools/Render/ToolBarButtonRender.h"
#include "tools/Render/ToolBarRender.h"
#include "tools/Render/ToolBarSwatches.h"

#include "framework/HintWindow.h"
#include "framework/ImageList.h"
#include "framework/SysUtils.h"
#include "hints/ShortCutHintWindow.h"
#include "paint/OrvColors.h"
#include "paint/OrvFrames.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvGlyphs.h"
#include "paint/OrvGradients.h"
#include "paint/OrvLook.h"
#include "paint/OrvText.h"

using namespace orv;

namespace orvtools {

namespace {

// Colours of the blue Office-like look the library's presets use.
constexpr TColor kLightBlue = 0xFAF0E6;
constexpr TColor kMidBlue = 0xF0D9C2;
constexpr TColor kBlue = 0xE4C8A8;
constexpr TColor kDeepBlue = 0xD6A87C;
constexpr TColor kBorder = 0xB99D7F;

void Background(TBitmap& b, TColor color = clWhite) {
    b.Canvas().Brush().SetColor(color);
    b.Canvas().FillRect({0, 0, b.Width(), b.Height()});
}

void Label(TBitmap& b, int x, int y, const std::wstring& text) {
    TCanvas& c = b.Canvas();
    c.Font().SetName(L"Tahoma");
    c.Font().SetHeight(-11);
    c.Font().SetColor(clBlack);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.TextOut(x, y, text);
}

void PaintGradients(TBitmap& b) {
    Background(b);
    DrawGradient(b.Canvas(), clBlack, clWhite, 4, {10, 20, 60, 120}, false);
    Label(b, 10, 4, L"4 steps");
    DrawGradient(b.Canvas(), kLightBlue, kDeepBlue, 40, {80, 20, 280, 80}, false);
    Label(b, 80, 4, L"40 steps, vertical");
    DrawGradient(b.Canvas(), kLightBlue, kDeepBlue, 64, {80, 100, 280, 160}, true);
    Label(b, 80, 84, L"64 steps, horizontal");
    DrawGradient(b.Canvas(), clWhite, clHighlight, 16, {300, 20, 360, 80}, false, gvInsetFarEdge);
    Label(b, 300, 4, L"inset");
    b.Canvas().Pen().SetColor(clRed);
    b.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    b.Canvas().Rectangle(299, 19, 361, 81);
    DrawGradient(b.Canvas(), clWhite, clNavy, 16, {380, 20, 380, 120}, false, gvThinVertical);
    Label(b, 370, 124, L"thin");
}

void PaintVista(TBitmap& b) {
    Background(b);
    DrawVistaGradient(b.Canvas(), {10, 10, 210, 100}, 30, clWhite, kLightBlue, kMidBlue, kBlue, kBorder, 3);
    DrawVistaGradient(b.Canvas(), {230, 10, 430, 100}, 45, 0xF8F8F8, 0xE8E8E8, 0xDADADA, 0xF0F0F0, clNone, 0);
    Label(b, 232, 102, L"no border");
}

void PaintGlow(TBitmap& b, TGDIPGradient kind) {
    Background(b);
    // A glow button face: the upper half then the lower half, on one surface.
    TGPGraphics g(b.Canvas().Handle());
    DrawGDIPGradient(g, {0, 0, 120, 30}, kMidBlue, clWhite, kind, true);
    DrawGDIPGradient(g, {0, 30, 120, 60}, kBlue, 0x9CD9FF, kind, false);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    DrawRoundRectFrame(g, kBorder, 0, 0, 119, 59, 3);
}

void PaintMirrored(TBitmap& b, TGDIPGradient kind, bool rounded) {
    Background(b);
    DrawMirroredGradient(b.Canvas(), {10, 10, 170, 60}, clWhite, kLightBlue, kMidBlue, kDeepBlue, kBorder, kind, kind,
                         rounded);
    DrawMirroredGradient(b.Canvas(), {190, 10, 350, 60}, 0xDDF5FF, 0xA0E8FF, 0x6BD1FF, 0x9CE9FF, 0x2BA6E8, kind, kind,
                         rounded);
}

void PaintAlpha(TBitmap& b) {
    Background(b, kBlue);
    for (int x = 0; x < b.Width(); x += 20) {
        b.Canvas().Brush().SetColor(x % 40 ? kDeepBlue : kLightBlue);
        b.Canvas().FillRect({x, 0, x + 10, b.Height()});
    }
    DrawAlphaGradient(b.Canvas().Handle(), {0, 0, 200, 59}, clWhite, 0, 180);
}

void PaintFrames(TBitmap& b) {
    Background(b);
    TGPGraphics g(b.Canvas().Handle());
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    DrawRoundRectFrame(g, kBorder, 4, 4, 40, 22, 3);
    DrawRoundRectFrame(g, kBorder, 50, 4, 40, 22, 0);
    DrawDottedRoundRectFrame(g, clBlack, 96, 4, 40, 22, 2);
    // A group of three buttons.
    DrawGroupFrameLeft(g, kBorder, 4, 34, 30, 22, 3, false);
    DrawGroupFrameMiddle(g, kBorder, 35, 34, 30, 22, 3, false, false);
    DrawGroupFrameRight(g, kBorder, 66, 34, 30, 22, 3, true);
}

void PaintScenicGroup(TBitmap& b) {
    Background(b);
    bool saved = ScenicRibbonMode;
    TGPGraphics g(b.Canvas().Handle());
    ScenicRibbonMode = false;
    DrawGroupFrameLeft(g, kBorder, 2, 2, 20, 16, 3);
    DrawGroupFrameMiddle(g, kBorder, 23, 2, 20, 16, 3, false);
    DrawGroupFrameRight(g, kBorder, 44, 2, 20, 16, 3, false);
    ScenicRibbonMode = true;
    DrawGroupFrameLeft(g, kBorder, 2, 24, 20, 16, 3);
    DrawGroupFrameMiddle(g, kBorder, 23, 24, 20, 16, 3, false);
    DrawGroupFrameRight(g, kBorder, 44, 24, 20, 16, 3, false);
    ScenicRibbonMode = saved;
}

void PaintArrows(TBitmap& b) {
    Background(b, kMidBlue);
    DrawDropDownArrow(b.Canvas(), {2, 2}, clBlack, clWhite, true);
    DrawDropDownArrow(b.Canvas(), {10, 2}, clBlack, clWhite, false);
    DrawSmallArrow(b.Canvas(), {17, 2}, clNavy);
}

void PaintHotKeyText(TBitmap& b) {
    Background(b);
    TCanvas& c = b.Canvas();
    c.Font().SetName(L"Tahoma");
    c.Font().SetHeight(-11);
    c.Font().SetColor(clBlack);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    DrawHotKeyText(c, L"&File menu", {24, 4});
    DrawHotKeyText(c, L"Save &As", {48, 4});
    DrawHotKeyText(c, L"A&&B&", {72, 4});
}

void PaintText(TBitmap& b) {
    Background(b);
    TFont font;
    font.SetName(L"Tahoma");
    font.SetHeight(-11);
    font.SetColor(clBlack);
    TCanvas& c = b.Canvas();
    auto box = [&](const TRect& r) {
        c.Pen().SetColor(clSilver);
        c.Brush().SetStyle(TBrushStyle::bsClear);
        c.Rectangle(r.Inflate(1, 1));
    };
    TRect rows[] = {{4, 4, 196, 22}, {4, 28, 196, 46}, {4, 52, 70, 70}, {4, 76, 70, 94}, {4, 100, 196, 118}};
    for (const TRect& r : rows) box(r);
    DrawGDIPText(c, TTextAlignment::taLeftJustify, 0, rows[0], L"Anti-aliased &text", font, true, true, aaAntiAlias,
                 false, false);
    DrawGDIPText(c, TTextAlignment::taCenter, 0, rows[1], L"ClearType, centred", font, true, true, aaClearType, false,
                 false);
    DrawGDIPText(c, TTextAlignment::taLeftJustify, 0, rows[2], L"Cut with an ellipsis", font, true, true, aaAntiAlias,
                 true, false);
    DrawGDIPText(c, TTextAlignment::taLeftJustify, 0, rows[3], L"Disabled text", font, false, true, aaAntiAlias, true,
                 false);
    c.Font().SetHeight(-11);
    c.Font().SetColor(clBlack);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    DrawGDIPText(c, TTextAlignment::taLeftJustify, DT_LEFT | DT_VCENTER | DT_SINGLELINE, rows[4],
                 L"Classic (no anti-aliasing)", font, true, true, aaNone, false, false);
}

void PaintImageList(TBitmap& b) {
    Background(b, kMidBlue);
    TOwnedPtr<TImageList> list(Make<TImageList>(nullptr));
    TBitmap strip(32, 16);
    TCanvas& s = strip.Canvas();
    s.Brush().SetColor(clFuchsia);
    s.FillRect({0, 0, 32, 16});
    s.Brush().SetColor(clRed);
    s.Pen().SetColor(clMaroon);
    s.Ellipse({1, 1, 15, 15});
    s.Brush().SetColor(0x00A000);
    s.Pen().SetColor(clGreen);
    s.Rectangle(18, 3, 30, 13);
    list->AddMasked(strip, clFuchsia);
    list->Draw(b.Canvas(), 2, 2, 0, true);
    list->Draw(b.Canvas(), 20, 2, 1, true);
    list->Draw(b.Canvas(), 2, 20, 0, false);
    list->Draw(b.Canvas(), 20, 20, 1, false);
}

void PaintShortCutHint(TBitmap& b) {
    Background(b, kMidBlue);
    TOwnedPtr<TShortCutHintWindow> hint(Make<TShortCutHintWindow>(nullptr));
    hint->SetColorTo(kDeepBlue);
    int x = 4;
    for (const wchar_t* tip : {L"F", L"H", L"Y2", L"ZR"}) {
        hint->SetCaption(tip);
        TRect r = hint->CalcHintRect(tip);
        hint->SetBounds(0, 0, r.Width(), r.Height());
        hint->HandleNeeded();
        TSaveDCGuard saved(b.Canvas().Handle());
        SetViewportOrgEx(b.Canvas().Handle(), x, 4, nullptr);
        hint->Perform(WM_PAINT, reinterpret_cast<WPARAM>(b.Canvas().Handle()));
        x += hint->Width() + 6;
    }
}

// The client area of the application's hint window (the one-pixel border is the
// window's frame): one line, and text wrapped at 120 pixels.
void PaintHintWindow(TBitmap& b) {
    Background(b, clGray);
    TOwnedPtr<THintWindow> hint(Make<THintWindow>(nullptr));
    int y = 4;
    for (auto [text, width] : {std::pair<const wchar_t*, int>{L"Save the document", 400},
                               {L"Clears every button of the toolbar, then closes the dialog", 120}}) {
        hint->SetCaption(text);
        TRect r = hint->CalcHintRect(width, text, nullptr);
        hint->SetBounds(0, 0, r.Width(), r.Height());
        hint->HandleNeeded();
        TSaveDCGuard saved(b.Canvas().Handle());
        SetViewportOrgEx(b.Canvas().Handle(), 4, y, nullptr);
        hint->Perform(WM_PAINT, reinterpret_cast<WPARAM>(b.Canvas().Handle()));
        y += hint->ClientHeight() + 6;
    }
}

std::vector<TRenderItem> MakeCatalog() {
    return {
        {L"DrawGradient", L"stepped band gradients: 4 and 40 steps, horizontal, inset (red box = rectangle), thin", 400,
         140, 2, PaintGradients},
        {L"DrawVistaGradient", L"two-part toolbar background with rounded border, and without border", 440, 118, 2,
         PaintVista},
        {L"DrawGDIPGradient.Radial", L"glow button face: radial upper and lower halves", 120, 60, 3,
         [](TBitmap& b) { PaintGlow(b, ggRadial); }},
        {L"DrawGDIPGradient.Vertical", L"glow button face: vertical halves", 120, 60, 3,
         [](TBitmap& b) { PaintGlow(b, ggVertical); }},
        {L"DrawGDIPGradient.Diagonal", L"glow button face: forward diagonal halves", 120, 60, 3,
         [](TBitmap& b) { PaintGlow(b, ggDiagonalForward); }},
        {L"DrawMirroredGradient.Linear", L"mirrored gradient, vertical, square border", 360, 70, 2,
         [](TBitmap& b) { PaintMirrored(b, ggVertical, false); }},
        {L"DrawMirroredGradient.Radial", L"mirrored gradient, radial glows, rounded border", 360, 70, 2,
         [](TBitmap& b) { PaintMirrored(b, ggRadial, true); }},
        {L"DrawAlphaGradient", L"white from alpha 0 to 180 over stripes", 200, 60, 2, PaintAlpha},
        {L"Frames", L"round, square and dotted frames; a group of three (left, plain middle, emphasized right)", 140,
         60, 4, PaintFrames},
        {L"GroupFrames.Scenic", L"group frames of the glow button: top row normal, bottom row scenic mode", 68, 44, 8,
         PaintScenicGroup},
        {L"Arrows", L"drop-down arrow down and right (white emboss), small arrow", 24, 9, 16, PaintArrows},
        {L"DrawHotKeyText", L"rotated captions with hand-drawn accelerator underline", 80, 90, 3, PaintHotKeyText},
        {L"DrawGDIPText", L"GDI+ text: anti-aliased, ClearType centred, ellipsis, disabled, classic", 200, 122, 2,
         PaintText},
        {L"ImageList", L"image list images enabled (top) and disabled (bottom)", 38, 38, 6, PaintImageList},
        {L"ShortCutHintWindow", L"key tips: gradient, centred text, rounded outline", 120, 26, 4, PaintShortCutHint},
        {L"HintWindow", L"application hint: one line, and wrapped at 120 pixels", 160, 90, 3, PaintHintWindow},
    };
}

}  // namespace

const std::vector<TRenderItem>& RenderCatalog() {
    static const std::vector<TRenderItem> catalog = [] {
        std::vector<TRenderItem> items = MakeCatalog();
        for (auto& item : GlowButtonRenderItems()) items.push_back(std::move(item));
        for (auto& item : ShapeButtonRenderItems()) items.push_back(std::move(item));
        for (auto& item : ToolBarRenderItems()) items.push_back(std::move(item));
        for (auto& item : ToolBarButtonRenderItems()) items.push_back(std::move(item));
        for (auto& item : ToolBarPageRenderItems()) items.push_back(std::move(item));
        for (auto& item : PagerRenderItems()) items.push_back(std::move(item));
        for (auto& item : OptionWindowRenderItems()) items.push_back(std::move(item));
        for (auto& item : MenuBarRenderItems()) items.push_back(std::move(item));
        for (auto& item : QuickAccessRenderItems()) items.push_back(std::move(item));
        for (auto& item : CustomizerRenderItems()) items.push_back(std::move(item));
        for (auto& item : MenuRenderItems()) items.push_back(std::move(item));
        for (auto& item : AppMenuRenderItems()) items.push_back(std::move(item));
        for (auto& item : PictureRenderItems()) items.push_back(std::move(item));
        for (auto& item : HtmlRenderItems()) items.push_back(std::move(item));
        for (auto& item : StatusBarRenderItems()) items.push_back(std::move(item));
        for (auto& item : ItemRenderItems()) items.push_back(std::move(item));
        for (auto& item : ListRenderItems()) items.push_back(std::move(item));
        for (auto& item : FillRenderItems()) items.push_back(std::move(item));
        for (auto& item : ProgramRenderItems()) items.push_back(std::move(item));
        return items;
    }();
    return catalog;
}

const TRenderItem* FindRenderItem(const std::wstring& name) {
    for (const TRenderItem& item : RenderCatalog())
        if (SameText(item.Name, name)) return &item;
    return nullptr;
}

}  // namespace orvtools
