// The settings store of both programs: the system's private-profile functions
// on a bare file name, so the file lives in the Windows folder.
#pragma once

#include <string>

#include "common/settings.h"

namespace orv {

class PrivateProfileStore final : public SettingsStore {
  public:
    explicit PrivateProfileStore(std::string fileName = SettingsFileName)
        : fileName_(std::move(fileName)) {}

    std::string Read(std::string_view section, std::string_view key, std::string_view fallback,
                     std::size_t maxChars) override;
    bool Write(std::string_view section, std::string_view key, std::string_view value) override;

  private:
    std::string fileName_;
};

}  // namespace orv
