// The running processes by the file names of their programs: the one place
// that lists them, for the window and wait commands and the running-program
// list the hook library is given.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

struct ProcessName {
    std::uint32_t Id = 0;
    std::string Name;  // upper-cased, without its folder ("NOTEPAD.EXE")
};

// Every running process, from a snapshot of the system taken now.
std::vector<ProcessName> RunningProcessNames();

// The file name of a process's program as the system gives it (not
// upper-cased, without its folder); empty when the process is not running.
std::string ProgramOfProcess(std::uint32_t processId);

// The process of a window as the user sees it: the frame that hosts a UWP
// app (Calculator, Settings) is a window of the frame host, but it belongs
// to the app whose window it holds. 0 when the window is gone.
std::uint32_t ProcessOfWindow(HWND window);

// The first running process whose name holds the part (compared
// upper-cased); 0 for none.
std::uint32_t FindProcessByName(std::string_view part);

}  // namespace orv
