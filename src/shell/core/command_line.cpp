#include "shell/core/command_line.h"

#include "base/core/text.h"

bool HasActivationArgument(const char* commandLine) {
    if (!commandLine) return false;
    const char* p = commandLine;
    for (;;) {
        while (*p == ' ' || *p == '\t') ++p;
        if (!*p) return false;
        char arg[8];
        size_t used = 0;
        bool quoted = false, tooLong = false;
        for (; *p && (quoted || (*p != ' ' && *p != '\t')); ++p) {
            if (*p == '"') {
                quoted = !quoted;
                continue;
            }
            if (used + 1 < sizeof arg)
                arg[used++] = *p;
            else
                tooLong = true;
        }
        arg[used] = '\0';
        LowerAscii(arg);
        if (!tooLong && arg[0] == '/' && arg[1] == 'h' && arg[2] == '\0') return true;
    }
}
