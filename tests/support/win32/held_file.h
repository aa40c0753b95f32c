// A file held open without sharing, as a backup program or another machine's
// program may hold it for a moment.
#pragma once

#include <memory>
#include <string>

namespace orv::testing {

// Held until the result is released; null when the file could not be opened.
std::shared_ptr<void> HoldUnshared(const std::string& path);

}  // namespace orv::testing
