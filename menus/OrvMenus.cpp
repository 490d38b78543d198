#include "menus/OrvMenus.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "framework/Forms.h"
#include "framework/SystemFont.h"
#include "menus/OrvMenuPainter.h"
#include "menus/OrvMenuWindow.h"

namespace orv::menus {

// --- TCustomOrvMenuStyler
// ----------------------------------------------------------------------

TCustomOrvMenuStyler::TCustomOrvMenuStyler(TComponent* owner) : TComponent(owner) {
    InitRecordFont(FFont, TSystemFont::Menu);
    InitRecordFont(FNotesFont, TSystemFont::Menu);
    FNotesFont.SetSize(FNotesFont.GetSize() - 2);
    FNotesFont.SetColor(0x808080);
    TNotifyEvent changed = TNotifyEvent::Bind(this, &TCustomOrvMenuStyler::RecordChanged);
    FBackground.OnChange = changed;
    FIconBar.OnChange = changed;
    FSelectedItem.OnChange = changed;
    FRootItem.OnChange = changed;
    FGlyphs.OnChange = changed;
    FSideBar.OnChange = changed;
    FSeparator.OnChange = changed;
    FButtonAppearance.OnChange = changed;
    FFont.OnChange = changed;
    FNotesFont.OnChange = changed;
}

void TCustomOrvMenuStyler::BeforeDestruction() {
    FMenus.clear();
    SetMenu(nullptr);
    TComponent::BeforeDestruction();
}

void TCustomOrvMenuStyler::RecordChanged(TObject*) {
    Changed();
}

void TCustomOrvMenuStyler::Changed() {
    FBackgroundStale = true;
    // Every visible menu bar styled by this styler shows the new look at once; popups
    // pick it up when they open.
    for (TMenu* menu : FMenus)
        if (auto* main = dynamic_cast<TMainMenu*>(menu); main && main->GetForm() && main->GetForm()->HandleAllocated())
            DrawMenuBar(main->GetForm()->Handle());
}

void TCustomOrvMenuStyler::SetUseSystemFont(bool value) {
    if (FUseSystemFont == value) return;
    FUseSystemFont = value;
    Changed();
}

void TCustomOrvMenuStyler::SetMenuBorderColor(TColor value) {
    if (FMenuBorderColor == value) return;
    FMenuBorderColor = value;
    Changed();
}

void TCustomOrvMenuStyler::SetAntiAlias(TAntiAlias value) {
    if (FAntiAlias == value) return;
    FAntiAlias = value;
    Changed();
}

void TCustomOrvMenuStyler::SetMenu(TMenu* menu) {
    if (menu && std::find(FMenus.begin(), FMenus.end(), menu) == FMenus.end()) FMenus.push_back(menu);
    if (FMenu == menu) return;
    // No free notification of its own: the menu already watches this styler, and
    // that (mutual) link also tells this styler when the menu goes. A menu that
    // lets go of the styler calls ReleaseMenu itself.
    FMenu = menu;
    for (TGradientBar* record :
         std::initializer_list<TGradientBar*>{&FBackground, &FIconBar, &FSelectedItem, &FRootItem, &FSeparator})
        record->SetMenu(menu);
}

void TCustomOrvMenuStyler::ReleaseMenu(TMenu* menu) {
    FMenus.erase(std::remove(FMenus.begin(), FMenus.end(), menu), FMenus.end());
    if (FMenu == menu) SetMenu(nullptr);
}

void TCustomOrvMenuStyler::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove)
        if (auto* menu = dynamic_cast<TMenu*>(component)) ReleaseMenu(menu);
}

