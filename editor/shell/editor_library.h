// The editor's operations on its macro library that must leave the file, the
// hook library and the player in step even when the file fails them.
#pragma once

#include <string>

#include "common/library_change.h"
#include "common/macro_library.h"

namespace orv::editor {

class EditorLibrary {
  public:
    EditorLibrary(MacroLibrary& library, SettingsBlock& settings, HookTable& table,
                  HookLibrary& hooks, ProgramNotices& notices)
        : library_(library), settings_(settings), table_(table), hooks_(hooks), notices_(notices) {}

    // Reads macro n for a change. A failure says why and leaves out as it was,
    // so no caller saves a stale record over macro n.
    bool ReadCurrentRecord(int n, MacroRecord& out);
    // The same, held for a change that outlives a modal loop.
    bool HoldRecord(int n, HeldMacro& held);

    // Appends record, through change, as the last macro of the library the
    // change began on; only once it is written does the new count reach the
    // hook library and the player. With at, only as macro number at. A
    // failure is said.
    [[nodiscard]] LibraryStatus AppendMacro(LibraryChange& change, MacroRecord& record, int at = 0);

    // Makes fileName the current library, by its full name from the current
    // folder. One that cannot be loaded, or whose full name the settings
    // cannot keep whole, is not kept: the tables keep the old library and
    // "Current File" stays.
    [[nodiscard]] bool SwitchLibrary(const std::string& fileName);

  private:
    void TellUnreadable(int n) const;

    MacroLibrary& library_;
    SettingsBlock& settings_;
    HookTable& table_;
    HookLibrary& hooks_;
    ProgramNotices& notices_;
};

}  // namespace orv::editor
