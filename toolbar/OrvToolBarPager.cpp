// The pager's pages, geometry, tab layout, styler link, caption and help buttons, glass
// and painting. Mouse, keyboard and key tips are in PagerKeyTips.cpp.
#include "toolbar/OrvToolBarPager.h"

#include <windows.h>
#include <windowsx.h>

#include <algorithm>

#include "buttons/OrvGlowButton.h"
#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/GdiHandles.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "framework/RegisteredMessages.h"
#include "framework/Resources.h"
#include "framework/SysUtils.h"
#include "hints/OrvHintInfo.h"
#include "hints/ShortCutHintWindow.h"
#include "menus/OrvMenus.h"
#include "paint/FaceCache.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvEnvironment.h"
#include "paint/OrvLook.h"
#include "toolbar/MinimizedRibbonWindow.h"
#include "toolbar/OrvDWM.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvPageScrollButton.h"
#include "toolbar/OrvQuickAccessToolBar.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/PagerCaptionLayer.h"
#include "toolbar/PagerPaint.h"
#include "toolbar/ToolBarPersistence.h"

namespace orv {

namespace {

constexpr int kCaptionButtonSize = 16;
constexpr int kScrollButtonWidth = 12;

void LoadOptionalPicture(TGDIPPicture& picture, const wchar_t* name) {
    if (ResourceExists(MainInstance(), name, RawDataResourceType())) picture.LoadFromResourceName(MainInstance(), name);
}

// A caption without its accelerator marks, as the tab shows it.
std::wstring DisplayCaption(const std::wstring& caption) {
    std::wstring out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
        out += caption[i];
    }
    return out;
}

}  // namespace

// --- construction --------------------------------------------------------------------------

TOrvToolBarPager::TOrvToolBarPager(TComponent* owner)
    : TCustomControl(owner),
      FCaption(std::make_unique<TOrvPageCaption>()),
      FTabGroups(std::make_unique<TTabGroups>(this)),
      FTabSettings(std::make_unique<TOTBTabSettings>()),
      FPersistence(std::make_unique<TPersistence>(this)),
      FOfficeHint(std::make_unique<TOrvHintInfo>()),
      FOptionPicture(std::make_unique<TGDIPPicture>()),
      FOptionDisabledPicture(std::make_unique<TGDIPPicture>()) {
    SetControlStyle(ControlStyle() | csAcceptsControls);
    FDoubleBuffered = true;
    FTabStop = true;
    FWidth = 300;
    FHeight = 149;
    FExpandedHeight = 149;
    SetAlign(TAlign::alTop);
    FCaption->OnChange = [this](TObject*) { SettingsChanged(nullptr); };
    FTabSettings->OnChange = [this](TObject*) { SettingsChanged(nullptr); };
    FTabSettings->OnGlassChange = [this](TObject*) { GlassSettingChanged(nullptr); };
    FTabGroups->OnChange = [this](TObject*) { SettingsChanged(nullptr); };
    LoadOptionalPicture(*FOptionPicture, L"OPTIONIND_PIC");
    LoadOptionalPicture(*FOptionDisabledPicture, L"OPTIONIND_PICD");
    // The internal styler is also the fallback: the Luna preset, listed with itself.
    FOwnStyler = new TOrvToolBarOfficeStyler(this);
    FOwnStyler->SetName(L"InternalStyler");
    FOwnStyler->SetStyle(bsOffice2007Luna);
    FInternalStyler = FOwnStyler;
    FCurrentStyler = FOwnStyler;
    FOwnStyler->AddControl(this);
    FIsWin7 = WindowsVersionAtLeast(6, 1);
}

void TOrvToolBarPager::BeforeDestruction() {
    // A store that refuses (a read-only file) must not keep the program from closing.
    if (FPersistence->GetEnabled() && !IsDesigning()) SkipOnStoreError([this] { SaveState(); });
    Destroying();
    if (this == CtrlF1HookOwner()) ReleaseCtrlF1Hook();
    RemoveFormHook();
    HideShortCutHint();
    // The pop-up gives the toolbars back to the page before anything is freed.
    if (FMinimizedRibbonWindow) {
        TMinimizedRibbonWindow* window = FMinimizedRibbonWindow;
        FMinimizedRibbonWindow = nullptr;
        window->HideWindow();
        window->Free();
    }
    for (TOrvPage* page : FPages) page->FPager = nullptr;
    FPages.Clear();
    if (FToolBarStyler) FToolBarStyler->RemoveControl(this);
    TCustomControl::BeforeDestruction();
}

void TOrvToolBarPager::Loaded() {
    TCustomControl::Loaded();
    FPropertiesLoaded = true;
    ApplyGlass(GlassCondition(IsDesigning()) && dynamic_cast<TOrvToolBarForm*>(Parent()));
    for (TOrvPage* page : FPages) page->AttachTo(this);
    if (FActivePageIndex < 0 && !FPages.Empty()) SetActivePageIndex(0);
    for (int i = 0; i < FPages.Count(); ++i) FPages[i]->SetVisible(i == FActivePageIndex);
    UpdateCaptionButtons();
    UpdateMDIButtons();
    UpdateHelpButtons();
    UpdateTabs();
    // An unreadable store must not keep the program from starting.
    if (FPersistence->GetEnabled() && !IsDesigning()) SkipOnStoreError([this] { LoadState(); });
    UpdateCaptionLayer();
    // The popup menu and the styler may be linked in either order while a layout is read.
    ApplyPopupMenuStyler();
    InstallFormHook();
    if (!CtrlF1HookOwner()) InstallCtrlF1Hook(this);
    // The styler's re-broadcast ran while the layout's links were unresolved (the
    // application button had no menu or frame yet): repeat it now that they are made.
    if (FToolBarStyler) TellWinStyleChildren(kWinStyleChangeStyle);
}

void TOrvToolBarPager::CreateHandleDone() {
    TCustomControl::CreateHandleDone();
    FMDITimerOn = false;       // a new window has no timers yet
    FGlassRegion.Set = false;  // nor a region
    UpdateGlassRegion();
    // A pager made in code (no layout, so no Loaded) gets its buttons with its window.
    if (IsLoading() || FPropertiesLoaded) {
        if (FPropertiesLoaded) UpdateMDIButtons();
        return;
    }
    UpdateCaptionButtons();
    UpdateMDIButtons();
    UpdateHelpButtons();
    UpdateTabs();
    // Its parent may have reached a form only after SetParent ran.
    InstallFormHook();
}

void TOrvToolBarPager::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FToolBarStyler) {
        FToolBarStyler = nullptr;
        FCurrentStyler = FInternalStyler;
        if (!IsDestroying()) Invalidate();
    }
    if (component == FImages) FImages = nullptr;
    if (component == FDisabledImages) FDisabledImages = nullptr;
    if (component == FQuickAccessToolBar) FQuickAccessToolBar = nullptr;
    if (component == FMinimizedRibbonWindow) FMinimizedRibbonWindow = nullptr;
    if (component == FCaptionLayer) FCaptionLayer = nullptr;
    if (component == FHookedForm) {
        FHookedForm = nullptr;
        FFormHookId = 0;
    }
    if (auto* page = dynamic_cast<TOrvPage*>(component)) RemoveOrvPage(page);
}

