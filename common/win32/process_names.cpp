#include "common/win32/process_names.h"

#include <windows.h>
#include <tlhelp32.h>

#include "common/string_routines.h"

namespace orv {

std::vector<ProcessName> RunningProcessNames() {
    std::vector<ProcessName> names;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return names;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        const std::string path = entry.szExeFile;
        names.push_back(
            {entry.th32ProcessID, UpperAscii(path.substr(path.find_last_of("\\/") + 1))});
    }
    CloseHandle(snapshot);
    return names;
}

std::uint32_t FindProcessByName(std::string_view part) {
    const std::string wanted = UpperAscii(part);
    for (const ProcessName& process : RunningProcessNames())
        if (process.Name.find(wanted) != std::string::npos)
            return process.Id;
    return 0;
}

}  // namespace orv
