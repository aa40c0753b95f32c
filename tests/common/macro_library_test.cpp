#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>

#include "tests/common/hostile_files.h"
#include "tests/common/library_fixture.h"

namespace orv {
namespace {

using testing::LibraryTest;

const std::vector<std::string> EditorSystemNames = {"Terminate Orvane", "Run Orvane Editor",
                                                    "Start / Stop Capture", "Resume Pause",
                                                    "Menu of Macros for Top Most Window"};

TEST_F(LibraryTest, NewLibraryGetsTheFiveSystemMacrosInOrder) {
    ASSERT_TRUE(library.LoadMacroFile(LibraryPath(), true));
    EXPECT_EQ(FileNicknames(), EditorSystemNames);
    auto records = FileRecords();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(records[i].ActivationCode, 261 + i);
        EXPECT_EQ(records[i].MacroKind, MacroKind::System);
        EXPECT_EQ(records[i].Enabled, 1);
        EXPECT_EQ(records[i].IconName, "MAIN") << "an empty icon name names no file";
        EXPECT_EQ(records[i].Changed, clock.Now());
    }
    EXPECT_EQ(records[0].ScopeText, "5");
    EXPECT_EQ(records[1].ScopeText, "1");
    EXPECT_EQ(table->MacroCount(), 5);
    EXPECT_EQ(hooks->Master.MacroCount(), 5) << "the hook library knows them too";
    EXPECT_EQ(hooks->Master.Entry(5).Activation, 265);
    EXPECT_EQ(hooks->Master.Entry(5).ScopeText, "4");
    EXPECT_EQ(settings->Nickname[2], "Run Orvane Editor");
    // Each creation announces the new count, then the saved record.
    ASSERT_EQ(notices.Posted.size(), 10u);
    EXPECT_EQ(notices.Posted[0], std::make_pair(6, 8));
    EXPECT_EQ(notices.Posted[1], std::make_pair(20, 1));
    EXPECT_EQ(notices.Posted[9], std::make_pair(20, 5));
}

TEST_F(LibraryTest, MissingSystemMacroIsAppendedAndRenamedOnesShowTheirStandardName) {
    using A = SystemMacroAction;
    WriteLibrary({System(A::TerminatePlayer, "Terminate Orvane", 261),
                  System(A::ActivateEditor, "My editor key", 262), Ordinary("Greeting", 264),
                  System(A::StartStopCapture, "Start / Stop Capture", 263),
                  System(A::MenuOfTopWindow, "Menu of Macros for Top Most Window", 265)});
    ASSERT_TRUE(library.LoadMacroFile(LibraryPath(), false));
    EXPECT_EQ(table->MacroCount(), 6);
    auto records = FileRecords();
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(records[5].Nickname, "Resume Pause");
    EXPECT_EQ(records[5].ActivationCode, 260) << "264 is taken, the search goes down";
    EXPECT_EQ(settings->Nickname[2], "Run Orvane Editor");
    EXPECT_EQ(records[1].Nickname, "My editor key") << "the file keeps its own text";
    // Without notify only the count and the appended record are told.
    EXPECT_EQ(notices.Posted, (std::vector<std::pair<int, int>>{{6, 8}, {20, 6}}));

    notices.Posted.clear();
    ASSERT_TRUE(library.ReloadMacroFile(true));
    EXPECT_EQ(FileRecords().size(), 6u) << "nothing more to add";
    EXPECT_EQ(notices.Posted.size(), 7u);
    EXPECT_EQ(notices.Posted.back(), std::make_pair(6, 8));

    // Loaded for this program alone, the hook library and the player hear of
    // nothing, not even the system macros added: the player may refuse it.
    notices.Posted.clear();
    const auto master = std::make_unique<HookTable>(hooks->Master);
    WriteLibrary({Ordinary("Other", 3)});
    ASSERT_TRUE(library.LoadForThisProgram(LibraryPath()));
    EXPECT_EQ(table->MacroCount(), 6);
    EXPECT_EQ(FileRecords().size(), 6u);
    EXPECT_TRUE(notices.Posted.empty());
    EXPECT_EQ(hooks->Master.Bytes, master->Bytes);
    MacroRecord changed = Ordinary("Other, changed", 3);
    ASSERT_TRUE(library.SaveMacroRecord(1, changed)) << "what follows is told again";
    EXPECT_EQ(notices.Posted, (std::vector<std::pair<int, int>>{{20, 1}}));
}

TEST_F(LibraryTest, AMissingSystemMacrosHotKeySearchWrapsBelowZero) {
    std::vector<MacroRecord> taken;
    for (std::uint16_t code = 0; code <= 261; ++code) taken.push_back(Ordinary("taken", code));
    WriteLibrary(taken);
    ASSERT_TRUE(library.ReloadMacroFile(false));
    auto records = FileRecords();
    ASSERT_EQ(records.size(), 267u);
    EXPECT_EQ(records[262].Nickname, "Terminate Orvane");
    EXPECT_EQ(records[262].ActivationCode, 720) << "0 to 261 are taken";
    EXPECT_EQ(records[263].ActivationCode, 262) << "a free first choice is kept";
}

TEST_F(LibraryTest, SaveAppendDeleteEnableAndReload) {
    ASSERT_TRUE(library.ReloadMacroFile(false));
    for (const char* name : {"one", "two", "three"}) {
        MacroRecord r = Ordinary(name, 30000);
        r.CategoryId = 7;
        table->SetMacroCount(table->MacroCount() + 1);
        ASSERT_TRUE(library.SaveMacroRecord(-1, r));
    }
    EXPECT_EQ(table->MacroCount(), 8);
    EXPECT_EQ(settings->Nickname[8], "three");
    EXPECT_EQ(settings->CategoryId[8], 7u);
    EXPECT_EQ(hooks->Master.Entry(8).Activation, 30000);
    EXPECT_EQ(notices.Posted.back(), std::make_pair(20, 8));

    MacroRecord changed = Ordinary("two, changed", 12);
    changed.ScopeText = "A rather long window title here";
    changed.MacroKind = MacroKind::Window;
    ASSERT_TRUE(library.SaveMacroRecord(7, changed));
    EXPECT_EQ(table->Entry(7).ScopeText, "A rather long window");
    EXPECT_EQ(hooks->Master.Entry(7).Kind, MacroKind::Window);

    MacroRecord read;
    ASSERT_TRUE(library.ReadMacroRecord(7, read));
    EXPECT_EQ(read.Nickname, "two, changed");
    EXPECT_EQ(read.ScriptText(), "text of two, changed");

    ASSERT_TRUE(library.SetMacroEnabled(6, 0));
    EXPECT_EQ(FileRecords()[5].Enabled, 0);
    // The tables follow the flag written, and the hook library has it.
    EXPECT_FALSE(table->Entry(6).Enabled);
    EXPECT_FALSE(hooks->Master.Entry(6).Enabled);

    ASSERT_TRUE(library.DeleteMacroWithMenus(6));
    auto names = FileNicknames();
    ASSERT_EQ(names.size(), 7u);
    EXPECT_EQ(names[5], "two, changed");
    EXPECT_EQ(names[6], "three");
    ASSERT_TRUE(library.ReloadMacroFile(false));
    EXPECT_EQ(table->MacroCount(), 7);
    EXPECT_EQ(settings->Nickname[6], "two, changed");
    EXPECT_EQ(hooks->Master.Entry(6).Activation, 12);
}

TEST_F(LibraryTest, DeletingAMacroFixesEveryMenuInOneRewrite) {
    auto menu = [](const std::string& name, const std::vector<int>& members) {
        MacroRecord r = Ordinary(name, 30000);
        r.MacroKind = MacroKind::PopupMenu;
        r.SetPopupMembers(members);
        return r;
    };
    std::vector<MacroRecord> records;
    for (int i = 1; i <= 10; ++i) records.push_back(Ordinary("m" + std::to_string(i), 30000));
    records[0] = menu("first menu", {2, 3, 7});
    records[9] = menu("last menu", {5, 9});
    WriteLibrary(records);

    // Everything in the library's folder, name by name.
    auto folderNow = [&] {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            files[entry.path().filename().string()] = testing::Snapshot(entry.path().string());
        return files;
    };
    auto temporary = [&](int k) {
        return LibraryPath() + (k == 0 ? std::string(".$$$") : ".$$" + std::to_string(k));
    };
    const std::string read = *ReadWholeFile(LibraryPath());
    std::shared_ptr<void> held;
    // Rewrites that cannot be made change nothing, and say so: every file
    // beside the library stays as it was, and no temporary is left.
    const struct {
        const char* Name;
        std::function<void()> Prepare;
        std::function<bool()> Rewrite;
    } refused[] = {
        // The rewrite of a delete that read the library before another
        // program appended to it or rewrote a record.
        {"a record appended since the library was read",
         [&] { testing::PutFile(LibraryPath(), read + read.substr(0, MacroRecord::Size)); },
         [&] { return ReplaceFileContents(LibraryPath(), "kept", read); }},
        {"a record rewritten since the library was read",
         [&] {
             testing::PutFile(LibraryPath(),
                              read.substr(MacroRecord::Size) + read.substr(0, MacroRecord::Size));
         },
         [&] { return ReplaceFileContents(LibraryPath(), "kept", read); }},
        // The one-step rename over the library fails.
        {"the library's name taken by a folder",
         [&] {
             std::filesystem::remove(LibraryPath());
             std::filesystem::create_directory(LibraryPath());
         },
         [&] { return ReplaceFileContents(LibraryPath(), "kept"); }},
#ifdef _WIN32
        {"the library held by another program",
         [&] { held = testing::HoldUnshared(LibraryPath()); },
         [&] { return ReplaceFileContents(LibraryPath(), "kept"); }},
#endif
    };
    for (const auto& row : refused) {
        SCOPED_TRACE(row.Name);
        row.Prepare();
        const auto before = folderNow();
        EXPECT_FALSE(row.Rewrite());
        EXPECT_EQ(folderNow(), before);
        held.reset();
        for (int k = 0; k < 10; ++k) std::filesystem::remove_all(temporary(k));
        testing::PutFile(LibraryPath(), read);
    }

    // Files of the temporaries' first names are another's: they stay, and
    // the rewrite takes a name still free. So do copies of the library that
    // rewrites cut off just now (one may be under way), and copies with more
    // than whole records; whole copies left for a minute go first, and never
    // block a rewrite, even where they take every name.
    const std::vector<std::string> names = TemporaryNames(LibraryPath());
    const auto longAgo = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2);
    std::filesystem::create_directory(names[0]);
    for (std::size_t k = 1; k < 10; ++k) {
        testing::PutFile(names[k], k < 5    ? "mine " + std::to_string(k)
                                   : k == 5 ? read
                                   : k == 6 ? read + "\r\nbackup of monday"
                                   : k == 7 ? std::string()
                                            : read);
        if (k != 5)
            std::filesystem::last_write_time(names[k], longAgo);
    }
    for (std::size_t k = 10; k < names.size(); ++k) {
        testing::PutFile(names[k], read);
        std::filesystem::last_write_time(names[k], longAgo);
    }
    auto others = folderNow();
    for (std::size_t k = 8; k < names.size(); ++k)
        others.erase(std::filesystem::path(names[k]).filename().string());
    others.erase(std::filesystem::path(LibraryPath()).filename().string());
    // A delete by number takes the macro the tables list there (the system
    // macros come behind the ten).
    ASSERT_TRUE(library.ReloadMacroFile(false));
    ASSERT_TRUE(library.DeleteMacroWithMenus(3));
    auto besides = folderNow();
    besides.erase(std::filesystem::path(LibraryPath()).filename().string());
    EXPECT_EQ(besides, others);
    const std::vector<MacroRecord> after = FileRecords();
    ASSERT_EQ(after.size(), 14u);
    EXPECT_EQ(after[2].Nickname, "m4");
    EXPECT_EQ(after[0].PopupMembers(), (std::vector<int>{2, 6}));
    EXPECT_EQ(after[8].PopupMembers(), (std::vector<int>{4, 8}));
    EXPECT_EQ(after[4].ScriptText(), "text of m6");
}

