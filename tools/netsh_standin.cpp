// A recording stand-in for netsh.exe, put beside a copy of the program for the end-to-end tests. It appends one
// record per start to netsh.log in its own folder: the exact bytes of its command line and the show command it
// was given, then becomes idle and ends. A file netsh.busy beside it makes it a windowed program that never
// becomes idle instead (it waits for that file to disappear, ten seconds at most).
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

void BesideMe(char* path, const char* name) {
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    while (length > 0 && path[length - 1] != '\\')
        --length;
    path[length] = 0;
    std::strcat(path, name);
}

void AppendRecord(const char* commandLine, const STARTUPINFOA& startup) {
    char path[MAX_PATH + 16];
    BesideMe(path, "netsh.log");
    char header[96];
    int headerLength = std::snprintf(header, sizeof header, "record flags=%lu show=%u length=%u\n",
                                     startup.dwFlags, startup.wShowWindow, (unsigned)std::strlen(commandLine));
    // Several copies may run at once: one writer at a time, each record written whole.
    HANDLE lock = CreateMutexA(nullptr, FALSE, "zorvane-netsh-standin-log");
    WaitForSingleObject(lock, 10000);
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written;
    WriteFile(file, header, headerLength, &written, nullptr);
    WriteFile(file, commandLine, (DWORD)std::strlen(commandLine), &written, nullptr);
    WriteFile(file, "\n", 1, &written, nullptr);
    CloseHandle(file);
    ReleaseMutex(lock);
    CloseHandle(lock);
}

bool Exists(const char* name) {
    char path[MAX_PATH + 16];
    BesideMe(path, name);
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    AppendRecord(GetCommandLineA(), startup);
    if (Exists("netsh.busy")) {
        // A window and a message queue, but no message loop: the starter's wait for idle runs out.
        CreateWindowExA(0, "STATIC", "busy", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, instance, nullptr);
        for (int i = 0; i < 1000 && Exists("netsh.busy"); ++i)
            Sleep(10);
        return 0;
    }
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    return 0;
}
