#include "editor/shell/editor_library.h"

#include <filesystem>
#include <functional>
#include <vector>

#include "editor/shell/held_list.h"
#include "editor/shell/library_roads.h"
#include "editor/shell/macro_import.h"
#include "tests/common/hostile_files.h"
#include "tests/common/library_fixture.h"

namespace orv::editor {
namespace {

using orv::testing::LibraryTest;

class EditorLibraryTest : public LibraryTest {
  protected:
    EditorLibraryTest() {
        WriteLibrary({Ordinary("One", 10), Ordinary("Two", 11)});
        EXPECT_TRUE(library.LoadMacroFile(LibraryPath(), false));
        notices.Posted.clear();
    }
    EditorLibrary editor{library, *settings, *table, *hooks, notices};
    // A change of this program alone: no lock, no reloads to hold.
    struct NoReloads final : ReloadHolds {
        void HoldReloads() override {}
        void ReleaseReloads() override {}
    } reloads;
    struct NoHost final : NetworkLockHost {
        void ReloadShared() override {}
        void SetNetTimer(bool) override {}
        void SetSyncTimer(bool) override {}
    } host;
    PlainSyncFileAccess syncFiles;
    NetworkLock lock{LibraryOwner::Editor, *settings, syncFiles, host, notices};
    LibraryStatus Append(MacroRecord& record) {
        LibraryChange change(lock, library, reloads, notices);
        EXPECT_TRUE(change.Begin());
        return editor.AppendMacro(change, record);
    }
};

TEST_F(EditorLibraryTest, AFailedReadSaysWhyAndLeavesTheBufferAlone) {
    MacroRecord out = Ordinary("Stale", 12);
    ASSERT_TRUE(editor.ReadCurrentRecord(2, out));
    EXPECT_EQ(out.Nickname, "Two");

    // Five system macros were added on load: 7 is the last, 8 is gone.
    out = Ordinary("Stale", 12);
    boxes.Expect(LibraryMessage::NoSuchMacro, MsgResult::Ok, "Error");
    EXPECT_FALSE(editor.ReadCurrentRecord(table->MacroCount() + 1, out));
    std::filesystem::remove(LibraryPath());
    boxes.Expect(LibraryMessage::ReadFailed, MsgResult::Ok, "Error");
    EXPECT_FALSE(editor.ReadCurrentRecord(1, out));
    EXPECT_EQ(out.Nickname, "Stale");
}

TEST_F(EditorLibraryTest, TheCountIsHandedOverOnlyAfterTheAppend) {
    const int count = table->MacroCount();
    MacroRecord added = Ordinary("Three", 13);
    ASSERT_EQ(Append(added), LibraryStatus::Done);
    EXPECT_EQ(table->MacroCount(), count + 1);
    EXPECT_EQ(hooks->Master.MacroCount(), count + 1);
    EXPECT_EQ(notices.Posted, (std::vector<std::pair<int, int>>{{20, count + 1}, {6, 8}}));
    EXPECT_EQ(FileNicknames().back(), "Three");

    notices.Posted.clear();
    std::filesystem::remove(LibraryPath());
    boxes.Expect(LibraryMessage::SaveFailed);
    EXPECT_EQ(Append(added), LibraryStatus::Away);
    EXPECT_EQ(table->MacroCount(), count + 1);
    EXPECT_EQ(hooks->Master.MacroCount(), count + 1);
    EXPECT_TRUE(notices.Posted.empty());
}

TEST_F(EditorLibraryTest, ALibraryThatCannotBeLoadedDoesNotBecomeCurrent) {
    const std::string old = LibraryPath();
    const int count = table->MacroCount();
    // A name too long for the settings is not even read: cut, it would be
    // another file.
    const std::string tooLong = InFolder(folder, NameOneTooLong());
    orv::testing::PutFile(tooLong, orv::testing::RecordsNamed(2));
    const struct {
        std::string Name;
        const char* Says;
    } refused[] = {{InFolder(folder, "missing\\folder/NEW.ORN"), LibraryMessage::CreateFailed},
                   {tooLong, LibraryNameTooLongMessage},
                   // Short enough itself, too long once full (past the
                   // system's own path limit too).
                   {std::string(246, 'r') + ".ORN", LibraryNameTooLongMessage}};
    for (const auto& row : refused) {
        SCOPED_TRACE(row.Name);
        boxes.Expect(row.Says);
        EXPECT_FALSE(editor.SwitchLibrary(row.Name));
        EXPECT_EQ(LibraryPath(), old);
        EXPECT_EQ(table->MacroCount(), count);
        EXPECT_EQ(hooks->Master.MacroCount(), count);
        EXPECT_EQ(settings->Nickname[1], "One");
    }
    EXPECT_EQ(ReadWholeFile(tooLong), orv::testing::RecordsNamed(2)) << "no system macro added";

    const std::string other = InFolder(folder, "OTHER.ORN");
    EXPECT_TRUE(editor.SwitchLibrary(other));
    EXPECT_EQ(LibraryPath(), other);
    EXPECT_EQ(table->MacroCount(), 5) << "a new library holds the system macros";

    // A name relative to the editor's folder is kept by its full name: the
    // player, with a folder of its own, finds the same file.
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    const bool switched = editor.SwitchLibrary("MINE.ORN");
    std::filesystem::current_path(started);
    EXPECT_TRUE(switched);
    EXPECT_EQ(std::filesystem::path(LibraryPath()), std::filesystem::path(folder) / "MINE.ORN");
}

// Open and the recent files switch libraries; an import reads one. Neither
// takes a file it must not, and the list shown stays as it was.
TEST_F(EditorLibraryTest, HostileFilesLeaveTheFileAndTheListAsTheyWere) {
    const std::string current = LibraryPath();
    const int count = table->MacroCount();
    const std::vector<orv::testing::LibraryRoad> roads = {
        {"Open and the recent files", false,
         [&](const std::string& p) { EXPECT_FALSE(editor.SwitchLibrary(p)); }},
        {"Import of an own file", false,
         [&](const std::string& p) {
             std::optional<ImportSource> source = OpenImportSource(p);
             EXPECT_TRUE(!source || source->Entries.size() == 2u);
         },
         &orv::testing::HostileFile::ImportMessage},
    };
    std::vector<orv::testing::HostileFile> rows = orv::testing::HostileFiles();
    orv::testing::RunHostileTable(rows, roads, current, InFolder(folder, "OTHER.ORN"), boxes,
                                  [&](const std::string& where) {
                                      EXPECT_EQ(LibraryPath(), current) << where;
                                      EXPECT_EQ(table->MacroCount(), count) << where;
                                      EXPECT_EQ(hooks->Master.MacroCount(), count) << where;
                                      EXPECT_EQ(settings->Nickname[1], "One") << where;
                                      EXPECT_TRUE(notices.Posted.empty()) << where;
                                  });
}

// Another machine removed one macro, added one and changed one since this
// editor's list was filled: a look at a row finds the row's macro wherever it
// went, by its record, or finds it gone.
TEST_F(EditorLibraryTest, ARowsMacroIsRefoundByItsRecordAfterTheFileMoved) {
    const ListMacro two = ListMacroOf(*settings, *table, 2);
    HeldMacro selected;
    ASSERT_TRUE(library.HoldMacroRecord(2, selected));
    const ListMacro one = ListMacroOf(*settings, *table, 1);
    std::vector<MacroRecord> records = FileRecords();
    records.erase(records.begin());  // "One" removed: "Two" is now 1
    records.push_back(Ordinary("Added", 14));
    records.back().SetScriptText("elsewhere");
    WriteLibrary(records);

    const struct {
        const char* name;
        ListMacro line;
        std::optional<HeldMacro> asRead;
        std::optional<int> found;
    } rows[] = {
        {"moved down by a delete", two, selected, 1},
        {"moved, chosen before any read", two, std::nullopt, 1},
        {"removed", one, std::nullopt, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<HeldMacro> found = RefindListed(library, row.line, row.asRead);
        ASSERT_EQ(found.has_value(), row.found.has_value());
        if (found) {
            EXPECT_EQ(found->Number, *row.found);
            EXPECT_EQ(found->AsRead.Nickname, "Two");
        }
    }

    // Changed in place since it was read: the row's macro as it is now.
    records[0].SetScriptText("changed by the other machine");
    WriteLibrary(records);
    const std::optional<HeldMacro> changed = RefindListed(library, two, selected);
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->AsRead.ScriptText(), "changed by the other machine");
}

// The player's notices wait while a macro is held or a recording runs, and
// are carried out at the last release; a recording refuses every change.
TEST_F(EditorLibraryTest, TheRoadsHoldNoticesAndARecordingRefusesChanges) {
    using Step = std::function<void(LibraryRoads&)>;
    const Step hold = [](LibraryRoads& r) { r.HoldMacros(); };
    const Step release = [](LibraryRoads& r) { r.ReleaseMacros(); };
    const Step record = [](LibraryRoads& r) { r.SetRecording(true); };
    const Step stop = [](LibraryRoads& r) { r.SetRecording(false); };
    const Step change = [](LibraryRoads& r) {
        LibraryChange c = r.NewChange();
        if (c.Begin())
            c.Count();
    };
    const struct Row {
        const char* what;
        std::vector<Step> before, after;  // around a notice of the player
        bool waits;
        std::vector<int> carried;  // after the steps
        bool refused;
    } rows[] = {
        {"nothing held", {}, {}, false, {21}, false},
        {"held twice, released once", {hold, hold}, {release}, true, {}, false},
        {"held twice, released twice", {hold, hold}, {release, release}, true, {21}, false},
        {"a recording runs", {record}, {change}, true, {}, true},
        {"a recording ended", {record}, {stop, change}, true, {21}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<int> carried;
        LibraryRoads roads(*settings, *table, syncFiles, host, library, editor, notices,
                           [&](int code, std::int32_t) { carried.push_back(code); });
        for (const Step& step : row.before) step(roads);
        if (row.refused)
            boxes.Expect(RecordingRunsMessage);
        if (!roads.Defer(21, 0))
            carried.push_back(21);
        EXPECT_EQ(roads.Waiting(), row.waits);
        for (const Step& step : row.after) step(roads);
        EXPECT_EQ(carried, row.carried);
    }
}

}  // namespace
}  // namespace orv::editor
