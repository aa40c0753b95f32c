#include "editor/commands/win32/email_dialogs.h"

#include <algorithm>

#include "common/message_boxes.h"
#include "common/ui/win32/canvas.h"
#include "common/ui/win32/services.h"

namespace orv::editor {
namespace {

constexpr int AddressRowHeight = 18;

void ShowAndEnable(std::initializer_list<TControl*> controls, bool shown) {
    for (TControl* c : controls) {
        c->SetVisible(shown);
        c->SetEnabled(shown);
    }
}

// The mode a row of radio buttons chooses, counted from 1.
std::uint32_t ModeOf(std::initializer_list<const TRadioButton*> buttons) {
    int index = CheckedIndex(buttons);
    return static_cast<std::uint32_t>(index < 0 ? 1 : index + 1);
}

// The grey line that parts a recipient row's halves and ends it below.
void DrawRowLines(HDC dc, const RECT& rect) {
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    HGDIOBJ old = SelectObject(dc, pen);
    int middle = (rect.left + rect.right) / 2;
    MoveToEx(dc, middle, rect.top, nullptr);
    LineTo(dc, middle, rect.bottom);
    MoveToEx(dc, rect.left, rect.bottom - 1, nullptr);
    LineTo(dc, rect.right, rect.bottom - 1);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void LoadSection(TRecipientColumn& column, const EmailSection& section) {
    column.Person.SetText(section.Person);
    column.Address.SetText(section.Address);
    for (int i = 0; i < column.List.Count(); ++i) column.List.SetSelected(i, false);
    for (int row : section.SelectedRows) column.List.SetSelected(row, true);
}

EmailSection ReadSection(const TRecipientColumn& column) {
    return {column.Person.Text(), column.Address.Text(), column.SelectedRows()};
}

}  // namespace

// The e-mail command ---------------------------------------------------------------------------

TDoTheEmail::TDoTheEmail(CommandContext& context)
    : TCommandDialog("TDoTheEmail", "Send E-Mail", 600, 360 + FooterHeight, "E-Mail Commands"),
      context_(context) {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    KeepCommandTextOnShow();
    for (TCheckable* c : std::initializer_list<TCheckable*>{
             &ChooseRecip, &PromptRecip, &FixedText, &PromptText, &ClipText, &FileText, &NoAttach,
             &ChooseAttach, &PromptAttach})
        c->OnClick = [this] { EnableDisable(); };
    for (std::size_t i = 0; i < EmailSectionCount; ++i)
        Sections(i)->ShowLinesOnSwitch(recipients_.Lines);
    Button1.OnClick = [this] { Button1Click(); };
    BrowseButton.OnClick = [this] { BrowseButtonClick(); };
    AddAttach.OnClick = [this] { AddAttachClick(); };
    DeleteAttach.OnClick = [this] { DeleteAttachClick(); };
    MyMemo.SetMaxLength(0);
}

TRecipientColumn* TDoTheEmail::Sections(std::size_t index) {
    TRecipientColumn* sections[] = {&To, &CC, &Blind};
    return sections[index];
}

void TDoTheEmail::LoadInput(const EmailInput& input) {
    Request.SetChecked(input.Request);
    CheckIndex({&ChooseRecip, &PromptRecip}, static_cast<int>(input.RecipientMode) - 1);
    for (std::size_t i = 0; i < EmailSectionCount; ++i)
        LoadSection(*Sections(i), input.Sections[i]);
    CheckIndex({&FixedText, &PromptText, &ClipText, &FileText},
               static_cast<int>(input.TextMode) - 1);
    MyMemo.SetText(input.Memo);
    FileName.SetText(input.FileName);
    Subject.SetText(input.Subject);
    CheckIndex({&NoAttach, &ChooseAttach, &PromptAttach}, static_cast<int>(input.AttachMode) - 1);
    AttachBox.ClearItems();
    for (const std::string& path : input.Attachments) AttachBox.AddItem(path);
}

EmailInput TDoTheEmail::ReadInput() const {
    EmailInput input;
    input.Request = Request.Checked();
    input.RecipientMode = ModeOf({&ChooseRecip, &PromptRecip});
    input.Sections = {ReadSection(To), ReadSection(CC), ReadSection(Blind)};
    input.TextMode = ModeOf({&FixedText, &PromptText, &ClipText, &FileText});
    input.Memo = MyMemo.Text();
    input.FileName = FileName.Text();
    input.Subject = Subject.Text();
    input.AttachMode = ModeOf({&NoAttach, &ChooseAttach, &PromptAttach});
    for (int i = 0; i < AttachBox.Count(); ++i) input.Attachments.push_back(AttachBox.Item(i));
    return input;
}

void TDoTheEmail::EnableDisable() {
    for (std::size_t i = 0; i < EmailSectionCount; ++i)
        Sections(i)->SetUsable(ChooseRecip.Checked());
    std::uint32_t text = ModeOf({&FixedText, &PromptText, &ClipText, &FileText});
    ShowAndEnable({&SubjectLabel, &Subject}, text != EmailMode::Asked);
    ShowAndEnable({&MemoLabel, &MyMemo}, text == EmailMode::FixedText);
    ShowAndEnable({&FileNameLabel, &FileName, &BrowseButton}, text == EmailMode::FileText);
    for (TControl* c :
         std::initializer_list<TControl*>{&AttachLabel, &AttachBox, &AddAttach, &DeleteAttach})
        c->SetEnabled(ChooseAttach.Checked());
}

void TDoTheEmail::LoadRecipients() {
    recipients_ = RecipientList::Read(context_.Settings.EMailPath.str());
    for (std::size_t i = 0; i < EmailSectionCount; ++i) {
        Sections(i)->List.ClearItems();
        Sections(i)->ShowLines(recipients_.Lines);
    }
}

void TDoTheEmail::FormShow() {
    TCommandDialog::FormShow();
    for (std::size_t i = 0; i < EmailSectionCount; ++i) Sections(i)->NameButton.SetChecked(true);
    LoadRecipients();
    if (FreshInsert == 1) {
        CommandText.clear();
        LoadInput({});
    } else {
        DecodedEmail decoded = DecodeEmail(CommandText, recipients_.Lines);
        LoadInput(decoded.Input);
        if (!decoded.Dropped.empty())
            CurrentMessageBoxes().Show("Notice", DroppedRecipientsNotice(decoded.Dropped),
                                       MsgStyle::Ok);
    }
    Pages.SetActivePage(RecipientsPage);
    EnableDisable();
}

TControl& TDoTheEmail::ControlOf(EmailField field) {
    TTabSheet* pages[] = {&RecipientsPage, &TextPage, &AttachPage};
    Pages.SetActivePage(*pages[static_cast<int>(PageOf(field))]);
    switch (field) {
        case EmailField::MyMemo:
            return MyMemo;
        case EmailField::FileName:
            return FileName;
        case EmailField::Subject:
            return Subject;
        case EmailField::AttachBox:
            return AttachBox;
        default:
            break;
    }
    const int index = static_cast<int>(field);
    TRecipientColumn& section = *Sections(static_cast<std::size_t>(index / 3));
    TControl* parts[] = {&section.Person, &section.Address, &section.List};
    return *parts[index % 3];
}

void TDoTheEmail::OkButtonClick() {
    EmailOutcome out = ComposeEmail(ReadInput(), recipients_.Lines);
    if (!Accept(out, [this](EmailField f) -> TControl& { return ControlOf(f); }))
        return;
    RecipientMode = out.Raw.RecipientMode;
    TextMode = out.Raw.TextMode;
    AttachMode = out.Raw.AttachMode;
}

void TDoTheEmail::Button1Click() {
    TMyAddress editor(context_);
    editor.ShowModal(Handle());
    LoadRecipients();
}

void TDoTheEmail::BrowseButtonClick() {
    FileDialogOptions options;
    options.Title = "Select Text File";
    options.Filter = "Text Files (*.TXT)|*.TXT";
    options.DefaultExt = "TXT";
    options.FileMustExist = true;
    options.HideReadOnly = true;
    if (std::optional<std::string> file = CurrentFileDialogs().Open(Handle(), options))
        FileName.SetText(*file);
}

void TDoTheEmail::AddAttachClick() {
    if (std::optional<std::string> file = AskAttachmentFile(Handle()))
        AttachBox.AddItem(*file);
}

void TDoTheEmail::DeleteAttachClick() {
    int index = AttachBox.ItemIndex();
    if (index < 0)
        return;
    AttachBox.DeleteItem(index);
    AttachBox.SetItemIndex(std::min(index, AttachBox.Count() - 1));
}

// The recipient list -----------------------------------------------------------------------------

TMyAddress::TMyAddress(CommandContext& context)
    : TForm("TMyAddress", "E-Mail Recipient List", 519, 276), context_(context) {
    AddList.SetOwnerDraw(AddressRowHeight);
    AddList.OnDrawItem = [this](TCanvas& canvas, int index, const RECT& rect, bool selected) {
        AddListDrawItem(canvas, index, rect, selected);
    };
    AddList.OnDblClick = [this] { ModifyButtonClick(); };
    AddButton.OnClick = [this] { AddButtonClick(); };
    ModifyButton.OnClick = [this] { ModifyButtonClick(); };
    DeleteButton.OnClick = [this] { DeleteButtonClick(); };
    OkButton.OnClick = [this] { OkButtonClick(); };
}

void TMyAddress::FormShow() {
    list_ = RecipientList::Read(context_.Settings.EMailPath.str());
    ShowSorted(list_.Lines.empty() ? "" : list_.Lines.front());
    AddList.SetItemIndex(AddList.Count() > 0 ? 0 : -1);
}

void TMyAddress::ShowSorted(const std::string& line) {
    list_.Sort();
    AddList.ClearItems();
    for (const std::string& l : list_.Lines) AddList.AddItem(l);
    auto at = std::find(list_.Lines.begin(), list_.Lines.end(), line);
    AddList.SetItemIndex(at == list_.Lines.end() ? -1 : static_cast<int>(at - list_.Lines.begin()));
}

void TMyAddress::AddListDrawItem(TCanvas& canvas, int index, const RECT& rect,
                                 bool selected) const {
    canvas.FillSystem(rect, selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    canvas.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const int half = (rect.right - rect.left) / 2;
    RecipientEntry entry = SplitRecipientLine(list_.Lines.at(static_cast<std::size_t>(index)));
    canvas.WriteFitted(rect.left + 2, rect.top, half - 2, entry.Name);
    canvas.WriteFitted(rect.left + half + 2, rect.top, half - 2, entry.Address);
    DrawRowLines(canvas.Handle(), rect);
}

void TMyAddress::AddButtonClick() {
    TDoAnAddress entry;
    entry.ShowModal(Handle());
    if (entry.RecipientLine.empty())
        return;
    list_.Lines.push_back(entry.RecipientLine);
    ShowSorted(entry.RecipientLine);
}

void TMyAddress::ModifyButtonClick() {
    const int index = AddList.ItemIndex();
    if (index < 0) {
        CurrentMessageBoxes().Show("Error", "No category has been selected.", MsgStyle::Ok);
        return;
    }
    TDoAnAddress entry;
    entry.RecipientLine = list_.Lines.at(static_cast<std::size_t>(index));
    entry.ShowModal(Handle());
    list_.Lines[static_cast<std::size_t>(index)] = entry.RecipientLine;
    ShowSorted(entry.RecipientLine);
}

void TMyAddress::DeleteButtonClick() {
    const int index = AddList.ItemIndex();
    if (index < 0)
        return;
    list_.Lines.erase(list_.Lines.begin() + index);
    AddList.DeleteItem(index);
    AddList.SetItemIndex(std::min(index, AddList.Count() - 1));
}

void TMyAddress::OkButtonClick() {
    if (list_.Write(context_.Settings.EMailPath.str())) {
        Close(IDOK);
        return;
    }
    int answer = CurrentMessageBoxes().Show(
        "Error",
        "Disk write failure.  Unable to save address information. The path and file name for "
        "E-Mail Address information may be invalid.  Would you like to edit the path and file "
        "name?",
        MsgStyle::YesNo);
    if (answer != MsgResult::Yes) {
        Close(IDCANCEL);
        return;
    }
    if (context_.OpenPreferences)
        context_.OpenPreferences();
}

// One recipient ----------------------------------------------------------------------------------

TDoAnAddress::TDoAnAddress()
    : TForm("TDoAnAddress", "EMail Recipient Maintanence", 316, 106 + FooterHeight) {
    Buttons.OkButton.OnClick = [this] { OkButtonClick(); };
    Buttons.CancelButton.ModalResult = IDCANCEL;
}

void TDoAnAddress::FormShow() {
    RecipientEntry entry = SplitRecipientLine(RecipientLine);
    EMailName.SetText(entry.Name);
    EMailAddress.SetText(entry.Address);
    EMailName.SetFocus();
}

void TDoAnAddress::OkButtonClick() {
    RecipientCheck check = CheckRecipient(EMailName.Text(), EMailAddress.Text());
    if (check.Refused) {
        CurrentMessageBoxes().Show("Error", check.Refused->Message, MsgStyle::Ok);
        (check.Refused->Focus == RecipientField::Name ? EMailName : EMailAddress).SetFocus();
        return;
    }
    if (check.AskAboutAt &&
        CurrentMessageBoxes().Show("Warning",
                                   "There is no \"@\" character in the e-mail address.  This is "
                                   "most likely an invalid e-mail address.  Continue?",
                                   MsgStyle::YesNo) != MsgResult::Yes) {
        EMailAddress.SetFocus();
        return;
    }
    RecipientLine = check.Line;
    Close(IDOK);
}

// The logged message ----------------------------------------------------------------------------

TMyEMailMess::TMyEMailMess() : TForm("TMyEMailMess", "E-Mail Message", 536, 369) {
    MyMemo.SetReadOnly(true);
    MyMemo.SetMaxLength(0);
    ExitButton.ModalResult = IDCANCEL;
}

void TMyEMailMess::FormShow() {
    MyMemo.SetFocus();
}

}  // namespace orv::editor
