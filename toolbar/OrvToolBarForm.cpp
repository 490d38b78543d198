#include "toolbar/OrvToolBarForm.h"

#include <windowsx.h>

#include "framework/GdiHandles.h"
#include "framework/Graphics.h"
#include "framework/Messages.h"
#include "paint/OrvEnvironment.h"
#include "toolbar/GlassCaptionText.h"

namespace orv {

namespace {

constexpr UINT kCompositionChanged = 0x031E;
constexpr TColor kNoPagerBorderColor = 0x00808080;

bool SizeableBorder(TFormBorderStyle border) {
    return border == TFormBorderStyle::bsSizeable || border == TFormBorderStyle::bsSizeToolWin;
}

}  // namespace

// --- geometry ------------------------------------------------------------------------------

int ToolBarFormCaptionBand(bool maximized, bool scenic) {
    return maximized && !scenic ? 33 : 27;
}

int ToolBarFormTopGlassMargin(bool maximized, bool scenic, int glassTabHeight) {
    if (maximized) return scenic ? 54 : 35;
    return glassTabHeight > 0 ? 29 + glassTabHeight - 1 : 29;
}

int ToolBarFormHitTest(TPoint p, int width, int height) {
    int hit = HTNOWHERE;
    if (p.Y < 3) hit = HTTOP;
    if (p.X < 3) hit = HTLEFT;
    if (p.X >= width - 12) hit = HTRIGHT;
    if (p.Y >= height - 12) hit = HTBOTTOM;
    bool left = p.X < 20, right = p.X >= width - 20, top = p.Y < 20, bottom = p.Y >= height - 20;
    if (left && top) hit = HTTOPLEFT;
    if (right && top) hit = HTTOPRIGHT;
    if (left && bottom) hit = HTBOTTOMLEFT;
    if (right && bottom) hit = HTBOTTOMRIGHT;
    return hit;
}

TRect ToolBarFormGlassBorders(TFormBorderStyle border, bool maximized, bool scenic) {
    if (border == TFormBorderStyle::bsNone) return {};
    if (SizeableBorder(border)) return {8, 0, 8, maximized ? 9 : 8};
    int bottom = 3;
    if (maximized && !scenic) {
        if (border == TFormBorderStyle::bsSingle) bottom = 8;
        if (border == TFormBorderStyle::bsToolWindow) bottom = 9;
    }
    return {3, 0, 3, bottom};
}

void ToolBarFormAdjustClientRect(TRect& r, bool vistaOrLater, bool onGlass, bool maximized, bool scenic) {
    if (!vistaOrLater) {
        r.Left += 1;
        r.Top += 1;
        r.Right -= 2;
        r.Bottom -= 2;
    }
    if (onGlass) {
        r.Left += 1;
        r.Right -= 1;
        if (maximized && !scenic) r.Top += 6;
    }
}

// --- form ------------------------------------------------------------------------------------

TOrvToolBarForm::TOrvToolBarForm(TComponent* owner) : TForm(owner) {
    FIsAeroVista = EvaluateGlass();
    if (FIsAeroVista) SetDoubleBuffered(true);
    FIsWin7 = WindowsVersionAtLeast(6, 1);
    FCreated = true;
}

void TOrvToolBarForm::BeforeDestruction() {
    FDestroying = true;
    TForm::BeforeDestruction();
}

bool TOrvToolBarForm::EvaluateGlass() const {
    // MDI children and borderless forms stay off glass.
    if (GetFormStyle() == TFormStyle::fsMDIChild || GetBorderStyle() == TFormBorderStyle::bsNone) return false;
    return GlassCondition((ComponentState() & csDesigning) != 0);
}

bool TOrvToolBarForm::Maximized() const {
    return GetWindowState() == TWindowState::wsMaximized;
}

bool TOrvToolBarForm::IsMaximizedScenic() {
    IOrvToolBarFormPager* pager = FirstPager();
    return FIsAeroVista && Maximized() && pager && pager->ScenicLook() && FIsWin7;
}

IOrvToolBarFormPager* TOrvToolBarForm::FirstPager() const {
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* pager = dynamic_cast<IOrvToolBarFormPager*>(Controls(i))) return pager;
    return nullptr;
}

