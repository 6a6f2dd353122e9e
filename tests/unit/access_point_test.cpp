// 按钮1's handler against the recording stand-in: the whole sequence of what it reads, writes, shows and starts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_window.h"
#include "hotspot/handlers.h"

namespace {

// The fixed texts, as GBK bytes.
const std::string kCreateCaption = "\xB4\xB4\xBD\xA8\xCE\xDE\xCF\xDF" "AP";       // 创建无线AP
const std::string kCloseCaption = "\xB9\xD8\xB1\xD5\xCE\xDE\xCF\xDF" "AP";        // 关闭无线AP
const std::string kCreatedPrefix = "\xC4\xFA\xD2\xD1\xB4\xB4\xBD\xA8";             // 您已创建
const std::string kCreatedSuffix = "\xCE\xDE\xCF\xDF" "AP" "\xC8\xC8\xB5\xE3";     // 无线AP热点
const std::string kPasswordPrefix = "\xC1\xAC\xBD\xD3\xC3\xDC\xC2\xEB\xCE\xAA\xA3\xBA";  // 连接密码为：
const std::string kClosedReport =
    "\xCE\xDE\xCF\xDF" "AP" "\xC8\xC8\xB5\xE3\xD2\xD1\xB9\xD8\xB1\xD5\xA3\xA1";  // 无线AP热点已关闭！
const std::string kNameNotice =  // 名称不长度不能小于8位，请重新输入！
    "\xC3\xFB\xB3\xC6\xB2\xBB\xB3\xA4\xB6\xC8\xB2\xBB\xC4\xDC\xD0\xA1\xD3\xDA" "8"
    "\xCE\xBB\xA3\xAC\xC7\xEB\xD6\xD8\xD0\xC2\xCA\xE4\xC8\xEB\xA3\xA1";
const std::string kPasswordNotice =  // 密码长度不能小于8位，请重新输入！
    "\xC3\xDC\xC2\xEB\xB3\xA4\xB6\xC8\xB2\xBB\xC4\xDC\xD0\xA1\xD3\xDA" "8"
    "\xCE\xBB\xA3\xAC\xC7\xEB\xD6\xD8\xD0\xC2\xCA\xE4\xC8\xEB\xA3\xA1";
const std::string kStart = "\xC6\xF4\xB6\xAF";  // 启动
const std::string kStop = "\xCD\xA3\xD6\xB9";   // 停止
const std::string kAllow = "netsh wlan set hostednetwork mode=allow ssid=";
const std::string kDisallow = "netsh wlan set hostednetwork mode=disallow ssid=";

const std::string k按钮1 = ControlName(Control::按钮1);
const std::string k按钮2 = ControlName(Control::按钮2);
const std::string k标签1 = ControlName(Control::标签1);
const std::string k标签2 = ControlName(Control::标签2);
const std::string k编辑框1 = ControlName(Control::编辑框1);
const std::string k编辑框2 = ControlName(Control::编辑框2);

// What an accepted create does, in order.
std::vector<Call> CreateCalls(const std::string& name, const std::string& password, const std::string& line,
                              const std::string& shownName, const std::string& shownPassword) {
    return {
        {"get", k按钮1, kCreateCaption},
        {"get", k编辑框1, name},
        {"get", k编辑框2, password},
        {"get", k编辑框1, name},
        {"get", k编辑框2, password},
        {"set", k按钮1, kCloseCaption},
        {"run", "", line},
        {"visible", k编辑框1, "0"},
        {"visible", k编辑框2, "0"},
        {"colour", k标签1, "128"},
        {"colour", k标签2, "128"},
        {"get", k编辑框1, name},
        {"set", k标签1, kCreatedPrefix + shownName + kCreatedSuffix},
        {"get", k编辑框2, password},
        {"set", k标签2, kPasswordPrefix + shownPassword},
        {"enabled", k按钮2, "1"},
        {"set", k按钮2, kStart},
        {"enabled", k按钮1, "1"},
        {"repaint", "", ""},
    };
}

std::vector<Call> CloseCalls(const std::string& name, const std::string& password, const std::string& line) {
    return {
        {"get", k按钮1, kCloseCaption},
        {"set", k按钮1, kCreateCaption},
        {"get", k编辑框1, name},
        {"get", k编辑框2, password},
        {"run", "", line},
        {"visible", k编辑框1, "0"},
        {"visible", k编辑框2, "0"},
        {"colour", k标签1, "128"},
        {"colour", k标签2, "128"},
        {"set", k标签1, kClosedReport},
        {"set", k标签2, "  "},
        {"enabled", k按钮2, "0"},
        {"set", k按钮2, kStop},
    };
}

struct CreateCase {
    const char* label;
    std::string name, password;
    std::string line;                        // the command line started
    std::string shownName, shownPassword;    // as the labels report them: expanded, without added quotes
};

TEST(ToggleAccessPoint, CreatesWithTheExpandedTextsQuotedAndReportsThem) {
    const CreateCase cases[] = {
        {"typical", "MyHotspot", "12345678", kAllow + "\"MyHotspot\"  key=\"12345678\"", "MyHotspot", "12345678"},
        {"a name with blanks stays one value", "My Home WiFi", "12345678",
         kAllow + "\"My Home WiFi\"  key=\"12345678\"", "My Home WiFi", "12345678"},
        {"exactly 8 bytes", "abcdefgh", "12345678", kAllow + "\"abcdefgh\"  key=\"12345678\"", "abcdefgh", "12345678"},
        {"four Chinese characters are 8 bytes", "\xCE\xDE\xCF\xDF\xCD\xF8\xC2\xE7", "abcdefgh",
         kAllow + "\"\xCE\xDE\xCF\xDF\xCD\xF8\xC2\xE7\"  key=\"abcdefgh\"", "\xCE\xDE\xCF\xDF\xCD\xF8\xC2\xE7",
         "abcdefgh"},
        {"markers expanded in the command line and the labels", "Net~1~%n", "pass%sword",
         kAllow + "\"Net\xA1\xB0" "1\xA1\xB1\r\n\"  key=\"pass(\xBF\xD5)word\"", "Net\xA1\xB0" "1\xA1\xB1\r\n",
         "pass(\xBF\xD5)word"},
        {"a name quoted with backquotes is not quoted again", "`My Net`", "12345678",
         kAllow + "\"My Net\"  key=\"12345678\"", "\"My Net\"", "12345678"},
        {"a quotation mark anywhere leaves the text as it is", "My`s net", "`secret`12",
         kAllow + "My\"s net  key=\"secret\"12", "My\"s net", "\"secret\"12"},
        {"the name is measured before expansion", "%s%s%s%s", "12345678",
         kAllow + "\"(\xBF\xD5)%s%s%s\"  key=\"12345678\"", "(\xBF\xD5)%s%s%s", "12345678"},
    };
    for (const CreateCase& c : cases) {
        SCOPED_TRACE(c.label);
        fake::Reset();
        fake::Put(Control::编辑框1, c.name);
        fake::Put(Control::编辑框2, c.password);
        ToggleAccessPoint();
        EXPECT_EQ(fake::Calls(), CreateCalls(c.name, c.password, c.line, c.shownName, c.shownPassword));
        EXPECT_EQ(fake::Holds(Control::编辑框1), c.name) << "a hidden box keeps its contents";
        EXPECT_FALSE(fake::Visible(Control::编辑框1));
        EXPECT_EQ(fake::TextColour(Control::标签1), 128u);
        EXPECT_EQ(fake::TextColour(Control::标签3), 0u);
    }
}

struct RefusalCase {
    const char* label;
    std::string name, password;
    std::vector<Call> expected;
    std::string nameAfter, passwordAfter;
};

TEST(ToggleAccessPoint, RefusesShortInputAndStaysReadyToCreate) {
    const RefusalCase cases[] = {
        {"short name",
         "abc",
         "12345678",
         {{"get", k按钮1, kCreateCaption},
          {"get", k编辑框1, "abc"},
          {"notice", "", kNameNotice},
          {"set", k编辑框1, ""},
          {"get", k编辑框2, "12345678"}},
         "",
         "12345678"},
        {"short name and short password",
         "abc",
         "123",
         {{"get", k按钮1, kCreateCaption},
          {"get", k编辑框1, "abc"},
          {"notice", "", kNameNotice},
          {"set", k编辑框1, ""},
          {"get", k编辑框2, "123"},
          {"set", k编辑框2, ""},
          {"notice", "", kPasswordNotice}},
         "",
         ""},
        {"long name, short password",
         "abcdefgh",
         "1234567",
         {{"get", k按钮1, kCreateCaption},
          {"get", k编辑框1, "abcdefgh"},
          {"get", k编辑框2, "1234567"},
          {"set", k编辑框2, ""},
          {"notice", "", kPasswordNotice}},
         "abcdefgh",
         ""},
        {"both empty",
         "",
         "",
         {{"get", k按钮1, kCreateCaption},
          {"get", k编辑框1, ""},
          {"notice", "", kNameNotice},
          {"set", k编辑框1, ""},
          {"get", k编辑框2, ""},
          {"set", k编辑框2, ""},
          {"notice", "", kPasswordNotice}},
         "",
         ""},
        {"a name that only expansion makes long enough",
         "~~~~",
         "12345678",
         {{"get", k按钮1, kCreateCaption},
          {"get", k编辑框1, "~~~~"},
          {"notice", "", kNameNotice},
          {"set", k编辑框1, ""},
          {"get", k编辑框2, "12345678"}},
         "",
         "12345678"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.label);
        fake::Reset();
        fake::Put(Control::编辑框1, c.name);
        fake::Put(Control::编辑框2, c.password);
        ToggleAccessPoint();
        EXPECT_EQ(fake::Calls(), c.expected);
        EXPECT_EQ(fake::Holds(Control::编辑框1), c.nameAfter);
        EXPECT_EQ(fake::Holds(Control::编辑框2), c.passwordAfter);
        EXPECT_EQ(Printable(fake::Holds(Control::按钮1)), Printable(kCreateCaption));
        EXPECT_TRUE(fake::Visible(Control::编辑框1));
    }
}

TEST(ToggleAccessPoint, ClosesWithTheTextsTheHiddenBoxesKept) {
    fake::Reset();
    fake::Put(Control::按钮1, kCloseCaption);
    fake::Put(Control::编辑框1, "My Net`");
    fake::Put(Control::编辑框2, "12345678");
    ToggleAccessPoint();
    EXPECT_EQ(fake::Calls(), CloseCalls("My Net`", "12345678", kDisallow + "My Net\"  key=\"12345678\""));
    EXPECT_FALSE(fake::Enabled(Control::按钮2));
}

TEST(ToggleAccessPoint, RetryAfterRefusalThenCreateCloseCreate) {
    fake::Reset();
    fake::Put(Control::编辑框1, "short");
    fake::Put(Control::编辑框2, "12345678");
    ToggleAccessPoint();  // refused
    fake::Put(Control::编辑框1, "LongEnough");
    ToggleAccessPoint();  // created
    ToggleAccessPoint();  // closed
    ToggleAccessPoint();  // created again with what the hidden boxes kept
    std::vector<std::string> started;
    for (const Call& call : fake::Calls()) {
        if (call.operation == "run")
            started.push_back(call.text);
    }
    const std::string line = "\"LongEnough\"  key=\"12345678\"";
    EXPECT_EQ(started, (std::vector<std::string>{kAllow + line, kDisallow + line, kAllow + line}));
    EXPECT_EQ(Printable(fake::Holds(Control::按钮1)), Printable(kCloseCaption));
    EXPECT_EQ(Printable(fake::Holds(Control::按钮2)), Printable(kStart));
    EXPECT_TRUE(fake::Enabled(Control::按钮2));
    EXPECT_EQ(Printable(fake::Holds(Control::标签1)), Printable(kCreatedPrefix + "LongEnough" + kCreatedSuffix));
}

}  // namespace
