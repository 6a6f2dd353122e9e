// The fixed texts reach Windows as GBK bytes: pin a few of them byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "fake_window.h"
#include "ui/notice.h"
#include "ui/window_definition.h"

namespace {

struct FixedText {
    const char* label;
    std::string got;
    std::string expected;
};

TEST(FixedTexts, AreGbkBytes) {
    const FixedText cases[] = {
        {"notice title", kNoticeTitle, "\xD0\xC5\xCF\xA2\xA3\xBA"},
        {"window title", kWindowTitle, "Zorvane\xD2\xBB\xBC\xFC\xB4\xB4\xBD\xA8WIFI\xC8\xC8\xB5\xE3"},
        {"caption of button 1", RowOf(Control::按钮1).firstText, "\xB4\xB4\xBD\xA8\xCE\xDE\xCF\xDF" "AP"},
        {"caption of button 2", RowOf(Control::按钮2).firstText, "\xC6\xF4\xB6\xAF"},
        {"label 2", RowOf(Control::标签2).firstText,
         "\xC7\xEB\xBC\xFC\xC8\xEB\xC4\xFA\xB5\xC4WIFI\xC3\xDC\xC2\xEB\xA3\xBA"},
    };
    for (const FixedText& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Printable(c.got), Printable(c.expected));
    }
}

}  // namespace
