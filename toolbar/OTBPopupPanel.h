#pragma once
// TOTBCustomPopupPanel / TOTBPopupPanel: the content of a menu-tree pop-up (the check
// list of a toolbar's controls and its sub-pop-ups). The panel shows the children of
// its FItems node (not owned) with the look of a styled menu: icon column, image column
// for items that stand for controls with images, check marks and sub-menu arrows. An
// item with children opens a sub-pop-up beside itself; releasing the button over an
// auto-check item shows or hides the control it stands for. Owns its sub-pop-up window.
#include "framework/WinControl.h"
#include "paint/OrvGradients.h"

namespace orv {

namespace menus {
class TCustomOrvMenuStyler;
}
class TOTBMenuItem;
class TOTBPopupWindow;

class TOTBCustomPopupPanel : public TCustomControl {
public:
    ORV_CLASS_NAME(TOTBCustomPopupPanel)
    explicit TOTBCustomPopupPanel(TComponent* owner);

    TColor GetColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    TGradientDirection GetGradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection value);
    TColor GetWindowBorderColor() const { return FWindowBorderColor; }
    void SetWindowBorderColor(TColor value);
    int GetMarginX() const { return FMarginX; }
    int GetMarginY() const { return FMarginY; }

    // The window showing the panel went hidden.
    virtual void WindowHidden() {}

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;

    TComponent* FOwner;
    TColor FColorTo = clNone;
    TGradientDirection FGradientDirection = gdHorizontal;
    TColor FWindowBorderColor = 0x808080;
    int FMarginX = 2;
    int FMarginY = 2;
};

class TOTBPopupPanel : public TOTBCustomPopupPanel {
public:
    ORV_CLASS_NAME(TOTBPopupPanel)
    explicit TOTBPopupPanel(TComponent* owner);

    // The node whose children the panel shows (null: none).
    TOTBMenuItem* GetItems() const { return FItems; }
    void SetItems(TOTBMenuItem* value);
    menus::TCustomOrvMenuStyler* GetOrvMenuStyler() const { return FOrvMenuStyler; }
    void SetOrvMenuStyler(menus::TCustomOrvMenuStyler* value);
    bool GetShowIconBar() const { return FShowIconBar; }
    void SetShowIconBar(bool value);
    bool ShowImageBar() const { return FShowImageBar; }
    int GetItemHeight() const { return FItemHeight; }
    int GetImageBarSize() const { return FImageBarSize; }

    // Measures the items, places them one under another and sizes the panel.
    void ArrangeItems();
    // The index of the shown item at a client point, or -1.
    int ItemAt(TPoint p) const;
    int HotItem() const { return FHotItem; }
    int PopupItem() const { return FPopupItem; }
    TOTBPopupWindow* ItemPopup() const { return FItemPopup; }
    // Hides the open sub-pop-up, if any.
    void CloseSubPopup();
    void WindowHidden() override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void Paint() override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;

private:
    int ItemCount() const;
    TOTBMenuItem* Item(int index) const;
    void InvalidateItem(int index);
    void OpenSubPopup(int index);
    void PaintItem(TCanvas& canvas, TOTBMenuItem& item, bool hot, int iconSize, int imageBar);
    TOTBPopupWindow* ParentPopupWindow() const;

    TOTBMenuItem* FItems = nullptr;
    menus::TCustomOrvMenuStyler* FOrvMenuStyler = nullptr;
    int FItemHeight = 24;
    int FHotItem = -1;
    int FPopupItem = -1;
    bool FShowImageBar = false;
    bool FShowIconBar = false;
    int FImageBarSize = 20;
    TOTBPopupWindow* FItemPopup = nullptr;  // owned (a component of this panel)
};

// Draws what an item stands for (a toolbar or glow button's list image, else its glyph
// or picture) centred in column, stretched into it when larger.
void DrawItemImage(TCanvas& canvas, TControl* control, const TRect& column);
// Whether an item standing for control needs the image column.
bool ItemHasImage(TControl* control);

}  // namespace orv
