#include "app/program.h"

#include <windows.h>

#include "app/fatal.h"
#include "hotspot/handlers.h"
#include "ui/main_window.h"
#include "ui/notice.h"
#include "ui/window_definition.h"

namespace {

enum class EventKind { Created, Click, CloseQuery };

// Events come from the main window (source 0) or from a control (its child id).
constexpr int kMainWindowSource = 0;

void ShowGreeting() {
    ShowNotice("Zorvane有你更精彩");
}

struct Binding {
    int source;
    EventKind kind;
    void (*handler)();
};

constexpr Binding kBindings[] = {
    {kMainWindowSource, EventKind::Created, ShowGreeting},
    {RowOf(Control::按钮1).childId, EventKind::Click, ToggleAccessPoint},
    {RowOf(Control::按钮2).childId, EventKind::Click, ToggleHostedNetwork},
};

bool g_delivering;
int g_exitCode;

void RaiseEvent(int source, EventKind kind) {
    if (!g_delivering)
        return;
    for (const Binding& binding : kBindings) {
        if (binding.source == source && binding.kind == kind) {
            binding.handler();
            return;
        }
    }
}

void OnCommand(WPARAM wParam, LPARAM lParam) {
    Control control;
    if (HIWORD(wParam) == BN_CLICKED && FindControl(reinterpret_cast<HWND>(lParam), &control))
        RaiseEvent(RowOf(control).childId, EventKind::Click);
}

void OnNcDestroy() {
    ForgetWindows();
    PostQuitMessage(0);
}

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            PaintBackground(window);
            return 0;
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_CTLCOLOREDIT:
            return ColourEditBox(reinterpret_cast<HDC>(wParam));
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE)
                RememberFocus();
            break;
        case WM_SETFOCUS:
            RestoreFocus();
            return 0;
        case WM_CLOSE:
            RaiseEvent(kMainWindowSource, EventKind::CloseQuery);
            break;
        case WM_QUERYENDSESSION:
            RaiseEvent(kMainWindowSource, EventKind::CloseQuery);
            return TRUE;
        case WM_NCDESTROY:
            OnNcDestroy();
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Builds the window hidden, greets, then shows it. False when a window cannot be created.
bool LoadMainWindow() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    g_delivering = false;
    HWND window = CreateMainWindow(instance, MainWindowProcedure);
    if (!window || !CreateControls(window, instance))
        return false;
    g_delivering = true;
    RaiseEvent(kMainWindowSource, EventKind::Created);
    if (IsWindow(window))
        ShowWindow(window, SW_SHOW);
    return true;
}

void RunMessageLoop() {
    if (!MainWindowHandle())
        return;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (PreTranslateKey(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    g_exitCode = static_cast<int>(message.wParam);
}

}  // namespace

void StopDeliveringEvents() {
    g_delivering = false;
}

int StartProgram() {
    if (!LoadMainWindow())
        StopWithError("无法创建主窗口，程序无法运行。");
    RunMessageLoop();
    return 0;
}

int EndProgram() {
    StopDeliveringEvents();
    return g_exitCode;
}
