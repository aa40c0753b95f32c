// A recording of keystrokes and mouse into a macro: started from "Capture
// Macro", fed by the hook library's reports to the main window, and ended
// once, by the stop key or the tray icon, when the capture becomes the
// macro's script.
#pragma once

#include <windows.h>

#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "common/capture_section.h"
#include "common/win32/task_icon.h"
#include "editor/shell/win32/capture_forms.h"
#include "editor/shell/win32/main_window.h"

namespace orv::editor {

struct CapturePlan;

class CaptureRecording {
  public:
    CaptureRecording(TMainWin& main, EditorContext& context);
    ~CaptureRecording();

    // "Capture Macro" for the handed-over record, and the recording the user
    // chose. A new macro is Saved when it starts (the caller appends it at
    // once); KeepsLock then says the lock stays held until the end. Every
    // road here began its change through the library's one road, whose guard
    // refuses while a recording runs: none starts over another.
    void Open(MacroHandOver& handOver);
    // Records the selected macro again: lock, read, dialog, write; the lock
    // stays held until the end.
    void Recapture();
    // Records into macro plan.MacroNumber, already appended by the caller
    // under the lock, with options chosen beforehand (the quick wizard's
    // capture kind). True once it runs; the lock is then held until the end.
    bool RecordPlanned(const CapturePlan& plan);

    // ProgramMessage::CaptureChar: a captured character while the recording runs.
    void CaptureChar(WPARAM macro, LPARAM character);
    // ProgramMessage::CaptureEnded: the end of the recording into macro; once only. It ends
    // even when the macro cannot take the capture, which is then kept in a
    // capture file of its own.
    void CaptureFinished(WPARAM macro);
    // The end, for the editor's close and the tray icon.
    void EndRunning();

    bool Running() const { return running_; }
    const TTaskIcon& TrayIcon() const { return trayIcon_; }

  private:
    // What one recording needs, however its options were chosen.
    struct Plan {
        CaptureOptions Options;
        int MacroNumber = 0;
        std::optional<KeyCombination> SecondKey;  // the recorded macro's own hot key
        std::string SpeedToken;                   // the capture file's first characters
        bool ProgramScope = false;
        std::string StartWindow;  // empty: the last active window
    };
    // The record's fields the capture dialog decides.
    static void TakeChoice(const TCaptureKeys& dialog, MacroRecord& record);
    // The chosen fields written to the held macro, or a new macro appended;
    // false when the file refused.
    bool KeepRecord(MacroHandOver& handOver);
    // The capture file made empty and kept open; false after saying so.
    bool OpenCaptureFile();
    // True once the hook library records into the open capture file for the
    // macro plan.MacroNumber, now held; the file is closed when it does not.
    bool Begin(const Plan& plan);
    void MakeWindowActive(const std::string& title);
    // The capture as the held macro's script, saved where it still is.
    bool SaveCapture(const std::string& topProgram, MacroRecord& record);
    void BringEditorToFront();
    // The lock the recording held since it began, given back counted.
    void ReleaseLock();

    TMainWin& main_;
    EditorContext& context_;
    TTaskIcon trayIcon_;
    std::ofstream file_;
    bool running_ = false;
    bool programScope_ = false;
    bool holdsLock_ = false;
    HeldMacro held_;  // the macro recorded into
};

// Puts the recording behind the add dialog's capture, the recapture
// operation and the main window's capture messages, and "Capture Defaults"
// behind the options menu. The recording, for the tests.
std::shared_ptr<CaptureRecording> InstallCapture(TMainWin& main, EditorContext& context);

}  // namespace orv::editor
