#include <gtest/gtest.h>

#include "TestSupport.h"
#include "buttons/OrvGlowButton.h"
#include "framework/ImageList.h"
#include "framework/IniFiles.h"
#include "framework/LayoutReader.h"
#include "toolbar/CusBtnForm.h"
#include "toolbar/CustomizerForm.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarCustomizer.h"
#include "toolbar/OrvToolBarSeparator.h"

using namespace orv;
using orvtest::PumpFor;
using orvtest::PumpUntil;

namespace {

// A form with a toolbar of B1, B2, a separator S1, B3 and a glow button G1, and a
// customizer named Cust over an INI file in a scratch folder.
class Customizer : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t dir[MAX_PATH];
        GetTempPathW(MAX_PATH, dir);
        static int n = 0;
        FFolder = std::wstring(dir) + L"orv-cust-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++n);
        CreateDirectoryW(FFolder.c_str(), nullptr);
        FFile = FFolder + L"\\layout.ini";
        MakeProgram();
    }
    void TearDown() override {
        Form.reset();
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, FFile.c_str());
        DeleteFileW(FFile.c_str());
        RemoveDirectoryW(FFolder.c_str());
    }

    // One run of the program: the form as designed, before any file name is set.
    void MakeProgram() {
        Form.reset(Make<TForm>(nullptr));
        Form->SetBounds(100, 100, 500, 300);
        Bar = new TOrvToolBar(Form.get());
        Bar->SetName(L"Bar");
        Bar->SetBounds(10, 10, 400, 26);
        Bar->SetCaption(L"Standard");
        Bar->SetParent(Form.get());
        for (const wchar_t* name : {L"B1", L"B2", L"S1", L"B3", L"G1"}) {
            TControl* c = nullptr;
            if (name[0] == L'B') {
                auto* b = new TOrvToolBarButton(Form.get());
                b->SetCaption(std::wstring(L"Button ") + name);
                b->SetHint(std::wstring(L"Hint ") + name);
                c = b;
            } else if (name[0] == L'S') {
                c = new TOrvToolBarSeparator(Form.get());
            } else {
                auto* g = new TOrvGlowButton(Form.get());
                g->SetCaption(L"Glow");
                c = g;
            }
            c->SetName(name);
            c->SetParent(Bar);
        }
        Cust = new TOrvToolBarCustomizer(Form.get());
        Cust->SetName(L"Cust");
        Cust->SetOrvToolBar(Bar);
        auto* print = Cust->Commands().Add();
        print->SetCaption(L"Print Preview");
        print->OnExecute = [this](TObject*) { ++PrintRuns; };
        Cust->Commands().Add()->SetCaption(L"Open");
    }

    std::vector<std::wstring> Names() const {
        std::vector<std::wstring> names;
        for (int i = 0; i < Bar->GetToolBarControlCount(); ++i) names.push_back(Bar->ToolBarControls(i)->GetName());
        return names;
    }
    TControl* Find(const std::wstring& name) const {
        return dynamic_cast<TControl*>(Form->FindComponent(name) ? Form->FindComponent(name) : Bar->FindComponent(name));
    }
    void Write(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
        WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), FFile.c_str());
    }
    std::wstring Read(const std::wstring& section, const std::wstring& key) {
        return TIniFile(FFile).ReadString(section, key, L"<missing>");
    }
    using TNames = std::vector<std::wstring>;

    std::wstring FFolder, FFile;
    TOwnedPtr<TForm> Form;
    TOrvToolBar* Bar = nullptr;
    TOrvToolBarCustomizer* Cust = nullptr;
    int PrintRuns = 0;
};

}  // namespace

