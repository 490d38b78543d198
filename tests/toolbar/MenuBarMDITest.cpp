// The MDI child buttons of a full-size menu bar: when AutoMDIButtons holds, where the
// buttons are, their grey and inert restore and minimise without the child's border
// icons, and the repaint when the child is maximised or restored.
#include "MenuBarTestSupport.h"
#include "toolbar/OrvPage.h"

using namespace orv;
using namespace menubartest;

namespace {

struct TMDIBar {
    TOwnedPtr<TForm> Frame{Make<TForm>(nullptr)};
    TOrvMainMenu* Menu = nullptr;
    TOrvToolBar* Bar = nullptr;
    int Closes = 0;
    TMDIBar() {
        SetCursorPos(20, 20);
        Frame->SetFormStyle(TFormStyle::fsMDIForm);
        Frame->SetBounds(100, 100, 600, 400);
        Menu = Make<TOrvMainMenu>(Frame.get());
        Menu->AddItem(L"&File");
        Bar = new TOrvToolBar(Frame.get());
        Bar->SetParent(Frame.get());
        Bar->SetFullSize(true);
        Bar->SetAlign(TAlign::alTop);
        Bar->SetBounds(0, 0, 560, 26);
        Bar->SetMenu(Menu);
        Bar->SetAutoMDIButtons(true);
        Frame->Show();
        SetForegroundWindow(Frame->Handle());
        orvtest::PumpFor(60);
    }
    ~TMDIBar() { SetCursorPos(20, 20); }
    TForm* MaximizedChild(TBorderIcons icons) {
        auto* child = Make<TForm>(Frame.get());
        child->SetFormStyle(TFormStyle::fsMDIChild);
        child->SetBorderIcons(icons);
        child->SetBounds(10, 10, 200, 150);
        child->OnClose = [this](TObject*, TCloseAction& action) {
            ++Closes;
            action = TCloseAction::caHide;
        };
        child->Show();
        child->SetWindowState(TWindowState::wsMaximized);
        orvtest::PumpUntil([this] { return Bar->MDIButtonsVisible(); }, 1000);
        return child;
    }
    // Minimise, restore, close: 18 square, close 21 pixels from the right end, vertically
    // centred, each one 19 pixels left of the next.
    TRect ButtonRect(int index) const {
        int x = Bar->Width() - 21 - (2 - index) * 19;
        return Bounds(x, (Bar->Height() - 18) / 2, 18, 18);
    }
    // Pixels of one colour in a rectangle of a picture.
    static int Count(TBitmap& bmp, const TRect& r, TColor color) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) n += bmp.PixelColor(x, y) == color;
        return n;
    }
    // The bar as the screen shows it.
    std::unique_ptr<TBitmap> Screen() const {
        auto bmp = std::make_unique<TBitmap>(Bar->Width(), Bar->Height());
        TPoint p = Bar->ClientToScreen({0, 0});
        TWindowDC screen(nullptr);
        BitBlt(bmp->Canvas().Handle(), 0, 0, Bar->Width(), Bar->Height(), screen.Get(), p.X, p.Y, SRCCOPY);
        return bmp;
    }
};

constexpr TColor kGrey = 0x808080;

}  // namespace

