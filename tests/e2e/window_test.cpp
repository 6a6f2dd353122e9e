// The window shell: greeting, the main window's definition on screen, keyboard, closing, resources.
#include "driver.h"

namespace {

struct ControlExpectation {
    int id;
    const char* className;
    RECT rect;  // left, top, right, bottom in the main window's client area
    const char* text;
    DWORD style;
    DWORD exStyle;
};

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE;
constexpr DWORD kEdit = kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr char kLabel[] = "ZorvaneHotspotLabel";

const ControlExpectation kExpectedControls[] = {
    {k按钮1, "Button", {40, 94, 136, 126}, "创建无线AP", kButton, 0},
    {k按钮2, "Button", {192, 94, 288, 126}, "启动", kButton, 0},
    {k标签1, kLabel, {32, 16, 232, 48}, "请键入要创建的无线AP名称：", kChild, 0},
    {k编辑框1, "Edit", {192, 16, 304, 48}, "", kEdit, WS_EX_CLIENTEDGE},
    {k标签2, kLabel, {32, 64, 280, 88}, "请键入您的WIFI密码：", kChild, 0},
    {k编辑框2, "Edit", {192, 57, 304, 89}, "", kEdit, WS_EX_CLIENTEDGE},
    {k标签3, kLabel, {32, 128, 304, 152}, "软件来自Zorvane论坛:     bbs.zorvane.com", kChild, 0},
};

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// Style bits that the window classes add on their own and that the definition does not fix.
constexpr DWORD kIgnoredStyle = WS_GROUP;

TEST(Greeting, ComesBeforeTheWindowWhichThenOpensCentredAndActive) {
    App app;
    HWND greeting = app.WaitForNotice();
    ASSERT_NE(greeting, nullptr);
    EXPECT_EQ(Hex(WindowText(greeting)), Hex("信息："));
    EXPECT_EQ(Hex(WindowText(GetDlgItem(greeting, 0xFFFF))), Hex("Zorvane有你更精彩"));
    EXPECT_EQ(GetWindow(greeting, GW_OWNER), nullptr);
    EXPECT_NE(GetDlgItem(greeting, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(greeting, IDCANCEL), nullptr);

    // The window is built, hidden and (the notice being task-modal) disabled while the greeting is up.
    HWND main = app.FindMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_FALSE(IsWindowEnabled(main));
    EXPECT_NE(GetDlgItem(main, k标签3), nullptr) << "all seven controls exist before the greeting";

    app.DismissNotice(greeting);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main); }));
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; })) << "the window is active";
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(main) == app.Control(k按钮1); })) << "the focus is on 按钮1";

    RECT outer = ScreenRect(main);
    int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    RECT centred = {(screenWidth - 345) / 2, (screenHeight - 191) / 2, 0, 0};
    centred.right = centred.left + 345;
    centred.bottom = centred.top + 191;
    EXPECT_EQ(Describe(outer), Describe(centred));
    EXPECT_EQ(Hex(WindowText(main)), Hex("Zorvane一键创建WIFI热点"));
    EXPECT_EQ(app.CloseAndWait(), 0u);
}

TEST(Greeting, EscAndTheCloseBoxDismissItToo) {
    for (int way = 0; way < 2; ++way) {
        SCOPED_TRACE(way == 0 ? "Esc" : "close command");
        App app;
        HWND greeting = app.WaitForNotice();
        ASSERT_NE(greeting, nullptr);
        if (way == 0) {
            SetForegroundWindow(greeting);
            WaitUntil([&] { return GetForegroundWindow() == greeting; });
            PressKey(VK_ESCAPE);
        } else {
            PostMessageA(greeting, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        HWND main = nullptr;
        EXPECT_TRUE(WaitUntil([&] { return (main = app.FindMainWindow()) && IsWindowVisible(main); }));
        EXPECT_EQ(app.CloseAndWait(), 0u);
    }
}

TEST(MainWindow, HasItsStylesAndSevenControlsAsDefined) {
    App app;
    HWND main = app.PassGreeting();
    ASSERT_NE(main, nullptr);
    DWORD style = GetWindowLongA(main, GWL_STYLE);
    DWORD present = WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_CLIPCHILDREN | WS_VISIBLE;
    DWORD absent = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_POPUP | WS_CHILD | WS_DISABLED;
    EXPECT_EQ(style & present, present) << std::hex << style;
    EXPECT_EQ(style & absent, 0u) << std::hex << style;
    DWORD exStyle = GetWindowLongA(main, GWL_EXSTYLE);
    EXPECT_EQ(exStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_APPWINDOW), 0u) << std::hex << exStyle;
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);

    for (const ControlExpectation& expected : kExpectedControls) {
        SCOPED_TRACE("control " + std::to_string(expected.id));
        HWND control = app.Control(expected.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ClassName(control), expected.className);
        EXPECT_EQ(Describe(RectInParent(control)), Describe(expected.rect));
        EXPECT_EQ(Hex(WindowText(control)), Hex(expected.text));
        DWORD got = GetWindowLongA(control, GWL_STYLE) & ~kIgnoredStyle;
        EXPECT_EQ(got, expected.style) << std::hex << "style " << got << ", expected " << expected.style;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE)), expected.exStyle);
        EXPECT_TRUE(IsWindowEnabled(control));
    }

    // Stacking order, top to bottom: each edit box above the label it overlaps.
    std::vector<int> stacking;
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        stacking.push_back(GetDlgCtrlID(child));
    EXPECT_EQ(stacking, (std::vector<int>{k标签3, k编辑框2, k标签2, k编辑框1, k标签1, k按钮2, k按钮1}));
    EXPECT_EQ(app.CloseAndWait(), 0u);
}

