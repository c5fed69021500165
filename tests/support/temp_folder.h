#pragma once
// A fresh folder under the Windows temporary folder for one test's files,
// removed with everything in it at the end of the test.
#include <windows.h>

#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    // Writes bytes exactly as given (no line-end translation).
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    std::string MakeFolder(const std::string& name) const;

private:
    std::string path_;
};

void RemoveTree(const std::string& path);
// The folder of the running test program, where the build puts the program
// and its libraries too.
std::string ProgramFolder();
