#include "editor/commands/win32/file_dialogs.h"

#include <windows.h>

#include "common/ui/win32/folder_dialogs.h"
#include "common/ui/win32/services.h"
#include "editor/commands/win32/system_file_checks.h"

namespace orv::editor {
namespace {

// The folder the user chose in the shell's folder browser, or nothing.
std::optional<std::string> BrowseForFolder(TForm& form) {
    return CurrentFolderDialogs().Browse(form.Handle(), FolderBrowserTitle, "");
}

}  // namespace

// File commands -------------------------------------------------------------------------

TDoDOSFiles::TDoDOSFiles()
    : TCommandDialog("TDoDOSFiles", "File Manipulation", 400, 244 + FooterHeight, "File Commands") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    for (TRadioButton* r : {&ChangeDir, &CopyFile, &RenameFile, &DeleteFile, &CreateFolder})
        r->OnClick = [this] { EnableDisable(); };
    BrowseButton.OnClick = [this] { BrowseButtonClick(); };
}

FileCommand TDoDOSFiles::Command() const {
    int index = CheckedIndex({&ChangeDir, &CopyFile, &RenameFile, &DeleteFile, &CreateFolder});
    return static_cast<FileCommand>(index < 0 ? 1 : index + 1);
}

void TDoDOSFiles::LoadInput(const DOSFilesInput& input) {
    CheckIndex({&ChangeDir, &CopyFile, &RenameFile, &DeleteFile, &CreateFolder},
               static_cast<int>(input.Command) - 1);
    ProgPath.SetText(input.Path);
    NewName.SetText(input.NewName);
}

DOSFilesInput TDoDOSFiles::ReadInput() const {
    return {Command(), ProgPath.Text(), NewName.Text()};
}

void TDoDOSFiles::EnableDisable() {
    DOSFilesLayout layout = DOSFilesLayoutFor(Command());
    Panel3.SetVisible(layout.ShowNewName);
    FileLabel.SetText(layout.PathLabel);
}

void TDoDOSFiles::BrowseButtonClick() {
    if (DOSFilesLayoutFor(Command()).BrowseFolder) {
        if (std::optional<std::string> folder = BrowseForFolder(*this))
            ProgPath.SetText(*folder);
        return;
    }
    FileDialogOptions options;
    options.Title = "All Files";
    options.Filter = "All Files (*.*)|*.*";
    if (std::optional<std::string> file = CurrentFileDialogs().Open(Handle(), options))
        ProgPath.SetText(*file);
}

void TDoDOSFiles::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1)
        ChangeDir.SetChecked(true);
    EnableDisable();
    ProgPath.SetFocus();
}

void TDoDOSFiles::OkButtonClick() {
    DOSFilesOutcome out = ComposeDOSFiles(ReadInput(), TheFileChecks());
    auto controlOf = [this](DOSFilesField f) -> TControl& {
        if (f == DOSFilesField::NewName)
            return NewName;
        return ProgPath;
    };
    if (!Accept(out, controlOf))
        return;
    FilePath = out.Raw.FilePath;
    NewFileName = out.Raw.NewFileName;
}

// Explorer ---------------------------------------------------------------------------------

TDoExplore::TDoExplore()
    : TCommandDialog("TDoExplore", "Open Explorer", 400, 64 + FooterHeight, "Explorer") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    BrowseButton.OnClick = [this] { BrowseButtonClick(); };
}

void TDoExplore::LoadInput(const ExploreInput& input) {
    ProgPath.SetText(input.Path);
}

ExploreInput TDoExplore::ReadInput() const {
    return {ProgPath.Text()};
}

void TDoExplore::BrowseButtonClick() {
    if (std::optional<std::string> folder = BrowseForFolder(*this))
        ProgPath.SetText(*folder);
}

void TDoExplore::FormShow() {
    TCommandDialog::FormShow();
    ProgPath.SetFocus();
}

