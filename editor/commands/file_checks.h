// How the dialogs test the paths they are given: on the short (8.3) form the
// file system gives for a path, as the player will find it. Tests give a
// file system of their own.
#pragma once

#include <optional>
#include <string>

namespace orv::editor {

class FileChecks {
  public:
    virtual ~FileChecks() = default;
    // The short form of a path that names something; nothing otherwise.
    virtual std::optional<std::string> ShortPath(const std::string& path) const = 0;
    virtual bool IsFile(const std::string& path) const = 0;
    virtual bool IsFolder(const std::string& path) const = 0;

    // The short form of a path naming an existing file (not a folder).
    std::optional<std::string> ExistingFile(const std::string& path) const;
    // The short form of a path naming an existing folder, without a trailing
    // "\" unless it is a drive's root ("C:" alone would name the drive's
    // current folder).
    std::optional<std::string> ExistingFolder(const std::string& path) const;
};

}  // namespace orv::editor
