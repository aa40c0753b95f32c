#include "editor/commands/win32/email_log.h"

#include "common/message_boxes.h"
#include "common/string_routines.h"
#include "common/ui/win32/canvas.h"
#include "common/win32/system_routines.h"
#include "editor/commands/email_commands.h"
#include "editor/commands/win32/email_dialogs.h"

namespace orv::editor {
namespace {

constexpr int LogColumnWidths[] = {120, 140, 252, 24, 24, 24};
constexpr std::size_t SettingLimit = 50;

std::string SettingText(const TEdit& edit) {
    return TrimStr(edit.Text()).substr(0, SettingLimit);
}

}  // namespace

std::string SystemDateTimeText(DateTime when) {
    DateTimeParts parts = DecodeDateTime(when);
    return SystemDateText(parts) + " " + SystemTimeText(parts);
}

// The options ------------------------------------------------------------------------------------

TMyEmailOptions::TMyEmailOptions(SettingsBlock& settings, Configs& configs, ProgramNotices& notices)
    : TForm("TMyEmailOptions", "E-Mail Options", 336, 305),
      settings_(settings),
      configs_(configs),
      notices_(notices) {
    Buttons.OkButton.OnClick = [this] { OkButtonClick(); };
    Buttons.CancelButton.ModalResult = IDCANCEL;
    ViewLog.OnClick = [this] { ViewLogClick(); };
    for (TEdit* edit : {&SMTPHost, &EmailName, &EmailAddress})
        edit->SetMaxLength(static_cast<int>(SettingLimit));
    // Room for every port a mail server listens on, the submission port too.
    SMTPPort.SetMaxLength(SmtpPortDigits);
    Encoding.AddItem("MIME");
    Encoding.AddItem("UUEncode");
}

void TMyEmailOptions::FormShow() {
    SMTPHost.SetText(settings_.SMTPHost.str());
    SMTPPort.SetText(std::to_string(settings_.SMTPPort));
    EmailName.SetText(settings_.EMailName.str());
    EmailAddress.SetText(settings_.EMailAddress.str());
    Encoding.SetItemIndex(settings_.AttachmentEncoding == 1 ? 1 : 0);
    KeepLog.SetChecked(settings_.KeepLog);
}

void TMyEmailOptions::OkButtonClick() {
    std::optional<std::int32_t> port = ParseSmtpPort(SMTPPort.Text());
    if (!port) {
        CurrentMessageBoxes().Show("Error", InvalidPortMessage, MsgStyle::Ok);
        SMTPPort.SetFocus();
        return;
    }
    settings_.SMTPHost = SettingText(SMTPHost);
    settings_.SMTPPort = *port;
    settings_.EMailName = SettingText(EmailName);
    settings_.EMailAddress = SettingText(EmailAddress);
    settings_.AttachmentEncoding = std::max(Encoding.ItemIndex(), 0);
    settings_.KeepLog = KeepLog.Checked();
    // A change the file refused is not handed on: the dialog stays for Cancel.
    if (!SettingsSaved(configs_.WriteEMailSettings()))
        return;
    notices_.Post(NoticeCode::EMailSettingsChanged, 0);
    Close(IDOK);
}

void TMyEmailOptions::ViewLogClick() {
    TMyEMailLog log(settings_);
    log.ShowModal(Handle());
}

// The log ----------------------------------------------------------------------------------------

TMyEMailLog::TMyEMailLog(const SettingsBlock& settings)
    : TForm("TMyEMailLog", "Sent E-Mail Log", 628, 349),
      logPath_(settings.EMailLogPath.str()),
      view_(MailLogView::Load(logPath_)) {
    SetCaption("Sent E-Mail Log (" + logPath_ + ")");
    for (const MailLogRow& row : view_.Rows)
        whenTexts_.push_back(row.When ? SystemDateTimeText(*row.When) : "");
    ViewButton.OnClick = [this] { ViewButtonClick(); };
    ExitButton.ModalResult = IDCANCEL;
    AddList.OnDblClick = [this] { ViewButtonClick(); };
    AddList.OnDrawCell = [this](int col, int row, HDC dc, const RECT& rect, unsigned state) {
        AddListDrawCell(col, row, dc, rect, state);
    };
}

void TMyEMailLog::FormShow() {
    using namespace GridOption;
    AddList.SetColCount(6);
    AddList.SetFixedCols(0);
    AddList.SetFixedRows(1);
    AddList.SetDefaultRowHeight(18);
    AddList.SetOptions(FixedVertLine | FixedHorzLine | VertLine | HorzLine | ColSizing | RowSelect |
                       ThumbTracking);
    for (int col = 0; col < 6; ++col) AddList.SetColWidths(col, LogColumnWidths[col]);
    AddList.SetRowCount(static_cast<int>(view_.Rows.size()) + 1);
    AddList.SetFocus();
}

void TMyEMailLog::AddListDrawCell(int col, int row, HDC dc, const RECT& rect,
                                  unsigned state) const {
    TCanvas canvas(dc);
    const bool selected = row > 0 && (state & GridDrawState::Selected) != 0;
    if (row > 0)
        canvas.FillSystem(rect, selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    canvas.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::size_t entry = static_cast<std::size_t>(row - 1);
    std::string text = row == 0 ? MailLogTitle(col)
                                : MailLogCellText(view_.Rows.at(entry), col, whenTexts_.at(entry));
    canvas.WriteFitted(rect.left + 2, rect.top, rect.right - rect.left - 2, text);
}

void TMyEMailLog::ViewButtonClick() {
    if (view_.NoRecords) {
        CurrentMessageBoxes().Show("", NoLoggedRecordsMessage, MsgStyle::Ok);
        return;
    }
    const MailLogRow& row = view_.Rows.at(static_cast<std::size_t>(std::max(AddList.Row(), 1) - 1));
    LoggedMessage message = ReadLoggedMessage(logPath_, row.Offset, row.Length);
    if (!message.Error.empty()) {
        CurrentMessageBoxes().Show("Error", message.Error, MsgStyle::Ok);
        return;
    }
    TMyEMailMess window;
    window.MyMemo.SetText(message.Text);
    window.ShowModal(Handle());
}

}  // namespace orv::editor
