#pragma once
// The rows of the other-options page as one table: group headings, check
// boxes and radio buttons, the option flag each writes, and the row whose
// tick decides whether it can be used. The page's window code fills the
// check list from here and maps it to the working copy through the
// functions below.
#include <cstddef>
#include <cstdint>

#include "base/core/option_flags.h"

enum class OtherRowKind : uint8_t { kHeading, kCheck, kRadio };

// What the system must offer for a row to be usable at all.
enum class OtherRowNeed : uint8_t {
    kNothing,
    kVisualStyles,  // the visual-style library is bound
    kScreen24Bit,   // the screen has exactly 24 bits a pixel
};

// A row that writes no flag (a heading, or the radio row that stands for
// "none of the group's flags").
constexpr OptionFlag kNoOption = static_cast<OptionFlag>(-1);

struct OtherRow {
    OtherRowKind kind;
    uint8_t level;         // indentation 0-3
    const char* heading;   // headings carry their own text...
    int text;              // ...check and radio rows a string of the table
    int icon;              // heading icon cell
    OptionFlag flag;       // the flag this row writes, or kNoOption
    bool clearWhenChosen;  // radio row that stands for its group's main flag clear
    int dependsOn;         // -1, or the row whose tick decides whether this one is usable
    bool whileTicked;      // usable while dependsOn is ticked (else: while it is not)
    OtherRowNeed need;
    int question;  // string asked (Yes/No) when the row has just been ticked; 0 for none
};

constexpr int kOtherRowCount = 70;
extern const OtherRow kOtherRows[kOtherRowCount];

// A run of radio rows of which exactly one is ticked.
struct OtherRadioGroup {
    int first, last;
    // Opening tries these rows in turn and ticks the first whose flag reads as
    // chosen (set, or clear for a clearWhenChosen row); -1 ends the list.
    int order[4];
    int fallback;  // ticked when no row of order is chosen; -1 leaves the group unticked
};

extern const OtherRadioGroup kOtherRadioGroups[];
extern const int kOtherRadioGroupCount;

// The group of a radio row, or null.
const OtherRadioGroup* RadioGroupOf(int row);
// The row that writes flag, or -1.
int RowWritingOption(OptionFlag flag);

// One tick per row, indexed like kOtherRows.
struct OtherRowTicks {
    bool ticked[kOtherRowCount];
};

// The page's rows as the option flags say.
OtherRowTicks OpenOtherRows(const uint8_t* flags);
// Writes the flag of every row into flags, whether the row is usable or
// not; the flags no row writes keep their values.
void CloseOtherRows(const OtherRowTicks& ticks, uint8_t* flags);
// A radio row was chosen: it is ticked and the rest of its group not.
void ChooseOtherRadio(OtherRowTicks& ticks, int row);

struct OtherRowFacts {
    bool visualStylesBound;
    bool screen24Bit;
};

// Whether row can be used with these ticks on this system.
bool IsOtherRowUsable(const OtherRowTicks& ticks, int row, const OtherRowFacts& facts);
