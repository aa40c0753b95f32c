#include "editor/shell/win32/capture_recording.h"

#include "common/capture_text.h"
#include "common/clock.h"
#include "common/hook_library.h"
#include "common/message_boxes.h"
#include "common/win32/foreground.h"
#include "common/win32/icons.h"
#include "common/win32/process_names.h"
#include "common/win32/window_numbers.h"
#include "editor/shell/macro_operations.h"
#include "editor/wizard/wizard_capture.h"

namespace orv::editor {

namespace {

constexpr const char* RecordingTip = "Macro Is Recording";
constexpr const char* MenuNotRecordedMessage =
    "A pop-up menu lists macros and has no keystrokes to record.  Use Modify to change it.";

// The file name of the program that owns the foreground window.
std::string GetTopProgram() {
    DWORD process = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &process);
    return ProgramOfProcess(process);
}

// The hot key's name, or "Cueword: " and the Cueword.
std::string ActivationName(const MacroRecord& record) {
    return record.ActivationCode == ActivationCode::Cueword ? "Cueword: " + record.CuewordText.str()
                                                            : KeyName(record.ActivationCode);
}

}  // namespace

CaptureRecording::CaptureRecording(TMainWin& main, EditorContext& context)
    : main_(main), context_(context) {
    trayIcon_.SetIcon(LoadProgramIcon(OrvaneIcon::Record, true));
    trayIcon_.SetToolTip(RecordingTip);
    trayIcon_.SetTaskIconID(0);
    trayIcon_.OnRightClick = [this](int, int) { EndRunning(); };
}

CaptureRecording::~CaptureRecording() {
    trayIcon_.SetActive(false);
}

void CaptureRecording::Open(MacroHandOver& handOver) {
    const int stopMacro = CaptureSystemMacro(context_.Table);
    const std::string stopName =
        stopMacro == 0 ? std::string() : KeyName(context_.Table.Entry(stopMacro).Activation);
    const bool hotKey = IsHotKeyCode(handOver.ActivationCode);
    TCaptureKeys dialog(context_.Settings, stopName,
                        hotKey ? KeyName(handOver.ActivationCode) : std::string());
    dialog.HotKeyLabel.SetText(handOver.HotKeyLabel);
    dialog.MacroNumber = handOver.MacroNumber;
    dialog.IsExisting = handOver.IsExisting;
    dialog.ScopeLocked = handOver.ScopeLocked || handOver.SharedKey;
    dialog.Nickname = handOver.Record.Nickname.str();
    dialog.ShowModal(handOver.Owner);
    if (!dialog.Started)
        return;
    TakeChoice(dialog, handOver.Record);
    if (!OpenCaptureFile())
        return;
    if (!KeepRecord(handOver)) {
        file_.close();
        return;
    }
    Plan plan{.Options = dialog.Options,
              .MacroNumber = handOver.MacroNumber,
              .ProgramScope = dialog.ProgramScope,
              .StartWindow = dialog.StartWindow};
    if (hotKey)
        plan.SecondKey = DecipherKey(handOver.ActivationCode);
    if (dialog.Options.Time)
        plan.SpeedToken = CaptureSpeedToken(dialog.Options.Speed);
    handOver.KeepsLock = Begin(plan);
}

void CaptureRecording::TakeChoice(const TCaptureKeys& dialog, MacroRecord& record) {
    if (!dialog.IsExisting)
        record.Enabled = 1;
    record.Nickname = dialog.Nickname;
    record.MacroKind = MacroKind::Global;
    record.ScopeText = "";
    record.ScopeMatch = 0;
}

bool CaptureRecording::KeepRecord(MacroHandOver& handOver) {
    // The nickname and scope chosen are kept even if the recording is lost.
    if (!handOver.Change)
        return false;
    if (handOver.IsExisting) {
        handOver.Saved = handOver.Change->Save(handOver.Record) == LibraryStatus::Done;
        held_ = handOver.Change->Held();
        return handOver.Saved;
    }
    // A new macro is appended before the recording starts, so that its end
    // always has a record to land in.
    if (main_.AppendMacro(*handOver.Change, handOver.Record) != LibraryStatus::Done)
        return false;
    handOver.MacroNumber = context_.Table.EntryCount();
    handOver.Saved = handOver.Appended = true;
    return true;
}