void TOrvToolBarPager::SetParent(TWinControl* parent) {
    if (parent == Parent()) return;
    for (TWinControl* p = parent; p; p = p->Parent()) {
        if (dynamic_cast<TOrvCustomToolBar*>(p) || dynamic_cast<TOrvToolBarPager*>(p) || dynamic_cast<TOrvPage*>(p) ||
            std::wstring(p->ClassName()) == L"TOrvDockPanel")
            throw EInvalidOperation(L"Invalid Parent");
        break;
    }
    RemoveFormHook();
    TCustomControl::SetParent(parent);
    // Only a toolbar form gives the pager glass.
    ApplyGlass(GlassCondition(IsDesigning()) && dynamic_cast<TOrvToolBarForm*>(parent));
    // A pager read from a layout hooks its form in Loaded; one made in code hooks it here.
    if (FPropertiesLoaded || !IsLoading()) InstallFormHook();
}

void TOrvToolBarPager::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_CONTROLCHANGE: {
            auto* control = reinterpret_cast<TControl*>(message.WParam);
            if (message.LParam) {
                if (auto* quick = dynamic_cast<TOrvCustomQuickAccessToolBar*>(control)) {
                    FQuickAccessToolBar = quick;
                    control->FreeNotification(this);
                }
            } else if (control == FQuickAccessToolBar) {
                FQuickAccessToolBar = nullptr;
            }
            break;
        }
        case CM_DIALOGKEY:
            if (HandleDialogKey(message)) return;
            break;
        // The focus is followed here rather than asked of the system at each paint: under
        // the emulation layer GetFocus is a server round trip that cost more than the rest
        // of the paint record, and each transparent button rebuilds the record.
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_DESTROY:
            if (const bool has = message.Msg == WM_SETFOCUS; has != FHasFocus) {
                FHasFocus = has;
                if (message.Msg != WM_DESTROY) InvalidateRect(GetTabRowRect());
            }
            break;
        case CM_DIALOGCHAR:
            if (HandleDialogChar(static_cast<wchar_t>(message.WParam))) {
                message.Result = 1;
                return;
            }
            break;
        case CM_HINTSHOW:
            if (auto* info = HintInfoOf(message)) {
                HintRequest(message, *info);
                return;
            }
            break;
        case WM_GETDLGCODE:
            message.Result = DLGC_WANTARROWS;
            return;
        case WM_NCHITTEST:
            TCustomControl::WndProc(message);
            if (message.Result == HTCLIENT &&
                InToolBarFormResizeZone(this, {GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)}))
                message.Result = HTTRANSPARENT;
            return;
        case WM_ORV_PARENTBACKGROUNDKEY:
            message.Result =
                message.LParam && BackgroundKeyFor(*reinterpret_cast<TParentBackgroundQuery*>(message.LParam));
            return;
        default:
            break;
    }
    TCustomControl::WndProc(message);
}

// --- pages ---------------------------------------------------------------------------------

int TOrvToolBarPager::AddOrvPage(TOrvPage* page) {
    if (!page) return -1;
    int index = FPages.IndexOf(page);
    if (index >= 0) return index;
    index = FPages.Add(page);
    page->FreeNotification(this);
    page->AttachTo(this);
    if (page->Parent() != this) page->SetParent(this);
    if (IsLoading()) return index;
    page->SetBounds(GetPageRect().Left, GetPageRect().Top, GetPageRect().Width(), GetPageRect().Height());
    if (FActivePageIndex < 0)
        SetActivePageIndex(index);
    else
        page->SetVisible(false);
    UpdateTabs();
    return index;
}

TOrvPage* TOrvToolBarPager::AddOrvPage(const std::wstring& caption) {
    auto* page = new TOrvPage(Owner() ? Owner() : this);
    page->SetCaption(caption);
    AddOrvPage(page);
    return page;
}

void TOrvToolBarPager::RemoveOrvPage(TOrvPage* page) {
    int index = FPages.IndexOf(page);
    if (index < 0) return;
    if (FMinimizedRibbonWindow && FMinimizedRibbonWindow->SourcePage() == page) FMinimizedRibbonWindow->HideWindow();
    page->HideShortCutHint();
    FPages.Delete(index);
    page->FPager = nullptr;
    if (FHotPageIndex == index) FHotPageIndex = -1;
    if (FDownPageIndex == index) FDownPageIndex = -1;
    if (index < FActivePageIndex) {
        --FActivePageIndex;
    } else if (index == FActivePageIndex) {
        FActivePageIndex = -1;
        if (!IsDestroying() && !FPages.Empty()) SetActivePageIndex(std::min(index, FPages.Count() - 1));
    }
    if (!IsDestroying()) UpdateTabs();
}

void TOrvToolBarPager::MoveOrvPage(int fromIndex, int toIndex) {
    if (fromIndex < 0 || fromIndex >= FPages.Count() || toIndex < 0 || toIndex >= FPages.Count() ||
        fromIndex == toIndex)
        return;
    TOrvPage* active = GetActivePage();
    FPages.Move(fromIndex, toIndex);
    FActivePageIndex = active ? FPages.IndexOf(active) : -1;
    FHotPageIndex = FDownPageIndex = -1;
    UpdateTabs();
}

TOrvPage* TOrvToolBarPager::GetActivePage() const {
    return FActivePageIndex >= 0 && FActivePageIndex < FPages.Count() ? FPages[FActivePageIndex] : nullptr;
}

void TOrvToolBarPager::SetActivePage(TOrvPage* page) {
    int index = FPages.IndexOf(page);
    if (index >= 0) SetActivePageIndex(index);
}

void TOrvToolBarPager::SetActivePageIndex(int index) {
    ChangeActivePage(index);
}

bool TOrvToolBarPager::ChangeActivePage(int index) {
    if (index < 0 || index >= FPages.Count() || index == FActivePageIndex) return false;
    bool allow = true;
    OnChanging(this, FActivePageIndex, index, allow);
    if (!allow) return false;
    if (TOrvPage* old = GetActivePage()) {
        old->StopGlow();
        old->SetVisible(false);
    }
    if (!FExpanded) HideMinimizedRibbon();
    int oldIndex = FActivePageIndex;
    FActivePageIndex = index;
    TOrvPage* page = FPages[index];
    TRect r = GetPageRect();
    page->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    // One pass: what the page put off while hidden, before it shows.
    page->LayOutForShow();
    if (FExpanded && !FHideState) page->SetVisible(true);
    page->BringToFront();
    OnChange(this);
    // The page repaints as it shows; of the pager only the two tabs changed (with the
    // pixel around them an active tab's frame reaches).
    for (int i : {oldIndex, index}) {
        TRect tab = GetTabRect(i);
        if (tab.Right > tab.Left) InvalidateRect(TRect{tab.Left - 2, tab.Top - 2, tab.Right + 2, tab.Bottom + 2});
    }
    return true;
}

bool TOrvToolBarPager::TabSelectable(int index) const {
    if (index < 0 || index >= FPages.Count()) return false;
    return FPages[index]->GetTabVisible() && FPages[index]->GetTabEnabled();
}

void TOrvToolBarPager::NextActivePage() {
    for (int i = FActivePageIndex + 1; i < FPages.Count(); ++i)
        if (TabSelectable(i)) {
            SetActivePageIndex(i);
            return;
        }
}

void TOrvToolBarPager::PrevActivePage() {
    for (int i = FActivePageIndex - 1; i >= 0; --i)
        if (TabSelectable(i)) {
            SetActivePageIndex(i);
            return;
        }
}

