#include "common/folder_path.h"

namespace orv {

namespace {

// Where the levels begin: past "\\server\share\" for a network path.
std::size_t FirstLevelStart(std::string_view path) {
    if (!path.starts_with("\\\\"))
        return 0;
    const std::size_t server = path.find('\\', 2);
    if (server == std::string_view::npos)
        return path.size();
    const std::size_t share = path.find('\\', server + 1);
    return share == std::string_view::npos ? path.size() : share + 1;
}

}  // namespace

std::vector<std::string> FolderLevels(std::string_view path) {
    std::vector<std::string> levels;
    for (std::size_t at = FirstLevelStart(path); at < path.size();) {
        const std::size_t slash = path.find('\\', at);
        at = slash == std::string_view::npos ? path.size() : slash + 1;
        levels.emplace_back(path.substr(0, at));
    }
    return levels;
}

std::string_view WithoutTrailingBackslash(std::string_view path) {
    if (path.ends_with('\\'))
        path.remove_suffix(1);
    return path;
}

}  // namespace orv
