#pragma once

// The click handlers of the two buttons. They reach the window only through the control operations, start their
// command lines with RunCommandLine and explain refusals with ShowNotice.
void ToggleAccessPoint();    // 按钮1
void ToggleHostedNetwork();  // 按钮2
