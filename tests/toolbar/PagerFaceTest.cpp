// The pager window's kept faces (backdrop, tabs, page background) against its direct
// paint after each kind of change, and the buttons it takes from the resources: help,
// expand/collapse, option pictures, and the MDI buttons of a maximized MDI child; the
// transparent buttons' faces kept over the backdrop, and the tab area ending before the
// row's buttons.
#include <gtest/gtest.h>

#include <windows.h>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "buttons/OrvGlowButton.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "paint/FaceCache.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvPageScrollButton.h"
#include "toolbar/OrvToolBarPager.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/PagerPaint.h"

using namespace orv;
using namespace glowtest;

namespace {

struct TFaceCacheScope {
    bool Saved = PagerFaceCache;
    ~TFaceCacheScope() { PagerFaceCache = Saved; }
};

// A form with a 600 x 149 pager of five pages on the Office 2010 blue styler.
struct TPagerWindow {
    // The styler's link sets the process-wide look flags; later tests get them back.
    struct TLookScope {
        bool Look = Office2010Look, Scenic = ScenicRibbonMode;
        ~TLookScope() { Office2010Look = Look, ScenicRibbonMode = Scenic; }
    } LookScope;
    TOwnedPtr<TOrvToolBarOfficeStyler> Styler{Make<TOrvToolBarOfficeStyler>(nullptr)};
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvToolBarPager* Pager;

    explicit TPagerWindow(TFormStyle style = TFormStyle::fsNormal) {
        SetCursorPos(20, 20);
        // The classic look: the geometry below has no scenic caption.
        Styler->SetStyle(bsOffice2007Luna);
        Form->SetFormStyle(style);
        Form->SetBounds(60, 60, 640, 400);
        Form->SetClientWidth(600);
        // Along the top: an MDI form's client window takes the rest.
        Pager = new TOrvToolBarPager(Form.get());
        Pager->SetParent(Form.get());
        Pager->SetToolBarStyler(Styler.get());
        Pager->Caption().SetCaption(L"Document1 - Quillan");
        for (const wchar_t* c : {L"Home", L"Insert", L"Page Layout", L"References", L"Review"}) Pager->AddOrvPage(c);
        Form->Show();
        SetForegroundWindow(Form->Handle());
        orvtest::PumpFor(60);
        EXPECT_EQ(600, Pager->Width());
        EXPECT_EQ(149, Pager->Height());
    }
    ~TPagerWindow() { SetCursorPos(20, 20); }

    // The pager and its active page as painted into a bitmap, through the faces or not.
    std::unique_ptr<TBitmap> Paint(bool faces) {
        PagerFaceCache = faces;
        auto bmp = std::make_unique<TBitmap>(Pager->Width(), Pager->Height());
        HDC dc = bmp->Canvas().Handle();
        Pager->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        if (TOrvPage* page = Pager->GetActivePage(); page && page->GetVisible()) {
            SetViewportOrgEx(dc, page->Left(), page->Top(), nullptr);
            page->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
            SetViewportOrgEx(dc, 0, 0, nullptr);
        }
        return bmp;
    }
};

std::vector<uint8_t> ResourceBytes(const wchar_t* name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC res = FindResourceW(module, name, reinterpret_cast<LPCWSTR>(RT_RCDATA));
    if (!res) return {};
    auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(module, res)));
    return std::vector<uint8_t>(data, data + SizeofResource(module, res));
}

}  // namespace

TEST(PagerFaces, KeptFacesMatchTheDirectPaintAfterEveryKindOfChange) {
    TFaceCacheScope scope;
    TPagerWindow w;
    TTabGroupItem* group = w.Pager->TabGroups().Add();
    group->SetCaption(L"Table Tools");
    group->SetTabIndexStart(1);
    group->SetTabIndexEnd(3);

    // Each change is painted through the faces first, so a face kept from before the
    // change would show in the comparison.
    auto check = [&](const char* what) {
        auto kept = w.Paint(true);
        auto direct = w.Paint(false);
        EXPECT_EQ("", orvtest::FirstPixelDifference(*kept, *direct)) << what;
    };
    check("first paint");
    check("second paint, from the kept faces");
    w.Pager->Caption().SetCaption(L"Report - Quillan");
    check("caption text");
    group->SetCaption(L"Chart Tools");
    check("group caption");
    w.Pager->SetActivePageIndex(2);
    check("a page of the group active");
    group->SetDefaultAppearance(false);
    check("the group's own appearance");
    group->GroupAppearance().SetColor(0x0000C000);
    check("a colour of the group's own appearance");
    w.Styler->PagerCaption().SetTextColor(0x000000FF);
    check("the styler's caption text colour");
    w.Pager->Pages(4)->SetCaption(L"Mailings and more");
    check("a tab caption (tabs move)");
    w.Pager->Collaps();
    check("collapsed");
}

