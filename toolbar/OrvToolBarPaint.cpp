// Painting of TOrvCustomToolBar: caption bar, background, drag grip, right handle,
// caption option indicator and border. Every step reads the toolbar's state and the
// styler only, so the docked and floating looks can be painted for a given state.
#include <algorithm>
#include <tuple>

#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "menus/OrvMenus.h"
#include "paint/FaceCache.h"
#include "paint/FaceParts.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvColors.h"
#include "paint/OrvGradients.h"
#include "paint/OrvLook.h"
#include "paint/OrvPictureDraw.h"
#include "paint/OrvText.h"
#include "toolbar/CompactWindow.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarPager.h"
#include "toolbar/PagerPaint.h"

namespace orv {

namespace {

void Line(TCanvas& c, TColor color, int x1, int y1, int x2, int y2) {
    c.Pen().SetColor(color);
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void Pixel(TCanvas& c, int x, int y, TColor color) {
    c.SetPixel(x, y, color);
}

void Row(TCanvas& c, int y, int x1, int x2, TColor color) {
    for (int x = x1; x <= x2; ++x) c.SetPixel(x, y, color);
}

void Column(TCanvas& c, int x, int y1, int y2, TColor color) {
    for (int y = y1; y <= y2; ++y) c.SetPixel(x, y, color);
}

// A raised bar from (x, y1) to (x, y2): white left of it, shadow right of it.
void RaisedBar(TCanvas& c, int x, int y1, int y2, bool vertical) {
    if (!vertical) {
        Line(c, clWhite, x - 1, y2 - 1, x - 1, y1 - 1);
        Pixel(c, x, y1, clWhite);
        Line(c, clBtnShadow, x + 1, y1, x + 1, y2);
        Pixel(c, x + 1, y2, clBtnShadow);
        Pixel(c, x, y2, clBtnShadow);
    } else {
        // Turned by 90 degrees: (x, y1..y2) reads as (y1..y2 along x, x along y).
        Line(c, clWhite, y2 - 1, x - 1, y1 - 1, x - 1);
        Pixel(c, y1, x, clWhite);
        Line(c, clBtnShadow, y1, x + 1, y2, x + 1);
        Pixel(c, y2, x + 1, clBtnShadow);
        Pixel(c, y2, x, clBtnShadow);
    }
}

void FillSolid(TCanvas& c, const TRect& r, TColor color) {
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(color);
    c.FillRect(r);
}

// One colour fills a rectangle; two make a stepped gradient (inset variant).
void FillBand(TCanvas& c, const TRect& r, TColor from, TColor to, int steps, bool horizontal) {
    if (from == clNone) return;
    if (to == clNone || from == to)
        FillSolid(c, r, from);
    else
        DrawGradient(c, from, to, std::max(1, steps), r, horizontal, gvInsetFarEdge);
}

}  // namespace

const TGroupAppearance* TOrvCustomToolBar::ActiveGroupLook() const {
    // The clone in a compact window looks like the toolbar it stands for.
    if (FIsClone) return FSelfClone ? FSelfClone->ActiveGroupLook() : nullptr;
    TOrvPage* page = Page();
    TOrvToolBarPager* pager = page ? page->OwningPager() : nullptr;
    if (!pager) return nullptr;
    int index = pager->IndexOfPage(page->IsClone() ? page->CloneOf() : page);
    if (index < 0 || index != pager->GetActivePageIndex()) return nullptr;
    int group = pager->TabGroups().GroupOfPage(index);
    if (group < 0) return nullptr;
    const TTabGroupItem* item = pager->TabGroups().Items(group);
    return item->GetDefaultAppearance() ? &FCurrentToolBarStyler->GroupAppearance() : &item->GroupAppearance();
}

TRect TOrvCustomToolBar::GetCaptionRect() const {
    TRect client{0, 0, FWidth, FHeight};
    if (FToolBarState == tsFloating) return {0, 0, FWidth, FCaptionHeight};
    if (!FShowCaption) return {0, 0, 0, 0};
    if (IsHorizontal())
        return FCaptionPosition == cpTop ? TRect{0, 0, client.Right, FCaptionHeight}
                                         : TRect{0, client.Bottom - FCaptionHeight, client.Right, client.Bottom};
    return FCaptionPosition == cpTop ? TRect{0, 0, FCaptionHeight, client.Bottom}
                                     : TRect{client.Right - FCaptionHeight, 0, client.Right, client.Bottom};
}

TColor TOrvCustomToolBar::CaptionButtonFill(bool hot, bool down) const {
    if (FToolBarState != tsFloating || !(hot || down)) return clNone;
    // The menu styler's root item, as the menu bar's buttons; the button look without one.
    menus::TCustomOrvMenuStyler* menuStyler = FCurrentToolBarStyler->CurrentOrvMenuStyler();
    if (menuStyler) return down ? menuStyler->RootItem().GetSelectedColor() : menuStyler->RootItem().GetHoverColor();
    const TButtonAppearance& look = FCurrentToolBarStyler->ButtonAppearance();
    return down ? look.GetColorDown() : look.GetColorHot();
}

TRect TOrvCustomToolBar::GetCloseButtonRect() const {
    if (FToolBarState != tsFloating || !FShowClose) return {0, 0, 0, 0};
    TRect cap = GetCaptionRect();
    return {cap.Right - FCaptionHeight - 1, cap.Top + 1, cap.Right - 1, cap.Bottom - 1};
}

TRect TOrvCustomToolBar::GetOptionButtonRect() const {
    if (FToolBarState != tsFloating || !FShowOptionIndicator) return {0, 0, 0, 0};
    TRect cap = GetCaptionRect();
    TRect close{cap.Right - FCaptionHeight - 1, cap.Top + 1, cap.Right - 1, cap.Bottom - 1};
    return FShowClose ? TRect{close.Left - 2 - close.Width(), close.Top, close.Left - 2, close.Bottom} : close;
}

bool TOrvCustomToolBar::ShowingOptionIndicator() const {
    return FToolBarState != tsFloating && IsHorizontal() && FShowCaption && FShowOptionIndicator && !FShowRightHandle;
}

TRect TOrvCustomToolBar::GetOptionIndicatorRect() const {
    if (!ShowingOptionIndicator()) return {0, 0, 0, 0};
    TRect cap = GetCaptionRect();
    TRect r{cap.Right - FCaptionHeight + 1, cap.Top + 2, cap.Right - 1, cap.Bottom - 1};
    if (ScenicRibbonMode) r.Left += 2;
    return r;
}

TRect TOrvCustomToolBar::GetRightHandleRect() const {
    int indicator = FShowRightHandle ? 14 : 4;
    TRect r = IsHorizontal() ? TRect{FWidth - indicator, 0, FWidth + 1, FHeight + 1}
                             : TRect{0, FHeight - indicator, FWidth, FHeight};
    if (!FCurrentToolBarStyler->GetRoundEdges())
        r = IsHorizontal() ? TRect{r.Left - 1, r.Top + 1, r.Right - 2, r.Bottom - 2}
                           : TRect{r.Left + 1, r.Top, r.Right - 1, r.Bottom - 1};
    return r;
}

TGDIPPicture* TOrvCustomToolBar::OptionPictureToPaint() const {
    // A page toolbar of a pager that takes its parent's option picture shows the pager's.
    TGDIPPicture* normal = FOptionPicture.get();
    TGDIPPicture* disabled = FOptionDisabledPicture.get();
    if (FParentOptionPicture)
        if (TOrvPage* page = Page())
            if (TOrvToolBarPager* pager = page->OwningPager()) {
                normal = &pager->OptionPicture();
                disabled = &pager->OptionDisabledPicture();
            }
    return GetEnabled() || disabled->Empty() ? normal : disabled;
}

void TOrvCustomToolBar::Paint() {
    if (FUpdateCount > 0) return;
    PaintTo(Canvas().Handle());
    PaintMDIButtons(Canvas());
}

namespace {

// The active tab group's look as the toolbar paints it (a group's own record may change
// without the styler hearing of it).
struct TGroupLookKey {
    TColor Border = 0, BorderHot = 0, Color = 0, ColorTo = 0, ColorHot = 0, ColorHotTo = 0;
    int Steps = 0, Direction = 0;
    TColor Caption = 0, CaptionTo = 0, CaptionText = 0, CaptionBorder = 0;
    TColor CaptionHot = 0, CaptionHotTo = 0, CaptionTextHot = 0, GroupBorder = 0;

