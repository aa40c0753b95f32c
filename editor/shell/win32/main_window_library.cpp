// The library the main window shows: its hot keys, the network lock and the
// holds that keep a macro what it was across a wait, and the file menu that
// opens, makes and switches libraries.
#include "common/files.h"
#include "common/message_boxes.h"
#include "common/side_files.h"
#include "common/swap_keys.h"
#include "common/ui/win32/services.h"
#include "editor/shell/held_list.h"
#include "editor/shell/main_menu_texts.h"
#include "editor/shell/recent_files.h"
#include "editor/shell/win32/main_window.h"

namespace orv::editor {

namespace {

FileDialogOptions MacroFileDialog(const char* title) {
    FileDialogOptions o;
    o.Title = title;
    o.Filter = "Orvane (*.ORN)|*.ORN";
    o.DefaultExt = "ORN";
    o.HideReadOnly = true;
    return o;
}

}  // namespace

// ---- hot keys and the lock ----

void TMainWin::SetHotKeys() {
    PushHotKeys(context_.Table, context_.Hooks, context_.Notices);
}

void TMainWin::ReloadShared() {
    // A file that cannot be read has been said; the list shown stays.
    if (!context_.Library.ReloadMacroFile(false))
        return;
    GetSwapFile();
    GetCatFile();
    FillList();
    SetHotKeys();
}

void TMainWin::SetNetTimer(bool on) {
    netTimer_.SetEnabled(on);
}

void TMainWin::SetSyncTimer(bool on) {
    syncTimer_.SetEnabled(on);
}

bool TMainWin::ChangeUnderLock(int n, const std::function<ChangeOutcome(MacroRecord&)>& dialog) {
    return ChangeUnderLock(n, [&dialog](MacroRecord& record, bool) { return dialog(record); });
}

bool TMainWin::ChangeUnderLock(
    int n, const std::function<ChangeOutcome(MacroRecord&, bool unsavedEdits)>& dialog) {
    LibraryChange change = roads_.NewChange();
    if (!change.BeginOn(n, roads_.Listed()))
        return false;
    current_ = change.Held().AsRead;
    const bool wasTimed = current_.ActivationCode == ActivationCode::Scheduled;
    // A menu's tray change of an earlier showing is in the record saved.
    bool trayChanged = false;
    ChangeOutcome outcome;
    LibraryStatus status = LibraryStatus::Done;
    // Refused by a file another program holds or has taken away, not by a
    // macro that moved or a file that can never take it: the dialog comes
    // back with the edits, to be saved once the file is free or given up
    // with Cancel.
    bool unsavedEdits = false;
    do {
        outcome = dialog(current_, unsavedEdits);
        trayChanged = trayChanged || outcome.PopupTrayChanged;
        if (outcome.Saved)
            status = change.Save(current_);
        unsavedEdits = true;
    } while (outcome.Saved && MayLandLater(status) && outcome.UserEdits);
    if (!change.Changed())
        return false;
    FillList();
    SelectMacro(n);
    SetHotKeys();
    if (wasTimed || current_.ActivationCode == ActivationCode::Scheduled)
        change.Tell(NoticeCode::SchedulesChanged);
    if (trayChanged)
        change.Tell(NoticeCode::PopupMenusChanged);
    return true;
}

// ---- side files ----

void TMainWin::GetCatFile() {
    orv::GetCatFile(categories_, settings_.MacroFiles[0].str());
    ShowCategories(0);
}

void TMainWin::GetSwapFile() {
    SwapKeyTable table;
    // Only the side file's being there matters here: the player, which uses
    // the table, says one it cannot use, and the remapper one it cannot save.
    static_cast<void>(orv::GetSwapFile(settings_.MacroFiles[0].str(), table));
}

// ---- the file menu ----

void TMainWin::SetMenuLastFiles() {
    RecentFiles recent;
    for (std::size_t i = 0; i < 5; ++i) recent[i] = settings_.MacroFiles[i + 1].str();
    MenuExitSep.SetVisible(ShowsRecentSeparator(recent));
    TMenuItem* items[] = {&MenuLastFile1, &MenuLastFile2, &MenuLastFile3, &MenuLastFile4,
                          &MenuLastFile5};
    for (std::size_t i = 0; i < 5; ++i) {
        std::optional<std::string> caption = RecentFileCaption(recent, i);
        items[i]->SetVisible(caption.has_value());
        if (caption)
            items[i]->SetCaption(*caption);
    }
}

// Makes fileName the library shown and handed over, with its recent-file
// entry; a library that cannot be loaded leaves everything as it was.
void TMainWin::SwitchTo(const std::string& fileName, bool postSchedules) {
    const std::string oldName = settings_.MacroFiles[0].str();
    if (!editing_.SwitchLibrary(fileName)) {
        if (settings_.NetworkMode)
            roads_.Lock().SetUp();
        return;
    }
    if (settings_.NetworkMode)
        roads_.Lock().SetUp();
    SetHotKeys();
    DoCaption();
    categoryFilter_ = 0;
    FillList();
    SetButtons(context_.Table.EntryCount() > 0);
    GetSwapFile();
    GetCatFile();
    // The recent files hold full names: the one stored, not the one given.
    RecentFiles recent;
    for (std::size_t i = 0; i < 5; ++i) recent[i] = settings_.MacroFiles[i + 1].str();
    DoLastFiles(recent, oldName, settings_.MacroFiles[0].str());
    for (std::size_t i = 0; i < 5; ++i) settings_.MacroFiles[i + 1] = recent[i];
    SetMenuLastFiles();
    const bool current = context_.Config.WriteCurrentFile();
    SettingsSaved(context_.Config.WriteMiscSettings() && current);
    context_.Notices.Post(NoticeCode::LibraryReloaded, 0);
    if (postSchedules)
        context_.Notices.Post(NoticeCode::SchedulesChanged, 0);
    context_.Notices.Post(NoticeCode::MiscSettingsChanged, 0);
}

void TMainWin::DoOpen() {
    SwitchToChosen(true);
}

void TMainWin::DoNew() {
    SwitchToChosen(false);
}

void TMainWin::SwitchToChosen(bool existing) {
    if (roads_.RefusedWhileRecording())
        return;
    const std::optional<std::string> name =
        existing ? CurrentFileDialogs().Open(Handle(), MacroFileDialog("Open Orvane File"))
                 : CurrentFileDialogs().Save(Handle(), MacroFileDialog("New Orvane File"));
    if (!name)
        return;
    if (!IsMacroFileName(*name)) {
        ShowError(InvalidFileTypeMessage);
        return;
    }
    // A new file has no timed macros to tell the player of.
    SwitchTo(*name, existing);
}

void TMainWin::OpenSaveFile(int entry) {
    if (roads_.RefusedWhileRecording())
        return;
    const std::string name = settings_.MacroFiles[static_cast<std::size_t>(entry)].str();
    if (!FileExists(name)) {
        ShowError(EditorMessage::FileMissing);
        return;
    }
    SwitchTo(name, false);
}

}  // namespace orv::editor