TDwmMargins TOrvToolBarForm::GlassFrameMargins() {
    IOrvToolBarFormPager* pager = FirstPager();
    TDwmMargins m{1, 1, 0, 1};
    m.Top = FNarrowMargin
                ? 28
                : ToolBarFormTopGlassMargin(Maximized(), IsMaximizedScenic(), pager ? pager->GlassTabHeight() : 0);
    return m;
}

HRESULT TOrvToolBarForm::ExtendFrame() {
    if (!FIsAeroVista || !FHandle || !DwmCompositionEnabled()) return S_OK;
    return OrvDwmExtendFrameIntoClientArea(FHandle, GlassFrameMargins());
}

void TOrvToolBarForm::UpdateGlass() {
    bool glass = EvaluateGlass();
    if (glass == FIsAeroVista) return;
    FIsAeroVista = glass;
    SetDoubleBuffered(glass);
    if (FHandle) {
        if (glass)
            ExtendFrame();
        else if (DwmCompositionEnabled())
            OrvDwmExtendFrameIntoClientArea(FHandle, TDwmMargins{});
    }
    if (IOrvToolBarFormPager* pager = FirstPager()) pager->GlassChanged(glass);
}

int TOrvToolBarForm::ResizeZoneAt(TPoint screen) {
    if (!FHandle || GetWindowState() != TWindowState::wsNormal || (ComponentState() & csDesigning)) return HTNOWHERE;
    RECT window{};
    GetWindowRect(FHandle, &window);
    return ToolBarFormHitTest({screen.X - window.left, screen.Y - window.top}, window.right - window.left,
                              window.bottom - window.top);
}

bool InToolBarFormResizeZone(const TControl* control, TPoint screen) {
    auto* form = dynamic_cast<TOrvToolBarForm*>(GetParentForm(control));
    return form && form->ResizeZoneAt(screen) != HTNOWHERE;
}

void TOrvToolBarForm::CreateParams(TCreateParams& p) {
    TForm::CreateParams(p);
    p.WinClassName = L"OrvToolBarForm";
    bool mdiChild = GetFormStyle() == TFormStyle::fsMDIChild;
    if (!FIsAeroVista) {
        // The pager draws the caption: a single border, no system title bar.
        if (GetBorderStyle() != TFormBorderStyle::bsNone) {
            p.Style &= ~static_cast<DWORD>(WS_THICKFRAME | WS_DLGFRAME | WS_CAPTION);
            p.Style |= WS_BORDER;
            p.ExStyle &= ~static_cast<DWORD>(WS_EX_DLGMODALFRAME);
        }
        p.Style &= ~static_cast<DWORD>(WS_CAPTION);
        if (!mdiChild) p.Style |= WS_POPUP;
        p.Style |= WS_SYSMENU;
    } else if (mdiChild) {
        p.Style &= ~static_cast<DWORD>(WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME);
    }
    if (WindowsVersionAtLeast(5, 1)) p.ClassStyle |= CS_DROPSHADOW;
}

void TOrvToolBarForm::Loaded() {
    FInLoaded = true;
    TForm::Loaded();
    FInLoaded = false;
    if (FIsAeroVista) {
        if (GetBorderStyle() == TFormBorderStyle::bsNone || GetFormStyle() == TFormStyle::fsMDIChild) UpdateGlass();
    }
    if (FIsAeroVista) {
        // The client area is matched to the extended frame; the width nudge re-lays out.
        SetBounds(Left(), Top(), Width() - 1, Height() - 27);
        SetBounds(Left(), Top(), Width() + 1, Height());
    }
    if (GetBorderStyle() == TFormBorderStyle::bsSizeToolWin || GetPosition() == TPosition::poDefault ||
        GetPosition() == TPosition::poDefaultSizeOnly) {
        if (IOrvToolBarFormPager* pager = FirstPager()) pager->SizeToForm();
    }
    bool raise = FActivated;
    FActivated = false;
    if (raise) OnActivate(this);
}

