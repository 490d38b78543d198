#include "tools/Render/MenuBarRender.h"

#include <windows.h>

#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "menus/OrvMenus.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarMenuButton.h"
#include "toolbar/OrvToolBarStylers.h"

#include "tools/Render/RenderInput.h"

using namespace orv;

namespace orvtools {

namespace {

void PointerTo(TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen({x, y});
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (p.X * 65536 + cx / 2) / cx;
    input.mi.dy = (p.Y * 65536 + cy / 2) / cy;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
    SetCursorPos(p.X, p.Y);
    Pump(80);
}

// Copies the screen's top-left corner, where the frame and its menus are.
void CaptureScreen(TBitmap& bmp) {
    HDC screen = GetDC(nullptr);
    BitBlt(bmp.Canvas().Handle(), 0, 0, bmp.Width(), bmp.Height(), screen, 0, 0, SRCCOPY);
    ReleaseDC(nullptr, screen);
}

// An MDI frame at the screen's top-left corner: a full-size Office 2003 menu bar with
// File, Edit, View, Window and Help, and a maximised child.
struct TMenuBarScene {
    TOwnedPtr<TForm> Frame{Make<TForm>(nullptr)};
    TOrvToolBar* Bar;
    TMenuBarScene() {
        Frame->SetFormStyle(TFormStyle::fsMDIForm);
        Frame->SetCaption(L"Quillan");
        Frame->SetBounds(0, 0, 520, 260);
        auto* styler = new TOrvToolBarOfficeStyler(Frame.get());
        styler->SetStyle(bsOffice2003Blue);
        auto* menu = Make<TOrvMainMenu>(Frame.get());
        const wchar_t* tops[] = {L"&File", L"&Edit", L"&View", L"&Window", L"&Help"};
        for (const wchar_t* caption : tops) menu->AddItem(caption);
        const wchar_t* file[] = {L"&New", L"&Open...", L"&Save", L"-", L"E&xit"};
        for (const wchar_t* caption : file) {
            auto* item = new TMenuItem(Frame.get());
            item->SetCaption(caption);
            menu->Items(0)->Add(item);
        }
        menu->Items(0)->Items(1)->SetShortCut(ShortCut('O', ssCtrl));
        menu->Items(0)->Items(2)->SetShortCut(ShortCut('S', ssCtrl));
        auto* copy = new TMenuItem(Frame.get());
        copy->SetCaption(L"&Copy");
        menu->Items(1)->Add(copy);
        Bar = new TOrvToolBar(Frame.get());
        Bar->SetToolBarStyler(styler);
        Bar->SetParent(Frame.get());
        Bar->SetAlign(TAlign::alTop);
        Bar->SetFullSize(true);
        Bar->SetBounds(0, 0, 500, 24);
        Bar->SetMenu(menu);
        Bar->SetAutoMDIButtons(true);
        Frame->Show();
        SetForegroundWindow(Frame->Handle());
        auto* child = Make<TForm>(Frame.get());
        child->SetFormStyle(TFormStyle::fsMDIChild);
        child->SetCaption(L"Probe 1");
        child->SetColor(clWhite);
        child->Show();
        child->SetWindowState(TWindowState::wsMaximized);
        Pump(400);
    }
    TOrvToolBarMenuButton* Button(int index) const {
        int found = 0;
        for (int i = 0; i < Bar->GetToolBarControlCount(); ++i)
            if (auto* b = dynamic_cast<TOrvToolBarMenuButton*>(Bar->ToolBarControls(i)))
                if (found++ == index) return b;
        return nullptr;
    }
};

void PaintMenuBarMDI(TBitmap& bmp) {
    SetCursorPos(600, 500);
    TMenuBarScene s;
    TRect restore = s.Bar->GetMDIButtonRect(1);
    PointerTo(s.Bar, restore.Left + 9, restore.Top + 9);
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(100);
    CaptureScreen(bmp);
    SetCursorPos(600, 500);
}

TBitmap* gOpenShot = nullptr;

void CALLBACK ShootOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (gOpenShot) CaptureScreen(*gOpenShot);
    EndMenu();
}

void PaintMenuBarOpen(TBitmap& bmp) {
    SetCursorPos(600, 500);
    TMenuBarScene s;
    TOrvToolBarMenuButton* file = s.Button(0);
    gOpenShot = &bmp;
    SetTimer(nullptr, 0, 400, ShootOpenMenu);
    PointerTo(file, 8, 8);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
    Pump(800);
    gOpenShot = nullptr;
    SetCursorPos(600, 500);
}

}  // namespace

std::vector<TRenderItem> MenuBarRenderItems() {
    return {
        {L"MenuBarMDI",
         L"a full-size Office 2003 menu bar in an MDI frame with a maximised child: the menu buttons and the "
         L"minimise, restore (hot) and close buttons at its right end",
         520, 90, 2, PaintMenuBarMDI},
        {L"MenuBarOpen", L"the same menu bar with the File menu open under its button, the first item selected", 520,
         200, 2, PaintMenuBarOpen},
    };
}

}  // namespace orvtools
