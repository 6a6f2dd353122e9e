#pragma once

#include "ui/controls.h"

// The main window as data: every place, size and first text of the window lives here and nowhere else.

inline constexpr char kWindowTitle[] = "Zorvane一键创建WIFI热点";
inline constexpr int kWindowWidth = 345;  // outer size, frame and caption included
inline constexpr int kWindowHeight = 191;

enum class ControlKind { 标签, 编辑框, 按钮 };

struct ControlRow {
    Control control;
    ControlKind kind;
    int left, top, width, height;  // client coordinates of the main window
    const char* firstText;
    bool tabStop;
    int childId;
};

// One row per control, in creation order (the child ids count up from 100 in tens).
inline constexpr ControlRow kControls[kControlCount] = {
    {Control::按钮1, ControlKind::按钮, 40, 94, 96, 32, "创建无线AP", true, 100},
    {Control::按钮2, ControlKind::按钮, 192, 94, 96, 32, "启动", true, 110},
    {Control::标签1, ControlKind::标签, 32, 16, 200, 32, "请键入要创建的无线AP名称：", false, 120},
    {Control::编辑框1, ControlKind::编辑框, 192, 16, 112, 32, "", true, 130},
    {Control::标签2, ControlKind::标签, 32, 64, 248, 24, "请键入您的WIFI密码：", false, 140},
    {Control::编辑框2, ControlKind::编辑框, 192, 57, 112, 32, "", true, 150},
    {Control::标签3, ControlKind::标签, 32, 128, 272, 24, "软件来自Zorvane论坛:     bbs.zorvane.com", false, 160},
};

// Top to bottom: each edit box lies above the label it overlaps.
inline constexpr Control kStackingOrder[kControlCount] = {
    Control::标签3, Control::编辑框2, Control::标签2, Control::编辑框1, Control::标签1, Control::按钮2, Control::按钮1,
};

// Tab walks these, skipping the hidden and the disabled; Shift+Tab walks them backwards.
inline constexpr Control kKeyboardOrder[] = {Control::按钮1, Control::按钮2, Control::编辑框1, Control::编辑框2};

constexpr const ControlRow& RowOf(Control control) {
    return kControls[static_cast<int>(control)];
}
