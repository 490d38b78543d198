#pragma once
// The entries of an application menu: items of the left column, the sub-items shown on
// the right, and the push buttons along the bottom, with their collections and their
// links to actions. Collections own their items; each item owns its pictures, hint
// record, fonts and (menu items) its sub-item collection.
#include <memory>
#include <string>
#include <vector>

#include "framework/ActnList.h"
#include "framework/Collection.h"
#include "framework/Graphics.h"

namespace orv {

class TOrvPreviewMenu;
class TGDIPPicture;
class TOrvHintInfo;
class TPopupMenu;
class TPreviewItemBase;

// The link of an item to its action: Caption (a sub-item's Title), Enabled, ImageIndex,
// Visible and OnClick follow the action while the item's value equals the action's.
class TPreviewActionLink : public TActionLink {
public:
    explicit TPreviewActionLink(TPreviewItemBase* client);
    bool IsCaptionLinked() override;
    bool IsEnabledLinked() override;
    bool IsImageIndexLinked() override;
    bool IsVisibleLinked() override;
    bool IsOnExecuteLinked() override;
    bool IsCheckedLinked() override { return false; }
    bool IsHelpContextLinked() override { return false; }
    bool IsHintLinked() override { return false; }
    bool IsGroupIndexLinked() override { return false; }
    void SetCaption(const std::wstring& value) override;
    void SetEnabled(bool value) override;
    void SetImageIndex(int value) override;
    void SetVisible(bool value) override;
    void SetOnExecute(const TNotifyEvent& value) override;

private:
    TPreviewItemBase* FItem;
};
// The menu's own links (the items of item lists have a TItemActionLink of their own:
// one program holds both, so these live apart).
namespace appmenu {
class TItemActionLink : public TPreviewActionLink {
    using TPreviewActionLink::TPreviewActionLink;
};
class TSubItemActionLink : public TPreviewActionLink {
    using TPreviewActionLink::TPreviewActionLink;
};
class TButtonItemActionLink : public TPreviewActionLink {
    using TPreviewActionLink::TPreviewActionLink;
};
}  // namespace appmenu

// What menu items, sub-items and buttons share: the action-linked values, pictures, the
// office hint and the tag.
class TPreviewItemBase : public TCollectionItem {
public:
    ORV_CLASS_NAME(TPreviewItemBase)
    explicit TPreviewItemBase(TCollection* collection);
    ~TPreviewItemBase() override;

    // The menu the item belongs to (through its collection), or null.
    virtual TOrvPreviewMenu* Menu() const = 0;

    TBasicAction* GetAction() const { return FActionLink ? FActionLink->GetAction() : nullptr; }
    void SetAction(TBasicAction* value);
    // Copies the action's values; with checkDefaults only into values still at their
    // defaults.
    virtual void ActionChange(TObject* sender, bool checkDefaults);
    void InitiateAction();
    // Copies Enabled, ImageIndex, the caption, Visible and the click into the action.
    void AssignTo(TPersistent* dest) const override;

    // The item's click: its own handler when it is not the action's, else the action,
    // else the handler. May free the menu.
    virtual void Click();

    const std::wstring& GetCaptionText() const { return FCaption; }
    void SetCaptionText(const std::wstring& value);
    const std::wstring& GetWideCaptionText() const { return FWideCaption; }
    void SetWideCaptionText(const std::wstring& value);
    bool GetEnabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }
    int32_t GetTag() const { return FTag; }
    void SetTag(int32_t value) { FTag = value; }
    const std::wstring& GetShortCutHint() const { return FShortCutHint; }
    void SetShortCutHint(const std::wstring& value) { FShortCutHint = value; }
    TGDIPPicture& Picture() { return *FPicture; }
    TGDIPPicture& DisabledPicture() { return *FDisabledPicture; }
    TOrvHintInfo& OfficeHint() { return *FOfficeHint; }

