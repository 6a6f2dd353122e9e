// 按钮1: configures the hosted network with the typed name and password (create), or switches it off (close), and
// rearranges the window to report what it did. The caption of 按钮1 says which of the two the next click does.
#include <cstring>

#include "hotspot/handlers.h"
#include "process/runner.h"
#include "ui/controls.h"
#include "ui/notice.h"

namespace {

constexpr char kCloseCaption[] = "关闭无线AP";
constexpr char kCreateCaption[] = "创建无线AP";
constexpr int kMinimumLength = 8;  // bytes, as typed: four Chinese characters are enough

// The typed contents of an edit box, read afresh, with its markers expanded.
Text ExpandedContents(Control box) {
    return ExpandTextMarkers(GetControlText(box));
}

// Between quotes a name with blanks stays one netsh value and typed words cannot become further parameters; a
// text that already holds a quotation mark (typed with the backquote marker) was quoted by the user.
const char* QuoteFor(TextRef value) {
    return std::strchr(value.c_str(), '"') ? "" : "\"";
}

// Both boxes read afresh and expanded, joined after the start of a netsh command line.
Text HostedNetworkCommandLine(const char* start) {
    Text name = ExpandedContents(Control::编辑框1);
    Text password = ExpandedContents(Control::编辑框2);
    const char* nameQuote = QuoteFor(name);
    const char* passwordQuote = QuoteFor(password);
    return JoinTexts({start, nameQuote, name, nameQuote, "  key=", passwordQuote, password, passwordQuote});
}

void ShowReportLayout() {
    SetControlVisible(Control::编辑框1, false);
    SetControlVisible(Control::编辑框2, false);
    SetTextColour(Control::标签1, kReportColour);
    SetTextColour(Control::标签2, kReportColour);
}

// Refuses a name or password shorter than the minimum: empties what was too short and says so. True when refused.
bool RefuseShortInput() {
    bool nameShort = TextLength(GetControlText(Control::编辑框1)) < kMinimumLength;
    if (nameShort) {
        ShowNotice("名称不长度不能小于8位，请重新输入！");
        SetControlText(Control::编辑框1, "");
    }
    bool passwordShort = TextLength(GetControlText(Control::编辑框2)) < kMinimumLength;
    if (passwordShort) {
        SetControlText(Control::编辑框2, "");
        ShowNotice("密码长度不能小于8位，请重新输入！");
    }
    return nameShort || passwordShort;
}

void CreateAccessPoint() {
    if (RefuseShortInput())
        return;
    {
        Text line = HostedNetworkCommandLine("netsh wlan set hostednetwork mode=allow ssid=");
        // Only now that the input was accepted does the next click close.
        SetControlText(Control::按钮1, kCloseCaption);
        RunCommandLine(line);
    }
    ShowReportLayout();
    SetControlText(Control::标签1, JoinTexts({"您已创建", ExpandedContents(Control::编辑框1), "无线AP热点"}));
    SetControlText(Control::标签2, JoinTexts({"连接密码为：", ExpandedContents(Control::编辑框2)}));
    SetControlEnabled(Control::按钮2, true);
    SetControlText(Control::按钮2, "启动");
    SetControlEnabled(Control::按钮1, true);
    RepaintNow();
}

void CloseAccessPoint() {
    SetControlText(Control::按钮1, kCreateCaption);
    RunCommandLine(HostedNetworkCommandLine("netsh wlan set hostednetwork mode=disallow ssid="));
    ShowReportLayout();
    SetControlText(Control::标签1, "无线AP热点已关闭！");
    SetControlText(Control::标签2, "  ");
    SetControlEnabled(Control::按钮2, false);
    SetControlText(Control::按钮2, "停止");
}

}  // namespace

void ToggleAccessPoint() {
    if (CompareText(GetControlText(Control::按钮1), kCloseCaption) == 0)
        CloseAccessPoint();
    else
        CreateAccessPoint();
}
