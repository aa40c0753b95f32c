// The main window's operations on macros and categories, driven through its
// menus with the dialogs they open, on a library of the test's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <set>
#include <tuple>

#include "common/files.h"
#include "common/hotkeys.h"
#include "common/network_lock.h"
#include "common/program_messages.h"
#include "common/script/writer.h"
#include "common/side_files.h"
#include "common/string_routines.h"
#include "common/sync_record.h"
#include "common/ui/win32/shell_service.h"
#include "editor/shell/add_macro_choices.h"
#include "editor/shell/macro_operations.h"
#include "editor/shell/main_menu_texts.h"
#include "editor/shell/win32/add_macro_dialog.h"
#include "editor/shell/win32/category_forms.h"
#include "editor/shell/win32/copy_move_dialog.h"
#include "editor/shell/win32/desktop_link.h"
#include "editor/shell/win32/activation_dialogs.h"
#include "editor/script/win32/direct_editor.h"
#include "editor/shell/win32/editor_dialogs.h"
#include "editor/shell/win32/macro_operations_install.h"
#include "editor/shell/win32/menu_builder.h"
#include "tests/editor/shell/win32/main_window_fixture.h"
#include "tests/support/ui/recorded_shell.h"

namespace orv::editor {
namespace {

using orv::testing::ModalDriver;
using testing::Macro;
using testing::MouseAt;
using testing::Posts;
using testing::PressKey;
using testing::Pump;
using testing::RecordFileBytes;
using testing::RecordsOf;
using testing::WriteLibrary;

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

MacroRecord Menu(const std::string& name, const std::vector<int>& members) {
    MacroRecord r = Macro(name, ActivationCode::None, MacroKind::PopupMenu);
    r.SetPopupMembers(members);
    return r;
}

class MacroOperationsTest : public testing::MainWindowFixture {
  protected:
    TMainWin& OpenWithOperations() {
        TMainWin& w = Open();
        InstallMacroOperations(w, context);
        return w;
    }
    void Select(const std::string& nickname) { main->MyGrid.SetRow(RowOf(nickname)); }
    // New on the category panel, with the name typed into its dialog.
    void NewCategory(const std::string& name) {
        ModalDriver driver;
        driver.Expect<TDoCategory>([&](TDoCategory& f) {
            testing::TypeText(f, name);
            f.OkButton.Click();
        });
        main->CatNew.Click();
    }
    // Add Macro, the new macro entered in the direct editor.
    void AddByTheDirectEditor() {
        ModalDriver driver;
        driver.Expect<TAddNewHotKey>([](TAddNewHotKey& f) {
            f.UseBuilding.Click();
            f.EnterKeyButton.Click();
        });
        main->MenuAddHotKey.Click();
    }
    // The posts but those of the hot-key box's second window.
    Posts PostsBesideTheSecondWindow() const {
        Posts kept;
        for (const auto& p : player.posted)
            if (p != std::pair{NoticeCode::SectionChanged, 6})
                kept.push_back(p);
        return kept;
    }
};

TEST_F(MacroOperationsTest, APopupMenuAddedAfterEditingAFiledMacroStartsAfresh) {
    TMainWin& w = OpenWithOperations();
    // The macro edited last sits in category 4 with an icon of its own.
    ASSERT_TRUE(w.ChangeUnderLock(1, [](MacroRecord& r) {
        r.CategoryId = 4;
        r.IconName = "SMILE.ICO";
        return ChangeOutcome{true, false};
    }));
    const int count = table.EntryCount();
    player.posted.clear();

    const int key = 300;  // none of the fixture's macros uses it
    ModalDriver driver;
    driver.Expect<TAddNewHotKey>([&](TAddNewHotKey& f) {
        EXPECT_TRUE(f.HotKeyEntry.Focused());
        f.UsePopup.Click();
        EXPECT_EQ(f.EnterKeyButton.Text(), "Build Menu");
        EXPECT_FALSE(f.ScriptButton.Enabled());
        EXPECT_EQ(f.ClientHeight(), 419);
        f.HotKeyEntry.SetFocus();
        PostMessageA(f.Handle(), ProgramMessage::SecondWindowKey, key, 0);
        Pump(f);
        EXPECT_EQ(f.HotKeyEntry.Text(), KeyName(key));
        f.EnterKeyButton.Click();
    });
    driver.Expect<TDoBuildMenu>([&](TDoBuildMenu& f) {
        EXPECT_EQ(f.HotKeyLabel.Text(), KeyName(key));
        for (const char* member : {"TYPE NAME", "SIGNATURE"}) {
            f.OptionBox.SetItemIndex(f.OptionBox.IndexOf(member));
            f.OptionBox.OnChange();
            f.AddButton.Click();
        }
        f.NickName.SetText("TWO THINGS");
        f.SysTray.Click();
        f.OkButton.Click();
    });
    w.MenuAddHotKey.Click();
    ASSERT_EQ(table.EntryCount(), count + 1);
    const std::string bytes = FileBytes(library);
    const MacroRecord added = RecordsOf(bytes).back();
    EXPECT_EQ(added.MacroKind, MacroKind::PopupMenu);
    EXPECT_EQ(added.ActivationCode, key);
    EXPECT_EQ(added.CuewordText.str(), "Y30");
    EXPECT_EQ(added.CategoryId, 0u);
    EXPECT_EQ(added.IconName.str(), "MENU");
    const std::size_t at = bytes.size() - MacroRecord::Size;
    EXPECT_EQ(bytes.substr(at + 100, 6), std::string("\x02\x00\x01\x00\x02\x00", 6));
    EXPECT_EQ(PostsBesideTheSecondWindow(), (Posts{{20, count + 1}, {6, 8}, {6, 14}, {5, 0}}));
    EXPECT_EQ(w.SelectedMacro(), count + 1);
}

TEST_F(MacroOperationsTest, TheEditorsOfAMacroAreToldItsActivationAndWhatTheyChangeIsWritten) {
    MacroRecord scoped = Macro("IN NOTEPAD", 65, MacroKind::Window);
    scoped.ScopeText = "Notepad";
    WriteLibrary(library,
                 {Macro("TYPE NAME", 65), scoped, Macro("TIMED", ActivationCode::Scheduled)});
    TMainWin& w = OpenWithOperations();
    struct Told {
        int Number;
        ActivationKind ActKind;
        bool Existing, Shared;
        std::string Label;
    };
    std::vector<Told> told;
    auto editor = [&](bool save) {
        return [&told, save](MacroHandOver& h) {
            told.push_back({h.MacroNumber, h.ActKind, h.IsExisting, h.SharedKey, h.HotKeyLabel});
            h.Record.Nickname = "CHANGED";
            h.Saved = save;
        };
    };
    w.Launchers().OpenScriptEditor = editor(true);
    w.Launchers().OpenDirectEditor = editor(false);

    Select("IN NOTEPAD");
    w.MenuScripting.Click();
    Select("TIMED");
    w.MenuEnterKey.Click();
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].Number, 2);
    EXPECT_EQ(told[0].ActKind, ActivationKind::HotKey);
    EXPECT_TRUE(told[0].Existing);
    EXPECT_TRUE(told[0].Shared);
    EXPECT_EQ(told[0].Label, KeyName(65));
    EXPECT_EQ(told[1].ActKind, ActivationKind::Timed);
    EXPECT_FALSE(told[1].Shared);
    const std::vector<MacroRecord> stored = RecordsOf(FileBytes(library));
    EXPECT_EQ(stored[1].Nickname.str(), "CHANGED");
    EXPECT_EQ(stored[2].Nickname.str(), "TIMED");
    EXPECT_EQ(player.Only({20, 3}), (Posts{{20, 2}}));

