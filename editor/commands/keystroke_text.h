// What the keystroke text editors compute: the Text command's editor and the
// direct script text editor share it. Inserting tokens at the caret within
// the script limit, the text as Update takes it, case-insensitive find and
// replace, the key buttons and the "Miscellaneous" list with their tokens,
// and the symbol grid's codes; also what the find and replace prompt takes.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "common/macro_record.h"
#include "editor/commands/command_dialogs.h"

namespace orv::editor {

constexpr std::string_view TextTooLongMessage = "Text exceeds maximum length.  Text not added.";

// Whether added more characters still fit the script limit.
bool CheckSize(std::string_view text, std::size_t added);

// The token inserted at the selection's start (a selection is kept, not
// replaced), and where the caret goes: right after the token.
struct Insertion {
    std::string Text;
    int Caret = 0;
};
Insertion InsertAt(std::string_view text, int selStart, std::string_view token);

// The text Update takes: every Tab written as its token, and a text over the
// script limit cut before the token that would be cut in two, with the notice
// to show (empty when nothing was cut).
struct UpdatedText {
    std::string Text;
    std::string Notice;
};
UpdatedText UpdateText(std::string_view memoText);

// The Text command's editor: Update takes the text as above and makes it a
// Text line; a text ending in the beginning of a command, which would take
// in the line after it, is refused.
enum class TextField { NewFormat };
struct TextValues {
    std::string Notice;  // the cut's notice, shown before the text is taken
};
using TextOutcome = CommandOutcome<TextField, TextValues>;
struct TextInput {
    std::string Text;
};
TextOutcome ComposeText(const TextInput& input);
template <>
TextInput InputFromRecord<TextInput>(CommandCode code, const CommandRecord& record);

// The next occurrence of find from searchPos on, without regard to ASCII case:
// the selection to show and the position the next search starts from. Not
// found starts the next search from the beginning again.
struct SearchHit {
    bool Found = false;
    int SelStart = 0;
    int SelLength = 0;
    int SearchPos = 0;
};
SearchHit FindNext(std::string_view text, std::string_view find, int searchPos);

// Every occurrence of find, left to right over the text not yet scanned and
// without regard to ASCII case, replaced; the rest keeps its case.
struct Replacement {
    std::string Text;
    int Count = 0;
};
Replacement ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);

// The messages of a search, captioned "Warning" and "Replaced".
std::string NotFoundMessage(std::string_view find);
std::string ReplacedMessage(std::string_view find, int count);

// The key buttons, with the menu each sits in: "&Keys" or "FKe&ys".
struct KeyButton {
    std::string_view Caption;
    std::string_view Token;
    bool FunctionKey = false;
};
constexpr int KeyButtonCount = 30;
extern const std::array<KeyButton, KeyButtonCount> KeyButtons;

// The "Miscellaneous" list: display names and their tokens.
struct MiscEntry {
    std::string_view Name;
    std::string_view Token;
};
constexpr int MiscEntryCount = 42;
extern const std::array<MiscEntry, MiscEntryCount> MiscBoxEntries;

// The symbol grid: column c, row r shows code 128 + 8c + r, so each column
// holds eight consecutive codes from top to bottom.
constexpr int SymbolCols = 16;
constexpr int SymbolRows = 8;
constexpr int SymbolCode(int col, int row) {
    return 128 + 8 * col + row;
}
// The character of a cell as a Text line.
enum class SymbolField { SymbolGrid };
using SymbolOutcome = CommandOutcome<SymbolField>;
SymbolOutcome ComposeSymbol(int col, int row);

// What the find and replace prompt gives: both texts cut to 255 characters
// and not trimmed (a blank may be what is sought); confirmed only with a
// find text.
struct SearchRequest {
    std::string FindText;
    std::string ReplaceText;
    bool Confirmed = false;
};
SearchRequest ReadSearchRequest(std::string_view find, std::string_view replace);

}  // namespace orv::editor
