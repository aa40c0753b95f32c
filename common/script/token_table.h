// The token grammar: one table of every token form of the script language,
// with the command it belongs to and how far it reaches, and the matcher that
// both readers (the editor's and the player's) use at every "<".
//
// No head is the beginning of another, so at most one row can match at a
// position and the order of the rows never matters. A head is matched in full
// and a token reaches only as far as its closing ">" really stands: text that
// merely begins like a token stays text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "common/script/catalogue.h"

namespace orv {

enum class TokenShape : std::uint8_t {
    Exact,         // the head is the whole token
    Closed,        // fixed fields, then ">" at Offset
    FreeText,      // fixed fields up to Offset, then text up to the next ">"
    Program,       // fixed fields up to Offset, then a program: path["<PARAM>"parameters]">"
    TitleProgram,  // fixed fields up to Offset, a title, "<LAUNCH:", then a program
    Network,       // option letters "P" "S", ":<NAME:" user "><PASS:" password ">" resource ">"
    Disconnect,    // option letters "P" "F" "S", ":" resource ">"
    Credentials,   // user "><PASS:" password ">" entry ">"
    TextBox,       // heading ">" body ">"
};

// Who knows a form: the editor's reader, the player, and whether the editor's
// writer produces it.
namespace TokenUse {
constexpr std::uint8_t Editor = 1;
constexpr std::uint8_t Player = 2;
constexpr std::uint8_t Written = 4;
constexpr std::uint8_t Read = Editor | Player;
constexpr std::uint8_t All = Editor | Player | Written;
}  // namespace TokenUse

// The placing token with five characters a field, a sign allowed.
constexpr std::string_view WidePlacingHead = "<WPOS2:";

// The window title that stands for the window in the foreground.
constexpr std::string_view CurrentWindowTitle = "\"CURRENT\"";

struct TokenForm {
    std::string_view Head;
    CommandCode Code;
    // The choice among the command's forms, in the numbering of its record's
    // kind or action field; for the keystroke tokens the virtual key.
    std::uint8_t Variant;
    TokenShape Shape;
    std::uint8_t Offset;
    std::uint8_t Use;
};

// A fixed number field of a token: its characters From..To, counted from the
// "<". A closed token with a single field has it from the end of its head to
// its ">"; the tokens with several fields name each one here, for the writer
// and both readers alike.
struct TokenField {
    std::size_t From;
    std::size_t To;
    constexpr std::size_t Width() const { return To + 1 - From; }
};
// "<REP:cccc:ssssss:tttttt>": the count, the counter's start and its step.
namespace RepeatField {
constexpr TokenField Count{5, 8};
constexpr TokenField Start{10, 15};
constexpr TokenField Step{17, 22};
}  // namespace RepeatField
// "<PAUSE:ttt,lll" message ">": where the pause window stands.
namespace PauseField {
constexpr TokenField Top{7, 9};
constexpr TokenField Left{11, 13};
}  // namespace PauseField
// "<MMS:xxxxx,yyyyy>" and the other pointer moves: the point.
namespace PointField {
constexpr TokenField X{5, 9};
constexpr TokenField Y{11, 15};
}  // namespace PointField
// "<WALLP:xxxx,yyyy" file ">": a wallpaper placed at a point; the file runs
// from FileFrom to the ">".
namespace WallpaperField {
constexpr TokenField X{7, 10};
constexpr TokenField Y{12, 15};
constexpr std::size_t FileFrom = 16;
}  // namespace WallpaperField

// The single field of a closed token.
constexpr TokenField ClosedField(const TokenForm& form) {
    return {form.Head.size(), form.Offset - 1u};
}

// The file of a placed wallpaper, from the token's free text (which starts at
// the form's offset).
constexpr std::string_view PlacedWallpaperFile(const TokenForm& form, std::string_view text) {
    const std::size_t at = WallpaperField::FileFrom - form.Offset;
    return at < text.size() ? text.substr(at) : std::string_view{};
}

struct TokenMatch {
    const TokenForm* Form = nullptr;
    std::size_t Length = 0;  // from the "<" to the closing ">" inclusive
    // The free-text parts in token order: the text; or title, path and
    // parameters; or user, password and resource or entry; or heading and body.
    std::array<std::string_view, 3> Texts{};
    std::string_view Letters;  // the option letters of the network tokens
};

// Every form, keystroke tokens first.
std::span<const TokenForm> TokenTable();

// The form whose head stands at pos and whose shape is complete there, among
// the forms known to the given readers (TokenUse bits).
std::optional<TokenMatch> MatchToken(std::string_view text, std::size_t pos, std::uint8_t use);

// The form the writer produces for a command and variant; a pairing that has
// none is a programming error and gives nullptr.
const TokenForm* WrittenForm(CommandCode code, int variant);

// Date tokens: "<" format "{" Z D ddd "}>" (ddd digits only), or the short "<"
// format "{" Z "}>"; time tokens: "<" format "{" Z "}>" with Z "N" or "Y".
// Format is 1-based into its table.
struct DateTimeMatch {
    bool IsDate = true;
    int Format = 1;
    bool ShowZeros = false;
    bool Future = true;
    int Days = 0;
    std::size_t Length = 0;
};
std::optional<DateTimeMatch> MatchDateTimeToken(std::string_view text, std::size_t pos);

// Where a text ends in the beginning of a token that what is written after it
// could complete (the position of its "<"), or npos. Followed by another
// command, such a text would take that command into its token.
std::size_t UnfinishedTokenAt(std::string_view text);

}  // namespace orv
