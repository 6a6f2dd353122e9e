#pragma once

// The Windows side of the main window: building it from the definition, painting, colours, keyboard and focus.
#include <windows.h>

#include "text/text.h"
#include "ui/controls.h"

struct ControlState {
    HWND window = nullptr;
    Text caption;            // buttons and labels: the caption last set (starts as the first text)
    Colour textColour = 0;   // labels: colour of the caption
};

// Registers the class once and creates the main window hidden, centred, 345 x 191 outside, with icons and font.
HWND CreateMainWindow(HINSTANCE instance, WNDPROC procedure);
// Creates the seven controls from the table, puts them into their stacking order and shows them (the main window
// stays hidden). False when one of them cannot be created.
bool CreateControls(HWND mainWindow, HINSTANCE instance);

HWND MainWindowHandle();
ControlState& StateOf(Control control);
// The control whose window this is; false for any other window.
bool FindControl(HWND window, Control* control);

// The main window's own share of its messages.
void PaintBackground(HWND mainWindow);
LRESULT ColourEditBox(HDC dc);
void RememberFocus();
void RestoreFocus();
void ForgetWindows();

// Tab and Shift+Tab walk the keyboard order; true when the message was consumed.
bool PreTranslateKey(const MSG& message);
