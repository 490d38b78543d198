// The toolbar as a menu bar: buttons made from a main menu, updating and merging, where
// a menu opens, the wrapping search of the menu mode.
#include "MenuBarTestSupport.h"
#include "framework/ImageList.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/ToolBarMDIButtons.h"
#include "toolbar/ToolBarMenuBar.h"

using namespace orv;
using namespace menubartest;

using Captions = std::vector<std::wstring>;

TEST_F(MenuBarTest, ThreeItemsGiveThreeButtonsInOrderAndANewMenuReplacesThem) {
    TMenuBar m;
    auto* own = new TOrvToolBarButton(m.Form.get());
    own->SetParent(m.Bar);
    TImageList* images = Make<TImageList>(m.Form.get());
    m.Menu->SetImages(images);
    TMenuItem* file = m.Top(L"&File");
    TMenuItem* edit = m.Top(L"&Edit");
    TMenuItem* help = m.Top(L"&Help");
    m.Sub(file, L"Open");
    m.Bar->SetMenu(m.Menu);
    m.Show();

    ASSERT_EQ(m.Captions(), (Captions{L"&File", L"&Edit", L"&Help"}));
    std::vector<TOrvToolBarMenuButton*> b = m.Buttons();
    EXPECT_EQ(b[0]->GetMenuItem(), file);
    EXPECT_EQ(b[1]->GetMenuItem(), edit);
    EXPECT_EQ(b[2]->GetMenuItem(), help);
    for (TOrvToolBarMenuButton* button : b) {
        EXPECT_TRUE(button->GetShowCaption());
        EXPECT_TRUE(button->GetToolBarCreated());
        EXPECT_EQ(button->Parent(), m.Bar);
    }
    EXPECT_LT(b[0]->Left(), b[1]->Left());
    EXPECT_LT(b[1]->Left(), b[2]->Left());
    EXPECT_GT(b[0]->Width(), 0) << "sized to its caption";
    EXPECT_EQ(m.Bar->GetImages(), images) << "the menu's images";
    EXPECT_EQ(GetMenu(m.Form->Handle()), nullptr) << "the form shows no bar of its own";

    // Another menu: the buttons made for the first one go, the toolbar's own stays.
    auto* other = Make<TOrvMainMenu>(m.Form.get());
    m.Top(L"&View", 0, other);
    m.Top(L"&Tools", 0, other);
    m.Bar->SetMenu(other);
    EXPECT_EQ(m.Captions(), (Captions{L"&View", L"&Tools"}));
    EXPECT_EQ(m.Bar->GetToolBarControlCount(), 3) << "three buttons freed, two made";
    EXPECT_EQ(m.Bar->IndexOfToolBarControl(own), 0);
    m.Bar->SetMenu(nullptr);
    EXPECT_TRUE(m.Buttons().empty());
    EXPECT_EQ(m.Bar->IndexOfToolBarControl(own), 0);
}

TEST_F(MenuBarTest, UpdateMenuMirrorsTheItemsAgainAndRemakesTheButtonsForANewItem) {
    TMenuBar m;
    TMenuItem* file = m.Top(L"&File");
    TMenuItem* edit = m.Top(L"&Edit");
    m.Bar->SetMenu(m.Menu);
    std::vector<TOrvToolBarMenuButton*> first = m.Buttons();
    file->SetCaption(L"&Document");
    edit->SetEnabled(false);
    m.Bar->UpdateMenu();
    EXPECT_EQ(m.Buttons(), first) << "the same buttons";
    EXPECT_EQ(m.Captions(), (Captions{L"&Document", L"&Edit"}));
    EXPECT_FALSE(first[1]->GetEnabled());

    m.Top(L"&Help");
    m.Bar->UpdateMenu();
    EXPECT_EQ(m.Captions(), (Captions{L"&Document", L"&Edit", L"&Help"}));
}

TEST_F(MenuBarTest, MergedItemsTakeTheButtonsOfTheirGroupAndOrderByGroupIndex) {
    TMenuBar m;
    m.Top(L"File", 0);
    TMenuItem* edit = m.Top(L"Edit", 1);
    m.Top(L"Window", 9);
    m.Top(L"Help", 10);
    m.Bar->SetMenu(m.Menu);
    const Captions own{L"File", L"Edit", L"Window", L"Help"};
    TOrvToolBarMenuButton* editButton = m.Buttons()[1];

    auto* child = Make<TOrvMainMenu>(m.Form.get());
    TMenuItem* childEdit = m.Top(L"Edit2", 1, child);
    m.Top(L"Tools", 7, child);
    m.Top(L"Format", 5, child);
    m.Bar->MergeMenu(child);
    EXPECT_EQ(m.Bar->MergedMenu(), child);
    EXPECT_EQ(m.Captions(), (Captions{L"File", L"Edit2", L"Format", L"Tools", L"Window", L"Help"}));
    EXPECT_EQ(editButton->GetMenuItem(), childEdit) << "the button of group 1 mirrors the merged item";
    EXPECT_TRUE(editButton->GetMerged());

    m.Bar->MergeMenu(child);
    m.Bar->MergeMenu(m.Menu);
    EXPECT_EQ(m.Captions().size(), 6u) << "merging the merged menu or the bar's own does nothing";

    m.Bar->UnmergeMenu(child);
    EXPECT_EQ(m.Bar->MergedMenu(), nullptr);
    EXPECT_EQ(m.Captions(), own);
    EXPECT_EQ(m.Buttons()[1]->GetMenuItem(), edit);

    // Merging without a menu unmerges, as does a menu freed while merged.
    m.Bar->MergeMenu(child);
    m.Bar->MergeMenu(nullptr);
    EXPECT_EQ(m.Captions(), own);
    m.Bar->MergeMenu(child);
    child->Free();
    EXPECT_EQ(m.Bar->MergedMenu(), nullptr);
    EXPECT_EQ(m.Captions(), own);

    // A bar without a menu of its own merges nothing.
    TMenuBar plain;
    auto* lone = Make<TOrvMainMenu>(plain.Form.get());
    plain.Top(L"Lone", 1, lone);
    plain.Bar->MergeMenu(lone);
    EXPECT_TRUE(plain.Buttons().empty());
}

