#include "shell/core/cpu.h"

#if defined(_MSC_VER) && (defined(_M_IX86) || defined(_M_X64))
#include <intrin.h>
#elif defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#endif

int DetectMmx() {
#if defined(_MSC_VER) && (defined(_M_IX86) || defined(_M_X64))
    int regs[4];
    __cpuid(regs, 0);
    if (regs[0] < 1) return 0;
    __cpuid(regs, 1);
    return (regs[3] >> 23) & 1;
#elif defined(__i386__) || defined(__x86_64__)
    unsigned eax, ebx, ecx, edx;
    if (__get_cpuid_max(0, nullptr) < 1) return 0;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) return 0;
    return (edx >> 23) & 1;
#else
    return 0;
#endif
}
