#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "ui/controls.h"

// A recording stand-in for the window, the notice and the command runner: each call the handlers make is kept as
// {operation, control, text}, and the tests compare the whole list with the one they expect.
struct Call {
    std::string operation;  // "get", "set", "visible", "enabled", "colour", "repaint", "notice", "run"
    std::string control;    // "按钮1" ... in UTF-8 for readable failures; empty for notice, run and repaint
    std::string text;       // the bytes passed or returned; "0"/"1" for flags, decimal for colours
    bool operator==(const Call&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Call& call);

// Printable form of bytes: ASCII as it is, every other byte as \xHH.
std::string Printable(const std::string& bytes);

// The name of a control as the recorded calls spell it (UTF-8).
std::string ControlName(Control control);

namespace fake {
void Reset();  // every control back to its first text, shown, enabled, black; no calls recorded
const std::vector<Call>& Calls();
void ClearCalls();
void Put(Control control, const std::string& bytes);  // what the control holds, without recording a call
std::string Holds(Control control);
bool Visible(Control control);
bool Enabled(Control control);
Colour TextColour(Control control);
void SetRunnerSucceeds(bool succeeds);
}  // namespace fake

// The stand-in fatal stop throws this, so a test can see that the program would have stopped.
struct StoppedWithError {
    std::string message;
};
