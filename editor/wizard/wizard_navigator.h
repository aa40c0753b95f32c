// The order in which the wizard shows its panels: the kind's sequence, less
// the panels an earlier answer makes pointless, walked forward by Next and
// back by Back.
#pragma once

#include <set>
#include <span>
#include <string_view>
#include <vector>

#include "editor/wizard/wizard_answers.h"

namespace orv::editor {

// A panel is passed over when any of AnyChecked is checked or any of
// AnyUnchecked is not; Kind 0 applies to every kind, a negative one to every
// kind but its opposite.
struct SkipRule {
    int Panel = 0;
    int Kind = 0;
    std::vector<std::string_view> AnyChecked;
    std::vector<std::string_view> AnyUnchecked;
    bool WithoutPopupMenus = false;
};

std::span<const SkipRule> SkipRules();

bool Skipped(int panel, int kind, const WizardAnswers& answers, bool hasPopupMenus);

// The panels shown from the first step to the last with these answers.
std::vector<int> ShownPath(int kind, const WizardAnswers& answers, bool hasPopupMenus);

// The panels whose first showing fills them from the library, the settings or
// the system; each is filled once per wizard.
bool HasLoader(int panel);

class WizardNavigator {
  public:
    WizardNavigator(int kind, const WizardAnswers& answers, bool hasPopupMenus)
        : kind_(kind), answers_(answers), hasPopupMenus_(hasPopupMenus) {}

    // The first panel; bypass starts on the second step (the first-time kind
    // never bypasses).
    void Start(bool bypass);
    void Next();
    void Back();

    int CurrentPanel() const;
    int Step() const { return step_; }
    bool AtLastStep() const;
    bool BackEnabled() const { return step_ != 1; }
    std::string_view NextCaption() const { return AtLastStep() ? "&Finish" : "&Next >"; }
    // True the first time the panel is shown when it has a loader; the panel
    // of the first-time kind's welcome also runs the settings panels' loader.
    bool LoaderDue(int panel);

  private:
    void Move(int direction);

    int kind_;
    const WizardAnswers& answers_;
    bool hasPopupMenus_;
    int step_ = 1;
    std::set<int> loaded_;
};

}  // namespace orv::editor
