// Reading text values of the registry.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace orv {

// The string value of an existing key (never created); no value when the key
// or the value is missing or the value is not a string.
std::optional<std::string> ReadRegistryString(HKEY root, const std::string& subKey,
                                              const char* valueName);

}  // namespace orv
