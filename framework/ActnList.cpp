#include "framework/ActnList.h"

#include <algorithm>

#include "framework/ClassRegistry.h"
#include "framework/Controls.h"
#include "framework/ImageList.h"

namespace orv {

// --- TBasicAction ----------------------------------------------------------------------

TBasicAction::TBasicAction(TComponent* owner) : TComponent(owner) {}

void TBasicAction::BeforeDestruction() {
    *FAlive = false;
    // Links outlive their action: they just lose it.
    for (TBasicActionLink* link : FClients) link->FAction = nullptr;
    FClients.clear();
    TComponent::BeforeDestruction();
}

bool TBasicAction::Execute() {
    if (!OnExecute) return false;
    OnExecute(this);
    return true;
}

bool TBasicAction::ExecuteFor(TComponent* component) {
    std::shared_ptr<bool> alive = FAlive;
    FActionComponent = component;
    // Told when the component goes meanwhile. Never unregistered here: the pair may be
    // registered for other reasons (a control watching its action).
    if (component) FreeNotification(component);
    struct TClear {
        std::shared_ptr<bool>& Alive;
        TComponent*& Component;
        ~TClear() {
            if (*Alive) Component = nullptr;
        }
    } clear{alive, FActionComponent};
    return Execute();
}

void TBasicAction::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FActionComponent) FActionComponent = nullptr;
}

bool TBasicAction::Update() {
    if (!OnUpdate) return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::RegisterChanges(TBasicActionLink* link) {
    if (std::find(FClients.begin(), FClients.end(), link) == FClients.end()) FClients.push_back(link);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* link) {
    FClients.erase(std::remove(FClients.begin(), FClients.end(), link), FClients.end());
}

void TBasicAction::Change() {
    OnChange(this);
    auto clients = FClients;
    for (TBasicActionLink* link : clients) link->Change();
}

// --- TCustomAction -----------------------------------------------------------------------

TCustomAction::TCustomAction(TComponent* owner) : TBasicAction(owner) {}

void TCustomAction::BeforeDestruction() {
    SetActionList(nullptr);
    TBasicAction::BeforeDestruction();
}

template <class F>
void TCustomAction::ForEachLink(F f) {
    // A copy: a client may drop its link while it hears the change.
    auto clients = FClients;
    for (TBasicActionLink* c : clients)
        if (auto* link = dynamic_cast<TActionLink*>(c)) f(*link);
}

void TCustomAction::SetActionList(TActionList* value) {
    if (FActionList == value) return;
    if (FActionList) FActionList->RemoveAction(this);
    if (value) value->AddAction(this);
}

bool TCustomAction::Execute() {
    if (FAutoCheck && !(FChecked && FGroupIndex > 0)) SetChecked(!FChecked);
    return TBasicAction::Execute();
}

// Each setter tells the links before it stores: a link compares its client with the
// action's old value to decide whether the client still follows.
void TCustomAction::SetCaption(const std::wstring& value) {
    if (FCaption == value) return;
    ForEachLink([&](TActionLink& l) { l.SetCaption(value); });
    FCaption = value;
    Change();
}

void TCustomAction::SetChecked(bool value) {
    if (FChecked == value || FChecking) return;
    FChecking = true;
    ForEachLink([&](TActionLink& l) { l.SetChecked(value); });
    FChecked = value;
    if (value && FGroupIndex > 0 && FActionList) {
        for (TCustomAction* other : FActionList->FActions)
            if (other != this && other->FGroupIndex == FGroupIndex) other->SetChecked(false);
    }
    FChecking = false;
    Change();
}

void TCustomAction::SetEnabled(bool value) {
    if (FEnabled == value) return;
    ForEachLink([&](TActionLink& l) { l.SetEnabled(value); });
    FEnabled = value;
    Change();
}

void TCustomAction::SetGroupIndex(int value) {
    if (FGroupIndex == value) return;
    ForEachLink([&](TActionLink& l) { l.SetGroupIndex(value); });
    FGroupIndex = value;
    Change();
}

void TCustomAction::SetHelpContext(int value) {
    if (FHelpContext == value) return;
    ForEachLink([&](TActionLink& l) { l.SetHelpContext(value); });
    FHelpContext = value;
    Change();
}

void TCustomAction::SetHint(const std::wstring& value) {
    if (FHint == value) return;
    ForEachLink([&](TActionLink& l) { l.SetHint(value); });
    FHint = value;
    Change();
}

void TCustomAction::SetImageIndex(int value) {
    if (FImageIndex == value) return;
    ForEachLink([&](TActionLink& l) { l.SetImageIndex(value); });
    FImageIndex = value;
    Change();
}

void TCustomAction::SetShortCut(int value) {
    if (FShortCut == value) return;
    ForEachLink([&](TActionLink& l) { l.SetShortCut(value); });
    FShortCut = value;
    Change();
}

void TCustomAction::SetVisible(bool value) {
    if (FVisible == value) return;
    ForEachLink([&](TActionLink& l) { l.SetVisible(value); });
    FVisible = value;
    Change();
}

void TCustomAction::SetAutoCheck(bool value) {
    if (FAutoCheck == value) return;
    FAutoCheck = value;
    Change();
}

// --- TActionList ---------------------------------------------------------------------------

TActionList::TActionList(TComponent* owner) : TComponent(owner) {}

void TActionList::AddAction(TCustomAction* action) {
    FActions.push_back(action);
    action->FActionList = this;
}

void TActionList::RemoveAction(TCustomAction* action) {
    FActions.erase(std::remove(FActions.begin(), FActions.end(), action), FActions.end());
    action->FActionList = nullptr;
}

void TActionList::SetImages(TImageList* value) {
    if (FImages == value) return;
    if (FImages) RemoveFreeNotification(FImages);
    FImages = value;
    if (FImages) FreeNotification(FImages);
}

void TActionList::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FImages) FImages = nullptr;
    if (auto* a = dynamic_cast<TCustomAction*>(component); a && a->GetActionList() == this) RemoveAction(a);
}