    // The storage rule: linked values are not stored.
    bool IsCaptionStored() const;
    bool IsEnabledStored() const;
    bool IsImageIndexStored() const;
    bool IsVisibleStored() const;
    bool IsOnClickStored() const;

    TNotifyEvent OnClick;

protected:
    void AssignBase(const TPreviewItemBase& source);
    virtual void CaptionChanged() {}
    virtual std::unique_ptr<TPreviewActionLink> CreateActionLink() = 0;

    std::wstring FCaption;
    std::wstring FWideCaption;
    bool FEnabled = true;
    int FImageIndex = -1;
    bool FVisible = true;
    int32_t FTag = 0;
    std::wstring FShortCutHint;
    std::unique_ptr<TGDIPPicture> FPicture;
    std::unique_ptr<TGDIPPicture> FDisabledPicture;
    std::unique_ptr<TOrvHintInfo> FOfficeHint;
    std::unique_ptr<TPreviewActionLink> FActionLink;
};

class TOrvPreviewSubMenuItem;

// Sub-items of one menu item (or of the menu itself); it knows the menu.
class TOrvPreviewSubMenuItems : public TTypedCollection<TOrvPreviewSubMenuItem> {
public:
    ORV_CLASS_NAME(TOrvPreviewSubMenuItems)
    TOrvPreviewSubMenuItems(TPersistent* owner, TOrvPreviewMenu* menu)
        : TTypedCollection<TOrvPreviewSubMenuItem>(owner), FMenu(menu) {}
    TOrvPreviewMenu* Menu() const { return FMenu; }
    void InitiateActions();
    int VisibleCount() const;

private:
    TOrvPreviewMenu* FMenu;
};

class TOrvPreviewSubMenuItem : public TPreviewItemBase {
public:
    ORV_CLASS_NAME(TOrvPreviewSubMenuItem)
    explicit TOrvPreviewSubMenuItem(TCollection* collection);
    TOrvPreviewMenu* Menu() const override;
    void Assign(const TPersistent* source) override;

    const std::wstring& GetTitle() const { return FCaption; }
    void SetTitle(const std::wstring& value) { SetCaptionText(value); }
    const std::wstring& GetWideTitle() const { return FWideCaption; }
    void SetWideTitle(const std::wstring& value) { SetWideCaptionText(value); }
    const std::vector<std::wstring>& GetNotes() const { return FNotes; }
    void SetNotes(const std::vector<std::wstring>& value) { FNotes = value; }
    const std::wstring& GetWideNotes() const { return FWideNotes; }
    void SetWideNotes(const std::wstring& value) { FWideNotes = value; }
    bool GetSeparator() const { return FSeparator; }
    void SetSeparator(bool value) { FSeparator = value; }
    TPopupMenu* GetSubMenu() const { return FSubMenu; }
    void SetSubMenu(TPopupMenu* value);

protected:
    std::unique_ptr<TPreviewActionLink> CreateActionLink() override;

private:
    std::vector<std::wstring> FNotes;
    std::wstring FWideNotes;
    bool FSeparator = false;
    TPopupMenu* FSubMenu = nullptr;
};

class TOrvPreviewMenuItem : public TPreviewItemBase {
public:
    ORV_CLASS_NAME(TOrvPreviewMenuItem)
    explicit TOrvPreviewMenuItem(TCollection* collection);
    ~TOrvPreviewMenuItem() override;
    TOrvPreviewMenu* Menu() const override;
    void Assign(const TPersistent* source) override;
    void ActionChange(TObject* sender, bool checkDefaults) override;

