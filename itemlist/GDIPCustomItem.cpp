#include "itemlist/GDIPCustomItem.h"

#include <windows.h>

#include <cmath>

#include "framework/ActionLinking.h"
#include "framework/Application.h"
#include "framework/HintWindow.h"
#include "framework/LayoutReader.h"
#include "framework/Resources.h"
#include "framework/WinControl.h"
#include "hints/ShortCutHintWindow.h"
#include "paint/GDIPFill.h"
#include "paint/GDIPPictureContainer.h"
#include "paint/OrvColors.h"

namespace orv {

namespace {

constexpr uint32_t PackVersion(uint32_t major, uint32_t minor, uint32_t release, uint32_t build) {
    return (major << 24) | (minor << 16) | (release << 8) | build;
}

constexpr uint32_t kCustomItemVersion = PackVersion(1, 0, 0, 0);

}  // namespace

// --- free routines ---------------------------------------------------------------------

void GetObjectLocation(float& x, float& y, const TGPRectF& r, TItemLocation location, float w, float h) {
    float dx = r.Width - w;
    float dy = r.Height - h;
    switch (location) {
        case tlTopLeft:
            x = 0;
            y = 0;
            break;
        case tlTopCenter:
            x = dx / 2;
            y = 0;
            break;
        case tlTopRight:
            x = dx;
            y = 0;
            break;
        case tlCenterLeft:
            x = 0;
            y = dy / 2;
            break;
        case tlCenterCenter:
            x = dx / 2;
            y = dy / 2;
            break;
        case tlCenterRight:
            x = dx;
            y = dy / 2;
            break;
        case tlBottomLeft:
            x = 0;
            y = dy;
            break;
        case tlBottomCenter:
            x = dx / 2;
            y = dy;
            break;
        case tlBottomRight:
            x = dx;
            y = dy;
            break;
        case tlCustom:
            break;
    }
}

bool PtInGPRect(const TGPRectF& r, TPoint p) {
    return p.X >= r.X && p.X <= r.X + r.Width && p.Y >= r.Y && p.Y <= r.Y + r.Height;
}

void LoadPictureFromResource(const std::wstring& name, TOrvGDIPPicture& picture) {
    picture.LoadFromResourceName(MainInstance(), name);
}

TPoint ShortCutHintPlacement(TItemShortCutHintPos pos, int sx, int sy, int W, int H, int w, int h) {
    // Integer division truncates toward zero, as the table asks.
    switch (pos) {
        case ishpLeft:
            return {sx + 6, sy + (H - h) / 2};
        case ishpAuto:
        case ishpTop:
            return {sx + (W - w) / 2, sy - h / 2};
        case ishpRight:
            return {sx + W - w / 2, sy + (H - h) / 2};
        case ishpBottom:
            return {sx + (W - w) / 2, sy + H - h / 2};
        case ishpCenter:
            return {sx + (W - w) / 2, sy + (H - h) / 2};
        case ishpTopLeft:
            return {sx + 6, sy - h / 2};
        case ishpTopRight:
            return {sx + W - w + 1, sy - h / 2};
        case ishpAboveTop:
            return {sx + (W - w) / 2, sy - h};
        case ishpAboveTopLeft:
            return {sx + 6, sy - h};
        case ishpAboveTopRight:
            return {sx + W - w + 1, sy - h};
        case ishpBottomLeft:
            return {sx + 6, sy + H - h / 2};
        case ishpBottomRight:
            return {sx + W - w + 1, sy + H - h / 2};
        case ishpBelowBottom:
        case ishpBelowBottomCenter:
            return {sx + (W - w) / 2, sy + H};
        case ishpBelowBottomLeft:
            return {sx + 6, sy + H};
        case ishpBelowBottomRight:
            return {sx + W - w + 1, sy + H};
    }
    return {sx, sy};
}

std::wstring ItemVersionString(uint32_t packed) {
    return std::to_wstring(packed >> 24) + L"." + std::to_wstring((packed >> 16) & 0xFF) + L"." +
           std::to_wstring((packed >> 8) & 0xFF) + L"." + std::to_wstring(packed & 0xFF);
}

bool OfferItemToContainer(TComponent* container, TComponent* component) {
    auto* base = dynamic_cast<IGDIPBase*>(container);
    auto* item = dynamic_cast<TCustomItem*>(component);
    if (!base || !item) return false;
    base->ReadItem(TLayoutReader::Current(), item);
    return true;
}

// --- TItemStatus -------------------------------------------------------------------------

TItemStatus::TItemStatus(TCustomItem* item) : FItem(item), FAppearance(std::make_unique<TGDIPStatus>()) {
    TGDIPFill* fill = FAppearance->GetFill();
    fill->SetColor(0x0000FF);
    fill->SetGradientType(gtSolid);
    fill->SetBorderColor(0x808080);
    FAppearance->GetFont()->SetColor(clWhite);
    FAppearance->OnChange = TNotifyEvent::Bind(this, &TItemStatus::AppearanceChanged);
}

TItemStatus::~TItemStatus() = default;

TPersistent* TItemStatus::GetOwner() const {
    return FItem;
}

void TItemStatus::Changed() {
    OnChange(this);
}

void TItemStatus::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TItemStatus*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    FAppearance->Assign(s->FAppearance.get());
    FOffsetTop = s->FOffsetTop;
    FOffsetLeft = s->FOffsetLeft;
    FVisible = s->FVisible;
    FCaption = s->FCaption;
    Changed();
}

