// The main window's operations on macros: add, modify, script, remove,
// activate, file under a category, and put on the desktop. Each keeps the
// file, the editor's tables, the hook library and the player in step, and a
// failure on the way changes none of them.
#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/clock.h"
#include "common/files.h"
#include "common/message_boxes.h"
#include "common/side_files.h"
#include "common/ui/win32/sound_service.h"
#include "editor/commands/encryption.h"
#include "editor/shell/category_choice.h"
#include "editor/shell/macro_operations.h"
#include "editor/shell/main_menu_texts.h"
#include "editor/shell/win32/add_macro_dialog.h"
#include "editor/shell/win32/category_forms.h"
#include "editor/shell/win32/desktop_link.h"
#include "editor/shell/win32/main_window.h"

namespace orv::editor {

namespace {

constexpr const char* LibraryFullMessage =
    "Maximum number of hot keys has been reached.  Add not allowed.";
constexpr const char* NoCategoriesMessage = "No categories have been created yet.";
constexpr const char* CategoryFileFailedMessage =
    "The category file could not be written; the categories are left as they were.";
constexpr const char* CategoryGoneMessage = "That category was removed by another user meanwhile.";

bool Agreed(const char* caption, const std::string& question) {
    return CurrentMessageBoxes().Show(caption, question,
                                      MsgStyle::YesNo | MsgStyle::IconQuestion) == MsgResult::Yes;
}

std::string AllCategoriesRefusal(const char* verb) {
    return std::string("Cannot ") + verb + " the \"All Categories\" category.";
}

// The name typed for a category, asked once the change has begun: a refusal
// (a recording, another user's lock) comes before the user types anything.
std::optional<std::string> AskCategoryName(HWND owner, std::string shown) {
    TDoCategory dialog;
    dialog.Result = std::move(shown);
    if (dialog.ShowModal(owner) != IDOK || dialog.Result.empty())
        return std::nullopt;
    return dialog.Result;
}

}  // namespace

// ---- adding and changing a macro ----

void TMainWin::DoAdd() {
    if (context_.Table.EntryCount() >= MaxMacros) {
        ShowError(LibraryFullMessage);
        return;
    }
    // The macro goes to the library it was begun on, whose hot keys the
    // dialog checked: the player's reloads wait for it.
    LibraryChange change = roads_.NewChange();
    if (!change.Begin())
        return;
    current_ = NewMacroRecord(settings_, CurrentClock().Now());
    TAddNewHotKey dialog({current_, context_.Table, context_.Hooks, context_.Notices, launchers_,
                          [this] { FillList(); }, &change});
    dialog.MacroNumber = context_.Table.EntryCount() + 1;
    dialog.ShowModal(Handle());
    if (dialog.Saved && dialog.Appended) {
        change.Count();
    } else {
        // A file busy for a while brings the editor back with the user's
        // entries, to be saved once it is free or given up.
        while (dialog.Saved && MayLandLater(AppendMacro(change, current_)) &&
               dialog.ShowEditorAgain()) {
        }
    }
    if (!change.Changed())
        return;
    FillList();
    SetButtons(true);
    SelectMacro(context_.Table.EntryCount());
    SetHotKeys();
    // A recording started from the dialog holds the lock until it ends.
    if (dialog.KeepsLock)
        change.KeepLock();
    if (current_.ActivationCode == ActivationCode::Scheduled)
        change.Tell(NoticeCode::SchedulesChanged);
    if (dialog.MenuInTray)
        change.Tell(NoticeCode::PopupMenusChanged);
}

MacroHandOver TMainWin::ExistingHandOver(int n, MacroRecord& record, bool unsavedEdits) {
    MacroHandOver handOver{record};
    handOver.HoldsUnsavedEdits = unsavedEdits;
    handOver.Owner = Handle();
    handOver.MacroNumber = n;
    handOver.IsExisting = true;
    handOver.ActivationCode = record.ActivationCode;
    handOver.ActKind = ActKindOf(record.ActivationCode);
    switch (handOver.ActKind) {
        case ActivationKind::HotKey:
            handOver.HotKeyLabel = KeyName(record.ActivationCode);
            break;
        case ActivationKind::Cueword:
            handOver.HotKeyLabel = record.CuewordText.str();
            break;
        case ActivationKind::WindowTitle:
            handOver.HotKeyLabel = record.ScopeText.str();
            break;
        default:
            break;
    }
    handOver.SharedKey = SharesGlobalHotKey(context_.Table, n);
    return handOver;
}

void TMainWin::DoModify() {
    const int n = SelectedMacro();
    const bool popup = context_.Table.Entry(n).Kind == MacroKind::PopupMenu;
    const EditorLaunchers::HandOver& editor =
        popup ? launchers_.BuildMenu : launchers_.OpenDirectEditor;
    ChangeUnderLock(n, [&](MacroRecord& record, bool unsavedEdits) {
        MacroHandOver handOver = ExistingHandOver(n, record, unsavedEdits);
        editor(handOver);
        return ChangeOutcome{handOver.Saved, popup && handOver.MenuInTray, true};
    });
}

void TMainWin::DoTheScript() {
    const int n = SelectedMacro();
    switch (context_.Table.Entry(n).Kind) {
        case MacroKind::PopupMenu:
            DoModify();
            return;
        case MacroKind::System:
            launchers_.ChangeActivation();
            return;
        default:
            break;
    }
    ChangeUnderLock(n, [&](MacroRecord& record, bool unsavedEdits) {
        MacroHandOver handOver = ExistingHandOver(n, record, unsavedEdits);
        launchers_.OpenScriptEditor(handOver);
        return ChangeOutcome{handOver.Saved, false, true};
    });
}

// ---- removing and activating ----

bool TMainWin::ListedInAMenu(int n) const {
    for (int i = 1; i <= context_.Table.EntryCount(); ++i) {
        if (context_.Table.Entry(i).Kind != MacroKind::PopupMenu)
            continue;
        MacroRecord menu;
        if (!context_.Library.ReadMacroRecord(i, menu))
            continue;
        const std::vector<int> members = menu.PopupMembers();
        if (std::find(members.begin(), members.end(), n) != members.end())
            return true;
    }
    return false;
}

void TMainWin::DoClear() {
    LibraryChange change = roads_.NewChange();
    if (!change.BeginOn(SelectedMacro(), roads_.Listed()))
        return;
    const int n = change.Held().Number;
    current_ = change.Held().AsRead;
    const std::uint16_t activation = current_.ActivationCode;
    const std::string cueword = current_.CuewordText.str();
    const bool asked =
        Agreed("Delete", RemoveQuestion(activation, cueword)) &&
        (!ListedInAMenu(n) || Agreed("Delete", MenuMemberQuestion(activation, cueword)));
    // The record and every menu's members go in one rewrite of the file.
    if (!asked || change.Delete() != LibraryStatus::Done)
        return;
    ReloadShared();
    // The delete numbered the tables as the file is now: the list and the
    // hot keys follow them even where the file cannot be read back. The
    // selection goes to the nearest row.
    FillList();
    SetHotKeys();
    if (list_.Empty())
        SetButtons(false);
    change.Tell(NoticeCode::MacroRemoved, current_.MacroKind == MacroKind::PopupMenu ? 1 : 0);
}

void TMainWin::DoActivate() {
    LibraryChange change = roads_.NewChange();
    if (!change.BeginOn(SelectedMacro(), roads_.Listed()))
        return;
    const HeldMacro& held = change.Held();
    const bool enabled = held.AsRead.Enabled == 0;
    // The file first: a flag it refuses is said, and the tables keep theirs.
    // One written, the library's tables and the hook library take it.
    if (change.SetEnabled(enabled) != LibraryStatus::Done)
        return;
    actions_.ShowEnabledState(enabled);
    ApplyActions();
    FillList();
    change.Tell(NoticeCode::MacroEntryChanged, held.Number);
    if (held.AsRead.ActivationCode == ActivationCode::Scheduled)
        change.Tell(NoticeCode::SchedulesChanged);
    SetHotKeys();
}

// ---- categories ----

void TMainWin::FileUnderCategory(LibraryChange& change, std::uint32_t id, bool sound) {
    MacroRecord record = change.Held().AsRead;
    record.CategoryId = id;
    if (change.Save(record) != LibraryStatus::Done)
        return;
    current_ = record;
    FillList();
    SelectMacro(change.Held().Number);
    SetHotKeys();
    if (record.ActivationCode == ActivationCode::Scheduled)
        change.Tell(NoticeCode::SchedulesChanged);
    if (sound && !settings_.SoundOff)
        CurrentSound().Play(InFolder(context_.ProgramDir, "FLOOP.WAV"));
}

void TMainWin::MenuAddCatClick() {
    if (categories_.Entries().size() <= 1) {
        ShowError(NoCategoriesMessage);
        return;
    }
    // The macro is the one selected when the user chose the command: held
    // before the dialog, and filed only where it still is.
    LibraryChange change = roads_.NewChange();
    if (!change.BeginOn(SelectedMacro(), roads_.Listed()))
        return;
    TChooseCategory dialog(categories_);
    if (dialog.ShowModal(Handle()) != IDOK)
        return;
    FileUnderCategory(change, static_cast<std::uint32_t>(dialog.ResultId), false);
}

bool TMainWin::CatListDragOver(TControl& source, int x, int y) const {
    return &source == &MyGrid && CatList.ItemAtPoint(x, y) >= 0;
}

void TMainWin::CatListDragDrop(const DropPoint& drop) {
    const int n = SelectedMacro();
    if (drop.Source != &MyGrid || drop.Item < 0 || n == 0)
        return;
    LibraryChange change = roads_.NewChange();
    if (change.BeginOn(n, roads_.Listed()))
        FileUnderCategory(change, static_cast<std::uint32_t>(CatList.Object(drop.Item)), true);
}

bool TMainWin::ChangeCategories(const std::function<bool(CategoryList&)>& change) {
    LibraryChange locked = roads_.NewChange();
    if (!locked.Begin())
        return false;
    // Another editor's categories first, so that neither change is lost.
    const std::string& library = settings_.MacroFiles[0].str();
    orv::GetCatFile(categories_, library);
    const bool applied = change(categories_);
    const bool changed = applied && categories_.SaveCatFile(CategoryFileName(library));
    if (applied && !changed)
        ShowError(CategoryFileFailedMessage);
    if (changed)
        locked.Count();
    else
        orv::GetCatFile(categories_, library);  // whatever the change did in memory
    locked.Finish();
    ShowCategories(categoryFilter_);
    FillList();
    return changed;
}

void TMainWin::ShowCategories(std::uint32_t filter) {
    CatList.ClearItems();
    categoryFilter_ = 0;
    for (const Category& c : categories_.Entries()) {
        CatList.AddItem(c.Name, c.Id);
        if (c.Id != 0 && static_cast<std::uint32_t>(c.Id) == filter) {
            categoryFilter_ = filter;
            CatList.SetItemIndex(CatList.Count() - 1);
        }
    }
}

Category* TMainWin::CategoryOf(CategoryList& list, std::int32_t id) {
    for (Category& c : list.Entries())
        if (c.Id == id)
            return &c;
    ShowError(CategoryGoneMessage);
    return nullptr;
}

void TMainWin::CatNewClick() {
    ChangeCategories([&](CategoryList& list) {
        const std::optional<std::string> name = AskCategoryName(Handle(), "");
        if (!name)
            return false;
        std::vector<std::uint32_t> filed;
        for (int i = 1; i <= context_.Table.EntryCount(); ++i)
            filed.push_back(settings_.CategoryId[static_cast<std::size_t>(i)]);
        list.Add(*name, NextCategoryId(list, filed));
        return true;
    });
}

void TMainWin::CatRenameClick() {
    const int index = CatList.ItemIndex();
    if (index < 0) {
        ShowError(NoCategorySelectedMessage);
        return;
    }
    if (index == 0) {
        ShowError(AllCategoriesRefusal("rename"));
        return;
    }
    const auto id = static_cast<std::int32_t>(CatList.Object(index));
    const std::string shown = CatList.Item(index);
    ChangeCategories([&](CategoryList& list) {
        const std::optional<std::string> name = AskCategoryName(Handle(), shown);
        if (!name)
            return false;
        Category* category = CategoryOf(list, id);
        if (category)
            category->Name = *name;
        return category != nullptr;
    });
}

void TMainWin::CatRemoveClick() {
    const int index = CatList.ItemIndex();
    if (index < 0) {
        ShowError(NoCategorySelectedMessage);
        return;
    }
    if (index == 0) {
        ShowError(AllCategoriesRefusal("remove"));
        return;
    }
    const std::string name = CatList.Item(index);
    const auto id = static_cast<std::int32_t>(CatList.Object(index));
    if (!Agreed("Remove Category", "Are you sure you want to delete the " + name + " category?"))
        return;
    ChangeCategories([&](CategoryList& list) {
        Category* category = CategoryOf(list, id);
        if (category)
            list.Entries().erase(list.Entries().begin() + (category - list.Entries().data()));
        return category != nullptr;
    });
}

// ---- the desktop and the cipher ----

void TMainWin::MenuOnDesktopClick() {
    const int n = SelectedMacro();
    std::vector<std::string> nicknames;
    for (int i = 1; i <= context_.Table.EntryCount(); ++i)
        nicknames.push_back(settings_.Nickname[static_cast<std::size_t>(i)].str());
    if (std::optional<std::string> refusal = DesktopLinkRefusal(n, nicknames)) {
        ShowError(*refusal);
        return;
    }
    if (editing_.ReadCurrentRecord(n, current_))
        DoTheLink(current_, context_.ProgramDir);
}

std::string TMainWin::EncryptIt(std::string_view text) {
    return editor::EncryptIt(text);
}

std::string TMainWin::DecryptIt(std::string_view text) {
    return editor::DecryptIt(text);
}

}  // namespace orv::editor
