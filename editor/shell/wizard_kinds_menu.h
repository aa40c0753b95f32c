// How the main window offers the quick wizards: a menu item per kind, and a
// button on the wizard page for the kinds that have one.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace orv::editor {

struct WizardMenuEntry {
    int Kind;
    std::string Caption;                   // the menu item's; empty for none
    std::vector<std::string> ButtonLines;  // the button picture's two or three; none for no button
};

// In the menu's order; the first-time settings have an item of their own.
std::span<const WizardMenuEntry> WizardMenuEntries();

// Where a wizard button's picture puts its caption lines: two lines at 8 and
// 24 pixels from the top, three at 2, 16 and 30; each line centred and moved
// 25 pixels right, clear of the picture at the left.
std::vector<int> WizardCaptionTops(std::size_t lineCount);
int WizardCaptionLeft(int glyphWidth, int textWidth);

}  // namespace orv::editor
