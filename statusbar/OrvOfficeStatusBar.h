#pragma once
// TOrvOfficeStatusBar: a window docked to the bottom of a form that shows a row of
// panels (rich text with anchors, text, clocks, lock keys, gauges, images, animations),
// painted from a styler's looks. The bar owns its panels, an internal styler used while no
// external one is linked, and a hidden control that carries the hovered panel's hint.
// A 100 ms window timer keeps clocks, lock keys, blinking text and animations current.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/BiDiMode.h"
#include "framework/Collection.h"
#include "framework/HintAction.h"
#include "framework/WinControl.h"
#include "hints/OrvHintInfo.h"
#include "statusbar/StatusBarPaint.h"

struct _SYSTEMTIME;

namespace orv {

class TImageList;
class TOrvOfficeStatusBar;
class TOrvOfficeStatusPanel;
class TCustomOrvOfficeStatusBarStyler;
class THtmlPictureCache;
class THtmlKeptLayout;
struct TStatusPanelFace;
namespace html {
class TPictureContainer;
}

namespace statusbar {

// The panel look of the status bar: normal, hot and down colours of a mirrored fill, its
// frame and the text. Changes raise OnChange (TextStyle always).
class TVistaBackground : public TPersistent {
public:
    const wchar_t* ClassName() const override { return L"TStatusVistaBackground"; }
    void Assign(const TPersistent* source) override;

#define ORV_SB_COLOR(Name, Initial)   \
public:                               \
    TColor Get##Name() const {        \
        return F##Name;               \
    }                                 \
    void Set##Name(TColor value) {    \
        if (F##Name == value) return; \
        F##Name = value;              \
        Changed();                    \
    }                                 \
                                      \
private:                              \
    TColor F##Name = Initial;

    ORV_SB_COLOR(BorderColor, clNone)
    ORV_SB_COLOR(BorderColorHot, 0x808080)
    ORV_SB_COLOR(BorderColorDown, 0x808080)
    ORV_SB_COLOR(Color, clWhite)
    ORV_SB_COLOR(ColorTo, clWhite)
    ORV_SB_COLOR(ColorHot, clWhite)
    ORV_SB_COLOR(ColorHotTo, clWhite)
    ORV_SB_COLOR(ColorDown, clWhite)
    ORV_SB_COLOR(ColorDownTo, clWhite)
    ORV_SB_COLOR(ColorMirror, 0xC0C0C0)
    ORV_SB_COLOR(ColorMirrorTo, clWhite)
    ORV_SB_COLOR(ColorMirrorHot, 0xC0C0C0)
    ORV_SB_COLOR(ColorMirrorHotTo, clWhite)
    ORV_SB_COLOR(ColorMirrorDown, 0xC0C0C0)
    ORV_SB_COLOR(ColorMirrorDownTo, clWhite)
    ORV_SB_COLOR(TextColor, clBlack)
    ORV_SB_COLOR(TextColorHot, clBlack)
    ORV_SB_COLOR(TextColorDown, clBlack)
#undef ORV_SB_COLOR

public:
    int GetSteps() const {
        return FSteps;
    }
    void SetSteps(int value) {
        if (FSteps == value) return;
        FSteps = value;
        Changed();
    }
    TFontStyles GetTextStyle() const {
        return FTextStyle;
    }
    void SetTextStyle(TFontStyles value) {
        FTextStyle = value;
        Changed();
    }
    TNotifyEvent OnChange;

private:
    void Changed() {
        if (OnChange) OnChange(this);
    }
    int FSteps = 64;
    TFontStyles FTextStyle = 0;
};

}  // namespace statusbar

// The colours and looks the bar paints with. Bars register themselves; a change of either
// look repaints every registered bar.
class TCustomOrvOfficeStatusBarStyler : public TComponent {
public:
    ORV_CLASS_NAME(TCustomOrvOfficeStatusBarStyler)
    explicit TCustomOrvOfficeStatusBarStyler(TComponent* owner);
    ~TCustomOrvOfficeStatusBarStyler() override;

    void Assign(const TPersistent* source) override;
    void Notification(TComponent* component, TOperation operation) override;

    void AddControl(TOrvOfficeStatusBar* bar);
    void RemoveControl(TOrvOfficeStatusBar* bar);
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    // Repaints every registered bar.
    void Change();