bool CaptureRecording::RecordPlanned(const CapturePlan& plan) {
    return OpenCaptureFile() && Begin({.Options = plan.Options,
                                       .MacroNumber = plan.MacroNumber,
                                       .SecondKey = plan.SecondKey,
                                       .SpeedToken = plan.SpeedToken,
                                       .ProgramScope = plan.ProgramSpecific,
                                       .StartWindow = plan.StartWindow});
}

bool CaptureRecording::OpenCaptureFile() {
    // Without its file nothing recorded would ever reach the macro.
    file_.open(CaptureFilePath(context_.ProgramDir), std::ios::binary | std::ios::trunc);
    if (file_)
        return true;
    ShowError("The capture file " + CaptureFilePath(context_.ProgramDir) +
              " could not be created.  Nothing has been recorded.");
    return false;
}

bool CaptureRecording::Begin(const Plan& plan) {
    if (!main_.Editing().HoldRecord(plan.MacroNumber, held_)) {
        file_.close();
        return false;
    }
    HookTable& table = context_.Table;
    SetCapWind(table, context_.Hooks, context_.Notices, WindowNumber(main_.Handle()), true);
    programScope_ = plan.ProgramScope;
    file_ << plan.SpeedToken;
    SetCaptureSection(table, plan.Options, plan.MacroNumber, CaptureStopKey(table), plan.SecondKey);
    context_.Hooks.HandOver(HookSection::Capture, table);
    context_.Notices.Post(NoticeCode::SectionChanged, static_cast<int>(HookSection::Capture));

    if (plan.StartWindow.empty())
        main_.SetWindowState(WindowState::Minimized);
    else
        MakeWindowActive(plan.StartWindow);
    trayIcon_.SetActive(true);
    table.SetCaptureRunning(true);
    context_.Hooks.HandOver(HookSection::CaptureOn, table);
    context_.Notices.Post(NoticeCode::SectionChanged, static_cast<int>(HookSection::CaptureOn));
    running_ = true;
    holdsLock_ = true;
    main_.SetRecording(true);
    return true;
}

void CaptureRecording::MakeWindowActive(const std::string& title) {
    HWND window = FindWindowA(nullptr, title.c_str());
    if (!window)
        return;
    TransferForeground(window);
}

void CaptureRecording::Recapture() {
    const int n = main_.SelectedMacro();
    if (n == 0)
        return;
    // A menu's record holds its members where a script would go.
    if (context_.Table.Entry(n).Kind == MacroKind::PopupMenu) {
        ShowError(MenuNotRecordedMessage);
        return;
    }
    LibraryChange change = main_.NewChange();
    if (!change.BeginOn(n, main_.Listed()))
        return;
    held_ = change.Held();
    MacroRecord record = held_.AsRead;
    MacroHandOver handOver{record};
    handOver.Owner = main_.Handle();
    handOver.MacroNumber = n;
    handOver.IsExisting = true;
    handOver.ActivationCode = record.ActivationCode;
    handOver.HotKeyLabel = ActivationName(record);
    handOver.ScopeLocked =
        record.MacroKind != MacroKind::Global && SharesGlobalHotKey(context_.Table, n);
    handOver.Change = &change;
    Open(handOver);
    if (handOver.KeepsLock)
        change.KeepLock();
    if (handOver.Saved) {
        main_.FillList();
        main_.SelectMacro(n);
    }
}

void CaptureRecording::CaptureChar(WPARAM, LPARAM character) {
    const char c = static_cast<char>(character & 0xFF);
    if (!running_ || c == 0)
        return;
    file_.put(c);
}

