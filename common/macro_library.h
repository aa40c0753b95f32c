// The macro library file: fixed-size MacroRecords without header, record i at
// (i - 1) x 5,165, and the operations both programs use on it. A loaded library
// lives in the per-macro tables of the SettingsBlock and the HookTable, whose
// entries are handed to the hook library.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/files.h"
#include "common/hook_library.h"
#include "common/macro_record.h"
#include "common/notices.h"
#include "common/settings.h"
#include "common/system_macro_action.h"

namespace orv {

// The editor and the player keep slightly different versions of the library
// operations (their system macro names and the Cueword case of a load).
enum class LibraryOwner { Editor, Player };

struct SystemMacro {
    SystemMacroAction action;
    const char* nickname;
    int firstHotKey;
};

// The five system macros in the order they are created.
const std::array<SystemMacro, 5>& SystemMacros(LibraryOwner owner);

// What the hook library's per-macro tables hold of a record.
MacroEntry HookEntryOf(const MacroRecord& record);

namespace LibraryMessage {
inline constexpr const char* SaveFailed = "Saving of keystrokes failed.";
inline constexpr const char* CreateFailed = "New file could not be created.";
inline constexpr const char* OpenFailed =
    "The macro file could not be read.  It is left as it is, and the macros loaded before stay "
    "in use; please check that it is not in use and that you may read it.";
inline constexpr const char* NotWholeMacros =
    "The file does not hold whole macros: it is cut short, or it is no macro file at all.  It is "
    "left as it is, and the macros loaded before stay in use.";
inline constexpr const char* IsFolder =
    "That name is a folder, not a macro file.  The macros loaded before stay in use.";
inline constexpr const char* ReadOnlyIncomplete =
    "The macro file is read-only, so the system macros it lacks cannot be added.  It is left as "
    "it is, and the macros loaded before stay in use.";
inline constexpr const char* FragmentKept =
    "The macro file does not hold whole macros: it is cut short, or it is no macro file at all.  "
    "It is left as it is, and nothing was changed.";
// A library whose last write was cut off: its whole macros are loaded.
inline constexpr const char* FragmentBehind =
    "The end of the macro file is the start of a macro whose saving was cut off.  The whole "
    "macros before it are in use; the unfinished one is dropped when a macro is next added or "
    "removed.";
inline constexpr const char* Vanished =
    "The macro file is no longer there: it was moved or deleted.  Nothing was created in its "
    "place, and the macros loaded before stay in use.";
inline constexpr const char* Emptied =
    "The macro file has become empty since it was read.  Nothing was written into it, and the "
    "macros loaded before stay in use.";
inline constexpr const char* ReadFailed = "The macro file could not be read completely.";
inline constexpr const char* ChangeFailed = "The macro file could not be changed.";
inline constexpr const char* NoSuchMacro = "That macro is no longer in the macro file.";
inline constexpr const char* LibraryFull =
    "Maximum number of Macros has been reached.  Add not allowed.";
inline constexpr const char* HeldMacroMoved =
    "The macro was changed, moved or removed by another program while you worked on it, or "
    "another macro file was opened.  Your change was not saved.";
// A change or run by number while the tables may no longer be numbered as
// the file is.
inline constexpr const char* TablesBehind =
    "The macro file has changed since it was last read, and it could not be read again, so "
    "the macros' places in it are not known.  Nothing was done; please try again in a moment.";
// A macro chosen from a list that no longer shows the file as it is.
inline constexpr const char* ListedMacroMoved =
    "The macro was changed, moved or removed by another program since the list was shown, or "
    "another macro file was opened.  Nothing was done; please choose it again.";
// The file is there but cannot be opened for a change now: another program
// (another machine, a backup) holds it.
inline constexpr const char* FileInUse =
    "Macro File in use by another user.  Please try again later.";
// A new macro meant for the library it was begun on, another being current.
inline constexpr const char* LibraryChanged =
    "Another macro file was opened while you worked on the macro, so it was not added to it.";
// The same, while the file cannot be opened to tell (another program holds it).
inline constexpr const char* ListedFileUnread =
    "The macro file could not be read to find the macro chosen (another program may be using "
    "it).  Nothing was done; please choose it again in a moment.";
}  // namespace LibraryMessage

// What a write into the library came to: the caller acts on it, and
// LibraryStatusMessage says it.
enum class LibraryStatus {
    Done,
    // The held macro is no longer the record read at its number, or the
    // library it was read from is no longer the current one; by number, the
    // record there is not the macro the tables list.
    Moved,
    // The macro is no longer in the file.
    Gone,
    // The tables may no longer be numbered as the file is, and the macro
    // they list there is not there: nothing is written by that number.
    Behind,
    // The file is there but cannot be opened now (another program holds it):
    // the same write may land later.
    FileBusy,
    // The file is not there now (moved away, its drive gone): the same write
    // may land once it is back.
    Away,
    // The file is not whole records coded as ours.
    NotOurs,
    // An append to a library of 500 macros.
    Full,
    // Read-only, full, or a write that failed: the file is as it was.
    Failed,
};

// Whether the same write may land later: a dialog comes back with the user's
// entries instead of dropping them.
inline bool MayLandLater(LibraryStatus status) {
    return status == LibraryStatus::FileBusy || status == LibraryStatus::Away;
}

// Which write a status answers.
enum class LibraryWrite { Save, Append, Delete, Enable };

// The message of a status for a write; null for Done.
const char* LibraryStatusMessage(LibraryStatus status, LibraryWrite write);
// Shows the message of status (nothing for Done); true for Done.
bool SayLibraryStatus(LibraryStatus status, LibraryWrite write);

// A macro taken out for a change that outlives a modal loop or a recording:
// the file it came from, its number there and the record as read. It is
// written back only where all three still hold.
struct HeldMacro {
    std::string File;
    int Number = 0;
    MacroRecord AsRead;
};

// Whether a load says why it refused a file (a load tried again after one
// that said it does not).
enum class Refusal { Said, Quiet };

class MacroLibrary {
  public:
    MacroLibrary(LibraryOwner owner, SettingsBlock& settings, HookTable& table, HookLibrary& hooks,
                 ProgramNotices& notices, std::string programDir)
        : owner_(owner),
          settings_(settings),
          table_(table),
          hooks_(hooks),
          notices_(notices),
          programDir_(std::move(programDir)) {}

