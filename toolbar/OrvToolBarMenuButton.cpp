#include "toolbar/OrvToolBarMenuButton.h"

#include "framework/Menus.h"
#include "menus/OrvMenus.h"

namespace orv {

TOrvToolBarMenuButton::TOrvToolBarMenuButton(TComponent* owner) : TOrvCustomToolBarButton(owner) {
    FParentStyler = true;
}

const menus::TRootItem* TOrvToolBarMenuButton::RootItem() const {
    if (!FParentStyler || !FOrvToolBar || !FOrvToolBar->GetMenu()) return nullptr;
    TCustomOrvToolBarStyler* styler = FOrvToolBar->CurrentToolBarStyler();
    menus::TCustomOrvMenuStyler* menuStyler = styler ? styler->CurrentOrvMenuStyler() : nullptr;
    return menuStyler ? &menuStyler->RootItem() : nullptr;
}

void TOrvToolBarMenuButton::SetMenuDisplayed(bool value) {
    if (FMenuDisplayed == value) return;
    FMenuDisplayed = value;
    Invalidate();
}

void TOrvToolBarMenuButton::MenuClosed() {
    FMenuDisplayed = false;
    FMouseDownInControl = false;
    if (FState == absDropDown || FState == absDown) FState = FDown ? absExclusive : absUp;
    Invalidate();
}

void TOrvToolBarMenuButton::ReadMenuItem() {
    TMenuItem* item = FMenuItem;
    if (!item) return;
    SetMenuItem(nullptr);
    SetMenuItem(item);
}

TToolButtonColors TOrvToolBarMenuButton::StateColors(const TToolButtonStateInput& state) {
    // Pressed while its menu shows.
    TToolButtonStateInput input = state;
    input.MenuOpen = input.MenuOpen || FMenuDisplayed;
    TMenuButtonSource source;
    source.Root = RootItem();
    if (!source.Root && FParentStyler)
        if (TCustomOrvToolBarStyler* styler = HostStyler()) source.Appearance = &styler->ButtonAppearance();
    return MenuButtonColors(source, FAppearance, input);
}

const TFont& TOrvToolBarMenuButton::CaptionFont() {
    if (FParentStyler)
        if (TCustomOrvToolBarStyler* styler = HostStyler())
            if (menus::TCustomOrvMenuStyler* menuStyler = styler->CurrentOrvMenuStyler())
                return menuStyler->RootItem().Font();
    return FFont;
}

void TOrvToolBarMenuButton::DoDropDown() {
    FState = absDropDown;
    Repaint();
    std::shared_ptr<bool> alive = FAlive;
    // A menu that showed is closed by the toolbar; otherwise the button comes up here.
    if (!OpenThroughToolBar() && *alive) {
        FState = absUp;
        Invalidate();
    }
}

void TOrvToolBarMenuButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    bool opensMenu = !FDropDownButton && (FDropDownMenu || FMenuItem);
    if (button != TMouseButton::mbLeft || !GetEnabled() || !opensMenu) {
        TOrvCustomToolBarButton::MouseDown(button, shift, x, y);
        return;
    }
    FMouseDownInControl = true;
    // A menu opens on the press: the release is no click.
    FClicked = false;
    if (FInternalClick) {
        FInternalClick = false;
        OpenThroughToolBar();
        return;
    }
    if (FMenuBeingClosed) {
        // The press that closed the menu does not open it again.
        FMenuBeingClosed = false;
        return;
    }
    if ((FOrvToolBar && FOrvToolBar->MenuDropped()) || FMenuDisplayed) return;
    OpenThroughToolBar();
}

}  // namespace orv
