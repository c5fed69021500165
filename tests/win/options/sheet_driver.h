#pragma once
// Drives the modal dialogs of the options from inside their own message
// loops: a thread timer runs the steps in turn; a step returns false while it
// waits for something and is tried again at the next tick. Steps post clicks
// that open a modal dialog, so every tick returns to the loop that runs it.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class DialogDriver {
public:
    using Step = std::function<bool()>;
    explicit DialogDriver(std::vector<Step> steps);
    ~DialogDriver();
    bool Finished() const { return next_ == steps_.size(); }  // every step ran

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::vector<Step> steps_;
    size_t next_ = 0;
    UINT_PTR timer_ = 0;
    DWORD started_ = 0;
};

// A visible top-level window of this thread with the title, or null.
HWND FindDialog(const char* title);
HWND FindSheet();  // "Tovel panel の設定"
// Shows the page made from dialog resource id; its window, or null.
HWND ShowPage(HWND sheet, int id);
std::string ItemText(HWND dialog, int id);
bool Enabled(HWND dialog, int id);
bool Checked(HWND dialog, int id);
void Click(HWND dialog, int id);  // sent: for buttons that open nothing modal
