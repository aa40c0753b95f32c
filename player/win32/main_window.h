// The player's hidden main window: the start-up of the shared state, the
// hooks and the tray icon, the message hub every hook-library message, editor
// command and second start arrives at, and the orderly end.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/hook_table.h"
#include "common/program_messages.h"
#include "common/settings.h"
#include "hook/client/hook_client.h"
#include "common/win32/kernel_objects.h"
#include "common/network_lock.h"
#include "common/win32/private_profile_store.h"
#include "common/win32/sync_file_access.h"
#include "common/win32/system_routines.h"
#include "common/win32/window_notices.h"
#include "player/activation.h"
#include "player/capture.h"
#include "player/command_line.h"
#include "player/cuewords.h"
#include "player/dialog_commands.h"
#include "player/editor_link.h"
#include "player/interpreter.h"
#include "player/library_commands.h"
#include "player/menus.h"
#include "player/mail_commands.h"
#include "player/run_dispatch.h"
#include "player/run_shared.h"
#include "player/win32/schedule_link.h"
#include "player/win32/tray.h"
#include "player/win32/win32_clipboard.h"
#include "player/win32/win32_dialogs.h"
#include "player/win32/win32_files.h"
#include "player/win32/win32_mail_sender.h"
#include "player/win32/win32_player_host.h"
#include "player/win32/win32_settings.h"
#include "player/win32/win32_media.h"
#include "player/win32/win32_system.h"
#include "player/win32/win32_wait_signals.h"
#include "player/win32/win32_windows.h"
#include "player/window_commands.h"

