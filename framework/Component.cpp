#include "framework/Component.h"

#include <algorithm>

#include "framework/SysUtils.h"

namespace orv {

namespace {
int gLiveComponents = 0;
}

int TComponent::LiveCount() {
    return gLiveComponents;
}

TComponent::TComponent(TComponent* owner) {
    ++gLiveComponents;
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    // Reached through Free() normally; a direct delete still unlinks the base part.
    if (!FFreed) {
        Destroying();
        RemoveFreeNotifications();
        DestroyComponents();
        if (FOwner) FOwner->RemoveComponent(this);
    }
    --gLiveComponents;
}

void TComponent::Free() {
    if (FFreed) return;
    BeforeDestruction();
    FFreed = true;
    delete this;
}

void TComponent::BeforeDestruction() {
    Destroying();
    RemoveFreeNotifications();
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Destroying() {
    if (IsDestroying()) return;
    FComponentState |= csDestroying;
    for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::DestroyComponents() {
    // Last created first; each Free removes the component from this list.
    while (!FComponents.empty()) {
        TComponent* c = FComponents.back();
        c->Free();
        if (!FComponents.empty() && FComponents.back() == c) FComponents.pop_back();
    }
}

void TComponent::SetName(const std::wstring& value) {
    if (FName == value) return;
    if (!value.empty() && FOwner) {
        TComponent* other = FOwner->FindComponent(value);
        if (other && other != this) throw EComponentError(L"A component named " + value + L" already exists");
    }
    FName = value;
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    auto& list = FOwner->FComponents;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(const std::wstring& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : FComponents)
        if (SameText(c->FName, name)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->FOwner == this) return;
    if (!component->FName.empty()) {
        TComponent* other = FindComponent(component->FName);
        if (other) throw EComponentError(L"A component named " + component->FName + L" already exists");
    }
    if (component->FOwner) component->FOwner->RemoveComponent(component);
    FComponents.push_back(component);
    component->FOwner = this;
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (!component || component->FOwner != this) return;
    // The broadcast runs while the component is still in the list, so receivers can
    // inspect it; then it leaves.
    Notification(component, TOperation::opRemove);
    auto it = std::find(FComponents.begin(), FComponents.end(), component);
    if (it != FComponents.end()) FComponents.erase(it);
    component->FOwner = nullptr;
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove && component) RemoveNotify(component);
    // Forward to every owned component; the list may shrink while we walk it.
    for (size_t i = 0; i < FComponents.size(); ++i) {
        TComponent* c = FComponents[i];
        if (c != component) c->Notification(component, operation);
    }
}

void TComponent::FreeNotification(TComponent* target) {
    if (!target || target == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), target) == FFreeNotifies.end())
        FFreeNotifies.push_back(target);
    if (std::find(target->FFreeNotifies.begin(), target->FFreeNotifies.end(), this) == target->FFreeNotifies.end())
        target->FFreeNotifies.push_back(this);
    FComponentState |= csFreeNotification;
    target->FComponentState |= csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* target) {
    if (!target) return;
    RemoveNotify(target);
    target->RemoveNotify(this);
}

void TComponent::RemoveNotify(TComponent* component) {
    auto it = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component);
    if (it != FFreeNotifies.end()) FFreeNotifies.erase(it);
}

void TComponent::RemoveFreeNotifications() {
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        other->RemoveNotify(this);
        other->Notification(this, TOperation::opRemove);
    }
}

void TComponent::SetSubComponent(bool value) {
    if (value)
        FComponentStyle |= csSubComponent;
    else
        FComponentStyle &= ~csSubComponent;
}

void TComponent::Loaded() {
    FComponentState &= ~csLoading;
}

}  // namespace orv
