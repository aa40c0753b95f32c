// The shell's folder browser, a service a test replaces.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace orv {

class FolderDialogs {
  public:
    virtual ~FolderDialogs() = default;
    // The chosen folder, or nothing when the user cancelled. The browser
    // opens at initialFolder when that is given.
    virtual std::optional<std::string> Browse(HWND owner, std::string_view title,
                                              std::string_view initialFolder) = 0;
    // The chosen folder with the browser rooted at the network neighbourhood;
    // a replacement that has no network browses as Browse does.
    virtual std::optional<std::string> BrowseNetwork(HWND owner, std::string_view title) {
        return Browse(owner, title, "");
    }
};

class Win32FolderDialogs final : public FolderDialogs {
  public:
    std::optional<std::string> Browse(HWND owner, std::string_view title,
                                      std::string_view initialFolder) override;
    std::optional<std::string> BrowseNetwork(HWND owner, std::string_view title) override;
};

FolderDialogs& CurrentFolderDialogs();
void SetCurrentFolderDialogs(FolderDialogs* dialogs);

}  // namespace orv
