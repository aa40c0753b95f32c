#include "player/dialog_commands.h"

#include <gtest/gtest.h>

#include "player/interpreter.h"
#include "tests/player/recording_host.h"
#include "tests/player/sample_token.h"

namespace orv::player {
namespace {

class FakePause final : public PauseControl {
  public:
    explicit FakePause(const testing::RecordingHost& host) : host_(host) {}
    bool ShowPauseWindow(std::optional<ScreenPoint> topLeft, std::string_view message) override {
        FineTimerHeld.push_back(host_.FineTimerHeld);
        Shown.push_back(
            (topLeft ? std::to_string(topLeft->X) + "," + std::to_string(topLeft->Y) : "centred") +
            " " + std::string(message));
        return Resume;
    }
    void MyMessage(std::string_view caption, std::string_view text) override {
        Shown.push_back(std::string(caption) + "|" + std::string(text));
    }
    bool Resume = true;
    std::vector<std::string> Shown;
    std::vector<int> FineTimerHeld;  // the run's fine timer as each pause showed

  private:
    const testing::RecordingHost& host_;
};

class DialogCommandsTest : public ::testing::Test {
  protected:
    DialogCommandsTest() {
        host.FamiliesSet[FamilyId::Dialogs] = &dialogs;
        host.Screen = {800, 600};
    }
    void Run(std::string_view script) {
        ASSERT_TRUE(interpreter.RunMacro(script, RunOrigin::Unattended));
    }

    testing::RecordingHost host;
    RunState state;
    Interpreter interpreter{host, state};
    FakePause pause{host};
    DialogCommands dialogs{pause};
};

TEST_F(DialogCommandsTest, PausesAtTheirPlaceAndResume) {
    Run("a<PAUSE>b<PAUSE:999,050Look here>c<TBOX:<HEAD:Title>some text>d");
    EXPECT_EQ(host.Typed(), "abcd");
    EXPECT_EQ(pause.Shown,
              (std::vector<std::string>{"centred ", "50,487 Look here", "Title|some text"}));
}

// A pause may last for hours: the fine timer a wait before it asked for is
// given back while it shows.
TEST_F(DialogCommandsTest, APauseGivesTheFineTimerBack) {
    Run("a<WAITTIME:00000001>b<PAUSE>c<WAITTIME:00000001>d<PAUSE>e");
    EXPECT_EQ(pause.FineTimerHeld, (std::vector<int>{0, 0}));
    EXPECT_EQ(host.FineTimerHeld, 0);
}

TEST_F(DialogCommandsTest, AbortInANestedPauseEndsEveryLevel) {
    pause.Resume = false;
    host.Macros["inner"] = "x<PAUSE>y";
    host.CapsLock = true;
    Run("<REPEAT:0002>a<MACRUN:inner>b<ENDREP>c");
    // Caps Lock off at the start and back once; no abort notice.
    EXPECT_EQ(host.Typed(), "[20]ax[20]");
    EXPECT_TRUE(host.Notices().empty());
}

TEST_F(DialogCommandsTest, EveryCommandOfTheFamilyShowsItsWindow) {
    const auto idle = testing::FormsThatDidNothing(
        FamilyId::Dialogs,
        [&](const std::string& token) {
            pause.Shown.clear();
            Run(token);
        },
        [&] { return !pause.Shown.empty(); });
    EXPECT_TRUE(idle.empty()) << ::testing::PrintToString(idle);
}

}  // namespace
}  // namespace orv::player
