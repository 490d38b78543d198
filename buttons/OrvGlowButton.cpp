#include "buttons/OrvGlowButton.h"

#include <windowsx.h>

#include <algorithm>
#include <cwctype>
#include <utility>

#include "buttons/GlowButtonPresets.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "hints/OrvHintInfo.h"
#include "hints/ShortCutHintWindow.h"
#include "paint/FaceCache.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvColors.h"
#include "paint/OrvEnvironment.h"

namespace orv {

namespace {

constexpr UINT_PTR kGlowTimer = 1;
constexpr UINT_PTR kRepeatTimer = 2;

void BlendFills(TGlowColorSet& out, const TGlowColorSet& a, const TGlowColorSet& b, int percent) {
    out.Color = BlendColor(a.Color, b.Color, percent);
    out.ColorTo = BlendColor(a.ColorTo, b.ColorTo, percent);
    out.ColorMirror = BlendColor(a.ColorMirror, b.ColorMirror, percent);
    out.ColorMirrorTo = BlendColor(a.ColorMirrorTo, b.ColorMirrorTo, percent);
}

}  // namespace

// Lets a glow face key be a field of another key (compared field by field).
[[maybe_unused]] static bool operator==(const TGlowButtonFace& a, const TGlowButtonFace& b) {
    return a.Tie() == b.Tie();
}

namespace {

// A transparent button's face composed over its parent's background: the face, the
// parent's background key and where the button sits on it.
struct TGlowOverParentFace {
    TGlowButtonFace Face;
    uint64_t ParentKey = 0;
    int Left = 0;
    int Top = 0;
    auto Tie() const { return std::tie(Face, ParentKey, Left, Top); }
};
static_assert(FaceKeyComplete<TGlowOverParentFace>());

}  // namespace

TPoint ShortCutHintOrigin(TShortCutHintPos pos, int sx, int sy, int bw, int bh, int w, int h) {
    int centreX = sx + (bw - w) / 2, leftX = sx + 6, rightX = sx + bw - w + 1;
    switch (pos) {
        case shpLeft:
            return {leftX, sy + (bh - h) / 2};
        case shpRight:
            return {sx + bw - w / 2, sy + (bh - h) / 2};
        case shpBottom:
            return {centreX, sy + bh - h / 2};
        case shpCenter:
            return {centreX, sy + (bh - h) / 2};
        case shpTopLeft:
            return {leftX, sy - h / 2};
        case shpTopRight:
            return {rightX, sy - h / 2};
        case shpAboveTop:
            return {centreX, sy - h};
        case shpAboveTopLeft:
            return {leftX, sy - h};
        case shpAboveTopRight:
            return {rightX, sy - h};
        case shpBottomLeft:
            return {leftX, sy + bh - h / 2};
        case shpBottomRight:
            return {rightX, sy + bh - h / 2};
        case shpBelowBottom:
        case shpBelowBottomCenter:
            return {centreX, sy + bh};
        case shpBelowBottomLeft:
            return {leftX, sy + bh};
        case shpBelowBottomRight:
            return {rightX, sy + bh};
        case shpTop:
        case shpAuto:
        default:
            return {centreX, sy - h / 2};
    }
}

// --- action link ---------------------------------------------------------------------------

TOrvGlowButtonActionLink::TOrvGlowButtonActionLink(TOrvCustomGlowButton* client)
    : TControlActionLink(client), FClient(client) {}

bool TOrvGlowButtonActionLink::IsCheckedLinked() {
    TCustomAction* a = Custom();
    FClient->FCheckLinked = a && a->GetChecked() == FClient->GetDown();
    return FClient->FCheckLinked;
}

bool TOrvGlowButtonActionLink::IsGroupIndexLinked() {
    TCustomAction* a = Custom();
    FClient->FGroupIndexLinked = a && a->GetGroupIndex() == FClient->GetGroupIndex();
    return FClient->FGroupIndexLinked;
}

bool TOrvGlowButtonActionLink::IsImageIndexLinked() {
    TCustomAction* a = Custom();
    return a && a->GetImageIndex() == FImageIndex;
}

void TOrvGlowButtonActionLink::SetChecked(bool value) {
    if (IsCheckedLinked()) FClient->SetDown(value);
}

void TOrvGlowButtonActionLink::SetGroupIndex(int value) {
    if (IsGroupIndexLinked()) FClient->SetGroupIndex(value);
}

void TOrvGlowButtonActionLink::SetImageIndex(int value) {
    if (!IsImageIndexLinked()) return;
    FImageIndex = value;
    FClient->Invalidate();
    FClient->SetImageIndex(value);
}

// --- construction -----------------------------------------------------------------------------

TOrvCustomGlowButton::TOrvCustomGlowButton(TComponent* owner)
    : TCustomControl(owner),
      FPicture(std::make_unique<TGDIPPicture>()),
      FDisabledPicture(std::make_unique<TGDIPPicture>()),
      FHotPicture(std::make_unique<TGDIPPicture>()),
      FOfficeHint(std::make_unique<TOrvHintInfo>()) {
    // No double clicks: a quick second press is a second click.
    FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csOpaque;
    FWidth = 100;
    FHeight = 41;
    FTabStop = false;
    FDoubleBuffered = true;
    FAppearance.OnChange = [this](TObject* s) { AppearanceChanged(s); };
    auto contentChanged = [this](TObject*) { ContentChanged(); };
    FPicture->OnChange = contentChanged;
    FDisabledPicture->OnChange = contentChanged;
    FHotPicture->OnChange = contentChanged;
    FImagesLink.OnChange = contentChanged;
    FDisabledImagesLink.OnChange = contentChanged;
    FHotImagesLink.OnChange = contentChanged;
    FInternalImagesLink.OnChange = contentChanged;
    FNotesFont.SetName(L"Tahoma");
    FNotesFont.SetSize(8);
    FNotesFont.OnChange = contentChanged;
    // Asked once: the answer cannot change while the program runs.
    FIsVista = IsVistaOrLater();
}

TOrvCustomGlowButton::~TOrvCustomGlowButton() = default;

void TOrvCustomGlowButton::BeforeDestruction() {
    StopGlow();
    StopRepeat();
    TCustomControl::BeforeDestruction();
}

void TOrvCustomGlowButton::CreateHandleDone() {
    TCustomControl::CreateHandleDone();
    FActive = FDefault;
    UpdateShape();
}

void TOrvCustomGlowButton::Resize() {
    TCustomControl::Resize();
    UpdateShape();
}

void TOrvCustomGlowButton::UpdateShape() {
    if (!HandleAllocated()) return;
    bool left = FPosition == bpStandalone || FPosition == bpLeft;
    bool right = FPosition == bpStandalone || FPosition == bpRight;
    bool shaped = FRounded && (left || right) && FWidth > 1 && FHeight > 1;
    if (!shaped) {
        if (FShaped) SetWindowRgn(FHandle, nullptr, IsWindowVisible(FHandle));
        FShaped = false;
        return;
    }
    TGdiRegion shape(CreateRectRgn(0, 0, FWidth, FHeight));
    auto cut = [&](int x, int y) {
        TGdiRegion pixel(CreateRectRgn(x, y, x + 1, y + 1));
        CombineRgn(shape.Get(), shape.Get(), pixel.Get(), RGN_DIFF);
    };
    if (left) cut(0, 0), cut(0, FHeight - 1);
    if (right) cut(FWidth - 1, 0), cut(FWidth - 1, FHeight - 1);
    // The window owns the region once it has taken it.
    if (SetWindowRgn(FHandle, shape.Get(), IsWindowVisible(FHandle))) shape.Release();
    FShaped = true;
}

void TOrvCustomGlowButton::Loaded() {
    TCustomControl::Loaded();
    UpdateShape();
    if (FInitialDown) SetDown(true);
    if (FAutoSize) ApplyAutoSize();
}

void TOrvCustomGlowButton::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FImages) SetImages(nullptr);
    if (component == FDisabledImages) SetDisabledImages(nullptr);
    if (component == FHotImages) SetHotImages(nullptr);
    if (component == FInternalImages) FInternalImages = nullptr;
    if (component == FDropDownMenu) FDropDownMenu = nullptr;
    if (component == FShortCutHintWindow) FShortCutHintWindow = nullptr;
}

