// The macro list as text: the activation texts of the pick lists, the printed
// list and the listing, and the listing file of "Output Macros To File".
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/macro_record.h"
#include "common/macro_texts.h"
#include "editor/shell/export_library.h"
#include "editor/shell/library_view.h"

namespace orv::editor {

namespace OutputMessage {
inline constexpr const char* NothingChecked =
    "Nothing has been checked for printing.  Please Correct.";
inline constexpr const char* CreateFailed = "Unable to create text file.";
inline constexpr const char* ReadFailed =
    "A macro of the list could not be read from the macro file, or it has changed since the "
    "list was shown.  Nothing was written.";
inline constexpr const char* OpenLibrary =
    "The open macro file and its side files cannot hold the macro list.  Please choose a "
    "different file.";
}  // namespace OutputMessage

// The boxes of "Output Macros To File", all checked at first.
struct OutputChoices {
    bool HotKey = true;
    bool Name = true;
    bool Window = true;
    bool Text = true;
    bool Schedule = true;
    bool Icon = true;

    // At least one of hot key, name, window and text: the schedule and the
    // icon alone say nothing of a macro.
    bool AnythingChosen() const { return HotKey || Name || Window || Text; }
};

// The one-line description of a timed macro's schedule.
using ScheduleDescription = std::function<std::string(const MacroRecord&)>;

// The lines of one macro, each ended by CR LF, then an empty line.
std::string ListingOfMacro(const MacroRecord& record, const OutputChoices& choices,
                           const ScheduleDescription& schedule);

// Writes the listing of the macros numbered in rows (the list's rows in the
// order shown; numbers naming no macro are passed over) to target, a full
// path, whole or not at all. Shows what went wrong; target stays as it was
// unless written.
ListedWrite WriteMacroListing(const std::string& target, const std::vector<int>& rows,
                              const LibraryView& library, const OutputChoices& choices,
                              const ScheduleDescription& schedule);

}  // namespace orv::editor
