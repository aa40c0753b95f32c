// Every road that writes the library or a side file, failing at each of its
// write calls in turn: the files are afterwards byte for byte as before (or
// wholly the new ones), the failure is said, and no temporary is left.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "common/categories.h"
#include "common/side_files.h"
#include "common/swap_keys.h"
#include "tests/common/hostile_files.h"
#include "tests/common/library_fixture.h"
#include "tests/support/failing_file_writes.h"

namespace orv {
namespace {

using testing::FailingFileWrites;
using Fault = FailingFileWrites::Fault;

class FailedWritesTest : public testing::LibraryTest {
  protected:
    // Everything in the library's folder, name by name.
    std::map<std::string, std::string> FolderNow() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            files[entry.path().filename().string()] = testing::Snapshot(entry.path().string());
        return files;
    }

    // Ten macros, a menu among them, and both side files, loaded afresh.
    void PutLibrary(const std::string& behind = {}) {
        std::vector<MacroRecord> records;
        for (int i = 1; i <= 10; ++i) records.push_back(Ordinary("m" + std::to_string(i), 30000));
        records[0].MacroKind = MacroKind::PopupMenu;
        records[0].SetPopupMembers({2, 3, 7});
        WriteLibrary(records);
        // Loaded whole first: a fragment is said once for a file.
        ASSERT_TRUE(library.ReloadMacroFile(false));
        if (!behind.empty())
            testing::PutFile(LibraryPath(), *ReadWholeFile(LibraryPath()) + behind);
        testing::PutFile(CategoryFileName(LibraryPath()), "Mail\r\n7\r\nWeb\r\n3\r\n");
        SwapKeyTable keys = IdentitySwapTable();
        std::swap(keys[0], keys[1]);
        ASSERT_TRUE(SaveSwapKeys(RemapFileName(LibraryPath()), keys));
        if (!behind.empty())
            boxes.Expect(LibraryMessage::FragmentBehind);
        ASSERT_TRUE(library.ReloadMacroFile(false));
    }

    struct Road {
        const char* Name;
        std::function<bool()> Write;
        const char* Failure;  // what the road says of a failure (none: its caller does)
        std::string Behind = {};  // bytes behind the library's records
        // Written in place and read back before the close: a close that
        // fails then has nothing left to lose, and the change stands.
        bool InPlace = true;
    };

