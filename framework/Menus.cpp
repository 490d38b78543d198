#include "framework/Menus.h"

#include <algorithm>
#include <cwctype>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "framework/ActionLinking.h"
#include "framework/Application.h"
#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/Forms.h"
#include "framework/SysUtils.h"
#include "framework/SystemFont.h"

namespace orv {

namespace {

// Live items by command id and by address: native menus hand back ids and item
// data, and a stale value must never reach a freed item.
std::unordered_map<uint16_t, TMenuItem*>& ItemsByCommand() {
    static std::unordered_map<uint16_t, TMenuItem*> map;
    return map;
}
std::unordered_set<const TMenuItem*>& LiveItems() {
    static std::unordered_set<const TMenuItem*> set;
    return set;
}

uint16_t AllocateCommand(TMenuItem* item) {
    static uint16_t next = 0;
    auto& map = ItemsByCommand();
    // Ids 1..0xEFFF; 0 means "no command" and the top range is the system menu's.
    for (int tries = 0; tries < 0xF000; ++tries) {
        next = static_cast<uint16_t>(next >= 0xEFFF ? 1 : next + 1);
        if (map.find(next) == map.end()) {
            map[next] = item;
            return next;
        }
    }
    throw EOutOfResources(L"Out of menu command ids");
}

TMenuItem* LiveItem(ULONG_PTR data) {
    auto* item = reinterpret_cast<TMenuItem*>(data);
    return item && LiveItems().count(item) ? item : nullptr;
}

struct TKeyName {
    uint16_t Key;
    const wchar_t* Name;
};
const TKeyName kKeyNames[] = {
    {VK_BACK, L"BkSp"},  {VK_TAB, L"Tab"},     {VK_ESCAPE, L"Esc"}, {VK_RETURN, L"Enter"}, {VK_SPACE, L"Space"},
    {VK_PRIOR, L"PgUp"}, {VK_NEXT, L"PgDn"},   {VK_END, L"End"},    {VK_HOME, L"Home"},    {VK_LEFT, L"Left"},
    {VK_UP, L"Up"},      {VK_RIGHT, L"Right"}, {VK_DOWN, L"Down"},  {VK_INSERT, L"Ins"},   {VK_DELETE, L"Del"},
};

std::wstring KeyText(uint16_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::wstring(1, static_cast<wchar_t>(key));
    if (key >= VK_F1 && key <= VK_F24) return L"F" + IntToStr(key - VK_F1 + 1);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return L"Num " + IntToStr(key - VK_NUMPAD0);
    for (const auto& k : kKeyNames)
        if (k.Key == key) return k.Name;
    return {};
}

const wchar_t* const kMenuWindowClass = L"OrvMenuWindow";
HWND gMenuWindow = nullptr;

LRESULT CALLBACK MenuWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    // Nothing escapes a window procedure.
    try {
        if (DispatchMenuMessage(m)) return m.Result;
    } catch (...) {
        HandleCallbackException();
        return 0;
    }
    if (msg == WM_DESTROY && window == gMenuWindow) gMenuWindow = nullptr;
    return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace

// --- shortcuts
// -----------------------------------------------------------------------------------

TShortCut ShortCut(uint16_t key, TShiftState shift) {
    TShortCut result = static_cast<TShortCut>(key & 0xFF);
    if (shift & ssShift) result |= scShift;
    if (shift & ssCtrl) result |= scCtrl;
    if (shift & ssAlt) result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift) {
    key = shortCut & 0xFF;
    shift = 0;
    if (shortCut & scShift) shift |= ssShift;
    if (shortCut & scCtrl) shift |= ssCtrl;
    if (shortCut & scAlt) shift |= ssAlt;
}

std::wstring ShortCutToText(TShortCut shortCut) {
    uint16_t key = shortCut & 0xFF;
    std::wstring name = KeyText(key);
    if (name.empty()) {
        if (key == 0) return {};
        // Keys without a fixed name: the keyboard layout's name.
        UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
        wchar_t buffer[64] = {};
        if (scan && GetKeyNameTextW(static_cast<LONG>(scan << 16), buffer, 64) > 0) name = buffer;
        if (name.empty()) return {};
    }
    std::wstring prefix;
    if (shortCut & scShift) prefix += L"Shift+";
    if (shortCut & scCtrl) prefix += L"Ctrl+";
    if (shortCut & scAlt) prefix += L"Alt+";
    return prefix + name;
}

TShortCut TextToShortCut(const std::wstring& text) {
    std::wstring rest = text;
    TShortCut modifiers = 0;
    auto takePrefix = [&rest](const wchar_t* prefix) {
        size_t n = wcslen(prefix);
        if (rest.size() > n && SameText(rest.substr(0, n), prefix)) {
            rest.erase(0, n);
            return true;
        }
        return false;
    };
    for (bool found = true; found;) {
        found = false;
        if (takePrefix(L"Shift+")) modifiers |= scShift, found = true;
        if (takePrefix(L"Ctrl+")) modifiers |= scCtrl, found = true;
        if (takePrefix(L"Alt+")) modifiers |= scAlt, found = true;
    }
    if (rest.empty()) return scNone;
    for (uint16_t key = 8; key <= 255; ++key) {
        std::wstring name = KeyText(key);
        if (!name.empty() && SameText(name, rest)) return static_cast<TShortCut>(key | modifiers);
    }
    return scNone;
}

std::wstring StripHotkey(const std::wstring& caption) {
    std::wstring result;
    result.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&') {
            if (i + 1 < caption.size() && caption[i + 1] == L'&') {
                result += L'&';
                ++i;
            }
            continue;
        }
        result += caption[i];
    }
    return result;
}

