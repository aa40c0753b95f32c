#include "common/win32/system_routines.h"

#include <shellapi.h>

#include "common/shared_routines.h"

namespace orv {

std::string ProgramDir() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full(path, length);
    std::size_t slash = full.find_last_of('\\');
    return slash == std::string::npos ? std::string() : full.substr(0, slash);
}

bool DirExists(const std::string& path) {
    char previous[MAX_PATH] = {};
    DWORD length = GetCurrentDirectoryA(MAX_PATH, previous);
    if (!SetCurrentDirectoryA(path.c_str())) return false;
    if (length > 0 && length < MAX_PATH) SetCurrentDirectoryA(previous);
    return true;
}

bool RefuseScreenSaverCommand(WPARAM command, bool refuse, LRESULT& result) {
    if ((command & 0xFFF0) != SC_SCREENSAVE || !refuse) return false;
    result = -1;
    return true;
}

bool IsBrowser4OrLater() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    char version[64] = {};
    DWORD size = sizeof version - 1;
    DWORD type = 0;
    LONG status = RegQueryValueExA(key, "Version", nullptr, &type,
                                   reinterpret_cast<BYTE*>(version), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ) return false;
    return IsBrowserVersion4OrLater(version);
}

void LaunchMouseLocator(HWND owner) {
    std::string program = ProgramDir() + "\\LOKARI.EXE";
    ShellExecuteA(owner, "open", program.c_str(), "QOR", "", SW_SHOWNORMAL);
}

}  // namespace orv
