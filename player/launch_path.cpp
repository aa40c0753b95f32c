#include "player/launch_path.h"

#include <vector>

#include "common/string_routines.h"

namespace orv::player {

namespace {

// What the 32-bit command processor runs, or the system starts itself. A
// document (a .MSC among them) goes to a program that may be 64-bit, which
// knows no Sysnative.
bool IsProgram(std::string_view path) {
    const std::string upper = UpperAscii(path);
    for (std::string_view extension : {".EXE", ".COM", ".BAT", ".CMD"})
        if (upper.ends_with(extension))
            return true;
    return false;
}

std::string Unquoted(std::string_view path) {
    while (!path.empty() && path.back() == ' ') path.remove_suffix(1);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    return std::string(path);
}

// The path as the system reads it: quotes off, the Windows folder's
// variables in, either slash, doubled separators and "." and ".." folded.
std::string Normalised(std::string_view written, std::string_view folder) {
    std::string path = Unquoted(written);
    for (std::string_view variable : {"%SYSTEMROOT%", "%WINDIR%"})
        if (UpperAscii(path).starts_with(variable))
            path = std::string(folder) + path.substr(variable.size());
    std::vector<std::string> parts;
    std::string part;
    const auto take = [&] {
        if (part == "..") {
            if (parts.size() > 1)
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    };
    for (char c : path) {
        if (c == '\\' || c == '/')
            take();
        else
            part.push_back(c);
    }
    take();
    std::string joined;
    for (const std::string& p : parts) joined += (joined.empty() ? "" : "\\") + p;
    return joined;
}

}  // namespace

std::string ThroughSysnative(std::string_view path, std::string_view windowsFolder,
                             const std::function<bool(const std::string&)>& exists) {
    std::string folder(windowsFolder);
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    const std::string system32 = UpperAscii(folder + "\\System32\\");
    const std::string normal = Normalised(path, folder);
    if (folder.empty() || !UpperAscii(normal).starts_with(system32) || !IsProgram(normal) ||
        exists(normal))
        return std::string(path);
    const std::string native = folder + "\\Sysnative\\" + normal.substr(system32.size());
    return exists(native) ? native : std::string(path);
}

}  // namespace orv::player