// --- property setters ------------------------------------------------------------------------

void TOrvCustomGlowButton::ContentChanged() {
    if (FAutoSize && !IsLoading()) ApplyAutoSize();
    Invalidate();
}

void TOrvCustomGlowButton::SetImageList(TImageList*& field, TChangeLink& link, TImageList* value) {
    if (field == value) return;
    if (field) {
        field->UnRegisterChanges(&link);
        RemoveFreeNotification(field);
    }
    field = value;
    if (field) {
        field->RegisterChanges(&link);
        FreeNotification(field);
    }
    ContentChanged();
}

void TOrvCustomGlowButton::SetAutoSize(bool value) {
    if (FAutoSize == value) return;
    FAutoSize = value;
    ContentChanged();
}

void TOrvCustomGlowButton::SetDefault(bool value) {
    FDefault = value;
    if (!HandleAllocated()) return;
    TWinControl* focused = FromHandle(GetFocus());
    FActive = focused == this || (value && !dynamic_cast<TOrvCustomGlowButton*>(focused));
}

void TOrvCustomGlowButton::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    // Opaque while it paints its whole face (the rounded corners it takes from the
    // parent itself); transparent, it starts every paint from the parent's background.
    if (value)
        FControlStyle = (FControlStyle & ~csOpaque) | csParentBackground;
    else
        FControlStyle = (FControlStyle & ~csParentBackground) | csOpaque;
    Invalidate();
}

void TOrvCustomGlowButton::SetRounded(bool value) {
    if (FRounded == value) return;
    FRounded = value;
    UpdateShape();
    Invalidate();
}

void TOrvCustomGlowButton::SetPosition(TButtonPosition value) {
    if (FPosition == value) return;
    FPosition = value;
    UpdateShape();
    Invalidate();
}

TImageList& TOrvCustomGlowButton::InternalImages() {
    if (!FInternalImages) {
        FInternalImages = new TImageList(this);
        FInternalImages->RegisterChanges(&FInternalImagesLink);
    }
    return *FInternalImages;
}

void TOrvCustomGlowButton::SetImageIndex(int value) {
    StoreAndInvalidate(FImageIndex, value);
}

void TOrvCustomGlowButton::SetNotes(const std::vector<std::wstring>& value) {
    if (FNotes == value) return;
    FNotes = value;
    ContentChanged();
}

void TOrvCustomGlowButton::SetAppearance(const TGlowButtonAppearance& value) {
    FAppearance.Assign(&value);
}

void TOrvCustomGlowButton::AppearanceChanged(TObject*) {
    UpdateHintColors();
    Invalidate();
}

