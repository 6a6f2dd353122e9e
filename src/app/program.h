#pragma once

// The life of the process around the main window.

// The entry: builds the window (greeting included), runs the message loop; returns when the window is gone.
int StartProgram();
// The exit code once the message loop has ended.
int EndProgram();
// From now on no event reaches a handler (the fatal stop and the end of the program).
void StopDeliveringEvents();
