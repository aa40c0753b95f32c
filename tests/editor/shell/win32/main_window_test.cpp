// The editor's main window in this process, on a library and settings of the
// test's own, with the player's notices recorded.
#include "editor/shell/win32/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "common/hotkeys.h"
#include "common/settings_store.h"
#include "common/side_files.h"
#include "common/sync_record.h"
#include "common/ui/win32/about_box.h"
#include "common/ui/win32/display.h"
#include "common/win32/system_routines.h"
#include "editor/shell/main_menu_texts.h"
#include "editor/shell/win32/editor_menu_ids.h"
#include "tests/editor/shell/win32/main_window_fixture.h"
#include "tests/editor/shell/memory_library.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_picture.h"
#include "tests/support/ui/form_testing.h"

namespace orv::editor {
namespace {

using orv::testing::ScriptedMessageBoxes;
using orv::testing::WriteFormPicture;
using testing::Macro;
using testing::MouseAt;
using testing::Posts;
using testing::Pump;
using testing::RecordFileBytes;
using testing::TempFolder;
using testing::TypeText;

using MainWindowTest = testing::MainWindowFixture;
using testing::Posts;
using testing::RecordingNotices;
using testing::WriteLibrary;

TEST_F(MainWindowTest, TheFirstTimeSetupRunsOnceTheWindowShowsAndIsActive) {
    settings.FirstUse = true;
    main = std::make_unique<TMainWin>(context);
    int runs = 0;
    bool ownerUp = false;
    main->Launchers().FirstTimeSetup = [&](bool) {
        ++runs;
        ownerUp = IsWindowVisible(main->Handle()) && GetActiveWindow() == main->Handle();
    };
    main->Show();
    EXPECT_EQ(runs, 0) << "not before the window is there to own it";
    EXPECT_TRUE(testing::PumpUntil([&] { return runs > 0; }));
    Pump(*main);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(ownerUp);
}

TEST_F(MainWindowTest, AnUnreadableLibraryShowsABlankRowWithEveryActionOff) {
    HANDLE held = CreateFileA(library.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    boxes.Expect(LibraryMessage::OpenFailed);
    TMainWin& w = Open();
    CloseHandle(held);
    EXPECT_TRUE(w.List().Empty());
    EXPECT_EQ(w.MyGrid.RowCount(), 2);
    for (TMenuItem* item : {&w.MenuClearHot, &w.MenuCopyHot, &w.MenuActivate, &w.MenuScripting,
                            &w.MenuEnterKey, &w.MenuQuickOver, &w.MenuAddCat})
        EXPECT_FALSE(item->Enabled()) << item->Caption();
    EXPECT_FALSE(w.DeleteSpeed.Enabled());
    EXPECT_FALSE(w.ClearHotKey.Enabled());
    // A double click on the blank row opens nothing (an unexpected box would fail).
    MouseAt(w.MyGrid, WM_LBUTTONDBLCLK, 60, 30);
}

TEST_F(MainWindowTest, ASystemRowClosesItsActionsAndAPopupMenuHasNoScript) {
    TMainWin& w = Open();
    w.MyGrid.SetRow(RowOf("MENU OF THINGS"));
    EXPECT_FALSE(w.MenuScripting.Enabled());
    EXPECT_EQ(w.MenuEnterKey.Caption(), "Mo&dify Popup Menu");
    EXPECT_EQ(w.EditSpeed.Hint(), "Modify Macro Popup Menu");
    EXPECT_FALSE(w.RecaptureSpeed.Enabled());

    int system = -1;
    for (int row = 1; row < w.List().RowCount(); ++row)
        if (w.List().RowMacro(row)->Kind == MacroKind::System)
            system = row;
    ASSERT_GT(system, 0);
    w.MyGrid.SetRow(system);
    for (TMenuItem* item :
         {&w.MenuCopyHot, &w.MenuClearHot, &w.MenuActivate, &w.MenuCaptureKey, &w.MenuScripting})
        EXPECT_FALSE(item->Enabled()) << item->Caption();
    for (TControl* c :
         {static_cast<TControl*>(&w.CopySpeed), static_cast<TControl*>(&w.DeleteSpeed),
          static_cast<TControl*>(&w.ActivateSpeed), static_cast<TControl*>(&w.RecaptureSpeed),
          static_cast<TControl*>(&w.ScriptSpeed)})
        EXPECT_FALSE(c->Enabled());
    EXPECT_TRUE(w.MenuMoveHot.Enabled());

    w.MyGrid.SetRow(RowOf("SIGNATURE"));
    EXPECT_TRUE(w.MenuCaptureKey.Enabled());
    EXPECT_EQ(w.MenuActivate.Caption(), "Deacti&vate Macro");
    EXPECT_EQ(w.ActivateSpeed.Hint(), "Deactivate Macro");
}

TEST_F(MainWindowTest, NoticesOutsideTheLibraryOrOfNoMeaningChangeNothing) {
    TMainWin& w = Open();
    const int count = table.EntryCount();
    const int row = w.MyGrid.Row();
    const HookTable before = table;
    for (auto [code, argument] : std::vector<std::pair<int, int>>{
             {20, 0}, {20, 501}, {20, count + 1}, {5, 1}, {7, 1}, {25, 1}, {8, 0}, {6, 15}})
        Notify(code, argument);
    EXPECT_EQ(table.Bytes, before.Bytes);
    EXPECT_EQ(w.MyGrid.Row(), row);
    EXPECT_TRUE(player.posted.empty());
}

TEST_F(MainWindowTest, ARecordRewrittenByThePlayerIsReadWithABuiltInIconForADeletedFile) {
    std::filesystem::create_directories(folder / "Icons");
    std::ofstream(folder / "Icons\\SMILE.ICO") << "not really an icon";
    MacroRecord timed = Macro("TIMED", ActivationCode::Scheduled);
    timed.IconName = "SMILE.ICO";
    MacroRecord menu = Macro("MENU", ActivationCode::None, MacroKind::PopupMenu);
    menu.IconName = "SMILE.ICO";
    WriteLibrary(library, {timed, menu});
    TMainWin& w = Open();
    EXPECT_EQ(settings.Icon[1].source, IconChoice::Source::File);

    // The player's own append is named before its new count arrives.
    const int appended = table.EntryCount() + 1;
    std::ofstream(library, std::ios::binary | std::ios::app)
        << RecordFileBytes({Macro("APPENDED", 70)});
    Notify(20, appended);
    EXPECT_EQ(settings.Nickname[appended].str(), "APPENDED");

    std::filesystem::remove(folder / "Icons\\SMILE.ICO");
    timed.Nickname = "TIMED AGAIN";
    WriteLibrary(library, {timed, menu});
    Notify(20, 1);
    Notify(20, 2);
    EXPECT_EQ(settings.Nickname[1].str(), "TIMED AGAIN");
    EXPECT_EQ(settings.Icon[1].source, IconChoice::Source::Main);
    EXPECT_EQ(settings.Icon[2].source, IconChoice::Source::Menu);
    EXPECT_EQ(w.SelectedMacro(), 2);
}

TEST_F(MainWindowTest, AfterTheLastMacroIsRemovedTheNewLastRowIsSelected) {
    TMainWin& w = Open();
    const int lastRow = w.List().RowCount() - 1;
    w.MyGrid.SetRow(lastRow);
    const int removed = w.SelectedMacro();
    ASSERT_TRUE(macros.DeleteMacroWithMenus(removed));
    ASSERT_TRUE(macros.ReloadMacroFile(false));
    Notify(4, removed);
    EXPECT_EQ(w.MyGrid.Row(), lastRow - 1);
    EXPECT_EQ(w.MyGrid.Row(), w.List().RowCount() - 1);
}

TEST_F(MainWindowTest, ARightClickOnAColumnHeaderSortsByItWhileAllowed) {
    TMainWin& w = Open();
    const int x = (w.MyGrid.CellRect(3, 0).Left + w.MyGrid.CellRect(3, 0).Right) / 2;
    auto rightClickNickname = [&] {
        MouseAt(w.MyGrid, WM_RBUTTONDOWN, x, 5);
        MouseAt(w.MyGrid, WM_RBUTTONUP, x, 5);
    };
    settings.SortHeader = false;
    rightClickNickname();
    EXPECT_EQ(settings.PrimarySort.str(), "123");
    EXPECT_TRUE(player.posted.empty());

    settings.SortHeader = true;
    rightClickNickname();
    EXPECT_EQ(settings.PrimarySort.str(), "213");
    EXPECT_EQ(store.Raw("Misc", "Primary Sort"), "213");
    EXPECT_EQ(player.posted, (Posts{{15, 0}}));
    // Sorted by nickname, "MENU OF THINGS" comes before "SIGNATURE".
    EXPECT_LT(RowOf("MENU OF THINGS"), RowOf("SIGNATURE"));
}

TEST_F(MainWindowTest, DraggingTheNicknameColumnBorderStoresItsWidth) {
    TMainWin& w = Open();
    const int border = w.MyGrid.CellRect(3, 0).Right;
    const int before = settings.Col2Width;
    MouseAt(w.MyGrid, WM_LBUTTONDOWN, border, 5);
    MouseAt(w.MyGrid, WM_MOUSEMOVE, border + 40, 5, LeftButtonDown);
    MouseAt(w.MyGrid, WM_LBUTTONUP, border + 40, 5);
    EXPECT_GT(settings.Col2Width, before);
    EXPECT_EQ(store.Raw("Main Window", "Col 2 Width"), std::to_string(settings.Col2Width));
    EXPECT_EQ(player.posted, (Posts{{17, 0}}));
}

TEST_F(MainWindowTest, TypedLettersFindAnActivationAndPressNoButton) {
    TMainWin& w = Open();
    w.MyGrid.SetFocus();
    const int row = w.MyGrid.Row();
    // No activation starts with these; "A" is also the add button's letter.
    TypeText(w, "qa");
    EXPECT_EQ(w.MyGrid.Row(), row);
    TypeText(w, "\x1b");
    TypeText(w, "si");
    EXPECT_EQ(w.MyGrid.Row(), RowOf("SIGNATURE"));
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(MainWindowTest, OpeningAFileInSmallLettersMakesItCurrentAndTellsThePlayer) {
    orv::testing::ScriptedFileDialogs files;
    const std::string other = folder / "orvan2.orn";
    WriteLibrary(other, {Macro("OTHER", 66)});
    TMainWin& w = Open();
    files.ExpectOpen(other);
    w.OpenFile1.Click();
    EXPECT_EQ(settings.MacroFiles[0].str(), other);
    EXPECT_EQ(settings.MacroFiles[1].str(), library);
    EXPECT_EQ(store.Raw("Misc", "Current File"), other);
    EXPECT_TRUE(w.MenuLastFile1.Visible());
    EXPECT_EQ(w.MenuLastFile1.Caption(), "&1   " + library);
    EXPECT_NE(w.Caption().find("(orvan2)"), std::string::npos);
    EXPECT_EQ(player.Only({2, 3, 15}), (Posts{{2, 0}, {3, 0}, {15, 0}}));
    EXPECT_EQ(files.Shown().at(0).Title, "Open Orvane File");

    // A library another program holds unshared is not made current.
    HANDLE held = CreateFileA(library.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    player.posted.clear();
    files.ExpectOpen(library);
    boxes.Expect(LibraryMessage::OpenFailed);
    w.OpenFile1.Click();
    CloseHandle(held);
    EXPECT_EQ(settings.MacroFiles[0].str(), other);
    EXPECT_EQ(player.Only({2, 3, 15}), Posts{});

    files.ExpectOpen(folder / "notes.txt");
    boxes.Expect("Invalid file type selected.");
    w.OpenFile1.Click();
    EXPECT_EQ(settings.MacroFiles[0].str(), other);

    // A recent file opened by a name relative to the current folder leaves
    // the recent files by its full name.
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    files.ExpectOpen("ORVAN.ORN");
    w.OpenFile1.Click();
    std::filesystem::current_path(started);
    EXPECT_EQ(settings.MacroFiles[0].str(), library);
    EXPECT_EQ(settings.MacroFiles[1].str(), other);
    EXPECT_EQ(settings.MacroFiles[2].str(), "") << "no longer among the recent files";
}

TEST_F(MainWindowTest, ALibraryChangedElsewhereIsReloadedBeforeAChange) {
    settings.NetworkMode = true;
    TMainWin& w = Open();
    // Another editor changed the library and counted it.
    SyncRecord bumped = w.Lock().Record();
    bumped.Counter += 1;
    ASSERT_TRUE(syncFiles.OpenExclusive(SyncFileName(library))->Write(bumped));
    WriteLibrary(library, {Macro("CHANGED ELSEWHERE", 67)});
    boxes.Expect(LockMessage::Changed);
    bool dialogRan = false;
    w.ChangeUnderLock(1, [&](MacroRecord&) {
        dialogRan = true;
        return ChangeOutcome{};
    });
    EXPECT_FALSE(dialogRan);
    EXPECT_EQ(player.Only({2, 3}), (Posts{{2, 0}, {3, 0}}));
    EXPECT_GE(RowOf("CHANGED ELSEWHERE"), 1);
}

// The player changes the library while a dialog holds a macro: the dialog's
// save lands on that macro or nowhere, and the reloads wait until it closes.
TEST_F(MainWindowTest, WhileADialogHoldsAMacroThePlayersChangesTouchNoOtherMacro) {
    TMainWin& w = Open();
    const int count = table.EntryCount();
    std::vector<MacroRecord> records(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) ASSERT_TRUE(macros.ReadMacroRecord(i, records[i - 1]));

    // A running macro deleted macro 1 (code 21): macro 2 has moved.
    // The user's edits of a moved macro are not brought back: no save of
    // them can land.
    boxes.Expect(LibraryMessage::HeldMacroMoved);
    int shown = 0;
    EXPECT_FALSE(w.ChangeUnderLock(2, [&](MacroRecord& record) {
        ++shown;
        WriteLibrary(library, {records.begin() + 1, records.end()});
        Notify(21, 0);
        EXPECT_EQ(table.EntryCount(), count) << "the reload waits for the dialog";
        record.Nickname = "EDITED";
        return ChangeOutcome{true, false, true};
    }));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(table.EntryCount(), count - 1) << "and comes once it is closed";
    MacroRecord now;
    ASSERT_TRUE(macros.ReadMacroRecord(2, now));
    EXPECT_EQ(now.Nickname.str(), "MENU OF THINGS");
    EXPECT_EQ(RowOf("EDITED"), -1);

    // Another program holds the library at the save: the dialog comes back
    // with the user's edits, and they land once the file is free, a menu's
    // tray change of the first showing told to the player too.
    boxes.Expect(LibraryMessage::SaveFailed);
    HANDLE held = INVALID_HANDLE_VALUE;
    std::vector<std::string> shownWith;
    std::vector<bool> unsavedShown;
    player.posted.clear();
    EXPECT_TRUE(w.ChangeUnderLock(2, [&](MacroRecord& record, bool unsavedEdits) {
        shownWith.push_back(record.ScriptText());
        unsavedShown.push_back(unsavedEdits);
        const bool first = held == INVALID_HANDLE_VALUE;
        if (first) {
            record.SetScriptText("kept edit");
            held = CreateFileA(library.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
            EXPECT_NE(held, INVALID_HANDLE_VALUE);
        } else {
            CloseHandle(held);
        }
        return ChangeOutcome{true, first, true};
    }));
    EXPECT_EQ(player.Only({NoticeCode::PopupMenusChanged}),
              (Posts{{NoticeCode::PopupMenusChanged, 0}}));
    ASSERT_EQ(shownWith.size(), 2u);
    EXPECT_EQ(shownWith[1], "kept edit");
    EXPECT_EQ(unsavedShown, (std::vector<bool>{false, true}))
        << "the dialog back with edits no file holds is told so";
    ASSERT_TRUE(macros.ReadMacroRecord(2, now));
    EXPECT_EQ(now.ScriptText(), "kept edit");

    // A read-only library will not take the save however often it is
    // tried: the dialog is not brought back.
    ASSERT_TRUE(SetFileAttributesA(library.c_str(), FILE_ATTRIBUTE_READONLY));
    boxes.Expect(LibraryMessage::SaveFailed);
    shown = 0;
    EXPECT_FALSE(w.ChangeUnderLock(2, [&](MacroRecord& record) {
        ++shown;
        record.SetScriptText("never saved");
        return ChangeOutcome{true, false, true};
    }));
    SetFileAttributesA(library.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(shown, 1);

    // A running macro loaded another library (code 3): the edit stays in its own.
    const std::string other = folder / "OTHER.ORN";
    WriteLibrary(other, {Macro("OTHER ONE", 66), Macro("OTHER TWO", 67)});
    EXPECT_TRUE(w.ChangeUnderLock(1, [&](MacroRecord& record) {
        store.Write("Misc", "Current File", other);
        Notify(3, 0);
        EXPECT_EQ(settings.MacroFiles[0].str(), library);
        record.Nickname = "EDITED";
        return ChangeOutcome{true, false};
    }));
    EXPECT_EQ(settings.MacroFiles[0].str(), other);
    EXPECT_EQ(settings.Nickname[1].str(), "OTHER ONE");
    // The save handed over its own library's hot keys; the library loaded
    // after it hands over its own.
    EXPECT_EQ(hooks.Master.U8(HookAt::CodeUsed + 65), 0);
    EXPECT_EQ(hooks.Master.U8(HookAt::CodeUsed + 66), 1);
    EXPECT_GE(RowOf("OTHER TWO"), 1);
    settings.MacroFiles[0] = library;
    ASSERT_TRUE(macros.ReadMacroRecord(1, now));
    EXPECT_EQ(now.Nickname.str(), "EDITED");
    ASSERT_TRUE(macros.ReadMacroRecord(2, now));
    EXPECT_EQ(now.Nickname.str(), "MENU OF THINGS");
}

TEST_F(MainWindowTest, MenuItemsKeepTheirIdsAndLaterPartsTellTheyAreNotThere) {
    TMainWin& w = Open();
    EXPECT_EQ(w.NewFile1.Command(), EditorMenuId::NewFile);
    EXPECT_EQ(w.OpenFile1.Command(), EditorMenuId::OpenFile);
    EXPECT_EQ(w.MenuTerminate.Command(), EditorMenuId::Terminate);
    EXPECT_EQ(w.MenuSort.Command(), EditorMenuId::Sort);
    EXPECT_EQ(w.MenuQuickOver.Command(), EditorMenuId::QuickInfo);
    EXPECT_EQ(w.FirstTimeSetup1.Command(), EditorMenuId::FirstTimeSetup);
    EXPECT_EQ(w.MenuKeyHooks.Command(), EditorMenuId::KeyHooks);
    EXPECT_EQ(w.MenuAbout.Command(), EditorMenuId::About);
    EXPECT_EQ(w.MenuAppear.Command(), EditorMenuId::Appearance);

    boxes.Expect(NotAvailableYetMessage);
    PostMessageA(w.Handle(), WM_COMMAND, EditorMenuId::Appearance, 0);
    Pump(w);
    orv::testing::ModalDriver driver;
    driver.Expect<TAboutBox>([](TAboutBox& about) {
        EXPECT_EQ(about.Caption(), "About");
        EXPECT_EQ(about.ProductName.Text(), "Orvane Editor");
        testing::PressKey(about, VK_RETURN);
    });
    PostMessageA(w.Handle(), WM_COMMAND, EditorMenuId::About, 0);
    Pump(w);
    boxes.Expect(NotAvailableYetMessage);
    SendMessageA(w.AddSpeed.Handle(), BM_CLICK, 0, 0);
    Pump(w);

    boxes.Expect(HookRestoreQuestion(true), MsgResult::Yes, "Keyboard Hooks");
    w.MenuKeyHooks.Click();
    boxes.Expect(HookRestoreQuestion(false), MsgResult::No, "Mouse Hooks");
    w.MenuMouseHooks.Click();
    EXPECT_EQ(player.posted, (Posts{{7, 2}, {7, 1}}));

    player.posted.clear();
    w.MenuShowDate.Click();
    EXPECT_TRUE(settings.ShowDate);
    EXPECT_TRUE(w.MenuShowDate.Checked());
    EXPECT_GT(w.Caption().size(), std::string("Orvane Editor (ORVAN)").size());
    EXPECT_EQ(store.Raw("Misc", "Show Date"), "Yes");
    EXPECT_EQ(player.posted, (Posts{{15, 0}}));

    // The wizard page closes the macro page's menu items.
    w.MyPage.DialogChar('W');
    Pump(w);
    EXPECT_FALSE(w.MenuSort.Enabled());
    w.MyPage.DialogChar('R');
    Pump(w);
    EXPECT_TRUE(w.MenuSort.Enabled());
}

TEST_F(MainWindowTest, TheListsRowsAndFixedColumnsFollowItsFonts) {
    struct Spacing {
        int row, header, number, icon;
    };
    auto spacing = [&](int gridSize, int titleSize, bool icons) {
        settings.GridFont.Size = gridSize;
        settings.GridTitleFont.Size = titleSize;
        settings.ShowIcons = icons;
        TMyDrawGrid& grid = Open().MyGrid;
        Spacing s{grid.DefaultRowHeight(), grid.RowHeights(0), grid.ColWidths(0),
                  grid.ColWidths(1)};
        main.reset();
        return s;
    };
    const Spacing small = spacing(8, 20, true);
    const Spacing large = spacing(20, 8, false);
    EXPECT_GT(large.row, small.row);
    EXPECT_GT(large.number, small.number);
    EXPECT_GT(small.header, large.header);
    EXPECT_GT(small.header, small.row);
    EXPECT_EQ(small.icon, small.row);
    EXPECT_EQ(large.icon, 0);
}

TEST_F(MainWindowTest, TheStartStateIsTakenAtTheFirstActivationOnly) {
    const std::pair<StartState, WindowState> rows[] = {
        {StartState::Normal, WindowState::Normal},
        {StartState::Minimized, WindowState::Minimized},
        {StartState::Maximized, WindowState::Maximized},
    };
    for (auto [start, expected] : rows) {
        context.StartShow = start;
        TMainWin& w = Open();
        EXPECT_EQ(w.State(), expected) << static_cast<int>(start);
        // Restored by the user and activated again, it stays restored.
        w.SetWindowState(WindowState::Normal);
        SendMessageA(w.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
        Pump(w);
        EXPECT_EQ(w.State(), WindowState::Normal) << static_cast<int>(start);
        main.reset();
    }
}

TEST_F(MainWindowTest, ClosedByTheUserItWritesItsPlaceAndTellsThePlayerItWent) {
    TMainWin& w = Open();
    w.Close();
    EXPECT_TRUE(store.Has("Main Window", "Width"));
    main.reset();
    EXPECT_EQ(player.posted, (Posts{{4, 0}}));
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// The main window's picture beside the area's other forms (FormPictures).
TEST_F(MainWindowTest, FormPicture) {
    const char* wanted = std::getenv("ORVANE_FORM_PICTURES");
    std::string pictures = wanted && *wanted ? wanted : ProgramDir() + "\\form-pictures";
    CreateDirectoryA(pictures.c_str(), nullptr);
    main = std::make_unique<TMainWin>(context);
    EXPECT_TRUE(WriteFormPicture(*main, pictures + "\\TMainWin.bmp"));
    main.reset();

    // At the settings' size from the start, each panel as the user may choose.
    struct Size {
        int Width, Height;
        bool UseSpeed, ShowCategory;
        const char* Name;
    } sizes[] = {{620, 460, false, true, "TMainWin-Categories"},
                 {900, 620, true, true, "TMainWin-900x620"}};
    for (const Size& size : sizes) {
        SCOPED_TRACE(size.Name);
        settings.MainLeft = settings.MainTop = 10;
        settings.MainWidth = size.Width;
        settings.MainHeight = size.Height;
        settings.UseSpeed = size.UseSpeed;
        settings.ShowCategory = size.ShowCategory;
        main = std::make_unique<TMainWin>(context);
        EXPECT_TRUE(WriteFormPicture(*main, pictures + "\\" + size.Name + ".bmp"));
        EXPECT_EQ(main->MyPage.GetBounds().Width, main->ClientWidth() - 4);
        // Scaled, the window may be cut to the screen.
        EXPECT_GT(main->ClientWidth(), std::min(size.Width, Unscaled(Display().ScreenWidth)) - 40);
        main.reset();
    }
}

}  // namespace
}  // namespace orv::editor