TEST(MainWindow, LooksAsDefinedOnScreen) {
    App app;
    HWND main = app.PassGreeting();
    ASSERT_NE(main, nullptr);
    Settle(main);
    POINT origin = {0, 0};
    ClientToScreen(main, &origin);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    auto at = [&](int x, int y) { return ScreenPixel(origin.x + x, origin.y + y); };
    ASSERT_TRUE(WaitUntilPainted(main)) << std::hex << at(5, 5);

    struct Probe {
        const char* where;
        int x, y;
        COLORREF expected;
    };
    const Probe probes[] = {
        {"window background", 320, 110, face},
        {"label background beside its text", 230, 130, face},
        {"edit box 1 over label 1", 210, 32, RGB(255, 255, 255)},
        {"edit box 2 over label 2", 210, 70, RGB(255, 255, 255)},
    };
    for (const Probe& probe : probes) {
        SCOPED_TRACE(probe.where);
        EXPECT_EQ(at(probe.x, probe.y), probe.expected) << std::hex << at(probe.x, probe.y);
    }

    // The labels draw their captions in black: some pixel of each caption is black, none is another colour but
    // the face colour (the font is not smoothed in colour).
    for (const ControlExpectation& expected : kExpectedControls) {
        if (std::string(expected.className) != kLabel)
            continue;
        SCOPED_TRACE("label " + std::to_string(expected.id));
        int dark = 0;
        for (int y = expected.rect.top; y < expected.rect.bottom; ++y) {
            for (int x = expected.rect.left; x < expected.rect.left + 150; ++x) {
                COLORREF c = at(x, y);
                if (GetRValue(c) < 64 && GetGValue(c) < 64 && GetBValue(c) < 64)
                    ++dark;
            }
        }
        EXPECT_GT(dark, 20);
    }
    EXPECT_EQ(app.CloseAndWait(), 0u);
}

TEST(Keyboard, TabAndShiftTabWalkTheButtonsAndEditBoxes) {
    App app;
    HWND main = app.PassGreeting();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(main) == app.Control(k按钮1); }));
    const int forward[] = {k按钮2, k编辑框1, k编辑框2, k按钮1, k按钮2};
    for (int id : forward) {
        PressKey(VK_TAB);
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(main) == app.Control(id); }))
            << "Tab should reach " << id << ", focus is on " << GetDlgCtrlID(FocusOf(main));
    }
    const int backward[] = {k按钮1, k编辑框2, k编辑框1, k按钮2, k按钮1};
    for (int id : backward) {
        PressKey(VK_TAB, true);
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(main) == app.Control(id); }))
            << "Shift+Tab should reach " << id << ", focus is on " << GetDlgCtrlID(FocusOf(main));
    }
    EXPECT_EQ(app.CloseAndWait(), 0u);
}

TEST(Keyboard, EnterAndEscCloseNothingAndClickNothing) {
    App app;
    HWND main = app.PassGreeting();
    ASSERT_NE(main, nullptr);
    for (int id : {k按钮1, k编辑框1}) {
        SCOPED_TRACE("focus on " + std::to_string(id));
        FocusByTab(main, app.Control(id));
        PressKey(VK_RETURN);
        PressKey(VK_ESCAPE);
        PressKey(VK_F1);
        // Keys are handled in order: once the Tab after them has moved the focus, they were handled too.
        PressKey(VK_TAB);
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(main) != app.Control(id); }));
        EXPECT_TRUE(IsWindowVisible(main));
        EXPECT_EQ(app.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
        EXPECT_EQ(app.FindNotice(), nullptr) << "no handler ran";
        EXPECT_EQ(Hex(WindowText(app.Control(k按钮1))), Hex("创建无线AP"));
        EXPECT_EQ(Hex(WindowText(app.Control(k按钮2))), Hex("启动"));
    }
    EXPECT_TRUE(app.NetshRecords().empty());
    EXPECT_EQ(app.CloseAndWait(), 0u);
}

