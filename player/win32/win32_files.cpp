#include "player/win32/win32_files.h"

#include <windows.h>
#include <shellapi.h>

namespace orv::player {

bool Win32Files::ChangeDirectory(const std::string& path) {
    return SetCurrentDirectoryA(path.c_str()) != 0;
}

bool Win32Files::FolderExists(const std::string& path) {
    // A name the system has no short name for does not exist.
    char shortName[MAX_PATH];
    if (GetShortPathNameA(path.c_str(), shortName, MAX_PATH) == 0)
        return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::CreateFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool Win32Files::RemoveFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}

bool Win32Files::CopyFileOver(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

bool Win32Files::RenameFile(const std::string& from, const std::string& to) {
    return MoveFileA(from.c_str(), to.c_str()) != 0;
}

void Win32Files::Explore(const std::string& folder) {
    ShellExecuteA(nullptr, "explore", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace orv::player