void TOrvCustomGlowButton::UpdateHintColors() {
    if (!FShortCutHintWindow) return;
    FShortCutHintWindow->SetColor(clWhite);
    FShortCutHintWindow->SetColorTo(FAppearance.GetColor());
}

void TOrvCustomGlowButton::SetComponentStyle(TZemStyle style) {
    if (style == tsCustom) return;
    ApplyGlowButtonPreset(FAppearance, style);
    UpdateHintColors();
    Invalidate();
}

void TOrvCustomGlowButton::SetDropDownButton(bool value) {
    if (FDropDownButton == value) return;
    FDropDownButton = value;
    ContentChanged();
}

void TOrvCustomGlowButton::SetDropDownPosition(TDropDownPosition value) {
    if (FDropDownPosition == value) return;
    FDropDownPosition = value;
    if (FDropDownButton)
        ContentChanged();
    else
        Invalidate();
}

void TOrvCustomGlowButton::SetDropDownMenu(TPopupMenu* value) {
    if (FDropDownMenu == value) return;
    if (FDropDownMenu) RemoveFreeNotification(FDropDownMenu);
    FDropDownMenu = value;
    if (FDropDownMenu) FreeNotification(FDropDownMenu);
}

// --- grouping and Down -----------------------------------------------------------------------

void TOrvCustomGlowButton::SetDown(bool value) {
    if (IsLoading()) {
        FInitialDown = value;
        return;
    }
    if (FGroupIndex == 0 && FStyle == bsButton) value = false;
    if (FGroupIndex == 0) {
        // A lone check button.
        if (FDownChecked == value && FState == (value ? absDown : absUp)) return;
        FDownChecked = value;
        FState = value ? absDown : absUp;
        Repaint();
        return;
    }
    if (value == FDownChecked) return;
    // A group's down button is only raised by another one going down (or AllowAllUp).
    if (FDownChecked && !FAllowAllUp) return;
    FDownChecked = value;
    if (value) {
        bool wasUp = FState == absUp;
        FState = absExclusive;
        if (wasUp) Invalidate();
    } else {
        FState = absUp;
        Repaint();
    }
    if (value && !FCheckLinked) UpdateExclusive();
}

void TOrvCustomGlowButton::UpdateExclusive() {
    // A button without a parent has no siblings to tell.
    if (!FParent || FGroupIndex == 0) return;
    TWinControl* parent = FParent;
    for (int i = 0; i < parent->ControlCount(); ++i)
        parent->Controls(i)->Perform(CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex),
                                     reinterpret_cast<LPARAM>(this));
}

void TOrvCustomGlowButton::ButtonPressed(int groupIndex, TOrvCustomGlowButton* sender) {
    if (groupIndex != FGroupIndex || sender == this || !sender) return;
    if (sender->FDownChecked && FDownChecked) {
        FDownChecked = false;
        FState = absUp;
        Invalidate();
    }
}

void TOrvCustomGlowButton::SetGroupIndex(int value) {
    if (FGroupIndex == value) return;
    FGroupIndex = value;
    if (FDownChecked) UpdateExclusive();
}

void TOrvCustomGlowButton::SetAllowAllUp(bool value) {
    if (FAllowAllUp == value) return;
    FAllowAllUp = value;
    if (FDownChecked) UpdateExclusive();
}

// --- size states -------------------------------------------------------------------------------

void TOrvCustomGlowButton::SetButtonSizeState(TButtonSizeState state) {
    if (state == FButtonSizeState) return;
    if (FButtonSizeState == bsLarge) {
        FOldLayout = FLayout;
        FOldDropDownPosition = FDropDownPosition;
    }
    FButtonSizeState = state;
    if (FAutoSize) {
        FLayout = state == bsLarge ? FOldLayout : blGlyphLeft;
        FDropDownPosition = state == bsLarge ? FOldDropDownPosition : dpRight;
    }
    FFirstPaint = true;
    if (FAutoSize && !IsLoading()) ApplyAutoSize();
    Repaint();
}

void TOrvCustomGlowButton::SetMaxButtonSizeState(TButtonSizeState value) {
    FMaxButtonSizeState = value;
    SetButtonSizeState(value);
}

void TOrvCustomGlowButton::SetMinButtonSizeState(TButtonSizeState value) {
    FMinButtonSizeState = value;
    if (FButtonSizeState < value) SetButtonSizeState(value);
}

TSize TOrvCustomGlowButton::AutoSizeFor(const TGlowButtonPaint& paint) {
    // Measured on a scratch surface: the button may have no window yet.
    TBitmap scratch(1, 1);
    TGlowButtonPaintResult measured = DrawGlowButton(scratch.Canvas(), paint);
    int w = 3 * FSpacing + measured.Content.cx + 2 * FMarginHorz + 2;
    int h = 2 * FSpacing + measured.Content.cy + 2 * FMarginVert;
    if (paint.DropDownButton) (paint.DropDownPosition == dpRight ? w : h) += kDropDownPartSize;
    return {w, h};
}

TSize TOrvCustomGlowButton::GetSizeForState(TButtonSizeState state) {
    return AutoSizeFor(BuildPaint(true, state));
}

void TOrvCustomGlowButton::ApplyAutoSize() {
    FDoAutoSize = false;
    FFirstPaint = false;
    TSize size = AutoSizeFor(BuildPaint(true, FButtonSizeState));
    int w = size.cx, h = size.cy;
    OnSetButtonSize(this, w, h);
    if (w != FWidth || h != FHeight) SetBounds(FLeft, FTop, w, h);
}

// --- painting ------------------------------------------------------------------------------------

