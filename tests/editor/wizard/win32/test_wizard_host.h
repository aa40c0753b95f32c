// The wizard form's host in tests: the model's test world, and a record of
// what the form asked of the hook library.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/settings.h"
#include "editor/commands/command_context.h"
#include "common/ui/win32/controls.h"
#include "editor/wizard/win32/quick_wiz.h"
#include "editor/wizard/win32/wizard_host.h"
#include "editor/wizard/wizard_panels.h"

namespace orv::editor::testing {

class TestWizardHost final : public WizardHost {
  public:
    explicit TestWizardHost(WizardEnv env) : Environment(std::move(env)) {}

    WizardEnv Env() override { return Environment; }
    void SetBypass(bool bypass) override { Environment.Settings.BypassWizardScreen = bypass; }
    void SetSecWind(HWND window, bool on) override {
        SecondWindow = on ? window : nullptr;
        SecondWindowCalls.push_back(on);
    }
    void SetCapWind(HWND window, bool on) override { CaptureWindow = on ? window : nullptr; }
    void UpCapture(const CapturePlan& plan) override { Capture = plan; }
    void UpCaptureOn(bool on) override { CaptureOn = on; }
    void ShowEditor(bool shown) override { EditorShown = shown; }

    WizardEnv Environment;
    HWND SecondWindow = nullptr;
    std::vector<bool> SecondWindowCalls;
    HWND CaptureWindow = nullptr;
    CapturePlan Capture;
    bool CaptureOn = false;
    bool EditorShown = true;
    CommandContext Commands{Environment.Settings, [] { return std::vector<MacroNickname>{}; }};
};

// Answers every shown, enabled control of the panel that has no answer yet,
// so that Next passes it: an edit box gets "1" (an address box an address),
// a list its first item (the key list a key).
inline void AnswerShownControls(TQuickWiz& w, const PanelDecl& panel) {
    for (const ControlDecl& c : panel.Controls) {
        TControl* control = w.Control(c.Name);
        if (!control || !control->Showing() || !control->Enabled())
            continue;
        if (auto* edit = dynamic_cast<TEdit*>(control); edit && edit->Text().empty())
            edit->SetText(c.Name.find("Address") != std::string::npos ? "a@b.c" : "1");
        auto* list = dynamic_cast<TListBox*>(control);
        if (!list || list->Count() == 0)
            continue;
        if (list->MultiSelect())
            list->SetSelected(0, true);
        else if (list->ItemIndex() < 0)
            list->SetItemIndex(c.Name == "P3KeyList" ? 100 : 0);
    }
}

}  // namespace orv::editor::testing
