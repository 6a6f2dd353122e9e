#include "ui/notice.h"

#include <windows.h>

void ShowNotice(TextRef text) {
    // No owner and task-modal: every window of the program is disabled until the notice is dismissed.
    MessageBoxA(nullptr, text.c_str(), kNoticeTitle, MB_OK | MB_TASKMODAL);
}
