// The script editor's command list as a model: lines of display text, each
// with its command code and record; the window that shows it lives with the
// editor.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/script/records.h"

namespace orv {

// Re-indents every line by three blanks per open repeat, clipboard-copy or
// held-modifier block; the depth never goes below zero.
void SetIndents(std::vector<CommandLine>& lines);

inline constexpr const char* LibraryAsTextMessage =
    "The open macro file and its side files are not text files.  Please choose a different "
    "file.";
std::string NotTextMessage(const std::string& path);

// A file the user names as a text file, read whole. Nothing (and said) when
// it cannot be read, is the open library or one of its side files, or holds
// a NUL byte: no text file does, and a text control would end there.
std::optional<std::string> ReadTextFile(const std::string& path, std::string_view library);

// Reads the whole text file (ReadTextFile) as script text into loadedText and
// rebuilds the list from it, unindented. A file refused leaves the list and
// the text as they were.
bool LoadFile(const std::string& path, std::string_view library, std::string& loadedText,
              std::vector<CommandLine>& lines);

// Copies the selected line (a copy of its record too) to stand directly above
// it, re-indents and gives the new selection, the source line. Without a
// selection it says so and gives nothing.
std::optional<int> CopyLine(std::vector<CommandLine>& lines, std::optional<int> selected);

}  // namespace orv
