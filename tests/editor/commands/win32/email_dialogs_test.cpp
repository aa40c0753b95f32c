#include "editor/commands/win32/email_dialogs.h"

#include <gtest/gtest.h>

#include "common/files.h"
#include "common/settings_store.h"
#include "common/win32/system_routines.h"
#include "editor/commands/win32/email_log.h"
#include "tests/common/library_fixture.h"
#include "tests/editor/commands/win32/command_dialog_testing.h"
#include "tests/support/scratch_folder.h"

namespace orv::editor {
namespace {

using testing::PressKey;

class EmailDialogsTest : public testing::CommandDialogTest {
  protected:
    EmailDialogsTest() {
        settings.EMailPath = listPath;
        settings.EMailLogPath = InFolder(folder.Path(), "MAILLOG.TXT");
        context.OpenPreferences = [this] { ++preferencesOpened; };
    }

    void WriteList(const std::string& text) { ASSERT_TRUE(ReplaceFileContents(listPath, text)); }

    orv::testing::ScratchFolder folder{"email"};
    std::string listPath = InFolder(folder.Path(), "ORVEMAIL.TXT");
    SettingsBlock settings;
    CommandContext context{settings};
    int preferencesOpened = 0;
};

TEST_F(EmailDialogsTest, EachModeEnablesItsControls) {
    TDoTheEmail d(context);
    driver.Expect<TDoTheEmail>([](TDoTheEmail& f) {
        EXPECT_TRUE(f.ChooseRecip.Checked() && f.FixedText.Checked() && f.NoAttach.Checked());
        EXPECT_TRUE(f.To.Person.Enabled() && f.Blind.List.Enabled());
        f.PromptRecip.Click();
        EXPECT_FALSE(f.To.Person.Enabled() || f.CC.List.Enabled() || f.Blind.NameButton.Enabled());
        EXPECT_TRUE(f.To.Heading.Enabled() && f.RecipPanel.Enabled());
        struct Row {
            TRadioButton& Mode;
            bool Subject, Memo, File;
        } rows[] = {{f.FileText, true, false, true},
                    {f.ClipText, true, false, false},
                    {f.PromptText, false, false, false},
                    {f.FixedText, true, true, false}};
        f.Pages.SetActivePage(f.TextPage);
        for (const Row& row : rows) {
            row.Mode.Click();
            EXPECT_EQ(f.Subject.Visible() && f.Subject.Enabled(), row.Subject);
            EXPECT_EQ(f.MyMemo.Visible() && f.MyMemo.Enabled(), row.Memo);
            EXPECT_EQ(f.FileName.Visible() && f.BrowseButton.Enabled(), row.File);
        }
        EXPECT_FALSE(f.AttachBox.Enabled() || f.AddAttach.Enabled());
        f.Pages.SetActivePage(f.AttachPage);
        f.ChooseAttach.Click();
        EXPECT_TRUE(f.AttachBox.Enabled() && f.DeleteAttach.Enabled());
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_TRUE(d.Confirmed());
    EXPECT_EQ(d.CommandText,
              "<EMAIL:RNR2S1\x01\x01"
              "A2\x01>");
    EXPECT_EQ(d.RecipientMode, 2);
    EXPECT_EQ(d.AttachMode, 2);
    ExpectEscapeCancels(d);
}

TEST_F(EmailDialogsTest, SwitchingNamesAndAddressesKeepsTheSelection) {
    WriteList("Ann|ann@x\r\nbob@x\r\nCy|cy@x\r\n");
    TDoTheEmail d(context);
    driver.Expect<TDoTheEmail>([](TDoTheEmail& f) {
        EXPECT_EQ(f.CC.List.Item(1), "");  // no name
        f.CC.List.SetSelected(1, true);
        f.CC.List.SetSelected(2, true);
        f.CC.AddressButton.Click();
        EXPECT_EQ(f.CC.List.Item(1), "bob@x");
        EXPECT_TRUE(f.CC.List.Selected(1) && f.CC.List.Selected(2) && !f.CC.List.Selected(0));
        f.CC.NameButton.Click();
        EXPECT_EQ(f.CC.List.Item(2), "Cy");
        EXPECT_TRUE(f.CC.List.Selected(1) && f.CC.List.Selected(2));
        f.Buttons.OkButton.Click();
    });
    d.ShowModal();
    EXPECT_EQ(d.CommandText,
              "<EMAIL:RNR1CCbob@x;Cy|cy@x;\x01S1\x01\x01"
              "A1>");
}

// A command made elsewhere, edited and confirmed unchanged, is the same
// command; one whose recipient left the list says what it cannot show.
TEST_F(EmailDialogsTest, EditingACommandKeepsIt) {
    WriteList("Ann|ann@x\r\nbob@x\r\n");
    TDoTheEmail d(context);
    const std::string token =
        "<EMAIL:RYR1TOTyped|t@x;bob@x;\x01"
        "BLAnn|ann@x;\x01S4C:\\body.txt\x01Re\x01"
        "A2C:\\a.zip;\x01>";
    d.FreshInsert = 0;
    d.CommandText = token;
    driver.Expect<TDoTheEmail>([](TDoTheEmail& f) {
        EXPECT_EQ(f.To.Person.Text(), "Typed");
        EXPECT_TRUE(f.To.List.Selected(1) && f.Blind.List.Selected(0));
        EXPECT_TRUE(f.FileText.Checked() && f.Request.Checked());
        f.Buttons.OkButton.Click();
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, token);
    EXPECT_EQ(d.TextMode, 4);

    d.CommandText = "<EMAIL:RNR1TOgone@x;left@x;\x01S2A1>";
    boxes.Expect(DroppedRecipientsNotice({"left@x"}), MsgResult::Ok, "Notice");
    driver.Expect<TDoTheEmail>([](TDoTheEmail& f) {
        EXPECT_EQ(f.To.Address.Text(), "gone@x");
        f.Buttons.OkButton.Click();
    });
    d.ShowModal();
    EXPECT_EQ(d.CommandText, "<EMAIL:RNR1TO|gone@x;\x01S2A1>");
}

TEST_F(EmailDialogsTest, ARefusalShowsThePageAndControl) {
    TDoTheEmail d(context);
    driver.Expect<TDoTheEmail>([this](TDoTheEmail& f) {
        f.Subject.SetText("a>b");
        EXPECT_EQ(f.Pages.ActivePage(), &f.RecipientsPage);
        ExpectRefusalThenEscape(f, f.Subject,
                                "The subject holds the character \">\", which would end the "
                                "command early.  Please remove it.");
        EXPECT_EQ(f.Pages.ActivePage(), &f.TextPage);
    });
    d.ShowModal();
    EXPECT_FALSE(d.Confirmed());
}

TEST_F(EmailDialogsTest, TheListEditorKeepsTheListSortedAndWritesItOnExit) {
    WriteList("bob|b@x\r\nann|a@x\r\n");
    TMyAddress d(context);
    driver.Expect<TMyAddress>([this](TMyAddress& f) {
        EXPECT_EQ(f.AddList.Item(0), "ann|a@x");
        EXPECT_EQ(f.AddList.ItemIndex(), 0);
        driver.Expect<TDoAnAddress>([this](TDoAnAddress& a) {
            EXPECT_EQ(a.EMailName.Text(), "ann");
            EXPECT_TRUE(a.EMailName.Focused());
            Enter(a, a.EMailName, "zoe");
            a.Buttons.OkButton.Click();
        });
        f.ModifyButton.Click();
        EXPECT_EQ(f.AddList.Item(1), "zoe|a@x");
        EXPECT_EQ(f.AddList.ItemIndex(), 1);

        // The address without "@": No keeps the entry open at the address.
        driver.Expect<TDoAnAddress>([this](TDoAnAddress& a) {
            Enter(a, a.EMailAddress, "nowhere");
            boxes.Expect(
                "There is no \"@\" character in the e-mail address.  This is most likely an "
                "invalid e-mail address.  Continue?",
                MsgResult::No, "Warning");
            a.Buttons.OkButton.Click();
            EXPECT_TRUE(a.IsOpen() && a.EMailAddress.Focused());
            boxes.Expect("No e-mail address specified.  Please correct.", MsgResult::Ok, "Error");
            Enter(a, a.EMailAddress, " ");
            a.Buttons.OkButton.Click();
            Enter(a, a.EMailAddress, "Al;x@x");
            boxes.Expect(TypedRecipientFault("", "Al;x@x"), MsgResult::Ok, "Error");
            a.Buttons.OkButton.Click();
            PressKey(a, VK_ESCAPE);
        });
        f.AddButton.Click();
        EXPECT_EQ(f.AddList.Count(), 2);
        f.OkButton.Click();
    });
    d.ShowModal();
    EXPECT_EQ(ReadWholeFile(listPath), "bob|b@x\r\nzoe|a@x\r\n");
}

TEST_F(EmailDialogsTest, AListThatCannotBeWrittenOffersThePreferences) {
    WriteList("ann|a@x\r\n");
    SetFileAttributesA(listPath.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string question =
        "Disk write failure.  Unable to save address information. The path and file name for "
        "E-Mail Address information may be invalid.  Would you like to edit the path and file "
        "name?";
    TMyAddress d(context);
    driver.Expect<TMyAddress>([&](TMyAddress& f) {
        f.DeleteButton.Click();
        boxes.Expect(question, MsgResult::Yes, "Error");
        f.OkButton.Click();
        EXPECT_TRUE(f.IsOpen());
        EXPECT_EQ(preferencesOpened, 1);
        boxes.Expect(question, MsgResult::No, "Error");
        f.OkButton.Click();
    });
    d.ShowModal();
    EXPECT_EQ(ReadWholeFile(listPath), "ann|a@x\r\n");
    SetFileAttributesA(listPath.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(EmailDialogsTest, OptionsStoreTheSectionAndTellThePlayer) {
    MemorySettingsStore store;
    Configs configs(store, settings, ProgramDir());
    orv::testing::RecordedNotices notices;
    settings.SMTPHost = "mail.example";
    TMyEmailOptions d(settings, configs, notices);
    driver.Expect<TMyEmailOptions>([&](TMyEmailOptions& f) {
        EXPECT_EQ(f.SMTPHost.Text(), "mail.example");
        EXPECT_EQ(f.SMTPPort.Text(), "25");
        EXPECT_EQ(f.SMTPPort.MaxLength(), 5);
        Enter(f, f.SMTPPort, "0");
        boxes.Expect(std::string(InvalidPortMessage), MsgResult::Ok, "Error");
        f.Buttons.OkButton.Click();
        EXPECT_TRUE(f.IsOpen() && f.SMTPPort.Focused());
        Enter(f, f.SMTPPort, "587");
        // A settings file that refuses the section keeps the dialog, untold.
        store.ReadOnly = true;
        boxes.Expect(SettingsNotSavedMessage, MsgResult::Ok, "Error");
        f.Buttons.OkButton.Click();
        EXPECT_TRUE(f.IsOpen());
        store.ReadOnly = false;
        Enter(f, f.EmailName, " Me ");
        f.Encoding.SetItemIndex(1);
        f.KeepLog.Click();
        f.Buttons.OkButton.Click();
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(settings.SMTPPort, 587);
    EXPECT_EQ(store.Raw("EMail", "SMTP Port"), "587");
    EXPECT_EQ(store.Raw("EMail", "EMail Name"), "Me");
    EXPECT_EQ(store.Raw("EMail", "Attachment Encoding"), "1");
    EXPECT_EQ(store.Raw("EMail", "Keep Log"), "Yes");
    EXPECT_EQ(notices.Posted, (std::vector<std::pair<int, int>>{{13, 0}}));
}

TEST_F(EmailDialogsTest, TheLogViewerShowsTheLoggedBytes) {
    {
        TMyEMailLog empty(settings);
        EXPECT_EQ(empty.Caption(), "Sent E-Mail Log (" + settings.EMailLogPath.str() + ")");
        driver.Expect<TMyEMailLog>([this](TMyEMailLog& f) {
            EXPECT_EQ(f.AddList.RowCount(), 2);
            boxes.Expect(NoLoggedRecordsMessage, MsgResult::Ok, "");
            f.ViewButton.Click();
            f.ExitButton.Click();
        });
        empty.ShowModal();
    }
    const std::string logPath = settings.EMailLogPath.str();
    ASSERT_TRUE(ReplaceFileContents(logPath, "one\r\nTo: ann\r\nbody\r\nrest"));
    MailLogIndexRecord r;
    r.ToName = "Ann";
    r.When = 45000.25;
    r.Offset = 5;
    r.Length = 15;
    r.HasCC = 1;
    MailLogIndexRecord::Image image = r.Encode();
    ASSERT_TRUE(
        ReplaceFileContents(MailLogIndexPath(logPath), std::string(image.begin(), image.end())));
    TMyEMailLog log(settings);
    driver.Expect<TMyEMailLog>([this](TMyEMailLog& f) {
        const MailLogRow& row = f.View().Rows.at(0);
        DateTimeParts when = DecodeDateTime(45000.25);
        EXPECT_EQ(SystemDateTimeText(*row.When), SystemDateText(when) + " " + SystemTimeText(when));
        driver.Expect<TMyEMailMess>([](TMyEMailMess& m) {
            EXPECT_EQ(m.MyMemo.Text(), "To: ann\r\nbody\r\n");
            EXPECT_TRUE(m.MyMemo.Focused() && m.MyMemo.ReadOnly());
            m.ExitButton.Click();
        });
        f.ViewButton.Click();
        f.ExitButton.Click();
    });
    log.ShowModal();
}

}  // namespace
}  // namespace orv::editor
