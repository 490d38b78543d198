#pragma once
// Framework notifications: delivered to any control (windowed or not) through
// TControl::Perform, never posted to the platform's queue. Ids live above WM_APP's
// common range so they never meet a platform or application message.
#include <windows.h>

namespace orv {

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_MOUSEENTER = CM_BASE + 2;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 3;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 4;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 5;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 6;
constexpr UINT CM_FONTCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_COLORCHANGED = CM_BASE + 9;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 10;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 11;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 12;
// Before a control's hint shows. wParam 0: lParam is the THintInfo* the control may
// change; a non-zero Result refuses the hint. wParam 1: a key-tip request, lParam 1
// show or 0 hide, answered with 1 (see HintWindow.h).
constexpr UINT CM_HINTSHOW = CM_BASE + 13;
// wParam: virtual key, lParam: shift state; Result non-zero when consumed.
constexpr UINT CM_DIALOGKEY = CM_BASE + 14;
// wParam: character; Result non-zero when consumed.
constexpr UINT CM_DIALOGCHAR = CM_BASE + 15;
// wParam: group index, lParam: the pressed control.
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 16;
// lParam: the newly focused control.
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 17;
constexpr UINT CM_ENTER = CM_BASE + 18;
constexpr UINT CM_EXIT = CM_BASE + 19;
// wParam: the child, lParam: non-zero when inserting.
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 20;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 21;
// To a control whose Showing() changed: shown or hidden itself, or an ancestor was (every
// descendant hears it), its window made or destroyed, or moved to another parent.
// wParam: 1 when it shows now.
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 22;
constexpr UINT CM_RECREATEWND = CM_BASE + 23;
constexpr UINT CM_CANCELMODE = CM_BASE + 24;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 25;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 26;
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 27;
constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 28;
// lParam: packed client point; Result non-zero when the point belongs to the control.
constexpr UINT CM_HITTEST = CM_BASE + 29;
constexpr UINT CM_MENUCHANGED = CM_BASE + 30;
// To the parent when a child is shown or hidden (insert and remove are CM_CONTROLCHANGE).
// wParam: the child, lParam: non-zero when it became visible.
constexpr UINT CM_CHILDVISIBLECHANGED = CM_BASE + 31;
// Before a hint's pause starts. wParam: 1 when a hint is up, lParam: int* pause in ms
// the control may change.
constexpr UINT CM_HINTSHOWPAUSE = CM_BASE + 32;
// After the hint window showed the control's hint. lParam: the THintInfo shown.
constexpr UINT CM_HINTSHOWN = CM_BASE + 33;
// After the hint window shown for the control was hidden.
constexpr UINT CM_HINTHIDDEN = CM_BASE + 34;
// Notifications a parent window gets about a child window (WM_COMMAND, WM_DRAWITEM) are
// passed on to the child control as CN_BASE + the message.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + 0x0111;
constexpr UINT CN_DRAWITEM = CN_BASE + 0x002B;

// Private posted messages of library units start here.
constexpr UINT WM_ORV_FIRST = WM_APP + 0x100;

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

}  // namespace orv
