// Keeps a screenshot of the desktop for every failed end-to-end test, in the
// folder named by KORVANE_ARTIFACTS.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "driver.h"

namespace {

class ScreenshotOnFailure : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo& info) override {
        if (!info.result()->Failed()) return;
        const char* dir = std::getenv("KORVANE_ARTIFACTS");
        if (!dir) return;
        const std::string folder = WindowsPath(dir);
        CreateDirectoryA(folder.c_str(), nullptr);
        const std::string file = folder + "\\" + info.test_suite_name() + "." + info.name() + ".bmp";
        if (SaveScreenshot(file)) std::printf("screenshot kept: %s\n", file.c_str());
    }
};

const bool registered = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new ScreenshotOnFailure);
    return true;
}();

}  // namespace
