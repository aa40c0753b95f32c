// What the programs ask of the hook library's table side: hand a section of
// their own image over, and read the whole master image back.
#pragma once

#include "common/hook_table.h"
#include "common/notices.h"

namespace orv {

class HookLibrary {
  public:
    virtual ~HookLibrary() = default;
    // The master image's section equals the caller's afterwards; item is the
    // macro number for the per-macro section.
    virtual void HandOver(HookSection section, const HookTable& table, int item = 0) = 0;
    // The whole master image.
    virtual void GetGlob(HookTable& into) = 0;
};

// A master image in this process: what the tests and the benchmark compare
// the real library with.
class MemoryHookLibrary final : public HookLibrary {
  public:
    void HandOver(HookSection section, const HookTable& table, int item = 0) override {
        CopySection(table.Bytes, Master.Bytes, section, item);
    }
    void GetGlob(HookTable& into) override { into = Master; }

    HookTable Master;
};

// The copy-back of a program whose table is new: every section, then the
// entry of every macro the library holds.
void RefreshEverythingFromHookLibrary(HookLibrary& library, HookTable& own);

// The second window (receives the combination a hot-key dialog waits for) and
// the capture window, with their on flags: stored, handed over, and told to
// the other program as a changed section.
void SetSecWind(HookTable& own, HookLibrary& library, ProgramNotices& notices, std::uint32_t window,
                bool on);
void SetCapWind(HookTable& own, HookLibrary& library, ProgramNotices& notices, std::uint32_t window,
                bool on);
// The 721 code-used flags from the enabled hot-key macros, and the
// Cuewords-exist flag.
void SetHotKeys(HookTable& table);
bool ThereAreCuewords(const HookTable& table);
// SetHotKeys on the program's own image, handed over (section 14) and told
// to the other program.
void PushHotKeys(HookTable& own, HookLibrary& library, ProgramNotices& notices);

// Hands the macro count over and tells the other program.
void UpNumKeys(const HookTable& own, HookLibrary& library, ProgramNotices& notices);

// The programs' copy-back of one section (a number above 14 copies nothing).
// A copy of section 11 always leaves the program's own field 812 at 0.
void RefreshFromHookLibrary(HookLibrary& library, HookTable& own, int section, int item = 0);

}  // namespace orv