TEST_F(MenuBarTest, RestoreAndMinimiseOfAChildWithoutThoseBorderIconsAreGreyAndDoNothing) {
    TMDIBar m;
    TForm* child = m.MaximizedChild(biSystemMenu);
    ASSERT_TRUE(m.Frame->ActiveMDIChildMaximized());
    ASSERT_TRUE(m.Bar->MDIButtonsVisible());
    for (int i = 0; i < 3; ++i) EXPECT_EQ(m.Bar->GetMDIButtonRect(i), m.ButtonRect(i)) << i;

    auto shot = glowtest::Snapshot(m.Bar);
    for (int i : {0, 1}) {
        EXPECT_GT(TMDIBar::Count(*shot, m.ButtonRect(i), kGrey), 4) << "grey glyph " << i;
        EXPECT_EQ(TMDIBar::Count(*shot, m.ButtonRect(i), clBlack), 0) << i;
    }
    EXPECT_GT(TMDIBar::Count(*shot, m.ButtonRect(2), clBlack), 4) << "black cross";
    EXPECT_EQ(TMDIBar::Count(*shot, m.ButtonRect(2), kGrey), 0);

    for (int i : {0, 1}) {
        TRect r = m.ButtonRect(i);
        glowtest::ClickAt(m.Bar, r.Left + 9, r.Top + 9);
        orvtest::PumpFor(50);
        EXPECT_TRUE(m.Frame->ActiveMDIChildMaximized()) << "button " << i << " does nothing";
        EXPECT_EQ(m.Frame->ActiveMDIChild(), child);
    }
    EXPECT_EQ(m.Closes, 0);
    TRect close = m.ButtonRect(2);
    glowtest::ClickAt(m.Bar, close.Left + 9, close.Top + 9);
    orvtest::PumpFor(50);
    EXPECT_EQ(m.Closes, 1) << "close closes the child";
}

TEST_F(MenuBarTest, WithTheBorderIconsRestoreAndMinimiseAreBlackAndWork) {
    TMDIBar m;
    TForm* child = m.MaximizedChild(biSystemMenu | biMinimize | biMaximize);
    auto shot = glowtest::Snapshot(m.Bar);
    for (int i : {0, 1}) {
        EXPECT_GT(TMDIBar::Count(*shot, m.ButtonRect(i), clBlack), 4) << i;
        EXPECT_EQ(TMDIBar::Count(*shot, m.ButtonRect(i), kGrey), 0) << i;
    }
    // A press marks the button pressed: the styler's down border frames it.
    TRect restore = m.ButtonRect(1);
    glowtest::PointAt(m.Bar, restore.Left + 9, restore.Top + 9);
    glowtest::LeftDown();
    auto pressed = glowtest::Snapshot(m.Bar);
    TColor border = m.Bar->CurrentToolBarStyler()->ButtonAppearance().GetBorderDownColor();
    EXPECT_EQ(pressed->PixelColor(restore.Left, restore.Top + 9), border);
    EXPECT_EQ(pressed->PixelColor(restore.Right - 1, restore.Top + 9), border);
    glowtest::LeftUp();
    orvtest::PumpFor(50);
    EXPECT_FALSE(m.Frame->ActiveMDIChildMaximized()) << "restored";
    EXPECT_FALSE(m.Bar->MDIButtonsVisible());
    EXPECT_FALSE(IsIconic(child->Handle()));
}

TEST_F(MenuBarTest, TheBarShowsTheButtonsWhileTheChildIsMaximisedWithoutBeingAskedToRepaint) {
    TMDIBar m;
    TForm* child = m.MaximizedChild(biSystemMenu | biMinimize | biMaximize);
    child->SetWindowState(TWindowState::wsNormal);
    orvtest::PumpFor(400);
    EXPECT_EQ(TMDIBar::Count(*m.Screen(), m.ButtonRect(2), clBlack), 0) << "no buttons for a normal child";
    child->SetWindowState(TWindowState::wsMaximized);
    orvtest::PumpFor(400);
    EXPECT_GT(TMDIBar::Count(*m.Screen(), m.ButtonRect(2), clBlack), 4) << "the cross shows";
    child->SetWindowState(TWindowState::wsNormal);
    orvtest::PumpFor(400);
    EXPECT_EQ(TMDIBar::Count(*m.Screen(), m.ButtonRect(2), clBlack), 0) << "and goes";
}

