#pragma once
// TOrvShapeButton: the application button at the left end of the tabbed command bar. A
// windowed control that paints one of three shapes (picture only, a rectangle with one
// rounded corner, a round orb) in four looks, with a picture per look, a caption and an
// optional menu glyph. A click opens, 100 ms later, either the linked preview menu or
// the frame window (FrameWindow.h) that hosts the linked frame below the button.
//
// Owns its appearance, pictures, hint record, timers, the frame window and the key-tip
// window (both made on first use). The preview menu, the frame and the action are links,
// not owned: the frame goes back to the parent it had before it was first shown before
// the frame window is freed, so the frame's own owner frees it.
#include <memory>
#include <string>

#include "buttons/OrvGlowButton.h"
#include "appbutton/ShapeButtonAppearance.h"
#include "framework/ActnList.h"
#include "framework/WinControl.h"
#include "paint/OrvText.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvStyleIF.h"
#include "toolbar/ToolBarButtonPainter.h"

namespace orv {

class TFrameWindow;
class TOrvCustomShapeButton;
class TOrvPreviewMenu;
class TTimer;

// The button paints through the shared face cache; false draws every paint afresh (to
// compare the two, and to measure).
inline bool ShapeButtonFaceCache = true;

enum TShapeButtonLayout { plPictureCenter, plPictureOnTop, plPictureAtBottom };
using TShapeAntiAlias = TTextAntiAlias;

class TOrvShapeButtonActionLink : public TControlActionLink {
public:
    explicit TOrvShapeButtonActionLink(TOrvCustomShapeButton* client);
    bool IsCheckedLinked() override;
    bool IsGroupIndexLinked() override;
    void SetChecked(bool value) override;
    void SetGroupIndex(int value) override;

private:
    TOrvCustomShapeButton* FClient;
};

// Where the caption and the picture of a shape button go (client coordinates).
struct TShapeContentLayout {
    TRect Caption;
    TPoint Picture;
    // DT_ vertical placement of the caption: top-aligned or centred.
    bool CaptionTop = false;
};
// The picture and caption boxes for a button of size (width, height), a picture of
// (pw, ph) (0 x 0 for none) and a caption th high.
TShapeContentLayout ShapeContentLayout(TShapeButtonLayout layout, int width, int height, int pw, int ph, int th);

// The preview menu's placement: its screen origin and the left shift, from the button's
// screen rectangle, the menu size, its top frame height and the work area's right edge.
struct TShapeMenuPlacement {
    TPoint Origin;
    int OffSet = 0;
};
TShapeMenuPlacement ShapeMenuPlacement(bool scenic, TPoint buttonScreen, int buttonHeight, int menuWidth,
                                       int topFrameHeight, int workAreaRight);

class TOrvCustomShapeButton : public TCustomControl, public IWinStyle, public IToolBarKeyTips {
public:
    ORV_CLASS_NAME(TOrvCustomShapeButton)
    explicit TOrvCustomShapeButton(TComponent* owner);

    void Click() override;
    // What the delayed show does when its 100 ms are up (after a click): opens the menu
    // or toggles the frame window. Nothing unless a click asked for it.
    void ShowMenuOrFrame();
    void HideFrame();
    // The frame window's height below the button (never below 0).
    int GetFrameHeight();
    void InitializeStyle();
    void InitializeColors();
    void ShowShortCutHint();
    void HideShortCutHint();
    static std::wstring GetVersionNr() { return L"1.0.0.0"; }
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void SetParent(TWinControl* parent) override;

    // --- IWinStyle ----------------------------------------------------------------------
    void ChangeStyle(bool aWin7, int aStyle) override;
    void ChangeMenu(TColor) override {}
    void UpdateMenu() override;
    void HideMenu() override { HideFrame(); }
    void ShowMenuShortCuts() override {}
    void HideMenuShortCuts() override {}

