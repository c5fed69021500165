#pragma once
// The blocked-applications file as its editor holds it: one entry a line.
#include <cstddef>
#include <string>
#include <vector>

// The entries of the file's bytes, as the panel reads them: lines end at line
// feeds, carriage returns are dropped wherever they stand, a final line break
// adds no entry and an empty line between two others is one. Every other
// byte is kept, NUL included, and no line is cut, so saving the entries again
// loses nothing.
std::vector<std::string> SplitBlockedEntries(const char* data, size_t size);

// The file's bytes: every entry followed by CR LF.
std::string JoinBlockedEntries(const std::vector<std::string>& entries);
