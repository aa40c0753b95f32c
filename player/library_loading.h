// The player's roads to its macro library: another file made current (the
// command line's "/F", "<SWAP:", the editor's switch) and the current one read
// again (a delete here or in the editor, another user's change). A file that
// cannot be loaded leaves the library's name and everything built from the
// library as they were; the library says why. So does one whose full name is
// longer than the settings keep (LibraryNameToKeep): it is not even read.
// Where the tables then do not hold the current file as it is, it is read
// again later, quietly. Only a file made current is created where it is
// missing, or taken as a new library where it is empty; the current one read
// again, gone or empty, is said and waited for.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/macro_library.h"
#include "common/network_lock.h"
#include "common/notices.h"
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
    // RetryLoad is to be called now and then until it succeeds.
    virtual void LoadAgainLater() = 0;
};

class LibraryLoading {
  public:
    LibraryLoading(MacroLibrary& library, SettingsBlock& settings, NetworkLock& lock,
                   LibraryDesk& desk, Configs& ini, ProgramNotices& editor)
        : library_(library),
          settings_(settings),
          lock_(lock),
          desk_(desk),
          ini_(ini),
          editor_(editor) {}

    // Makes fileName the current library once it is loaded, by its full name
    // from the current folder; remakeMenus: the menus' tray icons are made
    // anew around the load.
    [[nodiscard]] bool UseMacroFile(const std::string& fileName, bool remakeMenus);
    [[nodiscard]] bool ReloadMacroFile(bool remakeMenus);
    // The same after a delete here, which renumbered the tables already: what
    // is built from them follows even when the file cannot be read back.
    [[nodiscard]] bool ReloadAfterDelete(bool remakeMenus);
    // The start: the library is the last of the files "/F" names that is
    // there (a file or a folder) and can be loaded, by its full name, so that
    // another current folder at the next start finds the same file; those
    // before it are not opened. Without one the remembered library (the
    // current file, by its full name) is loaded; it is neither opened nor
    // locked otherwise.
    [[nodiscard]] bool LoadAtStart(const std::vector<std::string>& commandLineFiles);
    // The editor made fileName current (the settings file names it already)
    // and pushed its hot keys. One this player refuses leaves both programs
    // on the library the player has: its hot keys are pushed again, the
    // settings file names it again, and the editor is told to take it back.
    [[nodiscard]] bool UseEditorsFile(const std::string& fileName);
    // Reads the current file again, without a word, where the tables do not
    // hold it as it is; true once they do. Never inside another load.
    [[nodiscard]] bool RetryLoad();

  private:
    // fileName made current once loaded; otherwise the name before is put
    // back, with its lock (TakeFile) or without (TryFile).
    bool TakeFile(const std::string& fileName, bool remakeMenus);
    bool TryFile(const std::string& fileName, bool remakeMenus);
    bool Reload(bool remakeMenus, bool renumbered);
    // read() loads the library (a file made current, or the current one again).
    bool Load(bool remakeMenus, bool renumbered, const std::function<bool()>& read);
    // Where the tables do not hold the current file, it is read again later.
    void LoadAgainUnlessLoaded();

    MacroLibrary& library_;
    SettingsBlock& settings_;
    NetworkLock& lock_;
    LibraryDesk& desk_;
    Configs& ini_;
    ProgramNotices& editor_;
    bool loading_ = false;
};

}  // namespace orv::player
