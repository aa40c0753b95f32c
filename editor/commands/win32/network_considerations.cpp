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
    NetworkOptionClick();
}

// Only Ok changes anything: the close box leaves the settings in use, the
// settings file and the player agreeing, as before.
void TNetworkConsiderations::OKButtonClick() {
    const bool oldNetworkMode = settings_.NetworkMode;
    const bool oldAutoSync = settings_.AutoSync;
    NetworkConsiderationsStore(settings_, Fields());
    lock_.AfterNetworkConsiderations(oldNetworkMode, oldAutoSync);
    Close(IDOK);
    if (SettingsSaved(configs_.WriteNetworkSettings()))
        player_.Post(NoticeCode::NetworkSettingsChanged, 0);
}

}  // namespace orv::editor
