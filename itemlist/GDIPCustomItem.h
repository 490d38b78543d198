#pragma once
// TCustomItem: the base of every list item. An item is a component without a window: a
// list keeps it, a scrolling container owns it and paints it with GDI+ onto its own
// surface. Coordinates (X, Y, Width, Height) are in the container's surface. The item
// holds its interaction state and flags, an optional status badge, an optional hosted
// window control, an action link and a key-tip window; the owning list hooks its
// internal events and hands it a TItemAppearance for every paint and mouse operation.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/ActnList.h"
#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/Margins.h"
#include "framework/Messages.h"
#include "framework/Types.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvGDIP.h"

namespace orv {

class TCustomItem;
class TFont;
class TGDIPFill;
class TGDIPStatus;
class TGDIPPictureContainer;
class TImageList;
class TLayoutReader;
class TShortCutHintWindow;
class TWinControl;
struct THintInfo;

enum TItemState : uint8_t { isNormal, isDown, isHovered, isSelected };
// A set of TItemState: bit n for ordinal n.
using TItemStates = uint8_t;
constexpr TItemStates kAllItemStates = 0x0F;
enum TStatusState : uint8_t { ssNormal, ssDown, ssHovered };
enum TItemInteractionType : uint8_t { itNone, itDefault, itExpander, itButton, itStatus, itGraphic };
enum TItemLocation : uint8_t {
    tlTopLeft,
    tlTopCenter,
    tlTopRight,
    tlCenterLeft,
    tlCenterCenter,
    tlCenterRight,
    tlBottomLeft,
    tlBottomCenter,
    tlBottomRight,
    tlCustom
};
enum TItemStatusPosition : uint8_t { spItemRectangle, spItemText };
enum TItemShortCutHintPos : uint8_t {
    ishpLeft,
    ishpTop,
    ishpRight,
    ishpBottom,
    ishpCenter,
    ishpAuto,
    ishpTopLeft,
    ishpTopRight,
    ishpAboveTop,
    ishpAboveTopLeft,
    ishpAboveTopRight,
    ishpBottomLeft,
    ishpBottomRight,
    ishpBelowBottom,
    ishpBelowBottomLeft,
    ishpBelowBottomRight,
    ishpBelowBottomCenter
};

using TItemEvent = TEvent<TObject*, TCustomItem*>;
using TItemSelectEvent = TEvent<TObject*, TCustomItem*, bool&>;
using TItemHintEvent = TEvent<TObject*, TCustomItem*, std::wstring&>;
using TItemDrawEvent = TEvent<TObject*, TGPGraphics&, TCustomItem*, TGPRectF>;
using TItemIndexEvent = TEvent<TObject*, TCustomItem*, int, int>;
using TItemCheckEvent = TEvent<TObject*, TCustomItem*, bool>;
using TOnItemGetShortCutHintPos = TEvent<TObject*, TItemShortCutHintPos&>;

// What the list found under the pointer; computed once and handed to every item.
struct TItemInteraction {
    TCustomItem* InteractionItem = nullptr;
    TItemInteractionType InteractionType = itNone;
};

// A snapshot of the list appearance for one paint or mouse operation. Refers only to
// objects the list appearance owns; any pointer may be null.
struct TItemAppearance {
    TGDIPFill* Disabled = nullptr;
    TGDIPFill* Normal = nullptr;
    TGDIPFill* Down = nullptr;
    TGDIPFill* Hover = nullptr;
    TGDIPFill* Selected = nullptr;
    TGDIPFill* ButtonDisabled = nullptr;
    TGDIPFill* ButtonNormal = nullptr;
    TGDIPFill* ButtonDown = nullptr;
    TGDIPFill* ButtonHover = nullptr;
    TGDIPFill* ButtonSelected = nullptr;
    TFont* DisabledFont = nullptr;
    TFont* NormalFont = nullptr;
    TFont* DownFont = nullptr;
    TFont* HoverFont = nullptr;
    TFont* SelectedFont = nullptr;
    bool Focus = false;
    int32_t FocusedItem = -1;
    TGDIPPictureContainer* PictureContainer = nullptr;
    TImageList* ImageList = nullptr;
};

// The status badge of an item: a small pill with a caption, hung at the item's or its
// caption's top-right corner. Owned by its item; every change calls the item's Changed.
class TItemStatus : public TPersistent {
public:
    ORV_CLASS_NAME(TItemStatus)
    explicit TItemStatus(TCustomItem* item);
    ~TItemStatus() override;
    TItemStatus(const TItemStatus&) = delete;
    TItemStatus& operator=(const TItemStatus&) = delete;

