#include "ToolBarButtonRender.h"

#include <functional>
#include <string>

#include "framework/Forms.h"
#include "framework/ImageList.h"
#include "menus/OrvMenus.h"
#include "paint/OrvGradients.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarMenuButton.h"
#include "toolbar/OrvToolBarSeparator.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kCellW = 110, kCellH = 64;

// A toolbar-like band to show what the buttons leave transparent.
void Band(TBitmap& b) {
    DrawGradient(b.Canvas(), 0xFAF0E6, 0xE4C8A8, 40, {0, 0, b.Width(), b.Height()}, false);
}

void Label(TBitmap& b, int x, int y, const std::wstring& text) {
    TCanvas& c = b.Canvas();
    c.Font().SetName(L"Tahoma");
    c.Font().SetHeight(-10);
    c.Font().SetColor(0x404040);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.TextOut(x, y, text);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
}

void MakeGlyph(TBitmap& glyph) {
    glyph.SetSize(16, 16);
    TCanvas& c = glyph.Canvas();
    c.Brush().SetColor(clFuchsia);
    c.FillRect({0, 0, 16, 16});
    c.Brush().SetColor(0x2F7FD0);
    c.Pen().SetColor(0x1F4F90);
    c.Ellipse({1, 1, 15, 15});
    c.Brush().SetColor(clWhite);
    c.FillRect({7, 4, 9, 12});
}

// A shown form whose controls the pictures are painted from.
struct THost {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TBitmap Glyph;
    THost() {
        Form->SetBounds(0, 0, 600, 400);
        MakeGlyph(Glyph);
    }
    TOrvToolBarButton* Button(const std::wstring& caption, int width, int height) {
        auto* b = new TOrvToolBarButton(Form.get());
        b->SetParent(Form.get());
        b->SetAutoSize(false);
        b->SetBounds(0, 0, width, height);
        b->SetCaption(caption);
        b->SetShowCaption(!caption.empty());
        b->Glyph().Assign(&Glyph);
        return b;
    }
};

// Paints a graphic control with its top-left at (x, y) of the picture.
void PaintAt(TBitmap& b, TGraphicControl* c, int x, int y) {
    HDC dc = b.Canvas().Handle();
    POINT old;
    SetViewportOrgEx(dc, x, y, &old);
    c->PaintTo(dc);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

void Press(TControl* c) {
    c->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
}
void Release(TControl* c) {
    c->Perform(WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));
}

void PaintStates(TBitmap& b) {
    Band(b);
    THost host;
    struct TCell {
        const wchar_t* Name;
        std::function<void(TOrvToolBarButton*)> Set, Reset;
    };
    const TCell cells[] = {
        {L"idle (transparent)", nullptr, nullptr},
        {L"hot", [](TOrvToolBarButton* t) { t->Perform(CM_MOUSEENTER); },
         [](TOrvToolBarButton* t) { t->Perform(CM_MOUSELEAVE); }},
        {L"pressed", [](TOrvToolBarButton* t) { Press(t); }, [](TOrvToolBarButton* t) { Release(t); }},
        {L"checked", [](TOrvToolBarButton* t) { t->SetStyle(tasCheck), t->SetDown(true); }, nullptr},
        {L"checked, hot",
         [](TOrvToolBarButton* t) {
             t->SetGroupIndex(1);
             t->SetDown(true);
             t->Perform(CM_MOUSEENTER);
         },
         [](TOrvToolBarButton* t) { t->Perform(CM_MOUSELEAVE); }},
        {L"disabled", [](TOrvToolBarButton* t) { t->SetEnabled(false); }, nullptr},
    };
    int i = 0;
    for (const TCell& cell : cells) {
        int x = (i % 3) * kCellW + 8, y = (i / 3) * kCellH + 8;
        TOrvToolBarButton* t = host.Button(L"Print", 70, 26);
        if (cell.Set) cell.Set(t);
        PaintAt(b, t, x, y);
        if (cell.Reset) cell.Reset(t);
        Label(b, x, y + 32, cell.Name);
        ++i;
    }
    // Menu buttons: the plain button look, and a menu bar's root item look.
    for (int k = 0; k < 3; ++k) {
        auto* m = new TOrvToolBarMenuButton(host.Form.get());
        m->SetParent(host.Form.get());
        m->SetAutoSize(false);
        m->SetBounds(0, 0, 60, 22);
        m->SetCaption(L"&File");
        m->SetShowCaption(true);
        int x = k * kCellW + 8, y = 2 * kCellH + 8;
        if (k == 1) m->Perform(CM_MOUSEENTER);
        if (k == 2) m->SetEnabled(false);
        PaintAt(b, m, x, y);
        Label(b, x, y + 28, k == 0 ? L"menu button" : k == 1 ? L"menu button, hot" : L"menu button, disabled");
    }
}

