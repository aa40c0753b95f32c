// Every road of the editor that picks a macro, or a list of them, and then
// waits (a dialog, a question, the network lock) while the library moves
// underneath: the result lands on the macro chosen, or the road is refused
// with a message and writes nothing; no other record changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/files.h"
#include "common/side_files.h"
#include "common/sync_record.h"
#include "editor/shell/export_library.h"
#include "editor/shell/held_list.h"
#include "editor/shell/macro_list_output.h"
#include "editor/shell/win32/add_macro_dialog.h"
#include "editor/shell/win32/copy_move_dialog.h"
#include "editor/shell/win32/editor_dialogs.h"
#include "editor/shell/win32/macro_file_forms.h"
#include "editor/shell/win32/menu_builder.h"
#include "editor/shell/win32/quick_info_form.h"
#include "tests/editor/shell/win32/main_window_fixture.h"
#include "common/ui/win32/services.h"
#include "tests/support/fake_clock.h"

namespace orv::editor {
namespace {

using testing::Macro;
using testing::RecordsOf;
using testing::WriteLibrary;
// A library as its records' bytes, compared byte for byte.
using Records = std::vector<std::string>;

Records ImagesOf(const std::string& bytes) {
    Records images;
    for (std::size_t at = 0; at + MacroRecord::Size <= bytes.size(); at += MacroRecord::Size)
        images.push_back(bytes.substr(at, MacroRecord::Size));
    return images;
}

MacroRecord Decoded(const std::string& image) {
    return RecordsOf(image).at(0);
}

// What a failure shows of a library: its nicknames.
std::string Names(const Records& records) {
    std::string names;
    for (const std::string& image : records) names += Decoded(image).Nickname.str() + ", ";
    return names;
}

constexpr const char* Chosen = "CHARLIE";

// Answers every prompt as the user who goes on would (Yes, Ok) and keeps the
// texts; the first question is where a road waits for the user.
class AgreeingBoxes final : public MessageBoxes {
  public:
    AgreeingBoxes() : previous_(&CurrentMessageBoxes()) { SetCurrentMessageBoxes(this); }
    ~AgreeingBoxes() override { SetCurrentMessageBoxes(previous_); }
    int Show(std::string_view, std::string_view text, unsigned style) override {
        shown.emplace_back(text);
        const bool question = (style & MsgStyle::YesNo) == MsgStyle::YesNo;
        if (question && OnFirstQuestion)
            std::exchange(OnFirstQuestion, nullptr)();
        return question ? MsgResult::Yes : MsgResult::Ok;
    }
    // How many of the texts tell of a refusal: one, when a road is refused.
    std::size_t Refusals() const {
        return static_cast<std::size_t>(std::ranges::count_if(shown, [](const std::string& text) {
            return text == LibraryMessage::HeldMacroMoved ||
                   text == LibraryMessage::ListedMacroMoved || text == LockMessage::Changed ||
                   text == LockMessage::TakenOver || text == LibraryMessage::NoSuchMacro ||
                   text == LibraryMessage::SaveFailed || text == MenuMembersMovedMessage ||
                   text == ExportMessage::ReadFailed || text == OutputMessage::ReadFailed;
        }));
    }
    std::vector<std::string> shown;
    std::function<void()> OnFirstQuestion;

  private:
    MessageBoxes* previous_;
};

// The forms a road opens, each answered by its step when it shows; a road
// refused before its form shows leaves the step unused.
class RoadForms final : public FormObserver {
  public:
    RoadForms() : previous_(CurrentFormObserver()) { SetFormObserver(this); }
    ~RoadForms() override { SetFormObserver(previous_); }
    template <class F>
    void On(std::function<void(F&)> step) {
        steps_.push_back([step = std::move(step)](TForm& form) {
            auto* typed = dynamic_cast<F*>(&form);
            if (typed)
                step(*typed);
            return typed != nullptr;
        });
    }
    void FormShown(TForm& form) override {
        for (const auto& step : steps_)
            if (step(form))
                break;
        form.Close(IDCANCEL);  // a refusal leaves its form open
    }

  private:
    std::vector<std::function<bool(TForm&)>> steps_;
    FormObserver* previous_;
};

// Public, for the table's rows.
class LiveDataTest : public testing::MainWindowFixture {
  public:
    using MainWindowFixture::boxes;
    using MainWindowFixture::library;
    using MainWindowFixture::main;
    using MainWindowFixture::Notify;
    using MainWindowFixture::RowOf;
    using MainWindowFixture::store;
    using MainWindowFixture::syncFiles;

