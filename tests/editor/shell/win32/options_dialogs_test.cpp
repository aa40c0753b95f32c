// The activation, options and remapper dialogs, driven as the user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "common/clock.h"
#include "common/files.h"
#include "common/hotkeys.h"
#include "common/program_messages.h"
#include "common/side_files.h"
#include "common/swap_keys.h"
#include "common/ui/win32/services.h"
#include "common/ui/win32/shell_service.h"
#include "common/win32/kernel_objects.h"
#include "common/win32/system_routines.h"
#include "editor/commands/win32/flow_dialogs.h"
#include "editor/shell/win32/activation_dialogs.h"
#include "editor/shell/win32/copy_move_dialog.h"
#include "editor/shell/win32/add_macro_dialog.h"
#include "editor/shell/win32/editor_dialogs.h"
#include "editor/shell/win32/macro_operations_install.h"
#include "editor/shell/win32/options_dialogs.h"
#include "editor/shell/win32/options_launchers.h"
#include "editor/shell/win32/remap_dialogs.h"
#include "tests/editor/shell/win32/main_window_fixture.h"
#include "tests/support/ui/form_picture.h"
#include "tests/support/ui/hot_key_box_clicks.h"
#include "tests/support/fake_clock.h"
#include "tests/support/ui/scripted_dialogs.h"
#include "tests/support/ui/form_testing.h"

