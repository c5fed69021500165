// Apart from the gesture judging, which the compatibility hook library
// compiles in without the option-flag code.
#include "activation/core/mouse_gesture.h"
#include "base/core/option_flags.h"

unsigned RequiredModifiers(const uint8_t* optionFlags) {
    unsigned required = 0;
    if (IsOptionSet(optionFlags, kOptMouseNeedsShift)) required |= kModifierShift;
    if (IsOptionSet(optionFlags, kOptMouseNeedsCtrl)) required |= kModifierCtrl;
    if (IsOptionSet(optionFlags, kOptMouseNeedsAlt)) required |= kModifierAlt;
    return required;
}
