#include "ProgramWindows.h"

#include <cstdio>

namespace e2e {

namespace {

constexpr DWORD kPollMs = 20;
constexpr DWORD kHoverMs = 300;
constexpr DWORD kPressMs = 60;
constexpr UINT kMessageTimeoutMs = 5000;
// The static control that carries a message box's text.
constexpr int kMessageBoxTextId = 0xFFFF;

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::string Describe(HWND hwnd) {
    char handle[32];
    std::snprintf(handle, sizeof handle, "%p", static_cast<void*>(hwnd));
    return std::string("window ") + handle + " class \"" + Printable(ClassNameOf(hwnd)) + "\" text \"" +
           Printable(TextOf(hwnd)) + "\"";
}

struct EnumState {
    DWORD pid;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectVisibleTopLevel(HWND hwnd, LPARAM param) {
    auto* state = reinterpret_cast<EnumState*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == state->pid && IsWindowVisible(hwnd)) state->windows.push_back(hwnd);
    return TRUE;
}

struct FindText {
    const std::wstring* text;
    HWND found;
};

BOOL CALLBACK MatchText(HWND hwnd, LPARAM param) {
    auto* find = reinterpret_cast<FindText*>(param);
    if (IsWindowVisible(hwnd) && TextOf(hwnd) == *find->text) {
        find->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

struct FindName {
    const std::wstring* name;
    HWND found;
};

BOOL CALLBACK MatchName(HWND hwnd, LPARAM param) {
    auto* find = reinterpret_cast<FindName*>(param);
    if (ComponentNameOf(hwnd) == *find->name) {
        find->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

bool IsSameOrDescendant(HWND hwnd, HWND ancestor) {
    for (; hwnd; hwnd = GetParent(hwnd))
        if (hwnd == ancestor) return true;
    return false;
}

}  // namespace

std::string Printable(const std::wstring& text) {
    std::wstring shown;
    for (wchar_t c : text) {
        switch (c) {
            case L'\r':
                shown += L"\\r";
                break;
            case L'\n':
                shown += L"\\n";
                break;
            case L'\t':
                shown += L"\\t";
                break;
            case L'\\':
                shown += L"\\\\";
                break;
            default:
                if (c < 0x20) {
                    wchar_t escape[8];
                    std::swprintf(escape, 8, L"\\x%02x", static_cast<unsigned>(c));
                    shown += escape;
                } else {
                    shown += c;
                }
        }
    }
    return Utf8(shown);
}

std::wstring ToWindowsPath(const std::wstring& path) {
    std::wstring out = path;
    for (auto& c : out)
        if (c == L'/') c = L'\\';
    // Wine maps the Unix root to drive Z:.
    if (!path.empty() && path[0] == L'/' && (path.size() < 2 || path[1] != L'/')) out = L"Z:" + out;
    return out;
}

std::wstring ClassNameOf(HWND hwnd) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(hwnd, name, 256);
    return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::wstring TextOf(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length)) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kMessageTimeoutMs, &copied))
        return {};
    text.resize(static_cast<size_t>(copied));
    return text;
}

bool IsMessageBoxWindow(HWND hwnd) {
    return ClassNameOf(hwnd) == L"#32770";
}

std::wstring MessageBoxText(HWND box) {
    HWND label = GetDlgItem(box, kMessageBoxTextId);
    if (!label) throw StepFailed("the message box has no text control (id 0xFFFF): " + Describe(box));
    return TextOf(label);
}

void PressOk(HWND box, DWORD timeoutMs) {
    // The single button of an MB_OK box has id IDOK on Wine and IDCANCEL on
    // Windows (so that Esc closes it); take whichever button is there.
    HWND button = nullptr;
    for (int id : {IDOK, IDCANCEL}) {
        HWND candidate = GetDlgItem(box, id);
        if (candidate && ClassNameOf(candidate) == L"Button") {
            button = candidate;
            break;
        }
    }
    if (!button) throw StepFailed("the message box has no OK button: " + Describe(box));
    // What the button itself sends its dialog when clicked.
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (IsWindow(box) && IsWindowVisible(box)) {
        if (GetTickCount64() > deadline) throw StepFailed("the message box did not close after OK was pressed");
        Sleep(kPollMs);
    }
}

HWND FindDescendantByText(HWND root, const std::wstring& text) {
    FindText find{&text, nullptr};
    EnumChildWindows(root, MatchText, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

std::wstring ComponentNameOf(HWND hwnd) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(hwnd, L"OrvComponentName")));
    if (!atom) return {};
    wchar_t name[256] = {};
    const UINT length = GlobalGetAtomNameW(atom, name, 256);
    return std::wstring(name, length);
}

HWND FindDescendantByName(HWND root, const std::wstring& name) {
    FindName find{&name, nullptr};
    EnumChildWindows(root, MatchName, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

HWND WaitForNamed(HWND root, const std::wstring& name, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        HWND found = FindDescendantByName(root, name);
        if (found && IsWindowVisible(found)) return found;
        if (GetTickCount64() > deadline)
            throw StepFailed("no visible window named \"" + Printable(name) + "\" under " + Describe(root) +
                             (found ? " (there is one, hidden)" : ""));
        Sleep(kPollMs);
    }
}

void MoveLikeAUser(POINT screenPoint, DWORD restMs) {
    if (!SetCursorPos(screenPoint.x, screenPoint.y)) throw StepFailed("SetCursorPos failed");
    // A real move as well, so the window under the pointer hears it.
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof(INPUT));
    Sleep(restMs);
}