TEST_F(Customizer, SettingTheFileNameWritesTheInitialArrangementToTheOrgSection) {
    static_cast<TOrvToolBarButton*>(Find(L"B1"))->SetGlyphPosition(gpTop);
    static_cast<TOrvToolBarButton*>(Find(L"B2"))->SetImageIndex(4);
    Find(L"B3")->SetVisible(false);
    Cust->SetFileName(FFile);
    const std::wstring org = L"CustOrg";
    EXPECT_EQ(Read(org, L"OTBCaption"), L"Standard");
    EXPECT_EQ(Read(org, L"GlyphPosition"), L"1");
    EXPECT_EQ(Read(org, L"LargeIcon"), L"0");
    EXPECT_EQ(Read(org, L"ToolBarItemCount"), L"5");
    EXPECT_EQ(Read(org, L"Name0"), L"B1");
    EXPECT_EQ(Read(org, L"Name0.ClassName"), L"ORVTOOLBARBUTTON");
    EXPECT_EQ(Read(org, L"Name0.Caption"), L"Button B1");
    EXPECT_EQ(Read(org, L"Name0.Hint"), L"Hint B1");
    EXPECT_EQ(Read(org, L"Name1.ImageIndex"), L"4");
    EXPECT_EQ(Read(org, L"Name2"), L"S1");
    EXPECT_EQ(Read(org, L"Name2.ClassName"), L"ORVTOOLBARSEPARATOR");
    EXPECT_EQ(Read(org, L"Name2.Caption"), L"<missing>");
    EXPECT_EQ(Read(org, L"Name3.Visible"), L"0");
    EXPECT_EQ(Read(org, L"Name4.ClassName"), L"ORVCUSTOMGLOWBUTTON");
    EXPECT_EQ(Read(org, L"Name4.Caption"), L"Glow");
    // No customization stored yet: nothing moved.
    EXPECT_EQ(Names(), (TNames{L"B1", L"B2", L"S1", L"B3", L"G1"}));
    EXPECT_EQ(Read(L"Cust", L"ToolBarItemCount"), L"<missing>");
}

TEST_F(Customizer, StoredCustomizationIsAppliedAtStartUpAndResetBringsBackTheStart) {
    const std::wstring s = L"Cust";
    Cust->ButtonProperties().SetVisible(true);  // not stored by default
    Write(s, L"OTBCaption", L"Mine");
    Write(s, L"GlyphPosition", L"2");
    Write(s, L"ToolBarItemCount", L"4");
    Write(s, L"Name0", L"b3");  // names match ignoring case
    Write(s, L"Name0.ClassName", L"ORVTOOLBARBUTTON");
    Write(s, L"Name0.Caption", L"Third");
    Write(s, L"Name0.ShowCaption", L"1");
    Write(s, L"Name1", L"B1");
    Write(s, L"Name1.ClassName", L"ORVTOOLBARBUTTON");
    Write(s, L"Name1.Visible", L"0");
    Write(s, L"Name2", L"ORVTOOLBARBUTTON1");
    Write(s, L"Name2.ClassName", L"ORVTOOLBARBUTTON");
    Write(s, L"Name2.CommandID", L"0");
    Write(s, L"Name2.Caption", L"Print_Preview");
    Write(s, L"Name3", L"Print_Preview");
    Write(s, L"Name3.ClassName", L"ORVCUSTOMGLOWBUTTON");
    Write(s, L"Name3.CommandID", L"1");
    Cust->SetFileName(FFile);

    EXPECT_EQ(Bar->GetCaption(), L"Mine");
    EXPECT_EQ(Names(), (TNames{L"B3", L"B1", L"ORVTOOLBARBUTTON1", L"Print_Preview"}));
    auto* b3 = static_cast<TOrvToolBarButton*>(Find(L"B3"));
    EXPECT_EQ(b3->GetCaption(), L"Third");
    EXPECT_TRUE(b3->GetShowCaption());
    EXPECT_EQ(b3->GetGlyphPosition(), gpRight);
    EXPECT_FALSE(Find(L"B1")->GetVisible());
    auto* made = dynamic_cast<TOrvToolBarButton*>(Bar->ToolBarControls(2));
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(Cust->IsCustomizerCreated(made));
    EXPECT_EQ(made->GetCommandID(), 0);
    made->Click();
    EXPECT_EQ(PrintRuns, 1) << "the made button runs its command";
    auto* glow = dynamic_cast<TOrvCustomGlowButton*>(Bar->ToolBarControls(3));
    ASSERT_NE(glow, nullptr);
    EXPECT_EQ(glow->GetLayout(), blGlyphRight);
    // B2, S1 and G1 are off the toolbar but alive for a reset.
    EXPECT_EQ(Cust->DeleteItems().Count(), 3);
    EXPECT_EQ(Find(L"B2")->Parent(), nullptr);

    Cust->RestoreInitialState();
    EXPECT_EQ(Names(), (TNames{L"B1", L"B2", L"S1", L"B3", L"G1"}));
    EXPECT_EQ(Bar->GetCaption(), L"Standard");
    EXPECT_TRUE(Find(L"B1")->GetVisible());
    EXPECT_EQ(b3->GetCaption(), L"Button B3");
    EXPECT_EQ(Cust->DeleteItems().Count(), 0);
    EXPECT_EQ(Bar->FindComponent(L"ORVTOOLBARBUTTON1"), nullptr) << "made buttons are freed";
    EXPECT_EQ(Bar->FindComponent(L"Print_Preview"), nullptr);
    EXPECT_FALSE(TIniFile(FFile).SectionExists(s)) << "section N is deleted";
    EXPECT_TRUE(TIniFile(FFile).SectionExists(L"CustOrg"));
}

