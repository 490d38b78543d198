#pragma once
// TOrvToolBarForm: a main window whose title bar is replaced by a toolbar pager. Off
// glass the system caption is removed and the pager draws caption, caption buttons and
// moves the window; on glass the frame is extended into the client area so the pager's
// caption and tabs sit on it while the system keeps its caption buttons.
#include "framework/Forms.h"
#include "toolbar/OrvDWM.h"

namespace orv {

// What the form needs of the pager it hosts (the first child implementing this).
class IOrvToolBarFormPager {
public:
    virtual ~IOrvToolBarFormPager() = default;
    // The current styler's form border colour.
    virtual TColor FormBorderColor() const = 0;
    // The tab row height when the pager draws its tabs on glass, else 0.
    virtual int GlassTabHeight() const = 0;
    // The Office 2010 look and the scenic flag are both on.
    virtual bool ScenicLook() const = 0;
    // Below 300 pixels of form width the pager shrinks to its caption.
    virtual void EnterHideState() = 0;
    virtual void LeaveHideState() = 0;
    virtual bool InHideState() const = 0;
    // The form went on or off glass.
    virtual void GlassChanged(bool onGlass) = 0;
    // The form's size came from the platform: the pager fits itself to it.
    virtual void SizeToForm() = 0;
    virtual TWinControl* PagerControl() = 0;
};

// --- geometry (values, no window) -------------------------------------------------------
constexpr int kToolBarFormHideWidth = 300;
// The caption band: 27 pixels, 33 maximized outside the scenic case.
int ToolBarFormCaptionBand(bool maximized, bool scenic);
// The top glass margin: 29 plus the pager's glass tab height less 1 (29 when the tabs
// are not on glass), 35 maximized, 54 maximized in the scenic case.
int ToolBarFormTopGlassMargin(bool maximized, bool scenic, int glassTabHeight);
// The resize zone under a point in window coordinates (HTTOP, HTLEFT, ... HTBOTTOMRIGHT)
// or HTNOWHERE: top 3, left 3, right 12, bottom 12, corners 20 x 20, later ones winning.
int ToolBarFormHitTest(TPoint point, int width, int height);
// The non-client borders on glass (the top stays client: the caption band is drawn by
// the pager). Left, Top (always 0), Right, Bottom.
TRect ToolBarFormGlassBorders(TFormBorderStyle border, bool maximized, bool scenic);
// The client rectangle inside the drawn border (before Vista) or the glass frame.
void ToolBarFormAdjustClientRect(TRect& rect, bool vistaOrLater, bool onGlass, bool maximized, bool scenic);

// A child lying over one of its toolbar form's resize zones (the pager covers the top
// edge, the top corners and the sides beside it) answers its hit test as transparent
// there, so that the form answers and the pointer resizes the form: true when the form
// the control sits on has a zone at the screen point.
bool InToolBarFormResizeZone(const TControl* control, TPoint screen);

class TOrvToolBarForm : public TForm {
public:
    ORV_CLASS_NAME(TOrvToolBarForm)
    explicit TOrvToolBarForm(TComponent* owner);

    void Loaded() override;
    void AdjustClientRect(TRect& rect) const override;

    bool IsAeroVista() const { return FIsAeroVista; }
    bool IsWin7() const { return FIsWin7; }
    bool IsMaximizedScenic();
    // The frame extension the form asks for on glass.
    TDwmMargins GlassFrameMargins();
    IOrvToolBarFormPager* FirstPager() const;
    // Re-evaluates the glass condition and switches buffering, frame and pager over.
    void UpdateGlass();
    // The resize zone (HTTOP ... HTBOTTOMRIGHT) the form answers at a screen point, or
    // HTNOWHERE: only in the normal window state and outside design time.
    int ResizeZoneAt(TPoint screen);

    // Raised after the glass frame is set up (and after loading when activation came
    // while the form was being read).
    TNotifyEvent OnActivate;

protected:
    void BeforeDestruction() override;
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void Activate() override;
    void PaintWindow(HDC dc) override;
    void EraseBackground(HDC dc) override;

private:
    bool EvaluateGlass() const;
    bool Maximized() const;
    bool MaximizedToWorkArea();
    HRESULT ExtendFrame();
    void HandleSize();
    void PaintGlassClient(HDC dc);
    void HandleMinMaxInfo(MINMAXINFO& info);
    void ForwardMenuSelect();

    bool FIsAeroVista = false;
    bool FIsWin7 = false;
    bool FDestroying = false;
    bool FActivated = false;
    bool FCreated = false;
    bool FInLoaded = false;
    bool FNarrowMargin = false;
    TWindowState FOldWndState = TWindowState::wsNormal;
};

}  // namespace orv
