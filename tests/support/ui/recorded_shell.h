// The shell and the sound player, recorded: nothing is opened or played.
// Shortcut files live in memory, special folders are what the test says.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "common/ui/win32/shell_service.h"
#include "common/ui/win32/sound_service.h"

namespace orv::testing {

class RecordedShell final : public ShellService {
  public:
    RecordedShell();
    ~RecordedShell() override;

    struct Opened {
        std::string File;
        std::string Parameters;
        bool operator==(const Opened&) const = default;
    };
    std::vector<Opened> Openings;
    bool OpenSucceeds = true;
    std::map<std::string, ShellLink> Links;
    std::map<ShellFolder, std::string> Folders;

    bool Open(HWND owner, std::string_view file, std::string_view parameters) override;
    bool CreateLink(const std::string& path, const ShellLink& link) override;
    std::optional<ShellLink> ReadLink(const std::string& path) override;
    std::string SpecialFolder(ShellFolder folder) override;

  private:
    ShellService* previous_;
};

class RecordedSound final : public SoundService {
  public:
    RecordedSound();
    ~RecordedSound() override;
    std::vector<std::string> Played;
    bool Play(std::string_view file) override;

  private:
    SoundService* previous_;
};

}  // namespace orv::testing