void PaintPositions(TBitmap& b) {
    Band(b);
    THost host;
    const wchar_t* names[] = {L"gpLeft", L"gpTop", L"gpRight", L"gpBottom"};
    for (int i = 0; i < 4; ++i) {
        TOrvToolBarButton* t = host.Button(L"Caption", 96, 46);
        t->SetGlyphPosition(static_cast<TGlyphPosition>(i));
        t->Perform(CM_MOUSEENTER);
        int x = (i % 3) * kCellW + 6, y = (i / 3) * (kCellH + 12) + 6;
        PaintAt(b, t, x, y);
        Label(b, x, y + 50, names[i]);
    }
    // Rotated on a left- and a right-docked toolbar, with a drop-down part.
    for (int k = 0; k < 2; ++k) {
        TOrvToolBarButton* t = host.Button(L"Rotated", 26, 90);
        t->SetPosition(k == 0 ? daLeft : daRight);
        t->SetDropDownButton(true);
        if (k == 1) t->Perform(CM_MOUSEENTER);
        int x = kCellW + 20 + k * 60, y = kCellH + 18;
        PaintAt(b, t, x, y);
        Label(b, x - 4, y + 94, k == 0 ? L"daLeft" : L"daRight");
    }
}

// Paints instead of opening: the button shows its open-menu look meanwhile.
struct TPaintingMenu : TPopupMenu {
    using TPopupMenu::TPopupMenu;
    std::function<void()> WhileOpen;
    void Popup(int, int) override { WhileOpen(); }
};

void PaintDropDowns(TBitmap& b) {
    Band(b);
    THost host;
    const wchar_t* names[] = {L"split, idle", L"split, hot", L"menu open", L"whole, hot"};
    for (int i = 0; i < 4; ++i) {
        TOrvToolBarButton* t = host.Button(L"", 35, 22);
        t->SetDropDownButton(true);
        if (i == 3) t->SetDropDownSplit(false);
        if (i == 1 || i == 3) t->Perform(CM_MOUSEENTER);
        int x = i * 84 + 8, y = 10;
        if (i == 2) {
            // The open-menu look is painted while the menu is up.
            auto* painting = new TPaintingMenu(host.Form.get());
            painting->WhileOpen = [&b, t, x, y] { PaintAt(b, t, x, y); };
            t->SetDropDownMenu(painting);
            t->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 5));
            t->Perform(WM_LBUTTONUP, 0, MAKELPARAM(30, 5));
        } else {
            PaintAt(b, t, x, y);
        }
        Label(b, x, y + 28, names[i]);
    }
}

// The glyph of a disabled button from each source: a toolbar's image list with and
// without disabled images, the disabled state bitmap, and a glyph with no disabled one.
void PaintDisabledGlyphs(TBitmap& b) {
    Band(b);
    THost host;
    TBitmap other;
    MakeGlyph(other);
    other.Canvas().Brush().SetColor(0x30A030);
    other.Canvas().FillRect({3, 3, 7, 7});
    auto* images = new TImageList(host.Form.get());
    images->AddMasked(host.Glyph, clFuchsia);
    auto* disabledImages = new TImageList(host.Form.get());
    disabledImages->AddMasked(other, clFuchsia);
    auto bar = [&](TImageList* disabled) {
        auto* tb = new TOrvToolBar(host.Form.get());
        tb->SetParent(host.Form.get());
        tb->SetBounds(0, 0, 200, 34);
        tb->SetImages(images);
        tb->SetDisabledImages(disabled);
        return tb;
    };
    TOrvToolBar* plain = bar(nullptr);
    TOrvToolBar* withDisabled = bar(disabledImages);
    struct TCell {
        const wchar_t* Name;
        TOrvToolBar* Bar;
        bool Enabled;
        bool StateGlyph;
    };
    const TCell cells[] = {
        {L"list, enabled", plain, true, false},         {L"list, disabled", plain, false, false},
        {L"disabled list", withDisabled, false, false}, {L"GlyphDisabled", nullptr, false, true},
        {L"Glyph, disabled", nullptr, false, false},
    };
    int i = 0;
    for (const TCell& cell : cells) {
        TOrvToolBarButton* t = host.Button(L"Print", 70, 26);
        if (cell.Bar) {
            t->Glyph().SetSize(0, 0);  // the list image only
            t->SetOrvToolBar(cell.Bar);
            t->SetAutoSize(false);
            t->SetBounds(0, 0, 70, 26);
            t->SetImageIndex(0);
        }
        if (cell.StateGlyph) t->GlyphDisabled().Assign(&other);
        t->SetEnabled(cell.Enabled);
        int x = (i % 3) * kCellW + 8, y = (i / 3) * kCellH + 8;
        PaintAt(b, t, x, y);
        Label(b, x, y + 32, cell.Name);
        ++i;
    }
}

