#include "player/activation.h"

#include <string>

#include "common/hotkeys.h"
#include "common/string_routines.h"

namespace orv::player {
namespace {

constexpr std::size_t ForegroundProgramCapacity = 250;
constexpr std::size_t ProgramSlotSize = ShortStringSize(HookProgramNameCapacity);

}  // namespace

void Activation::WindowActivated(std::uint32_t window) {
    const std::string program = UpperAscii(desk_.ProgramOfWindow(window));
    PutShortString(table_.Bytes, HookAt::ForegroundProgram, ForegroundProgramCapacity, program);
    hooks_.HandOver(HookSection::Prog, table_);
    // No window, or none a user sees, is nobody's activation either.
    const bool own = !window || program == PlayerProgram;
    // One of the player's own windows (a notice, a menu, the pause window)
    // handing the front back is no new activation of the window before it.
    const bool again = !own && window == lastForeignFront_;
    if (!own)
        lastForeignFront_ = window;
    const std::string title = desk_.WindowTitle(window);
    if (!title.empty()) {
        LastTitledWindow = window;
        if (!own)
            LastForeignWindow = window;
    }
    SetRunningProgs();
    if (!title.empty() && !again)
        CheckForWindowMacros(window, title);
}

// These runs are nobody's request: refused without a word, no in-use byte,
// no end marker.
void Activation::CheckForWindowMacros(std::uint32_t window, std::string_view title) {
    const std::string upperTitle = UpperAscii(title);
    for (int i = 1; i <= table_.EntryCount(); ++i) {
        const MacroEntry entry = table_.Entry(i);
        if (!entry.Enabled || entry.Activation != ActivationCode::WindowTitle ||
            upperTitle.find(UpperAscii(entry.ScopeText)) == std::string::npos)
            continue;
        // The report may be old by now (it waited behind a run, a notice or
        // a menu): only a window still in front runs its macros.
        if (!dispatch_.CanStartRun(RunRequest::Unattended) || desk_.ForegroundWindow() != window)
            return;
        MacroRecord record;
        if (library_.ReadMacroRecord(i, record))
            dispatch_.Play(i, record, record.ScriptText(), RunOrigin::Unattended);
    }
}

void Activation::SetRunningProgs() {
    const std::int32_t oldCount = GetI32(table_.Bytes, HookAt::ProgramCount);
    std::int32_t count = 0;
    for (const std::string& name : desk_.RunningProgramNames()) {
        const std::string upper = UpperAscii(name);
        if (count == HookProgramSlots || upper.find(".EXE") == std::string::npos)
            continue;
        PutShortString(table_.Bytes, HookAt::Programs + ProgramSlotSize * count++,
                       HookProgramNameCapacity, upper.substr(0, HookProgramNameCapacity));
    }
    // No name of a program that has ended stays behind the count.
    for (std::int32_t slot = count; slot < HookProgramSlots; ++slot)
        PutShortString(table_.Bytes, HookAt::Programs + ProgramSlotSize * slot,
                       HookProgramNameCapacity, "");
    PutI32(table_.Bytes, HookAt::ProgramCount, count);
    hooks_.HandOver(HookSection::Progs, table_);
    if (count != oldCount && settings_.AutoHooks) {
        TestHooks();
        if (StartHookTimer)
            StartHookTimer();
    }
}

void Activation::TestHooks() {
    if (!interpreter_.Play().State().Running && ReinstallHooks)
        ReinstallHooks();
}

}  // namespace orv::player
