// What the programs ask of the shell: opening files, programs and addresses,
// shortcut files made and read, and the folders of the desktop and the Start
// menu. A service a test replaces.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace orv {

// What a shortcut file (".LNK") holds of interest here.
struct ShellLink {
    std::string Target;
    std::string Arguments;
    std::string IconPath;
    int IconIndex = 0;
};

enum class ShellFolder { Desktop, StartMenu, CommonStartMenu };

class ShellService {
  public:
    virtual ~ShellService() = default;
    // Opens a file, program or web address as a double click would, shown
    // normally; false when the system could not.
    virtual bool Open(HWND owner, std::string_view file, std::string_view parameters) = 0;
    // Writes the shortcut file path; false when it could not be written.
    virtual bool CreateLink(const std::string& path, const ShellLink& link) = 0;
    // Nothing when path is no readable shortcut file.
    virtual std::optional<ShellLink> ReadLink(const std::string& path) = 0;
    // Empty when the system has no such folder.
    virtual std::string SpecialFolder(ShellFolder folder) = 0;
};

class Win32ShellService final : public ShellService {
  public:
    bool Open(HWND owner, std::string_view file, std::string_view parameters) override;
    bool CreateLink(const std::string& path, const ShellLink& link) override;
    std::optional<ShellLink> ReadLink(const std::string& path) override;
    std::string SpecialFolder(ShellFolder folder) override;
};

ShellService& CurrentShell();
void SetCurrentShell(ShellService* shell);

// COM on this thread while in scope, for the shell's objects and dialogs.
class ComScope {
  public:
    ComScope();
    ~ComScope();
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    bool initialised_;
};

}  // namespace orv
