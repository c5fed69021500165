#pragma once
// Reading the text files a user may edit by hand ("shortcut.ini",
// "forbiden.ini") as the user meant them. The program writes them in the
// ANSI code page, but today's editors save UTF-8, with or without a
// byte-order mark, or UTF-16 with one.
#include <windows.h>

#include <string>

// Whether line, in the ANSI code page, names an existing file.
using NamesFileFn = bool (*)(const char* line, const void* context);

// The file read whole as ANSI code page text, its lines ended by line feeds
// and without carriage returns, line for line as in the file:
// - after a UTF-8 or UTF-16 byte-order mark every line is converted from it;
// - without a mark a line is taken as it stands, unless it names no file as
//   it stands (namesFile), is well-formed UTF-8 beyond ASCII, and its UTF-8
//   reading names a file.
// A line the code page cannot hold exactly, or holding a NUL, comes back
// empty: it names nothing, and the lines after it still count. Null when the
// file cannot be read or memory runs out. Free with delete[].
char* ReadUserTextFile(const char* path, NamesFileFn namesFile, const void* context);

// The wide text in the ANSI code page, only when every character converts and
// converts back unchanged.
bool WideToAnsiExact(const wchar_t* text, size_t length, std::string& out);
