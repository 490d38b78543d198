#include "statusbar/OrvOfficeStatusBar.h"

#include <windows.h>
#include <shellapi.h>

#include "framework/Application.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/ImageList.h"
#include "framework/SystemFont.h"
#include "paint/OrvColors.h"
#include "paint/OrvEnvironment.h"
#include "statusbar/HtmlMarkup.h"
#include "statusbar/HtmlPaint.h"
#include "statusbar/PictureContainer.h"
#include "toolbar/OrvToolBarForm.h"

namespace orv {

namespace {

TStatusBarSystemCalls& SystemCalls() {
    static TStatusBarSystemCalls calls;
    return calls;
}

void Now(SYSTEMTIME& t) {
    if (SystemCalls().Now)
        SystemCalls().Now(t);
    else
        GetLocalTime(&t);
}

bool KeyToggled(int key) {
    if (SystemCalls().KeyToggled) return SystemCalls().KeyToggled(key);
    return (GetKeyState(key) & 1) != 0;
}

const wchar_t* LockText(TOrvOfficeStatusPanelStyle style) {
    switch (style) {
        case psNumLock:
            return L"NUM";
        case psCapsLock:
            return L"CAP";
        default:
            return L"SCRL";
    }
}

int LockKey(TOrvOfficeStatusPanelStyle style) {
    return style == psNumLock ? VK_NUMLOCK : style == psCapsLock ? VK_CAPITAL : VK_SCROLL;
}

}  // namespace

void SetStatusBarSystemCalls(TStatusBarSystemCalls calls) {
    SystemCalls() = std::move(calls);
}

// Opens a web or mail anchor with the system's "open" verb (tests replace it).
void StatusBarShellOpen(const std::wstring& target) {
    if (SystemCalls().ShellOpen) {
        SystemCalls().ShellOpen(target);
        return;
    }
    ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool StatusBarVistaOrLater() {
    return SystemCalls().VistaOrLater ? SystemCalls().VistaOrLater() : IsVistaOrLater();
}

// --- TVistaBackground -----------------------------------------------------------------------

namespace statusbar {

void TVistaBackground::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TVistaBackground*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    FBorderColor = s->FBorderColor;
    FBorderColorHot = s->FBorderColorHot;
    FBorderColorDown = s->FBorderColorDown;
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FColorHot = s->FColorHot;
    FColorHotTo = s->FColorHotTo;
    FColorDown = s->FColorDown;
    FColorDownTo = s->FColorDownTo;
    FColorMirror = s->FColorMirror;
    FColorMirrorTo = s->FColorMirrorTo;
    FColorMirrorHot = s->FColorMirrorHot;
    FColorMirrorHotTo = s->FColorMirrorHotTo;
    FColorMirrorDown = s->FColorMirrorDown;
    FColorMirrorDownTo = s->FColorMirrorDownTo;
    FTextColor = s->FTextColor;
    FTextColorHot = s->FTextColorHot;
    FTextColorDown = s->FTextColorDown;
    FSteps = s->FSteps;
    FTextStyle = s->FTextStyle;
    Changed();
}

}  // namespace statusbar

// --- TCustomOrvOfficeStatusBarStyler ---------------------------------------------------------

TCustomOrvOfficeStatusBarStyler::TCustomOrvOfficeStatusBarStyler(TComponent* owner) : TComponent(owner) {
    FLight.OnChange = TNotifyEvent::Bind(this, &TCustomOrvOfficeStatusBarStyler::LookChanged);
    FDark.OnChange = TNotifyEvent::Bind(this, &TCustomOrvOfficeStatusBarStyler::LookChanged);
}

TCustomOrvOfficeStatusBarStyler::~TCustomOrvOfficeStatusBarStyler() = default;

void TCustomOrvOfficeStatusBarStyler::BeforeDestruction() {
    // The bars hear the removal through their free notification and fall back.
    FLight.OnChange = nullptr;
    FDark.OnChange = nullptr;
    TComponent::BeforeDestruction();
    FControls.clear();
}

void TCustomOrvOfficeStatusBarStyler::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TCustomOrvOfficeStatusBarStyler*>(source);
    if (!s) {
        TComponent::Assign(source);
        return;
    }
    FAutoThemeAdapt = s->FAutoThemeAdapt;
    FLight.Assign(&s->FLight);
    FDark.Assign(&s->FDark);
    SetBorderColor(s->FBorderColor);
}

