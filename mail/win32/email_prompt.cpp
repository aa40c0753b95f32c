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
constexpr int columnWidth = 150;

std::string Shown(const std::string& line, bool byName) {
    RecipientEntry entry = SplitRecipientLine(line);
    return byName ? entry.Name : entry.Address;
}

void ShowError(const std::string& text) {
    CurrentMessageBoxes().Show(errorCaption, text, MsgStyle::Ok | MB_TOPMOST);
}

}  // namespace

TRecipientColumn::TRecipientColumn(TForm& form, TControl* panel, int left, std::string heading)
    : Heading(form, panel, {left, 32, columnWidth, 16}, std::move(heading)),
      PersonLabel(form, panel, {left, 52, columnWidth, 16}, "Name"),
      Person(form, panel, {left, 68, columnWidth, 21}),
      AddressLabel(form, panel, {left, 94, columnWidth, 16}, "Address"),
      Address(form, panel, {left, 110, columnWidth, 21}),
      ListLabel(form, panel, {left, 138, columnWidth, 16}, "Select from Recipient List"),
      List(form, panel, {left, 154, columnWidth, 104}, false, true),
      NameButton(form, panel, {left, 262, 70, 17}, "Name"),
      AddressButton(form, panel, {left + 74, 262, 76, 17}, "Address") {
    List.SetClickToggles(true);
}

void TRecipientColumn::ShowLines(const std::vector<std::string>& lines) {
    // The marks cover the entries the box holds, however many there are.
    std::vector<bool> marks;
    for (int i = 0; i < List.Count(); ++i) marks.push_back(List.Selected(i));
    List.ClearItems();
    const bool byName = NameButton.Checked();
    for (const std::string& line : lines) List.AddItem(Shown(line, byName));
    for (std::size_t i = 0; i < marks.size() && i < lines.size(); ++i) {
        if (marks[i])
            List.SetSelected(static_cast<int>(i), true);
    }
}

std::vector<std::string> TRecipientColumn::SelectedLines(
    const std::vector<std::string>& lines) const {
    std::vector<std::string> selected;
    for (int i = 0; i < List.Count() && i < static_cast<int>(lines.size()); ++i) {
        if (List.Selected(i))
            selected.push_back(lines[i]);
    }
    return selected;
}

TDoTheEmail::TDoTheEmail() : TFrontForm("TDoTheEmail", "Send E-Mail", 480, 324) {
    for (TRecipientColumn* column : {&To, &CC, &Blind}) {
        column->NameButton.OnClick = [this, column] { column->ShowLines(RecipientList); };
        column->AddressButton.OnClick = [this, column] { column->ShowLines(RecipientList); };
    }
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
    RecipientList = OfferedRecipientLines(ReadWholeFile(RecipientFile));
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
                                   c.SelectedLines(RecipientList));
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
