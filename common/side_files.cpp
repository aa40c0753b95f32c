#include "common/side_files.h"

#include <algorithm>
#include <array>

#include "common/files.h"
#include "common/string_routines.h"

namespace orv {

namespace {

std::string SameSeparators(std::string_view path) {
    std::string s(path);
    std::ranges::replace(s, '/', '\\');
    return s;
}

std::string ReplaceOrnEnding(std::string_view library, std::string_view extension) {
    constexpr std::string_view Orn = ".ORN";
    if (library.size() >= Orn.size() &&
        SameTextAscii(library.substr(library.size() - Orn.size()), Orn))
        return std::string(library.substr(0, library.size() - Orn.size())) + std::string(extension);
    return std::string(library) + std::string(extension);
}

}  // namespace

std::string CategoryFileName(std::string_view library) {
    return ReplaceOrnEnding(library, ".OVC");
}

std::string RemapFileName(std::string_view library) {
    return ReplaceOrnEnding(library, ".OVS");
}

std::string SyncFileName(std::string_view library) {
    std::string name = ChangeExt3(library, "MAS");
    if (SameTextAscii(name, library))
        name = std::string(library) + ".MAS";
    return name;
}

bool IsLibraryOrSideFile(std::string_view path, std::string_view library) {
    const std::string target = SameSeparators(path);
    const std::array<std::string, 4> guarded = {std::string(library), CategoryFileName(library),
                                                RemapFileName(library), SyncFileName(library)};
    const std::string pathText(path);
    return std::ranges::any_of(guarded, [&](const std::string& name) {
        return SameTextAscii(SameSeparators(name), target) || SameFile(pathText, name);
    });
}

}  // namespace orv