    // --- the pager's key-tip typing ---------------------------------------------------
    // Typed (the pager's buffer) equal to ShortCutHint clicks the button as a user would
    // (the frame or menu then shows its own key tips); a hint that no longer starts with
    // it hides the button's tip. An empty hint never takes part.
    TMatch MatchShortCutHint(const std::wstring& typed) override;

    // --- published properties -------------------------------------------------------------
    TOrvShapeButtonAppearance& Appearance() { return FAppearance; }
    void SetAppearance(const TOrvShapeButtonAppearance& value) { FAppearance.Assign(&value); }
    TOrvPreviewMenu* GetOrvPreviewMenu() const { return FOrvPreviewMenu; }
    void SetOrvPreviewMenu(TOrvPreviewMenu* value);
    bool GetAllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    TShapeAntiAlias GetAntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(TShapeAntiAlias value) { StoreAndInvalidate(FAntiAlias, value); }
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool GetDown() const { return FDown; }
    void SetDown(bool value);
    TShapeButtonLayout GetLayout() const { return FLayout; }
    void SetLayout(TShapeButtonLayout value) { StoreAndInvalidate(FLayout, value); }
    TGDIPPicture& Picture() { return *FPicture; }
    TGDIPPicture& PictureHot() { return *FPictureHot; }
    TGDIPPicture& PictureDown() { return *FPictureDown; }
    TGDIPPicture& PictureDisabled() { return *FPictureDisabled; }
    TOrvHintInfo& OfficeHint() { return *FOfficeHint; }
    void SetOfficeHint(const TOrvHintInfo& value);
    const std::wstring& GetShortCutHint() const { return FShortCutHintText; }
    void SetShortCutHint(const std::wstring& value) { FShortCutHintText = value; }
    TShortCutHintPos GetShortCutHintPos() const { return FShortCutHintPos; }
    void SetShortCutHintPos(TShortCutHintPos value) { FShortCutHintPos = value; }
    const std::wstring& GetText() const { return GetCaption(); }
    void SetText(const std::wstring& value) { SetCaption(value); }
    TTextAlignment GetTextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TTextAlignment value) { StoreAndInvalidate(FTextAlignment, value); }
    int GetTextOffset() const { return FTextOffset; }
    void SetTextOffset(int value) { StoreAndInvalidate(FTextOffset, static_cast<int>(static_cast<uint16_t>(value))); }
    TOrvToolButtonStyle GetStyle() const { return FStyle; }
    void SetStyle(TOrvToolButtonStyle value);
    TWinControl* GetFrame() const { return FFrame; }
    void SetFrame(TWinControl* value);

    // Public, not published.
    bool GetUseGlobalColor() const { return FUseGlobalColor; }
    void SetUseGlobalColor(bool value) { StoreAndInvalidate(FUseGlobalColor, value); }

