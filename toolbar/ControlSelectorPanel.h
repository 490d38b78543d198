#pragma once
// TControlSelectorPanel: the content of a toolbar's option window. It borrows the
// controls adaptive hiding took off the toolbar (and shows copies of the separators
// between them, which it owns), arranges them in rows, and offers up to two command
// items below: "Add or Remove Buttons" (a check list of the toolbar's controls in a
// pop-up) and "Options" (the toolbar's option menu, or a small window whose button
// opens the customizer). The quick access toolbar puts its overflow in the same panel.
// Owns its pop-up windows (the check list, the customize window) and the separator
// copies; the borrowed controls go back to their home parent when the window hides or
// before the panel goes.
#include <memory>
#include <string>

#include "toolbar/DbgList.h"
#include "toolbar/OptionSelectorPanel.h"

namespace orv {

class IToolBarCustomizer;
class TCustomizeOption;
class TOptionSelectorWindow;
class TOTBPopupWindow;
class TPopupMenu;

// One command item of the panel: its caption, size and place in the panel.
class TSelectorItem {
public:
    int GetHeight() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }
    int GetWidth() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }
    const std::wstring& GetCaption() const { return FCaption; }
    void SetCaption(const std::wstring& value) { FCaption = value; }
    // Panel client coordinates; empty while the item is not shown.
    const TRect& GetBRect() const { return FBRect; }
    void SetBRect(const TRect& value) { FBRect = value; }

private:
    int FHeight = 20;
    std::wstring FCaption;
    TRect FBRect;
    int FWidth = 30;
};

class TControlSelectorPanel : public TOptionSelectorPanel {
public:
    ORV_CLASS_NAME(TControlSelectorPanel)
    explicit TControlSelectorPanel(TComponent* owner);

    // Makes the panel the control's parent and lists it (once); its index, -1 for none.
    // (Hides TWinControl's child-list operations of the same names on purpose: these
    // are the panel's list operations.)
    int AddControl(TControl* control);
    // Takes the control off the panel and, when listed, out of the list; re-arranges.
    void RemoveControl(TControl* control);
    void ArrangeControls();
    // No listed control and neither command item shown.
    bool IsEmpty() const;
    const TDbgList<TControl>& ControlList() const { return FControlList; }
    // The separator copies the panel made and owns.
    const TDbgList<TControl>& SeparatorList() const { return FSeparatorList; }

    // Clears the list and fills it from the toolbar's hidden controls in layout order
    // (separator copies between groups), takes the toolbar's settings and item colours,
    // and arranges.
    void FillFromToolBar(TOrvCustomToolBar* toolBar);
    // Gives the borrowed controls back to their home parent and frees the separator
    // copies (the window hid, or is about to go with its toolbar).
    void ReturnControls();
    void WindowHidden() override;

    bool GetShowAddAndRemoveBtn() const { return FShowAddAndRemoveBtn; }
    void SetShowAddAndRemoveBtn(bool value);
    // Captions of the two command items; a change measures both items again.
    const std::wstring& GetAddAndRemoveCaption() const { return FAddAndRemoveBtn.GetCaption(); }
    void SetAddAndRemoveCaption(const std::wstring& value);
    const std::wstring& GetOptionsCaption() const { return FOptionsBtn.GetCaption(); }
    void SetOptionsCaption(const std::wstring& value);
    TPopupMenu* GetOptionsMenu() const { return FOptionsMenu; }
    void SetOptionsMenu(TPopupMenu* value);
    IToolBarCustomizer* GetCustomizer() const { return FCustomizer; }
    void SetCustomizer(IToolBarCustomizer* value) { FCustomizer = value; }
    // "Options" shows when there is an options menu or a customizer.
    bool ShowsOptions() const { return FOptionsMenu || FCustomizer; }

