#include "items/core/order_file.h"

#include <cstring>
#include <new>

#include "items/core/item_list.h"
#include "base/core/text.h"

bool OrderFileReader::Next(char* out, size_t outSize, bool* tooLong) {
    if (out && outSize) out[0] = '\0';
    if (tooLong) *tooLong = false;
    if (!next_ || !*next_) return false;
    size_t used = 0;
    bool any = false, overflow = false;
    const char* p = next_;
    for (; *p && *p != '\n'; ++p) {
        if (*p == '\r') continue;
        any = true;
        if (out && used + 1 < outSize)
            out[used++] = *p;
        else
            overflow = true;
    }
    // A line ended by a line feed counts even when empty; the text after the
    // last line feed counts only when it holds more than carriage returns.
    const bool ended = *p == '\n';
    next_ = ended ? p + 1 : p;
    if (!ended && !any) return false;
    if (out && outSize) out[overflow ? 0 : used] = '\0';
    if (tooLong) *tooLong = overflow;
    return true;
}

bool IsSeparatorLine(const char* entry) { return entry && std::strcmp(entry, kSeparatorEntry) == 0; }

bool IsFolderEntryName(const char* entry) {
    if (!entry || !*entry) return false;
    // Windows drops trailing dots and spaces from a name, so these reduce
    // to "", "." or "..".
    bool onlyDots = true;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(entry); *p; ++p) {
        // The trail byte of a double-byte character may be 0x5C, '\\'.
        if (IsLeadByte(*p) && p[1]) {
            ++p;
            onlyDots = false;
            continue;
        }
        if (*p == '\\' || *p == '/') return false;
        if (*p != '.' && *p != ' ') onlyDots = false;
    }
    return !onlyDots;
}

bool JoinPath(const char* folder, const char* entry, char* out, size_t outSize) {
    if (!out || !outSize) return false;
    out[0] = '\0';
    const size_t a = folder ? std::strlen(folder) : 0;
    const size_t b = entry ? std::strlen(entry) : 0;
    if (a + 1 + b + 1 > outSize) return false;
    if (a) std::memcpy(out, folder, a);
    out[a] = '\\';
    if (b) std::memcpy(out + a + 1, entry, b);
    out[a + 1 + b] = '\0';
    return true;
}

bool FormatOrderFile(const PanelItem* first, FileNameOfPath fileNameOf, std::string* out) {
    if (!out) return false;
    try {
        out->clear();
        for (const PanelItem* item = first; item; item = item->next) {
            if (IsSeparator(item)) {
                out->append(kSeparatorEntry);
            } else {
                char name[kPathSize];
                fileNameOf(item->path, name, sizeof name);
                out->append(name);
            }
            out->append("\r\n");
        }
        return true;
    } catch (const std::bad_alloc&) {
        out->clear();
        return false;
    }
}