TBitmap* TCustomOrvMenuStyler::BackgroundBitmap(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    if (FBackgroundBitmap && !FBackgroundStale && FBackgroundBitmap->Width() == width &&
        FBackgroundBitmap->Height() == height)
        return FBackgroundBitmap.get();
    if (!FBackgroundBitmap) FBackgroundBitmap = std::make_unique<TBitmap>();
    FBackgroundBitmap->SetSize(width, height);
    TCanvas& canvas = FBackgroundBitmap->Canvas();
    TRect area{0, 0, width, height};
    area = area.Inflate(-FBackground.GetMarginX(), -FBackground.GetMarginY());
    TBitmap& picture = FBackground.Image();
    TBackgroundPosition position = FBackground.GetPosition();
    bool covers = (position == bpTiled || position == bpStretched) && !picture.GetTransparent();
    if (!covers)
        DrawSpanGradient(canvas, FBackground.GetColor(), FBackground.GetColorTo(), FBackground.GetGradientDirection(),
                         {0, 0, width, height});
    if (!picture.Empty()) {
        if (position == bpTiled) {
            for (int y = 0; y < height; y += picture.Height())
                for (int x = 0; x < width; x += picture.Width()) canvas.Draw(x, y, picture);
        } else if (position == bpStretched) {
            canvas.StretchDraw(area, picture);
        } else {
            TPoint p = BackgroundPicturePosition(position, area, FBackground.GetOffsetX(), FBackground.GetOffsetY(),
                                                 picture.Width(), picture.Height());
            canvas.Draw(p.X, p.Y, picture);
        }
    }
    FBackgroundStale = false;
    return FBackgroundBitmap.get();
}

namespace {

// The area the menu's items share when no menu window holds them: a bitmap's extent,
// or the item itself.
TRect MenuAreaOf(HDC dc, const TRect& itemRect) {
    BITMAP info{};
    if (auto bitmap = GetCurrentObject(dc, OBJ_BITMAP);
        bitmap && GetObjectW(bitmap, sizeof(info), &info) && info.bmWidth > 1)
        return {0, 0, itemRect.Right, std::abs(info.bmHeight)};
    return itemRect;
}

}  // namespace

// --- TOrvMenuCore
// ------------------------------------------------------------------------------

TOrvMenuCore::TOrvMenuCore(TMenu& menu) : FMenu(menu) {}

void TOrvMenuCore::CreateInternalStyler() {
    if (!FInternalStyler) {
        FInternalStyler = new TCustomOrvMenuStyler(&FMenu);
        FInternalStyler->SetName(L"InternalMenuStyler");
        FInternalStyler->SetSubComponent(true);
    }
    FCurrentStyler = FInternalStyler;
    FCurrentStyler->SetMenu(&FMenu);
}

void TOrvMenuCore::SetMenuStyler(TCustomOrvMenuStyler* value) {
    if (FExternalStyler == value) return;
    if (FExternalStyler) {
        FExternalStyler->ReleaseMenu(&FMenu);
        FMenu.RemoveFreeNotification(FExternalStyler);
    }
    FExternalStyler = value;
    if (value) {
        if (FInternalStyler && !FInternalStyler->IsLoading()) {
            TCustomOrvMenuStyler* internal = FInternalStyler;
            FInternalStyler = nullptr;
            internal->Free();
        }
        FMenu.FreeNotification(value);
        FCurrentStyler = value;
        FCurrentStyler->SetMenu(&FMenu);
    } else {
        CreateInternalStyler();
    }
}

void TOrvMenuCore::SetDisabledImages(TImageList* value) {
    if (FDisabledImages == value) return;
    if (FDisabledImages) FMenu.RemoveFreeNotification(FDisabledImages);
    FDisabledImages = value;
    if (value) FMenu.FreeNotification(value);
}

void TOrvMenuCore::BeginUpdate() {
    ++FUpdateCount;
    FUpdating = true;
}

void TOrvMenuCore::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) {
        HookItems();
        FUpdating = false;
    }
}

void TOrvMenuCore::HookItem(TMenuItem* item) {
    // Items read with the menu are still loading when the menu's Loaded hooks them.
    if (!item || FMenu.IsLoading()) return;
    auto draw = TAdvancedMenuDrawItemEvent::Bind(this, &TOrvMenuCore::DrawItemHandler);
    if (!(item->OnAdvancedDrawItem == draw)) {
        if (!item->OnMeasureItem)
            item->OnMeasureItem = TMenuMeasureItemEvent::Bind(this, &TOrvMenuCore::MeasureItemHandler);
        if (!item->OnDrawItem && !item->OnAdvancedDrawItem) item->OnAdvancedDrawItem = draw;
    }
    for (int i = 0; i < item->Count(); ++i) HookItem(item->Items(i));
}