void TOrvToolBarForm::Activate() {
    FActivated = true;
    ExtendFrame();
    if (!IsLoading() && !FInLoaded) OnActivate(this);
}

void TOrvToolBarForm::AdjustClientRect(TRect& rect) const {
    TForm::AdjustClientRect(rect);
    auto* self = const_cast<TOrvToolBarForm*>(this);
    ToolBarFormAdjustClientRect(rect, IsVistaOrLater(), FIsAeroVista, Maximized(), self->IsMaximizedScenic());
}

bool TOrvToolBarForm::MaximizedToWorkArea() {
    if (!FHandle || !Maximized()) return false;
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(MonitorFromWindow(FHandle, MONITOR_DEFAULTTONEAREST), &info)) return false;
    RECT window{};
    GetWindowRect(FHandle, &window);
    return EqualRect(&window, &info.rcWork) != FALSE;
}

void TOrvToolBarForm::PaintGlassClient(HDC dc) {
    int band = ToolBarFormCaptionBand(Maximized(), IsMaximizedScenic());
    RECT client{};
    GetClientRect(FHandle, &client);
    RECT below{client.left, band, client.right, client.bottom};
    TGdiBrush face(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(GetColor()))));
    FillRect(dc, &below, face.Get());
    TGdiBrush black(CreateSolidBrush(RGB(0, 0, 0)));
    FrameRect(dc, &below, black.Get());
}

void TOrvToolBarForm::PaintWindow(HDC dc) {
    TForm::PaintWindow(dc);
    IOrvToolBarFormPager* pager = FirstPager();
    TColor border = pager ? pager->FormBorderColor() : kNoPagerBorderColor;
    FOldWndState = GetWindowState();
    if (FIsAeroVista) {
        if (!DwmCompositionEnabled()) {
            // Without composition the system draws no glass caption: the corner gets the text.
            int band = ToolBarFormCaptionBand(Maximized(), IsMaximizedScenic());
            TGlassCaptionText caption;
            caption.Text = GetCaption();
            DrawGlowingCaptionText(this, dc, caption, TRect{Width() - 150, 0, Width(), band});
        }
        PaintGlassClient(dc);
        return;
    }
    if (GetBorderStyle() == TFormBorderStyle::bsNone) return;
    TGdiPen pen(CreatePen(PS_SOLID, 1, static_cast<COLORREF>(ColorToRGB(border))));
    TSelectGuard selPen(dc, pen.Get());
    TSelectGuard selBrush(dc, GetStockObject(NULL_BRUSH));
    if (IsVistaOrLater()) {
        // No rounded region trims the window here, so the frame at (width - 7, height - 7)
        // would cross the client area as a stray line: it follows the client edges instead.
        RECT client{};
        GetClientRect(FHandle, &client);
        RoundRect(dc, 0, 0, client.right, client.bottom, 8, 8);
    } else if (MaximizedToWorkArea()) {
        Rectangle(dc, 0, 0, Width() - 6, Height() - 6);
    } else {
        RoundRect(dc, 0, 0, Width() - 7, Height() - 7, 8, 8);
    }
}