TGlowColorSet TOrvCustomGlowButton::CurrentColors() {
    return ColorsAt(FStepHover, FStepPush);
}

TGlowColorSet TOrvCustomGlowButton::ColorsAt(int stepHover, int stepPush) {
    bool enabled = GetEnabled();
    const TGlowButtonAppearance& a = FAppearance;
    TGlowColorSet c;
    bool checkedLook = FState == absExclusive || (FStyle == bsCheck && FState == absDown);
    if ((FState != absDisabled && enabled) || !FShowDisabled) {
        if (checkedLook) {
            c = a.Look(glChecked);
            if (FTimerActive && (FMouseInControl || (FStyle != bsCheck && (FGroupIndex < 1 || FState == absDown))))
                BlendFills(c, a.Look(glChecked), a.Look(glDown), stepPush);
        } else if (FState == absDown) {
            c = a.Look(glDown);
        } else if (FHot) {
            c = a.Look(glHot);
        } else {
            c = a.Look(glNormal);
        }
    } else {
        c = a.Look(glDisabled);
    }
    if (FTimerActive) {
        if (FDown || FTransparent || FState == absExclusive || (FStyle == bsCheck && FState == absDown)) {
            if (FStyle == bsCheck && FDown) {
                BlendFills(c, a.Look(glDown), a.Look(glChecked), stepPush);
            } else if (FDown && FState != absExclusive) {
                BlendFills(c, a.Look(glDown), a.Look(glHot), stepPush);
                c.BorderColor = BlendColor(a.GetBorderColorDown(), a.GetBorderColorHot(), stepPush);
            }
        } else {
            BlendFills(c, a.Look(glHot), a.Look(glNormal), stepHover);
            c.BorderColor = BlendColor(a.GetBorderColorHot(), a.GetBorderColor(), stepHover);
        }
    }
    if (FPosition != bpStandalone && FMouseDown) c.BorderColor = a.GetBorderColor();
    if ((FState == absDisabled || !enabled) && FShowDisabled) c = a.Look(glDisabled);
    if (FHasFocus && (FFocusType == ftHot || FFocusType == ftHotBorder) && !FDown) c = a.Look(glHot);
    return c;
}

bool TOrvCustomGlowButton::FadeEnds(TGlowColorSet& from, TGlowColorSet& to, int& percent) {
    if (!FTimerActive) return false;
    const TGlowColorSet now = ColorsAt(FStepHover, FStepPush);
    // The frame's colours are a blend of two end looks when every colour is either the
    // blend of its ends at the step or the same at both ends.
    auto blendOf = [&now](const TGlowColorSet& a, const TGlowColorSet& b, int step) {
        auto same = [step](TColor frame, TColor atStart, TColor atEnd) {
            return (atStart == atEnd && frame == atStart) || frame == BlendColor(atEnd, atStart, step);
        };
        return same(now.Color, a.Color, b.Color) && same(now.ColorTo, a.ColorTo, b.ColorTo) &&
               same(now.ColorMirror, a.ColorMirror, b.ColorMirror) &&
               same(now.ColorMirrorTo, a.ColorMirrorTo, b.ColorMirrorTo) &&
               same(now.BorderColor, a.BorderColor, b.BorderColor) && now.Gradient == a.Gradient &&
               now.Gradient == b.Gradient && now.GradientMirror == a.GradientMirror &&
               now.GradientMirror == b.GradientMirror;
    };
    for (bool hover : {true, false}) {
        int step = hover ? FStepHover : FStepPush;
        TGlowColorSet a = hover ? ColorsAt(0, FStepPush) : ColorsAt(FStepHover, 0);
        TGlowColorSet b = hover ? ColorsAt(100, FStepPush) : ColorsAt(FStepHover, 100);
        if (a == b || !blendOf(a, b, step)) continue;
        from = a;
        to = b;
        percent = step;
        return true;
    }
    return false;
}