TEST_F(LibraryTest, IconsAreBuiltInOrFilesOfTheIconsFolder) {
    std::filesystem::create_directories(InFolder(folder, "Icons"));
    { FilePtr icon = OpenFile(InFolder(InFolder(folder, "Icons"), "mail.ico"), "wb"); }
    MacroRecord withFile = Ordinary("file", 30000);
    withFile.IconName = "mail.ico";
    MacroRecord missing = Ordinary("missing", 30000);
    missing.IconName = "gone.ico";
    MacroRecord lower = Ordinary("lower", 30000);
    lower.IconName = "main";
    MacroRecord menu = Ordinary("menu", 30000);
    menu.MacroKind = MacroKind::PopupMenu;
    menu.IconName = "gone.ico";
    WriteLibrary({withFile, missing, lower, menu});
    ASSERT_TRUE(library.ReloadMacroFile(false));
    EXPECT_EQ(settings->Icon[1].source, IconChoice::Source::File);
    EXPECT_EQ(settings->Icon[1].path, InFolder(InFolder(folder, "Icons"), "mail.ico"));
    EXPECT_EQ(settings->Icon[2].source, IconChoice::Source::Main);
    EXPECT_EQ(settings->Icon[3].source, IconChoice::Source::Main) << "looked up as a file";
    EXPECT_EQ(settings->Icon[4].source, IconChoice::Source::Menu);
    EXPECT_EQ(FileRecords()[1].IconName, "gone.ico") << "loading leaves the file alone";

    ASSERT_TRUE(library.SaveMacroRecord(2, missing));
    ASSERT_TRUE(library.SaveMacroRecord(4, menu));
    EXPECT_EQ(FileRecords()[1].IconName, "MAIN");
    EXPECT_EQ(FileRecords()[3].IconName, "MENU");
}

