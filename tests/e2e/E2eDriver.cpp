// Drives the built program as a user would and checks what the user sees.
//
//   E2eDriver <Quillan.exe> [--scenario present|absent]
//       Both scenarios (or one): prepare the registry, start the program,
//       read and dismiss its first message box, press "Test HKEY_CURRENT_USER"
//       in the main window, read and dismiss the second box, close the window.
//   E2eDriver <Quillan.exe> --screenshots <folder>
//       Start the program with the registry as it is and save
//       run-1-message.bmp (first message box), run-2-window.bmp (main
//       window) and run-3-statusbar.bmp (its status bar) in <folder>, then
//       close the program.
//
// It runs in the same Wine prefix (or Windows session) as the program, so its
// own registry calls prepare what the program will read.

#include "ProgramWindows.h"
#include "ScreenCapture.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using e2e::StepFailed;

constexpr wchar_t kKeyPath[] = L"SoftWare\\Quillan_HKCU";
constexpr wchar_t kValueName[] = L"Value_Quillan_HKCU";
constexpr wchar_t kCommandText[] = L"Test HKEY_CURRENT_USER";
constexpr wchar_t kFoundText[] = L"OK! Found: Value_Quillan_HKCU in \rHKEY_CURRENT_USER\\SoftWare\\Quillan_HKCU";
constexpr wchar_t kNotFoundText[] =
    L"ERROR! Not found: Value_Quillan_HKCU in \rHKEY_CURRENT_USER\\SoftWare\\Quillan_HKCU";

// Generous: the first start in a fresh Wine prefix loads fonts and DLLs.
constexpr DWORD kAppearTimeoutMs = 20000;
constexpr DWORD kStepTimeoutMs = 10000;

bool KeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void RemoveKey() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kKeyPath);
    RegDeleteKeyW(HKEY_CURRENT_USER, kKeyPath);
}

void PrepareRegistry(bool present) {
    RemoveKey();
    if (KeyExists()) throw StepFailed("could not remove HKCU\\SoftWare\\Quillan_HKCU before the run");
    if (!present) return;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw StepFailed("could not create HKCU\\SoftWare\\Quillan_HKCU");
    const std::wstring data = L"written by E2eDriver";
    const LONG status = RegSetValueExW(key, kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) throw StepFailed("could not write Value_Quillan_HKCU");
}

// Leaves the registry as it was found by the tests: without the key.
struct RegistryCleanup {
    ~RegistryCleanup() { RemoveKey(); }
};

// The status bar: a visible child window along the bottom of the main window's client
// area, as wide as the client area and 19 pixels high. Waits for it to be laid out.
HWND FindStatusBar(HWND mainWindow) {
    const ULONGLONG deadline = GetTickCount64() + kStepTimeoutMs;
    std::string seen;
    for (;;) {
        RECT client{};
        GetClientRect(mainWindow, &client);
        seen.clear();
        for (HWND child = GetWindow(mainWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (!IsWindowVisible(child)) continue;
            RECT r{};
            GetWindowRect(child, &r);
            MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&r), 2);
            seen += " (" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                    std::to_string(r.bottom) + ")";
            if (r.bottom == client.bottom && r.bottom - r.top == 19 && r.left == client.left && r.right == client.right)
                return child;
        }
        if (GetTickCount64() > deadline)
            throw StepFailed("no status bar 19 high along the bottom of the client area; children:" + seen);
        Sleep(50);
    }
}

void ExpectText(const char* which, const std::wstring& seen, const std::wstring& expected) {
    if (seen == expected) return;
    throw StepFailed(std::string(which) + " says \"" + e2e::Printable(seen) + "\", expected \"" +
                     e2e::Printable(expected) + "\"");
}

