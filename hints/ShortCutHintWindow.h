#pragma once
// TShortCutHintWindow: the key-tip label shown over a command while the ribbon is
// driven by the keyboard. A borderless top-most popup without drop shadow that shows
// and hides at a screen position without taking the activation. Its owner creates it
// once, keeps it hidden between uses and frees it with itself.
#include <string>

#include "framework/WinControl.h"

namespace orv {

class TShortCutHintWindow : public TCustomControl {
public:
    ORV_CLASS_NAME(TShortCutHintWindow)
    explicit TShortCutHintWindow(TComponent* owner);

    // Gradient ends: Color (the control colour) at the top, ColorTo at the bottom.
    TColor GetColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);

    // The window size the text needs (origin 0, 0); never narrower than MinWidth.
    TRect CalcHintRect(const std::wstring& text);
    // Width of "O" in the window's font plus 8 pixels.
    int MinWidth();

    // Sets the text and shows the window over screenRect (widened to MinWidth).
    void ActivateHint(const TRect& screenRect, const std::wstring& text);
    // Shows the window with its current text and the size it needs at a screen point.
    void ShowAt(TPoint screenPos);
    void HideHint();

    void SetBounds(int left, int top, int width, int height) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void EraseBackground(HDC dc) override;
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    TSize TextSize(const std::wstring& text);

    TColor FColorTo = clSilver;
};

}  // namespace orv
