#include "editor/script/icon_name.h"

#include "common/string_routines.h"

namespace orv::editor {

std::string IconFolder(std::string_view programDir) {
    return std::string(programDir) + "\\Icons";
}

bool IsIconFile(std::string_view path) {
    return path.size() >= 4 && UpperAscii(path.substr(path.size() - 4)) == ".ICO";
}

std::optional<std::string> IconNameOf(std::string_view shortPath) {
    std::size_t slash = shortPath.find_last_of("\\/");
    std::string_view name =
        slash == std::string_view::npos ? shortPath : shortPath.substr(slash + 1);
    if (name.empty() || name.size() > 12)
        return std::nullopt;
    return std::string(name);
}

}  // namespace orv::editor