TEST(MenuBarValues, ButtonOrderMovesTheSmallestGroupForwardUpToTheNextGroupZero) {
    EXPECT_EQ(MenuButtonOrder({0, 1, 9, 10, 5, 7}), (std::vector<int>{0, 1, 4, 5, 2, 3}));
    // A group 0 item keeps its place and ends the search of the positions before it.
    EXPECT_EQ(MenuButtonOrder({3, 1, 0, 2, 1}), (std::vector<int>{1, 0, 2, 4, 3}));
    // Equal indexes keep their order.
    EXPECT_EQ(MenuButtonOrder({4, 2, 2, 4}), (std::vector<int>{1, 2, 0, 3}));
}

TEST(MenuBarValues, MenusOpenUnderTheButtonOrAboveItNearTheBottomAnd52PixelsShortOfTheRightEdge) {
    const TRect monitor{0, 0, 1280, 1024};
    const TSize menu{150, 200};
    EXPECT_EQ(MenuBarPopupPoint(daTop, {100, 20, 140, 42}, menu, monitor, false), (TPoint{100, 42}));
    // 990 + 22 + 200 + 10 passes 1024: above, 4 pixels clear of the button.
    EXPECT_EQ(MenuBarPopupPoint(daTop, {100, 990, 140, 1012}, menu, monitor, false), (TPoint{100, 786}));
    EXPECT_EQ(MenuBarPopupPoint(daTop, {100, 792, 140, 814}, menu, monitor, false), (TPoint{100, 814}))
        << "814 + 200 + 10 is exactly the bottom";
    // A monitor below the first one: its bottom edge counts, not its height.
    EXPECT_EQ(MenuBarPopupPoint(daTop, {100, 1100, 140, 1122}, menu, {0, 1024, 1280, 2048}, false),
              (TPoint{100, 1122}));
    EXPECT_EQ(MenuBarPopupPoint(daTop, {1200, 20, 1240, 42}, menu, monitor, false), (TPoint{1078, 42}));
    EXPECT_EQ(MenuBarPopupPoint(daBottom, {1200, 990, 1240, 1012}, menu, monitor, false), (TPoint{1078, 786}));
    EXPECT_EQ(MenuBarPopupPoint(daTop, {100, 20, 140, 42}, menu, monitor, true), (TPoint{140, 42}));
    EXPECT_EQ(MenuBarPopupPoint(daLeft, {10, 100, 40, 120}, menu, monitor, false), (TPoint{40, 101}));
    EXPECT_EQ(MenuBarPopupPoint(daRight, {1250, 100, 1280, 120}, menu, monitor, false), (TPoint{1100, 101}));
}

TEST(MenuBarValues, WrappingSearchAsksEveryEntryOnceAndGivesUpAfterOneRound) {
    auto only = [](int k) { return [k](int i) { return i == k; }; };
    EXPECT_EQ(WrappingSearch(4, 3, true, only(0)), 0) << "Right from the last wraps to the first";
    EXPECT_EQ(WrappingSearch(4, 0, false, only(3)), 3) << "Left from the first wraps to the last";
    EXPECT_EQ(WrappingSearch(4, 1, true, only(1)), 1) << "itself, asked last";
    EXPECT_EQ(WrappingSearch(4, -1, true, only(0)), 0);
    EXPECT_EQ(WrappingSearch(4, -1, false, only(3)), 3);
    int asked = 0;
    EXPECT_EQ(WrappingSearch(5, 2, true, [&](int) { return ++asked > 100; }), -1);
    EXPECT_EQ(asked, 5);
    EXPECT_EQ(WrappingSearch(0, 0, true, only(0)), -1);
}

TEST(MenuBarValues, MDIButtonsLieAlongTheRightEndOrStackUpFromTheBottom) {
    // Horizontal: close 21 pixels from the end (and the indicator's width further in when
    // one is given), vertically centred; restore and minimise 19 and 38 pixels left.
    EXPECT_EQ(MDIButtonRect(2, 400, 26, true, 0), (TRect{379, 4, 397, 22}));
    EXPECT_EQ(MDIButtonRect(1, 400, 26, true, 0), (TRect{360, 4, 378, 22}));
    EXPECT_EQ(MDIButtonRect(0, 400, 26, true, 0), (TRect{341, 4, 359, 22}));
    EXPECT_EQ(MDIButtonRect(2, 400, 27, true, 14), (TRect{365, 4, 383, 22}));
    // Vertical: close at height - 21, centred across, the others above it.
    EXPECT_EQ(MDIButtonRect(2, 27, 300, false, 14), (TRect{4, 279, 22, 297}));
    EXPECT_EQ(MDIButtonRect(1, 27, 300, false, 14), (TRect{4, 260, 22, 278}));
    EXPECT_EQ(MDIButtonRect(0, 27, 300, false, 14), (TRect{4, 241, 22, 259}));
}
