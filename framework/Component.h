#pragma once
// TComponent: the unit of ownership. An owner frees the components it owns (last
// created first); a component that links to another asks for a free notification and
// clears the link in Notification. Components are freed with Free(), which announces
// the removal while the object still has its full dynamic type, then deletes it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Persistent.h"
#include "framework/Types.h"

namespace orv {

enum TComponentStateFlag : uint32_t {
    csLoading = 1 << 0,
    csReading = 1 << 1,
    csWriting = 1 << 2,
    csDestroying = 1 << 3,
    csDesigning = 1 << 4,  // the library never sets it; tests do to reach design-time paths
    csInline = 1 << 5,
    csFreeNotification = 1 << 6,
    csUpdating = 1 << 7,
};
using TComponentState = uint32_t;

enum TComponentStyleFlag : uint32_t {
    csSubComponent = 1 << 0,  // owned record-like component, streamed as a nested property
};
using TComponentStyle = uint32_t;

class TBasicAction;

class TComponent : public TPersistent {
public:
    ORV_CLASS_NAME(TComponent)

    explicit TComponent(TComponent* owner);
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // Two-phase destruction: BeforeDestruction (removal notices, owned components freed,
    // owner unlinked) runs on the complete object; then the object is deleted.
    void Free();
    // Runs once after construction by the creator (CreateForm, the layout reader, Make).
    virtual void AfterConstruction() {}

    TComponent* Owner() const { return FOwner; }
    const std::wstring& GetName() const { return FName; }
    virtual void SetName(const std::wstring& value);
    int32_t GetTag() const { return FTag; }
    void SetTag(int32_t value) { FTag = value; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(static_cast<size_t>(index)); }
    int ComponentIndex() const;
    // Case-insensitive lookup among the owned components; null when none has that name.
    TComponent* FindComponent(const std::wstring& name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    // Asks to be told (Notification with opRemove) when target is freed; mutual, so
    // whichever of the two goes first unregisters itself from the other.
    void FreeNotification(TComponent* target);
    void RemoveFreeNotification(TComponent* target);

    TComponentState ComponentState() const { return FComponentState; }
    bool IsLoading() const { return (FComponentState & csLoading) != 0; }
    bool IsDestroying() const { return (FComponentState & csDestroying) != 0; }
    bool IsDesigning() const { return (FComponentState & csDesigning) != 0; }
    void IncludeState(TComponentState flags) { FComponentState |= flags; }
    void ExcludeState(TComponentState flags) { FComponentState &= ~flags; }
    TComponentStyle ComponentStyle() const { return FComponentStyle; }
    void SetSubComponent(bool value);

    // Called once after a stored layout has been read; the base clears csLoading.
    virtual void Loaded();
    // Insert and remove notices: the owner's broadcast (to every owned component) and
    // the explicit free notifications.
    virtual void Notification(TComponent* component, TOperation operation);

    // Parent relation used when layouts are read and written (controls: their Parent).
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent* /*parent*/) {}
    // The children this component is parent of, in its own order (stacking order for
    // controls, menu order for menu items): the writer stores them so, and reading them
    // back in stored order restores it.
    virtual void GetChildren(std::vector<TComponent*>& /*children*/) const {}
    // Reader hook: when a layout is read, each stored component is offered to its reader
    // parent (the component it is stored beneath) after its own properties are read and
    // before its children. A container that keeps items in a list of its own takes the
    // item here; while the item is read, ReaderParent() (LayoutReader.h) names that
    // parent, so the item can choose its container too. Nothing by default.
    virtual void ReadItem(TComponent* /*item*/) {}
    // An action offered to this component (the application's hint action going round
    // the forms' controls); true when it took the action, which ends the offer.
    virtual bool ExecuteAction(TBasicAction* /*action*/) { return false; }

    // Number of live components in the process; tests use it to prove nothing leaked.
    static int LiveCount();

protected:
    ~TComponent() override;
    virtual void BeforeDestruction();
    void Destroying();
    void DestroyComponents();

    TComponentStyle FComponentStyle = 0;

private:
    void RemoveFreeNotifications();
    void RemoveNotify(TComponent* component);

    TComponent* FOwner = nullptr;
    std::wstring FName;
    int32_t FTag = 0;
    TComponentState FComponentState = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    bool FFreed = false;
};

// Creates a component and runs its after-construction step.
// Creates a component and runs its after-construction step (which reads a form's or
// frame's layout); when that fails, the component is freed and the error passed on.
template <class T, class... A>
T* Make(A&&... args) {
    T* c = new T(std::forward<A>(args)...);
    try {
        c->AfterConstruction();
    } catch (...) {
        c->Free();
        throw;
    }
    return c;
}

// Owning pointer for a component without an owner (tests, temporary objects).
struct TFreeDeleter {
    void operator()(TComponent* c) const {
        if (c) c->Free();
    }
};
template <class T>
using TOwnedPtr = std::unique_ptr<T, TFreeDeleter>;

}  // namespace orv
