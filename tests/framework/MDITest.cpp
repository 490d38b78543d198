#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/SysUtils.h"

using namespace orv;

namespace {

struct TMDIFixture {
    TOwnedPtr<TForm> Frame{Make<TForm>(nullptr)};
    int ActiveChanges = 0;
    TMDIFixture() {
        Frame->SetFormStyle(TFormStyle::fsMDIForm);
        Frame->SetBounds(40, 40, 640, 420);
        Frame->OnActiveMDIChildChange = [this](TObject*) { ++ActiveChanges; };
        Frame->Show();
    }
    TForm* AddChild(const std::wstring& caption, int left) {
        auto* child = Make<TForm>(Frame.get());
        child->SetFormStyle(TFormStyle::fsMDIChild);
        child->SetCaption(caption);
        child->SetBounds(left, 10, 200, 150);
        child->Show();
        return child;
    }
};

std::wstring ClassOf(HWND h) {
    wchar_t name[64] = {};
    GetClassNameW(h, name, 64);
    return name;
}

void PressCtrlF6() {
    INPUT in[4]{};
    for (auto& i : in) i.type = INPUT_KEYBOARD;
    in[0].ki.wVk = VK_CONTROL;
    in[1].ki.wVk = VK_F6;
    in[2].ki.wVk = VK_F6;
    in[2].ki.dwFlags = KEYEVENTF_KEYUP;
    in[3].ki.wVk = VK_CONTROL;
    in[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, in, sizeof(INPUT));
}

}  // namespace

