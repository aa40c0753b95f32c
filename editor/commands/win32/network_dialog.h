// The network-drive dialog (TDoNetConn): connect, disconnect or toggle a
// drive, with the lists of the drives mapped now and at start-up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editor/commands/device_lists.h"
#include "editor/commands/network_command.h"
#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {

class TDoNetConn : public TCommandDialog {
  public:
    explicit TDoNetConn(const NetworkDrives& drives);
    TDoNetConn();
    std::int32_t ConnMode = 1;
    std::string RawResource;
    std::string LogonName;
    std::string LogonPassword;  // scrambled
    std::uint8_t Permanent = 0;
    std::uint8_t ForceDisconnect = 0;
    std::uint8_t ShowStatus = 0;
    std::string DriveText;

    TGroupBox Commands{*this, nullptr, {8, 8, 200, 88}, "Commands"};
    TRadioButton DoCon{*this, &Commands, {10, 20, 180, 18}, "Co&nnect Drive"};
    TRadioButton DoDisCon{*this, &Commands, {10, 42, 180, 18}, "&Disconnect Drive"};
    TRadioButton DoToggle{*this, &Commands, {10, 64, 180, 18}, "&Toggle Connection"};
    TLabel ConnectLabel{*this, nullptr, {216, 10, 70, 16}, "Connect"};
    TComboBox DriveBox{*this, nullptr, {216, 28, 70, 21}};
    TPanel PathPanel{*this, nullptr, {296, 10, 296, 46}};
    TLabel PathLabel{*this, &PathPanel, {0, 0, 200, 16}, "To Network Drive"};
    TEdit ProgPath{*this, &PathPanel, {0, 18, 212, 21}};
    TButton BrowseButton{*this, &PathPanel, {218, 16, 75, 25}, "&Browse"};
    TCheckBox MakePerm{*this, nullptr, {8, 106, 500, 18}};
    TCheckBox ForceDisc{
        *this, nullptr, {8, 128, 400, 18}, "&Force Disconnection Even if Drive in Use"};
    TPanel LogonPanel{*this, nullptr, {8, 128, 584, 66}};
    TCheckBox UseDefault{*this, &LogonPanel, {0, 0, 300, 18}, "&Use Default Name and Password"};
    TLabel LogNameLabel{*this, &LogonPanel, {0, 26, 100, 16}, "Logon Name"};
    TEdit LogName{*this, &LogonPanel, {0, 44, 200, 21}};
    TLabel LogPassLabel{*this, &LogonPanel, {216, 26, 100, 16}, "Logon Password"};
    TEdit LogPass{*this, &LogonPanel, {216, 44, 200, 21}};
    TCheckBox DispStatus{*this, nullptr, {8, 202, 300, 18}, "D&isplay Connection Status"};
    TCheckBox Current{*this, nullptr, {8, 230, 286, 18}, "List Current Ma&pped Drives"};
    TListBox CurrList{*this, nullptr, {8, 252, 286, 84}, true};
    TCheckBox Bootup{*this, nullptr, {306, 230, 286, 18}, "&List Drives That Map on Bootup"};
    TListBox BootList{*this, nullptr, {306, 252, 286, 84}, true};
    TButtonRow Buttons{*this, 346, 8};

    void LoadInput(const NetConnInput& input);
    NetConnInput ReadInput() const;
    void EnableDisable();
    void BrowseButtonClick();
    void CurrentClick();
    void BootupClick();

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    NetMode Mode() const;
    void ListMapped(TCheckBox& box, TListBox& list, bool remembered);
    const NetworkDrives& drives_;
};

}  // namespace orv::editor
