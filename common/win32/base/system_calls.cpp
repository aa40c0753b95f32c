#include "common/system_calls.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include "common/files.h"

namespace orv {
namespace system_calls {

const char PathSeparator = '\\';

bool RenameOver(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

std::FILE* CreateNewFile(const std::string& path) {
    const int fd =
        _open(path.c_str(), _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return nullptr;
    std::FILE* f = _fdopen(fd, "w+b");
    if (!f)
        _close(fd);
    return f;
}

bool WriteAt(std::FILE* f, long long at, const void* data, std::size_t size) {
    // Binary descriptors hand the whole count to one WriteFile.
    const int fd = _fileno(f);
    return std::fflush(f) == 0 && _lseeki64(fd, at, SEEK_SET) == at &&
           _write(fd, data, static_cast<unsigned>(size)) == static_cast<int>(size);
}

bool ReadAt(std::FILE* f, long long at, void* data, std::size_t size) {
    const int fd = _fileno(f);
    return _lseeki64(fd, at, SEEK_SET) == at &&
           _read(fd, data, static_cast<unsigned>(size)) == static_cast<int>(size);
}

long long SizeNow(std::FILE* f) {
    struct _stati64 info;
    return _fstati64(_fileno(f), &info) == 0 ? static_cast<long long>(info.st_size) : -1;
}

namespace {

OVERLAPPED At(long long at) {
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(at);
    where.OffsetHigh = static_cast<DWORD>(static_cast<unsigned long long>(at) >> 32);
    return where;
}

HANDLE HandleOf(std::FILE* f) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(f)));
}

}  // namespace

bool LockRange(std::FILE* f, long long at, std::size_t size) {
    OVERLAPPED where = At(at);
    return LockFileEx(HandleOf(f), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                      static_cast<DWORD>(size), 0, &where) != 0;
}

void UnlockRange(std::FILE* f, long long at, std::size_t size) {
    OVERLAPPED where = At(at);
    UnlockFileEx(HandleOf(f), 0, static_cast<DWORD>(size), 0, &where);
}

bool CutTo(std::FILE* f, long long size) {
    return std::fflush(f) == 0 && _chsize(_fileno(f), static_cast<long>(size)) == 0;
}

std::string FullPath(const std::string& path) {
    // However long: a caller that limits names must see the whole full one,
    // never the shorter relative name it came from. The ANSI call stops at
    // MAX_PATH, so the name goes through the wide one.
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (wideLength <= 1)
        return path;
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), wideLength);
    const DWORD fullLength = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (fullLength == 0)
        return path;
    std::wstring full(fullLength, L'\0');
    const DWORD written = GetFullPathNameW(wide.c_str(), fullLength, full.data(), nullptr);
    if (written == 0 || written >= fullLength)
        return path;
    const int narrowLength = WideCharToMultiByte(CP_ACP, 0, full.c_str(), static_cast<int>(written),
                                                 nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(narrowLength), '\0');
    WideCharToMultiByte(CP_ACP, 0, full.c_str(), static_cast<int>(written), narrow.data(),
                        narrowLength, nullptr, nullptr);
    return narrow;
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
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
    return FileIdentity{info.dwVolumeSerialNumber,
                        (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

std::tm LocalTime(std::time_t t) {
    std::tm parts{};
    localtime_s(&parts, &t);
    return parts;
}

std::tm UtcTime(std::time_t t) {
    std::tm parts{};
    gmtime_s(&parts, &t);
    return parts;
}

}  // namespace system_calls

bool FileReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

}  // namespace orv
