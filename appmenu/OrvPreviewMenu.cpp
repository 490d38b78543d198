#include "appmenu/OrvPreviewMenu.h"

#include "appmenu/OrvPreviewMenuPanel.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "paint/OrvEnvironment.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvStyleIF.h"

namespace orv {

bool (*PreviewMenuHasVistaLocale)() = IsVistaOrLater;

TOrvPreviewMenu::TOrvPreviewMenu(TComponent* owner)
    : TComponent(owner),
      FOwner(owner),
      FButtons(std::make_unique<TButtonCollection>(this)),
      FMenuItems(std::make_unique<TOrvPreviewMenuItems>(this)),
      FSubMenuItems(std::make_unique<TOrvPreviewSubMenuItems>(this, this)) {
    FInternalStyler = new TOrvCustomPreviewMenuStyler(this);
    FInternalStyler->SetName(L"InternalStyler");
    FInternalStyler->SetSubComponent(true);
    FCurrentStyler = FInternalStyler;
}

void TOrvPreviewMenu::BeforeDestruction() {
    // The window belongs to the menu's owner; it must not outlive the model it shows.
    if (FPreviewMenuWindow) {
        TPreviewMenuWindow* w = FPreviewMenuWindow;
        FPreviewMenuWindow = nullptr;
        FOrvPreviewMenuPanel = nullptr;
        RemoveFreeNotification(w);
        w->Free();
    }
    TComponent::BeforeDestruction();
}

TPreviewFrameMetrics TOrvPreviewMenu::FrameMetrics() const {
    return {ScenicRibbonMode ? 1 : FOffSetX, ScenicRibbonMode ? 26 : FTopFrameHeight, FButtonHeight + 8};
}

void TOrvPreviewMenu::LinkImages(TImageList*& field, TImageList* value) {
    if (field == value) return;
    field = value;
    if (value) FreeNotification(value);
}

void TOrvPreviewMenu::SetStyler(TOrvCustomPreviewMenuStyler* value) {
    if (value && value == FStyler) return;
    FStyler = value;
    if (value) {
        FreeNotification(value);
        FCurrentStyler = value;
    } else {
        FCurrentStyler = FInternalStyler;
    }
    if (FOrvPreviewMenuPanel) FOrvPreviewMenuPanel->LookChanged();
}

void TOrvPreviewMenu::WatchAction(TBasicAction* action) {
    if (action) FreeNotification(action);
}

void TOrvPreviewMenu::WatchMenuButtonOwner(TComponent* owner) {
    FMenuButtonOwner = owner;
    if (owner) FreeNotification(owner);
}

void TOrvPreviewMenu::ForgetAction(TBasicAction* action) {
    auto clear = [action](TPreviewItemBase* item) {
        if (item->GetAction() == action) item->SetAction(nullptr);
    };
    for (int i = 0; i < FMenuItems->Count(); ++i) {
        auto* item = FMenuItems->Items(i);
        clear(item);
        for (int j = 0; j < item->SubItems().Count(); ++j) clear(item->SubItems().Items(j));
    }
    for (int i = 0; i < FSubMenuItems->Count(); ++i) clear(FSubMenuItems->Items(i));
    for (int i = 0; i < FButtons->Count(); ++i) clear(FButtons->Items(i));
}

void TOrvPreviewMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    for (TImageList** list : {&FMenuImages, &FMenuDisabledImages, &FSubMenuImages, &FSubMenuDisabledImages,
                              &FButtonImages, &FButtonDisabledImages})
        if (*list == component) *list = nullptr;
    if (component == FStyler) {
        FStyler = nullptr;
        FCurrentStyler = FInternalStyler;
    }
    if (component == FPreviewMenuWindow) {
        FPreviewMenuWindow = nullptr;
        FOrvPreviewMenuPanel = nullptr;
        FMenuShowing = false;
    }
    if (component == FMenuButtonOwner) {
        // The button that lent its picture and took over the events is going.
        FMenuButtonOwner = nullptr;
        FMenuPicture = nullptr;
        OnDrawButtonFrameTop.Reset();
        OnPreviewHide.Reset();
    }
    if (auto* action = dynamic_cast<TBasicAction*>(component)) ForgetAction(action);
    auto clearMenus = [component](TOrvPreviewSubMenuItems& list) {
        for (int j = 0; j < list.Count(); ++j)
            if (list.Items(j)->GetSubMenu() == component) list.Items(j)->SetSubMenu(nullptr);
    };
    if (dynamic_cast<TPopupMenu*>(component)) {
        clearMenus(*FSubMenuItems);
        for (int i = 0; i < FMenuItems->Count(); ++i) clearMenus(FMenuItems->Items(i)->SubItems());
    }
}