    auto Tie() const {
        return std::tie(Border, BorderHot, Color, ColorTo, ColorHot, ColorHotTo, Steps, Direction, Caption, CaptionTo,
                        CaptionText, CaptionBorder, CaptionHot, CaptionHotTo, CaptionTextHot, GroupBorder);
    }
    friend bool operator==(const TGroupLookKey&, const TGroupLookKey&) = default;
};

// Every input of a toolbar's own paint that the styler does not announce: the face
// cache's key. The styler comes in by identity (its changes move the face generation on).
struct TToolBarFace {
    const void* Styler = nullptr;
    int Width = 0;
    int Height = 0;
    int Top = 0;
    int State = 0;
    bool Page = false;
    bool Horizontal = false;
    bool LeftDocked = false;
    bool FullSize = false;
    int CaptionPosition = 0;
    bool ParentStyler = false;
    bool Scenic = false;
    bool ShowCaption = false;
    std::wstring Caption;
    TFontFace CaptionFont;
    int CaptionAlignment = 0;
    int GripX = 0;
    int CaptionHeight = 0;
    int DragGripWidth = 0;
    bool ShowClose = false;
    bool ShowOptionIndicator = false;
    bool ShowRightHandle = false;
    bool InCompact = false;
    bool Chevron = false;
    bool RightHandleHot = false;
    bool RightHandleDown = false;
    bool Hot = false;
    bool GlowRunning = false;
    int StepHover = 0;
    bool OptionHot = false;
    bool OptionDown = false;
    bool OptionTimerRunning = false;
    int OptionStepHover = 0;
    int OptionStepPush = 0;
    int OptionHoverInc = 0;
    int OptionPushInc = 0;
    bool Enabled = false;
    const void* OptionPicture = nullptr;
    uint64_t OptionVersion = 0;
    // Loose values a caller can change without the styler hearing of it.
    TColor HandleFrame = 0;
    TColor HandleFrameHot = 0;
    TColor HandleFrameDown = 0;
    bool DragGripImage = false;
    bool RightHandleImage = false;
    bool Active = false;
    int FloatingRows = 0;
    int SizeAtDock = 0;
    bool BackGroundImage = false;
    int BackGroundDisplay = 0;
    bool GlassDrawing = false;
    const void* Group = nullptr;
    TGroupLookKey GroupLook;
    // The floating caption's buttons while hot or pressed (clNone: not filled).
    TColor CloseFill = clNone;
    TColor OptionFill = clNone;

