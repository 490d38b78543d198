#include <windows.h>
#include <aclapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "buttons/OrvGlowButton.h"
#include "app/ZemForm3.h"

using namespace orv;

namespace {

const std::wstring kFound = L"OK! Found: Value_Quillan_HKCU in \rHKEY_CURRENT_USER\\SoftWare\\Quillan_HKCU";
const std::wstring kNotFound = L"ERROR! Not found: Value_Quillan_HKCU in \rHKEY_CURRENT_USER\\SoftWare\\Quillan_HKCU";

// Captures every message the program shows while it lives.
class TMessageCapture {
public:
    TMessageCapture() {
        FOld = SetShowMessageHook([this](const std::wstring& text) { Messages.push_back(text); });
    }
    ~TMessageCapture() { SetShowMessageHook(FOld); }
    std::vector<std::wstring> Messages;

private:
    TShowMessageHook FOld;
};

// Creates the main window the way the program does and returns what it reported.
std::vector<std::wstring> StartupMessages() {
    TMessageCapture capture;
    TOwnedPtr<TZemForm3> form(Make<TZemForm3>(nullptr));
    EXPECT_FALSE(form->Showing()) << "the probe runs before the window is shown";
    return capture.Messages;
}

HKEY CreateProbeKey() {
    HKEY k = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"SoftWare\\Quillan_HKCU", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr);
    return k;
}

bool ProbeKeyExists() {
    HKEY k;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"SoftWare\\Quillan_HKCU", 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
}

}  // namespace

TEST(Probe, MessageTextsAreExactWithALoneCarriageReturn) {
    ASSERT_EQ(std::wstring(kProbeFoundMessage), kFound);
    ASSERT_EQ(std::wstring(kProbeNotFoundMessage), kNotFound);
    size_t cr = kFound.find(L'\r');
    EXPECT_EQ(kFound.substr(cr - 3, 4), L"in \r");
    EXPECT_EQ(kFound.substr(cr + 1, 17), L"HKEY_CURRENT_USER");
    EXPECT_EQ(kFound.find(L'\n'), std::wstring::npos);
}

TEST(Probe, ReportsFoundOnlyWhenTheNamedValueExists) {
    {
        orvtest::TScratchCurrentUser scratch;
        HKEY k = CreateProbeKey();
        const wchar_t text[] = L"anything";
        RegSetValueExW(k, L"Value_Quillan_HKCU", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof(text));
        RegCloseKey(k);
        EXPECT_EQ(StartupMessages(), std::vector<std::wstring>{kFound});
    }
    {
        orvtest::TScratchCurrentUser scratch;
        HKEY k = CreateProbeKey();
        RegSetValueExW(k, L"Other_Value", 0, REG_DWORD, reinterpret_cast<const BYTE*>("\1\0\0\0"), 4);
        RegCloseKey(k);
        EXPECT_EQ(StartupMessages(), std::vector<std::wstring>{kNotFound}) << "key present, value absent";
    }
    {
        orvtest::TScratchCurrentUser scratch;
        HKEY k = CreateProbeKey();
        const wchar_t text[] = L"default";
        RegSetValueExW(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof(text));
        RegCloseKey(k);
        EXPECT_EQ(StartupMessages(), std::vector<std::wstring>{kNotFound}) << "only the unnamed value set";
    }
}

TEST(Probe, AnyTypeAndEmptyDataCountAsFound) {
    struct TCase {
        DWORD Type;
        std::vector<BYTE> Data;
        const char* What;
    };
    const TCase cases[] = {
        {REG_SZ, {0, 0}, "empty string"},
        {REG_SZ, {}, "zero-length string"},
        {REG_DWORD, {7, 0, 0, 0}, "number"},
        {REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, "64-bit number"},
        {REG_BINARY, {}, "zero-length binary"},
        {REG_BINARY, {1, 2, 3}, "binary"},
        {REG_MULTI_SZ, {0, 0, 0, 0}, "empty multi-string"},
        {REG_EXPAND_SZ, {'%', 0, 0, 0}, "expandable string"},
    };
    for (const TCase& c : cases) {
        orvtest::TScratchCurrentUser scratch;
        HKEY k = CreateProbeKey();
        RegSetValueExW(k, L"Value_Quillan_HKCU", 0, c.Type, c.Data.empty() ? nullptr : c.Data.data(),
                       static_cast<DWORD>(c.Data.size()));
        RegCloseKey(k);
        EXPECT_EQ(StartupMessages(), std::vector<std::wstring>{kFound}) << c.What;
    }
}

