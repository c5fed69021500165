#include "base/settings_store.h"

#include <windows.h>

#include <cstdio>

Settings gSettings;

namespace {

class Profile {
public:
    explicit Profile(const char* file) : file_(file) {}

    int32_t Int(const char* section, const char* key, int32_t def) const {
        return static_cast<int32_t>(GetPrivateProfileIntA(section, key, def, file_));
    }
    void Text(const char* section, const char* key, char* out, DWORD size) const {
        GetPrivateProfileStringA(section, key, "", out, size, file_);
    }
    void PutText(const char* section, const char* key, const char* value) const {
        WritePrivateProfileStringA(section, key, value, file_);
    }
    void PutInt(const char* section, const char* key, int32_t value) const {
        char text[16];
        std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
        PutText(section, key, text);
    }
    void Flush() const { WritePrivateProfileStringA(nullptr, nullptr, nullptr, file_); }

private:
    const char* file_;
};

void LoadRow(const Profile& p, Settings& s, const SettingRow& row, int32_t& iconIndex) {
    switch (row.type) {
        case SettingType::kNumber:
        case SettingType::kLegacyFlags:
            SetSettingNumber(s, row, p.Int(row.section, row.key, row.fallback));
            break;
        case SettingType::kText:
            p.Text(row.section, row.key, SettingText(s, row), static_cast<DWORD>(row.size));
            break;
        case SettingType::kOptionFlags: {
            char nflags[256];
            p.Text(row.section, row.key, nflags, sizeof nflags);
            if (nflags[0]) {
                ParseOptionText(nflags, s.optionFlags);
            } else {
                for (uint8_t& b : s.optionFlags) b = 0;
                if (s.legacyFlags == -1)
                    SetDefaultOptions(s.optionFlags);
                else
                    SetLegacyOptions(s.optionFlags, s.legacyFlags);
            }
            break;
        }
        case SettingType::kSecondPosition: {
            const int32_t value = p.Int(row.section, row.key, kPositionAbsent);
            SetSettingNumber(s, row, value == kPositionAbsent ? FirstPosition(s, row) : value);
            break;
        }
        case SettingType::kItemIndex:
            iconIndex = p.Int(row.section, row.key, row.fallback);
            break;
    }
}

}  // namespace

void LoadSettings(Settings& s, int32_t& iconIndex) {
    const Profile p(s.settingsFile);
    for (size_t i = 0; i < kSettingRowCount; ++i) LoadRow(p, s, kSettingRows[i], iconIndex);
    ClampStoredSettings(s, iconIndex);
}

void LoadOptionFlags(Settings& s) {
    const Profile p(s.settingsFile);
    int32_t unused = 0;
    for (size_t i = 0; i < kSettingRowCount; ++i) {
        const SettingRow& row = kSettingRows[i];
        if (row.type == SettingType::kLegacyFlags || row.type == SettingType::kOptionFlags) LoadRow(p, s, row, unused);
    }
}

void SaveSettings(const Settings& s, int32_t iconIndex) {
    const Profile p(s.settingsFile);
    for (size_t i = 0; i < kSettingRowCount; ++i) {
        const SettingRow& row = kSettingRows[i];
        switch (row.type) {
            case SettingType::kNumber:
            case SettingType::kSecondPosition:
                p.PutInt(row.section, row.key, SettingNumber(s, row));
                break;
            case SettingType::kText:
                p.PutText(row.section, row.key, SettingText(s, row));
                break;
            case SettingType::kLegacyFlags:
                break;  // once "NFlags" exists it is the only source
            case SettingType::kOptionFlags: {
                char nflags[kOptionTextSize];
                FormatOptionText(s.optionFlags, nflags, sizeof nflags);
                p.PutText(row.section, row.key, nflags);
                break;
            }
            case SettingType::kItemIndex:
                p.PutInt(row.section, row.key, iconIndex);
                break;
        }
    }
    p.Flush();
}
