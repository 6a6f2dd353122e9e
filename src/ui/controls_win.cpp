// The control operations on the real window: one Windows call each, besides keeping the captions and colours.
#include "ui/controls.h"

#include "ui/main_window.h"
#include "ui/window_definition.h"

namespace {

HWND WindowOf(Control control) {
    return StateOf(control).window;
}

bool IsEditBox(Control control) {
    return RowOf(control).kind == ControlKind::编辑框;
}

}  // namespace

Text GetControlText(Control control) {
    if (!IsEditBox(control))
        return Text::CopyOf(StateOf(control).caption.get());
    HWND box = WindowOf(control);
    int length = GetWindowTextLengthA(box);
    if (length <= 0)
        return Text();
    Text contents = Text::WithLength(length);
    // The length Windows gives may overestimate double-byte text; the NUL the box writes ends the text then.
    if (GetWindowTextA(box, contents.data(), length + 1) <= 0)
        return Text();
    return contents;
}

bool SetControlText(Control control, TextRef text) {
    HWND window = WindowOf(control);
    if (IsEditBox(control))
        return SetWindowTextA(window, text.c_str());
    StateOf(control).caption = Text::CopyOf(text.get());
    bool set = SetWindowTextA(window, text.c_str());
    if (RowOf(control).kind == ControlKind::标签)
        InvalidateRect(window, nullptr, FALSE);
    return set;
}

bool SetControlVisible(Control control, bool visible) {
    ShowWindow(WindowOf(control), visible ? SW_SHOW : SW_HIDE);
    return true;
}

bool SetControlEnabled(Control control, bool enabled) {
    EnableWindow(WindowOf(control), enabled);
    return true;
}

bool SetTextColour(Control label, Colour colour) {
    StateOf(label).textColour = colour;
    return InvalidateRect(WindowOf(label), nullptr, FALSE);
}

bool RepaintNow() {
    return UpdateWindow(MainWindowHandle());
}
