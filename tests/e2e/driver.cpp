#include "driver.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::string DriverFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    while (length > 0 && path[length - 1] != '\\')
        --length;
    return std::string(path, length);
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[65536];
    DWORD got;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || ClassName(window) != search->className)
        return TRUE;
    if (search->visibleOnly && !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindTopLevel(DWORD processId, const char* className, bool visibleOnly) {
    WindowSearch search = {processId, className, visibleOnly, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int g_launches;

void Fail(const Where& where, const std::string& what) {
    ADD_FAILURE_AT(where.file_name(), where.line()) << what;
}

void SendMouse(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void MoveMouse(POINT screen, const Where& where) {
    LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (screen.x * 65535 + width / 2) / (width - 1),
              (screen.y * 65535 + height / 2) / (height - 1));
    bool arrived = WaitUntil([&] {
        POINT now;
        return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
    });
    if (!arrived) {
        POINT now = {};
        GetCursorPos(&now);
        Fail(where, "the pointer did not reach (" + std::to_string(screen.x) + ", " + std::to_string(screen.y) +
                        "); it is at (" + std::to_string(now.x) + ", " + std::to_string(now.y) + ")");
    }
}

POINT CentreOf(HWND window) {
    RECT rect = ScreenRect(window);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void BringForward(HWND window) {
    HWND top = GetAncestor(window, GA_ROOT);
    if (GetForegroundWindow() != top)
        SetForegroundWindow(top);
    WaitUntil([&] { return GetForegroundWindow() == top; }, 2000);
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(2);
    }
}

std::string Hex(const std::string& bytes) {
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

std::string WindowText(HWND window) {
    // Across processes GetWindowText gives only the caption Windows keeps, not an edit box's contents: ask the
    // window itself.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK, kDefaultTimeoutMs, &length))
        return "";
    std::string text(length + 1, '\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_BLOCK,
                        kDefaultTimeoutMs, &got);
    text.resize(got < length ? got : length);
    return text;
}

std::string ClassName(HWND window) {
    char name[256];
    int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

RECT ScreenRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT RectInParent(HWND child) {
    RECT rect = ScreenRect(child);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

App::App(const LaunchOptions& options, Where where) {
    std::string driver = DriverFolder();
    std::string work = driver + "e2e-work";
    CreateDirectoryA(work.c_str(), nullptr);
    folder_ = work + "\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++g_launches);
    CreateDirectoryA(folder_.c_str(), nullptr);
    std::string program = folder_ + "\\zorvane-hotspot.exe";
    if (!CopyFileA((driver + "zorvane-hotspot.exe").c_str(), program.c_str(), FALSE))
        Fail(where, "cannot copy the program into " + folder_);
    if (options.withNetsh && !CopyFileA((driver + "tools\\netsh.exe").c_str(), (folder_ + "\\netsh.exe").c_str(), FALSE))
        Fail(where, "cannot copy the netsh stand-in into " + folder_);
    SetNetshBusy(options.netshNeverIdle);
    std::string commandLine = "\"" + program + "\"" + (options.arguments.empty() ? "" : " " + options.arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(),
                        &startup, &process_))
        Fail(where, "cannot start " + program + ", error " + std::to_string(GetLastError()));
}

App::~App() {
    SetNetshBusy(false);
    if (process_.hProcess) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    // Stand-ins started by the program may still be finishing; the folder goes when they have.
    for (const char* name : {"zorvane-hotspot.exe", "netsh.exe", "netsh.log"}) {
        std::string path = folder_ + "\\" + name;
        WaitUntil([&] { return DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND; }, 12000);
    }
    RemoveDirectoryA(folder_.c_str());
}

HWND App::FindNotice() const {
    return FindTopLevel(ProcessId(), "#32770", true);
}

HWND App::WaitForNotice(Where where, DWORD timeoutMs) {
    HWND notice = nullptr;
    if (!WaitUntil([&] { return (notice = FindNotice()) != nullptr; }, timeoutMs))
        Fail(where, "no notice appeared");
    return notice;
}

void App::DismissNotice(HWND notice, Where where) {
    if (!notice)
        return;
    BringForward(notice);
    PressKey(VK_RETURN);
    if (!WaitUntil([&] { return !IsWindow(notice) || !IsWindowVisible(notice); }))
        Fail(where, "the notice did not close on Enter");
}

HWND App::FindMainWindow() const {
    return FindTopLevel(ProcessId(), "ZorvaneHotspotWindow", false);
}

HWND App::PassGreeting(Where where) {
    HWND greeting = WaitForNotice(where);
    if (!greeting)
        return nullptr;
    std::string text = WindowText(GetDlgItem(greeting, 0xFFFF));
    if (text != "Zorvane有你更精彩")
        Fail(where, "the greeting reads \"" + Hex(text) + "\"");
    DismissNotice(greeting, where);
    if (!WaitUntil([&] { return (main_ = FindMainWindow()) && IsWindowVisible(main_); }))
        Fail(where, "the main window did not appear after the greeting");
    return main_;
}

HWND App::Control(int childId) const {
    HWND main = main_ ? main_ : FindMainWindow();
    return GetDlgItem(main, childId);
}

DWORD App::CloseAndWait(Where where) {
    HWND main = main_ ? main_ : FindMainWindow();
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD code = WaitForExit();
    if (code == STILL_ACTIVE)
        Fail(where, "the program did not end after its window was closed");
    return code;
}

DWORD App::WaitForExit(DWORD timeoutMs) {
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::vector<NetshRecord> App::NetshRecords() const {
    std::string log = ReadFileBytes(folder_ + "\\netsh.log");
    std::vector<NetshRecord> records;
    size_t at = 0;
    while (at < log.size()) {
        size_t end = log.find('\n', at);
        if (end == std::string::npos)
            break;
        NetshRecord record;
        unsigned length = 0;
        if (std::sscanf(log.c_str() + at, "record flags=%u show=%u length=%u", &record.flags, &record.show, &length) != 3)
            break;
        if (end + 1 + length + 1 > log.size())
            break;  // a record still being written
        record.commandLine = log.substr(end + 1, length);
        records.push_back(record);
        at = end + 1 + length + 1;
    }
    return records;
}

std::vector<NetshRecord> App::WaitForNetshRecords(size_t count, Where where) {
    std::vector<NetshRecord> records;
    if (!WaitUntil([&] { return (records = NetshRecords()).size() >= count; }))
        Fail(where, "netsh recorded " + std::to_string(records.size()) + " command lines, expected " +
                        std::to_string(count));
    return records;
}

void App::SetNetshBusy(bool busy) {
    std::string path = folder_ + "\\netsh.busy";
    if (busy) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(file);
    } else {
        DeleteFileA(path.c_str());
    }
}

void ClickAt(POINT screen, Where where) {
    MoveMouse(screen, where);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void Click(HWND window, Where where) {
    BringForward(window);
    ClickAt(CentreOf(window), where);
}

void DoubleClick(HWND window, Where where) {
    BringForward(window);
    MoveMouse(CentreOf(window), where);
    for (int i = 0; i < 2; ++i) {
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
    }
}

void PressKey(WORD vk, bool shift) {
    if (shift)
        SendKey(VK_SHIFT, false);
    SendKey(vk, false);
    SendKey(vk, true);
    if (shift)
        SendKey(VK_SHIFT, true);
}

void TypeText(const std::string& text) {
    // Characters go in as Unicode key events, so any text of the code page can be typed.
    int count = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(count, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), count);
    for (wchar_t c : wide) {
        INPUT input[2] = {};
        for (INPUT& key : input) {
            key.type = INPUT_KEYBOARD;
            key.ki.wScan = c;
            key.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof input[0]);
    }
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

void Settle(HWND window) {
    DWORD_PTR result;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, kDefaultTimeoutMs, &result);
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

bool WaitUntilPainted(HWND main, Where where) {
    // A spot of background in the window and in each control, clear of any text.
    struct Spot {
        int x, y;
        COLORREF colour;
    };
    COLORREF face = GetSysColor(COLOR_BTNFACE), white = RGB(255, 255, 255);
    const Spot spots[] = {{5, 5, face},     {34, 18, face},   {34, 86, face},   {34, 130, face},
                          {200, 30, white}, {200, 70, white}, {46, 100, face},  {198, 100, face}};
    const Spot* wrong = nullptr;
    COLORREF seen = 0;
    bool painted = WaitUntil([&] {
        for (const Spot& spot : spots) {
            POINT at = {spot.x, spot.y};
            ClientToScreen(main, &at);
            if ((seen = ScreenPixel(at.x, at.y)) != spot.colour) {
                wrong = &spot;
                return false;
            }
        }
        return true;
    });
    if (!painted) {
        char what[120];
        std::snprintf(what, sizeof what, "client pixel (%d, %d) is %06lX, expected %06lX", wrong->x, wrong->y, seen,
                      wrong->colour);
        ADD_FAILURE_AT(where.file_name(), where.line()) << what;
    }
    return painted;
}

void SaveScreenshot(HWND window, const char* name) {
    const char* folder = std::getenv("ZORVANE_SCREENSHOTS");
    if (!folder)
        return;
    RECT area = ScreenRect(window);
    InflateRect(&area, 24, 24);
    int width = area.right - area.left, height = area.bottom - area.top;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    void* pixels = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &pixels,
                                      nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    DWORD imageSize = ((width * 3 + 3) & ~3) * height;
    BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(sizeof file + sizeof header + imageSize), 0, 0,
                             sizeof file + sizeof header};
    std::string path = std::string(folder) + "\\" + name + ".bmp";
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written;
    WriteFile(out, &file, sizeof file, &written, nullptr);
    WriteFile(out, &header, sizeof header, &written, nullptr);
    WriteFile(out, pixels, imageSize, &written, nullptr);
    CloseHandle(out);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

void FocusByTab(HWND main, HWND target, Where where) {
    SetForegroundWindow(main);
    for (int i = 0; i < 4 && FocusOf(main) != target; ++i) {
        HWND before = FocusOf(main);
        PressKey(VK_TAB);
        WaitUntil([&] { return FocusOf(main) != before; });
    }
    if (FocusOf(main) != target)
        ADD_FAILURE_AT(where.file_name(), where.line()) << "Tab did not reach control " << GetDlgCtrlID(target);
}