void TCustomOrvOfficeStatusBarStyler::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    for (size_t i = 0; i < FControls.size(); ++i)
        if (FControls[i] == component) {
            FControls.erase(FControls.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
}

void TCustomOrvOfficeStatusBarStyler::AddControl(TOrvOfficeStatusBar* bar) {
    if (!bar) return;
    for (auto* c : FControls)
        if (c == bar) return;
    FControls.push_back(bar);
    FreeNotification(bar);
}

void TCustomOrvOfficeStatusBarStyler::RemoveControl(TOrvOfficeStatusBar* bar) {
    for (size_t i = 0; i < FControls.size(); ++i)
        if (FControls[i] == bar) {
            FControls.erase(FControls.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
}

void TCustomOrvOfficeStatusBarStyler::Change() {
    for (auto* bar : FControls) bar->Invalidate();
}

void TCustomOrvOfficeStatusBarStyler::SetBorderColor(TColor value) {
    if (FBorderColor == value) return;
    FBorderColor = value;
    Change();
}

// --- TProgressStyle -------------------------------------------------------------------------

void TProgressStyle::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TProgressStyle*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    SetBackGround(s->FBackGround);
    SetIndication(s->FIndication);
    SetMin(s->FMin);
    SetMax(s->FMax);
    SetPosition(s->FPosition);
    SetLevel0Color(s->FLevel0Color);
    SetLevel0ColorTo(s->FLevel0ColorTo);
    SetLevel1Color(s->FLevel1Color);
    SetLevel1ColorTo(s->FLevel1ColorTo);
    SetLevel2Color(s->FLevel2Color);
    SetLevel2ColorTo(s->FLevel2ColorTo);
    SetLevel3Color(s->FLevel3Color);
    SetLevel3ColorTo(s->FLevel3ColorTo);
    SetLevel1Perc(s->FLevel1Perc);
    SetLevel2Perc(s->FLevel2Perc);
    SetBorderColor(s->FBorderColor);
    SetShowBorder(s->FShowBorder);
    SetStacked(s->FStacked);
    SetShowPercentage(s->FShowPercentage);
    SetCompletionSmooth(s->FCompletionSmooth);
    SetSuffix(s->FSuffix);
    SetPrefix(s->FPrefix);
    SetShowGradient(s->FShowGradient);
}

void TProgressStyle::Changed() {
    if (FOwner) FOwner->InvalidatePanel();
}

void TProgressStyle::RangeChanged() {
    int percent = 0;
    if (!GaugePercentChange(FMin, FMax, FPosition, percent)) return;
    if (percent != FOldPerc && FOwner) FOwner->InvalidatePanel();
    FOldPerc = percent;
}

void TProgressStyle::SetMin(int value) {
    if (FMin == value) return;
    FMin = value;
    RangeChanged();
}

void TProgressStyle::SetMax(int value) {
    if (FMax == value) return;
    FMax = value;
    RangeChanged();
}

void TProgressStyle::SetPosition(int value) {
    if (FPosition == value) return;
    FPosition = value;
    RangeChanged();
}

// --- TOrvOfficeStatusPanel ------------------------------------------------------------------

TOrvOfficeStatusPanel::TOrvOfficeStatusPanel(TCollection* collection)
    : TCollectionItem(collection),
      FDateFormat(LocaleShortDateFormat()),
      FTimeFormat(LocaleLongTimeFormat()),
      FOfficeHint(std::make_unique<TOrvHintInfo>()),
      FKeptLayout(std::make_unique<THtmlKeptLayout>()),
      FMeasuredLayout(std::make_unique<THtmlKeptLayout>()) {
    FProgress = std::make_unique<TProgressStyle>(this);
    if (TOrvOfficeStatusBar* bar = StatusBar()) FBiDiMode = bar->GetBiDiMode();
}

TOrvOfficeStatusPanel::~TOrvOfficeStatusPanel() = default;

TOrvOfficeStatusBar* TOrvOfficeStatusPanel::StatusBar() const {
    auto* panels = dynamic_cast<TOrvOfficeStatusPanels*>(Collection());
    return panels ? panels->Bar() : nullptr;
}

void TOrvOfficeStatusPanel::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TOrvOfficeStatusPanel*>(source);
    if (!s) {
        TCollectionItem::Assign(source);
        return;
    }
    SetText(s->FText);
    SetWidth(s->FWidth);
    SetAlignment(s->FAlignment);
    SetStyle(s->FStyle);
    SetDateFormat(s->FDateFormat);
    SetTimeFormat(s->FTimeFormat);
    SetProgress(*s->FProgress);
    SetOfficeHint(*s->FOfficeHint);
    SetAppearanceStyle(s->FAppearanceStyle);
    SetAutoSize(s->FAutoSize);
    SetMinWidth(s->FMinWidth);
}

void TOrvOfficeStatusPanel::PanelChanged() {
    // The panel shows the change at once; the collection's notice then repaints the bar.
    if (TOrvOfficeStatusBar* bar = StatusBar()) bar->PaintPanelNow(GetIndex());
    Changed(false);
}

void TOrvOfficeStatusPanel::InvalidatePanel() {
    if (TOrvOfficeStatusBar* bar = StatusBar()) bar->InvalidatePanel(GetIndex());
}

#define ORV_SB_PANEL_SETTER(Type, Name)                 \
    void TOrvOfficeStatusPanel::Set##Name(Type value) { \
        if (F##Name == value) return;                   \
        F##Name = value;                                \
        PanelChanged();                                 \
    }
ORV_SB_PANEL_SETTER(TTextAlignment, Alignment)
ORV_SB_PANEL_SETTER(bool, Animated)
ORV_SB_PANEL_SETTER(TPanelAppearanceStyle, AppearanceStyle)
ORV_SB_PANEL_SETTER(bool, Button)
ORV_SB_PANEL_SETTER(const std::wstring&, DateFormat)
ORV_SB_PANEL_SETTER(bool, Enabled)
ORV_SB_PANEL_SETTER(int, HTMLOffsetX)
ORV_SB_PANEL_SETTER(int, HTMLOffsetY)
ORV_SB_PANEL_SETTER(int, ImageIndex)
ORV_SB_PANEL_SETTER(TOrvOfficeStatusPanelStyle, Style)
ORV_SB_PANEL_SETTER(const std::wstring&, TimeFormat)
ORV_SB_PANEL_SETTER(int, Width)
#undef ORV_SB_PANEL_SETTER

void TOrvOfficeStatusPanel::SetAnimationImages(TImageList* value) {
    if (FAnimationImages == value) return;
    FAnimationImages = value;
    if (value)
        if (TOrvOfficeStatusBar* bar = StatusBar()) bar->FreeNotification(value);
    PanelChanged();
}

void TOrvOfficeStatusPanel::SetAnimationDelay(int value) {
    if (value < 0) return;
    FAnimationDelay = value;
}

void TOrvOfficeStatusPanel::SetAutoSize(bool value) {
    if (FAutoSize == value) return;
    FAutoSize = value;
    if (value)
        if (TOrvOfficeStatusBar* bar = StatusBar()) bar->AutoSizePanels();
}

void TOrvOfficeStatusPanel::SetBiDiMode(TBiDiMode value) {
    if (FBiDiMode == value) return;
    FBiDiMode = value;
    FParentBiDiMode = false;
    PanelChanged();
}

void TOrvOfficeStatusPanel::SetParentBiDiMode(bool value) {
    if (FParentBiDiMode == value) return;
    FParentBiDiMode = value;
    if (value) ParentBiDiModeChanged();
}

void TOrvOfficeStatusPanel::ParentBiDiModeChanged() {
    if (!FParentBiDiMode) return;
    if (TOrvOfficeStatusBar* bar = StatusBar()) {
        if (FBiDiMode == bar->GetBiDiMode()) return;
        FBiDiMode = bar->GetBiDiMode();
        PanelChanged();
    }
}

bool TOrvOfficeStatusPanel::UseRightToLeftReading() const {
    return FBiDiMode != bdLeftToRight;
}

bool TOrvOfficeStatusPanel::UseRightToLeftAlignment() const {
    return FBiDiMode == bdRightToLeft;
}

void TOrvOfficeStatusPanel::SetProgress(const TProgressStyle& value) {
    FProgress->Assign(&value);
}

void TOrvOfficeStatusPanel::SetText(const std::wstring& value) {
    if (FText == value) return;
    FText = value;
    PanelChanged();
    if (FAutoSize)
        if (TOrvOfficeStatusBar* bar = StatusBar()) bar->AutoSizePanels();
}

void TOrvOfficeStatusPanel::SetTickText(const std::wstring& value) {
    if (FText == value) return;
    if (FAutoSize) {
        SetText(value);
        return;
    }
    FText = value;
    InvalidatePanel();
}

void TOrvOfficeStatusPanel::StepIt() {
    if (FProgress->GetPosition() < FProgress->GetMax()) FProgress->SetPosition(FProgress->GetPosition() + 1);
}

void TOrvOfficeStatusPanel::ClearImageIndexes() {
    if (FImageIndexes.empty()) return;
    FImageIndexes.clear();
    PanelChanged();
}

void TOrvOfficeStatusPanel::AddImageIndex(int index) {
    FImageIndexes.push_back(std::to_wstring(index));
    PanelChanged();
}

void TOrvOfficeStatusPanel::SetImageIndexes(const std::vector<std::wstring>& value) {
    if (FImageIndexes == value) return;
    FImageIndexes = value;
    PanelChanged();
}

int TOrvOfficeStatusPanel::ImageIndexes(int position) const {
    if (position < 0 || position >= ImageCount()) return -1;
    return StrToIntDef(FImageIndexes[static_cast<size_t>(position)], -1);
}

// --- TOrvOfficeStatusPanels -------------------------------------------------------------------

TOrvOfficeStatusPanels::TOrvOfficeStatusPanels(TOrvOfficeStatusBar* bar)
    : TTypedCollection<TOrvOfficeStatusPanel>(bar), FBar(bar) {}

void TOrvOfficeStatusPanels::Update(TCollectionItem* /*item*/) {
    // The changed panel's rectangle lies within the bar, so one invalidation of the bar
    // covers both the panel and the bar repaint.
    if (FBar) FBar->PanelsChanged();
}

// --- TDummyHintControl ------------------------------------------------------------------------

TDummyHintControl::TDummyHintControl(TComponent* owner)
    : TControl(owner), FOfficeHint(std::make_unique<TOrvHintInfo>()) {
    FVisible = false;
}

TDummyHintControl::~TDummyHintControl() = default;

// --- TOrvOfficeStatusBar ----------------------------------------------------------------------

TOrvOfficeStatusBar::TOrvOfficeStatusBar(TComponent* owner)
    : TCustomControl(owner),
      FPanels(std::make_unique<TOrvOfficeStatusPanels>(this)),
      FPictureCache(std::make_unique<THtmlPictureCache>()),
      FSimpleLayout(std::make_unique<THtmlKeptLayout>()) {
    SetControlStyle(csCaptureMouse | csClickEvents | csDoubleClicks | csAcceptsControls | csOpaque);
    SetDoubleBuffered(true);
    FHeight = 19;
    SetAlign(TAlign::alBottom);
    FColor = clBtnFace;
    FParentFont = false;
    FInternalOfficeStatusBarStyler = new TCustomOrvOfficeStatusBarStyler(this);
    FInternalOfficeStatusBarStyler->SetName(L"InternalStyler");
    FInternalOfficeStatusBarStyler->SetSubComponent(true);
    FInternalOfficeStatusBarStyler->AddControl(this);
    FCurrentOfficeStatusBarStyler = FInternalOfficeStatusBarStyler;
    FDummyHintControl = new TDummyHintControl(this);
    ApplySystemFont();
}

TOrvOfficeStatusBar::~TOrvOfficeStatusBar() = default;

void TOrvOfficeStatusBar::BeforeDestruction() {
    *FAlive = false;
    if (FOfficeStatusBarStyler) FOfficeStatusBarStyler->RemoveControl(this);
    TCustomControl::BeforeDestruction();
}

void TOrvOfficeStatusBar::ApplySystemFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return;
    FSettingFont = true;
    AssignLogFont(Font(), metrics.lfStatusFont);
    FSettingFont = false;
}