TOwnerDrawState OwnerDrawStateFromItemState(UINT itemState) {
    TOwnerDrawState s = 0;
    if (itemState & ODS_SELECTED) s |= odSelected;
    if (itemState & ODS_GRAYED) s |= odGrayed;
    if (itemState & ODS_DISABLED) s |= odDisabled;
    if (itemState & ODS_CHECKED) s |= odChecked;
    if (itemState & ODS_FOCUS) s |= odFocused;
    if (itemState & ODS_DEFAULT) s |= odDefault;
    if (itemState & ODS_HOTLIGHT) s |= odHotLight;
    if (itemState & ODS_INACTIVE) s |= odInactive;
    if (itemState & ODS_NOACCEL) s |= odNoAccel;
    if (itemState & ODS_NOFOCUSRECT) s |= odNoFocusRect;
    return s;
}

// --- TMenuItem
// -----------------------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {
    FCommand = AllocateCommand(this);
    LiveItems().insert(this);
}

TMenuItem::~TMenuItem() = default;

void TMenuItem::SetAction(TBasicAction* value) {
    RelinkAction(*this, FActionLink, value, [this] { return std::make_unique<TMenuActionLink>(this); },
                 [this](TObject* sender, bool checkDefaults) { ActionChange(sender, checkDefaults); });
}

void TMenuItem::ActionChange(TObject* sender, bool checkDefaults) {
    auto* a = dynamic_cast<TCustomAction*>(sender);
    if (!a) return;
    if (!checkDefaults || FCaption.empty()) SetCaption(a->GetCaption());
    if (!checkDefaults || !FChecked) SetChecked(a->GetChecked());
    if (!checkDefaults || FEnabled) SetEnabled(a->GetEnabled());
    if (!checkDefaults || FHint.empty()) SetHint(a->GetHint());
    if (!checkDefaults || FImageIndex < 0) SetImageIndex(a->GetImageIndex());
    if (!checkDefaults || FShortCut == scNone) SetShortCut(static_cast<TShortCut>(a->GetShortCut()));
    if (!checkDefaults || FVisible) SetVisible(a->GetVisible());
    if (!checkDefaults || !OnClick) OnClick = a->OnExecute;
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    // A freed action has already cut the link from its side.
    if (FActionLink && (!FActionLink->GetAction() || component == FActionLink->GetAction())) FActionLink.reset();
}

void TMenuItem::BeforeDestruction() {
    if (FParent) FParent->Remove(this);
    Clear();
    DestroyHandle();
    ItemsByCommand().erase(FCommand);
    LiveItems().erase(this);
    TComponent::BeforeDestruction();
}