    // Saved, a timed macro's schedules are re-armed.
    w.Launchers().OpenDirectEditor = editor(true);
    Select("TIMED");
    w.MenuEnterKey.Click();
    EXPECT_EQ(player.Only({20, 3}), (Posts{{20, 2}, {20, 3}, {3, 0}}));
}

TEST_F(MacroOperationsTest, TheAddDialogAsksAboutWindowsKeysAndIgnoresCodesOffItsList) {
    TMainWin& w = OpenWithOperations();
    const std::size_t secondOn = HookAt::SecondWindowOn;
    ModalDriver driver;
    driver.Expect<TAddNewHotKey>([&](TAddNewHotKey& f) {
        EXPECT_EQ(table.U8(secondOn), 1);
        PostMessageA(f.Handle(), ProgramMessage::SecondWindowKey, 571, 0);
        Pump(f);
        EXPECT_EQ(f.HotKeyEntry.Text(), "Win+R");
        boxes.Expect(WindowsHotKeyQuestion(571), MsgResult::No, "Warning");
        f.ScriptButton.Click();
        EXPECT_TRUE(f.IsOpen());

        PostMessageA(f.Handle(), ProgramMessage::SecondWindowKey, HotKeyCount, 0);
        Pump(f);
        EXPECT_EQ(f.HotKeyEntry.Text(), "Win+R");
        EXPECT_EQ(f.KeyList.ItemIndex(), 571);

        // A Cueword must keep to the Cueword characters on every road.
        f.UseCuewords.Click();
        EXPECT_FALSE(f.KeyList.Visible());
        EXPECT_TRUE(f.CuewordName.Focused());
        testing::TypeText(f, "it's");
        boxes.Expect(BadCuewordNameMessage);
        f.CaptureKeyButton.Click();
        f.UseTitle.Click();
        EXPECT_FALSE(f.CaptureKeyButton.Enabled());

        f.UseHotKey.Click();
        f.HotKeyEntry.SetFocus();
        EXPECT_EQ(table.U8(secondOn), 1);
        PressKey(f, VK_ESCAPE);
        EXPECT_FALSE(f.IsOpen());
    });
    w.MenuAddHotKey.Click();
    EXPECT_EQ(table.U8(secondOn), 0);
    EXPECT_EQ(hooks.Master.U8(secondOn), 0);
    EXPECT_EQ(player.Only({20, 21}), Posts{});
}

