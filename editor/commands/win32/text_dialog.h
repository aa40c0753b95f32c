// The editor of a Text command ("Enter Keystrokes"): the keystroke editing
// over its memo, a File menu, and Update, which takes the memo's text into
// TextBuffer within the script limit as a Text line.
#pragma once

#include <cstdint>
#include <string>

#include "common/ui/win32/menus.h"
#include "editor/commands/command_context.h"
#include "editor/commands/keystroke_text.h"
#include "editor/commands/win32/command_dialog.h"
#include "editor/commands/win32/keystroke_editor.h"

namespace orv::editor {

class TModText : public TCommandDialog {
  public:
    explicit TModText(CommandContext& context);
    // The text taken by Update, at most 5,000 characters.
    std::string TextBuffer;
    // 1 after Update, as Confirmed() says.
    std::uint8_t Updated = 0;

    TMainMenu Menu{*this};
    TMenuItem FileMenu{Menu, "&File"};
    TMenuItem FileUpdate{FileMenu, "&Update"};
    TMenuItem FileExit{FileMenu, "E&xit"};
    TLabel Heading{*this, nullptr, {8, 6, 200, 16}, "Keystrokes"};
    TMemo NewFormat{*this, nullptr, {8, 24, 504, 170}};
    KeystrokeEditor Keys;
    TButton UpdateButton{*this, nullptr, {8, 344, 75, 25}, "&Update"};
    TButton CancelButton{*this, nullptr, {91, 344, 75, 25}, "&Cancel", ButtonRole::Cancel};
    TButton HelpButton{*this, nullptr, {174, 344, 75, 25}, "&Help"};

    void LoadInput(const TextInput& input);
    TextInput ReadInput() const;

  protected:
    void FormShow() override;
    // Closing without Update asks before typed text is lost.
    bool FormCloseQuery() override;
    // Update.
    void OkButtonClick() override;

  private:
    std::string shownText_;
};

}  // namespace orv::editor