TEST(PagerFaces, AGroupsOwnFillShowsAndFollowsItsChanges) {
    TFaceCacheScope scope;
    PagerFaceCache = true;
    TPagerWindow w;
    TTabGroupItem* group = w.Pager->TabGroups().Add();
    group->SetCaption(L"");
    group->SetTabIndexStart(1);
    group->SetTabIndexEnd(2);
    group->SetDefaultAppearance(false);
    auto solid = [group](TColor c) {
        TGroupAppearance& a = group->GroupAppearance();
        a.SetColor(c);
        a.SetColorTo(c);
        a.SetColorMirror(c);
        a.SetColorMirrorTo(c);
    };
    solid(0x000000FF);
    TRect g;
    bool edge;
    ASSERT_TRUE(w.Pager->GetTabGroupRect(0, g, edge));
    // The middle of the group's caption part: above the tab row, left of any text.
    const int x = (g.Left + g.Right) / 2, y = (g.Top + 8 + w.Pager->GetTabRowRect().Top) / 2;
    auto painted = w.Paint(true);
    EXPECT_EQ(0x000000FF, painted->Canvas().GetPixel(x, y));
    solid(0x00FF0000);
    painted = w.Paint(true);
    EXPECT_EQ(0x00FF0000, painted->Canvas().GetPixel(x, y)) << "the kept backdrop follows the group's fill";
}

TEST(PagerButtons, HelpExpandCollapseAndOptionPicturesComeFromTheResources) {
    TPagerWindow w;
    w.Pager->SetShowExpandCollapsButton(true);
    const std::vector<uint8_t> up = ResourceBytes(L"OTBECUP_BTN"), down = ResourceBytes(L"OTBECDOWN_BTN"),
                               pinned = ResourceBytes(L"OTBECNCH_BTN");
    ASSERT_FALSE(up.empty());
    ASSERT_NE(up, down);
    ASSERT_NE(down, pinned);
    EXPECT_EQ(ResourceBytes(L"OTBHELP_BTN"), w.Pager->HelpButton()->Picture().GetData());
    EXPECT_EQ(16, w.Pager->HelpButton()->Picture().Width());
    EXPECT_EQ(ResourceBytes(L"OPTIONIND_PIC"), w.Pager->OptionPicture().GetData());
    EXPECT_EQ(ResourceBytes(L"OPTIONIND_PICD"), w.Pager->OptionDisabledPicture().GetData());
    // Help at the right end of the tab row, expand/collapse left of it.
    const TRect help = w.Pager->HelpButton()->BoundsRect(), expand = w.Pager->ExpandCollapsButton()->BoundsRect();
    EXPECT_EQ(600 - 4 - 2 - 16, help.Left);
    EXPECT_EQ(help.Left - 2 - 16, expand.Left);

    TGDIPPicture& picture = w.Pager->ExpandCollapsButton()->Picture();
    EXPECT_EQ(up, picture.GetData()) << "expanded";
    ClickAt(w.Pager->ExpandCollapsButton(), 8, 8);
    ASSERT_FALSE(w.Pager->GetExpanded()) << "a click collapses";
    EXPECT_EQ(down, picture.GetData()) << "collapsed";
    w.Pager->ShowMinimizedRibbon();
    ASSERT_TRUE(w.Pager->PopupShowing());
    EXPECT_EQ(pinned, picture.GetData()) << "collapsed, the page showing in the pop-up";
    w.Pager->HideMinimizedRibbon();
    EXPECT_EQ(down, picture.GetData());
    ClickAt(w.Pager->ExpandCollapsButton(), 8, 8);
    EXPECT_TRUE(w.Pager->GetExpanded()) << "a second click expands";
    EXPECT_EQ(up, picture.GetData());
}

