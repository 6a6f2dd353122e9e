#pragma once

#include "text/text.h"

// Shows the text in a task-modal message box titled "信息：" with one OK button; returns once it is dismissed.
void ShowNotice(TextRef text);

// The title of every notice.
inline constexpr char kNoticeTitle[] = "信息：";