void TOrvToolBarPager::SelectNextPage(bool goForward) {
    int count = FPages.Count();
    if (FActivePageIndex < 0 || count < 2) return;
    for (int step = 1; step < count; ++step) {
        int i = ((FActivePageIndex + (goForward ? step : -step)) % count + count) % count;
        if (TabSelectable(i)) {
            SetActivePageIndex(i);
            return;
        }
    }
}

void TOrvToolBarPager::PageChanged(TOrvPage* page, bool relayout) {
    if (IsLoading() || IsDestroying()) return;
    if (relayout) UpdateTabs();
    Invalidate();
    if (FCaptionLayer) FCaptionLayer->Invalidate();
    if (TOrvPage* active = GetActivePage(); active && active != page) active->Invalidate();
}

void TOrvToolBarPager::PageGlowTick(TOrvPage* page) {
    int index = FPages.IndexOf(page);
    if (index < 0) return;
    TRect r = GetTabRect(index);
    if (r.Right > r.Left) InvalidateRect(TRect{r.Left - 2, r.Top - 1, r.Right + 2, r.Bottom + 1});
}

// --- geometry --------------------------------------------------------------------------------------

TPagerGeometry TOrvToolBarPager::Geometry() const {
    TPagerGeometry g;
    g.Client = TRect{0, 0, FWidth, FHeight};
    g.CaptionVisible = FCaption->GetVisible();
    g.CaptionHeight = FCaption->GetHeight();
    g.TabHeight = FTabSettings->GetHeight();
    g.StartMargin = FTabSettings->GetStartMargin();
    g.EndMargin = FTabSettings->GetEndMargin();
    g.PageLeftMargin = FPageLeftMargin;
    g.PageRightMargin = FPageRightMargin;
    g.Scenic = ScenicRibbonMode;
    g.AutoMDIButtons = FAutoMDIButtons;
    g.MDIButtonWidth = FMDIButtonWidth;
    g.MDIButtonSpacing = FMDIButtonSpacing;
    g.ScrollerVisible = FTabScroller.Visible;
    g.GlassScenicDrawing = FIsAeroVista && ScenicRibbonMode && GlassDrawing();
    g.CaptionMinWidth = FCaption->GetMinWidth();
    g.RowButtons = (FShowHelpButton ? 1 : 0) + (FShowExpandCollapsButton ? 1 : 0);
    // The quick access toolbar below the pager takes its height from the page area.
    if (GetShowQATBelow()) g.QuickAccessBelowHeight = FCaption->GetHeight() - 2;
    return g;
}

TRect TOrvToolBarPager::GetCaptionRect() const {
    return PagerCaptionRect(Geometry());
}

TRect TOrvToolBarPager::GetTabRowRect() const {
    return PagerTabRowRect(Geometry());
}

TRect TOrvToolBarPager::GetTabAreaRect() const {
    return PagerTabAreaRect(Geometry());
}

TRect TOrvToolBarPager::GetPageRect() const {
    return PagerPageRect(Geometry());
}

TRect TOrvToolBarPager::GetTabRect(int index) const {
    if (index < 0 || index >= FPages.Count() || index >= static_cast<int>(FLayout.Tabs.size()) ||
        !FPages[index]->GetTabVisible())
        return TRect{-1, -1, -1, -1};
    TRect area = GetTabAreaRect();
    const TLayoutTab& t = FLayout.Tabs[static_cast<size_t>(index)];
    return TRect{t.Left, area.Top, t.Left + FLayout.TabWidth(static_cast<size_t>(index)), area.Bottom};
}

int TOrvToolBarPager::TabAtPos(TPoint p) const {
    for (int i = 0; i < FPages.Count(); ++i)
        if (GetTabRect(i).Contains(p)) return i;
    return -1;
}

int TOrvToolBarPager::CaptionButtonsLeft() const {
    int left = -1;
    for (TOrvGlowButton* b : {FMinButton, FMaxButton, FCloseButton})
        if (b && b->GetVisible() && (left < 0 || b->Left() < left)) left = b->Left();
    return left;
}

bool TOrvToolBarPager::GetTabGroupRect(int group, TRect& rect, bool& rightEdge) const {
    rect = TRect{-1, -1, -1, -1};
    rightEdge = false;
    if (group < 0 || group >= FTabGroups->Count()) return false;
    const TTabGroupItem* item = FTabGroups->Items(group);
    TGroupGeometry g;
    g.TabIndexStart = item->GetTabIndexStart();
    g.TabIndexEnd = item->GetTabIndexEnd();
    g.PageCount = FPages.Count();
    for (int i = 0; i < FPages.Count(); ++i) g.Tabs.push_back(GetTabRect(i));
    g.CaptionRect = GetCaptionRect();
    g.TabBottom = GetTabAreaRect().Bottom;
    g.Spacing = FLayout.Spacing;
    g.GlassDrawing = FIsAeroVista && GlassDrawing();
    g.OnGlass = FIsAeroVista;
    g.QuickAccessVisible = FQuickAccessToolBar && FQuickAccessToolBar->GetVisible();
    g.QuickAccessRight = FQuickAccessToolBar ? FQuickAccessToolBar->Left() + FQuickAccessToolBar->Width() : -1;
    g.CaptionButtonLeft = CaptionButtonsLeft();
    TGroupRect r = TabGroupRect(g);
    if (!r.Valid()) return false;
    rect = r.Rect;
    rightEdge = r.RightEdge;
    return true;
}

int TOrvToolBarPager::TabGroupAtPos(TPoint p) const {
    int tabTop = GetTabRowRect().Top;
    for (int g = 0; g < FTabGroups->Count(); ++g) {
        TRect r;
        bool edge;
        if (GetTabGroupRect(g, r, edge) && p.Y < tabTop && r.Contains(p)) return g;
    }
    return -1;
}

TRect TOrvToolBarPager::GetQuickAccessRect() const {
    TQuickAccessInput q;
    q.Present = FQuickAccessToolBar != nullptr;
    TPagerGeometry g = Geometry();
    q.Below = g.QuickAccessBelowHeight > 0;
    q.CaptionButtonLeft = CaptionButtonsLeft();
    q.MaximizedShadedGlass = FIsAeroVista && FormMaximized() && FTabBackgroundShaded;
    if (!FTabScroller.Visible && !FHideState) {
        for (int gi = 0; gi < FTabGroups->Count(); ++gi) {
            if (FTabGroups->Items(gi)->GetTabIndexStart() < 2) continue;
            TRect r;
            bool edge;
            if (GetTabGroupRect(gi, r, edge) && (q.GroupCaptionLeft < 0 || r.Left < q.GroupCaptionLeft))
                q.GroupCaptionLeft = r.Left;
        }
    }
    return PagerQuickAccessRect(g, q);
}

TWinControl* TOrvToolBarPager::ApplicationButton() const {
    for (int i = 0; i < ControlCount(); ++i) {
        std::wstring name = Controls(i)->ClassName();
        if (CompareText(name, L"TOrvShapeButton") == 0) return dynamic_cast<TWinControl*>(Controls(i));
    }
    return nullptr;
}

// --- tab layout ------------------------------------------------------------------------------------