TEST(PagerButtons, MDIButtonsFollowTheMaximizedChildAndActOnIt) {
    TPagerWindow w(TFormStyle::fsMDIForm);
    // Without the help button the row's right end is the MDI area's alone.
    w.Pager->SetShowHelpButton(false);
    w.Pager->SetAutoMDIButtons(true);
    EXPECT_EQ(nullptr, w.Pager->MDIButton(0)) << "no maximized child yet";

    TOwnedPtr<TForm> child(Make<TForm>(w.Form.get()));
    child->SetFormStyle(TFormStyle::fsMDIChild);
    child->SetBorderIcons(biSystemMenu | biMaximize);  // no minimize icon
    int closes = 0;
    child->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
    child->Show();
    child->SetWindowState(TWindowState::wsMaximized);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return w.Pager->MDIButton(2) && w.Pager->MDIButton(2)->GetVisible(); }))
        << "the buttons come with the maximized child";

    // Tab area right: 600 - 4 (inset) - 3 x (16 + 2) - 5 = 537; the area starts 2 right of
    // it; tab area 31 to 57, so centred 36, raised by 4.
    for (int i = 0; i < 3; ++i) {
        TOrvGlowButton* b = w.Pager->MDIButton(i);
        ASSERT_NE(nullptr, b);
        EXPECT_EQ((TRect{539 + 18 * i, 32, 555 + 18 * i, 48}), b->BoundsRect()) << "button " << i;
    }
    EXPECT_EQ(537, w.Pager->GetTabAreaRect().Right);
    EXPECT_FALSE(w.Pager->MDIButton(0)->GetEnabled()) << "the child has no minimize icon";
    EXPECT_TRUE(w.Pager->MDIButton(1)->GetEnabled());
    EXPECT_TRUE(w.Pager->MDIButton(2)->GetEnabled());

    ClickAt(w.Pager->MDIButton(0), 8, 8);
    orvtest::PumpFor(50);
    EXPECT_EQ(TWindowState::wsMaximized, child->GetWindowState()) << "a disabled minimize does nothing";

    ClickAt(w.Pager->MDIButton(1), 8, 8);
    EXPECT_EQ(TWindowState::wsNormal, child->GetWindowState()) << "restore";
    EXPECT_FALSE(w.Pager->MDIButton(1)->GetVisible()) << "no maximized child, no buttons";

    child->SetWindowState(TWindowState::wsMaximized);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return w.Pager->MDIButton(2)->GetVisible(); }));
    ClickAt(w.Pager->MDIButton(2), 8, 8);
    EXPECT_EQ(1, closes) << "close acts on the child";

    w.Pager->SetAutoMDIButtons(false);
    child->SetWindowState(TWindowState::wsMaximized);
    orvtest::PumpFor(300);
    EXPECT_FALSE(w.Pager->MDIButton(2)->GetVisible()) << "AutoMDIButtons off";
    EXPECT_EQ(600 - 4, w.Pager->GetTabAreaRect().Right);
}

namespace {

struct TGlowCacheScope {
    bool Saved = GlowFaceCache;
    ~TGlowCacheScope() { GlowFaceCache = Saved; }
};

// The button alone, painted into a bitmap of its size as its parent would have it.
std::unique_ptr<TBitmap> PaintButton(TOrvGlowButton* button, bool kept) {
    GlowFaceCache = kept;
    auto bmp = std::make_unique<TBitmap>(button->Width(), button->Height());
    button->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bmp->Canvas().Handle()), 0);
    return bmp;
}

LRESULT AskBackground(TOrvToolBarPager* pager, const TRect& rect, uint64_t& key) {
    TParentBackgroundQuery query;
    query.Rect = rect;
    LRESULT answer = pager->Perform(WM_ORV_PARENTBACKGROUNDKEY, 0, reinterpret_cast<LPARAM>(&query));
    key = query.Key;
    return answer;
}

}  // namespace