TEST_F(MenuBarTest, AutoMDIButtonsHoldsOnlyForAFullSizeBarWithAMenuOnAFormOutsideThePager) {
    TMenuBar m;
    m.Top(L"&File");
    m.Bar->SetAutoMDIButtons(true);
    EXPECT_FALSE(m.Bar->GetAutoMDIButtons()) << "no menu, not full size";
    m.Bar->SetMenu(m.Menu);
    EXPECT_FALSE(m.Bar->GetAutoMDIButtons()) << "not full size";
    m.Bar->SetFullSize(true);
    EXPECT_TRUE(m.Bar->GetAutoMDIButtons());
    m.Bar->SetParent(nullptr);
    EXPECT_FALSE(m.Bar->GetAutoMDIButtons()) << "no form";
    m.Bar->SetParent(m.Form.get());
    EXPECT_TRUE(m.Bar->GetAutoMDIButtons());
    m.Bar->SetMenu(nullptr);
    EXPECT_FALSE(m.Bar->GetAutoMDIButtons());

    // On a page it cannot be set: the pager has buttons of its own.
    auto* page = new TOrvPage(m.Form.get());
    page->SetParent(m.Form.get());
    auto* onPage = new TOrvToolBar(m.Form.get());
    page->AddOrvToolBar(onPage);
    onPage->SetFullSize(true);
    onPage->SetMenu(m.Menu);
    onPage->SetAutoMDIButtons(true);
    EXPECT_FALSE(onPage->GetAutoMDIButtons());
    onPage->SetParent(m.Form.get());
    EXPECT_FALSE(onPage->GetAutoMDIButtons()) << "refused, not only hidden";
}

TEST_F(MenuBarTest, TheWindowMenuListsTheChildrenTheBarWasToldAbout) {
    TMDIBar m;
    TMenuItem* window = m.Menu->AddItem(L"&Window");
    auto* cascade = new TMenuItem(m.Frame.get());
    cascade->SetCaption(L"&Cascade");
    window->Add(cascade);
    m.Frame->SetWindowMenu(window);
    auto child = [&](const std::wstring& caption) {
        auto* c = Make<TForm>(m.Frame.get());
        c->SetFormStyle(TFormStyle::fsMDIChild);
        c->SetCaption(caption);
        c->Show();
        return c;
    };
    TForm* a = child(L"A");
    TForm* b = child(L"B");
    using Captions = std::vector<std::wstring>;
    m.Bar->AddMDIChildMenu(a, L"&1 A");
    m.Bar->AddMDIChildMenu(b, L"&2 B");
    EXPECT_EQ(TMenuBar::Items(window), (Captions{L"&Cascade", L"-", L"&1 A", L"&2 B"}));
    m.Bar->AddMDIChildMenu(a, L"&1 A (renamed)");
    EXPECT_EQ(TMenuBar::Items(window), (Captions{L"&Cascade", L"-", L"&1 A (renamed)", L"&2 B"}));

    // An entry activates its child.
    SendMessageW(m.Frame->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(b->Handle()), 0);
    ASSERT_EQ(m.Frame->ActiveMDIChild(), b);
    window->Items(2)->Click();
    EXPECT_EQ(m.Frame->ActiveMDIChild(), a);

    m.Bar->RemoveMDIChildMenu(a, L"");
    EXPECT_EQ(TMenuBar::Items(window), (Captions{L"&Cascade", L"-", L"&2 B"}));
    m.Bar->RemoveMDIChildMenu(nullptr, L"2 B");
    EXPECT_EQ(TMenuBar::Items(window), (Captions{L"&Cascade"})) << "the separator goes with the last entry";

    m.Bar->AddMDIChildMenu(a, L"A");
    m.Bar->AddMDIChildMenu(b, L"B");
    b->Free();
    EXPECT_EQ(TMenuBar::Items(window), (Captions{L"&Cascade", L"-", L"A"})) << "a freed child's entry goes";
    m.Bar->RemoveAllMDIChildMenu();
    EXPECT_EQ(TMenuBar::Items(window), (Captions{L"&Cascade"}));
}
