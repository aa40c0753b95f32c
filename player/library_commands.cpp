#include "player/library_commands.h"

#include "player/playback.h"

namespace orv::player {

namespace {

using C = CommandCode;

constexpr std::uint16_t Timed = 10000;

}  // namespace

std::string MacroInUseText(std::string_view verb, std::string_view nickname) {
    return "Cannot " + std::string(verb) + " macro \"" + std::string(nickname) +
           "\" because the macro file is in use by another user.";
}

Flow LibraryCommands::Perform(CommandContext& context) {
    const std::string text(context.Match.Texts[0]);
    PlayerHost& player = context.Play.Host();
    const CommandCode code = context.Form().Code;
    if (code == C::LoadNewMacroFile) {
        Swap(text);
        return Flow::Next;
    }
    // A free lock is let go at once: in network mode this reloads a library
    // another user changed, before the nickname is looked up.
    static_cast<void>(NewChange().Begin());
    if (code == C::MacroDelete)
        Delete(player, text);
    else
        SetEnabled(player, text, code == C::MacroActivate);
    return Flow::Next;
}

int LibraryCommands::FindMacro(std::string_view nickname) const {
    for (int i = 1; i <= parts_.Table.MacroCount(); ++i) {
        if (parts_.Settings.Nickname[i].str() == nickname)
            return i;
    }
    return 0;
}

LibraryChange LibraryCommands::NewChange() {
    return LibraryChange(parts_.Lock, parts_.Library, noHolds_, parts_.Editor);
}

void LibraryCommands::Delete(PlayerHost& player, std::string_view nickname) {
    const int j = FindMacro(nickname);
    if (j == 0)
        return;
    LibraryChange change = NewChange();
    if (!change.Begin()) {
        player.DoAMessage("Macro Delete Error", MacroInUseText("delete", nickname));
        return;
    }
    // The library tells of its own failure; nothing else has changed then.
    // It removes j only where the file still has the macro the tables list
    // there: the editor may have renumbered the file, its notice not here yet.
    if (!parts_.Library.DeleteMacroWithMenus(j))
        return;
    // The macro is gone from the file and the tables even where the file
    // cannot be read back at once (the library says so): the change is
    // counted and told alike. Every menu icon is made anew: those behind the
    // one gone have other numbers now.
    change.Count();
    static_cast<void>(parts_.Loading.ReloadAfterDelete(true));
    change.Tell(PlayerNoticeCode::MacroDeleted);
}

void LibraryCommands::SetEnabled(PlayerHost& player, std::string_view nickname, bool enabled) {
    const int j = FindMacro(nickname);
    if (j == 0 || parts_.Table.Entry(j).Enabled == enabled)
        return;
    LibraryChange change = NewChange();
    if (!change.Begin()) {
        player.DoAMessage(enabled ? "Macro Activate Error" : "Macro Deactivate Error",
                          MacroInUseText(enabled ? "activate" : "deactivate", nickname));
        return;
    }
    // The record first, where it is still the macro listed at j: a refused
    // write leaves the tables as the file is; one written, the library's
    // tables and the hook library take it.
    if (!parts_.Library.SetMacroEnabled(j, enabled ? 1 : 0))
        return;
    change.Count();
    change.Tell(NoticeCode::MacroEntryChanged, j);
    if (parts_.Table.Entry(j).Activation == Timed)
        parts_.Desk.CheckAndSetTime();
    parts_.Desk.SetHotKeys();
    change.Tell(PlayerNoticeCode::RepaintList);
}

void LibraryCommands::Swap(const std::string& fileName) {
    // Only a file that could be loaded becomes current, in the settings file too.
    if (!parts_.Loading.UseMacroFile(fileName, true))
        return;
    SettingsSaved(parts_.Ini.WriteCurrentFile());
    parts_.Editor.Post(PlayerNoticeCode::OtherLibrary, 0);
}

}  // namespace orv::player
