// Whole files of script text, read as bytes; they are written with
// ReplaceFileContents.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orv {

std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace orv
