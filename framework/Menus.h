#pragma once
// Menus over the platform's native menus (HMENU). A TMenu owns a root TMenuItem
// whose children are the entries; items with children own a popup HMENU that is
// rebuilt from the item tree whenever the tree changes. Native menu messages
// (WM_COMMAND, WM_INITMENUPOPUP, WM_MEASUREITEM, WM_DRAWITEM, WM_MENUCHAR)
// reach the items through DispatchMenuMessage: the main menu hooks its form's
// window, popup menus track with a hidden window of this unit.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/ActnList.h"
#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/ImageList.h"
#include "framework/Messages.h"

namespace orv {

class TBitmap;
class TCanvas;
class TFont;
class TForm;
class TMenu;
class TMenuItem;

// A shortcut: virtual key in the low byte, modifier flags above it.
using TShortCut = uint16_t;
constexpr TShortCut scNone = 0;
constexpr TShortCut scWin = 0x0200;  // the Windows key
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

TShortCut ShortCut(uint16_t key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift);
// "Shift+Ctrl+F5"; the modifiers in the order Shift, Ctrl, Alt; empty for
// scNone and for keys without a name. The Windows-key flag is not part of this
// text.
std::wstring ShortCutToText(TShortCut shortCut);
// The reverse of ShortCutToText (case-insensitive); scNone when the text is no
// shortcut.
TShortCut TextToShortCut(const std::wstring& text);

// A caption with every "&" accelerator marker removed ("&&" stays one "&").
std::wstring StripHotkey(const std::wstring& caption);
// The caption of a separator item.
constexpr const wchar_t* cLineCaption = L"-";

// Owner-draw item state, as the native menu reports it.
enum TOwnerDrawStateFlag : uint16_t {
    odSelected = 1 << 0,
    odGrayed = 1 << 1,
    odDisabled = 1 << 2,
    odChecked = 1 << 3,
    odFocused = 1 << 4,
    odDefault = 1 << 5,
    odHotLight = 1 << 6,
    odInactive = 1 << 7,
    odNoAccel = 1 << 8,
    odNoFocusRect = 1 << 9,
};
using TOwnerDrawState = uint16_t;
TOwnerDrawState OwnerDrawStateFromItemState(UINT itemState);

enum class TMenuBreak { mbNone, mbBreak, mbBarBreak };
enum class TPopupAlignment { paLeft, paRight, paCenter };

using TMenuMeasureItemEvent = TEvent<TObject*, TCanvas*, int&, int&>;
using TMenuDrawItemEvent = TEvent<TObject*, TCanvas*, TRect, bool>;
using TAdvancedMenuDrawItemEvent = TEvent<TObject*, TCanvas*, TRect, TOwnerDrawState>;
using TMenuChangeEvent = TEvent<TObject*, TMenuItem*, bool>;

// Link of a menu item: caption, checked, enabled, hint, image index, shortcut, visible and
// the click follow the action while the item's value still equals the action's.
class TMenuActionLink : public TActionLink {
public:
    explicit TMenuActionLink(TMenuItem* client);
    bool IsCaptionLinked() override;
    bool IsCheckedLinked() override;
    bool IsEnabledLinked() override;
    bool IsHintLinked() override;
    bool IsImageIndexLinked() override;
    bool IsShortCutLinked() override;
    bool IsVisibleLinked() override;
    bool IsOnExecuteLinked() override;
    void SetCaption(const std::wstring& value) override;
    void SetChecked(bool value) override;
    void SetEnabled(bool value) override;
    void SetHint(const std::wstring& value) override;
    void SetImageIndex(int value) override;
    void SetShortCut(int value) override;
    void SetVisible(bool value) override;
    void SetOnExecute(const TNotifyEvent& value) override;

private:
    TMenuItem* FItem;
};

class TMenuItem : public TComponent {
public:
    ORV_CLASS_NAME(TMenuItem)
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    // --- tree
    // -----------------------------------------------------------------------------
    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int index) const;
    TMenuItem* Parent() const { return FParent; }
    int GetMenuIndex() const;
    void SetMenuIndex(int value);
    int IndexOf(const TMenuItem* item) const;
    // The child with this caption (accelerators ignored), or null.
    TMenuItem* Find(const std::wstring& caption) const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the item out without freeing it.
    void Remove(TMenuItem* item);
    // Takes the item at index out and frees it.
    void Delete(int index);
    // Frees every child.
    void Clear();
    // The menu this item belongs to (through its root), or null.
    TMenu* GetParentMenu() const;
    // True for a separator ("-").
    bool IsLine() const { return FCaption == cLineCaption; }