TGlowButtonPaint TOrvCustomGlowButton::BuildPaint(bool measure, TButtonSizeState sizeState) {
    TGlowButtonPaint p;
    bool enabled = GetEnabled();
    p.Rect = {0, 0, FWidth, FHeight};
    p.Measure = measure;
    p.Colors = CurrentColors();
    bool checkedLook = FState == absExclusive || (FStyle == bsCheck && FState == absDown);
    bool normalSet = (FState != absDisabled && enabled) || !FShowDisabled;
    p.Highlighted = normalSet && !checkedLook && (FState == absDown || FHot);
    bool focusHot = FHasFocus && (FFocusType == ftHot || FFocusType == ftHotBorder);
    if ((FState == absDisabled || !enabled) && FShowDisabled) p.Highlighted = false;
    if (focusHot && !FDown) p.Highlighted = true;
    bool hovered = FHot || FMouseInControl;
    p.DrawBackground = !FStaticButton && (!FTransparent || hovered || focusHot || FState == absDown || FDroppedDown);
    p.DropDownButton = FDropDownButton;
    p.DropDownPosition = FDropDownPosition;
    p.DropDownDirection = FDropDownDirection;
    p.DropDownSplit = FDropDownSplit;
    p.DropDownHover = FDropDownButton && (FMouseInControl || FMouseDown) ? (FInButton ? 2 : 1) : 0;
    p.FocusBorder = FHasFocus && (FFocusType == ftBorder || FFocusType == ftHotBorder);
    p.BorderStyle = FBorderStyle;
    p.Rounded = FRounded;
    p.Position = FPosition;
    p.Emphasized = FMouseInControl || FDownChecked;
    p.Enabled = enabled;
    p.AntiAlias = FAntiAlias;
    p.WordWrap = FWordWrap;
    p.Trimming = FTrimming;
    p.Spacing = FSpacing;
    p.DrawCaption = FDefaultCaptionDrawing;
    p.DrawGlyph = FDefaultPicDrawing;
    for (size_t i = 0; i < FNotes.size(); ++i) p.Notes += (i ? L"\n" : L"") + FNotes[i];
    p.NotesFont = &FNotesFont;
    if (FShowCaption) p.Caption = FCaption.empty() ? FWideCaption : FCaption;

    // Glyph: the disabled list when disabled, the hot list when hot; pictures win.
    TImageList* list = nullptr;
    if (enabled || !FDisabledImages) {
        list = FHot && FHotImages ? FHotImages : FImages;
        p.ImagesEnabled = enabled;
    } else {
        list = FDisabledImages;
        p.ImagesEnabled = true;
    }
    int imageIndex = FImageIndex;
    if (auto* action = dynamic_cast<TCustomAction*>(GetAction())) {
        TActionList* actions = action->GetActionList();
        if (action->GetImageIndex() >= 0 && actions && actions->GetImages()) {
            imageIndex = action->GetImageIndex();
            if (!list || FImageListType == ipActionList) list = actions->GetImages();
        }
    }
    if (!list) list = FInternalImages;
    p.Images = list;
    p.ImageIndex = imageIndex;
    // The quick access toolbar's images draw themselves.
    p.ImagesDrawThemselves = FParent && _wcsicmp(FParent->ClassName(), L"TOrvQuickAccessToolBar") == 0;
    if (!enabled && !FDisabledPicture->Empty())
        p.Picture = FDisabledPicture.get();
    else if (FHot && !FHotPicture->Empty())
        p.Picture = FHotPicture.get();
    else
        p.Picture = FPicture.get();
    // Data given straight to a picture leaves its size to be learnt.
    if (!p.Picture->Empty() && p.Picture->Width() == 0) p.Picture->GetImageSizes();

    // Size states, for auto-sized buttons only.
    p.Layout = FLayout;
    if (FAutoSize) {
        if (sizeState == bsLarge) {
            if (FButtonSizeState != bsLarge) {
                p.Layout = FOldLayout;
                p.DropDownPosition = FOldDropDownPosition;
            }
        } else {
            p.Layout = blGlyphLeft;
            p.DropDownPosition = dpRight;
            p.ForcedGlyphSize = {16, 16};
            if (list && imageIndex >= 0) p.Picture = nullptr;
            if (sizeState == bsGlyph) p.Caption.clear();
        }
    }
    // The caption font: the system face unless the font is the parent's.
    FPaintFont.Assign(&Font());
    if (!GetParentFont() && FAppearance.GetSystemFont()) FPaintFont.SetName(FIsVista ? L"Segoe UI" : L"Tahoma");
    p.Font = &FPaintFont;
    return p;
}

void TOrvCustomGlowButton::Paint() {
    if (FPainting) return;
    FPainting = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FPainting};
    // A transparent button's parent background is already there (csParentBackground).
    HDC dc = Canvas().Handle();

    if (GetEnabled()) {
        // A group's down button paints down whatever let go of it last.
        if (FState == absDisabled || FState == absUp) FState = RestingState();
    } else {
        FState = absDisabled;
        FDragging = false;
    }
    if (FStyle == bsCheck && FDownChecked) FState = absDown;
    if (FDoAutoSize || (FFirstPaint && FAutoSize)) ApplyAutoSize();
    FFirstPaint = false;

    TGlowButtonPaint p = BuildPaint(false, FButtonSizeState);
    p.Rect = {0, 0, FWidth, FHeight};
    TGlowColorSet from, to;
    int percent = 0;
    uint64_t parentKey = std::exchange(FParentBackgroundKey, 0);
    // Off screen a rounded opaque button shows its parent at its corners (on screen its
    // window's shape leaves them out): a parent that names its pixels lets the face carry
    // them, instead of a parent paint beneath the corners at every paint.
    if (!parentKey && !FPaintingOnScreen && !FTransparent && FRounded && FPosition != bpMiddle && GlowFaceCache)
        parentKey = ParentBackgroundKey();
    if (parentKey && GlowFaceCache && FWidth > 0 && FHeight > 0) {
        // The parent's background was left out: the kept face carries it.
        auto faceOver = [this, parentKey](const TGlowButtonPaint& q) {
            return SharedFaceCache().Get(TGlowOverParentFace{GlowButtonFaceOf(q), parentKey, FLeft, FTop}, FWidth,
                                         FHeight, [this, &q](TFace&, HDC faceDC) {
                                             DrawParentBackground(faceDC);
                                             TCanvas canvas;
                                             canvas.SetHandle(faceDC);
                                             DrawGlowButton(canvas, q);
                                             canvas.SetHandle(nullptr);
                                             // Off screen the parent shows there too.
                                             GiveCornersBack(faceDC, q);
                                         });
        };
        std::shared_ptr<const TFace> fromFace, toFace;
        if (FadeEnds(from, to, percent)) {
            TGlowButtonPaint end = p;
            end.Colors = from;
            fromFace = faceOver(end);
            end.Colors = to;
            toFace = faceOver(end);
        } else {
            toFace = faceOver(p);
        }
        if (toFace->Empty() || (fromFace && fromFace->Empty())) {
            // No face to be had (the handles ran out): what it holds, straight onto the canvas.
            DrawParentBackground(dc);
            DrawGlowButton(Canvas(), p);
            GiveCornersBack(dc, p);
        } else if (fromFace) {
            BlendFaces(dc, 0, 0, *fromFace, *toFace, percent);
        } else {
            toFace->Blit(dc, 0, 0);
        }
        TGlowButtonState reported = FState == absDown ? gsDown : FMouseInControl ? gsHot : gsNormal;
        OnDrawButton(this, Canvas(), reported, TRect{0, 0, FWidth, FHeight});
        return;
    }
    if (!GlowFaceCache)
        DrawGlowButton(Canvas(), p);
    else if (FadeEnds(from, to, percent))
        PaintGlowButtonFade(Canvas(), p, from, to, percent);
    else
        PaintGlowButton(Canvas(), p);

    TGlowButtonState reported = FState == absDown ? gsDown : FMouseInControl ? gsHot : gsNormal;
    OnDrawButton(this, Canvas(), reported, TRect{0, 0, FWidth, FHeight});

    // Give the corners outside the rounded frame back to the parent. On screen the
    // window's shape leaves them out, and the parent paints them with its own paint.
    if (!FPaintingOnScreen) GiveCornersBack(dc, p);
}

