#pragma once
// The light-weight controls of a toolbar: window-less (graphic) controls painted on the
// toolbar's canvas. TOrvCustomToolBarControl knows the toolbar (or quick access toolbar)
// it sits on and the side that toolbar is docked at; TOrvToolBarButton is the flat
// classic button with state glyphs, a hot shade, an optional (split) drop-down part and
// check or group behaviour, captions rotated on vertical toolbars. The button owns its
// appearance, bitmaps, pictures, hint record, draw position and un-hot timer; toolbar,
// menus, menu item, image lists and action are links.
#include <memory>
#include <string>

#include "framework/ActnList.h"
#include "framework/Bitmap.h"
#include "framework/Controls.h"
#include "paint/FaceCache.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/ToolBarButtonPainter.h"

namespace orv {

class TGDIPPicture;
class TImageList;
class TMenuItem;
class TOrvHintInfo;
class TPopupMenu;
class TTimer;
class TOrvCustomToolBarButton;
struct TToolButtonFace;

// What a quick access toolbar offers the controls placed on it; the quick access
// toolbar implements it.
class IQuickAccessToolBar {
public:
    virtual TWinControl* QuickAccessControl() = 0;
    // Registers a control (false when refused); removal.
    virtual bool AddQuickAccessControl(TControl* control) = 0;
    virtual void RemoveQuickAccessControl(TControl* control) = 0;
    virtual TCustomOrvToolBarStyler* QuickAccessStyler() = 0;
    virtual TImageList* QuickAccessImages() = 0;
    virtual TImageList* QuickAccessDisabledImages() = 0;
    // Painted on aero glass; full size (below the ribbon); its form is maximised.
    virtual bool OnAeroGlass() = 0;
    virtual bool FullSize() = 0;
    virtual bool FormMaximized() = 0;
    virtual void CloseOverflowWindow() = 0;
    // A group button went down on it.
    virtual void ButtonPressed(int groupIndex, TControl* sender) = 0;

protected:
    ~IQuickAccessToolBar() = default;
};

class TOrvCustomToolBarControl : public TGraphicControl {
public:
    ORV_CLASS_NAME(TOrvCustomToolBarControl)
    explicit TOrvCustomToolBarControl(TComponent* owner);

    TOrvCustomToolBar* GetOrvToolBar() const { return FOrvToolBar; }
    // Leaves the previous toolbar, takes the toolbar as parent and lets it register this
    // control; raises "OrvToolBar not set" when it does not.
    void SetOrvToolBar(TOrvCustomToolBar* value);
    IQuickAccessToolBar* GetOrvQuickAccessToolBar() const { return FOrvQuickAccessToolBar; }
    void SetOrvQuickAccessToolBar(IQuickAccessToolBar* value);
    // A toolbar, toolbar container or quick access toolbar as parent links to it; in a
    // container the control links to the container's toolbar and stays in the container.
    void SetParent(TWinControl* parent) override;
    // The toolbar of the container this control sits in (null: none).
    void SetContainerToolBar(TOrvCustomToolBar* toolBar);
    // The toolbar became floating or docked: sizes that follow its shape are set again.
    void HostShapeChanged() { ParentChanged(); }
    void Notification(TComponent* component, TOperation operation) override;

    TDockAlign GetPosition() const { return FPosition; }
    void SetPosition(TDockAlign value);
    bool Horizontal() const { return IsHorizontalAlign(FPosition); }
    virtual bool CanRotate() const { return false; }
    bool Rotated() const { return !Horizontal() && CanRotate(); }

protected:
    ~TOrvCustomToolBarControl() override;
    void BeforeDestruction() override;
    virtual void PositionChanged() { Invalidate(); }
    // After the parent changed (sizes that follow the parent are set again).
    virtual void ParentChanged() {}
    // The styler of the toolbar or quick access toolbar, null without one.
    TCustomOrvToolBarStyler* HostStyler() const;

    TOrvCustomToolBar* FOrvToolBar = nullptr;
    IQuickAccessToolBar* FOrvQuickAccessToolBar = nullptr;
    TDockAlign FPosition = daTop;

private:
    void Detach();
};

// Glyph and caption placed by hand instead of by the layout; OnChange repaints the button.
class TOrvToolBarButtonDrawPosition : public TPersistent {
public:
    ORV_CLASS_NAME(TOrvToolBarButtonDrawPosition)
    void Assign(const TPersistent* source) override;
#define ORV_DP_PROP(Type, Name)       \
    Type Get##Name() const {          \
        return F##Name;               \
    }                                 \
    void Set##Name(Type value) {      \
        if (F##Name == value) return; \
        F##Name = value;              \
        if (OnChange) OnChange(this); \
    }
    ORV_DP_PROP(bool, Enabled)
    ORV_DP_PROP(int, TextX)
    ORV_DP_PROP(int, TextY)
    ORV_DP_PROP(int, ImageX)
    ORV_DP_PROP(int, ImageY)
#undef ORV_DP_PROP
    TNotifyEvent OnChange;

private:
    bool FEnabled = false;
    int FTextX = 0, FTextY = 0, FImageX = 0, FImageY = 0;
};

