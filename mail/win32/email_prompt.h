// The run-time prompt of an e-mail command: in one of three modes it asks for
// the recipients, for the subject and text, or for the attachments, and hands
// its answers back as the command reads them. "&Abort Macro" ends the macro.
#pragma once

#include <string>
#include <vector>

#include "common/ui/win32/front_form.h"
#include "common/ui/win32/recipient_column.h"
#include "mail/mail_command.h"

namespace orv::player {

// It stays on top of every window and comes to the front of whatever program
// has the focus, although the player itself has no visible window.
class TDoTheEmail final : public TFrontForm {
  public:
    TDoTheEmail();

    // Set by the caller before the show.
    int Mode = EmailPromptMode::Recipients;
    std::string RecipientFile;
    // Read by the caller after it closed: set unless "&Continue" closed it.
    bool Aborted = true;
    EmailPromptAnswers Results;
    // The recipient file's offered lines (mode 1).
    std::vector<std::string> RecipientList;

    TPanel RecipPanel{*this, nullptr, {0, 0, 480, 286}};
    TLabel RecipHeading{*this, &RecipPanel, {8, 8, 464, 16}, "Select Recipients For Your E-Mail"};
    static constexpr RecipientColumnLayout ColumnLayout{.Top = 32,
                                                        .Width = 150,
                                                        .ListHeight = 104,
                                                        .ButtonsTop = 262,
                                                        .ButtonHeight = 17,
                                                        .NameWidth = 70,
                                                        .AddressLeft = 74,
                                                        .AddressWidth = 76};
    TRecipientColumn To{*this, &RecipPanel, 8, "To", ColumnLayout};
    TRecipientColumn CC{*this, &RecipPanel, 165, "CC", ColumnLayout};
    TRecipientColumn Blind{*this, &RecipPanel, 322, "Blind CC", ColumnLayout};

    TPanel TextPanel{*this, nullptr, {0, 0, 480, 286}};
    TLabel TextHeading{*this,
                       &TextPanel,
                       {8, 8, 464, 16},
                       "Enter Your Subject And Message To Send In Your E-Mail"};
    TLabel SubjectLabel{*this, &TextPanel, {8, 32, 100, 16}, "Subject"};
    TEdit Subject{*this, &TextPanel, {8, 48, 464, 21}};
    TLabel TextLabel{*this, &TextPanel, {8, 76, 100, 16}, "Text"};
    TMemo MyMemo{*this, &TextPanel, {8, 92, 464, 160}};
    TCheckBox Request{*this, &TextPanel, {8, 260, 250, 17}, "&Request Return Receipt"};

    TPanel AttachPanel{*this, nullptr, {0, 0, 480, 286}};
    TLabel AttachHeading{*this,
                         &AttachPanel,
                         {8, 8, 464, 16},
                         "Choose Your File Attachments To Send WIth Your E-Mail"};
    TLabel AttachLabel{*this, &AttachPanel, {8, 32, 200, 16}, "Attachment List"};
    TListBox AttachBox{*this, &AttachPanel, {8, 48, 370, 230}};
    TButton AddAttach{*this, &AttachPanel, {392, 48, 80, 25}, "A&dd"};
    TButton DeleteAttach{*this, &AttachPanel, {392, 80, 80, 25}, "De&lete"};

    TButton OkButton{*this, nullptr, {300, 292, 80, 25}, "&Continue", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {392, 292, 80, 25}, "&Abort Macro", ButtonRole::Cancel};

  protected:
    void FormShow() override;

  private:
    void LoadRecipients();
    void AddAttachClick();
    void DeleteAttachClick();
    void OkButtonClick();
    bool TypedRecipientsFit();
};

}  // namespace orv::player
