#include "common/capture_section.h"

#include "common/macro_record.h"
#include "common/settings.h"

namespace orv {
namespace {

using namespace CaptureAt;

// A stop key as the library reads it: button, key, then Ctrl, Alt, Shift, Win.
void PutStopKey(HookTable& table, std::size_t mouseAt, std::size_t keyAt, std::size_t ctrlAt,
                const KeyCombination& key) {
    table.SetU16(mouseAt, key.mouse);
    table.SetU16(keyAt, key.vk);
    table.SetU8(ctrlAt, key.ctrl);
    table.SetU8(ctrlAt + 1, key.alt);
    table.SetU8(ctrlAt + 2, key.shift);
    table.SetU8(ctrlAt + 3, key.win);
}

}  // namespace

int CaptureSystemMacro(const HookTable& table) {
    for (int i = 1; i <= table.EntryCount(); ++i) {
        const MacroEntry entry = table.Entry(i);
        if (entry.Kind == MacroKind::System && !entry.ScopeText.empty() &&
            entry.ScopeText[0] == '2')
            return i;
    }
    return 0;
}

KeyCombination CaptureStopKey(const HookTable& table) {
    const int macro = CaptureSystemMacro(table);
    return macro == 0 ? KeyCombination{} : DecipherKey(table.Entry(macro).Activation);
}

void SetCaptureSection(HookTable& table, const SettingsBlock& settings, int macroNumber,
                       const KeyCombination& stopKey,
                       const std::optional<KeyCombination>& secondStopKey) {
    table.SetU8(HookAt::CaptureKeys, settings.CaptureKeys);
    table.SetU8(HookAt::CaptureMouse, settings.CaptureMouse);
    table.SetU8(HookAt::CaptureTime, settings.CaptureTime);
    table.SetU8(HookAt::CaptureClicksOnly, settings.CaptureClicksOnly);
    const int relativeTo =
        settings.RelativeTo == 1 || settings.RelativeTo == 2 ? settings.RelativeTo : 3;
    table.SetU8(HookAt::RelativeTo, static_cast<std::uint8_t>(relativeTo));
    const bool windowSize = settings.CaptureMouse && relativeTo == 2 && settings.CaptureWindowSize;
    table.SetU8(HookAt::RecordWindowSize, windowSize);
    table.SetU8(HookAt::RecordWindowSizeCopy, windowSize);
    table.SetU8(HookAt::DoubleAlt, settings.CaptureDoubleAlt);
    table.SetU8(Cleared771, 0);
    table.SetU8(Cleared781, 0);
    table.SetU8(HookAt::CaptureReset, 0);
    table.SetU16(HookAt::CaptureMacro, static_cast<std::uint16_t>(macroNumber));
    PutStopKey(table, HookAt::StopMouse, HookAt::StopKey, HookAt::StopCtrl, stopKey);
    table.SetU8(HookAt::SecondStopGiven, secondStopKey.has_value());
    PutStopKey(table, SecondStopMouse, SecondStopKey, SecondStopCtrl,
               secondStopKey.value_or(KeyCombination{}));
    table.SetU8(HookAt::CaptureStarted, 1);
}

}  // namespace orv
