#include "player/activation.h"

#include <string>

#include "common/hotkeys.h"
#include "common/string_routines.h"

namespace orv {
namespace {

constexpr std::size_t ForegroundProgramCapacity = 250;
constexpr std::size_t ProgramSlotSize = ShortStringSize(HookProgramNameCapacity);

}  // namespace

void Activation::WindowActivated(std::uint32_t window) {
    const std::string program = UpperAscii(desk_.ProgramOfWindow(window));
    PutShortString(table_.Bytes, HookAt::ForegroundProgram, ForegroundProgramCapacity, program);
    hooks_.HandOver(HookSection::Prog, table_);
    const std::string title = desk_.WindowTitle(window);
    if (!title.empty()) {
        LastTitledWindow = window;
        if (program != PlayerProgram)
            LastForeignWindow = window;
    }
    SetRunningProgs();
    if (!title.empty())
        CheckForWindowMacros(title);
}

// These runs are nobody's request: no in-use byte, no end marker.
void Activation::CheckForWindowMacros(std::string_view title) {
    const std::string upperTitle = UpperAscii(title);
    for (int i = 1; i <= table_.EntryCount(); ++i) {
        const MacroEntry entry = table_.Entry(i);
        if (!entry.Enabled || entry.Activation != ActivationCode::WindowTitle ||
            upperTitle.find(UpperAscii(entry.ScopeText)) == std::string::npos)
            continue;
        MacroRecord record;
        if (interpreter_.Play().State().Running || !library_.ReadMacroRecord(i, record))
            continue;
        dispatch_.CurrentMacro = i;
        interpreter_.RunMacro(record.ScriptText(), RunOrigin::Unattended);
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

}  // namespace orv
