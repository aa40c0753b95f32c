// A recording from the main window: the capture dialog starts it, the hook
// library's characters become the macro's script at the one end it reports.
#include "editor/shell/win32/capture_recording.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/capture_text.h"
#include "common/files.h"
#include "common/program_messages.h"
#include "editor/shell/win32/add_macro_dialog.h"
#include "editor/shell/win32/copy_move_dialog.h"
#include "editor/shell/win32/macro_file_dialogs.h"
#include "editor/shell/win32/macro_operations_install.h"
#include "editor/shell/win32/options_launchers.h"
#include "editor/wizard/wizard_kinds.h"
#include "tests/editor/shell/win32/main_window_fixture.h"

namespace orv::editor {
namespace {

class CaptureRecordingTest : public testing::MainWindowFixture {
  protected:
    void Post(UINT message, WPARAM macro, LPARAM character = 0) {
        PostMessageA(main->Handle(), message, macro, character);
        testing::Pump(*main);
    }
    // Recaptures macro 1, keystrokes only, started in the last active window.
    void StartRecapture() {
        main->SelectMacro(1);
        orv::testing::ModalDriver driver;
        driver.Expect<TCaptureKeys>([&](TCaptureKeys& f) {
            EXPECT_EQ(f.HotKeyLabel.Text(), KeyName(65));
            EXPECT_EQ(f.SecondStopLabel.Text(), "Or Press " + KeyName(65) + " to end capture");
            EXPECT_EQ(f.NickName.Text(), "TYPE NAME");
            EXPECT_EQ(f.ProgList.Item(0), "***Last Active Window***");
            f.Boxes.DoTheMouse.Click();
            f.Boxes.DoTime.Click();
            EXPECT_FALSE(f.Boxes.HalfSpeed.Enabled()) << "no speed without timing";
            f.GlobalRadio.Click();
            f.StartButton.Click();
        });
        main->MenuCaptureKey.Click();
    }
    std::string CaptureFile() const { return CaptureFilePath(folder.Path()); }
};

TEST_F(CaptureRecordingTest, TheCharactersBecomeTheScriptAtTheOneEnd) {
    Open();
    std::shared_ptr<CaptureRecording> recording = InstallCapture(*main, context);
    StartRecapture();
    ASSERT_TRUE(recording->Running());
    EXPECT_EQ(hooks.Master.U8(HookAt::CaptureRunning), 1);
    EXPECT_EQ(hooks.Master.U16(HookAt::CaptureMacro), 1);
    EXPECT_EQ(hooks.Master.U8(HookAt::CaptureWindowOn), 1);
    EXPECT_EQ(hooks.Master.U8(HookAt::CaptureMouse), 0);
    EXPECT_TRUE(recording->TrayIcon().Active());
    EXPECT_EQ(recording->TrayIcon().ToolTip(), "Macro Is Recording");

    Post(ProgramMessage::CaptureChar, 1, 'a');
    Post(ProgramMessage::CaptureChar, 1, 0x100);  // no character in its low byte
    Post(ProgramMessage::CaptureChar, 1, 'b');
    // Ends naming another macro are no end of this recording.
    Post(ProgramMessage::CaptureEnded, 0);
    Post(ProgramMessage::CaptureEnded, 2);
    Post(ProgramMessage::CaptureEnded, 999);
    ASSERT_TRUE(recording->Running());
    // Nor is another library opened, the remapper (which would take the
    // library's side file) shown, or any macro changed meanwhile: each road
    // is refused before its dialog.
    InstallOptionsDialogs(*main, context);
    InstallMacroOperations(*main, context);
    InstallMacroFileDialogs(*main);
    InstallCopyMove(*main, context);
    for (TMenuItem* item :
         {&main->OpenFile1, &main->NewFile1, &main->MenuRemap, &main->MenuAddHotKey,
          &main->MenuEnterKey, &main->MenuScripting, &main->MenuCopyHot, &main->MenuMoveHot,
          &main->MenuClearHot, &main->MenuActivate, &main->MenuImport, &main->MenuImportText}) {
        SCOPED_TRACE(item->Caption());
        orv::testing::ModalDriver noForm;
        boxes.Expect(
            "A macro is being recorded.  End the recording before changing the macros, opening "
            "another macro file or using the Keyboard Remapper.");
        item->Click();
    }
    EXPECT_EQ(settings.MacroFiles[0].str(), library);
    player.posted.clear();

    boxes.Expect("Orvane 99 capture is complete for " + KeyName(65) + ".", MsgResult::Ok,
                 "Capture");
    Post(ProgramMessage::CaptureEnded, 1);
    MacroRecord saved;
    ASSERT_TRUE(macros.ReadMacroRecord(1, saved));
    EXPECT_EQ(saved.ScriptText(), "ab");
    EXPECT_EQ(saved.MacroKind, MacroKind::Global);
    EXPECT_EQ(player.Only({NoticeCode::SectionChanged}).front(), (std::pair{6, 1}));
    EXPECT_EQ(hooks.Master.U8(HookAt::CaptureRunning), 0);
    EXPECT_EQ(hooks.Master.U8(HookAt::CaptureWindowOn), 0);
    EXPECT_FALSE(recording->TrayIcon().Active());
    EXPECT_FALSE(std::filesystem::exists(CaptureFile()));

    // A second end, and characters after it, change nothing.
    player.posted.clear();
    Post(ProgramMessage::CaptureChar, 1, 'c');
    Post(ProgramMessage::CaptureEnded, 1);
    EXPECT_TRUE(player.posted.empty());
    ASSERT_TRUE(macros.ReadMacroRecord(1, saved));
    EXPECT_EQ(saved.ScriptText(), "ab");
}

TEST_F(CaptureRecordingTest, ANewCuewordMacroIsAddedAndKeepsTheLockUntilTheEnd) {
    settings.NetworkMode = true;
    Open();
    InstallMacroOperations(*main, context);
    std::shared_ptr<CaptureRecording> recording = InstallCapture(*main, context);
    const int n = table.MacroCount() + 1;
    orv::testing::ModalDriver driver;
    driver.Expect<TAddNewHotKey>([&](TAddNewHotKey& f) {
        f.UseCuewords.Click();
        testing::TypeText(f, "hi");
        f.CaptureKeyButton.Click();
    });
    driver.Expect<TCaptureKeys>([&](TCaptureKeys& f) {
        EXPECT_EQ(f.HotKeyLabel.Text(), "Cueword: hi");
        EXPECT_EQ(f.SecondStopLabel.Text(), "") << "a Cueword has no key to end with";
        f.Boxes.DoTime.Click();
        f.NickName.SetText("GREETING");
        f.StartButton.Click();
    });
    main->MenuAddHotKey.Click();
    ASSERT_TRUE(recording->Running());
    EXPECT_EQ(table.MacroCount(), n) << "appended at once";
    EXPECT_EQ(hooks.Master.U8(HookAt::SecondStopGiven), 0);
    EXPECT_TRUE(main->Lock().Holding()) << "held through the recording";

    Post(ProgramMessage::CaptureChar, static_cast<WPARAM>(n), 'h');
    boxes.Expect("Orvane 99 capture is complete for Cueword: hi.");
    Post(ProgramMessage::CaptureEnded, static_cast<WPARAM>(n));
    EXPECT_FALSE(main->Lock().Holding());
    MacroRecord saved;
    ASSERT_TRUE(macros.ReadMacroRecord(n, saved));
    EXPECT_EQ(saved.Nickname.str(), "GREETING");
    EXPECT_EQ(saved.ScriptText(), "h");
    EXPECT_EQ(saved.Enabled, 1);
}

// Whatever the macro became meanwhile, the end ends the recording: the hook
// library stops capturing, the icon goes, the lock is free and the capture
// stays in its file.
TEST_F(CaptureRecordingTest, AMacroThatCannotTakeTheCaptureStillEndsTheRecording) {
    settings.NetworkMode = true;
    Open();
    std::shared_ptr<CaptureRecording> recording = InstallCapture(*main, context);
    const std::int32_t counted = main->Lock().Record().Counter;
    StartRecapture();
    ASSERT_TRUE(recording->Running());
    EXPECT_TRUE(main->Lock().Holding());
    boxes.Expect(RecordingRunsMessage);
    EXPECT_FALSE(main->ChangeUnderLock(2, [](MacroRecord&) { return ChangeOutcome{true}; }));
    // Nor is network mode switched under the recording's lock, nor a
    // category's name asked for a change that cannot begin.
    boxes.Expect(RecordingRunsMessage);
    main->MenuNetwork.Click();
    boxes.Expect(RecordingRunsMessage);
    main->CatNewClick();
    boxes.Expect(RecordingRunsMessage);
    main->DoQuickWiz(Number(WizardKind::FirstTime));

    Post(ProgramMessage::CaptureChar, 1, 'x');
    const int count = table.EntryCount();
    // The player removed the macro recorded.
    const std::string before = *ReadWholeFile(library);
    ASSERT_TRUE(ReplaceFileContents(library, before.substr(MacroRecord::Size)));
    Notify(21, 0);
    EXPECT_EQ(table.EntryCount(), count) << "the reload waits for the end";
    boxes.Expect(LibraryMessage::HeldMacroMoved);
    const std::string kept = InFolder(folder.Path(), "TempCap1.Txt");
    boxes.Expect(CaptureKeptMessage(kept));
    Post(ProgramMessage::CaptureEnded, 1);
    EXPECT_FALSE(recording->Running());
    EXPECT_FALSE(main->Roads().Recording());
    EXPECT_EQ(hooks.Master.U8(HookAt::CaptureRunning), 0);
    EXPECT_EQ(hooks.Master.U8(HookAt::CaptureWindowOn), 0);
    EXPECT_FALSE(recording->TrayIcon().Active());
    EXPECT_FALSE(main->Lock().Holding());
    EXPECT_EQ(main->Lock().Record().Counter, counted + 1)
        << "the choices kept at the start changed the file: the others reload";
    EXPECT_EQ(ReadWholeFile(kept), "x") << "the capture is kept out of the next start's way";
    EXPECT_NE(table.EntryCount(), count) << "the waiting reload came";
}

// A library that takes no new macro (read-only, or held by another program):
// the recording never starts.
TEST_F(CaptureRecordingTest, AddingACaptureToALibraryThatCannotBeWrittenStartsNoRecording) {
    settings.NetworkMode = true;
    Open();
    InstallMacroOperations(*main, context);
    std::shared_ptr<CaptureRecording> recording = InstallCapture(*main, context);
    const int count = table.MacroCount();
    HANDLE reader = CreateFileA(library.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    orv::testing::ModalDriver driver;
    driver.Expect<TAddNewHotKey>([&](TAddNewHotKey& f) {
        f.UseCuewords.Click();
        testing::TypeText(f, "hi");
        f.CaptureKeyButton.Click();
    });
    driver.Expect<TCaptureKeys>([&](TCaptureKeys& f) { f.StartButton.Click(); });
    boxes.Expect(LibraryMessage::SaveFailed);
    main->MenuAddHotKey.Click();
    CloseHandle(reader);
    EXPECT_FALSE(recording->Running());
    EXPECT_FALSE(main->Roads().Recording());
    EXPECT_EQ(table.MacroCount(), count);
    EXPECT_EQ(hooks.Master.U8(HookAt::CaptureRunning), 0);
    EXPECT_EQ(hooks.Master.U8(HookAt::CaptureWindowOn), 0);
    EXPECT_FALSE(recording->TrayIcon().Active());
    EXPECT_FALSE(main->Lock().Holding());
}

TEST_F(CaptureRecordingTest, AMenuIsNotRecaptured) {
    Open();
    std::shared_ptr<CaptureRecording> recording = InstallCapture(*main, context);
    main->MyGrid.SetRow(RowOf("MENU OF THINGS"));
    EXPECT_FALSE(main->MenuCaptureKey.Enabled());
    boxes.Expect(
        "A pop-up menu lists macros and has no keystrokes to record.  Use Modify to change it.");
    main->Launchers().Recapture();
    EXPECT_FALSE(recording->Running());
}

// Closing the editor must not leave the hook library capturing, even when
// the capture section read back from it names another macro (the player's
// own capture started meanwhile).
TEST_F(CaptureRecordingTest, ClosingTheEditorEndsItsRecording) {
    Open();
    std::shared_ptr<CaptureRecording> recording = InstallCapture(*main, context);
    StartRecapture();
    Post(ProgramMessage::CaptureChar, 1, 'z');
    hooks.Master.SetU16(HookAt::CaptureMacro, 4);
    Notify(NoticeCode::SectionChanged, static_cast<int>(HookSection::Capture));
    boxes.Expect("Orvane 99 capture is complete for " + KeyName(65) + ".");
    main->Close();
    EXPECT_FALSE(recording->Running());
    EXPECT_EQ(hooks.Master.U8(HookAt::CaptureRunning), 0);
    EXPECT_EQ(hooks.Master.U8(HookAt::CaptureWindowOn), 0);
    MacroRecord saved;
    ASSERT_TRUE(macros.ReadMacroRecord(1, saved));
    EXPECT_EQ(saved.ScriptText(), "z");
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_F(CaptureRecordingTest, NoRecordingStartsWithoutItsFile) {
    Open();
    std::shared_ptr<CaptureRecording> recording = InstallCapture(*main, context);
    std::filesystem::create_directory(CaptureFile());  // a folder in the file's place
    boxes.Expect("The capture file " + CaptureFile() +
                 " could not be created.  Nothing has been recorded.");
    StartRecapture();
    EXPECT_FALSE(recording->Running());
    EXPECT_EQ(hooks.Master.U8(HookAt::CaptureRunning), 0);
    EXPECT_EQ(hooks.Master.U8(HookAt::CaptureWindowOn), 0);
    EXPECT_TRUE(player.posted.empty());
}

TEST_F(CaptureRecordingTest, TheDefaultsAreStoredAndTheirSectionReread) {
    Open();
    InstallCapture(*main, context);
    settings.CaptureSpeed = 1;
    orv::testing::ModalDriver driver;
    driver.Expect<TCaptureDefaults>([](TCaptureDefaults& f) {
        f.Boxes.QuadSpeed.Click();
        f.Boxes.ToPosition.Click();
        f.ProgramRadio.Click();
        f.OkButton.Click();
    });
    main->MenuCapture.Click();
    EXPECT_EQ(settings.CaptureSpeed, 4);
    EXPECT_EQ(settings.RelativeTo, 3);
    EXPECT_FALSE(settings.CaptureGlobal);
    EXPECT_EQ(player.posted, (testing::Posts{{NoticeCode::CaptureSettingsChanged, 0}}));
}

}  // namespace
}  // namespace orv::editor