TEST_F(MacroOperationsTest, RemovingAMacroTwoMenusListAsksTwiceAndRenumbersThem) {
    std::vector<MacroRecord> records;
    for (int i = 1; i <= 8; ++i) records.push_back(Macro("M" + std::to_string(i), 60 + i));
    records[5] = Menu("M6", {3, 5, 7});
    records[7] = Menu("M8", {1, 3});
    WriteLibrary(library, records);
    TMainWin& w = OpenWithOperations();
    const std::vector<MacroRecord> before = RecordsOf(FileBytes(library));
    const int count = table.EntryCount();

    Select("M3");
    boxes.Expect(RemoveQuestion(63, ""), MsgResult::Yes, "Delete");
    boxes.Expect(MenuMemberQuestion(63, ""), MsgResult::Yes, "Delete");
    w.MenuClearHot.Click();

    const std::string after = FileBytes(library);
    const std::vector<MacroRecord> now = RecordsOf(after);
    ASSERT_EQ(now.size(), before.size() - 1);
    EXPECT_EQ(table.EntryCount(), count - 1);
    EXPECT_EQ(now[4].PopupMembers(), (std::vector<int>{4, 6}));
    EXPECT_EQ(now[6].PopupMembers(), (std::vector<int>{1}));
    // Every other record moved down unchanged, to the byte.
    const std::string old = RecordFileBytes(before);
    for (std::size_t k = 0; k < now.size(); ++k) {
        const std::size_t was = k < 2 ? k : k + 1;
        if (k == 4 || k == 6)
            continue;
        EXPECT_TRUE(after.substr(k * MacroRecord::Size, MacroRecord::Size) ==
                    old.substr(was * MacroRecord::Size, MacroRecord::Size))
            << k;
    }
    EXPECT_EQ(player.Only({21}), (Posts{{21, 0}}));

    player.posted.clear();
    Select("M8");
    boxes.Expect(RemoveQuestion(ActivationCode::None, ""), MsgResult::Yes, "Delete");
    w.MenuClearHot.Click();
    EXPECT_EQ(player.Only({21}), (Posts{{21, 1}}));
    EXPECT_GT(w.SelectedMacro(), 0);
}