TEST_F(LibraryTest, AFragmentStopsEveryOperationAndOverfullLibrariesAreReadWithinBounds) {
    ASSERT_TRUE(library.ReloadMacroFile(false));
    WriteLibrary({Ordinary("a", 1), Ordinary("b", 2)}, 100);  // a copy cut short
    const std::string cut = *ReadWholeFile(LibraryPath());
    MacroRecord r = Ordinary("x", 30000);
    boxes.Expect(LibraryMessage::NotWholeMacros);
    EXPECT_FALSE(library.ReloadMacroFile(false));
    for (int k = 0; k < 3; ++k) boxes.Expect(LibraryMessage::FragmentKept);
    EXPECT_FALSE(library.DeleteMacroWithMenus(1));
    EXPECT_FALSE(library.SetMacroEnabled(1, 0));
    EXPECT_FALSE(library.SaveMacroRecord(1, r));
    EXPECT_EQ(*ReadWholeFile(LibraryPath()), cut) << "no record lands in or drops the fragment";
    EXPECT_EQ(table->MacroCount(), 5) << "the library loaded before";
    // Whole again, not read since: the tables' numbers name other macros there.
    WriteLibrary({Ordinary("a", 1), Ordinary("b", 2)});
    const std::string moved = *ReadWholeFile(LibraryPath());
    for (int k = 0; k < 3; ++k) boxes.Expect(LibraryMessage::TablesBehind);
    EXPECT_FALSE(library.DeleteMacroWithMenus(1));
    EXPECT_FALSE(library.SetMacroEnabled(1, 0));
    EXPECT_FALSE(library.SaveMacroRecord(1, r));
    EXPECT_FALSE(library.ReadMacroRecord(1, r));
    EXPECT_EQ(*ReadWholeFile(LibraryPath()), moved);

    std::vector<MacroRecord> many(501, Ordinary("many", 30000));
    WriteLibrary(many);
    ASSERT_TRUE(library.ReloadMacroFile(false));
    EXPECT_EQ(table->MacroCount(), 500);
    EXPECT_EQ(FileRecords().size(), 501u) << "no system macro beyond 500";
    // Only what the tables hold is read, but a fragment however far behind is seen.
    const std::string whole = *ReadWholeFile(LibraryPath());
    ASSERT_TRUE(ReplaceFileContents(LibraryPath(), whole + "x"));
    boxes.Expect(LibraryMessage::NotWholeMacros);
    EXPECT_FALSE(library.ReloadMacroFile(false));
    EXPECT_EQ(*ReadWholeFile(LibraryPath()), whole + "x");
}

