// The MDI child buttons of a full-size menu bar (minimise, restore and close of the
// form's maximised MDI child, painted and hit-tested by the toolbar itself) and the
// entries for MDI children the bar keeps in its form's window menu.
#include "toolbar/ToolBarMDIButtons.h"

#include <windows.h>

#include <string>

#include "framework/Canvas.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "paint/OrvGradients.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarPager.h"

namespace orv {

namespace {

// The MDI glyphs, '#' set; centred in their button.
const std::vector<const char*> kMinimizeGlyph = {
    "........", "........", "........", "........", "........", "........", "........", ".######.", ".######.",
};
const std::vector<const char*> kRestoreGlyph = {
    "..######", "..######", "..#....#", "######.#", "######.#", "#....###", "#....#..", "#....#..", "######..",
};
const std::vector<const char*> kCloseGlyph = {
    "##....##", ".##..##.", "..####..", "...##...", "..####..", ".##..##.", "##....##",
};

}  // namespace

// --- values -------------------------------------------------------------------------------------------

TRect MDIButtonRect(int index, int width, int height, bool horizontal, int rightInset) {
    constexpr int s = kMDIButtonSize;
    // Close is the last one, next to the edge; each one before it 19 pixels further in.
    const int fromClose = kMDIButtonCount - 1 - index;
    if (horizontal) {
        int x = width - 21 - rightInset - fromClose * (s + 1);
        return Bounds(x, (height - s) / 2, s, s);
    }
    int y = height - 21 - fromClose * (s + 1);
    return Bounds((width - s) / 2, y, s, s);
}

const std::vector<const char*>& MDIButtonGlyphRows(int index) {
    return index == 0 ? kMinimizeGlyph : index == 1 ? kRestoreGlyph : kCloseGlyph;
}

void DrawMDIButtonGlyph(TCanvas& canvas, int index, const TRect& r, TColor color) {
    const std::vector<const char*>& rows = MDIButtonGlyphRows(index);
    const int h = static_cast<int>(rows.size());
    const int w = static_cast<int>(std::char_traits<char>::length(rows[0]));
    const int x0 = r.Left + (r.Width() - w) / 2, y0 = r.Top + (r.Height() - h) / 2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (rows[static_cast<size_t>(y)][x] == '#') canvas.SetPixel(x0 + x, y0 + y, color);
}

// --- MDI child entries --------------------------------------------------------------------------

void TOrvCustomToolBar::AddMDIChildMenu(TForm* form, const std::wstring& caption) {
    if (!form) return;
    for (TMDIChildEntry& e : FMDIChildEntries) {
        if (e.Form != form) continue;
        e.Item->SetCaption(caption);
        return;
    }
    TForm* frame = MenuForm();
    TMenuItem* windowMenu = frame ? frame->GetWindowMenu() : nullptr;
    if (!windowMenu) return;
    if (!FMDISeparator) {
        FMDISeparator = new TMenuItem(this);
        FMDISeparator->SetCaption(cLineCaption);
        windowMenu->Add(FMDISeparator);
    }
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    item->OnClick = [frame, form](TObject*) {
        if (!frame->HandleAllocated() || !form->HandleAllocated()) return;
        if (IsIconic(form->Handle()))
            SendMessageW(frame->ClientHandle(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(form->Handle()), 0);
        SendMessageW(frame->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(form->Handle()), 0);
    };
    windowMenu->Add(item);
    form->FreeNotification(this);
    FMDIChildEntries.push_back({form, item});
}

void TOrvCustomToolBar::RemoveMDIChildMenu(TForm* form, const std::wstring& caption) {
    for (size_t i = 0; i < FMDIChildEntries.size(); ++i) {
        TMDIChildEntry e = FMDIChildEntries[i];
        bool match = form ? e.Form == form : StripHotkey(e.Item->GetCaption()) == StripHotkey(caption);
        if (!match) continue;
        FMDIChildEntries.erase(FMDIChildEntries.begin() + static_cast<std::ptrdiff_t>(i));
        e.Item->Free();
        break;
    }
    if (FMDIChildEntries.empty() && FMDISeparator) {
        TMenuItem* separator = FMDISeparator;
        FMDISeparator = nullptr;
        separator->Free();
    }
}

void TOrvCustomToolBar::RemoveAllMDIChildMenu() {
    std::vector<TMDIChildEntry> entries;
    entries.swap(FMDIChildEntries);
    for (TMDIChildEntry& e : entries) e.Item->Free();
    if (TMenuItem* separator = FMDISeparator) {
        FMDISeparator = nullptr;
        separator->Free();
    }
}

// --- MDI buttons ---------------------------------------------------------------------------------------

bool TOrvCustomToolBar::InPager() const {
    for (const TWinControl* p = Parent(); p; p = p->Parent())
        if (dynamic_cast<const TOrvToolBarPager*>(p) || dynamic_cast<const TOrvPage*>(p)) return true;
    return false;
}

bool TOrvCustomToolBar::GetAutoMDIButtons() const {
    return FAutoMDIButtons && !InPager() && FFullSize && FMenu && MenuForm();
}

void TOrvCustomToolBar::SetAutoMDIButtons(bool value) {
    // The pager shows MDI buttons of its own.
    if (value && InPager()) value = false;
    if (FAutoMDIButtons == value) return;
    FAutoMDIButtons = value;
    UpdateMenuFormHook();
    UpdateMDIWatch();
    Invalidate();
}

void TOrvCustomToolBar::UpdateMDIWatch() {
    bool on = !IsDestroying() && HandleAllocated() && GetAutoMDIButtons();
    if (on == FMDIWatchOn) return;
    FMDIWatchOn = on;
    if (on)
        StartTimer(kMDIWatchTimer, kMDIWatchInterval);
    else
        StopTimer(kMDIWatchTimer);
}

TForm* TOrvCustomToolBar::MaximizedMDIChild() const {
    if (!GetAutoMDIButtons() || FToolBarState == tsFloating) return nullptr;
    TForm* form = MenuForm();
    if (!form || form->GetFormStyle() != TFormStyle::fsMDIForm || !form->HandleAllocated() ||
        !form->ActiveMDIChildMaximized())
        return nullptr;
    TForm* child = form->ActiveMDIChild();
    return child && (child->GetBorderIcons() & biSystemMenu) ? child : nullptr;
}

bool TOrvCustomToolBar::MDIButtonsVisible() const {
    return MaximizedMDIChild() != nullptr;
}

TRect TOrvCustomToolBar::GetMDIButtonRect(int index) const {
    int indicator = FShowRightHandle ? 14 : 4;
    int inset = FShowOptionIndicator && !FFullSize ? indicator : 0;
    return MDIButtonRect(index, FWidth, FHeight, IsHorizontal(), inset);
}

int TOrvCustomToolBar::MDIButtonAt(TPoint p) const {
    if (!MDIButtonsVisible()) return -1;
    for (int i = 0; i < kMDIButtonCount; ++i)
        if (GetMDIButtonRect(i).Contains(p)) return i;
    return -1;
}

void TOrvCustomToolBar::SetMDIMarks(int hot, int down) {
    if (hot == FMDIHot && down == FMDIDown) return;
    for (int i : {FMDIHot, FMDIDown, hot, down})
        if (i >= 0) InvalidateRect(GetMDIButtonRect(i));
    FMDIHot = hot;
    FMDIDown = down;
}

void TOrvCustomToolBar::MDIButtonClick(int index) {
    TForm* child = MaximizedMDIChild();
    if (!child) return;
    switch (index) {
        case 0:
            if (child->GetBorderIcons() & biMinimize) child->SetWindowState(TWindowState::wsMinimized);
            break;
        case 1:
            if (child->GetBorderIcons() & biMaximize) child->SetWindowState(TWindowState::wsNormal);
            break;
        default:
            child->Close();
            break;
    }
    Invalidate();
}

void TOrvCustomToolBar::PaintMDIButtons(TCanvas& canvas) {
    TForm* child = MaximizedMDIChild();
    if (!child) return;
    const TButtonAppearance& a = FCurrentToolBarStyler->ButtonAppearance();
    const TBorderIcons icons = child->GetBorderIcons();
    for (int i = 0; i < kMDIButtonCount; ++i) {
        TRect r = GetMDIButtonRect(i);
        bool pressed = FMDIDown == i && FMDIHot == i;
        bool hot = FMDIHot == i && FMDIDown < 0;
        if (pressed || hot) {
            TColor from = pressed ? a.GetColorDown() : a.GetColorHot();
            TColor to = pressed ? a.GetColorDownTo() : a.GetColorHotTo();
            TColor border = pressed ? a.GetBorderDownColor() : a.GetBorderHotColor();
            TGradientDirection direction = pressed ? a.GetGradientDirectionDown() : a.GetGradientDirectionHot();
            if (from != clNone && to != clNone) {
                DrawGradient(canvas, from, to, 40, r, direction == gdHorizontal);
            } else if (from != clNone) {
                canvas.Brush().SetStyle(TBrushStyle::bsSolid);
                canvas.Brush().SetColor(from);
                canvas.FillRect(r);
            }
            if (border != clNone) {
                canvas.Brush().SetStyle(TBrushStyle::bsClear);
                canvas.Pen().SetColor(border);
                canvas.Rectangle(r);
                canvas.Brush().SetStyle(TBrushStyle::bsSolid);
            }
        }
        bool grey = (i == 0 && !(icons & biMinimize)) || (i == 1 && !(icons & biMaximize));
        DrawMDIButtonGlyph(canvas, i, r, grey ? TColor(0x808080) : clBlack);
    }
}

void TOrvCustomToolBar::MDIWatchTick() {
    TForm* child = MaximizedMDIChild();
    bool visible = child != nullptr;
    if (child == FMDIChildForm && visible == FMDIButtonsVisible) return;
    FMDIChildForm = child;
    FMDIButtonsVisible = visible;
    Invalidate();
}

bool TOrvCustomToolBar::MDIButtonMouse(TMessage& m, TPoint p) {
    int at = MDIButtonAt(p);
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
            if (at < 0) return false;
            SetMDIMarks(at, at);
            SetCapture(Handle());
            return true;
        case WM_MOUSEMOVE:
            if (at != FMDIHot) SetMDIMarks(at, FMDIDown);
            return FMDIDown >= 0;
        case WM_LBUTTONUP: {
            if (FMDIDown < 0) return false;
            int down = FMDIDown;
            SetMDIMarks(at, -1);
            if (GetCapture() == Handle()) ReleaseCapture();
            if (at == down) MDIButtonClick(at);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace orv
