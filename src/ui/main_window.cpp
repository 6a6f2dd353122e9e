#include "ui/main_window.h"

#include "ui/window_definition.h"

namespace {

constexpr char kMainClass[] = "ZorvaneHotspotWindow";
constexpr char kLabelClass[] = "ZorvaneHotspotLabel";
constexpr UINT kClassStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
constexpr DWORD kMainStyle = WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_CLIPCHILDREN;
constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPSIBLINGS;

struct KindStyle {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

// Indexed by ControlKind: 标签, 编辑框, 按钮.
constexpr KindStyle kKindStyles[] = {
    {kLabelClass, kChildStyle, 0},
    {"EDIT", kChildStyle | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {"BUTTON", kChildStyle | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0},
};

// How each label lays out its caption (indexed by control; only the labels' entries are used).
constexpr UINT kSingleLine = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP;
constexpr UINT kLabelFormats[kControlCount] = {
    0, 0, kSingleLine, 0, DT_LEFT | DT_WORDBREAK | DT_VCENTER | DT_NOCLIP, 0, kSingleLine,
};

HWND g_mainWindow;
HWND g_rememberedFocus;
ControlState g_controls[kControlCount];

// Selects a font into a device context for as long as it lives.
class SelectedFont {
public:
    SelectedFont(HDC dc, HGDIOBJ font) : dc_(dc), previous_(SelectObject(dc, font)) {}
    ~SelectedFont() { SelectObject(dc_, previous_); }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

void FillWithButtonFace(HDC dc, const RECT& area) {
    HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void PaintLabel(HWND label, HDC dc, const RECT& clip) {
    RECT client, area;
    GetClientRect(label, &client);
    if (IntersectRect(&area, &client, &clip))
        FillWithButtonFace(dc, area);
    Control control;
    if (!FindControl(label, &control))
        return;
    char caption[1024];
    int length = GetWindowTextA(label, caption, sizeof caption);
    if (length <= 0)
        return;
    SelectedFont font(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, StateOf(control).textColour);
    DrawTextA(dc, caption, length, &client, kLabelFormats[static_cast<int>(control)]);
}

LRESULT CALLBACK LabelProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return DefWindowProcA(label, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    RECT clip;
    if (GetClipBox(dc, &clip) != NULLREGION)
        PaintLabel(label, dc, clip);
    EndPaint(label, &paint);
    return 0;
}

bool RegisterClassOnce(HINSTANCE instance, const char* name, WNDPROC procedure) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, name, &existing))
        return true;
    WNDCLASSA windowClass = {};
    windowClass.style = kClassStyle;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

void SetIcons(HWND window, HINSTANCE instance) {
    auto load = [instance](int size) {
        return static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, size, size, 0));
    };
    HICON big = load(GetSystemMetrics(SM_CXICON));
    HICON small = load(GetSystemMetrics(SM_CXSMICON));
    if (!big && !small)
        big = small = LoadIconA(instance, "DEFAULT_ICON");
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void SetDefaultFont(HWND window) {
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
}

HWND CreateControl(const ControlRow& row, HWND parent, HINSTANCE instance) {
    const KindStyle& kind = kKindStyles[static_cast<int>(row.kind)];
    DWORD style = kind.style | (row.tabStop ? WS_TABSTOP : 0);
    HWND window = CreateWindowExA(kind.exStyle, kind.className, row.firstText, style, row.left, row.top, row.width,
                                  row.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.childId)),
                                  instance, nullptr);
    if (!window)
        return nullptr;
    switch (row.kind) {
        case ControlKind::编辑框:
            SetDefaultFont(window);
            SendMessageA(window, EM_LIMITTEXT, 0, 0);
            SendMessageA(window, EM_SETSEL, 0, 0);
            SendMessageA(window, EM_SCROLLCARET, 0, 0);
            break;
        case ControlKind::按钮:
            SetDefaultFont(window);
            break;
        case ControlKind::标签:
            break;
    }
    return window;
}