void TOrvToolBarPager::MeasureTabs() {
    TCustomOrvToolBarStyler* styler = CurrentToolBarStyler();
    TGdiMemoryDC dc(CreateCompatibleDC(nullptr));
    TCanvas canvas;
    canvas.SetHandle(dc.Get());
    bool glassDrawing = FIsAeroVista && GlassDrawing();
    FLayout.Tabs.resize(static_cast<size_t>(FPages.Count()));
    // Most tabs share one font: a font is given to the canvas (a new handle) only when it
    // changes from tab to tab.
    const TFont* selected = nullptr;
    for (int i = 0; i < FPages.Count(); ++i) {
        TOrvPage* page = FPages[i];
        int group = FTabGroups->GroupOfPage(i);
        const TFont* font = &styler->TabAppearance().Font();
        if (group >= 0) {
            TTabGroupItem* item = FTabGroups->Items(group);
            const TGroupAppearance& ga =
                item->GetDefaultAppearance() ? styler->GroupAppearance() : item->GroupAppearance();
            font = &ga.TabAppearance().Font();
        }
        if (font != selected) canvas.Font().Assign(font), selected = font;
        std::wstring caption = DisplayCaption(page->GetCaption());
        TTabMeasure m;
        m.TextWidth = caption.empty() ? 0 : canvas.TextWidth(caption);
        m.CaptionLength = static_cast<int>(page->GetCaption().size());
        m.AntiAliased = FAntiAlias != aaNone;
        m.GlassDrawing = glassDrawing;
        m.FontSize = font->GetSize();
        TImageList* images = page->GetTabEnabled() ? FImages : (FDisabledImages ? FDisabledImages : FImages);
        if (images && page->GetImageIndex() >= 0) m.ImageWidth = images->GetWidth();
        int width = TabContentWidth(m);
        page->TabClientWidth = page->TabRealClientWidth = width;
        TLayoutTab& t = FLayout.Tabs[static_cast<size_t>(i)];
        t.Visible = page->GetTabVisible();
        t.Grouped = group >= 0;
        t.RealClientWidth = t.ClientWidth = width;
    }
    canvas.SetHandle(nullptr);
}

void TOrvToolBarPager::LayoutTabsNow() {
    TPagerGeometry g = Geometry();
    g.ScrollerVisible = false;
    TRect area = PagerTabAreaRect(g);
    bool scrolling = !IsLoading() && !IsDesigning();
    LayoutTabs(FLayout, FTabSettings->Values(), area.Left, area.Width(), FTabScroller, scrolling);
    for (int i = 0; i < FPages.Count() && i < static_cast<int>(FLayout.Tabs.size()); ++i) {
        TOrvPage* page = FPages[i];
        const TLayoutTab& t = FLayout.Tabs[static_cast<size_t>(i)];
        page->TabLeft = t.Left;
        page->TabClientWidth = t.ClientWidth;
        page->TabWidth = FLayout.TabWidth(static_cast<size_t>(i));
    }
}

int TOrvToolBarPager::MeasureCaption(int tab) const {
    if (tab < 0 || tab >= FPages.Count()) return 0;
    TCustomOrvToolBarStyler* styler = CurrentToolBarStyler();
    const TFont* font = &styler->TabAppearance().Font();
    int group = FTabGroups->GroupOfPage(tab);
    if (group >= 0) {
        TTabGroupItem* item = FTabGroups->Items(group);
        font = item->GetDefaultAppearance() ? &styler->GroupAppearance().TabAppearance().Font()
                                            : &item->GroupAppearance().TabAppearance().Font();
    }
    TGdiMemoryDC dc(CreateCompatibleDC(nullptr));
    TCanvas canvas;
    canvas.SetHandle(dc.Get());
    canvas.Font().Assign(font);
    int width = canvas.TextWidth(DisplayCaption(FPages[tab]->GetCaption()));
    canvas.SetHandle(nullptr);
    return width;
}

void TOrvToolBarPager::UpdateTabs() {
    if (IsLoading() || IsDestroying()) return;
    MeasureTabs();
    LayoutTabsNow();
    UpdateScrollButtons();
    PlacePages();
    PlaceButtons();
    UpdateCaptionLayer();
    // The quick access toolbar takes the place the caption buttons and tabs leave it.
    if (FQuickAccessToolBar) FQuickAccessToolBar->PagerChanged();
    Invalidate();
}

bool TOrvToolBarPager::GetShowQATBelow() const {
    return FQuickAccessToolBar && FQuickAccessToolBar->GetVisible() && FQuickAccessToolBar->GetFullSize();
}

void TOrvToolBarPager::SetShowQATBelow(bool value) {
    TOrvCustomQuickAccessToolBar* quick = FQuickAccessToolBar;
    if (!quick || quick->GetFullSize() == value) return;
    if (quick->GetVisible()) {
        const int q = FCaption->GetHeight() - 2;
        SetHeight(FHeight + (value ? q : -q));
    }
    quick->SetFullSize(value);
    UpdateTabs();
    // On glass the form lays its frame out again.
    if (FIsAeroVista)
        if (TWinControl* parent = Parent()) {
            parent->SetWidth(parent->Width() - 1);
            parent->SetWidth(parent->Width() + 1);
        }
}