    const std::wstring& GetCaption() const { return FCaption; }
    void SetCaption(const std::wstring& value) { SetCaptionText(value); }
    const std::wstring& GetWideCaption() const { return FWideCaption; }
    void SetWideCaption(const std::wstring& value) { SetWideCaptionText(value); }
    void SetEnabled(bool value) override;
    bool GetCanSelect() const { return FCanSelect; }
    void SetCanSelect(bool value) { FCanSelect = value; }
    TOrvPreviewSubMenuItems& SubItems() { return *FSubItems; }
    const TOrvPreviewSubMenuItems& SubItems() const { return *FSubItems; }
    const std::wstring& GetSubMenuCaption() const { return FSubMenuCaption; }
    void SetSubMenuCaption(const std::wstring& value) { FSubMenuCaption = value; }
    const std::wstring& GetWideSubMenuCaption() const { return FWideSubMenuCaption; }
    void SetWideSubMenuCaption(const std::wstring& value) { FWideSubMenuCaption = value; }
    int GetSubMenuItemHeight() const { return FSubMenuItemHeight; }
    void SetSubMenuItemHeight(int value) {
        if (value >= 0) FSubMenuItemHeight = value;
    }
    int GetSubMenuItemSpacing() const { return FSubMenuItemSpacing; }
    void SetSubMenuItemSpacing(int value) { FSubMenuItemSpacing = value; }
    bool GetSeparator() const { return FSeparator; }
    void SetSeparator(bool value) { FSeparator = value; }
    const std::wstring& GetShortCutSubItemsHint() const { return FShortCutSubItemsHint; }
    void SetShortCutSubItemsHint(const std::wstring& value) { FShortCutSubItemsHint = value; }
    bool HasSubItems() const { return FSubItems->VisibleCount() > 0; }

    int FSubMenuItemIndex = -1;
    bool FShortCutHintShowing = false;
    bool FShortCutSubItemHintShowing = false;

protected:
    void CaptionChanged() override;
    std::unique_ptr<TPreviewActionLink> CreateActionLink() override;

private:
    bool FCanSelect = false;
    std::unique_ptr<TOrvPreviewSubMenuItems> FSubItems;
    std::wstring FSubMenuCaption;
    std::wstring FWideSubMenuCaption;
    int FSubMenuItemHeight = 0;
    int FSubMenuItemSpacing = 4;
    bool FSeparator = false;
    std::wstring FShortCutSubItemsHint;
};

class TOrvPreviewMenuItems : public TTypedCollection<TOrvPreviewMenuItem> {
public:
    ORV_CLASS_NAME(TOrvPreviewMenuItems)
    explicit TOrvPreviewMenuItems(TOrvPreviewMenu* menu);
    TOrvPreviewMenu* Menu() const { return FMenu; }
    void InitiateActions();
    int VisibleCount() const;

private:
    TOrvPreviewMenu* FMenu;
};

class TButtonCollectionItem;
using TButtonItemClickEvent = TEvent<TObject*, TButtonCollectionItem*>;

class TButtonCollectionItem : public TPreviewItemBase {
public:
    ORV_CLASS_NAME(TButtonCollectionItem)
    explicit TButtonCollectionItem(TCollection* collection);
    TOrvPreviewMenu* Menu() const override;
    void Assign(const TPersistent* source) override;
    // The button's handler with the item, else the action.
    void Click() override;

    const std::wstring& GetCaption() const { return FCaption; }
    void SetCaption(const std::wstring& value) { SetCaptionText(value); }
    TFont& Font() { return FFont; }
    int GetWidth() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }

    // Hides the base's notification: a button's handler is told which item it was.
    TButtonItemClickEvent OnClick;

protected:
    std::unique_ptr<TPreviewActionLink> CreateActionLink() override;

private:
    TFont FFont;
    int FWidth = 75;
};

class TButtonCollection : public TTypedCollection<TButtonCollectionItem> {
public:
    ORV_CLASS_NAME(TButtonCollection)
    explicit TButtonCollection(TOrvPreviewMenu* menu);
    TOrvPreviewMenu* Menu() const { return FMenu; }

private:
    TOrvPreviewMenu* FMenu;
};

// The accelerator of a caption (the character after a single '&'), 0 when none; a
// caption ending in a lone '&' has none.
wchar_t AcceleratorOf(const std::wstring& caption);

}  // namespace orv
