#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Forms.h"

using namespace orv;

namespace {

class TKeyProbe : public TCustomControl {
public:
    explicit TKeyProbe(TComponent* owner) : TCustomControl(owner) {
        FTabStop = true;
        OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) {
            Keys.push_back(key);
            if (key == SwallowKey) key = 0;
        };
        OnEnter = [this](TObject*) { ++Enters; };
        OnExit = [this](TObject*) { ++Exits; };
        OnDblClick = [this](TObject*) { ++DoubleClicks; };
        OnClick = [this](TObject*) { ++Clicks; };
    }
    std::vector<uint16_t> Keys;
    uint16_t SwallowKey = 0;
    int Enters = 0, Exits = 0, DoubleClicks = 0, Clicks = 0;
};

}  // namespace

TEST(Keyboard, TabMovesTheFocusInTabOrderUnlessTheControlConsumesIt) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetClientWidth(300);
    form->SetClientHeight(100);
    auto make = [&](int left) {
        auto* p = new TKeyProbe(form.get());
        p->SetBounds(left, 10, 50, 30);
        p->SetParent(form.get());
        return p;
    };
    TKeyProbe* a = make(10);
    TKeyProbe* b = make(70);
    TKeyProbe* c = make(130);
    c->SetTabOrder(0);  // tab order: c, a, b
    b->SetTabStop(false);
    form->Show();
    a->SetFocus();
    ASSERT_TRUE(a->Focused());
    EXPECT_EQ(a->Enters, 1);
    EXPECT_EQ(form->ActiveControl(), a);

    SendMessageW(a->Handle(), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(c->Focused()) << "b has no tab stop; after a the order wraps to c";
    EXPECT_EQ(a->Exits, 1);
    EXPECT_EQ(form->ActiveControl(), c);

    // A handler that zeroes the key consumes it: no navigation.
    c->SwallowKey = VK_TAB;
    SendMessageW(c->Handle(), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(c->Focused());
    EXPECT_EQ(c->Keys, (std::vector<uint16_t>{VK_TAB}));

    // Disabled controls are skipped; a control given a tab stop joins the order.
    c->SwallowKey = 0;
    a->SetEnabled(false);
    b->SetTabStop(true);
    SendMessageW(c->Handle(), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(b->Focused());
}

TEST(Mouse, DoubleClicksNeedTheDoubleClickStyle) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    auto* with = new TKeyProbe(form.get());
    with->SetControlStyle(with->ControlStyle() | csDoubleClicks);
    with->SetBounds(0, 0, 40, 40);
    with->SetParent(form.get());
    auto* without = new TKeyProbe(form.get());
    without->SetControlStyle(csCaptureMouse | csClickEvents);
    without->SetBounds(50, 0, 40, 40);
    without->SetParent(form.get());
    form->Show();
    UINT withStyle = GetClassLongW(with->Handle(), GCL_STYLE);
    UINT withoutStyle = GetClassLongW(without->Handle(), GCL_STYLE);
    EXPECT_TRUE(withStyle & CS_DBLCLKS);
    EXPECT_FALSE(withoutStyle & CS_DBLCLKS) << "without the style a second press is just a press";

    SendMessageW(with->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(with->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(with->DoubleClicks, 1);
    EXPECT_EQ(with->Clicks, 1);
}