void TOrvMenuCore::HookItems() {
    TMenuItem* root = FMenu.Items();
    for (int i = 0; root && i < root->Count(); ++i) HookItem(root->Items(i));
}

TMenuDrawContext TOrvMenuCore::DrawContext() const {
    TMenuDrawContext context;
    context.Menu = &FMenu;
    context.Styler = FCurrentStyler;
    context.ShowNotes = FShowNotes;
    context.IntlKeybShortCuts = FIntlKeybShortCuts;
    context.DisabledImages = FDisabledImages;
    return context;
}

namespace {
// The context of the item's top menu when it is a styled one, else of the
// hooking menu.
TMenuDrawContext ContextFor(TMenuItem& item, const TOrvMenuCore& fallback) {
    if (auto* core = dynamic_cast<TOrvMenuCore*>(item.GetParentMenu())) return core->DrawContext();
    return fallback.DrawContext();
}
}  // namespace

void TOrvMenuCore::MeasureItemHandler(TObject* sender, TCanvas* canvas, int& width, int& height) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item || !canvas) return;
    MeasureStyledItem(*item, *canvas, ContextFor(*item, *this), width, height);
}

void TOrvMenuCore::DrawItemHandler(TObject* sender, TCanvas* canvas, TRect rect, TOwnerDrawState state) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item || !canvas) return;
    TMenuDrawContext context = ContextFor(*item, *this);
    if (!context.Styler) return;
    HDC dc = canvas->Handle();
    bool bar = IsBarItem(*item);
    HWND window = bar ? nullptr : WindowFromDC(dc);
    // In a menu window the items' own rectangles say where the menu's area is (the
    // system may draw a border inside the window).
    TRect menuRect = window ? MenuAreaFromItems(window, *item, rect) : TRect{};
    if (!bar) rect.Right -= kMenuWindowCut;
    if (menuRect.IsEmpty()) menuRect = MenuAreaOf(dc, rect);
    DrawStyledItem(*item, *canvas, rect, state, context, menuRect);
    if (window) AfterMenuItemDrawn(window, *context.Styler, *item);
}

void TOrvMenuCore::CoreNotification(TComponent* component, TOperation operation) {
    if (operation != TOperation::opRemove) return;
    if (component == FExternalStyler) {
        FExternalStyler = nullptr;
        if (!FMenu.IsDestroying())
            CreateInternalStyler();
        else
            FCurrentStyler = FInternalStyler;
    } else if (component == FInternalStyler) {
        FInternalStyler = nullptr;
        if (FCurrentStyler == component) FCurrentStyler = FExternalStyler;
    }
    if (component == FDisabledImages) FDisabledImages = nullptr;
}

void TOrvMenuCore::CoreLoaded() {
    HookItems();
    if (FInternalStyler && FCurrentStyler != FInternalStyler) {
        TCustomOrvMenuStyler* internal = FInternalStyler;
        FInternalStyler = nullptr;
        internal->Free();
    }
}

void TOrvMenuCore::CoreDestroying() {
    if (FCurrentStyler) FCurrentStyler->ReleaseMenu(&FMenu);
    if (FExternalStyler) FMenu.RemoveFreeNotification(FExternalStyler);
    FExternalStyler = nullptr;
    FCurrentStyler = FInternalStyler;
}

// --- TOrvMainMenu
// ------------------------------------------------------------------------------

TOrvMainMenu::TOrvMainMenu(TComponent* owner) : TMainMenu(owner), TOrvMenuCore(static_cast<TMenu&>(*this)) {
    TMainMenu::SetOwnerDraw(true);
    CreateInternalStyler();
}

TOrvMainMenu::~TOrvMainMenu() = default;

void TOrvMainMenu::SetOwnerDraw(bool) {
    TMainMenu::SetOwnerDraw(true);
}

void TOrvMainMenu::MenuChanged(TObject* sender, TMenuItem* source, bool rebuild) {
    if (source && FUpdating) HookItem(source);
    TMainMenu::MenuChanged(sender, source, rebuild);
}