void PressKey(WORD virtualKey) {
    for (DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.dwFlags = flags;
        if (SendInput(1, &input, sizeof(INPUT)) != 1) throw StepFailed("SendInput refused the key");
        Sleep(kPressMs);
    }
}

void ClickLikeAUser(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        throw StepFailed("the command has no area on screen: " + Describe(control));
    ClickLikeAUserAt(control, POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void ClickLikeAUserAt(HWND control, POINT centre) {
    HWND top = GetAncestor(control, GA_ROOT);
    SetForegroundWindow(top);
    // Whatever a user would hit at that point must be the command itself.
    const ULONGLONG deadline = GetTickCount64() + 5000;
    HWND hit = WindowFromPoint(centre);
    while (!IsSameOrDescendant(hit, control)) {
        if (GetTickCount64() > deadline) throw StepFailed("the middle of the command is covered by " + Describe(hit));
        Sleep(kPollMs);
        hit = WindowFromPoint(centre);
    }

    // At human pace: the pointer arrives and rests before the press, and the
    // button is held briefly. A press a few milliseconds after the window
    // first showed is not something a user can do, and the program is not
    // required to take it.
    if (!SetCursorPos(centre.x, centre.y)) throw StepFailed("SetCursorPos failed");
    Sleep(kHoverMs);
    for (DWORD flags : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        if (SendInput(1, &input, sizeof(INPUT)) != 1) throw StepFailed("SendInput refused the click");
        Sleep(kPressMs);
    }
}

RunningProgram::RunningProgram(const std::wstring& exePath) {
    // A shell passes the quoted path as the command line and starts in the
    // program's folder.
    std::wstring commandLine = L"\"" + exePath + L"\"";
    std::wstring folder = exePath.substr(0, exePath.find_last_of(L'\\') + 1);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &FInfo))
        throw StepFailed("could not start " + Printable(exePath) + " (error " + std::to_string(GetLastError()) + ")");
    FStartTick = GetTickCount64();
}

RunningProgram::~RunningProgram() {
    if (!FInfo.hProcess) return;
    if (WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(FInfo.hProcess, 1);
        WaitForSingleObject(FInfo.hProcess, 5000);
    }
    CloseHandle(FInfo.hThread);
    CloseHandle(FInfo.hProcess);
}

ULONGLONG RunningProgram::ElapsedMs() const {
    return GetTickCount64() - FStartTick;
}

std::vector<HWND> RunningProgram::VisibleTopLevels() const {
    EnumState state{FInfo.dwProcessId, {}};
    EnumWindows(CollectVisibleTopLevel, reinterpret_cast<LPARAM>(&state));
    return state.windows;
}

void RunningProgram::ThrowIfExited(const char* waitingFor) const {
    if (WaitForSingleObject(FInfo.hProcess, 0) != WAIT_OBJECT_0) return;
    DWORD code = 0;
    GetExitCodeProcess(FInfo.hProcess, &code);
    throw StepFailed(std::string("the program exited (code ") + std::to_string(code) + ") while waiting for " +
                     waitingFor);
}

std::string RunningProgram::DescribeScreen() const {
    std::string text = "visible windows of the program:";
    for (HWND hwnd : VisibleTopLevels()) text += " [" + Describe(hwnd) + "]";
    POINT cursor{};
    GetCursorPos(&cursor);
    text += "; cursor at " + std::to_string(cursor.x) + "," + std::to_string(cursor.y);
    HWND foreground = GetForegroundWindow();
    text += "; foreground " + (foreground ? Describe(foreground) : std::string("none"));
    return text;
}

HWND RunningProgram::WaitForMessageBox(DWORD timeoutMs) const {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        for (HWND hwnd : VisibleTopLevels())
            if (IsMessageBoxWindow(hwnd)) return hwnd;
        ThrowIfExited("a message box");
        if (GetTickCount64() > deadline)
            throw StepFailed("no message box appeared within " + std::to_string(timeoutMs) + " ms; " +
                             DescribeScreen());
        Sleep(kPollMs);
    }
}

HWND RunningProgram::WaitForMainWindow(DWORD timeoutMs) const {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        for (HWND hwnd : VisibleTopLevels())
            if (!IsMessageBoxWindow(hwnd)) return hwnd;
        ThrowIfExited("the main window");
        if (GetTickCount64() > deadline)
            throw StepFailed("no main window appeared within " + std::to_string(timeoutMs) + " ms");
        Sleep(kPollMs);
    }
}

DWORD RunningProgram::WaitForExit(DWORD timeoutMs) {
    if (WaitForSingleObject(FInfo.hProcess, timeoutMs) != WAIT_OBJECT_0)
        throw StepFailed("the program still runs " + std::to_string(timeoutMs) +
                         " ms after its main window was closed");
    DWORD code = 0;
    GetExitCodeProcess(FInfo.hProcess, &code);
    return code;
}

}  // namespace e2e
