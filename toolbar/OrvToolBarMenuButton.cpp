#include "toolbar/OrvToolBarMenuButton.h"

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

TToolButtonColors TOrvToolBarMenuButton::StateColors(const TToolButtonStateInput& input) {
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
    OpenThroughToolBar();
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