    // Copies Appearance, OffsetTop, OffsetLeft, Visible and Caption (not Hint, Position).
    void Assign(const TPersistent* source) override;

    bool GetVisible() const { return FVisible; }
    void SetVisible(bool value);
    const std::wstring& GetCaption() const { return FCaption; }
    void SetCaption(const std::wstring& value);
    int GetOffsetLeft() const { return FOffsetLeft; }
    void SetOffsetLeft(int value);
    int GetOffsetTop() const { return FOffsetTop; }
    void SetOffsetTop(int value);
    TGDIPStatus& Appearance() { return *FAppearance; }
    const TGDIPStatus& Appearance() const { return *FAppearance; }
    void SetAppearance(const TGDIPStatus& value);
    TItemStatusPosition GetPosition() const { return FPosition; }
    void SetPosition(TItemStatusPosition value);
    const std::wstring& GetHint() const { return FHint; }
    void SetHint(const std::wstring& value);

    // True when the badge has something to show: a caption or a fill picture.
    bool HasContent() const;
    // The badge rectangle of the last paint, for hit tests.
    const TGPRectF& Rect() const { return FRect; }
    void SetRect(const TGPRectF& value) { FRect = value; }
    TCustomItem* Item() const { return FItem; }

    TNotifyEvent OnChange;

protected:
    TPersistent* GetOwner() const override;

private:
    void Changed();
    void AppearanceChanged(TObject*) { Changed(); }

