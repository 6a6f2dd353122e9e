// 按钮2's handler against the recording stand-in: what it reads, writes and starts, in order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_window.h"
#include "hotspot/handlers.h"

namespace {

const std::string k按钮2 = "\xE6\x8C\x89\xE9\x92\xAE" "2";
const std::string kStart = "\xC6\xF4\xB6\xAF";  // 启动
const std::string kStop = "\xCD\xA3\xD6\xB9";   // 停止

struct ToggleCase {
    const char* label;
    std::string captionBefore;
    bool runnerSucceeds;
    std::vector<Call> expected;
    std::string captionAfter;
};

TEST(ToggleHostedNetwork, FlipsTheCaptionThenStartsTheCommandLine) {
    const ToggleCase cases[] = {
        {"start", kStart, true,
         {{"get", k按钮2, kStart}, {"set", k按钮2, kStop}, {"run", "", "netsh wlan start hostednetwork"}}, kStop},
        {"stop", kStop, true,
         {{"get", k按钮2, kStop}, {"set", k按钮2, kStart}, {"run", "", "netsh wlan stop hostednetwork"}}, kStart},
        {"absent caption counts as not stop", "", true,
         {{"get", k按钮2, ""}, {"set", k按钮2, kStop}, {"run", "", "netsh wlan start hostednetwork"}}, kStop},
        {"stop with a trailing space is not stop", kStop + " ", true,
         {{"get", k按钮2, kStop + " "}, {"set", k按钮2, kStop}, {"run", "", "netsh wlan start hostednetwork"}}, kStop},
        {"a runner that fails changes nothing else", kStart, false,
         {{"get", k按钮2, kStart}, {"set", k按钮2, kStop}, {"run", "", "netsh wlan start hostednetwork"}}, kStop},
    };
    for (const ToggleCase& c : cases) {
        SCOPED_TRACE(c.label);
        fake::Reset();
        fake::Put(Control::按钮2, c.captionBefore);
        fake::SetRunnerSucceeds(c.runnerSucceeds);
        ToggleHostedNetwork();
        EXPECT_EQ(fake::Calls(), c.expected);
        EXPECT_EQ(Printable(fake::Holds(Control::按钮2)), Printable(c.captionAfter));
    }
}

TEST(ToggleHostedNetwork, TwoClicksEndWhereTheyStarted) {
    fake::Reset();
    ToggleHostedNetwork();
    ToggleHostedNetwork();
    std::vector<std::string> started;
    for (const Call& call : fake::Calls()) {
        if (call.operation == "run")
            started.push_back(call.text);
    }
    EXPECT_EQ(started, (std::vector<std::string>{"netsh wlan start hostednetwork", "netsh wlan stop hostednetwork"}));
    EXPECT_EQ(Printable(fake::Holds(Control::按钮2)), Printable(kStart));
}

}  // namespace
