#include "player/library_loading.h"

#include "common/files.h"
#include "common/raised_flag.h"

namespace orv::player {

bool LibraryLoading::UseMacroFile(const std::string& fileName, bool remakeMenus) {
    const bool used = TakeFile(fileName, remakeMenus);
    if (!used)
        LoadAgainUnlessLoaded();
    return used;
}

bool LibraryLoading::TakeFile(const std::string& fileName, bool remakeMenus) {
    if (TryFile(fileName, remakeMenus))
        return true;
    if (settings_.NetworkMode)
        lock_.SetUp();
    return false;
}

bool LibraryLoading::TryFile(const std::string& fileName, bool remakeMenus) {
    // Kept by its full name: another current folder later (a <CHDIR:, the
    // next start, the editor's own) finds the same file.
    const std::optional<std::string> found = LibraryNameToKeep(fileName);
    if (!found)
        return false;
    const std::string before = settings_.MacroFiles[0].str();
    settings_.MacroFiles[0] = *found;
    // The new file's change counter is the one seen, before it is loaded.
    if (settings_.NetworkMode)
        lock_.SetUp();
    if (Load(remakeMenus, false, [&] { return library_.LoadMacroFile(*found, true); }))
        return true;
    settings_.MacroFiles[0] = before;
    return false;
}

bool LibraryLoading::ReloadMacroFile(bool remakeMenus) {
    return Reload(remakeMenus, false);
}

bool LibraryLoading::ReloadAfterDelete(bool remakeMenus) {
    return Reload(remakeMenus, true);
}

bool LibraryLoading::Reload(bool remakeMenus, bool renumbered) {
    const bool loaded =
        Load(remakeMenus, renumbered, [&] { return library_.ReloadMacroFile(true); });
    if (!loaded)
        LoadAgainUnlessLoaded();
    return loaded;
}

bool LibraryLoading::LoadAtStart(const std::vector<std::string>& commandLineFiles) {
    for (auto name = commandLineFiles.rbegin(); name != commandLineFiles.rend(); ++name)
        if ((FileExists(*name) || FolderExists(*name)) && TryFile(*name, false))
            return true;
    // A name remembered relative (an older settings file) is taken from the
    // folder of this start, once, and kept full from then on.
    const std::optional<std::string> remembered = LibraryNameToKeep(settings_.MacroFiles[0].str());
    if (!remembered)
        return false;
    settings_.MacroFiles[0] = *remembered;
    if (settings_.NetworkMode)
        lock_.SetUp();
    return ReloadMacroFile(false);
}

bool LibraryLoading::UseEditorsFile(const std::string& fileName) {
    if (TakeFile(fileName, true))
        return true;
    desk_.SetHotKeys();
    SettingsSaved(ini_.WriteCurrentFile());
    editor_.Post(PlayerNoticeCode::OtherLibrary, 0);
    // The library the player has may be one it could not read either.
    LoadAgainUnlessLoaded();
    return false;
}

bool LibraryLoading::RetryLoad() {
    if (loading_)
        return false;
    return library_.TablesFollow(settings_.MacroFiles[0].str()) ||
           Load(true, false, [&] { return library_.ReloadMacroFile(true, Refusal::Quiet); });
}

void LibraryLoading::LoadAgainUnlessLoaded() {
    if (!library_.TablesFollow(settings_.MacroFiles[0].str()))
        desk_.LoadAgainLater();
}

bool LibraryLoading::Load(bool remakeMenus, bool renumbered, const std::function<bool()>& read) {
    const RaisedFlag loading(loading_);
    // No menu icon may name a macro while the numbers change.
    if (remakeMenus)
        desk_.ClearMenuTaskIcon();
    const bool loaded = read();
    if (loaded)
        desk_.GetSwapFile();
    if (loaded || renumbered) {
        desk_.SetHotKeys();
        desk_.CheckAndSetTime();
    }
    if (remakeMenus)
        desk_.DoMenuTaskIcon();
    return loaded;
}

}  // namespace orv::player