// --- properties -----------------------------------------------------------------------------------

void TOrvOfficeStatusBar::SetAntiAlias(TAntiAlias value) {
    if (FAntiAlias == value) return;
    FAntiAlias = value;
    Invalidate();
}

void TOrvOfficeStatusBar::SetImages(TImageList* value) {
    if (FImages == value) return;
    FImages = value;
    if (value) FreeNotification(value);
    Invalidate();
}

void TOrvOfficeStatusBar::SetDisabledImages(TImageList* value) {
    if (FDisabledImages == value) return;
    FDisabledImages = value;
    if (value) FreeNotification(value);
    Invalidate();
}

void TOrvOfficeStatusBar::SetPictureContainer(html::TPictureContainer* value) {
    if (FPictureContainer == value) return;
    FPictureContainer = value;
    if (value) FreeNotification(value);
    Invalidate();
}

void TOrvOfficeStatusBar::SetSimplePanel(bool value) {
    if (FSimplePanel == value) return;
    FSimplePanel = value;
    Invalidate();
}

void TOrvOfficeStatusBar::SetSimpleText(const std::wstring& value) {
    if (FSimpleText == value) return;
    FSimpleText = value;
    Invalidate();
}

void TOrvOfficeStatusBar::SetSizeGrip(bool value) {
    if (FSizeGrip == value) return;
    FSizeGrip = value;
    if (HandleAllocated()) RecreateWnd();
}