TMenuItem* TMenuItem::FromCommand(uint16_t command) {
    auto& map = ItemsByCommand();
    auto it = map.find(command);
    return it == map.end() ? nullptr : it->second;
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) throw std::out_of_range("menu item index out of range");
    return FItems[static_cast<size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

int TMenuItem::GetMenuIndex() const {
    return FParent ? FParent->IndexOf(this) : -1;
}

void TMenuItem::SetMenuIndex(int value) {
    if (!FParent) return;
    TMenuItem* parent = FParent;
    int count = parent->Count();
    value = std::clamp(value, 0, count - 1);
    if (value == GetMenuIndex()) return;
    parent->Remove(this);
    parent->Insert(value, this);
}

TMenuItem* TMenuItem::Find(const std::wstring& caption) const {
    std::wstring wanted = StripHotkey(caption);
    for (TMenuItem* item : FItems)
        if (SameText(StripHotkey(item->FCaption), wanted)) return item;
    return nullptr;
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item) return;
    if (item->FParent) throw EInvalidOperation(L"Menu inserted twice");
    for (const TMenuItem* p = this; p; p = p->FParent)
        if (p == item) throw EInvalidOperation(L"Menu inserted into itself");
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
    Changed(true);
}

void TMenuItem::Remove(TMenuItem* item) {
    int index = IndexOf(item);
    if (index < 0) return;
    FItems.erase(FItems.begin() + index);
    item->FParent = nullptr;
    // The native entries follow at once: the child's own sub-menu may be destroyed next.
    if (FHandle) RebuildHandle();
    Changed(true);
}

void TMenuItem::Delete(int index) {
    TMenuItem* item = Items(index);
    Remove(item);
    item->Free();
}

void TMenuItem::Clear() {
    while (!FItems.empty()) Delete(Count() - 1);
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->FParent) root = root->FParent;
    return root->FMenu;
}

TComponent* TMenuItem::GetParentComponent() const {
    if (!FParent) return nullptr;
    if (FParent->FMenu) return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (FParent) FParent->Remove(this);
    if (auto* menu = dynamic_cast<TMenu*>(parent))
        menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
}

void TMenuItem::SetCaption(const std::wstring& value) {
    if (FCaption == value) return;
    FCaption = value;
    Changed(true);
}

void TMenuItem::TurnSiblingsOff() {
    if (!FParent) return;
    for (TMenuItem* sibling : FParent->FItems)
        if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex && sibling->FChecked) {
            sibling->FChecked = false;
            sibling->Changed(true);
        }
}

void TMenuItem::SetChecked(bool value) {
    if (FChecked == value) return;
    FChecked = value;
    if (value && FRadioItem) TurnSiblingsOff();
    Changed(true);
}

void TMenuItem::SetRadioItem(bool value) {
    if (FRadioItem == value) return;
    FRadioItem = value;
    if (FChecked && FRadioItem) TurnSiblingsOff();
    Changed(true);
}

void TMenuItem::SetDefault(bool value) {
    if (FDefault == value) return;
    if (value && FParent)
        for (TMenuItem* sibling : FParent->FItems)
            if (sibling != this) sibling->FDefault = false;
    FDefault = value;
    Changed(true);
}

void TMenuItem::SetEnabled(bool value) {
    if (FEnabled == value) return;
    FEnabled = value;
    Changed(true);
}

void TMenuItem::SetVisible(bool value) {
    if (FVisible == value) return;
    FVisible = value;
    Changed(true);
}

void TMenuItem::SetShortCut(TShortCut value) {
    if (FShortCut == value) return;
    FShortCut = value;
    Changed(true);
}

void TMenuItem::SetImageIndex(int value) {
    if (FImageIndex == value) return;
    FImageIndex = value;
    Changed(true);
}

TBitmap& TMenuItem::Bitmap() {
    if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
    return *FBitmap;
}

bool TMenuItem::HasBitmap() const {
    return FBitmap && !FBitmap->Empty();
}

void TMenuItem::SetBitmap(const TBitmap& value) {
    Bitmap().Assign(&value);
    Changed(true);
}

void TMenuItem::SetGroupIndex(uint8_t value) {
    if (FGroupIndex == value) return;
    FGroupIndex = value;
    if (FChecked && FRadioItem) TurnSiblingsOff();
    Changed(true);
}

