#include "process/runner.h"

#include <windows.h>

bool RunCommandLine(TextRef commandLine) {
    // CreateProcessA may write into the command line, so it gets a copy of its own: a fixed text is safe to pass.
    Text writable = JoinTexts({commandLine});
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process;
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    WaitForInputIdle(process.hProcess, 1000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
