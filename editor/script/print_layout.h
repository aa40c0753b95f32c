// Where each text of a printed script goes: margins from the page size, rows
// of one line height, texts shortened from their end to the printable width,
// a new page past the bottom limit and between copies. Portable: the printer
// measures through TextMeasure.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/activation_kind.h"
#include "common/ui/fit_text.h"

namespace orv::editor {

struct PrintedText {
    int X = 0;
    int Y = 0;
    std::string Text;
    bool operator==(const PrintedText&) const = default;
};
using PrintedPage = std::vector<PrintedText>;

struct PrintPage {
    int Width = 0;
    int Height = 0;
    // The height of "ABCDEZahyjklgwqrstyp" in the print font.
    int SampleTextHeight = 0;
};

// The text whose height gives the line height.
inline constexpr std::string_view LineHeightSample = "ABCDEZahyjklgwqrstyp";

// The macro's heading: its nickname and what activates it.
std::string ScriptPrintHeading(const std::string& nickname, ActivationKind actKind,
                               const std::string& cueword, const std::string& scopeText,
                               const std::string& hotKeyName);

// The pages of copies of the script: "Orvane Script for " + heading on row 0,
// the lines from row 2 on.
std::vector<PrintedPage> LayOutScript(const std::string& heading,
                                      const std::vector<std::string>& lines, int copies,
                                      const PrintPage& page, const TextMeasure& width);

}  // namespace orv::editor
