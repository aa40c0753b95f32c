// The sweepstakes kind's recording: the practice form started beside the
// editor, the wizard as the hook library's capture window while the user
// types into that form, and the capture file the typing goes to. It ends once,
// when the form says so (its capture's end) or its program exits, whichever is
// first.
#pragma once

#include <windows.h>

#include <fstream>
#include <string>

#include "common/program_messages.h"
#include "editor/wizard/win32/wizard_host.h"

namespace orv::editor {

inline constexpr const char* SweepstakesProgram = "KESTRAVO.EXE";

class SweepstakesRecording {
  public:
    explicit SweepstakesRecording(WizardHost& host);
    ~SweepstakesRecording();
    SweepstakesRecording(const SweepstakesRecording&) = delete;
    SweepstakesRecording& operator=(const SweepstakesRecording&) = delete;

    // Starts the practice form from the program folder, told the wizard's
    // window, and the recording into the folder's capture file. False after
    // telling the user why nothing was started.
    bool Start(HWND wizard, const std::string& programDir);
    // Hides the wizard and the editor, so the user types into the form.
    void StepAside();
    // ProgramMessage::CaptureChar: one recorded character (NUL is none).
    void CaptureChar(LPARAM character);
    // ProgramMessage::CaptureEnded, or the form's program gone: capture off,
    // the wizard back in front; later ends are ignored.
    void CaptureFinished();
    // The wizard closing: capture off, nothing brought back.
    void Stop();
    bool Running() const { return running_; }

  private:
    bool Launch(HWND wizard, const std::string& programDir);
    void WatchExit();
    void CaptureOff();

    WizardHost& host_;
    HWND wizard_ = nullptr;
    HANDLE process_ = nullptr;
    HANDLE exitWait_ = nullptr;
    std::ofstream file_;
    bool running_ = false;
};

}  // namespace orv::editor
