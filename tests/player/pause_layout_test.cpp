#include "player/pause_layout.h"

#include <gtest/gtest.h>

#include "common/macro_record.h"

namespace orv::player {
namespace {

TEST(PauseLayoutTest, TheWindowGrowsWithItsMessage) {
    const PauseLayout bare = LayOutPause("");
    EXPECT_EQ(bare.Height, 94);
    EXPECT_EQ(bare.MessageHeight, 0);
    EXPECT_EQ(bare.ButtonsTop, 42);
    const PauseLayout long65 = LayOutPause(std::string(65, 'm'));
    EXPECT_EQ(long65.MessageHeight, 57);
    EXPECT_EQ(long65.Height, 151);
    EXPECT_EQ(long65.ButtonsTop, 99);

    const ScreenPoint screen{800, 600};
    EXPECT_EQ(PlacedPause(100, 50, "", screen), (ScreenPoint{50, 100}));
    // Held on the screen, the message's lines counted.
    EXPECT_EQ(PlacedPause(999, 999, std::string(65, 'm'), screen), (ScreenPoint{576, 449}));
}

TEST(PauseLayoutTest, CaptionNamesTheHotKey) {
    EXPECT_EQ(PauseCaption(16), "Pause (" + KeyName(16) + ")");
    EXPECT_EQ(PauseCaption(ActivationCode::Cueword), "Pause");
}

TEST(PauseLayoutTest, RepeatCounts) {
    struct Case {
        std::string text;
        std::optional<std::uint16_t> count;
    };
    const Case cases[] = {
        {"12", 12},
        {" 7 ", 7},
        {"$10", 16},
        {"$ff", 255},
        {"+3", 3},
        {"0", 0},
        {"65535", 65535},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"-1", std::nullopt},
        {"65536", std::nullopt},
        {"1x", std::nullopt},
        {"$", std::nullopt},
        {"ff", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseRepeatCount(c.text), c.count);
    }
}

TEST(PauseLayoutTest, OnlyThePausedMacrosKeyOrAResumeMacroResumes) {
    HookTable table;
    auto put = [&](int i, std::int16_t kind, std::uint16_t code, const char* scope) {
        MacroEntry entry;
        entry.Kind = kind;
        entry.Activation = code;
        entry.ScopeText = scope;
        entry.Enabled = true;
        table.SetEntry(i, entry);
    };
    put(1, MacroKind::Global, 16, "");
    put(2, MacroKind::Global, 22, "");
    put(3, MacroKind::System, 30, "3");
    put(4, MacroKind::System, 31, "1");
    put(5, MacroKind::System, 32, "3");
    MacroEntry off = table.Entry(5);
    off.Enabled = false;
    table.SetEntry(5, off);
    table.SetMacroCount(5);
    const PausedMacro paused{22};
    EXPECT_TRUE(ResumesPause(table, paused, 22));
    EXPECT_TRUE(ResumesPause(table, paused, 30));
    EXPECT_FALSE(ResumesPause(table, paused, 16));
    EXPECT_FALSE(ResumesPause(table, paused, 31));
    // A disabled Resume macro resumes nothing.
    EXPECT_FALSE(ResumesPause(table, paused, 32));
    // The first macro deleted while the run was paused: its key still counts.
    put(1, MacroKind::Global, 22, "");
    put(2, MacroKind::System, 30, "3");
    table.SetMacroCount(2);
    EXPECT_TRUE(ResumesPause(table, paused, 22));
    EXPECT_TRUE(ResumesPause(table, paused, 30));
    EXPECT_FALSE(ResumesPause(table, PausedMacro{ActivationCode::Cueword}, 16));
}

}  // namespace
}  // namespace orv::player
