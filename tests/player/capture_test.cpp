#include "player/capture.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/capture_text.h"
#include "common/hotkey_encoder.h"
#include "common/side_files.h"
#include "common/sync_record.h"
#include "tests/common/library_fixture.h"

namespace orv::player {
namespace {

const KeyCombination CtrlAltShiftX{.vk = 'X', .shift = true, .alt = true, .ctrl = true};

class FakeCaptureDesk final : public CaptureDesk {
  public:
    void Notice(std::string_view caption, std::string_view text) override {
        Events.push_back("notice " + std::string(caption) + ": " + std::string(text));
    }
    std::string GetTopProgram() override { return Program; }
    void ShowRecording(bool on) override { Events.push_back(on ? "recording" : "stopped"); }
    bool CompleteCapture(MacroRecord& record, const std::string& programName) override {
        Events.push_back("complete " + programName + ": " + record.ScriptText());
        return Dialog && Dialog(record);
    }
    void SetHotKeys() override {
        Events.push_back("hot keys");
        if (OnSetHotKeys)
            OnSetHotKeys();
    }

    std::vector<std::string> Events;
    std::string Program = "notepad.exe";
    // What the user does in "Capture Complete"; true: Ok.
    std::function<bool(MacroRecord&)> Dialog;
    std::function<void()> OnSetHotKeys;
};

class NoLockHost final : public NetworkLockHost {
  public:
    void ReloadShared() override {}
    void SetNetTimer(bool) override {}
    void SetSyncTimer(bool) override {}
};

class CaptureTest : public orv::testing::LibraryTest {
  protected:
    CaptureTest() : LibraryTest(LibraryOwner::Player) {
        WriteLibrary(
            {Ordinary("first", 3), System(SystemMacroAction::StartStopCapture,
                                          "Start / Stop Capture", EncodeHotKey(CtrlAltShiftX))});
        EXPECT_TRUE(library.LoadMacroFile(LibraryPath(), false));
        settings->CaptureTime = false;
        settings->CapturePrompt = false;
        lock.SetUp();
    }
    int Count() const { return table->MacroCount(); }
    MacroRecord Saved(int n) const { return FileRecords().at(n - 1); }
    std::string CaptureFile() const { return CaptureFilePath(folder); }

