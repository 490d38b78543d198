#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/ActnList.h"
#include "framework/ClassRegistry.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "framework/Menus.h"

using namespace orv;

namespace {

void ClickAt(TWinControl* c) {
    SendMessageW(c->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(c->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TPanel* AddPanel(TForm* form) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    return panel;
}

}  // namespace

TEST(ControlActions, TheClickRunsOnClickUnlessItIsTheActionsOwnHandler) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    auto* action = new TAction(form.get());
    action->SetAutoCheck(true);
    int executed = 0, clicked = 0;
    TComponent* runFor = nullptr;
    action->OnExecute = [&](TObject*) {
        ++executed;
        runFor = action->GetActionComponent();
    };
    TPanel* panel = AddPanel(form.get());
    form->Show();

    panel->SetAction(action);
    EXPECT_TRUE(panel->OnClick == action->OnExecute) << "an empty OnClick takes the action's handler";
    ClickAt(panel);
    EXPECT_EQ(executed, 1) << "the action's handler runs once";
    EXPECT_TRUE(action->GetChecked()) << "through the action (it checks itself), not the handler alone";
    EXPECT_EQ(runFor, panel) << "the control is the action component while the action runs";
    EXPECT_EQ(action->GetActionComponent(), nullptr) << "and only then";

    panel->OnClick = [&](TObject*) { ++clicked; };
    ClickAt(panel);
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(executed, 1) << "a handler of its own replaces the action";

    panel->OnClick = nullptr;
    ClickAt(panel);
    EXPECT_EQ(executed, 2) << "no handler: the action runs";
    EXPECT_FALSE(action->GetChecked());

    // An action whose handler frees the clicked control.
    TPanel* doomed = AddPanel(form.get());
    auto* closer = new TAction(form.get());
    closer->OnExecute = [&](TObject*) { doomed->Free(); };
    doomed->SetAction(closer);
    ClickAt(doomed);
    EXPECT_EQ(form->ControlCount(), 1);
    EXPECT_EQ(closer->GetActionComponent(), nullptr);
}

TEST(ControlActions, ActionChangesReachTheControl) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    auto* action = new TAction(form.get());
    action->SetCaption(L"Open");
    action->SetHelpContext(7);
    TPanel* panel = AddPanel(form.get());
    panel->SetAction(action);
    EXPECT_EQ(panel->GetCaption(), L"Open");
    EXPECT_EQ(panel->GetHelpContext(), 7);

    action->SetCaption(L"Open file");
    action->SetHint(L"Opens");
    action->SetEnabled(false);
    action->SetVisible(false);
    action->SetHelpContext(8);
    EXPECT_EQ(panel->GetCaption(), L"Open file");
    EXPECT_EQ(panel->GetHint(), L"Opens");
    EXPECT_FALSE(panel->GetEnabled());
    EXPECT_FALSE(panel->GetVisible());
    EXPECT_EQ(panel->GetHelpContext(), 8);

    action->Free();
    EXPECT_EQ(panel->GetAction(), nullptr) << "the link goes with the action";
}

TEST(ControlActions, ALayoutLinksActionAndPopupMenuOfAnyControl) {
    if (!TClassRegistry::Find(L"TPopupMenu")) TClassBuilder<TPopupMenu>(L"TPopupMenu", L"TComponent").Factory();
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    ReadLayoutText(form.get(),
                   L"object F: TForm\n"
                   L"  object Menu1: TPopupMenu\n"
                   L"  end\n"
                   L"  object Act1: TAction\n"
                   L"    Caption = 'From action'\n"
                   L"    Hint = 'Action hint'\n"
                   L"  end\n"
                   L"  object P: TPanel\n"
                   L"    Action = Act1\n"
                   L"    Caption = 'Own'\n"
                   L"    PopupMenu = Menu1\n"
                   L"  end\n"
                   L"end\n",
                   L"Linked");
    auto* panel = dynamic_cast<TPanel*>(form->FindComponent(L"P"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->GetAction(), form->FindComponent(L"Act1"));
    EXPECT_EQ(panel->GetPopupMenu(), form->FindComponent(L"Menu1"));
    EXPECT_EQ(panel->GetCaption(), L"Own") << "a stored value wins over the action's";
    EXPECT_EQ(panel->GetHint(), L"Action hint") << "an empty one takes the action's";
    std::wstring written = WriteComponentLayout(form.get());
    EXPECT_NE(written.find(L"Action = Act1"), std::wstring::npos);
    EXPECT_NE(written.find(L"PopupMenu = Menu1"), std::wstring::npos);
    form->FindComponent(L"Menu1")->Free();
    EXPECT_EQ(panel->GetPopupMenu(), nullptr) << "the link is cleared when the menu goes";
}

TEST(MenuItemActions, AnItemFollowsItsActionWhileItsValuesEqualTheActionsAndRunsIt) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    auto* action = new TAction(form.get());
    action->SetCaption(L"&Bold");
    action->SetHint(L"Bold text");
    action->SetImageIndex(3);
    action->SetShortCut(ShortCut('B', ssCtrl));
    action->SetAutoCheck(true);
    int executed = 0;
    TComponent* runFor = nullptr;
    action->OnExecute = [&](TObject*) {
        ++executed;
        runFor = action->GetActionComponent();
    };
    auto* item = new TMenuItem(form.get());
    item->SetAction(action);
    EXPECT_EQ(item->GetAction(), action);
    EXPECT_EQ(item->GetCaption(), L"&Bold");
    EXPECT_EQ(item->GetHint(), L"Bold text");
    EXPECT_EQ(item->GetImageIndex(), 3);
    EXPECT_EQ(item->GetShortCut(), ShortCut('B', ssCtrl));
    EXPECT_TRUE(item->OnClick == action->OnExecute);

    // Changes of the action reach the item.
    action->SetEnabled(false);
    EXPECT_FALSE(item->GetEnabled());
    action->SetEnabled(true);
    action->SetVisible(false);
    EXPECT_FALSE(item->GetVisible());
    action->SetVisible(true);
    action->SetChecked(true);
    EXPECT_TRUE(item->GetChecked());
    action->SetChecked(false);
    action->SetCaption(L"B&old");
    EXPECT_EQ(item->GetCaption(), L"B&old");
    action->SetHint(L"Thicker");
    EXPECT_EQ(item->GetHint(), L"Thicker");

    // The click runs the action (which checks itself) for the item.
    item->Click();
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(runFor, item) << "the item is the action component while the action runs";
    EXPECT_TRUE(action->GetChecked());
    EXPECT_TRUE(item->GetChecked()) << "the action's check reaches the item";
    int own = 0;
    item->OnClick = [&](TObject*) { ++own; };
    item->Click();
    EXPECT_EQ(own, 1);
    EXPECT_EQ(executed, 1) << "a handler of its own replaces the action";

    // A freed action unlinks itself; the item keeps its values and works on.
    action->Free();
    EXPECT_EQ(item->GetAction(), nullptr);
    EXPECT_EQ(item->GetHint(), L"Thicker");
    item->Click();
    EXPECT_EQ(own, 2);
    item->SetAction(nullptr);
    EXPECT_EQ(item->GetAction(), nullptr);
}
