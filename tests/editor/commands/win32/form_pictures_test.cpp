// Writes a picture of every form of this area into the folder named by
// ORVANE_FORM_PICTURES (scripts/form-pictures sets it), else into a folder
// beside the tests, and checks that each was written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "common/settings_store.h"
#include "common/sync_record.h"
#include "common/win32/system_routines.h"
#include "editor/commands/win32/date_time_dialog.h"
#include "editor/commands/win32/device_dialogs.h"
#include "editor/commands/win32/dialup_dialog.h"
#include "editor/commands/win32/email_dialogs.h"
#include "editor/commands/win32/email_log.h"
#include "editor/commands/win32/flow_dialogs.h"
#include "editor/commands/win32/media_dialogs.h"
#include "editor/commands/win32/file_dialogs.h"
#include "editor/commands/win32/mouse_dialogs.h"
#include "editor/commands/win32/network_considerations.h"
#include "editor/commands/win32/network_dialog.h"
#include "editor/commands/win32/sound_web_dialogs.h"
#include "editor/commands/win32/symbol_search_dialogs.h"
#include "editor/commands/win32/system_dialogs.h"
#include "editor/commands/win32/text_dialog.h"
#include "editor/commands/win32/wait_dialog.h"
#include "editor/commands/win32/window_dialogs.h"
#include "tests/editor/commands/fake_device_lists.h"
#include "tests/support/ui/form_picture.h"
#include "tests/support/ui/form_testing.h"

namespace orv::editor {
namespace {

using orv::testing::WriteFormPicture;

struct QuietHost final : NetworkLockHost {
    void ReloadShared() override {}
    void SetNetTimer(bool) override {}
    void SetSyncTimer(bool) override {}
};

TEST(FormPictures, EveryCommandForm) {
    const char* wanted = std::getenv("ORVANE_FORM_PICTURES");
    std::string folder = wanted && *wanted ? wanted : ProgramDir() + "\\form-pictures";
    CreateDirectoryA(folder.c_str(), nullptr);

    SettingsBlock settings;
    MemorySettingsStore store;
    Configs configs(store, settings, ProgramDir());
    PlainSyncFileAccess files;
    QuietHost host;
    NoNotices notices;
    NetworkLock lock(LibraryOwner::Editor, settings, files, host, notices);

    TDoDelay2 delay;
    delay.DelSecs.SetChecked(true);
    CommandContext context{settings};
    TDoDelay number(context);
    number.DelayMode = 5;
    TDoPausePos pause;
    TDoRepeat repeat;
    TDoSpeed speed;
    TDoSwap swap;
    TDoRemark remark;
    TNetworkConsiderations network(settings, configs, lock, notices);
    TModText text(context);
    text.NewFormat.SetText("Dear <SHIFT>sir<ENTER>");
    TDateOrTime date(context);
    TDoSpecial symbols(context);
    TDoSearch search;
    TDoActive active;
    TDoSizeIt sizeIt;
    TDoSystemCommand control;
    TDoMouse mouse;
    TDoClipboard clipboard;
    TDoKeyUpDown keys;
    TDoWaitWin wait(context);
    wait.WaitTitle.SetChecked(true);
    TDoDOSFiles dosFiles;
    TDoExplore explore;
    TDoNick nick(context);
    TDoRecycle recycle(context);
    TDoReboot reboot;
    TDoSysControls system;
    TDoTBox box;
    TDoEncrypt encrypt;
    TDoSound sound(settings);
    TDoWebStuff web;
    testing::FakeNetworkDrives drives;
    TDoNetConn netConn(drives);
    testing::FakePhoneBook book;
    book.Names = {"Office", "Home"};
    TDoDialup dialup(book);
    TDoAVI avi;
    TDoCDRom cd;
    TDoVolume volume(context);
    testing::FakePrinterList printers;
    printers.Names = {"HP LaserJet"};
    TDoDefPrint printer(printers);
    testing::FakeDisplayModes modes;
    modes.List = {{640, 480, 8, 60}, {1024, 768, 32, 60}};
    TDoScreen screen(modes);
    TDoTheEmail email(context);
    TMyAddress addresses(context);
    TDoAnAddress address;
    TMyEMailMess message;
    TMyEmailOptions emailOptions(settings, configs, notices);
    TMyEMailLog mailLog(settings);
    const std::initializer_list<TForm*> forms = {
        &delay,   &pause,    &repeat,    &speed,   &swap,    &remark,       &number,
        &network, &active,   &sizeIt,    &control, &mouse,   &clipboard,    &keys,
        &wait,    &dosFiles, &explore,   &nick,    &recycle, &reboot,       &system,
        &box,     &encrypt,  &text,      &date,    &symbols, &search,       &sound,
        &web,     &netConn,  &dialup,    &avi,     &cd,      &volume,       &printer,
        &screen,  &email,    &addresses, &address, &message, &emailOptions, &mailLog};
    for (TForm* form : forms) {
        std::string path = folder + "\\" + form->Name() + ".bmp";
        EXPECT_TRUE(WriteFormPicture(*form, path)) << path;
        EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
    }
    orv::testing::ClickEachRadioOf(forms);
}

}  // namespace
}  // namespace orv::editor
