// The e-mail options TMyEmailOptions (section "EMail" of the settings) and
// the sent-mail log viewer TMyEMailLog.
#pragma once

#include <string>

#include "common/notices.h"
#include "common/settings.h"
#include "common/ui/win32/draw_grid.h"
#include "common/ui/win32/form.h"
#include "editor/commands/mail_log_view.h"
#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {

class TMyEmailOptions : public TForm {
  public:
    TMyEmailOptions(SettingsBlock& settings, Configs& configs, ProgramNotices& notices);

    TGroupBox ServerGroup{*this, nullptr, {8, 8, 320, 80}, "SMTP Server"};
    TLabel HostLabel{*this, &ServerGroup, {10, 22, 40, 16}, "Host"};
    TEdit SMTPHost{*this, &ServerGroup, {64, 18, 246, 21}};
    TLabel PortLabel{*this, &ServerGroup, {10, 50, 40, 16}, "Port"};
    TEdit SMTPPort{*this, &ServerGroup, {64, 46, 60, 21}};
    TLabel PortNote{*this, &ServerGroup, {132, 50, 120, 16}, "(normally 25)"};
    TGroupBox SenderGroup{*this, nullptr, {8, 96, 320, 80}, "Your Default E-Mail Address"};
    TLabel NameLabel{*this, &SenderGroup, {10, 22, 44, 16}, "Name"};
    TEdit EmailName{*this, &SenderGroup, {64, 18, 246, 21}};
    TLabel AddressLabel{*this, &SenderGroup, {10, 50, 52, 16}, "Address"};
    TEdit EmailAddress{*this, &SenderGroup, {64, 46, 246, 21}};
    TGroupBox OtherGroup{*this, nullptr, {8, 184, 320, 80}, "Other"};
    TLabel EncodingLabel{*this, &OtherGroup, {10, 22, 120, 16}, "Attachment Encoding"};
    TComboBox Encoding{*this, &OtherGroup, {136, 18, 120, 21}};
    TCheckBox KeepLog{*this, &OtherGroup, {10, 50, 200, 18}, "&Keep E-Mail Log"};
    TButtonRow Buttons{*this, 272, 8, false};
    TButton ViewLog{*this, nullptr, {253, 272, 75, 25}, "&View Log"};

    void OkButtonClick();
    void ViewLogClick();

  protected:
    void FormShow() override;

  private:
    SettingsBlock& settings_;
    Configs& configs_;
    ProgramNotices& notices_;
};

class TMyEMailLog : public TForm {
  public:
    explicit TMyEMailLog(const SettingsBlock& settings);

    TMyDrawGrid AddList{*this, nullptr, {8, 8, 612, 300}};
    TButton ViewButton{*this, nullptr, {464, 316, 75, 25}, "&View"};
    TButton ExitButton{*this, nullptr, {545, 316, 75, 25}, "E&xit", ButtonRole::Cancel};

    const MailLogView& View() const { return view_; }
    void ViewButtonClick();

  protected:
    void FormShow() override;

  private:
    void AddListDrawCell(int col, int row, HDC dc, const RECT& rect, unsigned state) const;

    std::string logPath_;
    MailLogView view_;
    std::vector<std::string> whenTexts_;
};

// A logged time as the system shows it: its short date and long time.
std::string SystemDateTimeText(DateTime when);

}  // namespace orv::editor
