#include "editor/wizard/wizard_navigator.h"

#include <algorithm>

#include "editor/wizard/wizard_kinds.h"

namespace orv::editor {
namespace {

const std::vector<SkipRule>& Rules() {
    static const std::vector<SkipRule> rules = {
        {3, 0, {"P2None", "P2Title"}, {}},
        {7, 0, {"P2None", "P2Timed", "P2Title"}, {}},
        {8, 0, {"P2None", "P2Timed", "P2Title", "P7Global"}, {}},
        {9, 0, {}, {}, true},
        {18, 0, {"P17Time"}, {}},
        {19, 0, {"P17Date"}, {}},
        {20, 0, {"P17Time"}, {}},
        {28, 12, {"P27Hang"}, {}},
        {28, 29, {}, {"P78RAS"}},
        {31, 0, {"P30OpenDoc", "P30Act"}, {}},
        {32, 0, {"P30OpenDoc", "P30Act"}, {}},
        {33, 20, {"P35RepTop", "P35SizeTop"}, {}},
        {33, -20, {"P30OpenDoc", "P30LaunchOnly"}, {}},
        {34, 0, {}, {"P30OpenDoc"}},
        {37, 0, {}, {"P2Title"}},
        {40, 0, {}, {"P39Choice"}},
        {44, 0, {}, {"P43Audio"}},
        {45, 0, {}, {"P43MIDI"}},
        {46, 0, {}, {"P43Play"}},
        {54, 0, {}, {"P53Text"}},
        {55, 0, {}, {"P53System"}},
        {56, 0, {}, {"P53Program"}},
        {57, 0, {}, {"P53Macro"}},
        {76, 0, {"P75Prompt"}, {}},
        {81, 0, {"P75Prompt"}, {"P75cc"}},
        {82, 0, {"P75Prompt"}, {"P75Blind"}},
    };
    return rules;
}

bool AppliesTo(const SkipRule& rule, int kind) {
    return rule.Kind == 0 || rule.Kind == kind || (rule.Kind < 0 && -rule.Kind != kind);
}

bool Holds(const SkipRule& rule, const WizardAnswers& answers, bool hasPopupMenus) {
    if (rule.WithoutPopupMenus && !hasPopupMenus)
        return true;
    auto checked = [&](std::string_view name) { return answers.Checked(std::string(name)); };
    return std::any_of(rule.AnyChecked.begin(), rule.AnyChecked.end(), checked) ||
           !std::all_of(rule.AnyUnchecked.begin(), rule.AnyUnchecked.end(), checked);
}

constexpr int LoadedPanels[] = {3,  4,  6,  8,  9,  10, 14, 15, 16, 18, 19,
                                25, 28, 32, 50, 59, 62, 64, 66, 76, 81, 82};

}  // namespace

std::span<const SkipRule> SkipRules() {
    return Rules();
}

bool Skipped(int panel, int kind, const WizardAnswers& answers, bool hasPopupMenus) {
    for (const SkipRule& rule : Rules()) {
        if (rule.Panel == panel && AppliesTo(rule, kind) && Holds(rule, answers, hasPopupMenus))
            return true;
    }
    return false;
}

std::vector<int> ShownPath(int kind, const WizardAnswers& answers, bool hasPopupMenus) {
    std::vector<int> path;
    for (int panel : Kind(kind).Sequence) {
        if (!Skipped(panel, kind, answers, hasPopupMenus))
            path.push_back(panel);
    }
    return path;
}

bool HasLoader(int panel) {
    return std::find(std::begin(LoadedPanels), std::end(LoadedPanels), panel) !=
           std::end(LoadedPanels);
}

void WizardNavigator::Start(bool bypass) {
    step_ = bypass && kind_ != WizardKind::FirstTime ? 2 : 1;
    Move(+1);
}

void WizardNavigator::Next() {
    if (!AtLastStep()) {
        ++step_;
        Move(+1);
    }
}

void WizardNavigator::Back() {
    if (step_ > 1) {
        --step_;
        Move(-1);
    }
}

int WizardNavigator::CurrentPanel() const {
    return Kind(kind_).Sequence[static_cast<std::size_t>(step_ - 1)];
}

bool WizardNavigator::AtLastStep() const {
    return step_ == static_cast<int>(Kind(kind_).Sequence.size());
}

// Passes over skipped panels in the direction of travel; the first and the
// last panel of every sequence have no skip rule, so this always stops.
void WizardNavigator::Move(int direction) {
    while (Skipped(CurrentPanel(), kind_, answers_, hasPopupMenus_)) step_ += direction;
}

bool WizardNavigator::LoaderDue(int panel) {
    int loader = panel == 65 ? 66 : panel;
    if (!HasLoader(loader))
        return false;
    return loaded_.insert(loader).second;
}

}  // namespace orv::editor
