#include "editor/wizard/wizard_capture.h"

namespace orv::editor {

void ApplyCapturePlan(const CapturePlan& plan, HookTable& table) {
    SetCaptureSection(table, plan.Options, plan.MacroNumber,
                      plan.StopKey.value_or(KeyCombination{}), plan.SecondKey);
}

CapturePlan SweepstakesCapturePlan() {
    CapturePlan plan;
    plan.MacroNumber = 1000;
    return plan;
}

}  // namespace orv::editor
