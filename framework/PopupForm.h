#pragma once
// TPopupForm: a borderless, stay-on-top pop-up window that belongs to the component that
// made it (its owner, and its pop-up parent when that is a windowed control). It starts
// hidden, registers its window class under its own class name, and can hide itself from
// a 1 ms timer, so a hide asked for while the activation changes runs after it. Derived
// windows (an application button's frame, an application menu) add their shape, look
// and keys.
#include "framework/Forms.h"

namespace orv {

class TTimer;

class TPopupForm : public TForm {
public:
    ORV_CLASS_NAME(TPopupForm)
    explicit TPopupForm(TComponent* owner);

    // Whether losing the activation hides the window (derived windows decide how).
    bool GetHideOnDeActivate() const { return FHideOnDeActivate; }
    void SetHideOnDeActivate(bool value) { FHideOnDeActivate = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    // The component that made the window; it outlives the window, which it owns.
    TComponent* PopupOwner() const { return FPopupOwner; }
    // Hides the window on the next tick of the hide timer.
    void HideLater();
    // Keeps the owner's top-level window drawing its caption active while the pop-up
    // holds the activation.
    void KeepOwnerCaptionActive();

private:
    void HideTimerTick(TObject*);
    TComponent* FPopupOwner;
    TTimer* FHideTimer;
    bool FHideOnDeActivate = true;
};

}  // namespace orv
