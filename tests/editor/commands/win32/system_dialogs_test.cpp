#include "editor/commands/win32/system_dialogs.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "common/win32/system_routines.h"
#include "editor/commands/encryption.h"
#include "tests/editor/commands/win32/command_dialog_testing.h"

namespace orv::editor {
namespace {

using testing::PressKey;
using SystemDialogsTest = testing::CommandDialogTest;

TEST_F(SystemDialogsTest, RebootTakesTheCheckedCommand) {
    TDoReboot d;
    driver.Expect<TDoReboot>([](TDoReboot& f) {
        EXPECT_TRUE(f.Logoff.Checked() && f.Logoff.Focused());
        f.PowerOff.Click();
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<POWEROFF>");
    ExpectEditKeepsTheLine<TDoReboot, RebootInput>(d, "<SHUTDOWN>");
    ExpectEscapeCancels(d);
}

TEST_F(SystemDialogsTest, SysControlsShowsTheBoxesOfItsSetting) {
    std::string bitmap = ProgramDir() + "\\Wallpaper Test.bmp";
    std::FILE* f = std::fopen(bitmap.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fclose(f);
    TDoSysControls d;
    driver.Expect<TDoSysControls>([&](TDoSysControls& f) {
        EXPECT_TRUE(f.ScreenOn.Checked() && f.ScreenOn.Focused());
        EXPECT_EQ(f.Number.Text(), "1");
        EXPECT_FALSE(IsWindowVisible(f.Number.Handle()));
        f.KeyDelay.Click();
        EXPECT_EQ(f.TheLabel.Text(), "Factor");
        EXPECT_TRUE(IsWindowVisible(f.Number.Handle()));
        f.DeskWall.Click();
        EXPECT_TRUE(IsWindowVisible(f.Track.Handle()));
        EXPECT_TRUE(f.Tile.Checked() && f.Center.Checked());
        EXPECT_FALSE(IsWindowEnabled(f.Center.Handle()));  // tiled: no placement
        f.Tile.Click();
        EXPECT_TRUE(IsWindowEnabled(f.Center.Handle()));
        EXPECT_FALSE(IsWindowEnabled(f.XPos.Handle()));
        f.Position.Click();
        EXPECT_TRUE(IsWindowEnabled(f.XPos.Handle()));
        Enter(f, f.Track, bitmap);
        Enter(f, f.XPos, "-99");
        Enter(f, f.YPos, "0");
        ExpectRefusalThenEscape(f, f.XPos, "Invalid X Coordinate specified. Please correct.");
    });
    d.ShowModal();

    d.FreshInsert = 0;
    d.XPos.SetText("10");
    d.YPos.SetText("200");
    driver.Expect<TDoSysControls>([](TDoSysControls& f) { PressKey(f, VK_RETURN); });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<WALLP:0010,0200" + bitmap + ">");
    EXPECT_EQ(d.WallpaperMode, 3);
    DeleteFileA(bitmap.c_str());

    ExpectEditKeepsTheLine<TDoSysControls, SysControlsInput>(d, "<KEYDEL:02>");
    EXPECT_EQ(d.RawValue, 2);
    ExpectEditKeepsTheLine<TDoSysControls, SysControlsInput>(d, "<SSOFF>");
    ExpectEscapeCancels(d);
}

TEST_F(SystemDialogsTest, TextBoxRefusesAnArrowAndConfirms) {
    TDoTBox d;
    driver.Expect<TDoTBox>([this](TDoTBox& f) {
        EXPECT_TRUE(f.Header.Focused());
        EXPECT_EQ(f.Header.MaxLength(), 80);
        EXPECT_EQ(f.Contents.MaxLength(), 500);
        Enter(f, f.Header, "a>b");
        ExpectRefusalThenEscape(f, f.Header,
                                "The heading \"a>b\" holds the character \">\", which would end "
                                "the command early.  Please remove it.");
    });
    d.ShowModal();
    EXPECT_FALSE(d.Confirmed());

    d.FreshInsert = 0;
    d.Header.SetText(" Note ");
    driver.Expect<TDoTBox>([](TDoTBox& f) { f.Buttons.OkButton.Click(); });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_TRUE(d.Confirmed());
    EXPECT_EQ(d.BoxHeader, "Note");
    EXPECT_EQ(d.CommandText, "<TBOX:<HEAD:Note>>");
    ExpectEditKeepsTheLine<TDoTBox, TBoxInput>(d, "<TBOX:<HEAD:Hi>one\r\ntwo>");
}

TEST_F(SystemDialogsTest, EncryptKeepsOnlyTheCipher) {
    TDoEncrypt d;
    driver.Expect<TDoEncrypt>([this](TDoEncrypt& f) {
        EXPECT_TRUE(f.Password.Focused());
        EXPECT_EQ(f.Password.MaxLength(), 122);
        Enter(f, f.Password, "secret");
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<ETEXT:" + d.EncryptedText + ">");
    EXPECT_EQ(DecryptIt(d.EncryptedText), "secret");
    ExpectEscapeCancels(d);
}

TEST_F(SystemDialogsTest, HelpOpensEachDialogsKeyword) {
    orv::testing::RecordedHelp help;
    auto pressHelp = [](TCommandDialog& f, TButtonRow& row) {
        row.HelpButton.Click();
        f.Close(IDCANCEL);
    };
    TDoReboot reboot;
    TDoSysControls controls;
    TDoTBox box;
    TDoEncrypt encrypt;
    driver.Expect<TDoReboot>([&](TDoReboot& f) { pressHelp(f, f.Buttons); });
    driver.Expect<TDoSysControls>([&](TDoSysControls& f) { pressHelp(f, f.Buttons); });
    driver.Expect<TDoTBox>([&](TDoTBox& f) { pressHelp(f, f.Buttons); });
    driver.Expect<TDoEncrypt>([&](TDoEncrypt& f) { pressHelp(f, f.Buttons); });
    for (TForm* f : std::initializer_list<TForm*>{&reboot, &controls, &box, &encrypt})
        f->ShowModal();
    EXPECT_EQ(help.Keywords, (std::vector<std::string>{"Reboot", "System Controls", "Text Box",
                                                       "Encrypted Text"}));
}

}  // namespace
}  // namespace orv::editor
