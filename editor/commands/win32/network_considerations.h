// The network options: file locking of a shared macro file, and automatic
// synchronisation with its interval. Only OK puts the choices into the
// settings, has the lock follow them, writes the "Network" section and tells
// the player; the close box changes nothing.
#pragma once

#include "common/network_lock.h"
#include "common/notices.h"
#include "common/settings.h"
#include "common/ui/win32/form.h"

namespace orv::editor {

class TNetworkConsiderations : public TForm {
  public:
    TNetworkConsiderations(SettingsBlock& settings, Configs& configs, NetworkLock& lock,
                           ProgramNotices& player);

    TCheckBox NetworkOption{*this, nullptr, {16, 14, 280, 18}, "&File Locking of Macro Files"};
    TCheckBox AutoSync{*this, nullptr, {16, 40, 280, 18}, "&Automatic Synchronization Updating"};
    TLabel EveryLabel{*this, nullptr, {16, 70, 116, 16}, "Synchronize every"};
    TEdit Minutes{*this, nullptr, {136, 66, 36, 21}};
    TLabel MinutesLabel{*this, nullptr, {178, 70, 60, 16}, "minutes"};
    TButton OKButton{*this, nullptr, {112, 102, 75, 25}, "&Ok", ButtonRole::DefaultAndCancel};

    void NetworkOptionClick();
    void OKButtonClick();

  protected:
    void FormShow() override;

  private:
    NetworkConsiderationsFields Fields() const;

    SettingsBlock& settings_;
    Configs& configs_;
    NetworkLock& lock_;
    ProgramNotices& player_;
};

}  // namespace orv::editor
