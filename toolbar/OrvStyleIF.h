#pragma once
// The shared style vocabulary of every styler in the library: the named looks
// (TZemStyle), the one-operation interface through which a component is told to switch
// to one (IZemStyle), and the process-wide Office 2010 look flag.
//
// TZemStyle and IZemStyle live in buttons/ZemStyle.h, which the glow button (the first
// receiver built) defined; this unit is where the rest of the library takes them from.
#include "buttons/ZemStyle.h"
#include "framework/Types.h"

namespace orv {

// True while the last style broadcast of a toolbar styler carried one of the three
// Office 2010 styles. Written by the styler's style broadcast on the user-interface
// thread only; read by pagers, pages, the toolbar form and the shape button.
inline bool Office2010Look = false;

// The style and menu protocol the pager and the application button push to their
// children (the application button, the application menu's styler, item containers).
// Operations a receiver has nothing to do for are left empty. AStyle is a TZemStyle
// ordinal, or -1 when the sender has no styler to ask.
class IWinStyle {
public:
    virtual void ChangeStyle(bool aWin7, int aStyle) = 0;
    virtual void ChangeMenu(TColor aColor) = 0;
    virtual void UpdateMenu() = 0;
    virtual void HideMenu() = 0;
    virtual void ShowMenuShortCuts() = 0;
    virtual void HideMenuShortCuts() = 0;

protected:
    ~IWinStyle() = default;
};

inline bool IsOffice2010Style(TZemStyle style) {
    return style == tsOffice2010Blue || style == tsOffice2010Silver || style == tsOffice2010Black;
}

}  // namespace orv