void TItemStatus::SetVisible(bool value) {
    if (FVisible == value) return;
    FVisible = value;
    Changed();
}

void TItemStatus::SetCaption(const std::wstring& value) {
    if (FCaption == value) return;
    FCaption = value;
    Changed();
}

void TItemStatus::SetOffsetLeft(int value) {
    if (FOffsetLeft == value) return;
    FOffsetLeft = value;
    Changed();
}

void TItemStatus::SetOffsetTop(int value) {
    if (FOffsetTop == value) return;
    FOffsetTop = value;
    Changed();
}

void TItemStatus::SetAppearance(const TGDIPStatus& value) {
    FAppearance->Assign(&value);
}

void TItemStatus::SetPosition(TItemStatusPosition value) {
    if (FPosition == value) return;
    FPosition = value;
    Changed();
}

void TItemStatus::SetHint(const std::wstring& value) {
    if (FHint == value) return;
    FHint = value;
    Changed();
}

bool TItemStatus::HasContent() const {
    return !FCaption.empty() || !FAppearance->GetFill()->GetPicture()->Empty();
}

// --- TItemActionLink -----------------------------------------------------------------------

TItemActionLink::TItemActionLink(TCustomItem* client) : TActionLink(client), FItem(client) {}

bool TItemActionLink::IsCaptionLinked() {
    return FItem->IsCaptionLinked(Custom());
}
bool TItemActionLink::IsCheckedLinked() {
    return FItem->IsCheckedLinked(Custom());
}
bool TItemActionLink::IsEnabledLinked() {
    return FItem->IsEnabledLinked(Custom());
}
bool TItemActionLink::IsHelpContextLinked() {
    return FItem->IsHelpContextLinked(Custom());
}
bool TItemActionLink::IsHintLinked() {
    return FItem->IsHintLinked(Custom());
}
bool TItemActionLink::IsGroupIndexLinked() {
    return FItem->IsGroupIndexLinked(Custom());
}
bool TItemActionLink::IsImageIndexLinked() {
    return FItem->IsImageIndexLinked(Custom());
}
bool TItemActionLink::IsShortCutLinked() {
    return FItem->IsShortCutLinked(Custom());
}
bool TItemActionLink::IsVisibleLinked() {
    return FItem->IsVisibleLinked(Custom());
}
void TItemActionLink::SetCaption(const std::wstring& value) {
    if (IsCaptionLinked()) FItem->SetActionCaption(value);
}
void TItemActionLink::SetChecked(bool value) {
    if (IsCheckedLinked()) FItem->SetActionChecked(value);
}
void TItemActionLink::SetEnabled(bool value) {
    if (IsEnabledLinked()) FItem->SetActionEnabled(value);
}
void TItemActionLink::SetHelpContext(int value) {
    if (IsHelpContextLinked()) FItem->SetActionHelpContext(value);
}
void TItemActionLink::SetHint(const std::wstring& value) {
    if (IsHintLinked()) FItem->SetActionHint(value);
}
void TItemActionLink::SetGroupIndex(int value) {
    if (IsGroupIndexLinked()) FItem->SetActionGroupIndex(value);
}
void TItemActionLink::SetImageIndex(int value) {
    if (IsImageIndexLinked()) FItem->SetActionImageIndex(value);
}
void TItemActionLink::SetShortCut(int value) {
    if (IsShortCutLinked()) FItem->SetActionShortCut(value);
}
void TItemActionLink::SetVisible(bool value) {
    if (IsVisibleLinked()) FItem->SetActionVisible(value);
}