    bool GetAutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value) { FAutoThemeAdapt = value; }
    TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    statusbar::TVistaBackground& PanelAppearanceLight() { return FLight; }
    statusbar::TVistaBackground& PanelAppearanceDark() { return FDark; }
    const statusbar::TVistaBackground& PanelAppearanceLight() const { return FLight; }
    const statusbar::TVistaBackground& PanelAppearanceDark() const { return FDark; }
    void SetPanelAppearanceLight(const statusbar::TVistaBackground& value) { FLight.Assign(&value); }
    void SetPanelAppearanceDark(const statusbar::TVistaBackground& value) { FDark.Assign(&value); }

protected:
    void BeforeDestruction() override;

private:
    void LookChanged(TObject*) { Change(); }
    std::vector<TOrvOfficeStatusBar*> FControls;
    bool FAutoThemeAdapt = false;
    TColor FBorderColor = 0x825A3B;
    statusbar::TVistaBackground FLight;
    statusbar::TVistaBackground FDark;
};

// Gauge settings of a progress panel. Min, Max and Position repaint the panel only when
// the shown percentage changes; every other value repaints it.
class TProgressStyle : public TPersistent {
public:
    ORV_CLASS_NAME(TProgressStyle)
    explicit TProgressStyle(TOrvOfficeStatusPanel* owner) : FOwner(owner) {}
    void Assign(const TPersistent* source) override;

#define ORV_SB_PROGRESS(Type, Name, Initial) \
public:                                      \
    Type Get##Name() const {                 \
        return F##Name;                      \
    }                                        \
    void Set##Name(Type value) {             \
        if (F##Name == value) return;        \
        F##Name = value;                     \
        Changed();                           \
    }                                        \
                                             \
private:                                     \
    Type F##Name = Initial;

    ORV_SB_PROGRESS(TColor, BackGround, clNone)
    ORV_SB_PROGRESS(TProgressIndication, Indication, piPercentage)
    ORV_SB_PROGRESS(TColor, Level0Color, 0x00FF00)
    ORV_SB_PROGRESS(TColor, Level0ColorTo, 0xE1FFE1)
    ORV_SB_PROGRESS(TColor, Level1Color, 0x00FFFF)
    ORV_SB_PROGRESS(TColor, Level1ColorTo, 0xCAFFFF)
    ORV_SB_PROGRESS(TColor, Level2Color, 0x53A9FF)
    ORV_SB_PROGRESS(TColor, Level2ColorTo, 0xA8D3FF)
    ORV_SB_PROGRESS(TColor, Level3Color, 0x0000FF)
    ORV_SB_PROGRESS(TColor, Level3ColorTo, 0xCACAFF)
    ORV_SB_PROGRESS(int, Level1Perc, 70)
    ORV_SB_PROGRESS(int, Level2Perc, 90)
    ORV_SB_PROGRESS(TColor, BorderColor, clBlack)
    ORV_SB_PROGRESS(bool, ShowBorder, false)
    ORV_SB_PROGRESS(bool, Stacked, false)
    ORV_SB_PROGRESS(bool, ShowPercentage, true)
    ORV_SB_PROGRESS(bool, CompletionSmooth, false)
    ORV_SB_PROGRESS(std::wstring, Suffix, L"")
    ORV_SB_PROGRESS(std::wstring, Prefix, L"")
    ORV_SB_PROGRESS(bool, ShowGradient, true)
#undef ORV_SB_PROGRESS

public:
    int GetMin() const {
        return FMin;
    }
    void SetMin(int value);
    int GetMax() const {
        return FMax;
    }
    void SetMax(int value);
    int GetPosition() const {
        return FPosition;
    }
    void SetPosition(int value);
    // The percentage last shown (changes of Min, Max and Position compare against it).
    int OldPercent() const {
        return FOldPerc;
    }

private:
    void Changed();
    void RangeChanged();
    TOrvOfficeStatusPanel* FOwner;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FOldPerc = 0;
};

class TOrvOfficeStatusPanel : public TCollectionItem {
public:
    ORV_CLASS_NAME(TOrvOfficeStatusPanel)
    explicit TOrvOfficeStatusPanel(TCollection* collection);
    ~TOrvOfficeStatusPanel() override;

    // Copies Text, Width, Alignment, Style, DateFormat, TimeFormat, Progress, OfficeHint,
    // AppearanceStyle, AutoSize and MinWidth through the setters.
    void Assign(const TPersistent* source) override;
    TOrvOfficeStatusBar* StatusBar() const;

    TTextAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TTextAlignment value);
    bool GetAnimated() const { return FAnimated; }
    void SetAnimated(bool value);
    TImageList* GetAnimationImages() const { return FAnimationImages; }
    void SetAnimationImages(TImageList* value);
    int GetAnimationDelay() const { return FAnimationDelay; }
    void SetAnimationDelay(int value);
    TPanelAppearanceStyle GetAppearanceStyle() const { return FAppearanceStyle; }
    void SetAppearanceStyle(TPanelAppearanceStyle value);
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TBiDiMode GetBiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode value);
    bool GetParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool value);
    bool GetButton() const { return FButton; }
    void SetButton(bool value);
    const std::wstring& GetDateFormat() const { return FDateFormat; }
    void SetDateFormat(const std::wstring& value);
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool value);
    int GetHTMLOffsetX() const { return FHTMLOffsetX; }
    void SetHTMLOffsetX(int value);
    int GetHTMLOffsetY() const { return FHTMLOffsetY; }
    void SetHTMLOffsetY(int value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int GetMinWidth() const { return FMinWidth; }
    void SetMinWidth(int value) { FMinWidth = value; }
    TProgressStyle& Progress() { return *FProgress; }
    const TProgressStyle& Progress() const { return *FProgress; }
    void SetProgress(const TProgressStyle& value);
    TOrvOfficeStatusPanelStyle GetStyle() const { return FStyle; }
    void SetStyle(TOrvOfficeStatusPanelStyle value);
    const std::wstring& GetText() const { return FText; }
    void SetText(const std::wstring& value);
    const std::wstring& GetTimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(const std::wstring& value);
    int GetWidth() const { return FWidth; }
    void SetWidth(int value);
    TOrvHintInfo& OfficeHint() { return *FOfficeHint; }
    const TOrvHintInfo& OfficeHint() const { return *FOfficeHint; }
    void SetOfficeHint(const TOrvHintInfo& value) { FOfficeHint->Assign(&value); }

    // Position + 1 while below Max (through the Position setter).
    void StepIt();
    // The image-index list of psImageList: decimal strings, each an index into the bar's Images.
    void ClearImageIndexes();
    void AddImageIndex(int index);
    int ImageCount() const { return static_cast<int>(FImageIndexes.size()); }
    // The entry at position, -1 past the end or for an entry that is not a number.
    int ImageIndexes(int position) const;
    const std::vector<std::wstring>& GetImageIndexes() const { return FImageIndexes; }
    void SetImageIndexes(const std::vector<std::wstring>& value);

    bool UseRightToLeftReading() const;
    bool UseRightToLeftAlignment() const;
    void ParentBiDiModeChanged();

    int AnimIndex() const { return FAnimIndex; }

    // Repaints the panel's rectangle only (progress changes).
    void InvalidatePanel();

private:
    friend class TOrvOfficeStatusBar;
    void PanelChanged();
    // A tick's clock or lock-key text: only the panel's rectangle waits for a repaint
    // (unless the panel sizes itself to its text, which may move the others).
    void SetTickText(const std::wstring& value);

    TTextAlignment FAlignment = TTextAlignment::taLeftJustify;
    bool FAnimated = false;
    TImageList* FAnimationImages = nullptr;
    int FAnimationDelay = 0;
    TPanelAppearanceStyle FAppearanceStyle = psLight;
    bool FAutoSize = false;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    bool FButton = false;
    std::wstring FDateFormat;
    bool FEnabled = true;
    int FHTMLOffsetX = 2;
    int FHTMLOffsetY = 2;
    int FImageIndex = -1;
    int FMinWidth = 20;
    std::unique_ptr<TProgressStyle> FProgress;
    TOrvOfficeStatusPanelStyle FStyle = psHTML;
    std::wstring FText;
    std::wstring FTimeFormat;
    int FWidth = 50;
    std::unique_ptr<TOrvHintInfo> FOfficeHint;
    std::vector<std::wstring> FImageIndexes;
    bool FUpdateNeeded = false;
    int FAnimIndex = 0;
    // The HTML text laid out for its box: paints and mouse moves reuse it.
    std::unique_ptr<THtmlKeptLayout> FKeptLayout;
    // The same measured for the automatic size, so sizing again measures no unchanged text.
    std::unique_ptr<THtmlKeptLayout> FMeasuredLayout;
};

class TOrvOfficeStatusPanels : public TTypedCollection<TOrvOfficeStatusPanel> {
public:
    ORV_CLASS_NAME(TOrvOfficeStatusPanels)
    explicit TOrvOfficeStatusPanels(TOrvOfficeStatusBar* bar);
    TOrvOfficeStatusBar* Bar() const { return FBar; }

protected:
    void Update(TCollectionItem* item) override;

private:
    TOrvOfficeStatusBar* FBar;
};

