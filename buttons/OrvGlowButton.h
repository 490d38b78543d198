#pragma once
// TOrvGlowButton: the library's command button. A windowed control that paints a
// two-half glass face in one of five looks, fades between them on a timer, shows a
// picture or image-list glyph with a caption and notes, and can have a (split)
// drop-down part, act as a check or radio-group button, repeat clicks while held and
// shrink through three size states for toolbars. Owns its appearance, pictures, notes
// font, hint record and key-tip window; links (image lists, menu, action) are not owned.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "buttons/GlowButtonAppearance.h"
#include "buttons/GlowButtonPainter.h"
#include "buttons/ZemStyle.h"
#include "framework/ActnList.h"
#include "framework/ImageList.h"
#include "framework/WinControl.h"

namespace orv {

class TGDIPPicture;
class TOrvHintInfo;
class TPopupMenu;
class TShortCutHintWindow;
class TOrvCustomGlowButton;

// A transparent glow button asks its parent (Perform, lParam: a TParentBackgroundQuery)
// whether the pixels the parent paints beneath Rect (parent client coordinates) are a
// function of one key. A parent that can tell sets Key (never 0) and answers 1; the button
// then keeps its face composed over that background instead of repainting the parent's
// background each paint.
constexpr UINT WM_ORV_PARENTBACKGROUNDKEY = WM_ORV_FIRST + 0x40;
// A window-less child asking names itself in Child, so that the parent does not count it
// among the graphic controls painted beneath the rectangle.
struct TParentBackgroundQuery {
    TRect Rect;
    uint64_t Key = 0;
    const void* Child = nullptr;
};

// The fade timer's interval in milliseconds, shared by every glow button (and the
// pager's pages); read each time a fade starts.
inline unsigned GlowSpeed = 30;
// Glow buttons paint through the shared face cache; false draws every paint afresh (to
// compare the two, and to measure).
inline bool GlowFaceCache = true;

enum TOrvButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };
enum TOrvButtonStyle { bsButton, bsCheck };
enum TFocusType { ftBorder, ftHot, ftHotBorder, ftNone };
enum TGlowButtonState { gsNormal, gsHot, gsDown };
enum TButtonSizeState { bsGlyph, bsLabel, bsLarge };
enum TImageListType { ipActionList, ipOwnLists };
enum TGlowState { gsHover, gsPush, gsNone };
enum TShortCutHintPos {
    shpLeft,
    shpTop,
    shpRight,
    shpBottom,
    shpCenter,
    shpAuto,
    shpTopLeft,
    shpTopRight,
    shpAboveTop,
    shpAboveTopLeft,
    shpAboveTopRight,
    shpBottomLeft,
    shpBottomRight,
    shpBelowBottom,
    shpBelowBottomLeft,
    shpBelowBottomRight,
    shpBelowBottomCenter,
};

using TGlowButtonDrawEvent = TEvent<TObject*, TCanvas&, TGlowButtonState, TRect>;
using TSetButtonSizeEvent = TEvent<TObject*, int&, int&>;
using TOnGetShortCutHintPos = TEvent<TObject*, TButtonSizeState, TShortCutHintPos&>;

// Screen position of a key-tip window of size (w, h) for a button at (sx, sy) of size
// (W, H); shpAuto places like shpTop.
TPoint ShortCutHintOrigin(TShortCutHintPos pos, int sx, int sy, int buttonWidth, int buttonHeight, int width,
                          int height);

class TOrvGlowButtonActionLink : public TControlActionLink {
public:
    explicit TOrvGlowButtonActionLink(TOrvCustomGlowButton* client);
    bool IsCheckedLinked() override;
    bool IsGroupIndexLinked() override;
    bool IsImageIndexLinked() override;
    void SetChecked(bool value) override;
    void SetGroupIndex(int value) override;
    void SetImageIndex(int value) override;

private:
    friend class TOrvCustomGlowButton;
    TOrvCustomGlowButton* FClient;
    int FImageIndex = -1;
};

class TOrvCustomGlowButton : public TCustomControl, public IZemStyle {
public:
    ORV_CLASS_NAME(TOrvCustomGlowButton)
    explicit TOrvCustomGlowButton(TComponent* owner);

