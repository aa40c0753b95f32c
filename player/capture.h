// The player's own recording: the capture system macro starts it, the hook
// library reports each recorded character (CaptureChar) and the stop key
// (CaptureEnded), and the new macro is named and given its activation in
// "Capture Complete".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/files.h"
#include "common/hook_library.h"
#include "common/hook_table.h"
#include "common/hotkeys.h"
#include "common/library_change.h"
#include "common/macro_library.h"
#include "common/network_lock.h"
#include "common/notices.h"
#include "common/settings.h"

namespace orv::player {

namespace CaptureMessage {
inline constexpr const char* Caption = "Error";
inline constexpr const char* BrowseMode = "Capture not allowed in Browse Mode.";
inline constexpr const char* InProgress =
    "A capture is currently in progress.  Capture not allowed.";
inline constexpr const char* LibraryFull =
    "Maximum number of macros has been reached.  Capture not allowed.";
inline constexpr const char* NoCaptureFile =
    "The capture file could not be created.  Capture not allowed.";
inline constexpr const char* CaptureLost =
    "The captured keystrokes could not be read back.  The new macro has an empty script.";
inline constexpr const char* StartCaption = "Start Capture";
inline constexpr const char* AbandonedCaption = "Notice";
}  // namespace CaptureMessage

// The notice when "Capture Complete" was closed without Ok: the recording is
// kept under its nickname, with no activation.
std::string CaptureAbandonedNotice(std::string_view nickname);

// The prompt shown as a capture starts, for the stop key's name (empty when
// there is none).
std::string CaptureStartPrompt(std::string_view stopKeyName);

// What the capture needs of the player around it.
class CaptureDesk {
  public:
    virtual ~CaptureDesk() = default;
    // The player's on-top message window.
    virtual void Notice(std::string_view caption, std::string_view text) = 0;
    // The file name of the foreground window's program.
    virtual std::string GetTopProgram() = 0;
    // The tray's "Macro Is Recording" icon.
    virtual void ShowRecording(bool on) = 0;
    // "Capture Complete" for the new macro: the record as the dialog leaves
    // it. False when the user closed it otherwise than by Ok (the record is
    // unchanged then).
    virtual bool CompleteCapture(MacroRecord& record, const std::string& programName) = 0;
    // The hot-key table and the Cueword flag from the macros as they now are.
    virtual void SetHotKeys() = 0;
};

enum class CaptureState { Idle, Running, Stopped };

class PlayerCapture {
  public:
    PlayerCapture(const SettingsBlock& settings, HookTable& table, HookLibrary& hooks,
                  MacroLibrary& library, NetworkLock& lock, ProgramNotices& notices,
                  CaptureDesk& desk, std::string programDir)
        : settings_(settings),
          table_(table),
          hooks_(hooks),
          library_(library),
          lock_(lock),
          notices_(notices),
          desk_(desk),
          programDir_(std::move(programDir)) {}

    void StartACapture(bool browseMode);
    // A recorded character (CaptureChar): written while this capture records;
    // 0 writes nothing. False when the player records nothing (the message
    // is someone else's).
    bool CaptureChar(std::uint8_t character);
    // The stop key (CaptureEnded) or the recording icon: once per capture.
    // The recording is saved only where its macro still is, as appended; a
    // refused save keeps it in a capture file of its own and says which.
    void CaptureEnded();
    // The player closes: a running capture ends as one whose "Capture
    // Complete" was closed without Ok, with nothing asked or told but a
    // failure.
    void EndAtClose();

    CaptureState State() const { return state_; }
    // The macro being recorded; 0 while idle.
    int Macro() const { return state_ == CaptureState::Idle ? 0 : held_.Number; }

  private:
    bool Refused(bool browseMode);
    bool AppendCaptureMacro(LibraryChange& change);
    // The appended macro, held for the end; false after saying so.
    bool HoldCaptureMacro();
    void HandOver(HookSection section);
    void End(bool askForName);

    const SettingsBlock& settings_;
    HookTable& table_;
    HookLibrary& hooks_;
    MacroLibrary& library_;
    NetworkLock& lock_;
    ProgramNotices& notices_;
    NoReloadHolds noHolds_;
    CaptureDesk& desk_;
    std::string programDir_;
    CaptureState state_ = CaptureState::Idle;
    HeldMacro held_;  // the placeholder as appended
    FilePtr file_;
    std::string startProgram_;
};

// "Capture Complete": the rules of its hot-key list and of its Ok.

// The hot-key list's line for a code: its name and how many macros use it.
std::string KeyListLine(int code, int users);
// How many macros use each hot-key code, and which codes a global macro
// (kind 1, 4 or 5) uses.
struct KeyUse {
    std::vector<int> Users = std::vector<int>(HotKeyCount, 0);
    std::vector<bool> Global = std::vector<bool>(HotKeyCount, false);
};
KeyUse HotKeyUse(const HookTable& table);

enum class MacroType { HotKey, Cueword, None };

struct CapCompleteChoice {
    std::string Nickname;
    MacroType Type = MacroType::HotKey;
    int HotKey = -1;  // the selected line, -1 none
    std::string Cueword;
    bool Global = true;
};

namespace CapCompleteText {
inline constexpr const char* ErrorCaption = "Error";
inline constexpr const char* WarningCaption = "Warning";
inline constexpr const char* NoHotKey = "No hot key selected.  Please select one.";
inline constexpr const char* GlobalTaken =
    "A Global Hot Key is already in use for the selected hot key.  Please select a different "
    "one or choose the Program specific option.";
inline constexpr const char* NoCueword = "No Cueword name entered.";
}  // namespace CapCompleteText

// What Ok finds: a refusal with its message (and whether the focus goes back
// to the Cueword field), a question about a key the system may use, or
// nothing against it.
struct CapCompleteCheck {
    std::string Error;
    bool FocusCueword = false;
    std::string Question;  // asked with Yes and No; No keeps the dialog open
};
CapCompleteCheck CheckCapComplete(const CapCompleteChoice& choice, const KeyUse& use);

// The record as an accepted Ok leaves it.
void ApplyCapComplete(const CapCompleteChoice& choice, const std::string& programName,
                      MacroRecord& record);

}  // namespace orv::player
