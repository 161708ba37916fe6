#pragma once

#include "app/desktop/command_line.h"

namespace qismaru::app {

// --screenshot and --pdf: reads the case, draws offscreen, writes the files
// and returns the exit status, having said in one line what went wrong.
int runScripted(int& argc, char** argv, const DesktopRequest& request);

}  // namespace qismaru::app