class TOrvToolBarButtonActionLink : public TControlActionLink {
public:
    explicit TOrvToolBarButtonActionLink(TOrvCustomToolBarButton* client);
    bool IsCheckedLinked() override;
    bool IsGroupIndexLinked() override;
    void SetChecked(bool value) override;
    void SetGroupIndex(int value) override;

private:
    TOrvCustomToolBarButton* FClient;
};

class TOrvCustomToolBarButton : public TOrvCustomToolBarControl {
public:
    ORV_CLASS_NAME(TOrvCustomToolBarButton)
    explicit TOrvCustomToolBarButton(TComponent* owner);

    void Click() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    bool CanRotate() const override { return FCanRotate; }
    virtual bool IsMenuButton() const { return false; }
    // At run time, with an auto-popup drop-down menu or a menu item: asks the toolbar to
    // open it. True when it did.
    bool CheckMenuDropdown();
    // Mirrors a menu item (caption, checked as Down, enabled, hint, image, visible,
    // action) and forgets it when it is freed.
    void SetMenuItem(TMenuItem* item);
    TMenuItem* GetMenuItem() const { return FMenuItem; }
    // Re-runs the auto-size (the toolbar calls it after a styler or size change).
    void AdjustSize();
    // The quick access toolbar sets the margin around the content (4 on a toolbar) and
    // rebuilds the hot shade when its image lists change.
    void SetOffSet(int value);
    void RebuildShade() { BuildShade(); }

    // --- published -----------------------------------------------------------------------
    bool GetAllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TButtonAppearance& Appearance() { return FAppearance; }
    void SetAppearance(const TButtonAppearance& value) { FAppearance.Assign(&value); }
    bool GetCanRotate() const { return FCanRotate; }
    void SetCanRotate(bool value);
    TGlyphPosition GetGlyphPosition() const { return FGlyphPosition; }
    void SetGlyphPosition(TGlyphPosition value);
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool GetDown() const { return FDown; }
    void SetDown(bool value);
    bool GetDropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool value);
    TPopupMenu* GetDropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* value);
    bool GetDropDownSplit() const { return FDropDownSplit; }
    void SetDropDownSplit(bool value);
    TOrvToolBarButtonDrawPosition& DrawPosition() { return FDrawPosition; }
    TBitmap& Glyph() { return *FGlyph; }
    TBitmap& GlyphHot() { return *FGlyphHot; }
    TBitmap& GlyphDown() { return *FGlyphDown; }
    TBitmap& GlyphDisabled() { return *FGlyphDisabled; }
    TBitmap& GlyphChecked() { return *FGlyphChecked; }
    // The grey silhouette drawn under a hot glyph.
    const TBitmap& GlyphShade() const { return *FGlyphShade; }
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    TGDIPPicture& Picture() { return *FPicture; }
    TGDIPPicture& PictureDisabled() { return *FPictureDisabled; }
    bool GetParentStyler() const { return FParentStyler; }
    void SetParentStyler(bool value);
    bool GetShaded() const { return FShaded; }
    void SetShaded(bool value);
    bool GetShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    TOrvHintInfo& OfficeHint() { return *FOfficeHint; }
    TOrvToolButtonStyle GetStyle() const { return FStyle; }
    void SetStyle(TOrvToolButtonStyle value);
    std::wstring GetVersion() const { return L"1.0.0.0"; }
    bool GetForceImageIndex() const { return FForceImageIndex; }
    void SetForceImageIndex(bool value);
    int GetCommandID() const { return FCommandID; }
    void SetCommandID(int value) { FCommandID = value; }
    int GetInternalTag() const { return FInternalTag; }
    void SetInternalTag(int value) { FInternalTag = value; }

    // --- state read by the toolbar, tests and the renderer ---------------------------------
    TOrvButtonState State() const { return FState; }
    bool Hot() const { return FMouseInControl || FPropHot; }
    bool PropHot() const { return FPropHot; }
    // Hot by the toolbar's menu tracking.
    void SetPropHot(bool value);
    bool MenuSel() const { return FMenuSel; }
    bool UnHotTimerRunning() const;
    // The colours the button would paint with now.
    TToolButtonColors CurrentColors();
    // The face the frame painter would get now.
    TToolButtonFrame CurrentFrame();
    // Glyph size and caption size the layout uses now.
    TSize GlyphSize();
    TSize CaptionSize();

    TNotifyEvent OnDropDown;

