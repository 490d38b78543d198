#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/ClassRegistry.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"

using namespace orv;

namespace {

// A windowed control that is no container; it records the child notices it hears.
class TPlainControl : public TCustomControl {
public:
    ORV_CLASS_NAME(TPlainControl)
    using TCustomControl::TCustomControl;
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

class TPatch : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(clYellow);
        Canvas().FillRect(ClientRect());
    }
};

}  // namespace

TEST(ChildNotices, InsertAndRemoveAreToldApartFromHideAndShow) {
    TOwnedPtr<TPlainControl> parent(new TPlainControl(nullptr));
    for (TControl* child : std::vector<TControl*>{new TGraphicControl(parent.get()), new TPanel(parent.get())}) {
        parent->Notices.clear();
        child->SetParent(parent.get());
        child->Hide();
        child->Hide();  // no change, no notice
        child->Show();
        child->SetParent(nullptr);
        std::vector<TPlainControl::TNotice> expected{{CM_CONTROLCHANGE, child, 1},
                                                     {CM_CHILDVISIBLECHANGED, child, 0},
                                                     {CM_CHILDVISIBLECHANGED, child, 1},
                                                     {CM_CONTROLCHANGE, child, 0}};
        EXPECT_EQ(parent->Notices, expected) << child->ClassName();
    }
}

TEST(ControlStyle, OnlyContainersTakeChildrenFromALayout) {
    if (!TClassRegistry::Find(L"TPlainControl"))
        TClassBuilder<TPlainControl>(L"TPlainControl", L"TCustomControl").Factory();
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    int live = TComponent::LiveCount();
    auto nested = [](const wchar_t* container) {
        return std::wstring(L"object F: TForm\n  object Outer: ") + container +
               L"\n    object Inner: TPanel\n    end\n  end\nend\n";
    };
    try {
        ReadLayoutText(form.get(), nested(L"TPlainControl"), L"Nested");
        ADD_FAILURE() << "a control was placed in a control that takes none";
    } catch (const ELayoutError& e) {
        EXPECT_EQ(e.Line(), 3);
        EXPECT_EQ(e.Fault(), L"Control 'Inner' cannot be placed in 'Outer': a TPlainControl does not accept controls");
    }
    EXPECT_EQ(TComponent::LiveCount(), live) << "the failed read frees what it made";
    ReadLayoutText(form.get(), nested(L"TPanel"), L"Nested");
    EXPECT_EQ(dynamic_cast<TPanel*>(form->FindComponent(L"Outer"))->ControlCount(), 1);
}

TEST(ControlStyle, AFramedControlHasASunkenEdgeInsideItsBounds) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    auto* framed = new TPlainControl(form.get());
    framed->SetControlStyle(framed->ControlStyle() | csFramed);
    framed->SetBounds(10, 10, 100, 40);
    framed->SetParent(form.get());
    form->Show();
    EXPECT_TRUE(GetWindowLongW(framed->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(framed->ClientRect(), (TRect{0, 0, 96, 36})) << "a two-pixel edge on each side";
    EXPECT_EQ(framed->BoundsRect(), Bounds(10, 10, 100, 40));

    // What lies behind its client area starts inside the edge.
    auto* behind = new TPatch(form.get());
    behind->SetBounds(12, 12, 4, 4);
    behind->SetParent(form.get());
    form->SetColor(clRed);
    TBitmap bmp(8, 8);
    framed->DrawParentBackground(bmp.Canvas().Handle());
    EXPECT_EQ(bmp.PixelColor(0, 0), clYellow);
    EXPECT_EQ(bmp.PixelColor(3, 3), clYellow);
    EXPECT_EQ(bmp.PixelColor(4, 4), clRed);
}

TEST(ControlStyle, InvalidatingANonOpaqueControlErasesWhatIsBehindIt) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    auto* graphic = new TGraphicControl(form.get());
    graphic->SetBounds(10, 10, 50, 30);
    graphic->SetParent(form.get());
    auto* windowed = new TPlainControl(form.get());
    windowed->SetBounds(100, 10, 50, 30);
    windowed->SetParent(form.get());
    form->Show();
    orvtest::PumpFor(100);
    int formErases = 0, childErases = 0;
    form->AddMessageHook([&](TMessage& m) {
        formErases += m.Msg == WM_ERASEBKGND;
        return false;
    });
    windowed->AddMessageHook([&](TMessage& m) {
        childErases += m.Msg == WM_ERASEBKGND;
        return false;
    });
    auto invalidateAndPaint = [&] {
        graphic->Invalidate();
        windowed->Invalidate();
        UpdateWindow(form->Handle());
        UpdateWindow(windowed->Handle());
    };
    invalidateAndPaint();
    EXPECT_EQ(formErases, 1) << "the parent repaints beneath a non-opaque graphic control from its background";
    EXPECT_EQ(childErases, 1);

    graphic->SetControlStyle(graphic->ControlStyle() | csOpaque);
    windowed->SetControlStyle(windowed->ControlStyle() | csOpaque);
    invalidateAndPaint();
    EXPECT_EQ(formErases, 1) << "an opaque control paints every pixel itself";
    EXPECT_EQ(childErases, 1);

    graphic->Hide();  // hiding uncovers the parent whatever the control paints
    UpdateWindow(form->Handle());
    EXPECT_EQ(formErases, 2);
}
