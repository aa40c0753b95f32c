// Whole files of script text: read as bytes, and written to a temporary name
// first so that a failed write leaves the old file as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orv {

std::optional<std::string> ReadWholeFile(const std::string& path);

// False when the file could not be written; the old file is then unchanged.
bool WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace orv
