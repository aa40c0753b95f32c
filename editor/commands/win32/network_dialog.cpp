#include "editor/commands/win32/network_dialog.h"

#include "common/ui/win32/folder_dialogs.h"
#include "common/ui/win32/pictures.h"
#include "editor/commands/win32/system_device_lists.h"

namespace orv::editor {

TDoNetConn::TDoNetConn() : TDoNetConn(TheNetworkDrives()) {}

TDoNetConn::TDoNetConn(const NetworkDrives& drives)
    : TCommandDialog("TDoNetConn", "Map or Unmap  A Network Drive", 600, 346 + FooterHeight,
                     "Network Connection"),
      drives_(drives) {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    for (TCheckable* c : std::initializer_list<TCheckable*>{&DoCon, &DoDisCon, &DoToggle}) {
        c->OnClick = [this] {
            ConnMode = static_cast<std::int32_t>(Mode());
            EnableDisable();
        };
    }
    UseDefault.OnClick = [this] { EnableDisable(); };
    BrowseButton.OnClick = [this] { BrowseButtonClick(); };
    Current.OnClick = [this] { CurrentClick(); };
    Bootup.OnClick = [this] { BootupClick(); };
    LogPass.SetPasswordChar('*');
}

NetMode TDoNetConn::Mode() const {
    int index = CheckedIndex({&DoCon, &DoDisCon, &DoToggle});
    return static_cast<NetMode>(index < 0 ? 1 : index + 1);
}

void TDoNetConn::LoadInput(const NetConnInput& input) {
    ConnMode = static_cast<std::int32_t>(input.Mode);
    DriveText = input.Drive;
    ProgPath.SetText(input.Path);
    UseDefault.SetChecked(input.UseDefault);
    LogName.SetText(input.LogName);
    LogPass.SetText(input.LogPass);
    MakePerm.SetChecked(input.MakePerm);
    ForceDisc.SetChecked(input.ForceDisc);
    DispStatus.SetChecked(input.DispStatus);
}

NetConnInput TDoNetConn::ReadInput() const {
    int drive = DriveBox.ItemIndex();
    return {Mode(),
            drive < 0 ? "" : DriveBox.Item(drive),
            ProgPath.Text(),
            UseDefault.Checked(),
            LogName.Text(),
            LogPass.Text(),
            MakePerm.Checked(),
            ForceDisc.Checked(),
            DispStatus.Checked()};
}

void TDoNetConn::EnableDisable() {
    NetConnLayout layout = NetConnLayoutFor(Mode(), UseDefault.Checked());
    PathPanel.SetVisible(layout.ShowPath);
    LogonPanel.SetVisible(layout.ShowPath);
    ForceDisc.SetVisible(layout.ShowForce);
    ConnectLabel.SetText(layout.ConnectLabel);
    MakePerm.SetText(layout.PermanentCaption);
    for (TControl* c :
         std::initializer_list<TControl*>{&LogNameLabel, &LogName, &LogPassLabel, &LogPass})
        c->SetEnabled(layout.LogonEnabled);
}

void TDoNetConn::BrowseButtonClick() {
    std::optional<std::string> folder =
        CurrentFolderDialogs().BrowseNetwork(Handle(), "Please choose a network drive");
    if (folder)
        ProgPath.SetText(NetworkPathOf(*folder));
}

void TDoNetConn::ListMapped(TCheckBox& box, TListBox& list, bool remembered) {
    list.ClearItems();
    if (!box.Checked())
        return;
    THourglass wait;
    for (const std::string& line :
         MappedLines(remembered ? drives_.Remembered() : drives_.Connected()))
        list.AddItem(line);
}

void TDoNetConn::CurrentClick() {
    ListMapped(Current, CurrList, false);
}

void TDoNetConn::BootupClick() {
    ListMapped(Bootup, BootList, true);
}

void TDoNetConn::FormShow() {
    TCommandDialog::FormShow();
    std::vector<std::string> drives = AvailableDrives(drives_.LogicalDrives(), drives_.Connected());
    DriveBox.ClearItems();
    for (const std::string& drive : drives) DriveBox.AddItem(drive);
    if (FreshInsert == 1) {
        // The caller's choice of command stands; the rest starts afresh.
        std::int32_t mode = ConnMode;
        LoadInput({});
        ConnMode = mode;
    }
    DriveBox.SetItemIndex(InitialDriveRow(drives, FreshInsert == 1, DriveText));
    CheckIndex({&DoCon, &DoDisCon, &DoToggle}, ConnMode - 1);
    EnableDisable();
    DriveBox.SetFocus();
}

void TDoNetConn::OkButtonClick() {
    NetConnOutcome out = ComposeNetConn(ReadInput());
    auto controlOf = [this](NetConnField f) -> TControl& {
        switch (f) {
            case NetConnField::DriveBox:
                return DriveBox;
            case NetConnField::LogName:
                return LogName;
            case NetConnField::LogPass:
                return LogPass;
            case NetConnField::ProgPath:
                break;
        }
        return ProgPath;
    };
    if (!Accept(out, controlOf))
        return;
    ConnMode = out.Raw.ConnMode;
    RawResource = out.Raw.RawResource;
    LogonName = out.Raw.LogonName;
    LogonPassword = out.Raw.LogonPassword;
    Permanent = out.Raw.Permanent;
    ForceDisconnect = out.Raw.ForceDisconnect;
    ShowStatus = out.Raw.ShowStatus;
}

}  // namespace orv::editor