void TOrvPreviewMenu::ApplyActionDefaults() {
    auto apply = [](TPreviewItemBase* item) {
        if (TBasicAction* a = item->GetAction()) item->ActionChange(a, true);
    };
    for (int i = 0; i < FMenuItems->Count(); ++i) apply(FMenuItems->Items(i));
    for (int i = 0; i < FSubMenuItems->Count(); ++i) apply(FSubMenuItems->Items(i));
}

void TOrvPreviewMenu::Loaded() {
    TComponent::Loaded();
    ApplyActionDefaults();
}

void TOrvPreviewMenu::EnsureWindow() {
    if (FPreviewMenuWindow) return;
    auto* window = new TPreviewMenuWindow(FOwner);
    FPreviewMenuWindow = window;
    FreeNotification(window);
    window->OnHide = [this](TObject*) {
        // The invisible flash of ShowMenu is no hide of the menu.
        if (FFlashing) return;
        FMenuShowing = false;
        OnPreviewHide(this);
    };
    auto* panel = new TOrvPreviewMenuPanel(window);
    panel->SetParent(window);
    panel->SetMenu(this);
    window->SetPreviewMenuPanel(panel);
    FOrvPreviewMenuPanel = panel;
}

TSize TOrvPreviewMenu::MenuSize() {
    EnsureWindow();
    FOrvPreviewMenuPanel->InitializeAndUpdate();
    return {FPreviewMenuWindow->Width(), FPreviewMenuWindow->Height()};
}

void TOrvPreviewMenu::ShowMenu(int x, int y) {
    MenuSize();
    if (!FPreviewMenuWindow) return;
    ApplyActionDefaults();
    FMenuItems->InitiateActions();
    TPreviewMenuWindow* w = FPreviewMenuWindow;
    int width = w->Width(), height = w->Height();
    w->SetBounds(x, y, width, height);
    if (!PreviewMenuHasVistaLocale()) {
        // Older systems paint the first frame of a layered-looking pop-up at its old
        // place: flash it once invisibly.
        FFlashing = true;
        w->SetHideOnDeActivate(false);
        w->SetBounds(x, y, 0, 0);
        w->Show();
        w->SetBounds(x, y, 1, 1);
        w->Hide();
        w->SetBounds(x, y, width, height);
        w->SetHideOnDeActivate(true);
        FFlashing = false;
    }
    w->Show();
    SetForegroundWindow(w->Handle());
    if (!PreviewMenuHasVistaLocale()) {
        w->SetBounds(x, y, width, height);
        w->ApplyRegion();
    }
    if (FOrvPreviewMenuPanel && FOrvPreviewMenuPanel->CanFocus()) FOrvPreviewMenuPanel->SetFocus();
    FMenuShowing = true;
}

void TOrvPreviewMenu::HideMenu() {
    FMenuShowing = false;
    if (FPreviewMenuWindow && FPreviewMenuWindow->GetVisible()) FPreviewMenuWindow->Hide();
}

bool TOrvPreviewMenu::MenuVisible() const {
    return FPreviewMenuWindow && FPreviewMenuWindow->GetVisible();
}

void TOrvPreviewMenu::ShowShortCutHints() {
    if (FOrvPreviewMenuPanel && MenuVisible()) FOrvPreviewMenuPanel->ShowAllItemKeyTips();
}

void TOrvPreviewMenu::HideShortCutHints() {
    if (FOrvPreviewMenuPanel && MenuVisible()) FOrvPreviewMenuPanel->HideAllKeyTips();
}

void TOrvPreviewMenu::ChangeStyle(bool aWin7, int aStyle) {
    if (auto* s = dynamic_cast<IWinStyle*>(FStyler)) s->ChangeStyle(aWin7, aStyle);
}

void TOrvPreviewMenu::SetMenuButtonAppearance(TColor borderColor, TColor innerBorderColor, TColor color, TColor colorTo,
                                              TColor colorMirror, TColor colorMirrorTo, TColor shapeColor,
                                              bool defaultShape, TGDIPPicture* picture, const std::wstring& text,
                                              const TFont* font) {
    FMenuButtonBorderColor = borderColor;
    FMenuButtonInnerBorderColor = innerBorderColor;
    FMenuButtonColor = color;
    FMenuButtonColorTo = colorTo;
    FMenuButtonColorMirror = colorMirror;
    FMenuButtonColorMirrorTo = colorMirrorTo;
    FMenuShapeColor = shapeColor;
    FMenuDefaultShape = defaultShape;
    FMenuPicture = picture;
    FMenuText = text;
    if (font) FMenuFont.Assign(font);
    if (FOrvPreviewMenuPanel) FOrvPreviewMenuPanel->LookChanged();
}

void TOrvPreviewMenu::ItemChanged(int index) {
    if (FOrvPreviewMenuPanel) FOrvPreviewMenuPanel->LookChanged();
    if (FOrvPreviewMenuPanel && (MenuVisible() || FEditorCreated)) FOrvPreviewMenuPanel->InvalidateItem(index);
}

}  // namespace orv
