// A main menu shows as its form's menu bar; detached on purpose, it stays detached.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Forms.h"
#include "framework/Menus.h"

using namespace orv;

TEST(MainMenu, DetachedFromItsOwnerFormItStaysDetachedAfterLoading) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(50, 50, 300, 200);
    form->Show();
    auto* menu = Make<TMainMenu>(form.get());
    menu->AddItem(L"&File");
    EXPECT_EQ(menu->GetForm(), form.get()) << "its owner form takes it";
    EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());

    menu->SetForm(nullptr);
    // As after reading a layout (another component, a menu bar, shows it instead).
    menu->IncludeState(csLoading);
    menu->Loaded();
    EXPECT_EQ(menu->GetForm(), nullptr);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);

    // Given a form again, loading keeps that one.
    menu->SetForm(form.get());
    menu->IncludeState(csLoading);
    menu->Loaded();
    EXPECT_EQ(menu->GetForm(), form.get());
}
