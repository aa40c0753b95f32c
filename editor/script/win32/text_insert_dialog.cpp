#include "editor/script/win32/text_insert_dialog.h"

#include "common/ui/win32/services.h"
#include "common/ui/win32/shell_service.h"
#include "editor/commands/win32/system_file_checks.h"
#include "editor/script/text_insert.h"

namespace orv::editor {

TDoTextInsert::TDoTextInsert()
    : TCommandDialog("TDoTextInsert", "Load Text from a Text File", 405, 122 + 40,
                     "Insert Text File") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    BrowseButton.OnClick = [this] { BrowseButtonClick(); };
    NotepadButton.OnClick = [this] { NotepadButtonClick(); };
    ScriptButton.OnClick = [this] { ScriptButtonClick(); };
    PathBox.SetMaxLength(255);
}

void TDoTextInsert::FormShow() {
    TCommandDialog::FormShow();
    ScriptButton.SetVisible(ScriptEditChoice == 1);
    ScriptButton.SetEnabled(ScriptEditChoice == 1);
    PathBox.SetFocus();
}

void TDoTextInsert::OkButtonClick() {
    CheckedTextFile file = CheckTextFile(PathBox.Text(), TheFileChecks());
    if (!file.Short &&
        CurrentMessageBoxes().Show("Warning", TextInsertMessage::Correct,
                                   MsgStyle::YesNo | MsgStyle::IconWarning) == MsgResult::Yes) {
        PathBox.SetFocus();
        return;
    }
    TextInsertOutcome out = ComposeTextInsert(file);
    if (Accept(out, [this](TextInsertField) -> TControl& { return PathBox; }))
        Path = std::get<StringRec>(out.Record).Text.str();
}

void TDoTextInsert::BrowseButtonClick() {
    FileDialogOptions options;
    options.Title = "Text Files";
    options.DefaultExt = "TXT";
    options.Filter = "Text Files (*TXT)|*.TXT|Any Files (*.*)|*.*";
    if (auto chosen = CurrentFileDialogs().Open(Handle(), options))
        PathBox.SetText(*chosen);
}

void TDoTextInsert::NotepadButtonClick() {
    CheckedTextFile file = CheckTextFile(PathBox.Text(), TheFileChecks());
    if (!file.Short) {
        Refuse(TextInsertMessage::Unable, PathBox);
        return;
    }
    CurrentShell().Open(Handle(), "notepad.exe", "\"" + *file.Short + "\"");
}

void TDoTextInsert::ScriptButtonClick() {
    CheckedTextFile file = CheckTextFile(PathBox.Text(), TheFileChecks());
    if (!file.Short) {
        Refuse(TextInsertMessage::Unable, PathBox);
        return;
    }
    if (EditInScriptEditor && EditInScriptEditor(file.Trimmed, *file.Short))
        Close(IDCANCEL);
}

}  // namespace orv::editor
