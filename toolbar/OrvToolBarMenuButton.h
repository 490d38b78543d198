#pragma once
// TOrvToolBarMenuButton: a toolbar button that opens a menu item's submenu (a menu bar's
// entries) or its drop-down menu through the toolbar's menu tracking, coloured from the
// menu styler's root item when its toolbar is a menu bar.
#include "toolbar/OrvToolBarButton.h"

namespace orv {

class TOrvToolBarMenuButton : public TOrvCustomToolBarButton {
public:
    ORV_CLASS_NAME(TOrvToolBarMenuButton)
    explicit TOrvToolBarMenuButton(TComponent* owner);

    bool IsMenuButton() const override { return true; }
    // State absDropDown, repaint, and the toolbar opens this button's menu.
    void DoDropDown();

    // Flags of the toolbar's menu tracking.
    bool GetInternalClick() const { return FInternalClick; }
    void SetInternalClick(bool value) { FInternalClick = value; }
    bool GetMenuBeingClosed() const { return FMenuBeingClosed; }
    void SetMenuBeingClosed(bool value) { FMenuBeingClosed = value; }
    bool GetMenuDisplayed() const { return FMenuDisplayed; }
    void SetMenuDisplayed(bool value);
    // Made by its toolbar for an item of the toolbar's menu (freed with the next menu);
    // made or taken over for an item of a merged menu (freed when it is unmerged).
    bool GetToolBarCreated() const { return FToolBarCreated; }
    void SetToolBarCreated(bool value) { FToolBarCreated = value; }
    bool GetMerged() const { return FMerged; }
    void SetMerged(bool value) { FMerged = value; }
    // Copies caption, state, image and visibility from the menu item again.
    void ReadMenuItem();
    // Its menu closed: no longer dropped, displayed or held down.
    void MenuClosed();

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    TToolButtonColors StateColors(const TToolButtonStateInput& input) override;
    const TFont& CaptionFont() override;

private:
    bool FMerged = false;
    // The menu styler's root item when the toolbar is a menu bar with a styler.
    const menus::TRootItem* RootItem() const;
};

}  // namespace orv
