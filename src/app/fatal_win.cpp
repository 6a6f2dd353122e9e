#include "app/fatal.h"

#include <windows.h>

#include "app/program.h"

void StopWithError(const char* message) {
    StopDeliveringEvents();
    MessageBoxA(nullptr, message, "Zorvane一键创建WIFI热点", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(static_cast<UINT>(-1));
}
