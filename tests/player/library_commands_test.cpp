#include "player/library_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "common/files.h"
#include "common/settings_store.h"
#include "common/side_files.h"
#include "common/sync_record.h"
#include "player/interpreter.h"
#include "tests/common/hostile_files.h"
#include "tests/common/library_fixture.h"
#include "tests/player/recording_host.h"
#include "tests/player/sample_token.h"

namespace orv::player {
namespace {

// The desk and the editor note what they are told, in one order.
struct Trace {
    std::vector<std::string> Lines;
};

class TraceDesk final : public LibraryDesk {
  public:
    explicit TraceDesk(Trace& trace) : trace_(trace) {}
    void SetHotKeys() override { trace_.Lines.push_back("hot keys"); }
    void GetSwapFile() override { trace_.Lines.push_back("swap file"); }
    void CheckAndSetTime() override { trace_.Lines.push_back("schedule"); }
    void ClearMenuTaskIcon() override {
        trace_.Lines.push_back("menus off");
        if (OnMenusOff)
            OnMenusOff();
    }
    void DoMenuTaskIcon() override { trace_.Lines.push_back("menus on"); }
    void LoadAgainLater() override { trace_.Lines.push_back("load again later"); }
    // Another program at the file between the change and the reload.
    std::function<void()> OnMenusOff;

  private:
    Trace& trace_;
};

class TraceEditor final : public ProgramNotices {
  public:
    explicit TraceEditor(Trace& trace) : trace_(trace) {}
    void Post(int code, int argument) override {
        trace_.Lines.push_back("editor " + std::to_string(code) + "," + std::to_string(argument));
    }

  private:
    Trace& trace_;
};

struct LockHost final : NetworkLockHost {
    void ReloadShared() override {}
    void SetNetTimer(bool) override {}
    void SetSyncTimer(bool) override {}
};

class LibraryCommandsTest : public orv::testing::LibraryTest {
  protected:
    LibraryCommandsTest() : LibraryTest(LibraryOwner::Player) {
        player.FamiliesSet[FamilyId::Library] = &commands;
    }

    // Ten macros "m1".."m10" (the loader adds the five system macros behind
    // them); 1 and 10 are menus, 4 is timed, 6 disabled.
    void TenMacros() {
        std::vector<MacroRecord> records;
        for (int i = 1; i <= 10; ++i) records.push_back(Ordinary("m" + std::to_string(i), 30000));
        records[0].MacroKind = MacroKind::PopupMenu;
        records[0].SetPopupMembers({2, 3, 7});
        records[9].MacroKind = MacroKind::PopupMenu;
        records[9].SetPopupMembers({5, 9});
        records[3].ActivationCode = 10000;
        records[5].Enabled = 0;
        WriteLibrary(records);
        ASSERT_TRUE(library.ReloadMacroFile(false));
        lock.SetUp();
        trace.Lines.clear();
    }
    void Run(const std::string& script) {
        ASSERT_TRUE(interpreter.RunMacro(script, RunOrigin::Unattended));
    }
    // The library's sync record as the file has it; counter -1 when unread.
    SyncRecord Sync() const {
        FilePtr f = OpenFile(SyncFileName(LibraryPath()), "rb");
        std::array<std::uint8_t, SyncRecord::Size> image{};
        if (!f || std::fread(image.data(), 1, image.size(), f.get()) != image.size())
            return {-1, 0, 0.0};
        return SyncRecord::Decode(image);
    }
    std::int32_t Counter() const { return Sync().Counter; }

