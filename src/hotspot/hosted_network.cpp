// 按钮2: starts or stops the configured hosted network. Its caption is the only record of which it did last.
#include "hotspot/handlers.h"
#include "process/runner.h"
#include "ui/controls.h"

namespace {

constexpr char kStop[] = "停止";
constexpr char kStart[] = "启动";

}  // namespace

void ToggleHostedNetwork() {
    bool stopping = CompareText(GetControlText(Control::按钮2), kStop) == 0;
    // The caption flips first, whatever then becomes of the command line.
    SetControlText(Control::按钮2, stopping ? kStart : kStop);
    RunCommandLine(stopping ? "netsh wlan stop hostednetwork" : "netsh wlan start hostednetwork");
}
