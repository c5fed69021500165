#include "options/core/settings_change.h"

#include <cstring>

namespace {

// Flags whose change alters which items are listed or how they are built.
constexpr OptionFlag kListFlags[] = {kOptSort,     kOptSortByName,     kOptSortByType,         kOptSortReverse,
                                     kOptAllFiles, kOptFoldersInPanel, kOptScanFoldersAtStart, kOptCustomDesign};
// Flags of the look that the rebuild lays out.
constexpr OptionFlag kLookFlags[] = {kOptGradient, kOptNoIcons, kOptNoText, kOptNoVisualStyle};

bool FlagDiffers(const Settings& a, const Settings& b, OptionFlag flag) { return Option(a, flag) != Option(b, flag); }

bool DesignDiffers(const Settings& a, const Settings& b) {
    return std::strcmp(a.selectFont, b.selectFont) != 0 || std::strcmp(a.unselectFont, b.unselectFont) != 0 ||
           a.selectSize != b.selectSize || a.unselectSize != b.unselectSize || a.selectStyle != b.selectStyle ||
           a.unselectStyle != b.unselectStyle || a.selectColor != b.selectColor || a.unselectColor != b.unselectColor ||
           a.designIconSize != b.designIconSize || a.selectBG != b.selectBG || a.selectFrame != b.selectFrame ||
           a.background != b.background;
}

}  // namespace

bool IsContentChanged(const Settings& live, const Settings& copy) {
    if (std::strcmp(live.shortcutFolder, copy.shortcutFolder) != 0) return true;
    if (std::strcmp(live.skinFolder, copy.skinFolder) != 0) return true;
    for (OptionFlag flag : kListFlags)
        if (FlagDiffers(live, copy, flag)) return true;
    if (Option(copy, kOptCustomDesign) && DesignDiffers(live, copy)) return true;
    for (OptionFlag flag : kLookFlags)
        if (FlagDiffers(live, copy, flag)) return true;
    return false;
}

SettingsChange CompareSettings(const Settings& live, const Settings& copy) {
    return SettingsChange{IsContentChanged(live, copy), FlagDiffers(live, copy, kOptCompatHook)};
}
