#pragma once

#include <functional>

class TFrm;

// The program: checks for a display, sets the application up, shows the main window and runs
// the event loop. `started` (benchmarks) sees the window right after it is shown.
int pelmoraMain(int argc, char* argv[], const std::function<void(TFrm&)>& started = {});
