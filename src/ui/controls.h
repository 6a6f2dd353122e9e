#pragma once

#include <cstdint>

#include "text/text.h"

// The seven controls of the main window, in the order they are created (child ids 100, 110, ... 160).
enum class Control { 按钮1, 按钮2, 标签1, 编辑框1, 标签2, 编辑框2, 标签3 };
constexpr int kControlCount = 7;

// A COLORREF: 0x00BBGGRR.
using Colour = std::uint32_t;
constexpr Colour kReportColour = 128;  // dark red

// The only way the click handlers read or change the window. Each returns whether Windows did it; the handlers
// ignore the answer.

// An edit box: its current contents. A button or label: the caption last set, or its first text. Absent when empty.
Text GetControlText(Control control);
bool SetControlText(Control control, TextRef text);
bool SetControlVisible(Control control, bool visible);
bool SetControlEnabled(Control control, bool enabled);
// Labels only: the colour of the caption from the next paint on.
bool SetTextColour(Control label, Colour colour);
// Paints whatever part of the main window waits to be painted, before returning.
bool RepaintNow();
