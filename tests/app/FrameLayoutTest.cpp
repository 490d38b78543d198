// The backstage frame's stored layout: the lists' disabled button fill, and the menu
// list's published 3-D flag and its appearance's picture container.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "app/ZemFrame2.h"
#include "framework/ClassRegistry.h"
#include "framework/LayoutReader.h"
#include "itemlist/OrvPolyList.h"
#include "paint/GDIPPictureContainer.h"

using namespace orv;

TEST(FrameLayout, TheListsDisabledButtonFillIsClear) {
    TOwnedPtr<TZemFrame2> frame(Make<TZemFrame2>(nullptr));
    for (TOrvPolyList* list : {frame->OrvPolyList1, frame->OrvPolyList2, frame->OrvPolyList3}) {
        ASSERT_NE(list, nullptr);
        TGDIPFill& f = list->List().Appearance().ButtonDisabled();
        SCOPED_TRACE(list->GetName());
        EXPECT_EQ(f.GetColor(), clNone);
        EXPECT_EQ(f.GetColorTo(), clNone);
        EXPECT_EQ(f.GetColorMirror(), clNone);
        EXPECT_EQ(f.GetColorMirrorTo(), clNone);
        EXPECT_EQ(f.GetBorderColor(), clNone);
        EXPECT_EQ(f.GetRounding(), 2);
        EXPECT_EQ(f.GetShadowOffset(), 0);
    }
}

TEST(FrameLayout, TheMenuListPublishesCtl3DAndItsAppearanceThePictureContainer) {
    TOwnedPtr<TZemFrame2> frame(Make<TZemFrame2>(nullptr));
    TOrvPolyMenu* menu = frame->AppMenu1;
    ASSERT_NE(menu, nullptr);
    const TClassInfo* menuClass = TClassRegistry::Find(L"TOrvPolyMenu");
    ASSERT_NE(menuClass, nullptr);
    const TPropInfo* ctl3D = menuClass->FindProp(L"Ctl3D");
    ASSERT_NE(ctl3D, nullptr) << "TOrvPolyMenu publishes Ctl3D";
    EXPECT_EQ(ctl3D->GetInt(menu), 0) << "no 3-D border";
    const TClassInfo* appearanceClass = TClassRegistry::Find(L"TCustomBaseListAppearance");
    ASSERT_NE(appearanceClass, nullptr);
    EXPECT_NE(appearanceClass->FindProp(L"PictureContainer"), nullptr) << "the list appearance publishes it";
    EXPECT_EQ(menu->List().Appearance().GetPictureContainer(), frame->GDIPPictureContainer1);
    // Both are written with the frame, so they come back from its layout.
    const std::wstring text = WriteComponentLayout(frame.get());
    EXPECT_NE(text.find(L"Ctl3D = False"), std::wstring::npos);
    EXPECT_NE(text.find(L"List.Appearance.PictureContainer = GDIPPictureContainer1"), std::wstring::npos);
}