void TMenuItem::SetBreak(TMenuBreak value) {
    if (FBreak == value) return;
    FBreak = value;
    Changed(true);
}

void TMenuItem::Changed(bool rebuild) {
    if (rebuild)
        for (TMenuItem* p = this; p; p = p->FParent) p->FHandleStale = true;
    MenuChanged(rebuild);
}

void TMenuItem::MenuChanged(bool rebuild) {
    TMenu* menu = GetParentMenu();
    if (menu) menu->MenuChanged(menu, this, rebuild);
}

std::wstring TMenuItem::NativeText() const {
    std::wstring text = FCaption;
    if (FShortCut != scNone) {
        std::wstring shortCut = ShortCutToText(FShortCut);
        if (!shortCut.empty()) text += L"\t" + shortCut;
    }
    return text;
}

HMENU TMenuItem::Handle() {
    if (!FHandle) {
        TMenu* menu = FParent ? nullptr : FMenu;
        FHandle = (menu && menu->IsMenuBar()) ? CreateMenu() : CreatePopupMenu();
        if (!FHandle) throw EOutOfResources(L"Cannot create a menu");
        FHandleStale = true;
    }
    if (FHandleStale) RebuildHandle();
    return FHandle;
}

void TMenuItem::RebuildHandle() {
    if (!FHandle) {
        Handle();
        return;
    }
    FHandleStale = false;
    TMenu* menu = GetParentMenu();
    bool ownerDraw = menu && menu->GetOwnerDraw();
    // Entries are rewritten in place and only the count changes at the end: a menu that
    // is open keeps the places of its entries (it measures them only when it opens), and
    // the system never loses the entry whose sub-menu it is opening.
    UINT position = 0;
    for (TMenuItem* item : FItems) {
        if (!item->FVisible) continue;
        std::wstring text = item->NativeText();
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
        info.wID = item->FCommand;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
        if (item->IsLine()) {
            info.fType = MFT_SEPARATOR;
        } else {
            info.fMask |= MIIM_STRING;
            info.dwTypeData = text.data();
            info.cch = static_cast<UINT>(text.size());
        }
        if (ownerDraw) info.fType |= MFT_OWNERDRAW;
        if (item->FRadioItem) info.fType |= MFT_RADIOCHECK;
        if (item->FBreak == TMenuBreak::mbBreak) info.fType |= MFT_MENUBREAK;
        if (item->FBreak == TMenuBreak::mbBarBreak) info.fType |= MFT_MENUBARBREAK;
        if (item->FChecked) info.fState |= MFS_CHECKED;
        if (!item->FEnabled) info.fState |= MFS_DISABLED | MFS_GRAYED;
        if (item->FDefault) info.fState |= MFS_DEFAULT;
        info.hSubMenu = item->FItems.empty() ? nullptr : item->Handle();
        if (position < static_cast<UINT>(GetMenuItemCount(FHandle)))
            SetMenuItemInfoW(FHandle, position, TRUE, &info);
        else
            InsertMenuItemW(FHandle, position, TRUE, &info);
        ++position;
    }
    while (static_cast<UINT>(GetMenuItemCount(FHandle)) > position) RemoveMenu(FHandle, position, MF_BYPOSITION);
}

void TMenuItem::DestroyHandle() {
    if (!FHandle) return;
    // The children own their sub-menus: take them out before the menu goes.
    while (GetMenuItemCount(FHandle) > 0) RemoveMenu(FHandle, 0, MF_BYPOSITION);
    DestroyMenu(FHandle);
    FHandle = nullptr;
    FHandleStale = true;
}

void TMenuItem::Click() {
    if (FAutoCheck && !(FRadioItem && FChecked)) SetChecked(!FChecked);
    TBasicAction* action = GetAction();
    if (action && (!OnClick || OnClick == action->OnExecute))
        FActionLink->Execute(this);
    else
        OnClick(this);
}

// --- TMenuActionLink -------------------------------------------------------------------------

TMenuActionLink::TMenuActionLink(TMenuItem* client) : TActionLink(client), FItem(client) {}