    // Loads the whole library into the tables and makes sure of the system
    // macros; a missing file is created (an empty one taken as new). The
    // player always tells the editor. Only a file read whole as whole records
    // coded as ours replaces the tables: a folder, a file that cannot be read
    // or is cut short (or is no library at all), and a read-only one that
    // lacks system macros are said and left as they are, and the tables keep
    // what was loaded before. False then.
    [[nodiscard]] bool LoadMacroFile(const std::string& fileName, bool notify,
                                     Refusal refusal = Refusal::Said);
    // LoadMacroFile of the current file, except that the file the tables were
    // read from, gone since, is said (Vanished) and not created again, and,
    // empty since, is said (Emptied) and not taken as a new library.
    [[nodiscard]] bool ReloadMacroFile(bool notify, Refusal refusal = Refusal::Said);
    // LoadMacroFile into this program's tables alone: the hook library and
    // the other program are handed and told nothing, so that they keep what
    // the player loaded until the player loads the file itself.
    [[nodiscard]] bool LoadForThisProgram(const std::string& fileName);
    // The current library's file.
    const std::string& FileName() const { return CurrentFile(); }
    // True when the tables hold file as it was last read whole.
    bool TablesFollow(const std::string& file) const { return !behind_ && tablesFrom_ == file; }
    // True when the file the tables were read from could not be read or
    // changed since: it may have changed underneath them. A record is then
    // read, written or removed by its number only where it is still the
    // macro the tables list there.
    bool TablesBehind() const { return behind_; }

    // Writes record n, which must be in the file as the macro the tables list
    // there (MayChange), or appends it when n is -1 (the caller has raised
    // the macro count, which becomes its number). Updates the tables, hands
    // the entry over and tells the other program. On failure nothing changes, an append gives
    // the count back, and the failure is said.
    [[nodiscard]] bool SaveMacroRecord(int n, MacroRecord& record);
    // What every command that adds a macro does: refused at 500 macros,
    // otherwise the count is raised and the record appended. Said.
    [[nodiscard]] bool AppendMacroRecord(MacroRecord& record);
    // The same, only into file, which must still be the current library, and
    // behind the last record the file has whatever the tables count (they
    // may wait for a reload); with at, only as macro number at (Behind when
    // the file would number it otherwise). Says nothing.
    [[nodiscard]] LibraryStatus AppendRecordTo(const std::string& file, MacroRecord& record,
                                               int at = 0);
    // The number an append to file gets now: one behind its last whole
    // record (behind the tables' count when it cannot be read).
    int NextAppendNumber(const std::string& file) const;
    // False, and out unchanged, when record n could not be read (or is not
    // the macro listed there while the tables are behind).
    bool ReadMacroRecord(int n, MacroRecord& out) const;
    // Record n of the current file, held for a change; false as ReadMacroRecord.
    bool HoldMacroRecord(int n, HeldMacro& held) const;
    // Writes record over the held macro, as SaveMacroRecord does, only while
    // the same file is current and its record at that number is still the
    // one read (Moved otherwise), checked in the one open that writes. held
    // then takes the record written, so that a later save of the same hold
    // finds it. Says nothing.
    [[nodiscard]] LibraryStatus SaveHeldRecord(HeldMacro& held, MacroRecord& record);
    // Takes record n, which the other program wrote, into the tables again;
    // false, with nothing changed, when it cannot be read.
    [[nodiscard]] bool RefreshEntry(int n);
    // Removes record n, refused as SaveMacroRecord refuses, from the file and
    // the tables (numbered as the file is now), and every pop-up menu's
    // member list loses n and renumbers the members behind it, in one
    // rewrite: a failure changes nothing and is said. The caller reloads.
    [[nodiscard]] bool DeleteMacroWithMenus(int n);
    // DeleteMacroWithMenus of a held macro, refused as SaveHeldRecord
    // refuses; says nothing.
    [[nodiscard]] LibraryStatus DeleteHeldMacro(const HeldMacro& held);
    // Whether the held macro's file is current and still has the record as
    // read at its number; says nothing.
    bool Holds(const HeldMacro& held) const;
    // The same as a status: Done, Moved, or FileBusy when the file cannot be
    // opened to tell.
    LibraryStatus HoldStatus(const HeldMacro& held) const;
    // Rewrites only the enabled flag of record n, refused as SaveMacroRecord
    // refuses; the tables take the record as written and hand its entry
    // over. Said.
    [[nodiscard]] bool SetMacroEnabled(int n, std::uint8_t enabled);
    // The same of a held macro, refused as SaveHeldRecord refuses; held takes
    // the flag written. Says nothing.
    [[nodiscard]] LibraryStatus SetHeldEnabled(HeldMacro& held, std::uint8_t enabled);