namespace orv::editor {
namespace {

using orv::testing::ModalDriver;
using orv::testing::WriteFormPicture;
using testing::Posts;
using testing::Pump;

std::array<std::uint8_t, MacroRecord::Size> BytesOf(const MacroRecord& record) {
    std::array<std::uint8_t, MacroRecord::Size> bytes{};
    record.Encode(bytes);
    return bytes;
}

bool PostedInOrder(const Posts& posted, std::pair<int, int> first, std::pair<int, int> second) {
    auto a = std::find(posted.begin(), posted.end(), first);
    return a != posted.end() && std::find(a, posted.end(), second) != posted.end();
}

TEST(ScheduleDialog, CancelAfterARefusedUpdateKeepsTheRecord) {
    MacroRecord record = testing::Macro("TIMED", ActivationCode::Scheduled);
    record.ScheduleKind = 3;
    record.Hour = 7, record.Minute = 5, record.DayFlags = {1, 1, 0, 0, 0, 0, 0};
    const auto before = BytesOf(record);
    orv::testing::ScriptedMessageBoxes boxes;
    boxes.Expect("Invalid day of month specified.", MsgResult::Ok, "Error");
    ModalDriver driver;
    driver.Expect<TDoSchedule>([](TDoSchedule& f) {
        EXPECT_TRUE(f.DailyPanel.Visible());
        EXPECT_EQ(f.DailyTime.Minute.Text(), "05");
        EXPECT_TRUE(f.DayBoxes[1]->Checked());
        f.Kinds[1]->Click();
        EXPECT_TRUE(f.OncePanel.Visible());
        EXPECT_FALSE(f.DailyPanel.Visible());
        // A single run chosen anew is offered at a moment still ahead.
        EXPECT_FALSE(CheckSchedule(f.ReadEntry(), DecodeDateTime(CurrentClock().Now())));
        EXPECT_EQ(f.OnceTime.Minute.Text(), "00");
        f.OnceTime.Hour.SetText("9");
        f.OnceYear.SetText("2100");
        f.OnceMonth.SetItemIndex(1);
        f.OnceDay.SetText("29");
        f.UpdateButton.Click();
        EXPECT_TRUE(f.IsOpen());
        EXPECT_TRUE(f.OnceDay.Focused());
        f.CancelButton.Click();
    });
    EXPECT_FALSE(EditSchedule(record));
    EXPECT_EQ(BytesOf(record), before);

    driver.Expect<TDoSchedule>([](TDoSchedule& f) {
        f.Kinds[6]->Click();
        f.OtherMinutes.SetText("720");
        f.UpdateButton.Click();
    });
    EXPECT_TRUE(EditSchedule(record));
    EXPECT_EQ(record.ScheduleKind, 6);
    EXPECT_EQ(record.Minutes, 720);
}

TEST(ScheduleDialog, ANewMacrosScheduleOpensOnTheNextWholeHourAndIsTaken) {
    // Every kind with a time of day, chosen on a record as the editor's own
    // roads make it: a single run today at hour 0. Now, and late: at 23:30
    // on Friday 31 July, whose next whole hour is Saturday 1 August.
    const ScheduleKind kinds[] = {ScheduleKind::Once, ScheduleKind::Daily, ScheduleKind::Weekly,
                                  ScheduleKind::Monthly};
    for (int row = 0; row < 8; ++row) {
        const ScheduleKind kind = kinds[row % 4];
        const bool late = row >= 4;
        SCOPED_TRACE(static_cast<int>(kind) + (late ? 100 : 0));
        std::optional<orv::testing::FakeClock> clock;
        if (late)
            clock.emplace(EncodeDateTime(2026, 7, 31, 23, 30));
        MacroRecord record = testing::Macro("NEW", ActivationCode::Scheduled);
        record.ScheduleKind = static_cast<std::int16_t>(ScheduleKind::Once);
        DefaultTimer(record, CurrentClock().Now());
        ModalDriver driver;
        driver.Expect<TDoSchedule>([kind, late](TDoSchedule& f) {
            EXPECT_TRUE(f.OncePanel.Visible());
            if (late) {
                EXPECT_EQ(f.OnceDay.Text(), "1");
                EXPECT_EQ(f.OnceMonth.ItemIndex(), 7);
                EXPECT_EQ(f.WeeklyDayOfWeek.ItemIndex(), 6) << "Saturday, not Friday a week away";
                EXPECT_EQ(f.MonthlyDay.Text(), "1") << "the 1st, not the 31st a month away";
            }
            f.Kinds[static_cast<int>(kind)]->Click();
            if (kind == ScheduleKind::Daily)
                f.DayBoxes[1]->Click();
            for (TimeOfDayControls* time :
                 {&f.OnceTime, &f.DailyTime, &f.WeeklyTime, &f.MonthlyTime}) {
                EXPECT_NE(time->Hour.Text(), "0");
                EXPECT_EQ(time->Minute.Text(), "00");
            }
            f.UpdateButton.Click();
            EXPECT_FALSE(f.IsOpen()) << "Update takes what the dialog opened on";
        });
        EXPECT_TRUE(EditSchedule(record));
        EXPECT_EQ(record.ScheduleKind, static_cast<int>(kind));
        EXPECT_TRUE(HoldsTimeOfDay(record));
    }
}

TEST(ScopeDialog, AHighlightedLineTakenByYesIsWholeADoubleClickCutsIt) {
    const std::string title = "An Orvane test window with a long title";
    TForm other("TOther", title, 120, 40);
    other.Show();
    Pump(other);
    orv::testing::ScriptedMessageBoxes boxes;
    boxes.Expect("No window title has been entered.  \"" + title +
                     "\" is currently highlighted.  Would you like to use it?",
                 MsgResult::Yes, "Error");
    MacroRecord record = testing::Macro("SCOPED", 70, MacroKind::Window);
    record.ScopeText = "Old";
    ModalDriver driver;
    driver.Expect<TDoSpecWind>([&](TDoSpecWind& f) {
        EXPECT_EQ(f.Caption(), "Set Title");
        EXPECT_FALSE(f.InstalledButton.Visible());
        EXPECT_EQ(f.TheTitle.Text(), "Old");
        const int line = f.ProgList.IndexOf(title);
        ASSERT_GE(line, 0);
        f.ProgList.SetItemIndex(line);
        f.ProgList.OnDblClick();
        EXPECT_EQ(f.TheTitle.Text(), title.substr(0, 20));
        f.TheTitle.SetText("  ");
        f.Running.Click();
        f.OkButton.Click();
    });
    ASSERT_TRUE(EditScope(1, record));
    EXPECT_EQ(record.ScopeText.str(), title.substr(0, 30)) << "the record keeps 30 characters";
    EXPECT_EQ(record.ScopeMatch, 0);

    driver.Expect<TDoSpecWind>([&](TDoSpecWind& f) {
        EXPECT_EQ(f.Caption(), "Set Program");
        EXPECT_TRUE(f.InstalledButton.Visible());
        EXPECT_GE(f.ProgList.IndexOf("SHELL_WIN32_TESTS.EXE"), 0);
        f.CancelButton.Click();
    });
    EXPECT_FALSE(EditScope(0, record));
    EXPECT_EQ(record.ScopeText.str(), title.substr(0, 30));
}

// The system's own shortcuts, in Start Menus of the test's.
class StartMenus final : public ShellService {
  public:
    StartMenus(std::string user, std::string common) : user_(user), common_(common) {
        previous_ = &CurrentShell();
        SetCurrentShell(this);
    }
    ~StartMenus() override { SetCurrentShell(previous_); }
    bool Open(HWND, std::string_view, std::string_view) override { return false; }
    bool CreateLink(const std::string& path, const ShellLink& link) override {
        return system_.CreateLink(path, link);
    }
    std::optional<ShellLink> ReadLink(const std::string& path) override {
        return system_.ReadLink(path);
    }
    std::string SpecialFolder(ShellFolder folder) override {
        return folder == ShellFolder::StartMenu ? user_ : common_;
    }

