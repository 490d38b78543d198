#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "TestSupport.h"
#include "framework/ClassRegistry.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "framework/SysUtils.h"

using namespace orv;

namespace {

// A windowed control that is no container, and records the child notices it hears.
class TPlainControl : public TCustomControl {
public:
    ORV_CLASS_NAME(TPlainControl)
    using TCustomControl::TCustomControl;
    // (message, child, flag) in the order heard.
    struct TNotice {
        UINT Msg;
        TControl* Child;
        LPARAM Flag;
        bool operator==(const TNotice&) const = default;
    };
    std::vector<TNotice> Notices;

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg == CM_CONTROLCHANGE || m.Msg == CM_CHILDVISIBLECHANGED)
            Notices.push_back({m.Msg, reinterpret_cast<TControl*>(m.WParam), m.LParam});
        TCustomControl::WndProc(m);
    }
};

class TGraphicPiece : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
};

void RegisterPlainControl() {
    if (!TClassRegistry::Find(L"TPlainControl"))
        TClassBuilder<TPlainControl>(L"TPlainControl", L"TCustomControl").Factory();
}

}  // namespace

TEST(ChildNotices, InsertAndRemoveAreToldApartFromHideAndShow) {
    TOwnedPtr<TPlainControl> parent(new TPlainControl(nullptr));
    auto* graphic = new TGraphicPiece(parent.get());
    auto* windowed = new TPanel(parent.get());
    using N = TPlainControl::TNotice;
    for (TControl* child : std::vector<TControl*>{graphic, windowed}) {
        parent->Notices.clear();
        child->SetParent(parent.get());
        child->Hide();
        child->Hide();  // no change, no notice
        child->Show();
        child->SetParent(nullptr);
        std::vector<N> expected{{CM_CONTROLCHANGE, child, 1},
                                {CM_CHILDVISIBLECHANGED, child, 0},
                                {CM_CHILDVISIBLECHANGED, child, 1},
                                {CM_CONTROLCHANGE, child, 0}};
        EXPECT_EQ(parent->Notices, expected) << child->ClassName();
    }
}

TEST(ControlStyle, OnlyContainersTakeChildrenFromALayout) {
    RegisterPlainControl();
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    int live = TComponent::LiveCount();
    try {
        ReadLayoutText(form.get(),
                       L"object F: TForm\n"
                       L"  object Plain: TPlainControl\n"
                       L"    object Inner: TPanel\n"
                       L"    end\n"
                       L"  end\n"
                       L"end\n",
                       L"Nested");
        ADD_FAILURE() << "a control was placed in a control that takes none";
    } catch (const ELayoutError& e) {
        EXPECT_EQ(e.Line(), 3);
        EXPECT_EQ(e.Fault(), L"Control 'Inner' cannot be placed in 'Plain': a TPlainControl does not accept controls");
    }
    EXPECT_EQ(TComponent::LiveCount(), live) << "the failed read frees what it made";
    EXPECT_EQ(form->ControlCount(), 0);

    // A panel takes it; code may still place a child anywhere.
    ReadLayoutText(form.get(),
                   L"object F: TForm\n"
                   L"  object Outer: TPanel\n"
                   L"    object Inner: TPanel\n"
                   L"    end\n"
                   L"  end\n"
                   L"end\n",
                   L"Nested");
    auto* outer = dynamic_cast<TPanel*>(form->FindComponent(L"Outer"));
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(outer->ControlCount(), 1);
    auto* plain = new TPlainControl(form.get());
    auto* piece = new TGraphicPiece(form.get());
    piece->SetParent(plain);
    EXPECT_EQ(piece->Parent(), plain);
}

TEST(ControlStyle, AFramedControlHasASunkenEdgeInsideItsBounds) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    auto* framed = new TPlainControl(form.get());
    framed->SetControlStyle(framed->ControlStyle() | csFramed);
    framed->SetBounds(10, 10, 100, 40);
    framed->SetParent(form.get());
    auto* plain = new TPlainControl(form.get());
    plain->SetBounds(10, 60, 100, 40);
    plain->SetParent(form.get());
    form->Show();
    EXPECT_TRUE(GetWindowLongW(framed->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(GetWindowLongW(plain->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(framed->ClientRect(), (TRect{0, 0, 96, 36})) << "a two-pixel edge on each side";
    EXPECT_EQ(plain->ClientRect(), (TRect{0, 0, 100, 40}));
    EXPECT_EQ(framed->BoundsRect(), Bounds(10, 10, 100, 40));
}

TEST(ControlStyle, InvalidatingANonOpaqueControlErasesWhatIsBehindIt) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(100, 100, 300, 200);
    auto* graphic = new TGraphicPiece(form.get());
    graphic->SetBounds(10, 10, 50, 30);
    graphic->SetParent(form.get());
    auto* windowed = new TPlainControl(form.get());
    windowed->SetBounds(100, 10, 50, 30);
    windowed->SetParent(form.get());
    form->Show();
    orvtest::PumpFor(100);
    int formErases = 0, childErases = 0;
    form->AddMessageHook([&](TMessage& m) {
        if (m.Msg == WM_ERASEBKGND) ++formErases;
        return false;
    });
    windowed->AddMessageHook([&](TMessage& m) {
        if (m.Msg == WM_ERASEBKGND) ++childErases;
        return false;
    });
    auto paintNow = [&] {
        UpdateWindow(form->Handle());
        UpdateWindow(windowed->Handle());
    };

    graphic->Invalidate();
    windowed->Invalidate();
    paintNow();
    EXPECT_EQ(formErases, 1) << "the parent repaints beneath a non-opaque graphic control from its background";
    EXPECT_EQ(childErases, 1);

    graphic->SetControlStyle(graphic->ControlStyle() | csOpaque);
    windowed->SetControlStyle(windowed->ControlStyle() | csOpaque);
    graphic->Invalidate();
    windowed->Invalidate();
    paintNow();
    EXPECT_EQ(formErases, 1) << "an opaque control paints every pixel itself";
    EXPECT_EQ(childErases, 1);

    // Hiding uncovers the parent whatever the control paints.
    graphic->Hide();
    paintNow();
    EXPECT_EQ(formErases, 2);
}