void TOrvOfficeStatusBar::SetURLColor(TColor value) {
    if (FURLColor == value) return;
    FURLColor = value;
    Invalidate();
}

void TOrvOfficeStatusBar::SetStretchPanel(int value) {
    if (value < -1 || value >= FPanels->Count() || FStretchPanel == value) return;
    FStretchPanel = value;
    Invalidate();
}

void TOrvOfficeStatusBar::SetUseSystemFont(bool value) {
    if (FUseSystemFont == value) return;
    FUseSystemFont = value;
    if (value) {
        SetParentFont(false);
        ApplySystemFont();
    }
}

void TOrvOfficeStatusBar::SetBiDiMode(TBiDiMode value) {
    if (FBiDiMode == value) return;
    FBiDiMode = value;
    FPanels->BeginUpdate();
    for (int i = 0; i < FPanels->Count(); ++i) FPanels->Items(i)->ParentBiDiModeChanged();
    FPanels->EndUpdate();
    Invalidate();
}

void TOrvOfficeStatusBar::SetStyler(TCustomOrvOfficeStatusBarStyler* value) {
    if (value && value == FOfficeStatusBarStyler) return;
    if (FOfficeStatusBarStyler && FOfficeStatusBarStyler != FInternalOfficeStatusBarStyler)
        FOfficeStatusBarStyler->RemoveControl(this);
    FOfficeStatusBarStyler = value;
    if (value) {
        FreeNotification(value);
        FCurrentOfficeStatusBarStyler = value;
        value->AddControl(this);
    } else {
        FCurrentOfficeStatusBarStyler = FInternalOfficeStatusBarStyler;
    }
    Invalidate();
}

