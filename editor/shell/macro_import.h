// Import of macros from a macro file of this program (".ORN"), of the sibling
// product (".DR2") or a Cueword file (".CUW"): the listed entries of the file
// and the macros appended for the chosen ones.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_time.h"
#include "editor/shell/library_view.h"

namespace orv::editor {

enum class ImportKind { Own = 1, Dravel = 2, Cueword = 3 };

namespace ImportMessage {
inline constexpr const char* WrongType =
    "Improper file type selected.  Please choose a different file.";
inline constexpr const char* OpenFailed = "Unable to open import file.";
inline constexpr const char* NothingChosen =
    "No macros are flagged for import.  Click on the macros you wish to import.";
inline constexpr const char* ContinueWithExclusions =
    "One or macro were flagged to be excluded from the import.  Continue import anyway?";
inline constexpr const char* ChangedSinceListed =
    "The import file changed after it was listed; the macros whose records changed were not "
    "imported.";
inline constexpr const char* LibraryChangedDuring =
    "Another program added or removed macros in the macro file during the import; the macros "
    "not yet imported were left out.";
}  // namespace ImportMessage

// The hot keys the macros of the library file hold for the whole system
// (global, pop-up menu and system macros').
std::vector<std::uint16_t> SystemWideKeysOf(const LibraryView& library);

// Says that an imported macro is left out: a macro of the library, or one
// this import already took, has its global hot key.
void SayImportKeyTaken(std::uint16_t code);

// The kind named by the file's last four characters in any case.
std::optional<ImportKind> ImportKindOf(std::string_view fileName);

// One listed macro of the import file.
struct ImportEntry {
    std::string Nickname;
    std::int16_t Kind = 0;
    std::uint16_t Activation = 0;
    std::string ScopeText;  // the first 20 characters
    std::string Cueword;
    int Position = 0;  // 0-based record position in the file
    bool operator==(const ImportEntry&) const = default;
};

struct ImportSource {
    std::string FileName;
    ImportKind Kind = ImportKind::Own;
    // Every listable record; an own file's system macros are left out.
    std::vector<ImportEntry> Entries;
};

// Why the editor would not have made the listed record itself (a kind or an
// activation outside their coding, a Cueword or window title its activation
// dialogs refuse), or nothing.
std::optional<std::string> ImportRefusal(const ImportEntry& entry, ImportKind kind);

// What is said of the records left out of the listing: each refused one
// named with its reason, a last part that is not a whole record, and how
// many records of the file that leaves out.
std::string LeftOutMessage(const std::vector<std::string>& refusals, std::size_t fragmentBytes);

// The listable records of the file; nothing (with its message) when the file
// is of no known kind or cannot be read. Records refused (ImportRefusal, and
// a ".DR2" timed record whose schedule the schedule dialog refuses) and a
// last part that is not a whole record are left out and said.
std::optional<ImportSource> OpenImportSource(const std::string& fileName);

struct ImportChoice {
    std::vector<int> Chosen;  // what stays chosen
    bool Proceed = false;     // false: the dialog stays open
};

// The checks before an import: a chosen global or pop-up macro whose hot key
// a macro of the library (activations, in file order) or a chosen line above
// it already has is deselected with a warning per holder; the lines past the library's room are
// named; the user confirms any exclusion.
ImportChoice CheckImportChoice(const ImportSource& source, const std::vector<int>& chosen,
                               const std::vector<std::uint16_t>& activations);

struct ImportOutcome {
    int Added = 0;
    // An imported pop-up menu has its own tray icon.
    bool TrayMenu = false;
};

// Appends the macros of the chosen entries (indexes into Entries, in list
// order) while the library has room, the pop-up menus among them last. A pop-up menu of an
// own file keeps the members imported with it, renumbered to the places the
// library file gives them. A record that is no longer the one listed (another program rewrote
// the file meanwhile) is left out and said; so is a global or pop-up macro
// on a hot key the library file holds by now, and the rest when the library
// file no longer numbers them so.
ImportOutcome ImportChosen(const ImportSource& source, const std::vector<int>& chosen,
                           LibraryView& library, DateTime now);

}  // namespace orv::editor
