#include "editor/shell/player_link.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

namespace orv::editor {
namespace {

using A = PlayerNotifyAction;

TEST(PlayerLink, NoticesFromThePlayer) {
    constexpr int count = 12;  // the player's append names count + 1 first
    struct Row {
        int code;
        int argument;
        A expected;
    };
    const Row rows[] = {
        {1, 0, A::RepaintList},     {2, 5, A::SelectMacro},
        {3, 0, A::OtherLibrary},    {4, 12, A::MacroGone},
        {6, 0, A::RefreshSection},  {6, 14, A::RefreshSection},
        {6, 15, A::Ignore},         {6, -1, A::Ignore},
        {8, 1, A::RefreshEntry},    {8, 500, A::RefreshEntry},
        {8, 0, A::Ignore},          {8, 501, A::Ignore},
        {20, 1, A::RereadRecord},   {20, count, A::RereadRecord},
        {20, 0, A::Ignore},         {20, count + 1, A::RereadRecord},
        {20, 500, A::RereadRecord}, {20, 501, A::Ignore},
        {21, 0, A::ReloadLibrary},  {0, 0, A::Ignore},
        {5, 0, A::Ignore},          {7, 1, A::Ignore},
        {18, 0, A::Ignore},         {19, 0, A::Ignore},
        {22, 0, A::Ignore},         {25, 0, A::Ignore},
        {-1, 0, A::Ignore},
    };
    for (const Row& row : rows)
        EXPECT_EQ(DecidePlayerNotify(row.code, row.argument), row.expected)
            << "code " << row.code << " argument " << row.argument;
}

TEST(PlayerLink, EditorCodesAreDistinctAndNeverEighteenOrNineteen) {
    const int codes[] = {NoticeCode::KeyRemapChanged,
                         NoticeCode::LibraryReloaded,
                         NoticeCode::SchedulesChanged,
                         NoticeCode::EditorClosed,
                         NoticeCode::PopupMenusChanged,
                         NoticeCode::SectionChanged,
                         NoticeCode::HookChange,
                         NoticeCode::MacroEntryChanged,
                         NoticeCode::TrayIconShown,
                         NoticeCode::CuewordSettingsChanged,
                         NoticeCode::CaptureSettingsChanged,
                         NoticeCode::NetworkSettingsChanged,
                         NoticeCode::EMailSettingsChanged,
                         NoticeCode::SchedulerSettingsChanged,
                         NoticeCode::MiscSettingsChanged,
                         NoticeCode::PrintListFontChanged,
                         NoticeCode::MainWindowSettingsChanged,
                         NoticeCode::MacroSaved,
                         NoticeCode::MacroRemoved};
    std::set<int> expected;
    for (int c = 1; c <= 21; ++c)
        if (c != 18 && c != 19)
            expected.insert(c);
    EXPECT_EQ(std::set<int>(std::begin(codes), std::end(codes)), expected);
}

TEST(PlayerLink, ReloadsWaitUntilTheLastHoldEnds) {
    HeldReloads held;
    EXPECT_FALSE(held.Defer(21, 0)) << "nothing held";
    held.Hold();
    held.Hold();  // a recording, then a dialog
    for (int code : {1, 2, 6, 8, 20}) EXPECT_FALSE(held.Defer(code, 7)) << code;
    EXPECT_TRUE(held.Defer(21, 0));
    EXPECT_TRUE(held.Defer(21, 0));
    EXPECT_TRUE(held.Defer(3, 0));
    EXPECT_TRUE(held.Defer(4, 9));
    EXPECT_TRUE(held.Release().empty());
    EXPECT_TRUE(held.Holding());
    using N = HeldReloads::Notice;
    EXPECT_EQ(held.Release(), (std::vector<N>{{21, 0}, {3, 0}, {4, 9}}));
    EXPECT_FALSE(held.Holding());
    EXPECT_TRUE(held.Release().empty()) << "a release too many holds nothing";
    EXPECT_FALSE(held.Defer(3, 0));
}

class FakePort final : public PlayerWindowPort {
  public:
    std::set<std::uint32_t> Alive;
    std::vector<std::tuple<std::uint32_t, int, int>> Posts;
    bool IsWindow(std::uint32_t w) const override { return Alive.contains(w); }
    void Post(std::uint32_t w, int code, std::int32_t arg) override {
        Posts.emplace_back(w, code, arg);
    }
};

TEST(PlayerLink, PostsOnlyToAPlayerWindowThatExists) {
    FakePort port;
    port.Alive = {0, 1234};
    PlayerNotices none(port, 0);
    none.Post(NoticeCode::EditorClosed, 0);
    EXPECT_TRUE(port.Posts.empty()) << "no player named on the command line";

    PlayerNotices player(port, 1234);
    player.Post(NoticeCode::MacroSaved, 3);
    port.Alive.clear();
    player.Post(NoticeCode::EditorClosed, 0);
    EXPECT_EQ(port.Posts, (decltype(port.Posts){{1234, 20, 3}}));
}

}  // namespace
}  // namespace orv::editor