    TCustomItem* FItem;
    std::unique_ptr<TGDIPStatus> FAppearance;
    bool FVisible = false;
    std::wstring FCaption;
    int FOffsetLeft = 14;
    int FOffsetTop = -6;
    TItemStatusPosition FPosition = spItemText;
    std::wstring FHint;
    TGPRectF FRect;
};

// Link of an item to its action: hint and visibility (image-text items also the image
// index) follow the action while they still agree with it.
class TItemActionLink : public TActionLink {
public:
    explicit TItemActionLink(TCustomItem* client);
    bool IsCaptionLinked() override;
    bool IsCheckedLinked() override;
    bool IsEnabledLinked() override;
    bool IsHelpContextLinked() override;
    bool IsHintLinked() override;
    bool IsGroupIndexLinked() override;
    bool IsImageIndexLinked() override;
    bool IsShortCutLinked() override;
    bool IsVisibleLinked() override;
    void SetCaption(const std::wstring& value) override;
    void SetChecked(bool value) override;
    void SetEnabled(bool value) override;
    void SetHelpContext(int value) override;
    void SetHint(const std::wstring& value) override;
    void SetGroupIndex(int value) override;
    void SetImageIndex(int value) override;
    void SetShortCut(int value) override;
    void SetVisible(bool value) override;

private:
    TCustomItem* FItem;
};

// Picture names with their pictures, offered by a container to a picture editor.
class TPictureContainerListItem {
public:
    std::wstring FName;
    TOrvGDIPPicture FPicture;
};

class TPictureContainerList {
public:
    TPictureContainerListItem& Add(const std::wstring& name, const TOrvGDIPPicture* picture);
    int Count() const { return static_cast<int>(FItems.size()); }
    TPictureContainerListItem& Items(int index) { return *FItems.at(static_cast<size_t>(index)); }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TPictureContainerListItem>> FItems;
};

// What an item expects of the component it lives in (the items container). A container
// that implements this forwards TComponent::ReadItem to OfferItemToContainer.
class IGDIPBase {
public:
    // {02295790-46AF-4227-AEF8-7C22AC0CD8BA}
    static constexpr const wchar_t* kIID = L"{02295790-46AF-4227-AEF8-7C22AC0CD8BA}";
    // The item's own values were read from a stored layout: take it.
    virtual void ReadItem(TLayoutReader* reader, TCustomItem* item) = 0;
    // The item's parent component was set outside loading: take it.
    virtual void AttachItem(TComponent* parent, TCustomItem* item) = 0;

protected:
    ~IGDIPBase() = default;
};

// A container whose items can expand or collapse the items that follow them.
class IGDIPExpand {
public:
    static constexpr const wchar_t* kIID = L"{B61DA022-0C88-4D88-9117-E579D0B8FC3A}";
    virtual void Expand(TCustomItem* item, bool expand) = 0;

protected:
    ~IGDIPExpand() = default;
};

// A container told that the pointer is over an anchor of an item's text ("" when none).
class IGDIPAnchor {
public:
    static constexpr const wchar_t* kIID = L"{CBFF4B08-283E-4EC3-9E5E-FF013733C8C7}";
    virtual void Anchor(const std::wstring& anchor) = 0;

protected:
    ~IGDIPAnchor() = default;
};

class IPictureContainerSupport {
public:
    // {AF45F542-068A-46A9-90C2-BF39003D3A46}
    static constexpr const wchar_t* kIID = L"{AF45F542-068A-46A9-90C2-BF39003D3A46}";
    virtual void FillPictureNames(const std::function<void(const std::wstring&)>& proc) = 0;
    virtual void GetPictures(TPictureContainerList& list) = 0;

protected:
    ~IPictureContainerSupport() = default;
};

// Hands a just-read item to container through IGDIPBase; false when container does not
// implement it or component is no item.
bool OfferItemToContainer(TComponent* container, TComponent* component);

// Offsets (not positions) of a w x h object inside r for a location; tlCustom leaves x and
// y unchanged.
void GetObjectLocation(float& x, float& y, const TGPRectF& r, TItemLocation location, float w, float h);
// Edges included.
bool PtInGPRect(const TGPRectF& r, TPoint p);
// The program's raw-data resource of that name into the picture; nothing when missing.
void LoadPictureFromResource(const std::wstring& name, TOrvGDIPPicture& picture);
// Screen position of a key-tip window of size (w, h) for an item whose top-left is at
// screen point (sx, sy) and whose size is (itemWidth, itemHeight). ishpAuto is ishpTop.
TPoint ShortCutHintPlacement(TItemShortCutHintPos pos, int sx, int sy, int itemWidth, int itemHeight, int w, int h);
// "a.b.c.d" of a packed version number (one byte each, major first).
std::wstring ItemVersionString(uint32_t packed);

class TCustomItem : public TComponent {
public:
    ORV_CLASS_NAME(TCustomItem)
    explicit TCustomItem(TComponent* owner);