void TOrvOfficeStatusBar::RemoveStyler() {
    FCurrentOfficeStatusBarStyler = FInternalOfficeStatusBarStyler;
    if (FInternalOfficeStatusBarStyler) FInternalOfficeStatusBarStyler->AddControl(this);
    Invalidate();
}

void TOrvOfficeStatusBar::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != TOperation::opRemove || IsDestroying()) return;
    if (component == FImages) FImages = nullptr;
    if (component == FDisabledImages) FDisabledImages = nullptr;
    if (component == FPictureContainer) FPictureContainer = nullptr;
    if (component == FInternalOfficeStatusBarStyler) {
        FInternalOfficeStatusBarStyler = nullptr;
        if (FCurrentOfficeStatusBarStyler == component) FCurrentOfficeStatusBarStyler = FOfficeStatusBarStyler;
    }
    if (component == FOfficeStatusBarStyler) {
        FOfficeStatusBarStyler = nullptr;
        FCurrentOfficeStatusBarStyler = FInternalOfficeStatusBarStyler;
        Invalidate();
    }
    if (component == FDummyHintControl) FDummyHintControl = nullptr;
    for (int i = 0; i < FPanels->Count(); ++i) {
        TOrvOfficeStatusPanel* panel = FPanels->Items(i);
        if (panel->FAnimationImages == component) panel->FAnimationImages = nullptr;
    }
}