protected:
    ~TOrvCustomToolBarButton() override;
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void PositionChanged() override;
    void ParentChanged() override { AdjustSize(); }
    void ActionChange(TObject* sender, bool checkDefaults) override;
    std::unique_ptr<TControlActionLink> CreateActionLink() override;

    // Hooks of the menu button.
    virtual TToolButtonColors StateColors(const TToolButtonStateInput& input);
    virtual const TFont& CaptionFont();
    // Opens the drop-down menu or menu item through the toolbar (menu buttons).
    bool OpenThroughToolBar();
    TOrvButtonState ResolvedState() const;
    void ContentChanged();
    void BuildShade();
    void LeaveSteps();
    void EnterSteps();
    void TrackPointer(int x, int y);
    bool Inside(int x, int y) const { return x >= 0 && x < FWidth && y >= 0 && y < FHeight; }
    bool OnAeroQuickAccess() const;
    // The disabled images of the toolbar or quick access toolbar, null without.
    TImageList* HostDisabledImages() const;

    TButtonAppearance FAppearance;
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    int FSpacing = 4;
    bool FTransparent = true;
    int FOffSet = 4;
    bool FFlat = true;
    bool FHot = false;
    bool FMenuSel = false;
    std::unique_ptr<TBitmap> FGlyph, FGlyphHot, FGlyphDown, FGlyphDisabled, FGlyphChecked, FGlyphShade;
    bool FShaded = true;
    TOrvToolButtonStyle FStyle = tasButton;
    bool FDropDownButton = false;
    TPopupMenu* FDropDownMenu = nullptr;
    bool FParentStyler = true;
    TOrvButtonState FState = absUp;
    TGlyphPosition FGlyphPosition = gpLeft;
    bool FMouseDownInControl = false;
    int FDropDownSectWidth = 12;
    bool FGrouped = true;
    TMenuItem* FMenuItem = nullptr;
    int FImageIndex = -1;
    bool FShadedForGlyph = false;
    bool FDragging = false;
    bool FShowCaption = false;
    bool FPropHot = false;
    std::unique_ptr<TGDIPPicture> FPicture, FPictureDisabled;
    TTimer* FUnHotTimer = nullptr;  // owned (a component of this button)
    TOrvToolBarButtonDrawPosition FDrawPosition;
    bool FInitialDown = false;
    int FInternalTag = 0;
    std::unique_ptr<TOrvHintInfo> FOfficeHint;
    bool FDropDownSplit = true;
    bool FForceImageIndex = false;
    bool FInternalClick = false;
    bool FMenuBeingClosed = false;
    bool FMenuDisplayed = false;
    bool FCanRotate = true;
    bool FToolBarCreated = false;
    int FCommandID = -1;
    bool FCustomizerCreated = false;
    bool FAutoSize = true;
    bool FCheckLinked = false;
    bool FGroupIndexLinked = false;
    // The last caption measurement and what it was measured with, so a paint measures
    // only after a change.
    struct TMeasuredCaption {
        std::wstring Text, FontName;
        int FontHeight = 0;
        TFontStyles FontStyle = 0;
        uint8_t Charset = 0;
        TSize Size;
        int GhHeight = 0;
    };
    TMeasuredCaption FMeasured;
    // The state bitmaps (by TToolButtonGlyph) and the shade as keyed, premultiplied faces:
    // made on first paint after a change, then blended in one call.
    std::unique_ptr<TFace> FGlyphFaces[7];
    static constexpr int kShadeFace = 6;
    const TFace& GlyphFace(int slot, TBitmap& bitmap);
    // The glyph of slot at (x, y): from its face, or keyed straight from the bitmap when no
    // face can be had (the handles ran out).
    void DrawGlyphBitmap(HDC dc, int slot, TBitmap& bitmap, int x, int y);
    bool FMeasuredValid = false;
    const TMeasuredCaption& Measure();
    // Moves on (from one sequence for every button) whenever a state bitmap or the shade
    // changes: the kept faces name the bitmaps by address and this version.
    uint64_t FGlyphVersion = 0;
    void GlyphChanged();
    // The hot shade is drawn beneath the glyph now.
    bool ShadeShown() const;
    TToolButtonContent ContentLayout(TSize glyph, TSize text);
    TToolButtonFrame FrameFor(const TToolButtonColors& colors);
    TToolButtonFace FaceOf(const TToolButtonFrame& frame, const TToolButtonColors& colors,
                           const TToolButtonContent& layout, TPoint glyphAt, bool glyph);
    // The serial of the parent's kept face beneath the button, 0 when the parent names none.
    uint64_t ParentFaceKey();
    // Cleared when the button is destroyed: a click handler may free it.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);

private:
    friend class TOrvToolBarButtonActionLink;
    void ButtonPressed(int groupIndex, TOrvCustomToolBarButton* sender);
    void BroadcastPressed();
    void UnHotTick();
    void PopupDropDownMenu();
    // Image list and index the glyph comes from (null when none applies).
    TImageList* GlyphImages(int& index);
    TBitmap* StateBitmap(TToolButtonGlyph which);
    void DrawGlyph(TCanvas& canvas, TPoint at, const TToolButtonColors& colors);
    void DrawCaption(TCanvas& canvas, const TToolButtonContent& layout, const TToolButtonColors& colors);
};

class TOrvToolBarButton : public TOrvCustomToolBarButton {
public:
    ORV_CLASS_NAME(TOrvToolBarButton)
    using TOrvCustomToolBarButton::TOrvCustomToolBarButton;
};

// Registers the toolbar controls for stored layouts (the toolbar unit calls it).
void RegisterToolBarButtonClasses();

}  // namespace orv
