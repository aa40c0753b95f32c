// The editor's roads to a macro chosen from the list, without a window: each
// change the library may undergo while a road waits (a dialog, a question, the
// lock), and each way a road reaches the chosen macro afterwards. The road
// lands on the macro the user chose, or is refused with its one message and
// writes nothing; every other record stays as it was, to the byte. The window
// test (win32/live_data_test.cpp) checks that the window's roads come here; a
// file another program holds open is the Windows tests' (nothing holds a file
// shut here).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/library_change.h"
#include "common/side_files.h"
#include "common/sync_record.h"
#include "editor/shell/held_list.h"
#include "editor/shell/macro_list.h"
#include "tests/common/library_fixture.h"

namespace orv::editor {
namespace {

constexpr const char* Chosen = "CHOSEN";
// A library as its records' bytes, compared byte for byte.
using Images = std::vector<std::string>;

// Public, for the table's rows.
class LiveDataTable : public orv::testing::LibraryTest {
  public:
    using LibraryTest::boxes;
    using LibraryTest::clock;
    using LibraryTest::folder;
    using LibraryTest::library;
    using LibraryTest::LibraryPath;
    using LibraryTest::notices;
    using LibraryTest::Ordinary;
    using LibraryTest::settings;
    using LibraryTest::WriteLibrary;

    LiveDataTable() { Fresh(); }

    // The fixture's library as loaded, its list filled, nothing held.
    void Fresh() {
        settings->MacroFiles[0] = InFolder(folder, "ORVAN.ORN");
        settings->NetworkMode = false;
        std::filesystem::remove(SyncFileName(LibraryPath()));
        WriteLibrary({Ordinary("ALPHA", 65), Ordinary("BRAVO", 66), Ordinary(Chosen, 67),
                      Ordinary("DELTA", 68)});
        ASSERT_TRUE(library.LoadMacroFile(LibraryPath(), false));
        listed = ListMacrosOf(*settings, *table);
        line = listed.at(static_cast<std::size_t>(NumberOf(Library(), Chosen) - 1));
    }
    Images Library() const {
        Images images;
        for (const MacroRecord& r : FileRecords()) images.push_back(Image(r));
        return images;
    }
    static std::string Image(const MacroRecord& r) {
        std::string bytes(MacroRecord::Size, '\0');
        r.Encode(RecordBytes<MacroRecord::Size>(reinterpret_cast<std::uint8_t*>(bytes.data()),
                                                MacroRecord::Size));
        return bytes;
    }
    // Where nickname stands in images (1..); 0: nowhere.
    static int NumberOf(const Images& images, const std::string& nickname) {
        for (std::size_t i = 0; i < images.size(); ++i)
            if (Decoded(images[i]).Nickname.str() == nickname)
                return static_cast<int>(i) + 1;
        return 0;
    }
    static MacroRecord Decoded(const std::string& image) {
        std::array<std::uint8_t, MacroRecord::Size> bytes{};
        std::copy(image.begin(), image.end(), bytes.begin());
        return MacroRecord::Decode(bytes);
    }
    void Rewrite(const std::function<void(std::vector<MacroRecord>&)>& change) {
        std::vector<MacroRecord> records = FileRecords();
        change(records);
        WriteLibrary(records);
    }
    void Without(const std::string& nickname) {
        Rewrite([&](std::vector<MacroRecord>& records) {
            std::erase_if(records,
                          [&](const MacroRecord& r) { return r.Nickname.str() == nickname; });
        });
    }