// --- TPictureContainerList ------------------------------------------------------------------

TPictureContainerListItem& TPictureContainerList::Add(const std::wstring& name, const TOrvGDIPPicture* picture) {
    auto item = std::make_unique<TPictureContainerListItem>();
    item->FName = name;
    if (picture) item->FPicture.Assign(picture);
    FItems.push_back(std::move(item));
    return *FItems.back();
}

// --- TCustomItem ---------------------------------------------------------------------------

TCustomItem::TCustomItem(TComponent* owner)
    : TComponent(owner), FItemOwner(owner), FStatus(std::make_unique<TItemStatus>(this)) {
    FStatus->OnChange = TNotifyEvent::Bind(this, &TCustomItem::StatusChanged);
    FControlMargin.OnChange = TNotifyEvent::Bind(this, &TCustomItem::MarginsChanged);
}

void TCustomItem::AfterConstruction() {
    TComponent::AfterConstruction();
    // Only an item placed interactively in a designer gets a caption and a sample badge.
    if (IsDesigning() && !IsLoading()) {
        UseCaption(CustomClassName());
        FStatus->SetCaption(L"0");
        FStatus->SetHint(L"Status Hint");
        InitDesignTime();
    }
}

void TCustomItem::BeforeDestruction() {
    Destroying();
    if (TBasicAction* action = GetAction()) RemoveFreeNotification(action);
    FActionLink.reset();
    if (FControl) RemoveFreeNotification(FControl);
    // The list drops the item here; the item is still whole.
    OnInternalDestroy(this, this);
    TComponent::BeforeDestruction();
}

void TCustomItem::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FControl && !IsDestroying()) FControl = nullptr;
    if (component == FShortCutHintWindow) FShortCutHintWindow = nullptr;
    if (FActionLink && (!FActionLink->GetAction() || component == FActionLink->GetAction())) FActionLink.reset();
}

void TCustomItem::SetParentComponent(TComponent* parent) {
    if (!parent) return;
    FItemOwner = parent;
    if (!IsLoading())
        if (auto* base = dynamic_cast<IGDIPBase*>(parent)) base->AttachItem(parent, this);
}

// --- setters -------------------------------------------------------------------------------

void TCustomItem::SetX(int32_t value) {
    if (FX == value) return;
    FX = value;
    Changed();
}

void TCustomItem::SetY(int32_t value) {
    if (FY == value) return;
    FY = value;
    Changed();
}

void TCustomItem::SetWidth(int32_t value) {
    if (FWidth == value) return;
    FWidth = value;
    Changed();
}

void TCustomItem::SetHeight(int32_t value) {
    if (FHeight == value) return;
    FHeight = value;
    Changed();
}

void TCustomItem::SetVisible(bool value) {
    if (FVisible == value) return;
    FVisible = value;
    if (FControl) FControl->SetVisible(value);
    Changed();
}

void TCustomItem::SetEnabled(bool value) {
    if (FEnabled == value) return;
    FEnabled = value;
    Changed();
}

void TCustomItem::SetItemObject(TObject* value) {
    if (FItemObject == value) return;
    FItemObject = value;
    Changed();
}

void TCustomItem::SetLevel(int32_t value) {
    if (FLevel == value) return;
    FLevel = value;
    Changed();
}

void TCustomItem::SetIndex(int32_t value) {
    if (FIndex == value) return;
    int32_t old = FIndex;
    FIndex = value;
    DoInternalIndexChange(old, value);
    Changed();
}

void TCustomItem::SetHint(const std::wstring& value) {
    if (FHint == value) return;
    FHint = value;
    Changed();
}

void TCustomItem::SetControl(TWinControl* value) {
    if (FControl == value) return;
    TWinControl* old = FControl;
    if (old) RemoveFreeNotification(old);
    FControl = value;
    if (!value) {
        if (old) old->SetVisible(true);
        return;
    }
    FreeNotification(value);
    if (auto* host = dynamic_cast<TWinControl*>(FItemOwner))
        value->SetParent(host);
    else if (dynamic_cast<TCustomItem*>(FItemOwner))
        value->SetVisible(false);
    Changed();
}