    // The icon a record shows, and whether its icon file is missing.
    IconChoice ResolveIcon(const MacroRecord& record, bool* fileMissing = nullptr) const;

  private:
    const std::string& CurrentFile() const { return settings_.MacroFiles[0].str(); }
    // What a read of record n of the current file found.
    enum class RecordRead { Read, FileUnopened, NotThere };
    RecordRead ReadRecord(int n, MacroRecord& out) const;
    // Read while the held macro's file is current and has its record as read.
    RecordRead CheckHold(const HeldMacro& held) const;
    bool Load(const std::string& fileName, bool notify, Refusal refusal, bool reload);
    // A library that does not exist yet, with the system macros.
    bool CreateLibrary(const std::string& fileName, Refusal refusal);
    // The tables hold records, numbered from 1, as file has them.
    void TakeRecords(const std::vector<MacroRecord>& records, bool notify, const std::string& file);
    // The file the tables came from failed to read or open.
    void LostSightOf(const std::string& file);
    // Gives the system macros in the tables this program's names and, with
    // appendMissing, appends those the file lacks.
    void CreateSystemMacrosIn(const std::string& path, bool appendMissing);
    // The file opened for a change in place, with its number of whole records
    // and its size (a trailing fragment of a write cut off counts in the size
    // alone); null, with why in status, when it is read-only, cannot be
    // opened, or holds bytes not coded as ours.
    FilePtr OpenForChange(const std::string& path, long long& records, long long& size,
                          LibraryStatus& status);
    // Whether the held macro was read from another file than path: it is not
    // there, whatever path holds now (missing, busy or a folder).
    static bool HeldElsewhere(const HeldMacro* held, const std::string& path) {
        return held && held->File != path;
    }
    // Whether record n of the open file f may be changed: without held, only
    // where it is the macro the tables list at n (Behind while the tables are
    // behind, Gone when the file has no record n, Moved otherwise); with held,
    // Moved when f has not the record held at n (the held file being path's).
    LibraryStatus MayChange(std::FILE* f, int n, long long records, const HeldMacro* held) const;
    // Whether record is the macro the tables list at n.
    bool Lists(int n, const MacroRecord& record) const;
    // The hook library and the other program hear of the tables unless only
    // this program's own are loaded.
    void HandOver(HookSection section, int item = 0);
    void Tell(int code, int argument);
    LibraryStatus SaveRecordTo(const std::string& path, int n, MacroRecord& record,
                               const HeldMacro* held = nullptr);
    LibraryStatus DeleteRecord(int n, const HeldMacro* held);
    LibraryStatus WriteEnabled(int n, std::uint8_t enabled, const HeldMacro* held);
    // A macro's entry changed: its settings row and its hook-table entry
    // from the record, handed to the hook library. The one road for an
    // entry, whoever wrote the record.
    void FillEntry(int i, const MacroRecord& record);
    // A hot-key code none of the first entries uses, searching down from start.
    int FindFreeHotKeyBelow(int start, int entries) const;

    LibraryOwner owner_;
    SettingsBlock& settings_;
    HookTable& table_;
    HookLibrary& hooks_;
    ProgramNotices& notices_;
    std::string programDir_;
    std::string tablesFrom_;
    bool behind_ = false;
    // The file whose trailing fragment was last said.
    std::string fragmentSaidFor_;
    bool ownTablesOnly_ = false;
};

}  // namespace orv