void RunScenario(const std::wstring& exe, bool present) {
    const std::wstring expected = present ? kFoundText : kNotFoundText;
    RegistryCleanup cleanup;
    PrepareRegistry(present);

    e2e::RunningProgram program(exe);
    HWND firstBox = program.WaitForMessageBox(kAppearTimeoutMs);
    const ULONGLONG firstBoxMs = program.ElapsedMs();
    ExpectText("the first message box", e2e::MessageBoxText(firstBox), expected);
    for (HWND hwnd : program.VisibleTopLevels())
        if (hwnd != firstBox)
            throw StepFailed("a window (class \"" + e2e::Printable(e2e::ClassNameOf(hwnd)) +
                             "\") is visible while the first message box is up");
    e2e::PressOk(firstBox, kStepTimeoutMs);

    HWND mainWindow = program.WaitForMainWindow(kAppearTimeoutMs);
    HWND command = nullptr;
    const ULONGLONG deadline = GetTickCount64() + kStepTimeoutMs;
    while (!(command = e2e::FindDescendantByText(mainWindow, kCommandText))) {
        if (GetTickCount64() > deadline)
            throw StepFailed("the main window has no visible \"Test HKEY_CURRENT_USER\" command");
        Sleep(50);
    }
    FindStatusBar(mainWindow);
    e2e::ClickLikeAUser(command);

    HWND secondBox = program.WaitForMessageBox(kStepTimeoutMs);
    ExpectText("the message box after the command", e2e::MessageBoxText(secondBox), expected);
    e2e::PressOk(secondBox, kStepTimeoutMs);

    PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    const DWORD exitCode = program.WaitForExit(kStepTimeoutMs);
    if (exitCode != 0) throw StepFailed("the program exited with code " + std::to_string(exitCode));
    if (!present && KeyExists())
        throw StepFailed("the program created HKCU\\SoftWare\\Quillan_HKCU; it must only read");

    std::printf("e2e %s: passed (first message box after %llu ms)\n", present ? "present" : "absent", firstBoxMs);
}

// Time for the program to paint what it just showed.
constexpr DWORD kPaintSettleMs = 1000;

void TakeScreenshots(const std::wstring& exe, const std::wstring& folder) {
    e2e::RunningProgram program(exe);
    HWND box = program.WaitForMessageBox(kAppearTimeoutMs);
    std::printf("message box after %llu ms: \"%s\"\n", program.ElapsedMs(),
                e2e::Printable(e2e::MessageBoxText(box)).c_str());
    Sleep(kPaintSettleMs);
    e2e::SaveScreenBmp(folder + L"\\run-1-message.bmp");
    e2e::PressOk(box, kStepTimeoutMs);

    HWND mainWindow = program.WaitForMainWindow(kAppearTimeoutMs);
    Sleep(kPaintSettleMs);
    e2e::SaveScreenBmp(folder + L"\\run-2-window.bmp");
    HWND statusBar = FindStatusBar(mainWindow);
    RECT bar{};
    GetWindowRect(statusBar, &bar);
    e2e::SaveScreenRectBmp(folder + L"\\run-3-statusbar.bmp", bar);
    PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    const DWORD exitCode = program.WaitForExit(kStepTimeoutMs);
    std::printf("program exited with code %lu\n", exitCode);
    if (exitCode != 0) throw StepFailed("the program exited with code " + std::to_string(exitCode));
}

int Usage() {
    std::fprintf(stderr,
                 "usage: E2eDriver <Quillan.exe> [--scenario present|absent]\n"
                 "       E2eDriver <Quillan.exe> --screenshots <folder>\n");
    return 2;
}

}  // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args(argv + 1, argv + argc);
    LocalFree(argv);
    if (args.empty()) return Usage();

    const std::wstring exe = e2e::ToWindowsPath(args[0]);
    std::wstring scenario;
    std::wstring screenshots;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == L"--scenario" && i + 1 < args.size())
            scenario = args[++i];
        else if (args[i] == L"--screenshots" && i + 1 < args.size())
            screenshots = e2e::ToWindowsPath(args[++i]);
        else
            return Usage();
    }

    if (!screenshots.empty()) {
        try {
            TakeScreenshots(exe, screenshots);
            return 0;
        } catch (const StepFailed& failure) {
            std::printf("screenshots: FAILED: %s\n", failure.what());
            return 1;
        }
    }

    if (!scenario.empty() && scenario != L"present" && scenario != L"absent") return Usage();
    int failures = 0;
    for (bool present : {true, false}) {
        if (!scenario.empty() && (scenario == L"present") != present) continue;
        try {
            RunScenario(exe, present);
        } catch (const StepFailed& failure) {
            std::printf("e2e %s: FAILED: %s\n", present ? "present" : "absent", failure.what());
            ++failures;
        }
        std::fflush(stdout);
    }
    return failures == 0 ? 0 : 1;
}
