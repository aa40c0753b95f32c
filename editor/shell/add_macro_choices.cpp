#include "editor/shell/add_macro_choices.h"

#include "common/hotkey_list.h"
#include "common/macro_record.h"
#include "common/script/writer.h"

namespace orv::editor {

const AddLayout& DisableEnable(AddType type) {
    static const AddLayout hotKey{true, false, "", 0, true, true, "&Enter Directly", 419};
    static const AddLayout cueword{false, true, "Cueword Name",    10,
                                   true,  true, "&Enter Directly", 180};
    static const AddLayout timed{false, false, "", 0, false, true, "&Enter Directly", 149};
    static const AddLayout popup{true, false, "", 0, false, false, "Build Menu", 419};
    // Recording cannot give a window title activation: only the editors can.
    static const AddLayout title{false, true, "Window Title",    20,
                                 false, true, "&Enter Directly", 180};
    switch (type) {
        case AddType::HotKey:
            return hotKey;
        case AddType::Cueword:
            return cueword;
        case AddType::Timed:
        case AddType::None:
            return timed;
        case AddType::Popup:
            return popup;
        case AddType::WindowTitle:
            return title;
    }
    return hotKey;
}

HotKeyChoices HotKeyChoicesOf(const HookTable& table) {
    std::vector<HotKeyUser> users;
    HotKeyChoices choices;
    for (int i = 1; i <= table.EntryCount(); ++i) {
        const MacroEntry entry = table.Entry(i);
        users.push_back({entry.Activation, entry.Kind});
        if (entry.Kind != MacroKind::System)
            choices.HasUserMacros = true;
    }
    HotKeyListing listing = HotKeyListLines(users);
    choices.KeyTaken = listing.Used;
    choices.Lines = std::move(listing.Lines);
    return choices;
}

std::pair<std::string, std::string> KeyListColumns(std::string_view line) {
    const std::size_t open = line.find('(');
    if (open == std::string_view::npos)
        return {std::string(line), {}};
    std::string_view use = line.substr(open + 1);
    if (!use.empty() && use.back() == ')')
        use.remove_suffix(1);
    return {std::string(line.substr(0, open)), std::string(use)};
}

ChosenActivation ActivationFor(AddType type, int code, const HotKeyChoices& choices) {
    switch (type) {
        case AddType::None:
            return {ActivationKind::None, ActivationCode::None, false};
        case AddType::WindowTitle:
            return {ActivationKind::WindowTitle, ActivationCode::WindowTitle, false};
        case AddType::Timed:
            return {ActivationKind::Timed, ActivationCode::Scheduled, false};
        case AddType::Cueword:
            return {ActivationKind::Cueword, ActivationCode::Cueword, false};
        case AddType::HotKey:
        case AddType::Popup:
            break;
    }
    const bool taken = IsHotKeyCode(code) && choices.KeyTaken[static_cast<std::size_t>(code)];
    return {ActivationKind::HotKey, static_cast<std::uint16_t>(code), taken};
}

std::optional<const char*> NameRefusal(AddType type, std::string_view trimmedName) {
    if (type == AddType::Cueword) {
        if (trimmedName.empty())
            return AddMacroMessage::NoCueword;
        if (!IsCuewordName(trimmedName))
            return BadCuewordNameMessage;
    }
    if (type == AddType::WindowTitle && trimmedName.empty())
        return AddMacroMessage::NoTitle;
    return std::nullopt;
}

}  // namespace orv::editor
