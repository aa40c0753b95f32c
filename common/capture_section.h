// The capture section of the HookTable (738-799): what the hook library is
// told about a recording before it starts.
#pragma once

#include <optional>

#include "common/hook_table.h"
#include "common/hotkeys.h"

namespace orv {

struct SettingsBlock;

// The second stop key, laid out as the first one (763, 765, 767..770).
namespace CaptureAt {
constexpr std::size_t SecondStopMouse = 773;
constexpr std::size_t SecondStopKey = 775;
constexpr std::size_t SecondStopCtrl = 777;  // then Alt, Shift, Win
constexpr std::size_t Cleared771 = 771;
constexpr std::size_t Cleared781 = 781;
}  // namespace CaptureAt

// The system macro that starts and stops a capture:
// its number, 0 when there is none.
int CaptureSystemMacro(const HookTable& table);

// The key that ends the capture: the capture system macro's hot key. A macro
// activated otherwise, or none at all, gives all zero, which stops nothing.
KeyCombination CaptureStopKey(const HookTable& table);

// The options of one recording: the "Capture" settings, or what the capture
// dialog chose in their place.
struct CaptureOptions {
    bool DoubleAlt = true, Keys = true, Mouse = true, Time = true, ClicksOnly = true;
    bool WindowSize = true, Global = true, Prompt = true;
    int RelativeTo = 1;  // 1 screen, 2 window, 3 position
    int Speed = 1;       // 1 actual, 2 half, 3 double, 4 quadruple
};
CaptureOptions CaptureOptionsOf(const SettingsBlock& settings);
void StoreCaptureOptions(SettingsBlock& settings, const CaptureOptions& options);

// As below, with the options of one recording.
void SetCaptureSection(HookTable& table, const CaptureOptions& options, int macroNumber,
                       const KeyCombination& stopKey,
                       const std::optional<KeyCombination>& secondStopKey = std::nullopt);

// The capture options from the settings, the cleared library bytes, the
// macro that receives the capture, the stop key and, when given, a second
// stop key (the recorded macro's own hot key). 738 (running) is left alone:
// it is handed over on its own once everything else is in place.
void SetCaptureSection(HookTable& table, const SettingsBlock& settings, int macroNumber,
                       const KeyCombination& stopKey,
                       const std::optional<KeyCombination>& secondStopKey = std::nullopt);

}  // namespace orv
