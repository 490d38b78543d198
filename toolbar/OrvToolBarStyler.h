#pragma once
// TCustomOrvToolBarStyler: the non-visual component that holds every colour, gradient
// and font of the tabbed toolbar family. Pagers, toolbars and dock panels link to one
// styler; the styler keeps the list of its linked controls and tells each of them, with
// a change code, what kind of value changed. A style change is also broadcast to the
// linked pagers as a TZemStyle. Owns its records, bitmaps and an internal menu styler.
#include <memory>
#include <vector>

#include "buttons/GlowButtonAppearance.h"
#include "framework/Bitmap.h"
#include "framework/Component.h"
#include "framework/WinControl.h"
#include "toolbar/OrvStyleIF.h"
#include "toolbar/OrvToolBarTabAppearance.h"

namespace orv {

namespace menus {
class TCustomOrvMenuStyler;
}
class TCustomOrvToolBarStyler;

// Change codes pushed to the linked controls (the receivers decide what each means).
enum TStylerChange : int {
    scBackGround = 1,        // background bitmap and its placement, Font
    scStyle = 2,             // borders, handles, colours, caption bars; every style change
    scContainer = 4,         // ContainerAppearance
    scDragGrip = 5,          // DragGripStyle
    scMenuStyler = 6,        // the linked menu styler
    scGlowButton = 7,        // GlowButtonAppearance, CompactGlowButtonAppearance
    scPagerAppearance = 10,  // TabAppearance, PageAppearance, GroupAppearance
    scPagerCaption = 11,     // PagerCaption, SysButtonColor
    scQAT = 12,              // QATAppearance
};

enum TBackGroundDisplay { bdTile, bdCenter, bdStretch };
enum TDragGripStyle { dsDots, dsSingleLine, dsDoubleLine, dsFlatDots, dsNone };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// What a styler asks of every control in its list (pagers, toolbars, dock panels).
class IToolBarStylerClient {
public:
    // A value of the styler changed; code is one of TStylerChange. A toolbar collapsed
    // into its compact window passes the change to the toolbar inside that window first.
    virtual void ApplyStylerChange(int code) = 0;
    // The styler is being destroyed while this control lives on: if it is this
    // control's linked styler, drop the link (a pager falls back to its own styler).
    virtual void ToolBarStylerDestroying(TCustomOrvToolBarStyler* styler) = 0;

protected:
    ~IToolBarStylerClient() = default;
};

// What the style broadcast asks of a linked pager in addition.
class IToolBarStylerPager {
public:
    // Office2010Look has just changed; the tab settings raise their glass-change event.
    virtual void Office2010LookChanged() = 0;
    virtual void SetWin7ScenicRibbon(bool value) = 0;
    // After every broadcast: the tab background shaded state (Office2010Look and on
    // glass), the help button picture marked for reloading and the help button updated.
    virtual void StyleBroadcastDone() = 0;

protected:
    ~IToolBarStylerPager() = default;
};

// A hidden child window that reports a desktop theme change. It has no size, so it
// shows nothing, but it has a window whenever its parent has one.
class TNotifierWindow : public TWinControl {
public:
    ORV_CLASS_NAME(TNotifierWindow)
    explicit TNotifierWindow(TComponent* owner);
    TNotifyEvent OnThemeChange;

    // Makes a notifier owned by the styler on the styler's nearest windowed owner and
    // has the styler told when it goes (the form may free it first). Without a windowed
    // owner (a styler not on a form) there is no theme report: returns nullptr.
    static TNotifierWindow* AttachTo(TComponent* styler, TNotifyEvent onThemeChange);

protected:
    void WndProc(TMessage& message) override;
};

class TCustomOrvToolBarStyler : public TComponent {
public:
    ORV_CLASS_NAME(TCustomOrvToolBarStyler)
    explicit TCustomOrvToolBarStyler(TComponent* owner);

    void Assign(const TPersistent* source) override;
    void Notification(TComponent* component, TOperation operation) override;

