// The error message boxes show the string-table texts in the Japanese code
// page, with the program's caption.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "base/window_helpers.h"
#include "resources/resource.h"

namespace {

// Waits for the message box, reads its caption and text, and dismisses it.
struct BoxReader {
    std::string caption, text;
    std::thread watcher;

    BoxReader() {
        watcher = std::thread([this] {
            for (int i = 0; i < 500; ++i) {
                HWND box = FindWindowA("#32770", "Tovel panel");
                if (box) {
                    char buf[512] = "";
                    GetWindowTextA(box, buf, sizeof buf);
                    caption = buf;
                    GetDlgItemTextA(box, 0xFFFF, buf, sizeof buf);  // the message text
                    text = buf;
                    PostMessageA(box, WM_COMMAND, IDOK, 0);
                    return;
                }
                Sleep(10);
            }
        });
    }
    void Join() { watcher.join(); }
};

TEST(ErrorBox, StringTableTextsAreJapanese) {
    BoxReader reader;
    ShowErrorString(nullptr, IDS_CREATE_WINDOW_FAILED);
    reader.Join();
    EXPECT_EQ(reader.caption, "Tovel panel");
    EXPECT_EQ(reader.text, "ウィンドウの生成に失敗しました。");
}

TEST(ErrorBox, MultiLineTextAndGivenText) {
    BoxReader reader;
    ShowErrorString(nullptr, IDS_MOUSE_UNAVAILABLE);
    reader.Join();
    EXPECT_EQ(reader.text,
              "マウスを使用したパネルのアクティブ化が利用できません。\n正しくTovel "
              "panelがインストールされているか確認して下さい。");

    BoxReader second;
    ShowErrorText(nullptr, "表示テスト");  // 表 ends in the byte 0x5C
    second.Join();
    EXPECT_EQ(second.text, "表示テスト");
}

}  // namespace