TEST_F(Customizer, ACountOfZeroEmptiesTheToolBarAndBadCountsAreBounded) {
    Write(L"Cust", L"ToolBarItemCount", L"0");
    Cust->SetFileName(FFile);
    EXPECT_EQ(Bar->GetToolBarControlCount(), 0);
    EXPECT_EQ(Cust->DeleteItems().Count(), 5);

    // Negative counts mean "no customization"; a non-number reads as missing.
    for (const wchar_t* count : {L"-5", L"abc", L"-1"}) {
        MakeProgram();
        Write(L"Cust", L"ToolBarItemCount", count);
        Cust->SetFileName(FFile);
        EXPECT_EQ(Names(), (TNames{L"B1", L"B2", L"S1", L"B3", L"G1"})) << "count " << count;
        EXPECT_EQ(Cust->DeleteItems().Count(), 0);
    }
    // A count above 1024 reads as 1024: later entries are not looked at.
    MakeProgram();
    Write(L"Cust", L"ToolBarItemCount", L"2000");
    Write(L"Cust", L"Name0", L"B2");
    Write(L"Cust", L"Name0.ClassName", L"ORVTOOLBARBUTTON");
    Write(L"Cust", L"Name1500", L"B3");
    Write(L"Cust", L"Name1500.ClassName", L"ORVTOOLBARBUTTON");
    Cust->SetFileName(FFile);
    EXPECT_EQ(Names(), (TNames{L"B2"}));
}

TEST_F(Customizer, BadEntriesAreSkippedOrGivenSoundNames) {
    const std::wstring s = L"Cust";
    Write(s, L"GlyphPosition", L"7");  // outside 0..3: glyph positions stay
    Write(s, L"ToolBarItemCount", L"9");
    Write(s, L"Name0", L"B2");
    Write(s, L"Name0.ClassName", L"ORVTOOLBARBUTTON");
    Write(s, L"Name1", L"b2");  // the same control again
    Write(s, L"Name1.ClassName", L"ORVTOOLBARBUTTON");
    Write(s, L"Name2", L"Nothing");  // unknown name, unknown class
    Write(s, L"Name2.ClassName", L"TFancyControl");
    Write(s, L"Name3", L"Lost");  // no class name
    Write(s, L"Name4", L"Bad Name!");  // not a component name
    Write(s, L"Name4.ClassName", L"orvcustomglowbutton");
    Write(s, L"Name6", L"Fresh");
    Write(s, L"Name6.ClassName", L"ORVTOOLBARBUTTON");
    Write(s, L"Name6.CommandID", L"99");  // out of range: unbound
    Write(s, L"Name6.ImageIndex", L"x");  // non-numeric: default
    Write(s, L"Name7", L"fresh");  // the entry before made it: kept in its first place
    Write(s, L"Name7.ClassName", L"ORVTOOLBARBUTTON");
    static_cast<TOrvToolBarButton*>(Find(L"B2"))->SetGlyphPosition(gpBottom);
    EXPECT_NO_THROW(Cust->SetFileName(FFile));
    EXPECT_EQ(Names(), (TNames{L"B2", L"ORVCUSTOMGLOWBUTTON1", L"Fresh"}));
    EXPECT_EQ(static_cast<TOrvToolBarButton*>(Find(L"B2"))->GetGlyphPosition(), gpBottom);
    auto* fresh = static_cast<TOrvToolBarButton*>(Bar->ToolBarControls(2));
    EXPECT_EQ(fresh->GetCommandID(), -1);
    EXPECT_EQ(fresh->GetImageIndex(), -1);
    EXPECT_FALSE(fresh->OnClick);

    // A name the toolbar already owns (Fresh, now kept off the toolbar) is not taken again.
    Write(s, L"ToolBarItemCount", L"0");
    Cust->LoadCustomization();
    EXPECT_EQ(Bar->GetToolBarControlCount(), 0);
    TIniFile(FFile).EraseSection(s);
    Write(s, L"ToolBarItemCount", L"1");
    Write(s, L"Name0", L"FRESH");
    Write(s, L"Name0.ClassName", L"ORVTOOLBARSEPARATOR");
    EXPECT_NO_THROW(Cust->LoadCustomization());
    EXPECT_EQ(Names(), (TNames{L"OrvToolBarSeparator1"}));
}

