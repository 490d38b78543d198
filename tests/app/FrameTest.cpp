// The backstage frame: built from its layout, its construction-time selection, and the
// menu bringing each entry's list to the front; and the frame as the main window holds it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "app/ZemForm3.h"
#include "app/ZemFrame2.h"
#include "appmenu/OrvPreviewMenu.h"
#include "appbutton/FrameWindow.h"
#include "appbutton/OrvShapeButton.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvToolBarPager.h"
#include "framework/Forms.h"
#include "itemlist/GDIPWedgeItem.h"
#include "itemlist/OrvPolyList.h"
#include "paint/GDIPPictureContainer.h"

using namespace orv;

namespace {

// Which of the three lists is on top, by the native stacking of their windows.
std::wstring TopmostListWindow(TZemFrame2& frame) {
    for (HWND h = GetWindow(frame.Handle(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (h == frame.OrvPolyList1->Handle()) return L"OrvPolyList1";
        if (h == frame.OrvPolyList2->Handle()) return L"OrvPolyList2";
        if (h == frame.OrvPolyList3->Handle()) return L"OrvPolyList3";
    }
    return L"none";
}

// The same by the control list, which holds before any window exists.
std::wstring TopmostListControl(TZemFrame2& frame) {
    for (int i = frame.ControlCount(); i-- > 0;) {
        TControl* c = frame.Controls(i);
        if (c == frame.OrvPolyList1 || c == frame.OrvPolyList2 || c == frame.OrvPolyList3) return c->GetName();
    }
    return L"none";
}

std::wstring CaptionOf(TCustomItemsContainer* list, int index) {
    auto* item = dynamic_cast<TTextItem*>(list->List().Items()[index]);
    return item ? item->GetCaption() : L"<not a text item>";
}

}  // namespace

TEST(BackstageFrame, BuildsItsWholeTreeFromTheLayoutWithMenuItemOneSelected) {
    TOwnedPtr<TZemFrame2> frame(Make<TZemFrame2>(nullptr));
    ASSERT_NE(frame->AppMenu1, nullptr);
    ASSERT_NE(frame->OrvPolyList1, nullptr);
    ASSERT_NE(frame->OrvPolyList2, nullptr);
    ASSERT_NE(frame->OrvPolyList3, nullptr);
    ASSERT_NE(frame->GDIPPictureContainer1, nullptr);
    EXPECT_EQ(frame->BoundsRect(), Bounds(0, 0, 574, 395));

    // The menu: nine entries in table order, tags 1 to 3 on the wedges only.
    const std::vector<std::wstring> captions = {L"Save",        L"Save As",     L"Open",    L"Close", L"Menu Item 1",
                                                L"Menu Item 2", L"Menu Item 3", L"Options", L"Exit"};
    const int tags[] = {0, 0, 0, 0, 1, 2, 3, 0, 0};
    TCustomListObjects& menuItems = frame->AppMenu1->List().Items();
    ASSERT_EQ(menuItems.Count(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(CaptionOf(frame->AppMenu1, i), captions[static_cast<size_t>(i)]) << i;
        EXPECT_EQ(menuItems[i]->GetTag(), tags[i]) << i;
        EXPECT_EQ(menuItems[i]->GetSelectable(), tags[i] != 0) << i;
        EXPECT_EQ(menuItems[i]->Status().GetCaption(), L"0") << i;
    }
    EXPECT_EQ(menuItems[0], static_cast<TCustomItem*>(frame->ImageTextItem1));
    EXPECT_EQ(menuItems[1], static_cast<TCustomItem*>(frame->ImageTextItem3));
    EXPECT_EQ(menuItems[6], static_cast<TCustomItem*>(frame->WedgeItem9));
    EXPECT_EQ(frame->ImageTextItem2->GetImageName(), L"open.png");
    EXPECT_EQ(frame->WedgeItem8->GetHeight(), 40);

    // Each list holds its three sub items.
    TOrvPolyList* lists[] = {frame->OrvPolyList1, frame->OrvPolyList2, frame->OrvPolyList3};
    for (int l = 0; l < 3; ++l) {
        ASSERT_EQ(lists[l]->List().Items().Count(), 3);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(CaptionOf(lists[l], i),
                      L"Menu Item " + std::to_wstring(l + 1) + L" Sub Item " + std::to_wstring(i + 1));
    }

    // 35 pictures, in order, each decodable.
    TPictureCollection& pictures = frame->GDIPPictureContainer1->GetItems();
    ASSERT_EQ(pictures.Count(), 35);
    EXPECT_EQ(pictures.Items(0)->GetName(), L"budgets.png");
    EXPECT_EQ(pictures.Items(15)->GetName(), L"Minutes.png");
    EXPECT_EQ(pictures.Items(34)->GetName(), L"page_print4");
    for (int i = 0; i < 35; ++i) EXPECT_FALSE(pictures.Items(i)->GetPicture().Empty()) << i;
    EXPECT_EQ(pictures.Items(20)->GetPicture().Width(), 16) << "save.png is 16 wide";
    EXPECT_EQ(pictures.Items(28)->GetPicture().Width(), 12) << "options.png is 12 wide";

    // The construction selected "Menu Item 1", and its list is on top.
    EXPECT_EQ(frame->AppMenu1->List().SelectedItem(), static_cast<TCustomItem*>(frame->WedgeItem7));
    EXPECT_EQ(TopmostListControl(*frame), L"OrvPolyList1");
}

TEST(BackstageFrame, ChoosingAMenuEntryBringsItsListToTheFront) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(60, 60, 620, 460);
    auto* frame = Make<TZemFrame2>(form.get());
    frame->SetParent(form.get());
    form->Show();
    SetForegroundWindow(form->Handle());
    orvtest::PumpFor(100);
    ASSERT_EQ(TopmostListWindow(*frame), L"OrvPolyList1") << "the windows follow the construction-time selection";

    // A real click on "Menu Item 3" (item 6, y 233 to 273).
    glowtest::ClickAt(frame->AppMenu1, 80, 253);
    orvtest::PumpFor(50);
    EXPECT_EQ(frame->AppMenu1->List().SelectedItem(), static_cast<TCustomItem*>(frame->WedgeItem9));
    EXPECT_EQ(TopmostListWindow(*frame), L"OrvPolyList3");

    // "Save" is not selectable: nothing changes.
    glowtest::ClickAt(frame->AppMenu1, 80, 15);
    orvtest::PumpFor(50);
    EXPECT_EQ(TopmostListWindow(*frame), L"OrvPolyList3");
    EXPECT_EQ(frame->AppMenu1->List().SelectedItem(), static_cast<TCustomItem*>(frame->WedgeItem9));

    frame->ChangePage(2);
    EXPECT_EQ(TopmostListWindow(*frame), L"OrvPolyList2");
    EXPECT_EQ(TopmostListControl(*frame), L"OrvPolyList2");
    for (int other : {0, 4, -1}) {
        frame->ChangePage(other);
        EXPECT_EQ(TopmostListWindow(*frame), L"OrvPolyList2") << other;
    }
    frame->ChangePage(1);
    EXPECT_EQ(TopmostListWindow(*frame), L"OrvPolyList1");
}

TEST(BackstageFrame, TheMainWindowHoldsItHiddenWithTheRedMenuOverrides) {
    orvtest::TScratchCurrentUser scratch;
    TShowMessageHook old = SetShowMessageHook([](const std::wstring&) {});
    TOwnedPtr<TZemForm3> form(Make<TZemForm3>(nullptr));
    SetShowMessageHook(old);
    ASSERT_NE(form->ZemFrame2, nullptr);
    TZemFrame2& frame = *form->ZemFrame2;
    EXPECT_EQ(frame.Owner(), form.get());
    EXPECT_EQ(frame.BoundsRect(), Bounds(48, 176, 574, 395));
    EXPECT_FALSE(frame.GetVisible());
    ASSERT_NE(frame.AppMenu1, nullptr);
    EXPECT_EQ(frame.AppMenu1->Owner(), &frame) << "the frame's components stay in its own name scope";

    TCustomBaseListAppearance& look = frame.AppMenu1->List().Appearance();
    EXPECT_EQ(look.Hovered().GetColor(), 0x006666FF);
    EXPECT_EQ(look.Hovered().GetOpacity(), 40);
    EXPECT_EQ(look.Hovered().GetBorderColor(), clRed);
    EXPECT_EQ(look.Hovered().GetGlow(), gmNone);
    EXPECT_EQ(look.Down().GetColor(), 0x006666FF);
    EXPECT_EQ(look.Down().GetBorderColor(), clRed);
    EXPECT_EQ(look.Disabled().GetGlow(), gmNone);
    EXPECT_EQ(look.Selected().GetColor(), 0x003333FF);
    EXPECT_EQ(look.Selected().GetGlowGradientColor(), 0x000000CC);
    EXPECT_EQ(look.Selected().GetGlowRadialColor(), clWhite);
    // What the window does not override keeps the frame layout's values.
    EXPECT_EQ(look.Selected().GetGlow(), gmRadialGradient);
    EXPECT_EQ(look.ButtonHovered().GetColor(), 0x008AE3FD);
    EXPECT_EQ(frame.OrvPolyList1->List().Appearance().Hovered().GetBorderColor(), 0x0060CDF2);
    EXPECT_EQ(frame.AppMenu1->List().SelectedItem(), static_cast<TCustomItem*>(frame.WedgeItem7));

    // "File" links the frame and the application menu.
    ASSERT_NE(form->OrvShapeButton1, nullptr);
    EXPECT_EQ(form->OrvShapeButton1->GetText(), L"File");
    EXPECT_EQ(form->OrvShapeButton1->GetFrame(), static_cast<TWinControl*>(&frame));
    EXPECT_EQ(form->OrvShapeButton1->GetOrvPreviewMenu(), form->OrvPreviewMenu1);
    EXPECT_EQ(form->OrvShapeButton1->Parent(), static_cast<TWinControl*>(form->OrvToolBarPager1));
}

TEST(BackstageFrame, FileOnTheShownWindowOpensItAcrossThePagerInTheOffice2010Look) {
    struct TFlags {
        bool Scenic = ScenicRibbonMode, Office = Office2010Look;
        ~TFlags() {
            ScenicRibbonMode = Scenic;
            Office2010Look = Office;
        }
    } restore;
    orvtest::TScratchCurrentUser scratch;
    TShowMessageHook old = SetShowMessageHook([](const std::wstring&) {});
    TOwnedPtr<TZemForm3> form(Make<TZemForm3>(nullptr));
    SetShowMessageHook(old);
    EXPECT_TRUE(ScenicRibbonMode && Office2010Look) << "the styler's Office 2010 style set both look flags";

    // The styler's broadcasts while the layout was read re-bounded and re-styled the
    // button; what it shows is the stored "File".
    TOrvShapeButton* file = form->OrvShapeButton1;
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->BoundsRect(), Bounds(0, 30, 55, 24));
    EXPECT_EQ(file->Appearance().GetShape(), TOrvButtonShape::bsRectangle);
    EXPECT_FALSE(file->Appearance().GetShowMenuShape()) << "no menu glyph in the Office 2010 look";
    EXPECT_EQ(file->Appearance().GetColor(), 0x00DA7D3E);
    EXPECT_EQ(file->Appearance().GetInnerBorderColorHot(), 0x00F3A155);
    EXPECT_EQ(file->Font().GetColor(), clWhite);
    EXPECT_EQ(file->GetFrame(), static_cast<TWinControl*>(form->ZemFrame2));

    form->Show();
    SetForegroundWindow(form->Handle());
    orvtest::PumpFor(150);
    glowtest::ClickAt(file, 27, 12);
    ASSERT_TRUE(
        orvtest::PumpUntil([&] { return file->FrameWindow() && IsWindowVisible(file->FrameWindow()->Handle()); }, 3000))
        << "\"File\" opens the frame window";
    EXPECT_FALSE(form->OrvPreviewMenu1->MenuVisible()) << "the frame, not the application menu";
    RECT r{};
    GetWindowRect(file->FrameWindow()->Handle(), &r);
    TPoint below = file->ClientToScreen({0, 24});
    EXPECT_EQ(r.left, below.X);
    EXPECT_EQ(r.top, below.Y - 1);
    EXPECT_EQ(r.right - r.left, 681) << "as wide as the pager";
    int h = form->Height() - (2 * GetSystemMetrics(SM_CXFRAME) + 24 + 30);
    EXPECT_EQ(r.bottom - r.top, h);
    TZemFrame2& frame = *form->ZemFrame2;
    EXPECT_EQ(frame.Parent(), static_cast<TWinControl*>(file->FrameWindow()));
    EXPECT_EQ(frame.BoundsRect(), Bounds(0, 3, 681, h - 3));
    EXPECT_TRUE(IsWindowVisible(frame.OrvPolyList1->Handle()));
    EXPECT_EQ(TopmostListWindow(frame), L"OrvPolyList1");

    // The main window moves and grows: the frame window stays under "File" and below it.
    const RECT before = r;
    form->SetBounds(form->Left() + 30, form->Top() + 20, form->Width(), form->Height() + 40);
    orvtest::PumpFor(100);
    GetWindowRect(file->FrameWindow()->Handle(), &r);
    below = file->ClientToScreen({0, 24});
    EXPECT_EQ(r.left, before.left + 30);
    EXPECT_EQ(r.left, below.X);
    EXPECT_EQ(r.top, before.top + 20);
    EXPECT_EQ(r.top, below.Y - 1);
    EXPECT_EQ(r.bottom - r.top, h + 40);
    EXPECT_EQ(r.bottom - r.top, form->Height() - (2 * GetSystemMetrics(SM_CXFRAME) + 24 + 30));
    EXPECT_EQ(frame.Height(), r.bottom - r.top - 3);

    glowtest::Keys({VK_ESCAPE});
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !IsWindowVisible(file->FrameWindow()->Handle()); }, 1000))
        << "Escape closes it";
    // The window goes with the frame inside it: the frame's owner frees it once.
}
