// The video, CD, speaker, printer and screen dialogs driven as their callers
// show them: over fakes of the system's lists, and over what Wine gives.
#include <gtest/gtest.h>

#include <fstream>

#include "editor/commands/win32/device_dialogs.h"
#include "editor/commands/win32/dialup_dialog.h"
#include "editor/commands/win32/media_dialogs.h"
#include "editor/commands/win32/network_dialog.h"
#include "editor/commands/win32/sound_web_dialogs.h"
#include "editor/commands/win32/system_device_lists.h"
#include "editor/commands/win32/system_file_checks.h"
#include "tests/editor/commands/fake_device_lists.h"
#include "tests/editor/commands/win32/command_dialog_testing.h"
#include "tests/support/scratch_folder.h"

namespace orv::editor {
namespace {

using testing::PressKey;
using MediaDeviceDialogsTest = testing::CommandDialogTest;

TEST_F(MediaDeviceDialogsTest, AviWritesTheShortPath) {
    orv::testing::ScratchFolder folder("avi");
    std::string clip = folder.Path() + "\\A Rather Long Clip Name.avi";
    std::ofstream(clip) << "RIFF";
    std::string shortPath = SystemFileChecks().ShortPath(clip).value_or("?");
    TDoAVI d;
    driver.Expect<TDoAVI>([&](TDoAVI& f) {
        EXPECT_TRUE(f.Immediate.Checked() && f.ProgPath.Focused());
        Enter(f, f.ProgPath, folder.Path() + "\\none.avi");
        boxes.Expect("Specified AVI File does not exist.  Please correct.", MsgResult::Ok, "Error");
        PressKey(f, VK_RETURN);
        EXPECT_TRUE(f.ProgPath.Focused());
        Enter(f, f.ProgPath, clip);
        f.ExitDone.Click();
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<AVIE:" + shortPath + ">");
    EXPECT_EQ(d.FilePath, shortPath);
    EXPECT_EQ(d.OptionCode, 2);
    ExpectEditKeepsTheLine<TDoAVI, AviInput>(d, "<AVI:" + shortPath + ">");
}

TEST_F(MediaDeviceDialogsTest, CdShowsItsNumberOnlyWhereOneIsTaken) {
    TDoCDRom d;
    driver.Expect<TDoCDRom>([this](TDoCDRom& f) {
        EXPECT_TRUE(f.CDPlay.Checked());
        EXPECT_EQ(f.Track.Text(), "1");
        EXPECT_EQ(f.Track.MaxLength(), 2);
        EXPECT_FALSE(f.Track.Showing());
        f.CDStep.Click();
        EXPECT_EQ(f.TheLabel.Text(), "Seconds");
        f.CDGoTo.Click();
        EXPECT_TRUE(f.Track.Showing());
        EXPECT_EQ(f.TheLabel.Text(), "Track Number");
        Enter(f, f.Track, "0");
        boxes.Expect("Invalid track number specified.  Please correct.", MsgResult::Ok, "Error");
        PressKey(f, VK_RETURN);
        Enter(f, f.Track, "7");
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<CDGOTO:07>");
    EXPECT_EQ(d.RawValue, 7);
    ExpectEditKeepsTheLine<TDoCDRom, CdInput>(d, "<CDBACK:15>");
    ExpectEditKeepsTheLine<TDoCDRom, CdInput>(d, "<CDEJECT>");
}

TEST_F(MediaDeviceDialogsTest, VolumeReportsTheMixersAnswers) {
    SettingsBlock settings;
    CommandContext context{settings};
    int asked = 0;
    context.MixerCapabilities = [&] {
        ++asked;
        return MixerAnswers{true, true, true, true, true, true};
    };
    TDoVolume d(context);
    driver.Expect<TDoVolume>([this](TDoVolume& f) {
        EXPECT_TRUE(f.AudioOff.Checked() && f.AudioOff.Focused());
        boxes.Expect(MixerReport({true, true, true, true, true, true}), MsgResult::Ok,
                     "Audio Device");
        f.Button1.Click();
        f.BassDown.Click();
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(d.CommandText, "<BASSDOWN>");
    EXPECT_EQ(d.OptionCode, 20);
    ExpectEditKeepsTheLine<TDoVolume, VolumeInput>(d, "<MIDICENTER>");
}

TEST_F(MediaDeviceDialogsTest, PrinterListSelectsTheLinesPrinter) {
    testing::FakePrinterList printers;
    printers.Names = {"Office Jet", "HP LaserJet"};
    TDoDefPrint d(printers);
    d.FreshInsert = 0;
    d.PrinterName = "hp laserjet";
    driver.Expect<TDoDefPrint>([](TDoDefPrint& f) {
        EXPECT_EQ(f.SettingBox.ItemIndex(), 1);
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<DEFPRT:HP LaserJet>");
    EXPECT_EQ(d.PrinterName, "HP LaserJet");

    // What the spooler gives, none chosen for a new command.
    TDoDefPrint real;
    driver.Expect<TDoDefPrint>([this](TDoDefPrint& f) {
        std::vector<std::string> names = SystemPrinterList().PrinterNames();
        ASSERT_EQ(f.SettingBox.Count(), static_cast<int>(names.size()));
        for (int i = 0; i < f.SettingBox.Count(); ++i) EXPECT_EQ(f.SettingBox.Item(i), names[i]);
        EXPECT_EQ(f.SettingBox.ItemIndex(), -1);
        ExpectRefusalThenEscape(f, f.SettingBox, "No printer setting selected.");
    });
    real.ShowModal();
}

TEST_F(MediaDeviceDialogsTest, ScreenListsEveryModeTheDisplayGives) {
    int modes = 0;
    for (;; ++modes) {
        DEVMODEA mode{};
        mode.dmSize = sizeof mode;
        if (!EnumDisplaySettingsA(nullptr, static_cast<DWORD>(modes), &mode))
            break;
    }
    ASSERT_GT(modes, 0);  // Xvfb has a mode
    TDoScreen d;
    driver.Expect<TDoScreen>([&](TDoScreen& f) {
        EXPECT_EQ(f.SettingBox.Count(), modes);
        EXPECT_EQ(f.SettingBox.ItemIndex(), 0);
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<SCREEN:000>");

    // Beyond 999 every mode is listed, but its place cannot be written.
    testing::FakeDisplayModes many;
    many.List.assign(1001, DisplayMode{800, 600, 16, 60});
    TDoScreen big(many);
    big.FreshInsert = 0;
    big.ModeIndex = 1000;
    driver.Expect<TDoScreen>([this](TDoScreen& f) {
        EXPECT_EQ(f.SettingBox.Count(), 1001);
        EXPECT_EQ(f.SettingBox.Item(0), " 800 x  600  65536 Colors  60 hertz");
        EXPECT_EQ(f.SettingBox.ItemIndex(), 1000);
        ExpectRefusalThenEscape(f, f.SettingBox,
                                "The number 1000 does not fit a field of 3 digits.");
    });
    big.ShowModal();
    big.ModeIndex = 999;
    driver.Expect<TDoScreen>([](TDoScreen& f) { PressKey(f, VK_RETURN); });
    EXPECT_EQ(big.ShowModal(), IDOK);
    EXPECT_EQ(big.CommandText, "<SCREEN:999>");
}

TEST_F(MediaDeviceDialogsTest, HelpOpensEachDialogsKeyword) {
    orv::testing::RecordedHelp help;
    SettingsBlock settings;
    CommandContext context{settings};
    testing::FakeNetworkDrives drives;
    testing::FakePhoneBook book;
    TDoSound sound(settings);
    TDoWebStuff web;
    TDoWebStuff ftp;
    ftp.IsFtp = 1;
    TDoNetConn network(drives);
    TDoDialup dialup(book);
    TDoAVI avi;
    TDoCDRom cd;
    TDoVolume volume(context);
    TDoDefPrint printer;
    TDoScreen screen;
    auto step = [this]<class D>(D*) {
        driver.Expect<D>([](D& f) {
            f.Buttons.HelpButton.Click();
            f.Close(IDCANCEL);
        });
    };
    std::initializer_list<TForm*> forms{&sound, &web, &ftp,    &network, &dialup,
                                        &avi,   &cd,  &volume, &printer, &screen};
    step(&sound), step(&web), step(&ftp), step(&network), step(&dialup), step(&avi), step(&cd),
        step(&volume), step(&printer), step(&screen);
    for (TForm* f : forms) f->ShowModal();
    EXPECT_EQ(help.Keywords, (std::vector<std::string>{
                                 "Set Sound", "Web Site URL", "Web FTP", "Network Connection",
                                 "Dial-Up Networking", "AVI Files", "CDROM Commands",
                                 "Speaker Controls", "Default Printer", "Screen Setting"}));
}

}  // namespace
}  // namespace orv::editor