void TOrvToolBarPager::PlacePages() {
    TRect r = GetPageRect();
    for (TOrvPage* page : FPages)
        if (page->BoundsRect() != r) page->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

void TOrvToolBarPager::UpdateScrollButtons() {
    TPagerGeometry g = Geometry();
    bool back = FTabScroller.Visible && FTabScroller.Position > 0;
    bool forward = FTabScroller.Visible && FTabScroller.Position < FTabScroller.Max;
    auto place = [this](TOrvPageScrollButton*& button, bool show, bool left, const TRect& r) {
        if (!show) {
            if (button) button->SetVisible(false);
            return;
        }
        if (!button) {
            button = new TOrvPageScrollButton(this);
            button->SetScrollArrow(left ? saLeft : saRight);
            button->OnClick = [this, left](TObject*) { ScrollTabs(left ? -1 : 1); };
            button->SetParent(this);
        }
        button->Appearance().Assign(&CurrentToolBarStyler()->GlowButtonAppearance());
        button->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        button->SetVisible(true);
        button->BringToFront();
    };
    place(FLeftScrollButton, back, true, PagerLeftScrollButtonRect(g));
    place(FRightScrollButton, forward, false, PagerRightScrollButtonRect(g));
}

void TOrvToolBarPager::ScrollTabs(int delta) {
    int position = std::clamp(FTabScroller.Position + delta, 0, FTabScroller.Max);
    if (position == FTabScroller.Position) return;
    FTabScroller.Position = position;
    TPagerGeometry g = Geometry();
    g.ScrollerVisible = false;
    PlaceTabs(FLayout, PagerTabAreaRect(g).Left, FTabScroller.Position);
    for (int i = 0; i < FPages.Count() && i < static_cast<int>(FLayout.Tabs.size()); ++i)
        FPages[i]->TabLeft = FLayout.Tabs[static_cast<size_t>(i)].Left;
    UpdateScrollButtons();
    Invalidate();
}

void TOrvToolBarPager::Resize() {
    TCustomControl::Resize();
    if (IsLoading() || IsDestroying()) return;
    UpdateGlassRegion();
    UpdateTabs();
    TellWinStyleChildren(kWinStyleUpdateMenu);
}

void TOrvToolBarPager::SettingsChanged(TObject*) {
    UpdateTabs();
}

void TOrvToolBarPager::GlassSettingChanged(TObject*) {
    UpdateTabs();
    if (FCaptionLayer) FCaptionLayer->Invalidate();
}

// --- published setters ----------------------------------------------------------------------------

void TOrvToolBarPager::SetAntiAlias(TAntiAlias value) {
    if (FAntiAlias == value) return;
    FAntiAlias = value;
    UpdateTabs();
}

void TOrvToolBarPager::SetAutoMDIButtons(bool value) {
    if (FAutoMDIButtons == value) return;
    FAutoMDIButtons = value;
    UpdateTabs();
    UpdateMDIButtons();
}

void TOrvToolBarPager::SetCaptionButtons(TCaptionButtons value) {
    if (FCaptionButtons == value) return;
    FCaptionButtons = value;
    if (!IsLoading()) UpdateCaptionButtons();
}

void TOrvToolBarPager::SetImages(TImageList* value) {
    if (FImages == value) return;
    FImages = value;
    if (value) value->FreeNotification(this);
    UpdateTabs();
}

void TOrvToolBarPager::SetDisabledImages(TImageList* value) {
    if (FDisabledImages == value) return;
    FDisabledImages = value;
    if (value) value->FreeNotification(this);
    UpdateTabs();
}

void TOrvToolBarPager::SetShowHelpButton(bool value) {
    if (FShowHelpButton == value) return;
    FShowHelpButton = value;
    if (IsLoading()) return;
    UpdateHelpButtons();
    UpdateTabs();  // the tab area ends before the buttons
}

void TOrvToolBarPager::SetShowExpandCollapsButton(bool value) {
    if (FShowExpandCollapsButton == value) return;
    FShowExpandCollapsButton = value;
    if (IsLoading()) return;
    UpdateHelpButtons();
    UpdateTabs();
}

void TOrvToolBarPager::SetShowNonSelectedTabs(bool value) {
    if (FShowNonSelectedTabs == value) return;
    FShowNonSelectedTabs = value;
    Invalidate();
}

void TOrvToolBarPager::SetPageLeftMargin(int value) {
    if (FPageLeftMargin == value) return;
    FPageLeftMargin = value;
    UpdateTabs();
}

void TOrvToolBarPager::SetPageRightMargin(int value) {
    if (FPageRightMargin == value) return;
    FPageRightMargin = value;
    UpdateTabs();
}

bool TOrvToolBarPager::GetWin7ScenicRibbon() const {
    return ScenicRibbonMode;
}

void TOrvToolBarPager::SetWin7ScenicRibbon(bool value) {
    if (ScenicRibbonMode == value) return;
    ScenicRibbonMode = value;
    TellWinStyleChildren(kWinStyleChangeStyle);
    UpdateTabs();
}

void TOrvToolBarPager::SetGlowSpeed(unsigned speed) {
    GlowSpeed = speed;
}

std::wstring TOrvToolBarPager::GetVersionNr() {
    return L"1.0.0.0";
}

// --- styler ------------------------------------------------------------------------------------------

TCustomOrvToolBarStyler* TOrvToolBarPager::CurrentToolBarStyler() const {
    return FCurrentStyler ? FCurrentStyler : FInternalStyler;
}

void TOrvToolBarPager::SetToolBarStyler(TCustomOrvToolBarStyler* value) {
    if (FToolBarStyler == value) return;
    if (FToolBarStyler) {
        FToolBarStyler->RemoveControl(this);
        RemoveFreeNotification(FToolBarStyler);
    }
    FToolBarStyler = value;
    if (value) {
        value->FreeNotification(this);
        value->AddControl(this);
    }
    FCurrentStyler = value ? value : FInternalStyler;
    if (!IsLoading() && !IsDestroying()) {
        for (TOrvPage* page : FPages) {
            for (TOrvCustomToolBar* tb : page->ToolBarList())
                if (tb->GetParentStyler()) tb->SetParentStyler(false), tb->SetParentStyler(true);
            page->ArrangeToolBars();
        }
    }
    ApplyStylerChange(0);
    // The styler's own Style is read before any pager links to it in a stored layout, so
    // its broadcast reached nobody: repeat it, which sets the look flags this pager and
    // the application button go by.
    if (value) value->BroadcastStyle(value->GetNewZemStyle());
    if (value) TellWinStyleChildren(kWinStyleChangeStyle);
    ApplyPopupMenuStyler();
    if (!IsLoading()) UpdateTabs();
    Invalidate();
}

void TOrvToolBarPager::ApplyPopupMenuStyler() {
    if (auto* menu = dynamic_cast<TOrvPopupMenu*>(GetPopupMenu()))
        menu->SetMenuStyler(CurrentToolBarStyler()->CurrentOrvMenuStyler());
}

void TOrvToolBarPager::ToolBarStylerDestroying(TCustomOrvToolBarStyler* styler) {
    if (styler == FToolBarStyler) {
        FToolBarStyler = nullptr;
        FCurrentStyler = FInternalStyler;
    }
}

void TOrvToolBarPager::ApplyStylerChange(int code) {
    if (IsDestroying()) return;
    Invalidate();
    if (TOrvPage* page = GetActivePage()) page->Invalidate();
    TCustomOrvToolBarStyler* styler = CurrentToolBarStyler();
    if (FToolBarStyler) {
        for (TOrvGlowButton* b : {FCloseButton, FMaxButton, FMinButton, FHelpButton, FExpandCollapsButton,
                                  FMDIButtons[0], FMDIButtons[1], FMDIButtons[2]})
            if (b) b->Appearance().Assign(&styler->GlowButtonAppearance());
    }
    if (code == scMenuStyler) ApplyPopupMenuStyler();
    if (code == scPagerCaption && !IsLoading()) UpdateCaptionButtons();
    if (code == scPagerAppearance && !IsLoading()) UpdateTabs();
    ShapeButtonRefreshed();
    if (FQuickAccessToolBar)
        if (auto* client = dynamic_cast<IToolBarStylerClient*>(FQuickAccessToolBar)) client->ApplyStylerChange(code);
}

void TOrvToolBarPager::ShapeButtonRefreshed() {
    if (TWinControl* button = ApplicationButton()) button->Invalidate();
}

void TOrvToolBarPager::Office2010LookChanged() {
    FTabSettings->OnGlassChange(FTabSettings.get());
}

void TOrvToolBarPager::StyleBroadcastDone() {
    FTabBackgroundShaded = Office2010Look && FIsAeroVista;
    if (!IsLoading()) UpdateHelpButtons();
}

void TOrvToolBarPager::TellWinStyleChildren(int op) {
    int style = FToolBarStyler ? static_cast<int>(FToolBarStyler->GetNewZemStyle()) : -1;
    std::vector<TControl*> children(FControls.begin(), FControls.end());
    for (TControl* c : children) {
        auto* w = dynamic_cast<IWinStyle*>(c);
        if (!w) continue;
        switch (op) {
            case kWinStyleChangeStyle:
                w->ChangeStyle(ScenicRibbonMode, style);
                break;
            case kWinStyleHideMenu:
                w->HideMenu();
                break;
            case kWinStyleUpdateMenu:
                w->UpdateMenu();
                break;
            default:
                break;
        }
    }
}

// --- glass ----------------------------------------------------------------------------------------------

bool TOrvToolBarPager::FormMaximized() const {
    TForm* form = GetParentForm(this);
    return form && form->HandleAllocated() && form->GetWindowState() == TWindowState::wsMaximized;
}

bool TOrvToolBarPager::GlassLook() const {
    return FIsAeroVista && Office2010Look && ScenicRibbonMode && !IsDesigning();
}

bool TOrvToolBarPager::GlassDrawing() const {
    if (!GlassLook()) return false;
    if (!FormMaximized()) return true;
    return FIsWin7 && FTabBackgroundShaded;
}

void TOrvToolBarPager::ApplyGlass(bool onGlass) {
    if (FIsAeroVista == onGlass) return;
    FIsAeroVista = onGlass;
    SetDoubleBuffered(!onGlass);
    FTabBackgroundShaded = Office2010Look && onGlass;
    if (TWinControl* button = ApplicationButton())
        if (button->HandleAllocated())
            PostMessageW(button->Handle(), RegisteredMessage(L"TBSetAeroVista"), onGlass ? 1 : 0, 0);
    UpdateGlassRegion();
    if (!IsLoading()) {
        UpdateCaptionButtons();
        UpdateTabs();
    }
}

// The clip follows the width, the height and the form's maximized case, so it is set
// again when any of them changes and when a new window is made (a region belongs to its
// window); off glass the window has none.
void TOrvToolBarPager::UpdateGlassRegion() {
    if (!HandleAllocated()) return;
    if (!FIsAeroVista) {
        if (FGlassRegion.Set) SetWindowRgn(Handle(), nullptr, TRUE);
        FGlassRegion.Set = false;
        return;
    }
    const bool maximizedShaded = FIsWin7 && FormMaximized() && FTabBackgroundShaded;
    if (FGlassRegion.Set && FGlassRegion.Width == FWidth && FGlassRegion.Height == FHeight &&
        FGlassRegion.MaximizedShaded == maximizedShaded)
        return;
    std::vector<POINT> pts;
    for (TPoint p : PagerGlassClipPolygon(FWidth, FHeight, maximizedShaded)) pts.push_back(POINT{p.X, p.Y});
    TGdiRegion region(CreatePolygonRgn(pts.data(), static_cast<int>(pts.size()), WINDING));
    // The window owns the region once it is set.
    if (SetWindowRgn(Handle(), region.Get(), TRUE)) region.Release();
    FGlassRegion = {true, FWidth, FHeight, maximizedShaded};
}

void TOrvToolBarPager::GlassChanged(bool onGlass) {
    ApplyGlass(onGlass && GlassCondition(IsDesigning()));
}

TColor TOrvToolBarPager::FormBorderColor() const {
    return CurrentToolBarStyler()->GetFormBorderColor();
}

int TOrvToolBarPager::GlassTabHeight() const {
    return GlassDrawing() ? FTabSettings->GetHeight() : 0;
}

bool TOrvToolBarPager::ScenicLook() const {
    return Office2010Look && ScenicRibbonMode;
}

void TOrvToolBarPager::SizeToForm() {
    TWinControl* parent = Parent();
    if (!parent || GetAlign() == TAlign::alLeft || GetAlign() == TAlign::alRight) return;
    const int width = parent->ClientWidth();
    if (width > 0 && width != FWidth) SetBounds(0, FTop, width, FHeight);
    // While its properties are still being read, the pager's own Loaded lays it out.
    if (IsLoading() || IsDestroying()) return;
    UpdateGlassRegion();
    UpdateCaptionButtons();
    UpdateTabs();
}

void TOrvToolBarPager::EnterHideState() {
    if (FHideState) return;
    FHideState = true;
    FHeightBeforeHide = FHeight;
    FQuickAccessWasVisible = FQuickAccessToolBar && FQuickAccessToolBar->GetVisible();
    TWinControl* app = ApplicationButton();
    FAppButtonWasVisible = app && app->GetVisible();
    if (FQuickAccessToolBar) FQuickAccessToolBar->SetVisible(false);
    if (app) app->SetVisible(false);
    if (TOrvPage* page = GetActivePage()) page->SetVisible(false);
    SetHeight(FCaption->GetHeight());
}

void TOrvToolBarPager::LeaveHideState() {
    if (!FHideState) return;
    FHideState = false;
    SetHeight(FHeightBeforeHide);
    if (FQuickAccessToolBar && FQuickAccessWasVisible) FQuickAccessToolBar->SetVisible(true);
    if (TWinControl* app = ApplicationButton(); app && FAppButtonWasVisible) app->SetVisible(true);
    if (TOrvPage* page = GetActivePage(); page && FExpanded) page->SetVisible(true);
}

// --- caption layer ------------------------------------------------------------------------------------

void TOrvToolBarPager::UpdateCaptionLayer() {
    if (!FIsAeroVista || IsDesigning() || IsLoading()) {
        if (FCaptionLayer) FCaptionLayer->SetVisible(false);
        return;
    }
    TRect r = GetCaptionRect();
    if (!FCaptionLayer) {
        FCaptionLayer = new TCaptionLayer(this);
        FCaptionLayer->SetParent(this);
        FCaptionLayer->SendToBack();
        FCaptionLayer->SetHost(this, this);
        FCaptionLayer->OnTextPaint = [this](TObject*, std::wstring&, bool& handled, TRect) {
            handled = PaintGlassCaption();
        };
    }
    FCaptionLayer->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    FCaptionLayer->SetText(FCaption->GetCaption());
    FCaptionLayer->SetVisible(FCaption->GetVisible());
}

// --- collapse ----------------------------------------------------------------------------------------------

void TOrvToolBarPager::Collaps() {
    if (!FExpanded) return;
    FExpandedHeight = FHeight;
    int height = GetPageRect().Top;
    TPagerGeometry g = Geometry();
    if (g.QuickAccessBelowHeight > 0) {
        height += g.QuickAccessBelowHeight;
        FExpandedHeight -= g.QuickAccessBelowHeight;
    }
    FExpanded = false;
    if (TOrvPage* page = GetActivePage()) page->SetVisible(false);
    SetHeight(height);
    UpdateHelpButtons();
    OnCollaps(this);
}

void TOrvToolBarPager::Expand() {
    if (FExpanded) return;
    HideMinimizedRibbon();
    TPagerGeometry g = Geometry();
    FExpanded = true;
    SetHeight(FExpandedHeight + g.QuickAccessBelowHeight);
    if (TOrvPage* page = GetActivePage(); page && !FHideState) {
        PlacePages();
        page->SetVisible(true);
    }
    UpdateHelpButtons();
    OnExpand(this);
}

bool TOrvToolBarPager::PopupShowing() const {
    return FMinimizedRibbonWindow && FMinimizedRibbonWindow->GetVisible();
}

int TOrvToolBarPager::ClonePageHeight() const {
    int h = FExpandedHeight;
    if (FCaption->GetVisible()) h -= FCaption->GetHeight();
    return h - FTabSettings->GetHeight() - PagerEdgeInset(ScenicRibbonMode) - 1;
}

void TOrvToolBarPager::ShowMinimizedRibbon() {
    TOrvPage* page = GetActivePage();
    if (!page || FExpanded) return;
    if (!FMinimizedRibbonWindow) {
        FMinimizedRibbonWindow = new TMinimizedRibbonWindow(this);
        FMinimizedRibbonWindow->FreeNotification(this);
    }
    TRect pageRect = GetPageRect();
    TPoint at = ClientToScreen(TPoint{pageRect.Left - 2, GetTabRowRect().Bottom});
    FMinimizedRibbonWindow->ShowPage(page, ClonePageHeight(), at);
    UpdateExpandCollapsPicture();
    Invalidate();
}

void TOrvToolBarPager::HideMinimizedRibbon() {
    if (FMinimizedRibbonWindow) FMinimizedRibbonWindow->HideWindow();
    UpdateExpandCollapsPicture();
}

// --- caption, help and expand buttons --------------------------------------------------------------------

TOrvGlowButton* TOrvToolBarPager::MakeButton(TNotifyEvent click) {
    auto* b = new TOrvGlowButton(this);
    b->SetTransparent(true);
    b->SetShowCaption(false);
    b->SetTabStop(false);
    b->SetBounds(0, 0, kCaptionButtonSize, kCaptionButtonSize);
    b->Appearance().Assign(&CurrentToolBarStyler()->GlowButtonAppearance());
    b->OnClick = std::move(click);
    b->SetParent(this);
    return b;
}

void TOrvToolBarPager::FreeCaptionButtons() {
    for (TOrvGlowButton** b : {&FCloseButton, &FMaxButton, &FMinButton}) {
        if (*b) (*b)->Free();
        *b = nullptr;
    }
    FCaption->RightIndent = FSavedRightIndent;
}

void TOrvToolBarPager::UpdateCaptionButtons() {
    if (!FCaption->GetVisible() || FCaptionButtons == 0) {
        if (FCloseButton) FreeCaptionButtons();
        return;
    }
    if (!FCloseButton) {
        FSavedRightIndent = FCaption->RightIndent;
        auto glyphed = [this](TCaptionGlyph glyph) {
            TOrvGlowButton* b = MakeButton([this](TObject* s) { CaptionButtonClick(s); });
            b->OnDrawButton = [this, glyph](TObject*, TCanvas& c, TGlowButtonState, TRect r) {
                TCaptionGlyph g = glyph;
                if (g == cgMaximize && FormStateNotNormal()) g = cgRestore;
                // Enabled or not, the glyph is drawn in the styler's system button colour.
                TColor color = CurrentToolBarStyler()->GetSysButtonColor();
                DrawCaptionGlyph(c, g, color, r.Left + (r.Width() - kCaptionGlyphSize) / 2,
                                 r.Top + (r.Height() - kCaptionGlyphSize) / 2);
            };
            return b;
        };
        FCloseButton = glyphed(cgClose);
        FMaxButton = glyphed(cgMaximize);
        FMinButton = glyphed(cgMinimize);
    }
    const int e = PagerEdgeInset(ScenicRibbonMode);
    const int top = GetCaptionRect().Top + e;
    FCloseButton->SetBounds(FWidth - e - kCaptionButtonSize - 2, top, kCaptionButtonSize, kCaptionButtonSize);
    FMaxButton->SetBounds(FCloseButton->Left() - 2 - kCaptionButtonSize, top, kCaptionButtonSize, kCaptionButtonSize);
    FMinButton->SetBounds(FMaxButton->Left() - 2 - kCaptionButtonSize, top, kCaptionButtonSize, kCaptionButtonSize);
    FCaption->RightIndent = std::max(FCaption->RightIndent, FWidth - FMinButton->Left());
    bool close = FCaptionButtons & (1 << cbClose);
    bool min = FCaptionButtons & (1 << cbMinimize);
    bool max = FCaptionButtons & (1 << cbMaximize);
    // The frame's own buttons show on glass.
    FCloseButton->SetVisible(close && !FIsAeroVista);
    FMinButton->SetVisible(min && !FIsAeroVista);
    FMaxButton->SetVisible((max || min) && !FIsAeroVista);
    FCloseButton->SetEnabled(close);
    FMinButton->SetEnabled(min);
    FMaxButton->SetEnabled(max);
    if (TForm* form = GetParentForm(this)) FLastFormState = form->GetWindowState();
    for (TOrvGlowButton* b : {FCloseButton, FMaxButton, FMinButton}) b->Invalidate();
}

bool TOrvToolBarPager::FormStateNotNormal() const {
    TForm* form = GetParentForm(this);
    return form && form->HandleAllocated() && form->GetWindowState() != TWindowState::wsNormal;
}

void TOrvToolBarPager::CaptionButtonClick(TObject* sender) {
    TForm* form = GetParentForm(this);
    if (sender == FCloseButton) {
        if (OnCloseButtonClick)
            OnCloseButtonClick(sender);
        else if (form)
            form->Close();
    } else if (sender == FMaxButton) {
        if (OnMaxButtonClick)
            OnMaxButtonClick(sender);
        else
            ToggleMaximize();
    } else if (sender == FMinButton) {
        if (OnMinButtonClick)
            OnMinButtonClick(sender);
        else if (FMinimizeApp && Application && Application->MainForm() && Application->MainForm()->HandleAllocated())
            ShowWindow(Application->MainForm()->Handle(), SW_MINIMIZE);
        else if (form)
            form->SetWindowState(TWindowState::wsMinimized);
    }
}

void TOrvToolBarPager::ToggleMaximize() {
    TForm* form = GetParentForm(this);
    if (!form) return;
    form->SetWindowState(form->GetWindowState() == TWindowState::wsMaximized ? TWindowState::wsNormal
                                                                             : TWindowState::wsMaximized);
    UpdateCaptionButtons();
}

void TOrvToolBarPager::UpdateHelpButtons() {
    if (FShowHelpButton && !FHelpButton) {
        FHelpButton = MakeButton([this](TObject*) { OnHelpClick(this); });
        LoadOptionalPicture(FHelpButton->Picture(),
                            ScenicRibbonMode && FIsAeroVista && GlassDrawing() ? L"OTBHELP_BTN2" : L"OTBHELP_BTN");
    } else if (!FShowHelpButton && FHelpButton) {
        FHelpButton->Free();
        FHelpButton = nullptr;
    }
    if (FShowExpandCollapsButton && !FExpandCollapsButton) {
        FExpandCollapsButton = MakeButton([this](TObject*) { FExpanded ? Collaps() : Expand(); });
    } else if (!FShowExpandCollapsButton && FExpandCollapsButton) {
        FExpandCollapsButton->Free();
        FExpandCollapsButton = nullptr;
    }
    UpdateExpandCollapsPicture();
    PlaceButtons();
}

void TOrvToolBarPager::UpdateExpandCollapsPicture() {
    if (!FExpandCollapsButton) {
        FExpandCollapsPicture = nullptr;
        return;
    }
    // Collapsed with the pop-up showing, the button pins the page: it expands.
    const wchar_t* name = FExpanded ? L"OTBECUP_BTN" : PopupShowing() ? L"OTBECNCH_BTN" : L"OTBECDOWN_BTN";
    if (name == FExpandCollapsPicture) return;
    FExpandCollapsPicture = name;
    FExpandCollapsButton->Picture().Assign(nullptr);
    LoadOptionalPicture(FExpandCollapsButton->Picture(), name);
}

void TOrvToolBarPager::PlaceButtons() {
    const TPagerGeometry g = Geometry();
    int index = 0;
    for (TOrvGlowButton* b : {FHelpButton, FExpandCollapsButton}) {
        if (!b) continue;
        const TRect r = PagerRowButtonRect(g, index++);
        b->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    }
    if (FCloseButton) UpdateCaptionButtons();
    PlaceMDIButtons();
}

// --- painting ---------------------------------------------------------------------------------------------

TPagerPaintState TOrvToolBarPager::PaintState() const {
    TPagerPaintState s;
    TCustomOrvToolBarStyler* styler = CurrentToolBarStyler();
    s.Client = TRect{0, 0, FWidth, FHeight};
    s.Styler = styler;
    s.OnGlass = FIsAeroVista;
    s.GlassDrawing = FIsAeroVista && GlassDrawing();
    s.Scenic = ScenicRibbonMode;
    s.Office2010Look = Office2010Look;
    s.TabBackgroundShaded = FTabBackgroundShaded;
    s.HidingPages = FHideState;
    s.CaptionVisible = FCaption->GetVisible();
    s.CaptionLayerInUse = FCaptionLayer && FCaptionLayer->GetVisible();
    s.CaptionRect = GetCaptionRect();
    s.Caption = FCaption->GetCaption();
    TRect qat = GetQuickAccessRect();
    int groupsRight = -1;
    s.TabRowRect = GetTabRowRect();
    s.TabArea = GetTabAreaRect();
    s.TabHeight = FTabSettings->GetHeight();
    s.Spacing = FLayout.Spacing;
    s.MinSpacing = FTabSettings->MinSpacing;
    s.TabLeftMargin = FLayout.LeftMargin;
    s.GroupTabLeftMargin = FLayout.GroupLeftMargin;
    s.ScrollerActive = FTabScroller.Max >= 1;
    s.AntiAlias = FAntiAlias;
    s.Images = FImages;
    s.DisabledImages = FDisabledImages;
    for (int g = 0; g < FTabGroups->Count(); ++g) {
        const TTabGroupItem* item = FTabGroups->Items(g);
        TPagerGroup pg;
        TRect r;
        bool edge = false;
        if (GetTabGroupRect(g, r, edge)) {
            pg.Group.Rect = r;
            pg.Group.RightEdge = edge;
            groupsRight = std::max(groupsRight, r.Right);
        }
        pg.Appearance = item->GetDefaultAppearance() ? &styler->GroupAppearance() : &item->GroupAppearance();
        pg.Caption = item->GetCaption();
        pg.Alignment = item->GetCaptionAlignment();
        pg.ImageIndex = item->GetImageIndex();
        s.Groups.push_back(pg);
    }
    std::pair<int, int> span = CaptionTextSpan(FWidth, FCaption->GetIndent(), FHideState,
                                               qat.Left >= 0 && qat.Bottom <= s.TabRowRect.Top ? qat.Right : -1,
                                               FCaption->RightIndent, groupsRight);
    s.CaptionTextLeft = span.first;
    s.CaptionTextRight = span.second;
    const bool focused = FHasFocus;
    for (int i = 0; i < FPages.Count(); ++i) {
        TOrvPage* page = FPages[i];
        TPagerTab t;
        t.Rect = GetTabRect(i);
        t.Visible = page->GetTabVisible();
        t.State.Active = i == FActivePageIndex && (FExpanded || PopupShowing());
        t.State.Hot = i == FHotPageIndex;
        t.State.Down = i == FDownPageIndex;
        t.State.Enabled = page->GetTabEnabled();
        t.State.PagerFocused = focused && i == FActivePageIndex;
        t.State.ShowNonSelectedTabs = FShowNonSelectedTabs;
        t.State.Glow = page->GlowRunning() ? page->GlowState() : gsNone;
        t.State.StepHover = page->StepHover();
        t.State.StepPush = page->StepPush();
        t.Group = FTabGroups->GroupOfPage(i);
        if (t.Group >= 0) {
            int first, last;
            if (FTabGroups->Items(t.Group)->PageRange(FPages.Count(), first, last)) t.LastOfGroup = i == last;
        }
        t.Caption = page->GetCaption();
        t.ImageIndex = page->GetImageIndex();
        t.UseDisabledImages = !page->GetTabEnabled();
        s.Tabs.push_back(t);
    }
    if (TOrvPage* page = GetActivePage(); page && FExpanded && !FHideState) s.ActivePageRect = page->BoundsRect();
    s.FormCorners = !FIsAeroVista && dynamic_cast<TOrvToolBarForm*>(Parent()) && !IsVistaOrLater() && !FormMaximized();
    s.FormBorderColor = styler->GetFormBorderColor();
    return s;
}

// Beneath a transparent child lies the kept backdrop alone when no tab (with its crowded
// separator two pixels left of it) and no graphic control reaches into the child's
// rectangle: then the backdrop face's identity names those pixels.
bool TOrvToolBarPager::BackgroundKeyFor(TParentBackgroundQuery& query) {
    const TRect r = query.Rect;
    auto overlaps = [&r](const TRect& b) {
        return b.Left < r.Right && r.Left < b.Right && b.Top < r.Bottom && r.Top < b.Bottom;
    };
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->GetVisible() && !dynamic_cast<TWinControl*>(c) && overlaps(c->BoundsRect())) return false;
    }
    TPagerPaintState state = PaintState();
    for (const TPagerTab& tab : state.Tabs)
        if (tab.Visible && !tab.Rect.IsEmpty() &&
            overlaps(TRect{tab.Rect.Left - 2, tab.Rect.Top, tab.Rect.Right, tab.Rect.Bottom}))
            return false;
    std::shared_ptr<const TFace> face = KeptPagerBackdrop(state);
    if (!face || face->Empty()) return false;
    query.Key = FBackdropKeys.SerialOf(face);
    return true;
}

