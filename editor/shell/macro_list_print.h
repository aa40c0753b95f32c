// The printed macro list: the library's name, then one line per listed macro
// in three columns (activation, nickname, scope), laid out on a canvas the
// caller prints on.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/macro_record.h"
#include "editor/shell/library_view.h"

namespace orv::editor {

inline constexpr const char* PrintJobTitle = "Orvane 99";

namespace PrintMessage {
inline constexpr const char* Busy = "Other print job currently in progress.";
inline constexpr const char* ReadFailed =
    "A macro of the list could not be read from the macro file, or it has changed since the "
    "list was shown.  Nothing was printed.";
}  // namespace PrintMessage

// A page surface measured in its own pixels, its font already chosen.
class PrintCanvas {
  public:
    virtual ~PrintCanvas() = default;
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;
    virtual void PrintText(int x, int y, std::string_view text) = 0;
    virtual void NewPage() = 0;
};

struct PrintRow {
    std::string Activation;
    std::string Nickname;
    std::string Scope;
};

PrintRow PrintRowOf(const MacroRecord& record);

// The rows of the macros numbered in macros, in that order; nothing (with a
// message) when one cannot be read, so no row is printed with another's values.
std::optional<std::vector<PrintRow>> ReadPrintRows(const std::vector<int>& macros,
                                                   const LibraryView& library);

// Every copy starts on a page of its own with "Macro File: " and the library's
// full name; a row whose top lies below the page's lower margin is the last of
// its page. No page is left blank.
void PrintMacroList(PrintCanvas& canvas, std::string_view libraryFile,
                    const std::vector<PrintRow>& rows, int copies);

}  // namespace orv::editor
