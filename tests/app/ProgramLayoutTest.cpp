// The main window's stored layout as it reads it: the application menu's styler after
// every link is made, and the order of the stored components.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "TestSupport.h"
#include "app/ZemForm3.h"
#include "appmenu/OrvPreviewMenu.h"
#include "appmenu/OrvPreviewMenuStylers.h"
#include "framework/Application.h"
#include "framework/LayoutReader.h"
#include "paint/OrvLook.h"
#include "statusbar/OrvOfficeStatusBarStylers.h"
#include "toolbar/OrvToolBarStylers.h"

using namespace orv;

namespace {

struct TLookFlagsKept {
    bool Scenic = ScenicRibbonMode, Office = Office2010Look;
    ~TLookFlagsKept() {
        ScenicRibbonMode = Scenic;
        Office2010Look = Office;
    }
};

TZemForm3* MakeMainWindow() {
    TShowMessageHook old = SetShowMessageHook([](const std::wstring&) {});
    TZemForm3* form = Make<TZemForm3>(nullptr);
    SetShowMessageHook(old);
    return form;
}

int IndexOfComponent(TComponent* owner, TComponent* c) {
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (owner->Components(i) == c) return i;
    return -1;
}

}  // namespace

TEST(ProgramLayout, TheApplicationMenuStylerHasTheScenicWindows7Row) {
    TLookFlagsKept restore;
    orvtest::TScratchCurrentUser scratch;
    TOwnedPtr<TZemForm3> form(MakeMainWindow());
    ASSERT_TRUE(ScenicRibbonMode) << "the toolbar styler's Office 2010 style sets the scenic flag";
    TOrvPreviewMenuOfficeStyler* styler = form->OrvPreviewMenuOfficeStyler1;
    ASSERT_NE(styler, nullptr);
    EXPECT_EQ(styler->GetStyle(), psWindows7);
    EXPECT_EQ(styler->GetRightFrameColor(), 0xFAF5EF);
    EXPECT_EQ(styler->GetLeftFrameColor(), clWhite);
    EXPECT_EQ(styler->FrameAppearance().GetBorderColor(), 10916484);
    EXPECT_EQ(styler->FrameAppearance().GetColor(), 16776956);
    EXPECT_EQ(styler->MenuItemAppearance().GetTextColor(), 6570533);
    EXPECT_EQ(styler->ButtonAppearance().GetColor(), 16513270);
    EXPECT_EQ(styler->ButtonAppearance().GetBorderColorHot(), 47103);
}

TEST(ProgramLayout, TheStatusBarStylerIsTheLastStoredComponent) {
    TLookFlagsKept restore;
    orvtest::TScratchCurrentUser scratch;
    TOwnedPtr<TZemForm3> form(MakeMainWindow());
    const int statusStyler = IndexOfComponent(form.get(), form->OrvOfficeStatusBarOfficeStyler1);
    ASSERT_GE(statusStyler, 0);
    EXPECT_GT(statusStyler, IndexOfComponent(form.get(), form->OrvPreviewMenu1));
    EXPECT_GT(statusStyler, IndexOfComponent(form.get(), form->OrvPreviewMenuOfficeStyler1));
    EXPECT_GT(statusStyler, IndexOfComponent(form.get(), form->OrvToolBarOfficeStyler1));
    // The same order when the window is written out again.
    const std::wstring text = WriteComponentLayout(form.get());
    const size_t menuStyler = text.find(L"object OrvPreviewMenuOfficeStyler1:");
    const size_t status = text.find(L"object OrvOfficeStatusBarOfficeStyler1:");
    ASSERT_NE(menuStyler, std::wstring::npos);
    ASSERT_NE(status, std::wstring::npos);
    EXPECT_GT(status, menuStyler);
}