void CaptureRecording::CaptureFinished(WPARAM macro) {
    // The hook library names the macro it records; any other number is no
    // end of this recording.
    if (!running_ || macro != static_cast<WPARAM>(held_.Number))
        return;
    running_ = false;
    trayIcon_.SetActive(false);
    HookTable& table = context_.Table;
    table.SetCaptureRunning(false);
    context_.Hooks.HandOver(HookSection::CaptureOn, table);
    context_.Notices.Post(NoticeCode::SectionChanged, static_cast<int>(HookSection::CaptureOn));
    SetCapWind(table, context_.Hooks, context_.Notices, WindowNumber(main_.Handle()), false);
    const std::string topProgram = GetTopProgram();
    file_.close();

    MacroRecord record = held_.AsRead;
    const bool saved = SaveCapture(topProgram, record);
    BringEditorToFront();
    ReleaseLock();
    main_.SetRecording(false);
    if (!saved) {
        ShowError(CaptureKeptMessage(KeepCaptureFile(context_.ProgramDir)));
        return;
    }
    CurrentMessageBoxes().Show("Capture",
                               "Orvane 99 capture is complete for " + ActivationName(record) + ".",
                               MsgStyle::Ok | MsgStyle::IconInformation);
    main_.FillList();
    main_.SelectMacro(held_.Number);
}

void CaptureRecording::EndRunning() {
    if (running_)
        CaptureFinished(static_cast<WPARAM>(held_.Number));
}

bool CaptureRecording::SaveCapture(const std::string& topProgram, MacroRecord& record) {
    // The capture file goes only once its script is in the macro.
    const CapturedScript captured = ReadCapturedScript(context_.ProgramDir);
    if (captured.Failed)
        return false;
    record.Changed = CurrentClock().Now();
    record.SetScriptText(captured.ScriptText);
    if (programScope_) {
        record.MacroKind = MacroKind::Program;
        record.ScopeText = topProgram.substr(0, 30);
        record.ScopeMatch = 1;
    }
    // Under the lock the recording kept.
    if (!SayLibraryStatus(context_.Library.SaveHeldRecord(held_, record), LibraryWrite::Save))
        return false;
    RemoveCaptureFile(context_.ProgramDir);
    main_.SetHotKeys();
    return true;
}

void CaptureRecording::BringEditorToFront() {
    TransferForeground(main_.Handle());
    if (main_.State() == WindowState::Minimized)
        main_.SetWindowState(WindowState::Normal);
    if (!IsWindowVisible(main_.Handle()))
        main_.Show();
}

void CaptureRecording::ReleaseLock() {
    if (!holdsLock_)
        return;
    holdsLock_ = false;
    LibraryChange::ReleaseKeptLock(main_.Lock());
}

std::shared_ptr<CaptureRecording> InstallCapture(TMainWin& main, EditorContext& context) {
    auto recording = std::make_shared<CaptureRecording>(main, context);
    EditorLaunchers& launchers = main.Launchers();
    launchers.OpenCapture = [recording](MacroHandOver& handOver) { recording->Open(handOver); };
    launchers.Recapture = [recording] { recording->Recapture(); };
    launchers.RecordPlanned = [recording](const CapturePlan& plan) {
        return recording->RecordPlanned(plan);
    };
    launchers.CaptureDefaults = [&context] {
        TCaptureDefaults dialog(context.Settings, [&context] {
            if (SettingsSaved(context.Config.WriteCaptureSettings()))
                context.Notices.Post(NoticeCode::CaptureSettingsChanged, 0);
        });
        dialog.ShowModal();
    };
    main.OnCaptureChar = [recording](WPARAM macro, LPARAM character) {
        recording->CaptureChar(macro, character);
    };
    main.OnCaptureFinished = [recording](WPARAM macro) { recording->CaptureFinished(macro); };
    main.OnEndRecording = [recording] { recording->EndRunning(); };
    return recording;
}

}  // namespace orv::editor
