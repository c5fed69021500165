// The hook libraries are mapped into every process on the desktop, so what
// they bring along is read from their files: which libraries they import,
// whether they carry a TLS directory (its callbacks would run on every thread
// start and end of every hooked process), and how large they are.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "activation/hook_binding.h"
#include "support/temp_folder.h"

namespace {

class PeFile {
public:
    explicit PeFile(const std::string& path) {
        HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (f == INVALID_HANDLE_VALUE) return;
        bytes_.resize(GetFileSize(f, nullptr));
        DWORD n = 0;
        if (!ReadFile(f, bytes_.data(), static_cast<DWORD>(bytes_.size()), &n, nullptr) || n != bytes_.size())
            bytes_.clear();
        CloseHandle(f);
        if (bytes_.size() < sizeof(IMAGE_DOS_HEADER)) return;
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes_.data());
        if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew <= 0 ||
            static_cast<size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS) > bytes_.size())
            return;
        nt_ = reinterpret_cast<const IMAGE_NT_HEADERS*>(bytes_.data() + dos->e_lfanew);
        if (nt_->Signature != IMAGE_NT_SIGNATURE) nt_ = nullptr;
    }

    bool Valid() const { return nt_ != nullptr; }
    size_t Size() const { return bytes_.size(); }
    const IMAGE_DATA_DIRECTORY& Directory(int entry) const { return nt_->OptionalHeader.DataDirectory[entry]; }

    // The lower-cased names of the libraries in the import table.
    std::set<std::string> ImportedLibraries() const {
        std::set<std::string> names;
        const IMAGE_DATA_DIRECTORY& dir = Directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
        size_t at = Offset(dir.VirtualAddress);
        for (; at && at + sizeof(IMAGE_IMPORT_DESCRIPTOR) <= bytes_.size(); at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            IMAGE_IMPORT_DESCRIPTOR d;
            std::memcpy(&d, bytes_.data() + at, sizeof d);
            if (d.Name == 0) break;
            std::string name = Text(d.Name);
            for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            names.insert(name);
        }
        return names;
    }

private:
    // File offset of a relative virtual address; 0 when no section holds it.
    size_t Offset(DWORD rva) const {
        const IMAGE_SECTION_HEADER* s = IMAGE_FIRST_SECTION(nt_);
        for (WORD i = 0; i < nt_->FileHeader.NumberOfSections; ++i, ++s) {
            const DWORD span = s->Misc.VirtualSize > s->SizeOfRawData ? s->Misc.VirtualSize : s->SizeOfRawData;
            if (rva >= s->VirtualAddress && rva < s->VirtualAddress + span)
                return s->PointerToRawData + (rva - s->VirtualAddress);
        }
        return 0;
    }
    std::string Text(DWORD rva) const {
        std::string out;
        for (size_t at = Offset(rva); at && at < bytes_.size() && bytes_[at]; ++at)
            out += static_cast<char>(bytes_[at]);
        return out;
    }

    std::vector<uint8_t> bytes_;
    const IMAGE_NT_HEADERS* nt_ = nullptr;
};

TEST(HookLibraryImage, OnlyTheSystemsUserInterfaceAndKernelNoTlsAndSmall) {
    const std::set<std::string> allowed = {"kernel32.dll", "user32.dll"};
    for (const char* name : {kStandardHookFile, kCompatibilityHookFile}) {
        const PeFile pe(ProgramFolder() + "\\" + name);
        ASSERT_TRUE(pe.Valid()) << name;
        for (const std::string& lib : pe.ImportedLibraries())
            EXPECT_EQ(allowed.count(lib), 1u) << name << " imports " << lib;
        EXPECT_EQ(pe.Directory(IMAGE_DIRECTORY_ENTRY_TLS).Size, 0u) << name << " has a TLS directory";
        EXPECT_EQ(pe.Directory(IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT).Size, 0u) << name;
        // The C++ runtime and the threads library alone came to about 500 KB.
        EXPECT_LT(pe.Size(), 64u * 1024) << name;
        testing::Test::RecordProperty(name, static_cast<int>(pe.Size()));
    }
}

}  // namespace
