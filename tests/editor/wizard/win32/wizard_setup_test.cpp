// The first-time setup through the main window: its settings written and
// told to the player and the network lock, the starter macros' wizards on a
// first start, and the dial-up wizard where dial-up networking is missing.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>

#include "common/files.h"
#include "common/notices.h"
#include "common/ras_text.h"
#include "common/side_files.h"
#include "editor/shell/win32/quick_wizard_launchers.h"
#include "editor/wizard/win32/quick_wiz.h"
#include "editor/wizard/wizard_kinds.h"
#include "tests/editor/shell/win32/main_window_fixture.h"

namespace orv::editor::testing {
namespace {

class WizardSetupTest : public MainWindowFixture {
  protected:
    // The window with the wizards behind its launchers, shown: a first start
    // runs the setup while it shows, driven by what was expected before.
    // Afterwards forms are driven from a new list.
    TMainWin& OpenWithWizards() {
        main = std::make_unique<TMainWin>(context);
        InstallQuickWizards(*main);
        {
            // A first start's setup runs once the window shows, its wizard
            // driven; the main window's own showing is no step.
            struct AllButTheMainWindow final : FormObserver {
                FormObserver* Driver = CurrentFormObserver();
                void FormShown(TForm& form) override {
                    if (!dynamic_cast<TMainWin*>(&form) && Driver)
                        Driver->FormShown(form);
                }
            } observer;
            SetFormObserver(&observer);
            main->Show();
            Pump(*main);
            SetFormObserver(observer.Driver);
        }
        driver.reset();
        Pump(*main);
        driver.emplace();
        return *main;
    }
    // The settings wizard walked to its end and finished; on the way the
    // panels' own steps run when each panel shows.
    void ExpectSetup(std::map<int, std::function<void(TQuickWiz&)>> onPanel) {
        driver->Expect<TQuickWiz>([onPanel](TQuickWiz& wiz) {
            ASSERT_EQ(wiz.Kind, Number(WizardKind::FirstTime));
            for (int panel = wiz.CurrentPanel();; panel = wiz.CurrentPanel()) {
                if (onPanel.count(panel))
                    onPanel.at(panel)(wiz);
                wiz.NextButton.Click();
                if (!wiz.IsOpen())
                    return;
                ASSERT_NE(wiz.CurrentPanel(), panel) << "stuck on panel " << panel;
            }
        });
    }
    void ExpectCancelledWizard(int kind) {
        driver->Expect<TQuickWiz>([kind](TQuickWiz& wiz) {
            EXPECT_EQ(wiz.Kind, kind);
            wiz.CancelButton.Click();
        });
    }
    static void Tick(TQuickWiz& wiz, const char* name) {
        static_cast<TCheckable*>(wiz.Control(name))->Click();
    }
    std::optional<ModalDriver> driver;
};

TEST_F(WizardSetupTest, TheSettingsAreWrittenToldToThePlayerAndTheLockSetUp) {
    settings.NetworkMode = false;
    TMainWin& w = OpenWithWizards();
    player.posted.clear();
    const int count = table.EntryCount();
    ExpectSetup(
        {{66, [](TQuickWiz& wiz) { Tick(wiz, "P66Solitary"); }},
         {67, [](TQuickWiz& wiz) { Tick(wiz, "P67HalfSpeed"); }},
         {74, [](TQuickWiz& wiz) { wiz.Control("P74SMTPHost")->SetText(" mail.example.com "); }},
         {68, [](TQuickWiz& wiz) { Tick(wiz, "P68Network"); }}});
    w.FirstTimeSetup1.Click();

    EXPECT_EQ(store.Raw("Cuewords", "Solitary Usage"), "Yes");
    EXPECT_EQ(store.Raw("Capture", "Speed"), "2");
    EXPECT_EQ(store.Raw("Network", "Network Mode"), "Yes");
    EXPECT_EQ(store.Raw("Network", "Sync Minutes"), "10");
    EXPECT_EQ(store.Raw("Misc", "First Use"), "No");
    EXPECT_EQ(store.Raw("EMail", "SMTP Host"), "mail.example.com");
    EXPECT_EQ(player.posted, (Posts{{NoticeCode::CuewordSettingsChanged, 0},
                                    {NoticeCode::CaptureSettingsChanged, 0},
                                    {NoticeCode::NetworkSettingsChanged, 0},
                                    {NoticeCode::EMailSettingsChanged, 0},
                                    {NoticeCode::MiscSettingsChanged, 0}}));
    EXPECT_EQ(w.Lock().SyncName(), SyncFileName(library)) << "network mode on sets the lock up";
    EXPECT_TRUE(FileExists(SyncFileName(library)));
    EXPECT_FALSE(w.Lock().Holding());
    EXPECT_EQ(table.EntryCount(), count) << "the setup makes no macro";
}

TEST_F(WizardSetupTest, AFirstStartOffersTheChosenStarterMacrosInOrder) {
    settings.FirstUse = true;
    driver.emplace();
    ExpectSetup({{69, [](TQuickWiz& wiz) {
                      Tick(wiz, "P69Print");
                      Tick(wiz, "P69Date");
                  }}});
    boxes.Expect("This next wizard will allow you to type a date and/or time into a program.",
                 MsgResult::Ok, "New Macro");
    ExpectCancelledWizard(6);
    boxes.Expect("This next wizard will allow you to choose a default Windows printer.",
                 MsgResult::Ok, "New Macro");
    ExpectCancelledWizard(14);
    OpenWithWizards();
    EXPECT_EQ(store.Raw("Misc", "First Use"), "No");
}

TEST_F(WizardSetupTest, TheDialUpKindWithoutDialUpNetworkingSaysSoAndAddsNothing) {
    TMainWin& w = OpenWithWizards();
    player.posted.clear();
    w.DialUpAvailable = [] { return false; };
    const int count = table.EntryCount();
    boxes.Expect(std::string(RasMissingText), MsgResult::Ok, "Warning");
    w.Launchers().QuickWizard(12);
    EXPECT_EQ(table.EntryCount(), count);
    EXPECT_TRUE(player.posted.empty());
}

}  // namespace
}  // namespace orv::editor::testing
