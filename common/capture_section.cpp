#include "common/capture_section.h"

#include "common/macro_record.h"
#include "common/settings.h"
#include "common/system_macro_action.h"

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
        if (entry.Kind == MacroKind::System &&
            SystemMacroActionOf(entry.ScopeText) == SystemMacroAction::StartStopCapture)
            return i;
    }
    return 0;
}

KeyCombination CaptureStopKey(const HookTable& table) {
    const int macro = CaptureSystemMacro(table);
    return macro == 0 ? KeyCombination{} : DecipherKey(table.Entry(macro).Activation);
}

CaptureOptions CaptureOptionsOf(const SettingsBlock& settings) {
    return {.DoubleAlt = settings.CaptureDoubleAlt,
            .Keys = settings.CaptureKeys,
            .Mouse = settings.CaptureMouse,
            .Time = settings.CaptureTime,
            .ClicksOnly = settings.CaptureClicksOnly,
            .WindowSize = settings.CaptureWindowSize,
            .Global = settings.CaptureGlobal,
            .Prompt = settings.CapturePrompt,
            .RelativeTo = settings.RelativeTo,
            .Speed = settings.CaptureSpeed};
}

void StoreCaptureOptions(SettingsBlock& settings, const CaptureOptions& options) {
    settings.CaptureDoubleAlt = options.DoubleAlt;
    settings.CaptureKeys = options.Keys;
    settings.CaptureMouse = options.Mouse;
    settings.CaptureTime = options.Time;
    settings.CaptureClicksOnly = options.ClicksOnly;
    settings.CaptureWindowSize = options.WindowSize;
    settings.CaptureGlobal = options.Global;
    settings.CapturePrompt = options.Prompt;
    settings.RelativeTo = options.RelativeTo;
    settings.CaptureSpeed = options.Speed;
}

void SetCaptureSection(HookTable& table, const SettingsBlock& settings, int macroNumber,
                       const KeyCombination& stopKey,
                       const std::optional<KeyCombination>& secondStopKey) {
    SetCaptureSection(table, CaptureOptionsOf(settings), macroNumber, stopKey, secondStopKey);
}

void SetCaptureSection(HookTable& table, const CaptureOptions& options, int macroNumber,
                       const KeyCombination& stopKey,
                       const std::optional<KeyCombination>& secondStopKey) {
    table.SetU8(HookAt::CaptureKeys, options.Keys);
    table.SetU8(HookAt::CaptureMouse, options.Mouse);
    table.SetU8(HookAt::CaptureTime, options.Time);
    table.SetU8(HookAt::CaptureClicksOnly, options.ClicksOnly);
    const int relativeTo =
        options.RelativeTo == 1 || options.RelativeTo == 2 ? options.RelativeTo : 3;
    table.SetU8(HookAt::RelativeTo, static_cast<std::uint8_t>(relativeTo));
    const bool windowSize = options.Mouse && relativeTo == 2 && options.WindowSize;
    table.SetU8(HookAt::RecordWindowSize, windowSize);
    table.SetU8(HookAt::RecordWindowSizeCopy, windowSize);
    table.SetU8(HookAt::DoubleAlt, options.DoubleAlt);
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
