#include "StatusBarRender.h"

#include "framework/Bitmap.h"
#include "framework/ImageList.h"
#include "statusbar/OrvOfficeStatusBarStylers.h"

using namespace orv;
using enum orv::TOfficeStatusBarStyle;

namespace orvtools {

namespace {

constexpr int kBarWidth = 400;
constexpr int kRow = 23;

const wchar_t* const kPresetNames[] = {
    L"Office2003Blue", L"Office2003Silver",   L"Office2003Olive",  L"Office2003Classic",
    L"Office2007Luna", L"Office2007Obsidian", L"WindowsXP",        L"Whidbey",
    L"Custom",         L"Office2007Silver",   L"WindowsVista",     L"Windows7",
    L"Terminal",       L"Office2010Blue",     L"Office2010Silver", L"Office2010Black"};

void Clear(TBitmap& b) {
    b.Canvas().Brush().SetColor(0xF0F0F0);
    b.Canvas().FillRect({0, 0, b.Width(), b.Height()});
}

// A bar of the given width with its own styler, painted at y; freed afterwards.
void PaintBarAt(TBitmap& b, int y, TOfficeStatusBarStyle style, const std::function<void(TOrvOfficeStatusBar&)>& fill,
                int width = kBarWidth) {
    TOwnedPtr<TComponent> owner(Make<TComponent>(nullptr));
    auto* styler = new TOrvOfficeStatusBarOfficeStyler(owner.get());
    styler->SetStyle(style);
    auto* bar = new TOrvOfficeStatusBar(owner.get());
    bar->SetBounds(0, 0, width, 19);
    bar->SetStyler(styler);
    bar->Font().SetName(L"Tahoma");
    bar->Font().SetHeight(-11);
    fill(*bar);
    HDC dc = b.Canvas().Handle();
    POINT old;
    SetViewportOrgEx(dc, 0, y, &old);
    bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

TOrvOfficeStatusPanel* Add(TOrvOfficeStatusBar& bar, int width, TOrvOfficeStatusPanelStyle style,
                           const std::wstring& text) {
    TOrvOfficeStatusPanel* p = bar.Panels().Add();
    p->SetWidth(width);
    p->SetStyle(style);
    p->SetText(text);
    return p;
}

void PaintPresets(TBitmap& b) {
    Clear(b);
    for (int i = 0; i < 16; ++i) {
        const int custom = static_cast<int>(psCustom);
        if (i == custom) continue;
        int row = i > custom ? i - 1 : i;
        PaintBarAt(b, row * kRow + 2, static_cast<TOfficeStatusBarStyle>(i), [&](TOrvOfficeStatusBar& bar) {
            Add(bar, 130, psHTML, std::wstring(L"<b>") + kPresetNames[i] + L"</b>");
            Add(bar, 80, psText, L"light panel");
            Add(bar, 80, psText, L"dark panel")->SetAppearanceStyle(psDark);
            Add(bar, 55, psText, L"hot")->SetButton(true);
            Add(bar, 55, psText, L"down")->SetButton(true);
            // The pointer pressed on the last Button panel and then resting on the one before.
            bar.Perform(WM_RBUTTONDOWN, 0, MAKELPARAM(kBarWidth - 20, 9));
            bar.Perform(WM_MOUSEMOVE, 0, MAKELPARAM(kBarWidth - 80, 9));
        });
    }
}

void AddGlyphs(TImageList& images) {
    images.SetSize(16, 16);
    const TColor colors[] = {0x2FA040, 0x2040C0, 0x20A0E0};
    for (TColor c : colors) {
        TBitmap glyph(16, 16);
        glyph.Canvas().Brush().SetColor(clFuchsia);
        glyph.Canvas().FillRect({0, 0, 16, 16});
        glyph.Canvas().Brush().SetColor(c);
        glyph.Canvas().Pen().SetColor(c);
        glyph.Canvas().Ellipse({2, 2, 14, 14});
        images.AddMasked(glyph, clFuchsia);
    }
}

void PaintStyles(TBitmap& b) {
    Clear(b);
    TOwnedPtr<TImageList> images(Make<TImageList>(nullptr));
    AddGlyphs(*images);
    auto withImages = [&](TOrvOfficeStatusBar& bar) { bar.SetImages(images.get()); };
    int y = 2;
    PaintBarAt(b, y, psOffice2010Blue, [&](TOrvOfficeStatusBar& bar) {
        Add(bar, 100, psText, L"psText left");
        Add(bar, 100, psText, L"centred")->SetAlignment(TTextAlignment::taCenter);
        Add(bar, 100, psText, L"right")->SetAlignment(TTextAlignment::taRightJustify);
        Add(bar, 100, psText, L"disabled")->SetEnabled(false);
    });
    y += kRow;
    PaintBarAt(b, y, psOffice2010Blue, [&](TOrvOfficeStatusBar& bar) {
        withImages(bar);
        auto* image = Add(bar, 100, psImage, L"image");
        image->SetImageIndex(0);
        auto* right = Add(bar, 100, psImage, L"right");
        right->SetImageIndex(1);
        right->SetAlignment(TTextAlignment::taRightJustify);
        auto* list = Add(bar, 100, psImageList, L"");
        list->AddImageIndex(0);
        list->AddImageIndex(1);
        list->AddImageIndex(2);
        auto* anim = Add(bar, 100, psAnimation, L"frame 0");
        anim->SetAnimationImages(images.get());
    });
    y += kRow;
    PaintBarAt(b, y, psOffice2010Blue, [&](TOrvOfficeStatusBar& bar) {
        Add(bar, 120, psEllipsText, L"A long text cut with an ellipsis");
        Add(bar, 150, psFileEllipsText, L"C:\\Program Files\\Quillan\\data\\settings.ini");
        Add(bar, 60, psNumLock, L"NUM");
        Add(bar, 70, psTime, L"9:07:58");
    });
    y += kRow;
    PaintBarAt(b, y, psOffice2010Blue, [&](TOrvOfficeStatusBar& bar) {
        withImages(bar);
        Add(bar, 70, psDate, L"5/03/2024");
        Add(bar, 40, psCapsLock, L"CAP")->SetAlignment(TTextAlignment::taCenter);
        Add(bar, 45, psScrollLock, L"SCRL")->SetAlignment(TTextAlignment::taCenter);
        Add(bar, 125, psOwnerDraw, L"");
        auto* off = Add(bar, 120, psImage, L"disabled image");
        off->SetImageIndex(2);
        off->SetEnabled(false);
        // Owner drawing gets the panel's layout rectangle.
        bar.OnDrawPanel = [](TOrvOfficeStatusBar* sender, TOrvOfficeStatusPanel*, const TRect& r) {
            TCanvas& c = sender->Canvas();
            c.Brush().SetColor(0x3050D0);
            c.FillRect({r.Left + 6, r.Top + 4, r.Left + 6 + (r.Width() - 12) * 2 / 3, r.Bottom - 3});
            c.Brush().SetColor(0xD0D0D0);
            c.FillRect({r.Left + 6 + (r.Width() - 12) * 2 / 3, r.Top + 4, r.Right - 6, r.Bottom - 3});
        };
    });
    y += kRow;
    PaintBarAt(b, y, psOffice2007Luna, [&](TOrvOfficeStatusBar& bar) {
        Add(bar, 130, psHTML, L"<b>Luna</b> normal");
        auto* hot = Add(bar, 130, psText, L"Button, normal");
        hot->SetButton(true);
        Add(bar, 140, psHTML, L"dark <i>panel</i>")->SetAppearanceStyle(psDark);
    });
}

void PaintGauges(TBitmap& b) {
    Clear(b);
    struct TCase {
        int Percent;
        bool Stacked, Smooth, Border, Gradient;
        TColor Background;
        TProgressIndication Indication;
    };
    const TCase cases[] = {
        {0, false, false, false, true, clNone, piPercentage},  {35, false, false, false, true, clNone, piPercentage},
        {75, false, true, false, true, clNone, piPercentage},  {95, false, false, true, true, clWhite, piPercentage},
        {100, false, true, true, true, clWhite, piPercentage}, {100, true, true, false, true, clNone, piPercentage},
        {100, true, false, false, false, clWhite, piAbsolute}, {80, true, true, true, true, clWhite, piNone}};
    int y = 2;
    for (const TCase& c : cases) {
        PaintBarAt(b, y, psOffice2010Silver, [&](TOrvOfficeStatusBar& bar) {
            auto* label = Add(bar, 150, psText,
                              std::to_wstring(c.Percent) + L"%" + (c.Stacked ? L" stacked" : L"") +
                                  (c.Smooth ? L" smooth" : L" blocks") + (c.Border ? L" border" : L""));
            (void)label;
            auto* g = Add(bar, 250, psProgress, L"");
            g->Progress().SetStacked(c.Stacked);
            g->Progress().SetCompletionSmooth(c.Smooth);
            g->Progress().SetShowBorder(c.Border);
            g->Progress().SetShowGradient(c.Gradient);
            g->Progress().SetBackGround(c.Background);
            g->Progress().SetIndication(c.Indication);
            g->Progress().SetPrefix(L"step ");
            g->Progress().SetSuffix(L" of 100");
            g->Progress().SetPosition(c.Percent);
        });
        y += kRow;
    }
}

void PaintRichHtml(TBitmap& b) {
    Clear(b);
    TOwnedPtr<TImageList> images(Make<TImageList>(nullptr));
    AddGlyphs(*images);
    int y = 2;
    PaintBarAt(
        b, y, psOffice2010Blue,
        [&](TOrvOfficeStatusBar& bar) {
            bar.SetImages(images.get());
            // A 16-pixel picture fills the panel's height: no top offset, so nothing is cut.
            Add(bar, 230, psHTML, L"<img src=\"IDX:0\"> <b>Ready</b> - see <a href=\"http://example.org\">the site</a>")
                ->SetHTMLOffsetY(0);
            Add(bar, 200, psHTML, L"<font color=\"clRed\">3 changed</font> &amp; <i>2 new</i> &euro;");
            Add(bar, 120, psHTML, L"right <u>aligned</u>")->SetAlignment(TTextAlignment::taRightJustify);
            Add(bar, 131, psHTML, L"<a href=\"note\">centred</a>")->SetAlignment(TTextAlignment::taCenter);
        },
        681);
    y += kRow;
    PaintBarAt(
        b, y, psOffice2010Blue,
        [&](TOrvOfficeStatusBar& bar) {
            bar.SetSimplePanel(true);
            bar.SetSimpleText(L"Simple panel: <b>one</b> full-width text with <a href=\"x\">an anchor</a>");
        },
        681);
}

}  // namespace

TStatusBarScene::TStatusBarScene() : FOwner(Make<TComponent>(nullptr)) {
    auto* styler = new TOrvOfficeStatusBarOfficeStyler(FOwner);
    styler->SetStyle(psOffice2010Blue);
    FBar = new TOrvOfficeStatusBar(FOwner);
    FBar->SetBounds(0, 0, 681, 19);
    FBar->SetStyler(styler);
    Add(*FBar, 250, psHTML, L"<b>Ready</b>: see <a href=\"http://example.org\">the site</a>");
    Add(*FBar, 100, psText, L"plain");
    Add(*FBar, 200, psProgress, L"")->Progress().SetPosition(64);
    Add(*FBar, 131, psText, L"");
}

TStatusBarScene::~TStatusBarScene() {
    FOwner->Free();
}

void TStatusBarScene::Paint(HDC dc) {
    FBar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

std::vector<TRenderItem> StatusBarRenderItems() {
    return {
        {L"statusbar-presets",
         L"The status bar in each preset: HTML, light and dark panels, a hot and a down Button panel", kBarWidth,
         15 * kRow + 4, 2, PaintPresets},
        {L"statusbar-styles",
         L"Panel styles: text alignments, images, image list, animation, ellipses, locks, date, owner draw, "
         L"disabled image",
         kBarWidth, 5 * kRow + 4, 2, PaintStyles},
        {L"statusbar-gauges", L"Progress panels: blocks, smooth, stacked, borders, absolute text", kBarWidth,
         8 * kRow + 4, 2, PaintGauges},
        {L"statusbar-html", L"Rich panel text in a 681-wide bar and the simple panel", 681, 2 * kRow + 4, 2,
         PaintRichHtml},
    };
}

}  // namespace orvtools