bool CanTakeFocus(HWND window) {
    return window && IsWindowVisible(window) && IsWindowEnabled(window);
}

HWND FirstInKeyboardOrder() {
    for (Control control : kKeyboardOrder) {
        if (CanTakeFocus(StateOf(control).window))
            return StateOf(control).window;
    }
    return nullptr;
}

// The next control of the keyboard order after the focused one (before it when `step` is -1).
HWND NextInKeyboardOrder(HWND focused, int step) {
    constexpr int count = sizeof kKeyboardOrder / sizeof kKeyboardOrder[0];
    int at = -1;
    for (int i = 0; i < count; ++i) {
        if (StateOf(kKeyboardOrder[i]).window == focused)
            at = i;
    }
    if (at < 0)
        at = step > 0 ? count - 1 : 0;
    for (int n = 1; n <= count; ++n) {
        HWND candidate = StateOf(kKeyboardOrder[(at + step * n + count * n) % count]).window;
        if (CanTakeFocus(candidate))
            return candidate;
    }
    return nullptr;
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance, WNDPROC procedure) {
    if (!RegisterClassOnce(instance, kMainClass, procedure))
        return nullptr;
    int left = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
    HWND window = CreateWindowExA(0, kMainClass, kWindowTitle, kMainStyle, left, top, kWindowWidth, kWindowHeight,
                                  nullptr, nullptr, instance, nullptr);
    if (!window)
        return nullptr;
    g_mainWindow = window;
    RECT outer;
    GetWindowRect(window, &outer);
    if (outer.right - outer.left != kWindowWidth || outer.bottom - outer.top != kWindowHeight)
        MoveWindow(window, left, top, kWindowWidth, kWindowHeight, TRUE);
    SetIcons(window, instance);
    SetDefaultFont(window);
    return window;
}

bool CreateControls(HWND mainWindow, HINSTANCE instance) {
    if (!RegisterClassOnce(instance, kLabelClass, LabelProcedure))
        return false;
    for (const ControlRow& row : kControls) {
        ControlState& state = StateOf(row.control);
        state.caption = Text::CopyOf(row.firstText);
        state.window = CreateControl(row, mainWindow, instance);
        if (!state.window)
            return false;
    }
    HWND above = HWND_TOP;
    for (Control control : kStackingOrder) {
        SetWindowPos(StateOf(control).window, above, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
        above = StateOf(control).window;
    }
    for (const ControlState& state : g_controls)
        ShowWindow(state.window, SW_SHOWNA);
    return true;
}

HWND MainWindowHandle() {
    return g_mainWindow;
}

ControlState& StateOf(Control control) {
    return g_controls[static_cast<int>(control)];
}

bool FindControl(HWND window, Control* control) {
    for (const ControlRow& row : kControls) {
        if (window && StateOf(row.control).window == window) {
            *control = row.control;
            return true;
        }
    }
    return false;
}

void PaintBackground(HWND mainWindow) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(mainWindow, &paint);
    FillWithButtonFace(dc, paint.rcPaint);
    EndPaint(mainWindow, &paint);
}

LRESULT ColourEditBox(HDC dc) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void RememberFocus() {
    HWND focused = GetFocus();
    if (focused && IsChild(g_mainWindow, focused))
        g_rememberedFocus = focused;
}

void RestoreFocus() {
    HWND target = g_rememberedFocus;
    if (!IsWindow(target) || !IsChild(g_mainWindow, target) || !CanTakeFocus(target))
        target = FirstInKeyboardOrder();
    if (target)
        SetFocus(target);
}

void ForgetWindows() {
    g_mainWindow = nullptr;
    g_rememberedFocus = nullptr;
    for (ControlState& state : g_controls)
        state.window = nullptr;
}

bool PreTranslateKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || !g_mainWindow)
        return false;
    if (message.hwnd != g_mainWindow && !IsChild(g_mainWindow, message.hwnd))
        return false;
    HWND next = NextInKeyboardOrder(GetFocus(), GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
    if (next)
        SetFocus(next);
    return true;
}
