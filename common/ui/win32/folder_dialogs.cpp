#include "common/ui/win32/folder_dialogs.h"

#include <shlobj.h>

#include "common/ui/win32/shell_service.h"

namespace orv {
namespace {

FolderDialogs* installedFolderDialogs = nullptr;

int CALLBACK SelectInitialFolder(HWND browser, UINT message, LPARAM, LPARAM folder) {
    if (message == BFFM_INITIALIZED && folder)
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, folder);
    return 0;
}

// The browser at root (nullptr: the desktop), opening at initial when given.
std::optional<std::string> BrowseFrom(HWND owner, std::string_view title, LPCITEMIDLIST root,
                                      std::string_view initialFolder) {
    std::string caption(title), initial(initialFolder);
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pidlRoot = root;
    info.lpszTitle = caption.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = SelectInitialFolder;
    info.lParam = initial.empty() ? 0 : reinterpret_cast<LPARAM>(initial.c_str());
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    if (!chosen)
        return std::nullopt;
    char path[MAX_PATH] = {};
    BOOL isFolder = SHGetPathFromIDListA(chosen, path);
    CoTaskMemFree(chosen);
    if (!isFolder)
        return std::nullopt;
    return std::string(path);
}

}  // namespace

std::optional<std::string> Win32FolderDialogs::Browse(HWND owner, std::string_view title,
                                                      std::string_view initialFolder) {
    ComScope com;
    return BrowseFrom(owner, title, nullptr, initialFolder);
}

std::optional<std::string> Win32FolderDialogs::BrowseNetwork(HWND owner, std::string_view title) {
    ComScope com;
    // A system without a network neighbourhood browses from the desktop.
    LPITEMIDLIST network = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_NETWORK, &network)))
        network = nullptr;
    std::optional<std::string> folder = BrowseFrom(owner, title, network, "");
    CoTaskMemFree(network);
    return folder;
}

FolderDialogs& CurrentFolderDialogs() {
    static Win32FolderDialogs system;
    return installedFolderDialogs ? *installedFolderDialogs : system;
}

void SetCurrentFolderDialogs(FolderDialogs* dialogs) {
    installedFolderDialogs = dialogs;
}

}  // namespace orv
