#include "appmenu/PreviewMenuItems.h"

#include "appmenu/OrvPreviewMenu.h"
#include "framework/Menus.h"
#include "hints/OrvHintInfo.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvText.h"

namespace orv {

wchar_t AcceleratorOf(const std::wstring& caption) {
    THotKeyText stripped = StripHotKeyMarkers(caption);
    return stripped.AcceleratorIndex >= 0 ? stripped.Text[static_cast<size_t>(stripped.AcceleratorIndex)] : 0;
}

// --- action link ------------------------------------------------------------------------

TPreviewActionLink::TPreviewActionLink(TPreviewItemBase* client) : TActionLink(client), FItem(client) {}

bool TPreviewActionLink::IsCaptionLinked() {
    auto* a = Custom();
    return a && FItem->GetCaptionText() == a->GetCaption();
}
bool TPreviewActionLink::IsEnabledLinked() {
    auto* a = Custom();
    return a && FItem->GetEnabled() == a->GetEnabled();
}
bool TPreviewActionLink::IsImageIndexLinked() {
    auto* a = Custom();
    return a && FItem->GetImageIndex() == a->GetImageIndex();
}
bool TPreviewActionLink::IsVisibleLinked() {
    auto* a = Custom();
    return a && FItem->GetVisible() == a->GetVisible();
}
bool TPreviewActionLink::IsOnExecuteLinked() {
    return FAction && FItem->OnClick == FAction->OnExecute;
}
void TPreviewActionLink::SetCaption(const std::wstring& value) {
    if (IsCaptionLinked()) FItem->SetCaptionText(value);
}
void TPreviewActionLink::SetEnabled(bool value) {
    if (IsEnabledLinked()) FItem->SetEnabled(value);
}
void TPreviewActionLink::SetImageIndex(int value) {
    if (IsImageIndexLinked()) FItem->SetImageIndex(value);
}
void TPreviewActionLink::SetVisible(bool value) {
    if (IsVisibleLinked()) FItem->SetVisible(value);
}
void TPreviewActionLink::SetOnExecute(const TNotifyEvent& value) {
    if (IsOnExecuteLinked()) FItem->OnClick = value;
}

// --- shared item ----------------------------------------------------------------------------

TPreviewItemBase::TPreviewItemBase(TCollection* collection)
    : TCollectionItem(collection),
      FPicture(std::make_unique<TGDIPPicture>()),
      FDisabledPicture(std::make_unique<TGDIPPicture>()),
      FOfficeHint(std::make_unique<TOrvHintInfo>()) {}

TPreviewItemBase::~TPreviewItemBase() = default;

void TPreviewItemBase::SetAction(TBasicAction* value) {
    if (GetAction() == value) return;
    if (!value) {
        FActionLink.reset();
        return;
    }
    if (!FActionLink) {
        FActionLink = CreateActionLink();
        FActionLink->OnChange = [this](TObject* sender) { ActionChange(sender, false); };
    }
    FActionLink->SetAction(value);
    if (TOrvPreviewMenu* menu = Menu()) {
        menu->WatchAction(value);
        ActionChange(value, menu->IsLoading());
    } else {
        ActionChange(value, false);
    }
}

void TPreviewItemBase::ActionChange(TObject* sender, bool checkDefaults) {
    auto* a = dynamic_cast<TCustomAction*>(sender);
    if (!a) return;
    if (!checkDefaults || (FCaption.empty() && FWideCaption.empty())) SetCaptionText(a->GetCaption());
    if (!checkDefaults || FEnabled) SetEnabled(a->GetEnabled());
    if (!checkDefaults || FImageIndex == -1) SetImageIndex(a->GetImageIndex());
    if (!checkDefaults || FVisible) SetVisible(a->GetVisible());
    if (!checkDefaults || !OnClick) OnClick = a->OnExecute;
}

void TPreviewItemBase::InitiateAction() {
    if (FActionLink) FActionLink->Update();
}

void TPreviewItemBase::AssignTo(TPersistent* dest) const {
    auto* a = dynamic_cast<TCustomAction*>(dest);
    if (!a) {
        TCollectionItem::AssignTo(dest);
        return;
    }
    a->SetEnabled(FEnabled);
    a->SetImageIndex(FImageIndex);
    a->SetCaption(FCaption);
    a->SetVisible(FVisible);
    a->OnExecute = OnClick;
}

void TPreviewItemBase::Click() {
    TBasicAction* action = GetAction();
    TOrvPreviewMenu* menu = Menu();
    if (OnClick && action && OnClick != action->OnExecute) {
        OnClick(this);
    } else if (action && !(menu && menu->IsDesigning())) {
        FActionLink->Execute(menu);
    } else if (OnClick) {
        OnClick(this);
    }
}

void TPreviewItemBase::SetCaptionText(const std::wstring& value) {
    if (FCaption == value) return;
    FCaption = value;
    CaptionChanged();
}

void TPreviewItemBase::SetWideCaptionText(const std::wstring& value) {
    if (FWideCaption == value) return;
    FWideCaption = value;
    CaptionChanged();
}

void TPreviewItemBase::SetEnabled(bool value) {
    FEnabled = value;
}

bool TPreviewItemBase::IsCaptionStored() const {
    return !FActionLink || !FActionLink->IsCaptionLinked();
}
bool TPreviewItemBase::IsEnabledStored() const {
    return !FActionLink || !FActionLink->IsEnabledLinked();
}
bool TPreviewItemBase::IsImageIndexStored() const {
    return !FActionLink || !FActionLink->IsImageIndexLinked();
}
bool TPreviewItemBase::IsVisibleStored() const {
    return !FActionLink || !FActionLink->IsVisibleLinked();
}
bool TPreviewItemBase::IsOnClickStored() const {
    return !FActionLink || !FActionLink->IsOnExecuteLinked();
}

void TPreviewItemBase::AssignBase(const TPreviewItemBase& s) {
    FCaption = s.FCaption;
    FWideCaption = s.FWideCaption;
    FEnabled = s.FEnabled;
    FImageIndex = s.FImageIndex;
    FVisible = s.FVisible;
    FTag = s.FTag;
    FShortCutHint = s.FShortCutHint;
    if (!s.FPicture->Empty()) FPicture->Assign(s.FPicture.get());
    if (!s.FDisabledPicture->Empty()) FDisabledPicture->Assign(s.FDisabledPicture.get());
    FOfficeHint->Assign(s.FOfficeHint.get());
    SetAction(s.GetAction());
    OnClick = s.OnClick;
}

// --- sub-items ---------------------------------------------------------------------------------

TOrvPreviewSubMenuItem::TOrvPreviewSubMenuItem(TCollection* collection) : TPreviewItemBase(collection) {}

TOrvPreviewMenu* TOrvPreviewSubMenuItem::Menu() const {
    auto* c = dynamic_cast<TOrvPreviewSubMenuItems*>(Collection());
    return c ? c->Menu() : nullptr;
}

std::unique_ptr<TPreviewActionLink> TOrvPreviewSubMenuItem::CreateActionLink() {
    return std::make_unique<appmenu::TSubItemActionLink>(this);
}

void TOrvPreviewSubMenuItem::SetSubMenu(TPopupMenu* value) {
    if (FSubMenu == value) return;
    FSubMenu = value;
    if (value)
        if (TOrvPreviewMenu* menu = Menu()) menu->FreeNotification(value);
}

void TOrvPreviewSubMenuItem::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TOrvPreviewSubMenuItem*>(source);
    if (!s) {
        TPreviewItemBase::Assign(source);
        return;
    }
    AssignBase(*s);
    FNotes = s->FNotes;
    FWideNotes = s->FWideNotes;
    FSeparator = s->FSeparator;
    SetSubMenu(s->FSubMenu);
}

