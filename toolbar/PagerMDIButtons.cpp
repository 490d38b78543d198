// The pager's MDI buttons: minimize, restore and close of the maximized MDI child of the
// pager's form, in the tab row right of the tabs.
#include <windows.h>

#include "buttons/OrvGlowButton.h"
#include "framework/Canvas.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "framework/Resources.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvPageScrollButton.h"
#include "toolbar/OrvToolBarPager.h"

namespace orv {

namespace {

constexpr UINT_PTR kMDITimer = 3;
constexpr unsigned kMDICheck = 200;
constexpr TColor kMaskColor = 0x00FF00FF;

const TCaptionGlyph kMDIGlyphs[3] = {cgMinimize, cgRestore, cgClose};
const wchar_t* const kMDIBitmaps[3] = {L"OTBECMIN", L"OTBECMAX", L"OTBECCLOSE"};

// The border icon that enables MDI button index on the child.
TBorderIconFlag MDIButtonIcon(int index) {
    return index == 0 ? biMinimize : index == 1 ? biMaximize : biSystemMenu;
}

// The glass glyph from the resources, its mask colour left out; false without it.
bool DrawMDIBitmap(TCanvas& canvas, const wchar_t* name, const TRect& r) {
    TGdiBitmap bitmap(static_cast<HBITMAP>(LoadImageW(MainInstance(), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap.Get()) return false;
    BITMAP info{};
    GetObjectW(bitmap.Get(), sizeof(info), &info);
    TGdiMemoryDC src(CreateCompatibleDC(canvas.Handle()));
    TSelectGuard select(src.Get(), bitmap.Get());
    const int x = r.Left + (r.Width() - info.bmWidth) / 2, y = r.Top + (r.Height() - info.bmHeight) / 2;
    TransparentBlt(canvas.Handle(), x, y, info.bmWidth, info.bmHeight, src.Get(), 0, 0, info.bmWidth, info.bmHeight,
                   ToColorRef(kMaskColor));
    return true;
}

}  // namespace

void TOrvToolBarPager::UpdateMDIButtons() {
    if (IsDestroying()) return;
    const bool wanted = FAutoMDIButtons && !IsDesigning() && !IsLoading();
    if (wanted != FMDITimerOn && HandleAllocated()) {
        if (wanted)
            StartTimer(kMDITimer, kMDICheck);
        else
            StopTimer(kMDITimer);
        FMDITimerOn = wanted;
    }
    TForm* form = GetParentForm(this);
    TForm* child = nullptr;
    if (wanted && form && form->GetFormStyle() == TFormStyle::fsMDIForm && form->GetBorderIcons() != 0 &&
        form->HandleAllocated() && form->ActiveMDIChildMaximized())
        child = form->ActiveMDIChild();
    if (!child) {
        for (TOrvGlowButton* b : FMDIButtons)
            if (b && b->GetVisible()) b->SetVisible(false);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        if (!FMDIButtons[i]) {
            FMDIButtons[i] = MakeButton([this, i](TObject*) { MDIButtonClick(i); });
            FMDIButtons[i]->OnDrawButton = [this, i](TObject* s, TCanvas& c, TGlowButtonState, TRect r) {
                auto* button = static_cast<TOrvGlowButton*>(s);
                if (ScenicRibbonMode && FIsAeroVista && GlassDrawing() && DrawMDIBitmap(c, kMDIBitmaps[i], r)) return;
                TColor color = CurrentToolBarStyler()->PagerCaption().GetTextColor();
                if (!button->GetEnabled()) color = clGray;
                DrawCaptionGlyph(c, kMDIGlyphs[i], color, r.Left + (r.Width() - kCaptionGlyphSize) / 2,
                                 r.Top + (r.Height() - kCaptionGlyphSize) / 2);
            };
        }
        TOrvGlowButton* b = FMDIButtons[i];
        b->SetEnabled((child->GetBorderIcons() & MDIButtonIcon(i)) != 0);
        b->SetVisible(true);
        b->BringToFront();
    }
    PlaceMDIButtons();
}

void TOrvToolBarPager::PlaceMDIButtons() {
    const TPagerGeometry g = Geometry();
    for (int i = 0; i < 3; ++i) {
        if (!FMDIButtons[i]) continue;
        const TRect r = PagerMDIButtonRect(g, i);
        FMDIButtons[i]->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    }
}

void TOrvToolBarPager::MDIButtonClick(int index) {
    TForm* form = GetParentForm(this);
    if (!form || form->GetFormStyle() != TFormStyle::fsMDIForm || !form->ActiveMDIChildMaximized()) return;
    TForm* child = form->ActiveMDIChild();
    if (!child) return;
    switch (index) {
        case 0:
            if (child->GetBorderIcons() & biMinimize) child->SetWindowState(TWindowState::wsMinimized);
            break;
        case 1:
            if (child->GetBorderIcons() & biMaximize) child->SetWindowState(TWindowState::wsNormal);
            break;
        default:
            child->Close();
            break;
    }
    UpdateMDIButtons();
}

}  // namespace orv
