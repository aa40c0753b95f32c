// The wizard's recordings under Wine: the sweepstakes kind typing into the
// real practice form until it is done, gone or missing, and the capture kind
// recording through the main window into the macro it appended first.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <vector>

#include "common/capture_text.h"
#include "common/files.h"
#include "common/hotkeys.h"
#include "editor/shell/win32/capture_recording.h"
#include "editor/shell/win32/quick_wizard_launchers.h"
#include "editor/wizard/win32/quick_wiz.h"
#include "editor/wizard/wizard_checks.h"
#include "tests/editor/shell/win32/main_window_fixture.h"
#include "tests/editor/wizard/win32/test_wizard_host.h"
#include "tests/editor/wizard/wizard_fixture.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_testing.h"

namespace orv::editor::testing {

// These helpers build on the shared ones.
using namespace orv::testing;
namespace {

HWND PracticeForm() {
    return FindWindowA("OrvaneSweepstakesForm", nullptr);
}

// The practice form as the build placed it, beside this test.
std::string BuiltForm() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return (std::filesystem::path(path).parent_path() / SweepstakesProgram).string();
}

void Next(TQuickWiz& w, int times = 1) {
    for (int i = 0; i < times; ++i) w.NextButton.Click();
}

class SweepstakesTest : public ::testing::Test {
  protected:
    SweepstakesTest() { PlaceForm(); }
    ~SweepstakesTest() override {
        // A form a failed test left open would outlive it.
        if (HWND form = PracticeForm())
            PostMessageA(form, WM_CLOSE, 0, 0);
    }
    void PlaceForm() {
        ASSERT_TRUE(CopyFileA(BuiltForm().c_str(), FormInProgram().c_str(), FALSE));
    }
    std::string FormInProgram() const { return InFolder(programDir.Path(), SweepstakesProgram); }
    void Post(TQuickWiz& w, UINT message, LPARAM character = 0) {
        PostMessageA(w.Handle(), message, 1000, character);
    }
    // Next on the instructions: the recording starts and the wizard steps aside.
    void StartRecording(TQuickWiz& w) {
        ASSERT_EQ(w.CurrentPanel(), 72);
        Next(w);
        ASSERT_TRUE(PumpUntil([] { return PracticeForm() != nullptr; }));
        EXPECT_EQ(w.CurrentPanel(), 2);
        EXPECT_FALSE(IsWindowVisible(w.Handle()));
        EXPECT_FALSE(host.EditorShown);
        EXPECT_EQ(host.CaptureWindow, w.Handle());
        EXPECT_TRUE(host.CaptureOn);
        EXPECT_EQ(host.Capture.MacroNumber, 1000);
        EXPECT_FALSE(host.Capture.StopKey.has_value());
    }
    // The recording over: the wizard and the editor back, capture off.
    void ExpectBack(TQuickWiz& w) {
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(w.Handle()) != FALSE; }));
        EXPECT_TRUE(host.EditorShown);
        EXPECT_FALSE(host.CaptureOn);
        EXPECT_EQ(host.CaptureWindow, nullptr);
    }

    ScratchFolder programDir{"program"};
    ModalDriver driver;
    ScriptedMessageBoxes boxes;
    TestWizardHost host{TestEnv(programDir.Path())};
    WizardPlatform platform;
};

TEST_F(SweepstakesTest, TheTypingUntilDoneBecomesTheScript) {
    TQuickWiz wiz(host, platform, host.Commands, 18);
    driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
        Next(w, 2);
        StartRecording(w);
        Post(w, ProgramMessage::CaptureChar, 'a');
        Post(w, ProgramMessage::CaptureChar, 0);
        Post(w, ProgramMessage::CaptureChar, 'b');
        PostMessageA(PracticeForm(), WM_COMMAND, IDOK, 0);  // Done
        ExpectBack(w);
        EXPECT_EQ(ReadWholeFile(CaptureFilePath(programDir.Path())), "ab");
        EXPECT_TRUE(PumpUntil([] { return PracticeForm() == nullptr; }));

        Next(w);  // 2 -> 3
        w.ControlAs<TListBox>("P3KeyList")->SetItemIndex(100);
        Next(w, 3);  // 3 -> 7 -> 9 -> 10
        ASSERT_EQ(w.CurrentPanel(), 10);
        w.Control("P10Nick")->SetText("Entry");
        Next(w);
        ASSERT_EQ(w.CurrentPanel(), 73);
        Next(w);
    });
    EXPECT_EQ(wiz.ShowModal(), IDOK);
    auto* made = std::get_if<MacroOutcome>(&*wiz.Outcome);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Record.ScriptText(), "<SPKEY:0050>ab<SPACE>");
    EXPECT_EQ(made->Record.ActivationCode, 100);
}

