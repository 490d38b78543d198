#pragma once
// Starting the program under test and finding, reading and pressing its
// windows from another process, the way a user (or an accessibility tool)
// sees them: visible top-level windows, their classes and texts.

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace e2e {

// A step that did not see what a user should have seen. The message is
// printed as the reason of the failure.
class StepFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// UTF-8 for the console, with control characters shown as escapes so that a
// stray "\r" or "\n" in a text is visible in the log.
std::string Printable(const std::wstring& text);

// "/unix/path" (as CMake hands it over under Wine) to "Z:\unix\path";
// Windows paths keep their drive and get backslashes.
std::wstring ToWindowsPath(const std::wstring& path);

std::wstring ClassNameOf(HWND hwnd);
// WM_GETTEXT with a timeout, so a hung program fails the step instead of
// hanging the driver.
std::wstring TextOf(HWND hwnd);
bool IsMessageBoxWindow(HWND hwnd);

// The text of a message box: its static control with id 0xFFFF.
std::wstring MessageBoxText(HWND box);
// Presses the box's only button (OK) and waits until the box has gone.
void PressOk(HWND box, DWORD timeoutMs);

// First visible descendant of `root` whose text is exactly `text`, or null.
HWND FindDescendantByText(HWND root, const std::wstring& text);

// The component name the program gives its windows (the window property
// "OrvComponentName", a global atom), or empty.
std::wstring ComponentNameOf(HWND hwnd);
// First descendant of `root` (visible or not) named `name`, or null.
HWND FindDescendantByName(HWND root, const std::wstring& name);
// Waits for a visible descendant named `name`; throws after the timeout.
HWND WaitForNamed(HWND root, const std::wstring& name, DWORD timeoutMs);

// Clicks the middle of `control` with the real mouse: its window is brought
// to the front, the cursor moved there and a left press and release injected.
void ClickLikeAUser(HWND control);
// The same at a screen point inside `control` (the hit window there must be
// `control` or one of its descendants).
void ClickLikeAUserAt(HWND control, POINT screenPoint);
// Rests the real pointer on a screen point for `restMs`.
void MoveLikeAUser(POINT screenPoint, DWORD restMs);
// Presses and releases one key with the real keyboard.
void PressKey(WORD virtualKey);

// The program, started with CreateProcessW as a shell would. Terminates it
// on destruction if it is still running, so a failed step leaves nothing
// behind.
class RunningProgram {
public:
    explicit RunningProgram(const std::wstring& exePath);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    DWORD Pid() const { return FInfo.dwProcessId; }
    // Milliseconds since CreateProcessW returned.
    ULONGLONG ElapsedMs() const;

    // Visible top-level windows of the process, topmost first.
    std::vector<HWND> VisibleTopLevels() const;
    // First visible message box (class "#32770") of the process.
    HWND WaitForMessageBox(DWORD timeoutMs) const;
    // First visible top-level window that is not a message box.
    HWND WaitForMainWindow(DWORD timeoutMs) const;
    // What is on screen, for failure messages: the program's visible
    // windows, the cursor and the foreground window.
    std::string DescribeScreen() const;
    // Exit code, or throws when the program still runs after the timeout.
    DWORD WaitForExit(DWORD timeoutMs);

private:
    // Throws when the program has already ended: waiting on would only time out.
    void ThrowIfExited(const char* waitingFor) const;

    PROCESS_INFORMATION FInfo{};
    ULONGLONG FStartTick = 0;
};

}  // namespace e2e
