// The settings store on the simulated registry: the ring level's nibble, the
// language index, values of the wrong type, a key that cannot be opened and
// a write that is refused.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "sim/SimProcess.h"
#include "ui/RegistrySettings.h"
#include "ui/SettingsKey.h"

using namespace platform;
using sim::Api;

namespace {

constexpr const char* kKey = "HKEY_CURRENT_USER\\SoftWare\\KESTAV\\USB_PHONE_R62";

struct SettingsDesk {
    sim::SimWorld world;
    sim::SimProcess process{world, "panel"};
    RegistryPort& reg = process.registry;
    sim::SimRegistry& registry = world.registry;

    std::uint32_t Stored(const std::string& name) {
        std::uint32_t value = 0xDEADBEEF;
        EXPECT_TRUE(registry.GetDword(kKey, name, value)) << name << " is not a REG_DWORD";
        return value;
    }
    std::size_t Writes() { return world.Journal().Of(Api::RegSetValueExA).size(); }
};

// The text of the RegistryError that action throws; "" when none.
template <class Action>
std::string ErrorOf(Action action) {
    try {
        action();
    } catch (const ui::RegistryError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(RegistrySettings, RingLevelIsFifteenMinusTheSecondNibbleAndLowBitsAreCarriedOver) {
    EXPECT_EQ(ui::RingLevelFromStored(0x35, 15), 12);
    EXPECT_EQ(ui::RingLevelFromStored(0x1234, 15), 12);
    EXPECT_EQ(ui::RingLevelFromStored(0x0F, 15), 15);
    EXPECT_EQ(ui::RingLevelFromStored(-1, 15), 0);  // 0xFFFFFFFF
    EXPECT_EQ(ui::StoredRingTone(0x35, 15, 10), 0x55);
    EXPECT_EQ(ui::StoredRingTone(0x1234, 15, 12), 0x34);
    EXPECT_EQ(ui::StoredRingTone(0, 15, 3), 0xC0);
    EXPECT_EQ(ui::StoredRingTone(-1, 15, 15), 0x0F);

    SettingsDesk d;
    d.registry.SetDword(kKey, "RingTone", 0x35);
    EXPECT_EQ(ui::ReadRingLevel(d.reg, 15), 12);
    ui::WriteRingLevel(d.reg, 15, 10);
    EXPECT_EQ(d.Stored("RingTone"), 0x55u);

    d.registry.SetDword(kKey, "RingTone", 0x1234);
    EXPECT_EQ(ui::ReadRingLevel(d.reg, 15), 12);
    ui::WriteRingLevel(d.reg, 15, 12);
    EXPECT_EQ(d.Stored("RingTone"), 0x34u);

    // Every operation opened the key and closed it again.
    EXPECT_EQ(d.registry.OpenKeys(), 0u);
    for (const sim::SimCall& open : d.world.Journal().Of(Api::RegCreateKeyExA)) {
        EXPECT_EQ(open.wParam, HKEY_CURRENT_USER);
        EXPECT_EQ(open.text, "SoftWare\\KESTAV\\USB_PHONE_R62");
        EXPECT_EQ(open.flags, KEY_ALL_ACCESS);
    }
    EXPECT_EQ(d.world.Journal().Of(Api::RegCreateKeyExA).size(),
              d.world.Journal().Of(Api::RegCloseKey).size());
}

TEST(RegistrySettings, AbsentValuesReadAsDefaultsAndTheFirstReadCreatesTheEmptyKey) {
    SettingsDesk d;
    EXPECT_EQ(ui::ReadRingLevel(d.reg, 15), 0);
    EXPECT_TRUE(d.registry.KeyExists(kKey));
    EXPECT_TRUE(d.registry.FindKey(kKey)->values.empty());
    EXPECT_EQ(ui::ReadLanguageID(d.reg), -1);

    ui::WriteRingLevel(d.reg, 15, 3);
    EXPECT_EQ(d.Stored("RingTone"), 0xC0u);

    // The key as another program spelt it is the same key.
    sim::SimWorld other;
    sim::SimProcess panel{other, "panel"};
    other.registry.SetDword("hkey_current_user\\software\\kestav\\usb_phone_r62", "ringtone", 0x05);
    EXPECT_EQ(ui::ReadRingLevel(panel.registry, 15), 15);
}

TEST(RegistrySettings, LanguageIndexBelowTwentyFourIsStoredAndAnythingElseAsMinusOne) {
    SettingsDesk d;
    ui::WriteLanguageID(d.reg, 7);
    EXPECT_EQ(d.Stored("LanguageID"), 7u);
    EXPECT_EQ(ui::ReadLanguageID(d.reg), 7);
    ui::WriteLanguageID(d.reg, 23);
    EXPECT_EQ(d.Stored("LanguageID"), 23u);
    ui::WriteLanguageID(d.reg, 24);
    EXPECT_EQ(d.Stored("LanguageID"), 0xFFFFFFFFu);
    EXPECT_EQ(ui::ReadLanguageID(d.reg), -1);
    ui::WriteLanguageID(d.reg, 1000);
    EXPECT_EQ(d.Stored("LanguageID"), 0xFFFFFFFFu);
    // Out-of-range stored values come back as they are; the caller rejects them.
    d.registry.SetDword(kKey, "LanguageID", 1000);
    EXPECT_EQ(ui::ReadLanguageID(d.reg), 1000);
}

TEST(RegistrySettings, WronglyTypedValuesFailTheReadWithTheirTextAndNothingIsWritten) {
    struct Case {
        const char* what;
        DWord type;
        std::vector<std::uint8_t> data;
        std::string error;
    };
    const std::vector<Case> cases = {
        {"short string", REG_SZ, {'1', '2', 0}, "Invalid data type for 'RingTone'"},
        {"long string", REG_SZ, {'1', '2', '3', '4', '5', 0}, "Failed to get data for 'RingTone'"},
        {"four binary bytes", REG_BINARY, {0x35, 0, 0, 0}, "Invalid data type for 'RingTone'"},
        {"eight binary bytes", REG_BINARY, std::vector<std::uint8_t>(8, 0),
         "Failed to get data for 'RingTone'"},
        {"eight-byte DWORD",
         REG_DWORD,
         {0x35, 0, 0, 0, 0, 0, 0, 0},
         "Failed to get data for 'RingTone'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SettingsDesk d;
        d.registry.SetValue(kKey, "RingTone", c.type, c.data);
        EXPECT_EQ(ErrorOf([&] { ui::ReadRingLevel(d.reg, 15); }), c.error);
        EXPECT_EQ(ErrorOf([&] { ui::WriteRingLevel(d.reg, 15, 4); }), c.error);
        EXPECT_EQ(d.Writes(), 0u);
        EXPECT_EQ(d.registry.FindValue(kKey, "RingTone")->data, c.data);
        EXPECT_EQ(d.registry.FindValue(kKey, "RingTone")->type, c.type);
        // The key is closed although the operation stopped half-way.
        EXPECT_EQ(d.registry.OpenKeys(), 0u);
    }

    SettingsDesk d;
    d.registry.SetString(kKey, "LanguageID", "7");
    EXPECT_EQ(ErrorOf([&] { ui::ReadLanguageID(d.reg); }), "Invalid data type for 'LanguageID'");

    // A REG_DWORD shorter than four bytes is read into the low bytes.
    d.registry.SetValue(kKey, "RingTone", REG_DWORD, {0x35, 0x00});
    EXPECT_EQ(ui::ReadRingLevel(d.reg, 15), 12);
}

TEST(RegistrySettings, AKeyThatCannotBeOpenedReadsAsDefaultsAndTakesNoWritesSilently) {
    SettingsDesk d;
    d.registry.DenyKey("HKEY_CURRENT_USER\\SoftWare\\KESTAV");
    EXPECT_EQ(ui::ReadRingLevel(d.reg, 15), 0);
    EXPECT_EQ(ui::ReadLanguageID(d.reg), -1);
    EXPECT_EQ(ErrorOf([&] { ui::WriteRingLevel(d.reg, 15, 2); }), "");
    EXPECT_EQ(ErrorOf([&] { ui::WriteLanguageID(d.reg, 3); }), "");
    EXPECT_FALSE(d.registry.KeyExists(kKey));
    EXPECT_EQ(d.Writes(), 0u);
    EXPECT_TRUE(d.world.Journal().Of(Api::RegQueryValueExA).empty());
    EXPECT_TRUE(d.world.Journal().Of(Api::RegCloseKey).empty());
}

TEST(RegistrySettings, ARefusedWriteFailsWithItsTextAndLeavesTheValue) {
    SettingsDesk d;
    d.registry.SetDword(kKey, "RingTone", 0x35);
    d.registry.RefuseWrites(kKey);
    EXPECT_EQ(ErrorOf([&] { ui::WriteRingLevel(d.reg, 15, 10); }),
              "Failed to set data for 'RingTone'");
    EXPECT_EQ(ErrorOf([&] { ui::WriteLanguageID(d.reg, 2); }),
              "Failed to set data for 'LanguageID'");
    EXPECT_EQ(d.Stored("RingTone"), 0x35u);
    EXPECT_EQ(d.registry.FindValue(kKey, "LanguageID"), nullptr);
    EXPECT_EQ(d.registry.OpenKeys(), 0u);
    // Reading still works.
    EXPECT_EQ(ui::ReadRingLevel(d.reg, 15), 12);
}