void TCustomItem::SetControlLocation(TItemLocation value) {
    if (FControlLocation == value) return;
    FControlLocation = value;
    Changed();
}

void TCustomItem::SetControlStretched(bool value) {
    if (FControlStretched == value) return;
    FControlStretched = value;
    Changed();
}

void TCustomItem::SetReadOnly(bool value) {
    if (FReadOnly == value) return;
    FReadOnly = value;
    Changed();
}

void TCustomItem::SetSelectable(bool value) {
    if (FSelectable == value) return;
    FSelectable = value;
    FState = isNormal;
    Changed();
}

void TCustomItem::SetTabStop(bool value) {
    if (FTabStop == value) return;
    FTabStop = value;
    Changed();
}

void TCustomItem::SetShortCutHint(const std::wstring& value) {
    if (FShortCutHint == value) return;
    FShortCutHint = value;
    Changed();
}

void TCustomItem::SetShortCutHintPos(TItemShortCutHintPos value) {
    if (FShortCutHintPos == value) return;
    FShortCutHintPos = value;
    Changed();
}

// --- state ---------------------------------------------------------------------------------

void TCustomItem::SetState(TItemState value) {
    if (FState == value) return;
    bool allow = true;
    if (value == isSelected && FSelectable) {
        DoItemSelect(allow);
        DoInternalItemSelect(allow);
    } else if (FState == isSelected && FSelectable) {
        DoItemDeSelect(allow);
        DoInternalItemDeSelect(allow);
    }
    if (allow && (value != isSelected || FSelectable)) FState = value;
    DoRefresh();
    DoInternalRefresh();
}

void TCustomItem::SetStatusState(TStatusState value) {
    if (FStatusState == value) return;
    FStatusState = value;
    DoRefresh();
    DoInternalRefresh();
}

void TCustomItem::ClearItemState() {
    if (FState != isSelected) SetState(isNormal);
    SetStatusState(ssNormal);
}

void TCustomItem::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount == 0) Changed();
}

void TCustomItem::Changed() {
    if (FUpdateCount > 0) return;
    DoChange();
}

// --- Do steps --------------------------------------------------------------------------------

void TCustomItem::DoInternalIndexChange(int oldIndex, int newIndex) {
    OnInternalIndexChange(this, this, oldIndex, newIndex);
}
void TCustomItem::DoRefresh() {
    OnRefresh(this);
}
void TCustomItem::DoInternalRefresh() {
    OnInternalRefresh(this);
}
void TCustomItem::DoChange() {
    OnChange(this);
}
void TCustomItem::DoItemHint(std::wstring& hint) {
    OnItemHint(this, this, hint);
}
void TCustomItem::DoItemStatusHint(std::wstring& hint) {
    OnItemStatusHint(this, this, hint);
}
void TCustomItem::DoItemSelect(bool& allow) {
    OnItemSelect(this, this, allow);
}
void TCustomItem::DoItemDeSelect(bool& allow) {
    OnItemDeSelect(this, this, allow);
}
void TCustomItem::DoItemClick() {
    OnItemClick(this, this);
    FItemFocused = true;
    OnInternalFocus(this, this);
}
void TCustomItem::DoItemDblClick() {
    OnItemDblClick(this, this);
}
void TCustomItem::DoItemStartDraw(TGPGraphics& g, const TGPRectF& r) {
    OnItemStartDraw(this, g, this, r);
}
void TCustomItem::DoItemEndDraw(TGPGraphics& g, const TGPRectF& r) {
    OnItemEndDraw(this, g, this, r);
}
void TCustomItem::DoInternalChange() {
    OnInternalChange(this);
}
void TCustomItem::DoInternalItemSelect(bool& allow) {
    OnInternalItemSelect(this, this, allow);
}
void TCustomItem::DoInternalItemDeSelect(bool& allow) {
    OnInternalItemDeSelect(this, this, allow);
}
void TCustomItem::DoInternalItemClick() {
    OnInternalItemClick(this, this);
}
void TCustomItem::DoInternalItemDblClick() {
    OnInternalItemDblClick(this, this);
}
void TCustomItem::DoInternalItemStartDraw(TGPGraphics& g, const TGPRectF& r) {
    OnInternalItemStartDraw(this, g, this, r);
}
void TCustomItem::DoInternalItemEndDraw(TGPGraphics& g, const TGPRectF& r) {
    OnInternalItemEndDraw(this, g, this, r);
}
void TCustomItem::DoInternalItemHint(std::wstring& hint) {
    OnInternalItemHint(this, this, hint);
}
void TCustomItem::DoInternalItemStatusHint(std::wstring& hint) {
    OnInternalItemStatusHint(this, this, hint);
}
void TCustomItem::DoGlobalCheckChanged(bool checked) {
    OnGlobalCheckChanged(this, this, checked);
}
uint32_t TCustomItem::GetVersionNr() const {
    return kCustomItemVersion;
}

