#include "common/win32/process_names.h"

#include <windows.h>
#include <tlhelp32.h>

#include <string_view>

#include "common/string_routines.h"

namespace orv {

namespace {

// Each process of a snapshot taken now, with its program's file name as the
// system gives it. The snapshot names 64-bit processes to a 32-bit caller
// too, where asking each process would not.
template <typename Visit>
void ForEachProcess(Visit visit) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        const std::string path = entry.szExeFile;
        if (!visit(entry.th32ProcessID, path.substr(path.find_last_of("\\/") + 1)))
            break;
    }
    CloseHandle(snapshot);
}

struct HostedApp {
    DWORD Frame = 0;
    DWORD App = 0;
};

BOOL CALLBACK FindHostedApp(HWND child, LPARAM found) {
    auto& app = *reinterpret_cast<HostedApp*>(found);
    DWORD process = 0;
    GetWindowThreadProcessId(child, &process);
    if (process == 0 || process == app.Frame)
        return TRUE;
    app.App = process;
    return FALSE;
}

}  // namespace

std::uint32_t ProcessOfWindow(HWND window) {
    HostedApp app;
    if (!window || !GetWindowThreadProcessId(window, &app.Frame))
        return 0;
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string_view(className) == "ApplicationFrameWindow")
        EnumChildWindows(window, FindHostedApp, reinterpret_cast<LPARAM>(&app));
    return app.App ? app.App : app.Frame;
}

std::vector<ProcessName> RunningProcessNames() {
    std::vector<ProcessName> names;
    ForEachProcess([&](std::uint32_t id, const std::string& file) {
        names.push_back({id, UpperAscii(file)});
        return true;
    });
    return names;
}

std::string ProgramOfProcess(std::uint32_t processId) {
    std::string name;
    ForEachProcess([&](std::uint32_t id, const std::string& file) {
        if (id != processId)
            return true;
        name = file;
        return false;
    });
    return name;
}

std::uint32_t FindProcessByName(std::string_view part) {
    const std::string wanted = UpperAscii(part);
    for (const ProcessName& process : RunningProcessNames())
        if (process.Name.find(wanted) != std::string::npos)
            return process.Id;
    return 0;
}

}  // namespace orv