    PlainSyncFileAccess syncFiles;
    NoLockHost lockHost;
    NetworkLock lock{LibraryOwner::Player, *settings, syncFiles, lockHost, notices};
    FakeCaptureDesk desk;
    PlayerCapture capture{*settings, *table, *hooks, library, lock, notices, desk, folder};
};

TEST_F(CaptureTest, ACaptureBecomesANamedMacro) {
    settings->CaptureTime = true;
    settings->CaptureSpeed = 3;
    settings->CapturePrompt = true;
    const int before = Count();
    capture.StartACapture(false);
    const int n = before + 1;
    ASSERT_EQ(capture.State(), CaptureState::Running);
    EXPECT_EQ(capture.Macro(), n);
    EXPECT_EQ(Count(), n);
    EXPECT_EQ(hooks->Master.MacroCount(), n);
    EXPECT_TRUE(hooks->Master.CaptureRunning());
    EXPECT_EQ(hooks->Master.U16(HookAt::CaptureMacro), n);
    EXPECT_EQ(hooks->Master.U16(HookAt::StopKey), 'X');
    const MacroRecord appended = Saved(n);
    EXPECT_EQ(appended.Nickname.str(), "Capture");
    EXPECT_EQ(appended.CuewordText.str(), "capture");
    EXPECT_EQ(appended.ActivationCode, ActivationCode::None) << "no Cueword while recording";
    EXPECT_EQ(appended.Year, 1998) << "a new record's defaults";
    EXPECT_EQ(desk.Events, (std::vector<std::string>{
                               "notice Start Capture: Orvane 99 macro capture will now start.\r\n"
                               "\r\nUse Ctrl+Alt+Shift+X to stop the capture.",
                               "recording"}));

    for (char c : {'h', 'i', '\0', 'p'})
        EXPECT_TRUE(capture.CaptureChar(static_cast<std::uint8_t>(c)));
    desk.Events.clear();
    desk.Program = "write.exe";
    desk.Dialog = [](MacroRecord& record) {
        ApplyCapComplete({.Nickname = " Greeting ", .Type = MacroType::Cueword, .Cueword = "hh"},
                         "", record);
        return true;
    };
    // The new Cueword is in the file when the hot-key table is made.
    desk.OnSetHotKeys = [&] { EXPECT_EQ(Saved(n).CuewordText.str(), "hh"); };
    capture.CaptureEnded();
    EXPECT_EQ(desk.Events, (std::vector<std::string>{
                               "stopped", "complete write.exe: <SPEED:00.50>hip", "hot keys"}));
    const MacroRecord named = Saved(n);
    EXPECT_EQ(named.Nickname.str(), "Greeting");
    EXPECT_EQ(named.ScriptText(), "<SPEED:00.50>hip");
    EXPECT_EQ(named.ActivationCode, ActivationCode::Cueword);
    EXPECT_FALSE(hooks->Master.CaptureRunning());
    EXPECT_EQ(capture.State(), CaptureState::Idle);
    EXPECT_FALSE(FileExists(CaptureFile()));
    EXPECT_FALSE(capture.CaptureChar('x')) << "idle: the message is not the player's";
}

TEST_F(CaptureTest, StartsThatAreRefused) {
    struct Case {
        const char* name;
        int macros;
        bool browse;
        const char* message;
    };
    const Case cases[] = {
        {"browse mode", Count(), true, CaptureMessage::BrowseMode},
        {"a full library", MaxMacros, false, CaptureMessage::LibraryFull},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        desk.Events.clear();
        table->SetMacroCount(c.macros);
        capture.StartACapture(c.browse);
        EXPECT_EQ(capture.State(), CaptureState::Idle);
        EXPECT_EQ(desk.Events,
                  (std::vector<std::string>{std::string("notice Error: ") + c.message}));
    }
}

TEST_F(CaptureTest, ASecondStartWhileRecordingIsRefused) {
    capture.StartACapture(false);
    desk.Events.clear();
    capture.StartACapture(false);
    EXPECT_EQ(desk.Events, (std::vector<std::string>{std::string("notice Error: ") +
                                                     CaptureMessage::InProgress}));
}

TEST_F(CaptureTest, AFailedAppendStartsNothing) {
    // Someone else appended a record: the count no longer matches the file.
    WriteLibrary({Ordinary("first", 3), Ordinary("second", 4), Ordinary("third", 5)});
    table->SetMacroCount(2);
    boxes.Expect(LibraryMessage::SaveFailed);
    capture.StartACapture(false);
    EXPECT_EQ(capture.State(), CaptureState::Idle);
    EXPECT_EQ(Count(), 2);
    EXPECT_FALSE(hooks->Master.CaptureRunning());
    EXPECT_TRUE(desk.Events.empty());
    settings->NetworkMode = true;
    lock.SetUp();
    EXPECT_FALSE(lock.FileInUse()) << "the lock was given back";
}

TEST_F(CaptureTest, OnlyTheFirstEndCounts) {
    capture.StartACapture(false);
    capture.CaptureChar('a');
    int dialogs = 0;
    desk.Dialog = [&](MacroRecord&) {
        ++dialogs;
        // While the dialog shows: more characters and ends change nothing.
        EXPECT_TRUE(capture.CaptureChar('b'));
        capture.CaptureEnded();
        return false;
    };
    desk.Events.clear();
    capture.CaptureEnded();
    capture.CaptureEnded();
    EXPECT_EQ(dialogs, 1);
    // Closed without Ok: the recording is kept with no activation (its
    // placeholder Cueword would rewrite "capture" anywhere), and the user is
    // told so once it is saved; no speed token is written with the timing off.
    EXPECT_EQ(Saved(Count()).ScriptText(), "a");
    EXPECT_EQ(Saved(Count()).ActivationCode, ActivationCode::None);
    EXPECT_EQ(desk.Events.back(), "notice Notice: " + CaptureAbandonedNotice("Capture"));
    EXPECT_EQ(capture.State(), CaptureState::Idle);
}

TEST_F(CaptureTest, ThePlayerClosingEndsTheCaptureAsAbandoned) {
    capture.StartACapture(false);
    capture.CaptureChar('c');
    desk.Events.clear();
    capture.EndAtClose();
    EXPECT_EQ(desk.Events, (std::vector<std::string>{"stopped", "hot keys"})) << "nothing asked";
    EXPECT_EQ(Saved(Count()).ScriptText(), "c");
    EXPECT_EQ(Saved(Count()).ActivationCode, ActivationCode::None);
    EXPECT_EQ(capture.State(), CaptureState::Idle);
    EXPECT_FALSE(FileExists(CaptureFile()));
}

// What the editor or a running macro does to the library while the player
// records, and the player reloads: the recording lands on its own macro or
// is refused, kept in a capture file of its own that no later start empties,
// and every other record stays as it was. Either way the placeholder's append
// is counted for the other machines.
TEST_F(CaptureTest, ALibraryChangedWhileRecordingKeepsEveryOtherRecord) {
    const std::string original = LibraryPath();
    settings->NetworkMode = true;
    const auto counter = [&] {
        FilePtr f = OpenFile(SyncFileName(original), "rb");
        std::array<std::uint8_t, SyncRecord::Size> image{};
        if (!f || std::fread(image.data(), 1, image.size(), f.get()) != image.size())
            return -1;
        return static_cast<int>(SyncRecord::Decode(image).Counter);
    };
    const std::string other = InFolder(folder, "OTHER.ORN");
    struct Case {
        const char* name;
        std::function<void(std::vector<MacroRecord>&)> change;
        bool lands;
    };
    const Case cases[] = {
        {"a delete below and a new macro in its place",
         [](std::vector<MacroRecord>& r) {
             r.erase(r.begin());
             r.push_back(Ordinary("NEW", 7));
         },
         false},
        {"a delete below", [](std::vector<MacroRecord>& r) { r.erase(r.begin()); }, false},
        {"an append behind", [](std::vector<MacroRecord>& r) { r.push_back(Ordinary("NEW", 7)); },
         true},
        {"an append behind, deleted again", [](std::vector<MacroRecord>&) {}, true},
        {"another library opened", nullptr, false},
    };
    int kept = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteLibrary(
            {Ordinary("first", 3), System(SystemMacroAction::StartStopCapture,
                                          "Start / Stop Capture", EncodeHotKey(CtrlAltShiftX))});
        ASSERT_TRUE(library.LoadMacroFile(LibraryPath(), false));
        lock.SetUp();
        const int counted = counter();
        capture.StartACapture(false);
        const int n = capture.Macro();
        capture.CaptureChar('k');
        if (c.change) {
            std::vector<MacroRecord> records = FileRecords();
            c.change(records);
            WriteLibrary(records);
            ASSERT_TRUE(library.ReloadMacroFile(false));
        } else {
            ASSERT_TRUE(ReplaceFileContents(other, *ReadWholeFile(LibraryPath())));
            settings->MacroFiles[0] = other;
            ASSERT_TRUE(library.LoadMacroFile(other, false));
        }
        const std::string before = *ReadWholeFile(LibraryPath());
        const std::string originalBefore = *ReadWholeFile(original);
        desk.Events.clear();
        desk.Dialog = [](MacroRecord& record) {
            ApplyCapComplete({.Nickname = "Mine", .Type = MacroType::Cueword, .Cueword = "hh"}, "",
                             record);
            return true;
        };
        const std::string keptFile =
            InFolder(folder, "TempCap" + std::to_string(kept + 1) + ".Txt");
        if (!c.lands)
            boxes.Expect(LibraryMessage::HeldMacroMoved);
        capture.CaptureEnded();
        const std::string after = *ReadWholeFile(LibraryPath());
        const auto recordAt = [](const std::string& bytes, int k) {
            return bytes.substr(static_cast<std::size_t>(k - 1) * MacroRecord::Size,
                                MacroRecord::Size);
        };
        if (c.lands) {
            EXPECT_EQ(Saved(n).ScriptText(), "k");
            EXPECT_EQ(Saved(n).ActivationCode, ActivationCode::Cueword);
            ASSERT_EQ(after.size(), before.size());
            for (int k = 1; k <= static_cast<int>(before.size() / MacroRecord::Size); ++k)
                EXPECT_TRUE(k == n || recordAt(after, k) == recordAt(before, k)) << k;
        } else {
            EXPECT_EQ(after, before);
            EXPECT_EQ(ReadWholeFile(original), originalBefore);
            EXPECT_EQ(desk.Events.back(), "notice Error: " + CaptureKeptMessage(keptFile));
            EXPECT_EQ(ReadWholeFile(keptFile), "k");
            ++kept;
        }
        EXPECT_EQ(capture.State(), CaptureState::Idle);
        EXPECT_EQ(counter(), counted + 1);
        settings->MacroFiles[0] = original;
    }
    capture.StartACapture(false);
    ASSERT_EQ(capture.State(), CaptureState::Running);
    for (int k = 1; k <= kept; ++k)
        EXPECT_EQ(ReadWholeFile(InFolder(folder, "TempCap" + std::to_string(k) + ".Txt")), "k")
            << "the next start leaves kept capture " << k;
}

// The editor opens another library while the player records in network
// mode (the player takes the editor's file, and its lock follows the new
// file). The lock the capture kept is on the library it began on: its end
// gives that one back, and leaves the new one's as it was.
TEST_F(CaptureTest, ALibraryOpenedDuringACaptureGivesBackTheLockItKept) {
    settings->NetworkMode = true;
    const std::string original = LibraryPath();
    const std::string other = InFolder(folder, "OTHER.ORN");
    const auto sync = [&](const std::string& library) {
        FilePtr f = OpenFile(SyncFileName(library), "rb");
        std::array<std::uint8_t, SyncRecord::Size> image{};
        if (!f || std::fread(image.data(), 1, image.size(), f.get()) != image.size())
            return SyncRecord{};
        return SyncRecord::Decode(image);
    };
    lock.SetUp();
    capture.StartACapture(false);
    ASSERT_EQ(capture.State(), CaptureState::Running);
    ASSERT_EQ(sync(original).State, SyncState::InUse);
    // The editor's file, as the player takes it (the lock set up anew first).
    ASSERT_TRUE(ReplaceFileContents(other, *ReadWholeFile(original)));
    settings->MacroFiles[0] = other;
    lock.SetUp();
    ASSERT_TRUE(library.LoadMacroFile(other, false));
    const SyncRecord otherBefore = sync(other);
    boxes.Expect(LibraryMessage::HeldMacroMoved);
    capture.CaptureEnded();
    EXPECT_EQ(capture.State(), CaptureState::Idle);
    EXPECT_EQ(sync(original).State, SyncState::Free)
        << "the library the capture began on stays locked by nobody alive";
    EXPECT_EQ(sync(other).Counter, otherBefore.Counter) << "nothing was written to the new one";
}

TEST(CapComplete, KeyListLines) {
    EXPECT_EQ(KeyListLine(3, 0), KeyName(3) + "  (Not in Use)");
    EXPECT_EQ(KeyListLine(3, 1), KeyName(3) + "  (1 macro in use)");
    EXPECT_EQ(KeyListLine(3, 4), KeyName(3) + "  (4 macros in use)");
}

TEST(CapComplete, OkChecks) {
    HookTable table;
    table.SetMacroCount(2);
    table.SetEntry(1, {.Kind = MacroKind::Global, .Activation = 3});
    table.SetEntry(2, {.Kind = MacroKind::Program, .Activation = 4});
    const KeyUse use = HotKeyUse(table);
    EXPECT_EQ(use.Users[3], 1);
    EXPECT_TRUE(use.Global[3]);
    EXPECT_FALSE(use.Global[4]);
    struct Case {
        CapCompleteChoice choice;
        const char* error;
        bool question;
    };
    const Case cases[] = {
        {{.HotKey = -1}, CapCompleteText::NoHotKey, false},
        {{.HotKey = 3}, CapCompleteText::GlobalTaken, false},
        {{.HotKey = 3, .Global = false}, "", false},
        {{.HotKey = 4}, "", false},
        {{.HotKey = WindowsHotKeyTable[0]}, "", true},
        {{.Type = MacroType::Cueword, .Cueword = "  "}, CapCompleteText::NoCueword, false},
        {{.Type = MacroType::None}, "", false},
    };
    for (const Case& c : cases) {
        const CapCompleteCheck check = CheckCapComplete(c.choice, use);
        EXPECT_EQ(check.Error, c.error) << c.choice.HotKey;
        EXPECT_EQ(!check.Question.empty(), c.question) << c.choice.HotKey;
        EXPECT_EQ(check.FocusCueword, c.choice.Type == MacroType::Cueword);
    }
}

TEST(CapComplete, OkFillsTheRecord) {
    MacroRecord record;
    record.MacroKind = MacroKind::Global;
    ApplyCapComplete({.Nickname = "n", .HotKey = 9, .Global = false}, "notepad.exe", record);
    EXPECT_EQ(record.ActivationCode, 9);
    EXPECT_EQ(record.MacroKind, MacroKind::Program);
    EXPECT_EQ(record.ScopeText.str(), "notepad.exe");
    EXPECT_EQ(record.ScopeMatch, 1);
    ApplyCapComplete({.Type = MacroType::None}, "", record);
    EXPECT_EQ(record.ActivationCode, ActivationCode::None);
    ApplyCapComplete({.Type = MacroType::Cueword, .Cueword = " abcdefghijkl "}, "", record);
    EXPECT_EQ(record.CuewordText.str(), "abcdefghij");
}

}  // namespace
}  // namespace orv::player
