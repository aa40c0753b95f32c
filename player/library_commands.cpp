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
    NetworkLock& lock = parts_.Lock;
    if (!lock.FileInUse())
        lock.ReleaseSyncFile(0);
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

bool LibraryCommands::TimedFrom(int first) const {
    for (int i = first; i <= parts_.Table.EntryCount(); ++i) {
        if (parts_.Table.Entry(i).Activation == Timed)
            return true;
    }
    return false;
}

void LibraryCommands::Delete(PlayerHost& player, std::string_view nickname) {
    const int j = FindMacro(nickname);
    if (j == 0)
        return;
    NetworkLock& lock = parts_.Lock;
    if (lock.FileInUse()) {
        player.DoAMessage("Macro Delete Error", MacroInUseText("delete", nickname));
        return;
    }
    const MacroEntry entry = parts_.Table.Entry(j);
    const bool timed = entry.Activation == Timed;
    const bool menu = entry.Kind == MacroKind::PopupMenu;
    // The library tells of its own failure; nothing else has changed then.
    if (!parts_.Library.DeleteMacroWithMenus(j)) {
        lock.ReleaseSyncFile(0);
        return;
    }
    LibraryDesk& desk = parts_.Desk;
    if (menu)
        desk.ClearMenuTaskIcon();
    parts_.Library.ReloadMacroFile(true);
    desk.GetSwapFile();
    desk.SetHotKeys();
    // The schedule knows its macros by number: the timed ones behind the
    // deleted one moved down by one.
    if (timed || TimedFrom(j))
        desk.CheckAndSetTime();
    if (menu)
        desk.DoMenuTaskIcon();
    lock.ReleaseSyncFile(1);
    parts_.Editor.Post(PlayerNoticeCode::MacroDeleted, 0);
}

void LibraryCommands::SetEnabled(PlayerHost& player, std::string_view nickname, bool enabled) {
    const int j = FindMacro(nickname);
    if (j == 0)
        return;
    MacroEntry entry = parts_.Table.Entry(j);
    if (entry.Enabled == enabled)
        return;
    NetworkLock& lock = parts_.Lock;
    if (lock.FileInUse()) {
        player.DoAMessage(enabled ? "Macro Activate Error" : "Macro Deactivate Error",
                          MacroInUseText(enabled ? "activate" : "deactivate", nickname));
        return;
    }
    // The record first: a refused write leaves the tables as the file is.
    if (!parts_.Library.SetMacroEnabled(j, enabled ? 1 : 0)) {
        lock.ReleaseSyncFile(0);
        return;
    }
    entry.Enabled = enabled;
    parts_.Table.SetEntry(j, entry);
    parts_.Hooks.HandOver(HookSection::Item, parts_.Table, j);
    parts_.Editor.Post(NoticeCode::MacroEntryChanged, j);
    if (entry.Activation == Timed)
        parts_.Desk.CheckAndSetTime();
    parts_.Desk.SetHotKeys();
    parts_.Editor.Post(PlayerNoticeCode::RepaintList, 0);
    lock.ReleaseSyncFile(1);
}

void LibraryCommands::Swap(const std::string& fileName) {
    parts_.Settings.MacroFiles[0] = fileName;
    parts_.Ini.WriteCurrentFile();
    // The new file's change counter is the one seen, before it is loaded.
    if (parts_.Settings.NetworkMode)
        parts_.Lock.SetUp();
    LibraryDesk& desk = parts_.Desk;
    desk.ClearMenuTaskIcon();
    parts_.Library.LoadMacroFile(fileName, true);
    desk.SetHotKeys();
    desk.CheckAndSetTime();
    desk.DoMenuTaskIcon();
    desk.GetSwapFile();
    parts_.Editor.Post(PlayerNoticeCode::OtherLibrary, 0);
}

}  // namespace orv::player