TEST_F(LibraryTest, AWriteCutOffLeavesTheWholeMacrosInUse) {
    // Whole macros without the system ones, then the start of one whose
    // saving was cut off: loaded, said, and nothing written behind it.
    WriteLibrary({Ordinary("a", 1), Ordinary("b", 2)});
    const std::string whole = *ReadWholeFile(LibraryPath());
    const std::string cutOff = whole + testing::RecordsNamed(1).substr(0, 4096);
    testing::PutFile(LibraryPath(), cutOff);
    boxes.Expect(LibraryMessage::FragmentBehind);
    ASSERT_TRUE(library.LoadMacroFile(LibraryPath(), false));
    ASSERT_TRUE(library.ReloadMacroFile(false)) << "said once, not at every reload";
    EXPECT_EQ(table->MacroCount(), 2);
    EXPECT_EQ(*ReadWholeFile(LibraryPath()), cutOff);
    // Changes in place keep it; the next macro added lands over it.
    ASSERT_TRUE(library.SetMacroEnabled(2, 0));
    MacroRecord added = Ordinary("c", 3);
    ASSERT_TRUE(library.AppendMacroRecord(added));
    EXPECT_EQ(FileNicknames(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(ReadWholeFile(LibraryPath())->size(), 3 * MacroRecord::Size);
    // The next removed drops it.
    testing::PutFile(LibraryPath(), cutOff);
    boxes.Expect(LibraryMessage::FragmentBehind);
    ASSERT_TRUE(library.ReloadMacroFile(false));
    ASSERT_TRUE(library.DeleteMacroWithMenus(1));
    EXPECT_EQ(*ReadWholeFile(LibraryPath()), whole.substr(MacroRecord::Size));
    // A fragment alone, or one not coded as a record begins, is no library.
    for (const std::string& bytes :
         {testing::RecordsNamed(1).substr(0, 4096), whole + std::string(200, 'z')}) {
        testing::PutFile(LibraryPath(), bytes);
        boxes.Expect(LibraryMessage::NotWholeMacros);
        EXPECT_FALSE(library.LoadMacroFile(LibraryPath(), false));
        EXPECT_EQ(*ReadWholeFile(LibraryPath()), bytes);
    }
}

TEST_F(LibraryTest, AddingStopsAtFiveHundredMacros) {
    WriteLibrary(std::vector<MacroRecord>(499, Ordinary("x", 30000)));
    ASSERT_TRUE(library.ReloadMacroFile(false));
    EXPECT_EQ(table->MacroCount(), 500) << "one system macro fitted";
    MacroRecord r = Ordinary("one too many", 30000);
    boxes.Expect("Maximum number of Macros has been reached.  Add not allowed.");
    EXPECT_FALSE(library.AppendMacroRecord(r));
    EXPECT_EQ(table->MacroCount(), 500);
    EXPECT_EQ(FileRecords().size(), 500u);
    EXPECT_EQ(FileRecords().back().Nickname, "Terminate Orvane");
}

TEST_F(LibraryTest, FailedAppendLeavesTheCountAsItWas) {
    ASSERT_TRUE(library.ReloadMacroFile(false));
    std::filesystem::remove(LibraryPath());
    table->SetMacroCount(6);
    MacroRecord r = Ordinary("lost", 30000);
    boxes.Expect("Saving of keystrokes failed.", MsgResult::Ok, "Error");
    EXPECT_FALSE(library.SaveMacroRecord(-1, r));
    EXPECT_EQ(table->MacroCount(), 5);
    EXPECT_EQ(notices.Posted.back(), std::make_pair(20, 5)) << "nothing told for it";

    // An append without a raised count has none to give back.
    table->SetMacroCount(0);
    boxes.Expect("Saving of keystrokes failed.");
    EXPECT_FALSE(library.SaveMacroRecord(-1, r));
    EXPECT_EQ(table->MacroCount(), 0);
}

TEST_F(LibraryTest, AppendWithAStaleCountIsRefused) {
    ASSERT_TRUE(library.ReloadMacroFile(false));
    WriteLibrary(std::vector<MacroRecord>(6, Ordinary("x", 30000)));  // grown elsewhere
    table->SetMacroCount(6);
    MacroRecord r = Ordinary("late", 30000);
    boxes.Expect("Saving of keystrokes failed.");
    EXPECT_FALSE(library.SaveMacroRecord(-1, r));
    EXPECT_EQ(table->MacroCount(), 5);
    EXPECT_EQ(FileRecords().size(), 6u);
}

TEST_F(LibraryTest, RecordNumbersOutsideTheFileAreRefused) {
    ASSERT_TRUE(library.ReloadMacroFile(false));
    MacroRecord r = Ordinary("x", 30000);
    boxes.Expect(LibraryMessage::NoSuchMacro);
    boxes.Expect(LibraryMessage::NoSuchMacro);
    boxes.Expect(LibraryMessage::NoSuchMacro);
    boxes.Expect("Saving of keystrokes failed.");
    boxes.Expect("Saving of keystrokes failed.");
    boxes.Expect("Saving of keystrokes failed.");
    EXPECT_FALSE(library.DeleteMacroWithMenus(0));
    EXPECT_FALSE(library.DeleteMacroWithMenus(6));
    EXPECT_FALSE(library.SetMacroEnabled(6, 1));
    EXPECT_FALSE(library.SaveMacroRecord(7, r));
    EXPECT_FALSE(library.SaveMacroRecord(6, r)) << "only an append adds a macro";
    EXPECT_FALSE(library.SaveMacroRecord(0, r));
    EXPECT_EQ(FileNicknames(), EditorSystemNames);
    EXPECT_EQ(table->MacroCount(), 5);

    MacroRecord out = Ordinary("untouched", 1);
    EXPECT_FALSE(library.ReadMacroRecord(6, out));
    EXPECT_FALSE(library.ReadMacroRecord(0, out));
    EXPECT_EQ(out.Nickname, "untouched");
    std::filesystem::remove(LibraryPath());
    EXPECT_FALSE(library.ReadMacroRecord(1, out));
}

// Another program (the player running a macro, another editor) changes the
// file while a dialog holds a macro: the hold's save lands on that macro or
// nowhere.
TEST_F(LibraryTest, AHeldMacroIsWrittenOnlyWhereItStillIs) {
    ASSERT_TRUE(library.ReloadMacroFile(false));
    for (const char* name : {"A", "B", "C"}) {
        MacroRecord r = Ordinary(name, 30000);
        ASSERT_TRUE(library.AppendMacroRecord(r));
    }
    MacroRecord edited = Ordinary("B edited", 30000);

    HeldMacro held;
    ASSERT_TRUE(library.HoldMacroRecord(7, held));
    ASSERT_EQ(library.SaveHeldRecord(held, edited), LibraryStatus::Done);
    ASSERT_EQ(library.SetHeldEnabled(held, 0), LibraryStatus::Done);
    EXPECT_FALSE(hooks->Master.Entry(7).Enabled) << "the entry follows the flag written";
    ASSERT_EQ(library.SaveHeldRecord(held, edited), LibraryStatus::Done)
        << "the hold follows its own save and flag";
    EXPECT_EQ(FileNicknames()[6], "B edited");

    // A lower macro deleted: the held number now names "C".
    ASSERT_TRUE(library.HoldMacroRecord(7, held));
    ASSERT_TRUE(library.DeleteMacroWithMenus(6));
    EXPECT_EQ(library.SaveHeldRecord(held, edited), LibraryStatus::Moved);
    EXPECT_EQ(library.DeleteHeldMacro(held), LibraryStatus::Moved);
    EXPECT_EQ(library.SetHeldEnabled(held, 0), LibraryStatus::Moved);
    EXPECT_EQ(FileNicknames().back(), "C");
    EXPECT_EQ(FileNicknames().size(), 7u);

    // The record rewritten elsewhere, and the last macro deleted.
    ASSERT_TRUE(library.HoldMacroRecord(7, held));
    MacroRecord other = Ordinary("C by another", 1);
    ASSERT_TRUE(library.SaveMacroRecord(7, other));
    EXPECT_EQ(library.SaveHeldRecord(held, edited), LibraryStatus::Moved);
    ASSERT_TRUE(library.HoldMacroRecord(7, held));
    ASSERT_TRUE(library.DeleteMacroWithMenus(7));
    EXPECT_EQ(library.SaveHeldRecord(held, edited), LibraryStatus::Moved);
    EXPECT_EQ(FileNicknames().size(), 6u);

    // Another library made current: its macro of that number stays.
    ASSERT_TRUE(library.HoldMacroRecord(6, held));
    const std::string first = LibraryPath();
    settings->MacroFiles[0] = InFolder(folder, "B.ORN");
    ASSERT_TRUE(library.ReloadMacroFile(false));
    MacroRecord own = Ordinary("own of B", 2);
    ASSERT_TRUE(library.AppendMacroRecord(own));
    EXPECT_EQ(library.SaveHeldRecord(held, edited), LibraryStatus::Moved);
    EXPECT_EQ(FileNicknames()[5], "own of B");
    settings->MacroFiles[0] = first;
    EXPECT_EQ(library.DeleteHeldMacro(held), LibraryStatus::Done);
    EXPECT_EQ(FileNicknames(), EditorSystemNames);
}

// The player appends and names the new number before its count arrives.
TEST_F(LibraryTest, ARecordAppendedElsewhereIsTakenIntoTheTables) {
    ASSERT_TRUE(library.ReloadMacroFile(false));
    std::vector<MacroRecord> records = FileRecords();
    records.push_back(Ordinary("appended by the player", 30000));
    WriteLibrary(records);
    ASSERT_TRUE(library.RefreshEntry(6));
    EXPECT_EQ(settings->Nickname[6], "appended by the player");
    EXPECT_EQ(table->Entry(6).Activation, 30000);
    EXPECT_FALSE(library.RefreshEntry(7));
}

TEST_F(LibraryTest, LibraryThatCannotBeCreatedIsReported) {
    settings->MacroFiles[0] = InFolder(InFolder(folder, "no such folder"), "X.ORN");
    boxes.Expect("New file could not be created.", MsgResult::Ok, "Error");
    EXPECT_FALSE(library.ReloadMacroFile(false));
    EXPECT_EQ(table->MacroCount(), 0);
}

class PlayerLibraryTest : public LibraryTest {
  protected:
    PlayerLibraryTest() : LibraryTest(LibraryOwner::Player) {}
};

TEST_F(PlayerLibraryTest, PlayerNamesItsSystemMacroAndFillsMissingCaseRules) {
    settings->CaseSensitive = 2;
    MacroRecord noCase = Ordinary("no case", 20000);
    noCase.CuewordCase = 0;
    WriteLibrary({noCase});
    ASSERT_TRUE(library.LoadMacroFile(LibraryPath(), false));
    EXPECT_EQ(settings->CuewordCase[1], 2);
    EXPECT_EQ(FileRecords()[0].CuewordCase, 0) << "the file keeps 0";
    EXPECT_EQ(FileRecords()[2].Nickname, "Activate Orvane");
    EXPECT_EQ(notices.Posted.front(), std::make_pair(8, 1)) << "the player always tells";

    // Every road that fills the entry falls back alike: a save, a flag
    // written, a record the editor saved.
    ASSERT_TRUE(library.SaveMacroRecord(1, noCase));
    EXPECT_EQ(settings->CuewordCase[1], 2) << "a save";
    ASSERT_TRUE(library.SetMacroEnabled(1, 0));
    EXPECT_EQ(settings->CuewordCase[1], 2) << "a flag";
    ASSERT_TRUE(library.RefreshEntry(1));
    EXPECT_EQ(settings->CuewordCase[1], 2) << "the editor's save";
    EXPECT_EQ(FileRecords()[0].CuewordCase, 0) << "the file still keeps 0";
}

}  // namespace
}  // namespace orv
