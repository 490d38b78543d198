// The application menu's panel, painted off-screen from a small model: hot, pressed
// and split items, a separator, sub-items with notes, an item's own sub-item list,
// paging arrows, key tips, the scenic top frame with its square application button.
#include "tools/Render/AppMenuRender.h"

#include <windows.h>

#include <functional>
#include <vector>

#include "appmenu/OrvPreviewMenu.h"
#include "appmenu/OrvPreviewMenuPanel.h"
#include "appmenu/OrvPreviewMenuStylers.h"
#include "buttons/OrvGlowButton.h"
#include "framework/Bitmap.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvStyleIF.h"

using namespace orv;

namespace orvtools {

namespace {

enum TScene { scItems, scItemList, scPaging, scKeyTips };

// Both look flags are set for each picture: pictures drawn before may leave either on.
struct TLookGuard {
    bool Saved = ScenicRibbonMode, SavedOffice = Office2010Look;
    explicit TLookGuard(bool scenic, bool office = false) {
        ScenicRibbonMode = scenic;
        Office2010Look = office;
    }
    ~TLookGuard() {
        ScenicRibbonMode = Saved;
        Office2010Look = SavedOffice;
    }
};

void BuildModel(TOrvPreviewMenu& menu, TScene scene) {
    auto add = [&](const std::wstring& caption, int subs) {
        auto* item = menu.MenuItems().Add();
        item->SetCaption(caption);
        for (int i = 0; i < subs; ++i) {
            auto* sub = item->SubItems().Add();
            sub->SetTitle(L"Recent document " + std::to_wstring(i + 1));
            sub->SetNotes({L"C:\\Documents\\Report " + std::to_wstring(i + 1) + L".txt"});
        }
        return item;
    };
    add(L"&New", 0);
    add(L"&Open", 0)->SetSeparator(true);
    auto* save = add(L"Save &as", 3);
    save->SetCanSelect(true);
    save->SetSubMenuCaption(L"Save a copy");
    save->SetShortCutSubItemsHint(L"AS");
    add(L"&Print", 2)->SetSubMenuCaption(L"Print options");
    add(L"Disabled", 0)->SetEnabled(false);
    menu.SetSubMenuCaption(L"Recent documents");
    int count = scene == scPaging ? 10 : 3;
    for (int i = 0; i < count; ++i) {
        auto* sub = menu.SubMenuItems().Add();
        sub->SetTitle(std::to_wstring(i + 1) + L" &Document " + std::to_wstring(i + 1));
    }
    if (scene == scPaging) menu.SetSubMenuItemHeight(22);
    menu.Buttons().Add()->SetCaption(L"Exit");
    menu.Buttons().Add()->SetCaption(L"Options");
}

void PaintMenu(TBitmap& bitmap, TPreviewMenuStyle style, bool scenic, TScene scene, bool office = false) {
    TLookGuard look(scenic, office);
    bitmap.Canvas().Brush().SetColor(clWhite);
    bitmap.Canvas().FillRect({0, 0, bitmap.Width(), bitmap.Height()});
    TOwnedPtr<TComponent> owner(new TComponent(nullptr));
    auto* styler = new TOrvPreviewMenuOfficeStyler(owner.get());
    styler->SetStyle(style);
    auto* menu = new TOrvPreviewMenu(owner.get());
    menu->SetStyler(styler);
    BuildModel(*menu, scene);
    // As the shape button hands its look over: the glyph without the Office 2010 look,
    // the caption "File" with it.
    if (scenic && !office)
        menu->SetMenuButtonAppearance(10916484, 16777215, 14599344, 13082441, 12031543, 13815158, clWhite, true,
                                      nullptr, L"File", nullptr);
    if (scenic && office) {
        TFont font;
        font.SetName(L"Segoe UI");
        font.SetColor(clWhite);
        menu->SetMenuButtonAppearance(11829830, 14924424, 13138741, 13138741, 12545073, 12545073, clWhite, false,
                                      nullptr, L"File", &font);
    }
    menu->MenuSize();
    TOrvPreviewMenuPanel* panel = menu->Panel();
    switch (scene) {
        case scItems:
            // A hot split item with the pointer over its button part, and one pressed.
            panel->SetItemHot(2, true);
            panel->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(panel->ItemRect(2).Left + 10, panel->ItemRect(2).Top + 3));
            panel->SetItemDown(0);
            break;
        case scItemList:
            panel->SetItemHot(3, true);
            panel->SetSubItemHot(1);
            break;
        case scPaging:
            panel->SetItemHot(0, true);
            panel->ScrollSubItems(true);
            break;
        case scKeyTips:
            panel->ShowAllItemKeyTips();
            break;
    }
    panel->PaintTo(bitmap.Canvas());
    // The bottom buttons are child windows of the panel: each paints at its place.
    HDC dc = bitmap.Canvas().Handle();
    for (TOrvGlowButton* button : panel->ButtonList()) {
        if (!button->GetVisible()) continue;
        POINT old;
        SetViewportOrgEx(dc, button->Left(), button->Top(), &old);
        button->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        SetViewportOrgEx(dc, old.x, old.y, nullptr);
    }
}

// A menu on an Office-styled styler: setup builds the model and may edit the styler,
// state sets hot and pressed entries once the panel is laid out; then the panel and its
// bottom buttons are painted at their places.
void PaintCustomMenu(TBitmap& bitmap, TPreviewMenuStyle style,
                     const std::function<void(TOrvPreviewMenu&, TOrvPreviewMenuOfficeStyler&)>& setup,
                     const std::function<void(TOrvPreviewMenuPanel&)>& state) {
    TLookGuard look(false);
    bitmap.Canvas().Brush().SetColor(clWhite);
    bitmap.Canvas().FillRect({0, 0, bitmap.Width(), bitmap.Height()});
    TOwnedPtr<TComponent> owner(new TComponent(nullptr));
    auto* styler = new TOrvPreviewMenuOfficeStyler(owner.get());
    styler->SetStyle(style);
    auto* menu = new TOrvPreviewMenu(owner.get());
    menu->SetStyler(styler);
    setup(*menu, *styler);
    menu->MenuSize();
    TOrvPreviewMenuPanel* panel = menu->Panel();
    state(*panel);
    panel->PaintTo(bitmap.Canvas());
    HDC dc = bitmap.Canvas().Handle();
    for (TOrvGlowButton* button : panel->ButtonList()) {
        if (!button->GetVisible()) continue;
        POINT old;
        SetViewportOrgEx(dc, button->Left(), button->Top(), &old);
        button->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        SetViewportOrgEx(dc, old.x, old.y, nullptr);
    }
}

// TOrvPreviewMenuItem in its kinds: plain, with a separator below, with sub-items (the
// arrow), selectable with sub-items (the split, hot), disabled.
void PaintMenuItems(TBitmap& bitmap) {
    PaintCustomMenu(
        bitmap, psOffice2007Luna,
        [](TOrvPreviewMenu& menu, TOrvPreviewMenuOfficeStyler&) {
            auto add = [&](const std::wstring& caption, int subs) {
                auto* item = menu.MenuItems().Add();
                item->SetCaption(caption);
                for (int i = 0; i < subs; ++i) item->SubItems().Add()->SetTitle(L"Option " + std::to_wstring(i + 1));
                return item;
            };
            add(L"&New", 0);
            add(L"&Open", 0)->SetSeparator(true);
            add(L"&Convert", 2);
            auto* save = add(L"Save &as", 3);
            save->SetCanSelect(true);
            add(L"&Print", 0);
            add(L"&Send", 2);
            add(L"Disabled", 0)->SetEnabled(false);
            menu.SetSubMenuCaption(L"Recent documents");
            menu.Buttons().Add()->SetCaption(L"Exit");
        },
        [](TOrvPreviewMenuPanel& panel) { panel.SetItemHot(3, true); });
}

// TOrvPreviewSubMenuItem in the menu's own list: titles with one- and two-line notes, a
// separator sub-item, a disabled one, the second one hot.
void PaintSubMenuItems(TBitmap& bitmap) {
    PaintCustomMenu(
        bitmap, psOffice2010Blue,
        [](TOrvPreviewMenu& menu, TOrvPreviewMenuOfficeStyler&) {
            // Enough items for the four sub-items (each as high as the highest) to fit
            // without paging.
            for (const wchar_t* caption : {L"&New", L"&Open", L"&Save", L"Save &as", L"&Print", L"Pr&epare", L"Sen&d",
                                           L"Publis&h", L"Sha&re", L"&Close"})
                menu.MenuItems().Add()->SetCaption(caption);
            menu.SetSubMenuCaption(L"Recent documents");
            auto sub = [&](const std::wstring& title, std::vector<std::wstring> notes) {
                auto* s = menu.SubMenuItems().Add();
                s->SetTitle(title);
                s->SetNotes(notes);
                return s;
            };
            sub(L"1 &Report.txt", {L"C:\\Documents"});
            sub(L"2 &Budget.xls", {L"C:\\Documents\\Finance", L"edited yesterday"});
            sub(L"3 &Letter.doc", {})->SetSeparator(true);
            sub(L"4 &Archived.doc", {L"no longer on this computer"})->SetEnabled(false);
            menu.Buttons().Add()->SetCaption(L"Exit");
        },
        [](TOrvPreviewMenuPanel& panel) { panel.SetSubItemHot(1); });
}

// TPreviewMenuVistaBackground: the frame record set to its own colours (green bands with
// an orange mirror, a dark red outline, a yellow caption background) over the Luna preset.
void PaintVistaBackground(TBitmap& bitmap) {
    PaintCustomMenu(
        bitmap, psOffice2007Luna,
        [](TOrvPreviewMenu& menu, TOrvPreviewMenuOfficeStyler& styler) {
            appmenu::TVistaBackground& frame = styler.FrameAppearance();
            frame.SetColor(0x80C080);
            frame.SetColorTo(0x409040);
            frame.SetColorMirror(0x3090F0);
            frame.SetColorMirrorTo(0x80C0F8);
            frame.SetBorderColor(0x000080);
            frame.SetCaptionBackground(0x80FFFF);
            for (const wchar_t* caption : {L"&New", L"&Open", L"&Save"}) menu.MenuItems().Add()->SetCaption(caption);
            menu.SetSubMenuCaption(L"Recent documents");
            menu.SubMenuItems().Add()->SetTitle(L"1 Report.txt");
            menu.Buttons().Add()->SetCaption(L"Exit");
        },
        [](TOrvPreviewMenuPanel&) {});
}

// Three bottom buttons wider than both columns: the sub-item area widens and every
// button lies inside the panel, the leftmost at the margin.
void PaintWideButtons(TBitmap& bitmap) {
    PaintCustomMenu(
        bitmap, psOffice2007Luna,
        [](TOrvPreviewMenu& menu, TOrvPreviewMenuOfficeStyler&) {
            for (const wchar_t* caption : {L"&New", L"&Open", L"&Save"}) menu.MenuItems().Add()->SetCaption(caption);
            for (const wchar_t* caption : {L"Exit", L"Options", L"Help"}) {
                auto* button = menu.Buttons().Add();
                button->SetCaption(caption);
                button->SetWidth(140);
            }
        },
        [](TOrvPreviewMenuPanel&) {});
}

// An item's list whose second sub-item was chosen before: it shows the checked look.
void PaintCheckedSubItem(TBitmap& bitmap) {
    PaintCustomMenu(
        bitmap, psOffice2007Luna,
        [](TOrvPreviewMenu& menu, TOrvPreviewMenuOfficeStyler&) {
            for (const wchar_t* caption : {L"&New", L"&Open"}) menu.MenuItems().Add()->SetCaption(caption);
            auto* recent = menu.MenuItems().Add();
            recent->SetCaption(L"&Recent");
            for (const wchar_t* title : {L"1 Report.txt", L"2 Budget.xls", L"3 Letter.doc"})
                recent->SubItems().Add()->SetTitle(title);
            for (const wchar_t* caption : {L"&Print", L"&Close"}) menu.MenuItems().Add()->SetCaption(caption);
            recent->FSubMenuItemIndex = 1;
            menu.Buttons().Add()->SetCaption(L"Exit");
        },
        [](TOrvPreviewMenuPanel& panel) { panel.SetItemHot(2, true); });
}

}  // namespace

