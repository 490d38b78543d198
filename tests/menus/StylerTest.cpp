#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Forms.h"
#include "menus/OrvMenuPainter.h"
#include "menus/OrvMenus.h"

using namespace orv;
using namespace orv::menus;

TEST(MenuStyler, InitialValuesOfTheRecords) {
    TOwnedPtr<TOrvMenuStyler> styler(new TOrvMenuStyler(nullptr));
    EXPECT_EQ(styler->Background().GetColor(), 0xFFFAFD);
    EXPECT_EQ(styler->Background().GetPosition(), bpCenter);
    EXPECT_EQ(styler->IconBar().GetGradientDirection(), gdHorizontal);
    EXPECT_EQ(styler->IconBar().GetSize(), 24);
    EXPECT_EQ(styler->SelectedItem().GetColor(), 0xC2EEFF);
    EXPECT_EQ(styler->SelectedItem().GetCheckColor(), 0x3E80FE);
    EXPECT_EQ(styler->RootItem().GetSelectedColorTo(), 0xCDB8B9);
    EXPECT_EQ(styler->RootItem().GetHoverBorderColor(), 0x6F4B4B);
    EXPECT_EQ(styler->Separator().GetColor(), 0x8F6D6E);
    EXPECT_EQ(styler->Separator().GetMargin(), 2);
    EXPECT_EQ(styler->SideBar().Font().GetName(), L"Tahoma");
    EXPECT_EQ(styler->SideBar().Font().GetStyle(), fsBold | fsItalic);
    EXPECT_EQ(styler->SideBar().GetSplitterColor(), 0x808080);
    EXPECT_EQ(styler->SideBar().GetBorderColor(), 0xA19D9D);
    EXPECT_EQ(styler->ButtonAppearance().GetDownColor(), 0xB59285);
    EXPECT_EQ(styler->GetMenuBorderColor(), 0x7C7C94);
    EXPECT_EQ(styler->NotesFont().GetColor(), 0x808080);
    EXPECT_EQ(styler->NotesFont().GetSize(), styler->Font().GetSize() - 2);
    EXPECT_EQ(styler->GetAntiAlias(), aaNone);
    // The glyphs come from the program's bitmap resources.
    EXPECT_EQ(styler->Glyphs().SubMenu().Width(), 4);
    EXPECT_EQ(styler->Glyphs().Check().Height(), 7);
    EXPECT_EQ(styler->Glyphs().Radio().PixelColor(2, 2), clBlack);
    EXPECT_EQ(styler->Glyphs().Radio().PixelColor(0, 0), clWhite);
}

TEST(MenuStyler, LinkingReplacesTheInternalStylerAndUnlinkingRecreatesIt) {
    TOwnedPtr<TOrvPopupMenu> menu(new TOrvPopupMenu(nullptr));
    TCustomOrvMenuStyler* internal = menu->InternalMenuStyler();
    ASSERT_NE(internal, nullptr);
    EXPECT_EQ(internal->GetName(), L"InternalMenuStyler");
    EXPECT_EQ(menu->CurrentMenuStyler(), internal);
    EXPECT_EQ(internal->GetMenu(), menu.get());
    internal->IconBar().SetSize(40);  // must not survive into the fresh one

    int before = TComponent::LiveCount();
    TOwnedPtr<TOrvMenuStyler> external(new TOrvMenuStyler(nullptr));
    menu->SetMenuStyler(external.get());
    EXPECT_EQ(menu->InternalMenuStyler(), nullptr);
    EXPECT_EQ(menu->CurrentMenuStyler(), external.get());
    EXPECT_EQ(external->GetMenu(), menu.get());
    EXPECT_EQ(TComponent::LiveCount(), before) << "internal styler freed, external one made";

    menu->SetMenuStyler(nullptr);
    ASSERT_NE(menu->InternalMenuStyler(), nullptr);
    EXPECT_EQ(menu->CurrentMenuStyler(), menu->InternalMenuStyler());
    EXPECT_EQ(menu->InternalMenuStyler()->IconBar().GetSize(), 24);

    // The external styler going away brings the internal one back as well.
    menu->SetMenuStyler(external.get());
    external.reset();
    ASSERT_NE(menu->CurrentMenuStyler(), nullptr);
    EXPECT_EQ(menu->CurrentMenuStyler(), menu->InternalMenuStyler());
    EXPECT_EQ(menu->CurrentMenuStyler()->Separator().GetWidth(), 1);
}

