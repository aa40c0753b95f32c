#include "editor/commands/dialup_command.h"

#include "common/script/compose.h"
#include "common/string_routines.h"

namespace orv::editor {

DialupOutcome ComposeDialup(const DialupInput& input) {
    DialupOutcome out;
    if (!input.Dial) {
        out.OptionCode = 2;
        out.Compose(CommandCode::DialUpNetworking, DialUpRec{2}, DialupField::PhoneList);
        return out;
    }
    out.OptionCode = 1;
    if (!input.Entry) {
        out.Refuse(std::string(NoEntryMessage), DialupField::PhoneList);
        return out;
    }
    DialUpRec record{1, *input.Entry, EditText(input.UserName),
                     ScrambleText(EditText(input.Password))};
    DialupField focus = DialupField::PhoneList;
    if (record.Password.str().find('>') != std::string::npos)
        focus = DialupField::Password;
    else if (!FreeTextProblem(record.User).empty())
        focus = DialupField::UserName;
    // An entry name beyond 255 characters would no longer name the entry:
    // the command's own limit refuses it.
    out.Compose(CommandCode::DialUpNetworking, record, focus);
    if (out.Accepted())
        out.Raw = {record.Entry.str(), record.User.str(), record.Password.str()};
    return out;
}

template <>
DialupInput InputFromRecord<DialupInput>(CommandCode, const CommandRecord& record) {
    const DialUpRec* r = std::get_if<DialUpRec>(&record);
    if (!r || r->Action != 1)
        return {false};
    return {true, r->Entry.str(), r->User.str(), ScrambleText(r->Password.str())};
}

DialupLayout DialupLayoutFor(bool dial) {
    if (dial)
        return {true, 294, 257};
    return {false, 117, 80};
}

int InitialEntryRow(const std::vector<std::string>& entries, bool freshInsert,
                    std::string_view entryName) {
    if (!freshInsert && !entryName.empty()) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (SameTextAscii(entries[i], entryName))
                return static_cast<int>(i);
        }
        return -1;
    }
    return entries.empty() ? -1 : 0;
}

void TakeDialParams(const std::optional<DialParams>& params, std::string& userName,
                    std::string& password) {
    if (!params)
        return;
    userName = params->UserName;
    if (params->Password)
        password = *params->Password;
}

}  // namespace orv::editor
