#include "editor/wizard/wizard_capture.h"

namespace orv {
namespace {

void PutKey(HookTable& table, std::size_t mouseAt, std::size_t keyAt, std::size_t flagsAt,
            const std::optional<KeyCombination>& key) {
    KeyCombination k = key.value_or(KeyCombination{});
    table.SetU16(mouseAt, k.mouse);
    table.SetU16(keyAt, k.vk);
    table.SetU8(flagsAt, k.ctrl);
    table.SetU8(flagsAt + 1, k.alt);
    table.SetU8(flagsAt + 2, k.shift);
    table.SetU8(flagsAt + 3, k.win);
}

}  // namespace

void ApplyCapturePlan(const CapturePlan& plan, HookTable& table) {
    table.SetU8(HookAt::CaptureReset, 0);
    table.SetU8(771, 0);
    table.SetU16(HookAt::CaptureMacro, static_cast<std::uint16_t>(plan.MacroNumber));
    table.SetU8(HookAt::DoubleAlt, plan.DoubleAlt);
    PutKey(table, HookAt::StopMouse, HookAt::StopKey, HookAt::StopCtrl, plan.StopKey);
    table.SetU8(HookAt::SecondStopGiven, plan.SecondKey.has_value());
    PutKey(table, HookAt::SecondStopGiven + 1, HookAt::SecondStopGiven + 3,
           HookAt::SecondStopGiven + 5, plan.SecondKey);
    table.SetU8(781, plan.SecondKey.has_value());
    table.SetU8(HookAt::RecordWindowSize, plan.WindowSize);
    table.SetU8(HookAt::CaptureKeys, plan.Keys);
    table.SetU8(HookAt::CaptureMouse, plan.Mouse);
    table.SetU8(HookAt::CaptureClicksOnly, plan.ClicksOnly);
    table.SetU8(HookAt::RelativeTo, static_cast<std::uint8_t>(plan.RelativeTo));
    table.SetU8(HookAt::CaptureTime, plan.Time);
    table.SetU8(HookAt::CaptureStarted, 1);
}

CapturePlan SweepstakesCapturePlan() {
    CapturePlan plan;
    plan.MacroNumber = 1000;
    plan.Keys = true;
    plan.Mouse = false;
    plan.RelativeTo = 1;
    plan.ClicksOnly = true;
    return plan;
}

}  // namespace orv