void TOrvPreviewSubMenuItems::InitiateActions() {
    for (int i = 0; i < Count(); ++i) Items(i)->InitiateAction();
}

int TOrvPreviewSubMenuItems::VisibleCount() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i) n += Items(i)->GetVisible() ? 1 : 0;
    return n;
}

// --- menu items -----------------------------------------------------------------------------------

TOrvPreviewMenuItem::TOrvPreviewMenuItem(TCollection* collection) : TPreviewItemBase(collection) {
    auto* items = dynamic_cast<TOrvPreviewMenuItems*>(collection);
    FSubItems = std::make_unique<TOrvPreviewSubMenuItems>(this, items ? items->Menu() : nullptr);
}

TOrvPreviewMenuItem::~TOrvPreviewMenuItem() = default;

TOrvPreviewMenu* TOrvPreviewMenuItem::Menu() const {
    auto* c = dynamic_cast<TOrvPreviewMenuItems*>(Collection());
    return c ? c->Menu() : nullptr;
}

std::unique_ptr<TPreviewActionLink> TOrvPreviewMenuItem::CreateActionLink() {
    return std::make_unique<appmenu::TItemActionLink>(this);
}

void TOrvPreviewMenuItem::ActionChange(TObject* sender, bool checkDefaults) {
    // The action brings itself up to date first, unless the menu is being read.
    TOrvPreviewMenu* menu = Menu();
    if (auto* a = dynamic_cast<TBasicAction*>(sender); a && !(menu && (menu->IsLoading() || menu->FEditorCreated)))
        a->Update();
    TPreviewItemBase::ActionChange(sender, checkDefaults);
}

