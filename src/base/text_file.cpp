#include "base/text_file.h"

#include <cstring>
#include <new>

#include "base/core/text_encoding.h"
#include "base/files.h"
#include "base/handles.h"

bool WideToAnsiExact(const wchar_t* text, size_t length, std::string& out) {
    out.clear();
    if (length == 0) return true;
    if (length > 0x7FFFFFF || std::wmemchr(text, L'\0', length)) return false;
    const int n = static_cast<int>(length);
    BOOL usedDefault = FALSE;
    const int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, n, nullptr, 0, nullptr, &usedDefault);
    if (bytes <= 0 || usedDefault) return false;
    out.resize(static_cast<size_t>(bytes));
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, n, &out[0], bytes, nullptr, &usedDefault);
    // Some code pages map characters to look-alikes even so; only text that
    // converts back unchanged names the same file.
    std::wstring back(length, L'\0');
    if (usedDefault || MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, out.data(), bytes, &back[0], n) != n ||
        back.compare(0, length, text, length) != 0) {
        out.clear();
        return false;
    }
    return true;
}

namespace {

bool Utf8ToAnsiExact(const char* text, size_t length, std::string& out) {
    out.clear();
    if (length == 0) return true;
    if (length > 0x7FFFFFF) return false;
    const int n = static_cast<int>(length);
    const int chars = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, n, nullptr, 0);
    if (chars <= 0) return false;
    std::wstring wide(static_cast<size_t>(chars), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, n, &wide[0], chars);
    return WideToAnsiExact(wide.data(), wide.size(), out);
}

// Calls line(begin, end, ended) for every line of [begin, end) split at
// separator; ended tells whether a separator followed the line.
template <typename Char, typename F>
void ForEachLine(const Char* begin, const Char* end, Char separator, F line) {
    while (begin < end) {
        const Char* stop = begin;
        while (stop < end && *stop != separator) ++stop;
        line(begin, stop, stop < end);
        begin = stop < end ? stop + 1 : end;
    }
}

template <typename Char>
std::basic_string<Char> WithoutCarriageReturns(const Char* begin, const Char* end) {
    std::basic_string<Char> line;
    for (const Char* p = begin; p < end; ++p)
        if (*p != Char('\r')) line += *p;
    return line;
}

void AppendLine(std::string& out, const std::string& line, bool ended) {
    out += line;
    if (ended) out += '\n';
}

void ReadUtf16(const char* bytes, size_t size, bool bigEndian, std::string& out) {
    std::wstring wide;
    wide.reserve(size / 2);
    for (size_t i = 0; i + 1 < size; i += 2) {
        const auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
        const auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
        wide += static_cast<wchar_t>(lo | (hi << 8));
    }
    std::string converted;
    ForEachLine(wide.data(), wide.data() + wide.size(), L'\n', [&](const wchar_t* b, const wchar_t* e, bool ended) {
        const std::wstring line = WithoutCarriageReturns(b, e);
        if (!WideToAnsiExact(line.data(), line.size(), converted)) converted.clear();
        AppendLine(out, converted, ended);
    });
}

void ReadUtf8(const char* bytes, size_t size, std::string& out) {
    std::string converted;
    ForEachLine(bytes, bytes + size, '\n', [&](const char* b, const char* e, bool ended) {
        const std::string line = WithoutCarriageReturns(b, e);
        if (!Utf8ToAnsiExact(line.data(), line.size(), converted)) converted.clear();
        AppendLine(out, converted, ended);
    });
}

void ReadCodePage(const char* bytes, size_t size, NamesFileFn namesFile, const void* context, std::string& out) {
    std::string converted;
    ForEachLine(bytes, bytes + size, '\n', [&](const char* b, const char* e, bool ended) {
        std::string line = WithoutCarriageReturns(b, e);
        if (line.find('\0') != std::string::npos) {
            line.clear();
        } else if (namesFile && IsNonAsciiUtf8(line.data(), line.size()) && !namesFile(line.c_str(), context) &&
                   Utf8ToAnsiExact(line.data(), line.size(), converted) && namesFile(converted.c_str(), context)) {
            line = converted;
        }
        AppendLine(out, line, ended);
    });
}

}  // namespace

char* ReadUserTextFile(const char* path, NamesFileFn namesFile, const void* context) {
    DWORD size = 0;
    OwnedText raw(ReadWholeFile(path, &size));
    if (!raw) return nullptr;
    const size_t length = size ? size - 1 : 0;
    try {
        std::string out;
        out.reserve(length + 1);
        size_t mark = 0;
        const char* bytes = raw.Get();
        switch (EncodingOfMark(bytes, length, &mark)) {
            case TextEncoding::kUtf16Le:
                ReadUtf16(bytes + mark, length - mark, false, out);
                break;
            case TextEncoding::kUtf16Be:
                ReadUtf16(bytes + mark, length - mark, true, out);
                break;
            case TextEncoding::kUtf8:
                ReadUtf8(bytes + mark, length - mark, out);
                break;
            case TextEncoding::kCodePage:
                ReadCodePage(bytes, length, namesFile, context, out);
                break;
        }
        char* text = new char[out.size() + 1];
        std::memcpy(text, out.c_str(), out.size() + 1);
        return text;
    } catch (...) {
        return nullptr;  // out of memory: as if the file could not be read
    }
}
