#include "player/mail_commands.h"

#include <gtest/gtest.h>

#include "player/interpreter.h"
#include "tests/player/recording_host.h"
#include "tests/player/sample_token.h"

namespace orv::player {
namespace {

class FakeSender final : public MailSender {
  public:
    bool SendMailMessage(std::string_view token) override {
        Sent.emplace_back(token);
        return Succeeds;
    }
    bool Succeeds = true;
    std::vector<std::string> Sent;
};

class MailCommandsTest : public ::testing::Test {
  protected:
    MailCommandsTest() { host.FamiliesSet[FamilyId::Mail] = &mail; }
    void Run(std::string_view script) {
        ASSERT_TRUE(interpreter.RunMacro(script, RunOrigin::Unattended));
    }

    testing::RecordingHost host;
    RunState state;
    Interpreter interpreter{host, state};
    FakeSender sender;
    MailCommands mail{sender};
};

const std::string Email =
    "<EMAIL:00R1TOa@b.c\x01S1x>y\x01s>t\x01"
    "A3>";

TEST_F(MailCommandsTest, TheTokenReachesPastTheClosingCharactersInItsFields) {
    Run("a" + Email + "b");
    EXPECT_EQ(sender.Sent, (std::vector<std::string>{Email}));
    EXPECT_EQ(host.Typed(), "ab");
}

TEST_F(MailCommandsTest, AFailedMessageSkipsTheRestOfThePass) {
    sender.Succeeds = false;
    Run("<REPEAT:0002>a" + Email + "b<ENDREP>c");
    EXPECT_EQ(host.Typed(), "aac");
    EXPECT_EQ(sender.Sent.size(), 2u);
}

TEST_F(MailCommandsTest, AnIncompleteTokenSendsNothing) {
    Run("<REPEAT:0002>a<EMAIL:00R1TOa@b.c>b<ENDREP>c");
    EXPECT_TRUE(sender.Sent.empty());
    EXPECT_EQ(host.Typed(), "aac");
    EXPECT_EQ(host.Notices().size(), 2u);
    EXPECT_EQ(host.Notices()[0],
              "E-Mail Error: The e-mail command is incomplete. This E-Mail attempt will abort.");
}

TEST_F(MailCommandsTest, EveryCommandOfTheFamilySends) {
    const auto idle = testing::FormsThatDidNothing(
        FamilyId::Mail,
        [&](const std::string& token) {
            sender.Sent.clear();
            Run(token);
        },
        [&] { return !sender.Sent.empty(); });
    EXPECT_TRUE(idle.empty()) << ::testing::PrintToString(idle);
}

}  // namespace
}  // namespace orv::player
