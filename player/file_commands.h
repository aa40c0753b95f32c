// The file commands: current folder, new folders (every missing level of a
// path), deleting, copying and renaming files, and a folder opened in the
// shell's explorer. Failures other than a folder that cannot be created pass
// silently, and the run goes on.
#pragma once

#include <string>

#include "player/command_context.h"

namespace orv::player {

class FileHost {
  public:
    virtual ~FileHost() = default;
    virtual bool ChangeDirectory(const std::string& path) = 0;
    // An existing folder, not a file.
    virtual bool FolderExists(const std::string& path) = 0;
    virtual bool CreateFolder(const std::string& path) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    // Replaces an existing destination.
    virtual bool CopyFileOver(const std::string& from, const std::string& to) = 0;
    virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
    // The shell's "explore" verb on a folder.
    virtual void Explore(const std::string& folder) = 0;
};

// Creates every missing level of path; a level that cannot be created is
// told ("Create Folder Failed") and ends the work. False then.
bool CreateFolderPath(const std::string& path, FileHost& files, PlayerHost& player);

class FileCommands final : public CommandFamily {
  public:
    explicit FileCommands(FileHost& host) : host_(host) {}
    Flow Perform(CommandContext& context) override;

  private:
    FileHost& host_;
};

}  // namespace orv::player
