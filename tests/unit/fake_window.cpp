#include "fake_window.h"

#include <cstdio>

#include "app/fatal.h"
#include "process/runner.h"
#include "ui/notice.h"
#include "ui/window_definition.h"

namespace {

struct ControlState {
    std::string text;
    bool visible = true;
    bool enabled = true;
    Colour colour = 0;
};

ControlState g_controls[kControlCount];
std::vector<Call> g_calls;
bool g_runnerSucceeds = true;

ControlState& StateOf(Control control) {
    return g_controls[static_cast<int>(control)];
}

void Record(const char* operation, std::string control, std::string text) {
    g_calls.push_back({operation, std::move(control), std::move(text)});
}

}  // namespace

// Control names in UTF-8 for readable failures: plain literals would go through the GBK execution charset.
std::string ControlName(Control control) {
    static const char* const utf8[kControlCount] = {
        "\xE6\x8C\x89\xE9\x92\xAE" "1",                  // 按钮1
        "\xE6\x8C\x89\xE9\x92\xAE" "2",                  // 按钮2
        "\xE6\xA0\x87\xE7\xAD\xBE" "1",                  // 标签1
        "\xE7\xBC\x96\xE8\xBE\x91\xE6\xA1\x86" "1",      // 编辑框1
        "\xE6\xA0\x87\xE7\xAD\xBE" "2",                  // 标签2
        "\xE7\xBC\x96\xE8\xBE\x91\xE6\xA1\x86" "2",      // 编辑框2
        "\xE6\xA0\x87\xE7\xAD\xBE" "3",                  // 标签3
    };
    return utf8[static_cast<int>(control)];
}

std::string Printable(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

std::ostream& operator<<(std::ostream& out, const Call& call) {
    return out << "{" << call.operation << ", " << call.control << ", \"" << Printable(call.text) << "\"}";
}

namespace fake {

void Reset() {
    for (int i = 0; i < kControlCount; ++i)
        g_controls[i] = ControlState{kControls[i].firstText};
    g_calls.clear();
    g_runnerSucceeds = true;
}

const std::vector<Call>& Calls() {
    return g_calls;
}

void ClearCalls() {
    g_calls.clear();
}

void Put(Control control, const std::string& bytes) {
    StateOf(control).text = bytes;
}

std::string Holds(Control control) {
    return StateOf(control).text;
}

bool Visible(Control control) {
    return StateOf(control).visible;
}

bool Enabled(Control control) {
    return StateOf(control).enabled;
}

Colour TextColour(Control control) {
    return StateOf(control).colour;
}

void SetRunnerSucceeds(bool succeeds) {
    g_runnerSucceeds = succeeds;
}

}  // namespace fake

Text GetControlText(Control control) {
    const std::string& text = StateOf(control).text;
    Record("get", ControlName(control), text);
    return Text::CopyOf(text.c_str());
}

bool SetControlText(Control control, TextRef text) {
    StateOf(control).text = text.c_str();
    Record("set", ControlName(control), text.c_str());
    return true;
}

bool SetControlVisible(Control control, bool visible) {
    StateOf(control).visible = visible;
    Record("visible", ControlName(control), visible ? "1" : "0");
    return true;
}

bool SetControlEnabled(Control control, bool enabled) {
    StateOf(control).enabled = enabled;
    Record("enabled", ControlName(control), enabled ? "1" : "0");
    return true;
}

bool SetTextColour(Control label, Colour colour) {
    StateOf(label).colour = colour;
    Record("colour", ControlName(label), std::to_string(colour));
    return true;
}

bool RepaintNow() {
    Record("repaint", "", "");
    return true;
}

void ShowNotice(TextRef text) {
    Record("notice", "", text.c_str());
}

bool RunCommandLine(TextRef commandLine) {
    Record("run", "", commandLine.c_str());
    return g_runnerSucceeds;
}

void StopWithError(const char* message) {
    throw StoppedWithError{message ? message : ""};
}
