#include "editor/commands/win32/system_file_checks.h"

#include <windows.h>

namespace orv::editor {
namespace {

DWORD Attributes(const std::string& path) {
    return GetFileAttributesA(path.c_str());
}

}  // namespace

std::optional<std::string> SystemFileChecks::ShortPath(const std::string& path) const {
    if (path.empty())
        return std::nullopt;
    char shortPath[MAX_PATH] = {};
    DWORD length = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::nullopt;
    return std::string(shortPath, length);
}

bool SystemFileChecks::IsFile(const std::string& path) const {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool SystemFileChecks::IsFolder(const std::string& path) const {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

const FileChecks& TheFileChecks() {
    static const SystemFileChecks checks;
    return checks;
}

}  // namespace orv::editor
