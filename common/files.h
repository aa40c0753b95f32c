// Plain files as both programs handle them: names are ANSI byte strings, and a
// whole file is replaced by writing a temporary beside it and renaming.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// name inside folder, joined with the system's path separator.
std::string InFolder(std::string_view folder, std::string_view name);

// The whole file as bytes; no value when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// True when path names an existing file (not a folder).
bool FileExists(const std::string& path);
// True when anything (a file, a folder) is at path.
bool PathTaken(const std::string& path);

// True when path names an existing folder.
bool FolderExists(const std::string& path);

// path as the system finds it from the current folder: a relative name
// becomes a full one; a full one stays as it is.
std::string FullPath(const std::string& path);

// True when path is an existing file marked read-only (by its attribute,
// whoever asks: an administrator may be able to write it anyway).
bool FileReadOnly(const std::string& path);

// True when both paths name one existing file, however each is spelt (another
// drive mapping, a short name, a link): the same volume and file number.
bool SameFile(const std::string& a, const std::string& b);

// Writes contents to a temporary file beside path and renames it over path;
// false (and path as it was) when any step fails or path is read-only. With
// onlyOver, path is replaced only while it still holds exactly those bytes:
// what another program wrote since they were read is not lost. The temporary
// is a file made anew (never one that is there already) under the first free
// of TemporaryNames(path), is checked to hold every byte before the rename,
// and is removed whenever path is not replaced.
bool ReplaceFileContents(const std::string& path, std::string_view contents,
                         std::optional<std::string_view> onlyOver = std::nullopt);

// The names a rewrite of path may give its temporary, in the order tried.
std::vector<std::string> TemporaryNames(const std::string& path);

// Removes the temporaries beside path that a rewrite interrupted for good
// left: a name of TemporaryNames(path), not written for a minute, whose bytes
// isOurs recognises as what the programs write there. Anything else of such a
// name, the user's or another rewrite's under way, stays.
void RemoveLeftoverTemporaries(const std::string& path,
                               const std::function<bool(std::string_view)>& isOurs);

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// fopen with a byte-string name; mode as for fopen ("rb", "r+b", "wb").
FilePtr OpenFile(const std::string& path, const char* mode);

// The size of an open file in bytes, or -1.
long long FileSize(std::FILE* f);
// The size of the file at path in bytes, or -1.
long long SizeOfFile(const std::string& path);

// The calls that put bytes into files, one place for every writer; tests
// replace them with ones that fail as a full disk, a dying program or a close
// that loses what it was given would.
class FileWrites {
  public:
    virtual ~FileWrites() = default;
    // All of bytes at offset at in one call to the system, so that the
    // program itself never splits a record.
    virtual bool WriteAt(std::FILE* f, long long at, std::string_view bytes);
    virtual bool CutTo(std::FILE* f, long long size);
    // Flushes and checks the stream's error state before closing: a C
    // library may say nothing at the close of a write that failed in it.
    virtual bool Close(std::FILE* f);
};

// The program's file writes: the system's unless a test set others.
FileWrites& CurrentFileWrites();
void SetFileWrites(FileWrites* writes);

// A change of an open file in place: Bytes written at At over Old (the bytes
// there before, shorter where the file ended) in a file of OldSize bytes.
struct InPlaceChange {
    long long At = 0;
    std::string_view Bytes;
    std::string_view Old;
    long long OldSize = 0;
};

// Makes change in f (opened "r+b", still OldSize bytes long) and reads the
// bytes back before closing it: true only when the file holds them.
// Otherwise the file is given back what it held, cut to its old size, and
// false: a failed write never leaves a part of a record behind.
bool ChangeInPlace(FilePtr f, const InPlaceChange& change);

}  // namespace orv
