#include "editor/wizard/win32/wizard_capture.h"

#include <cstdint>

#include "common/capture_text.h"
#include "common/files.h"
#include "common/message_boxes.h"
#include "common/win32/foreground.h"
#include "common/win32/system_routines.h"
#include "editor/wizard/wizard_capture.h"

namespace orv::editor {
namespace {

void Tell(const std::string& text) {
    CurrentMessageBoxes().Show("Error", text, MsgStyle::Ok);
}

// The form's program gone, killed or closed: the same end as its own notice.
void CALLBACK FormProgramGone(PVOID wizard, BOOLEAN) {
    PostMessageA(static_cast<HWND>(wizard), ProgramMessage::CaptureEnded, 0, 0);
}

}  // namespace

SweepstakesRecording::SweepstakesRecording(WizardHost& host) : host_(host) {}

SweepstakesRecording::~SweepstakesRecording() {
    Stop();
}

bool SweepstakesRecording::Start(HWND wizard, const std::string& programDir) {
    const std::string capture = CaptureFilePath(programDir);
    file_.open(capture, std::ios::binary | std::ios::trunc);
    if (!file_) {
        Tell("The capture file " + capture + " could not be created.  Nothing has been recorded.");
        return false;
    }
    if (!Launch(wizard, programDir)) {
        file_.close();
        Tell("The sweepstakes program KESTRAVO.EXE could not be started.");
        return false;
    }
    wizard_ = wizard;
    host_.SetCapWind(wizard, true);
    host_.UpCapture(SweepstakesCapturePlan());
    host_.UpCaptureOn(true);
    running_ = true;
    WatchExit();
    return true;
}

bool SweepstakesRecording::Launch(HWND wizard, const std::string& programDir) {
    const std::string program = InFolder(programDir, SweepstakesProgram);
    // The form posts to the handle as the hook library's block keeps it.
    const std::string parameters =
        "QOT " +
        std::to_string(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(wizard)));
    process_ = StartCompanionProcess(program, parameters);
    return process_ != nullptr;
}

void SweepstakesRecording::WatchExit() {
    if (process_ && !RegisterWaitForSingleObject(&exitWait_, process_, FormProgramGone, wizard_,
                                                 INFINITE, WT_EXECUTEONLYONCE))
        exitWait_ = nullptr;
}

void SweepstakesRecording::StepAside() {
    ShowWindow(wizard_, SW_HIDE);
    host_.ShowEditor(false);
}

void SweepstakesRecording::CaptureChar(LPARAM character) {
    const char c = static_cast<char>(character & 0xFF);
    // Flushed at once, so what was typed outlives a crash of the editor.
    if (running_ && c != 0)
        file_.put(c).flush();
}

void SweepstakesRecording::CaptureFinished() {
    if (!running_)
        return;
    CaptureOff();
    host_.ShowEditor(true);
    ShowWindow(wizard_, SW_SHOW);
    TransferForeground(wizard_);
}

void SweepstakesRecording::Stop() {
    if (running_)
        CaptureOff();
}

void SweepstakesRecording::CaptureOff() {
    running_ = false;
    // Waits for a notice of the form's exit that is on its way, so none
    // comes after the handle is closed.
    if (exitWait_)
        UnregisterWaitEx(exitWait_, INVALID_HANDLE_VALUE);
    exitWait_ = nullptr;
    if (process_)
        CloseHandle(process_);
    process_ = nullptr;
    host_.UpCaptureOn(false);
    host_.SetCapWind(wizard_, false);
    file_.close();
}

}  // namespace orv::editor