    Trace trace;
    TraceDesk desk{trace};
    TraceEditor editor{trace};
    MemorySettingsStore store;
    Configs configs{store, *settings, folder};
    PlainSyncFileAccess syncFiles;
    LockHost lockHost;
    NetworkLock lock{LibraryOwner::Player, *settings, syncFiles, lockHost, notices};
    LibraryLoading loading{library, *settings, lock, desk, configs, editor};
    LibraryCommands commands{{library, *settings, *table, lock, editor, configs, desk, loading}};
    testing::RecordingHost player;
    RunState state;
    Interpreter interpreter{player, state};
};

TEST_F(LibraryCommandsTest, DeleteTakesTheRecordAndItsMenuEntriesAndCountsTheChange) {
    settings->NetworkMode = true;
    TenMacros();
    const std::int32_t before = Counter();
    Run("<MACDEL:M3><MACDEL:nobody>");  // nicknames are exact
    EXPECT_EQ(FileRecords().size(), 15u);
    EXPECT_TRUE(trace.Lines.empty());

    Run("<MACDEL:m3>");
    const std::vector<MacroRecord> after = FileRecords();
    ASSERT_EQ(after.size(), 14u);
    EXPECT_EQ(after[0].PopupMembers(), (std::vector<int>{2, 6}));
    EXPECT_EQ(after[8].PopupMembers(), (std::vector<int>{4, 8}));
    EXPECT_EQ(table->MacroCount(), 14);
    EXPECT_EQ(settings->Nickname[3], "m4");
    // The menus' icons go and come back with their new numbers.
    const std::vector<std::string> reloaded = {"menus off", "swap file", "hot keys",
                                               "schedule",  "menus on",  "editor 21,0"};
    EXPECT_EQ(trace.Lines, reloaded);
    EXPECT_EQ(Counter(), before + 1);

    trace.Lines.clear();
    Run("<MACDEL:m10>");  // a menu: its own icon goes
    EXPECT_EQ(trace.Lines, reloaded);
}

// The file cannot be read back after the delete: the hot keys still run the
// macros they name, never the record behind the one gone.
TEST_F(LibraryCommandsTest, ADeleteNotReadBackLeavesTablesNumberedAsTheFile) {
    TenMacros();
    desk.OnMenusOff = [&] {
        FilePtr f = OpenFile(LibraryPath(), "ab");
        ASSERT_TRUE(f && std::fputc('x', f.get()) != EOF);
    };
    boxes.Expect(LibraryMessage::NotWholeMacros);
    Run("<MACDEL:m1>");
    EXPECT_EQ(trace.Lines,
              (std::vector<std::string>{"menus off", "hot keys", "schedule", "menus on",
                                        "load again later", "editor 21,0"}));
    ASSERT_EQ(table->MacroCount(), 14);
    EXPECT_EQ(hooks->Master.MacroCount(), 14);
    for (int k = 1; k <= 14; ++k) {
        MacroRecord record;
        ASSERT_TRUE(library.ReadMacroRecord(k, record)) << k;
        EXPECT_EQ(settings->Nickname[k], record.Nickname.str()) << k;
        EXPECT_EQ(hooks->Master.Entry(k), HookEntryOf(record)) << k;
    }
}

TEST_F(LibraryCommandsTest, AFileInUseByAnotherUserChangesNothing) {
    settings->NetworkMode = true;
    TenMacros();
    auto otherSettings = std::make_unique<SettingsBlock>(*settings);
    LockHost otherHost;
    orv::testing::RecordedNotices otherNotices;
    NetworkLock other{LibraryOwner::Editor, *otherSettings, syncFiles, otherHost, otherNotices};
    other.SetUp();
    ASSERT_FALSE(other.FileInUse());  // the other user holds it now

    Run("<MACDEL:m3><MACDEACT:m2><MACACT:m6>next");
    EXPECT_EQ(player.Notices(), (std::vector<std::string>{
                                    "Macro Delete Error: " + MacroInUseText("delete", "m3"),
                                    "Macro Deactivate Error: " + MacroInUseText("deactivate", "m2"),
                                    "Macro Activate Error: " + MacroInUseText("activate", "m6")}));
    EXPECT_EQ(MacroInUseText("delete", "m3"),
              "Cannot delete macro \"m3\" because the macro file is in use by another user.");
    EXPECT_EQ(FileRecords().size(), 15u);
    EXPECT_EQ(FileRecords()[1].Enabled, 1);
    EXPECT_TRUE(trace.Lines.empty());
    EXPECT_EQ(player.Typed(), "next");
}

TEST_F(LibraryCommandsTest, EnablingWritesTheRecordFirstThenTellsEveryone) {
    TenMacros();
    Run("<MACACT:m2>");  // enabled already: nobody is told
    EXPECT_TRUE(trace.Lines.empty());

    Run("<MACDEACT:m4>");
    EXPECT_EQ(FileRecords()[3].Enabled, 0);
    EXPECT_FALSE(table->Entry(4).Enabled);
    EXPECT_FALSE(hooks->Master.Entry(4).Enabled);
    // The editor hears of it once the lock is given back.
    EXPECT_EQ(trace.Lines,
              (std::vector<std::string>{"schedule", "hot keys", "editor 8,4", "editor 1,0"}));

    // A record that cannot be written leaves the tables as the file is.
    std::string bytes = *ReadWholeFile(LibraryPath());
    ASSERT_TRUE(ReplaceFileContents(LibraryPath(), bytes.substr(0, 9 * MacroRecord::Size)));
    trace.Lines.clear();
    boxes.Expect(LibraryMessage::NoSuchMacro);
    Run("<MACDEACT:m10>");
    EXPECT_TRUE(table->Entry(10).Enabled);
    EXPECT_TRUE(trace.Lines.empty());
}

TEST_F(LibraryCommandsTest, SwapInNetworkModeTakesTheNewFilesCounterBeforeLoading) {
    settings->NetworkMode = true;
    TenMacros();
    const std::string other = InFolder(folder, "OTHER.ORN");
    std::array<std::uint8_t, SyncRecord::Size> image{};
    SyncRecord{41, 2, 0.0}.Encode(image);
    ASSERT_TRUE(ReplaceFileContents(SyncFileName(other),
                                    {reinterpret_cast<const char*>(image.data()), image.size()}));
    Run("<SWAP:" + other + ">");
    EXPECT_EQ(settings->MacroFiles[0], other);
    EXPECT_EQ(store.Read("Misc", "Current File", "", 255), other);
    EXPECT_EQ(lock.SyncStamp(), 41);
    EXPECT_EQ(table->MacroCount(), 5);  // a missing file becomes a new library
    EXPECT_EQ(trace.Lines, (std::vector<std::string>{"menus off", "swap file", "hot keys",
                                                     "schedule", "menus on", "editor 3,0"}));
}

// Every road that loads a library, on files it must not take: the file stays
// as it was, the player says so, and the library loaded before stays in use.
TEST_F(LibraryCommandsTest, HostileFilesLeaveTheFileAndTheLibraryLoadedBefore) {
    settings->NetworkMode = true;
    TenMacros();
    ASSERT_TRUE(configs.WriteCurrentFile());
    const std::string current = LibraryPath();
    const std::string other = InFolder(folder, "OTHER.ORN");
    std::vector<orv::testing::HostileFile> rows = orv::testing::HostileFiles();
    for (orv::testing::HostileFile& row : orv::testing::WholeSizedNonLibraries())
        rows.push_back(std::move(row));
#ifdef _WIN32
    // The editor removed a macro, and the reload it asks for meets the file
    // held: the tables keep the old numbers while the file has new ones.
    const std::string loaded = *ReadWholeFile(current);
    rows.push_back({"the library with a macro gone, held by another program",
                    [loaded](const std::string& p) {
                        orv::testing::PutFile(p, loaded.substr(0, MacroRecord::Size) +
                                                     loaded.substr(2 * MacroRecord::Size));
                    },
                    LibraryMessage::OpenFailed, LibraryMessage::FileInUse, nullptr,
                    orv::testing::HoldUnshared});
#endif
    const std::vector<std::string> rebuilt = {"swap file", "hot keys", "schedule"};
    const std::vector<orv::testing::LibraryRoad> roads = {
        {"/F", false,
         [&](const std::string& p) {
             // The remembered library is loaded instead.
             EXPECT_TRUE(loading.LoadAtStart({p, "no such file"}));
             EXPECT_EQ(trace.Lines, rebuilt);
             trace.Lines.clear();
         }},
        {"<SWAP:", false, [&](const std::string& p) { Run("<SWAP:" + p + ">"); }},
        {"the editor's switch", false,
         [&](const std::string& p) {
             ASSERT_TRUE(store.Write("Misc", "Current File", p));
             EXPECT_FALSE(loading.UseEditorsFile(p));
             // Its hot keys go over the editor's, and it takes the library back.
             EXPECT_EQ(trace.Lines, (std::vector<std::string>{"menus off", "menus on", "hot keys",
                                                              "editor 3,0"}));
             trace.Lines.clear();
         }},
        {"the start", true,
         [&](const std::string&) {
             EXPECT_FALSE(loading.LoadAtStart({}));
             EXPECT_FALSE(loading.RetryLoad()) << "said once";
         }},
        {"a reload (the editor's delete, the sync)", true,
         [&](const std::string&) {
             EXPECT_FALSE(loading.ReloadMacroFile(true));
             EXPECT_FALSE(loading.RetryLoad()) << "said once";
         }},
        {"<MACDEL:", true, [&](const std::string&) { Run("<MACDEL:m2>"); },
         &orv::testing::HostileFile::ChangeMessage},
        {"<MACDEACT:", true, [&](const std::string&) { Run("<MACDEACT:m2>"); },
         &orv::testing::HostileFile::ChangeMessage},
    };
    orv::testing::RunHostileTable(
        rows, roads, current, other, boxes,
        [&](const std::string& where) {
            EXPECT_EQ(LibraryPath(), current) << where;
            EXPECT_EQ(store.Read("Misc", "Current File", "", 255), current) << where;
            EXPECT_EQ(lock.SyncStamp(), Counter()) << where << ": the current file's counter";
            EXPECT_EQ(table->MacroCount(), 15) << where;
            EXPECT_EQ(hooks->Master.MacroCount(), 15) << where;
            EXPECT_EQ(settings->Nickname[2], "m2") << where;
            EXPECT_EQ(hooks->Master.Entry(4).Activation, 10000) << where;
            // A macro is taken by its number only where the file still has it.
            for (int k = 1; k <= 15; ++k) {
                MacroRecord record;
                if (library.ReadMacroRecord(k, record)) {
                    EXPECT_EQ(record.Nickname.str(), settings->Nickname[k].str())
                        << where << ": " << k;
                }
            }
            // Only the menu icons are made again, from the same tables.
            for (const std::string& line : trace.Lines)
                EXPECT_TRUE(line == "menus off" || line == "menus on" || line == "load again later")
                    << where << ": " << line;
            trace.Lines.clear();
        },
        [&] {
            // Whatever could not be read is read again once it can be.
            EXPECT_TRUE(loading.RetryLoad());
            EXPECT_TRUE(library.TablesFollow(current));
            trace.Lines.clear();
        });
}

// Started in one folder, found from another: every road that makes a file
// current keeps its full name, in the settings file too where it writes it
// (the editor wrote its own). "/F" takes the last one that loads; the
// remembered library is neither opened nor locked then.
TEST_F(LibraryCommandsTest, EveryRoadKeepsTheFileByItsFullName) {
    settings->NetworkMode = true;
    const std::string remembered = orv::testing::RecordsNamed(2);  // without system macros
    const std::string mine = InFolder(folder, "mine.ORN");
    const struct Road {
        const char* Name;
        std::function<void()> Take;
        bool WritesSettings = true;
    } roads[] = {
        {"/F",
         [&] {
             orv::testing::PutFile(InFolder(folder, "notes.txt"), "not macros");
             boxes.Expect(LibraryMessage::NotWholeMacros);
             ASSERT_TRUE(loading.LoadAtStart({"mine.ORN", "notes.txt", "no such file.ORN"}));
             EXPECT_EQ(ReadWholeFile(InFolder(folder, "ORVAN.ORN")), remembered);
             EXPECT_FALSE(FileExists(InFolder(folder, "ORVAN.MAS")));
             EXPECT_TRUE(FileExists(InFolder(folder, "mine.MAS")));
             // The main window writes the settings file after the start.
             ASSERT_TRUE(configs.WriteCurrentFile());
         }},
        {"<SWAP:", [&] { Run("<SWAP:mine.ORN>"); }},
        {"the editor's switch", [&] { EXPECT_TRUE(loading.UseEditorsFile("mine.ORN")); }, false},
        {"a name remembered relative, at the start",
         [&] {
             settings->MacroFiles[0] = "mine.ORN";
             ASSERT_TRUE(loading.LoadAtStart({}));
             ASSERT_TRUE(configs.WriteCurrentFile());
         }},
    };
    const std::filesystem::path started = std::filesystem::current_path();
    for (const Road& road : roads) {
        SCOPED_TRACE(road.Name);
        orv::testing::PutFile(LibraryPath(), remembered);
        orv::testing::PutFile(mine, orv::testing::RecordsNamed(3));
        ASSERT_TRUE(store.Write("Misc", "Current File", ""));
        std::filesystem::current_path(folder);
        road.Take();
        std::filesystem::current_path(started);
        EXPECT_EQ(std::filesystem::path(LibraryPath()), std::filesystem::path(mine));
        if (road.WritesSettings) {
            EXPECT_EQ(std::filesystem::path(store.Read("Misc", "Current File", "", 255)),
                      std::filesystem::path(mine));
        }
        EXPECT_EQ(settings->Nickname[3], "a3");
        settings->MacroFiles[0] = InFolder(folder, "ORVAN.ORN");
    }

    // A name whose full name is longer than the settings keep is refused on
    // each road before it is read: said, and nothing stored, loaded, locked
    // or created. "/F" goes on to the remembered library.
    const std::string tooLong = NameOneTooLong();
    const struct {
        const char* Name;
        std::function<void()> Take;
    } refusing[] = {
        {"/F", [&] { EXPECT_TRUE(loading.LoadAtStart({tooLong})); }},
        {"<SWAP:", [&] { Run("<SWAP:" + tooLong + ">"); }},
        {"the editor's switch", [&] { EXPECT_FALSE(loading.UseEditorsFile(tooLong)); }},
        {"a name remembered relative, at the start",
         [&] {
             settings->MacroFiles[0] = tooLong;
             EXPECT_FALSE(loading.LoadAtStart({}));
             EXPECT_EQ(settings->MacroFiles[0], tooLong);
             settings->MacroFiles[0] = InFolder(folder, "ORVAN.ORN");
         }},
    };
    orv::testing::PutFile(LibraryPath(), remembered);
    ASSERT_TRUE(library.ReloadMacroFile(false));
    lock.SetUp();
    orv::testing::PutFile(InFolder(folder, tooLong), orv::testing::RecordsNamed(3));
    ASSERT_TRUE(store.Write("Misc", "Current File", LibraryPath()));
    const auto folderNow = [&] {
        std::map<std::string, std::size_t> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            files[entry.path().filename().string()] =
                std::hash<std::string>{}(*ReadWholeFile(entry.path().string()));
        return files;
    };
    const auto before = folderNow();
    for (const auto& road : refusing) {
        SCOPED_TRACE(road.Name);
        boxes.Expect(LibraryNameTooLongMessage);
        std::filesystem::current_path(folder);
        road.Take();
        std::filesystem::current_path(started);
        EXPECT_EQ(LibraryPath(), InFolder(folder, "ORVAN.ORN"));
        EXPECT_EQ(store.Read("Misc", "Current File", "", 255), LibraryPath());
        EXPECT_EQ(settings->Nickname[2], "a2");
        EXPECT_EQ(settings->Nickname[3], "Terminate Orvane") << "the library loaded before";
        EXPECT_EQ(folderNow(), before);
    }
}

TEST_F(LibraryCommandsTest, EveryCommandOfTheFamilyReachesTheLibrary) {
    const auto idle = testing::FormsThatDidNothing(
        FamilyId::Library,
        [&](const std::string& token) {
            TenMacros();
            player.Trace.clear();
            // The sample names macro "x": name one the command changes (m6 is
            // the disabled one), and a library of the test's folder.
            std::string named = token;
            const std::string name = token.starts_with("<SWAP:")     ? InFolder(folder, "m2")
                                     : token.starts_with("<MACACT:") ? "m6"
                                                                     : "m2";
            if (const std::size_t x = named.find("x>"); x != std::string::npos)
                named.replace(x, 1, name);
            Run(named);
        },
        [&] { return !trace.Lines.empty() || !player.Notices().empty(); });
    EXPECT_TRUE(idle.empty()) << ::testing::PrintToString(idle);
}

// The editor removed a macro below and its notice has not reached the player
// yet (it waits behind the run). The command names m3 by its nickname: it may
// change m3 or nothing, never the macro that now stands at m3's old number;
// refused, it says so.
TEST_F(LibraryCommandsTest, ACommandBeforeTheEditorsNoticeChangesOnlyTheNamedMacro) {
    TenMacros();
    std::vector<MacroRecord> records = FileRecords();
    records.erase(records.begin());  // the editor deleted m1 (a menu)
    WriteLibrary(records);
    boxes.Expect(LibraryMessage::HeldMacroMoved);
    Run("<MACDEACT:m3>");
    const std::vector<MacroRecord> after = FileRecords();
    ASSERT_EQ(after.size(), records.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        SCOPED_TRACE(after[i].Nickname.str());
        EXPECT_EQ(after[i].Enabled,
                  after[i].Nickname == "m3" ? after[i].Enabled : records[i].Enabled)
            << "another macro's flag was written";
    }
    // The same for a delete, on its own.
    TenMacros();
    WriteLibrary(records);
    boxes.Expect(LibraryMessage::HeldMacroMoved);
    Run("<MACDEL:m5>");
    const std::vector<std::string> names = FileNicknames();
    EXPECT_NE(std::find(names.begin(), names.end(), "m6"), names.end())
        << "m6 stood where m5 stood in the player's tables, and is gone: "
        << ::testing::PrintToString(names);
}

// In network mode every end of the player's commands gives the lock back,
// counted only when the file changed.
TEST_F(LibraryCommandsTest, EveryEndOfACommandGivesTheLockBackCountedByItsWrite) {
    settings->NetworkMode = true;
    const struct {
        const char* script;
        int counted;
        const char* said;
    } rows[] = {
        {"<MACDEL:nobody>", 0, nullptr},
        {"<MACACT:m2>", 0, nullptr},
        {"<MACDEACT:m2>", 1, nullptr},
        {"<MACDEL:m3>", 1, nullptr},
        {"<MACDEACT:m10>", 0, LibraryMessage::NoSuchMacro},
        {"<MACDEL:m10>", 0, LibraryMessage::NoSuchMacro},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script);
        TenMacros();
        if (row.said) {
            std::string bytes = *ReadWholeFile(LibraryPath());
            ASSERT_TRUE(ReplaceFileContents(LibraryPath(), bytes.substr(0, 9 * MacroRecord::Size)));
            boxes.Expect(row.said);
        }
        const std::int32_t before = Counter();
        Run(row.script);
        EXPECT_EQ(Counter(), before + row.counted);
        EXPECT_EQ(Sync().State, SyncState::Free);
        EXPECT_FALSE(lock.Holding());
    }
}

}  // namespace
}  // namespace orv::player
