#include "player/settings_commands.h"

#include <gtest/gtest.h>

#include "player/interpreter.h"
#include "tests/player/recording_host.h"
#include "tests/player/sample_token.h"

namespace orv::player {
namespace {

class FakeSettings final : public SettingsHost {
  public:
    void SetSystemParameter(std::uint32_t parameter, std::uint32_t value) override {
        Calls.push_back(std::to_string(parameter) + "=" + std::to_string(value));
    }
    void ReinstallHooks() override { Calls.push_back("hooks"); }
    std::vector<std::string> Calls;
};

TEST(SettingsCommandsTest, TokensSetTheirParameterForTheSession) {
    struct Case {
        std::string script;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"<KEYDEL:02>", {"23=2"}},
        {"<KEYSPD:31>", {"11=31"}},
        {"<SSTIME:15>", {"15=900"}},
        {"<WBSIZE:05>", {"6=5"}},
        {"<SSOFF>", {"17=0"}},
        {"<DOHOOK>", {"hooks"}},
        {"<KEYDEL:-1>", {}},  // nothing the system could take
        {"<SSON>", {}},       // starts the screen saver: not a setting
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        testing::RecordingHost host;
        RunState state;
        Interpreter interpreter{host, state};
        FakeSettings settings;
        SettingsCommands commands{settings};
        host.FamiliesSet[FamilyId::Settings] = &commands;
        ASSERT_TRUE(interpreter.RunMacro(c.script + "x", RunOrigin::Unattended));
        EXPECT_EQ(settings.Calls, c.calls);
        EXPECT_EQ(host.Typed(), "x");
    }
}

TEST(SettingsCommandsTest, EveryCommandOfTheFamilyReachesTheSystem) {
    testing::RecordingHost host;
    RunState state;
    Interpreter interpreter{host, state};
    FakeSettings settings;
    SettingsCommands commands{settings};
    host.FamiliesSet[FamilyId::Settings] = &commands;
    const auto idle = testing::FormsThatDidNothing(
        FamilyId::Settings,
        [&](const std::string& token) {
            settings.Calls.clear();
            ASSERT_TRUE(interpreter.RunMacro(token, RunOrigin::Unattended));
        },
        [&] { return !settings.Calls.empty(); });
    EXPECT_TRUE(idle.empty()) << ::testing::PrintToString(idle);
}

}  // namespace
}  // namespace orv::player
