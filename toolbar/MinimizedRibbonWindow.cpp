#include "toolbar/MinimizedRibbonWindow.h"

#include "framework/GdiHandles.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarPager.h"

namespace orv {

namespace {
constexpr UINT_PTR kHideTimer = 1;
}

TMinimizedRibbonWindow::TMinimizedRibbonWindow(TOrvToolBarPager* pager) : TForm(pager), FPager(pager) {
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetBorderIcons(0);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetBounds(0, 0, 0, 0);
    SetVisible(false);
    if (!pager->GetName().empty()) SetName(pager->GetName() + L"_RibbonWindow");
    SetColor(pager->CurrentToolBarStyler()->PagerCaption().GetBorderColor());
    SetParent(pager);
}

void TMinimizedRibbonWindow::BeforeDestruction() {
    GiveBack();
    TForm::BeforeDestruction();
}

void TMinimizedRibbonWindow::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FClone) FClone = nullptr;
    if (component == FPage) FPage = nullptr;
}

void TMinimizedRibbonWindow::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.Style = (params.Style & ~(WS_CHILD | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU)) | WS_POPUP;
    params.ClassStyle |= CS_DROPSHADOW;
    params.WinClassName = L"OrvMinimizedRibbonWindow";
    if (TForm* form = GetParentForm(FPager)) params.WndParent = form->Handle();
}

void TMinimizedRibbonWindow::ShowPage(TOrvPage* page, int pageHeight, TPoint screen) {
    if (FPage != page) GiveBack();
    FPage = page;
    page->FreeNotification(this);
    FClone = page->CloneInto(this, pageHeight);
    FClone->FreeNotification(this);
    SetColor(FPager->CurrentToolBarStyler()->PagerCaption().GetBorderColor());
    SetBounds(screen.X, screen.Y, page->Width() + 3, pageHeight + 3);
    FClone->SetBounds(2, 0, page->Width(), pageHeight);
    Show();
}

void TMinimizedRibbonWindow::HideWindow() {
    if (FHideTimerRunning) {
        StopTimer(kHideTimer);
        FHideTimerRunning = false;
    }
    if (GetVisible()) Hide();
    GiveBack();
}

void TMinimizedRibbonWindow::GiveBack() {
    // The toolbars go back to the page before the clone (and its children) are freed.
    // The window forgets its focused control: it goes back to the page's form.
    SetActiveControl(nullptr);
    TOrvPage* page = FPage;
    FPage = nullptr;
    FClone = nullptr;
    if (page) {
        RemoveFreeNotification(page);
        page->GiveBackToolBars();
    }
}

void TMinimizedRibbonWindow::DoClose(TCloseAction& action) {
    TForm::DoClose(action);
    action = TCloseAction::caHide;
    GiveBack();
}

void TMinimizedRibbonWindow::PaintWindow(HDC dc) {
    TGdiBrush brush(CreateSolidBrush(ColorToRGB(GetColor())));
    RECT r{-4, -4, ClientWidth() + 4, ClientHeight() + 4};
    FillRect(dc, &r, brush.Get());
}

void TMinimizedRibbonWindow::WndProc(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    TForm::WndProc(message);
}

void TMinimizedRibbonWindow::Activate() {
    TForm::Activate();
    // A page without a focusable toolbar leaves the focus where it is.
    if (FClone)
        if (TOrvCustomToolBar* tb = FClone->FirstFocusableToolBar()) tb->SetFocus();
}

void TMinimizedRibbonWindow::Deactivate() {
    TForm::Deactivate();
    if (!FHideOnDeActivate || !GetVisible() || FHideTimerRunning) return;
    if (FPager->Focused()) return;
    FHideTimerRunning = true;
    StartTimer(kHideTimer, 1);
}

void TMinimizedRibbonWindow::WindowTimer(UINT_PTR id) {
    if (id != kHideTimer) {
        TForm::WindowTimer(id);
        return;
    }
    StopTimer(kHideTimer);
    FHideTimerRunning = false;
    HideWindow();
    FPager->Invalidate();
}

}  // namespace orv
