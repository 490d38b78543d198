#include "toolbar/OrvPage.h"

#include "paint/OrvGradients.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/ToolBarResize.h"

namespace orv {

TOrvPage::TOrvPage(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() | csAcceptsControls);
    FDoubleBuffered = true;
    FWidth = 300;
    FHeight = 95;
}

void TOrvPage::Loaded() {
    TCustomControl::Loaded();
    UpdateAllToolBars();
}

void TOrvPage::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FToolBarStyler) FToolBarStyler = nullptr;
    if (auto* tb = dynamic_cast<TOrvCustomToolBar*>(component)) FToolBars.Remove(tb);
}

void TOrvPage::SetToolBarStyler(TCustomOrvToolBarStyler* value) {
    if (FToolBarStyler == value) return;
    if (FToolBarStyler) RemoveFreeNotification(FToolBarStyler);
    FToolBarStyler = value;
    if (value) value->FreeNotification(this);
    // Toolbars that follow their parent's styler take the new one.
    for (TOrvCustomToolBar* tb : FToolBars)
        if (tb->GetParentStyler()) tb->SetParentStyler(false), tb->SetParentStyler(true);
    Invalidate();
}

void TOrvPage::SetAutoPosition(bool value) {
    if (FAutoPosition == value) return;
    FAutoPosition = value;
    ArrangeToolBars();
}

// --- toolbar management ------------------------------------------------------------------------

TOrvCustomToolBar* TOrvPage::CreateOrvToolBar() {
    auto* tb = new TOrvToolBar(Owner());
    tb->SetCaption(L"Untitled");
    AddOrvToolBar(tb);
    return tb;
}

void TOrvPage::AddOrvToolBar(TOrvCustomToolBar* toolBar) {
    InsertOrvToolBar(FToolBars.Count(), toolBar);
}

void TOrvPage::InsertOrvToolBar(int index, TOrvCustomToolBar* toolBar) {
    if (!toolBar) return;
    if (!FToolBars.Contains(toolBar)) FToolBars.Insert(std::clamp(index, 0, FToolBars.Count()), toolBar);
    toolBar->FreeNotification(this);
    if (toolBar->Parent() != this) toolBar->SetParent(this);
    ArrangeToolBars();
}

void TOrvPage::RemoveOrvToolBar(TOrvCustomToolBar* toolBar) {
    if (FToolBars.Remove(toolBar) < 0) return;
    if (!IsDestroying()) ArrangeToolBars();
}

void TOrvPage::MoveOrvToolBar(int fromIndex, int toIndex) {
    FToolBars.Move(fromIndex, toIndex);
    ArrangeToolBars();
}

void TOrvPage::WndProc(TMessage& message) {
    if (message.Msg == CM_CONTROLCHANGE) {
        // A toolbar child joins the list (at the end) or leaves it.
        auto* tb = dynamic_cast<TOrvCustomToolBar*>(reinterpret_cast<TControl*>(message.WParam));
        if (tb) {
            if (message.LParam) {
                if (!FToolBars.Contains(tb)) {
                    FToolBars.Add(tb);
                    tb->FreeNotification(this);
                }
            } else {
                FToolBars.Remove(tb);
            }
        }
    }
    TCustomControl::WndProc(message);
    if (message.Msg == CM_CONTROLCHANGE && !IsDestroying()) ArrangeToolBars();
}

// --- arrangement and passes -------------------------------------------------------------------------

void TOrvPage::ArrangeToolBars() {
    if (!FAutoPosition || IsLoading() || FArranging || IsDestroying()) return;
    FArranging = true;
    int x = 3;
    int h = FHeight - 6;
    for (TOrvCustomToolBar* tb : FToolBars) {
        if (!tb->GetVisible() || tb->Width() <= 0) continue;
        if (tb->Left() != x || tb->Top() != 3 || tb->Height() != h) tb->SetBounds(x, 3, tb->Width(), h);
        if (auto* button = tb->CompactButton())
            if (button->Height() != h) button->SetBounds(0, 0, button->Width(), h);
        x += tb->Width() + 3;
    }
    FArranging = false;
}

void TOrvPage::UpdateAllToolBars() {
    if (IsLoading() || FRunningPass) return;
    FRunningPass = true;
    try {
        UpdateAllPass(FToolBars, FWidth, [this] { ArrangeToolBars(); });
    } catch (...) {
        FRunningPass = false;
        throw;
    }
    FRunningPass = false;
    FLastWidth = FWidth;
}

void TOrvPage::ToolBarVisibilityChanged(bool shown) {
    if (IsLoading() || FRunningPass || IsDestroying()) return;
    FRunningPass = true;
    try {
        if (shown)
            ShrinkPass(FToolBars, FWidth, [this] { ArrangeToolBars(); });
        else
            GrowPass(FToolBars, FWidth, [this] { ArrangeToolBars(); });
    } catch (...) {
        FRunningPass = false;
        throw;
    }
    FRunningPass = false;
    ArrangeToolBars();
}

void TOrvPage::Resize() {
    TCustomControl::Resize();
    if (IsLoading() || FRunningPass || IsDestroying()) return;
    int last = FLastWidth;
    FLastWidth = FWidth;
    FRunningPass = true;
    try {
        if (last < 0 || FWidth < last)
            ShrinkPass(FToolBars, FWidth, [this] { ArrangeToolBars(); });
        else if (FWidth > last)
            GrowPass(FToolBars, FWidth, [this] { ArrangeToolBars(); });
    } catch (...) {
        FRunningPass = false;
        throw;
    }
    FRunningPass = false;
    ArrangeToolBars();
}

// --- painting ------------------------------------------------------------------------------------

void TOrvPage::Paint() {
    TCanvas& c = Canvas();
    TRect client{0, 0, FWidth, FHeight};
    if (!FToolBarStyler) {
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(GetColor());
        c.FillRect(client);
        return;
    }
    const TVistaPageBackground& pa = FToolBarStyler->PageAppearance();
    DrawVistaGradient(c, client, 22, pa.GetColor(), pa.GetColorTo(), pa.GetColorMirror(), pa.GetColorMirrorTo(),
                      pa.GetBorderColor(), ScenicRibbonMode ? 0 : 3);
    int W = FWidth, H = FHeight;
    if (pa.GetShadowColor() != clNone) {
        c.Pen().SetColor(pa.GetShadowColor());
        c.MoveTo(2, H - 1);
        c.LineTo(W - 2, H - 1);
    }
    if (!ScenicRibbonMode && pa.GetHighLightColor() != clNone) {
        c.Pen().SetColor(pa.GetHighLightColor());
        c.MoveTo(1, 10);
        c.LineTo(1, H - 2);
        c.MoveTo(W - 2, 10);
        c.LineTo(W - 2, H - 2);
        c.MoveTo(3, H - 2);
        c.LineTo(W - 2, H - 2);
    }
}

}  // namespace orv