bool TMenuActionLink::IsCaptionLinked() {
    TCustomAction* a = Custom();
    return a && FItem->GetCaption() == a->GetCaption();
}
bool TMenuActionLink::IsCheckedLinked() {
    TCustomAction* a = Custom();
    return a && FItem->GetChecked() == a->GetChecked();
}
bool TMenuActionLink::IsEnabledLinked() {
    TCustomAction* a = Custom();
    return a && FItem->GetEnabled() == a->GetEnabled();
}
bool TMenuActionLink::IsHintLinked() {
    TCustomAction* a = Custom();
    return a && FItem->GetHint() == a->GetHint();
}
bool TMenuActionLink::IsImageIndexLinked() {
    TCustomAction* a = Custom();
    return a && FItem->GetImageIndex() == a->GetImageIndex();
}
bool TMenuActionLink::IsShortCutLinked() {
    TCustomAction* a = Custom();
    return a && FItem->GetShortCut() == static_cast<TShortCut>(a->GetShortCut());
}
bool TMenuActionLink::IsVisibleLinked() {
    TCustomAction* a = Custom();
    return a && FItem->GetVisible() == a->GetVisible();
}
bool TMenuActionLink::IsOnExecuteLinked() {
    return FAction && FItem->OnClick == FAction->OnExecute;
}

void TMenuActionLink::SetCaption(const std::wstring& value) {
    if (IsCaptionLinked()) FItem->SetCaption(value);
}
void TMenuActionLink::SetChecked(bool value) {
    if (IsCheckedLinked()) FItem->SetChecked(value);
}
void TMenuActionLink::SetEnabled(bool value) {
    if (IsEnabledLinked()) FItem->SetEnabled(value);
}
void TMenuActionLink::SetHint(const std::wstring& value) {
    if (IsHintLinked()) FItem->SetHint(value);
}
void TMenuActionLink::SetImageIndex(int value) {
    if (IsImageIndexLinked()) FItem->SetImageIndex(value);
}
void TMenuActionLink::SetShortCut(int value) {
    if (IsShortCutLinked()) FItem->SetShortCut(static_cast<TShortCut>(value));
}
void TMenuActionLink::SetVisible(bool value) {
    if (IsVisibleLinked()) FItem->SetVisible(value);
}
void TMenuActionLink::SetOnExecute(const TNotifyEvent& value) {
    if (IsOnExecuteLinked()) FItem->OnClick = value;
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
    if (OnMeasureItem) {
        OnMeasureItem(this, &canvas, width, height);
        return;
    }
    if (!FVisible) {
        width = height = 0;
        return;
    }
    if (IsLine()) {
        height = GetSystemMetrics(SM_CYMENUSIZE) / 2;
        width = 0;
        return;
    }
    std::wstring text = FCaption.empty() ? L" " : FCaption;
    TSize size = canvas.TextExtent(StripHotkey(text));
    int shortCutWidth = FShortCut != scNone ? canvas.TextWidth(ShortCutToText(FShortCut)) + 16 : 0;
    bool bar = FParent && FParent->FMenu && FParent->FMenu->IsMenuBar();
    int imageWidth = 0;
    if (TMenu* menu = GetParentMenu(); menu && menu->GetImages() && FImageIndex >= 0)
        imageWidth = menu->GetImages()->GetWidth() + 4;
    if (bar) {
        width = size.cx + 8 + imageWidth;
        height = std::max(height, size.cy + 4);
    } else {
        width = size.cx + shortCutWidth + std::max(imageWidth, 20) + 12;
        height = std::max(size.cy + 6, GetSystemMetrics(SM_CYMENUSIZE));
    }
}

void TMenuItem::DoDrawText(TCanvas& canvas, const std::wstring& text, TRect& rect, bool selected, unsigned flags) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (!FEnabled)
        canvas.Font().SetColor(clGrayText);
    else
        canvas.Font().SetColor(selected ? clHighlightText : clMenuText);
    if (FDefault) canvas.Font().SetStyle(canvas.Font().GetStyle() | fsBold);
    canvas.DrawText(text, rect, flags);
}