TEST(PagerButtons, TransparentButtonsShowTheirKeptFaceOverThePagersBackdrop) {
    TFaceCacheScope scope;
    TGlowCacheScope glowScope;
    PagerFaceCache = true;
    TPagerWindow w;
    w.Pager->SetShowExpandCollapsButton(true);
    // A transparent button of the program's own over the middle of the caption text.
    auto* overText = new TOrvGlowButton(w.Form.get());
    overText->SetTransparent(true);
    overText->SetShowCaption(false);
    overText->SetBounds(w.Pager->Width() / 2 - 30, 6, 60, 16);
    overText->SetParent(w.Pager);
    orvtest::PumpFor(30);
    const std::vector<TOrvGlowButton*> buttons{w.Pager->CloseButton(),         w.Pager->MaxButton(),
                                               w.Pager->MinButton(),           w.Pager->HelpButton(),
                                               w.Pager->ExpandCollapsButton(), overText};
    for (TOrvGlowButton* b : buttons) ASSERT_NE(nullptr, b);

    auto check = [&](const char* what) {
        for (size_t i = 0; i < buttons.size(); ++i) {
            auto kept = PaintButton(buttons[i], true);
            auto direct = PaintButton(buttons[i], false);
            EXPECT_EQ("", orvtest::FirstPixelDifference(*kept, *direct)) << what << ", button " << i;
        }
    };
    check("first paint");
    for (TOrvGlowButton* b : buttons) PaintButton(b, true);
    SharedFaceCache().ResetCounters();
    for (TOrvGlowButton* b : buttons) PaintButton(b, true);
    EXPECT_EQ(0u, SharedFaceCache().Misses()) << "a steady repaint is kept faces only";
    EXPECT_GE(SharedFaceCache().Hits(), buttons.size());

    // The caption text beneath the last button goes: its kept face must follow.
    auto before = PaintButton(overText, true);
    w.Pager->Caption().SetCaption(L"");
    auto after = PaintButton(overText, true);
    EXPECT_NE("", orvtest::FirstPixelDifference(*before, *after)) << "the text beneath showed and is gone";
    check("caption text gone");
    w.Pager->Collaps();
    check("collapsed");
}

TEST(PagerButtons, ThePagerNamesItsBackdropOnlyWhereNothingElseLiesBeneath) {
    TFaceCacheScope scope;
    PagerFaceCache = true;
    TPagerWindow w;
    const TRect help = w.Pager->HelpButton()->BoundsRect();
    uint64_t key = 0, again = 0;
    ASSERT_EQ(1, AskBackground(w.Pager, help, key));
    EXPECT_NE(0u, key);
    ASSERT_EQ(1, AskBackground(w.Pager, help, again));
    EXPECT_EQ(key, again) << "nothing changed";
    EXPECT_EQ(0, AskBackground(w.Pager, w.Pager->GetTabRect(1), again)) << "a tab lies beneath";
    TRect right = w.Pager->GetTabRect(1);
    EXPECT_EQ(0, AskBackground(w.Pager, TRect{right.Left - 2, right.Top, right.Left, right.Bottom}, again))
        << "its crowded separator two pixels left of it";

    w.Pager->Caption().SetCaption(L"Another - Quillan");
    ASSERT_EQ(1, AskBackground(w.Pager, help, again));
    EXPECT_NE(key, again) << "another backdrop, another key";
    PagerFaceCache = false;
    EXPECT_EQ(0, AskBackground(w.Pager, help, again)) << "no kept backdrop";
}

TEST(PagerButtons, CrowdedTabsEndBeforeTheHelpAndExpandButtons) {
    TFaceCacheScope scope;
    PagerFaceCache = true;
    TPagerWindow crowded, plain;
    for (TPagerWindow* w : {&crowded, &plain}) w->Pager->SetShowExpandCollapsButton(true);
    for (int i = 0; i < 15; ++i) crowded.Pager->AddOrvPage(L"Tab number " + std::to_wstring(i));
    orvtest::PumpFor(30);
    ASSERT_TRUE(crowded.Pager->TabScroller().Visible);

    // 600 - 4 (inset) - 2 - 16 for help, 2 and 16 more for expand; the area ends 4 before
    // it and gives the scroller its 32.
    const TRect help = crowded.Pager->HelpButton()->BoundsRect();
    const TRect expand = crowded.Pager->ExpandCollapsButton()->BoundsRect();
    EXPECT_EQ(578, help.Left);
    EXPECT_EQ(560, expand.Left);
    EXPECT_EQ(560 - 4 - 32, crowded.Pager->GetTabAreaRect().Right);
    ASSERT_NE(nullptr, crowded.Pager->RightScrollButton());
    EXPECT_LE(crowded.Pager->RightScrollButton()->BoundsRect().Right, expand.Left);

    // Pixels: right of the area's end the crowded row looks as the row of five short tabs.
    auto a = crowded.Paint(true);
    auto b = plain.Paint(true);
    const TRect row = crowded.Pager->GetTabRowRect();
    int differing = 0;
    for (int y = row.Top; y < row.Bottom; ++y)
        for (int x = expand.Left - 4; x < 596; ++x)
            if (a->Canvas().GetPixel(x, y) != b->Canvas().GetPixel(x, y)) ++differing;
    EXPECT_EQ(0, differing) << "no tab reaches under the buttons";
}