TEST(MenuStyler, BackReferenceIsClearedWhenItsMenuIsDestroyed) {
    TOwnedPtr<TOrvMenuStyler> shared(new TOrvMenuStyler(nullptr));
    TOwnedPtr<TOrvPopupMenu> first(new TOrvPopupMenu(nullptr));
    TOwnedPtr<TOrvPopupMenu> second(new TOrvPopupMenu(nullptr));
    first->SetMenuStyler(shared.get());
    second->SetMenuStyler(shared.get());
    EXPECT_EQ(shared->GetMenu(), second.get());
    second.reset();
    EXPECT_EQ(shared->GetMenu(), nullptr) << "no dangling back reference";
    EXPECT_EQ(first->CurrentMenuStyler(), shared.get());
    first.reset();
    EXPECT_EQ(shared->GetMenu(), nullptr);
}

TEST(MenuHooking, ItemsGetTheMenuHandlersUnlessTheyHaveTheirOwn) {
    TOwnedPtr<TOrvPopupMenu> menu(new TOrvPopupMenu(nullptr));
    EXPECT_TRUE(menu->GetOwnerDraw());
    menu->SetOwnerDraw(false);
    EXPECT_TRUE(menu->GetOwnerDraw()) << "styled menus are always owner-drawn";
    TMenuItem* plain = menu->AddItem(L"Plain");
    auto* sub = new TMenuItem(menu.get());
    sub->SetCaption(L"Sub");
    auto* own = new TMenuItem(menu.get());
    bool ownDrawn = false;
    own->OnDrawItem = [&](TObject*, TCanvas*, TRect, bool) { ownDrawn = true; };
    sub->Add(own);
    menu->Items()->Add(sub);
    EXPECT_TRUE(static_cast<bool>(plain->OnAdvancedDrawItem));
    EXPECT_TRUE(static_cast<bool>(plain->OnMeasureItem));
    EXPECT_TRUE(static_cast<bool>(own->OnMeasureItem));
    EXPECT_FALSE(static_cast<bool>(own->OnAdvancedDrawItem)) << "an item with its own draw handler keeps it";
    // Hooking twice changes nothing.
    auto before = plain->OnMeasureItem;
    menu->HookItems();
    EXPECT_TRUE(plain->OnMeasureItem == before);

    menu->BeginUpdate();
    TMenuItem* late = menu->AddItem(L"Late");
    EXPECT_FALSE(static_cast<bool>(late->OnAdvancedDrawItem)) << "not hooked while updating";
    menu->EndUpdate();
    EXPECT_TRUE(static_cast<bool>(late->OnAdvancedDrawItem));
}

TEST(MenuPopupPosition, ShiftsForTheCutOffPixels) {
    EXPECT_EQ(StyledPopupX(300, 100, TPopupAlignment::paRight, 1280), 317);
    EXPECT_EQ(StyledPopupX(100, 100, TPopupAlignment::paRight, 1280), 100) << "too close to the left edge";
    EXPECT_EQ(StyledPopupX(1200, 100, TPopupAlignment::paLeft, 1280), 1217);
    EXPECT_EQ(StyledPopupX(100, 100, TPopupAlignment::paLeft, 1280), 100);
    EXPECT_EQ(StyledPopupX(500, 100, TPopupAlignment::paCenter, 1280), 508);
    EXPECT_EQ(StyledPopupX(1275, 100, TPopupAlignment::paCenter, 1280), 1279) << "kept on the desktop";
}
