// What the dial-up dialog (TDoDialup) computes: dialling a phone book entry
// with a user name and password, or hanging up.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/commands/command_dialogs.h"
#include "editor/commands/device_lists.h"

namespace orv::editor {

constexpr std::string_view NoEntryMessage = "No phone book entry has been selected.";

enum class DialupField { PhoneList, UserName, Password };
struct DialupValues {
    std::string EntryName;
    std::string DialUser;
    std::string DialPassword;  // scrambled, as the command holds it
};
using DialupOutcome = CommandOutcome<DialupField, DialupValues>;
struct DialupInput {
    bool Dial = true;
    std::optional<std::string> Entry;  // the selected row
    std::string UserName;
    std::string Password;  // as typed
};
DialupOutcome ComposeDialup(const DialupInput& input);
// The line's values as the boxes show them, its password unscrambled.
template <>
DialupInput InputFromRecord<DialupInput>(CommandCode code, const CommandRecord& record);

// Dialling shows the entry panel in the taller dialog; hanging up hides it.
struct DialupLayout {
    bool ShowEntries = false;
    int ClientHeight = 0;
    int ButtonsTop = 0;
};
DialupLayout DialupLayoutFor(bool dial);

// The row selected on show: the first entry, or for an edited line the
// entry it names (none when that is gone); -1 for none.
int InitialEntryRow(const std::vector<std::string>& entries, bool freshInsert,
                    std::string_view entryName);

// Retrieve: the entry's stored user name, and its password only when one is
// stored; a failed retrieval leaves both boxes as they were.
void TakeDialParams(const std::optional<DialParams>& params, std::string& userName,
                    std::string& password);

}  // namespace orv::editor
