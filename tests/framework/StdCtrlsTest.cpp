#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Buttons.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "framework/StdCtrls.h"

using namespace orv;
using orvtest::PumpFor;
using orvtest::PumpUntil;

namespace {

void MoveTo(TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen({x, y});
    SetCursorPos(p.X, p.Y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof(in));
    PumpFor(40);
}

void Mouse(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
    PumpFor(40);
}

void ClickAt(TControl* control, int x, int y) {
    MoveTo(control, x, y);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
}

void TypeKey(WORD key) {
    for (DWORD up : {0ul, static_cast<DWORD>(KEYEVENTF_KEYUP)}) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        in.ki.dwFlags = up;
        SendInput(1, &in, sizeof(in));
    }
    PumpFor(40);
}

template <class T>
T* Place(TWinControl* parent, int x, int y, int w, int h) {
    auto* c = new T(parent);
    c->SetBounds(x, y, w, h);
    c->SetParent(parent);
    return c;
}

TOwnedPtr<TForm> MakeForm() {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(100, 100, 400, 320);
    return form;
}

// The button under test, clicked from a timer while its form runs modally.
TButton* gModalButton = nullptr;
void CALLBACK ClickModalButton(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    ClickAt(gModalButton, 10, 10);
}

}  // namespace

TEST(StdCtrls, RealClicksRunButtonsAndToggleCheckBoxes) {
    auto form = MakeForm();
    auto* button = Place<TButton>(form.get(), 10, 10, 75, 25);
    button->SetCaption(L"Go");
    auto* check = Place<TCheckBox>(form.get(), 10, 50, 120, 17);
    check->SetCaption(L"Show Caption");
    int clicks = 0, checkClicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    check->OnClick = [&](TObject*) { ++checkClicks; };
    form->Show();
    PumpFor(60);
    ASSERT_TRUE(button->HandleAllocated());

    ClickAt(button, 30, 12);
    EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }, 500)) << "clicks " << clicks;
    // A press that leaves the button before the release is no click.
    MoveTo(button, 30, 12);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    MoveTo(button, 200, 200);
    Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(clicks, 1);

    ClickAt(check, 6, 8);
    EXPECT_TRUE(check->GetChecked());
    EXPECT_EQ(checkClicks, 1);
    ClickAt(check, 6, 8);
    EXPECT_FALSE(check->GetChecked());
    EXPECT_EQ(checkClicks, 2);
    // Set from code: no click event, but the box shows it.
    check->SetChecked(true);
    EXPECT_EQ(SendMessageW(check->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(checkClicks, 2);
}

TEST(StdCtrls, ModalToolWindowEndsWithTheButtonsModalResult) {
    auto form = MakeForm();
    form->SetBorderStyle(TFormBorderStyle::bsToolWindow);
    auto* ok = Place<TButton>(form.get(), 20, 20, 75, 25);
    ok->SetModalResult(mrOk);
    gModalButton = ok;
    SetTimer(nullptr, 0, 150, ClickModalButton);
    int result = form->ShowModal();
    EXPECT_EQ(result, mrOk);
    EXPECT_FALSE(form->GetVisible());
    EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST(StdCtrls, TypingIntoAnEditChangesItsTextAndRunsOnChange) {
    auto form = MakeForm();
    auto* edit = Place<TEdit>(form.get(), 10, 10, 150, 21);
    edit->SetText(L"x");
    std::vector<std::wstring> seen;
    edit->OnChange = [&](TObject*) { seen.push_back(edit->GetText()); };
    form->Show();
    PumpFor(60);
    EXPECT_EQ(edit->GetText(), L"x") << "text set before the window was made";
    ClickAt(edit, 140, 10);  // caret after the text
    TypeKey('A');
    TypeKey('B');
    EXPECT_EQ(edit->GetText(), L"xab");
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.back(), L"xab");
    // The text survives the window being made again.
    edit->RecreateWnd();
    EXPECT_EQ(edit->GetText(), L"xab");
}

TEST(StdCtrls, OwnerDrawnListDragsAnItemToAnotherPlace) {
    auto form = MakeForm();
    auto* list = Place<TListBox>(form.get(), 10, 10, 160, 200);
    list->SetOwnerDraw(true);
    list->SetItemHeight(20);
    for (const wchar_t* s : {L"A", L"B", L"C", L"D", L"E"}) list->AddItem(s);
    list->SetDragMode(TDragMode::dmAutomatic);
    int painted = 0;
    list->OnDrawItem = [&](TWinControl*, int index, TRect r, TItemDrawState) {
        ++painted;
        list->Canvas().Brush().SetColor(index == 0 ? TColor(0x0000FF) : TColor(0xFFFFFF));
        list->Canvas().FillRect(r);
    };
    list->OnDragOver = [&](TObject*, TObject* source, int, int, TDragState, bool& accept) { accept = source == list; };
    int dropIndex = -2;
    list->OnDragDrop = [&](TObject*, TObject*, int x, int y) {
        dropIndex = list->ItemAtPos({x, y});
        list->MoveItem(list->DragIndex(), dropIndex);
    };
    form->Show();
    PumpFor(100);
    EXPECT_GT(painted, 0);
    // Item 0 is red from its owner's paint: read it from the screen.
    TPoint at = list->ClientToScreen({80, 10});
    HDC screen = GetDC(nullptr);
    COLORREF px = GetPixel(screen, at.X, at.Y);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(px, RGB(255, 0, 0));
    EXPECT_EQ(list->ItemAtPos({5, 65}), 3);
    EXPECT_EQ(list->ItemAtPos({5, 150}), -1);

    MoveTo(list, 40, 10);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    MoveTo(list, 40, 30);
    MoveTo(list, 40, 50);
    MoveTo(list, 40, 70);
    Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(dropIndex, 3);
    ASSERT_EQ(list->Count(), 5);
    EXPECT_EQ(list->Items(0), L"B");
    EXPECT_EQ(list->Items(3), L"A");
    EXPECT_FALSE(TDragOperation::Active());
}

TEST(StdCtrls, ComboBoxKeepsItemsAndReportsAChosenEntry) {
    auto form = MakeForm();
    auto* combo = Place<TComboBox>(form.get(), 10, 10, 150, 22);
    combo->SetOwnerDraw(true);
    combo->SetItemHeight(19);
    for (const wchar_t* s : {L"Left", L"Top", L"Right", L"Bottom"}) combo->AddItem(s);
    combo->SetItemIndex(0);
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    form->Show();
    PumpFor(60);
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 0, 0), 19);
    combo->SetFocus();
    PumpFor(40);
    TypeKey(VK_DOWN);
    EXPECT_EQ(combo->GetItemIndex(), 1);
    EXPECT_EQ(changes, 1);
    // From code: no event.
    combo->SetItemIndex(3);
    EXPECT_EQ(changes, 1);
    combo->DeleteItem(3);
    EXPECT_EQ(combo->GetItemIndex(), -1);
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
}