  private:
    Win32ShellService system_;
    ShellService* previous_;
    std::string user_, common_;
};

TEST(InstalledProgramsDialog, ExistingProgramsOnceFromBothStartMenus) {
    ComScope com;
    testing::TempFolder folder;
    const std::string user = folder / "User", common = folder / "Common";
    std::filesystem::create_directories(user + "\\Accessories\\Deeper");
    std::filesystem::create_directories(common);
    StartMenus menus(user, common);
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string notepad = std::string(windows) + "\\notepad.exe";
    ASSERT_TRUE(menus.CreateLink(user + "\\Accessories\\Notepad.lnk", {notepad}));
    ASSERT_TRUE(menus.CreateLink(common + "\\Text Editor.lnk", {notepad}));
    ASSERT_TRUE(menus.CreateLink(user + "\\Help.lnk", {std::string(windows) + "\\winhelp.exe"}));
    ASSERT_TRUE(menus.CreateLink(user + "\\Accessories\\Deeper\\Gone.lnk", {folder / "gone.exe"}));
    TheInstalledPrograms().Forget();

    orv::testing::ScriptedMessageBoxes boxes;
    boxes.Expect("No program selected.  Please select one.", MsgResult::Ok, "Error");
    ModalDriver driver;
    driver.Expect<TDoAllProgs>([&](TDoAllProgs& f) {
        ASSERT_EQ(f.Programs.Count(), 1);
        EXPECT_EQ(f.Programs.Item(0), "Notepad.lnk" + notepad);
        f.OkButton.Click();
        EXPECT_TRUE(f.IsOpen());
        f.Programs.SetItemIndex(0);
        f.OkButton.Click();
    });
    EXPECT_EQ(PickInstalledProgram(), notepad);

    // Built once per run: a shortcut added later shows only after a new scan.
    ASSERT_TRUE(menus.CreateLink(common + "\\Write.lnk", {std::string(windows) + "\\write.exe"}));
    driver.Expect<TDoAllProgs>([](TDoAllProgs& f) {
        EXPECT_EQ(f.Programs.Count(), 1);
        f.CancelButton.Click();
    });
    EXPECT_FALSE(PickInstalledProgram());
}

class PlayerBlock {
  public:
    PlayerBlock() {
        EXPECT_TRUE(CreatePlayerMutexes(mutexes_));
        EXPECT_TRUE(block_.Create(KernelName::PlayerHandleBlock, PlayerHandleBlockSize));
        EXPECT_TRUE(WriteSwapTableToPlayer(IdentitySwapTable()));
    }
    std::uint8_t Entry(std::size_t index) const { return block_.View()[SwapTableAt + index]; }
    void CloseBlock() { block_.Close(); }