    void Click() override;
    virtual void DoDropDown();
    void ShowShortCutHint();
    void HideShortCutHint();
    // What Return, Space or a key tip does: drops the menu down or clicks, by the style
    // (a check button toggles first). May free the button.
    void KeyboardClick();
    void SetComponentStyle(TZemStyle style) override;
    void SetButtonSizeState(TButtonSizeState state);
    TButtonSizeState GetButtonSizeState() const { return FButtonSizeState; }
    // Width and height the button would have in that state, without changing it.
    TSize GetSizeForState(TButtonSizeState state);
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    // --- published properties ---------------------------------------------------------
    TAntiAlias GetAntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(TAntiAlias value) { StoreAndInvalidate(FAntiAlias, value); }
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value) { StoreAndInvalidate(FBorderStyle, value); }
    bool GetCancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    bool GetDefault() const { return FDefault; }
    void SetDefault(bool value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    TImageList* GetImages() const { return FImages; }
    void SetImages(TImageList* value) { SetImageList(FImages, FImagesLink, value); }
    TImageList* GetDisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TImageList* value) { SetImageList(FDisabledImages, FDisabledImagesLink, value); }
    TImageList* GetHotImages() const { return FHotImages; }
    void SetHotImages(TImageList* value) { SetImageList(FHotImages, FHotImagesLink, value); }
    // The list glyphs come from when no other list is set; made on first use, owned.
    TImageList& InternalImages();
    TGDIPPicture& Picture() { return *FPicture; }
    TGDIPPicture& DisabledPicture() { return *FDisabledPicture; }
    TGDIPPicture& HotPicture() { return *FHotPicture; }
    TFocusType GetFocusType() const { return FFocusType; }
    void SetFocusType(TFocusType value) { StoreAndInvalidate(FFocusType, value); }
    TImageListType GetImageListType() const { return FImageListType; }
    void SetImageListType(TImageListType value) { StoreAndInvalidate(FImageListType, value); }
    int GetMarginVert() const { return FMarginVert; }
    void SetMarginVert(int value) { StoreAndResize(FMarginVert, value); }
    int GetMarginHorz() const { return FMarginHorz; }
    void SetMarginHorz(int value) { StoreAndResize(FMarginHorz, value); }
    int GetModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    const std::vector<std::wstring>& GetNotes() const { return FNotes; }
    void SetNotes(const std::vector<std::wstring>& value);
    TFont& NotesFont() { return FNotesFont; }
    TOrvHintInfo& OfficeHint() { return *FOfficeHint; }
    TButtonPosition GetPosition() const { return FPosition; }
    void SetPosition(TButtonPosition value);
    int GetInitRepeatPause() const { return FInitRepeatPause; }
    void SetInitRepeatPause(int value) { FInitRepeatPause = value; }
    int GetRepeatPause() const { return FRepeatPause; }
    void SetRepeatPause(int value) { FRepeatPause = value; }
    bool GetRepeatClick() const { return FRepeatClick; }
    void SetRepeatClick(bool value) { FRepeatClick = value; }
    bool GetRounded() const { return FRounded; }
    void SetRounded(bool value);
    const std::wstring& GetShortCutHint() const { return FShortCutHint; }
    void SetShortCutHint(const std::wstring& value) { FShortCutHint = value; }
    TShortCutHintPos GetShortCutHintPos() const { return FShortCutHintPos; }
    void SetShortCutHintPos(TShortCutHintPos value) { FShortCutHintPos = value; }
    bool GetShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value) { StoreAndResize(FShowCaption, value); }
    bool GetShowDisabled() const { return FShowDisabled; }
    void SetShowDisabled(bool value) { StoreAndInvalidate(FShowDisabled, value); }
    int GetSpacing() const { return FSpacing; }
    void SetSpacing(int value) { StoreAndResize(FSpacing, value); }
    bool GetTransparent() const { return FTransparent; }
    // A transparent button paints on its parent's background (csParentBackground).
    void SetTransparent(bool value);
    TStringTrimming GetTrimming() const { return FTrimming; }
    void SetTrimming(TStringTrimming value) { StoreAndInvalidate(FTrimming, value); }
    std::wstring GetVersion() const { return L"1.0.0.0"; }
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { StoreAndResize(FWordWrap, value); }
    bool GetAllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    TGlowButtonAppearance& Appearance() { return FAppearance; }
    void SetAppearance(const TGlowButtonAppearance& value);
    bool GetDown() const { return FDownChecked; }
    void SetDown(bool value);
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    TButtonLayout GetLayout() const { return FLayout; }
    void SetLayout(TButtonLayout value) { StoreAndInvalidate(FLayout, value); }
    TOrvButtonStyle GetStyle() const { return FStyle; }
    void SetStyle(TOrvButtonStyle value) { FStyle = value; }
    TButtonSizeState GetMaxButtonSizeState() const { return FMaxButtonSizeState; }
    void SetMaxButtonSizeState(TButtonSizeState value);
    TButtonSizeState GetMinButtonSizeState() const { return FMinButtonSizeState; }
    void SetMinButtonSizeState(TButtonSizeState value);
    bool GetDropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool value);
    TDropDownPosition GetDropDownPosition() const { return FDropDownPosition; }
    void SetDropDownPosition(TDropDownPosition value);
    TDropDownDirection GetDropDownDirection() const { return FDropDownDirection; }
    void SetDropDownDirection(TDropDownDirection value) { StoreAndInvalidate(FDropDownDirection, value); }
    bool GetDropDownSplit() const { return FDropDownSplit; }
    void SetDropDownSplit(bool value) { StoreAndInvalidate(FDropDownSplit, value); }
    TPopupMenu* GetDropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* value);

    // --- state read by tests, toolbars and the renderer ----------------------------------
    TOrvButtonState State() const { return FState; }
    bool Hot() const { return FHot; }
    bool IsDroppedDown() const { return FDroppedDown; }
    bool InDropDownPart() const { return FInButton; }
    bool Animating() const { return FTimerActive; }
    int StepHover() const { return FStepHover; }
    int StepPush() const { return FStepPush; }
    // The colours the face would be painted with now (after state, fade and focus).
    TGlowColorSet CurrentColors();
    TShortCutHintWindow* ShortCutHintWindow() const { return FShortCutHintWindow; }

    TNotifyEvent OnDropDown;
    TGlowButtonDrawEvent OnDrawButton;
    // Hooks of the toolbar family.
    TNotifyEvent OnInternalClick;
    TNotifyEvent OnInternalDropDown;
    TKeyEvent OnInternalKeyDown;
    TSetButtonSizeEvent OnSetButtonSize;
    TOnGetShortCutHintPos OnGetShortCutHintPos;