    // --- published -------------------------------------------------------------------
    int32_t GetX() const { return FX; }
    void SetX(int32_t value);
    int32_t GetY() const { return FY; }
    void SetY(int32_t value);
    int32_t GetWidth() const { return FWidth; }
    void SetWidth(int32_t value);
    int32_t GetHeight() const { return FHeight; }
    void SetHeight(int32_t value);
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool value);
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool value);
    TObject* GetItemObject() const { return FItemObject; }
    void SetItemObject(TObject* value);
    int32_t GetLevel() const { return FLevel; }
    void SetLevel(int32_t value);
    int32_t GetIndex() const { return FIndex; }
    void SetIndex(int32_t value);
    TItemStatus& Status() { return *FStatus; }
    const TItemStatus& Status() const { return *FStatus; }
    void SetStatus(const TItemStatus& value) { FStatus->Assign(&value); }
    const std::wstring& GetHint() const { return FHint; }
    void SetHint(const std::wstring& value);
    TWinControl* GetControl() const { return FControl; }
    void SetControl(TWinControl* value);
    TMargins& ControlMargin() { return FControlMargin; }
    void SetControlMargin(const TMargins& value) { FControlMargin.Assign(&value); }
    TItemLocation GetControlLocation() const { return FControlLocation; }
    void SetControlLocation(TItemLocation value);
    bool GetControlStretched() const { return FControlStretched; }
    void SetControlStretched(bool value);
    bool GetReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    bool GetSelectable() const { return FSelectable; }
    void SetSelectable(bool value);
    bool GetTabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    std::wstring GetVersion() const { return ItemVersionString(GetVersionNr()); }
    void SetVersion(const std::wstring& /*value*/) {}
    const std::wstring& GetShortCutHint() const { return FShortCutHint; }
    void SetShortCutHint(const std::wstring& value);
    TItemShortCutHintPos GetShortCutHintPos() const { return FShortCutHintPos; }
    void SetShortCutHintPos(TItemShortCutHintPos value);

    // OnChange and OnInternalChange are one slot: a list that takes the item over
    // replaces a handler assigned here.
    TNotifyEvent OnChange;
    TNotifyEvent OnRefresh;
    TItemHintEvent OnItemHint;
    TItemHintEvent OnItemStatusHint;
    TItemSelectEvent OnItemSelect;
    TItemSelectEvent OnItemDeSelect;
    TItemEvent OnItemClick;
    TItemEvent OnItemDblClick;
    TItemDrawEvent OnItemStartDraw;
    TItemDrawEvent OnItemEndDraw;

    // --- public state ------------------------------------------------------------------
    TComponent* ItemOwner() const { return FItemOwner; }
    void SetItemOwner(TComponent* value) { FItemOwner = value; }
    TItemState GetState() const { return FState; }
    void SetState(TItemState value);
    TStatusState GetStatusState() const { return FStatusState; }
    void SetStatusState(TStatusState value);
    int GetRowIndex() const { return FRowIndex; }
    void SetRowIndex(int value) { FRowIndex = value; }
    int GetColumnIndex() const { return FColumnIndex; }
    void SetColumnIndex(int value) { FColumnIndex = value; }
    bool GetItemFocused() const { return FItemFocused; }
    void SetItemFocused(bool value) { FItemFocused = value; }
    TBasicAction* GetAction() const { return FActionLink ? FActionLink->GetAction() : nullptr; }

    // Hooked by the owning list.
    TNotifyEvent& OnInternalChange = OnChange;
    TNotifyEvent OnInternalRefresh;
    TItemIndexEvent OnInternalIndexChange;
    TItemSelectEvent OnInternalItemSelect;
    TItemSelectEvent OnInternalItemDeSelect;
    TItemEvent OnInternalItemClick;
    TItemEvent OnInternalItemDblClick;
    TItemDrawEvent OnInternalItemStartDraw;
    TItemDrawEvent OnInternalItemEndDraw;
    TItemHintEvent OnInternalItemHint;
    TItemHintEvent OnInternalItemStatusHint;
    TItemEvent OnInternalFocus;
    // Fired last while the item is freed, so the list can drop it.
    TItemEvent OnInternalDestroy;
    TItemCheckEvent OnGlobalCheckChanged;
    TOnItemGetShortCutHintPos OnGetShortCutHintPos;

    // --- other public operations ---------------------------------------------------------
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    // Stores Index without events (the list renumbering its items).
    void ApplyIndex(int32_t index) { FIndex = index; }
    // From another item: X, Y, Width, Height, Visible, Enabled, ItemObject, Tag, Level,
    // Status, ControlMargin, ControlStretched, ControlLocation, Selectable, ReadOnly, Hint.
    void Assign(const TPersistent* source) override;
    // The nearest window control among owner and its owners (items continue with their
    // item owner); null when there is none.
    static TWinControl* GetCustomControlOwner(TComponent* owner);
    void FillPictureNames(const std::function<void(const std::wstring&)>& proc);
    // The pictures the item owner offers; null without IPictureContainerSupport.
    std::unique_ptr<TPictureContainerList> GetPictures();
    void ShowShortCutHint();
    void HideShortCutHint();
    TShortCutHintWindow* ShortCutHintWindow() const { return FShortCutHintWindow; }
    void DoAction();

    // Streaming: the parent component is the item owner.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return FItemOwner; }
    void SetParentComponent(TComponent* parent) override;
    void Notification(TComponent* component, TOperation operation) override;

    // --- virtual operations, in slot order --------------------------------------------------
