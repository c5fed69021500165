#include "view/core/key_actions.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

Settings DefaultKeys() {
    Settings s;
    std::memset(&s, 0, sizeof s);
    s.keys.up = 38;
    s.keys.down = 40;
    s.keys.pageUp = 33;
    s.keys.pageDown = 34;
    s.keys.expand = 39;
    s.keys.collapse = 37;
    s.keys.close = 27;
    s.keys.execute = 13;
    return s;
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
    s.keys.up = 27;  // Up and Close on Escape: Escape closes
    EXPECT_EQ(DecideKeyAction(s, 27), KeyAction::kClose);
    s.keys.close = 13;  // Close and Execute on Enter: Enter starts the item
    EXPECT_EQ(DecideKeyAction(s, 13), KeyAction::kExecute);
    s = DefaultKeys();
    SetOption(s.optionFlags, kOptFoldersInPanel);
    s.keys.expand = 37;  // Collapse is tried before Expand
    EXPECT_EQ(DecideKeyAction(s, 37), KeyAction::kCollapse);
    s.keys.pageDown = 37;
    EXPECT_EQ(DecideKeyAction(s, 37), KeyAction::kPageDown);
}

TEST(KeyAction, FolderKeysDoNothingWithoutFoldersOpeningInThePanel) {
    Settings s = DefaultKeys();
    SetOption(s.optionFlags, kOptAccelerators);  // accelerators on, folder opening off
    EXPECT_EQ(DecideKeyAction(s, 37), KeyAction::kNone);
    EXPECT_EQ(DecideKeyAction(s, 39), KeyAction::kNone);
    // Not handed to the accelerators either, even when bound to a letter.
    s.keys.expand = 'E';
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

}  // namespace
