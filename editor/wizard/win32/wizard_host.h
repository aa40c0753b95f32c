// What the wizard form asks of the editor around it: the answers' world (the
// library, the settings, the program folder), the hook library's second and
// capture windows, and the player. The main window is the host in the
// program; tests use one over a memory hook library.
#pragma once

#include <windows.h>

#include "editor/wizard/wizard_capture.h"
#include "editor/wizard/wizard_env.h"
#include "editor/wizard/wizard_finish.h"

namespace orv::editor {

class WizardHost {
  public:
    virtual ~WizardHost() = default;
    // The library, settings and program folder as they are now.
    virtual WizardEnv Env() = 0;
    // The setting the opening panel's bypass box writes at once.
    virtual void SetBypass(bool bypass) = 0;
    // The window the hook library sends pressed combinations to
    // (ProgramMessage::SecondWindowKey).
    virtual void SetSecWind(HWND window, bool on) = 0;
    // The window recorded characters and the recording's end go to
    // (ProgramMessage::CaptureChar, CaptureEnded), and the recording.
    virtual void SetCapWind(HWND window, bool on) = 0;
    virtual void UpCapture(const CapturePlan& plan) = 0;
    virtual void UpCaptureOn(bool on) = 0;
    // The editor's windows out of the way while the user records elsewhere,
    // and back in front afterwards.
    virtual void ShowEditor(bool shown) = 0;
    // What Finish made, kept (a new macro saved); false when it could not be
    // kept for now (which was said): the wizard stays on its last panel with
    // the user's answers, to finish again or cancel.
    virtual bool Keep(FinishOutcome&) { return true; }
};

}  // namespace orv::editor
