#pragma once
// TApplication: the process's message loop and its forms. The first form made with
// CreateForm becomes the main form; closing it ends Run.
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/HintWindow.h"

namespace orv {

class TTimer;

using TIdleEvent = TEvent<TObject*, bool&>;
// The message about to be dispatched; setting handled drops it.
using TMessageEvent = TEvent<MSG&, bool&>;
// The hint text, can-show and the record, after the control had its say.
using TShowHintEvent = TEvent<std::wstring&, bool&, THintInfo&>;
// Sees every message the application's loops take from the queue before it is
// translated and dispatched; true consumes it.
using TPreTranslateHook = std::function<bool(MSG&)>;

class TApplication : public TComponent {
public:
    ORV_CLASS_NAME(TApplication)
    explicit TApplication(TComponent* owner);

    void Initialize() {}
    template <class T>
    T* CreateForm() {
        T* form = Make<T>(this);
        if (!FMainForm) FMainForm = form;
        return form;
    }
    TForm* MainForm() const { return FMainForm; }

    // Shows the main form and dispatches messages until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Every loop (Run, HandleMessage, ProcessMessages, modal forms) takes messages
    // through ProcessMessage, so the pre-translation hooks, OnMessage, the hint's
    // cancelling keys and clicks and the MDI keys see all of them.
    // Dispatches one message if there is one; false when the queue was empty.
    bool ProcessMessage();
    // Dispatches one message; when the queue is empty runs Idle and then waits for the
    // next message unless an idle handler asked to be called again.
    void HandleMessage();
    void ProcessMessages();
    // The work done once the queue is empty: the pointer's leaving of windows the
    // platform did not report, the hint of the control under the pointer
    // (Application->Hint), then OnIdle. True when the loop may wait.
    bool Idle();
    int AddPreTranslateHook(TPreTranslateHook hook);
    void RemovePreTranslateHook(int id);
    TMessageEvent OnMessage;
    TIdleEvent OnIdle;

    // --- hints ---------------------------------------------------------------------------
    // When the pointer rests on a control whose ShowHint is set for HintPause ms (or
    // HintShortPause while a hint is up), the control gets CM_HINTSHOW with a hint
    // record it may change or refuse, then the hint window shows it for HintHidePause
    // ms. Moving to another control, out of the record's cursor rectangle, a key or a
    // click ends it.
    bool GetShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    int GetHintPause() const { return FHintPause; }
    void SetHintPause(int value) { FHintPause = value; }
    int GetHintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(int value) { FHintShortPause = value; }
    int GetHintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int value) { FHintHidePause = value; }
    TColor GetHintColor() const { return FHintColor; }
    void SetHintColor(TColor value) { FHintColor = value; }
    // The class of the hint window; a CM_HINTSHOW receiver may ask for another one for
    // its hint through the record.
    THintWindowClass GetHintWindowClass() const { return FHintWindowClass; }
    void SetHintWindowClass(THintWindowClass value);
    // The window of the last hint shown (null before the first).
    THintWindow* HintWindow() const { return FHintWindow; }
    // The control whose hint is pending or shown.
    TControl* HintControl() const { return FHintControl; }
    // Shows the hint for the control under a screen point now.
    void ActivateHint(TPoint cursorPos);
    // Hides the hint and forgets the pending one.
    void CancelHint();
    // Hides the hint window; the pointer must leave the control's cursor rectangle
    // before it is asked for again.
    void HideHint();
    // Windows report each mouse message here (client coordinates of window).
    void HintMouseMessage(TWinControl* window, const TMessage& message);
    // The long hint of the control under the pointer ("" when none). When it changes,
    // OnHint runs if assigned; otherwise a THintAction with the text is offered to the
    // active form's controls, then the main form's, until one takes it.
    const std::wstring& GetHint() const { return FHint; }
    void SetHint(const std::wstring& value);
    TNotifyEvent OnHint;
    TShowHintEvent OnShowHint;

    // The message box caption; by default the executable's name without extension.
    const std::wstring& Title() const { return FTitle; }
    void SetTitle(const std::wstring& value) { FTitle = value; }