    struct NoHost final : NetworkLockHost {
        void ReloadShared() override {}
        void SetNetTimer(bool) override {}
        void SetSyncTimer(bool) override {}
    } host;
    struct NoReloads final : ReloadHolds {
        void HoldReloads() override {}
        void ReleaseReloads() override {}
    } reloads;
    PlainSyncFileAccess syncFiles;
    NetworkLock lock{LibraryOwner::Editor, *settings, syncFiles, host, notices};
    std::vector<ListMacro> listed;
    ListMacro line;  // the row the user chose
};

// A change to the library: before the choice (the list shows the file as it
// was) or while the road waits.
struct Change {
    const char* name;
    std::function<void(LiveDataTable&)> beforeChoice, underneath;
};

const Change Changes[] = {
    {"a macro below deleted", {}, [](LiveDataTable& t) { t.Without("ALPHA"); }},
    // A copy that shows alike (another script) right behind the chosen one:
    // after the delete it stands at the chosen macro's number.
    {"a macro below deleted, a look-alike behind the chosen one",
     [](LiveDataTable& t) {
         t.Rewrite([&](std::vector<MacroRecord>& records) {
             const auto at =
                 static_cast<std::ptrdiff_t>(LiveDataTable::NumberOf(t.Library(), Chosen));
             MacroRecord alike = records.at(static_cast<std::size_t>(at - 1));
             alike.SetScriptText("another script");
             records.insert(records.begin() + at, alike);
         });
     },
     [](LiveDataTable& t) { t.Without("ALPHA"); }},
    {"a macro behind deleted", {}, [](LiveDataTable& t) { t.Without("DELTA"); }},
    // The tables still count the macros as before: the file has one more.
    {"the player appends a macro",
     {},
     [](LiveDataTable& t) {
         t.Rewrite(
             [](std::vector<MacroRecord>& r) { r.push_back(LiveDataTable::Ordinary("ECHO", 70)); });
     }},
    {"another library opened",
     {},
     [](LiveDataTable& t) {
         t.settings->MacroFiles[0] = InFolder(t.folder, "OTHER.ORN");
         t.WriteLibrary({LiveDataTable::Ordinary("OTHER", 71)});
     }},
    // The list still shows the chosen macro; its namesake of another Cueword
    // (which alone tells them apart) now stands at its number.
    {"the chosen macro's namesake at its number",
     [](LiveDataTable& t) {
         t.Rewrite([&](std::vector<MacroRecord>& records) {
             records.at(static_cast<std::size_t>(LiveDataTable::NumberOf(t.Library(), Chosen) - 1))
                 .CuewordText = "twin";
         });
     },
     {}},
    // Another machine removed a macro and counted it, then died holding the
    // lock; this editor saw its heartbeat a minute ago.
    {"another machine's counted change, then a stale lock",
     [](LiveDataTable& t) {
         t.settings->NetworkMode = true;
         t.lock.SetUp();
         t.Without("ALPHA");
         SyncRecord dead = t.lock.Record();
         dead.Counter += 1;
         dead.State = SyncState::InUse;
         dead.Heartbeat = CurrentClock().Now() - 1.0;
         ASSERT_TRUE(t.syncFiles.OpenExclusive(SyncFileName(t.LibraryPath()))->Write(dead));
         t.boxes.Expect(LockMessage::InUse);
         ASSERT_TRUE(t.lock.FileInUse());
         t.clock.AdvanceMs(60000);
     },
     {}},
};

// How a road reaches the chosen macro once the change is made: a look, or a
// write through the one road; whether it landed, given the library once
// changed (after) and as the road left it (final).
using Landed = bool (*)(const Images& after, const Images& final);
struct Road {
    const char* name;
    std::function<bool(LiveDataTable&, const std::function<void()>& underneath)> look;
    std::function<LibraryStatus(LibraryChange&, MacroRecord& edited)> write;
    Landed landed;
};

// A write on the macro held as the list shows it.
bool Write(LiveDataTable& t, const Road& road, const std::function<void()>& underneath) {
    LibraryChange change(t.lock, t.library, t.reloads, t.notices);
    const bool begun = change.BeginOn(t.line.Number, [&](int, HeldMacro& held) {
        if (HoldAsListed(t.library, t.line, held))
            return true;
        ShowError(LibraryMessage::ListedMacroMoved);
        return false;
    });
    if (!begun)
        return false;
    underneath();
    MacroRecord edited = change.Held().AsRead;
    edited.Nickname = "EDITED";
    return road.write(change, edited) == LibraryStatus::Done;
}

int NumberOf(const Images& images, const std::string& nickname) {
    return LiveDataTable::NumberOf(images, nickname);
}
// The records as the change left them but for the chosen one, which passes.
bool ChosenBecame(const Images& after, const Images& final, bool (*passes)(const MacroRecord&)) {
    const auto chosen = static_cast<std::size_t>(NumberOf(after, Chosen) - 1);
    for (std::size_t i = 0; i < after.size(); ++i)
        if (i != chosen && (i >= final.size() || after[i] != final[i]))
            return false;
    return final.size() == after.size() && passes(LiveDataTable::Decoded(final[chosen]));
}
bool Unchanged(const Images& after, const Images& final) {
    return after == final;
}
bool Edited(const Images& after, const Images& final) {
    return ChosenBecame(after, final, [](const MacroRecord& r) { return r.Nickname == "EDITED"; });
}
bool Disabled(const Images& after, const Images& final) {
    return ChosenBecame(after, final, [](const MacroRecord& r) { return r.Enabled == 0; });
}
// The library once changed, with the edited macro behind it.
bool Appended(const Images& after, const Images& final) {
    return final.size() == after.size() + 1 &&
           std::equal(after.begin(), after.end(), final.begin()) &&
           LiveDataTable::Decoded(final.back()).Nickname == "EDITED";
}
bool Removed(const Images& after, const Images& final) {
    Images without = after;
    without.erase(without.begin() + (NumberOf(after, Chosen) - 1));
    return final == without;
}

const Road Roads[] = {
    // A look: the row's macro wherever it went, by its record as read.
    {"look",
     [](LiveDataTable& t, const std::function<void()>& underneath) {
         std::optional<HeldMacro> asRead;
         if (HeldMacro held; HoldAsListed(t.library, t.line, held))
             asRead = held;
         underneath();
         const std::optional<HeldMacro> found = RefindListed(t.library, t.line, asRead);
         return found && found->AsRead.Nickname == Chosen;
     },
     {},
     Unchanged},
    // A dialog of the listed macros, reading the chosen one at its end.
    {"one of a held list",
     [](LiveDataTable& t, const std::function<void()>& underneath) {
         const HeldList held(t.library, t.listed);
         underneath();
         MacroRecord out;
         return held.Read(t.line.Number, out) && out.Nickname == Chosen;
     },
     {},
     Unchanged},
    // A dialog that reads every listed macro.
    {"all of a held list",
     [](LiveDataTable& t, const std::function<void()>& underneath) {
         const HeldList held(t.library, t.listed);
         underneath();
         return std::all_of(t.listed.begin(), t.listed.end(),
                            [&](const ListMacro& m) { return held.Holds(m.Number); });
     },
     {},
     Unchanged},
    {"save", {}, [](LibraryChange& c, MacroRecord& r) { return c.Save(r); }, Edited},
    // A new macro goes behind the file's last record of the library it was
    // begun on, whatever the tables count.
    {"append", {}, [](LibraryChange& c, MacroRecord& r) { return c.Append(r); }, Appended},
    // A copy: appended only while the macro copied is still where it was.
    {"copy",
     {},
     [](LibraryChange& c, MacroRecord& r) {
         const LibraryStatus held = c.CheckHeld(LibraryWrite::Save);
         return held == LibraryStatus::Done ? c.Append(r) : held;
     },
     Appended},
    {"delete", {}, [](LibraryChange& c, MacroRecord&) { return c.Delete(); }, Removed},
    {"enable", {}, [](LibraryChange& c, MacroRecord&) { return c.SetEnabled(false); }, Disabled},
};

// A cell: the road lands (L), is refused saying nothing (Q), or says why; X:
// a look without the lock, which the window takes for it.
constexpr const char* L = nullptr;
constexpr const char* Q = "";
constexpr const char* X = "not a road";
constexpr const char* Moved = LibraryMessage::HeldMacroMoved;
constexpr const char* Listed = LibraryMessage::ListedMacroMoved;
constexpr const char* Other = LibraryMessage::LibraryChanged;
constexpr const char* Taken = LockMessage::TakenOver;

// Rows: the roads above; columns: the changes above.
const char* const Expected[][std::size(Changes)] = {
    /* look      */ {L, L, L, L, Q, Q, X},
    /* one held  */ {Listed, Listed, L, L, Listed, Listed, X},
    /* all held  */ {Q, Q, Q, L, Q, Q, X},
    /* save      */ {Moved, Moved, L, L, Moved, Listed, Taken},
    /* append    */ {L, L, L, L, Other, Listed, Taken},
    /* copy      */ {Moved, Moved, L, L, Moved, Listed, Taken},
    /* delete    */ {Moved, Moved, L, L, Moved, Listed, Taken},
    /* enable    */ {Moved, Moved, L, L, Moved, Listed, Taken},
};
static_assert(std::size(Expected) == std::size(Roads));

TEST_F(LiveDataTable, EveryRoadLandsOnTheChosenMacroOrIsRefusedWithItsMessage) {
    for (std::size_t r = 0; r < std::size(Roads); ++r) {
        for (std::size_t c = 0; c < std::size(Changes); ++c) {
            const Road& road = Roads[r];
            const Change& change = Changes[c];
            const char* const said = Expected[r][c];
            if (said == X)
                continue;
            SCOPED_TRACE(std::string(road.name) + " / " + change.name);
            Fresh();
            if (change.beforeChoice)
                change.beforeChoice(*this);
            const std::size_t shown = boxes.Shown().size();
            if (said && *said)
                boxes.Expect(said);
            Images after;
            const auto underneath = [&] {
                if (change.underneath)
                    change.underneath(*this);
                after = Library();
            };
            const bool landed =
                road.look ? road.look(*this, underneath) : Write(*this, road, underneath);
            if (after.empty())
                after = Library();  // refused before it waited
            const Images final = Library();
            EXPECT_EQ(landed, said == L);
            if (said == L) {
                EXPECT_TRUE(road.landed(after, final));
                EXPECT_EQ(boxes.Shown().size(), shown);
            } else {
                EXPECT_TRUE(final == after) << "a refused road writes nothing";
                EXPECT_EQ(boxes.Shown().size() - shown, *said ? 1u : 0u);
            }
            if (lock.Holding())
                ADD_FAILURE() << "the lock is given back whichever way the road ends";
        }
    }
}

}  // namespace
}  // namespace orv::editor
