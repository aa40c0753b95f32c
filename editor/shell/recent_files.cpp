#include "editor/shell/recent_files.h"

#include <algorithm>

#include "common/string_routines.h"

namespace orv::editor {

void DoLastFiles(RecentFiles& recent, std::string_view oldFile, std::string_view newFile) {
    auto found = std::find(recent.begin(), recent.end(), newFile);
    if (found != recent.end()) {
        std::move(found + 1, recent.end(), found);
        recent.back().clear();
    }
    std::move_backward(recent.begin(), recent.end() - 1, recent.end());
    recent.front() = oldFile;
}

std::optional<std::string> RecentFileCaption(const RecentFiles& recent, std::size_t i) {
    if (i >= recent.size() || recent[i].empty())
        return std::nullopt;
    return "&" + std::to_string(i + 1) + "   " + recent[i];
}

bool ShowsRecentSeparator(const RecentFiles& recent) {
    return std::any_of(recent.begin(), recent.end(), [](const auto& f) { return !f.empty(); });
}

bool IsMacroFileName(std::string_view name) {
    return name.size() >= 4 && UpperAscii(name.substr(name.size() - 4)) == ".ORN";
}

std::string FileTitleOf(std::string_view path) {
    std::size_t slash = path.find_last_of("\\/:");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return std::string(name.substr(0, name.size() >= 4 ? name.size() - 4 : 0));
}

std::string CaptionText(std::string_view fileTitle, bool showDate, std::string_view dateTime) {
    std::string caption = "Orvane Editor (" + std::string(fileTitle) + ")";
    if (showDate)
        caption += "     " + std::string(dateTime);
    return caption;
}

}  // namespace orv::editor
