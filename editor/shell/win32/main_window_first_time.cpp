// The first-time setup from the main window: the settings wizard, whose
// answers are stored outside the library's lock (they change no macro), then
// one quick wizard per starter macro the user asked for.
#include "common/message_boxes.h"
#include "editor/shell/win32/main_window.h"
#include "editor/wizard/first_time_settings.h"
#include "editor/wizard/wizard_kinds.h"

namespace orv::editor {

void TMainWin::DoFirstTime() {
    // Refused before the wizard, so no answer the user gives is lost.
    if (roads_.RefusedWhileRecording())
        return;
    std::optional<FinishOutcome> outcome = RunQuickWiz(Number(WizardKind::FirstTime));
    auto* setup = outcome ? std::get_if<FirstTimeOutcome>(&*outcome) : nullptr;
    if (!setup)
        return;
    SaveFirstTimeSettings(*setup, settings_, context_.Config, roads_.Lock(), context_.Notices);
    for (const StarterMacro& starter : StarterMacros()) {
        if (!(setup->Choices.*starter.Chosen))
            continue;
        CurrentMessageBoxes().Show("New Macro", starter.Explanation,
                                   MsgStyle::Ok | MsgStyle::IconInformation);
        DoQuickWiz(starter.Kind);
    }
}

}  // namespace orv::editor