void TOrvToolBarForm::EraseBackground(HDC dc) {
    if (!FIsAeroVista) {
        TForm::EraseBackground(dc);
        return;
    }
    // On glass only the caption band is cleared (black is transparent there).
    RECT client{};
    GetClientRect(FHandle, &client);
    RECT band{0, 0, client.right - 2, 27};
    FillRect(dc, &band, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void TOrvToolBarForm::HandleSize() {
    if (!FHandle || FDestroying) return;
    IOrvToolBarFormPager* pager = FirstPager();
    int width = Width();
    if (width < kToolBarFormHideWidth) {
        if (pager && !pager->InHideState()) pager->EnterHideState();
        if (FIsAeroVista && pager && pager->ScenicLook() && !FNarrowMargin) {
            FNarrowMargin = true;
            ExtendFrame();
        }
    } else if (width > kToolBarFormHideWidth) {
        if (pager && pager->InHideState()) pager->LeaveHideState();
        if (FNarrowMargin) {
            FNarrowMargin = false;
            ExtendFrame();
        }
    }
    if (!IsVistaOrLater()) {
        if (MaximizedToWorkArea()) {
            SetWindowRgn(FHandle, nullptr, TRUE);
        } else {
            TGdiRegion region(CreateRoundRectRgn(3, 3, width - 3, Height() - 3, 6, 6));
            // The window keeps the region.
            SetWindowRgn(FHandle, region.Release(), TRUE);
        }
    }
    if (FIsAeroVista) {
        TWindowDC dc(FHandle);
        PaintGlassClient(dc.Get());
    }
}

void TOrvToolBarForm::HandleMinMaxInfo(MINMAXINFO& info) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(FHandle, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    RECT work = monitor.rcWork;
    int grow = IsVistaOrLater() ? 0 : 3;
    info.ptMaxPosition.x = work.left - monitor.rcMonitor.left - grow;
    info.ptMaxPosition.y = work.top - monitor.rcMonitor.top - grow;
    info.ptMaxSize.x = work.right - work.left + 2 * grow;
    info.ptMaxSize.y = work.bottom - work.top + 2 * grow;
    if (GetBorderStyle() == TFormBorderStyle::bsNone && !IsMaximizedScenic()) info.ptMaxSize.y -= 1;
}

void TOrvToolBarForm::ForwardMenuSelect() {
    // The pagers show their keyboard hints as if Alt had been pressed and released.
    for (int i = 0; i < ControlCount(); ++i) {
        auto* pager = dynamic_cast<IOrvToolBarFormPager*>(Controls(i));
        if (!pager) continue;
        TWinControl* control = pager->PagerControl();
        control->Perform(WM_KEYDOWN, VK_MENU, 0);
        control->Perform(WM_KEYUP, VK_MENU, 0);
        control->Perform(CM_DIALOGKEY, VK_MENU, 0);
    }
}

void TOrvToolBarForm::WndProc(TMessage& m) {
    if (FIsAeroVista && !FDestroying && FHandle) {
        LRESULT result = 0;
        if (OrvDwmDefWindowProc(FHandle, m.Msg, m.WParam, m.LParam, &result)) {
            m.Result = result;
            return;
        }
        switch (m.Msg) {
            case WM_CREATE:
                TForm::WndProc(m);
                SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                             SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                return;
            case WM_ACTIVATE:
                if (FAILED(ExtendFrame())) {
                    m.Result = 1;
                    return;
                }
                break;
            case WM_NCCALCSIZE:
                if (m.WParam) {
                    auto* sizes = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
                    TRect b = ToolBarFormGlassBorders(GetBorderStyle(), Maximized(), IsMaximizedScenic());
                    sizes->rgrc[0].left += b.Left;
                    sizes->rgrc[0].right -= b.Right;
                    sizes->rgrc[0].bottom -= b.Bottom;
                    m.Result = 0;
                    return;
                }
                break;
            case WM_STYLECHANGED:
                TForm::WndProc(m);
                UpdateGlass();
                return;
            default:
                break;
        }
    }
    switch (m.Msg) {
        case WM_NCHITTEST:
            TForm::WndProc(m);
            if (m.Result == HTCLIENT || m.Result == HTBORDER) {
                int zone = ResizeZoneAt({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
                if (zone != HTNOWHERE) m.Result = zone;
            }
            return;
        case WM_SIZE:
            TForm::WndProc(m);
            if (!(ComponentState() & csDesigning)) HandleSize();
            return;
        case WM_GETMINMAXINFO:
            TForm::WndProc(m);
            if (!FIsAeroVista) HandleMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(m.LParam));
            return;
        case kCompositionChanged:
            TForm::WndProc(m);
            if (!FDestroying) {
                bool before = FIsAeroVista;
                UpdateGlass();
                if (before != FIsAeroVista) RecreateWnd();
            }
            return;
        case WM_MENUSELECT:
            TForm::WndProc(m);
            if (GetFormStyle() == TFormStyle::fsMDIForm) ForwardMenuSelect();
            return;
        default:
            TForm::WndProc(m);
    }
}

}  // namespace orv