    // --- linked controls --------------------------------------------------------------
    // Adds a control once (a control already listed is not added again) and asks to be
    // told when it is destroyed.
    void AddControl(TComponent* control);
    void RemoveControl(TComponent* control);
    int ControlCount() const { return static_cast<int>(FControlList.size()); }
    // Raises "Index out of bounds in list read access" past the end.
    TComponent* Controls(int index) const;
    // Change code 2 to every linked control.
    void UpdateStyle() { BroadcastChange(scStyle); }
    // While updating, changes are collected and each code is sent once at the end, in
    // the order the codes first came up.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    // --- records (setters copy into the owned record, never replace it) -----------------
#define ORV_STYLER_RECORD(Type, Name)   \
    Type& Name() {                      \
        return F##Name;                 \
    }                                   \
    const Type& Name() const {          \
        return F##Name;                 \
    }                                   \
    void Set##Name(const Type& value) { \
        F##Name.Assign(&value);         \
    }
    ORV_STYLER_RECORD(TVistaGradientBackground, Color)
    ORV_STYLER_RECORD(TVistaGradientBackground, ColorHot)
    ORV_STYLER_RECORD(TGradientBackground, DockColor)
    ORV_STYLER_RECORD(TButtonAppearance, ButtonAppearance)
    ORV_STYLER_RECORD(TContainerAppearance, ContainerAppearance)
    ORV_STYLER_RECORD(TGlowButtonAppearance, GlowButtonAppearance)
    ORV_STYLER_RECORD(TGlowButtonAppearance, CompactGlowButtonAppearance)
    ORV_STYLER_RECORD(TVistaTextBackground, PagerCaption)
    ORV_STYLER_RECORD(TTabAppearance, TabAppearance)
    ORV_STYLER_RECORD(TVistaPageBackground, PageAppearance)
    ORV_STYLER_RECORD(TGroupAppearance, GroupAppearance)
    ORV_STYLER_RECORD(TCaptionAppearance, CaptionAppearance)
    ORV_STYLER_RECORD(TQATAppearance, QATAppearance)
#undef ORV_STYLER_RECORD

    TFont& Font() {
        return FFont;
    }
    TFont& CaptionFont() {
        return FCaptionFont;
    }
    void SetFont(const TFont& value);
    void SetCaptionFont(const TFont& value);
    TBitmap& BackGround() {
        return FBackGround;
    }
    TBitmap& DragGripImage() {
        return FDragGripImage;
    }
    TBitmap& RightHandleImage() {
        return FRightHandleImage;
    }
    void SetBackGround(const TBitmap& value);
    void SetDragGripImage(const TBitmap& value) {
        FDragGripImage.Assign(&value);
        BroadcastChange(scDragGrip);
    }
    void SetRightHandleImage(const TBitmap& value);

    // --- menu stylers -------------------------------------------------------------------
    menus::TCustomOrvMenuStyler* GetOrvMenuStyler() const {
        return FOrvMenuStyler;
    }
    void SetOrvMenuStyler(menus::TCustomOrvMenuStyler* value);
    menus::TCustomOrvMenuStyler* InternalOrvMenuStyler() const {
        return FInternalOrvMenuStyler;
    }
    // The external menu styler when one is linked, else the internal one.
    menus::TCustomOrvMenuStyler* CurrentOrvMenuStyler() const;

    // --- plain values -------------------------------------------------------------------
#define ORV_STYLER_VALUE(Type, Name) \
    Type Get##Name() const {         \
        return F##Name;              \
    }                                \
    void Set##Name(Type value);
    ORV_STYLER_VALUE(bool, BackGroundTransparent)
    ORV_STYLER_VALUE(TBackGroundDisplay, BackGroundDisplay)
    ORV_STYLER_VALUE(TDragGripStyle, DragGripStyle)
    ORV_STYLER_VALUE(bool, RoundEdges)
    ORV_STYLER_VALUE(TColor, RightHandleColor)
    ORV_STYLER_VALUE(TColor, RightHandleColorHot)
    ORV_STYLER_VALUE(TColor, RightHandleColorTo)
    ORV_STYLER_VALUE(TColor, RightHandleColorHotTo)
    ORV_STYLER_VALUE(TColor, RightHandleColorDown)
    ORV_STYLER_VALUE(TColor, RightHandleColorDownTo)
    ORV_STYLER_VALUE(int, FloatingWindowBorderWidth)
    ORV_STYLER_VALUE(TColor, FloatingWindowBorderColor)
    ORV_STYLER_VALUE(TBevelCut, Bevel)
    ORV_STYLER_VALUE(bool, UseBevel)
    ORV_STYLER_VALUE(TColor, BorderColor)
    ORV_STYLER_VALUE(TColor, BorderColorHot)
    ORV_STYLER_VALUE(bool, SystemFont)
    ORV_STYLER_VALUE(TColor, SysButtonColor)
