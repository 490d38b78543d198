// Stored toolbar layouts: what a dock panel, a toolbar and the pager write to an INI file
// or the registry when they go, what they restore when they are loaded, and damaged
// stores (missing, non-numeric, wrong-typed, huge or duplicate entries, stores that refuse writes).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "framework/LayoutReader.h"
#include "toolbar/FloatingWindow.h"
#include "toolbar/OrvDockPanel.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarCustomizer.h"
#include "toolbar/OrvQuickAccessToolBar.h"
#include "toolbar/OrvToolBarPager.h"
#include "toolbar/OrvToolBarButton.h"

using namespace orv;

namespace {

// A scratch folder with one INI file, and one run of a program: a form with a top dock
// panel storing in that file, section "Dock".
class Persist : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t dir[MAX_PATH];
        GetTempPathW(MAX_PATH, dir);
        static int n = 0;
        FFolder =
            std::wstring(dir) + L"orv-persist-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++n);
        CreateDirectoryW(FFolder.c_str(), nullptr);
        FFile = FFolder + L"\\layout.ini";
    }
    void TearDown() override {
        Form.reset();
        SetFileAttributesW(FFile.c_str(), FILE_ATTRIBUTE_NORMAL);
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, FFile.c_str());
        DeleteFileW(FFile.c_str());
        RemoveDirectoryW(FFolder.c_str());
    }
    void Run() {
        Form.reset(Make<TForm>(nullptr));
        Form->SetBounds(50, 50, 840, 400);
        Form->SetClientWidth(800);
        Panel = new TOrvDockPanel(Form.get());
        Panel->SetName(L"Dock1");
        Panel->SetParent(Form.get());
        Panel->Persistence().SetLocation(plIniFile);
        Panel->Persistence().SetKey(FFile);
        Panel->Persistence().SetSection(L"Dock");
        Panel->Persistence().SetEnabled(true);
    }
    // An empty toolbar (74 long) docked in a row of its own at the end.
    TOrvToolBar* Bar(const std::wstring& name, TOrvDockPanel* panel = nullptr) {
        auto* bar = new TOrvToolBar(Form.get());
        bar->SetName(name);
        bar->SetParent(panel ? panel : Panel);
        return bar;
    }
    void Write(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
        WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), FFile.c_str());
    }
    // The file's lines as stored (UTF-16 with its mark, or single-byte text).
    std::wstring FileText() const {
        std::string bytes;
        HANDLE file = CreateFileW(FFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            char chunk[4096];
            DWORD got = 0;
            while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) bytes.append(chunk, got);
            CloseHandle(file);
        }
        if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
            static_cast<unsigned char>(bytes[1]) == 0xFE)
            return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
        return std::wstring(bytes.begin(), bytes.end());
    }
    bool HasLine(const std::wstring& line) const {
        return (L"\n" + FileText()).find(L"\n" + line + L"\r\n") != std::wstring::npos;
    }
    static int RowOf(TOrvDockPanel* panel, TOrvCustomToolBar* bar) { return panel->Rows().IsToolBarAlreadyAdded(bar); }

    std::wstring FFolder, FFile;
    TOwnedPtr<TForm> Form;
    TOrvDockPanel* Panel = nullptr;
};

}  // namespace

TEST(PersistenceRecord, OnChangeOnlyOnARealChangeAndTheDockCopiesAllButTheSection) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    auto* panel = new TOrvDockPanel(form.get());
    panel->SetParent(form.get());
    auto* bar = new TOrvToolBar(form.get());
    bar->SetParent(panel);
    int changes = 0;
    TPersistence& p = panel->Persistence();
    auto chained = p.OnChange;
    p.OnChange = [&](TObject* s) { ++changes, chained(s); };
    p.SetKey(L"Software\\Orv");
    p.SetKey(L"Software\\Orv");
    p.SetEnabled(false);
    p.SetLocation(plRegistry);
    EXPECT_EQ(changes, 1) << "values equal to the current ones raise nothing";
    p.SetLocation(plIniFile);
    p.SetEnabled(true);
    p.SetSection(L"Dock");
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(bar->Persistence().GetKey(), L"Software\\Orv");
    EXPECT_EQ(bar->Persistence().GetLocation(), plIniFile);
    EXPECT_TRUE(bar->Persistence().GetEnabled());
    EXPECT_EQ(bar->Persistence().GetSection(), L"UnDockedOrvToolBars") << "the toolbar keeps its own section";
    auto* late = new TOrvToolBar(form.get());
    late->SetParent(panel);
    EXPECT_EQ(late->Persistence().GetKey(), L"Software\\Orv") << "joining copies them too";
}