void TMenuItem::AdvancedDrawItem(TCanvas& canvas, const TRect& rect, TOwnerDrawState state, bool topLevel) {
    if (OnAdvancedDrawItem) {
        OnAdvancedDrawItem(this, &canvas, rect, state);
        return;
    }
    bool selected = (state & odSelected) != 0;
    if (OnDrawItem) {
        OnDrawItem(this, &canvas, rect, selected);
        return;
    }
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(selected ? clHighlight : (topLevel ? clMenuBar : clMenu));
    canvas.FillRect(rect);
    if (IsLine()) {
        int y = (rect.Top + rect.Bottom) / 2;
        canvas.Pen().SetColor(clBtnShadow);
        canvas.MoveTo(rect.Left + 2, y);
        canvas.LineTo(rect.Right - 2, y);
        return;
    }
    TRect textRect = rect;
    textRect.Left += topLevel ? 4 : 20;
    if (TMenu* menu = GetParentMenu(); menu && menu->GetImages() && FImageIndex >= 0) {
        TImageList* images = menu->GetImages();
        images->Draw(canvas, rect.Left + 2, rect.Top + (rect.Height() - images->GetHeight()) / 2, FImageIndex,
                     FEnabled);
        textRect.Left = std::max(textRect.Left, rect.Left + images->GetWidth() + 6);
    } else if (FChecked && !topLevel) {
        TRect mark{rect.Left + 2, rect.Top + 2, rect.Left + 16, rect.Bottom - 2};
        DoDrawText(canvas, FRadioItem ? L"\x25CF" : L"\x2713", mark, selected, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | (topLevel ? DT_CENTER : DT_LEFT);
    if (state & odNoAccel) flags |= DT_HIDEPREFIX;
    DoDrawText(canvas, FCaption, textRect, selected, flags);
    if (FShortCut != scNone && !topLevel) {
        TRect shortCutRect = rect;
        shortCutRect.Right -= 10;
        DoDrawText(canvas, ShortCutToText(FShortCut), shortCutRect, selected, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
}

// --- TMenu
// ---------------------------------------------------------------------------------------

TMenu::TMenu(TComponent* owner) : TComponent(owner) {
    FItems = new TMenuItem(this);
    FItems->SetParentMenuRoot(this);
    FImageChangeLink.OnChange = TNotifyEvent::Bind(this, &TMenu::ImageListChange);
}

void TMenu::BeforeDestruction() {
    if (FImages) FImages->UnRegisterChanges(&FImageChangeLink);
    FImages = nullptr;
    // The root frees the entries (and their sub-menus) before the owned
    // components go.
    if (FItems) {
        FItems->Clear();
        FItems->DestroyHandle();
    }
    TComponent::BeforeDestruction();
    FItems = nullptr;
}

TMenuItem* TMenu::AddItem(const std::wstring& caption, TNotifyEvent onClick) {
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    FItems->Add(item);
    return item;
}

void TMenu::SetImages(TImageList* value) {
    if (FImages == value) return;
    if (FImages) {
        FImages->UnRegisterChanges(&FImageChangeLink);
        RemoveFreeNotification(FImages);
    }
    FImages = value;
    if (FImages) {
        FImages->RegisterChanges(&FImageChangeLink);
        FreeNotification(FImages);
    }
    MenuChanged(this, nullptr, false);
}

void TMenu::ImageListChange(TObject*) {
    MenuChanged(this, nullptr, false);
}

void TMenu::SetOwnerDraw(bool value) {
    if (FOwnerDraw == value) return;
    FOwnerDraw = value;
    // Every entry's type changes: the whole tree is rebuilt.
    MarkTreeStale(FItems);
    MenuChanged(this, nullptr, true);
}

void TMenu::MarkTreeStale(TMenuItem* item) {
    item->FHandleStale = true;
    for (TMenuItem* child : item->FItems) MarkTreeStale(child);
}

TMenuItem* TMenu::FindItem(uint16_t command) const {
    TMenuItem* item = TMenuItem::FromCommand(command);
    return item && item->GetParentMenu() == this ? item : nullptr;
}

bool TMenu::DispatchCommand(uint16_t command) {
    TMenuItem* item = FindItem(command);
    if (!item) return false;
    item->Click();
    return true;
}

void TMenu::MenuChanged(TObject* sender, TMenuItem* source, bool rebuild) {
    if (!IsLoading() && !IsDestroying() && FItems && FItems->HandleAllocated()) HandleRebuilt();
    OnChange(sender, source, rebuild);
}

void TMenu::Loaded() {
    TComponent::Loaded();
    MenuChanged(this, nullptr, true);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FImages) {
        FImages->UnRegisterChanges(&FImageChangeLink);
        FImages = nullptr;
        MenuChanged(this, nullptr, false);
    }
}

// --- TMainMenu
// -----------------------------------------------------------------------------------

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

void TMainMenu::AfterConstruction() {
    TMenu::AfterConstruction();
    if (!FForm && !FDetached)
        if (auto* form = dynamic_cast<TForm*>(Owner())) SetForm(form);
}

void TMainMenu::Loaded() {
    TMenu::Loaded();
    if (!FForm && !FDetached)
        if (auto* form = dynamic_cast<TForm*>(Owner())) SetForm(form);
    AttachToWindow();
}

void TMainMenu::SetForm(TForm* form) {
    FDetached = form == nullptr;
    if (FForm == form) return;
    if (FForm) {
        if (FHookId) FForm->RemoveMessageHook(FHookId);
        FHookId = 0;
        if (FForm->HandleAllocated() && Items()->HandleAllocated() &&
            GetMenu(FForm->Handle()) == Items()->CurrentHandle())
            SetMenu(FForm->Handle(), nullptr);
        RemoveFreeNotification(FForm);
    }
    FForm = form;
    if (FForm) {
        FreeNotification(FForm);
        FHookId = FForm->AddMessageHook([this](TMessage& m) { return FormMessage(m); });
        AttachToWindow();
    }
}

void TMainMenu::AttachToWindow() {
    if (!FForm || !FForm->HandleAllocated() || IsLoading() || IsDestroying()) return;
    HWND window = FForm->Handle();
    HMENU bar = Handle();
    if (GetMenu(window) != bar)
        SetMenu(window, bar);
    else
        DrawMenuBar(window);
    // An MDI frame's client lists its children in the window menu of the new bar.
    FForm->UpdateWindowMenu();
}

void TMainMenu::HandleRebuilt() {
    if (FForm && FForm->HandleAllocated()) AttachToWindow();
}

bool TMainMenu::FormMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_CREATE:
            AttachToWindow();
            return false;
        case WM_DESTROY:
            // A window destroys its attached menu; ours outlives the window.
            if (FForm && FForm->HandleAllocated()) SetMenu(FForm->Handle(), nullptr);
            return false;
        default:
            return DispatchMenuMessage(message);
    }
}

void TMainMenu::Notification(TComponent* component, TOperation operation) {
    TMenu::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FForm) {
        if (FHookId) FForm->RemoveMessageHook(FHookId);
        FHookId = 0;
        FForm = nullptr;
    }
}