protected:
    virtual void DrawStatus(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& appearance);
    virtual void DrawFocus(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& appearance);

public:
    virtual void Changed();

protected:
    // Sets a property's field and announces the change only when the value differs.
    template <class T>
    void StoreValue(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Changed();
    }

    virtual void DoInternalIndexChange(int oldIndex, int newIndex);
    virtual void DoRefresh();
    virtual void DoInternalRefresh();
    virtual void DoChange();
    virtual void DoItemHint(std::wstring& hint);
    virtual void DoItemStatusHint(std::wstring& hint);
    virtual void DoItemSelect(bool& allow);
    virtual void DoItemDeSelect(bool& allow);
    virtual void DoItemClick();
    virtual void DoItemDblClick();
    virtual void DoItemStartDraw(TGPGraphics& g, const TGPRectF& r);
    virtual void DoItemEndDraw(TGPGraphics& g, const TGPRectF& r);
    virtual void DoInternalChange();
    virtual void DoInternalItemSelect(bool& allow);
    virtual void DoInternalItemDeSelect(bool& allow);
    virtual void DoInternalItemClick();
    virtual void DoInternalItemDblClick();
    virtual void DoInternalItemStartDraw(TGPGraphics& g, const TGPRectF& r);
    virtual void DoInternalItemEndDraw(TGPGraphics& g, const TGPRectF& r);
    virtual void DoInternalItemHint(std::wstring& hint);
    virtual void DoInternalItemStatusHint(std::wstring& hint);
    virtual void DoGlobalCheckChanged(bool checked);
    // Packed major.minor.release.build, one byte each.
    virtual uint32_t GetVersionNr() const;

