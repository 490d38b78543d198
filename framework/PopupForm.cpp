#include "framework/PopupForm.h"

#include "framework/Timer.h"

namespace orv {

TPopupForm::TPopupForm(TComponent* owner) : TForm(owner), FPopupOwner(owner) {
    SetBorderIcons(0);
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetDoubleBuffered(true);
    Font().SetName(L"Tahoma");
    FVisible = false;
    if (auto* ownerControl = dynamic_cast<TWinControl*>(owner)) SetPopupParent(ownerControl);
    FHideTimer = new TTimer(this);
    FHideTimer->SetEnabled(false);
    FHideTimer->SetInterval(1);
    FHideTimer->OnTimer = [this](TObject* s) { HideTimerTick(s); };
}

void TPopupForm::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.WinClassName = ClassName();
}

void TPopupForm::HideLater() {
    FHideTimer->SetEnabled(true);
}

void TPopupForm::HideTimerTick(TObject*) {
    FHideTimer->SetEnabled(false);
    Hide();
}

void TPopupForm::KeepOwnerCaptionActive() {
    if (auto* owner = dynamic_cast<TWinControl*>(FPopupOwner); owner && owner->HandleAllocated())
        SendMessageW(GetAncestor(owner->Handle(), GA_ROOT), WM_NCACTIVATE, TRUE, 0);
}

}  // namespace orv
