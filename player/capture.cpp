#include "player/capture.h"

#include "common/capture_section.h"
#include "common/capture_text.h"
#include "common/clock.h"
#include "common/hotkeys.h"
#include "common/macro_record.h"
#include "common/string_routines.h"

namespace orv::player {
namespace {

constexpr std::size_t PromptCut = 78;
constexpr std::size_t CuewordNameLength = 10;

}  // namespace

std::string CaptureStartPrompt(std::string_view stopKeyName) {
    std::string text = "Orvane 99 macro capture will now start.\r\n\r\nUse ";
    text += stopKeyName;
    text.resize(std::min(text.size(), PromptCut));
    return text + " to stop the capture.";
}

std::string CaptureAbandonedNotice(std::string_view nickname) {
    return "Capture Complete was closed without Ok.  The recording has been saved as the macro \"" +
           std::string(nickname) +
           "\" with no activation (None); give it a hot key or a Cueword in the editor.";
}

void PlayerCapture::HandOver(HookSection section) {
    hooks_.HandOver(section, table_);
    notices_.Post(NoticeCode::SectionChanged, static_cast<int>(section));
}

bool PlayerCapture::Refused(bool browseMode) {
    const char* refusal = browseMode                         ? CaptureMessage::BrowseMode
                          : state_ != CaptureState::Idle     ? CaptureMessage::InProgress
                          : table_.MacroCount() >= MaxMacros ? CaptureMessage::LibraryFull
                                                             : nullptr;
    if (refusal)
        desk_.Notice(CaptureMessage::Caption, refusal);
    return refusal != nullptr;
}

// The macro that receives the capture, appended as a new record (with the
// defaults of any new record) until "Capture Complete" names it. It has no
// activation until then: a player ended meanwhile must not leave a Cueword
// that rewrites "capture" wherever the user types it.
bool PlayerCapture::AppendCaptureMacro(LibraryChange& change) {
    MacroRecord record = NewMacroRecord(CurrentClock().Now());
    record.Nickname = "Capture";
    record.CuewordText = "capture";
    record.ActivationCode = ActivationCode::None;
    // Only behind the macros the tables count: the player has no reload
    // waiting to number a record someone else appended meanwhile. A failed
    // append gives the count back and has been reported.
    table_.SetMacroCount(table_.MacroCount() + 1);
    if (!library_.SaveMacroRecord(-1, record))
        return false;
    change.Count();
    hooks_.HandOver(HookSection::NumKeys, table_);
    change.Tell(NoticeCode::SectionChanged, static_cast<int>(HookSection::NumKeys));
    return true;
}

bool PlayerCapture::HoldCaptureMacro() {
    if (library_.HoldMacroRecord(table_.MacroCount(), held_))
        return true;
    desk_.Notice(CaptureMessage::Caption, LibraryMessage::ReadFailed);
    return false;
}

void PlayerCapture::StartACapture(bool browseMode) {
    if (Refused(browseMode))
        return;
    // The lock is held from here to the end of the capture; someone else's
    // ends the start without a word (the lock has said why).
    LibraryChange change(lock_, library_, noHolds_, notices_);
    if (!change.Begin())
        return;
    file_ = OpenFile(CaptureFilePath(programDir_), "wb");
    if (!file_) {
        desk_.Notice(CaptureMessage::Caption, CaptureMessage::NoCaptureFile);
        return;
    }
    if (!AppendCaptureMacro(change) || !HoldCaptureMacro()) {
        file_.reset();
        return;
    }
    // The editor hears of the new macro now, not after the start prompt.
    change.KeepLock();
    change.Finish();
    const KeyCombination stopKey = CaptureStopKey(table_);
    SetCaptureSection(table_, settings_, held_.Number, stopKey);
    HandOver(HookSection::Capture);
    startProgram_ = desk_.GetTopProgram();
    if (settings_.CaptureTime) {
        std::fputs(CaptureSpeedToken(settings_.CaptureSpeed).c_str(), file_.get());
        std::fflush(file_.get());
    }
    state_ = CaptureState::Running;
    if (settings_.CapturePrompt) {
        const int stopMacro = CaptureSystemMacro(table_);
        desk_.Notice(CaptureMessage::StartCaption,
                     CaptureStartPrompt(stopMacro ? KeyName(table_.Entry(stopMacro).Activation)
                                                  : std::string()));
    }
    desk_.ShowRecording(true);
    table_.SetCaptureRunning(true);
    HandOver(HookSection::CaptureOn);
}

bool PlayerCapture::CaptureChar(std::uint8_t character) {
    if (state_ == CaptureState::Idle)
        return false;
    if (state_ == CaptureState::Running && character != 0 && file_) {
        // Flushed at once: whatever happens to the player, the keys typed so
        // far are on disk.
        std::fputc(character, file_.get());
        std::fflush(file_.get());
    }
    return true;
}

void PlayerCapture::CaptureEnded() {
    End(true);
}

void PlayerCapture::EndAtClose() {
    End(false);
}

void PlayerCapture::End(bool askForName) {
    if (state_ != CaptureState::Running)
        return;
    state_ = CaptureState::Stopped;
    const std::string programName = desk_.GetTopProgram();
    desk_.ShowRecording(false);
    table_.SetCaptureRunning(false);
    HandOver(HookSection::CaptureOn);
    file_.reset();
    MacroRecord record = held_.AsRead;
    record.Changed = CurrentClock().Now();
    // The capture file goes only once its script is in the macro.
    const CapturedScript script = ReadCapturedScript(programDir_);
    // What could not be read is moved aside too, or the next start empties it.
    if (script.Failed)
        desk_.Notice(CaptureMessage::Caption, std::string(CaptureMessage::CaptureLost) + "  " +
                                                  CaptureKeptMessage(KeepCaptureFile(programDir_)));
    record.SetScriptText(script.ScriptText);
    const bool named = askForName && desk_.CompleteCapture(
                                         record, programName.empty() ? startProgram_ : programName);
    const bool saved = SayLibraryStatus(library_.SaveHeldRecord(held_, record), LibraryWrite::Save);
    // The placeholder's append changed the file even when the save is refused.
    LibraryChange::ReleaseKeptLock(lock_);
    // The new hot key or Cueword works at once.
    desk_.SetHotKeys();
    state_ = CaptureState::Idle;
    if (!saved) {
        if (!script.Failed)
            desk_.Notice(CaptureMessage::Caption, CaptureKeptMessage(KeepCaptureFile(programDir_)));
        return;
    }
    if (!script.Failed)
        RemoveCaptureFile(programDir_);
    if (askForName && !named)
        desk_.Notice(CaptureMessage::AbandonedCaption,
                     CaptureAbandonedNotice(record.Nickname.str()));
}

std::string KeyListLine(int code, int users) {
    std::string line = KeyName(code);
    if (users >= 2)
        return line + "  (" + std::to_string(users) + " macros in use)";
    return line + (users == 1 ? "  (1 macro in use)" : "  (Not in Use)");
}

KeyUse HotKeyUse(const HookTable& table) {
    KeyUse use;
    for (int i = 1; i <= table.EntryCount(); ++i) {
        const MacroEntry entry = table.Entry(i);
        if (!IsHotKeyCode(entry.Activation))
            continue;
        ++use.Users[entry.Activation];
        if (entry.Kind == MacroKind::Global || entry.Kind == MacroKind::PopupMenu ||
            entry.Kind == MacroKind::System)
            use.Global[entry.Activation] = true;
    }
    return use;
}

CapCompleteCheck CheckCapComplete(const CapCompleteChoice& choice, const KeyUse& use) {
    CapCompleteCheck check;
    if (choice.Type == MacroType::HotKey) {
        if (!IsHotKeyCode(choice.HotKey)) {
            check.Error = CapCompleteText::NoHotKey;
        } else if (choice.Global && use.Global[choice.HotKey]) {
            check.Error = CapCompleteText::GlobalTaken;
        } else if (IsWindowsHotKey(choice.HotKey)) {
            const std::string& name = KeyName(choice.HotKey);
            check.Question = name + " may be used internally by Windows 95, 98 or NT. " +
                             " This may cause the hot key not to function correctly." +
                             " Would you still like to use " + name + "?";
        }
    } else if (choice.Type == MacroType::Cueword && TrimStr(choice.Cueword).empty()) {
        check.Error = CapCompleteText::NoCueword;
        check.FocusCueword = true;
    }
    return check;
}

void ApplyCapComplete(const CapCompleteChoice& choice, const std::string& programName,
                      MacroRecord& record) {
    switch (choice.Type) {
        case MacroType::HotKey:
            record.ActivationCode = static_cast<std::uint16_t>(choice.HotKey);
            break;
        case MacroType::Cueword:
            record.CuewordText = TrimStr(choice.Cueword).substr(0, CuewordNameLength);
            record.ActivationCode = ActivationCode::Cueword;
            break;
        case MacroType::None:
            record.ActivationCode = ActivationCode::None;
            break;
    }
    record.Nickname = TrimStr(choice.Nickname);
    if (!choice.Global) {
        record.MacroKind = MacroKind::Program;
        record.ScopeText = programName;
        record.ScopeMatch = 1;
    }
}

}  // namespace orv::player
