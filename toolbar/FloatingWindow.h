#pragma once
// TFloatingWindow: the borderless stay-on-top window a toolbar floats in. Sized to the
// toolbar plus its border; paints the border and its inner corner pixels. Made and freed
// by the toolbar (owner: the toolbar's owner); closing it hides the toolbar.
#include "framework/Forms.h"

namespace orv {

class TOrvCustomToolBar;

class TFloatingWindow : public TForm {
public:
    ORV_CLASS_NAME(TFloatingWindow)
    explicit TFloatingWindow(TComponent* owner);

    TOrvCustomToolBar* GetOrvCustomToolBar() const { return FOrvCustomToolBar; }
    void SetOrvCustomToolBar(TOrvCustomToolBar* value);
    int GetBorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { FBorderColor = value; }
    // Toolbar size + 2 x BorderWidth + 2 each way; the toolbar at (BorderWidth + 1, BorderWidth + 1).
    void UpdateSize();
    // Hidden by the toolbar's timer because its form was hidden.
    bool AutoHidden() const { return FAutoHidden; }
    void SetAutoHidden(bool value) { FAutoHidden = value; }
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void PaintWindow(HDC dc) override;
    void DoClose(TCloseAction& action) override;

private:
    TOrvCustomToolBar* FOrvCustomToolBar = nullptr;
    int FBorderWidth = 2;
    TColor FBorderColor = 0x6D6D6D;
    bool FAutoHidden = false;
};

}  // namespace orv
