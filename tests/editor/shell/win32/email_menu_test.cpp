// The options menu's e-mail items, driven as the user would.
#include "editor/shell/win32/email_menu.h"

#include <gtest/gtest.h>

#include "common/files.h"
#include "editor/commands/win32/email_dialogs.h"
#include "editor/commands/win32/email_log.h"
#include "editor/shell/win32/editor_launchers.h"
#include "tests/editor/shell/win32/main_window_fixture.h"

namespace orv::editor {
namespace {

using testing::Posts;

class EmailMenuTest : public testing::MainWindowFixture {
  protected:
    EmailMenuTest() {
        settings.EMailPath = listPath;
        settings.EMailLogPath = folder / "MAILLOG.TXT";
    }
    std::string listPath = folder / "ORVEMAIL.TXT";
};

TEST_F(EmailMenuTest, OptionsOpenTheLogAndTellThePlayer) {
    TMainWin& m = Open();
    InstallEmailDialogs(m, context);
    orv::testing::ModalDriver driver;  // after the main window's show
    driver.Expect<TMyEmailOptions>([&driver](TMyEmailOptions& f) {
        driver.Expect<TMyEMailLog>([](TMyEMailLog& log) { log.ExitButton.Click(); });
        f.ViewLog.Click();
        f.Buttons.OkButton.Click();
    });
    m.MenuEmail.Click();
    EXPECT_EQ(player.Only({NoticeCode::EMailSettingsChanged}), (Posts{{13, 0}}));
    EXPECT_EQ(store.Raw("EMail", "SMTP Port"), "25");
}

// A list that cannot be written: Yes leads to the preferences (not there
// yet), writes the "Misc" section and tells the player; the list stays open
// until No gives up.
TEST_F(EmailMenuTest, RecipientsAreWrittenOrThePathOffered) {
    TMainWin& m = Open();
    InstallEmailDialogs(m, context);
    orv::testing::ModalDriver driver;
    driver.Expect<TMyAddress>([&driver](TMyAddress& f) {
        driver.Expect<TDoAnAddress>([](TDoAnAddress& a) {
            a.EMailName.SetText("Ann");
            a.EMailAddress.SetText("ann@x");
            a.Buttons.OkButton.Click();
        });
        f.AddButton.Click();
        f.OkButton.Click();
    });
    m.MenuAddress.Click();
    EXPECT_EQ(ReadWholeFile(listPath), "Ann|ann@x\r\n");

    SetFileAttributesA(listPath.c_str(), FILE_ATTRIBUTE_READONLY);
    driver.Expect<TMyAddress>([this](TMyAddress& f) {
        boxes.Expect(
            "Disk write failure.  Unable to save address information. The path and file name "
            "for E-Mail Address information may be invalid.  Would you like to edit the path "
            "and file name?",
            MsgResult::Yes, "Error");
        boxes.Expect(NotAvailableYetMessage);
        f.OkButton.Click();
        EXPECT_TRUE(f.IsOpen());
        boxes.Expect(
            "Disk write failure.  Unable to save address information. The path and file name "
            "for E-Mail Address information may be invalid.  Would you like to edit the path "
            "and file name?",
            MsgResult::No, "Error");
        f.OkButton.Click();
    });
    m.MenuAddress.Click();
    EXPECT_EQ(player.Only({NoticeCode::MiscSettingsChanged}), (Posts{{15, 0}}));
    EXPECT_TRUE(store.Has("Misc", "EMail Path"));
    SetFileAttributesA(listPath.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace orv::editor
