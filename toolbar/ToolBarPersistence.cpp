#include "toolbar/ToolBarPersistence.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "framework/Forms.h"
#include "framework/IniFiles.h"
#include "framework/Registry.h"
#include "framework/SysUtils.h"
#include "toolbar/FloatingWindow.h"
#include "toolbar/OrvDockPanel.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarPager.h"

namespace orv {

namespace {

class TIniStore : public TPersistenceStore {
public:
    TIniStore(const std::wstring& fileName, const std::wstring& section) : FIni(fileName), FSection(section) {}
    int ReadInteger(const std::wstring& name, int defaultValue) override {
        return FIni.ReadInteger(FSection, name, defaultValue);
    }
    std::wstring ReadString(const std::wstring& name, const std::wstring& defaultValue) override {
        return FIni.ReadString(FSection, name, defaultValue);
    }
    void WriteInteger(const std::wstring& name, int value) override { FIni.WriteInteger(FSection, name, value); }
    void WriteString(const std::wstring& name, const std::wstring& value) override {
        FIni.WriteString(FSection, name, value);
    }

private:
    TIniFile FIni;
    std::wstring FSection;
};

// Stored names and strings are short; a longer value is somebody else's and reads as missing.
constexpr DWORD kMaxStringBytes = 32768 * sizeof(wchar_t);

class TRegistryStore : public TPersistenceStore {
public:
    TRegistryStore(const std::wstring& path, TStoreAccess access)
        : FRegistry(access == TStoreAccess::Write ? KEY_ALL_ACCESS : KEY_READ) {
        const std::wstring full = L"HKEY_CURRENT_USER\\" + path;
        if (FRegistry.OpenKey(L"\\" + path, access == TStoreAccess::Write)) return;
        if (access == TStoreAccess::Read && FRegistry.LastError() == ERROR_FILE_NOT_FOUND) return;  // reads empty
        throw ERegistryException(L"Cannot open the registry key " + full + L" (error " +
                                 std::to_wstring(FRegistry.LastError()) + L")");
    }
    int ReadInteger(const std::wstring& name, int defaultValue) override {
        if (!FRegistry.CurrentKey()) return defaultValue;
        DWORD type = 0, value = 0, size = sizeof(value);
        LONG rc = RegQueryValueExW(FRegistry.CurrentKey(), name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(&value), &size);
        if (rc != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value)) return defaultValue;
        return static_cast<int>(value);
    }
    std::wstring ReadString(const std::wstring& name, const std::wstring& defaultValue) override {
        if (!FRegistry.CurrentKey()) return defaultValue;
        DWORD type = 0, size = 0;
        LONG rc = RegQueryValueExW(FRegistry.CurrentKey(), name.c_str(), nullptr, &type, nullptr, &size);
        if (rc != ERROR_SUCCESS || type != REG_SZ || size > kMaxStringBytes) return defaultValue;
        std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
        DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        rc = RegQueryValueExW(FRegistry.CurrentKey(), name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(buffer.data()), &bytes);
        if (rc != ERROR_SUCCESS || type != REG_SZ) return defaultValue;
        // The stored text need not end in a NUL; it ends at the first one when it does.
        std::wstring text(buffer.data(), std::min<size_t>(bytes / sizeof(wchar_t), buffer.size()));
        size_t nul = text.find(L'\0');
        if (nul != std::wstring::npos) text.resize(nul);
        return text;
    }
    void WriteInteger(const std::wstring& name, int value) override { FRegistry.WriteInteger(name, value); }
    void WriteString(const std::wstring& name, const std::wstring& value) override {
        FRegistry.WriteString(name, value);
    }

private:
    TRegistry FRegistry;
};

std::wstring TrimSlashes(std::wstring path) {
    while (!path.empty() && path.front() == L'\\') path.erase(path.begin());
    while (!path.empty() && path.back() == L'\\') path.pop_back();
    return path;
}

// Stored bounds are clamped to what a window can take; a hand-edited file may hold anything.
int ClampCoordinate(int value) {
    return std::clamp(value, -32767, 32767);
}
// A negative size is no size: the current one stays.
int StoredSize(int value, int current) {
    return value < 0 ? current : std::min(value, 32767);
}

// Every dock panel beneath root, this one's own children excluded.
void CollectDockPanels(TWinControl* root, const TOrvDockPanel* except, std::vector<TOrvDockPanel*>& out) {
    for (int i = 0; i < root->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(root->Controls(i));
        if (!child || child == except) continue;
        if (auto* panel = dynamic_cast<TOrvDockPanel*>(child)) out.push_back(panel);
        CollectDockPanels(child, except, out);
    }
}

}  // namespace

