#pragma once
// Windows the activation tests stand up in their own process: a desktop
// ("Progman" / "SHELLDLL_DefView" / "SysListView32" with icons), a window
// that catches the activation hot key, and a watcher that answers our
// message boxes.
#include <windows.h>

#include "input.h"
#include <commctrl.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

// A plain top-level or child window of a class registered on first use.
HWND MakeWindow(const char* className, const char* title, HWND parent, DWORD style, int x, int y, int w, int h);

// Only one stand-in desktop may exist at a time across the test programs
// that run side by side; the constructor waits for the others.
class StandinDesktop {
public:
    // underProgman false: the view hangs under a top-level window of another
    // class, as some shells arrange it.
    explicit StandinDesktop(bool underProgman = true);
    ~StandinDesktop();
    StandinDesktop(const StandinDesktop&) = delete;
    StandinDesktop& operator=(const StandinDesktop&) = delete;

    HWND top = nullptr;        // "Progman" (or the other top-level window)
    HWND view = nullptr;       // "SHELLDLL_DefView"
    HWND list = nullptr;       // "SysListView32", with one icon at its top left
    POINT IconCentre() const;  // screen point over the first icon
    POINT EmptySpace() const;  // screen point on the list, away from the icons
    POINT ViewMargin() const;  // screen point on the view, outside the list

private:
    HANDLE lock_ = nullptr;
};

// Registers the activation key 0x8F as hot key on a hidden window of its own.
class HotkeyCatcher {
public:
    HotkeyCatcher();
    ~HotkeyCatcher();
    HotkeyCatcher(const HotkeyCatcher&) = delete;
    HotkeyCatcher& operator=(const HotkeyCatcher&) = delete;
    bool Registered() const { return registered_; }
    // Pumps messages for up to ms; true when the activation key arrived.
    bool Caught(DWORD ms = 500);

private:
    HWND window_ = nullptr;
    bool registered_ = false;
};

// Closes every message box titled "Tovel panel" of this process while it
// lives, keeping the text of the last one. whileShown runs on the watcher's
// thread while each box is still up.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(std::function<void()> whileShown = nullptr);
    ~MessageBoxWatcher();
    std::string Texts();  // every text seen, joined by '|'

private:
    std::atomic<bool> stop_{false};
    std::string texts_;
    std::thread thread_;
};

// Runs the message loop for ms milliseconds.