TEST_F(Persist, ADockWithTwoToolBarsInARowAndOneHiddenWritesThreeNamesAndOneRow) {
    Run();
    TOrvToolBar* a = Bar(L"A");
    TOrvToolBar* b = Bar(L"B");
    TOrvToolBar* c = Bar(L"C");
    Panel->Rows().MoveToolBarToRow(b, 0);
    c->SetVisible(false);
    auto* unnamed = new TOrvToolBar(Form.get());  // cannot be found again: not stored
    unnamed->SetParent(Panel);
    Panel->Rows().MoveToolBarToRow(unnamed, 0);
    Form.reset();  // the panel saves as it goes
    for (const wchar_t* line :
         {L"[Dock]", L"ToolBarCount=3", L"RowCount=1", L"Name1=A", L"Name2=B", L"Name3=C", L"A.Row=0", L"A.Left=3",
          L"A.Top=1", L"A.Width=74", L"A.Height=26", L"A.Visible=1", L"B.Row=0", L"B.Left=79", L"C.Visible=0"})
        EXPECT_TRUE(HasLine(line)) << "missing " << testing::PrintToString(std::wstring(line)) << " in\n"
                                   << testing::PrintToString(FileText());
    (void)a;
}

TEST_F(Persist, RestoreRebuildsTheStoredRowsAndAToolBarTheStoreLacksGetsARowOfItsOwn) {
    for (auto [k, v] : {std::pair{L"ToolBarCount", L"4"},
                        {L"RowCount", L"1"},
                        {L"Name1", L"A"},
                        {L"A.Row", L"0"},
                        {L"A.Left", L"3"},
                        {L"A.Visible", L"1"},
                        {L"Name2", L"b"},
                        {L"B.Row", L"0"},
                        {L"B.Left", L"300"},
                        {L"B.Top", L"1"},
                        {L"Name3", L"Nobody"},
                        {L"Name4", L"A"}})
        Write(L"Dock", k, v);
    Run();
    TOrvToolBar* a = Bar(L"A");
    TOrvToolBar* b = Bar(L"B");
    TOrvToolBar* c = Bar(L"C");
    Panel->LoadToolBarsPosition();
    ASSERT_EQ(Panel->RowCount(), 2);
    EXPECT_EQ(RowOf(Panel, a), 0);
    EXPECT_EQ(RowOf(Panel, b), 0) << "stored as 'b': names match ignoring case";
    EXPECT_EQ(Panel->Rows().Items(0)->ToolBarList()[0], a) << "stored order is row order";
    EXPECT_EQ(a->Left(), 3);
    EXPECT_EQ(b->Left(), 300);
    EXPECT_EQ(RowOf(Panel, c), 1) << "not stored: a row of its own after the stored ones";
    EXPECT_EQ(c->Top(), 28);
    EXPECT_EQ(Panel->Height(), 55);
}

TEST_F(Persist, ANegativeRowIsNoRowUntilShownAndAVisibleToolBarBeyondTheRowsGetsOne) {
    Write(L"Dock", L"ToolBarCount", L"3");
    Write(L"Dock", L"RowCount", L"-7");
    Write(L"Dock", L"Name3", L"D");
    Write(L"Dock", L"D.Row", L"-1");
    Write(L"Dock", L"Name1", L"A");
    Write(L"Dock", L"A.Row", L"-1");  // like one past the last row: hidden here, so no row
    Write(L"Dock", L"A.Visible", L"0");
    Write(L"Dock", L"A.Left", L"250");
    Write(L"Dock", L"Name2", L"B");
    Write(L"Dock", L"B.Row", L"5");  // beyond the rows but visible: still gets a row
    Write(L"Dock", L"B.Left", L"x12");
    Write(L"Dock", L"B.Width", L"-40");
    Run();
    TOrvToolBar* a = Bar(L"A");
    TOrvToolBar* b = Bar(L"B");
    TOrvToolBar* d = Bar(L"D");
    Panel->LoadToolBarsPosition();
    EXPECT_FALSE(a->GetVisible());
    EXPECT_EQ(a->Left(), 250) << "stored bounds apply without a row";
    EXPECT_EQ(RowOf(Panel, a), -1);
    ASSERT_EQ(RowOf(Panel, b), 0) << "a visible toolbar in no row gets one";
    EXPECT_EQ(b->Left(), 3) << "'x12' is no number: the row places it";
    EXPECT_EQ(b->Width(), 74) << "a negative width is none";
    EXPECT_EQ(RowOf(Panel, d), 1) << "row -1 but visible: a row at the end";
    EXPECT_EQ(Panel->RowCount(), 2);
    a->SetVisible(true);
    EXPECT_EQ(RowOf(Panel, a), 2) << "shown again: a new row at the end";
}