std::unique_ptr<TPersistenceStore> OpenPersistenceStore(const TPersistence& persistence, TStoreAccess access) {
    if (persistence.GetKey().empty() || persistence.GetSection().empty()) return nullptr;
    if (persistence.GetLocation() == plIniFile)
        return std::make_unique<TIniStore>(persistence.GetKey(), persistence.GetSection());
    std::wstring key = TrimSlashes(persistence.GetKey());
    std::wstring section = TrimSlashes(persistence.GetSection());
    if (key.empty() || section.empty()) return nullptr;
    return std::make_unique<TRegistryStore>(key + L"\\" + section, access);
}

// --- dock panel ------------------------------------------------------------------------------

void TOrvDockPanel::SaveToolBarsPosition() {
    if (!FPersistence.GetEnabled() || IsDesigning()) return;
    auto store = OpenPersistenceStore(FPersistence, TStoreAccess::Write);
    if (!store) return;
    // Row by row, then the hidden ones in the order they were hidden. A toolbar without a
    // name could not be found again.
    std::vector<TOrvCustomToolBar*> order;
    for (int i = 0; i < FRows.Count(); ++i)
        for (TOrvCustomToolBar* t : FRows.Items(i)->FToolBarList)
            if (!t->GetName().empty()) order.push_back(t);
    for (TOrvCustomToolBar* t : FHiddenToolBars)
        if (!t->GetName().empty() && std::find(order.begin(), order.end(), t) == order.end()) order.push_back(t);
    store->WriteInteger(L"ToolBarCount", static_cast<int>(order.size()));
    store->WriteInteger(L"RowCount", FRows.Count());
    int n = 0;
    for (TOrvCustomToolBar* t : order) {
        const std::wstring name = t->GetName();
        store->WriteString(L"Name" + std::to_wstring(++n), name);
        store->WriteInteger(name + L".Row", t->GetRow());
        store->WriteInteger(name + L".Left", t->Left());
        store->WriteInteger(name + L".Top", t->Top());
        store->WriteInteger(name + L".Width", t->Width());
        store->WriteInteger(name + L".Height", t->Height());
        store->WriteBool(name + L".Visible", t->GetVisible());
    }
}