TEST(Keyboard, TypedPasswordIsShownInPlainText) {
    App app;
    HWND main = app.PassGreeting();
    ASSERT_NE(main, nullptr);
    HWND password = app.Control(k编辑框2);
    Click(password);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(main) == password; }));
    TypeText("Secret 1!");
    EXPECT_TRUE(WaitUntil([&] { return WindowText(password) == "Secret 1!"; })) << WindowText(password);
    EXPECT_EQ(SendMessageA(password, EM_GETPASSWORDCHAR, 0, 0), 0);
    EXPECT_EQ(app.CloseAndWait(), 0u);
}

TEST(Lifetime, ArgumentsChangeNothingAndTwoCopiesRunSideBySide) {
    App first({.arguments = "--quiet /x \"some file.txt\""});
    HWND one = first.PassGreeting();
    App second;
    HWND two = second.PassGreeting();
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    EXPECT_NE(one, two);
    EXPECT_EQ(Describe(ScreenRect(one)), Describe(ScreenRect(two)));
    EXPECT_EQ(first.CloseAndWait(), 0u);
    EXPECT_TRUE(IsWindowVisible(two)) << "closing one copy leaves the other";
    EXPECT_EQ(second.CloseAndWait(), 0u);
    EXPECT_TRUE(first.NetshRecords().empty()) << "closing runs no netsh";
    EXPECT_TRUE(second.NetshRecords().empty());
}

TEST(Lifetime, AltF4ClosesWithExitCodeZero) {
    App app;
    HWND main = app.PassGreeting();
    ASSERT_NE(main, nullptr);
    SetForegroundWindow(main);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; }));
    INPUT keys[4] = {};
    for (INPUT& key : keys)
        key.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_MENU;
    keys[1].ki.wVk = VK_F4;
    keys[2].ki.wVk = VK_F4;
    keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
    keys[3].ki.wVk = VK_MENU;
    keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, keys, sizeof keys[0]);
    EXPECT_EQ(app.WaitForExit(), 0u);
}

// The executable's own resources, read from the file as Windows reads them.
TEST(Resources, IconVersionRecordAndNoManifest) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program = std::string(path, length);
    program = program.substr(0, program.rfind('\\') + 1) + "zorvane-hotspot.exe";
    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << program;

    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)), nullptr) << "no manifest";
    HRSRC group = FindResourceExA(module, MAKEINTRESOURCEA(14), "DEFAULT_ICON", MAKELANGID(LANG_NEUTRAL, 0));
    ASSERT_NE(group, nullptr);
#pragma pack(push, 2)
    struct GroupEntry {
        BYTE width, height, colours, reserved;
        WORD planes, bitCount;
        DWORD bytes;
        WORD id;
    };
    struct Group {
        WORD reserved, type, count;
        GroupEntry entry;
    };
#pragma pack(pop)
    const auto* dir = static_cast<const Group*>(LockResource(LoadResource(module, group)));
    ASSERT_EQ(dir->count, 1);
    EXPECT_EQ(dir->entry.width, 32);
    EXPECT_EQ(dir->entry.height, 32);
    EXPECT_EQ(dir->entry.bitCount, 24);
    EXPECT_EQ(dir->entry.id, 3);
    HRSRC icon = FindResourceA(module, MAKEINTRESOURCEA(3), MAKEINTRESOURCEA(3));
    ASSERT_NE(icon, nullptr);
    ASSERT_EQ(SizeofResource(module, icon), dir->entry.bytes);
    const auto* image = static_cast<const BYTE*>(LockResource(LoadResource(module, icon)));
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image);
    EXPECT_EQ(header->biBitCount, 24);
    EXPECT_EQ(header->biWidth, 32);
    const BYTE* mask = image + header->biSize + 32 * 32 * 3;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(mask), 128), std::string(128, '\0')) << "fully opaque";
    FreeLibrary(module);

    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(program.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::string version(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(program.c_str(), 0, size, version.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    ASSERT_TRUE(VerQueryValueA(version.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    WORD* translation = nullptr;
    UINT translationSize = 0;
    ASSERT_TRUE(VerQueryValueA(version.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &translationSize));
    ASSERT_EQ(translationSize, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 1200);
    char* fileVersion = nullptr;
    UINT fileVersionSize = 0;
    ASSERT_TRUE(VerQueryValueA(version.data(), "\\StringFileInfo\\080404B0\\FileVersion",
                               reinterpret_cast<void**>(&fileVersion), &fileVersionSize));
    EXPECT_STREQ(fileVersion, "1.0.0.0");
}

}  // namespace
