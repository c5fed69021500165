#include "shell/core/key_bindings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/core/bindable_keys.h"

namespace {

Settings DefaultKeys() {
    Settings s;
    std::memset(&s, 0, sizeof s);
    s.keyUp = 38;
    s.keyDown = 40;
    s.keyPageUp = 33;
    s.keyPageDown = 34;
    s.keyExpand = 39;
    s.keyCollapse = 37;
    s.keyClose = 27;
    s.keyExecute = 13;
    return s;
}

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

TEST(KeyAction, DefaultBindingsAreTheArrowsPagesEscapeAndEnter) {
    Settings s = DefaultKeys();
    SetOption(s.optionFlags, kOptFoldersInPanel);
    EXPECT_EQ(DecideKeyAction(s, 13), KeyAction::kExecute);
    EXPECT_EQ(DecideKeyAction(s, 27), KeyAction::kClose);
    EXPECT_EQ(DecideKeyAction(s, 38), KeyAction::kUp);
    EXPECT_EQ(DecideKeyAction(s, 40), KeyAction::kDown);
    EXPECT_EQ(DecideKeyAction(s, 33), KeyAction::kPageUp);
    EXPECT_EQ(DecideKeyAction(s, 34), KeyAction::kPageDown);
    EXPECT_EQ(DecideKeyAction(s, 37), KeyAction::kCollapse);
    EXPECT_EQ(DecideKeyAction(s, 39), KeyAction::kExpand);
    EXPECT_EQ(DecideKeyAction(s, 'A'), KeyAction::kNone);
}

TEST(KeyAction, AKeyBoundTwiceDoesTheEarlierAction) {
    Settings s = DefaultKeys();
    s.keyUp = 27;  // Up and Close on Escape: Escape closes
    EXPECT_EQ(DecideKeyAction(s, 27), KeyAction::kClose);
    s.keyClose = 13;  // Close and Execute on Enter: Enter starts the item
    EXPECT_EQ(DecideKeyAction(s, 13), KeyAction::kExecute);
    s = DefaultKeys();
    SetOption(s.optionFlags, kOptFoldersInPanel);
    s.keyExpand = 37;  // Collapse is tried before Expand
    EXPECT_EQ(DecideKeyAction(s, 37), KeyAction::kCollapse);
    s.keyPageDown = 37;
    EXPECT_EQ(DecideKeyAction(s, 37), KeyAction::kPageDown);
}

TEST(KeyAction, FolderKeysDoNothingWithoutFoldersOpeningInThePanel) {
    Settings s = DefaultKeys();
    SetOption(s.optionFlags, kOptAccelerators);  // accelerators on, folder opening off
    EXPECT_EQ(DecideKeyAction(s, 37), KeyAction::kNone);
    EXPECT_EQ(DecideKeyAction(s, 39), KeyAction::kNone);
    // Not handed to the accelerators either, even when bound to a letter.
    s.keyExpand = 'E';
    EXPECT_EQ(DecideKeyAction(s, 'E'), KeyAction::kNone);
    EXPECT_EQ(DecideKeyAction(s, 'F'), KeyAction::kAccelerator);
    SetOption(s.optionFlags, kOptFoldersInPanel);
    EXPECT_EQ(DecideKeyAction(s, 'E'), KeyAction::kExpand);
}

TEST(KeyAction, OtherKeysAreAcceleratorsOnlyWithTheOption) {
    Settings s = DefaultKeys();
    EXPECT_EQ(DecideKeyAction(s, 'A'), KeyAction::kNone);
    SetOption(s.optionFlags, kOptAccelerators);
    EXPECT_EQ(DecideKeyAction(s, 'A'), KeyAction::kAccelerator);
    EXPECT_EQ(DecideKeyAction(s, 13), KeyAction::kExecute);
}

TEST(Accelerators, TheFirstRowWithTheKeyWins) {
    const uint8_t rows[] = {0, 'B', 'A', 0, 'A'};
    EXPECT_EQ(MatchAcceleratorRow('A', rows, 5), 2);
    EXPECT_EQ(MatchAcceleratorRow('B', rows, 5), 1);
    // Only the rows shown count: with two rows the A item is off the panel.
    EXPECT_EQ(MatchAcceleratorRow('A', rows, 2), -1);
    EXPECT_EQ(MatchAcceleratorRow('C', rows, 5), -1);
    // Rows without an accelerator never match, not even key 0.
    EXPECT_EQ(MatchAcceleratorRow(0, rows, 5), -1);
    EXPECT_EQ(MatchAcceleratorRow('A', nullptr, 5), -1);
    EXPECT_EQ(MatchAcceleratorRow('A', rows, 0), -1);
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
