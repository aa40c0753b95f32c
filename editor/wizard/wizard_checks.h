// Whether Next may leave a panel: nothing to say, a refusal (the message and
// the control to put the focus on) or a question the user answers first.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/schedule.h"
#include "editor/wizard/wizard_answers.h"
#include "editor/wizard/wizard_env.h"
#include "editor/wizard/wizard_script.h"

namespace orv::editor {

struct Question {
    std::string Caption;
    std::string Text;
};

struct Pass {};
using CheckOutcome = std::variant<Pass, WizardRefusal, Question>;

// The tests of the table-driven checks.
enum class CheckTest {
    Typed,        // text of length 1 or more, blanks counting
    Filled,       // trimmed text not empty
    Chosen,       // an item chosen
    AnySelected,  // a line of a multiple-choice list selected
    File,         // the trimmed path names an existing file
    Folder,       // the trimmed path names an existing folder
    Count0,       // a whole number, 0 or more
    Count1,       // a whole number, 1 or more
    Minutes60,    // a whole number 1 to 60
    Refuse,       // the conditions alone refuse
};

// One check of a panel: it applies when every name of When is checked and
// none of Unless is, and refuses with Message, focusing Control.
struct PanelCheck {
    int Panel = 0;
    std::vector<std::string_view> When;
    std::vector<std::string_view> Unless;
    std::string_view Control;
    CheckTest Test = CheckTest::Filled;
    std::string_view Message;
};

std::span<const PanelCheck> PanelChecks();

CheckOutcome ValidData(int panel, int kind, const WizardAnswers& answers, const WizardEnv& env);

// Panel 3 was left forward: a hot key a global macro already has (which the
// user agreed to) rules out global scope; any other answer allows it again.
void SettleGlobalScope(WizardAnswers& answers, bool sharedHotKey);

// How the macro is started: panel 2's choice; a reminder is always timed and
// a capture or pop-up menu always has a hot key.
enum class Activation { HotKey, Cueword, Timed, None, Title };
Activation ActivationOf(int kind, const WizardAnswers& answers);

// The schedule answers of panel 3 with the names of the controls they came
// from, for the check to focus.
struct ScheduleControls {
    ScheduleEntry Entry;
    std::string Hour, Minute, Year = "OnceYear", Month = "OnceMonth", Day, Minutes;
};
ScheduleControls ScheduleAnswers(const WizardAnswers& answers);

// The largest number of macros a pop-up menu holds, and the refusal of one
// more.
constexpr int MaxMenuMembers = 36;
std::string FullMenuMessage(const std::string& menu);
// Said when the player changed the library while the wizard was open, so the
// menu chosen may no longer be where the wizard saw it.
inline constexpr const char* MenuMovedMessage =
    "The macro file was changed by another program while the wizard was open.  The macro was "
    "added, but not to the popup menu: please add it there yourself.";

}  // namespace orv::editor
