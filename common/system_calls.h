// The calls of the files and the clock whose form differs by system: one
// implementation per system (common/win32/base/, common/posix/), which also
// holds FileReadOnly; the build picks the one of its system.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

namespace orv::system_calls {

// Between a folder and a name in a path.
extern const char PathSeparator;

// Puts from in to's place in one step, so to is never missing: POSIX rename
// replaces; on Windows only MoveFileEx does.
bool RenameOver(const std::string& from, const std::string& to);

// A file made at path for writing bytes (and reading them back), only where
// nothing is there yet (in one step, so that nobody can make it meanwhile);
// null otherwise.
std::FILE* CreateNewFile(const std::string& path);

// size bytes at offset at of the file, handed to the system in one call
// (past the C library's buffer, which would split them and may hold another
// position); false unless all of them were taken.
bool WriteAt(std::FILE* f, long long at, const void* data, std::size_t size);

// size bytes from offset at of the file, read from the system (never from
// the C library's buffer, which a WriteAt passes by).
bool ReadAt(std::FILE* f, long long at, void* data, std::size_t size);

// The size of an open file as the system has it now; -1 when unknown.
long long SizeNow(std::FILE* f);

// Keeps the other programs' changes out of size bytes from offset at (past
// the end too) until Unlocked; false when another holds some of them.
bool LockRange(std::FILE* f, long long at, std::size_t size);
void UnlockRange(std::FILE* f, long long at, std::size_t size);

// The file cut (or grown) to size bytes.
bool CutTo(std::FILE* f, long long size);

// path from the current folder: the system's full name of it.
std::string FullPath(const std::string& path);

// Which file a path names, however it is spelt: its volume and file number.
struct FileIdentity {
    std::uint64_t Volume;
    std::uint64_t File;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentityOf(const std::string& path);

// The local and the UTC calendar time of t.
std::tm LocalTime(std::time_t t);
std::tm UtcTime(std::time_t t);

}  // namespace orv::system_calls
