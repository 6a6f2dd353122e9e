#pragma once

// The fatal stop: reports the message to the user, waits until the report is dismissed, then ends the process
// with exit code -1. Used only where the program cannot go on (no window, no memory).
[[noreturn]] void StopWithError(const char* message);