void TOrvMainMenu::Refresh() {
    HookItems();
    if (GetForm() && GetForm()->HandleAllocated()) {
        Items()->RebuildHandle();
        AttachToWindow();
    }
}

void TOrvMainMenu::Loaded() {
    TMainMenu::SetOwnerDraw(true);
    TMainMenu::Loaded();
    CoreLoaded();
    // The first bar item hidden and shown again rebuilds the bar owner-drawn.
    if (Items()->Count() > 0) {
        TMenuItem* first = Items()->Items(0);
        bool visible = first->GetVisible();
        first->SetVisible(!visible);
        first->SetVisible(visible);
    }
}

void TOrvMainMenu::Notification(TComponent* component, TOperation operation) {
    TMainMenu::Notification(component, operation);
    CoreNotification(component, operation);
}

bool TOrvMainMenu::FormMessage(TMessage& message) {
    // Items added without a handler (outside an update) are hooked before they
    // measure.
    if (message.Msg == WM_INITMENUPOPUP || message.Msg == WM_INITMENU || message.Msg == WM_MEASUREITEM) HookItems();
    // The drop-downs opened while the bar tracks are placed before they paint.
    if (message.Msg == WM_ENTERMENULOOP && !FWindowWatch) FWindowWatch = std::make_unique<TMenuWindowWatch>(*this);
    if (message.Msg == WM_EXITMENULOOP) FWindowWatch.reset();
    return TMainMenu::FormMessage(message);
}

void TOrvMainMenu::BeforeDestruction() {
    FWindowWatch.reset();
    CoreDestroying();
    TMainMenu::BeforeDestruction();
}

// --- TOrvPopupMenu
// -----------------------------------------------------------------------------

TOrvPopupMenu::TOrvPopupMenu(TComponent* owner) : TPopupMenu(owner), TOrvMenuCore(static_cast<TMenu&>(*this)) {
    TPopupMenu::SetOwnerDraw(true);
    CreateInternalStyler();
}

void TOrvPopupMenu::SetOwnerDraw(bool) {
    TPopupMenu::SetOwnerDraw(true);
}

void TOrvPopupMenu::MenuChanged(TObject* sender, TMenuItem* source, bool rebuild) {
    if (source && !FUpdating) HookItem(source);
    TPopupMenu::MenuChanged(sender, source, rebuild);
}

void TOrvPopupMenu::Loaded() {
    TPopupMenu::SetOwnerDraw(true);
    TPopupMenu::Loaded();
    CoreLoaded();
}

void TOrvPopupMenu::Notification(TComponent* component, TOperation operation) {
    TPopupMenu::Notification(component, operation);
    CoreNotification(component, operation);
}

void TOrvPopupMenu::BeforeDestruction() {
    CoreDestroying();
    TPopupMenu::BeforeDestruction();
}

int StyledPopupX(int x, int itemWidth, TPopupAlignment alignment, int desktopWidth) {
    if (alignment == TPopupAlignment::paRight && x - itemWidth - 34 >= 0)
        x += kMenuWindowCut;
    else if (alignment == TPopupAlignment::paLeft && itemWidth + x + 51 >= desktopWidth)
        x += kMenuWindowCut;
    else if (alignment == TPopupAlignment::paCenter)
        x += 8;
    return std::min(x, desktopWidth - 1);
}

void TOrvPopupMenu::Popup(int x, int y) {
    HookItems();
    if (Items()->Count() > 0) {
        // The first item measured as its menu window will measure it.
        int width = 0;
        int height = 0;
        TWindowDC dc(nullptr);
        TCanvas canvas;
        canvas.SetHandle(dc.Get());
        InitRecordFont(canvas.Font(), TSystemFont::Menu);
        Items()->Items(0)->MeasureItem(canvas, width, height);
        canvas.SetHandle(nullptr);
        x = StyledPopupX(x, width, GetAlignment(), GetSystemMetrics(SM_CXSCREEN));
    }
    // The click may free this menu: the watch only forgets its address.
    TMenuWindowWatch watch(*this);
    TPopupMenu::Popup(x, y);
}

}  // namespace orv::menus