    // --- properties
    // ---------------------------------------------------------------------------
    const std::wstring& GetCaption() const { return FCaption; }
    void SetCaption(const std::wstring& value);
    bool GetChecked() const { return FChecked; }
    // Checking a radio item unchecks the other radio items of its group index.
    void SetChecked(bool value);
    bool GetRadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value);
    bool GetAutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; }
    bool GetDefault() const { return FDefault; }
    void SetDefault(bool value);
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool value);
    TShortCut GetShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // The item's own picture (made on first use; empty means none).
    TBitmap& Bitmap();
    bool HasBitmap() const;
    void SetBitmap(const TBitmap& value);
    const std::wstring& GetHint() const { return FHint; }
    void SetHint(const std::wstring& value) { FHint = value; }
    uint8_t GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(uint8_t value);
    TMenuBreak GetBreak() const { return FBreak; }
    void SetBreak(TMenuBreak value);
    // The action the item follows (its caption, checked, enabled, hint, image index,
    // shortcut, visible and click); a freed action unlinks itself.
    TBasicAction* GetAction() const { return FActionLink ? FActionLink->GetAction() : nullptr; }
    void SetAction(TBasicAction* value);
    void Notification(TComponent* component, TOperation operation) override;

    // --- native menu
    // -------------------------------------------------------------------------
    // The item's popup HMENU (root items of a main menu: the bar), rebuilt when
    // stale.
    HMENU Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    // The HMENU as it is now (null when none was made); never rebuilds.
    HMENU CurrentHandle() const { return FHandle; }
    // Command id in WM_COMMAND; unique in the process while the item lives.
    uint16_t Command() const { return FCommand; }
    static TMenuItem* FromCommand(uint16_t command);
    // Rebuilds the native entries of this item's HMENU (and of its sub-menus).
    void RebuildHandle();

    // --- events
    // ----------------------------------------------------------------------------
    // Runs the item: toggles AutoCheck, then OnClick, or the action when the item's click
    // is the action's. May free the item.
    virtual void Click();
    // Owner-draw hooks; without handlers a plain default look is measured and
    // drawn.
    virtual void MeasureItem(TCanvas& canvas, int& width, int& height);
    virtual void AdvancedDrawItem(TCanvas& canvas, const TRect& rect, TOwnerDrawState state, bool topLevel);
    // Asks the menu to re-read this item (rebuild: the native entries need
    // rebuilding).
    void MenuChanged(bool rebuild);

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

    // Layout reading: children are placed by their parent component.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;
    // The sub-items in menu order, for the layout writer.
    void GetChildren(std::vector<TComponent*>& children) const override {
        children.insert(children.end(), FItems.begin(), FItems.end());
    }

protected:
    void BeforeDestruction() override;
    // The action changed (checkDefaults: while reading, keep values the item set itself).
    virtual void ActionChange(TObject* sender, bool checkDefaults);
    // Default owner-draw look (system colours, caption and shortcut).
    void DoDrawText(TCanvas& canvas, const std::wstring& text, TRect& rect, bool selected, unsigned flags);
    // The native text: caption, then tab and shortcut text.
    std::wstring NativeText() const;

private:
    friend class TMenu;
    void Changed(bool rebuild);
    void DestroyHandle();
    void TurnSiblingsOff();
    void SetParentMenuRoot(TMenu* menu) { FMenu = menu; }

    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr;  // set on a menu's root item only
    std::wstring FCaption;
    std::wstring FHint;
    bool FChecked = false;
    bool FRadioItem = false;
    bool FAutoCheck = false;
    bool FDefault = false;
    bool FEnabled = true;
    bool FVisible = true;
    TShortCut FShortCut = scNone;
    int FImageIndex = -1;
    uint8_t FGroupIndex = 0;
    TMenuBreak FBreak = TMenuBreak::mbNone;
    std::unique_ptr<TBitmap> FBitmap;
    HMENU FHandle = nullptr;
    bool FHandleStale = true;
    uint16_t FCommand = 0;
    std::unique_ptr<TMenuActionLink> FActionLink;
};