    // --- state read by tests and the renderer ---------------------------------------------
    const TSelectorItem& AddAndRemoveBtn() const { return FAddAndRemoveBtn; }
    const TSelectorItem& OptionsBtn() const { return FOptionsBtn; }
    bool AddAndRemoveHot() const { return FAddAndRemoveBtnHot; }
    bool AddAndRemoveDown() const { return FAddAndRemoveBtnDown; }
    bool OptionsHot() const { return FOptionsBtnHot; }
    bool OptionsDown() const { return FOptionsBtnDown; }
    TOTBPopupWindow* AddAndRemovePopup() const { return FAddAndRemovePopup; }
    TOptionSelectorWindow* CustomizeOptionWindow() const { return FCustomizeOptionWindow; }
    TCustomizeOption* CustomizeOptionPanel() const { return FCustomizeOptionPanel; }
    bool OptionsTimerRunning() const { return FTimerRunning; }

    // Opens the check list of the toolbar's controls beside "Add or Remove Buttons".
    void OpenAddAndRemovePopup();
    // Opens the options menu or the customize window beside "Options".
    void OpenOptions();

    void Notification(TComponent* component, TOperation operation) override;

    // Colours of the command items by state (fill, and its gradient end; text).
#define ORV_SELECTOR_COLOR(Name)      \
    TColor Get##Name() const {        \
        return F##Name;               \
    }                                 \
    void Set##Name(TColor value) {    \
        if (F##Name == value) return; \
        F##Name = value;              \
        Invalidate();                 \
    }
    ORV_SELECTOR_COLOR(ItemColorHot)
    ORV_SELECTOR_COLOR(ItemColorHotTo)
    ORV_SELECTOR_COLOR(ItemColorDown)
    ORV_SELECTOR_COLOR(ItemColorDownTo)
    ORV_SELECTOR_COLOR(ItemTextColor)
    ORV_SELECTOR_COLOR(ItemTextColorHot)
    ORV_SELECTOR_COLOR(ItemTextColorDown)
#undef ORV_SELECTOR_COLOR

protected:
    void BeforeDestruction() override;
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void WindowTimer(UINT_PTR id) override;

private:
    // Both command items: 130, then max(130, caption width + 15) over the shown ones.
    void MeasureItems();
    int ComputeHeight(int bottomOfRows) const;
    void PaintItem(TCanvas& canvas, const TSelectorItem& item, bool hot, bool down, bool arrowDown);
    // The option window this panel fills (its parent), or null.
    TOptionSelectorWindow* OptionWindow() const;
    void HideCustomizeWindow();
    void OptionsTimerTick();
    void StartOptionsTimer();
    void StopOptionsTimer();
    bool PointerOverAddAndRemove() const;
    TWinControl* HomeParent() const;
    // Gives the borrowed controls to home (null: no parent) and frees the copies.
    void ReleaseControls(TWinControl* home);

    TDbgList<TControl> FControlList;
    TSelectorItem FAddAndRemoveBtn;
    TSelectorItem FOptionsBtn;
    bool FAddAndRemoveBtnHot = false;
    bool FAddAndRemoveBtnDown = false;
    bool FOptionsBtnHot = false;
    bool FOptionsBtnDown = false;
    TColor FItemColorDown = 0x808080;
    TColor FItemColorHot = 0xD2BDB6;
    int FSeparatorSize = 8;
    TColor FItemColorDownTo = clNone;
    TColor FItemColorHotTo = clNone;
    TColor FItemTextColorHot = 0xFFFFFF;
    TColor FItemTextColor = 0x000000;
    TColor FItemTextColorDown = 0x000000;
    TOTBPopupWindow* FAddAndRemovePopup = nullptr;  // owned (a component of this panel)
    bool FShowAddAndRemoveBtn = true;
    TPopupMenu* FOptionsMenu = nullptr;
    bool FTimerRunning = false;
    TDbgList<TControl> FSeparatorList;
    bool FInternalHiding = false;
    IToolBarCustomizer* FCustomizer = nullptr;
    TCustomizeOption* FCustomizeOptionPanel = nullptr;
    TOptionSelectorWindow* FCustomizeOptionWindow = nullptr;  // owned (a component of this panel)
    // Cleared when the panel goes: a menu's click handler may free the toolbar.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

}  // namespace orv