TEST_F(MacroOperationsTest, OnAFileThatCannotBeWrittenRemovalAndActivationChangeNothing) {
    TMainWin& w = OpenWithOperations();
    const std::string bytes = FileBytes(library);
    const HookTable own = table;
    const HookTable master = hooks.Master;
    // Another program reads the file and lets nobody write or replace it.
    HANDLE held = CreateFileA(library.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Select("TYPE NAME");
    const std::string caption = w.MenuActivate.Caption();
    // Said as a file in use, not as a macro moved or a failed disk.
    boxes.Expect(RemoveQuestion(65, ""), MsgResult::Yes, "Delete");
    boxes.Expect(LibraryMessage::FileInUse);
    w.MenuClearHot.Click();
    boxes.Expect(LibraryMessage::FileInUse);
    w.MenuActivate.Click();
    CloseHandle(held);
    EXPECT_TRUE(FileBytes(library) == bytes);
    EXPECT_TRUE(table.Bytes == own.Bytes);
    EXPECT_TRUE(hooks.Master.Bytes == master.Bytes);
    EXPECT_EQ(player.posted, Posts{});
    EXPECT_EQ(w.MenuActivate.Caption(), caption);

    // Writable again, the flag goes to the file, the tables and the player.
    w.MenuActivate.Click();
    EXPECT_EQ(RecordsOf(FileBytes(library))[0].Enabled, 0);
    EXPECT_FALSE(table.Entry(1).Enabled);
    EXPECT_FALSE(hooks.Master.Entry(1).Enabled);
    EXPECT_EQ(player.Only({8}), (Posts{{8, 1}}));
    EXPECT_EQ(w.MenuActivate.Caption(), "Acti&vate Macro");
}

struct OtherEditorHost final : NetworkLockHost {
    void ReloadShared() override {}
    void SetNetTimer(bool) override {}
    void SetSyncTimer(bool) override {}
};

TEST_F(MacroOperationsTest, AddingIsRefusedAtTheLimitBeforeTheLockAndWhileAnotherEditorHoldsIt) {
    settings.NetworkMode = true;
    TMainWin& w = OpenWithOperations();
    // A second editor on the same library holds its lock.
    SettingsBlock otherSettings = settings;
    OtherEditorHost otherHost;
    NoNotices otherNotices;
    NetworkLock other(LibraryOwner::Editor, otherSettings, syncFiles, otherHost, otherNotices);
    other.SetUp();
    ASSERT_FALSE(other.FileInUse());
    const std::string bytes = FileBytes(library);
    const std::string sync = FileBytes(SyncFileName(library));

    boxes.Expect(LockMessage::InUse);
    w.MenuAddHotKey.Click();
    EXPECT_TRUE(FileBytes(library) == bytes);
    EXPECT_EQ(FileBytes(SyncFileName(library)), sync);

    const std::int32_t count = table.MacroCount();
    table.SetMacroCount(MaxMacros);
    boxes.Expect("Maximum number of hot keys has been reached.  Add not allowed.");
    w.MenuAddHotKey.Click();
    table.SetMacroCount(count);
    EXPECT_EQ(FileBytes(SyncFileName(library)), sync);
    other.ReleaseSyncFile(0);
}

// A real drag of the macro of the grid's row (by its nickname's cell) onto
// line of the category list.
void DragOntoCategory(TMainWin& w, int row, int line) {
    const auto cell = w.MyGrid.CellRect(3, row);
    const int x = (cell.Left + cell.Right) / 2, y = (cell.Top + cell.Bottom) / 2;
    RECT item{};
    SendMessageA(w.CatList.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(line),
                 reinterpret_cast<LPARAM>(&item));
    POINT target{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    MapWindowPoints(w.CatList.Handle(), w.MyGrid.Handle(), &target, 1);
    MouseAt(w.MyGrid, WM_LBUTTONDOWN, x, y, LeftButtonDown);
    MouseAt(w.MyGrid, WM_MOUSEMOVE, x, y + 20, LeftButtonDown);
    MouseAt(w.MyGrid, WM_MOUSEMOVE, target.x, target.y, LeftButtonDown);
    MouseAt(w.MyGrid, WM_LBUTTONUP, target.x, target.y);
}

TEST_F(MacroOperationsTest, ARealDragOfARowOntoACategoryFilesItWithTheSound) {
    settings.ShowCategory = true;
    {
        CategoryList categories;
        categories.Add("Home", 2);
        categories.Add("Work", 3);
        ASSERT_TRUE(categories.SaveCatFile(CategoryFileName(library)));
    }
    TMainWin& w = OpenWithOperations();
    orv::testing::RecordedSound sound;
    ASSERT_EQ(w.CatList.Item(2), "Work");
    w.MyGrid.SetRow(2);
    const int macro = w.SelectedMacro();
    DragOntoCategory(w, 2, 2);
    EXPECT_EQ(RecordsOf(FileBytes(library))[static_cast<std::size_t>(macro - 1)].CategoryId, 3u);
    EXPECT_EQ(settings.CategoryId[static_cast<std::size_t>(macro)], 3u);
    EXPECT_EQ(sound.Played, std::vector<std::string>{folder / "FLOOP.WAV"});

    // "Sound Off" files it quietly; the head entry files it under none.
    settings.SoundOff = true;
    w.MyGrid.SetRow(RowOf(settings.Nickname[static_cast<std::size_t>(macro)].str()));
    DragOntoCategory(w, w.MyGrid.Row(), 0);
    EXPECT_EQ(settings.CategoryId[static_cast<std::size_t>(macro)], 0u);
    EXPECT_EQ(sound.Played.size(), 1u);
}

TEST_F(MacroOperationsTest, ANewCategoryNeverTakesTheIdOfARemovedOnesMacros) {
    settings.ShowCategory = true;
    TMainWin& w = OpenWithOperations();
    NewCategory("Work");
    ASSERT_EQ(w.CatList.Count(), 2);
    const auto workId = static_cast<std::uint32_t>(w.CatList.Object(1));
    ASSERT_TRUE(w.ChangeUnderLock(1, [&](MacroRecord& r) {
        r.CategoryId = workId;
        return ChangeOutcome{true, false};
    }));
    w.CatList.SetItemIndex(1);
    boxes.Expect("Are you sure you want to delete the Work category?", MsgResult::Yes,
                 "Remove Category");
    w.CatRemove.Click();
    EXPECT_EQ(w.CatList.Count(), 1);
    NewCategory("Home");
    EXPECT_GT(static_cast<std::uint32_t>(w.CatList.Object(1)), workId);
    CategoryList stored;
    stored.LoadCatFile(CategoryFileName(library));
    ASSERT_EQ(stored.Entries().size(), 2u);
    EXPECT_EQ(stored.Entries()[1].Name, "Home");

    w.CatList.SetItemIndex(0);
    boxes.Expect("Cannot remove the \"All Categories\" category.");
    w.CatRemove.Click();
}

// Two editors on one shared library: each category change is made under the
// lock to the category file as the other left it.
TEST_F(MacroOperationsTest, CategoryChangesOfTwoEditorsOnOneLibraryBothSurvive) {
    settings.NetworkMode = true;
    settings.ShowCategory = true;
    TMainWin& w = OpenWithOperations();
    auto stored = [&] {
        CategoryList list;
        list.LoadCatFile(CategoryFileName(library));
        std::vector<std::string> names;
        for (const Category& c : list.Entries()) names.push_back(c.Name);
        return names;
    };
    auto otherEditor = [&](const std::function<void(CategoryList&)>& change, bool counts) {
        CategoryList list;
        list.LoadCatFile(CategoryFileName(library));
        change(list);
        ASSERT_TRUE(list.SaveCatFile(CategoryFileName(library)));
        if (!counts)
            return;
        SyncRecord counted = w.Lock().Record();
        counted.Counter += 1;
        ASSERT_TRUE(syncFiles.OpenExclusive(SyncFileName(library))->Write(counted));
    };
    NewCategory("Work");
    const std::int32_t counter = w.Lock().Record().Counter;
    EXPECT_EQ(counter, 2) << "released as a change";
    EXPECT_FALSE(w.Lock().Holding());

    otherEditor([](CategoryList& list) { list.Add("Home", list.HighestId() + 1); }, true);
    // Refused once, before the name is asked (nothing typed is lost): the
    // other's change is taken in.
    boxes.Expect(LockMessage::Changed);
    w.CatNew.Click();
    EXPECT_EQ(w.CatList.Count(), 3);
    NewCategory("Play");
    EXPECT_EQ(stored(), (std::vector<std::string>{AllCategoriesName, "Work", "Home", "Play"}));
    ASSERT_EQ(w.CatList.Count(), 4);
    std::set<std::intptr_t> ids;
    for (int i = 1; i < 4; ++i) ids.insert(w.CatList.Object(i));
    EXPECT_EQ(ids.size(), 3u) << "no id is taken twice";

    // A category removed meanwhile, even uncounted, is not renamed back.
    w.CatList.SetItemIndex(1);
    otherEditor([](CategoryList& list) { list.Entries().erase(list.Entries().begin() + 1); },
                false);
    boxes.Expect("That category was removed by another user meanwhile.");
    {
        ModalDriver driver;
        driver.Expect<TDoCategory>([&](TDoCategory& f) { f.OkButton.Click(); });
        w.CatRename.Click();
    }
    EXPECT_EQ(stored(), (std::vector<std::string>{AllCategoriesName, "Home", "Play"}));
    EXPECT_EQ(w.CatList.Count(), 3);
    EXPECT_FALSE(w.Lock().Holding());
}

// The system's shell, writing its links into a desktop folder of the test's own.
class ShellWithDesktop final : public ShellService {
  public:
    explicit ShellWithDesktop(std::string desktop)
        : desktop_(std::move(desktop)), previous_(&CurrentShell()) {
        SetCurrentShell(this);
    }
    ~ShellWithDesktop() override { SetCurrentShell(previous_); }
    bool Open(HWND owner, std::string_view file, std::string_view parameters) override {
        return system_.Open(owner, file, parameters);
    }
    bool CreateLink(const std::string& path, const ShellLink& link) override {
        return system_.CreateLink(path, link);
    }
    std::optional<ShellLink> ReadLink(const std::string& path) override {
        return system_.ReadLink(path);
    }
    std::string SpecialFolder(ShellFolder) override { return desktop_; }

  private:
    Win32ShellService system_;
    std::string desktop_;
    ShellService* previous_;
};

TEST_F(MacroOperationsTest, ADesktopLinkRunsTheMacroThroughThePlayer) {
    MacroRecord mine = Macro("Mine", 65);
    MacroRecord slash = Macro("a/b", 66);
    WriteLibrary(library, {mine, slash});
    TMainWin& w = OpenWithOperations();
    const std::string desktop = folder / "Desktop";
    ShellWithDesktop shell(desktop);

    Select("Mine");
    boxes.Expect(NoDesktopFolderMessage);
    w.MenuOnDesktop.Click();

    std::filesystem::create_directories(desktop);
    boxes.Expect(DesktopLinkAdded, MsgResult::Ok, "");
    w.MenuOnDesktop.Click();
    const std::optional<ShellLink> link = Win32ShellService().ReadLink(desktop + "\\Mine.LNK");
    ASSERT_TRUE(link.has_value());
    EXPECT_TRUE(SameTextAscii(link->Target, folder / "TAVROL.EXE")) << link->Target;
    EXPECT_EQ(link->Arguments, "/AMine");

    // A link of that name is replaced only when the user agrees.
    const std::string path = desktop + "\\Mine.LNK";
    std::ofstream(path, std::ios::trunc) << "the user's own shortcut";
    boxes.Expect(ReplaceLinkQuestion(path), MsgResult::No, "Desktop Icon");
    w.MenuOnDesktop.Click();
    EXPECT_EQ(ReadWholeFile(path), "the user's own shortcut");
    boxes.Expect(ReplaceLinkQuestion(path), MsgResult::Yes);
    boxes.Expect(DesktopLinkAdded);
    w.MenuOnDesktop.Click();
    ASSERT_TRUE(Win32ShellService().ReadLink(path).has_value());

    Select("a/b");
    boxes.Expect(*DesktopLinkRefusal(2, std::vector<std::string>{"Mine", "a/b"}));
    w.MenuOnDesktop.Click();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(desktop), {}), 1);
}

