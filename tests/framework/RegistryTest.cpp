#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Registry.h"
#include "framework/SysUtils.h"

using namespace orv;

namespace {
bool KeyExists(HKEY root, const wchar_t* path) {
    HKEY k;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
}
}  // namespace

TEST(Registry, OpenKeyFollowsAbsoluteAndRelativePathsAndKeepsStateOnFailure) {
    orvtest::TScratchCurrentUser scratch;
    HKEY k;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"A\\B\\C", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr);
    RegCloseKey(k);

    TRegistry reg;
    EXPECT_EQ(reg.Access(), static_cast<REGSAM>(KEY_ALL_ACCESS));
    EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
    EXPECT_TRUE(reg.LazyWrite());
    EXPECT_EQ(reg.CurrentKey(), nullptr);

    ASSERT_TRUE(reg.OpenKey(L"\\A", false));
    EXPECT_EQ(reg.CurrentPath(), L"A");
    ASSERT_TRUE(reg.OpenKey(L"B", false));  // relative to the open key
    EXPECT_EQ(reg.CurrentPath(), L"A\\B");
    HKEY current = reg.CurrentKey();

    EXPECT_FALSE(reg.OpenKey(L"Missing", false));
    EXPECT_EQ(reg.LastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(reg.CurrentKey(), current) << "a failed open leaves the open key";
    EXPECT_EQ(reg.CurrentPath(), L"A\\B");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"A\\B\\Missing")) << "opening must never create";

    ASSERT_TRUE(reg.OpenKey(L"\\A\\B\\C", false));  // absolute again
    EXPECT_EQ(reg.CurrentPath(), L"A\\B\\C");
    EXPECT_EQ(reg.LastError(), ERROR_SUCCESS);

    ASSERT_TRUE(reg.OpenKey(L"\\New\\Made", true));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"New\\Made"));

    // The same root changes nothing; another root closes the current key.
    reg.SetRootKey(HKEY_CURRENT_USER);
    EXPECT_NE(reg.CurrentKey(), nullptr);
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_EQ(reg.CurrentKey(), nullptr);
    EXPECT_EQ(reg.CurrentPath(), L"");
}

TEST(Registry, ValueExistsNeedsAnOpenKeyAndAcceptsAnyTypeAndSize) {
    orvtest::TScratchCurrentUser scratch;
    HKEY k;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"V", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr);
    RegSetValueExW(k, L"Empty", 0, REG_BINARY, nullptr, 0);
    RegSetValueExW(k, L"", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"x"), 4);
    RegCloseKey(k);
    RegSetValueExW(HKEY_CURRENT_USER, L"AtRoot", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"x"), 4);

    TRegistry reg;
    EXPECT_FALSE(reg.ValueExists(L"AtRoot")) << "no key open: no fall-back to the root";
    ASSERT_TRUE(reg.OpenKey(L"\\V", false));
    EXPECT_TRUE(reg.ValueExists(L"Empty"));
    EXPECT_FALSE(reg.ValueExists(L"Absent"));
    EXPECT_TRUE(reg.ValueExists(L"")) << "the unnamed value is its own value";
}

TEST(Registry, TypedValuesRoundTripAndMissingOnesRaise) {
    orvtest::TScratchCurrentUser scratch;
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(L"\\Settings\\Toolbar", true));
    reg.WriteInteger(L"Left", -12);
    reg.WriteString(L"Name", L"OrvToolBar1");
    EXPECT_EQ(reg.ReadInteger(L"Left"), -12);
    EXPECT_EQ(reg.ReadString(L"Name"), L"OrvToolBar1");
    EXPECT_THROW(reg.ReadInteger(L"Name"), ERegistryException) << "a string is not an integer";
    EXPECT_THROW(reg.ReadString(L"Nothing"), ERegistryException);

    TRegistry reader(KEY_READ);
    ASSERT_TRUE(reader.OpenKey(L"\\Settings\\Toolbar", false));
    EXPECT_THROW(reader.WriteInteger(L"Left", 1), ERegistryException) << "a read-only accessor cannot write";
    EXPECT_EQ(reader.ReadInteger(L"Left"), -12);
}

TEST(Registry, OpenKeyBeneathAKeyOpenedWithTheEmptyPathKeepsTheSeparator) {
    orvtest::TScratchCurrentUser scratch;
    HKEY k;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Top\\Leaf", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr);
    RegSetValueExW(k, L"Mark", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"leaf"), 10);
    RegCloseKey(k);

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(L"", false));  // the root itself
    EXPECT_EQ(reg.CurrentPath(), L"");
    ASSERT_TRUE(reg.OpenKey(L"Top", false));
    EXPECT_EQ(reg.CurrentPath(), L"\\Top");
    ASSERT_TRUE(reg.OpenKey(L"Leaf", false));
    EXPECT_EQ(reg.CurrentPath(), L"\\Top\\Leaf");

    // The path names the same key when opened again from a fresh accessor.
    TRegistry again(KEY_READ);
    ASSERT_TRUE(again.OpenKey(reg.CurrentPath(), false));
    EXPECT_EQ(again.ReadString(L"Mark"), L"leaf");
}