void TDoExplore::OkButtonClick() {
    ExploreOutcome out = ComposeExplore(ReadInput(), TheFileChecks());
    if (Accept(out, [this](ExploreField) -> TControl& { return ProgPath; }))
        FilePath = out.Raw.FilePath;
}

// Macros by nickname -------------------------------------------------------------------------

TDoNick::TDoNick(CommandContext& context)
    : TCommandDialog("TDoNick", "Macro Commands", 450, 252 + FooterHeight, "Connect Macro"),
      context_(context) {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    NickList.OnDblClick = [this] { NickListDblClick(); };
}

void TDoNick::LoadInput(const NickInput& input) {
    CheckIndex({&Run, &Delete, &ACtivate, &Deactivate}, static_cast<int>(input.Action) - 1);
    ProgPath.SetText(input.Nickname);
}

NickInput TDoNick::ReadInput() const {
    int index = CheckedIndex({&Run, &Delete, &ACtivate, &Deactivate});
    return {static_cast<NickAction>(index < 0 ? 1 : index + 1), ProgPath.Text()};
}

void TDoNick::NickListDblClick() {
    int index = NickList.ItemIndex();
    if (index >= 0)
        ProgPath.SetText(NickList.Item(index));
}

void TDoNick::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1) {
        MacroNickname.clear();
        LoadInput({});
    }
    NickList.ClearItems();
    if (context_.Nicknames) {
        for (const std::string& nickname : NickListEntries(context_.Nicknames()))
            NickList.AddItem(nickname);
    }
    ProgPath.SetFocus();
}

void TDoNick::OkButtonClick() {
    NickInput input = ReadInput();
    int highlighted = NickList.ItemIndex();
    if (EditText(input.Nickname).empty() && highlighted >= 0) {
        const std::string& offered = NickList.Item(highlighted);
        if (CurrentMessageBoxes().Show("Error", HighlightedNicknameQuestion(offered),
                                       MsgStyle::YesNo) != MsgResult::Yes) {
            ProgPath.SetFocus();
            return;
        }
        input.Nickname = offered;
    }
    NickOutcome out = ComposeNick(input);
    if (Accept(out, [this](NickField) -> TControl& { return ProgPath; }))
        MacroNickname = out.Raw.MacroNickname;
}

// Desktop -----------------------------------------------------------------------------------------

TDoRecycle::TDoRecycle(CommandContext& context)
    : TCommandDialog("TDoRecycle", "Desktop", 536, 346 + FooterHeight, "Desktop Commands"),
      context_(context),
      commandButtons_{&Cascade, &Vertical,     &Horizontal, &Minimize,  &Restore,
                      &Suspend, &Undock,       &Date,       &FindComp,  &FindFiles,
                      &RunProg, &ControlPanel, &Desktop,    &DeskProgs, &Favorites,
                      &Fonts,   &MyComp,       &Network,    &Printers,  &Progs,
                      &Recent,  &Recycle,      &StartMenu,  &Startup,   &UserDocs} {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
}

void TDoRecycle::LoadInput(const RecycleInput& input) {
    if (input.Command >= 1 && input.Command <= DesktopCommandCount)
        commandButtons_[input.Command - 1]->SetChecked(true);
}

RecycleInput TDoRecycle::ReadInput() const {
    for (int i = 0; i < DesktopCommandCount; ++i) {
        if (commandButtons_[i]->Checked())
            return {i + 1};
    }
    return {0};
}

void TDoRecycle::FormShow() {
    TCommandDialog::FormShow();
    for (int i = 0; i < DesktopCommandCount; ++i)
        commandButtons_[i]->SetEnabled(DesktopCommandOffered(i + 1, context_.Browser4OrLater));
    if (FreshInsert == 1) {
        Cascade.SetChecked(true);
        Cascade.SetFocus();
    }
}

void TDoRecycle::OkButtonClick() {
    RecycleInput input = ReadInput();
    if (input.Command == 0) {
        Close(IDOK);  // nothing chosen: no command
        return;
    }
    Accept(ComposeRecycle(input));
}

}  // namespace orv::editor
