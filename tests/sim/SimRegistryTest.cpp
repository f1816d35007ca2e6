// The simulated registry answers as Windows' registry does: keys compared
// without regard to case and created with their parents, values typed and
// sized, and the scripted failures: keys that cannot be opened, writes that
// are refused.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "sim/SimProcess.h"

using namespace platform;
using sim::Api;

namespace {

constexpr const char* kVendor = "HKEY_CURRENT_USER\\SoftWare\\Vendor";

struct RegistryDesk {
    sim::SimWorld world;
    sim::SimProcess process{world, "program"};
    RegistryPort& reg = process.registry;

    HKey Open(const std::string& subKey, DWord access = KEY_ALL_ACCESS,
              DWord* disposition = nullptr) {
        HKey key = 0;
        EXPECT_EQ(reg.RegCreateKeyExA(HKEY_CURRENT_USER, subKey, access, &key, disposition),
                  static_cast<Long>(ERROR_SUCCESS));
        return key;
    }
};

}  // namespace

TEST(SimRegistry, KeysAreCreatedWithTheirParentsAndFoundWhateverTheCase) {
    RegistryDesk d;
    DWord disposition = 0;
    const HKey first = d.Open("SoftWare\\Vendor\\Product", KEY_ALL_ACCESS, &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    EXPECT_TRUE(d.world.registry.KeyExists(kVendor));
    EXPECT_TRUE(d.world.registry.KeyExists("hkey_current_user\\software\\vendor\\PRODUCT"));
    // The key keeps the spelling it was created with.
    const sim::SimRegKey* key =
        d.world.registry.FindKey("HKEY_CURRENT_USER\\software\\vendor\\product");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->path, "HKEY_CURRENT_USER\\SoftWare\\Vendor\\Product");

    const HKey second = d.Open("SOFTWARE\\VENDOR\\PRODUCT", KEY_ALL_ACCESS, &disposition);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    EXPECT_NE(first, second);
    EXPECT_EQ(d.world.registry.OpenKeys(), 2u);
    EXPECT_EQ(d.reg.RegCloseKey(first), static_cast<Long>(ERROR_SUCCESS));
    EXPECT_EQ(d.reg.RegCloseKey(second), static_cast<Long>(ERROR_SUCCESS));
    EXPECT_EQ(d.world.registry.OpenKeys(), 0u);
    EXPECT_EQ(d.reg.RegCloseKey(first), static_cast<Long>(ERROR_INVALID_HANDLE));

    HKey none = 99;
    EXPECT_EQ(d.reg.RegCreateKeyExA(0x12345, "SoftWare", KEY_ALL_ACCESS, &none, nullptr),
              static_cast<Long>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(none, 0u);
}

TEST(SimRegistry, ValuesAreReadWithTheirTypeAndSizeAsWindowsReturnsThem) {
    RegistryDesk d;
    d.world.registry.SetString(kVendor, "Name", "handset");  // 8 bytes with the zero
    d.world.registry.SetDword(kVendor, "Level", 0x1234);
    const HKey key = d.Open("software\\vendor");

    DWord type = 0, size = 0;
    EXPECT_EQ(d.reg.RegQueryValueExA(key, "name", &type, nullptr, &size),
              static_cast<Long>(ERROR_SUCCESS));
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 8u);

    // A buffer too small takes nothing and learns the size needed.
    Byte small[4] = {0xAA, 0xAA, 0xAA, 0xAA};
    size = sizeof small;
    EXPECT_EQ(d.reg.RegQueryValueExA(key, "Name", &type, small, &size),
              static_cast<Long>(ERROR_MORE_DATA));
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(small[0], 0xAA);

    Byte dword[4] = {};
    size = sizeof dword;
    EXPECT_EQ(d.reg.RegQueryValueExA(key, "Level", &type, dword, &size),
              static_cast<Long>(ERROR_SUCCESS));
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(dword[0], 0x34);
    EXPECT_EQ(dword[1], 0x12);

    EXPECT_EQ(d.reg.RegQueryValueExA(key, "Missing", &type, nullptr, &size),
              static_cast<Long>(ERROR_FILE_NOT_FOUND));

    const Byte bytes[3] = {1, 2, 3};
    EXPECT_EQ(d.reg.RegSetValueExA(key, "Blob", REG_BINARY, bytes, 3),
              static_cast<Long>(ERROR_SUCCESS));
    const sim::SimRegValue* blob = d.world.registry.FindValue(kVendor, "BLOB");
    ASSERT_NE(blob, nullptr);
    EXPECT_EQ(blob->type, REG_BINARY);
    EXPECT_EQ(blob->data, (std::vector<std::uint8_t>{1, 2, 3}));
    std::uint32_t value = 0;
    EXPECT_FALSE(d.world.registry.GetDword(kVendor, "Blob", value));
    d.reg.RegCloseKey(key);
    EXPECT_EQ(d.reg.RegQueryValueExA(key, "Level", &type, nullptr, &size),
              static_cast<Long>(ERROR_INVALID_HANDLE));
}

TEST(SimRegistry, ScriptedKeysCannotBeOpenedAndScriptedWritesAreRefused) {
    RegistryDesk d;
    d.world.registry.DenyKey(kVendor);
    HKey key = 7;
    EXPECT_EQ(d.reg.RegCreateKeyExA(HKEY_CURRENT_USER, "SoftWare\\Vendor\\Product", KEY_ALL_ACCESS,
                                    &key, nullptr),
              static_cast<Long>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(key, 0u);
    EXPECT_FALSE(d.world.registry.KeyExists("HKEY_CURRENT_USER\\SoftWare\\Vendor\\Product"));
    EXPECT_EQ(d.world.registry.OpenKeys(), 0u);
    // A sibling whose name only starts the same is not denied.
    EXPECT_NE(d.Open("SoftWare\\VendorTwo"), 0u);

    const std::string locked = "HKEY_CURRENT_USER\\SoftWare\\Locked";
    d.world.registry.SetDword(locked, "Level", 5);
    d.world.registry.RefuseWrites(locked);
    const HKey lockedKey = d.Open("SoftWare\\Locked");
    const Byte bytes[4] = {9, 0, 0, 0};
    EXPECT_EQ(d.reg.RegSetValueExA(lockedKey, "Level", REG_DWORD, bytes, 4),
              static_cast<Long>(ERROR_ACCESS_DENIED));
    std::uint32_t value = 0;
    EXPECT_TRUE(d.world.registry.GetDword(locked, "Level", value));
    EXPECT_EQ(value, 5u);

    // A key opened only for reading takes no writes either, as on Windows.
    const HKey readOnly = d.Open("SoftWare\\Free", KEY_QUERY_VALUE);
    EXPECT_EQ(d.reg.RegSetValueExA(readOnly, "Level", REG_DWORD, bytes, 4),
              static_cast<Long>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(d.world.registry.FindValue("HKEY_CURRENT_USER\\SoftWare\\Free", "Level"), nullptr);

    // Every call is in the journal with its result.
    const auto creates = d.world.Journal().Of(Api::RegCreateKeyExA);
    ASSERT_EQ(creates.size(), 4u);
    EXPECT_EQ(creates[0].text, "SoftWare\\Vendor\\Product");
    EXPECT_EQ(creates[0].lParam, static_cast<LParam>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(creates[0].wParam, HKEY_CURRENT_USER);
    const auto sets = d.world.Journal().Of(Api::RegSetValueExA);
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].wParam, lockedKey);
    EXPECT_EQ(sets[0].flags, REG_DWORD);
    EXPECT_EQ(sets[0].data, (std::vector<std::uint8_t>{9, 0, 0, 0}));
}
