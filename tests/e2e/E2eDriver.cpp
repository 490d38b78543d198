// Drives the built program as a user would and checks what the user sees.
//
//   E2eDriver <Quillan.exe> [--scenario present|absent]
//       Both scenarios (or one): prepare the registry, start the program,
//       read and dismiss its first message box, press "Test HKEY_CURRENT_USER"
//       in the main window (found, like the pager, page and toolbar, by the
//       component name on its window), read and dismiss the second box, close
//       the window with the pager's close button. Before closing, the absent
//       scenario opens the backstage frame with "File" (the frame journey below).
//       Pictures of the window and the frame are saved in the temporary folder.
//   E2eDriver <Quillan.exe> --screenshots <folder>
//       Start the program with the registry as it is and save
//       run-1-message.bmp (first message box), run-2-window.bmp (main
//       window) and run-3-statusbar.bmp (its status bar) in <folder>; then
//       open the backstage frame with "File" and save run-4-frame.bmp,
//       run-5-menu-item-3.bmp (after choosing "Menu Item 3") and
//       run-6-hovered.bmp (the menu with "Menu Item 2" hovered); close the
//       program.
//
// It runs in the same Wine prefix (or Windows session) as the program, so its
// own registry calls prepare what the program will read.

#include "ProgramWindows.h"
#include "ScreenCapture.h"

#include <windows.h>
#include <shellapi.h>

#include <climits>
#include <cstdlib>
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
// Time for the program to paint what it just showed.
constexpr DWORD kPaintSettleMs = 1000;

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

// The command bar's windows, found by the component names the program gives them,
// each inside the one before.
struct CommandBar {
    HWND pager;
    HWND page;
    HWND toolbar;
    HWND command;
};

CommandBar FindCommandBar(HWND mainWindow) {
    CommandBar bar{};
    bar.pager = e2e::WaitForNamed(mainWindow, L"OrvToolBarPager1", kStepTimeoutMs);
    bar.page = e2e::WaitForNamed(bar.pager, L"OrvPage1", kStepTimeoutMs);
    bar.toolbar = e2e::WaitForNamed(bar.page, L"OrvToolBar1", kStepTimeoutMs);
    bar.command = e2e::WaitForNamed(bar.toolbar, L"OrvGlowButton1", kStepTimeoutMs);
    if (GetParent(bar.pager) != mainWindow) throw StepFailed("the pager is not a child of the main window");
    if (e2e::TextOf(bar.command) != kCommandText)
        throw StepFailed("the glow button says \"" + e2e::Printable(e2e::TextOf(bar.command)) + "\"");
    return bar;
}

// The pager's close button: the rightmost of the small caption buttons in the top row
// above the page.
HWND FindCloseButton(const CommandBar& bar) {
    RECT page{};
    GetWindowRect(bar.page, &page);
    HWND best = nullptr;
    LONG bestRight = LONG_MIN;
    LONG bestTop = LONG_MAX;
    for (HWND child = GetWindow(bar.pager, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child) || child == bar.page) continue;
        RECT r{};
        GetWindowRect(child, &r);
        const bool small = r.right > r.left && r.bottom > r.top && r.right - r.left <= 40 && r.bottom - r.top <= 40;
        // The caption row lies above the pager's other small buttons (help, collapse).
        if (small && r.bottom <= page.top && (!best || r.top < bestTop || (r.top == bestTop && r.right > bestRight))) {
            best = child;
            bestRight = r.right;
            bestTop = r.top;
        }
    }
    if (!best) throw StepFailed("the pager shows no caption buttons above its page");
    return best;
}

std::wstring TempFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetTempPathW(MAX_PATH, path);
    std::wstring folder(path, length);
    while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    return folder;
}

void ExpectText(const char* which, const std::wstring& seen, const std::wstring& expected) {
    if (seen == expected) return;
    throw StepFailed(std::string(which) + " says \"" + e2e::Printable(seen) + "\", expected \"" +
                     e2e::Printable(expected) + "\"");
}

// --- the backstage frame ---------------------------------------------------------

constexpr wchar_t kListNames[3][13] = {L"OrvPolyList1", L"OrvPolyList2", L"OrvPolyList3"};