// Cancel in "Set Schedule" changes nothing: Change Activation keeps the
// activation it had, Copy appends nothing, and the dialog comes back.
TEST_F(MacroOperationsTest, CancelInTheScheduleLeavesTheFileAsItWasFromChangeAndCopy) {
    TMainWin& w = Open();
    InstallEditorDialogs(w, context);
    const std::string before = FileBytes(library);
    for (TMenuItem* menu : {&w.MenuMoveHot, &w.MenuCopyHot}) {
        SCOPED_TRACE(menu == &w.MenuMoveHot ? "Change Activation" : "Copy");
        Select("TYPE NAME");
        ModalDriver driver;
        driver.Expect<TCopyOrMove>([](TCopyOrMove& f) {
            f.TimedRadio.Click();
            f.OkButton.Click();
            EXPECT_TRUE(f.IsOpen()) << "back to the choice, nothing chosen";
            f.CancelButton.Click();
        });
        driver.Expect<TDoSchedule>([](TDoSchedule& f) { f.CancelButton.Click(); });
        menu->Click();
        EXPECT_EQ(FileBytes(library), before);
        EXPECT_EQ(player.Only({NoticeCode::SchedulesChanged}), Posts{});
    }
}

// Change Activation and Copy while another program holds the library for a
// moment: the dialog comes back with the choice the user made (a Cueword,
// typed), and it lands once the file is free.
TEST_F(MacroOperationsTest, ChangeAndCopyOnAHeldLibraryComeBackWithTheChoiceMade) {
    TMainWin& w = Open();
    InstallEditorDialogs(w, context);
    for (TMenuItem* menu : {&w.MenuMoveHot, &w.MenuCopyHot}) {
        const std::string cueword = menu == &w.MenuMoveHot ? "sig1" : "sig2";
        SCOPED_TRACE(cueword);
        Select("TYPE NAME");
        HANDLE held = INVALID_HANDLE_VALUE;
        boxes.Expect(LibraryMessage::SaveFailed);
        ModalDriver driver;
        driver.Expect<TCopyOrMove>([&](TCopyOrMove& f) {
            f.CuewordRadio.Click();
            f.CuewordEntry.SetText(cueword);
            held = CreateFileA(library.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
            f.OkButton.Click();
        });
        driver.Expect<TCopyOrMove>([&](TCopyOrMove& f) {
            CloseHandle(held);
            EXPECT_TRUE(f.CuewordRadio.Checked());
            EXPECT_FALSE(f.HotKeyRadio.Checked());
            EXPECT_EQ(f.CuewordEntry.Text(), cueword);
            f.OkButton.Click();
        });
        menu->Click();
        const std::vector<MacroRecord> records = RecordsOf(FileBytes(library));
        EXPECT_EQ(std::ranges::count_if(records,
                                        [&](const MacroRecord& r) {
                                            return r.ActivationCode == ActivationCode::Cueword &&
                                                   r.CuewordText.str() == cueword;
                                        }),
                  1);
    }
}

// Add Macro while another program holds the library: the editor the user
// typed into comes back with it, and the macro lands once the file is free.
TEST_F(MacroOperationsTest, AnAddRefusedByAHeldLibraryComesBackWithTheEntriesAndLandsOnceFree) {
    TMainWin& w = OpenWithOperations();
    const std::size_t count = RecordsOf(FileBytes(library)).size();
    HANDLE held = INVALID_HANDLE_VALUE;
    using Shown = std::tuple<std::string, bool, bool>;
    std::vector<Shown> shown;
    w.Launchers().OpenDirectEditor = [&](MacroHandOver& handOver) {
        shown.emplace_back(handOver.Record.ScriptText(), handOver.IsExisting,
                           handOver.HoldsUnsavedEdits);
        if (held == INVALID_HANDLE_VALUE) {
            handOver.Record.Nickname = "ENTERED";
            handOver.Record.SetScriptText("typed by the user");
            held = CreateFileA(library.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
            EXPECT_NE(held, INVALID_HANDLE_VALUE);
        } else {
            CloseHandle(held);
        }
        handOver.Saved = true;
    };
    boxes.Expect(LibraryMessage::SaveFailed);
    AddByTheDirectEditor();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_FALSE(std::get<2>(shown[0]));
    EXPECT_EQ(shown[1], Shown("typed by the user", true, true))
        << "shown again as the user left it, not afresh, and not taken as unchanged";
    const std::vector<MacroRecord> records = RecordsOf(FileBytes(library));
    ASSERT_EQ(records.size(), count + 1);
    EXPECT_EQ(records.back().Nickname.str(), "ENTERED");
    EXPECT_EQ(records.back().ScriptText(), "typed by the user");
    EXPECT_FALSE(w.Lock().Holding());
}

// The editor back after that refusal holds a macro no file holds: one
// Escape there asks before dropping it.
TEST_F(MacroOperationsTest, EscapeInTheEditorBackAfterAHeldLibraryAsksBeforeDroppingTheMacro) {
    TMainWin& w = OpenWithOperations();
    InstallEditorDialogs(w, context);
    const std::size_t count = RecordsOf(FileBytes(library)).size();
    HANDLE held = INVALID_HANDLE_VALUE;
    ModalDriver driver;
    driver.Expect<TAddNewHotKey>([](TAddNewHotKey& f) {
        f.UseBuilding.Click();
        f.EnterKeyButton.Click();
    });
    driver.Expect<TModHotKeys>([&](TModHotKeys& f) {
        f.NickName.SetText("ENTERED");
        f.NewFormat.SetText("typed by the user");
        held = CreateFileA(library.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        f.UpdateButton.Click();
    });
    boxes.Expect(LibraryMessage::SaveFailed);
    driver.Expect<TModHotKeys>([&](TModHotKeys& f) {
        CloseHandle(held);
        EXPECT_EQ(f.NewFormat.Text(), "typed by the user");
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::No, "Warning");
        PressKey(f, VK_ESCAPE);
        ASSERT_TRUE(f.IsOpen()) << "one Escape dropped the macro the user typed";
        f.UpdateButton.Click();
    });
    w.MenuAddHotKey.Click();
    const std::vector<MacroRecord> records = RecordsOf(FileBytes(library));
    ASSERT_EQ(records.size(), count + 1);
    EXPECT_EQ(records.back().ScriptText(), "typed by the user");
}

// A running macro swaps the library while Add Macro is open: the new macro
// goes to the library it was begun on, whose hot keys the dialog offered.
TEST_F(MacroOperationsTest, AMacroAddedAcrossASwapLandsInTheLibraryItWasBegunOn) {
    TMainWin& w = OpenWithOperations();
    const std::string other = folder / "OTHER.ORN";
    WriteLibrary(other, {Macro("OTHER ONE", 66)});
    w.Launchers().OpenDirectEditor = [&](MacroHandOver& handOver) {
        store.Write("Misc", "Current File", other);
        Notify(3, 0);
        EXPECT_EQ(settings.MacroFiles[0].str(), library) << "the swap waits for the add";
        handOver.Record.Nickname = "BEGUN ON THE FIRST";
        handOver.Saved = true;
    };
    AddByTheDirectEditor();
    EXPECT_EQ(RecordsOf(FileBytes(library)).back().Nickname.str(), "BEGUN ON THE FIRST");
    for (const MacroRecord& r : RecordsOf(FileBytes(other)))
        EXPECT_NE(r.Nickname.str(), "BEGUN ON THE FIRST");
    EXPECT_EQ(settings.MacroFiles[0].str(), other) << "and the swap comes after it";
}

// Add To Category holds the macro selected before its dialog: one removed
// meanwhile is said, and no other macro is filed in its place.
TEST_F(MacroOperationsTest, AddToCategoryOfAMacroRemovedMeanwhileFilesNothing) {
    settings.ShowCategory = true;
    TMainWin& w = OpenWithOperations();
    NewCategory("Work");
    Select("TYPE NAME");
    std::vector<MacroRecord> records = RecordsOf(FileBytes(library));
    records.erase(records.begin());
    ModalDriver driver;
    driver.Expect<TChooseCategory>([&](TChooseCategory& f) {
        // A running macro removes it.
        WriteLibrary(library, records);
        Notify(21, 0);
        f.OkButton.Click();
    });
    boxes.Expect(LibraryMessage::HeldMacroMoved);
    w.MenuAddCat.Click();
    for (const MacroRecord& r : RecordsOf(FileBytes(library)))
        EXPECT_EQ(r.CategoryId, 0u) << r.Nickname.str();
    EXPECT_EQ(RowOf("TYPE NAME"), -1) << "the list shows the file as it is now";
}

}  // namespace
}  // namespace orv::editor
