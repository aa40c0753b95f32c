// What the network-drive dialog (TDoNetConn) computes: connecting,
// disconnecting or toggling a drive, with the logon the player uses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editor/commands/command_dialogs.h"

namespace orv::editor {

enum class NetMode { Connect = 1, Disconnect = 2, Toggle = 3 };
enum class NetConnField { DriveBox, ProgPath, LogName, LogPass };
struct NetConnValues {
    std::int32_t ConnMode = 1;
    std::string RawResource;
    std::string LogonName;
    std::string LogonPassword;  // scrambled, as the command holds it
    std::uint8_t Permanent = 0;
    std::uint8_t ForceDisconnect = 0;
    std::uint8_t ShowStatus = 0;
};
using NetConnOutcome = CommandOutcome<NetConnField, NetConnValues>;
struct NetConnInput {
    NetMode Mode = NetMode::Connect;
    std::string Drive;  // the selected drive, empty for none
    std::string Path;
    bool UseDefault = true;
    std::string LogName;
    std::string LogPass;  // as typed
    bool MakePerm = false;
    bool ForceDisc = false;
    bool DispStatus = false;
};
NetConnOutcome ComposeNetConn(const NetConnInput& input);
// The line's values as the boxes show them: its password unscrambled, so
// OK scrambles it once again into the same command.
template <>
NetConnInput InputFromRecord<NetConnInput>(CommandCode code, const CommandRecord& record);

// What the radio buttons and "Use Default" show and enable.
struct NetConnLayout {
    bool ShowPath = false;  // the path, Browse, the logon boxes and "Use Default"
    bool ShowForce = false;
    bool LogonEnabled = false;
    std::string_view ConnectLabel;
    std::string_view PermanentCaption;
};
NetConnLayout NetConnLayoutFor(NetMode mode, bool useDefault);

// The drive selected on show: for a new command the second free one (the
// first when there is only one), else the line's own drive when listed; -1
// for none.
int InitialDriveRow(const std::vector<std::string>& drives, bool freshInsert,
                    std::string_view driveText);

}  // namespace orv::editor