namespace orv::player {

// The registered message a second start hands its command line over with.
inline constexpr const char* HandOverMessageName = "Tavrol";

namespace PlayerText {
inline constexpr const char* Title = TrayText::Title;
inline constexpr const char* NoticeCaption = "Notice";
inline constexpr const char* BrowseMode = "Orvane Editor not available in Browse Mode.";
inline constexpr const char* NoPlayerWindow =
    "Orvane is starting, but its player did not appear within 5 seconds. "
    "This start's command line has been ignored.";
inline constexpr const char* HandOverTooLong =
    "Another start of Orvane handed over a command line longer than 32767 characters. "
    "It has been ignored.";
}  // namespace PlayerText

// The editor's main window: the first top-level window whose caption holds
// "ORVANE EDITOR" (upper-cased); 0 when there is none.
std::uint32_t FindEditorWindow();

class TMainWin final : public PlayerDesk,
                       public NetworkLockHost,
                       public LibraryDesk,
                       private TrayHost,
                       private CaptureDesk {
  public:
    TMainWin();
    ~TMainWin() override;
    TMainWin(const TMainWin&) = delete;
    TMainWin& operator=(const TMainWin&) = delete;

    // The program body and the window's creation. False when a shared block
    // could not be made (its message was shown): the process then ends.
    bool Start(const std::string& commandLine);
    HWND Handle() const { return window_; }

    // PlayerDesk
    void Notice(std::string_view caption, std::string_view text) override;
    std::uint32_t ForegroundWindow() override;
    std::string WindowTitle(std::uint32_t window) override;
    std::string GetTopProgram() override;
    std::string ProgramOfWindow(std::uint32_t window) override;
    std::vector<std::string> RunningProgramNames() override;
    bool ActivateWindow(std::string_view titlePart) override;
    bool ActivateProgram(std::string_view name) override;
    void SystemAction(SystemMacroAction action) override;
    bool WaitForModifiersUp() override;
    void ReloadIfChanged() override;

    // NetworkLockHost
    void ReloadShared() override;
    void SetNetTimer(bool on) override;
    void SetSyncTimer(bool on) override;
    std::optional<HeldMacro> ChooseFromMenu(const MacroRecord& menu) override;
    void ResumePause() override;
    void ForgetTyping() override;

  private:
    // TrayHost
    bool MacroRunning() override { return state_.Running; }
    void AbortRun() override { state_.AbortFlag = true; }
    bool CanDoMenu() override;
    void ActivateMe() override;
    void ReinstallHooks() override;
    void EndCapture() override;
    void RunMenuIcon(int macro, int x) override;
    void Terminate() override;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool FormCreate(const std::string& commandLine);
    void StartHookTable();
    void ProcessCommandLine(const std::string& commandLine);
    // LibraryDesk
    void SetHotKeys() override;
    void GetSwapFile() override;
    void CheckAndSetTime() override { schedule_->CheckAndSetTime(); }
    void ClearMenuTaskIcon() override { tray_.ClearMenuTaskIcon(); }
    void DoMenuTaskIcon() override { tray_.DoMenuTaskIcon(); }
    void LoadAgainLater() override;
    // The timer's try at a library that could not be loaded.
    void LoadAgain();
    void EditorCommand(int code, int argument);
    void HookCommand(int action);
    // The editor made another file current (its code 2).
    void UseEditorsFile();
    void HandOverChar(LPARAM character);
    HWND FindEditor();
    HWND PauseWorkWindow() const;
    void FormClose();
    void Close();
    // The macro menus (main_window_menus.cpp).
    void MenuTopWindow();
    std::optional<HeldMacro> ShowMacroMenu(const std::vector<int>& macros,
                                           const MenuOptions& options);
    // The player's own recording (main_window_capture.cpp).
    void ShowRecording(bool on) override;
    bool CompleteCapture(MacroRecord& record, const std::string& programName) override;

    std::string programDir_ = ProgramDir();
    std::unique_ptr<SettingsBlock> settings_ = std::make_unique<SettingsBlock>();
    std::unique_ptr<HookTable> hookData_ = std::make_unique<HookTable>();
    PrivateProfileStore store_;
    Configs configs_{store_, *settings_, programDir_};
    OrnHookLibrary hooks_;
    EditorLink editor_{[] { return FindEditorWindow(); }};
    WindowNotices editorNotices_{[this] { return FindEditor(); }};
    std::unique_ptr<MacroLibrary> library_;
    std::unique_ptr<RunShared> shared_;
    Win32PlayerHost host_;
    RunState state_;
    Interpreter interpreter_{host_, state_};
    std::unique_ptr<RunDispatch> dispatch_;
    std::unique_ptr<Cuewords> cuewords_;
    std::unique_ptr<Activation> activation_;
    ExclusiveSyncFileAccess syncFiles_;
    std::unique_ptr<NetworkLock> lock_;
    std::unique_ptr<LibraryLoading> loading_;
    std::unique_ptr<LibraryCommands> libraryCommands_;
    Win32Windows windows_{nullptr, *hookData_, hooks_, editorNotices_};
    WindowCommands windowCommands_{windows_, interpreter_.Play()};
    Win32Settings systemSettings_;
    SettingsCommands settingsCommands_{systemSettings_};
    Win32WaitSignals waitSignals_{*hookData_, hooks_};
    WaitCommands waitCommands_{waitSignals_, windowCommands_};
    Win32Dialogs dialogs_;
    Win32MailSender mailSender_{*settings_, dialogs_, [this] { return state_.AbortFlag; }};
    MailCommands mailCommands_{mailSender_};
    DialogCommands dialogCommands_{dialogs_};
    std::unique_ptr<ScheduleLink> schedule_;
    std::unique_ptr<PlayerCapture> capture_;
    PlayerTray tray_{*settings_, *hookData_, *this};
    Win32SystemCommands systemCommands_{host_, dialogs_, programDir_};
    Win32MultimediaCommands mediaCommands_;
    Win32Clipboard clipboard_;
    ClipboardCommands clipboardCommands_{clipboard_};
    Win32Files files_;
    FileCommands fileCommands_{files_};

    KernelHandle masterMapping_;
    std::array<KernelHandle, 3> mutexes_;
    SharedBlock playerBlock_;
    SharedBlock cbtBlock_;

    HWND window_ = nullptr;
    UINT handOverMessage_ = 0;
    HandOverBuffer handOver_;
    // Nothing when the hand-over was too long and is dropped.
    std::optional<HandOverRequest> pendingHandOver_;
    std::string swapFile_;
    // How deep the window procedure is nested (runs and modal loops handle
    // messages inside a message), and a close waiting for them to unwind.
    int dispatchDepth_ = 0;
    bool closePending_ = false;
    bool browseMode_ = false;
    bool ntFamily_ = true;
    bool closing_ = false;
    bool swapHookInstalled_ = false;
    bool startupRequest_ = false;
    std::string startupNickname_;
    bool oleInitialised_ = false;
};

// A second start: the running player's window gets the whole command line,
// one character per sent message with a time-out, so a hung player cannot
// hold the second start. A player still starting is waited for a few seconds.
enum class HandOverResult { HandedOver, NoPlayerWindow, NotAnswered };
HandOverResult HandOverCommandLine(const std::string& commandLine);

}  // namespace orv::player
