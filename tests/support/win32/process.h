// Starting other programs from Windows tests: Windows programs, and Linux
// ones (xdotool, python3) by their Unix path, which Wine starts too.
#pragma once

#include <windows.h>

#include <string>

namespace orv::testing {

// The started Windows program's handle (the caller closes it), or null when
// it could not be started.
HANDLE StartProcess(const std::string& commandLine);

// Starts a Linux program by its Unix path, not waited for; false when it
// could not be started.
bool StartHostProgram(const std::string& commandLine);

}  // namespace orv::testing
