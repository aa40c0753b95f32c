#include "player/run_shared.h"

#include "player/interpreter.h"
#include "tests/common/library_fixture.h"
#include "tests/player/recording_host.h"

namespace orv::player {
namespace {

class RunSharedTest : public orv::testing::LibraryTest {
  protected:
    RunSharedTest() : LibraryTest(LibraryOwner::Player) {}

    void Load(const std::vector<MacroRecord>& records) {
        WriteLibrary(records);
        ASSERT_TRUE(library.LoadMacroFile(LibraryPath(), false));
        notices.Posted.clear();
    }

    RunShared shared{*settings, *table, *hooks, notices, library};
};

TEST_F(RunSharedTest, MacrosAreFoundByTheirExactNickname) {
    MacroRecord first = Ordinary("Greet", 1), second = Ordinary("Greet", 2);
    first.SetScriptText("Hello<ENTER>");
    second.SetScriptText("later one");
    Load({Ordinary("greet", 3), first, second});
    EXPECT_EQ(shared.MacroScript("Greet"), "Hello<ENTER>");
    EXPECT_EQ(shared.MacroScript("GREET"), std::nullopt);
    EXPECT_EQ(shared.MacroScript("Gree"), std::nullopt);
    EXPECT_EQ(shared.MacroScript(""), std::nullopt);
}

TEST_F(RunSharedTest, AMacroWhoseRecordCannotBeReadRunsNothing) {
    Load({Ordinary("Gone", 1)});
    // The file shrank behind the tables' back.
    ASSERT_TRUE(ReplaceFileContents(LibraryPath(), ""));
    EXPECT_EQ(shared.MacroScript("Gone"), std::nullopt);
}

TEST_F(RunSharedTest, TheInUseByteReachesTheHookLibraryAndTheEditor) {
    shared.SetMacroInUse(true);
    EXPECT_TRUE(hooks->Master.MacroPlaying());
    shared.SetMacroInUse(false);
    EXPECT_FALSE(hooks->Master.MacroPlaying());
    EXPECT_EQ(notices.Posted, (std::vector<std::pair<int, int>>{{6, 2}, {6, 2}}));

    // A Cueword's hold ends for the rest of its run, handed over; a run that
    // holds nothing, or none, is left as it is.
    const std::pair<std::uint8_t, std::uint8_t> ends[] = {
        {HookAt::PlayingHoldsTyping, 1}, {1, 1}, {0, 0}};
    for (auto [before, after] : ends) {
        notices.Posted.clear();
        table->SetU8(HookAt::MacroPlaying, before);
        shared.EndTypingHold();
        EXPECT_EQ(table->U8(HookAt::MacroPlaying), after);
        const bool ended = before == HookAt::PlayingHoldsTyping;
        EXPECT_EQ(notices.Posted.size(), ended ? 1u : 0u) << int{before};
        if (ended) {
            EXPECT_EQ(hooks->Master.U8(HookAt::MacroPlaying), 1);
        }
    }
    shared.SetMacroInUse(false);
}

}  // namespace
}  // namespace orv::player
