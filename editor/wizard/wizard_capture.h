// The recordings the wizard starts: the capture options it hands to the hook
// library, and what the editor's main window does around them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/capture_section.h"
#include "common/hook_table.h"
#include "common/hotkeys.h"

namespace orv::editor {

// What a planned recording takes unless its answers say otherwise:
// keystrokes alone, without their timing.
inline constexpr CaptureOptions KeystrokesOnly{.DoubleAlt = false,
                                               .Keys = true,
                                               .Mouse = false,
                                               .Time = false,
                                               .ClicksOnly = true,
                                               .WindowSize = false,
                                               .RelativeTo = 1};

struct CapturePlan {
    int MacroNumber = 0;  // the number the recorded macro will have
    // Their Global, Prompt and Speed are the settings' defaults: a plan
    // neither asks nor names a speed the capture dialog's way.
    CaptureOptions Options = KeystrokesOnly;
    std::optional<KeyCombination> StopKey;    // none: all zeros
    std::optional<KeyCombination> SecondKey;  // the recorded macro's own hot key
    int Speed = 0;                            // the main window's capture speed; 0 leaves it
    std::string SpeedToken;                   // the capture file's first characters
    bool ProgramSpecific = false;
    std::string StartWindow;  // the title of the window to record in
};

// Writes every field of the capture section, so nothing of an earlier
// recording is left behind.
void ApplyCapturePlan(const CapturePlan& plan, HookTable& table);

// The recording of the sweepstakes kind: keystrokes only, into a macro that
// is not in the library, ended by the sweepstakes form.
CapturePlan SweepstakesCapturePlan();

}  // namespace orv::editor
