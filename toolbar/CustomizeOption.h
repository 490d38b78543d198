#pragma once
// TCustomizeOption: the one-button panel of the small window the option window's
// "Options" entry opens when the toolbar has a customizer. Its button reads the
// customize text and the toolbar's caption; releasing it hides the window and asks the
// toolbar to show its customizer. Belongs to that window (FOwner).
#include <string>

#include "toolbar/OptionSelectorPanel.h"

namespace orv {

class TCustomizeOption : public TOptionSelectorPanel {
public:
    ORV_CLASS_NAME(TCustomizeOption)
    explicit TCustomizeOption(TComponent* owner);

    const std::wstring& GetCustomizeText() const { return FCustomizeText; }
    void SetCustomizeText(const std::wstring& value);
    // 25 high; as wide as the text plus the margins and 12.
    void SizeToContent();
    // The button: the client rectangle inset by the margins.
    TRect ButtonRect() const;
    bool CustomizeBtnHot() const { return FCustomizeBtnHot; }
    bool CustomizeBtnDown() const { return FCustomizeBtnDown; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;

private:
    void SetState(bool hot, bool down);

    bool FCustomizeBtnHot = false;
    bool FCustomizeBtnDown = false;
    bool FPressed = false;
    std::wstring FCustomizeText = L"Customize";
};

}  // namespace orv