TEST_F(SweepstakesTest, AMissingFormStartsNothingAndAFormGoneEndsTheRecording) {
    std::filesystem::remove(FormInProgram());
    TQuickWiz wiz(host, platform, host.Commands, 18);
    driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
        Next(w, 2);
        boxes.Expect("The sweepstakes program KESTRAVO.EXE could not be started.", MsgResult::Ok,
                     "Error");
        Next(w);
        EXPECT_EQ(w.CurrentPanel(), 72);
        EXPECT_TRUE(IsWindowVisible(w.Handle()));
        EXPECT_FALSE(host.CaptureOn);
        EXPECT_EQ(host.CaptureWindow, nullptr);

        PlaceForm();
        StartRecording(w);
        DWORD process = 0;
        GetWindowThreadProcessId(PracticeForm(), &process);
        HANDLE running = OpenProcess(PROCESS_TERMINATE, FALSE, process);
        ASSERT_NE(running, nullptr);
        TerminateProcess(running, 1);
        CloseHandle(running);
        ExpectBack(w);
        EXPECT_EQ(w.CurrentPanel(), 2);
        PressKey(w, VK_ESCAPE);
    });
    EXPECT_EQ(wiz.ShowModal(), IDCANCEL);
}

class CaptureKindTest : public MainWindowFixture {
  protected:
    void Post(UINT message, WPARAM macro, LPARAM character = 0) {
        PostMessageA(main->Handle(), message, macro, character);
        Pump(*main);
    }
};

TEST_F(CaptureKindTest, FinishAppendsTheMacroThenRecordsIntoItsNumber) {
    settings.NetworkMode = true;
    settings.CaptureTime = true;
    settings.CaptureSpeed = 2;
    TMainWin& w = Open();
    InstallQuickWizards(w);
    std::shared_ptr<CaptureRecording> recording = InstallCapture(w, context);
    const int n = table.EntryCount() + 1;
    ModalDriver driver;
    driver.Expect<TQuickWiz>([](TQuickWiz& wiz) {
        Next(wiz, 4);  // 1 -> 59 -> 60 -> 61 -> 3
        ASSERT_EQ(wiz.CurrentPanel(), 3);
        wiz.ControlAs<TListBox>("P3KeyList")->SetItemIndex(100);
        Next(wiz);
        wiz.Control("P10Nick")->SetText("Recorded");
        Next(wiz);
        ASSERT_EQ(wiz.CurrentPanel(), 62);
        auto* windows = wiz.ControlAs<TListBox>("P62ProgList");
        ASSERT_GT(windows->Count(), 0);
        windows->SetItemIndex(0);
        Next(wiz, 2);  // 62 -> 63, Finish
    });
    w.Launchers().QuickWizard(7);

    ASSERT_TRUE(recording->Running());
    ASSERT_EQ(table.EntryCount(), n) << "appended before the recording";
    EXPECT_EQ(hooks.Master.U16(HookAt::CaptureMacro), n);
    EXPECT_EQ(hooks.Master.U8(HookAt::CaptureRunning), 1);
    EXPECT_EQ(hooks.Master.U16(CaptureAt::SecondStopKey), DecipherKey(100).vk);
    EXPECT_EQ(w.SelectedMacro(), n);
    EXPECT_TRUE(w.Lock().Holding()) << "held through the recording";

    Post(ProgramMessage::CaptureChar, n, 'h');
    Post(ProgramMessage::CaptureChar, n, 'i');
    boxes.Expect("Orvane 99 capture is complete for " + KeyName(100) + ".");
    Post(ProgramMessage::CaptureEnded, n);
    EXPECT_FALSE(w.Lock().Holding());
    MacroRecord saved;
    ASSERT_TRUE(macros.ReadMacroRecord(n, saved));
    EXPECT_EQ(saved.Nickname.str(), "Recorded");
    EXPECT_EQ(saved.ActivationCode, 100);
    EXPECT_EQ(saved.ScriptText(), "<SPEED:00002>hi");
}

// The player changes the library while the wizard is open: the new macro is
// kept, and joins the chosen menu only where the wizard saw it.
TEST_F(CaptureKindTest, AMacroMadeWhileThePlayerChangedTheLibraryJoinsNoMovedMenu) {
    TMainWin& w = Open();
    InstallQuickWizards(w);
    const int count = table.EntryCount();
    std::vector<MacroRecord> records(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) ASSERT_TRUE(macros.ReadMacroRecord(i, records[i - 1]));
    const auto finishWith = [&](const char* nickname, int menu, bool playerDeletes) {
        ModalDriver driver;
        driver.Expect<TQuickWiz>([&](TQuickWiz& wiz) {
            if (playerDeletes) {
                WriteLibrary(library, {records.begin() + 1, records.end()});
                Notify(21, 0);
            }
            wiz.Conclude(MacroOutcome{Macro(nickname, ActivationCode::None), menu, false});
        });
        w.Launchers().QuickWizard(1);
    };
    const auto members = [&](int menu) {
        MacroRecord record;
        EXPECT_TRUE(macros.ReadMacroRecord(menu, record));
        EXPECT_EQ(record.Nickname.str(), "MENU OF THINGS");
        return record.PopupMembers();
    };

    // Macro 1 was deleted: the menu the wizard showed at 3 is now at 2.
    boxes.Expect(MenuMovedMessage);
    finishWith("MADE WHILE MOVED", 3, true);
    EXPECT_EQ(table.EntryCount(), count) << "one less, one made";
    EXPECT_GE(RowOf("MADE WHILE MOVED"), 1);
    EXPECT_TRUE(members(2).empty());
    MacroRecord third;
    ASSERT_TRUE(macros.ReadMacroRecord(3, third));
    EXPECT_TRUE(third.PopupMembers().empty()) << "no other macro became a menu";

    finishWith("MADE IN PEACE", 2, false);
    EXPECT_EQ(members(2), std::vector<int>{count + 1});
}

}  // namespace
}  // namespace orv::editor::testing
