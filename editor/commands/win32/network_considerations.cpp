#include "editor/commands/win32/network_considerations.h"

namespace orv::editor {

TNetworkConsiderations::TNetworkConsiderations(SettingsBlock& settings, Configs& configs,
                                               NetworkLock& lock, ProgramNotices& player)
    : TForm("TNetworkConsiderations", "Network Considerations", 300, 139),
      settings_(settings),
      configs_(configs),
      lock_(lock),
      player_(player) {
    Minutes.SetMaxLength(2);
    NetworkOption.OnClick = [this] { NetworkOptionClick(); };
    OKButton.OnClick = [this] { OKButtonClick(); };
}

NetworkConsiderationsFields TNetworkConsiderations::Fields() const {
    return {NetworkOption.Checked(), AutoSync.Checked(), Minutes.Text()};
}

void TNetworkConsiderations::NetworkOptionClick() {
    bool enabled = NetworkConsiderationsSyncEnabled(Fields());
    AutoSync.SetEnabled(enabled);
    Minutes.SetEnabled(enabled);
}

void TNetworkConsiderations::FormShow() {
    NetworkConsiderationsFields shown = NetworkConsiderationsShow(settings_);
    NetworkOption.SetChecked(shown.NetworkOption);
    AutoSync.SetChecked(shown.AutoSync);
    Minutes.SetText(shown.Minutes);
    oldNetworkMode_ = settings_.NetworkMode;
    oldAutoSync_ = settings_.AutoSync;
    NetworkOptionClick();
}

void TNetworkConsiderations::FormClose() {
    NetworkConsiderationsStore(settings_, Fields());
    lock_.AfterNetworkConsiderations(oldNetworkMode_, oldAutoSync_);
}

// The choices are stored as the dialog closes, so the section written here
// already holds them.
void TNetworkConsiderations::OKButtonClick() {
    Close(IDOK);
    if (SettingsSaved(configs_.WriteNetworkSettings()))
        player_.Post(NoticeCode::NetworkSettingsChanged, 0);
}

}  // namespace orv::editor
