// The sound, web, network-drive and dial-up dialogs driven as their callers
// show them: over fakes of the system's lists, and over what Wine gives.
#include <gtest/gtest.h>

#include <fstream>

#include "common/ras_text.h"
#include "common/string_routines.h"
#include "common/win32/ras_api.h"
#include "editor/commands/win32/dialup_dialog.h"
#include "editor/commands/win32/network_dialog.h"
#include "editor/commands/win32/sound_web_dialogs.h"
#include "editor/commands/win32/system_device_lists.h"
#include "tests/editor/commands/fake_device_lists.h"
#include "tests/editor/commands/win32/command_dialog_testing.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/ui/recorded_shell.h"
#include "tests/support/ui/scripted_dialogs.h"

namespace orv::editor {
namespace {

using testing::PressKey;
using SoundNetworkDialogsTest = testing::CommandDialogTest;

const std::string WaveMissing(WaveMissingMessage);

std::string MakeFile(const std::string& path) {
    std::ofstream(path) << "RIFF";
    return path;
}

TEST_F(SoundNetworkDialogsTest, SoundBrowsesTestsAndRefusesAMissingWave) {
    orv::testing::ScratchFolder folder("sound");
    std::string wave = MakeFile(folder.Path() + "\\Long Ding Name.wav");
    orv::testing::RecordedSound sound;
    orv::testing::ScriptedFileDialogs files;
    files.ExpectOpen(wave);
    SettingsBlock settings;
    TDoSound d(settings);
    driver.Expect<TDoSound>([&](TDoSound& f) {
        EXPECT_TRUE(f.Beep.Checked() && f.Beep.Focused());
        EXPECT_EQ(f.Caption(), "Set Sound");
        f.Browse.Click();
        EXPECT_TRUE(f.WaveFile.Checked());
        f.Test.Click();
        f.WaitFor.Click();
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(files.Shown().at(0).Title, "Select Wave File");
    EXPECT_EQ(sound.Played, std::vector<std::string>{wave});
    EXPECT_EQ(d.CommandText, "<WAV1:" + wave + ">");  // as typed, not shortened
    EXPECT_EQ(d.OptionCode, 2);
    EXPECT_EQ(d.WaitToFinish, 1);

    driver.Expect<TDoSound>([&](TDoSound& f) {
        f.WaveFile.Click();
        Enter(f, f.ProgPath, folder.Path() + "\\none.wav");
        boxes.Expect(WaveMissing, MsgResult::Ok, "Error");
        f.Test.Click();
        EXPECT_TRUE(f.ProgPath.Focused());
        ExpectRefusalThenEscape(f, f.ProgPath, WaveMissing);
    });
    d.ShowModal();
    EXPECT_EQ(sound.Played.size(), 1u);
    ExpectEditKeepsTheLine<TDoSound, SoundInput>(d, "<WAV2:" + wave + ">");
    ExpectEditKeepsTheLine<TDoSound, SoundInput>(d, "<BEEP>");
}

TEST_F(SoundNetworkDialogsTest, AlarmModeEditsTheSettings) {
    orv::testing::ScratchFolder folder("alarm");
    std::string wave = MakeFile(folder.Path() + "\\alarm.wav");
    std::string gone = folder.Path() + "\\gone.wav";
    orv::testing::RecordedSound sound;
    SettingsBlock settings;
    settings.UseWaveFile = true;
    settings.WaveFile = gone;
    settings.WaveFileWait = true;
    TDoSound d(settings);
    d.AlarmMode = 1;
    driver.Expect<TDoSound>([&](TDoSound& f) {
        EXPECT_EQ(f.Caption(), "Scheduler Alarm");
        EXPECT_EQ(f.Beep.Text(), "None");
        EXPECT_FALSE(f.Buttons.HelpButton.Visible());
        EXPECT_TRUE(f.WaveFile.Checked() && f.WaitFor.Checked());
        EXPECT_EQ(f.ProgPath.Text(), gone);
        boxes.Expect(WaveMissing, MsgResult::Ok, "Error");
        f.Test.Click();
        ExpectRefusalThenEscape(f, f.ProgPath, WaveMissing);
    });
    d.ShowModal();
    EXPECT_TRUE(settings.UseWaveFile);
    EXPECT_TRUE(sound.Played.empty());

    // None turns the sound off without looking at the path.
    driver.Expect<TDoSound>([](TDoSound& f) {
        f.Beep.Click();
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_FALSE(settings.UseWaveFile);
    EXPECT_EQ(d.CommandText, "");

    driver.Expect<TDoSound>([&](TDoSound& f) {
        EXPECT_TRUE(f.Beep.Checked());
        f.WaveFile.Click();
        f.WaitFor.Click();
        Enter(f, f.ProgPath, wave);
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_TRUE(settings.UseWaveFile);
    EXPECT_FALSE(settings.WaveFileWait);
    EXPECT_EQ(settings.WaveFile.str(), wave);
}

TEST_F(SoundNetworkDialogsTest, WebAndFtpStartWithTheirScheme) {
    TDoWebStuff d;
    driver.Expect<TDoWebStuff>([this](TDoWebStuff& f) {
        EXPECT_EQ(f.Caption(), "Internet Web Site");
        EXPECT_EQ(f.Label2.Text(), "Web Site URL");
        EXPECT_EQ(f.ProgPath.Text(), "http://");
        EXPECT_TRUE(f.ProgPath.Focused());
        Enter(f, f.ProgPath, "www.x.com");
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<HTTP:http://www.x.com>");
    EXPECT_EQ(d.Url, "http://www.x.com");

    d.IsFtp = 1;
    driver.Expect<TDoWebStuff>([](TDoWebStuff& f) {
        EXPECT_EQ(f.Caption(), "Internet FTP");
        EXPECT_EQ(f.Label2.Text(), "FTP URL");
        EXPECT_EQ(f.ProgPath.Text(), "ftp://");
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<FTP:ftp://>");
    ExpectEditKeepsTheLine<TDoWebStuff, WebInput>(d, "<HTTP:http://x>");
}

TEST_F(SoundNetworkDialogsTest, NetworkDriveLayoutListsAndCommand) {
    testing::FakeNetworkDrives drives;
    drives.Drives = (1u << 2) | (1u << 3) | (1u << 4);  // C, D, E
    drives.Now = {{"E:", "\\\\srv\\e"}};
    drives.AtStartUp = {{"E:", "\\\\srv\\e"}, {"H:", "\\\\srv\\h"}};
    orv::testing::ScriptedFolderDialogs folders;
    folders.ExpectFolder("\\\\srv\\sh\\sub");
    TDoNetConn d(drives);
    driver.Expect<TDoNetConn>([&](TDoNetConn& f) {
        EXPECT_EQ(f.DriveBox.Item(2), "E:");  // connected, so offered again
        EXPECT_EQ(f.DriveBox.Count(), 24);
        EXPECT_EQ(f.DriveBox.ItemIndex(), 1);
        EXPECT_TRUE(f.DriveBox.Focused());
        EXPECT_TRUE(f.DoCon.Checked() && f.UseDefault.Checked());
        EXPECT_TRUE(f.ProgPath.Showing() && !f.ForceDisc.Showing());
        EXPECT_FALSE(IsWindowEnabled(f.LogName.Handle()));
        f.UseDefault.Click();
        EXPECT_TRUE(IsWindowEnabled(f.LogPass.Handle()));
        f.DoDisCon.Click();
        EXPECT_EQ(f.ConnMode, 2);
        EXPECT_TRUE(!f.ProgPath.Showing() && !f.LogName.Showing() && f.ForceDisc.Showing());
        EXPECT_EQ(f.ConnectLabel.Text(), "Disconnect");
        f.DoCon.Click();
        EXPECT_EQ(f.MakePerm.Text(), "&Make Connection Permanent (Map Drive on Windows Bootup)");

        f.Current.Click();
        EXPECT_EQ(f.CurrList.Count(), 1);
        f.Bootup.Click();
        EXPECT_EQ(f.BootList.Item(1), "H: mapped to \\\\srv\\h");
        f.Bootup.Click();
        EXPECT_EQ(f.BootList.Count(), 0);

        f.BrowseButton.Click();
        EXPECT_EQ(f.ProgPath.Text(), "\\\\srv\\sh");
        Enter(f, f.LogPass, "W");
        ExpectRefusalThenEscape(f, f.LogPass,
                                "The password holds the character \"W\", which cannot be stored "
                                "in a macro.  Please choose another password.");
    });
    d.ShowModal();
    EXPECT_EQ(folders.Titles, std::vector<std::string>{"Please choose a network drive"});
    EXPECT_EQ(folders.NetworkBrowses, 1);

    d.ConnMode = 1;
    driver.Expect<TDoNetConn>([](TDoNetConn& f) {
        f.ProgPath.SetText("\\\\srv\\sh");
        f.DispStatus.Click();
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<NWCS:<NAME:><PASS:>B:\\\\srv\\sh>");
    EXPECT_EQ(d.RawResource, "B:\\\\srv\\sh");
    // A stored password is shown plain, so OK unchanged writes it alike.
    ExpectEditKeepsTheLine<TDoNetConn, NetConnInput>(
        d, "<NWT:<NAME:bob><PASS:" + ScrambleText("abc") + ">G:\\\\s\\d>");
    EXPECT_EQ(d.LogPass.Text(), "abc");
    ExpectEditKeepsTheLine<TDoNetConn, NetConnInput>(d, "<NWDPF:E:>");
}

TEST_F(SoundNetworkDialogsTest, RealDriveListIsEveryFreeOrConnectedLetter) {
    TDoNetConn d;
    driver.Expect<TDoNetConn>([](TDoNetConn& f) {
        SystemNetworkDrives system;
        std::vector<std::string> expected = AvailableDrives(GetLogicalDrives(), system.Connected());
        ASSERT_EQ(f.DriveBox.Count(), static_cast<int>(expected.size()));
        for (int i = 0; i < f.DriveBox.Count(); ++i) EXPECT_EQ(f.DriveBox.Item(i), expected[i]);
        f.Current.Click();  // Wine has no network provider: nothing mapped
        EXPECT_EQ(f.CurrList.Count(), 0);
        PressKey(f, VK_ESCAPE);
    });
    d.ShowModal();
}

TEST_F(SoundNetworkDialogsTest, DialUpLayoutRetrieveAndCommands) {
    testing::FakePhoneBook book;
    book.Names = {"Office", "Home"};
    book.Stored["Office"] = {"me", std::nullopt};
    book.Stored["Home"] = {"you", "secret"};
    TDoDialup d(book);
    driver.Expect<TDoDialup>([&](TDoDialup& f) {
        EXPECT_TRUE(f.Dial.Checked());
        EXPECT_EQ(f.ClientHeight(), 294);
        EXPECT_TRUE(f.PhoneList.Showing());
        EXPECT_EQ(f.PhoneList.ItemIndex(), 0);
        Enter(f, f.Password, "typed");
        f.Button1.Click();  // no password stored: the typed one stays
        EXPECT_EQ(f.UserName.Text() + f.Password.Text(), "metyped");
        f.PhoneList.SetItemIndex(1);
        f.Button1.Click();
        EXPECT_EQ(f.UserName.Text() + f.Password.Text(), "yousecret");
        f.Hang.Click();
        EXPECT_EQ(f.ClientHeight(), 117);
        EXPECT_FALSE(f.PhoneList.Showing());
        EXPECT_EQ(f.Buttons.Row.GetBounds().Top, 80);
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(book.Asked, (std::vector<std::string>{"Office", "Home"}));
    EXPECT_EQ(d.CommandText, "<HANG>");
    EXPECT_EQ(d.OptionCode, 2);
    EXPECT_EQ(d.EntryName, "");

    ExpectEditKeepsTheLine<TDoDialup, DialupInput>(
        d, "<DIAL:<NAME:me><PASS:" + ScrambleText("abc") + ">Home>");
    EXPECT_EQ(d.EntryName, "Home");
    EXPECT_EQ(d.DialPassword, ScrambleText("abc"));

    // The line's entry was removed from the phone book: no row is chosen.
    d.FreshInsert = 0;
    d.LoadInput({true, "Gone", "me", ""});
    driver.Expect<TDoDialup>([this](TDoDialup& f) {
        EXPECT_EQ(f.PhoneList.ItemIndex(), -1);
        ExpectRefusalThenEscape(f, f.PhoneList, std::string(NoEntryMessage));
    });
    d.ShowModal();
}

TEST_F(SoundNetworkDialogsTest, DialUpOverWinesLibrary) {
    const RasApi missing("orvane-no-such-ras.dll");
    EXPECT_FALSE(missing.Loaded());
    boxes.Expect(std::string(RasMissingText), MsgResult::Ok, "Warning");
    RasMissingMessage();

    // Wine's library loads and lists no entries.
    ASSERT_TRUE(RasLoaded());
    TDoDialup d;
    driver.Expect<TDoDialup>([this](TDoDialup& f) {
        EXPECT_EQ(f.PhoneList.Count(), 0);
        boxes.Expect(std::string(NoEntryMessage), MsgResult::Ok, "Error");
        f.Button1.Click();
        ExpectRefusalThenEscape(f, f.PhoneList, std::string(NoEntryMessage));
    });
    d.ShowModal();
}

}  // namespace
}  // namespace orv::editor
