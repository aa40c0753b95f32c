// The shape every command dialog shares: the caller presets FreshInsert and
// the controls, shows the dialog, and reads CommandText (empty means
// cancelled), OptionCode and the raw values. OK hands the controls' values to
// the dialog's portable composition and either closes with the command or
// shows the refusal and puts the focus back on the control concerned.
#pragma once

#include <cstdint>
#include <string>

#include "common/message_boxes.h"
#include "common/ui/win32/form.h"
#include "editor/commands/command_dialogs.h"

namespace orv {

class TCommandDialog : public TForm {
  public:
    std::string CommandText;
    std::uint8_t FreshInsert = 1;
    std::int32_t OptionCode = 0;

  protected:
    TCommandDialog(std::string name, std::string caption, int clientWidth, int clientHeight,
                   std::string helpKeyword);

    // OK runs OkButtonClick, Cancel (and Escape) closes with an empty
    // command, Help opens the dialog's help keyword.
    void BindButtons(TButton& ok, TButton& cancel, TButton* help);
    virtual void OkButtonClick() = 0;
    void FormShow() override;

    // A refusal in an "Error" box with an OK button, the focus back on control.
    void Refuse(const std::string& message, TControl& control);

    // The outcome of OK: a refusal is shown and focuses controlOf(its field);
    // a command is taken and closes the dialog. True for a command.
    template <class Field, class Values, class ControlOf>
    bool Accept(const CommandOutcome<Field, Values>& outcome, ControlOf controlOf) {
        OptionCode = outcome.OptionCode;
        if (outcome.Refused) {
            Refuse(outcome.Refused->Message, controlOf(outcome.Refused->Focus));
            return false;
        }
        CommandText = outcome.CommandText;
        Close(IDOK);
        return true;
    }
};

// The row of buttons at the foot of a dialog, declared last so it comes last
// in the Tab order; a panel, so it moves as one.
struct TButtonRow {
    TButtonRow(TForm& form, int top, int left, bool withHelp = true);
    TPanel Row;
    TButton OkButton;
    TButton CancelButton;
    TButton HelpButton;
};

}  // namespace orv