TEST(Probe, AnAbsentKeyIsReportedAndNeverCreated) {
    orvtest::TScratchCurrentUser scratch;
    ASSERT_FALSE(ProbeKeyExists());
    EXPECT_EQ(StartupMessages(), std::vector<std::wstring>{kNotFound});
    EXPECT_FALSE(ProbeKeyExists()) << "the probe must not create the key";
    // The value name as a value directly under the root does not count.
    RegSetValueExW(HKEY_CURRENT_USER, L"Value_Quillan_HKCU", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"x"), 4);
    EXPECT_EQ(StartupMessages(), std::vector<std::wstring>{kNotFound});
}

TEST(Probe, AKeyTheUserMayOnlyReadStillReportsItsValue) {
    orvtest::TScratchCurrentUser scratch;
    HKEY k = CreateProbeKey();
    RegSetValueExW(k, L"Value_Quillan_HKCU", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"x"), 4);
    // Everyone may read, nobody may write.
    EXPLICIT_ACCESSW ea{};
    ea.grfAccessPermissions = KEY_READ;
    ea.grfAccessMode = SET_ACCESS;
    ea.grfInheritance = NO_INHERITANCE;
    ea.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
    ea.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    wchar_t everyone[] = L"EVERYONE";
    ea.Trustee.ptstrName = everyone;
    PACL acl = nullptr;
    ASSERT_EQ(SetEntriesInAclW(1, &ea, nullptr, &acl), static_cast<DWORD>(ERROR_SUCCESS));
    DWORD rc = SetSecurityInfo(k, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                               nullptr, nullptr, acl, nullptr);
    LocalFree(acl);
    RegCloseKey(k);
    ASSERT_EQ(rc, static_cast<DWORD>(ERROR_SUCCESS));

    HKEY full = nullptr;
    LONG fullRc = RegOpenKeyExW(HKEY_CURRENT_USER, L"SoftWare\\Quillan_HKCU", 0, KEY_ALL_ACCESS, &full);
    if (fullRc == ERROR_SUCCESS) RegCloseKey(full);
    // Whether or not this platform enforces the key's access list, a read-only probe
    // must find the value; where it is enforced, full access is refused here.
    EXPECT_EQ(StartupMessages(), std::vector<std::wstring>{kFound});
    if (fullRc == ERROR_SUCCESS) std::printf("note: this platform does not enforce registry key access lists\n");
}

TEST(Probe, EachPressOfTheCommandRunsTheProbeAgain) {
    orvtest::TScratchCurrentUser scratch;
    TMessageCapture capture;
    TOwnedPtr<TZemForm3> form(Make<TZemForm3>(nullptr));
    ASSERT_EQ(capture.Messages.size(), 1u);
    form->Show();
    ASSERT_NE(form->OrvGlowButton1, nullptr);
    EXPECT_EQ(form->OrvGlowButton1->GetCaption(), L"Test HKEY_CURRENT_USER");
    EXPECT_EQ(form->OrvGlowButton1->BoundsRect(), Bounds(12, 6, 138, 61));
    EXPECT_EQ(form->ClientRect(), (TRect{0, 0, 681, 606}));

    HWND h = form->OrvGlowButton1->Handle();
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    ASSERT_EQ(capture.Messages.size(), 2u);
    EXPECT_EQ(capture.Messages[1], kNotFound);

    HKEY k = CreateProbeKey();
    RegSetValueExW(k, L"Value_Quillan_HKCU", 0, REG_DWORD, reinterpret_cast<const BYTE*>("\1\0\0\0"), 4);
    RegCloseKey(k);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    ASSERT_EQ(capture.Messages.size(), 3u);
    EXPECT_EQ(capture.Messages[2], kFound);
}