TEST_F(Customizer, AnOKWriteNamesInsertedControlsSoundly) {
    Cust->SetFileName(FFile);
    TCustomizationData data;
    auto glow = [](const std::wstring& text) {
        TOTBItemProp e;
        e.FIsGlowButton = true;
        e.FHasProperties = true;
        e.FText = e.FCaption = text;
        e.FCommandID = 0;
        return e;
    };
    TOTBItemProp button;
    button.FIsOTBButton = true;
    button.FHasProperties = true;
    button.FCommandID = 1;
    data.Items = {glow(L"Print_Preview"), glow(L"print_preview"), glow(L"Bad Name"), glow(L"g1"), button, button};
    Cust->WriteCustomization(data);
    const std::wstring s = L"Cust";
    EXPECT_EQ(Read(s, L"ToolBarItemCount"), L"6");
    EXPECT_EQ(Read(s, L"Name0"), L"Print_Preview");
    EXPECT_EQ(Read(s, L"Name1"), L"ORVCUSTOMGLOWBUTTON1") << "used in the same write, ignoring case";
    EXPECT_EQ(Read(s, L"Name2"), L"ORVCUSTOMGLOWBUTTON2") << "not a component name";
    EXPECT_EQ(Read(s, L"Name3"), L"ORVCUSTOMGLOWBUTTON3") << "a control of the toolbar has it";
    EXPECT_EQ(Read(s, L"Name4"), L"ORVTOOLBARBUTTON1");
    EXPECT_EQ(Read(s, L"Name5"), L"ORVTOOLBARBUTTON2");
    EXPECT_EQ(Read(s, L"Name4.CommandID"), L"1");
    EXPECT_EQ(Read(s, L"Name0.ForceImageIndex"), L"0");
    EXPECT_EQ(Read(s, L"Name0.Visible"), L"<missing>") << "Visible is not stored by default";
    Cust->LoadCustomization();
    EXPECT_EQ(Names(), (TNames{L"Print_Preview", L"ORVCUSTOMGLOWBUTTON1", L"ORVCUSTOMGLOWBUTTON2",
                               L"ORVCUSTOMGLOWBUTTON3", L"ORVTOOLBARBUTTON1", L"ORVTOOLBARBUTTON2"}));
}

TEST_F(Customizer, ResetFreesOnlyMadeControlsAndKeptControlsAreWatched) {
    Cust->SetFileName(FFile);
    // The program adds a button after the initial state was saved, owned elsewhere.
    TOwnedPtr<TForm> elsewhere(Make<TForm>(nullptr));
    auto* late = new TOrvToolBarButton(elsewhere.get());
    late->SetName(L"Late");
    late->SetParent(Bar);
    TCustomizationData data;
    TOTBItemProp made;
    made.FIsOTBButton = true;
    made.FHasProperties = true;
    made.FCommandID = 0;
    data.Items = {made};
    Cust->WriteCustomization(data);
    Cust->LoadCustomization();
    EXPECT_EQ(Names(), (TNames{L"ORVTOOLBARBUTTON1"}));
    EXPECT_EQ(Cust->DeleteItems().Count(), 6);

    // The owner frees a kept control: the list lets go of it.
    Find(L"B3")->Free();
    EXPECT_EQ(Cust->DeleteItems().Count(), 5);

    Cust->RestoreInitialState();
    EXPECT_EQ(Names(), (TNames{L"B1", L"B2", L"S1", L"G1"}));
    EXPECT_EQ(late->Parent(), nullptr);
    EXPECT_TRUE(Cust->DeleteItems().Contains(late)) << "not made here: kept, not freed";
    EXPECT_EQ(Bar->FindComponent(L"ORVTOOLBARBUTTON1"), nullptr);
    // Its owner frees it: the kept list lets go of it, and a later reset is safe.
    late->Free();
    EXPECT_FALSE(Cust->DeleteItems().Contains(late));
    EXPECT_NO_THROW(Cust->RestoreInitialState());
}

