#include "player/launch_path.h"

#include "common/string_routines.h"

namespace orv::player {

namespace {

bool IsProgram(std::string_view path) {
    const std::string upper = UpperAscii(path);
    return upper.ends_with(".EXE") || upper.ends_with(".COM");
}

}  // namespace

std::string ThroughSysnative(std::string_view path, std::string_view windowsFolder,
                             const std::function<bool(const std::string&)>& exists) {
    std::string folder(windowsFolder);
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    const std::string system32 = UpperAscii(folder + "\\System32\\");
    if (folder.empty() || !UpperAscii(path).starts_with(system32) || !IsProgram(path) ||
        exists(std::string(path)))
        return std::string(path);
    const std::string native = folder + "\\Sysnative\\" + std::string(path.substr(system32.size()));
    return exists(native) ? native : std::string(path);
}

}  // namespace orv::player
