#pragma once
// TApplication: the process's message loop and its forms. The first form made with
// CreateForm becomes the main form; closing it ends Run.
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "framework/Forms.h"

namespace orv {

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
    // Dispatches one message if there is one; false when the queue was empty.
    bool ProcessMessage();
    // Dispatches one message, waiting for it when the queue is empty.
    void HandleMessage();
    void ProcessMessages();

    // The message box caption; by default the executable's name without extension.
    const std::wstring& Title() const { return FTitle; }
    void SetTitle(const std::wstring& value) { FTitle = value; }

    // Reports an exception that reached a window procedure; the process carries on.
    void HandleException(const std::exception& e);
    TEvent<TObject*, const std::exception&> OnException;
    // Frees a form once the current message is done.
    void ReleaseLater(TForm* form);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void FreeReleased();
    TForm* FMainForm = nullptr;
    bool FTerminated = false;
    std::wstring FTitle;
    std::vector<TForm*> FReleased;
};

// The process's application object, made by InitializeUnits and freed (with all its
// forms) by FinalizeUnits before the library's shut-down steps run.
extern TApplication* Application;

// Shows text in a modal message box: no icon, one OK button, the application's title
// as caption, centred on the screen; returns when it is dismissed.
void ShowMessage(const std::wstring& text);
// Replaces ShowMessage's box (tests capture the text); returns the previous hook.
using TShowMessageHook = std::function<void(const std::wstring&)>;
TShowMessageHook SetShowMessageHook(TShowMessageHook hook);

}  // namespace orv
