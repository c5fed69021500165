#pragma once
// 1 when the processor reports MMX (CPUID function 1, EDX bit 23), else 0.
int DetectMmx();
