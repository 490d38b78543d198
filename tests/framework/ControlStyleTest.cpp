#include <gtest/gtest.h>

#include <string>
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

// Writes "Name:1" or "Name:0" into a shared log for every showing notice it hears.
using TShowingLog = std::vector<std::string>;
void LogShowing(TShowingLog& log, const TControl& c, const TMessage& m) {
    log.push_back(WideToUtf8(c.GetName()) + ":" + std::to_string(m.WParam) +
                  (c.Showing() == (m.WParam != 0) ? "" : "?"));
}

class TShowingPanel : public TCustomControl {
public:
    TShowingPanel(TComponent* owner, TShowingLog& log) : TCustomControl(owner), FLog(log) {}

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg == CM_SHOWINGCHANGED) LogShowing(FLog, *this, m);
        TCustomControl::WndProc(m);
    }

private:
    TShowingLog& FLog;
};

class TShowingPatch : public TGraphicControl {
public:
    TShowingPatch(TComponent* owner, TShowingLog& log) : TGraphicControl(owner), FLog(log) {}

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg == CM_SHOWINGCHANGED) LogShowing(FLog, *this, m);
        TGraphicControl::WndProc(m);
    }

private:
    TShowingLog& FLog;
};

}  // namespace

TEST(ChildNotices, ShowingChangesReachEveryDescendant) {
    TShowingLog log;
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(50, 50, 300, 200);
    auto make = [&](auto* control, const wchar_t* name, TWinControl* parent) {
        control->SetName(name);
        control->SetBounds(5, 5, 100, 60);
        control->SetParent(parent);
        return control;
    };
    auto* outer = make(new TShowingPanel(form.get(), log), L"Outer", form.get());
    auto* shelf = make(new TShowingPanel(form.get(), log), L"Shelf", outer);
    shelf->Hide();
    auto* inner = make(new TShowingPanel(form.get(), log), L"Inner", outer);
    auto* patch = make(new TShowingPatch(form.get(), log), L"Patch", inner);
    form->HandleNeeded();
    EXPECT_TRUE(log.empty()) << "windows made inside a hidden form do not show";

    auto step = [&](const char* what, auto action, TShowingLog expected) {
        log.clear();
        action();
        EXPECT_EQ(log, expected) << what;
    };
    step("form shown", [&] { form->Show(); }, {"Outer:1", "Inner:1", "Patch:1"});
    step("outer hidden", [&] { outer->Hide(); }, {"Outer:0", "Inner:0", "Patch:0"});
    step("inner hidden inside the hidden outer", [&] { inner->Hide(); }, {});
    step("outer shown again, inner still hidden", [&] { outer->Show(); }, {"Outer:1"});
    step("inner shown", [&] { inner->Show(); }, {"Inner:1", "Patch:1"});
    step("graphic control hidden", [&] { patch->Hide(); }, {"Patch:0"});
    step("graphic control shown", [&] { patch->Show(); }, {"Patch:1"});
    step("inner moved into the hidden shelf", [&] { inner->SetParent(shelf); }, {"Inner:0", "Patch:0"});
    step("shelf shown", [&] { shelf->Show(); }, {"Shelf:1", "Inner:1", "Patch:1"});
    step("form hidden", [&] { form->Hide(); }, {"Outer:0", "Shelf:0", "Inner:0", "Patch:0"});
    step("form freed while hidden", [&] { form.reset(); }, {});
}

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
