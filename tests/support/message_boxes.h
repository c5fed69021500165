#pragma once
// Answers the message boxes a test provokes, so that it never waits for a
// click, and keeps what the last one said.
#include <windows.h>

#include <string>

// Reads the text of each message box that appears on this thread while it is
// alive, and answers it with OK.
class MessageBoxCatcher {
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    int count() const { return count_; }
    const std::string& text() const { return text_; }
    const std::string& caption() const { return caption_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR timer_ = 0;
    int count_ = 0;
    std::string text_, caption_;
};
