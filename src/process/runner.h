#pragma once

#include "text/text.h"

// Starts a complete command line as a process of its own (no shell), waits at most a second for it to become
// idle and keeps no handle to it. True when the process was created.
bool RunCommandLine(TextRef commandLine);