// A client point of `window` on the screen.
POINT ScreenPoint(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}

// The visible frame, wherever the program shows it (its frame window is a pop-up).
HWND FindShownFrame(const e2e::RunningProgram& program) {
    for (HWND top : program.VisibleTopLevels()) {
        HWND frame = e2e::ComponentNameOf(top) == L"ZemFrame2" ? top : e2e::FindDescendantByName(top, L"ZemFrame2");
        if (frame && IsWindowVisible(frame)) return frame;
    }
    return nullptr;
}

HWND WaitForShownFrame(const e2e::RunningProgram& program, bool shown) {
    const ULONGLONG deadline = GetTickCount64() + kStepTimeoutMs;
    for (;;) {
        HWND frame = FindShownFrame(program);
        if ((frame != nullptr) == shown) return frame;
        if (GetTickCount64() > deadline)
            throw StepFailed(shown ? "the backstage frame did not appear after \"File\" was clicked; " +
                                         program.DescribeScreen()
                                   : "the backstage frame is still shown");
        Sleep(50);
    }
}

// Which of the three list windows is on top, by the component names on the windows.
std::wstring TopmostList(HWND frame) {
    for (HWND child = GetWindow(frame, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring name = e2e::ComponentNameOf(child);
        for (const wchar_t* list : kListNames)
            if (name == list) return name;
    }
    return L"(none of the lists)";
}

void ExpectTopmostList(HWND frame, const std::wstring& expected, const char* when) {
    const std::wstring seen = TopmostList(frame);
    if (seen != expected)
        throw StepFailed(std::string(when) + ": " + e2e::Printable(seen) + " is on top, expected " +
                         e2e::Printable(expected));
}

// Screen pixels of a band of the menu: how many are clearly the red of the window's
// hover override, and how many the blue border of the frame layout's own hover.
struct BandColours {
    int red = 0;
    int layoutBlue = 0;
};

BandColours CountBandColours(HWND menu, int top, int bottom) {
    RECT client{};
    GetClientRect(menu, &client);
    const POINT origin = ScreenPoint(menu, 0, 0);
    HDC screen = GetDC(nullptr);
    BandColours counts;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            const COLORREF c = GetPixel(screen, origin.x + x, origin.y + y);
            const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            if (r >= 200 && g <= 60 && b <= 60) ++counts.red;
            // The layout's hover border 0x00E07D52 is R 0x52, G 0x7D, B 0xE0.
            if (std::abs(r - 0x52) <= 24 && std::abs(g - 0x7D) <= 24 && std::abs(b - 0xE0) <= 24) ++counts.layoutBlue;
        }
    ReleaseDC(nullptr, screen);
    return counts;
}

