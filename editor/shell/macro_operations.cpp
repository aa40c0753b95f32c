#include "editor/shell/macro_operations.h"

#include <algorithm>

#include "common/hotkeys.h"
#include "common/schedule.h"
#include "common/string_routines.h"

namespace orv::editor {

MacroRecord NewMacroRecord(const SettingsBlock& settings, DateTime now) {
    MacroRecord r = orv::NewMacroRecord(now);
    r.CuewordCase = static_cast<std::int16_t>(settings.CaseSensitive);
    r.CuewordRemove = settings.NoRemove ? 2 : 1;
    DefaultTimer(r, now);
    r.CategoryId = 0;
    return r;
}

ActivationKind ActKindOf(std::uint16_t activation) {
    switch (activation) {
        case ActivationCode::Scheduled:
            return ActivationKind::Timed;
        case ActivationCode::Cueword:
            return ActivationKind::Cueword;
        case ActivationCode::None:
            return ActivationKind::None;
        case ActivationCode::WindowTitle:
            return ActivationKind::WindowTitle;
        default:
            return ActivationKind::HotKey;
    }
}

bool SharesGlobalHotKey(const HookTable& table, int n) {
    const std::uint16_t key = table.Entry(n).Activation;
    if (!IsHotKeyCode(key))
        return false;
    for (int i = 1; i <= table.EntryCount(); ++i) {
        const MacroEntry other = table.Entry(i);
        if (i != n && other.Activation == key &&
            (other.Kind == MacroKind::Global || other.Kind == MacroKind::PopupMenu ||
             other.Kind == MacroKind::System))
            return true;
    }
    return false;
}

namespace {

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// What the questions call the macro; a macro without a named activation has none.
std::optional<std::string> ActivationWording(std::uint16_t activation, std::string_view cueword) {
    switch (activation) {
        case ActivationCode::None:
        case ActivationCode::WindowTitle:
            return std::nullopt;
        case ActivationCode::Scheduled:
            return " " + Quoted("Timed Macro");
        case ActivationCode::Cueword:
            return " the Cueword " + Quoted(cueword);
        default:
            return " " + Quoted(KeyName(activation));
    }
}

}  // namespace

std::string RemoveQuestion(std::uint16_t activation, std::string_view cueword) {
    std::optional<std::string> named = ActivationWording(activation, cueword);
    return named ? "Are you sure you want to remove" + *named + "?"
                 : "Are you sure you want to remove this macro?";
}

std::string MenuMemberQuestion(std::uint16_t activation, std::string_view cueword) {
    const std::string menu = Quoted("Popup Menu");
    return "This macro is contained in a " + menu + ".  It will be removed from the " + menu +
           ".  " + RemoveQuestion(activation, cueword);
}

std::int32_t NextCategoryId(const CategoryList& categories,
                            std::span<const std::uint32_t> macroCategories) {
    std::int64_t highest = 0;
    for (const Category& c : categories.Entries()) highest = std::max<std::int64_t>(highest, c.Id);
    for (std::uint32_t id : macroCategories)
        highest = std::max<std::int64_t>(highest, static_cast<std::int32_t>(id));
    return static_cast<std::int32_t>(highest + 1);
}

namespace {

constexpr std::string_view LinkOpening =
    "A macro is activated via the desktop based on the \"Nickname\" of the macro. ";

bool CannotNameALink(std::string_view nickname) {
    return nickname.find_first_of("\\/:*?\"<>|") != std::string_view::npos ||
           nickname.find("..") != std::string_view::npos;
}

}  // namespace

std::optional<std::string> DesktopLinkRefusal(int macro, std::span<const std::string> nicknames) {
    const std::string& own = nicknames[static_cast<std::size_t>(macro - 1)];
    if (TrimStr(own).empty())
        return std::string(LinkOpening) +
               "The macro you have chosen has no nickname assigned.  You will need to give the "
               "macro a nickname first.";
    for (std::size_t i = 0; i < nicknames.size(); ++i)
        if (static_cast<int>(i) != macro - 1 && SameTextAscii(nicknames[i], own))
            return std::string(LinkOpening) +
                   "The macro you have chosen has the same nickname as another macro.  You will  "
                   "need to change the nickname of one of these macros first.";
    if (CannotNameALink(own))
        return std::string(LinkOpening) +
               "The nickname of the macro you have chosen becomes the name of the desktop file, "
               "which cannot hold \\ / : * ? \" < > | or \"..\", and a \"/\" would end the "
               "nickname the player is given.  You will need to change the nickname first.";
    return std::nullopt;
}

}  // namespace orv::editor
