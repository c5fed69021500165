#pragma once
// Reading the order file "shortcut.ini": one entry per line, taken verbatim
// (no trimming), carriage returns dropped, an empty tail after the last line
// feed not counting as a line. The lines are exactly those GetLine yields for
// index 0, 1, 2... but each is found in one pass over the text.
#include <cstddef>
#include <string>

struct PanelItem;

constexpr char kOrderFileName[] = "shortcut.ini";

class OrderFileReader {
public:
    explicit OrderFileReader(const char* text) : next_(text) {}

    // The next line into out. A line that does not fit out (it could not name
    // a file of the folder anyway) comes back empty with *tooLong set, so the
    // caller skips it instead of acting on a cut name. False after the last line.
    bool Next(char* out, size_t outSize, bool* tooLong);

private:
    const char* next_;
};

// True when the entry is the separator line, compared exactly.
bool IsSeparatorLine(const char* entry);

// True when the entry can name a file of the order file's own folder: not
// empty, not made of dots and spaces alone (the system reads those as the
// folder itself or its parent), and
// without a path separator. The program never writes any other line, and one
// that reaches outside the folder must not list, or start, what it names.
bool IsFolderEntryName(const char* entry);

// "%s\%s" of folder and entry into out; false (out empty) when it does not fit.
bool JoinPath(const char* folder, const char* entry, char* out, size_t outSize);

// The last component of an item's path, as the system splits paths.
using FileNameOfPath = void (*)(const char* path, char* out, size_t outSize);

// The order file's text for the list starting at first: one line per item in
// list order, each ended by CR LF, holding the separator line for a separator
// and the item's file name otherwise. False when memory runs out.
bool FormatOrderFile(const PanelItem* first, FileNameOfPath fileNameOf, std::string* out);