TEST(MDI, ChildrenLiveInTheClientWindowAndTheFrameKnowsTheActiveOne) {
    TMDIFixture f;
    HWND client = f.Frame->ClientHandle();
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(ClassOf(client), L"MDIClient");
    TForm* a = f.AddChild(L"A", 0);
    TForm* b = f.AddChild(L"B", 30);
    TForm* c = f.AddChild(L"C", 60);
    orvtest::PumpFor(30);
    EXPECT_EQ(GetParent(c->Handle()), client);
    EXPECT_TRUE(GetWindowLongW(c->Handle(), GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(GetWindowLongW(c->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
    EXPECT_EQ(f.Frame->MDIChildCount(), 3);
    EXPECT_EQ(f.Frame->ActiveMDIChild(), c) << "the last one shown";
    EXPECT_EQ(f.Frame->MDIChildren(0), c) << "active first";
    EXPECT_EQ(c->Left(), 60) << "child bounds are client coordinates";

    int changes = f.ActiveChanges;
    f.Frame->Next();
    TForm* next = f.Frame->ActiveMDIChild();
    EXPECT_TRUE(next == a || next == b);
    EXPECT_GT(f.ActiveChanges, changes);
    f.Frame->Previous();
    EXPECT_EQ(f.Frame->ActiveMDIChild(), c);

    // Freeing the active child activates another and updates the list.
    changes = f.ActiveChanges;
    c->Free();
    orvtest::PumpFor(20);
    EXPECT_EQ(f.Frame->MDIChildCount(), 2);
    TForm* now = f.Frame->ActiveMDIChild();
    EXPECT_TRUE(now == a || now == b);
    EXPECT_GT(f.ActiveChanges, changes);

    // Closing a child minimizes it by default.
    now->Close();
    EXPECT_TRUE(IsIconic(now->Handle()));
}

TEST(MDI, TileAndCascadeArrangeTheChildren) {
    TMDIFixture f;
    std::vector<TForm*> children{f.AddChild(L"A", 0), f.AddChild(L"B", 0), f.AddChild(L"C", 0)};
    f.Frame->Tile(TTileMode::tbVertical);
    RECT cr;  // after tiling: the scroll bars the children needed before are gone
    GetClientRect(f.Frame->ClientHandle(), &cr);
    std::vector<int> lefts;
    for (TForm* c : children) {
        EXPECT_EQ(c->Top(), 0);
        EXPECT_NEAR(c->Width(), cr.right / 3, 2) << "side by side, a third of the client each";
        EXPECT_EQ(c->Height(), cr.bottom);
        lefts.push_back(c->Left());
    }
    std::sort(lefts.begin(), lefts.end());
    EXPECT_EQ(lefts[0], 0);
    EXPECT_NEAR(lefts[1], cr.right / 3, 2);

    f.Frame->Cascade();
    std::vector<int> tops;
    for (TForm* c : children) tops.push_back(c->Top());
    std::sort(tops.begin(), tops.end());
    EXPECT_LT(tops[0], tops[1]) << "stepped";
    EXPECT_LT(tops[1], tops[2]);
}

TEST(MDI, CtrlF6ThroughTheApplicationLoopActivatesTheNextChild) {
    TMDIFixture f;
    TForm* a = f.AddChild(L"A", 0);
    TForm* b = f.AddChild(L"B", 40);
    orvtest::PumpFor(30);
    ASSERT_EQ(f.Frame->ActiveMDIChild(), b);
    SetForegroundWindow(f.Frame->Handle());
    b->SetFocus();
    PressCtrlF6();
    for (int i = 0; i < 50 && f.Frame->ActiveMDIChild() != a; ++i) {
        Application->ProcessMessages();
        Sleep(5);
    }
    EXPECT_EQ(f.Frame->ActiveMDIChild(), a);
}

TEST(MDI, TheWindowMenuListsTheChildren) {
    TMDIFixture f;
    auto* menu = new TMainMenu(f.Frame.get());
    menu->AddItem(L"&File");
    TMenuItem* window = menu->AddItem(L"&Window");
    window->Add(new TMenuItem(menu));
    window->Items(0)->SetCaption(L"&Cascade");
    menu->SetForm(f.Frame.get());
    f.Frame->SetWindowMenu(window);
    f.AddChild(L"First child", 0);
    f.AddChild(L"Second child", 0);
    orvtest::PumpFor(30);
    HMENU sub = window->Handle();
    int count = GetMenuItemCount(sub);
    EXPECT_EQ(count, 1 + 1 + 2) << "own item, separator, one entry per child";
    wchar_t text[64] = {};
    GetMenuStringW(sub, count - 1, text, 64, MF_BYPOSITION);
    EXPECT_NE(std::wstring(text).find(L"child"), std::wstring::npos) << std::wstring(text);
}

TEST(MDI, TheClientWindowTakesOnlyWhatAnAlignedControlLeaves) {
    // The control is aligned before the frame's window exists, then the frame shows.
    TOwnedPtr<TForm> frame(Make<TForm>(nullptr));
    frame->SetFormStyle(TFormStyle::fsMDIForm);
    frame->SetBounds(40, 40, 640, 420);
    auto* bar = new TCustomControl(frame.get());
    bar->SetParent(frame.get());
    bar->SetAlign(TAlign::alTop);
    bar->SetHeight(30);
    frame->Show();
    auto clientTop = [&] {
        RECT r;
        GetWindowRect(frame->ClientHandle(), &r);
        POINT p{r.left, r.top};
        ScreenToClient(frame->Handle(), &p);
        return p.y;
    };
    orvtest::PumpFor(30);
    EXPECT_EQ(clientTop(), 30);
    auto* child = Make<TForm>(frame.get());
    child->SetFormStyle(TFormStyle::fsMDIChild);
    child->SetBounds(0, 10, 200, 150);
    child->Show();
    child->SetWindowState(TWindowState::wsMaximized);
    orvtest::PumpFor(30);
    EXPECT_TRUE(frame->ActiveMDIChildMaximized());
    EXPECT_EQ(clientTop(), 30) << "not over the aligned control";
    frame->SetBounds(40, 40, 600, 400);
    orvtest::PumpFor(30);
    EXPECT_EQ(clientTop(), 30) << "after the frame's own resize";
}

TEST(MDI, AChildWithoutAnMDIFormCannotBeShown) {
    TOwnedPtr<TForm> child(Make<TForm>(nullptr));
    child->SetFormStyle(TFormStyle::fsMDIChild);
    EXPECT_THROW(child->Show(), EInvalidOperation);
    EXPECT_FALSE(child->HandleAllocated());
}