protected:
    ~TOrvCustomGlowButton() override;
    void BeforeDestruction() override;
    void CreateHandleDone() override;
    void WndProc(TMessage& message) override;
    void Paint() override;
    // Skipped when the face will carry the parent's background (see TParentBackgroundQuery).
    void EraseBackground(HDC dc) override;
    // The name of the parent's pixels beneath the button (0: the parent names none).
    uint64_t ParentBackgroundKey();
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void KeyPress(wchar_t& key) override;
    void DoEnter() override;
    void DoExit() override;
    void WindowTimer(UINT_PTR id) override;
    void Resize() override;
    LRESULT DialogCode() override;
    // Beyond the control's values: group index, image index and checked (as Down).
    void ActionChange(TObject* sender, bool checkDefaults) override;
    std::unique_ptr<TControlActionLink> CreateActionLink() override;

    bool FDefaultPicDrawing = true;
    bool FDefaultCaptionDrawing = true;
    bool FStaticButton = false;
    bool FOverlappedText = false;
    std::wstring FWideCaption;
    int FCommandID = -1;

private:
    friend class TOrvGlowButtonActionLink;
    // Repaints the pixels outside the rounded frame from the parent's background.
    void GiveCornersBack(HDC dc, const TGlowButtonPaint& p);
    template <class V>
    void StoreAndInvalidate(V& field, V value) {
        if (field == value) return;
        field = value;
        Invalidate();
    }
    template <class V>
    void StoreAndResize(V& field, V value) {
        if (field == value) return;
        field = value;
        ContentChanged();
    }
    void ContentChanged();
    void SetImageList(TImageList*& field, TChangeLink& link, TImageList* value);
    void AppearanceChanged(TObject*);
    void UpdateHintColors();
    void StartGlow();
    void StopGlow();
    void GlowTick();
    void RepeatTick();
    void StopRepeat();
    void ButtonPressed(int groupIndex, TOrvCustomGlowButton* sender);
    void UpdateExclusive();
    void PopupDropDownMenu();
    TOrvGlowButtonActionLink* GlowActionLink() const { return static_cast<TOrvGlowButtonActionLink*>(ActionLink()); }
    // Everything the painter needs for the current state (steps that pick colours,
    // glyph source, caption and size-state rules).
    TGlowButtonPaint BuildPaint(bool measure, TButtonSizeState sizeState);
    // The colours with the fade steps at these values.
    TGlowColorSet ColorsAt(int stepHover, int stepPush);
    // While a fade runs: the two end looks whose blend at percent the colours are.
    bool FadeEnds(TGlowColorSet& from, TGlowColorSet& to, int& percent);
    TSize AutoSizeFor(const TGlowButtonPaint& paint);
    void ApplyAutoSize();
    void TrackPointer(int x, int y);
    bool Inside(int x, int y) const { return x >= 0 && x < FWidth && y >= 0 && y < FHeight; }
    // Up, or the checked look for a group's down button: what a button returns to when a
    // press, a key or the focus lets go of it.
    TOrvButtonState RestingState() const { return FDownChecked && FGroupIndex != 0 ? absExclusive : absUp; }
    // The window's shape without the corner pixels outside the rounded frame, so the
    // parent paints them itself.
    void UpdateShape();

    TGlowButtonAppearance FAppearance;
    std::unique_ptr<TGDIPPicture> FPicture, FDisabledPicture, FHotPicture;
    std::unique_ptr<TOrvHintInfo> FOfficeHint;
    TChangeLink FImagesLink, FDisabledImagesLink, FHotImagesLink, FInternalImagesLink;
    TImageList* FImages = nullptr;
    TImageList* FDisabledImages = nullptr;
    TImageList* FHotImages = nullptr;
    TImageList* FInternalImages = nullptr;
    TPopupMenu* FDropDownMenu = nullptr;
    TShortCutHintWindow* FShortCutHintWindow = nullptr;
    TFont FNotesFont;
    TFont FPaintFont;
    std::vector<std::wstring> FNotes;

    TAntiAlias FAntiAlias = aaClearType;
    bool FAutoSize = false;
    TBorderStyle FBorderStyle = bsSingle;
    bool FCancel = false;
    bool FDefault = false;
    int FImageIndex = -1;
    TFocusType FFocusType = ftBorder;
    TImageListType FImageListType = ipActionList;
    int FMarginVert = 1;
    int FMarginHorz = 1;
    int FModalResult = 0;
    TButtonPosition FPosition = bpStandalone;
    int FInitRepeatPause = 400;
    int FRepeatPause = 100;
    bool FRepeatClick = false;
    bool FRounded = true;
    std::wstring FShortCutHint;
    TShortCutHintPos FShortCutHintPos = shpTop;
    bool FShowCaption = true;
    bool FShowDisabled = true;
    int FSpacing = 2;
    bool FTransparent = false;
    TStringTrimming FTrimming = StringTrimmingNone;
    bool FWordWrap = true;
    bool FAllowAllUp = false;
    int FGroupIndex = 0;
    TButtonLayout FLayout = blGlyphLeft;
    TOrvButtonStyle FStyle = bsButton;
    TButtonSizeState FMaxButtonSizeState = bsLarge;
    TButtonSizeState FMinButtonSizeState = bsGlyph;
    bool FDropDownButton = false;
    TDropDownPosition FDropDownPosition = dpRight;
    TDropDownDirection FDropDownDirection = ddDown;
    bool FDropDownSplit = true;

    TOrvButtonState FState = absUp;
    bool FDown = false;
    bool FLeftDown = false;
    bool FMouseDown = false;
    bool FMouseEnter = false;
    bool FHot = false;
    bool FInButton = false;
    bool FDownChecked = false;
    bool FInitialDown = false;
    bool FDragging = false;
    bool FHasFocus = false;
    bool FActive = false;
    bool FTimerActive = false;
    int FStepHover = 0;
    int FStepPush = 0;
    int FTimeInc = 20;
    TGlowState FGlowState = gsNone;
    bool FRepeatActive = false;
    bool FDroppedDown = false;
    TButtonSizeState FButtonSizeState = bsLarge;
    TButtonLayout FOldLayout = blGlyphLeft;
    TDropDownPosition FOldDropDownPosition = dpRight;
    bool FDoAutoSize = false;
    bool FFirstPaint = true;
    bool FPainting = false;
    // Painting for its own window (not into a DC someone handed over).
    bool FPaintingOnScreen = false;
    // The parent's background key taken by EraseBackground for the paint that follows; 0
    // when the background was painted the usual way.
    uint64_t FParentBackgroundKey = 0;
    bool FShaped = false;
    bool FIsVista = false;
    bool FCheckLinked = false;
    bool FGroupIndexLinked = false;
    bool FEnterHandledAsDialogKey = false;
};

class TOrvGlowButton : public TOrvCustomGlowButton {
public:
    ORV_CLASS_NAME(TOrvGlowButton)
    using TOrvCustomGlowButton::TOrvCustomGlowButton;
};

// Registers the button classes (and the records they publish) for stored layouts.
void RegisterButtonsClasses();

}  // namespace orv