void TOrvPreviewMenuItem::CaptionChanged() {
    if (TOrvPreviewMenu* menu = Menu()) menu->ItemChanged(GetIndex());
}

void TOrvPreviewMenuItem::SetEnabled(bool value) {
    if (FEnabled == value) return;
    FEnabled = value;
    if (TOrvPreviewMenu* menu = Menu()) menu->ItemChanged(GetIndex());
}

void TOrvPreviewMenuItem::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TOrvPreviewMenuItem*>(source);
    if (!s) {
        TPreviewItemBase::Assign(source);
        return;
    }
    AssignBase(*s);
    FCanSelect = s->FCanSelect;
    FSubItems->Assign(s->FSubItems.get());
    FSubMenuCaption = s->FSubMenuCaption;
    FWideSubMenuCaption = s->FWideSubMenuCaption;
    FSubMenuItemHeight = s->FSubMenuItemHeight;
    FSubMenuItemSpacing = s->FSubMenuItemSpacing;
    FSeparator = s->FSeparator;
    FShortCutSubItemsHint = s->FShortCutSubItemsHint;
}

TOrvPreviewMenuItems::TOrvPreviewMenuItems(TOrvPreviewMenu* menu)
    : TTypedCollection<TOrvPreviewMenuItem>(menu), FMenu(menu) {}

void TOrvPreviewMenuItems::InitiateActions() {
    for (int i = 0; i < Count(); ++i) {
        Items(i)->InitiateAction();
        Items(i)->SubItems().InitiateActions();
    }
}

int TOrvPreviewMenuItems::VisibleCount() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i) n += Items(i)->GetVisible() ? 1 : 0;
    return n;
}

// --- buttons -----------------------------------------------------------------------------------------

TButtonCollectionItem::TButtonCollectionItem(TCollection* collection) : TPreviewItemBase(collection) {}

TOrvPreviewMenu* TButtonCollectionItem::Menu() const {
    auto* c = dynamic_cast<TButtonCollection*>(Collection());
    return c ? c->Menu() : nullptr;
}

std::unique_ptr<TPreviewActionLink> TButtonCollectionItem::CreateActionLink() {
    return std::make_unique<appmenu::TButtonItemActionLink>(this);
}

void TButtonCollectionItem::Click() {
    if (OnClick) {
        OnClick(Menu(), this);
        return;
    }
    TPreviewItemBase::Click();
}

void TButtonCollectionItem::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TButtonCollectionItem*>(source);
    if (!s) {
        TPreviewItemBase::Assign(source);
        return;
    }
    AssignBase(*s);
    FFont.Assign(&s->FFont);
    FWidth = s->FWidth;
    OnClick = s->OnClick;
}

TButtonCollection::TButtonCollection(TOrvPreviewMenu* menu)
    : TTypedCollection<TButtonCollectionItem>(menu), FMenu(menu) {}

}  // namespace orv
