#include "editor/script/print_layout.h"

#include <algorithm>
#include <cmath>

namespace orv::editor {

std::string ScriptPrintHeading(const std::string& nickname, ActivationKind actKind,
                               const std::string& cueword, const std::string& scopeText,
                               const std::string& hotKeyName) {
    switch (actKind) {
        case ActivationKind::HotKey:
            return nickname + "  (" + hotKeyName + ")";
        case ActivationKind::Timed:
            return nickname + "  (Timed Macro)";
        case ActivationKind::Cueword:
            return nickname + "  (Cueword:" + cueword + ")";
        case ActivationKind::WindowTitle:
            return nickname + "  (Window Title: " + scopeText + ")";
        default:
            return nickname;
    }
}

std::vector<PrintedPage> LayOutScript(const std::string& heading,
                                      const std::vector<std::string>& lines, int copies,
                                      const PrintPage& page, const TextMeasure& width) {
    const int left = page.Width / 17;
    const int top = page.Height / 22;
    const int printable = page.Width - 2 * left;
    const int bottomLimit = page.Height - 2 * top;
    const int lineHeight = static_cast<int>(std::lround(std::max(0, page.SampleTextHeight) * 1.1));

    std::vector<PrintedPage> pages;
    for (int copy = 0; copy < copies; ++copy) {
        pages.emplace_back();
        // The heading is shortened before its prefix goes in front, as printed.
        pages.back().push_back(
            {left, top, "Orvane Script for " + FitText(heading, printable, width)});
        int row = 2;
        for (const std::string& line : lines) {
            int y = top + row * lineHeight;
            pages.back().push_back({left, y, FitText(line, printable, width)});
            ++row;
            if (y > bottomLimit) {
                pages.emplace_back();
                row = 0;
            }
        }
        if (pages.back().empty())
            pages.pop_back();
    }
    return pages;
}

}  // namespace orv::editor
