// Chosen macros of the open library written to a new macro file. The new file
// is written whole under a temporary name and then renamed, and it may never be
// the open library or one of its side files.
#pragma once

#include <string>
#include <vector>

#include "editor/shell/library_view.h"

namespace orv::editor {

namespace ExportMessage {
inline constexpr const char* NothingSelected =
    "No Hot Key Macros have been selected for exporting.";
inline constexpr const char* CreateFailed = "Unable to create export file.";
inline constexpr const char* Complete = "Export Complete";
inline constexpr const char* OpenLibrary =
    "The open macro file and its side files cannot be export files.  Please choose a different "
    "file.";
inline constexpr const char* ReadFailed =
    "A chosen macro could not be read from the macro file, or it has changed since the list "
    "was shown.  Nothing was exported.";
}  // namespace ExportMessage

// What writing macros a dialog listed to a file came to.
enum class ListedWrite {
    Written,
    // A macro listed was not read (the list no longer shows the file as it
    // is): the dialog closes, to be chosen from anew.
    NotRead,
    // The file was refused or not written: another may be chosen.
    NotWritten,
};

// Writes the macros numbered in selected, in that order, to target (a full
// path); a pop-up menu keeps the members exported with it, renumbered. Shows
// what went wrong, or "Export Complete"; target stays as it was unless written.
ListedWrite ExportMacros(const std::vector<int>& selected, const std::string& target,
                         const LibraryView& library);

}  // namespace orv::editor
