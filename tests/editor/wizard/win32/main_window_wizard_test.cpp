// The quick wizard opened by the main window: the refusal of a full library,
// and a finished macro saved, joined to the chosen pop-up menu, listed and
// told to the player.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "common/files.h"
#include "common/notices.h"

#include "common/win32/ras_api.h"
#include "editor/commands/win32/wait_dialog.h"
#include "editor/shell/win32/quick_wizard_launchers.h"
#include "editor/wizard/win32/quick_wiz.h"
#include "editor/wizard/wizard_checks.h"
#include "tests/editor/shell/win32/main_window_fixture.h"

namespace orv::editor::testing {
namespace {

class MainWindowWizardTest : public MainWindowFixture {
  protected:
    // The window with the wizard behind its launchers; forms shown after it
    // are driven.
    TMainWin& OpenWithWizard() {
        TMainWin& w = Open();
        InstallQuickWizards(w);
        driver.emplace();
        return w;
    }
    // A timed macro "Restart" made in the wizard, to join the first pop-up
    // menu listed; atFinish runs as the user presses the last Next.
    void MakeTimedMacroForTheFirstMenu(const std::function<void()>& atFinish = [] {}) {
        driver->Expect<TQuickWiz>([&](TQuickWiz& wiz) {
            auto click = [&](const char* name) {
                static_cast<TCheckable*>(wiz.Control(name))->Click();
            };
            wiz.NextButton.Click();  // 1 -> 11
            wiz.NextButton.Click();  // 11 -> 2
            click("P2Timed");
            wiz.NextButton.Click();  // 2 -> 3, the daily schedule
            wiz.NextButton.Click();  // 3 -> 9: no scope for a timed macro
            ASSERT_EQ(wiz.CurrentPanel(), 9);
            click("P9AddYes");
            wiz.ControlAs<TListBox>("P9PopupList")->SetItemIndex(0);
            wiz.NextButton.Click();
            wiz.Control("P10Nick")->SetText("Restart");
            atFinish();
            wiz.NextButton.Click();
        });
        main->Launchers().QuickWizard(9);
    }
    std::optional<ModalDriver> driver;
};

TEST_F(MainWindowWizardTest, AFullLibraryIsRefusedBeforeTheWizardOpens) {
    TMainWin& w = OpenWithWizard();
    const int count = table.MacroCount();
    table.SetMacroCount(HookMacroEntries);
    boxes.Expect("Maximum number of hot keys has been reached.  A macro cannot be added.",
                 MsgResult::Ok, "Error");
    w.Launchers().QuickWizard(1);
    table.SetMacroCount(count);
    EXPECT_TRUE(player.posted.empty());
}

TEST_F(MainWindowWizardTest, ATimedMacroJoinsItsMenuIsListedAndToldToThePlayer) {
    TMainWin& w = OpenWithWizard();
    const int count = table.EntryCount();
    MakeTimedMacroForTheFirstMenu();

    ASSERT_EQ(table.EntryCount(), count + 1);
    MacroRecord made, menu;
    ASSERT_TRUE(macros.ReadMacroRecord(count + 1, made));
    EXPECT_EQ(made.Nickname, "Restart");
    EXPECT_EQ(made.ActivationCode, ActivationCode::Scheduled);
    ASSERT_TRUE(macros.ReadMacroRecord(3, menu));
    EXPECT_EQ(menu.PopupMembers(), std::vector<int>{count + 1});
    EXPECT_EQ(w.SelectedMacro(), count + 1);
    EXPECT_EQ(player.Only({NoticeCode::SchedulesChanged, NoticeCode::PopupMenusChanged}),
              (Posts{{NoticeCode::SchedulesChanged, 0}}));
}

// The menu chosen was rewritten by another program before Finish: the macro
// is kept, and that program's record is not written over by its number.
TEST_F(MainWindowWizardTest, AMenuRewrittenMeanwhileIsNotJoined) {
    OpenWithWizard();
    const int count = table.EntryCount();
    MacroRecord other;
    MakeTimedMacroForTheFirstMenu([&] {
        std::vector<MacroRecord> records = RecordsOf(*ReadWholeFile(library));
        records[2].Nickname = "ELSEWHERE";
        other = records[2];
        WriteLibrary(library, records);  // by the other program, unannounced
        boxes.Expect(MenuMovedMessage);
    });
    ASSERT_EQ(table.EntryCount(), count + 1);
    MacroRecord menu;
    ASSERT_TRUE(macros.ReadMacroRecord(3, menu));
    EXPECT_EQ(menu.Nickname, "ELSEWHERE");
    EXPECT_EQ(menu.PopupMembers(), other.PopupMembers());
}

TEST_F(MainWindowWizardTest, TheSingleCommandsDialogsSeeTheEditor) {
    TMainWin& w = OpenWithWizard();
    driver->Expect<TQuickWiz>([&](TQuickWiz& wiz) {
        auto click = [&](const char* name) {
            static_cast<TCheckable*>(wiz.Control(name))->Click();
        };
        EXPECT_EQ(wiz.Answers().Enabled("P55Dialup"), RasLoaded());
        wiz.NextButton.Click();  // 1 -> 53
        click("P53Macro");
        wiz.NextButton.Click();
        click("P57Wait");
        wiz.NextButton.Click();
        ASSERT_EQ(wiz.CurrentPanel(), 58);
        // The editor's program picker is offered.
        driver->Expect<TDoWaitWin>([](TDoWaitWin& d) {
            EXPECT_TRUE(d.Button1.Enabled());
            d.Close();
        });
        static_cast<TButton*>(wiz.Control("P58Choose"))->Click();
        wiz.Close();
    });
    w.Launchers().QuickWizard(27);
    EXPECT_TRUE(player.posted.empty());
}

// Through the timed kind to its last panel, the nickname typed; no menu.
void ToTheLastPanel(TQuickWiz& wiz) {
    static_cast<TCheckable*>(wiz.Control("P2Timed"))->Click();
    wiz.NextButton.Click();  // 2 -> 3, the daily schedule
    wiz.NextButton.Click();  // 3 -> 9
    wiz.NextButton.Click();  // 9 -> 10
    ASSERT_EQ(wiz.CurrentPanel(), 10);
    wiz.Control("P10Nick")->SetText("Restart");
}

std::vector<MacroRecord> FileRecords(const std::string& path) {
    return RecordsOf(ReadWholeFile(path).value_or(""));
}

// Another program holds the library at Finish: the wizard stays on its last
// panel with the user's answers, and its macro lands once the file is free.
TEST_F(MainWindowWizardTest, AFinishRefusedByAHeldLibraryKeepsTheWizardOnItsLastPanel) {
    TMainWin& w = OpenWithWizard();
    const std::size_t count = FileRecords(library).size();
    boxes.Expect(LibraryMessage::SaveFailed);
    driver->Expect<TQuickWiz>([&](TQuickWiz& wiz) {
        wiz.NextButton.Click();  // 1 -> 11
        wiz.NextButton.Click();  // 11 -> 2
        ToTheLastPanel(wiz);
        HANDLE held = CreateFileA(library.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        wiz.NextButton.Click();
        EXPECT_TRUE(wiz.IsOpen());
        EXPECT_EQ(wiz.CurrentPanel(), 10);
        EXPECT_EQ(wiz.Control("P10Nick")->Text(), "Restart");
        CloseHandle(held);
        wiz.NextButton.Click();
    });
    w.Launchers().QuickWizard(9);
    const std::vector<MacroRecord> records = FileRecords(library);
    ASSERT_EQ(records.size(), count + 1);
    EXPECT_EQ(records.back().Nickname, "Restart");
    EXPECT_FALSE(w.Lock().Holding());
}

// A running macro swaps the library while the wizard is open: its macro goes
// to the library it was begun on, and the swap comes after it.
TEST_F(MainWindowWizardTest, AWizardsMacroLandsInTheLibraryItWasBegunOnAcrossASwap) {
    TMainWin& w = OpenWithWizard();
    const std::string other = folder / "OTHER.ORN";
    WriteLibrary(other, {Macro("OTHER ONE", 66)});
    driver->Expect<TQuickWiz>([&](TQuickWiz& wiz) {
        wiz.NextButton.Click();  // 1 -> 11
        wiz.NextButton.Click();  // 11 -> 2
        ToTheLastPanel(wiz);
        store.Write("Misc", "Current File", other);
        Notify(3, 0);
        EXPECT_EQ(settings.MacroFiles[0].str(), library) << "the swap waits for the wizard";
        wiz.NextButton.Click();
    });
    w.Launchers().QuickWizard(9);
    EXPECT_EQ(FileRecords(library).back().Nickname, "Restart");
    for (const MacroRecord& r : FileRecords(other)) EXPECT_NE(r.Nickname, "Restart");
    EXPECT_EQ(settings.MacroFiles[0].str(), other);
}

}  // namespace
}  // namespace orv::editor::testing