TEST_F(Persist, HugeStoredCountsAreCutTo1024) {
    Write(L"Dock", L"ToolBarCount", L"99999999");
    Write(L"Dock", L"RowCount", L"2147483647");
    Write(L"Dock", L"Name1", L"A");
    Write(L"Dock", L"A.Row", L"1500");
    Write(L"Dock", L"Name1024", L"B");
    Write(L"Dock", L"B.Row", L"1000");
    Write(L"Dock", L"Name1025", L"C");  // past the cut: not read
    Write(L"Dock", L"C.Left", L"400");
    Run();
    TOrvToolBar* a = Bar(L"A");
    TOrvToolBar* b = Bar(L"B");
    TOrvToolBar* c = Bar(L"C");
    Panel->LoadToolBarsPosition();
    EXPECT_EQ(RowOf(Panel, b), 0) << "row 1000 of 1024, the only one not empty";
    EXPECT_EQ(RowOf(Panel, c), 1) << "not read: a row of its own";
    EXPECT_EQ(c->Left(), 3);
    EXPECT_EQ(RowOf(Panel, a), 2) << "row 1500 is past the rows";
    EXPECT_EQ(Panel->RowCount(), 3);
}

TEST_F(Persist, ARegistryStoreWritesDWordsAndStringsAndReadsWrongTypesAsMissing) {
    orvtest::TScratchCurrentUser hkcu;
    Run();
    Panel->Persistence().SetLocation(plRegistry);
    Panel->Persistence().SetKey(L"Software\\OrvTest");
    TOrvToolBar* a = Bar(L"A");
    Bar(L"B");
    Panel->SaveToolBarsPosition();
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\OrvTest\\Dock", 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    DWORD type = 0, value = 0, size = sizeof(value);
    ASSERT_EQ(RegQueryValueExW(key, L"RowCount", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 2u);
    wchar_t text[16] = {};
    size = sizeof(text);
    ASSERT_EQ(RegQueryValueExW(key, L"Name2", nullptr, &type, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::wstring(text), L"B");
    // A hand edit: a row as text, a left as eight bytes; both read as missing.
    RegSetValueExW(key, L"A.Row", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"1"), 4);
    unsigned long long wide = 500;
    RegSetValueExW(key, L"A.Left", 0, REG_QWORD, reinterpret_cast<const BYTE*>(&wide), sizeof(wide));
    const DWORD left = 500, row = 0;
    RegSetValueExW(key, L"B.Left", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&left), sizeof(left));
    RegSetValueExW(key, L"B.Row", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&row), sizeof(row));
    RegCloseKey(key);
    Panel->LoadToolBarsPosition();
    EXPECT_EQ(RowOf(Panel, a), 0) << "the current row stays";
    EXPECT_EQ(a->Left(), 3);
    EXPECT_EQ(Panel->OrvToolBars(1)->Left(), 500);
    EXPECT_EQ(Panel->RowCount(), 1);
    Form.reset();  // saves while the scratch key still stands in
}

TEST_F(Persist, ANameFoundInAnotherDockOfTheFormMovesOver) {
    Write(L"Dock", L"ToolBarCount", L"1");
    Write(L"Dock", L"RowCount", L"1");
    Write(L"Dock", L"Name1", L"Z");
    Write(L"Dock", L"Z.Row", L"0");
    Write(L"Dock", L"Z.Left", L"120");
    Run();
    auto* bottom = new TOrvDockPanel(Form.get());
    bottom->SetParent(Form.get());
    bottom->SetAlign(daBottom);
    TOrvToolBar* z = Bar(L"Z", bottom);
    TOrvToolBar* here = Bar(L"Here");
    Panel->LoadToolBarsPosition();
    EXPECT_EQ(z->CurrentDock(), Panel);
    EXPECT_EQ(bottom->OrvToolBarCount(), 0);
    EXPECT_EQ(bottom->RowCount(), 0);
    EXPECT_EQ(RowOf(Panel, z), 0);
    EXPECT_EQ(z->Left(), 120);
    EXPECT_EQ(RowOf(Panel, here), 1);
    EXPECT_EQ(Panel->OrvToolBarCount(), 2);
}