  private:
    std::array<KernelHandle, 3> mutexes_;
    SharedBlock block_;
};

TEST(Remapper, APickedCharacterReachesTheBlockAndTheSideFile) {
    testing::TempFolder folder;
    SettingsBlock settings;
    settings.MacroFiles[0] = folder / "ORVAN.ORN";
    ASSERT_TRUE(ReplaceFileContents(settings.MacroFiles[0].str(), ""));
    const std::string sideFile = RemapFileName(settings.MacroFiles[0].str());
    testing::RecordingNotices player;
    PlayerBlock block;
    ModalDriver driver;
    driver.Expect<TDoSwapKeys>([](TDoSwapKeys& f) {
        EXPECT_EQ(f.PunctGrid.RowCount(), 31);
        f.LowerGrid.MoveCurrent(1, 0);  // "a"
        f.LowerGrid.OnDblClick();
        EXPECT_EQ(f.Changed, 1);
        f.OkButton.Click();
    });
    driver.Expect<TDoSwapSpecial>([](TDoSwapSpecial& f) {
        EXPECT_EQ(f.SymbolGrid.Row(), 2);
        EXPECT_EQ(f.SymbolGrid.Col(), 9);
        f.SymbolGrid.MoveCurrent(10, 2);  // "b"
        f.OkButton.Click();
    });
    TDoSwapKeys remapper(settings, player);
    remapper.ShowModal();
    EXPECT_EQ(block.Entry(26), 'b');
    SwapKeyTable saved{};
    ASSERT_EQ(LoadSwapKeys(sideFile, saved), SwapFileResult::Loaded);
    EXPECT_EQ(saved[26], 'b');
    EXPECT_EQ(saved[0], 'A');
    EXPECT_EQ(player.posted, (Posts{{1, 0}}));

    // A side file that takes nothing is said: No keeps the dialog open, Yes
    // closes it with the file as it was, the player not told to read it and
    // playing the table it had before.
    SetFileAttributesA(sideFile.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::optional<std::string> kept = ReadWholeFile(sideFile);
    orv::testing::ScriptedMessageBoxes boxes;
    for (int answer : {MsgResult::No, MsgResult::Yes})
        boxes.Expect(RemapNotSavedQuestion(sideFile), answer, "Error");
    driver.Expect<TDoSwapKeys>([](TDoSwapKeys& f) {
        f.LowerGrid.MoveCurrent(1, 1);  // "b"
        f.LowerGrid.OnDblClick();
        f.OkButton.Click();
        EXPECT_TRUE(f.IsOpen());
        f.OkButton.Click();
    });
    driver.Expect<TDoSwapSpecial>([](TDoSwapSpecial& f) {
        f.SymbolGrid.MoveCurrent(11, 2);  // "c"
        f.OkButton.Click();
    });
    player.posted.clear();
    TDoSwapKeys refused(settings, player);
    refused.ShowModal();
    EXPECT_EQ(refused.Changed, 0);
    EXPECT_EQ(block.Entry(27), 'b');
    EXPECT_EQ(ReadWholeFile(sideFile), kept);
    EXPECT_EQ(player.posted, Posts{});

    // The player goes over to another library while the dialog is open (a
    // <SWAP: of a running macro), with the side file refused or not: Ok
    // says so and writes nothing, neither the side file nor, closing without
    // saving, the old table back into the player.
    const std::string other = folder / "OTHER.ORN";
    ASSERT_TRUE(ReplaceFileContents(other, ""));
    SwapKeyTable others = IdentitySwapTable();
    others[28] = 'z';  // "c"
    for (const bool refusedFile : {true, false}) {
        SCOPED_TRACE(refusedFile ? "the side file refused" : "the side file taken");
        SetFileAttributesA(sideFile.c_str(),
                           refusedFile ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
        settings.MacroFiles[0] = folder / "ORVAN.ORN";
        const std::optional<std::string> before = ReadWholeFile(sideFile);
        if (refusedFile)
            boxes.Expect(RemapNotSavedQuestion(sideFile), MsgResult::No, "Error");
        boxes.Expect(RemapOtherLibraryMessage(settings.MacroFiles[0].str()), MsgResult::Ok,
                     "Error");
        driver.Expect<TDoSwapKeys>([&](TDoSwapKeys& f) {
            f.LowerGrid.MoveCurrent(1, 0);  // "a"
            f.LowerGrid.OnDblClick();
            if (refusedFile)
                f.OkButton.Click();
            settings.MacroFiles[0] = other;
            ASSERT_TRUE(WriteSwapTableToPlayer(others));
            f.OkButton.Click();
            EXPECT_FALSE(f.IsOpen());
        });
        driver.Expect<TDoSwapSpecial>([](TDoSwapSpecial& f) {
            f.SymbolGrid.MoveCurrent(12, 2);  // "d"
            f.OkButton.Click();
        });
        player.posted.clear();
        TDoSwapKeys switched(settings, player);
        switched.ShowModal();
        EXPECT_EQ(switched.Changed, 0);
        EXPECT_EQ(block.Entry(28), 'z');
        EXPECT_EQ(block.Entry(26), 'a');
        EXPECT_EQ(ReadWholeFile(sideFile), before);
        EXPECT_EQ(player.posted, Posts{});
    }
    SetFileAttributesA(sideFile.c_str(), FILE_ATTRIBUTE_NORMAL);

    // Without the block only the mutex opens: nothing read, nothing written.
    std::filesystem::remove(sideFile);
    block.CloseBlock();
    EXPECT_FALSE(SaveSwapKeysFromPlayer(sideFile));
    EXPECT_FALSE(std::filesystem::exists(sideFile));
}

class OptionsTest : public testing::MainWindowFixture {
  protected:
    TMainWin& OpenWithOptions() {
        TMainWin& w = Open();
        InstallEditorDialogs(w, context);
        return w;
    }
    int SystemMacro(SystemMacroAction action) const {
        for (int n = 1; n <= table.EntryCount(); ++n)
            if (table.Entry(n).Kind == MacroKind::System &&
                SystemMacroActionOf(table.Entry(n).ScopeText) == action)
                return n;
        return 0;
    }
};

TEST_F(OptionsTest, ANewSystemKeyReachesTheHookLibraryAndTheOldOneIsFreed) {
    TMainWin& w = OpenWithOptions();
    const int capture = SystemMacro(SystemMacroAction::StartStopCapture);
    ASSERT_GT(capture, 0);
    const int oldCode = table.Entry(capture).Activation, newCode = 100;
    w.SetHotKeys();  // the master as the player's load left it
    ASSERT_EQ(hooks.Master.Bytes[HookAt::CodeUsed + oldCode], 1);
    boxes.Expect("The hot key \"" + KeyName(oldCode) +
                     "\" is already in use by a macro.  If you wish to use this hot key "
                     "combination, you will first need to either remove or move the macro which "
                     "is assigned to it.",
                 MsgResult::Ok, "Error");
    ModalDriver driver;
    driver.Expect<TSystemKeys>([&](TSystemKeys& f) {
        EXPECT_TRUE(f.StartCap.Focused()) << "the moved macro's field";
        SendMessageA(f.Handle(), ProgramMessage::SecondWindowKey, static_cast<WPARAM>(oldCode), 0);
        SendMessageA(f.Handle(), ProgramMessage::SecondWindowKey, newCode, 0);
        EXPECT_EQ(f.StartCap.Text(), KeyName(newCode));
        f.ShowNick.Click();
        f.OkButton.Click();
    });
    w.SelectMacro(capture);
    w.MenuMoveHot.Click();
    EXPECT_EQ(hooks.Master.Bytes[HookAt::CodeUsed + newCode], 1);
    EXPECT_EQ(hooks.Master.Bytes[HookAt::CodeUsed + oldCode], 0);
    MacroRecord stored;
    ASSERT_TRUE(macros.ReadMacroRecord(capture, stored));
    EXPECT_EQ(stored.ActivationCode, newCode);
    EXPECT_EQ(settings.SystemMenu, 3);
    EXPECT_TRUE(PostedInOrder(player.posted, {6, 14}, {15, 0}));
    EXPECT_EQ(player.Only({20}), (Posts{{20, capture}})) << "only the changed macro is rewritten";
}

// What a hot-key dialog has chosen: its box's key and the line of its list.
std::function<std::string()> KeyAndLine(const THotKeyEntry& box, const TListBox& list) {
    return [&box, &list] { return box.Text() + "|" + std::to_string(list.ItemIndex()); };
}

// The user's clicks and keys leave the box for the dialog; Escape, last,
// closes it.
void LeaveTheBox(TForm& form, THotKeyEntry& box, const std::function<std::string()>& chosen) {
    orv::testing::ExpectClicksLeaveTheBox(form, box, chosen);
    orv::testing::ExpectKeysLeaveTheBox(form, box, chosen);
    form.Close();
}

TEST_F(OptionsTest, TheUsersClicksAndKeysLeaveAHotKeyBoxForItsDialogAndChooseNoKey) {
    TMainWin& w = OpenWithOptions();
    InstallMacroOperations(w, context);
    ModalDriver driver;
    auto copyOrMove = [&] {
        driver.Expect<TCopyOrMove>([](TCopyOrMove& f) {
            LeaveTheBox(f, f.HotKeyEntry, KeyAndLine(f.HotKeyEntry, f.KeyList));
        });
    };
    struct Row {
        const char* Name;
        TMenuItem& Menu;
        int Macro;
        std::function<void()> Expect;
    };
    const Row rows[] = {
        {"Add Macro", w.MenuAddHotKey, 1,
         [&] {
             driver.Expect<TAddNewHotKey>([](TAddNewHotKey& f) {
                 LeaveTheBox(f, f.HotKeyEntry, KeyAndLine(f.HotKeyEntry, f.KeyList));
             });
         }},
        {"Copy Hot Key", w.MenuCopyHot, 1, copyOrMove},
        {"Change Macro Activation", w.MenuMoveHot, 1, copyOrMove},
        {"system keys", w.MenuMoveHot, SystemMacro(SystemMacroAction::TerminatePlayer),
         [&] {
             driver.Expect<TSystemKeys>([](TSystemKeys& f) {
                 auto& box = *dynamic_cast<THotKeyEntry*>(f.FocusedControl());
                 LeaveTheBox(f, box, [&f] {
                     return f.ActProg.Text() + f.StartCap.Text() + f.Resume.Text() +
                            f.MenuTop.Text() + f.TermProg.Text();
                 });
             });
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        row.Expect();
        w.SelectMacro(row.Macro);
        row.Menu.Click();
    }
}

// A library held for a moment by another program as the user presses Ok: the
// failure is said, and the dialog stays with the key chosen, saved by the
// next Ok once the file is free.
TEST_F(OptionsTest, SystemKeysOnAHeldLibraryStayWithTheKeyChosen) {
    TMainWin& w = OpenWithOptions();
    const int capture = SystemMacro(SystemMacroAction::StartStopCapture);
    ASSERT_GT(capture, 0);
    const int newCode = 100;
    const std::int32_t menu = settings.SystemMenu;
    boxes.Expect(LibraryMessage::SaveFailed);
    ModalDriver driver;
    driver.Expect<TSystemKeys>([&](TSystemKeys& f) {
        f.StartCap.SetFocus();
        SendMessageA(f.Handle(), ProgramMessage::SecondWindowKey, newCode, 0);
        f.ShowNick.Click();
        HANDLE held = CreateFileA(library.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        f.OkButton.Click();
        CloseHandle(held);
        ASSERT_TRUE(f.IsOpen());
        EXPECT_EQ(f.StartCap.Text(), KeyName(newCode));
        EXPECT_EQ(settings.SystemMenu, menu) << "nothing written while the key waits";
        EXPECT_TRUE(player.Only({15}).empty());
        f.OkButton.Click();
    });
    w.SelectMacro(capture);
    w.MenuMoveHot.Click();
    MacroRecord stored;
    ASSERT_TRUE(macros.ReadMacroRecord(capture, stored));
    EXPECT_EQ(stored.ActivationCode, newCode);
    EXPECT_EQ(settings.SystemMenu, 3);
}

TEST_F(OptionsTest, TwoCommandsGivenOneKeyCannotBeSaved) {
    TMainWin& w = OpenWithOptions();
    boxes.Expect(SameSystemKeyMessage, MsgResult::Ok, "Error");
    ModalDriver driver;
    driver.Expect<TSystemKeys>([&](TSystemKeys& f) {
        f.Resume.SetFocus();
        SendMessageA(f.Handle(), ProgramMessage::SecondWindowKey, 100, 0);
        f.MenuTop.SetFocus();
        SendMessageA(f.Handle(), ProgramMessage::SecondWindowKey, 100, 0);
        f.OkButton.Click();
        EXPECT_TRUE(f.IsOpen());
        f.CancelButton.Click();
    });
    w.SelectMacro(SystemMacro(SystemMacroAction::TerminatePlayer));
    w.MenuMoveHot.Click();
    EXPECT_TRUE(player.Only({20, 15}).empty());
}

// A system macro rewritten by another program while the dialog is open keeps
// that program's record: nothing is written over it, and nothing is told.
TEST_F(OptionsTest, ASystemMacroChangedMeanwhileIsNotWritten) {
    TMainWin& w = OpenWithOptions();
    const int capture = SystemMacro(SystemMacroAction::StartStopCapture);
    ASSERT_GT(capture, 0);
    MacroRecord other;
    ModalDriver driver;
    driver.Expect<TSystemKeys>([&](TSystemKeys& f) {
        ASSERT_TRUE(macros.ReadMacroRecord(capture, other));
        other.Nickname = "ELSEWHERE";
        ASSERT_TRUE(macros.SaveMacroRecord(capture, other));
        player.posted.clear();
        f.StartCap.SetFocus();
        SendMessageA(f.Handle(), WM_USER + 1, 100, 0);
        boxes.Expect(LibraryMessage::HeldMacroMoved);
        f.OkButton.Click();
    });
    w.SelectMacro(capture);
    w.MenuMoveHot.Click();
    MacroRecord stored;
    ASSERT_TRUE(macros.ReadMacroRecord(capture, stored));
    EXPECT_EQ(stored.ActivationCode, other.ActivationCode);
    EXPECT_TRUE(player.Only({20}).empty());
}

TEST_F(OptionsTest, SettingsAppearanceAndCuewordsAreWrittenAndAnnounced) {
    TMainWin& w = OpenWithOptions();
    ModalDriver driver;
    driver.Expect<TPreference>([](TPreference& f) {
        f.DoHide.Click();
        f.EMailPath.SetText("  C:\\mail.txt ");
        f.OkButton.Click();
    });
    w.MenuSettings.Click();
    EXPECT_EQ(player.Only({9, 15}), (Posts{{9, 0}, {15, 0}}));
    EXPECT_EQ(store.Raw("Misc", "Use Tray"), "No");
    EXPECT_EQ(settings.EMailPath.str(), "C:\\mail.txt");

    orv::testing::ScriptedFontDialogs fonts;
    fonts.ExpectFont(FontDescription{0, "Courier New", 11, FontStyle::Bold | FontStyle::Italic});
    boxes.Expect("Category width must be at least 120.", MsgResult::Ok, "Error");
    driver.Expect<TDoAppear>([](TDoAppear& f) {
        f.GridFont.Click();
        f.ShowCats.Click();
        f.CatWid.SetText("119");
        f.OkButton.Click();
        EXPECT_TRUE(f.CatWid.Focused());
        f.CatWid.SetText("130");
        f.Col2Wid.SetText("222");
        f.OkButton.Click();
    });
    player.posted.clear();
    w.MenuAppear.Click();
    EXPECT_EQ(settings.GridFont.Name, "Courier New");
    EXPECT_EQ(settings.GridFont.Style, FontStyle::Bold);
    EXPECT_EQ(store.Raw("Grid Font", "Font Name"), "Courier New");
    EXPECT_TRUE(store.Has("Grid Title Font", "Font Name"));
    EXPECT_EQ(store.Raw("Main Window", "Col 2 Width"), "222");
    EXPECT_TRUE(w.CatPanel.Visible());
    EXPECT_EQ(w.CatPanel.GetBounds().Width, 130);
    EXPECT_EQ(player.posted, (Posts{{17, 0}}));

    const std::string leaving =
        "The Prefix Keys has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 "
        "and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +";
    boxes.Expect(leaving, MsgResult::Ok, "Error");
    driver.Expect<TCuewordOptions>([](TCuewordOptions& f) {
        f.UsePrefix.Click();
        EXPECT_TRUE(f.PrefixKeys.Enabled());
        EXPECT_FALSE(f.Punct.Enabled());
        f.PrefixKeys.SetText("a\\");  // passes while typing
        f.OkButton.Click();
        EXPECT_TRUE(f.IsOpen());
        f.PrefixKeys.SetText(";;");
        f.CaseSense.Click();
        f.OkButton.Click();
    });
    player.posted.clear();
    w.MenuCuewords.Click();
    EXPECT_EQ(settings.PrefixKeys.str(), ";;");
    EXPECT_EQ(settings.CaseSensitive, 2);
    EXPECT_EQ(player.posted, (Posts{{10, 0}}));

    driver.Expect<TDoDelay>([](TDoDelay& f) {
        f.Seconds.SetText("30");
        f.Buttons.OkButton.Click();
    });
    player.posted.clear();
    w.MenuTimer.Click();
    EXPECT_EQ(store.Raw("Scheduler", "Timer Seconds"), "30");
    EXPECT_EQ(player.posted, (Posts{{14, 0}}));
}

// A settings file that takes nothing: each dialog says so, stays open for
// Cancel where it can, and the player is told nothing.
TEST_F(OptionsTest, ASettingsFileThatRefusesTheChangeIsSaidAndNothingAnnounced) {
    TMainWin& w = OpenWithOptions();
    ModalDriver driver;
    auto staysOpen = [](TForm& f, TButton& ok, TButton& cancel) {
        ok.Click();
        EXPECT_TRUE(f.IsOpen()) << f.Name();
        cancel.Click();
    };
    const struct Row {
        TMenuItem TMainWin::*Menu;
        std::function<void()> Drive;
    } rows[] = {
        {&TMainWin::MenuSettings,
         [&] {
             driver.Expect<TPreference>([&](TPreference& f) {
                 f.StartEditor.Click();
                 staysOpen(f, f.OkButton, f.CancelButton);
             });
         }},
        {&TMainWin::MenuAppear,
         [&] {
             driver.Expect<TDoAppear>([&](TDoAppear& f) {
                 f.Col1Wid.SetText("77");
                 staysOpen(f, f.OkButton, f.CancelButton);
             });
         }},
        {&TMainWin::MenuCuewords,
         [&] {
             driver.Expect<TCuewordOptions>([&](TCuewordOptions& f) {
                 f.Solitary.Click();
                 staysOpen(f, f.OkButton, f.CancelButton);
             });
         }},
        {&TMainWin::MenuTimer,
         [&] {
             driver.Expect<TDoDelay>([](TDoDelay& f) {
                 f.Seconds.SetText("30");
                 f.Buttons.OkButton.Click();
             });
         }},
    };
    // Every value written first, so that a later full save shows what the
    // program still holds.
    ASSERT_TRUE(context.Config.SaveConfig());
    store.ReadOnly = true;
    const auto before = store.Values();
    for (const Row& row : rows) {
        player.posted.clear();
        row.Drive();
        boxes.Expect(SettingsNotSavedMessage, MsgResult::Ok, "Error");
        (w.*row.Menu).Click();
        EXPECT_EQ(player.posted, Posts{});
        EXPECT_EQ(store.Values(), before);
    }
    // What was cancelled is not stored by the save at the end either.
    store.ReadOnly = false;
    ASSERT_TRUE(context.Config.SaveConfig());
    EXPECT_EQ(store.Values(), before);
}

TEST_F(OptionsTest, CopyAndMoveChooseTheNewActivation) {
    TMainWin& w = OpenWithOptions();
    const int count = table.EntryCount();
    ModalDriver driver;
    driver.Expect<TCopyOrMove>([](TCopyOrMove& f) {
        EXPECT_EQ(f.Caption(), "Copy Hot Key");
        EXPECT_TRUE(f.KeyList.Visible());
        f.CuewordRadio.Click();
        EXPECT_FALSE(f.KeyList.Visible());
        EXPECT_EQ(f.ClientHeight(), 150);
        f.CuewordEntry.SetText("sig2");
        f.OkButton.Click();
    });
    w.SelectMacro(1);  // TYPE NAME, on its hot key
    w.MenuCopyHot.Click();
    ASSERT_EQ(table.EntryCount(), count + 1);
    MacroRecord copy;
    ASSERT_TRUE(macros.ReadMacroRecord(count + 1, copy));
    EXPECT_EQ(copy.Nickname.str(), "TYPE NAME");
    EXPECT_EQ(copy.CuewordText.str(), "sig2");
    EXPECT_EQ(w.SelectedMacro(), count + 1);

    boxes.Expect(
        "A \"GLOBAL\" or \"POPUP MENU\" hot key already exists for this selection. The \"MOVE\" "
        "did not take place.",
        MsgResult::Ok, "Error");
    driver.Expect<TCopyOrMove>([](TCopyOrMove& f) {
        EXPECT_EQ(f.Caption(), "Change Macro Activation");
        SendMessageA(f.Handle(), ProgramMessage::SecondWindowKey, 65, 0);
        EXPECT_EQ(f.KeyList.ItemIndex(), 65);
        f.OkButton.Click();
        EXPECT_TRUE(f.IsOpen());
        f.TimedRadio.Click();
        f.OkButton.Click();
    });
    driver.Expect<TDoSchedule>([](TDoSchedule& f) {
        f.Kinds[6]->Click();
        f.OtherMinutes.SetText("30");
        f.UpdateButton.Click();
    });
    player.posted.clear();
    w.SelectMacro(3);  // the pop-up menu
    w.MenuMoveHot.Click();
    MacroRecord moved;
    ASSERT_TRUE(macros.ReadMacroRecord(3, moved));
    EXPECT_EQ(moved.ActivationCode, ActivationCode::Scheduled);
    EXPECT_EQ(moved.Minutes, 30);
    EXPECT_EQ(player.Only({3}), (Posts{{3, 0}}));
}

TEST(FormPictures, ActivationAndOptionsForms) {
    const char* wanted = std::getenv("ORVANE_FORM_PICTURES");
    std::string folder = wanted && *wanted ? wanted : ProgramDir() + "\\form-pictures";
    CreateDirectoryA(folder.c_str(), nullptr);
    MacroRecord record = testing::Macro("PICTURE", ActivationCode::Scheduled);
    SettingsBlock settings;
    MemorySettingsStore store;
    Configs configs(store, settings, folder);
    NoNotices notices;
    std::vector<std::string> lines = {"Notepad.lnkC:\\windows\\notepad.exe"};
    TDoSchedule schedule(record);
    TDoSpecWind scope;
    TDoAllProgs programs(lines);
    TShortOptions cueword(record);
    TPreference preference(settings, configs, notices);
    TDoAppear appear(settings, configs, notices, [](bool) {});
    TCuewordOptions cuewords(settings, configs, notices);
    settings.MacroFiles[0] = folder + "\\X.ORN";
    TDoSwapKeys remapper(settings, notices);
    TDoSwapSpecial picker;
    const std::initializer_list<TForm*> forms = {&schedule, &scope,      &programs,
                                                 &cueword,  &preference, &appear,
                                                 &cuewords, &remapper,   &picker};
    for (TForm* form : forms) {
        std::string path = folder + "\\" + form->Name() + ".bmp";
        EXPECT_TRUE(WriteFormPicture(*form, path)) << path;
    }
    orv::testing::ClickEachRadioOf(forms);
}

// The character picker and the Keyboard Remapper as a user of a scaled
// screen sees them (forms_at_dpi.sh runs this at 120 and 144 DPI): every
// character fits its cell, every column is in sight, and a picker opened
// below a cell near the bottom stays on the work area, centred across.
struct ReadAtShow final : FormObserver {
    std::function<void(TForm&)> Read;
    void FormShown(TForm& form) override {
        Read(form);
        form.Close(IDCANCEL);
    }
};

int FontHeightOf(HWND control) {
    HDC dc = GetDC(control);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

void ExpectCharactersFit(const TMyDrawGrid& grid, int columns, const char* name) {
    EXPECT_GE(grid.DefaultRowHeight(), FontHeightOf(grid.Handle())) << name << ": characters cut";
    EXPECT_EQ(grid.VisibleColCount(), columns) << name;
}

TEST(GridsAndPickerAtTheScreensScale, FormPicture) {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT frame{};
    ReadAtShow reader;
    reader.Read = [&](TForm& form) {
        GetWindowRect(form.Handle(), &frame);
        if (auto* picker = dynamic_cast<TDoSwapSpecial*>(&form))
            ExpectCharactersFit(picker->SymbolGrid, PickerColumns, "picker");
        if (auto* remapper = dynamic_cast<TDoSwapKeys*>(&form)) {
            ExpectCharactersFit(remapper->LowerGrid, 2, "remapper");
            ExpectCharactersFit(remapper->PunctGrid, 2, "remapper");
        }
    };
    FormObserver* before = CurrentFormObserver();
    SetFormObserver(&reader);
    TDoSwapSpecial picker;
    // Room below the cell for the picker's size at 96 DPI only.
    picker.CellRect = {300, area.bottom - 270, 320, area.bottom - 250};
    picker.ShowModal();
    EXPECT_LE(frame.bottom, area.bottom) << "the picker runs below the work area";
    EXPECT_NEAR((frame.left + frame.right) / 2, (area.left + area.right) / 2, 1);

    SettingsBlock settings;
    NoNotices notices;
    TDoSwapKeys remapper(settings, notices);
    remapper.ShowModal();
    SetFormObserver(before);
}

}  // namespace
}  // namespace orv::editor
