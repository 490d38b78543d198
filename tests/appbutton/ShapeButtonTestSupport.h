#pragma once
// What the shape button tests share: the look flags set for one test, a shown main
// window with a pager and the application button on it, and a frame to open.
#include "buttons/GlowButtonTestSupport.h"
#include "appbutton/FrameWindow.h"
#include "framework/ExtCtrls.h"
#include "appbutton/OrvShapeButton.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvStyleIF.h"
#include "toolbar/OrvToolBarPager.h"

namespace shapetest {

using namespace orv;
using namespace glowtest;

struct TLookFlags {
    bool Scenic = ScenicRibbonMode, Office = Office2010Look;
    TLookFlags(bool scenic, bool office) {
        ScenicRibbonMode = scenic;
        Office2010Look = office;
    }
    ~TLookFlags() {
        ScenicRibbonMode = Scenic;
        Office2010Look = Office;
    }
};

// A windowed control that takes the focus and counts the keys it hears.
class TFocusProbe : public TCustomControl {
public:
    explicit TFocusProbe(TComponent* owner) : TCustomControl(owner) { FTabStop = true; }
};

// A shown 681-wide window: pager along the top, the application button at (0, 30) on it
// (55 x 24, "File"), and a hidden frame owned by the window with one focusable child.
struct TMainWindow {
    TOwnedPtr<TForm> Form;
    TOrvToolBarPager* Pager = nullptr;
    TOrvShapeButton* Button = nullptr;
    TWinControl* Frame = nullptr;
    TFocusProbe* FrameChild = nullptr;
    int Clicks = 0;

    explicit TMainWindow(TForm* form = nullptr, bool frameChild = true) : Form(form ? form : Make<TForm>(nullptr)) {
        SetCursorPos(20, 20);
        Form->SetBounds(60, 60, 681, 500);
        Pager = new TOrvToolBarPager(Form.get());
        Pager->SetParent(Form.get());
        Pager->SetBounds(0, 0, 681, 149);
        Button = new TOrvShapeButton(Form.get());
        Button->SetParent(Pager);
        Button->SetBounds(0, 30, 55, 24);
        Button->Appearance().SetShape(TOrvButtonShape::bsRectangle);
        Button->SetText(L"File");
        Button->OnClick = [this](TObject*) { ++Clicks; };
        auto* frame = new TPanel(Form.get());
        frame->SetParent(Form.get());
        frame->SetBounds(48, 176, 300, 200);
        Frame = frame;
        if (frameChild) {
            FrameChild = new TFocusProbe(Form.get());
            FrameChild->SetParent(frame);
            FrameChild->SetBounds(0, 0, 100, 50);
        }
        Form->Show();
        SetForegroundWindow(Form->Handle());
        orvtest::PumpFor(50);
    }
    ~TMainWindow() { SetCursorPos(20, 20); }
    bool FrameOpen() const { return Button->FrameWindow() && IsWindowVisible(Button->FrameWindow()->Handle()); }
};

}  // namespace shapetest