void TOrvCustomGlowButton::GiveCornersBack(HDC dc, const TGlowButtonPaint& p) {
    if (!FParent || !FRounded || !p.DrawBackground || FPosition == bpMiddle) return;
    TGdiRegion corners(CreateRectRgn(0, 0, 0, 0));
    auto addPixel = [&](int x, int y) {
        TGdiRegion pixel(CreateRectRgn(x, y, x + 1, y + 1));
        CombineRgn(corners.Get(), corners.Get(), pixel.Get(), RGN_OR);
    };
    bool left = FPosition == bpStandalone || FPosition == bpLeft;
    bool right = FPosition == bpStandalone || FPosition == bpRight;
    if (left) addPixel(0, 0), addPixel(0, FHeight - 1);
    if (right) addPixel(FWidth - 1, 0), addPixel(FWidth - 1, FHeight - 1);
    DrawParentBackground(dc, corners.Get());
}

void TOrvCustomGlowButton::EraseBackground(HDC dc) {
    FParentBackgroundKey = 0;
    if (FTransparent && GlowFaceCache) {
        FParentBackgroundKey = ParentBackgroundKey();
        if (FParentBackgroundKey) return;
    }
    TCustomControl::EraseBackground(dc);
}

uint64_t TOrvCustomGlowButton::ParentBackgroundKey() {
    if (!FParent) return 0;
    TParentBackgroundQuery query;
    query.Rect = BoundsRect();
    query.Child = this;
    return FParent->Perform(WM_ORV_PARENTBACKGROUNDKEY, 0, reinterpret_cast<LPARAM>(&query)) ? query.Key : 0;
}

// --- animation ---------------------------------------------------------------------------------

void TOrvCustomGlowButton::StartGlow() {
    if (FTimerActive) return;
    FTimerActive = true;
    StartTimer(kGlowTimer, GlowSpeed);
}

// The timer is only stopped (never freed from inside its own tick): one per button.
void TOrvCustomGlowButton::StopGlow() {
    if (!FTimerActive) return;
    FTimerActive = false;
    StopTimer(kGlowTimer);
}

void TOrvCustomGlowButton::GlowTick() {
    if (FGlowState == gsNone) {
        StopGlow();
        return;
    }
    int& step = FGlowState == gsHover ? FStepHover : FStepPush;
    step += FTimeInc;
    if (step > 100 || step < 0) {
        step = std::clamp(step, 0, 100);
        if (FGlowState == gsPush && FTimeInc < 0) {
            FDown = false;
            FLeftDown = false;
        }
        FGlowState = gsNone;
        StopGlow();
        return;
    }
    Invalidate();
}

void TOrvCustomGlowButton::RepeatTick() {
    StartTimer(kRepeatTimer, static_cast<UINT>(FRepeatPause));
    if (!FDown || GetCapture() != FHandle) return;
    try {
        Click();
    } catch (...) {
        StopRepeat();
        throw;
    }
}

void TOrvCustomGlowButton::StopRepeat() {
    if (!FRepeatActive) return;
    FRepeatActive = false;
    StopTimer(kRepeatTimer);
}

void TOrvCustomGlowButton::WindowTimer(UINT_PTR id) {
    if (id == kGlowTimer && FTimerActive)
        GlowTick();
    else if (id == kRepeatTimer && FRepeatActive)
        RepeatTick();
}

// --- mouse -------------------------------------------------------------------------------------------

void TOrvCustomGlowButton::TrackPointer(int x, int y) {
    Perform(Inside(x, y) ? CM_MOUSEENTER : CM_MOUSELEAVE);
}

void TOrvCustomGlowButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button != TMouseButton::mbLeft) {
        TCustomControl::MouseDown(button, shift, x, y);
        return;
    }
    if (FRepeatClick) {
        FRepeatActive = true;
        StartTimer(kRepeatTimer, static_cast<UINT>(FInitRepeatPause));
    }
    FDown = FMouseDown = true;
    if (FTabStop && CanFocus()) SetFocus();
    FTimeInc = 20;
    FGlowState = gsPush;
    StartGlow();
    bool inPart = InDropDownPressZone(FDropDownPosition, FWidth, FHeight, x, y);
    bool opens =
        FDropDownButton && ((FDropDownSplit && inPart) || (!FDropDownSplit && FStyle == bsButton && FGroupIndex < 1));
    if (opens) {
        // The press belongs to the menu: its release is no click.
        FClicked = false;
        FMouseInControl = false;
        OnDropDown(this);
        if (FDropDownMenu) {
            FDown = !FDropDownSplit;
            // A non-split button keeps its pressed look for as long as its menu is open,
            // also after the press fade has ended.
            if (!FDropDownSplit) FState = absDown;
            FDroppedDown = true;
            FMouseEnter = false;
            Repaint();
            PopupDropDownMenu();
            FDown = FDroppedDown = false;
            if (FState == absDown) FState = RestingState();
            POINT sp;
            GetCursorPos(&sp);
            TPoint cp = ScreenToClient({sp.x, sp.y});
            if (!TRect{0, 0, FWidth, FHeight}.Contains(cp)) {
                FMouseEnter = FMouseInControl = FHot = FInButton = false;
            }
            Repaint();
        }
        TCustomControl::MouseDown(button, shift, x, y);
        return;
    }
    // Grouped check buttons toggle on release, like every grouped button.
    if (FStyle == bsCheck && FGroupIndex == 0) SetDown(!FDownChecked);
    if (!FDownChecked) {
        FState = absDown;
        Invalidate();
    }
    if (FStyle == bsCheck) {
        FState = absDown;
        Repaint();
    }
    FDragging = true;
    TCustomControl::MouseDown(button, shift, x, y);
}

