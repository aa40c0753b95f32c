#include "common/win32/private_profile_store.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

namespace orv {
namespace {

// A settings file of the tests' own beside the real one, removed afterwards.
class TestIniFile : public ::testing::Test {
  protected:
    static constexpr const char* Name = "ORVTEST1.INI";
    void SetUp() override { DeleteFileA(Path().c_str()); }
    void TearDown() override { DeleteFileA(Path().c_str()); }
    static std::string Path() {
        char folder[MAX_PATH] = {};
        GetWindowsDirectoryA(folder, MAX_PATH);
        return std::string(folder) + "\\" + Name;
    }
    PrivateProfileStore store{Name};
};

TEST_F(TestIniFile, LivesInTheWindowsFolderAndAnswersLikeTheMemoryStore) {
    EXPECT_EQ(store.Read("Misc", "Use Tray", "No", 15), "No") << "missing file";
    ASSERT_TRUE(store.Write("Misc", "Use Tray", "Yes"));
    ASSERT_TRUE(store.Write("Misc", "Current File", "C:\\Macros\\\xC9t\xE9.ORN"));
    EXPECT_NE(GetFileAttributesA(Path().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(store.Read("MISC", "use tray", "No", 15), "Yes");
    EXPECT_EQ(store.Read("Misc", "Current File", "", 250), "C:\\Macros\\\xC9t\xE9.ORN");
    EXPECT_EQ(store.Read("Misc", "Current File", "", 6), "C:\\Mac");
    EXPECT_EQ(store.Read("Misc", "Other", "12345", 3), "123");
}

TEST_F(TestIniFile, SettingsSurviveTheFile) {
    auto settings = std::make_unique<SettingsBlock>();
    Configs configs(store, *settings, "C:\\Orvane");
    configs.LoadConfig();
    EXPECT_EQ(settings->MacroFiles[0], "C:\\Orvane\\ORVAN.ORN");
    settings->TimerSeconds = 45;
    settings->UseTray = true;
    settings->GridTitleFont.Style = FontStyle::Bold;
    ASSERT_TRUE(configs.SaveConfig());

    auto again = std::make_unique<SettingsBlock>();
    Configs(store, *again, "C:\\Orvane").LoadConfig();
    EXPECT_EQ(again->TimerSeconds, 45);
    EXPECT_TRUE(again->UseTray);
    EXPECT_EQ(again->GridTitleFont.Style, FontStyle::Bold);
}

}  // namespace
}  // namespace orv