void TOrvToolBarPager::Paint() {
    if (FCloseButton && FirstPaintStateChanged()) UpdateCaptionButtons();
    PaintPager(Canvas(), PaintState());
    FFirstPaint = false;
}

bool TOrvToolBarPager::FirstPaintStateChanged() {
    TForm* form = GetParentForm(this);
    if (!form) return false;
    TWindowState state = form->GetWindowState();
    if (state == FLastFormState) return false;
    FLastFormState = state;
    return true;
}

bool TOrvToolBarPager::PaintGlassCaption() {
    if (!FIsAeroVista || !FCaption->GetVisible()) return false;
    TPagerPaintState state = PaintState();
    TGlassCaptionPaint p;
    TWinControl* target = FCaptionLayer ? static_cast<TWinControl*>(FCaptionLayer) : this;
    p.Surface = FCaptionLayer ? FCaptionLayer->ClientRect() : GetCaptionRect();
    p.Caption = FCaption->GetCaption();
    int left = FCaptionLayer ? FCaptionLayer->Left() : 0;
    p.CaptionBox =
        TRect{state.CaptionTextLeft - left + 8, p.Surface.Top + 6,
              state.CaptionTextRight - left - 105 + (FHideState ? 0 : FCaption->RightIndent), p.Surface.Bottom};
    p.WhiteTint = !FHideState && GlassDrawing() && ScenicRibbonMode && FTabBackgroundShaded;
    for (TPagerGroup g : state.Groups) {
        if (!g.Group.Valid()) continue;
        g.Group.Rect.Left -= left;
        g.Group.Rect.Right -= left;
        p.Groups.push_back(g);
    }
    p.GlassLook = GlassLook();
    p.Scenic = ScenicRibbonMode;
    // The groups stay clear of the frame's caption buttons and go while the tabs scroll.
    p.ScrollerActive = state.ScrollerActive;
    p.GroupRightLimit = FWidth - (FIsWin7 ? 110 : 102) - left;
    if (!target->HandleAllocated()) return false;
    TWindowDC dc(target->Handle());
    return DrawGlassCaption(target, dc.Get(), p);
}

}  // namespace orv
