#include "base/core/text.h"

namespace {

// Appends one byte to a bounded out-buffer, dropping it once the buffer is full.
struct BoundedOut {
    char* out;
    size_t size;
    size_t used = 0;
    void Put(char c) {
        if (out && used + 1 < size) out[used++] = c;
    }
    void Finish() {
        if (out && size > 0) out[used] = '\0';
    }
};

}  // namespace

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

bool GetLine(const char* text, int index, char* out, size_t outSize) {
    BoundedOut o{out, outSize};
    o.Finish();
    if (!text || index < 0) return false;
    const char* p = text;
    // Skip index lines; carriage returns are not part of any line.
    for (int line = 0; line < index; ++line) {
        while (*p && *p != '\n') ++p;
        if (!*p) return false;
        ++p;
    }
    bool any = false;
    for (; *p && *p != '\n'; ++p) {
        if (*p == '\r') continue;
        o.Put(*p);
        any = true;
    }
    o.Finish();
    return *p == '\n' || any;
}

bool GetToken(const char* text, char separator, int index, char* out, size_t outSize) {
    BoundedOut o{out, outSize};
    o.Finish();
    if (!text || index < 0) return false;
    const char* p = text;
    for (int field = 0; field < index; ++field) {
        while (*p && *p != separator) ++p;
        if (!*p) return false;
        ++p;
    }
    const char* start = p;
    while (*p && *p != separator) o.Put(*p++);
    o.Finish();
    return *p == separator || p != start;
}

void RemoveChar(char* text, char ch) {
    if (!text) return;
    char* w = text;
    for (const char* r = text; *r; ++r)
        if (*r != ch) *w++ = *r;
    *w = '\0';
}

int32_t ParseDecimal(const char* text) {
    if (!text || !*text) return -1;
    uint32_t value = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9') return -1;
        value = value * 10u + static_cast<uint32_t>(*p - '0');
    }
    return static_cast<int32_t>(value);
}

int32_t ParseHex(const char* text) {
    if (!text || !*text) return -1;
    uint32_t value = 0;
    for (const char* p = text; *p; ++p) {
        uint32_t digit;
        if (*p >= '0' && *p <= '9')
            digit = static_cast<uint32_t>(*p - '0');
        else if (*p >= 'a' && *p <= 'f')
            digit = static_cast<uint32_t>(*p - 'a' + 10);
        else
            return -1;
        value = (value << 4) | digit;  // digits beyond the eighth shift out
    }
    return static_cast<int32_t>(value);
}

void ExtensionOf(const char* name, char* out, size_t outSize) {
    // A plain loop: the hook library compiles this file in without a C runtime.
    const char* dot = nullptr;
    if (name)
        for (const char* p = name; *p; ++p)
            if (*p == '.') dot = p;
    CopyText(out, outSize, dot ? dot + 1 : "");
}

void CopyText(char* out, size_t outSize, const char* text) {
    BoundedOut o{out, outSize};
    if (text)
        for (const char* p = text; *p; ++p) o.Put(*p);
    o.Finish();
}

void LowerAscii(char* text) {
    if (!text) return;
    for (unsigned char* p = reinterpret_cast<unsigned char*>(text); *p; ++p) {
        if (IsLeadByte(*p)) {
            if (!p[1]) break;
            ++p;
        } else if (*p >= 'A' && *p <= 'Z') {
            *p = static_cast<unsigned char>(*p - 'A' + 'a');
        }
    }
}
