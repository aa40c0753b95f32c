// The five macro files that were current before, most recent first, and how
// the "File" menu shows them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orv::editor {

// Entries "Last File 1" .. "Last File 5"; an empty entry is a free place.
using RecentFiles = std::array<std::string, 5>;

// The current file changes from oldFile to newFile: newFile leaves the list
// (the entries after it close the gap) and oldFile becomes entry 1.
void DoLastFiles(RecentFiles& recent, std::string_view oldFile, std::string_view newFile);

// The caption of recent-file menu item i (0-based), none for a free place.
std::optional<std::string> RecentFileCaption(const RecentFiles& recent, std::size_t i);
// The separator above the recent files shows while any entry is taken.
bool ShowsRecentSeparator(const RecentFiles& recent);

// A chosen name is a macro file when it ends in ".ORN" in any case.
bool IsMacroFileName(std::string_view name);
inline constexpr const char* InvalidFileTypeMessage = "Invalid file type selected.";

// The name without folder and without its four-character extension.
std::string FileTitleOf(std::string_view path);

// The main window's caption; dateTime is today's date, two blanks and the
// time, shown only with "Show Date".
std::string CaptionText(std::string_view fileTitle, bool showDate, std::string_view dateTime);

}  // namespace orv::editor
