#pragma once
// The program's run, from library start-up to shut-down, apart from WinMain so tests
// can drive it.
#include <functional>
#include <string>

// Registers the units, starts them, runs createMainWindow and the message loop, then
// shuts the units down. An exception out of createMainWindow (or the loop) is shown in
// an error box and the shut-down steps still run; the result is the exit code: 0, or 1
// after an error.
int RunProgram(const std::function<void()>& createMainWindow);

// The plain error box: the message, an error icon, one OK button, the application's
// title. Tests replace it through SetErrorBoxHook (it returns the previous hook).
void ShowErrorBox(const std::wstring& message);
using TErrorBoxHook = std::function<void(const std::wstring& message)>;
TErrorBoxHook SetErrorBoxHook(TErrorBoxHook hook);
