#include "common/files.h"

#include <sys/stat.h>

#include <string>

#include "common/system_calls.h"

namespace orv {

std::string InFolder(std::string_view folder, std::string_view name) {
    std::string path(folder);
    path += system_calls::PathSeparator;
    path += name;
    return path;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    FilePtr file = OpenFile(path, "rb");
    if (!file)
        return std::nullopt;
    std::string bytes;
    char buffer[8192];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

bool FileExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == S_IFREG;
}

bool FolderExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == S_IFDIR;
}

std::string FullPath(const std::string& path) {
    return system_calls::FullPath(path);
}

bool PathTaken(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

bool SameFile(const std::string& a, const std::string& b) {
    const std::optional<system_calls::FileIdentity> first = system_calls::IdentityOf(a);
    return first && first == system_calls::IdentityOf(b);
}

FilePtr OpenFile(const std::string& path, const char* mode) {
    return FilePtr(std::fopen(path.c_str(), mode));
}

long long FileSize(std::FILE* f) {
    if (std::fseek(f, 0, SEEK_END) != 0)
        return -1;
    long size = std::ftell(f);
    return size < 0 ? -1 : size;
}

namespace {

// A temporary beside path, made anew: a file of that name already there, the
// user's own or one kept by a failed rename, is never written or moved.
FilePtr NewTemporaryBeside(const std::string& path, std::string& temporary) {
    constexpr int Names = 10;
    for (int k = 0; k < Names; ++k) {
        temporary = path + (k == 0 ? std::string(".$$$") : ".$$" + std::to_string(k));
        if (FilePtr f(system_calls::CreateNewFile(temporary)); f)
            return f;
    }
    return nullptr;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view contents,
                         std::optional<std::string_view> onlyOver) {
    // Windows refuses to rename over a read-only file; not every system does.
    if (FileReadOnly(path))
        return false;
    std::string temporary;
    {
        FilePtr f = NewTemporaryBeside(path, temporary);
        if (!f)
            return false;
        bool written = std::fwrite(contents.data(), 1, contents.size(), f.get()) == contents.size();
        if (std::fclose(f.release()) != 0 || !written) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    // Looked at last, so that as little time as can be is left for a change.
    const bool replaced = (!onlyOver || ReadWholeFile(path) == *onlyOver) &&
                          system_calls::RenameOver(temporary, path);
    // The rename is one step: where it fails the old file is intact, and the
    // temporary holds nothing anyone was told of (left, it would take a name).
    if (!replaced)
        std::remove(temporary.c_str());
    return replaced;
}

}  // namespace orv