TEST_F(Persist, AFloatingToolBarComesBackWhereItFloatedAndDockedOnceItStartsDocked) {
    Run();
    TOrvToolBar* a = Bar(L"A");
    auto* b1 = new TOrvToolBarButton(Form.get());
    b1->SetName(L"B1");
    b1->SetParent(a);
    auto* nameless = new TOrvToolBarButton(Form.get());
    nameless->SetParent(a);
    a->SetToolBarFloating({250, 150});
    b1->SetVisible(false);
    Form.reset();
    const std::wstring s = L"UnDockedOrvToolBars";
    EXPECT_TRUE(HasLine(L"A.Name=A"));
    EXPECT_TRUE(HasLine(L"A.State=1"));
    EXPECT_TRUE(HasLine(L"A.Left=250"));
    EXPECT_TRUE(HasLine(L"A.Top=150"));
    EXPECT_TRUE(HasLine(L"A.B1=0"));
    EXPECT_FALSE(HasLine(L"A.=1")) << "a control without a name is not stored";

    Write(s, L"A.Name", L"a");  // names match ignoring case
    Run();
    a = Bar(L"A");
    b1 = new TOrvToolBarButton(Form.get());
    b1->SetName(L"B1");
    b1->SetParent(a);
    Panel->LoadToolBarsPosition();
    ASSERT_EQ(a->GetToolBarState(), tsFloating);
    ASSERT_NE(a->FloatingWindow(), nullptr);
    EXPECT_EQ(a->FloatingWindow()->Left(), 250);
    EXPECT_EQ(a->FloatingWindow()->Top(), 150);
    TPoint at;
    a->GetPosition(at);
    EXPECT_EQ(at, (TPoint{250, 150}));
    EXPECT_FALSE(b1->GetVisible());
    EXPECT_EQ(Panel->OrvToolBarCount(), 0);
    a->Dock(Panel);
    Form.reset();
    EXPECT_TRUE(HasLine(L"A.State=0"));

    Run();
    a = Bar(L"A");
    Panel->LoadToolBarsPosition();
    EXPECT_EQ(a->GetToolBarState(), tsDocked);
}

TEST_F(Persist, ALayoutWithPersistenceSortsMergesAndRestoresWhenLoaded) {
    auto layout = [this](bool enabled) {
        return L"object Form1: TForm\n"
               L"  ClientWidth = 800\n"
               L"  object Dock1: TOrvDockPanel\n"
               L"    Persistence.Location = plIniFile\n"
               L"    Persistence.Key = '" +
               FFile +
               L"'\n"
               L"    Persistence.Section = 'Dock'\n"
               L"    Persistence.Enabled = " +
               (enabled ? L"True" : L"False") +
               L"\n"
               L"    object A: TOrvToolBar\n      Left = 200\n      Top = 1\n    end\n"
               L"    object B: TOrvToolBar\n      Left = 3\n      Top = 1\n    end\n"
               L"    object C: TOrvToolBar\n      Left = 3\n      Top = 28\n    end\n"
               L"  end\n"
               L"end\n";
    };
    Write(L"Dock", L"ToolBarCount", L"1");
    Write(L"Dock", L"Name1", L"C");
    Write(L"Dock", L"C.Row", L"0");
    Write(L"Dock", L"C.Left", L"400");
    for (bool enabled : {false, true}) {
        Form.reset(Make<TForm>(nullptr));
        ReadLayoutText(Form.get(), layout(enabled), L"Persist");
        auto* dock = dynamic_cast<TOrvDockPanel*>(Form->FindComponent(L"Dock1"));
        auto bar = [&](const wchar_t* name) { return dynamic_cast<TOrvCustomToolBar*>(Form->FindComponent(name)); };
        ASSERT_NE(dock, nullptr);
        if (!enabled) {
            // Sorted by (top, left), a row each, then merged by their stored tops.
            ASSERT_EQ(dock->RowCount(), 2);
            EXPECT_EQ(dock->Rows().Items(0)->ToolBarList()[0], bar(L"B"));
            EXPECT_EQ(dock->Rows().Items(0)->ToolBarList()[1], bar(L"A"));
            EXPECT_EQ(bar(L"A")->Left(), 200);
            EXPECT_EQ(RowOf(dock, bar(L"C")), 1);
        } else {
            ASSERT_EQ(dock->RowCount(), 3);
            EXPECT_EQ(RowOf(dock, bar(L"C")), 0) << "the stored row";
            EXPECT_EQ(bar(L"C")->Left(), 400);
            EXPECT_EQ(RowOf(dock, bar(L"B")), 1) << "not stored: rows of their own, in row order";
            EXPECT_EQ(RowOf(dock, bar(L"A")), 2);
        }
    }
}

