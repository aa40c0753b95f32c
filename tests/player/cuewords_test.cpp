#include "player/cuewords.h"

#include <functional>

#include "common/hotkeys.h"
#include "tests/common/library_fixture.h"
#include "tests/player/fake_desk.h"
#include "tests/player/recording_host.h"

namespace orv::player {
namespace {

class CuewordsTest : public orv::testing::LibraryTest {
  protected:
    CuewordsTest() : LibraryTest(LibraryOwner::Player) {
        host.OnMarkInUse = [this](bool inUse) { shared.SetMacroInUse(inUse); };
        // As the main window routes it: every run starts the buffer afresh.
        desk.OnForget = [this] { cuewords.Forget(); };
    }

    static MacroRecord Cue(const std::string& word, const std::string& script,
                           std::int16_t kind = MacroKind::Global, const std::string& scope = "") {
        MacroRecord r = Ordinary(word + script, ActivationCode::Cueword);
        r.CuewordText = word;
        r.MacroKind = kind;
        r.ScopeText = scope;
        r.SetScriptText(script);
        return r;
    }
    void Load(const std::vector<MacroRecord>& records) {
        WriteLibrary(records);
        ASSERT_TRUE(library.LoadMacroFile(LibraryPath(), false));
        SetHotKeys(*table);
    }
    void Type(const std::string& text) {
        for (char c : text) cuewords.CuewordChar(0, static_cast<std::uint8_t>(c));
    }
    std::string Typed() const { return host.TypedMarkingEnds(); }

    testing::RecordingHost host;
    RunState state;
    Interpreter interpreter{host, state};
    RunShared shared{*settings, *table, *hooks, notices, library};
    testing::FakeDesk desk;
    RunDispatch dispatch{*settings, *table, library, shared, interpreter, desk};
    Cuewords cuewords{*settings, *table, library, shared, interpreter, dispatch, desk};
};

TEST_F(CuewordsTest, TheTypedWordIsErasedAndTheMacroTypedInItsPlace) {
    const MacroRecord btw = Cue("btw", "by the way");
    MacroRecord keep = btw, firstLetter = btw, divided = btw;
    keep.CuewordRemove = 2;
    firstLetter.CuewordCase = divided.CuewordCase = 1;
    divided.SetScriptText("\xF7 2");
    MacroRecord hot = Ordinary("HotMacro", 16);
    hot.SetScriptText("Regards");
    std::vector<MacroRecord> scoped(50, Cue("btw", "nowhere", MacroKind::Window, "Nowhere"));
    scoped.push_back(Cue("btw", "the 51st"));
    struct Case {
        const char* what;
        std::vector<MacroRecord> macros;
        std::function<void()> setUp;
        std::string typed;
        int backspaces;
        std::string text;
    } cases[] = {
        {"at the end of a longer word", {btw}, {}, "xyzbtw", 3, "by the way|"},
        {"with a suffix", {btw}, [&] { settings->UseSuffix = true; }, "btw ", 4, "by the way |"},
        {"with a suffix, at the end of a word",
         {btw},
         [&] { settings->UseSuffix = true; },
         "xbtw ",
         0,
         ""},
        {"without its prefix", {btw}, [&] { settings->PrefixKeys = ";;"; }, "btw", 0, ""},
        {"with its prefix", {btw}, [&] { settings->PrefixKeys = ";;"; }, ";;btw", 5, "by the way|"},
        {"punctuation ends it",
         {btw},
         [&] { settings->UseSuffix = settings->UsePunctuation = true; },
         "btw.",
         4,
         "by the way.|"},
        {"kept on screen", {keep}, {}, "btw", 0, "by the way|"},
        {"the typed first letter's case", {firstLetter}, {}, "xBtw", 3, "By the way|"},
        {"the division sign is no letter", {divided}, {}, "Btw", 3, "\xF7 2|"},
        {"a hot key's text between the letters",
         {btw, hot},
         [&] {
             Type("bt");
             dispatch.HotKeyPressed(16, 1);
             dispatch.MacroEnded();
         },
         "w",
         0,
         ""},
        {"a letter typed after a refusal",
         {btw},
         [&] {
             table->SetCaptureRunning(true);
             Type("btw");
             table->SetCaptureRunning(false);
         },
         "x",
         0,
         ""},
        {"during an unattended run", {btw}, [&] { state.Running = true; }, "btw", 0, ""},
        {"Escape while the word is erased",
         {btw},
         [&] { host.OnPump = [&] { state.AbortFlag = true; }; },
         "btw",
         3,
         ""},
        {"the 51st candidate", scoped, {}, "btw", 0, ""},
        {"a window scope first",
         {Cue("btw", "global"), Cue("btw", "program", MacroKind::Program, "notepad"),
          Cue("btw", "window", MacroKind::Window, "Notepad")},
         {},
         "btw",
         3,
         "window|"},
        {"then a program scope",
         {Cue("btw", "global"), Cue("btw", "program", MacroKind::Program, "notepad"),
          Cue("btw", "window", MacroKind::Window, "Calculator")},
         {},
         "btw",
         3,
         "program|"},
        {"an unmatched window falls to the global macro",
         {Cue("btw", "window", MacroKind::Window, "Calculator"), Cue("btw", "global")},
         {},
         "btw",
         3,
         "global|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        *settings = SettingsBlock();
        settings->MacroFiles[0] = InFolder(folder, "ORVAN.ORN");
        Load(c.macros);
        state.Running = false;
        dispatch.MacroEnded();
        cuewords.CuewordChar(1, 0);
        host.OnPump = nullptr;
        if (c.setUp)
            c.setUp();
        host.Trace.clear();
        Type(c.typed);
        std::string erased;
        for (int n = 0; n < c.backspaces; ++n) erased += "[8]";
        EXPECT_EQ(Typed(), erased + c.text);
    }
}

TEST_F(CuewordsTest, TheRunningMacroIsTheCuewordsOwn) {
    MacroRecord hot = Ordinary("HotMacro", 16);
    Load({hot, Cue("btw", "by the way")});
    dispatch.HotKeyPressed(16, 1);
    dispatch.MacroEnded();
    Type("btw");
    EXPECT_EQ(dispatch.CurrentMacro, 2);
    EXPECT_EQ(dispatch.Running().Nickname, "btwby the way");
    EXPECT_EQ(dispatch.Running().Activation, ActivationCode::Cueword);
}

TEST_F(CuewordsTest, ARefusalTellsWhyOnlyWhenTheWordMatches) {
    Load({Cue("btw", "by the way")});
    dispatch.PauseShown();
    Type("bt");
    EXPECT_TRUE(desk.Notices.empty());
    Type("w");
    EXPECT_EQ(desk.Notices, std::vector<std::string>{RefusalMessage::Paused});
    EXPECT_EQ(cuewords.Buffer(), "");
    EXPECT_EQ(Typed(), "");
}

TEST_F(CuewordsTest, ReportsArrivingWhileTheBackspacesAreSentStartNothing) {
    Load({Cue("b", "one"), Cue("c", "two")});
    bool reentered = false;
    host.OnPump = [&] {
        if (reentered)
            return;
        // Typed before the in-use byte reached the hook library.
        reentered = true;
        Type("c");
    };
    Type("b");
    EXPECT_TRUE(reentered);
    EXPECT_EQ(Typed(), "[8]one|");
}

}  // namespace
}  // namespace orv::player