    // --- state read by tests, the renderer and the pager -----------------------------------
    TShapeLook CurrentLook() const;
    TFrameWindow* FrameWindow() const { return FMenuFrame; }
    TShortCutHintWindow* ShortCutHintWindow() const { return FShortCutHint; }
    bool MenuBeingShown() const { return FMenuBeingShown; }
    bool IsAeroVista() const { return FIsAeroVista; }
    int PreviewMenuOffSet() const { return FPreviewMenuOffSet; }
    // Tells every control of the frame that implements IWinStyle, also inside plain
    // containers of the frame (frame window hide, palettes).
    void HideFrameShortCuts();
    void TellFrameChangeMenu(TColor color);
    // Draws the button on a canvas at the origin, as its own paint does after the parent
    // background (the renderer and tests use it on a bitmap).
    void PaintTo(TCanvas& canvas);
    // The preview menu's OnDrawButtonFrameTop handler.
    void DrawOnPreviewMenu(TObject* sender, TCanvas& canvas, TRect rect);

protected:
    ~TOrvCustomShapeButton() override;
    void BeforeDestruction() override;
    void WndProc(TMessage& message) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void DblClick() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;
    LRESULT DialogCode() override;
    void ActionChange(TObject* sender, bool checkDefaults) override;
    std::unique_ptr<TControlActionLink> CreateActionLink() override;

private:
    friend class TOrvShapeButtonActionLink;
    friend class TFrameWindow;
    template <class V>
    void StoreAndInvalidate(V& field, V value) {
        if (field == value) return;
        field = value;
        Invalidate();
    }
    void ShowMenuTimerTick(TObject*);
    void UnHotTimerTick(TObject*);
    void ShowPreviewMenu(bool showHints);
    void ToggleFrameWindow(bool showHints);
    void PlaceFrameWindow();
    void EnsureFrameWindow();
    void ReleaseFrame();
    void HookMenuEvents(TOrvPreviewMenu* menu);
    void UnhookMenuEvents(TOrvPreviewMenu* menu);
    void ButtonPressed(int groupIndex, TOrvCustomShapeButton* sender);
    void UpdateExclusive();
    void SyncHover();
    TGDIPPicture* CurrentPicture(TShapeLook look, bool hot) const;
    int CaptionHeight(TCanvas& canvas);
    void DrawShape(TCanvas& canvas, const TRect& r, TShapeLook look);
    void DrawContent(TCanvas& canvas, TShapeLook look);
    TWinControl* PagerParent() const;
    int PagerCaptionHeight() const;
    void SetGlass(bool value);

    TOrvShapeButtonAppearance FAppearance;
    std::unique_ptr<TGDIPPicture> FPicture, FPictureHot, FPictureDown, FPictureDisabled;
    std::unique_ptr<TOrvHintInfo> FOfficeHint;
    TOrvPreviewMenu* FOrvPreviewMenu = nullptr;
    TWinControl* FFrame = nullptr;
    // The parent the frame had before it was first shown in the frame window.
    TWinControl* FFrameHomeParent = nullptr;
    bool FFrameMoved = false;

    bool FAllowAllUp = false;
    TShapeAntiAlias FAntiAlias = aaClearType;
    int FGroupIndex = 0;
    bool FDown = false;
    TShapeButtonLayout FLayout = plPictureCenter;
    std::wstring FShortCutHintText;
    TShortCutHintPos FShortCutHintPos;
    TTextAlignment FTextAlignment = TTextAlignment::taCenter;
    int FTextOffset = 0;
    TOrvToolButtonStyle FStyle = tasButton;
    bool FUseGlobalColor = false;

    // FMouseInControl is the control's own (set on enter, cleared on leave).
    bool FHot = false;
    bool FMouseDownInControl = false;
    bool FDragging = false;
    bool FInitialDown = false;
    bool FHasFocus = false;
    bool FKeyDown = false;
    TFrameWindow* FMenuFrame = nullptr;
    TTimer* FUnHotTimer = nullptr;
    TTimer* FShowMenuTimer = nullptr;
    bool FCanShowMenu = false;
    bool FMenuBeingShown = false;
    bool FDoShowMenuHint = false;
    bool FInternalClick = false;
    // The click that started the pending show came from the keyboard.
    bool FShowAfterInternalClick = false;
    int FPreviewMenuOffSet = 0;
    TShortCutHintWindow* FShortCutHint = nullptr;
    bool FIsAeroVista = false;
    int FRef = 0;
    TOrvGlowButton* FRefGlowButton = nullptr;
    bool FCheckLinked = false;
    bool FGroupIndexLinked = false;
};

class TOrvShapeButton : public TOrvCustomShapeButton {
public:
    ORV_CLASS_NAME(TOrvShapeButton)
    using TOrvCustomShapeButton::TOrvCustomShapeButton;
};

// Registers the shape button and its appearance for stored layouts (safe to call again).
void RegisterShapeButtonClasses();

}  // namespace orv
