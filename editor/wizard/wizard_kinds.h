// The 29 kinds of the quick wizard: what each is called, the word its logo
// shows, the panels it asks in order, and the texts of its opening panel.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orv::editor {

// The kinds by name; the number is the kind's row, as the wizard's buttons and
// callers give it.
enum class WizardKind : int {
    TypeText = 1,
    Paste = 2,
    Symbol = 3,
    Launch = 4,
    WebSite = 5,
    DateOrTime = 6,
    Capture = 7,
    NetworkConnections = 8,
    RebootOrLogoff = 9,
    Reminder = 10,
    FileManagement = 11,
    DialUp = 12,
    DisplayResolution = 13,
    DefaultPrinter = 14,
    AudioCd = 15,
    VideoClip = 16,
    SoundsAndVolume = 17,
    Sweepstakes = 18,
    Wallpaper = 19,
    WindowSize = 20,
    MaximizeMinimize = 21,
    ExplorerFolder = 22,
    DesktopGoodies = 23,
    ScreenSaver = 24,
    PopupMenu = 25,
    FromOtherMacros = 26,
    SingleCommand = 27,
    FirstTime = 28,
    EMail = 29,
};

constexpr int WizardKindCount = 29;
static_assert(static_cast<int>(WizardKind::EMail) == WizardKindCount);

constexpr int Number(WizardKind kind) {
    return static_cast<int>(kind);
}
constexpr bool operator==(int number, WizardKind kind) {
    return number == Number(kind);
}

struct KindDecl {
    int Number = 0;
    std::string_view CaptionSuffix;
    std::string_view LogoWord;
    int LogoSize = 0;
    std::vector<int> Sequence;  // panel numbers in showing order
    std::string_view Functions;
    std::vector<std::string_view> Examples;
};

// The row of kind 1..29; any other number is a programming error.
const KindDecl& Kind(int number);
std::span<const KindDecl> Kinds();

// "Quick Wizard: " and the kind's suffix.
std::string WizardCaption(int kind);

// The examples of panel 1 as one text: each line opened by "»", lines joined
// by a line feed and a carriage return.
std::string ExamplesText(int kind);

}  // namespace orv::editor
