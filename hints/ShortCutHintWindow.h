#pragma once
// TShortCutHintWindow: the key-tip label shown over a command while the ribbon is
// driven by the keyboard. A hint window without border and drop shadow, painted as a
// gradient label, placed exactly where its owner asks. Its owner creates it once,
// keeps it hidden between uses and frees it with itself.
#include <string>

#include "framework/HintWindow.h"

namespace orv {

class TShortCutHintWindow : public THintWindow {
public:
    ORV_CLASS_NAME(TShortCutHintWindow)
    explicit TShortCutHintWindow(TComponent* owner);
    using THintWindow::CalcHintRect;

    // Gradient ends: Color (the control colour) at the top, ColorTo at the bottom.
    TColor GetColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);

    // The window size the text needs (origin 0, 0, one line); never narrower than
    // MinWidth.
    TRect CalcHintRect(int maxWidth, const std::wstring& text, void* data) override;
    // Width of "O" in the window's font plus 8 pixels.
    int MinWidth();

    // Sets the text and shows the window over screenRect (widened to MinWidth), where
    // the owner placed it.
    void ActivateHint(const TRect& screenRect, const std::wstring& text) override;

    void SetBounds(int left, int top, int width, int height) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    TColor FColorTo = clSilver;
};

}  // namespace orv