// Invisible carrier of the hovered panel's hint: the hint window reads its OfficeHint.
class TDummyHintControl : public TControl {
public:
    ORV_CLASS_NAME(TDummyHintControl)
    explicit TDummyHintControl(TComponent* owner);
    ~TDummyHintControl() override;
    TOrvHintInfo& OfficeHint() { return *FOfficeHint; }
    void SetOfficeHint(const TOrvHintInfo& value) { FOfficeHint->Assign(&value); }

private:
    std::unique_ptr<TOrvHintInfo> FOfficeHint;
};

using TDrawPanelEvent = TEvent<TOrvOfficeStatusBar*, TOrvOfficeStatusPanel*, const TRect&>;
using TPanelClick = TEvent<TObject*, int>;
using TAnchorClick = TEvent<TObject*, const std::wstring&>;

// What the bar asks of the platform; tests replace single members (empty ones use the
// system's).
struct TStatusBarSystemCalls {
    std::function<void(_SYSTEMTIME&)> Now;                      // local time
    std::function<bool(int virtualKey)> KeyToggled;             // Num, Caps, Scroll lock
    std::function<void(const std::wstring& target)> ShellOpen;  // the "open" verb
    std::function<bool()> VistaOrLater;                         // false: the rounded form corners
};
void SetStatusBarSystemCalls(TStatusBarSystemCalls calls);

class TOrvOfficeStatusBar : public TCustomControl {
public:
    ORV_CLASS_NAME(TOrvOfficeStatusBar)
    static constexpr UINT_PTR kTimerId = 111;
    static constexpr UINT kTimerPeriod = 100;

    explicit TOrvOfficeStatusBar(TComponent* owner);

    // --- published ----------------------------------------------------------------------
    bool GetAnchorHint() const { return FAnchorHint; }
    void SetAnchorHint(bool value) { FAnchorHint = value; }
    TAntiAlias GetAntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(TAntiAlias value);
    bool GetAutoHint() const { return FAutoHint; }
    void SetAutoHint(bool value) { FAutoHint = value; }
    TImageList* GetImages() const { return FImages; }
    void SetImages(TImageList* value);
    TImageList* GetDisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TImageList* value);
    TOrvOfficeStatusPanels& Panels() { return *FPanels; }
    const TOrvOfficeStatusPanels& Panels() const { return *FPanels; }
    void SetPanels(const TOrvOfficeStatusPanels& value) { FPanels->Assign(&value); }
    html::TPictureContainer* GetPictureContainer() const { return FPictureContainer; }
    void SetPictureContainer(html::TPictureContainer* value);
    bool GetSimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool value);
    const std::wstring& GetSimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::wstring& value);
    bool GetSizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value);
    TColor GetURLColor() const { return FURLColor; }
    void SetURLColor(TColor value);
    int GetStretchPanel() const { return FStretchPanel; }
    void SetStretchPanel(int value);
    TCustomOrvOfficeStatusBarStyler* GetStyler() const { return FOfficeStatusBarStyler; }
    void SetStyler(TCustomOrvOfficeStatusBarStyler* value);
    bool GetUseSystemFont() const { return FUseSystemFont; }
    void SetUseSystemFont(bool value);
    TBiDiMode GetBiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode value);
    bool GetParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool value) { FParentBiDiMode = value; }
    bool IsRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }

    TDrawPanelEvent OnDrawPanel;
    TPanelClick OnPanelClick;
    TPanelClick OnPanelRightClick;
    TPanelClick OnPanelDblClick;
    TAnchorClick OnAnchorClick;
    TAnchorClick OnAnchorEnter;
    TAnchorClick OnAnchorExit;
    TNotifyEvent OnHint;

    // --- run time -------------------------------------------------------------------------
    TCustomOrvOfficeStatusBarStyler* CurrentStyler() const { return FCurrentOfficeStatusBarStyler; }
    TCustomOrvOfficeStatusBarStyler* InternalStyler() const { return FInternalOfficeStatusBarStyler; }
    void RemoveStyler();
    int TimerCount() const { return FTimerCount; }
    int MousePanel() const { return FMousePanel; }
    int HotPanelIndex() const { return FHotPanelIndex; }
    int DownPanelIndex() const { return FDownPanelIndex; }
    const std::wstring& Anchor() const { return FAnchor; }
    TDummyHintControl* DummyHintControl() const { return FDummyHintControl; }
    // Whole-bar paints so far (tests and the bench count repaints).
    int PaintCount() const { return FPaintCount; }

    // One timer message: the tick per panel style, then the count steps 0..10.
    void TimerTick();
    void AutoSizePanels();
    bool ExecuteAction(TBasicAction* action) override;
    void FlipChildren(bool allLevels);
    bool SizeGripShown() const;
    // The parent is a form that can be sized and is not maximized.
    bool ParentFormSizeable() const;

    // Layout in client coordinates.
    std::vector<TPanelSpan> PanelSpans() const;
    TRect PanelRect(int index) const;  // hit and invalidation rectangle
    int GetPanelAt(int x, int y) const;
    // The anchor under a client point, empty when none.
    std::wstring AnchorAt(int x, int y);

    void InvalidatePanel(int index);
    // Paints the panel's rectangle now (an item change shows at once); nothing while the
    // bar is painting or has no window.
    void PaintPanelNow(int index);
    void PanelsChanged();
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void SetBounds(int left, int top, int width, int height) override;

