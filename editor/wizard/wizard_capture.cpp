#include "editor/wizard/wizard_capture.h"

namespace orv::editor {

CaptureOptions PlanOptions(const CapturePlan& plan) {
    CaptureOptions options;
    options.DoubleAlt = plan.DoubleAlt;
    options.Keys = plan.Keys;
    options.Mouse = plan.Mouse;
    options.Time = plan.Time;
    options.ClicksOnly = plan.ClicksOnly;
    options.WindowSize = plan.WindowSize;
    options.RelativeTo = plan.RelativeTo;
    return options;
}

void ApplyCapturePlan(const CapturePlan& plan, HookTable& table) {
    SetCaptureSection(table, PlanOptions(plan), plan.MacroNumber,
                      plan.StopKey.value_or(KeyCombination{}), plan.SecondKey);
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

}  // namespace orv::editor
