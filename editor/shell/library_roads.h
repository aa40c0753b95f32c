// The editor's one road into its library: the network lock, the macro chosen
// from the list held as it shows, the holds on the player's reloads while a
// macro is known across a wait, and the recording that forbids every change
// while it runs. Each change begins here (NewChange); the reloads that waited
// are carried out at the last release.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "common/library_change.h"
#include "common/network_lock.h"
#include "editor/shell/editor_library.h"
#include "editor/shell/player_link.h"

namespace orv::editor {

inline constexpr const char* RecordingRunsMessage =
    "A macro is being recorded.  End the recording before changing the macros, opening another "
    "macro file or using the Keyboard Remapper.";

class LibraryRoads final : private ReloadHolds {
  public:
    // A player's notice that waited, carried out at the last release.
    using CarryOut = std::function<void(int code, std::int32_t argument)>;

    // The list shows the tables' macros; host reloads the library anew.
    LibraryRoads(const SettingsBlock& settings, const HookTable& table, SyncFileAccess& syncFiles,
                 NetworkLockHost& host, MacroLibrary& library, EditorLibrary& editing,
                 ProgramNotices& notices, CarryOut carryOut)
        : lock_(LibraryOwner::Editor, settings, syncFiles, host, notices),
          settings_(settings),
          table_(table),
          host_(host),
          library_(library),
          editing_(editing),
          notices_(notices),
          carryOut_(std::move(carryOut)) {}

    NetworkLock& Lock() { return lock_; }

    // A change to the library: lock, hold, act, release counted, notices,
    // reloads released. None begins while a recording runs: it holds the
    // library's numbers, and a change meanwhile would be refused or renumber
    // the macro it ends in.
    LibraryChange NewChange() {
        return LibraryChange(lock_, library_, *this, notices_,
                             [this] { return RefusedWhileRecording(); });
    }

    // Macro n held for a change or a look, when the file still has there the
    // macro the list shows; otherwise says why (and, unless reloads wait,
    // shows the library anew) and holds nothing.
    bool HoldListed(int n, HeldMacro& held);
    // The same, but a file that no longer has there what the list shows is
    // left to the caller to say (an unreadable one is said).
    bool HoldsAsListed(int n, HeldMacro& held);
    // How a change finds the macro of a row: HoldListed.
    LibraryChange::Chooser Listed() {
        return [this](int n, HeldMacro& held) { return HoldListed(n, held); };
    }
    // After a refusal over a list older than the file: the library reloaded
    // and shown as it is now, unless reloads wait (they come at the release).
    void ShowLibraryAnew();

    // While a dialog or a recording holds a macro the player's reloads wait;
    // the last release carries them out.
    void HoldMacros() { reloads_.Hold(); }
    void ReleaseMacros();
    // True when the player's notice waits for the release.
    bool Defer(int code, std::int32_t argument) { return reloads_.Defer(code, argument); }
    bool Holding() const { return reloads_.Holding(); }
    // Whether a notice came while held: the numbers shown may have moved.
    bool Waiting() const { return reloads_.Waiting(); }

    // The recording starts (a hold) or ends (its release).
    void SetRecording(bool running);
    bool Recording() const { return recording_; }
    // True, after telling why, while a recording runs.
    bool RefusedWhileRecording() const;

  private:
    void HoldReloads() override { HoldMacros(); }
    void ReleaseReloads() override { ReleaseMacros(); }

    NetworkLock lock_;
    const SettingsBlock& settings_;
    const HookTable& table_;
    NetworkLockHost& host_;
    MacroLibrary& library_;
    EditorLibrary& editing_;
    ProgramNotices& notices_;
    CarryOut carryOut_;
    HeldReloads reloads_;
    bool recording_ = false;
};

}  // namespace orv::editor
