#include "editor/shell/launch_guard.h"

#include <gtest/gtest.h>

namespace orv::editor {
namespace {

using Args = std::vector<std::string>;

TEST(LaunchGuard, OnlyTheExactSwitchFirstStartsAnEditorOnce) {
    struct Row {
        Args args;
        bool markerOpens;
        LaunchDecision expected;
    };
    const Row rows[] = {
        {{}, false, LaunchDecision::Refuse},
        {{"-pej"}, false, LaunchDecision::Refuse},
        {{"-PEJ "}, false, LaunchDecision::Refuse},
        {{"/RH1234", "-PEJ"}, false, LaunchDecision::Refuse},
        {{"-PEJ"}, true, LaunchDecision::Quit},
        {{}, true, LaunchDecision::Refuse},
        {{"-PEJ"}, false, LaunchDecision::Run},
        {{"-PEJ", "/RH1234"}, false, LaunchDecision::Run},
    };
    for (const Row& row : rows)
        EXPECT_EQ(DecideLaunch(row.args, row.markerOpens), row.expected)
            << ::testing::PrintToString(row.args) << " marker " << row.markerOpens;
    EXPECT_EQ(AfterMarkerCreated(true), LaunchDecision::Quit);
    EXPECT_EQ(AfterMarkerCreated(false), LaunchDecision::Run);
}

TEST(LaunchGuard, PlayerWindowComesFromTheRhParameter) {
    struct Row {
        Args args;
        std::uint32_t expected;
    };
    const Row rows[] = {
        {{"-PEJ", "/RH1234"}, 1234},
        {{"-PEJ", "/rh1234"}, 1234},
        {{"/RH77"}, 77},
        {{"-PEJ"}, 0},
        {{"-PEJ", "/RH"}, 0},
        {{"-PEJ", "/RHabc"}, 0},
        {{"-PEJ", "/RH12abc"}, 12},
        {{"-PEJ", "/RH-5"}, 0},
        {{"-PEJ", "X/RH5"}, 0},
        {{"-PEJ", "/RH5", "/RH6"}, 6},
        {{"-PEJ", "/RH4294967296"}, 429496729},  // stops before it would overflow
    };
    for (const Row& row : rows)
        EXPECT_EQ(PlayerWindowOf(row.args), row.expected) << ::testing::PrintToString(row.args);
}

TEST(LaunchGuard, TheStartStateComesFromTheStartUpInformationOnlyForTheDefault) {
    using namespace ShowCommand;
    constexpr int ShowNormal = 1, Hide = 0;
    struct Row {
        int processShow;
        std::optional<int> startupShow;
        StartState expected;
    };
    const Row rows[] = {
        {ShowDefault, std::nullopt, StartState::Normal},
        {ShowDefault, ShowMaximized, StartState::Maximized},
        {ShowDefault, ShowMinimized, StartState::Minimized},
        {ShowDefault, Minimize, StartState::Minimized},
        {ShowDefault, ShowMinNoActive, StartState::Minimized},
        {ShowDefault, Hide, StartState::Normal},
        {ShowNormal, ShowMaximized, StartState::Normal},
        {ShowMaximized, std::nullopt, StartState::Maximized},
        {ShowMinNoActive, ShowNormal, StartState::Minimized},
    };
    for (const Row& row : rows)
        EXPECT_EQ(StartShowState(row.processShow, row.startupShow), row.expected)
            << row.processShow << " " << row.startupShow.value_or(-1);
}

}  // namespace
}  // namespace orv::editor
