// The e-mail command dialog TDoTheEmail, the recipient list editor TMyAddress,
// one recipient TDoAnAddress, and the read-only message window TMyEMailMess.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/ui/win32/page_control.h"
#include "common/ui/win32/recipient_column.h"
#include "editor/commands/command_context.h"
#include "editor/commands/email_commands.h"
#include "editor/commands/recipient_list.h"
#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {

class TDoTheEmail : public TCommandDialog {
  public:
    explicit TDoTheEmail(CommandContext& context);
    std::int32_t RecipientMode = 1;
    std::int32_t TextMode = 1;
    std::int32_t AttachMode = 1;

    TAPageControl Pages{*this, nullptr, {8, 8, 584, 344}};
    TTabSheet RecipientsPage{Pages, "&Recipients"};
    TRadioButton ChooseRecip{*this, &RecipientsPage, {8, 10, 120, 18}, "Choose &Now"};
    TRadioButton PromptRecip{*this, &RecipientsPage, {136, 10, 180, 18}, "&Prompt For Recipients"};
    TButton Button1{*this, &RecipientsPage, {404, 6, 160, 25}, "&Modify Recipient List"};
    TPanel RecipPanel{*this, &RecipientsPage, {8, 38, 560, 272}};
    static constexpr RecipientColumnLayout ColumnLayout{.Top = 0,
                                                        .Width = 176,
                                                        .ListHeight = 122,
                                                        .ButtonsTop = 250,
                                                        .ButtonHeight = 18,
                                                        .NameWidth = 80,
                                                        .AddressLeft = 88,
                                                        .AddressWidth = 80};
    TRecipientColumn To{*this, &RecipPanel, 0, "To", ColumnLayout};
    TRecipientColumn CC{*this, &RecipPanel, 192, "CC", ColumnLayout};
    TRecipientColumn Blind{*this, &RecipPanel, 384, "Blind CC", ColumnLayout};

    TTabSheet TextPage{Pages, "&Subject && Text"};
    TRadioButton FixedText{*this, &TextPage, {8, 10, 200, 18}, "Send &Fixed Text"};
    TRadioButton PromptText{*this, &TextPage, {8, 32, 200, 18}, "Prompt For Sub&ject && Text"};
    TRadioButton ClipText{*this, &TextPage, {8, 54, 200, 18}, "S&end Text From Clipboard"};
    TRadioButton FileText{*this, &TextPage, {8, 76, 200, 18}, "Send &Text From File"};
    TCheckBox Request{*this, &TextPage, {8, 110, 200, 18}, "Req&uest Return Receipt"};
    TLabel SubjectLabel{*this, &TextPage, {220, 10, 200, 16}, "E-Mail Subject"};
    TEdit Subject{*this, &TextPage, {220, 26, 344, 21}};
    TLabel MemoLabel{*this, &TextPage, {220, 56, 200, 16}, "Text"};
    TMemo MyMemo{*this, &TextPage, {220, 72, 344, 236}};
    TLabel FileNameLabel{*this, &TextPage, {220, 56, 200, 16}, "File Name"};
    TEdit FileName{*this, &TextPage, {220, 72, 262, 21}};
    TButton BrowseButton{*this, &TextPage, {489, 70, 75, 25}, "&Browse"};

    TTabSheet AttachPage{Pages, "&Attachments"};
    TRadioButton NoAttach{*this, &AttachPage, {8, 10, 200, 18}, "No Atta&chment"};
    TRadioButton ChooseAttach{*this, &AttachPage, {8, 32, 200, 18}, "Choose Attachment N&ow"};
    TRadioButton PromptAttach{*this, &AttachPage, {8, 54, 200, 18}, "Prompt For Attac&hment"};
    TLabel AttachLabel{*this, &AttachPage, {220, 10, 200, 16}, "Attachment List"};
    TListBox AttachBox{*this, &AttachPage, {220, 26, 344, 246}};
    TButton AddAttach{*this, &AttachPage, {220, 280, 75, 25}, "A&dd"};
    TButton DeleteAttach{*this, &AttachPage, {303, 280, 75, 25}, "De&lete"};

    TButtonRow Buttons{*this, 360, 8};

    void LoadInput(const EmailInput& input);
    EmailInput ReadInput() const;
    void EnableDisable();
    void LoadRecipients();
    void Button1Click();
    void BrowseButtonClick();
    void AddAttachClick();
    void DeleteAttachClick();

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    TControl& ControlOf(EmailField field);
    TRecipientColumn* Sections(std::size_t index);

    CommandContext& context_;
    RecipientList recipients_;
};

// The recipient list as a whole, kept sorted; Exit writes the file.
class TMyAddress : public TForm {
  public:
    explicit TMyAddress(CommandContext& context);

    TListBox AddList{*this, nullptr, {8, 8, 420, 260}};
    TButton AddButton{*this, nullptr, {436, 8, 75, 25}, "&Add"};
    TButton ModifyButton{*this, nullptr, {436, 40, 75, 25}, "&Modify"};
    TButton DeleteButton{*this, nullptr, {436, 72, 75, 25}, "&Delete"};
    TButton OkButton{*this, nullptr, {436, 243, 75, 25}, "E&xit"};

    const RecipientList& Recipients() const { return list_; }
    void AddButtonClick();
    void ModifyButtonClick();
    void DeleteButtonClick();
    void OkButtonClick();

  protected:
    void FormShow() override;

  private:
    void AddListDrawItem(TCanvas& canvas, int index, const RECT& rect, bool selected) const;
    // Sorts the list, shows it and selects the row that holds line.
    void ShowSorted(const std::string& line);

    CommandContext& context_;
    RecipientList list_;
};

class TDoAnAddress : public TForm {
  public:
    TDoAnAddress();
    std::string RecipientLine;

    TLabel NameLabel{*this, nullptr, {8, 10, 200, 16}, "Recipient Name"};
    TEdit EMailName{*this, nullptr, {8, 26, 300, 21}};
    TLabel AddressLabel{*this, nullptr, {8, 56, 200, 16}, "E-Mail Address"};
    TEdit EMailAddress{*this, nullptr, {8, 72, 300, 21}};
    TButtonRow Buttons{*this, 106, 8, false};

  protected:
    void FormShow() override;
    void OkButtonClick();
};

class TMyEMailMess : public TForm {
  public:
    TMyEMailMess();

    TMemo MyMemo{*this, nullptr, {8, 8, 520, 320}};
    TButton ExitButton{*this, nullptr, {453, 336, 75, 25}, "E&xit", ButtonRole::Cancel};

  protected:
    void FormShow() override;
};

}  // namespace orv::editor
