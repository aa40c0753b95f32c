// What Finish makes of the answers: a new macro for the main window to save,
// a recording to start, or the first-time settings; or the question or
// refusal that keeps the wizard open on its last panel. Nothing here writes
// the library or raises the macro count: the launcher does, with the result.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "common/macro_record.h"
#include "common/settings.h"
#include "editor/wizard/wizard_answers.h"
#include "editor/wizard/wizard_capture.h"
#include "editor/wizard/wizard_env.h"
#include "editor/wizard/wizard_script.h"

namespace orv::editor {

struct MacroOutcome {
    MacroRecord Record;
    int AddToMenu = 0;  // the pop-up menu macro to add the new macro to; 0 none
    bool TrayMenu = false;
};

struct CaptureOutcome {
    MacroRecord Record;
    CapturePlan Plan;
};

// The starter macros the first-time setup offers.
struct FirstTimeChoices {
    bool Name = false, Email = false, Date = false, Dial = false, SendEMail = false, Net = false;
    bool Logoff = false, CD = false, Pause = false, Mute = false, Print = false;
    bool operator==(const FirstTimeChoices&) const = default;
};

struct FirstTimeOutcome {
    // What the settings are stored from (SaveFirstTimeSettings): applied to
    // the program's settings as they are when the wizard has closed.
    WizardAnswers Answers;
    FirstTimeChoices Choices;
};

// A hot key the system may use itself: ask; Yes finishes with the key.
struct HotKeyWarning {
    std::string Caption;
    std::string Text;
};

using FinishOutcome =
    std::variant<MacroOutcome, CaptureOutcome, FirstTimeOutcome, HotKeyWarning, WizardRefusal>;

// The warning for a code of WindowsHotKeyTable; nothing for any other code.
std::optional<HotKeyWarning> WarnWindowsHotKey(int code);

// windowsKeyAccepted: the user answered Yes to the hot-key warning.
FinishOutcome FinishUp(int kind, const WizardAnswers& answers, const WizardEnv& env,
                       bool windowsKeyAccepted = false);

}  // namespace orv::editor
