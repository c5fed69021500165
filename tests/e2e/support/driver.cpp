#include "driver.h"

#include "menu_capture.h"

#include "base/core/option_flags.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

HWND FindPanel() { return FindWindowA("Tovel panel", "Tovel panel"); }

WindowState ReadWindow(HWND window) {
    WindowState s;
    s.window = window;
    if (window && IsWindow(window)) {
        s.visible = IsWindowVisible(window) != 0;
        GetWindowRect(window, &s.rect);
    }
    return s;
}

std::string FlagText(std::initializer_list<OptionFlag> flags) {
    OptionFlags set{};
    for (OptionFlag n : flags) SetOption(set, n);
    char text[kOptionTextSize];
    FormatOptionText(set, text, sizeof text);
    return text;
}

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string out = "Z:" + path;
    for (char& c : out)
        if (c == '/') c = '\\';
    return out;
}

void PressKey(WORD vk, bool withAlt) {
    std::vector<INPUT> in;
    auto key = [&](WORD k, bool up) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        in.push_back(i);
    };
    if (withAlt) key(VK_MENU, false);
    key(vk, false);
    key(vk, true);
    if (withAlt) key(VK_MENU, true);
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

bool SaveScreenshot(const std::string& bmpPath) {
    return CaptureScreen(bmpPath, RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

std::string BuildFolder() {
    if (const char* dir = std::getenv("KORVANE_DLL_DIR")) return WindowsPath(dir);
    const char* exe = std::getenv("KORVANE_EXE");
    if (!exe) return ".";
    std::string path = WindowsPath(exe);
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string StandinPath(const std::string& name) { return BuildFolder() + "\\" + name + ".exe"; }

KorvaneRun::KorvaneRun() {
    const char* source = std::getenv("KORVANE_EXE");
    exe_ = folder_.File("Korvane.exe");
    if (source) CopyFileA(WindowsPath(source).c_str(), exe_.c_str(), FALSE);
    // The program loads its mouse-hook libraries from its own folder.
    for (const char* dll : {"Korvane.dll", "Korvane1x.dll"})
        CopyFileA((BuildFolder() + "\\" + dll).c_str(), folder_.File(dll).c_str(), FALSE);
}

KorvaneRun::~KorvaneRun() {
    if (Running()) Close(5000);
    Kill();
}

bool KorvaneRun::Launch(const std::string& args, PROCESS_INFORMATION& pi) const {
    std::string cmd = "\"" + exe_ + "\"";
    if (!args.empty()) cmd += " " + args;
    std::vector<char> line(cmd.begin(), cmd.end());
    line.push_back('\0');
    STARTUPINFOA si{};
    si.cb = sizeof si;
    return CreateProcessA(exe_.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.Path().c_str(), &si,
                          &pi) != 0;
}

bool KorvaneRun::Start(const std::string& args) {
    if (!Launch(args, pi_)) return false;
    WaitFor(
        [&] {
            HWND w = FindPanel();
            DWORD pid = 0;
            if (w) GetWindowThreadProcessId(w, &pid);
            if (w && pid == pi_.dwProcessId) panel_ = w;
            return panel_ != nullptr;
        },
        15000);
    return panel_ != nullptr;
}

bool KorvaneRun::Running() const { return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

int KorvaneRun::RunAgain(const std::string& args, DWORD timeoutMs) const {
    PROCESS_INFORMATION pi{};
    if (!Launch(args, pi)) return -1;
    int code = -1;
    if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        DWORD c = 0;
        GetExitCodeProcess(pi.hProcess, &c);
        code = static_cast<int>(c);
    } else {
        TerminateProcess(pi.hProcess, 99);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

int KorvaneRun::Close(DWORD timeoutMs) {
    if (!pi_.hProcess) return -1;
    if (panel_) PostMessageA(panel_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD c = 0;
    GetExitCodeProcess(pi_.hProcess, &c);
    return static_cast<int>(c);
}

void KorvaneRun::Kill() {
    if (!pi_.hProcess) return;
    if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(pi_.hProcess, 99);
        WaitForSingleObject(pi_.hProcess, 5000);
    }
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
    pi_ = PROCESS_INFORMATION{};
    panel_ = nullptr;
}

bool MakeShortcut(const std::string& lnkPath, const std::string& target, const std::string& args,
                  const std::string& workingFolder, const std::string& iconFile) {
    const bool comStarted = SUCCEEDED(CoInitialize(nullptr));
    bool ok = false;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        link->SetPath(target.c_str());
        if (!args.empty()) link->SetArguments(args.c_str());
        if (!workingFolder.empty()) link->SetWorkingDirectory(workingFolder.c_str());
        if (!iconFile.empty()) link->SetIconLocation(iconFile.c_str(), 0);
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t wide[MAX_PATH];
            if (MultiByteToWideChar(CP_ACP, 0, lnkPath.c_str(), -1, wide, MAX_PATH))
                ok = SUCCEEDED(file->Save(wide, TRUE));
            file->Release();
        }
        link->Release();
    }
    if (comStarted) CoUninitialize();
    return ok;
}

std::string RepositorySkin(const char* name) {
    std::string path = __FILE__;
    path = path.substr(0, path.find("/tests/e2e/")) + "/skins/" + name;
    std::string out = "Z:";
    for (char c : path) out += c == '/' ? '\\' : c;
    return out;
}

void CopyFolder(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA((from + "\\*").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            CopyFileA((from + "\\" + fd.cFileName).c_str(), (to + "\\" + fd.cFileName).c_str(), FALSE);
    } while (FindNextFileA(find, &fd));
    FindClose(find);
}