public:
    // Action-link hooks: what follows the linked action, and taking its values.
    virtual bool IsCaptionLinked(TCustomAction* /*action*/) { return false; }
    virtual bool IsCheckedLinked(TCustomAction* /*action*/) { return false; }
    virtual bool IsEnabledLinked(TCustomAction* /*action*/) { return false; }
    virtual bool IsHelpContextLinked(TCustomAction* /*action*/) { return false; }
    virtual bool IsHintLinked(TCustomAction* action);
    virtual bool IsGroupIndexLinked(TCustomAction* /*action*/) { return false; }
    virtual bool IsImageIndexLinked(TCustomAction* /*action*/) { return false; }
    virtual bool IsShortCutLinked(TCustomAction* /*action*/) { return false; }
    virtual bool IsVisibleLinked(TCustomAction* action);
    virtual void SetActionCaption(const std::wstring& /*value*/) {}
    virtual void SetActionChecked(bool /*value*/) {}
    virtual void SetActionEnabled(bool /*value*/) {}
    virtual void SetActionHelpContext(int /*value*/) {}
    virtual void SetActionHint(const std::wstring& value) { SetHint(value); }
    virtual void SetActionGroupIndex(int /*value*/) {}
    virtual void SetActionImageIndex(int /*value*/) {}
    virtual void SetActionShortCut(int /*value*/) {}
    virtual void SetActionVisible(bool value) { SetVisible(value); }

    // Class level.
    virtual TCustomItem* CreateNewItem(TComponent* owner) const;
    virtual const wchar_t* GetClassType() const { return ClassName(); }
    virtual std::wstring CustomClassName() const { return L"Custom Item"; }
    virtual bool Display() const { return false; }

    // Painting and identity.
    void Draw(TGPGraphics& g, const TItemAppearance& appearance);
    virtual void DrawInRect(TGPGraphics& g, const TItemAppearance& appearance, const TGPRectF& r);
    virtual bool IsSection() const { return false; }
    virtual void UseCaption(const std::wstring& /*caption*/) {}

    // List calls.
    virtual void ClearItemState();
    virtual void AssignEvents(const TCustomItem* item);
    virtual void DoCMDialogChar(TMessage& /*message*/) {}
    virtual void DoCMMouseLeave(TMessage& message);
    virtual void DoCMHintShow(TMessage& message, const TItemInteraction& interaction);
    virtual void DoMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int pX, int pY,
                             const TItemInteraction& interaction, const TItemAppearance& appearance);
    virtual void DoDblClick(TObject* sender, const TItemInteraction& interaction, const TItemAppearance& appearance);
    virtual void DoMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int pX, int pY,
                           const TItemInteraction& interaction, const TItemAppearance& appearance);
    virtual void DoMouseMove(TObject* sender, TShiftState shift, int pX, int pY, const TItemInteraction& interaction,
                             const TItemAppearance& appearance);
    virtual void DoKeyDown(TObject* sender, uint16_t& key, TShiftState shift);
    virtual void DoKeyUp(TObject* sender, uint16_t& key, TShiftState shift);
    virtual bool IsItemAtXY(int pX, int pY) const;
    virtual bool IsStatusAtXY(int pX, int pY) const;
    virtual TItemInteractionType GetItemInteraction(int pX, int pY) const;

    // Keyboard focus.
    virtual void InitDesignTime();
    virtual void CancelTab() {}
    virtual bool ProcessTab(bool /*backwards*/) { return true; }
    virtual void ResetTab() {}
    virtual bool IsFocusable() const { return true; }
    virtual bool FirstTab(bool /*backwards*/) { return false; }

    // The state fill and font of the appearance (Disabled when not enabled).
    TGDIPFill* StateFill(const TItemAppearance& appearance) const;
    TFont* StateFont(const TItemAppearance& appearance) const;

    // An item placed in a designer gets its caption and a sample badge here.
    void AfterConstruction() override;

protected:
    void BeforeDestruction() override;
    // Links the action (none frees the link); published by image-text items.
    void SetActionValue(TBasicAction* value);
    virtual void ActionChange(TObject* sender, bool checkDefaults);
    bool FControlFocused = false;

private:
    void MarginsChanged(TObject*) { Changed(); }
    void StatusChanged(TObject*) { Changed(); }

    TComponent* FItemOwner = nullptr;
    int32_t FX = 0;
    int32_t FY = 0;
    int32_t FWidth = 125;
    int32_t FHeight = 30;
    bool FVisible = true;
    bool FEnabled = true;
    TObject* FItemObject = nullptr;
    int32_t FLevel = 0;
    int32_t FIndex = 0;
    std::unique_ptr<TItemStatus> FStatus;
    std::wstring FHint;
    TWinControl* FControl = nullptr;
    TMargins FControlMargin;
    TItemLocation FControlLocation = tlCenterLeft;
    bool FControlStretched = false;
    bool FReadOnly = false;
    bool FSelectable = true;
    bool FTabStop = true;
    std::wstring FShortCutHint;
    TItemShortCutHintPos FShortCutHintPos = ishpTop;
    TItemState FState = isNormal;
    TStatusState FStatusState = ssNormal;
    int FRowIndex = -1;
    int FColumnIndex = -1;
    bool FItemFocused = true;
    int FUpdateCount = 0;
    TShortCutHintWindow* FShortCutHintWindow = nullptr;
    std::unique_ptr<TItemActionLink> FActionLink;
};

}  // namespace orv
