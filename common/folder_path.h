// The levels of a folder path, as a path is created one folder at a time.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv {

// Each level ends at the next "\" (kept), the last one is the rest:
// "C:\T\A" gives "C:\", "C:\T\", "C:\T\A". A network path starts at its share,
// which can be neither tested nor created as a folder: "\\srv\share\x" gives
// only "\\srv\share\x".
std::vector<std::string> FolderLevels(std::string_view path);

// The path without one trailing "\" (a drive root "C:\" becomes "C:").
std::string_view WithoutTrailingBackslash(std::string_view path);

}  // namespace orv