#undef ORV_STYLER_VALUE
    // Values without a change code of their own.
    bool GetTransparent() const {
        return FTransparent;
    }
    void SetTransparent(bool value) {
        FTransparent = value;
    }
    bool GetAutoThemeAdapt() const {
        return FAutoThemeAdapt;
    }
    void SetAutoThemeAdapt(bool value) {
        FAutoThemeAdapt = value;
    }
    bool GetQatSharpCurve() const {
        return FQatSharpCurve;
    }
    void SetQatSharpCurve(bool value) {
        FQatSharpCurve = value;
    }
    TColor GetFormBorderColor() const {
        return FFormBorderColor;
    }
    void SetFormBorderColor(TColor value) {
        FFormBorderColor = value;
    }
    TZemStyle GetZemStyle() const {
        return FZemStyle;
    }
    void SetZemStyle(TZemStyle value) {
        FZemStyle = value;
    }
    TZemStyle GetNewZemStyle() const {
        return FNewZemStyle;
    }

    // Code to every linked control that takes styler changes, in list order.
    void BroadcastChange(int code);
    // The shared style to the linked pagers; see IToolBarStylerPager.
    void BroadcastStyle(TZemStyle style);

protected:
    void BeforeDestruction() override;

private:
    void HookRecord(TToolBarRecord& record, int code);
    void GlowChanged(TObject*) {
        BroadcastChange(scGlowButton);
    }
    void FontChanged(TObject*) {
        BroadcastChange(scBackGround);
    }
    void CaptionFontChanged(TObject*) {
        BroadcastChange(scStyle);
    }
    template <class V>
    void StoreAndBroadcast(V& field, V value, int code) {
        if (field == value) return;
        field = value;
        BroadcastChange(code);
    }

    bool FBackGroundTransparent = true;
    TBackGroundDisplay FBackGroundDisplay = bdTile;
    TBitmap FBackGround;
    TVistaGradientBackground FColor;
    TGradientBackground FDockColor;
    menus::TCustomOrvMenuStyler* FInternalOrvMenuStyler = nullptr;
    menus::TCustomOrvMenuStyler* FOrvMenuStyler = nullptr;
    TDragGripStyle FDragGripStyle = dsDots;
    TBitmap FDragGripImage;
    TBitmap FRightHandleImage;
    TFont FFont;
    bool FTransparent = false;
    std::vector<TComponent*> FControlList;
    bool FRoundEdges = true;
    TColor FRightHandleColor = 0x9E9E9E;
    TColor FRightHandleColorHot = 0xD2BDB6;
    TColor FRightHandleColorTo = 0;
    TColor FRightHandleColorHotTo = 0;
    int FFloatingWindowBorderWidth = 2;
    TColor FFloatingWindowBorderColor = 0x6D6D6D;
    TButtonAppearance FButtonAppearance;
    bool FAutoThemeAdapt = false;
    TColor FRightHandleColorDownTo = 0x2DA0FF;
    TColor FRightHandleColorDown = 0x76C1FF;
    TBevelCut FBevel = bvNone;
    bool FUseBevel = false;
    TColor FBorderColorHot = clNone;
    TColor FBorderColor = clNone;
    TVistaGradientBackground FColorHot{clNone, clNone};
    TFont FCaptionFont;
    TZemStyle FZemStyle = tsOffice2003Blue;
    TContainerAppearance FContainerAppearance;
    TGlowButtonAppearance FGlowButtonAppearance;
    TVistaTextBackground FPagerCaption;
    TTabAppearance FTabAppearance;
    TVistaPageBackground FPageAppearance;
    TCaptionAppearance FCaptionAppearance;
    TGroupAppearance FGroupAppearance;
    TGlowButtonAppearance FCompactGlowButtonAppearance;
    TQATAppearance FQATAppearance;
    bool FSystemFont = true;
    bool FQatSharpCurve = false;
    TColor FFormBorderColor = 0;
    TColor FSysButtonColor = 0;
    TZemStyle FNewZemStyle = tsOffice2003Blue;

    int FUpdateCount = 0;
    std::vector<int> FPendingCodes;
};

}  // namespace orv
