// The file commands on the real file system and shell.
#pragma once

#include "player/file_commands.h"

namespace orv::player {

class Win32Files final : public FileHost {
  public:
    bool ChangeDirectory(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    bool CopyFileOver(const std::string& from, const std::string& to) override;
    bool RenameFile(const std::string& from, const std::string& to) override;
    void Explore(const std::string& folder) override;
};

}  // namespace orv::player
