#include "common/files.h"

#include <sys/stat.h>

#include <tuple>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

namespace orv {
namespace {

// Puts the temporary in the old file's place in one step, so the old file is
// never missing: POSIX rename replaces; on Windows only MoveFileEx does.
bool RenameOver(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

}  // namespace

#ifdef _WIN32
constexpr char PathSeparator = '\\';
#else
constexpr char PathSeparator = '/';
#endif

std::string InFolder(std::string_view folder, std::string_view name) {
    std::string path(folder);
    path += PathSeparator;
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

bool FileReadOnly(const std::string& path) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
#else
    struct stat info;
    return stat(path.c_str(), &info) == 0 && !(info.st_mode & S_IWUSR);
#endif
}

namespace {

#ifdef _WIN32
using FileIdentity = std::tuple<DWORD, DWORD, DWORD>;
#else
using FileIdentity = std::pair<dev_t, ino_t>;
#endif

std::optional<FileIdentity> IdentityOf(const std::string& path) {
#ifdef _WIN32
    // No access asked: only the file's numbers are read.
    HANDLE file =
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = GetFileInformationByHandle(file, &info) != 0;
    CloseHandle(file);
    if (!known)
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
#else
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
#endif
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
    const std::optional<FileIdentity> first = IdentityOf(a);
    return first && first == IdentityOf(b);
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

bool ReplaceFileContents(const std::string& path, std::string_view contents) {
    // Windows refuses to rename over a read-only file; not every system does.
    if (FileReadOnly(path))
        return false;
    const std::string temporary = path + ".$$$";
    {
        FilePtr f = OpenFile(temporary, "wb");
        if (!f)
            return false;
        bool written = std::fwrite(contents.data(), 1, contents.size(), f.get()) == contents.size();
        if (std::fclose(f.release()) != 0 || !written) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    // Should the rename fail, the temporary keeps the new contents.
    return RenameOver(temporary, path);
}

}  // namespace orv
