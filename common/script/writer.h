// Command list to script text, and its delivery: into the macro being edited
// (the normal save), into the working file that holds the macro's script while
// a text file is edited in the same editor, or into that text file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/activation_kind.h"
#include "common/macro_record.h"
#include "common/script/records.h"

namespace orv {

constexpr std::string_view WorkingFileName = "TAVROL.TMP";

// The characters a Cueword name (and the Cueword prefix keys) may hold.
bool IsCuewordChar(char c);
// A Cueword name of those characters only; every dialog that names a Cueword
// refuses any other with BadCuewordNameMessage.
bool IsCuewordName(std::string_view name);
inline constexpr const char* BadCuewordNameMessage =
    "The Cueword name has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 "
    "and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +";

struct ScriptTextResult {
    std::string Text;
    std::string Error;           // why a line cannot be written; Text is then empty
    std::size_t FailedLine = 0;  // 0-based
    bool Ok() const { return Error.empty(); }
};

// The script text of the lines in order, without their indentation: a line
// read from a script as it stood there, a line a dialog made composed from
// its record. Lines that name no command add nothing. A line whose values
// cannot be written stops it, and so does a script that would not read back
// to the same lines (a text ending in "x<REM:" before a command): the
// failing line is the one to show.
ScriptTextResult ComposeScript(const std::vector<CommandLine>& lines);

// Why a text that ends in the beginning of a command cannot have anything
// written after it (it would take that in); empty when it can.
std::string UnfinishedTextProblem(std::string_view text);

// The text cut to at most limit characters; a token that would be cut in two
// is left out whole.
std::string CutScript(std::string_view text, std::size_t limit = MaxScriptLength);

// A script over the limit is cut only when the user agrees, asked as both
// script editors ask; none when the user keeps it (nothing is lost).
std::optional<std::string> CutIfAgreed(std::string text);

// What the writer reads of the script editor.
enum class ScopeChoice { Global, Specific, Program };
struct ScriptEditorFields {
    ActivationKind ActKind = ActivationKind::HotKey;
    bool IsExisting = false;
    bool EditingTextFile = false;
    std::string TextFilePath;
    std::string NickName;
    std::string IconChoice;
    ScopeChoice Scope = ScopeChoice::Global;
    std::string CuewordName;  // the window title for a window-title macro
};

enum class SaveOutcome {
    Refused,          // a message was shown or a question declined; nothing changed
    Parked,           // the script is in the working file; the text file may be loaded
    TextFileWritten,  // the text file was written; the parked script is to be reloaded
    Saved,            // the macro record is filled; the editor closes
};

// The activation name checks both script editors make before a save; false
// after the message saying what is wrong.
bool ActivationNameAccepted(const ScriptEditorFields& editor);
// A Window or Program scope needs the window title or program it is for;
// false after the message saying so.
bool ScopeNamed(const ScriptEditorFields& editor, const MacroRecord& macro);

// Fills the macro record with the editor's fields and a script of at most
// MaxScriptLength characters; a new macro is enabled. Only the record: the
// append that writes a new macro counts it.
void StoreInMacro(const ScriptEditorFields& editor, std::string_view text, MacroRecord& macro);

struct SaveResult {
    SaveOutcome Outcome = SaveOutcome::Refused;
    bool FocusName = false;  // the refusal concerns the Cueword name or window title box
    std::optional<std::size_t> FailedLine;  // the script line that cannot be saved
};

// The save of the script editor into macro, the editor shell's current
// record. park asks for the script to go into the working file in the program
// folder.
SaveResult SaveIt(const ScriptEditorFields& editor, const std::vector<CommandLine>& lines,
                  bool park, std::string_view programDir, MacroRecord& macro);

}  // namespace orv
