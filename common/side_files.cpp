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

// Where the file's own name begins in path.
std::size_t NameStart(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

// The folder of a full path as the system opens it: a root keeps its separator.
std::string FolderOf(const std::string& full) {
    const std::size_t name = NameStart(full);
    const bool root = name <= 1 || full[name - 2] == ':';
    return full.substr(0, root ? name : name - 1);
}

// Whether both name one file, there or not yet: the same full name, the same
// file, or the same name in the same folder, however each is spelt.
bool SamePlace(const std::string& path, const std::string& other) {
    const std::string a = FullPath(path), b = FullPath(other);
    if (SameTextAscii(SameSeparators(a), SameSeparators(b)) || SameFile(a, b))
        return true;
    return SameTextAscii(std::string_view(a).substr(NameStart(a)),
                         std::string_view(b).substr(NameStart(b))) &&
           SameFile(FolderOf(a), FolderOf(b));
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
    const std::array<std::string, 4> guarded = {std::string(library), CategoryFileName(library),
                                                RemapFileName(library), SyncFileName(library)};
    const std::string target(path);
    return std::ranges::any_of(guarded,
                               [&](const std::string& name) { return SamePlace(target, name); });
}

}  // namespace orv
