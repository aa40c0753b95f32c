// Plain files as both programs handle them: names are ANSI byte strings, and a
// whole file is replaced by writing a temporary beside it and renaming.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

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
// is a file made anew (never one that is there already): path with ".$$$"
// added, or with ".$$1" to ".$$9" where that is taken; it is removed
// whenever path is not replaced.
bool ReplaceFileContents(const std::string& path, std::string_view contents,
                         std::optional<std::string_view> onlyOver = std::nullopt);

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// fopen with a byte-string name; mode as for fopen ("rb", "r+b", "wb").
FilePtr OpenFile(const std::string& path, const char* mode);

// The size of an open file in bytes, or -1.
long long FileSize(std::FILE* f);

}  // namespace orv
