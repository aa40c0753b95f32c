// A macro chosen from a list is known by what the list showed of it and by
// its record as read, never by its number alone: the library may move under
// a list while it is shown (a running macro deletes, the player appends or
// opens another file, another machine changes the shared file).
#pragma once

#include <optional>
#include <vector>

#include "common/macro_library.h"
#include "editor/shell/macro_list.h"

namespace orv::editor {

// Whether record is the macro line shows (ShowsSameMacro).
bool ShowsRecord(const ListMacro& line, const MacroRecord& record);

// Record line.Number of the current file, held, only when it is the macro the
// line shows; says nothing.
bool HoldAsListed(const MacroLibrary& library, const ListMacro& line, HeldMacro& held);

// The macro a row shows, re-found in the current file however the file has
// moved since the list was filled: where asRead (the record read when the
// row was chosen) is now, else the one record that shows as the row does;
// none when the file no longer has it. A look only: nothing is written.
std::optional<HeldMacro> RefindListed(const MacroLibrary& library, const ListMacro& line,
                                      const std::optional<HeldMacro>& asRead);

// The macros a dialog lists, held for its life: what it finally reads or
// writes by number is the record as read when it was listed, and only while
// the file still has it at that number.
class HeldList {
  public:
    HeldList(const MacroLibrary& library, const std::vector<ListMacro>& listed);

    // Macro n as read; false, after saying ListedMacroMoved, when it was not
    // the listed macro or has moved since.
    bool Read(int n, MacroRecord& out) const;
    // The same, saying nothing: the caller says why in its own words.
    bool ReadQuietly(int n, MacroRecord& out) const;
    // Whether macro n is still the macro listed; says nothing.
    bool Holds(int n) const { return StillThere(n) != nullptr; }
    // Whether a read or a check has refused since the list was held: the
    // caller shows the list anew, to be chosen from as the file is now.
    bool Refused() const { return refused_; }

  private:
    // The hold of macro n while the file still has it there, or null.
    const HeldMacro* StillThere(int n) const;

    const MacroLibrary& library_;
    std::vector<HeldMacro> held_;
    mutable bool refused_ = false;
};

}  // namespace orv::editor
