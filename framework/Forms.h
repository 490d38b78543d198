#pragma once
// TForm: a top-level window. OnCreate runs after the form's components exist and before
// the window shows ("old creation order"); the stored client size is applied when the
// window is made, once its final frame is known.
#include "framework/Icon.h"
#include "framework/WinControl.h"

namespace orv {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum TBorderIconFlag : uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = uint8_t;

enum class TTileMode { tbHorizontal, tbVertical };

// What ended a modal form or answered a message dialog (the platform's button ids).
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrAbort = 3;
constexpr int mrRetry = 4;
constexpr int mrIgnore = 5;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

class TMenuItem;

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;

class TForm : public TWinControl {
public:
    ORV_CLASS_NAME(TForm)
    explicit TForm(TComponent* owner);

    void AfterConstruction() override;
    void Loaded() override;

    TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons GetBorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    TPosition GetPosition() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TFormStyle GetFormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value);
    TWindowState GetWindowState() const;
    void SetWindowState(TWindowState value);
    // The window's icon (big, and small from the same file), stored in layouts. While it
    // is empty the window shows the program's icon resource "MAINICON" when there is one.
    TIcon& Icon() { return FIcon; }
    const TIcon& Icon() const { return FIcon; }
    void SetIcon(const TIcon& value) { FIcon.Assign(&value); }

    void SetClientWidth(int value);
    void SetClientHeight(int value);
    TRect ClientRect() const override;

    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);

    void SetVisible(bool value) override;
    bool Showing() const override;
    // Shows the form above its owner window without taking the activation: the
    // foreground window stays what it was.
    void ShowNoActivate();
    void Close();
    int ShowModal();
    int GetModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }

    // --- owner window --------------------------------------------------------------------
    // A form's window is always top-level (also when it has a Parent, whose window then
    // only owns it). It is owned by PopupParent's window when set, else by its
    // Parent's, else by the main form's: an owned window stays above its owner and
    // goes with it.
    TWinControl* GetPopupParent() const { return FPopupParent; }
    void SetPopupParent(TWinControl* value);

    // --- MDI ---------------------------------------------------------------------------------
    // An fsMDIForm has a client window that holds the fsMDIChild forms; a child's MDI
    // form is its owner when that is one, else the main form, else the first MDI form.
    // The frame's default processing goes through the platform's frame and child
    // procedures, and the application's loops give them their keys (Ctrl+F4, Ctrl+F6).
    HWND ClientHandle() const { return FClientHandle; }
    // Children in stacking order, the active one first.
    int MDIChildCount() const;
    TForm* MDIChildren(int index) const;
    TForm* ActiveMDIChild() const;
    bool ActiveMDIChildMaximized() const;
    void Cascade();
    void Tile(TTileMode mode = TTileMode::tbHorizontal);
    void ArrangeIcons();
    void Next();
    void Previous();
    // The menu whose sub-menu lists the children; UpdateWindowMenu hands the current
    // native menus to the client again (the menu bar calls it after a rebuild).
    TMenuItem* GetWindowMenu() const { return FWindowMenu; }
    void SetWindowMenu(TMenuItem* value);
    void UpdateWindowMenu();
    // The MDI form a child belongs in (null when there is none).
    TForm* MDIParentForm() const;
    // On the MDI form when another child became active (or the last one went).
    TNotifyEvent OnActiveMDIChildChange;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    void BeforeDestruction() override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void CreateHandleDone() override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void DoCreate();
    virtual void DoClose(TCloseAction& action);
    virtual bool CloseQuery();
    virtual void Activate();
    virtual void Deactivate();

private:
    void ApplyClientSize();
    void ApplyPosition();
    void ApplyIcon();
    TRect FrameInsets() const;
    HWND OwnerWindow();
    std::vector<TForm*> MDIChildList() const;

    TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
    TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition FPosition = TPosition::poDesigned;
    TFormStyle FFormStyle = TFormStyle::fsNormal;
    TWindowState FWindowState = TWindowState::wsNormal;
    int FClientWidth = -1;
    int FClientHeight = -1;
    bool FPositioned = false;
    TWinControl* FActiveControl = nullptr;
    int FModalResult = 0;
    bool FInModal = false;
    bool FShowNoActivate = false;
    TWinControl* FPopupParent = nullptr;
    HWND FClientHandle = nullptr;
    TMenuItem* FWindowMenu = nullptr;
    TIcon FIcon;
    TIcon FSmallIcon;  // FIcon's file at the small icon size, for the caption
};

// TFrame: a container control built from its own stored layout when it is made; it
// can be placed in a form (also inline in the form's layout) and moved between windows.
class TFrame : public TCustomControl {
public:
    ORV_CLASS_NAME(TFrame)
    explicit TFrame(TComponent* owner);
    // Reads the frame's layout (when its class has one); subclasses run their
    // construction code after calling this.
    void AfterConstruction() override;
};

// The form a control sits on (walking up the parents), or null.
TForm* GetParentForm(const TControl* control);
// The nearest enclosing form or frame.
TWinControl* GetParentFormOrFrame(const TControl* control);

}  // namespace orv
