// How the main window offers the quick wizards: a menu item per kind, and a
// button on the wizard page for the kinds that have one.
#pragma once

#include <span>
#include <string>

namespace orv {

struct WizardMenuEntry {
    int Kind;
    std::string Caption;        // the menu item's
    std::string ButtonCaption;  // the button's lines, one blank apart; empty for none
};

// In the menu's order; the first-time settings have an item of their own.
std::span<const WizardMenuEntry> WizardMenuEntries();

}  // namespace orv