// --- lifecycle ----------------------------------------------------------------------------------

void TOrvOfficeStatusBar::Loaded() {
    TCustomControl::Loaded();
    for (int i = 0; i < FPanels->Count(); ++i) TickPanel(*FPanels->Items(i));
    AutoSizePanels();
}

void TOrvOfficeStatusBar::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.ClassStyle |= CS_DBLCLKS;
}

void TOrvOfficeStatusBar::CreateHandleDone() {
    TCustomControl::CreateHandleDone();
    StartTimer(kTimerId, kTimerPeriod);
    FTimerID = kTimerId;
}

void TOrvOfficeStatusBar::DestroyWnd() {
    if (FTimerID) {
        StopTimer(FTimerID);
        FTimerID = 0;
    }
    TCustomControl::DestroyWnd();
}

void TOrvOfficeStatusBar::WindowTimer(UINT_PTR id) {
    if (id == kTimerId) TimerTick();
}

void TOrvOfficeStatusBar::TimerTick() {
    if (IsDestroying()) return;
    for (int i = 0; i < FPanels->Count(); ++i) TickPanel(*FPanels->Items(i));
    FTimerCount = FTimerCount + 1 > 10 ? 0 : FTimerCount + 1;
}

void TOrvOfficeStatusBar::TickPanel(TOrvOfficeStatusPanel& panel) {
    switch (panel.FStyle) {
        case psHTML:
            if ((FTimerCount == 5 || FTimerCount == 10) && UpperCase(panel.FText).find(L"<BLINK") != std::wstring::npos)
                panel.InvalidatePanel();
            break;
        case psTime:
        case psDate: {
            SYSTEMTIME now{};
            Now(now);
            panel.SetTickText(
                FormatStatusDateTime(panel.FStyle == psTime ? panel.FTimeFormat : panel.FDateFormat, now));
            break;
        }
        case psNumLock:
        case psCapsLock:
        case psScrollLock:
            panel.SetTickText(KeyToggled(LockKey(panel.FStyle)) ? LockText(panel.FStyle) : L"");
            break;
        case psAnimation:
            if (panel.FAnimationImages && FTimerCount % (panel.FAnimationDelay + 1) == 0) {
                // Compared with the frame count now: a list that shrank wraps at once.
                int frames = panel.FAnimationImages->Count();
                panel.FAnimIndex = panel.FAnimIndex + 1 >= frames ? 0 : panel.FAnimIndex + 1;
                panel.InvalidatePanel();
            }
            break;
        default:
            break;
    }
}

void TOrvOfficeStatusBar::AutoSizePanels() {
    TBitmap measure(1, 1);
    TCanvas& canvas = measure.Canvas();
    canvas.Font().Assign(&Font());
    const int count = FPanels->Count();
    for (int i = 0; i < count; ++i) {
        TOrvOfficeStatusPanel& panel = *FPanels->Items(i);
        if (!panel.FAutoSize) continue;
        if (panel.FStyle == psHTML) {
            THtmlPaintOptions options;
            options.MeasureOnly = true;
            options.Images = FImages;
            options.Pictures = FPictureContainer;
            options.Kept = panel.FMeasuredLayout.get();
            THtmlPaintResult result;
            PaintHtmlText(canvas, panel.FText, {0, 0, 1000, 100}, options, result);
            panel.SetWidth(AutoSizeHtmlWidth(result.Width, panel.FMinWidth));
            continue;
        }
        std::wstring text;
        int imageWidth = 0;
        switch (panel.FStyle) {
            case psText:
            case psTime:
            case psDate:
                text = panel.FText;
                break;
            case psNumLock:
            case psCapsLock:
            case psScrollLock:
                text = LockText(panel.FStyle);
                break;
            case psImage:
                text = panel.FText;
                if (FImages && panel.FImageIndex >= 0) imageWidth = FImages->GetWidth();
                break;
            default:
                continue;
        }
        if (text.empty()) continue;
        TRect box = DrawStatusText(canvas, panel.FAlignment, kStatusEndEllipsis | kStatusSingleLine | kStatusVCenter,
                                   false, false, FAntiAlias, true, Font(), text, {0, 0, 1000, 100});
        panel.SetWidth(AutoSizeTextWidth(box.Width(), imageWidth, panel.FMinWidth, FSizeGrip && i == count - 1));
    }
}

