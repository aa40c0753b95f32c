#include <gtest/gtest.h>

#include <array>

#include "player/command_context.h"
#include "common/script/token_table.h"
#include "player/interpreter.h"
#include "tests/player/recording_host.h"
#include "tests/player/sample_token.h"

namespace orv::player {
namespace {

using testing::RecordingHost;
using Tokens = std::vector<std::string>;

// A family that notes each token it gets and answers with a set flow.
class FakeFamily final : public CommandFamily {
  public:
    Flow Perform(CommandContext& context) override {
        Tokens.emplace_back(context.Token);
        return Answer;
    }
    Flow Answer = Flow::Next;
    std::vector<std::string> Tokens;
};

class CommandFamiliesTest : public ::testing::Test {
  protected:
    void Run(std::string_view script) {
        ASSERT_TRUE(interpreter.RunMacro(script, RunOrigin::Unattended));
    }

    RecordingHost host;
    RunState state;
    Interpreter interpreter{host, state};
    FakeFamily windows;
};

TEST_F(CommandFamiliesTest, TokensGoToTheirFamilyWhole) {
    host.FamiliesSet[FamilyId::Windows] = &windows;
    Run("a<WPOS2:-0010,00020\"CURRENT\">b<ACTIVATE:x>c<WAITLM:001>d");
    EXPECT_EQ(windows.Tokens,
              (std::vector<std::string>{"<WPOS2:-0010,00020\"CURRENT\">", "<ACTIVATE:x>"}));
    // The waits are not supplied here: passed over, nothing typed.
    EXPECT_EQ(host.Typed(), "abcd");
}

TEST_F(CommandFamiliesTest, SkipPassSkipsTheRestOfThisPassOnly) {
    host.FamiliesSet[FamilyId::Windows] = &windows;
    windows.Answer = Flow::SkipPass;
    Run("<REPEAT:0002>a<ACTIVATE:x>b<ENDREP>c");
    EXPECT_EQ(host.Typed(), "aac");
}

TEST_F(CommandFamiliesTest, EndRunEndsEveryLevelWithoutAbortNoticeAndGivesCapsLockBackOnce) {
    host.FamiliesSet[FamilyId::Windows] = &windows;
    windows.Answer = Flow::EndRun;
    host.Macros["inner"] = "x<ACTIVATE:y>z";
    host.CapsLock = true;
    Run("<REPEAT:0002>a<MACRUN:inner>b<ENDREP>c");
    // Caps Lock off at the start, back once at the end.
    EXPECT_EQ(host.Typed(), "[20]ax[20]");
    EXPECT_TRUE(host.Notices().empty());
    EXPECT_FALSE(state.AbortFlag);
}

// A new form of the token table cannot fall into a branch that does nothing
// unseen: each one the player reads reaches the family its command's row in
// the catalogue names, and that family only, or is played by the interpreter;
// only remarks, end markers and the empty test hook are passed over.
TEST_F(CommandFamiliesTest, EveryFormThePlayerReadsReachesItsFamily) {
    std::array<FakeFamily, FamilyHandlerCount> fakes;
    for (std::size_t family = 0; family < FamilyHandlerCount; ++family)
        host.FamiliesSet.Of[family] = &fakes[family];

    std::size_t handled = 0;
    std::vector<std::string> passedOver;
    for (const TokenForm& form : TokenTable()) {
        if (!(form.Use & TokenUse::Player))
            continue;
        const std::string token = testing::SampleToken(form);
        SCOPED_TRACE(token);
        const std::optional<TokenMatch> match = MatchToken(token, 0, TokenUse::Player);
        ASSERT_TRUE(match && match->Form == &form && match->Length == token.size());
        for (FakeFamily& fake : fakes) fake.Tokens.clear();
        Run(token);
        const FamilyId family = FamilyOf(form);
        for (std::size_t slot = 0; slot < FamilyHandlerCount; ++slot) {
            const bool its = slot == static_cast<std::size_t>(family);
            EXPECT_EQ(fakes[slot].Tokens, its ? Tokens{token} : Tokens{}) << slot;
        }
        if (family == FamilyId::PassedOver)
            passedOver.emplace_back(form.Head);
        else
            ++handled;
    }
    EXPECT_EQ(passedOver, (std::vector<std::string>{"<TEST>", "<ENDREP>", "<ENDCLIP>", "<REM:"}));
    EXPECT_EQ(handled, 256u);
}

}  // namespace
}  // namespace orv::player
