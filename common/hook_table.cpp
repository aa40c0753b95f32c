#include "common/hook_table.h"

#include <algorithm>
#include <cstring>

#include "common/macro_record.h"
#include "common/system_macro_action.h"

namespace orv {

namespace {

using F = HookField;

constexpr bool IsEntry(int i) {
    return i >= 1 && i <= HookMacroEntries;
}

constexpr F Capture[] = {
    {763, 2}, {765, 2}, {767, 6}, {773, 2}, {775, 2}, {777, 6}, {785, 1}, {786, 1},
    {788, 1}, {787, 1}, {789, 1}, {798, 1}, {799, 1}, {739, 2}, {742, 1},
};
constexpr F CaptureOn[] = {{738, 1}};
constexpr F InUse[] = {{783, 1}};
constexpr F KeyHook[] = {{749, 4}};
constexpr F MouseHook[] = {{745, 4}};
constexpr F Window[] = {{0, 4}};
constexpr F Window2[] = {{753, 4}, {757, 1}, {758, 4}, {762, 1}};
constexpr F Item[] = {
    {HookAt::Kinds, 2, 0, 2},        {HookAt::ScopeTexts, 21, HookScopeTextCapacity, 21},
    {HookAt::EnabledFlags, 1, 0, 1}, {HookAt::Activations, 2, 0, 2},
    {HookAt::ScopeMatches, 1, 0, 1},
};
constexpr F NumKeys[] = {{HookAt::MacroCount, 4}};
constexpr F Prog[] = {{HookAt::ForegroundProgram, 251, 250}};
constexpr F Progs[] = {
    {HookAt::ProgramCount, 4},
    {HookAt::Programs, 26, HookProgramNameCapacity, 26, HookProgramSlots},
};
constexpr F Init[] = {{741, 1},   {743, 2},   {790, 4}, {794, 4},
                      {14320, 1}, {14321, 1}, {4, 1},   {14578, 1}};
constexpr F Idle[] = {{HookAt::IdleMacroExists, 1}, {HookAt::IdleSeconds, 4}};
constexpr F Waits[] = {{HookAt::WaitClick, 4}};
constexpr F Keys[] = {{HookAt::CodeUsed, 721}, {HookAt::CuewordsExist, 1}};

constexpr std::span<const HookField> Sections[HookSectionCount] = {
    Capture, CaptureOn, InUse, KeyHook, MouseHook, Window, Window2, Item,
    NumKeys, Prog,      Progs, Init,    Idle,      Waits,  Keys,
};

// The last byte a field reaches: its last repeat, or the entry of macro 500.
constexpr std::size_t FieldEnd(const HookField& f) {
    std::size_t last = f.repeat > 1 ? f.repeat - 1u : (f.stride ? HookMacroEntries - 1u : 0u);
    return f.offset + f.stride * last + f.width;
}

constexpr bool FieldsInside() {
    for (auto section : Sections)
        for (const HookField& f : section)
            if (FieldEnd(f) > HookTable::Size) return false;
    return true;
}
static_assert(FieldsInside(), "every section field lies inside the table");
static_assert(HookAt::Programs + 26 * HookProgramSlots == HookTable::Size);

void CopyField(ConstBytes from, Bytes to, std::size_t at, const HookField& f) {
    if (f.textCapacity == 0) {
        std::memcpy(&to[at], &from[at], f.width);
        return;
    }
    to[at] = std::min<std::uint8_t>(from[at], f.textCapacity);
    std::memcpy(&to[at + 1], &from[at + 1], f.textCapacity);
}

}  // namespace

int HookTable::EntryCount() const {
    return std::clamp(MacroCount(), 0, HookMacroEntries);
}

MacroEntry HookTable::Entry(int i) const {
    if (!IsEntry(i))
        return {};
    const std::size_t k = static_cast<std::size_t>(i - 1);
    return {GetI16(Bytes, HookAt::Kinds + 2 * k),
            GetShortString(Bytes, HookAt::ScopeTexts + 21 * k, HookScopeTextCapacity),
            Bytes[HookAt::EnabledFlags + k] != 0, GetU16(Bytes, HookAt::Activations + 2 * k),
            Bytes[HookAt::ScopeMatches + k]};
}

void HookTable::SetEntry(int i, const MacroEntry& entry) {
    if (!IsEntry(i))
        return;
    const std::size_t k = static_cast<std::size_t>(i - 1);
    PutI16(Bytes, HookAt::Kinds + 2 * k, entry.Kind);
    PutShortString(Bytes, HookAt::ScopeTexts + 21 * k, HookScopeTextCapacity, entry.ScopeText);
    Bytes[HookAt::EnabledFlags + k] = entry.Enabled ? 1 : 0;
    PutU16(Bytes, HookAt::Activations + 2 * k, entry.Activation);
    Bytes[HookAt::ScopeMatches + k] = entry.ScopeMatch;
}

std::span<const HookField> SectionFields(HookSection section) {
    return Sections[static_cast<int>(section)];
}

void CopySection(ConstBytes from, Bytes to, HookSection section, int item) {
    std::size_t entry = 0;
    if (section == HookSection::Item) {
        if (!IsEntry(item))
            return;
        entry = static_cast<std::size_t>(item - 1);
    }
    for (const HookField& f : SectionFields(section)) {
        for (std::size_t r = 0; r < f.repeat; ++r)
            CopyField(from, to, f.offset + f.stride * (r + entry), f);
    }
}

bool ToHookSection(int number, HookSection& section) {
    if (number < 0 || number >= HookSectionCount)
        return false;
    section = static_cast<HookSection>(number);
    return true;
}

bool TerminatesPlayer(ConstBytes table, int code) {
    if (table.size() < HookTable::Size)
        return false;
    const int count = std::clamp(GetI32(table, HookAt::MacroCount), 0, HookMacroEntries);
    for (std::size_t k = 0; k < static_cast<std::size_t>(count); ++k) {
        const std::size_t scope = HookAt::ScopeTexts + 21 * k;
        const std::string_view scopeText(reinterpret_cast<const char*>(&table[scope + 1]),
                                         std::min<std::size_t>(table[scope], 1));
        if (GetI16(table, HookAt::Kinds + 2 * k) == MacroKind::System &&
            GetU16(table, HookAt::Activations + 2 * k) == code &&
            table[HookAt::EnabledFlags + k] != 0 &&
            SystemMacroActionOf(scopeText) == SystemMacroAction::TerminatePlayer)
            return true;
    }
    return false;
}

}  // namespace orv
