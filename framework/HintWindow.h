#pragma once
// THintWindow: the small pop-up that shows a hint. It is a top-most pop-up that never
// takes the activation nor the mouse (clicks and moves go to the window beneath), sized
// from its text, shown and hidden at a screen position. Subclasses change the look
// through Paint and the size through CalcHintRect / SetBounds.
//
// The application shows one hint window for the control under the pointer (see
// TApplication's hint members); before it does, the control gets CM_HINTSHOW with a
// THintInfo it may change or refuse. The same message also carries key-tip requests:
// wParam 1 and lParam 1 (show) or 0 (hide), answered with 1; a receiver tells the two
// forms apart with HintInfoOf.
#include <string>

#include "framework/WinControl.h"

namespace orv {

class THintWindow;

// Makes the hint window the application shows; a plain function, so two classes can
// be compared.
using THintWindowClass = THintWindow* (*)(TComponent* owner);
template <class T>
THintWindow* HintWindowClassOf(TComponent* owner) {
    return Make<T>(owner);
}

// What the application is about to show; CM_HINTSHOW receivers may change any of it.
struct THintInfo {
    // The control the hint is for; a receiver may name another one (a hidden carrier
    // of the hint of one of its parts).
    TControl* HintControl = nullptr;
    THintWindowClass HintWindowClass = nullptr;
    // Screen position of the hint window's top-left corner.
    TPoint HintPos;
    // Width at which the text wraps.
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    // In HintControl's client coordinates: while the pointer stays inside, the hint
    // stays; leaving it asks again.
    TRect CursorRect;
    TPoint CursorPos;
    // Milliseconds; a re-show timeout above 0 asks again after that time, a hide
    // timeout of 0 keeps the hint up until the pointer leaves.
    int ReshowTimeout = 0;
    int HideTimeout = 0;
    std::wstring HintStr;
    void* HintData = nullptr;
};

// CM_HINTSHOW with this wParam is a key-tip request (lParam 1 show, 0 hide).
constexpr WPARAM kHintShowKeyTip = 1;
// The hint record of a CM_HINTSHOW, or null for a key-tip request.
inline THintInfo* HintInfoOf(const TMessage& message) {
    return message.WParam == 0 ? reinterpret_cast<THintInfo*>(message.LParam) : nullptr;
}
inline bool IsKeyTipRequest(const TMessage& message) {
    return message.Msg == CM_HINTSHOW && message.WParam == kHintShowKeyTip;
}
// Asks a control to show or hide its key tip; true when the control answered.
inline bool SendKeyTipRequest(TControl* control, bool show) {
    return control && control->Perform(CM_HINTSHOW, kHintShowKeyTip, show ? 1 : 0) == 1;
}

// The part of a hint before "|" (shown in the hint window) and the part after it (the
// status line text); a hint without "|" is both.
std::wstring GetShortHint(const std::wstring& hint);
std::wstring GetLongHint(const std::wstring& hint);

class THintWindow : public TCustomControl {
public:
    ORV_CLASS_NAME(THintWindow)
    explicit THintWindow(TComponent* owner);

    // The window size (origin 0, 0) the text needs when it wraps at maxWidth.
    virtual TRect CalcHintRect(int maxWidth, const std::wstring& text, void* data);
    TRect CalcHintRect(const std::wstring& text);
    // Sets the text and shows the window over the screen rectangle, kept inside the
    // work area of its monitor, without taking the activation.
    virtual void ActivateHint(const TRect& screenRect, const std::wstring& text);
    virtual void ActivateHintData(const TRect& screenRect, const std::wstring& text, void* data);
    // Shows the current text, sized by CalcHintRect, with its top-left at a screen point.
    void ShowAt(TPoint screenPos);
    void HideHint();
    bool IsHintVisible() const;

    // The control whose hint is shown (a window that shows rich hints reads it).
    TControl* HintControl() const { return FHintControl; }
    void SetHintControl(TControl* control);

protected:
    void CreateParams(TCreateParams& params) override;
    // The paint covers the whole client area: no erase, no flicker.
    void EraseBackground(HDC dc) override;
    void Paint() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    // Places and shows the window at exactly screenRect, top-most, not activated.
    void ShowHintWindow(const TRect& screenRect);
    // Text size in the window's font, measured without the window: one line when
    // maxWidth is 0, else wrapped at maxWidth.
    TSize TextSize(const std::wstring& text, int maxWidth);

private:
    TControl* FHintControl = nullptr;
};

}  // namespace orv
