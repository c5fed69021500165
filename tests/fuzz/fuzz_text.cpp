// Feeds arbitrary bytes through the line, field and number routines, the
// encoding tests and the option-flag parser, with small out-buffers so a
// missed bound shows at once.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "shell/core/command_line.h"
#include "base/core/option_flags.h"
#include "base/core/text.h"
#include "base/core/text_encoding.h"
#include "items/core/order_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte picks the out-buffer size and the separator.
    const size_t outSize = data[0] % 17;
    const char separator = static_cast<char>(data[0] & 1 ? ',' : '.');
    std::vector<char> text(data + 1, data + size);
    text.push_back('\0');

    std::vector<char> out(outSize ? outSize : 1);
    char* outPtr = outSize ? out.data() : nullptr;
    for (int i = 0; i < 64 && GetLine(text.data(), i, outPtr, outSize); ++i) {
    }
    for (int i = 0; i < 64 && GetToken(text.data(), separator, i, outPtr, outSize); ++i) {
        if (outSize) {
            ParseDecimal(out.data());
            ParseHex(out.data());
        }
    }
    ExtensionOf(text.data(), outPtr, outSize);

    OptionFlags flags;
    ParseOptionText(text.data(), flags);
    char stored[kOptionTextSize];
    FormatOptionText(flags, stored, sizeof stored);
    OptionFlags again;
    ParseOptionText(stored, again);
    if (std::memcmp(flags, again, sizeof flags) != 0) __builtin_trap();  // the stored text must read back

    // Exact-size copies, so a read past the end is caught.
    const std::vector<char> raw(data + 1, data + size);
    size_t mark = 0;
    EncodingOfMark(raw.data(), raw.size(), &mark);
    if (mark > raw.size()) __builtin_trap();
    IsNonAsciiUtf8(raw.data(), raw.size());
    IsFolderEntryName(text.data());

    HasActivationArgument(text.data());
    std::vector<char> copy(text);
    LowerAscii(copy.data());
    RemoveChar(copy.data(), '\r');
    return 0;
}
