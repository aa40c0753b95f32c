// The Load Text File dialog: the file's path, Notepad on it, and, from the
// script editor's list, editing the file as a script in the editor itself.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {

class TDoTextInsert : public TCommandDialog {
  public:
    TDoTextInsert();
    // The stored path (the short form) once OK took it.
    std::string Path;
    // 1 offers "Edit In Scripting Editor".
    std::uint8_t ScriptEditChoice = 0;
    // Enters the script editor's text-file mode on the typed path and its
    // short form; false when it could not (which was said).
    std::function<bool(const std::string& typed, const std::string& shortPath)> EditInScriptEditor;

    TLabel Title{*this, nullptr, {12, 8, 200, 16}, "Insert Text File"};
    TLabel PathLabel{*this, nullptr, {12, 34, 200, 16}, "File Path/Name"};
    TEdit PathBox{*this, nullptr, {12, 52, 300, 21}};
    TButton BrowseButton{*this, nullptr, {318, 50, 75, 25}, "&Browse"};
    TButton NotepadButton{*this, nullptr, {12, 84, 130, 25}, "&Edit In Notepad"};
    TButton ScriptButton{*this, nullptr, {150, 84, 160, 25}, "Edit In &Scripting Editor"};
    TButtonRow Buttons{*this, 122, 12};

    void BrowseButtonClick();
    void NotepadButtonClick();
    void ScriptButtonClick();

  protected:
    void FormShow() override;
    void OkButtonClick() override;
};

}  // namespace orv::editor