std::vector<TRenderItem> AppMenuRenderItems() {
    auto item = [](const wchar_t* name, const wchar_t* text, TPreviewMenuStyle style, bool scenic, TScene scene,
                   bool office = false) {
        return TRenderItem{name, text, 460, 260, 1, [=](TBitmap& b) { PaintMenu(b, style, scenic, scene, office); }};
    };
    return {
        item(L"AppMenuLuna", L"application menu, Office 2007 Luna: hot split, separator, disabled, bottom buttons",
             psOffice2007Luna, false, scItems),
        item(L"AppMenuScenic", L"application menu, Windows 7 scenic: square application button and glyph", psWindows7,
             true, scItems),
        item(L"AppMenuScenic2010", L"application menu, Office 2010 Blue scenic: the caption File on the square button",
             psOffice2010Blue, true, scItems, true),
        item(L"AppMenuClassic", L"application menu, Windows 7 classic, an item's sub-items with notes", psWindows7,
             false, scItemList),
        item(L"AppMenuObsidian", L"application menu, Office 2007 Obsidian, an item's sub-items", psOffice2007Obsidian,
             false, scItemList),
        item(L"AppMenuPaging", L"application menu, Office 2010 Blue: ten sub-items on pages, second page",
             psOffice2010Blue, false, scPaging),
        item(L"AppMenuKeyTips", L"application menu, Office 2003 Blue with key tips", psOffice2003Blue, false,
             scKeyTips),
        {L"AppMenuMenuItems", L"TOrvPreviewMenuItem kinds: separator, sub-item arrow, selectable split (hot), disabled",
         460, 260, 1, PaintMenuItems},
        {L"AppMenuSubMenuItems", L"TOrvPreviewSubMenuItem: titles with notes, a separator, disabled, the second hot",
         460, 260, 1, PaintSubMenuItems},
        {L"AppMenuVistaBackground",
         L"TPreviewMenuVistaBackground: the frame record in its own colours (green bands, orange mirror, red outline)",
         460, 200, 1, PaintVistaBackground},
        {L"AppMenuWideButtons", L"bottom buttons wider than both columns: all inside, the leftmost at the margin", 500,
         150, 1, PaintWideButtons},
        {L"AppMenuCheckedSubItem", L"an item's list with the sub-item chosen before in the checked look", 460, 200, 1,
         PaintCheckedSubItem},
    };
}

}  // namespace orvtools