void TMainMenu::BeforeDestruction() {
    SetForm(nullptr);
    TMenu::BeforeDestruction();
}

// --- TPopupMenu
// ----------------------------------------------------------------------------------

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::DoPopup(TObject* sender) {
    OnPopup(sender);
}

void TPopupMenu::Popup(int x, int y) {
    DoPopup(this);
    HMENU menu = Handle();
    if (GetMenuItemCount(menu) <= 0) return;
    UINT flags = TPM_RIGHTBUTTON | TPM_RETURNCMD;
    switch (FAlignment) {
        case TPopupAlignment::paLeft:
            flags |= TPM_LEFTALIGN;
            break;
        case TPopupAlignment::paRight:
            flags |= TPM_RIGHTALIGN;
            break;
        case TPopupAlignment::paCenter:
            flags |= TPM_CENTERALIGN;
            break;
    }
    HWND owner = MenuMessageWindow();
    UINT command = static_cast<UINT>(TrackPopupMenuEx(menu, flags, x, y, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    // The click may free this menu: nothing of this object is used after it.
    if (command != 0) DispatchCommand(static_cast<uint16_t>(command));
}

void TPopupMenu::CloseActive() {
    EndMenu();
}

// --- native message routing
// ----------------------------------------------------------------------

HWND MenuMessageWindow() {
    if (gMenuWindow && IsWindow(gMenuWindow)) return gMenuWindow;
    static bool registered = false;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registered) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = MenuWindowProc;
        wc.hInstance = instance;
        wc.lpszClassName = kMenuWindowClass;
        if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            throw EOutOfResources(L"Cannot register window class OrvMenuWindow");
        registered = true;
    }
    gMenuWindow = CreateWindowExW(WS_EX_TOOLWINDOW, kMenuWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  instance, nullptr);
    if (!gMenuWindow) throw EOutOfResources(L"Cannot create the menu window");
    return gMenuWindow;
}