    auto Tie() const {
        return std::tie(Styler, Width, Height, Top, State, Page, Horizontal, LeftDocked, FullSize, CaptionPosition,
                        ParentStyler, Scenic, ShowCaption, Caption, CaptionFont, CaptionAlignment, GripX, CaptionHeight,
                        DragGripWidth, ShowClose, ShowOptionIndicator, ShowRightHandle, InCompact, Chevron,
                        RightHandleHot, RightHandleDown, Hot, GlowRunning, StepHover, OptionHot, OptionDown,
                        OptionTimerRunning, OptionStepHover, OptionStepPush, OptionHoverInc, OptionPushInc, Enabled,
                        OptionPicture, OptionVersion, HandleFrame, HandleFrameHot, HandleFrameDown, DragGripImage,
                        RightHandleImage, Active, FloatingRows, SizeAtDock, BackGroundImage, BackGroundDisplay,
                        GlassDrawing, Group, GroupLook, CloseFill, OptionFill);
    }
};

}  // namespace

std::shared_ptr<const TFace> TOrvCustomToolBar::KeptFace() {
    TCustomOrvToolBarStyler& s = *FCurrentToolBarStyler;
    if (!ToolBarFaceCache || s.GetTransparent() || FWidth <= 0 || FHeight <= 0) return nullptr;
    TToolBarFace k;
    k.Styler = &s;
    k.Width = FWidth;
    k.Height = FHeight;
    k.Top = FTop;
    k.State = FToolBarState;
    k.Page = OnPage();
    k.Horizontal = IsHorizontal();
    k.LeftDocked = FPosition == daLeft;
    k.FullSize = FFullSize;
    k.CaptionPosition = FCaptionPosition;
    k.ParentStyler = FParentStyler;
    k.Scenic = ScenicRibbonMode;
    k.ShowCaption = FShowCaption;
    k.Caption = GetCaption();
    k.CaptionFont = FontFaceOf(FParentStyler ? &s.CaptionFont() : &FCaptionFont);
    k.CaptionAlignment = static_cast<int>(FCaptionAlignment);
    k.GripX = GripX0();
    k.CaptionHeight = FCaptionHeight;
    k.DragGripWidth = FDragGripWidth;
    k.ShowClose = FShowClose;
    k.ShowOptionIndicator = FShowOptionIndicator;
    k.ShowRightHandle = FShowRightHandle;
    k.InCompact = InCompactWindow();
    k.Chevron = HiddenControlCount() > 0;
    k.RightHandleHot = FRightHandleHot;
    k.RightHandleDown = FRightHandleDown || OptionWindowShowing();
    k.Hot = FHot;
    k.GlowRunning = FGlowRunning;
    k.StepHover = FStepHover;
    k.OptionHot = FOptionHot;
    k.OptionDown = FOptionDown;
    k.OptionTimerRunning = FOptionTimerRunning;
    k.OptionStepHover = FOptionStepHover;
    k.OptionStepPush = FOptionStepPush;
    k.OptionHoverInc = FOptionHoverInc;
    k.OptionPushInc = FOptionPushInc;
    k.Enabled = GetEnabled();
    TGDIPPicture* option = OptionPictureToPaint();
    k.OptionPicture = option;
    k.OptionVersion = option->Version();
    k.HandleFrame = s.ButtonAppearance().GetBorderColor();
    k.HandleFrameHot = s.ButtonAppearance().GetBorderHotColor();
    k.HandleFrameDown = s.ButtonAppearance().GetBorderDownColor();
    k.DragGripImage = !s.DragGripImage().Empty();
    k.RightHandleImage = !s.RightHandleImage().Empty();
    k.Active = FActive;
    k.FloatingRows = FFloatingRowCount;
    k.SizeAtDock = FSizeAtDock;
    k.BackGroundImage = !s.BackGround().Empty();
    k.BackGroundDisplay = s.GetBackGroundDisplay();
    k.GlassDrawing = GlassBorder();
    k.CloseFill = CaptionButtonFill(FCloseHot, FCloseDown);
    k.OptionFill = CaptionButtonFill(FFloatOptionHot, FFloatOptionDown);
    if (const TGroupAppearance* g = ActiveGroupLook()) {
        const TToolBarAppearance& t = g->ToolBarAppearance();
        const TCaptionAppearance& ca = g->CaptionAppearance();
        k.Group = g;
        TGroupLookKey& l = k.GroupLook;
        l.Border = t.GetBorderColor();
        l.BorderHot = t.GetBorderColorHot();
        l.Color = t.Color().GetColor();
        l.ColorTo = t.Color().GetColorTo();
        l.ColorHot = t.ColorHot().GetColor();
        l.ColorHotTo = t.ColorHot().GetColorTo();
        l.Steps = t.Color().GetSteps();
        l.Direction = t.Color().GetDirection();
        l.Caption = ca.GetCaptionColor();
        l.CaptionTo = ca.GetCaptionColorTo();
        l.CaptionText = ca.GetCaptionTextColor();
        l.CaptionBorder = ca.GetCaptionBorderColor();
        l.CaptionHot = ca.GetCaptionColorHot();
        l.CaptionHotTo = ca.GetCaptionColorHotTo();
        l.CaptionTextHot = ca.GetCaptionTextColorHot();
        l.GroupBorder = g->GetBorderColor();
    }
    return SharedFaceCache().Get(k, FWidth, FHeight, [this](TFace&, HDC faceDC) { DrawToolBar(faceDC); });
}

void TOrvCustomToolBar::PaintTo(HDC dc) {
    if (auto face = KeptFace(); face && !face->Empty())
        face->Blit(dc, 0, 0);
    else
        DrawToolBar(dc);
}

// The kept face is copied over the whole client (every pixel of it painted by the
// toolbar, none left to the page beneath), so inside the client it alone lies beneath
// a transparent child, unless a graphic control reaches into the child's rectangle.
// Outside the client, or while updates hold the paint back, the page shows: no key.
bool TOrvCustomToolBar::BackgroundKeyFor(TParentBackgroundQuery& query) {
    const TRect r = query.Rect;
    if (FUpdateCount > 0 || r.IsEmpty() || r.Left < 0 || r.Top < 0 || r.Right > FWidth || r.Bottom > FHeight)
        return false;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        const TRect b = c->BoundsRect();
        if (c != query.Child && c->GetVisible() && !dynamic_cast<TWinControl*>(c) && b.Left < r.Right &&
            r.Left < b.Right && b.Top < r.Bottom && r.Top < b.Bottom)
            return false;
    }
    std::shared_ptr<const TFace> face = KeptFace();
    if (!face || face->Empty()) return false;
    query.Key = FFaceSerials.SerialOf(face);
    return true;
}

bool TOrvCustomToolBar::GlassBorder() const {
    if (!ScenicRibbonMode) return false;
    TOrvPage* page = Page();
    TOrvToolBarPager* pager = page ? page->OwningPager() : nullptr;
    return pager && pager->IsAeroVista() && pager->GlassDrawing();
}

void TOrvCustomToolBar::DrawToolBar(HDC dc) {
    TCanvas c;
    c.SetHandle(dc);
    TCustomOrvToolBarStyler& s = *FCurrentToolBarStyler;
    bool page = OnPage();
    bool floating = FToolBarState == tsFloating;
    bool horizontal = IsHorizontal() || floating;
    TRect client{0, 0, FWidth, FHeight};
    // On the active page of a tab group the group's caption, background and border.
    const TGroupAppearance* group = page ? ActiveGroupLook() : nullptr;
    // Active and enabled on a page: the hot look, as while the pointer is over it.
    bool activeLook = FActive && GetEnabled() && page;
    int step = FGlowRunning || FHot ? FStepHover : 0;
    auto hotBlend = [&](TColor hot, TColor normal) {
        if (hot == clNone) return normal;
        if (activeLook) return hot;
        if (FGlowRunning) return BlendColor(hot, normal, step);
        return FHot ? hot : normal;
    };

    // 3. Background (before the caption, which paints over its strip).
    TColor backColor = clNone;  // its top colour, which the glass border fades from
    if (!s.GetTransparent()) {
        const TVistaGradientBackground& bg = s.Color();
        const TVistaGradientBackground& hot = s.ColorHot();
        if (FFullSize) {
            backColor = s.DockColor().GetColor();
            DrawGradient(c, s.DockColor().GetColor(), s.DockColor().GetColorTo(), 256, client,
                         s.DockColor().GetDirection() == gdHorizontal, gvInsetFarEdge);
        } else if (group) {
            const TToolBarAppearance& t = group->ToolBarAppearance();
            backColor = hotBlend(t.ColorHot().GetColor(), t.Color().GetColor());
            TColor to = hotBlend(t.ColorHot().GetColorTo(), t.Color().GetColorTo());
            FillBand(c, client, backColor, to, t.Color().GetSteps(), t.Color().GetDirection() == gdHorizontal);
        } else if (page) {
            int split = FCaptionPosition == cpBottom ? std::max(0, 22 - FTop) : 0;
            TColor from = hotBlend(hot.Mirror().GetColor(), bg.Mirror().GetColor());
            TColor to = hotBlend(hot.Mirror().GetColorTo(), bg.Mirror().GetColorTo());
            TColor mFrom = hotBlend(hot.Mirror().GetColorMirror(), bg.Mirror().GetColorMirror());
            TColor mTo = hotBlend(hot.Mirror().GetColorMirrorTo(), bg.Mirror().GetColorMirrorTo());
            backColor = from;
            DrawVistaGradient(c, client, split, from, to, mFrom, mTo, clNone, ScenicRibbonMode ? 0 : 3);
        } else {
            backColor = hotBlend(hot.GetColor(), bg.GetColor());
            TColor to = hotBlend(hot.GetColorTo(), bg.GetColorTo());
            bool horz = bg.GetDirection() == gdHorizontal;
            if (!horizontal && !FParentStyler) horz = !horz;
            if (floating && FFloatingRowCount > 1) {
                // Each row a band of its own under the caption.
                for (int row = 0; row < FFloatingRowCount; ++row) {
                    int top = FCaptionHeight + row * FSizeAtDock;
                    FillBand(c, {0, top, FWidth, top + FSizeAtDock}, backColor, to, bg.GetSteps(), horz);
                }
            } else {
                FillBand(c, client, backColor, to, bg.GetSteps(), horz);
            }
        }
        if (!s.BackGround().Empty()) DrawPagerBackgroundBitmap(c, s.BackGround(), s.GetBackGroundDisplay(), client);
    }

    // 1 and 2. Caption bar.
    if (floating || FShowCaption) {
        const TCaptionAppearance& ca = group ? group->CaptionAppearance() : s.CaptionAppearance();
        bool hotLook = HotLook() && !floating;
        auto pick = [&](TColor hotColor, TColor normal) {
            if (floating || hotColor == clNone) return normal;
            if (activeLook) return hotColor;
            if (FGlowRunning) return BlendColor(hotColor, normal, step);
            return hotLook ? hotColor : normal;
        };
        TColor from = pick(ca.GetCaptionColorHot(), ca.GetCaptionColor());
        TColor to = pick(ca.GetCaptionColorHotTo(), ca.GetCaptionColorTo());
        TColor border = pick(ca.GetCaptionBorderColorHot(), ca.GetCaptionBorderColor());
        TColor text = pick(ca.GetCaptionTextColorHot(), ca.GetCaptionTextColor());
        TRect cap = GetCaptionRect();
        if (from != clNone) {
            if (to != clNone)
                DrawGradient(c, from, to, 80, cap, false, gvInsetFarEdge);
            else
                FillSolid(c, cap, from);
        }
        if (border != clNone) {
            c.Brush().SetStyle(TBrushStyle::bsClear);
            c.Pen().SetColor(border);
            c.Rectangle(cap);
        }
        std::wstring caption = GetCaption();
        if (!caption.empty() && horizontal) {
            c.Font().Assign(FParentStyler ? &s.CaptionFont() : &FCaptionFont);
            c.Font().SetColor(text);
            c.Brush().SetStyle(TBrushStyle::bsClear);
            int right = cap.Right - 3;
            if (ShowingOptionIndicator()) right = GetOptionIndicatorRect().Left - 1;
            if (floating) right = cap.Right - FCaptionHeight - 3;
            TRect tr{cap.Left + (floating ? 3 : GripX0() + 1), cap.Top, right, cap.Bottom};
            unsigned align = FCaptionAlignment == TTextAlignment::taCenter         ? DT_CENTER
                             : FCaptionAlignment == TTextAlignment::taRightJustify ? DT_RIGHT
                                                                                   : DT_LEFT;
            c.DrawText(caption, tr, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | align);
        } else if (!caption.empty()) {
            // A vertical toolbar's caption runs along it: down the bar (top facing right),
            // or up it on a left-docked toolbar (top facing left).
            c.Font().Assign(FParentStyler ? &s.CaptionFont() : &FCaptionFont);
            c.Font().SetColor(text);
            c.Brush().SetStyle(TBrushStyle::bsClear);
            TSize extent = c.TextExtent(StripHotKeyMarkers(caption).Text);
            int from = cap.Top + GripX0() + 1;
            int to = cap.Bottom - (FShowRightHandle ? 14 : 3);
            int room = std::max(0, to - from);
            int offset = FCaptionAlignment == TTextAlignment::taCenter         ? (room - extent.cx) / 2
                         : FCaptionAlignment == TTextAlignment::taRightJustify ? room - extent.cx
                                                                               : 0;
            offset = std::max(0, offset);
            TRect clip{cap.Left, from, cap.Right, to};
            TGdiRegion old(CreateRectRgn(0, 0, 0, 0));
            bool hadClip = GetClipRgn(dc, old.Get()) == 1;
            IntersectClipRect(dc, clip.Left, clip.Top, clip.Right, clip.Bottom);
            if (FPosition == daLeft) {
                int oldOrientation = c.Font().GetOrientation();
                c.Font().SetOrientation(900);
                c.TextOut(cap.Left + (cap.Width() - extent.cy) / 2, to - offset, StripHotKeyMarkers(caption).Text);
                c.Font().SetOrientation(oldOrientation);
            } else {
                DrawHotKeyText(c, caption, {cap.Left + (cap.Width() + extent.cy) / 2, from + offset});
            }
            SelectClipRgn(dc, hadClip ? old.Get() : nullptr);
        }
        if (floating) {
            // Close and option buttons of the floating caption.
            TRect close = GetCloseButtonRect();
            if (TColor fill = CaptionButtonFill(FFloatOptionHot, FFloatOptionDown); fill != clNone)
                FillSolid(c, GetOptionButtonRect(), fill);
            if (TColor fill = CaptionButtonFill(FCloseHot, FCloseDown); fill != clNone) FillSolid(c, close, fill);
            if (FShowClose) {
                c.Pen().SetColor(clBlack);
                Line(c, text, close.Left + 4, close.Top + 4, close.Right - 4, close.Bottom - 4);
                Line(c, text, close.Right - 5, close.Top + 4, close.Left + 3, close.Bottom - 4);
            }
            if (FShowOptionIndicator) {
                TRect opt = GetOptionButtonRect();
                int y = opt.Bottom - 7 - 4;
                for (int row = 0; row < 4; ++row) {
                    int w = 7 - 2 * row;
                    int x = opt.Left + (opt.Width() - w) / 2;
                    Row(c, y + row, x, x + w - 1, text);
                }
            }
        }
    }

    // 4. Drag grip.
    if (!floating && !page) PaintDragGrip(c);

    // 5. Right handle.
    if (!floating && FShowRightHandle && !FFullSize && !InCompactWindow()) PaintRightHandle(c);

    // 6. Caption option indicator.
    if (ShowingOptionIndicator()) PaintOptionIndicator(c);

    // 7. Border (none for a full-size toolbar, which fills its dock row).
    if (!floating && !FFullSize) {
        TColor normal = group ? group->ToolBarAppearance().GetBorderColor() : s.GetBorderColor();
        TColor hot = group ? group->ToolBarAppearance().GetBorderColorHot() : s.GetBorderColorHot();
        TColor b = HotLook() && hot != clNone ? hot : normal;
        if (b != clNone) {
            c.Brush().SetStyle(TBrushStyle::bsClear);
            c.Pen().SetColor(b);
            if (GlassBorder()) {
                // On glass: a strip fading in from the background towards white, then a
                // line in the tab border colour (into the group's border colour in a group).
                TColor back = backColor == clNone ? s.Color().GetColor() : backColor;
                DrawAlphaGradient(dc, {FWidth - 4, 0, FWidth, FHeight}, back, BlendColor(back, clWhite, 50), 60, 255);
                TColor tab = s.TabAppearance().GetBorderColor();
                if (group) {
                    int half = FHeight / 2;
                    DrawAlphaGradient(dc, {FWidth - 3, 0, FWidth - 2, half}, tab, tab, 50, 140);
                    DrawAlphaGradient(dc, {FWidth - 3, half, FWidth - 2, FHeight}, tab, group->GetBorderColor(), 140,
                                      210);
                } else {
                    DrawAlphaGradient(dc, {FWidth - 3, 0, FWidth - 2, FHeight}, tab, tab, 60, 255);
                }
            } else if (ScenicRibbonMode) {
                FillSolid(c, {FWidth - 4, 5, FWidth - 1, FHeight - 5}, 0xFAF1EC);
                Line(c, b, FWidth - 3, 6, FWidth - 3, FHeight - 6);
            } else if (!s.GetRoundEdges() || s.GetUseBevel()) {
                c.Rectangle(client);
            } else {
                c.RoundRect({0, 0, FWidth - 1, FHeight - 1}, 6, 6);
            }
        }
    }
    c.SetHandle(nullptr);
}

void TOrvCustomToolBar::PaintDragGrip(TCanvas& c) {
    TCustomOrvToolBarStyler& s = *FCurrentToolBarStyler;
    bool horizontal = IsHorizontal();
    int W = FWidth, H = FHeight;
    TRect grip = horizontal ? TRect{1, 1, FDragGripWidth, H} : TRect{1, 1, W, FDragGripWidth};
    if (!s.DragGripImage().Empty()) {
        c.StretchDraw(grip, s.DragGripImage());
        return;
    }
    switch (s.GetDragGripStyle()) {
        case dsDots: {
            int n = ((horizontal ? H : W) - 8) / 4;
            for (int k = 0; k < n; ++k) {
                int p = 5 + 4 * k;
                if (horizontal) {
                    FillSolid(c, {5, p + 1, 7, p + 3}, clWhite);
                    FillSolid(c, {4, p, 6, p + 2}, clBtnShadow);
                } else {
                    FillSolid(c, {p + 1, 5, p + 3, 7}, clWhite);
                    FillSolid(c, {p, 4, p + 2, 6}, clBtnShadow);
                }
            }
            break;
        }
        case dsSingleLine:
            if (horizontal)
                RaisedBar(c, 5, 4, H - 4, false);
            else
                RaisedBar(c, 5, 4, W - 5, true);
            break;
        case dsDoubleLine:
            if (horizontal) {
                RaisedBar(c, 3, 4, H - 4, false);
                RaisedBar(c, 6, 4, H - 4, false);
            } else {
                RaisedBar(c, 3, 4, W - 5, true);
                RaisedBar(c, 6, 4, W - 5, true);
            }
            break;
        case dsFlatDots: {
            int n = ((horizontal ? H : W) - 8) / 2;
            for (int k = 0; k < n; ++k) {
                int p = 5 + 2 * k;
                if (horizontal)
                    Line(c, 0xA5A5A5, 3, p, 5, p);
                else
                    Line(c, 0xA5A5A5, p, 3, p, 5);
            }
            break;
        }
        case dsNone:
            break;
    }
}

void TOrvCustomToolBar::PaintRightHandle(TCanvas& c) {
    TCustomOrvToolBarStyler& s = *FCurrentToolBarStyler;
    bool horizontal = IsHorizontal();
    TRect r = GetRightHandleRect();
    if (!s.RightHandleImage().Empty()) {
        c.StretchDraw(r, s.RightHandleImage());
        return;
    }
    TColor from, to, frame;
    if (FRightHandleDown || OptionWindowShowing()) {
        from = s.GetRightHandleColorDown();
        to = s.GetRightHandleColorDownTo();
        frame = s.ButtonAppearance().GetBorderDownColor();
    } else if (FRightHandleHot) {
        from = s.GetRightHandleColorHot();
        to = s.GetRightHandleColorHotTo();
        frame = s.ButtonAppearance().GetBorderHotColor();
    } else {
        from = s.GetRightHandleColor();
        to = s.GetRightHandleColorTo();
        frame = s.ButtonAppearance().GetBorderColor();
    }
    int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    TRect fill = horizontal ? TRect{L + 3, T, R, B} : TRect{L, T + 3, R, B};
    if (from == clNone || to == clNone) {
        if (from != clNone) {
            c.Pen().SetColor(from);
            FillSolid(c, fill, from);
        }
    } else {
        DrawGradient(c, from, to, 16, fill, !horizontal, gvInsetFarEdge);
    }
    bool chevron = HiddenControlCount() > 0;
    if (s.GetRoundEdges()) {
        if (to == clNone) to = from;
        if (horizontal) {
            Pixel(c, L + 1, B - 2, to);
            Pixel(c, L + 2, B - 2, to);
            Pixel(c, L + 2, B - 3, to);
            Pixel(c, L + 1, T, from);
            Pixel(c, L + 2, T, from);
            Pixel(c, L + 2, T + 1, from);
        } else {
            Pixel(c, L, T + 2, from);
            Pixel(c, L + 1, T + 2, from);
            Pixel(c, L, T + 1, from);
            Pixel(c, R - 1, T + 2, to);
            Pixel(c, R - 2, T + 2, to);
            Pixel(c, R - 1, T + 1, to);
        }
        if (chevron) {
            if (horizontal) {
                for (int x : {R - 10, R - 6}) {
                    Column(c, x, T + 5, T + 7, clBlack);
                    Pixel(c, x + 1, T + 6, clBlack);
                }
                for (int x : {R - 9, R - 5}) {
                    Pixel(c, x, T + 7, clWhite);
                    Pixel(c, x, T + 8, clWhite);
                    Pixel(c, x + 1, T + 7, clWhite);
                }
            } else {
                for (int y : {T + 5, T + 9}) {
                    Row(c, y, L + 5, L + 7, clBlack);
                    Pixel(c, L + 6, y + 1, clBlack);
                }
                for (int y : {T + 6, T + 10}) {
                    Pixel(c, L + 7, y, clWhite);
                    Pixel(c, L + 8, y, clWhite);
                    Pixel(c, L + 7, y + 1, clWhite);
                }
            }
        }
        if (FShowOptionIndicator) {
            if (horizontal) {
                Row(c, B - 11, R - 9, R - 5, clBlack);
                Row(c, B - 8, R - 9, R - 5, clBlack);
                Row(c, B - 7, R - 8, R - 6, clBlack);
                Pixel(c, R - 7, B - 6, clBlack);
                Row(c, B - 10, R - 8, R - 4, clWhite);
                Row(c, B - 7, R - 5, R - 4, clWhite);
                Row(c, B - 6, R - 6, R - 5, clWhite);
                Pixel(c, R - 6, B - 5, clWhite);
            } else {
                Column(c, R - 9, T + 5, T + 9, clBlack);
                Column(c, R - 6, T + 5, T + 9, clBlack);
                Column(c, R - 5, T + 6, T + 8, clBlack);
                Pixel(c, R - 4, T + 7, clBlack);
                Column(c, R - 8, T + 6, T + 10, clWhite);
                Column(c, R - 5, T + 9, T + 10, clWhite);
                Row(c, T + 8, R - 4, R - 3, clWhite);
                Pixel(c, R - 4, T + 9, clWhite);
            }
        }
    } else {
        if (frame != clNone) {
            c.Brush().SetStyle(TBrushStyle::bsClear);
            c.Pen().SetColor(frame);
            c.Rectangle(horizontal ? TRect{L + 3, T, R - 1, B - 1} : TRect{L, T + 3, R, B});
        }
        if (chevron) {
            c.Pen().SetColor(clBlack);
            if (horizontal) {
                c.Polyline({{L + 8, T + 3}, {L + 11, T + 6}, {L + 7, T + 10}});
                c.Polyline({{L + 6, T + 3}, {L + 9, T + 6}, {L + 5, T + 10}});
            } else {
                c.Polyline({{L + 3, T + 6}, {L + 5, T + 8}, {L + 8, T + 5}});
                c.Polyline({{L + 3, T + 8}, {L + 5, T + 10}, {L + 8, T + 7}});
            }
        }
        if (FShowOptionIndicator) {
            if (horizontal) {
                Row(c, B - 9, R - 9, R - 5, clBlack);
                Row(c, B - 7, R - 9, R - 5, clBlack);
                Row(c, B - 6, R - 8, R - 6, clBlack);
                Pixel(c, R - 7, B - 5, clBlack);
            } else {
                Column(c, R - 9, T + 6, T + 10, clBlack);
                Column(c, R - 6, T + 6, T + 10, clBlack);
                Column(c, R - 5, T + 7, T + 9, clBlack);
                Pixel(c, R - 4, T + 8, clBlack);
            }
        }
    }
}

void TOrvCustomToolBar::PaintOptionIndicator(TCanvas& c) {
    const TGlowButtonAppearance& a = FCurrentToolBarStyler->GlowButtonAppearance();
    const TGroupAppearance* group = ActiveGroupLook();
    const TCaptionAppearance& ca = group ? group->CaptionAppearance() : FCurrentToolBarStyler->CaptionAppearance();
    TColor capColor = ca.GetCaptionColor();
    TColor capTo = ca.GetCaptionColorTo() == clNone ? capColor : ca.GetCaptionColorTo();
    TRect r = GetOptionIndicatorRect();
    TColor col, to, mir, mirTo, border;
    bool face = true;
    int hover = std::clamp(FOptionStepHover, 0, 100);
    if (FOptionDown) {
        int p = std::clamp(FOptionStepPush, 0, 100);
        bool pushing = FOptionTimerRunning && FOptionPushInc != 0;
        auto blend = [&](TColor down, TColor hot) { return pushing ? BlendColor(down, hot, p) : down; };
        col = blend(a.GetColorDown(), a.GetColorHot());
        to = blend(a.GetColorDownTo(), a.GetColorHotTo());
        mir = blend(a.GetColorMirrorDown(), a.GetColorMirrorHot());
        mirTo = blend(a.GetColorMirrorDownTo(), a.GetColorMirrorHotTo());
        border = blend(a.GetBorderColorDown(), a.GetBorderColorHot());
    } else if (FOptionHot || (FOptionTimerRunning && FOptionHoverInc < 0)) {
        bool fading = FOptionTimerRunning && FOptionHoverInc != 0;
        auto blend = [&](TColor hot, TColor cap) { return fading ? BlendColor(hot, cap, hover) : hot; };
        col = blend(a.GetColorHot(), capColor);
        to = blend(a.GetColorHotTo(), capTo);
        mir = blend(a.GetColorMirrorHot(), capColor);
        mirTo = blend(a.GetColorMirrorHotTo(), capColor);
        border = blend(a.GetBorderColorHot(), a.GetBorderColor());
    } else {
        face = false;
        col = to = mir = mirTo = border = clNone;
    }
    if (face)
        DrawMirroredGradient(c, r, col, to, mir, mirTo, border, a.GetGradientHot(), a.GetGradientMirrorHot(), false);
    TGDIPPicture* picture = OptionPictureToPaint();
    if (!picture->Empty()) {
        int x = r.Left + std::max(0, (r.Width() - picture->Width()) / 2);
        int y = r.Top + std::max(0, (r.Height() - picture->Height()) / 2);
        DrawGraphicAt(nullptr, &c, {x, y}, picture, true);
    }
}

}  // namespace orv