// "File" opens the frame window under it; "Menu Item 3" brings its list to the front,
// "Save" changes nothing, a hovered entry is framed in red, Escape closes the frame.
// Pictures go to `shots` (named prefix + "4-frame" and so on) when it is not empty.
void RunFrameJourney(const e2e::RunningProgram& program, HWND mainWindow, const std::wstring& shots,
                     const std::wstring& prefix) {
    HWND file = e2e::WaitForNamed(mainWindow, L"OrvShapeButton1", kStepTimeoutMs);
    if (e2e::TextOf(file) != L"File")
        throw StepFailed("the application button says \"" + e2e::Printable(e2e::TextOf(file)) + "\"");
    e2e::ClickLikeAUser(file);
    HWND frame = WaitForShownFrame(program, true);
    // The frame window: a pop-up of its own, its top edge one pixel into the button's bottom.
    HWND host = GetAncestor(frame, GA_ROOT);
    RECT button{}, window{};
    GetWindowRect(file, &button);
    GetWindowRect(host, &window);
    if (host == mainWindow || window.left != button.left || window.top != button.bottom - 1)
        throw StepFailed("the frame is not in a window under \"File\": window at (" + std::to_string(window.left) +
                         ", " + std::to_string(window.top) + "), button bottom-left (" + std::to_string(button.left) +
                         ", " + std::to_string(button.bottom) + ")");
    HWND menu = e2e::WaitForNamed(frame, L"AppMenu1", kStepTimeoutMs);
    for (const wchar_t* list : kListNames) e2e::WaitForNamed(frame, list, kStepTimeoutMs);
    ExpectTopmostList(frame, L"OrvPolyList1", "when the frame opens");
    Sleep(kPaintSettleMs);
    if (!shots.empty()) e2e::SaveScreenBmp(shots + L"\\" + prefix + L"4-frame.bmp");

    // "Menu Item 3" is the menu's entry from y 233 to 273.
    e2e::ClickLikeAUserAt(menu, ScreenPoint(menu, 80, 253));
    Sleep(300);
    ExpectTopmostList(frame, L"OrvPolyList3", "after \"Menu Item 3\"");
    Sleep(kPaintSettleMs);
    if (!shots.empty()) {
        RECT r{};
        GetWindowRect(frame, &r);
        e2e::SaveScreenRectBmp(shots + L"\\" + prefix + L"5-menu-item-3.bmp", r);
    }

    // "Save" (y 3 to 35) cannot be selected: the list stays.
    e2e::ClickLikeAUserAt(menu, ScreenPoint(menu, 80, 15));
    Sleep(300);
    ExpectTopmostList(frame, L"OrvPolyList3", "after \"Save\"");
    if (FindShownFrame(program) != frame) throw StepFailed("clicking \"Save\" closed the frame");

    // Hover "Menu Item 2" (y 188 to 228): hovered, its frame is the window's red, not
    // the layout's blue.
    e2e::MoveLikeAUser(ScreenPoint(menu, 150, 380), 400);
    // The way there may cross "Menu Item 2": let its hover fade out first.
    Sleep(kPaintSettleMs + 500);
    const BandColours before = CountBandColours(menu, 188, 229);
    e2e::MoveLikeAUser(ScreenPoint(menu, 80, 208), 600);
    const BandColours hovered = CountBandColours(menu, 188, 229);
    if (!shots.empty()) {
        RECT r{};
        GetWindowRect(menu, &r);
        e2e::SaveScreenRectBmp(shots + L"\\" + prefix + L"6-hovered.bmp", r);
    }
    // The entry's red status badge is there before as well: the frame is what hovering adds.
    if (hovered.red - before.red < 40 || hovered.layoutBlue > 10)
        throw StepFailed("the hovered entry's pixels: red " + std::to_string(before.red) + " before and " +
                         std::to_string(hovered.red) + " hovered, layout blue " + std::to_string(hovered.layoutBlue) +
                         " hovered; expected a red frame added by hovering and no blue");

    e2e::PressKey(VK_ESCAPE);
    WaitForShownFrame(program, false);
    std::printf("e2e frame: passed (red pixels hovered %d, before %d)\n", hovered.red, before.red);
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
    const CommandBar bar = FindCommandBar(mainWindow);
    FindStatusBar(mainWindow);
    Sleep(kPaintSettleMs);
    e2e::SaveScreenBmp(TempFolder() + (present ? L"\\e2e-present-window.bmp" : L"\\e2e-absent-window.bmp"));
    e2e::ClickLikeAUser(bar.command);

    HWND secondBox = program.WaitForMessageBox(kStepTimeoutMs);
    ExpectText("the message box after the command", e2e::MessageBoxText(secondBox), expected);
    e2e::PressOk(secondBox, kStepTimeoutMs);

    // The frame once per run of both scenarios is enough.
    // Its pictures go to the temporary folder, as the window's does.
    if (!present) RunFrameJourney(program, mainWindow, TempFolder(), L"e2e-frame-");

    e2e::ClickLikeAUser(FindCloseButton(bar));
    const DWORD exitCode = program.WaitForExit(kStepTimeoutMs);
    if (exitCode != 0) throw StepFailed("the program exited with code " + std::to_string(exitCode));
    if (!present && KeyExists())
        throw StepFailed("the program created HKCU\\SoftWare\\Quillan_HKCU; it must only read");

    std::printf("e2e %s: passed (first message box after %llu ms)\n", present ? "present" : "absent", firstBoxMs);
}

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
    RunFrameJourney(program, mainWindow, folder, L"run-");
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
