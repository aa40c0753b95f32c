// What the panels show the first time they appear, and the texts they take on
// from earlier answers: lists drawn from the library, the settings and the
// system, each as data the form only copies into its controls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/hotkeys.h"
#include "editor/wizard/wizard_answers.h"
#include "editor/wizard/wizard_capture.h"
#include "editor/wizard/wizard_env.h"

namespace orv::editor {

// Panel 3: one line per hot-key code, and the codes a global, pop-up menu or
// system macro already holds.
std::vector<std::string> HotKeyListLines(const WizardEnv& env);
std::array<std::uint8_t, HotKeyCount> HotKeyUsed(const WizardEnv& env);

// Panel 9: the pop-up menu macros; 50: every macro but the system ones; 64:
// those with a nickname. Each line carries its macro number.
std::vector<ListLine> PopupMenuLines(const WizardEnv& env);
std::vector<ListLine> MenuMemberLines(const WizardEnv& env);
std::vector<ListLine> CombinableMacroLines(const WizardEnv& env);

// Panels 59 to 61 from the capture settings; 66 to 68 and 74 from theirs.
void LoadCaptureAnswers(const SettingsBlock& settings, WizardAnswers& answers);
void LoadFirstTimeAnswers(const SettingsBlock& settings, WizardAnswers& answers);

// Panel 10 of the reminder: its first ten characters, up to a line break.
std::string ReminderNickname(std::string_view reminder);

// Panel 16: one display mode.
std::string DisplayModeRow(int width, int height, int bitsPerPixel, int hertz);

// Panel 6: "A:" .. "Z:" for each letter not in use, or in use by a connected
// network drive. inUse has bit 0 for A.
std::vector<std::string> DriveList(std::uint32_t inUse, std::string_view networkLetters);

// Panels 8 and 32: whether a shortcut's target is listed as a program, and
// adding a line once only (names compared without regard to case).
bool IsListedProgram(std::string_view target);
void AddProgramLine(std::vector<ListLine>& lines, const std::string& line);

// Panel 14: the keystrokes, by shown name and token.
struct KeystrokeChoice {
    std::string_view Name;
    std::string_view Token;
};
std::span<const KeystrokeChoice> KeystrokeChoices();

// Panel 25: the special folders in the order of their tokens.
std::span<const std::string_view> SpecialFolders();

// Spin buttons: the bounds of each spun box.
struct SpinBounds {
    std::string_view Control;
    int Low = 0;
    std::optional<int> High;
};
std::span<const SpinBounds> SpinBoundsTable();

// The texts and visibility a panel takes on from earlier answers and the
// world around it each time it is shown, and the control that gets the focus.
struct Arranged {
    std::string Control;
    std::optional<std::string> Caption;
    std::optional<bool> Visible;
    bool Focus = false;
};
std::vector<Arranged> Arrangement(int panel, int kind, const WizardAnswers& answers,
                                  const WizardEnv& env);

// Panel 3: a one-time schedule starts at the next whole hour.
void LoadOnceMoment(DateTime now, WizardAnswers& answers);

// Panels 25 and 47: the choices a shell older than the browser's version 4
// cannot carry out are disabled.
void DisableOldShellChoices(WizardAnswers& answers, bool browser4OrLater);

// Panel 62: the capture system macro (action "2"), or nothing.
std::optional<LibraryEntry> CaptureSystemMacro(const WizardEnv& env);

}  // namespace orv::editor