// --- actions -----------------------------------------------------------------------------------

bool TCustomItem::IsHintLinked(TCustomAction* action) {
    return action && FHint == action->GetHint();
}

bool TCustomItem::IsVisibleLinked(TCustomAction* action) {
    return action && FVisible == action->GetVisible();
}

void TCustomItem::SetActionValue(TBasicAction* value) {
    RelinkAction(*this, FActionLink, value, [this] { return std::make_unique<TItemActionLink>(this); },
                 [this](TObject* sender, bool checkDefaults) { ActionChange(sender, checkDefaults); });
}

void TCustomItem::ActionChange(TObject* sender, bool checkDefaults) {
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action) return;
    if (!checkDefaults || FHint.empty()) SetHint(action->GetHint());
    if (!checkDefaults || !FVisible) SetVisible(action->GetVisible());
}

void TCustomItem::DoAction() {
    if (FActionLink) FActionLink->Execute(this);
}

// --- class level, copying ------------------------------------------------------------------

TCustomItem* TCustomItem::CreateNewItem(TComponent* owner) const {
    return Make<TCustomItem>(owner);
}

void TCustomItem::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TCustomItem*>(source);
    if (!s) {
        TComponent::Assign(source);
        return;
    }
    BeginUpdate();
    SetX(s->FX);
    SetY(s->FY);
    SetWidth(s->FWidth);
    SetHeight(s->FHeight);
    SetVisible(s->FVisible);
    SetEnabled(s->FEnabled);
    SetItemObject(s->FItemObject);
    SetTag(s->GetTag());
    SetLevel(s->FLevel);
    FStatus->Assign(s->FStatus.get());
    FControlMargin.Assign(&s->FControlMargin);
    SetControlStretched(s->FControlStretched);
    SetControlLocation(s->FControlLocation);
    SetSelectable(s->FSelectable);
    SetReadOnly(s->FReadOnly);
    SetHint(s->FHint);
    EndUpdate();
}

void TCustomItem::AssignEvents(const TCustomItem* item) {
    if (!item) return;
    OnChange = item->OnChange;
    OnRefresh = item->OnRefresh;
    OnItemHint = item->OnItemHint;
    OnItemStatusHint = item->OnItemStatusHint;
    OnItemSelect = item->OnItemSelect;
    OnItemClick = item->OnItemClick;
    OnItemDblClick = item->OnItemDblClick;
    OnItemStartDraw = item->OnItemStartDraw;
    OnItemEndDraw = item->OnItemEndDraw;
    OnItemDeSelect = item->OnItemDeSelect;
}

TWinControl* TCustomItem::GetCustomControlOwner(TComponent* owner) {
    TComponent* c = owner;
    while (c) {
        if (auto* w = dynamic_cast<TWinControl*>(c)) return w;
        if (auto* item = dynamic_cast<TCustomItem*>(c))
            c = item->ItemOwner();
        else
            c = c->Owner();
    }
    return nullptr;
}

void TCustomItem::FillPictureNames(const std::function<void(const std::wstring&)>& proc) {
    if (auto* support = dynamic_cast<IPictureContainerSupport*>(FItemOwner)) support->FillPictureNames(proc);
}

std::unique_ptr<TPictureContainerList> TCustomItem::GetPictures() {
    auto* support = dynamic_cast<IPictureContainerSupport*>(FItemOwner);
    if (!support) return nullptr;
    auto list = std::make_unique<TPictureContainerList>();
    support->GetPictures(*list);
    return list;
}

void TCustomItem::InitDesignTime() {}

// --- key tips ------------------------------------------------------------------------------------