    // Reports an exception that reached a callback the system calls (window procedure,
    // hook, timer): OnException when assigned, else a line on stderr. The process carries on.
    void HandleException(const std::exception& e);
    TEvent<TObject*, const std::exception&> OnException;
    // Frees a form once the current message is done.
    void ReleaseLater(TForm* form);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    enum class THintTimerType { htNone, htShow, htHide, htReshow };
    void FreeReleased();
    bool PreTranslate(MSG& msg);
    void CheckHintMessage(const MSG& msg);
    void StartHintTimer(int ms, THintTimerType type);
    void StopHintTimer();
    void HintTimerExpired(TObject*);
    void SetHintControlLink(TControl* control);
    void SetHintShownFor(TControl* control);
    THintWindow* NeedHintWindow(THintWindowClass windowClass);
    void TrackMouseWindow();

    TForm* FMainForm = nullptr;
    bool FTerminated = false;
    std::wstring FTitle;
    std::vector<TForm*> FReleased;
    struct TPreTranslateEntry {
        int Id;
        TPreTranslateHook Hook;
    };
    std::vector<TPreTranslateEntry> FPreTranslateHooks;
    int FNextHookId = 1;
    HWND FMouseWindow = nullptr;

    bool FShowHint = true;
    int FHintPause = 500;
    int FHintShortPause = 50;
    int FHintHidePause = 2500;
    TColor FHintColor = clInfoBk;
    THintWindowClass FHintWindowClass = &HintWindowClassOf<THintWindow>;
    THintWindow* FHintWindow = nullptr;
    THintWindowClass FHintWindowMadeBy = nullptr;
    TControl* FHintControl = nullptr;
    TControl* FHintShownFor = nullptr;
    bool FHintActive = false;
    TRect FHintCursorRect;
    TTimer* FHintTimer = nullptr;
    THintTimerType FHintTimerType = THintTimerType::htNone;
    std::wstring FHint;
};

// The process's application object, made by InitializeUnits and freed (with all its
// forms) by FinalizeUnits before the library's shut-down steps run.
extern TApplication* Application;

// For the dispatchers of callbacks the system calls (window procedures, thread hooks,
// timers), inside their catch block: reports the exception being handled through
// Application->HandleException (on stderr when there is no application) and swallows
// whatever the report itself raises, so nothing unwinds into the platform's frames.
void HandleCallbackException() noexcept;

// Shows text in a modal message box: no icon, one OK button, the application's title
// as caption, centred on the screen; returns when it is dismissed.
void ShowMessage(const std::wstring& text);
// Replaces ShowMessage's box (tests capture the text); returns the previous hook.
using TShowMessageHook = std::function<void(const std::wstring&)>;
TShowMessageHook SetShowMessageHook(TShowMessageHook hook);

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : uint16_t {
    mbYes = 1 << 0,
    mbNo = 1 << 1,
    mbOK = 1 << 2,
    mbCancel = 1 << 3,
    mbAbort = 1 << 4,
    mbRetry = 1 << 5,
    mbIgnore = 1 << 6,
};
using TMsgDlgButtons = uint16_t;
constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;

// Asks a question in a modal message box with the type's icon, the application's title
// as caption and the given buttons (the platform's sets: OK, OK/Cancel, Yes/No,
// Yes/No/Cancel, Retry/Cancel, Abort/Retry/Ignore); returns the pressed button's modal
// result (mrYes, mrNo ...).
int MessageDlg(const std::wstring& text, TMsgDlgType type, TMsgDlgButtons buttons);

// What a dialog hook is asked to answer.
struct TMessageDlgRequest {
    std::wstring Text;
    std::wstring Caption;
    TMsgDlgType Type = TMsgDlgType::mtCustom;
    TMsgDlgButtons Buttons = mbOK;
};
// Answers MessageDlg (and ShowMessage when no ShowMessage hook is set) in place of the
// box, with a modal result; returns the previous hook. Without it, a ShowMessage hook
// sees MessageDlg's text and the dialog answers as Escape would (Cancel, else No, else
// OK).
using TMessageDlgHook = std::function<int(const TMessageDlgRequest&)>;
TMessageDlgHook SetMessageDlgHook(TMessageDlgHook hook);

}  // namespace orv