void TOrvCustomGlowButton::MouseMove(TShiftState shift, int x, int y) {
    bool inButton = FDropDownButton && InDropDownHoverZone(FDropDownPosition, FWidth, FHeight, x, y);
    if (inButton != FInButton) {
        FInButton = inButton;
        Invalidate();
    }
    if (FDragging) {
        bool inside = Inside(x, y);
        TOrvButtonState state = FDownChecked ? absExclusive : inside ? absDown : absUp;
        if (FStyle == bsCheck && FDownChecked) state = absDown;
        if (state != FState) {
            FState = state;
            Invalidate();
        }
    } else if (!FMouseInControl) {
        TrackPointer(x, y);
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TOrvCustomGlowButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button != TMouseButton::mbLeft) {
        TCustomControl::MouseUp(button, shift, x, y);
        return;
    }
    FMouseDown = FLeftDown = false;
    StopRepeat();
    FTimeInc = -20;
    FGlowState = gsPush;
    StartGlow();
    bool inside = Inside(x, y);
    if (FDragging) {
        FDragging = false;
        auto* action = dynamic_cast<TCustomAction*>(GetAction());
        if (FGroupIndex != 0) {
            bool actionHandles = action && (FCheckLinked || FGroupIndexLinked);
            if (!actionHandles) {
                if (inside) {
                    SetDown(!FDownChecked);
                } else if (FDownChecked) {
                    FState = absExclusive;
                    Repaint();
                }
            }
        } else {
            FState = absUp;
            FMouseInControl = false;
            if (FStyle == bsCheck) {
                bool actionHandles = action && (FCheckLinked || FGroupIndexLinked || action->GetAutoCheck());
                if (!actionHandles && !inside && FDownChecked) SetDown(false);
            }
            Repaint();
        }
        TrackPointer(x, y);
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

// --- click, drop-down, keyboard --------------------------------------------------------------------

void TOrvCustomGlowButton::Click() {
    if (TForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
    OnInternalClick(this);
    TCustomControl::Click();
}

void TOrvCustomGlowButton::PopupDropDownMenu() {
    TPoint at = FDropDownDirection == ddDown ? ClientToScreen({0, FHeight}) : ClientToScreen({FWidth, 0});
    FDropDownMenu->Popup(at.X, at.Y);
}

void TOrvCustomGlowButton::DoDropDown() {
    if (!FDropDownMenu) return;
    OnInternalDropDown(this);
    FState = absDown;
    OnDropDown(this);
    Invalidate();
    PopupDropDownMenu();
    FState = RestingState();
    Repaint();
}

void TOrvCustomGlowButton::KeyboardClick() {
    if (FDropDownButton && FStyle == bsButton && FGroupIndex <= 0 && !FDropDownSplit) {
        if (FDropDownMenu)
            DoDropDown();
        else
            Click();
        return;
    }
    if (FStyle == bsCheck) {
        SetDown(!FDownChecked);
        FState = FDownChecked ? absDown : absUp;
        Repaint();
    }
    Click();
}

void TOrvCustomGlowButton::KeyDown(uint16_t& key, TShiftState shift) {
    OnInternalKeyDown(this, key, shift);
    if (key == VK_RETURN || key == VK_SPACE) {
        FDown = true;
        FState = absDown;
        Repaint();
    } else if (key == VK_F4) {
        DoDropDown();
    }
    TCustomControl::KeyDown(key, shift);
}

void TOrvCustomGlowButton::KeyUp(uint16_t& key, TShiftState shift) {
    FDown = false;
    FState = RestingState();
    Repaint();
    TCustomControl::KeyUp(key, shift);
}

void TOrvCustomGlowButton::KeyPress(wchar_t& key) {
    TCustomControl::KeyPress(key);
    // Enter already clicked as the dialog key of the focused (active) button.
    if (key == L'\r' && std::exchange(FEnterHandledAsDialogKey, false)) return;
    if (key == L' ' || key == L'\r') {
        if (TForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
        OnClick(this);
    }
}

LRESULT TOrvCustomGlowButton::DialogCode() {
    return OnInternalKeyDown ? DLGC_WANTALLKEYS : 0;
}

void TOrvCustomGlowButton::DoEnter() {
    FHasFocus = true;
    Invalidate();
    TCustomControl::DoEnter();
}

void TOrvCustomGlowButton::DoExit() {
    FDown = false;
    FHasFocus = false;
    FState = RestingState();
    Invalidate();
    TCustomControl::DoExit();
}

// --- messages ----------------------------------------------------------------------------------------

void TOrvCustomGlowButton::WndProc(TMessage& m) {
    switch (m.Msg) {
        case CM_MOUSEENTER:
            if (!FMouseEnter) {
                OnMouseEnter(this);
                FHot = true;
                if (FLeftDown) FDown = true;
                if (!FMouseDown && FGlowState != gsPush) {
                    FTimeInc = 20;
                    FGlowState = gsHover;
                }
                StartGlow();
                FMouseEnter = true;
                Invalidate();
            }
            FMouseInControl = true;
            return;
        case CM_MOUSELEAVE:
            if (!FMouseEnter && !FMouseInControl && !FHot) return;
            OnMouseLeave(this);
            FMouseEnter = FMouseInControl = FHot = FInButton = false;
            if (FDown && FMouseDown) {
                FDown = false;
                FLeftDown = true;
            } else {
                FDown = false;
                FStepHover = 100;
            }
            FTimeInc = -20;
            FGlowState = gsHover;
            Invalidate();
            StartGlow();
            return;
        case WM_PAINT: {
            bool outer = FPaintingOnScreen;
            FPaintingOnScreen = m.WParam == 0;
            TCustomControl::WndProc(m);
            FPaintingOnScreen = outer;
            return;
        }
        case CM_BUTTONPRESSED:
            ButtonPressed(static_cast<int>(m.WParam),
                          dynamic_cast<TOrvCustomGlowButton*>(reinterpret_cast<TControl*>(m.LParam)));
            return;
        case CM_FOCUSCHANGED: {
            auto* focused = reinterpret_cast<TControl*>(m.LParam);
            if (focused == this)
                FActive = true;
            else if (dynamic_cast<TOrvCustomGlowButton*>(focused))
                FActive = false;
            else
                FActive = FDefault;
            break;
        }
        case CM_DIALOGKEY: {
            auto key = static_cast<uint16_t>(m.WParam);
            auto shift = static_cast<TShiftState>(m.LParam);
            bool wanted = (key == VK_RETURN && FActive) || (key == VK_ESCAPE && FCancel);
            if (wanted && !(shift & (ssShift | ssCtrl | ssAlt)) && CanFocus()) {
                if (key == VK_RETURN) FEnterHandledAsDialogKey = Focused();
                FState = RestingState();
                Invalidate();
                m.Result = 1;
                KeyboardClick();
                return;
            }
            break;
        }
        case CM_DIALOGCHAR: {
            bool alt = (KeyboardShiftState() & ssAlt) || (m.LParam & (1 << 29));
            THotKeyText hot = StripHotKeyMarkers(FCaption.empty() ? FWideCaption : FCaption);
            if (alt && hot.AcceleratorIndex >= 0 && CanFocus() &&
                std::towupper(static_cast<wint_t>(m.WParam)) ==
                    std::towupper(static_cast<wint_t>(hot.Text[static_cast<size_t>(hot.AcceleratorIndex)]))) {
                m.Result = 1;
                if (FDropDownMenu)
                    DoDropDown();
                else
                    Click();
                return;
            }
            break;
        }
        case CM_TEXTCHANGED:
        case CM_FONTCHANGED:
            TCustomControl::WndProc(m);
            ContentChanged();
            return;
        default:
            break;
    }
    TCustomControl::WndProc(m);
}

// --- actions and key tips -------------------------------------------------------------------------

std::unique_ptr<TControlActionLink> TOrvCustomGlowButton::CreateActionLink() {
    return std::make_unique<TOrvGlowButtonActionLink>(this);
}

void TOrvCustomGlowButton::ActionChange(TObject* sender, bool checkDefaults) {
    TCustomControl::ActionChange(sender, checkDefaults);
    auto* a = dynamic_cast<TCustomAction*>(sender);
    if (!a) return;
    if (checkDefaults || FGroupIndex == 0) SetGroupIndex(a->GetGroupIndex());
    if (TOrvGlowButtonActionLink* link = GlowActionLink()) link->FImageIndex = a->GetImageIndex();
    SetImageIndex(a->GetImageIndex());
    SetDown(a->GetChecked());
    ContentChanged();
}

void TOrvCustomGlowButton::ShowShortCutHint() {
    if (!FShortCutHintWindow) {
        FShortCutHintWindow = new TShortCutHintWindow(this);
        FShortCutHintWindow->SetVisible(false);
    }
    UpdateHintColors();
    TRect need = FShortCutHintWindow->CalcHintRect(FShortCutHint);
    TShortCutHintPos pos = FShortCutHintPos;
    OnGetShortCutHintPos(this, FButtonSizeState, pos);
    TPoint origin = ClientToScreen({0, 0});
    TPoint at = ShortCutHintOrigin(pos, origin.X, origin.Y, FWidth, FHeight, need.Width(), need.Height());
    FShortCutHintWindow->ActivateHint(Bounds(at.X, at.Y, need.Width(), need.Height()), FShortCutHint);
}

void TOrvCustomGlowButton::HideShortCutHint() {
    if (FShortCutHintWindow) FShortCutHintWindow->HideHint();
}

}  // namespace orv