void TCustomItem::ShowShortCutHint() {
    TWinControl* host = GetCustomControlOwner(FItemOwner);
    if (!host) return;
    if (!FShortCutHintWindow) {
        // Owned by the item, freed with it; a pop-up, so it is placed in screen coordinates.
        FShortCutHintWindow = Make<TShortCutHintWindow>(this);
        FShortCutHintWindow->SetVisible(false);
        FShortCutHintWindow->SetColor(clWhite);
        FShortCutHintWindow->SetColorTo(clWhite);
    }
    TRect need = FShortCutHintWindow->CalcHintRect(FShortCutHint);
    TPoint screen = host->ClientToScreen({FX, FY});
    TItemShortCutHintPos pos = FShortCutHintPos;
    OnGetShortCutHintPos(this, pos);
    TPoint at = ShortCutHintPlacement(pos, screen.X, screen.Y, FWidth, FHeight, need.Width(), need.Height());
    FShortCutHintWindow->ActivateHint(TRect{at.X, at.Y, at.X + need.Width(), at.Y + need.Height()}, FShortCutHint);
}

void TCustomItem::HideShortCutHint() {
    if (FShortCutHintWindow) FShortCutHintWindow->HideHint();
}

// --- hit tests, mouse and keyboard ---------------------------------------------------------------

bool TCustomItem::IsItemAtXY(int pX, int pY) const {
    return pX >= FX && pX < FX + FWidth && pY >= FY && pY < FY + FHeight;
}

bool TCustomItem::IsStatusAtXY(int pX, int pY) const {
    if (!FStatus->GetVisible() || !FStatus->HasContent()) return false;
    return PtInGPRect(FStatus->Rect(), {pX, pY});
}

TItemInteractionType TCustomItem::GetItemInteraction(int pX, int pY) const {
    if (IsStatusAtXY(pX, pY)) return itStatus;
    if (IsItemAtXY(pX, pY)) return itDefault;
    return itNone;
}

void TCustomItem::DoCMMouseLeave(TMessage& /*message*/) {
    ClearItemState();
}

void TCustomItem::DoCMHintShow(TMessage& message, const TItemInteraction& interaction) {
    THintInfo* info = HintInfoOf(message);
    if (!info || interaction.InteractionItem != this) return;
    std::wstring hint;
    if (interaction.InteractionType == itDefault) {
        hint = FHint;
        DoInternalItemHint(hint);
        DoItemHint(hint);
    } else if (interaction.InteractionType == itStatus) {
        hint = FStatus->GetHint();
        DoInternalItemStatusHint(hint);
        DoItemStatusHint(hint);
    } else {
        return;
    }
    info->HintStr = hint;
    info->ReshowTimeout = 0;
}

void TCustomItem::DoMouseDown(TObject* /*sender*/, TMouseButton /*button*/, TShiftState /*shift*/, int /*pX*/,
                              int /*pY*/, const TItemInteraction& interaction, const TItemAppearance& /*appearance*/) {
    if (interaction.InteractionItem == this && interaction.InteractionType == itDefault && FState != isSelected)
        SetState(isDown);
}

void TCustomItem::DoDblClick(TObject* /*sender*/, const TItemInteraction& interaction,
                             const TItemAppearance& /*appearance*/) {
    if (interaction.InteractionItem != this) return;
    DoInternalItemDblClick();
    DoItemDblClick();
}

void TCustomItem::DoMouseUp(TObject* /*sender*/, TMouseButton /*button*/, TShiftState /*shift*/, int /*pX*/, int /*pY*/,
                            const TItemInteraction& interaction, const TItemAppearance& /*appearance*/) {
    TCustomItem* hit = interaction.InteractionItem;
    if (hit == this) {
        if (interaction.InteractionType == itDefault) {
            if (FState == isDown)
                SetState(isSelected);
            else if (FState == isSelected)
                SetState(isNormal);
        }
        DoInternalItemClick();
        DoItemClick();
    } else if (hit && interaction.InteractionType == itDefault && hit->GetSelectable()) {
        // Single selection: another selectable item was clicked.
        if (FState == isSelected) SetState(isNormal);
    }
}

