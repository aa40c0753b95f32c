#include "player/library_loading.h"

#include "common/files.h"

namespace orv::player {

bool LibraryLoading::UseMacroFile(const std::string& fileName, bool remakeMenus) {
    const std::string before = settings_.MacroFiles[0].str();
    settings_.MacroFiles[0] = fileName;
    // The new file's change counter is the one seen, before it is loaded.
    if (settings_.NetworkMode)
        lock_.SetUp();
    if (Load(fileName, remakeMenus, false))
        return true;
    settings_.MacroFiles[0] = before;
    if (settings_.NetworkMode)
        lock_.SetUp();
    return false;
}

bool LibraryLoading::ReloadMacroFile(bool remakeMenus) {
    return Load(settings_.MacroFiles[0].str(), remakeMenus, false);
}

bool LibraryLoading::ReloadAfterDelete(bool remakeMenus) {
    return Load(settings_.MacroFiles[0].str(), remakeMenus, true);
}

bool LibraryLoading::UseCommandLineFile(const std::string& fileName) {
    if (!FileExists(fileName) && !FolderExists(fileName))
        return true;
    return UseMacroFile(FullPath(fileName), false);
}

bool LibraryLoading::Load(const std::string& fileName, bool remakeMenus, bool renumbered) {
    // No menu icon may name a macro while the numbers change.
    if (remakeMenus)
        desk_.ClearMenuTaskIcon();
    const bool loaded = library_.LoadMacroFile(fileName, true);
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