TEST(StdCtrls, SpeedButtonClicksOnReleaseOverIt) {
    auto form = MakeForm();
    auto* speed = new TSpeedButton(form.get());
    speed->SetBounds(173, 26, 23, 22);
    speed->SetParent(form.get());
    int clicks = 0;
    speed->OnClick = [&](TObject*) { ++clicks; };
    form->Show();
    PumpFor(60);
    MoveTo(speed, 10, 10);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(speed->Pressed());
    Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_FALSE(speed->Pressed());
    EXPECT_EQ(clicks, 1);
    speed->SetEnabled(false);
    ClickAt(speed, 10, 10);
    EXPECT_EQ(clicks, 1);
}

TEST(StdCtrls, DialogControlsAreReadFromALayout) {
    auto form = MakeForm();
    ReadLayoutText(form.get(),
                   L"object Dialog: TForm\n"
                   L"  object Box: TGroupBox\n"
                   L"    Left = 9\n"
                   L"    Top = 3\n"
                   L"    Width = 369\n"
                   L"    Height = 253\n"
                   L"    object Items: TListBox\n"
                   L"      Left = 7\n"
                   L"      Top = 26\n"
                   L"      OwnerDraw = True\n"
                   L"      ItemHeight = 19\n"
                   L"      DragMode = dmAutomatic\n"
                   L"    end\n"
                   L"  end\n"
                   L"  object Ok: TButton\n"
                   L"    Caption = '&Ok'\n"
                   L"    ModalResult = 1\n"
                   L"    Default = True\n"
                   L"  end\n"
                   L"  object Large: TCheckBox\n"
                   L"    Checked = True\n"
                   L"  end\n"
                   L"  object Name: TEdit\n"
                   L"    Text = 'Standard'\n"
                   L"  end\n"
                   L"end\n",
                   L"Dialog");
    auto* items = dynamic_cast<TListBox*>(form->FindComponent(L"Items"));
    auto* ok = dynamic_cast<TButton*>(form->FindComponent(L"Ok"));
    auto* large = dynamic_cast<TCheckBox*>(form->FindComponent(L"Large"));
    auto* edit = dynamic_cast<TEdit*>(form->FindComponent(L"Name"));
    ASSERT_TRUE(items && ok && large && edit);
    EXPECT_EQ(items->Parent(), form->FindComponent(L"Box"));
    EXPECT_TRUE(items->GetOwnerDraw());
    EXPECT_EQ(items->GetItemHeight(), 19);
    EXPECT_EQ(items->GetDragMode(), TDragMode::dmAutomatic);
    EXPECT_EQ(ok->GetModalResult(), mrOk);
    EXPECT_TRUE(ok->GetDefault());
    EXPECT_TRUE(large->GetChecked());
    EXPECT_EQ(edit->GetText(), L"Standard");
}