void TCustomItem::DoMouseMove(TObject* /*sender*/, TShiftState /*shift*/, int /*pX*/, int /*pY*/,
                              const TItemInteraction& interaction, const TItemAppearance& /*appearance*/) {
    if (interaction.InteractionItem != this) {
        ClearItemState();
        return;
    }
    if (interaction.InteractionType == itDefault) {
        if (FState != isHovered && Application) Application->CancelHint();
        ClearItemState();
        if (FState != isSelected) SetState(isHovered);
    } else if (interaction.InteractionType == itStatus) {
        if (FStatusState != ssHovered && Application) Application->CancelHint();
        ClearItemState();
        SetStatusState(ssHovered);
    }
}

void TCustomItem::DoKeyDown(TObject* /*sender*/, uint16_t& key, TShiftState /*shift*/) {
    if (key == VK_SPACE) SetState(isDown);
}

void TCustomItem::DoKeyUp(TObject* /*sender*/, uint16_t& key, TShiftState /*shift*/) {
    if (key != VK_SPACE) return;
    SetState(isNormal);
    OnItemClick(this, this);
}

// --- painting ----------------------------------------------------------------------------------

TGDIPFill* TCustomItem::StateFill(const TItemAppearance& appearance) const {
    if (!FEnabled) return appearance.Disabled;
    switch (FState) {
        case isNormal:
            return appearance.Normal;
        case isDown:
            return appearance.Down;
        case isHovered:
            return appearance.Hover;
        case isSelected:
            return appearance.Selected;
    }
    return appearance.Normal;
}

TFont* TCustomItem::StateFont(const TItemAppearance& appearance) const {
    if (!FEnabled) return appearance.DisabledFont;
    switch (FState) {
        case isNormal:
            return appearance.NormalFont;
        case isDown:
            return appearance.DownFont;
        case isHovered:
            return appearance.HoverFont;
        case isSelected:
            return appearance.SelectedFont;
    }
    return appearance.NormalFont;
}

void TCustomItem::Draw(TGPGraphics& g, const TItemAppearance& appearance) {
    DrawInRect(g, appearance,
               MakeRect(static_cast<float>(FX), static_cast<float>(FY), static_cast<float>(FWidth),
                        static_cast<float>(FHeight)));
}

void TCustomItem::DrawInRect(TGPGraphics& g, const TItemAppearance& appearance, const TGPRectF& r) {
    if (!FVisible) return;
    DoItemStartDraw(g, r);
    DoInternalItemStartDraw(g, r);
    if (TGDIPFill* fill = StateFill(appearance)) fill->Fill(&g, r, 255, 255, 255, 255, 255);
    DrawStatus(g, r, appearance);
    if (appearance.Focus && appearance.FocusedItem == FIndex) DrawFocus(g, r, appearance);
    DoItemEndDraw(g, r);
    DoInternalItemEndDraw(g, r);
}

void TCustomItem::DrawStatus(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& /*appearance*/) {
    if (!FStatus->GetVisible() || !FStatus->HasContent()) return;
    TGDIPStatus& badge = FStatus->Appearance();
    badge.CalculateSize(&g, FStatus->GetCaption());
    int w = badge.GetWidth();
    int h = badge.GetHeight();
    int x = static_cast<int>(std::lround(r.X + r.Width)) + FStatus->GetOffsetLeft() - w;
    int y = static_cast<int>(std::lround(r.Y)) + FStatus->GetOffsetTop();
    badge.Draw(&g, x, y, w, h, true, FStatus->GetCaption());
    FStatus->SetRect(
        MakeRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h)));
}

void TCustomItem::DrawFocus(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& appearance) {
    if (!FItemFocused) return;
    TGDIPFill* fill = StateFill(appearance);
    if (!fill) return;
    float b = static_cast<float>(fill->GetBorderWidth());
    TGPRectF outline = MakeRect(r.X + 1 + b, r.Y + 1 + b, r.Width - 2 - 2 * b, r.Height - 2 - 2 * b);
    TGPGraphicsPath path = RoundedRectPath(outline, fill->GetRounding() - b, fill->GetRoundingType());
    TGPPen pen(MakeAlphaColor(255, fill->GetFocusColor()), 1);
    pen.SetDashStyle(DashStyleDot);
    TSmoothingMode saved = g.GetSmoothingMode();
    g.SetSmoothingMode(SmoothingModeDefault);
    g.DrawPath(pen, path);
    g.SetSmoothingMode(saved);
}

}  // namespace orv
