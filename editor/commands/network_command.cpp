#include "editor/commands/network_command.h"

#include "common/script/compose.h"
#include "common/string_routines.h"

namespace orv::editor {
namespace {

using C = CommandCode;

CommandCode CodeOf(NetMode mode) {
    switch (mode) {
        case NetMode::Disconnect:
            return C::NetworkDisconnect;
        case NetMode::Toggle:
            return C::NetworkToggle;
        case NetMode::Connect:
            break;
    }
    return C::NetworkConnect;
}

// The box a command that cannot be written sends the user back to.
NetConnField ProblemField(const NetworkRec& record) {
    if (record.Password.str().find('>') != std::string::npos)
        return NetConnField::LogPass;
    if (!FreeTextProblem(record.User).empty())
        return NetConnField::LogName;
    return NetConnField::ProgPath;
}

}  // namespace

NetConnOutcome ComposeNetConn(const NetConnInput& input) {
    NetConnOutcome out;
    out.OptionCode = static_cast<std::int32_t>(input.Mode);
    if (input.Drive.empty()) {
        out.Refuse("No drive has been selected.  Please correct.", NetConnField::DriveBox);
        return out;
    }
    bool disconnect = input.Mode == NetMode::Disconnect;
    NetworkRec record;
    std::string resource = input.Drive;
    if (!disconnect) {
        std::string path = EditText(input.Path);
        if (path.empty()) {
            out.Refuse("No network path has been entered.  Please correct.",
                       NetConnField::ProgPath);
            return out;
        }
        resource += path;
        if (!input.UseDefault) {
            record.User = EditText(input.LogName);
            record.Password = ScrambleText(EditText(input.LogPass));
        }
    }
    record.Resource = resource;
    record.Permanent = input.MakePerm;
    record.Force = disconnect && input.ForceDisc;
    record.ShowStatus = input.DispStatus;
    out.Compose(CodeOf(input.Mode), record, ProblemField(record));
    if (out.Accepted()) {
        out.Raw = {out.OptionCode,   resource,     record.User.str(), record.Password.str(),
                   record.Permanent, record.Force, record.ShowStatus};
    }
    return out;
}

template <>
NetConnInput InputFromRecord<NetConnInput>(CommandCode code, const CommandRecord& record) {
    const NetworkRec* r = std::get_if<NetworkRec>(&record);
    if (!r)
        return {};
    NetConnInput input;
    input.Mode = code == C::NetworkDisconnect ? NetMode::Disconnect
                 : code == C::NetworkToggle   ? NetMode::Toggle
                                              : NetMode::Connect;
    std::string resource = r->Resource.str();
    input.Drive = resource.substr(0, 2);
    if (input.Mode != NetMode::Disconnect)
        input.Path = resource.size() > 2 ? resource.substr(2) : "";
    input.UseDefault = r->User.empty() && r->Password.empty();
    input.LogName = r->User.str();
    input.LogPass = ScrambleText(r->Password.str());
    input.MakePerm = r->Permanent != 0;
    input.ForceDisc = r->Force != 0;
    input.DispStatus = r->ShowStatus != 0;
    return input;
}

NetConnLayout NetConnLayoutFor(NetMode mode, bool useDefault) {
    if (mode == NetMode::Disconnect) {
        return {false, true, false, "Disconnect",
                "&Make Disconnection Permanent (Do not Map Drive on Bootup)"};
    }
    return {true, false, !useDefault, "Connect",
            "&Make Connection Permanent (Map Drive on Windows Bootup)"};
}

int InitialDriveRow(const std::vector<std::string>& drives, bool freshInsert,
                    std::string_view driveText) {
    if (freshInsert)
        return drives.empty() ? -1 : drives.size() == 1 ? 0 : 1;
    for (std::size_t i = 0; i < drives.size(); ++i) {
        if (SameTextAscii(drives[i], driveText))
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace orv::editor