void PaintSeparators(TBitmap& b) {
    Band(b);
    THost host;
    auto* h = new TOrvToolBarSeparator(host.Form.get());
    h->SetParent(host.Form.get());
    PaintAt(b, h, 10, 6);
    Label(b, 4, 32, L"horizontal");
    auto* v = new TOrvToolBarSeparator(host.Form.get());
    v->SetParent(host.Form.get());
    v->SetPosition(daLeft);
    v->SetBounds(0, 0, 40, 10);
    PaintAt(b, v, 70, 12);
    Label(b, 70, 32, L"vertical");
    auto* blank = new TOrvToolBarSeparator(host.Form.get());
    blank->SetParent(host.Form.get());
    blank->SetSeparatorStyle(ssBlank);
    PaintAt(b, blank, 140, 6);
    Label(b, 130, 32, L"ssBlank");
}

// Buttons on a real toolbar in every state, painted by the toolbar's own paint: each from
// its kept face (the idle and disabled ones composed over the toolbar's kept face).
void PaintOnToolBar(TBitmap& b) {
    THost host;
    TImageList* images = new TImageList(host.Form.get());
    images->SetSize(16, 16);
    images->AddMasked(host.Glyph, clFuchsia);
    TImageList* disabled = new TImageList(host.Form.get());
    disabled->SetSize(16, 16);
    disabled->AddMasked(host.Glyph, clFuchsia);
    auto* bar = new TOrvToolBar(host.Form.get());
    bar->SetParent(host.Form.get());
    bar->SetBounds(0, 0, b.Width(), b.Height());
    bar->SetImages(images);
    bar->SetDisabledImages(disabled);
    auto add = [&](const std::wstring& caption, bool glyph = true) {
        auto* t = new TOrvToolBarButton(host.Form.get());
        t->SetCaption(caption);
        t->SetShowCaption(true);
        if (glyph) t->Glyph().Assign(&host.Glyph);
        t->SetParent(bar);
        return t;
    };
    add(L"Idle");
    add(L"Hot")->Perform(CM_MOUSEENTER);
    TOrvToolBarButton* down = add(L"Down");
    down->SetGroupIndex(1);
    down->SetDown(true);
    TOrvToolBarButton* check = add(L"Check");
    check->SetStyle(tasCheck);
    check->SetDown(true);
    add(L"Off")->SetEnabled(false);
    TOrvToolBarButton* grey = add(L"Grey", false);
    grey->SetImageIndex(0);
    grey->SetEnabled(false);
    bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(b.Canvas().Handle()), 0);
}

}  // namespace

std::vector<TRenderItem> ToolBarButtonRenderItems() {
    return {
        {L"ToolBarButtonStates", L"toolbar button: idle, hot, pressed, checked, checked hot, disabled; menu buttons",
         3 * kCellW, 3 * kCellH, 2, PaintStates},
        {L"ToolBarButtonPositions",
         L"toolbar button: the four glyph positions (TOrvToolBarButtonDrawPosition, hot) and rotated buttons",
         3 * kCellW, 2 * kCellH + 60, 2, PaintPositions},
        {L"ToolBarButtonDropDowns", L"toolbar button: split drop-down idle, hot, menu open; whole drop-down hot", 340,
         48, 3, PaintDropDowns},
        {L"ToolBarButtonDisabledGlyphs",
         L"toolbar button glyphs: image list enabled and disabled, from disabled images (greyed), GlyphDisabled, "
         L"Glyph of a disabled button",
         3 * kCellW, 2 * kCellH, 2, PaintDisabledGlyphs},
        {L"ToolBarSeparators", L"toolbar separators: horizontal, vertical, blank", 190, 46, 4, PaintSeparators},
        {L"ToolBarButtonsOnToolBar",
         L"toolbar buttons on a toolbar from their kept faces: idle, hot, down, checked, disabled, greyed list image",
         420, 30, 3, PaintOnToolBar},
    };
}

}  // namespace orvtools
