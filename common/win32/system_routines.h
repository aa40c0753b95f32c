// Small Win32 routines both programs share.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/date_time.h"

namespace orv {

// The folder of the running program, without a trailing backslash.
std::string ProgramDir();

// True when path names a folder that can be entered.
bool DirExists(const std::string& path);

// The WM_SYSCOMMAND answer of a main window: when the command is the screen
// saver's and it is to be refused, sets result to -1 and returns true (the
// default handling is skipped); otherwise returns false.
bool RefuseScreenSaverCommand(WPARAM command, bool refuse, LRESULT& result);

// True when the installed web browser is version 4 or later.
bool IsBrowser4OrLater();

// A date and a time as the system writes them (its short date format, its
// time format).
std::string SystemDateText(const DateTimeParts& when);
std::string SystemTimeText(const DateTimeParts& when);

// Starts one of our own programs (full path) with its arguments: through
// CreateProcess, not the shell, whose zone check would ask the user about
// every start of a program unpacked from a downloaded zip. The process handle
// (closed by the caller), or null when it did not start.
HANDLE StartCompanionProcess(const std::string& program, const std::string& arguments);
// The same without the handle: whether it started.
[[nodiscard]] bool StartCompanion(const std::string& program, const std::string& arguments);

// Starts the mouse locator beside the program; a missing one is not reported.
void LaunchMouseLocator();

// The names of the local and connected printers, in the system's order.
std::vector<std::string> InstalledPrinterNames();

// The titles of the visible top-level windows that have one, front to back;
// minimized windows only when asked for.
std::vector<std::string> VisibleWindowTitles(bool withMinimized);

}  // namespace orv