TEST_F(Customizer, LinksCommandsAndImageLists) {
    EXPECT_EQ(Bar->GetCustomizer(), Cust);
    EXPECT_EQ(Cust->CustomizeText(), L"Customize");
    auto* print = static_cast<TOTBCommand*>(Cust->Commands().Items(0));
    EXPECT_EQ(print->GetCaption(), L"Print_Preview");
    auto* action = new TAction(Form.get());
    action->SetCaption(L"Save As");
    print->SetAction(action);
    EXPECT_EQ(print->GetCaption(), L"Save_As");
    action->Free();
    EXPECT_EQ(print->GetAction(), nullptr);

    auto* small = new TImageList(Form.get());
    auto* large = new TImageList(Form.get());
    Cust->SetSmallImages(small);
    Cust->SetLargeImages(large);
    Cust->DialogSettings().SetLargeIcon(true);
    Write(L"Cust", L"LargeIcon", L"1");
    Cust->SetFileName(FFile);
    EXPECT_EQ(Bar->GetImages(), large);
    Cust->SetLargeImages(nullptr);
    EXPECT_EQ(Bar->GetImages(), small) << "the toolbar follows when its large list goes";
    small->Free();
    EXPECT_EQ(Cust->GetSmallImages(), nullptr);

    auto* other = new TOrvToolBar(Form.get());
    Cust->SetOrvToolBar(other);
    EXPECT_EQ(Bar->GetCustomizer(), nullptr);
    EXPECT_EQ(other->GetCustomizer(), Cust);
    other->Free();
    EXPECT_EQ(Cust->GetOrvToolBar(), nullptr);
}

TEST_F(Customizer, DialogInsertsNamesSeparatorsAndPostsItsEntries) {
    Cust->SetFileName(FFile);
    TOwnedPtr<TCustomizerForm> form(new TCustomizerForm(nullptr, *Cust));
    form->LoadLists();
    EXPECT_EQ(form->ItemList()->Count(), 5);
    EXPECT_EQ(form->ItemList()->Items(2), L"Separator");
    EXPECT_EQ(form->CommandList()->Items(0), L"Print_Preview");
    EXPECT_FALSE(form->Modified());
    form->SelectEntry(4);
    form->InsertSeparator();
    form->InsertSeparator();
    EXPECT_EQ(form->Entries()[5].FName, L"OrvToolBarSeparator1");
    EXPECT_EQ(form->Entries()[6].FName, L"OrvToolBarSeparator2");
    form->SelectCommand(0);
    form->InsertCommand(true);
    EXPECT_EQ(form->ItemList()->Items(7), L"Print_Preview");
    EXPECT_EQ(form->SelectedEntry(), 7);
    form->SelectEntry(1);
    form->DeleteEntry();
    EXPECT_EQ(form->SelectedEntry(), 1);
    EXPECT_TRUE(form->Modified());
    form->Post();
    Cust->LoadCustomization();
    EXPECT_EQ(Names(), (TNames{L"B1", L"S1", L"B3", L"G1", L"OrvToolBarSeparator1", L"OrvToolBarSeparator2",
                               L"Print_Preview"}));
    EXPECT_EQ(Find(L"B2")->Parent(), nullptr);

    // Clear asks first; No keeps the list.
    int asked = 0;
    auto old = SetMessageDlgHook([&](const TMessageDlgRequest& r) {
        ++asked;
        EXPECT_EQ(r.Text, L"Are you sure that you want to clear ToolBar?");
        EXPECT_EQ(r.Buttons, mbYesNo);
        return asked == 1 ? mrNo : mrYes;
    });
    form->LoadLists();
    form->ClearEntries();
    EXPECT_EQ(form->ItemList()->Count(), 7);
    form->ClearEntries();
    EXPECT_EQ(form->ItemList()->Count(), 0);
    SetMessageDlgHook(old);
}

namespace {

void MouseAt(TPoint screen, DWORD flags) {
    SetCursorPos(screen.X, screen.Y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof(in));
    PumpFor(40);
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
    PumpFor(40);
}

void Click(TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen({x, y});
    MouseAt(p, MOUSEEVENTF_LEFTDOWN);
    MouseAt(p, MOUSEEVENTF_LEFTUP);
}

}  // namespace