bool TOrvOfficeStatusBar::ExecuteAction(TBasicAction* action) {
    auto* hint = dynamic_cast<THintAction*>(action);
    if (!FAutoHint || !hint) return false;
    if (OnHint) {
        OnHint(this);
        return true;
    }
    if (FSimplePanel || FPanels->Count() == 0)
        SetSimpleText(hint->Hint);
    else
        FPanels->Items(0)->SetText(hint->Hint);
    return true;
}

void TOrvOfficeStatusBar::FlipChildren(bool /*allLevels*/) {
    const int count = FPanels->Count();
    if (!HandleAllocated() || FSimplePanel || count == 0) return;
    TOrvOfficeStatusPanels copy(nullptr);
    copy.Assign(FPanels.get());
    FPanels->BeginUpdate();
    for (int i = 0; i < count; ++i) FPanels->Items(i)->Assign(copy.Items(count - 1 - i));
    if (count >= 2) {
        int former = 0;
        for (int i = 0; i <= count - 2; ++i) former += copy.Items(i)->GetWidth();
        FPanels->Items(count - 1)->SetWidth(copy.Items(0)->GetWidth());
        FPanels->Items(0)->SetWidth(ClientWidth() - former);
    }
    FPanels->EndUpdate();
    Invalidate();
}

void TOrvOfficeStatusBar::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != FWidth || height != FHeight;
    TCustomControl::SetBounds(left, top, width, height);
    if (resized && !IsLoading()) Invalidate();
}

// --- layout ---------------------------------------------------------------------------------------

std::vector<TPanelSpan> TOrvOfficeStatusBar::PanelSpans() const {
    std::vector<int> widths;
    widths.reserve(static_cast<size_t>(FPanels->Count()));
    for (int i = 0; i < FPanels->Count(); ++i) widths.push_back(FPanels->Items(i)->GetWidth());
    return StatusPanelSpans(widths, FStretchPanel, ClientWidth());
}

TRect TOrvOfficeStatusBar::PanelRect(int index) const {
    return PanelHitRect(PanelSpans(), index, FStretchPanel, ClientWidth(), ClientHeight());
}

TRect TOrvOfficeStatusBar::PanelPaintRectAt(int index) const {
    return PanelPaintRect(PanelSpans(), index, ClientWidth(), ClientHeight());
}

int TOrvOfficeStatusBar::GetPanelAt(int x, int /*y*/) const {
    return PanelIndexAt(PanelSpans(), FStretchPanel, ClientWidth(), ClientHeight(), x);
}

void TOrvOfficeStatusBar::InvalidatePanel(int index) {
    if (!HandleAllocated() || index < 0 || index >= FPanels->Count()) return;
    InvalidateRect(PanelRect(index));
}

