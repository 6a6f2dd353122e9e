#pragma once

// Helpers of the end-to-end tests: launch a fresh copy of the program in a folder of its own (with the recording
// netsh stand-in beside it), find its windows, drive them with real input and read their state. Every wait polls
// until a deadline; every helper that fails reports the line of the test that called it.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <source_location>
#include <string>
#include <vector>

using Where = std::source_location;

constexpr DWORD kDefaultTimeoutMs = 10000;

// Polls `done` every few milliseconds until it holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kDefaultTimeoutMs);

std::string Hex(const std::string& bytes);  // bytes as printable ASCII with \xHH for the rest
std::string WindowText(HWND window);
std::string ClassName(HWND window);
RECT ScreenRect(HWND window);
RECT RectInParent(HWND child);  // client coordinates of the parent

// One record of the netsh stand-in.
struct NetshRecord {
    std::string commandLine;
    unsigned flags = 0;
    unsigned show = 0;
};

struct LaunchOptions {
    std::string arguments;        // appended to the program's own name on its command line
    bool withNetsh = true;        // put the recording netsh.exe beside the copy
    bool netshNeverIdle = false;  // the stand-in then opens a window and never becomes idle
};

class App {
public:
    explicit App(const LaunchOptions& options = {}, Where where = Where::current());
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    DWORD ProcessId() const { return process_.dwProcessId; }
    HANDLE Process() const { return process_.hProcess; }
    const std::string& Folder() const { return folder_; }

    // A visible message box of this process now, or null.
    HWND FindNotice() const;
    // A visible message box of this process, or null after the timeout (a failure at the caller's line).
    HWND WaitForNotice(Where where = Where::current(), DWORD timeoutMs = kDefaultTimeoutMs);
    // Dismisses the notice with Enter (real key presses) and waits until it is gone.
    void DismissNotice(HWND notice, Where where = Where::current());
    // The main window of this process, shown or not; null if it does not exist.
    HWND FindMainWindow() const;
    // Waits for the greeting, checks its text, dismisses it and waits for the main window to be visible.
    HWND PassGreeting(Where where = Where::current());
    HWND Control(int childId) const;

    // Closes the main window with the system close command and returns the exit code.
    DWORD CloseAndWait(Where where = Where::current());
    // The exit code once the process has ended, or STILL_ACTIVE after the timeout.
    DWORD WaitForExit(DWORD timeoutMs = kDefaultTimeoutMs);

    std::vector<NetshRecord> NetshRecords() const;
    // Waits until the stand-in has written at least `count` records.
    std::vector<NetshRecord> WaitForNetshRecords(size_t count, Where where = Where::current());
    void SetNetshBusy(bool busy);

private:
    std::string folder_;
    PROCESS_INFORMATION process_ = {};
    HWND main_ = nullptr;
};

// Real input through SendInput.
void ClickAt(POINT screen, Where where = Where::current());
void Click(HWND window, Where where = Where::current());  // the centre of the window
void DoubleClick(HWND window, Where where = Where::current());
void PressKey(WORD vk, bool shift = false);
void TypeText(const std::string& text);  // bytes of the ANSI code page, typed as characters

// The focused window of the thread that owns `window`.
HWND FocusOf(HWND window);
// Waits until every message sent so far to the window's thread has been handled.
void Settle(HWND window);
COLORREF ScreenPixel(int x, int y);
// Waits until the client area of the main window shows its background on screen (the first paint has happened).
bool WaitUntilPainted(HWND main, Where where = Where::current());
// Saves the screen around `window` (with a margin) as <name>.bmp in the folder given by ZORVANE_SCREENSHOTS.
void SaveScreenshot(HWND window, const char* name);
// Presses Tab until the focus is on `target`, at most once round the keyboard order.
void FocusByTab(HWND main, HWND target, Where where = Where::current());

// The control ids of the program's window.
enum : int { k按钮1 = 100, k按钮2 = 110, k标签1 = 120, k编辑框1 = 130, k标签2 = 140, k编辑框2 = 150, k标签3 = 160 };
