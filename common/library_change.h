// One change to the macro library, from the user's choice to the notices
// that follow it. A macro chosen before a modal wait is written only where
// it still is; the other program's reloads wait while the change is open;
// and whichever way the road ends, the lock is released (counted when
// something was written), then the notices of the change go out, then the
// reloads that waited are carried out, in that order.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/macro_library.h"
#include "common/network_lock.h"
#include "common/notices.h"

namespace orv {

// The program's hold on the other program's reloads: while held, a reload it
// asks for waits, and the last release carries it out.
class ReloadHolds {
  public:
    virtual ~ReloadHolds() = default;
    virtual void HoldReloads() = 0;
    virtual void ReleaseReloads() = 0;
};

// For a program whose reloads never wait: the player writes at once or over
// a macro it holds (a capture's), and what its menus show is found again by
// its record before it runs.
class NoReloadHolds final : public ReloadHolds {
  public:
    void HoldReloads() override {}
    void ReleaseReloads() override {}
};

class LibraryChange {
  public:
    // How the caller finds the macro the user chose, as the user saw it: it
    // holds it, or says why not and holds nothing.
    using Chooser = std::function<bool(int n, HeldMacro& held)>;
    // True, after saying why, while the program takes no change at all (a
    // recording runs): every road is refused before it takes anything.
    using Guard = std::function<bool()>;

    LibraryChange(NetworkLock& lock, MacroLibrary& library, ReloadHolds& reloads,
                  ProgramNotices& notices, Guard refused = {})
        : lock_(lock),
          library_(library),
          reloads_(reloads),
          notices_(notices),
          refused_(std::move(refused)) {}
    ~LibraryChange() { Finish(); }
    LibraryChange(const LibraryChange&) = delete;
    LibraryChange& operator=(const LibraryChange&) = delete;

    // The lock taken and the reloads held, for a change to the library as it
    // is now (appends, side files). False, said, when it may not be changed
    // (refused, or locked by another user).
    [[nodiscard]] bool Begin();
    // The lock taken, macro n held as chosen, then the reloads held. False,
    // with nothing held and the lock given back, when either is refused.
    [[nodiscard]] bool BeginOn(int n, const Chooser& chosen);

    // The macro held by BeginOn, as last read or written.
    const HeldMacro& Held() const { return held_; }
    // The library the change began on.
    const std::string& File() const { return file_; }

    // The writes, each said when it fails (LibraryStatusMessage).
    // record over the held macro.
    LibraryStatus Save(MacroRecord& record) { return SaveOver(held_, record); }
    // record over another macro held for this change (a dialog that edits
    // several), only where it still is; held takes the record written.
    LibraryStatus SaveOver(HeldMacro& held, MacroRecord& record);
    // record as a new last macro of the library begun on; its number is then
    // the macro count. With at, only as macro number at.
    LibraryStatus Append(MacroRecord& record, int at = 0);
    // The number an append gets now, from the file begun on.
    int NextNumber() const { return library_.NextAppendNumber(file_); }
    // The held macro removed, with every pop-up menu's members.
    LibraryStatus Delete();
    // The held macro's enabled flag.
    LibraryStatus SetEnabled(bool enabled);
    // Whether the held macro is still where it was read, said when it is not
    // (a copy is made of it).
    LibraryStatus CheckHeld(LibraryWrite write);

    // A change written by other means (a side file, an import's appends).
    void Count() { changed_ = true; }
    bool Changed() const { return changed_; }
    // Posted to the other program after the lock is released, when the change
    // was made.
    void Tell(int code, int argument = 0) { tells_.emplace_back(code, argument); }

    // The lock outlives the change: a recording started under it gives it
    // back, counted, with ReleaseKeptLock when it ends, on the library it
    // was taken on, whichever is current by then.
    void KeepLock() { keepLock_ = true; }
    static void ReleaseKeptLock(NetworkLock& lock);

    // Ends the change now: what the destructor would do.
    void Finish();

  private:
    // Whether the change may not begin, said.
    bool Refused();
    LibraryStatus Said(LibraryStatus status, LibraryWrite write);

    NetworkLock& lock_;
    MacroLibrary& library_;
    ReloadHolds& reloads_;
    ProgramNotices& notices_;
    Guard refused_;
    HeldMacro held_;
    std::string file_;
    std::vector<std::pair<int, int>> tells_;
    bool locked_ = false;
    bool holdingReloads_ = false;
    bool changed_ = false;
    bool keepLock_ = false;
};

}  // namespace orv
