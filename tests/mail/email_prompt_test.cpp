#include <gtest/gtest.h>

#include "mail/email_prompt.h"

namespace orv::player {
namespace {

using Lines = std::vector<std::string>;

TEST(EmailPrompt, OffersOnlyLinesTheAnswerCanCarry) {
    EXPECT_TRUE(OfferedRecipientLines(std::nullopt).Lines.empty());
    OfferedRecipients offered =
        OfferedRecipientLines("Ann|a@x\r\nb@x\r\nTwo|a@x;b@x\r\nC\x01|c@x\nDee|d@x");
    EXPECT_EQ(offered.Lines, (Lines{"Ann|a@x", "b@x", "Dee|d@x"}));
    EXPECT_FALSE(offered.LongLinesLeftOut);
    // Cut at 255 this line would go to alice@mail.example.
    const std::string longLine = std::string(236, 'N') + "|alice@mail.example.org";
    offered = OfferedRecipientLines(std::string(255, 'a') + "\n" + longLine + "\nb@x");
    EXPECT_EQ(offered.Lines, (Lines{std::string(255, 'a'), "b@x"}));
    EXPECT_TRUE(offered.LongLinesLeftOut);
}

TEST(EmailPrompt, RecipientAnswersEndEachItemAndTheList) {
    EXPECT_EQ(RecipientAnswer("", "", {}), "\x01");
    EXPECT_EQ(RecipientAnswer(" Bo ", " bo@x ", {"Ann|a@x", "b@x"}), "Bo|bo@x;Ann|a@x;b@x;\x01");
    EXPECT_EQ(RecipientAnswer("Name only", " ", {}), "\x01");
    EXPECT_EQ(TypedRecipientFault("Bo", "bo@x"), "");
    EXPECT_EQ(TypedRecipientFault("Name only", ""), "");
    EXPECT_NE(TypedRecipientFault("B|o", "bo@x"), "");
    EXPECT_NE(TypedRecipientFault("B;o", "bo@x"), "");
    EXPECT_NE(TypedRecipientFault("Bo", "bo@x;c@x"), "");
    EXPECT_NE(TypedRecipientFault("Bo", "bo@x\x01"), "");
    // The dialogs and the send give one answer on what is an address.
    for (const char* address : {"bo@x, evil@y", "g:evil@y", "bo@x(evil@y)", "bo", "b o@x"})
        EXPECT_EQ(TypedRecipientFault("Bo", address), MailAddressFault(address) + ".") << address;
    EXPECT_NE(AttachmentFault("C:\\a;b.txt"), "");
    EXPECT_EQ(AttachmentFault("C:\\a b.txt"), "");
}

TEST(EmailPrompt, MessageAndAttachmentAnswers) {
    EmailPromptAnswers m = MessageAnswers("Body\r\ntext", "   ", true);
    EXPECT_EQ(m.First, "Body\r\ntext");
    EXPECT_EQ(m.Second, "No Subject");
    EXPECT_EQ(m.Third, "YES");
    EXPECT_EQ(MessageAnswers("", " Hi ", false).Second, "Hi");
    EXPECT_EQ(MessageAnswers("", "", false).Third, "NO");
    EXPECT_EQ(AttachmentAnswers({"C:\\a.txt", "D:\\b.zip"}).First, "C:\\a.txt;D:\\b.zip;\x01");
}

TEST(EmailPrompt, DeletingKeepsASelectionWhereThereIsOne) {
    EXPECT_EQ(SelectionAfterDelete(2, 2), 1);  // the last of three
    EXPECT_EQ(SelectionAfterDelete(0, 2), 0);
    EXPECT_EQ(SelectionAfterDelete(0, 0), -1);  // the only one
}

}  // namespace
}  // namespace orv::player
