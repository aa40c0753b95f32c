// Opens the quick wizard of every kind and prints the time from its start to
// its first panel drawn, then the time each further panel of the opening
// kind's road takes to show the first time. Fails past 1 s to open or 250 ms
// for a panel.
//   scripts/with-display scripts/wine build/win32/bin/wizard_bench.exe
#include <windows.h>

#include <chrono>
#include <algorithm>
#include <cstdio>

#include "common/settings.h"
#include "common/ui/win32/services.h"
#include "editor/commands/command_context.h"
#include "editor/wizard/win32/quick_wiz.h"
#include "editor/wizard/wizard_kinds.h"

namespace {

using namespace orv;
using namespace orv::editor;
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class BenchHost final : public WizardHost {
  public:
    WizardEnv Env() override {
        WizardEnv env;
        env.Now = [] { return DateTime{}; };
        env.ShortFile = [](const std::string& path) { return std::optional(path); };
        env.FolderExists = [](const std::string&) { return true; };
        env.ProgramDir = "C:\\";
        return env;
    }
    void SetBypass(bool) override {}
    void SetSecWind(HWND, bool) override {}
    void SetCapWind(HWND, bool) override {}
    void UpCapture(const CapturePlan&) override {}
    void UpCaptureOn(bool) override {}
    void ShowEditor(bool) override {}
};

// The first panel of a kind's road drawn: the time from the wizard's start;
// then Next through the road while a panel accepts its defaults.
class TimedWizard final : public FormObserver {
  public:
    void FormShown(TForm& form) override {
        auto& wiz = static_cast<TQuickWiz&>(form);
        UpdateWindow(wiz.Handle());
        Open = MsSince(Start);
        for (int panel = wiz.CurrentPanel(), guard = 0; guard < 20; ++guard) {
            Clock::time_point step = Clock::now();
            wiz.NextButton.Click();
            if (!wiz.IsOpen() || wiz.CurrentPanel() == panel)
                break;
            panel = wiz.CurrentPanel();
            UpdateWindow(wiz.Handle());
            double ms = MsSince(step);
            std::printf("  panel %d: %.1f ms\n", panel, ms);
            Slowest = std::max(Slowest, ms);
        }
        wiz.Close();
    }
    Clock::time_point Start;
    double Open = 0;
    double Slowest = 0;
};

}  // namespace

int main() {
    BenchHost host;
    WizardPlatform platform;
    SettingsBlock settings;
    CommandContext commands{settings, [] { return std::vector<MacroNickname>{}; }};
    TimedWizard timing;
    SetFormObserver(&timing);
    bool slow = false;
    for (const KindDecl& kind : Kinds()) {
        TQuickWiz wiz(host, platform, commands, kind.Number);
        timing.Start = Clock::now();
        timing.Slowest = 0;
        wiz.ShowModal();
        std::printf("kind %d: open %.1f ms, slowest panel %.1f ms\n", kind.Number, timing.Open,
                    timing.Slowest);
        slow = slow || timing.Open > 1000 || timing.Slowest > 250;
    }
    SetFormObserver(nullptr);
    if (slow)
        std::printf("too slow: past 1 s to open or 250 ms for a panel\n");
    return slow ? 1 : 0;
}
