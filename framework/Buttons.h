#pragma once
// TSpeedButton: a flat button painted on its parent, showing an image of an image list
// (or its caption when it has none). It rises under the pointer, sinks while pressed,
// and a release over it clicks it. Takes no focus.
#include "framework/Controls.h"

namespace orv {

class TImageList;

class TSpeedButton : public TGraphicControl {
public:
    ORV_CLASS_NAME(TSpeedButton)
    explicit TSpeedButton(TComponent* owner);
    void Notification(TComponent* component, TOperation operation) override;

    // Not owned; the button hears of its removal.
    TImageList* GetImages() const { return FImages; }
    void SetImages(TImageList* value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    bool Pressed() const { return FPressed; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void WndProc(TMessage& message) override;

private:
    TImageList* FImages = nullptr;
    int FImageIndex = -1;
    bool FPressed = false;
};

}  // namespace orv
