// The player's roads to its macro library: another file made current (the
// command line's "/F", "<SWAP:", the editor's switch) and the current one read
// again (a delete here or in the editor, another user's change). A file that
// cannot be loaded leaves the library's name and everything built from the
// library as they were; the library says why.
#pragma once

#include <string>

#include "common/macro_library.h"
#include "common/network_lock.h"
#include "common/settings.h"

namespace orv::player {

// What the player's main window rebuilds after a change of the library.
class LibraryDesk {
  public:
    virtual ~LibraryDesk() = default;
    virtual void SetHotKeys() = 0;
    virtual void GetSwapFile() = 0;
    virtual void CheckAndSetTime() = 0;
    virtual void ClearMenuTaskIcon() = 0;
    virtual void DoMenuTaskIcon() = 0;
};

class LibraryLoading {
  public:
    LibraryLoading(MacroLibrary& library, SettingsBlock& settings, NetworkLock& lock,
                   LibraryDesk& desk)
        : library_(library), settings_(settings), lock_(lock), desk_(desk) {}

    // Makes fileName the current library once it is loaded; remakeMenus: the
    // menus' tray icons are made anew around the load.
    [[nodiscard]] bool UseMacroFile(const std::string& fileName, bool remakeMenus);
    [[nodiscard]] bool ReloadMacroFile(bool remakeMenus);
    // The same after a delete here, which renumbered the tables already: what
    // is built from them follows even when the file cannot be read back.
    [[nodiscard]] bool ReloadAfterDelete(bool remakeMenus);
    // "/F": a name that is no file and no folder is ignored (true); an
    // existing one is used by its full name, so that another current folder
    // at the next start finds the same file.
    [[nodiscard]] bool UseCommandLineFile(const std::string& fileName);

  private:
    bool Load(const std::string& fileName, bool remakeMenus, bool renumbered);

    MacroLibrary& library_;
    SettingsBlock& settings_;
    NetworkLock& lock_;
    LibraryDesk& desk_;
};

}  // namespace orv::player
