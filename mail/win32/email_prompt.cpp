#include "mail/win32/email_prompt.h"

#include "common/files.h"
#include "common/message_boxes.h"
#include "common/script/email_command.h"
#include "common/string_routines.h"
#include "common/ui/win32/services.h"
#include "mail/email_prompt.h"

namespace orv::player {

namespace {

constexpr const char* errorCaption = "Error";

std::vector<std::string> SelectedLines(const TRecipientColumn& column,
                                       const std::vector<std::string>& lines) {
    std::vector<std::string> selected;
    for (int row : column.SelectedRows()) {
        if (row < static_cast<int>(lines.size()))
            selected.push_back(lines[static_cast<std::size_t>(row)]);
    }
    return selected;
}

void ShowError(const std::string& text) {
    CurrentMessageBoxes().Show(errorCaption, text, MsgStyle::Ok | MB_TOPMOST);
}

}  // namespace

TDoTheEmail::TDoTheEmail() : TFrontForm("TDoTheEmail", "Send E-Mail", 480, 324) {
    for (TRecipientColumn* column : {&To, &CC, &Blind}) column->ShowLinesOnSwitch(RecipientList);
    AddAttach.OnClick = [this] { AddAttachClick(); };
    DeleteAttach.OnClick = [this] { DeleteAttachClick(); };
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
}

void TDoTheEmail::FormShow() {
    TFrontForm::FormShow();
    Aborted = true;
    Results = {};
    RecipPanel.SetVisible(Mode == EmailPromptMode::Recipients);
    TextPanel.SetVisible(Mode == EmailPromptMode::Message);
    AttachPanel.SetVisible(Mode == EmailPromptMode::Attachments);
    if (Mode == EmailPromptMode::Recipients) {
        LoadRecipients();
        To.Person.SetFocus();
    } else if (Mode == EmailPromptMode::Message) {
        MyMemo.SetText("");
        Subject.SetFocus();
    } else {
        AddAttach.SetFocus();
    }
}

void TDoTheEmail::LoadRecipients() {
    OfferedRecipients offered = OfferedRecipientLines(ReadWholeFile(RecipientFile));
    RecipientList = std::move(offered.Lines);
    if (offered.LongLinesLeftOut)
        ShowError(LongRecipientLinesText);
    for (TRecipientColumn* column : {&To, &CC, &Blind}) {
        column->NameButton.SetChecked(true);
        column->List.ClearItems();
        column->ShowLines(RecipientList);
    }
}

void TDoTheEmail::AddAttachClick() {
    FileDialogOptions options;
    options.Title = "Select File For Attachment";
    options.Filter =
        "All Files (*.*)|*.*|Zip Files (*.ZIP)|*.ZIP|Text Files (*.TXT)|*.TXT|"
        "Word Files (*.DOC)|*.DOC";
    options.HideReadOnly = true;
    options.FileMustExist = true;
    // The file dialog must be able to come over the form.
    SetStayOnTop(false);
    std::optional<std::string> file = CurrentFileDialogs().Open(Handle(), options);
    SetStayOnTop(true);
    if (!file)
        return;
    if (std::string fault = AttachmentFault(*file); !fault.empty()) {
        ShowError(fault);
        return;
    }
    AttachBox.AddItem(*file);
}

void TDoTheEmail::DeleteAttachClick() {
    const int selected = AttachBox.ItemIndex();
    if (selected < 0)
        return;
    AttachBox.DeleteItem(selected);
    AttachBox.SetItemIndex(SelectionAfterDelete(selected, AttachBox.Count()));
}

bool TDoTheEmail::TypedRecipientsFit() {
    for (TRecipientColumn* column : {&To, &CC, &Blind}) {
        if (std::string fault = TypedRecipientFault(TrimStr(column->Person.Text()),
                                                    TrimStr(column->Address.Text()));
            !fault.empty()) {
            ShowError(fault);
            bool inName = !RecipientLineFault(column->Person.Text(), "").empty();
            (inName ? column->Person : column->Address).SetFocus();
            return false;
        }
    }
    return true;
}

void TDoTheEmail::OkButtonClick() {
    if (Mode == EmailPromptMode::Recipients) {
        if (!TypedRecipientsFit())
            return;
        auto answer = [this](const TRecipientColumn& c) {
            return RecipientAnswer(c.Person.Text(), c.Address.Text(),
                                   SelectedLines(c, RecipientList));
        };
        Results = {answer(To), answer(CC), answer(Blind)};
    } else if (Mode == EmailPromptMode::Message) {
        Results = MessageAnswers(MyMemo.Text(), Subject.Text(), Request.Checked());
    } else {
        std::vector<std::string> paths;
        for (int i = 0; i < AttachBox.Count(); ++i) paths.push_back(AttachBox.Item(i));
        Results = AttachmentAnswers(paths);
    }
    Aborted = false;
    Close(IDOK);
}

}  // namespace orv::player
