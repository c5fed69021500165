#pragma once
// Names and failure values of the system functions the program binds on
// first use (delay-loaded libraries). A function that the system lacks is
// replaced by one that reports failure the way its callers already expect.
#include <cstddef>

// What a missing function returns in place of its result.
enum class MissingResult {
    Zero,      // FALSE, a null handle or pointer, no result: most functions
    MinusOne,  // functions whose failure value is -1 (image-list indexes, the property sheet)
    ComError,  // functions that return an HRESULT, where 0 would mean success
};

// Splits a 32-bit import name "Name@N" (the __stdcall decoration) into the
// function's name and its N bytes of arguments. A name without a decoration
// (every 64-bit import, and the 32-bit __cdecl ones) has 0 argument bytes.
// False when the name does not fit into size bytes.
bool SplitImportName(const char* importName, char* name, std::size_t size, int* argumentBytes);

MissingResult MissingResultOf(const char* name);
