#include "editor/commands/file_checks.h"

namespace orv::editor {
namespace {

bool IsDriveRoot(const std::string& path) {
    return path.size() == 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
}

}  // namespace

std::optional<std::string> FileChecks::ExistingFile(const std::string& path) const {
    std::optional<std::string> shortPath = ShortPath(path);
    if (!shortPath || !IsFile(*shortPath))
        return std::nullopt;
    return shortPath;
}

std::optional<std::string> FileChecks::ExistingFolder(const std::string& path) const {
    std::optional<std::string> shortPath = ShortPath(path);
    if (!shortPath)
        return std::nullopt;
    while (shortPath->size() > 1 && shortPath->back() == '\\' && !IsDriveRoot(*shortPath))
        shortPath->pop_back();
    if (!IsFolder(*shortPath))
        return std::nullopt;
    return shortPath;
}

}  // namespace orv::editor
