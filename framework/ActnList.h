#pragma once
// Actions: a command's shared state (caption, checked, enabled, image...) kept once and
// pushed to every control linked to it. A control holds a TActionLink to its action; the
// action calls the link's Set* members, which change the client only while the client's
// value is "linked" (still equal to the action's). Action lists own actions and their
// images. The action does not own its clients, nor they it.
#include <memory>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Event.h"

namespace orv {

class TBasicActionLink;
class TActionList;
class TImageList;
class TControl;

class TBasicAction : public TComponent {
public:
    ORV_CLASS_NAME(TBasicAction)
    explicit TBasicAction(TComponent* owner);

    // Runs OnExecute; false when there is none.
    virtual bool Execute();
    // Execute on behalf of a component (a control's click), which is the action
    // component while the handler runs. The handler may free either of the two.
    bool ExecuteFor(TComponent* component);
    virtual bool Update();
    void RegisterChanges(TBasicActionLink* link);
    void UnRegisterChanges(TBasicActionLink* link);
    // The component the running execution is for; null outside ExecuteFor.
    TComponent* GetActionComponent() const { return FActionComponent; }
    void Notification(TComponent* component, TOperation operation) override;

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;
    TNotifyEvent OnChange;

protected:
    void BeforeDestruction() override;
    virtual void Change();
    std::vector<TBasicActionLink*> FClients;

private:
    TComponent* FActionComponent = nullptr;
    // Outlives the action in ExecuteFor's hands: false once the action is being freed.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

class TCustomAction : public TBasicAction {
public:
    ORV_CLASS_NAME(TCustomAction)
    explicit TCustomAction(TComponent* owner);

    // Toggles Checked first when AutoCheck, then runs OnExecute.
    bool Execute() override;

    TActionList* GetActionList() const { return FActionList; }
    void SetActionList(TActionList* value);

    const std::wstring& GetCaption() const { return FCaption; }
    void SetCaption(const std::wstring& value);
    bool GetChecked() const { return FChecked; }
    // Checking a grouped action unchecks the others of its group in the same list.
    void SetChecked(bool value);
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool value);
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    int GetHelpContext() const { return FHelpContext; }
    void SetHelpContext(int value);
    const std::wstring& GetHint() const { return FHint; }
    void SetHint(const std::wstring& value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int GetShortCut() const { return FShortCut; }
    void SetShortCut(int value);
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool value);
    bool GetAutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value);

protected:
    void BeforeDestruction() override;
    template <class F>
    void ForEachLink(F f);

private:
    friend class TActionList;
    TActionList* FActionList = nullptr;
    std::wstring FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    int FGroupIndex = 0;
    int FHelpContext = 0;
    std::wstring FHint;
    int FImageIndex = -1;
    int FShortCut = 0;
    bool FVisible = true;
    bool FAutoCheck = false;
    bool FChecking = false;
};

class TAction : public TCustomAction {
public:
    ORV_CLASS_NAME(TAction)
    using TCustomAction::TCustomAction;
};

class TActionList : public TComponent {
public:
    ORV_CLASS_NAME(TActionList)
    explicit TActionList(TComponent* owner);

    int ActionCount() const { return static_cast<int>(FActions.size()); }
    TCustomAction* Actions(int index) const { return FActions.at(static_cast<size_t>(index)); }
    TImageList* GetImages() const { return FImages; }
    void SetImages(TImageList* value);
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TCustomAction;
    void AddAction(TCustomAction* action);
    void RemoveAction(TCustomAction* action);
    std::vector<TCustomAction*> FActions;
    TImageList* FImages = nullptr;
};

// A client's link to its action.
class TBasicActionLink {
public:
    explicit TBasicActionLink(TObject* client) : FClient(client) {}
    virtual ~TBasicActionLink();
    TBasicActionLink(const TBasicActionLink&) = delete;
    TBasicActionLink& operator=(const TBasicActionLink&) = delete;

    TBasicAction* GetAction() const { return FAction; }
    virtual void SetAction(TBasicAction* value);
    virtual bool Execute(TComponent* target = nullptr);
    virtual bool Update();
    // Raised when the action changed as a whole.
    TNotifyEvent OnChange;

protected:
    friend class TBasicAction;
    virtual void Change() { OnChange(FAction); }
    TObject* FClient;
    TBasicAction* FAction = nullptr;
};

class TActionLink : public TBasicActionLink {
public:
    using TBasicActionLink::TBasicActionLink;
    // Base answers: linked while an action is set (the client decides the rest).
    virtual bool IsCaptionLinked() { return FAction != nullptr; }
    virtual bool IsCheckedLinked() { return FAction != nullptr; }
    virtual bool IsEnabledLinked() { return FAction != nullptr; }
    virtual bool IsGroupIndexLinked() { return FAction != nullptr; }
    virtual bool IsHelpContextLinked() { return FAction != nullptr; }
    virtual bool IsHintLinked() { return FAction != nullptr; }
    virtual bool IsImageIndexLinked() { return FAction != nullptr; }
    virtual bool IsShortCutLinked() { return FAction != nullptr; }
    virtual bool IsVisibleLinked() { return FAction != nullptr; }
    virtual bool IsOnExecuteLinked() { return FAction != nullptr; }
    virtual void SetCaption(const std::wstring&) {}
    virtual void SetChecked(bool) {}
    virtual void SetEnabled(bool) {}
    virtual void SetGroupIndex(int) {}
    virtual void SetHelpContext(int) {}
    virtual void SetHint(const std::wstring&) {}
    virtual void SetImageIndex(int) {}
    virtual void SetShortCut(int) {}
    virtual void SetVisible(bool) {}
    virtual void SetOnExecute(const TNotifyEvent&) {}

protected:
    TCustomAction* Custom() const { return dynamic_cast<TCustomAction*>(FAction); }
};

// Link of a control: caption, enabled, help context, hint, visible and the click follow
// the action while the control's value still equals the action's.
class TControlActionLink : public TActionLink {
public:
    explicit TControlActionLink(TControl* client);
    bool IsCaptionLinked() override;
    bool IsEnabledLinked() override;
    bool IsHelpContextLinked() override;
    bool IsHintLinked() override;
    bool IsVisibleLinked() override;
    bool IsOnExecuteLinked() override;
    void SetCaption(const std::wstring& value) override;
    void SetEnabled(bool value) override;
    void SetHelpContext(int value) override;
    void SetHint(const std::wstring& value) override;
    void SetVisible(bool value) override;
    void SetOnExecute(const TNotifyEvent& value) override;

protected:
    TControl* FControl;
};

void RegisterActionClasses();

}  // namespace orv