void TOrvDockPanel::LoadToolBarsPosition() {
    if (!FPersistence.GetEnabled() || IsDesigning()) return;
    auto store = OpenPersistenceStore(FPersistence, TStoreAccess::Read);
    if (!store) return;
    // Toolbars that float according to their own entries leave the rows first.
    std::vector<TOrvCustomToolBar*> inRows;
    for (int i = 0; i < FRows.Count(); ++i)
        for (TOrvCustomToolBar* t : FRows.Items(i)->FToolBarList) inRows.push_back(t);
    for (TOrvCustomToolBar* t : inRows)
        if (FToolBars.Contains(t) && !t->PositionLoaded()) t->LoadPosition();

    // The names to find: the toolbars docked here, those in rows first. Hidden ones are
    // looked up too, so that one shown when the program closed is shown again.
    std::vector<TOrvCustomToolBar*> names;
    for (int i = 0; i < FRows.Count(); ++i)
        for (TOrvCustomToolBar* t : FRows.Items(i)->FToolBarList) names.push_back(t);
    for (TOrvCustomToolBar* t : FToolBars)
        if (std::find(names.begin(), names.end(), t) == names.end()) names.push_back(t);

    const int count = std::min(store->ReadInteger(L"ToolBarCount", 0), kMaxStoredCount);
    if (count <= 0) return;
    const int rowCount = std::clamp(store->ReadInteger(L"RowCount", FRows.Count()), 0, kMaxStoredCount);

    // Read everything first: a store error leaves the rows as they are.
    struct TStored {
        TOrvCustomToolBar* ToolBar;
        bool Elsewhere;  // docked in another dock panel of the form
        int Row, Left, Top, Width, Height;
        bool Visible;
    };
    std::vector<TStored> stored;
    std::vector<TOrvDockPanel*> others;
    bool othersCollected = false;
    std::vector<TOrvCustomToolBar*> taken;
    auto byName = [](const std::wstring& name) {
        return [&name](const TOrvCustomToolBar* t) { return !t->GetName().empty() && SameText(t->GetName(), name); };
    };
    for (int n = 1; n <= count; ++n) {
        const std::wstring name = store->ReadString(L"Name" + std::to_wstring(n), GetName());
        TOrvCustomToolBar* toolBar = nullptr;
        bool elsewhere = false;
        auto found = std::find_if(names.begin(), names.end(), byName(name));
        if (found != names.end()) {
            toolBar = *found;
            names.erase(found);
        } else {
            if (!othersCollected) {
                if (TForm* form = GetParentForm(this)) CollectDockPanels(form, this, others);
                othersCollected = true;
            }
            for (TOrvDockPanel* other : others) {
                for (TOrvCustomToolBar* t : other->FToolBars)
                    if (byName(name)(t) && std::find(taken.begin(), taken.end(), t) == taken.end()) {
                        toolBar = t;
                        break;
                    }
                if (toolBar) break;
            }
            elsewhere = toolBar != nullptr;
        }
        if (!toolBar) continue;  // unknown, or a duplicate of one already placed
        taken.push_back(toolBar);
        const std::wstring& key = toolBar->GetName();
        TStored s{toolBar, elsewhere, 0, 0, 0, 0, 0, false};
        s.Row = store->ReadInteger(key + L".Row", toolBar->GetRow());
        s.Left = ClampCoordinate(store->ReadInteger(key + L".Left", toolBar->Left()));
        s.Top = ClampCoordinate(store->ReadInteger(key + L".Top", toolBar->Top()));
        s.Width = StoredSize(store->ReadInteger(key + L".Width", toolBar->Width()), toolBar->Width());
        s.Height = StoredSize(store->ReadInteger(key + L".Height", toolBar->Height()), toolBar->Height());
        s.Visible = store->ReadBool(key + L".Visible", toolBar->GetVisible());
        stored.push_back(s);
    }
    store.reset();

    // Now the rows are made again from what was read.
    for (int i = FRows.Count() - 1; i >= 0; --i) FRows.Items(i)->FToolBarList.Clear();
    while (FRows.Count() > 0) FRows.Delete(FRows.Count() - 1);
    for (int i = 0; i < rowCount; ++i) FRows.Add();

    for (const TStored& s : stored) {
        TOrvCustomToolBar* t = s.ToolBar;
        if (s.Elsewhere) {
            t->SetParent(this);
            if (t->Parent() != this) continue;  // a height-locked panel had no row for it
            // Only its stored row places it.
            int joined = FRows.IsToolBarAlreadyAdded(t);
            if (joined >= 0) FRows.Items(joined)->RemoveToolBar(t, joined >= rowCount);
        }
        // A row below 0 is taken like one past the last row: no row here, and a new one
        // at the end when the toolbar is shown. A hidden toolbar is never in a row; it
        // goes back to its row when shown.
        if (s.Row >= 0 && s.Row < rowCount && s.Visible && t->GetVisible()) FRows.Items(s.Row)->FToolBarList.Add(t);
        t->SetRow(s.Row);
        const bool oldAllow = t->FAllowBoundChange;
        t->FAllowBoundChange = true;
        try {
            if (t->Width() != s.Width) t->SetWidth(s.Width);
            if (t->Left() != s.Left) t->SetLeft(s.Left);
            if (t->Top() != s.Top) t->SetTop(s.Top);
            if (t->Height() != s.Height) t->SetHeight(s.Height);
        } catch (...) {
            t->FAllowBoundChange = oldAllow;
            throw;
        }
        t->FAllowBoundChange = oldAllow;
        if (t->GetVisible() != s.Visible) t->SetVisible(s.Visible);
    }

    for (int i = FRows.Count() - 1; i >= 0; --i)
        if (FRows.Items(i)->ToolBarCount() == 0) FRows.DeleteRow(i);
    // Docked here but not in the store: a row of their own after the stored ones. Then
    // any toolbar still visible and in no row (stored beyond the rows) gets one as well.
    for (TOrvCustomToolBar* t : names)
        if (FToolBars.Contains(t) && t->GetVisible() && FRows.IsToolBarAlreadyAdded(t) < 0) FRows.Add()->AddToolBar(t);
    for (int i = 0; i < FToolBars.Count(); ++i) {
        TOrvCustomToolBar* t = FToolBars[i];
        if (t->GetVisible() && FRows.IsToolBarAlreadyAdded(t) < 0) FRows.Add()->AddToolBar(t);
    }
    UpdateRows();
    for (TOrvCustomToolBar* t : FToolBars)
        if (t->GetVisible()) t->PositionControls();
}

// --- toolbar -----------------------------------------------------------------------------------

