#include "framework/Application.h"

#include <algorithm>
#include <cstdio>

namespace orv {

TApplication* Application = nullptr;

namespace {
TShowMessageHook gShowMessageHook;

std::wstring ExecutableTitle() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) name = name.substr(slash + 1);
    size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name = name.substr(0, dot);
    return name;
}
}  // namespace

TApplication::TApplication(TComponent* owner) : TComponent(owner), FTitle(ExecutableTitle()) {}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FMainForm) FMainForm = nullptr;
    FReleased.erase(std::remove(FReleased.begin(), FReleased.end(), component), FReleased.end());
}

void TApplication::Run() {
    if (FMainForm) FMainForm->Show();
    while (!FTerminated) HandleMessage();
}

void TApplication::Terminate() {
    if (FTerminated) return;
    FTerminated = true;
    PostQuitMessage(0);
}

bool TApplication::ProcessMessage() {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    FreeReleased();
    return true;
}

void TApplication::HandleMessage() {
    if (!ProcessMessage() && !FTerminated) WaitMessage();
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

void TApplication::HandleException(const std::exception& e) {
    if (OnException) {
        OnException(this, e);
        return;
    }
    std::fprintf(stderr, "Unhandled exception: %s\n", e.what());
    OutputDebugStringA(e.what());
}

void TApplication::ReleaseLater(TForm* form) {
    if (std::find(FReleased.begin(), FReleased.end(), form) == FReleased.end()) FReleased.push_back(form);
}

void TApplication::FreeReleased() {
    while (!FReleased.empty()) {
        TForm* f = FReleased.back();
        FReleased.pop_back();
        f->Free();
    }
}

TShowMessageHook SetShowMessageHook(TShowMessageHook hook) {
    TShowMessageHook old = std::move(gShowMessageHook);
    gShowMessageHook = std::move(hook);
    return old;
}

void ShowMessage(const std::wstring& text) {
    if (gShowMessageHook) {
        gShowMessageHook(text);
        return;
    }
    std::wstring title = Application ? Application->Title() : ExecutableTitle();
    // No owner: the box needs no visible window (it can come before the main form shows),
    // and task-modal keeps every window of the program from taking input meanwhile.
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_TASKMODAL | MB_SETFOREGROUND);
}

}  // namespace orv