void TOrvOfficeStatusBar::PaintPanelNow(int index) {
    if (!HandleAllocated() || FPainting || index < 0 || index >= FPanels->Count()) return;
    const TRect r = PanelRect(index);
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    RedrawWindow(Handle(), &rc, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

void TOrvOfficeStatusBar::PanelsChanged() {
    Invalidate();
}

bool TOrvOfficeStatusBar::SizeGripShown() const {
    return FSizeGrip && ParentFormSizeable();
}

bool TOrvOfficeStatusBar::ParentFormSizeable() const {
    auto* form = dynamic_cast<TForm*>(FParent);
    if (!form) return false;
    bool sizeable = false;
    for (int i = 0; i < form->ControlCount() && !sizeable; ++i)
        sizeable = std::wstring(form->Controls(i)->ClassName()) == L"TOrvToolBarPager";
    if (!sizeable)
        sizeable = form->GetBorderStyle() == TFormBorderStyle::bsSizeable ||
                   form->GetBorderStyle() == TFormBorderStyle::bsSizeToolWin;
    if (!sizeable) return false;
    if (form->HandleAllocated()) return !IsZoomed(form->Handle());
    return form->GetWindowState() != TWindowState::wsMaximized;
}

// The box the text of an HTML panel is painted in; hit tests use the same box.
TRect TOrvOfficeStatusBar::HtmlTextBox(TCanvas& canvas, int index) {
    TOrvOfficeStatusPanel& panel = *FPanels->Items(index);
    TRect r = PanelPaintRectAt(index);
    if (FOfficeStatusBarStyler && FOfficeStatusBarStyler->GetBorderColor() != clNone) {
        r.Top += 1;
        r.Bottom -= 1;
    }
    TRect c{r.Left + 2, r.Top, r.Right - 2, r.Bottom};
    if (index == FPanels->Count() - 1 && SizeGripShown()) c.Right -= 15;
    TRect box{c.Left + panel.FHTMLOffsetX, c.Top + panel.FHTMLOffsetY, c.Right, c.Bottom};
    TTextAlignment alignment = IsRightToLeftAlignment() ? TTextAlignment::taRightJustify : panel.FAlignment;
    if (alignment != TTextAlignment::taLeftJustify) {
        THtmlPaintOptions options;
        options.MeasureOnly = true;
        options.Images = FImages;
        options.Pictures = FPictureContainer;
        options.PictureCache = FPictureCache.get();
        options.Kept = panel.FKeptLayout.get();
        THtmlPaintResult measured;
        PaintHtmlText(canvas, panel.FText, box, options, measured);
        int w = measured.Width;
        if (w < box.Width()) {
            if (alignment == TTextAlignment::taRightJustify)
                box.Left = c.Right - w - panel.FHTMLOffsetX;
            else
                box.Left += (box.Width() - w) / 2;
        }
    }
    return box;
}

std::wstring TOrvOfficeStatusBar::AnchorAt(int x, int y) {
    TBitmap measure(1, 1);
    TCanvas& canvas = measure.Canvas();
    // The font the text is painted in: the look's text style widens bold panels.
    auto font = [&](const statusbar::TVistaBackground& look) {
        canvas.Font().Assign(&Font());
        canvas.Font().SetStyle(Font().GetStyle() | look.GetTextStyle());
    };
    if (!FCurrentOfficeStatusBarStyler) return L"";
    THtmlPaintOptions options;
    options.MeasureOnly = true;
    options.KeepColors = true;
    options.HitTest = true;
    options.HitPoint = {x, y};
    options.Images = FImages;
    options.Pictures = FPictureContainer;
    options.PictureCache = FPictureCache.get();
    THtmlPaintResult result;
    if (FSimplePanel) {
        options.Kept = FSimpleLayout.get();
        font(FCurrentOfficeStatusBarStyler->PanelAppearanceLight());
        if (PaintHtmlText(canvas, FSimpleText, {3, 3, ClientWidth() - 1, ClientHeight() - 1}, options, result))
            return result.AnchorTarget;
        return L"";
    }
    int index = GetPanelAt(x, y);
    if (index < 0 || FPanels->Items(index)->FStyle != psHTML) return L"";
    font(FPanels->Items(index)->FAppearanceStyle == psLight ? FCurrentOfficeStatusBarStyler->PanelAppearanceLight()
                                                            : FCurrentOfficeStatusBarStyler->PanelAppearanceDark());
    TRect box = HtmlTextBox(canvas, index);
    options.Kept = FPanels->Items(index)->FKeptLayout.get();
    if (PaintHtmlText(canvas, FPanels->Items(index)->FText, box, options, result)) return result.AnchorTarget;
    return L"";
}

}  // namespace orv
