// The file system's own answers for the dialogs' path checks.
#pragma once

#include "editor/commands/file_checks.h"

namespace orv::editor {

class SystemFileChecks final : public FileChecks {
  public:
    std::optional<std::string> ShortPath(const std::string& path) const override;
    bool IsFile(const std::string& path) const override;
    bool IsFolder(const std::string& path) const override;
};

// The one the dialogs use.
const FileChecks& TheFileChecks();

}  // namespace orv::editor