    LiveDataTest() {
        // The menu first, so that a delete below the chosen macro leaves it where it is.
        WriteLibrary(library,
                     {Macro("MENU", ActivationCode::None, MacroKind::PopupMenu), Macro("ALPHA", 65),
                      Macro("BRAVO", 66), Macro(Chosen, 67), Macro("DELTA", 68)});
    }
    TMainWin& OpenOnChosen() {
        TMainWin& w = Open();
        InstallEditorDialogs(w, context);
        w.MyGrid.SetRow(RowOf(Chosen));
        return w;
    }
    Records Library() const { return ImagesOf(ReadWholeFile(library).value_or("")); }
    static int NumberOf(const Records& records, const std::string& nickname) {
        for (std::size_t i = 0; i < records.size(); ++i)
            if (Decoded(records[i]).Nickname.str() == nickname)
                return static_cast<int>(i) + 1;
        return 0;
    }
    void WriteWithout(const std::string& nickname) {
        std::vector<MacroRecord> records = RecordsOf(ReadWholeFile(library).value_or(""));
        std::erase_if(records, [&](const MacroRecord& r) { return r.Nickname.str() == nickname; });
        WriteLibrary(library, records);
    }

    orv::testing::FakeClock clock;
    orv::testing::ScriptedFileDialogs files;
    std::string other = folder / "OTHER.ORN";
    std::string out = folder / "OUT.ORN";
    std::optional<RoadForms> forms;
    std::optional<AgreeingBoxes> agreeing;
    // Whether the road's dialog stayed open after its last click.
    bool leftOpen = false;
    // What the quick info showed as the nickname.
    std::string shownNickname;
    // The macro the road was opened on.
    std::string openedOn = Chosen;
};

// A change to the library from outside: what happens to the file before the
// road opens (the other machine's) and while it waits (the player's).
struct Change {
    const char* name;
    bool network = false;
    std::function<void(LiveDataTest&)> beforeOpen;
    std::function<void(LiveDataTest&)> underneath;
    // What ends the change once the road is done (a hold given back).
    std::function<void(LiveDataTest&)> settle;
};

// Opens the road on the chosen macro, runs underneath while it waits, and
// finishes it; then, had it landed, whether the result is on the chosen
// macro (after: the library once changed, final: as the road left it).
struct Road {
    const char* name;
    std::function<void(LiveDataTest&, TMainWin&, const std::function<void()>&)> run;
    std::function<bool(LiveDataTest&, TMainWin&, const Records& after, const Records& final)>
        landed;
};

// X: not a cell of the window's: activation waits for nothing, and where a
// road's outcome rests on the shell's portable holds alone (a look-alike, a
// macro behind deleted, the player's append) the native table checks it
// (tests/editor/shell/live_data_test.cpp).
enum class Outcome { Lands, Refused, NotHere };
constexpr Outcome L = Outcome::Lands, R = Outcome::Refused, X = Outcome::NotHere;

// The records as the change left them, but for the one at index changed.
bool SameBut(const Records& after, const Records& final, int changed) {
    if (after.size() != final.size())
        return false;
    for (std::size_t i = 0; i < after.size(); ++i)
        if (static_cast<int>(i) + 1 != changed && after[i] != final[i])
            return false;
    return true;
}

// The records as the change left them, with one appended.
bool SamePlusOne(const Records& after, const Records& final) {
    return final.size() == after.size() + 1 &&
           std::equal(after.begin(), after.end(), final.begin());
}

void ChooseNoActivation(TCopyOrMove& f) {
    f.NoneRadio.Click();
    f.OkButton.Click();
}

void AddChosenTo(TDoBuildMenu& f) {
    const int index = f.OptionBox.IndexOf(Chosen);
    ASSERT_GE(index, 0);
    f.OptionBox.SetItemIndex(index);
    f.OptionBox.OnChange();
    f.AddButton.Click();
    f.OkButton.Click();
}

const std::vector<Change>& Changes() {
    static const std::vector<Change> changes = {
        {"a running macro deletes a macro below",
         false,
         {},
         [](LiveDataTest& t) {
             t.WriteWithout("ALPHA");
             t.Notify(21, 0);
         }},
        // A copy of the chosen macro that shows alike (another script) right
        // behind it: after the delete it stands at the chosen macro's number.
        {"a running macro deletes a macro below, a look-alike behind the chosen one", false,
         [](LiveDataTest& t) {
             std::vector<MacroRecord> records = RecordsOf(ReadWholeFile(t.library).value_or(""));
             const auto chosen =
                 static_cast<std::size_t>(LiveDataTest::NumberOf(t.Library(), Chosen));
             MacroRecord alike = records.at(chosen - 1);
             alike.SetScriptText("another script");
             records.insert(records.begin() + static_cast<std::ptrdiff_t>(chosen), alike);
             WriteLibrary(t.library, records);
             t.Notify(21, 0);
         },
         [](LiveDataTest& t) {
             t.WriteWithout("ALPHA");
             t.Notify(21, 0);
         }},
        {"a running macro deletes a macro behind",
         false,
         {},
         [](LiveDataTest& t) {
             t.WriteWithout("DELTA");
             t.Notify(21, 0);
         }},
        {"the player appends a macro",
         false,
         {},
         [](LiveDataTest& t) {
             std::vector<MacroRecord> records = RecordsOf(ReadWholeFile(t.library).value_or(""));
             records.push_back(Macro("FOXTROT", 70));
             WriteLibrary(t.library, records);
             t.Notify(20, static_cast<int>(records.size()));
         }},
        {"a running macro opens another library",
         false,
         {},
         [](LiveDataTest& t) {
             WriteLibrary(t.other, {Macro("OTHER ONE", 71), Macro("OTHER TWO", 72),
                                    Macro("OTHER THREE", 73), Macro("OTHER FOUR", 74)});
             t.store.Write("Misc", "Current File", t.other);
             t.Notify(3, 0);
         }},
        // The list still shows the chosen macro; its namesake of another
        // Cueword (which alone tells them apart) now stands at its number.
        {"a waiting reload, the chosen macro's namesake at its number",
         false,
         [](LiveDataTest& t) {
             t.main->Roads().HoldMacros();
             std::vector<MacroRecord> records = RecordsOf(ReadWholeFile(t.library).value_or(""));
             records.at(static_cast<std::size_t>(LiveDataTest::NumberOf(t.Library(), Chosen) - 1))
                 .CuewordText = "twin";
             WriteLibrary(t.library, records);
             t.Notify(21, 0);
         },
         {},
         [](LiveDataTest& t) { t.main->Roads().ReleaseMacros(); }},
        // Another machine removed a macro and counted it, then died holding
        // the lock; this editor saw its heartbeat a minute ago.
        {"another machine's counted change, then a stale lock",
         true,
         [](LiveDataTest& t) {
             t.WriteWithout("ALPHA");
             SyncRecord dead = t.main->Lock().Record();
             dead.Counter += 1;
             dead.State = SyncState::InUse;
             dead.Heartbeat = CurrentClock().Now() - 1.0;
             ASSERT_TRUE(t.syncFiles.OpenExclusive(SyncFileName(t.library))->Write(dead));
             t.boxes.Expect(LockMessage::InUse);
             ASSERT_TRUE(t.main->Lock().FileInUse());
             t.clock.AdvanceMs(60000);
         },
         {}},
    };
    return changes;
}

const std::vector<Road>& Roads() {
    auto unchanged = [](LiveDataTest&, TMainWin&, const Records& after, const Records& final) {
        return after == final;
    };
    static const std::vector<Road> roads = {
        {"quick info",
         [](LiveDataTest& t, TMainWin& w, const std::function<void()>& underneath) {
             t.shownNickname.clear();
             t.forms->On<TQuickInfo>([&](TQuickInfo& f) {
                 underneath();
                 t.shownNickname = f.Line2.Text();
                 f.Close();
             });
             w.MenuQuickOver.Click();
         },
         [](LiveDataTest& t, TMainWin&, const Records& after, const Records& final) {
             return t.shownNickname == Chosen && after == final;
         }},
        {"export",
         [](LiveDataTest& t, TMainWin& w, const std::function<void()>& underneath) {
             t.forms->On<TMyExport>([&](TMyExport& f) {
                 underneath();
                 f.ListBox1.SetSelected(f.ListBox1.IndexOf(Chosen), true);
                 t.files.ExpectSave(t.out);
                 f.SaveButton.Click();
                 t.leftOpen = f.ModalResult() == 0;
             });
             w.MenuExport.Click();
         },
         [](LiveDataTest& t, TMainWin&, const Records& after, const Records& final) {
             const Records exported = ImagesOf(ReadWholeFile(t.out).value_or(""));
             return after == final && exported.size() == 1 &&
                    exported[0] ==
                        after[static_cast<std::size_t>(LiveDataTest::NumberOf(after, Chosen) - 1)];
         }},
        {"listing",
         [](LiveDataTest& t, TMainWin& w, const std::function<void()>& underneath) {
             t.forms->On<TDoOutput>([&](TDoOutput& f) {
                 underneath();
                 t.files.ExpectSave(t.out);
                 f.OkButton.Click();
                 t.leftOpen = f.ModalResult() == 0;
             });
             w.OutputHotKeyList1.Click();
         },
         [](LiveDataTest& t, TMainWin&, const Records& after, const Records& final) {
             const std::string listing = ReadWholeFile(t.out).value_or("");
             return after == final && listing.find(Chosen) != std::string::npos;
         }},
        {"copy",
         [](LiveDataTest& t, TMainWin& w, const std::function<void()>& underneath) {
             t.forms->On<TCopyOrMove>([&](TCopyOrMove& f) {
                 underneath();
                 ChooseNoActivation(f);
             });
             w.MenuCopyHot.Click();
         },
         [](LiveDataTest&, TMainWin&, const Records& after, const Records& final) {
             return SamePlusOne(after, final) && Decoded(final.back()).Nickname.str() == Chosen;
         }},
        {"script editor",
         [](LiveDataTest&, TMainWin& w, const std::function<void()>& underneath) {
             w.Launchers().OpenScriptEditor = [&](MacroHandOver& handOver) {
                 underneath();
                 handOver.Record.Nickname = "EDITED";
                 handOver.Saved = true;
             };
             w.MenuScripting.Click();
         },
         [](LiveDataTest&, TMainWin&, const Records& after, const Records& final) {
             const int chosen = LiveDataTest::NumberOf(after, Chosen);
             return SameBut(after, final, chosen) &&
                    LiveDataTest::NumberOf(final, "EDITED") == chosen;
         }},
        {"menu builder",
         [](LiveDataTest& t, TMainWin& w, const std::function<void()>& underneath) {
             t.openedOn = "MENU";
             w.MyGrid.SetRow(t.RowOf(t.openedOn));
             t.forms->On<TDoBuildMenu>([&](TDoBuildMenu& f) {
                 underneath();
                 AddChosenTo(f);
             });
             w.MenuEnterKey.Click();
         },
         [](LiveDataTest&, TMainWin&, const Records& after, const Records& final) {
             const int menu = LiveDataTest::NumberOf(after, "MENU");
             return SameBut(after, final, menu) &&
                    Decoded(final[static_cast<std::size_t>(menu - 1)]).PopupMembers() ==
                        std::vector<int>{LiveDataTest::NumberOf(after, Chosen)};
         }},
        {"new menu",
         [](LiveDataTest& t, TMainWin& w, const std::function<void()>& underneath) {
             t.forms->On<TAddNewHotKey>([&](TAddNewHotKey& f) {
                 f.UsePopup.Click();
                 f.KeyList.SetItemIndex(88);
                 f.EnterKeyButton.Click();
             });
             t.forms->On<TDoBuildMenu>([&](TDoBuildMenu& b) {
                 underneath();
                 AddChosenTo(b);
             });
             w.MenuAddHotKey.Click();
         },
         [](LiveDataTest&, TMainWin&, const Records& after, const Records& final) {
             return SamePlusOne(after, final) &&
                    Decoded(final.back()).PopupMembers() ==
                        std::vector<int>{LiveDataTest::NumberOf(after, Chosen)};
         }},
        {"remove",
         [](LiveDataTest& t, TMainWin& w, const std::function<void()>& underneath) {
             t.agreeing->OnFirstQuestion = underneath;
             w.MenuClearHot.Click();
         },
         [](LiveDataTest&, TMainWin&, const Records& after, const Records& final) {
             Records without = after;
             without.erase(without.begin() + (LiveDataTest::NumberOf(after, Chosen) - 1));
             return final == without;
         }},
        {"activation",
         [](LiveDataTest&, TMainWin& w, const std::function<void()>&) { w.MenuActivate.Click(); },
         unchanged},
    };
    return roads;
}

// Rows: the roads above; columns: the changes above.
const std::vector<std::vector<Outcome>> Expected = {
    // A look needs no lock: the row's macro is found where it now is.
    // The look finds a look-alike's original by the record it read.
    /* quick info    */ {L, L, X, X, L, R, L},
    // One macro read at the end, or every macro listed.
    /* export        */ {R, X, L, X, L, R, R},
    /* listing       */ {R, X, R, X, L, R, R},
    // A new macro goes behind the file's last record of the library it was
    // begun on, whatever the tables count while the reloads wait.
    /* copy          */ {R, X, X, X, L, R, R},
    /* script editor */ {R, X, X, X, L, R, R},
    /* menu builder  */ {R, R, L, L, L, R, R},
    /* new menu      */ {R, R, L, L, L, R, R},
    /* remove        */ {R, X, X, X, L, R, R},
    /* activation    */ {X, X, X, X, X, R, R},
};

TEST_F(LiveDataTest, EveryRoadLandsOnTheChosenMacroOrIsRefused) {
    ASSERT_EQ(Expected.size(), Roads().size());
    for (std::size_t r = 0; r < Roads().size(); ++r) {
        for (std::size_t c = 0; c < Changes().size(); ++c) {
            const Road& road = Roads()[r];
            const Change& change = Changes()[c];
            const Outcome expected = Expected[r][c];
            if (expected == X)
                continue;
            SCOPED_TRACE(std::string(road.name) + " / " + change.name);
            // Each cell on a library of its own as the fixture wrote it.
            WriteLibrary(library, {Macro("MENU", ActivationCode::None, MacroKind::PopupMenu),
                                   Macro("ALPHA", 65), Macro("BRAVO", 66), Macro(Chosen, 67),
                                   Macro("DELTA", 68)});
            std::filesystem::remove(other);
            std::filesystem::remove(out);
            std::filesystem::remove(SyncFileName(library));
            settings.MacroFiles[0] = library;
            store.Write("Misc", "Current File", library);
            settings.NetworkMode = change.network;
            TMainWin& w = OpenOnChosen();
            openedOn = Chosen;
            leftOpen = false;
            if (change.beforeOpen)
                change.beforeOpen(*this);
            forms.emplace();
            agreeing.emplace();
            Records after;
            std::optional<std::string> otherAfter;
            road.run(*this, w, [&] {
                if (change.underneath)
                    change.underneath(*this);
                after = Library();
                otherAfter = ReadWholeFile(other);
            });
            if (after.empty())
                after = Library();  // the road refused before it waited
            const Records final = Library();
            const std::size_t refusals = agreeing->Refusals();
            forms.reset();
            if (change.settle)
                change.settle(*this);
            std::string shown;
            for (const std::string& text : agreeing->shown) shown += text + " | ";
            if (expected == R) {
                EXPECT_EQ(refusals, 1u) << shown;
                EXPECT_FALSE(leftOpen) << "a dialog refused closes, its list out of date";
                EXPECT_TRUE(final == after) << Names(after) << " / " << Names(final);
                // The user chooses again from the list as the file is now, on
                // the macro chosen before wherever it stands.
                if (settings.MacroFiles[0].str() == library) {
                    for (const ListMacro& line : w.ListedMacros()) {
                        const auto at = static_cast<std::size_t>(line.Number - 1);
                        EXPECT_TRUE(at < final.size() && ShowsRecord(line, Decoded(final[at])))
                            << line.Nickname;
                    }
                    EXPECT_EQ(w.SelectedMacro(), NumberOf(final, openedOn));
                }
            } else {
                EXPECT_EQ(refusals, 0u) << shown;
                EXPECT_TRUE(road.landed(*this, w, after, final))
                    << Names(after) << " / " << Names(final);
            }
            // The other library is never written, but for the system macros of its load.
            EXPECT_TRUE(ReadWholeFile(other).value_or("").substr(
                            0, otherAfter.value_or("").size()) == otherAfter.value_or(""));
            main.reset();
            agreeing.reset();
        }
    }
}

TEST_F(LiveDataTest, AddIsRefusedWhileARecordingRuns) {
    TMainWin& w = OpenOnChosen();
    const Records before = Library();
    w.SetRecording(true);
    AgreeingBoxes boxes;
    w.MenuAddHotKey.Click();  // no dialog: the driver of none would fail on one
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(Library(), before);
    w.SetRecording(false);
}

}  // namespace
}  // namespace orv::editor
