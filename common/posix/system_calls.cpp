#include "common/system_calls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "common/files.h"

namespace orv {
namespace system_calls {

const char PathSeparator = '/';

bool RenameOver(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

std::FILE* CreateNewFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL, 0666);
    if (fd < 0)
        return nullptr;
    std::FILE* f = fdopen(fd, "w+b");
    if (!f)
        close(fd);
    return f;
}

bool WriteAt(std::FILE* f, long long at, const void* data, std::size_t size) {
    return std::fflush(f) == 0 &&
           pwrite(fileno(f), data, size, static_cast<off_t>(at)) == static_cast<ssize_t>(size);
}

bool ReadAt(std::FILE* f, long long at, void* data, std::size_t size) {
    return pread(fileno(f), data, size, static_cast<off_t>(at)) == static_cast<ssize_t>(size);
}

long long SizeNow(std::FILE* f) {
    struct stat info;
    return fstat(fileno(f), &info) == 0 ? static_cast<long long>(info.st_size) : -1;
}

namespace {

bool SetLock(std::FILE* f, short type, long long at, std::size_t size) {
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = static_cast<off_t>(at);
    range.l_len = static_cast<off_t>(size);
    return fcntl(fileno(f), F_SETLK, &range) == 0;
}

}  // namespace

bool LockRange(std::FILE* f, long long at, std::size_t size) {
    return SetLock(f, F_WRLCK, at, size);
}

void UnlockRange(std::FILE* f, long long at, std::size_t size) {
    (void)SetLock(f, F_UNLCK, at, size);
}

bool CutTo(std::FILE* f, long long size) {
    return std::fflush(f) == 0 && ftruncate(fileno(f), static_cast<off_t>(size)) == 0;
}

std::string FullPath(const std::string& path) {
    if (path.empty() || path.front() == '/')
        return path;
    char folder[4096];
    return getcwd(folder, sizeof folder) ? std::string(folder) + "/" + path : path;
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino)};
}

std::tm LocalTime(std::time_t t) {
    std::tm parts{};
    localtime_r(&t, &parts);
    return parts;
}

std::tm UtcTime(std::time_t t) {
    std::tm parts{};
    gmtime_r(&t, &parts);
    return parts;
}

}  // namespace system_calls

bool FileReadOnly(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && !(info.st_mode & S_IWUSR);
}

}  // namespace orv
