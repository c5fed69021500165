#include "keys/core/key_bindings.h"

#include <gtest/gtest.h>

#include <string>

#include "base/core/settings.h"
#include "keys/core/bindable_keys.h"

namespace {

std::string ModifierText(uint16_t value) {
    char out[32];
    HotkeyModifierText(value, out, sizeof out);
    return out;
}

TEST(HotkeyValue, RegistersTheModifiersOfItsHighByte) {
    // Ctrl+Alt+Q as the hotkey control reports it.
    EXPECT_EQ(HotkeyModifiers(0x0651), kModControl | kModAlt);
    EXPECT_EQ(HotkeyKey(0x0651), 0x51u);
    EXPECT_EQ(HotkeyModifiers(0x0151), kModShift);
    EXPECT_EQ(HotkeyModifiers(0x0751), kModShift | kModControl | kModAlt);
    EXPECT_EQ(HotkeyModifiers(0x0051), 0u);
    // The control's extended-key bit registers nothing.
    EXPECT_EQ(HotkeyModifiers(0x0870), 0u);
    EXPECT_EQ(HotkeyModifiers(0x0E70), kModControl | kModAlt);
    EXPECT_EQ(HotkeyKey(0x0E70), 0x70u);
}

TEST(HotkeyValue, ReadsCtrlThenShiftThenAlt) {
    EXPECT_EQ(ModifierText(0x0651), "Ctrl+Alt+");
    EXPECT_EQ(ModifierText(0x0351), "Ctrl+Shift+");
    EXPECT_EQ(ModifierText(0x0751), "Ctrl+Shift+Alt+");
    EXPECT_EQ(ModifierText(0x0551), "Shift+Alt+");
    EXPECT_EQ(ModifierText(0x0051), "");
    EXPECT_EQ(ModifierText(0x0851), "");
}

TEST(HotkeyValue, ModifierTextIsCutToTheBuffer) {
    char out[8];
    HotkeyModifierText(0x0751, out, sizeof out);
    EXPECT_STREQ(out, "Ctrl+Sh");
    char none[1] = {'x'};
    HotkeyModifierText(0x0751, none, sizeof none);
    EXPECT_EQ(none[0], '\0');
}

TEST(Accelerators, ResetKeysAreTheDefaults) {
    EXPECT_EQ(kDefaultKeyBindings.up, 38);
    EXPECT_EQ(kDefaultKeyBindings.down, 40);
    EXPECT_EQ(kDefaultKeyBindings.pageUp, 33);
    EXPECT_EQ(kDefaultKeyBindings.pageDown, 34);
    EXPECT_EQ(kDefaultKeyBindings.expand, 39);
    EXPECT_EQ(kDefaultKeyBindings.collapse, 37);
    EXPECT_EQ(kDefaultKeyBindings.close, 27);
    EXPECT_EQ(kDefaultKeyBindings.execute, 13);
    // Every default key can be chosen in the key dialog.
    for (uint16_t k : {38, 40, 33, 34, 39, 37, 27, 13}) EXPECT_GE(FindBindableKey(k), 0) << k;
}

}  // namespace
