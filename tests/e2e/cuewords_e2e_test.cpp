// Cuewords end to end: the real player and hook
// library, words typed through the X server into a target's edit control.
#include <gtest/gtest.h>

#include "common/hook_table.h"
#include "common/hotkeys.h"
#include "tests/e2e/e2e_driver.h"
#include "tests/support/win32/wait_for.h"

namespace orv::e2e {
namespace {

using testing::WaitFor;

MacroRecord CuewordMacro(const std::string& word, const std::string& script) {
    MacroRecord r = Macro(word, ActivationCode::Cueword, MacroKind::Global, script);
    r.CuewordText = word;
    r.CuewordRemove = 1;
    return r;
}

class CuewordsEndToEnd : public ::testing::Test {
  protected:
    // The settings are read when the player starts.
    static void UseSuffix(bool on) {
        WritePrivateProfileStringA("Cuewords", "Use Suffix", on ? "Yes" : "No", "ORVAN.INI");
        WritePrivateProfileStringA("Cuewords", "Solitary Usage", "No", "ORVAN.INI");
        WritePrivateProfileStringA("Cuewords", "Prefix Keys", "", "ORVAN.INI");
    }
    void StartWith(const std::vector<MacroRecord>& records) {
        const std::string library = WriteLibrary("e2e_cuewords.ORN", records);
        ASSERT_FALSE(library.empty());
        ASSERT_TRUE(player.Start(library)) << "the player did not come up";
    }
    void Type(Target& target, const std::string& keys, const std::string& expected,
              int delayMs = 40) {
        ASSERT_TRUE(target.Keys("key --delay " + std::to_string(delayMs) + " " + keys))
            << "xdotool could not be started";
        EXPECT_TRUE(WaitFor([&] { return target.Text() == expected; }))
            << "after " << keys << ": \"" << target.Text() << "\"";
        EXPECT_TRUE(WaitFor([] { return MasterByte(HookAt::MacroPlaying) == 0; }));
    }
    void TearDown() override {
        EXPECT_TRUE(player.Stop()) << "the player did not end";
        UseSuffix(false);
    }

    Player player;
};

TEST_F(CuewordsEndToEnd, ACuewordAtTheEndOfAWordBecomesItsText) {
    UseSuffix(false);
    StartWith({CuewordMacro("btw", "by the way")});
    Target target;
    ASSERT_TRUE(target.Start("Pad"));
    Type(target, "I space s a i d space x b t w", "I said xby the way");
}

TEST_F(CuewordsEndToEnd, WithASuffixTheCuewordStandsAloneAndTheSuffixFollows) {
    UseSuffix(true);
    StartWith({CuewordMacro("btw", "by the way")});
    Target target;
    ASSERT_TRUE(target.Start("Pad"));
    Type(target, "x b t w space", "xbtw ");
    target.Clear();
    Type(target, "b t w space", "by the way ");
}

// The keys typed on while the text replaces the Cueword wait and come after
// it, at the speeds people type.
TEST_F(CuewordsEndToEnd, KeysTypedOnComeAfterTheText) {
    UseSuffix(false);
    StartWith({CuewordMacro("brb", "be right back")});
    Target target;
    ASSERT_TRUE(target.Start("Pad"));
    for (int keysPerSecond : {5, 10, 20}) {
        SCOPED_TRACE(std::to_string(keysPerSecond) + " keys a second");
        target.Clear();
        Type(target, "s e e space b r b space s o o n period", "see be right back soon.",
             1000 / keysPerSecond);
    }
}

}  // namespace
}  // namespace orv::e2e
