// Paths of programs a 32-bit player starts on 64-bit Windows.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orv::player {

// A 32-bit program's "<windows>\System32\..." is redirected to SysWOW64, so
// a tool that exists only as a 64-bit program is "not found" although
// Explorer shows it. Such a program (.EXE, .COM, .BAT or .CMD, in System32
// or below it, however the path is written) is reached through
// "<windows>\Sysnative\..."; every other path, and one the redirected folder
// has too, is left as it is. exists() asks the file system as the player
// sees it.
std::string ThroughSysnative(std::string_view path, std::string_view windowsFolder,
                             const std::function<bool(const std::string&)>& exists);

}  // namespace orv::player
