// The e-mail command's windows driven as the user would: the run-time prompt
// in its three modes, the status window, and the clipboard the command reads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "common/files.h"
#include "common/script/email_command.h"
#include "common/ui/win32/display.h"
#include "common/win32/system_routines.h"
#include "mail/email_prompt.h"
#include "mail/win32/email_prompt.h"
#include "mail/win32/email_status.h"
#include "mail/win32/win32_mail_host.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_picture.h"
#include "tests/support/ui/form_testing.h"

namespace orv::player {
namespace {

using orv::testing::ModalDriver;
using orv::testing::PressKey;
using orv::testing::TypeText;
using orv::testing::WriteFormPicture;
using Lines = std::vector<std::string>;

bool Topmost(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

Lines Items(const TListBox& list) {
    Lines items;
    for (int i = 0; i < list.Count(); ++i) items.push_back(list.Item(i));
    return items;
}

MailDesk DeskReading(const std::string& recipientFile) {
    MailDesk desk;
    desk.RecipientFile = [recipientFile] { return recipientFile; };
    return desk;
}

class EmailPromptForm : public ::testing::Test {
  protected:
    std::optional<EmailPromptAnswers> Ask(int mode) { return host.GetTheEMail(mode); }

    orv::testing::ScratchFolder folder{"emailprompt"};
    std::string recipientFile = InFolder(folder.Path(), "ORVEMAIL.TXT");
    Win32MailHost host{DeskReading(recipientFile)};
    ModalDriver driver;
};

TEST_F(EmailPromptForm, WithoutARecipientFileTypedRecipientsStillWork) {
    driver.Expect<TDoTheEmail>([](TDoTheEmail& f) {
        EXPECT_EQ(f.Caption(), "Send E-Mail");
        EXPECT_TRUE(Topmost(f.Handle()));
        EXPECT_TRUE(f.RecipPanel.Showing());
        EXPECT_FALSE(f.TextPanel.Showing());
        EXPECT_FALSE(f.AttachPanel.Showing());
        EXPECT_EQ(f.To.List.Count(), 0);
        EXPECT_TRUE(f.To.Person.Focused());
        TypeText(f, " Bob ");
        f.To.Address.SetText("bob@example.org ");
        f.Blind.Address.SetText("hid@example.org");
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(Ask(EmailPromptMode::Recipients),
              (EmailPromptAnswers{"Bob|bob@example.org;\x01", "\x01", "|hid@example.org;\x01"}));

    driver.Expect<TDoTheEmail>([](TDoTheEmail& f) { f.OkButton.Click(); });
    EXPECT_EQ(Ask(EmailPromptMode::Recipients), (EmailPromptAnswers{"\x01", "\x01", "\x01"}));
}

TEST_F(EmailPromptForm, ListedRecipientsKeepTheirSelectionByNameOrAddress) {
    ASSERT_TRUE(
        ReplaceFileContents(recipientFile, "Ann|ann@x.org\r\nbare@x.org\r\nTwo|a@x;b@x\r\n" +
                                               std::string(256, 'L') + "\r\nCarl|carl@x.org\r\n"));
    orv::testing::ScriptedMessageBoxes boxes;
    boxes.Expect(LongRecipientLinesText, MsgResult::Ok, "Error");
    boxes.Expect("A recipient's name cannot hold \"|\": it separates the name from the address.",
                 MsgResult::Ok, "Error");
    boxes.Expect(MailAddressFault("bob@x.org (evil@y.org)") + ".", MsgResult::Ok, "Error");
    driver.Expect<TDoTheEmail>([](TDoTheEmail& f) {
        // The line holding ";" would split the answer: it is not offered.
        EXPECT_EQ(Items(f.CC.List), (Lines{"Ann", "", "Carl"}));
        f.CC.List.SetSelected(0, true);
        f.CC.List.SetSelected(2, true);
        f.CC.AddressButton.Click();
        EXPECT_EQ(Items(f.CC.List), (Lines{"ann@x.org", "bare@x.org", "carl@x.org"}));
        EXPECT_TRUE(f.CC.List.Selected(0));
        EXPECT_FALSE(f.CC.List.Selected(1));
        EXPECT_TRUE(f.CC.List.Selected(2));
        EXPECT_EQ(Items(f.To.List), (Lines{"Ann", "", "Carl"}));  // the other boxes stay
        f.Blind.List.SetSelected(1, true);
        f.To.Person.SetText("B|ob");
        f.To.Address.SetText("bob@x.org");
        f.OkButton.Click();
        EXPECT_TRUE(f.IsOpen());
        EXPECT_TRUE(f.To.Person.Focused());
        f.To.Person.SetText("Bob");
        f.To.Address.SetText("bob@x.org (evil@y.org)");
        f.OkButton.Click();
        EXPECT_TRUE(f.IsOpen());
        EXPECT_TRUE(f.To.Address.Focused());
        f.To.Address.SetText("bob@x.org");
        f.OkButton.Click();
    });
    EXPECT_EQ(Ask(EmailPromptMode::Recipients),
              (EmailPromptAnswers{"Bob|bob@x.org;\x01", "Ann|ann@x.org;Carl|carl@x.org;\x01",
                                  "bare@x.org;\x01"}));
}

TEST_F(EmailPromptForm, TheMessageModeAnswersTextSubjectAndReceipt) {
    driver.Expect<TDoTheEmail>([](TDoTheEmail& f) {
        EXPECT_TRUE(f.TextPanel.Showing());
        EXPECT_FALSE(f.RecipPanel.Showing());
        EXPECT_TRUE(f.Subject.Focused());
        TypeText(f, "   ");
        f.MyMemo.SetLines({"Dear all,", "see you."});
        f.Request.Click();
        f.OkButton.Click();
    });
    EXPECT_EQ(Ask(EmailPromptMode::Message),
              (EmailPromptAnswers{"Dear all,\r\nsee you.", "No Subject", "YES"}));
}

TEST_F(EmailPromptForm, AttachmentsAreAddedAndDeletedAndAbortingAnswersNothing) {
    orv::testing::ScriptedFileDialogs files;
    files.ExpectOpen("C:\\one.txt");
    files.ExpectOpen(std::nullopt);
    files.ExpectOpen("C:\\two.zip");
    files.ExpectOpen("C:\\three.doc");
    driver.Expect<TDoTheEmail>([](TDoTheEmail& f) {
        EXPECT_TRUE(f.AttachPanel.Showing());
        EXPECT_FALSE(f.TextPanel.Showing());
        for (int i = 0; i < 4; ++i) f.AddAttach.Click();
        EXPECT_TRUE(Topmost(f.Handle()));  // again after the file dialog
        EXPECT_EQ(Items(f.AttachBox), (Lines{"C:\\one.txt", "C:\\two.zip", "C:\\three.doc"}));
        f.AttachBox.SetItemIndex(2);
        f.DeleteAttach.Click();
        EXPECT_EQ(f.AttachBox.ItemIndex(), 1);
        f.OkButton.Click();
    });
    EXPECT_EQ(Ask(EmailPromptMode::Attachments),
              (EmailPromptAnswers{"C:\\one.txt;C:\\two.zip;\x01", "", ""}));
    ASSERT_EQ(files.Shown().size(), 4u);
    const FileDialogOptions& shown = files.Shown()[0];
    EXPECT_EQ(shown.Title, "Select File For Attachment");
    EXPECT_EQ(shown.Filter,
              "All Files (*.*)|*.*|Zip Files (*.ZIP)|*.ZIP|Text Files (*.TXT)|*.TXT|"
              "Word Files (*.DOC)|*.DOC");
    EXPECT_TRUE(shown.FileMustExist);
    EXPECT_TRUE(shown.HideReadOnly);

    driver.Expect<TDoTheEmail>([](TDoTheEmail& f) {
        f.AttachBox.AddItem("C:\\only.txt");
        f.AttachBox.SetItemIndex(0);
        f.DeleteAttach.Click();
        EXPECT_EQ(f.AttachBox.ItemIndex(), -1);
        PressKey(f, VK_ESCAPE);
    });
    EXPECT_EQ(Ask(EmailPromptMode::Attachments), std::nullopt);
}

TEST(EmailStatusWindow, ShowsTheCallersCaptionAndTextOnTopUntilClosed) {
    // The window a macro types in keeps the focus.
    TForm work("Work", "Work", 120, 40);
    work.Show();
    ASSERT_TRUE(orv::testing::PumpUntil([&] { return GetForegroundWindow() == work.Handle(); }));
    TEMailStatus status;
    status.Open("Dial-Up Networking");
    ASSERT_TRUE(status.IsOpen());
    orv::testing::Pump(status);
    EXPECT_EQ(GetForegroundWindow(), work.Handle());
    EXPECT_EQ(status.Caption(), "Dial-Up Networking");
    EXPECT_TRUE(Topmost(status.Handle()));
    EXPECT_FALSE(status.IsModal());
    RECT client{};
    GetClientRect(status.Handle(), &client);
    EXPECT_EQ(client.right, Scaled(367));
    EXPECT_EQ(client.bottom, Scaled(34));
    status.SetStatusText("Connecting");
    char text[64] = {};
    GetWindowTextA(status.MyStatus.Handle(), text, sizeof text);
    EXPECT_STREQ(text, "Connecting");
    HWND window = status.Handle();
    status.Close();
    EXPECT_FALSE(IsWindow(window));
}

TEST(MailClipboard, TheCommandReadsTheClipboardsText) {
    Win32MailHost host{MailDesk{}};
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(host.ClipboardText(), std::nullopt);

    const std::string text = "line one\r\ncaf\xE9";
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    EXPECT_EQ(host.ClipboardText(), text);
}

TEST(FormPictures, EmailPromptAndStatus) {
    const char* wanted = std::getenv("ORVANE_FORM_PICTURES");
    std::string folder = wanted && *wanted ? wanted : ProgramDir() + "\\form-pictures";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int mode : {1, 2, 3}) {
        TDoTheEmail prompt;
        prompt.Mode = mode;
        std::string path = folder + "\\TDoTheEmail" + std::to_string(mode) + ".bmp";
        EXPECT_TRUE(WriteFormPicture(prompt, path)) << path;
    }
    TEMailStatus status;
    status.MyStatus.SetText("45% Transferred");
    EXPECT_TRUE(WriteFormPicture(status, folder + "\\TEMailStatus.bmp"));
}

}  // namespace
}  // namespace orv::player