TEST_F(Persist, AStoreThatRefusesWritesNeitherStopsStartNorCloseButAnExplicitSaveRaises) {
    // A file in a folder that does not exist cannot be written, like a read-only one.
    const std::wstring refusing = FFolder + L"\\missing\\layout.ini";
    std::wstring layout =
        L"object Form1: TForm\n"
        L"  object Bar: TOrvToolBar\n"
        L"    object B1: TOrvToolBarButton\n    end\n"
        L"  end\n"
        L"  object Cust: TOrvToolBarCustomizer\n"
        L"    OrvToolBar = Bar\n"
        L"    FileName = '" +
        refusing +
        L"'\n"
        L"  end\n"
        L"end\n";
    Form.reset(Make<TForm>(nullptr));
    EXPECT_NO_THROW(ReadLayoutText(Form.get(), layout, L"Refusing")) << "the customizer's start-up save is skipped";
    Form.reset();
    Run();
    Panel->Persistence().SetKey(refusing);
    TOrvToolBar* a = Bar(L"A");
    auto* b1 = new TOrvToolBarButton(Form.get());
    b1->SetName(L"B1");
    b1->SetParent(a);
    EXPECT_THROW(Panel->SaveToolBarsPosition(), std::exception);
    EXPECT_THROW(a->SavePosition(), std::exception);
    EXPECT_NO_THROW(Form.reset()) << "the closing saves are skipped";
    EXPECT_EQ(GetFileAttributesW(refusing.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Persist, ThePagerStoresMinimizedAndQATBelowAndAStoredZeroUndoesNeither) {
    auto run = [this]() {
        Form.reset(Make<TForm>(nullptr));
        Form->SetBounds(80, 80, 500, 300);
        auto* pager = new TOrvToolBarPager(Form.get());
        pager->SetParent(Form.get());
        (new TOrvQuickAccessToolBar(Form.get()))->SetParent(pager);
        pager->Persistence().SetLocation(plIniFile);
        pager->Persistence().SetKey(FFile);
        pager->Persistence().SetSection(L"Ribbon");
        pager->Persistence().SetEnabled(true);
        Form->Show();
        return pager;
    };
    TOrvToolBarPager* pager = run();
    pager->Collaps();
    Form.reset();
    EXPECT_TRUE(HasLine(L"Minimized=1"));
    EXPECT_TRUE(HasLine(L"ShowQATBelow=0"));
    Write(L"Ribbon", L"ShowQATBelow", L"1");
    pager = run();
    pager->LoadState();
    EXPECT_FALSE(pager->GetExpanded());
    EXPECT_TRUE(pager->GetShowQATBelow());
    Write(L"Ribbon", L"Minimized", L"0");
    Write(L"Ribbon", L"ShowQATBelow", L"0");
    pager->LoadState();
    EXPECT_FALSE(pager->GetExpanded()) << "a stored 0 keeps it collapsed";
    EXPECT_TRUE(pager->GetShowQATBelow());

    Write(L"Ribbon", L"Minimized", L"1");
    Form.reset(Make<TForm>(nullptr));
    ReadLayoutText(Form.get(),
                   L"object Form1: TForm\n"
                   L"  object Pager1: TOrvToolBarPager\n"
                   L"    Persistence.Location = plIniFile\n"
                   L"    Persistence.Key = '" +
                       FFile +
                       L"'\n"
                       L"    Persistence.Section = 'Ribbon'\n"
                       L"    Persistence.Enabled = True\n"
                       L"  end\n"
                       L"end\n",
                   L"Ribbon");
    pager = dynamic_cast<TOrvToolBarPager*>(Form->FindComponent(L"Pager1"));
    ASSERT_NE(pager, nullptr);
    EXPECT_FALSE(pager->GetExpanded()) << "restored when the layout is loaded";
}