class TMenu : public TComponent {
public:
    ORV_CLASS_NAME(TMenu)
    explicit TMenu(TComponent* owner);

    // The root item; its children are the menu's entries.
    TMenuItem* Items() const { return FItems; }
    // The entries in menu order, for the layout writer.
    void GetChildren(std::vector<TComponent*>& children) const override { FItems->GetChildren(children); }
    // Shorthands over the root's entries.
    TMenuItem* Items(int index) const { return FItems->Items(index); }
    int ItemCount() const { return FItems->Count(); }
    // Adds an entry owned by the menu.
    TMenuItem* AddItem(const std::wstring& caption, TNotifyEvent onClick = nullptr);

    HMENU Handle() { return FItems->Handle(); }
    TImageList* GetImages() const { return FImages; }
    virtual void SetImages(TImageList* value);
    bool GetOwnerDraw() const { return FOwnerDraw; }
    virtual void SetOwnerDraw(bool value);
    // Finds the item that runs this command anywhere in the menu, or null.
    TMenuItem* FindItem(uint16_t command) const;
    // Runs the item of a WM_COMMAND; true when one of ours took it.
    bool DispatchCommand(uint16_t command);
    bool IsRightToLeft() const { return false; }
    virtual bool IsMenuBar() const { return false; }

    // Called for every change of an item (source null: the whole menu).
    virtual void MenuChanged(TObject* sender, TMenuItem* source, bool rebuild);

    TMenuChangeEvent OnChange;

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void BeforeDestruction() override;
    // The native menu bar or popup was rebuilt (the main menu re-attaches it).
    virtual void HandleRebuilt() {}

private:
    friend class TMenuItem;
    void ImageListChange(TObject*);
    static void MarkTreeStale(TMenuItem* item);
    TMenuItem* FItems = nullptr;
    TImageList* FImages = nullptr;
    TChangeLink FImageChangeLink;
    bool FOwnerDraw = false;
};

// The menu bar of a form: its owner (or the form given to SetForm). It hooks
// the form's window to attach the bar and to route the native menu messages to
// the items.
class TMainMenu : public TMenu {
public:
    ORV_CLASS_NAME(TMainMenu)
    explicit TMainMenu(TComponent* owner);

    TForm* GetForm() const { return FForm; }
    // Moves the bar to another form (null detaches it for good: the owner form is not
    // taken again after loading); the old form's hook is removed.
    virtual void SetForm(TForm* form);
    // Hook id on the form's window, 0 while none is installed.
    int FormHookId() const { return FHookId; }
    bool IsMenuBar() const override { return true; }

    void AfterConstruction() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void BeforeDestruction() override;
    void HandleRebuilt() override;
    // Sees the form's messages before the form; true consumes one.
    virtual bool FormMessage(TMessage& message);
    void AttachToWindow();

private:
    TForm* FForm = nullptr;
    int FHookId = 0;
    bool FDetached = false;
};

class TPopupMenu : public TMenu {
public:
    ORV_CLASS_NAME(TPopupMenu)
    explicit TPopupMenu(TComponent* owner);

    TPopupAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment value) { FAlignment = value; }
    bool GetAutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    // The component the menu was last opened for (set by the caller before
    // Popup).
    TComponent* GetPopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* value) { FPopupComponent = value; }
    // Shows the menu at a screen point and returns when it closes; the chosen
    // item's Click runs before Popup returns.
    virtual void Popup(int x, int y);
    // Closes an open popup menu (any of this thread).
    static void CloseActive();

    TNotifyEvent OnPopup;

protected:
    virtual void DoPopup(TObject* sender);
    // Once made, the native popup follows every change of the items at once (it may be
    // open: a handler adding items while it shows, a sub-menu filled as it opens).
    void HandleRebuilt() override { Handle(); }

private:
    TPopupAlignment FAlignment = TPopupAlignment::paLeft;
    bool FAutoPopup = true;
    TComponent* FPopupComponent = nullptr;
};

// Routes a native menu message (WM_COMMAND from a menu, WM_INITMENUPOPUP,
// WM_MEASUREITEM and WM_DRAWITEM of menu items, WM_MENUCHAR) to our items; true
// when one of ours took it.
bool DispatchMenuMessage(TMessage& message);
// The hidden window that owns tracked popup menus.
HWND MenuMessageWindow();

}  // namespace orv