protected:
    ~TOrvOfficeStatusBar() override;
    void BeforeDestruction() override;
    void Paint() override;
    void WndProc(TMessage& message) override;
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;
    void WindowTimer(UINT_PTR id) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void DblClick() override;

private:
    friend class TOrvOfficeStatusPanel;
    void PaintBar(TCanvas& canvas);
    // One panel in its painting rectangle: its kept face copied, or painted directly
    // (owner drawn, or without faces) within the rectangle.
    void PaintPanel(TCanvas& canvas, int index, const TRect& layoutRect);
    // What the face holds, drawn onto the canvas: fill, separator and content.
    void DrawPanel(TCanvas& canvas, int index, const TRect& layoutRect, const TRect& r);
    // The panel's painting rectangle less an external styler's border rows.
    TRect PanelFaceRect(const TRect& layoutRect) const;
    // The look a panel paints with in its state: colours and text colour.
    const statusbar::TVistaBackground& PanelLook(int index, TPanelColors& colors, TColor& textColor) const;
    TStatusPanelFace PanelFaceOf(int index, const TRect& r) const;
    void PaintGrip(TCanvas& canvas);
    void PaintBorder(TCanvas& canvas);
    TRect PanelPaintRectAt(int index) const;
    TRect HtmlTextBox(TCanvas& canvas, int index);
    void SetPanelFont(TCanvas& canvas, const statusbar::TVistaBackground& look, TColor textColor, bool enabled);
    bool BlinkOn() const { return FTimerCount > 5; }
    void HandleHintShow(TMessage& message);
    void ApplySystemFont();
    void SetHotPanel(int index);
    void SetDownPanel(int index);
    void TickPanel(TOrvOfficeStatusPanel& panel);

    bool FAnchorHint = false;
    TAntiAlias FAntiAlias = aaClearType;
    bool FAutoHint = false;
    TImageList* FImages = nullptr;
    TImageList* FDisabledImages = nullptr;
    std::unique_ptr<TOrvOfficeStatusPanels> FPanels;
    html::TPictureContainer* FPictureContainer = nullptr;
    bool FSimplePanel = false;
    std::wstring FSimpleText;
    bool FSizeGrip = true;
    TColor FURLColor = 0xFF0000;
    int FStretchPanel = -1;
    bool FUseSystemFont = true;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;

    TCustomOrvOfficeStatusBarStyler* FInternalOfficeStatusBarStyler = nullptr;
    TCustomOrvOfficeStatusBarStyler* FOfficeStatusBarStyler = nullptr;
    TCustomOrvOfficeStatusBarStyler* FCurrentOfficeStatusBarStyler = nullptr;
    UINT_PTR FTimerID = 0;
    int FTimerCount = 0;
    int FMousePanel = -1;
    int FHotPanelIndex = -1;
    int FDownPanelIndex = -1;
    std::wstring FAnchor;
    TDummyHintControl* FDummyHintControl = nullptr;
    int FPaintCount = 0;
    bool FPainting = false;
    bool FSettingFont = false;
    std::unique_ptr<THtmlPictureCache> FPictureCache;  // pictures named by URL in panel texts
    std::unique_ptr<THtmlKeptLayout> FSimpleLayout;    // SimpleText laid out
    // Cleared when the bar goes: event handlers may free it.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

}  // namespace orv