void TOrvCustomToolBar::GetPosition(TPoint& point) const {
    if (FToolBarState == tsFloating && FFloatingWindow)
        point = {FFloatingWindow->Left(), FFloatingWindow->Top()};
    else
        point = {Left(), Top()};
}

void TOrvCustomToolBar::SavePosition() {
    if (!FPersistence.GetEnabled() || IsDesigning() || GetName().empty()) return;
    auto store = OpenPersistenceStore(FPersistence, TStoreAccess::Write);
    if (!store) return;
    const std::wstring name = GetName();
    if (FToolBarState == tsFloating && FFloatingWindow) {
        TPoint at;
        GetPosition(at);
        store->WriteString(name + L".Name", name);
        store->WriteInteger(name + L".State", tsFloating);
        store->WriteInteger(name + L".FloatingRows", FFloatingRows);
        store->WriteInteger(name + L".Left", at.X);
        store->WriteInteger(name + L".Top", at.Y);
        store->WriteInteger(name + L".Width", Width());
        store->WriteInteger(name + L".Height", Height());
        store->WriteBool(name + L".Visible", GetVisible());
    } else {
        // Stored floating but docked now: the next run starts docked. The floating
        // values stay for whoever reads them.
        std::wstring storedName = store->ReadString(name + L".Name", L"");
        if (SameText(storedName, name) && store->ReadInteger(name + L".State", 0) == tsFloating)
            store->WriteInteger(name + L".State", FToolBarState);
    }
    for (TControl* c : FOTBControls)
        if (!c->GetName().empty()) store->WriteBool(name + L"." + c->GetName(), c->GetVisible());
}

void TOrvCustomToolBar::LoadPosition() {
    if (!FPersistence.GetEnabled() || IsDesigning() || FPositionLoaded) return;
    auto store = OpenPersistenceStore(FPersistence, TStoreAccess::Read);
    if (!store) return;
    const std::wstring name = GetName();
    if (name.empty()) {
        FPositionLoaded = true;
        return;
    }
    const bool floating = SameText(store->ReadString(name + L".Name", L""), name) &&
                          store->ReadInteger(name + L".State", 0) == tsFloating;
    int rows = FFloatingRows;
    TPoint at{Left(), Top()};
    bool visible = GetVisible();
    if (floating) {
        rows = store->ReadInteger(name + L".FloatingRows", FFloatingRows);
        at.X = ClampCoordinate(store->ReadInteger(name + L".Left", Left()));
        at.Y = ClampCoordinate(store->ReadInteger(name + L".Top", Top()));
        visible = store->ReadBool(name + L".Visible", GetVisible());
    }
    std::vector<std::pair<TControl*, bool>> controls;
    for (TControl* c : FOTBControls)
        if (!c->GetName().empty())
            controls.push_back({c, store->ReadBool(name + L"." + c->GetName(), c->GetVisible())});
    store.reset();

    FPositionLoaded = true;
    if (floating) {
        SetToolBarFloating(at);
        // No more rows than there are controls to put one in each.
        const int most = std::max(1, FOTBControls.Count());
        if (rows > FFloatingRows) SetFloatingRows(std::min(rows, most));
        if (GetVisible() != visible) {
            SetVisible(visible);
            // A toolbar closed while floating took its window with it.
            if (!visible && FFloatingWindow && Parent() == FFloatingWindow) FFloatingWindow->Hide();
        }
    }
    bool changed = false;
    for (auto& [control, shown] : controls)
        if (control->GetVisible() != shown) {
            control->SetVisible(shown);
            changed = true;
        }
    if (changed) PositionControls();
}

// --- pager -----------------------------------------------------------------------------------

void TOrvToolBarPager::SaveState() {
    if (!FPersistence->GetEnabled() || IsDesigning()) return;
    auto store = OpenPersistenceStore(*FPersistence, TStoreAccess::Write);
    if (!store) return;
    store->WriteBool(L"Minimized", !FExpanded);
    store->WriteBool(L"ShowQATBelow", GetShowQATBelow());
}

void TOrvToolBarPager::LoadState() {
    if (!FPersistence->GetEnabled() || IsDesigning()) return;
    auto store = OpenPersistenceStore(*FPersistence, TStoreAccess::Read);
    if (!store) return;
    const int minimized = store->ReadInteger(L"Minimized", FExpanded ? 0 : 1);
    const int below = store->ReadInteger(L"ShowQATBelow", GetShowQATBelow() ? 1 : 0);
    store.reset();
    if (minimized > 0 && FExpanded) Collaps();
    if (below > 0 && !GetShowQATBelow()) SetShowQATBelow(true);
}

}  // namespace orv
