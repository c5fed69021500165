#pragma once
// What the shell's recycle bin holds, as the shell itself lists it.
#include <string>

// True when the recycle bin holds an item that was named fileName (the bin
// may show it with or without its extension).
bool InRecycleBin(const std::string& fileName);