    std::vector<Road> Roads() {
        MacroRecord changed = Ordinary("changed", 30000);
        changed.SetScriptText(std::string(4500, 'c'));  // more than one C library buffer
        return {
            {"an append", [=, this]() mutable { return library.AppendMacroRecord(changed); },
             LibraryMessage::SaveFailed},
            {"an append over the start of a record cut off",
             [=, this]() mutable { return library.AppendMacroRecord(changed); },
             LibraryMessage::SaveFailed, testing::RecordsNamed(1).substr(0, 2000)},
            {"a record rewritten in place",
             [=, this]() mutable { return library.SaveMacroRecord(4, changed); },
             LibraryMessage::SaveFailed},
            {"a record rewritten in place before a fragment",
             [=, this]() mutable { return library.SaveMacroRecord(4, changed); },
             LibraryMessage::SaveFailed, testing::RecordsNamed(1).substr(0, MacroRecord::Size - 1)},
            {"a macro disabled", [this] { return library.SetMacroEnabled(4, 0); },
             LibraryMessage::ChangeFailed},
            {"a macro removed, the menus with it",
             [this] { return library.DeleteMacroWithMenus(3); }, LibraryMessage::ChangeFailed, {},
             false},
            {"the categories",
             [this] {
                 CategoryList list;
                 list.LoadCatFile(CategoryFileName(LibraryPath()));
                 list.Add("Games", 9);
                 return list.SaveCatFile(CategoryFileName(LibraryPath()));
             },
             nullptr, {}, false},
            {"the key remap table",
             [this] { return SaveSwapKeys(RemapFileName(LibraryPath()), IdentitySwapTable()); },
             nullptr, {}, false},
        };
    }
};

TEST_F(FailedWritesTest, AWriteThatFailsAtAnyCallLeavesEveryFileAsItWas) {
    const std::pair<const char*, Fault> faults[] = {
        {"the disk full", Fault::DiskFull},
        {"a write that says all went", Fault::WriteSaysDone},
        {"a close that fails", Fault::CloseFails},
    };
    for (const Road& road : Roads()) {
        for (const auto& [faultName, fault] : faults) {
            int calls = 0;
            std::map<std::string, std::string> written;
            {
                PutLibrary(road.Behind);
                FailingFileWrites counted(fault, 0);
                ASSERT_TRUE(road.Write()) << road.Name;
                calls = counted.Calls();
                written = FolderNow();
            }
            ASSERT_GT(calls, 0) << road.Name;
            for (int call = 1; call <= calls; ++call) {
                SCOPED_TRACE(std::string(road.Name) + ", " + faultName + " at call " +
                             std::to_string(call));
                PutLibrary(road.Behind);
                const auto before = FolderNow();
                const int count = table->MacroCount();
                FailingFileWrites writes(fault, call);
                if (road.InPlace && fault == Fault::CloseFails) {
                    EXPECT_TRUE(road.Write());
                    EXPECT_EQ(FolderNow(), written);
                    continue;
                }
                if (road.Failure)
                    boxes.Expect(road.Failure);
                EXPECT_FALSE(road.Write());
                EXPECT_EQ(FolderNow(), before);
                EXPECT_EQ(table->MacroCount(), count);
            }
        }
    }
}

// Another program's bytes written meanwhile stay: a change in place is
// refused on a file grown since it was read, and one that fails gives back
// its own bytes alone. (Our programs' appends at one end keep out of each
// other's way by a lock of the bytes.)
TEST_F(FailedWritesTest, AChangeInPlaceNeverTakesWhatAnotherProgramWrote) {
    class AppendingMeanwhile final : public FileWrites {
      public:
        explicit AppendingMeanwhile(std::string path) : path_(std::move(path)) {
            SetFileWrites(this);
        }
        ~AppendingMeanwhile() override { SetFileWrites(nullptr); }
        bool WriteAt(std::FILE* f, long long at, std::string_view bytes) override {
            if (std::exchange(first_, false)) {
                FilePtr other = OpenFile(path_, "ab");
                std::fputs("other", other.get());
                return FileWrites::WriteAt(f, at, bytes.substr(0, 4)) && false;
            }
            return FileWrites::WriteAt(f, at, bytes);
        }

      private:
        std::string path_;
        bool first_ = true;
    };
    const std::string path = InFolder(folder, "file");
    const std::string old = "0123456789abcdefghij";
    for (const bool grownBefore : {true, false}) {
        SCOPED_TRACE(grownBefore ? "grown since it was read" : "grown while it is written");
        testing::PutFile(path, old);
        FilePtr f = OpenFile(path, "r+b");
        std::optional<AppendingMeanwhile> meanwhile;
        if (grownBefore)
            std::fputs("other", OpenFile(path, "ab").get());
        else
            meanwhile.emplace(path);
        EXPECT_FALSE(ChangeInPlace(std::move(f), {5, "XXXXXXXXXX", old.substr(5, 10), 20}));
        EXPECT_EQ(*ReadWholeFile(path), old + "other");
    }
}

// The system's own writes (the C runtime's, under Wine the Windows one's)
// against a disk that fills up: run with the file size limit that the
// environment names, which stands in for the space left.
TEST_F(FailedWritesTest, AFullDiskCostsNothing) {
    const char* limitText = std::getenv("ORVANE_FILE_SIZE_LIMIT");
    if (!limitText)
        GTEST_SKIP() << "run with a file size limit (the full_disk_writes test)";
    const long long limit = std::atoll(limitText);
    // Whole macros up to within one record of the limit: the next append
    // cannot fit.
    const int fitting = static_cast<int>(limit / MacroRecord::Size);
    WriteLibrary(std::vector<MacroRecord>(fitting, Ordinary("fits", 30000)));
    boxes.Expect(LibraryMessage::SaveFailed);  // no room for the system macros either
    ASSERT_TRUE(library.ReloadMacroFile(false));
    ASSERT_EQ(table->MacroCount(), fitting);
    const std::string library0 = *ReadWholeFile(LibraryPath());
    MacroRecord changed = Ordinary("changed", 30000);
    changed.SetScriptText(std::string(4500, 'c'));
    boxes.Expect(LibraryMessage::SaveFailed);
    EXPECT_FALSE(library.AppendMacroRecord(changed));
    EXPECT_EQ(*ReadWholeFile(LibraryPath()), library0);
    EXPECT_EQ(table->MacroCount(), fitting);
    // What needs no more room still goes.
    ASSERT_TRUE(library.SaveMacroRecord(2, changed));
    EXPECT_EQ(FileNicknames()[1], "changed");

    // A side file that no longer fits keeps its old contents.
    const std::string categories = CategoryFileName(LibraryPath());
    testing::PutFile(categories, "Mail\r\n7\r\n");
    CategoryList list;
    list.LoadCatFile(categories);
    for (int id = 1; id * 30 < limit; ++id)
        list.Add(std::string(30, static_cast<char>('a' + id % 26)), id + 10);
    EXPECT_FALSE(list.SaveCatFile(categories));
    EXPECT_EQ(*ReadWholeFile(categories), "Mail\r\n7\r\n");
    EXPECT_EQ(FolderNow().size(), 2u) << "no temporary left";
}

}  // namespace
}  // namespace orv
