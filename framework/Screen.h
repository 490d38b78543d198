#pragma once
// TScreen: what the program needs to know about the display and its own top-level
// windows: monitors with their work areas, the desktop, pixels per inch, the system's
// menu, message and hint fonts, a cursor that overrides every control's, the active
// form and control, and the list of live forms. One instance, Screen, lives from
// InitializeUnits to FinalizeUnits.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/Graphics.h"

namespace orv {

class TForm;
class TWinControl;

enum class TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };

// A display as the screen object last saw it. A null Handle marks "no monitor".
struct TMonitor {
    HMONITOR Handle = nullptr;
    int MonitorNum = -1;
    bool Primary = false;
    TRect BoundsRect;
    TRect WorkareaRect;
    bool IsValid() const { return Handle != nullptr; }
    int Left() const { return BoundsRect.Left; }
    int Top() const { return BoundsRect.Top; }
    int Width() const { return BoundsRect.Width(); }
    int Height() const { return BoundsRect.Height(); }
};

class TScreen : public TComponent {
public:
    ORV_CLASS_NAME(TScreen)
    explicit TScreen(TComponent* owner);

    // --- monitors (read from the system on every call: displays come and go) ----------
    int MonitorCount() const;
    TMonitor Monitors(int index) const;
    TMonitor PrimaryMonitor() const;
    TMonitor MonitorFromPoint(TPoint point, TMonitorDefaultTo defaultTo = TMonitorDefaultTo::mdNearest) const;
    TMonitor MonitorFromRect(const TRect& rect, TMonitorDefaultTo defaultTo = TMonitorDefaultTo::mdNearest) const;
    TMonitor MonitorFromWindow(HWND window, TMonitorDefaultTo defaultTo = TMonitorDefaultTo::mdNearest) const;
    // The primary monitor's size and the system work area (the fallback where no
    // monitor is known).
    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;
    // The bounding rectangle of all monitors.
    TRect DesktopRect() const;
    int DesktopWidth() const { return DesktopRect().Width(); }
    int DesktopHeight() const { return DesktopRect().Height(); }
    int PixelsPerInch() const;

    // --- fonts --------------------------------------------------------------------------
    // The system's fonts as they are now; RefreshFonts re-reads them (after a setting
    // change).
    const TFont& MenuFont() const { return FMenuFont; }
    const TFont& MessageFont() const { return FMessageFont; }
    const TFont& HintFont() const { return FHintFont; }
    void RefreshFonts();
    // Face names of the installed fonts, sorted, without duplicates.
    const std::vector<std::wstring>& Fonts();

    // --- cursor --------------------------------------------------------------------------
    // Overrides every control's cursor while it is not crDefault (a busy cursor, a
    // drag); setting it shows it at once.
    TCursor GetCursor() const { return FCursor; }
    void SetCursor(TCursor value);

    // --- forms --------------------------------------------------------------------------
    // The form of the active window of this thread, and the control with the focus in
    // it (null when the focus is elsewhere or on the form itself).
    TForm* ActiveForm() const;
    TWinControl* ActiveControl() const;
    // Every live form, in creation order.
    int FormCount() const { return static_cast<int>(FForms.size()); }
    TForm* Forms(int index) const { return FForms.at(static_cast<size_t>(index)); }
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);

private:
    TFont FMenuFont;
    TFont FMessageFont;
    TFont FHintFont;
    std::vector<std::wstring> FFonts;
    TCursor FCursor = crDefault;
    std::vector<TForm*> FForms;
};

// The process's screen object, made and freed beside Application.
extern TScreen* Screen;

}  // namespace orv
