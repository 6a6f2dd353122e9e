// Not a test: the tour that scripts/run takes to save screenshots of what a new user sees.
#include <cstdlib>

#include "driver.h"

namespace {

TEST(Tour, Screenshots) {
    if (!std::getenv("ZORVANE_SCREENSHOTS"))
        GTEST_SKIP() << "ZORVANE_SCREENSHOTS names the folder for the screenshots";
    App app;
    HWND greeting = app.WaitForNotice();
    ASSERT_NE(greeting, nullptr);
    Settle(greeting);
    SaveScreenshot(greeting, "1-greeting");
    app.DismissNotice(greeting);
    HWND main = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (main = app.FindMainWindow()) && IsWindowVisible(main); }));
    ASSERT_TRUE(WaitUntilPainted(main));
    SaveScreenshot(main, "2-main-window");
    EXPECT_EQ(app.CloseAndWait(), 0u);
}

}  // namespace
