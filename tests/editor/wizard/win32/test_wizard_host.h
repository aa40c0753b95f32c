// The wizard form's host in tests: the model's test world, and a record of
// what the form asked of the hook library.
#pragma once

#include <utility>
#include <vector>

#include "common/settings.h"
#include "editor/commands/command_context.h"
#include "editor/wizard/win32/wizard_host.h"

namespace orv::testing {

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

}  // namespace orv::testing