// --- links -------------------------------------------------------------------------------------

TBasicActionLink::~TBasicActionLink() {
    if (FAction) FAction->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* value) {
    if (FAction == value) return;
    if (FAction) FAction->UnRegisterChanges(this);
    FAction = value;
    if (FAction) FAction->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* target) {
    return FAction && FAction->ExecuteFor(target);
}
bool TBasicActionLink::Update() {
    return FAction && FAction->Update();
}

TControlActionLink::TControlActionLink(TControl* client) : TActionLink(client), FControl(client) {}

bool TControlActionLink::IsCaptionLinked() {
    TCustomAction* a = Custom();
    return a && FControl->GetCaption() == a->GetCaption();
}
bool TControlActionLink::IsEnabledLinked() {
    TCustomAction* a = Custom();
    return a && FControl->GetEnabled() == a->GetEnabled();
}
bool TControlActionLink::IsHelpContextLinked() {
    TCustomAction* a = Custom();
    return a && FControl->GetHelpContext() == a->GetHelpContext();
}
bool TControlActionLink::IsHintLinked() {
    TCustomAction* a = Custom();
    return a && FControl->GetHint() == a->GetHint();
}
bool TControlActionLink::IsVisibleLinked() {
    TCustomAction* a = Custom();
    return a && FControl->GetVisible() == a->GetVisible();
}
bool TControlActionLink::IsOnExecuteLinked() {
    return FAction && FControl->OnClick == FAction->OnExecute;
}

void TControlActionLink::SetCaption(const std::wstring& value) {
    if (IsCaptionLinked()) FControl->SetCaption(value);
}
void TControlActionLink::SetEnabled(bool value) {
    if (IsEnabledLinked()) FControl->SetEnabled(value);
}
void TControlActionLink::SetHelpContext(int value) {
    if (IsHelpContextLinked()) FControl->SetHelpContext(value);
}
void TControlActionLink::SetHint(const std::wstring& value) {
    if (IsHintLinked()) FControl->SetHint(value);
}
void TControlActionLink::SetVisible(bool value) {
    if (IsVisibleLinked()) FControl->SetVisible(value);
}
void TControlActionLink::SetOnExecute(const TNotifyEvent& value) {
    if (IsOnExecuteLinked()) FControl->OnClick = value;
}

void RegisterActionClasses() {
    if (TClassRegistry::Find(L"TAction")) return;
    TClassBuilder<TBasicAction>(L"TBasicAction", L"TComponent")
        .Event(L"OnExecute", &TBasicAction::OnExecute)
        .Event(L"OnUpdate", &TBasicAction::OnUpdate);
    TClassBuilder<TCustomAction>(L"TCustomAction", L"TBasicAction")
        .Bool(L"AutoCheck", &TCustomAction::GetAutoCheck, &TCustomAction::SetAutoCheck)
        .String(L"Caption", &TCustomAction::GetCaption, &TCustomAction::SetCaption)
        .Bool(L"Checked", &TCustomAction::GetChecked, &TCustomAction::SetChecked)
        .Bool(L"Enabled", &TCustomAction::GetEnabled, &TCustomAction::SetEnabled)
        .Int(L"GroupIndex", &TCustomAction::GetGroupIndex, &TCustomAction::SetGroupIndex)
        .Int(L"HelpContext", &TCustomAction::GetHelpContext, &TCustomAction::SetHelpContext)
        .String(L"Hint", &TCustomAction::GetHint, &TCustomAction::SetHint)
        .Int(L"ImageIndex", &TCustomAction::GetImageIndex, &TCustomAction::SetImageIndex)
        .Int(L"ShortCut", &TCustomAction::GetShortCut, &TCustomAction::SetShortCut)
        .Bool(L"Visible", &TCustomAction::GetVisible, &TCustomAction::SetVisible);
    TClassBuilder<TAction>(L"TAction", L"TCustomAction").Factory();
    TClassBuilder<TActionList>(L"TActionList", L"TComponent")
        .Factory()
        .Component<TImageList>(L"Images", &TActionList::GetImages, &TActionList::SetImages);
}

}  // namespace orv