TEST_F(Customizer, RemovingAButtonInTheDialogHidesItNowAndAfterARestart) {
    Form->Show();
    Cust->SetFileName(FFile);
    PumpFor(60);
    TCustomizerForm* shown = nullptr;
    COLORREF firstEntryPixel = CLR_INVALID;
    Cust->OnBeforeDisplay = [&](TObject*) { shown = Cust->DialogForm(); };
    int canShowX = -1, formWidth = 0, barRight = 0;
    Cust->OnCanShow = [&](TObject*, int& x, int&, bool&) {
        canShowX = x;
        barRight = Bar->ClientToScreen({Bar->Width(), 0}).X;
        formWidth = Cust->DialogForm()->Width();
    };
    // The clicks run from a message-loop timer while the dialog is modal.
    static std::function<void()> script;
    script = [&] {
        ASSERT_NE(shown, nullptr);
        TListBox* list = shown->ItemList();
        TRect second = list->ItemRect(1);
        // The selected first entry is drawn in the selection colour.
        HDC screen = GetDC(nullptr);
        TPoint p = list->ClientToScreen({list->ItemRect(0).Right - 3, list->ItemRect(0).Top + 3});
        firstEntryPixel = GetPixel(screen, p.X, p.Y);
        ReleaseDC(nullptr, screen);
        Click(list, 60, second.Top + 5);
        Click(shown->Tool(TCustomizerForm::tDelete), 10, 10);
        Click(shown->OKButton(), 20, 10);
    };
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        script();
    });
    Bar->ShowCustomizer();
    ASSERT_NE(shown, nullptr);
    // Under the toolbar's right end, 12 pixels in, unless that crosses the work area.
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int expectedX = barRight - 12;
    if (expectedX + formWidth > work.right) expectedX = work.right - formWidth;
    EXPECT_EQ(canShowX, expectedX);
    EXPECT_EQ(firstEntryPixel, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(Names(), (TNames{L"B1", L"S1", L"B3", L"G1"})) << "B2 is gone now";
    EXPECT_EQ(Find(L"B2")->Parent(), nullptr);

    // The next run reads the file at start-up.
    MakeProgram();
    Cust->SetFileName(FFile);
    EXPECT_EQ(Names(), (TNames{L"B1", L"S1", L"B3", L"G1"})) << "and after a restart";
}

TEST_F(Customizer, AFileNameReadWithALayoutAppliesTheCustomizationAtStartUp) {
    Write(L"Cust", L"ToolBarItemCount", L"2");
    Write(L"Cust", L"Name0", L"B3");
    Write(L"Cust", L"Name0.ClassName", L"ORVTOOLBARBUTTON");
    Write(L"Cust", L"Name1", L"B1");
    Write(L"Cust", L"Name1.ClassName", L"ORVTOOLBARBUTTON");
    // The program's layout names the customizer, its toolbar and its file.
    Cust->Free();
    std::wstring layout = L"object Form1: TForm\n"
                          L"  object Cust: TOrvToolBarCustomizer\n"
                          L"    OrvToolBar = Bar\n"
                          L"    FileName = '" + FFile + L"'\n"
                          L"    Commands = <\n"
                          L"      item\n"
                          L"        Caption = 'Print Preview'\n"
                          L"      end>\n"
                          L"    DialogSettings.Customize = 'Arrange'\n"
                          L"  end\n"
                          L"end\n";
    ReadLayoutText(Form.get(), layout, L"Customizer");
    auto* cust = dynamic_cast<TOrvToolBarCustomizer*>(Form->FindComponent(L"Cust"));
    ASSERT_NE(cust, nullptr);
    EXPECT_EQ(cust->GetOrvToolBar(), Bar);
    EXPECT_EQ(Bar->GetCustomizer(), cust);
    EXPECT_EQ(cust->CustomizeText(), L"Arrange");
    EXPECT_EQ(static_cast<TOTBCommand*>(cust->Commands().Items(0))->GetCaption(), L"Print_Preview");
    EXPECT_EQ(Names(), (TNames{L"B3", L"B1"}));
    EXPECT_EQ(Read(L"CustOrg", L"ToolBarItemCount"), L"5") << "the start was saved first";
}
