// Macros from a text file of items: a line "<ITEM NAME>" + the keys (a hot
// key's name or a Cueword), a nickname line, then the script's lines up to the
// next item.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_time.h"
#include "common/macro_record.h"
#include "editor/shell/library_view.h"

namespace orv::editor {

inline constexpr std::string_view ItemHeader = "<ITEM NAME>";

namespace TextImportMessage {
inline constexpr const char* Confirm =
    "The import of a text file requires the text file to be in a specific format. Improper "
    "format will cause unpredictable results.  See the help file for proper format.  Click OK "
    "if you wish to continue.";
inline constexpr const char* WrongFormat =
    "The text file chosen does not appear to have the correct format required by Cuewords.";
}  // namespace TextImportMessage

struct TextItem {
    std::string Keys;
    std::string Nickname;
    std::string Text;  // the content lines joined by CR LF

    friend bool operator==(const TextItem&, const TextItem&) = default;
};

// Every item of the file; nothing when its first line is not an item header.
// Lines end with CR LF, LF or CR; a line over 5,001 characters keeps its first
// 5,000 and its last.
std::optional<std::vector<TextItem>> ReadTextItems(std::string_view contents);

// The record of one item: a hot key when the keys name one (any case), else a
// checked Cueword.
MacroRecord TextItemRecord(const TextItem& item, DateTime now);

// Reads the whole file first, so a file of the wrong format adds nothing, then
// appends one macro per item until the library is full; an item on a hot key
// that a macro of the library file or an earlier item holds is left out and
// said. The number added (the
// caller tells other machines of a change only when it is above 0).
int ImportTextItems(std::string_view contents, LibraryView& library, DateTime now);

}  // namespace orv::editor
