#include "common/files.h"

#include <sys/stat.h>

#include <ctime>
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

long long SizeOfFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : -1;
}

long long FileSize(std::FILE* f) {
    if (std::fseek(f, 0, SEEK_END) != 0)
        return -1;
    long size = std::ftell(f);
    return size < 0 ? -1 : size;
}

bool FileWrites::WriteAt(std::FILE* f, long long at, std::string_view bytes) {
    return bytes.empty() || system_calls::WriteAt(f, at, bytes.data(), bytes.size());
}

bool FileWrites::CutTo(std::FILE* f, long long size) {
    return system_calls::CutTo(f, size);
}

bool FileWrites::Close(std::FILE* f) {
    const bool flushed = std::fflush(f) == 0 && !std::ferror(f);
    return std::fclose(f) == 0 && flushed;
}

namespace {

FileWrites systemWrites;
FileWrites* currentWrites = &systemWrites;

// Whether the open file holds bytes at at, as the system has it.
bool HoldsAt(std::FILE* f, long long at, std::string_view bytes) {
    std::string read(bytes.size(), '\0');
    return bytes.empty() || (system_calls::ReadAt(f, at, read.data(), read.size()) && read == bytes);
}

// Gives the file back what a change found there, through the handle the
// change was made by, while its bytes are locked: the old bytes, and the old
// size where the change grew the file (no more than its own bytes reach: a
// program that grew it further keeps what it wrote). A file is never grown
// here.
void Undo(std::FILE* f, const InPlaceChange& change) {
    FileWrites& writes = CurrentFileWrites();
    (void)writes.WriteAt(f, change.At, change.Old);
    const long long end = change.At + static_cast<long long>(change.Bytes.size());
    const long long size = system_calls::SizeNow(f);
    if (size > change.OldSize && size <= end)
        (void)writes.CutTo(f, change.OldSize);
}

// Seconds since path was last written; none when it cannot be told.
std::optional<double> SecondsSinceWritten(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return std::difftime(std::time(nullptr), info.st_mtime);
}

// A temporary beside path, made anew: a file of that name already there, the
// user's own or one kept by a failed rewrite, is never written or moved.
FilePtr NewTemporaryBeside(const std::string& path, std::string& temporary) {
    for (const std::string& name : TemporaryNames(path)) {
        temporary = name;
        if (FilePtr f(system_calls::CreateNewFile(temporary)); f)
            return f;
    }
    return nullptr;
}

}  // namespace

FileWrites& CurrentFileWrites() {
    return *currentWrites;
}

void SetFileWrites(FileWrites* writes) {
    currentWrites = writes ? writes : &systemWrites;
}

bool ChangeInPlace(FilePtr f, const InPlaceChange& change) {
    FileWrites& writes = CurrentFileWrites();
    // The other programs' changes of these bytes (an append of their own at
    // the same end) are refused until this one is made and read back.
    const std::size_t length = change.Bytes.size();
    if (!system_calls::LockRange(f.get(), change.At, length))
        return false;
    // A program that changed the size since the file was read would lose
    // what it wrote under these bytes.
    const bool sized = system_calls::SizeNow(f.get()) == change.OldSize;
    const bool made = sized && writes.WriteAt(f.get(), change.At, change.Bytes) &&
                      HoldsAt(f.get(), change.At, change.Bytes);
    if (sized && !made)
        Undo(f.get(), change);
    system_calls::UnlockRange(f.get(), change.At, length);
    // Read back from the system through the handle that wrote them: nothing
    // of the change waits in a buffer for the close.
    (void)writes.Close(f.release());
    return made;
}

std::vector<std::string> TemporaryNames(const std::string& path) {
    // Ten short names first, as rewrites have always used; a hundred in all,
    // so that leftovers of rewrites cut off never block the next one.
    constexpr int Names = 100;
    std::vector<std::string> names;
    names.reserve(Names);
    names.push_back(path + ".$$$");
    for (int k = 1; k < Names; ++k)
        names.push_back(path + (k < 10 ? ".$$" : ".$") + std::to_string(k));
    return names;
}

void RemoveLeftoverTemporaries(const std::string& path,
                               const std::function<bool(std::string_view)>& isOurs) {
    // A rewrite under way writes its temporary within moments; one left a
    // minute is one whose program was cut off.
    constexpr double StaleAfterSeconds = 60;
    for (const std::string& name : TemporaryNames(path)) {
        const std::optional<double> age = SecondsSinceWritten(name);
        if (!age || *age < StaleAfterSeconds || !FileExists(name))
            continue;
        const std::optional<std::string> bytes = ReadWholeFile(name);
        if (bytes && isOurs(*bytes))
            std::remove(name.c_str());
    }
}

bool ReplaceFileContents(const std::string& path, std::string_view contents,
                         std::optional<std::string_view> onlyOver) {
    // Windows refuses to rename over a read-only file; not every system does.
    if (FileReadOnly(path))
        return false;
    std::string temporary;
    {
        FileWrites& writes = CurrentFileWrites();
        FilePtr f = NewTemporaryBeside(path, temporary);
        if (!f)
            return false;
        const bool written =
            writes.WriteAt(f.get(), 0, contents) && HoldsAt(f.get(), 0, contents);
        const bool closed = writes.Close(f.release());
        // The size is asked of the file itself: a close may report success
        // for bytes the disk never took.
        if (!written || !closed ||
            SizeOfFile(temporary) != static_cast<long long>(contents.size())) {
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