bool DispatchMenuMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_COMMAND: {
            if (HIWORD(message.WParam) != 0 || message.LParam != 0) return false;
            TMenuItem* item = TMenuItem::FromCommand(LOWORD(message.WParam));
            if (!item || !item->GetParentMenu()) return false;
            message.Result = 0;
            item->Click();
            return true;
        }
        case WM_INITMENUPOPUP: {
            if (HIWORD(message.LParam)) return false;  // the window menu
            auto menu = reinterpret_cast<HMENU>(message.WParam);
            for (const TMenuItem* live : LiveItems()) {
                if (live->CurrentHandle() != menu) continue;
                auto* item = const_cast<TMenuItem*>(live);
                // A sub-menu opening runs its parent item's OnClick (to update its
                // entries); what the handler changed is in the native menu before the
                // system measures it. The handler may have freed the item.
                if (item->Parent()) {
                    item->OnClick(item);
                    if (TMenuItem* still = LiveItem(reinterpret_cast<ULONG_PTR>(item))) still->Handle();
                }
                message.Result = 0;
                return true;
            }
            return false;
        }
        case WM_MEASUREITEM: {
            auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
            if (!mis || mis->CtlType != ODT_MENU) return false;
            TMenuItem* item = LiveItem(mis->itemData);
            if (!item) return false;
            TWindowDC dc(nullptr);
            TCanvas canvas;
            canvas.SetHandle(dc.Get());
            InitRecordFont(canvas.Font(), TSystemFont::Menu);
            int width = static_cast<int>(mis->itemWidth);
            int height = static_cast<int>(mis->itemHeight);
            item->MeasureItem(canvas, width, height);
            canvas.SetHandle(nullptr);
            mis->itemWidth = static_cast<UINT>(std::max(width, 0));
            mis->itemHeight = static_cast<UINT>(std::max(height, 0));
            message.Result = TRUE;
            return true;
        }
        case WM_DRAWITEM: {
            auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
            if (!dis || dis->CtlType != ODT_MENU) return false;
            TMenuItem* item = LiveItem(dis->itemData);
            if (!item) return false;
            TMenu* menu = item->GetParentMenu();
            bool topLevel = menu && menu->IsMenuBar() && item->Parent() == menu->Items();
            TSaveDCGuard saved(dis->hDC);
            TCanvas canvas;
            canvas.SetHandle(dis->hDC);
            InitRecordFont(canvas.Font(), TSystemFont::Menu);
            TRect rect{dis->rcItem.left, dis->rcItem.top, dis->rcItem.right, dis->rcItem.bottom};
            item->AdvancedDrawItem(canvas, rect, OwnerDrawStateFromItemState(dis->itemState), topLevel);
            canvas.SetHandle(nullptr);
            message.Result = TRUE;
            return true;
        }
        case WM_MENUCHAR: {
            // Owner-drawn entries have no native mnemonics: match the "&" letter
            // ourselves.
            auto menu = reinterpret_cast<HMENU>(message.LParam);
            auto key = static_cast<wchar_t>(std::towupper(LOWORD(message.WParam)));
            int count = GetMenuItemCount(menu);
            for (int i = 0; i < count; ++i) {
                MENUITEMINFOW info{};
                info.cbSize = sizeof(info);
                info.fMask = MIIM_DATA;
                if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
                TMenuItem* item = LiveItem(info.dwItemData);
                if (!item) continue;
                const std::wstring& caption = item->GetCaption();
                for (size_t c = 0; c + 1 < caption.size(); ++c) {
                    if (caption[c] != L'&') continue;
                    if (caption[c + 1] == L'&') {
                        ++c;
                        continue;
                    }
                    if (static_cast<wchar_t>(std::towupper(caption[c + 1])) == key) {
                        message.Result = MAKELRESULT(i, MNC_EXECUTE);
                        return true;
                    }
                    break;
                }
            }
            return false;
        }
        default:
            return false;
    }
}

}  // namespace orv
