// A file system of a few named files and folders, each with its short form.
#pragma once

#include <map>
#include <set>
#include <string>

#include "editor/commands/file_checks.h"

namespace orv::editor::testing {

class FakeFileChecks final : public FileChecks {
  public:
    // The short form is its own short form, as the file system gives it.
    void AddFile(const std::string& path, const std::string& shortPath) {
        shortPaths_[path] = shortPaths_[shortPath] = shortPath;
        files_.insert(shortPath);
    }
    void AddFolder(const std::string& path, const std::string& shortPath) {
        shortPaths_[path] = shortPaths_[shortPath] = shortPath;
        folders_.insert(shortPath);
    }

    std::optional<std::string> ShortPath(const std::string& path) const override {
        auto found = shortPaths_.find(path);
        if (found == shortPaths_.end())
            return std::nullopt;
        return found->second;
    }
    bool IsFile(const std::string& path) const override { return files_.count(path) > 0; }
    bool IsFolder(const std::string& path) const override {
        std::string folder = path;
        if (folder.size() > 3 && folder.back() == '\\')
            folder.pop_back();
        return folders_.count(folder) > 0;
    }

  private:
    std::map<std::string, std::string> shortPaths_;
    std::set<std::string> files_;
    std::set<std::string> folders_;
};

}  // namespace orv::editor::testing
