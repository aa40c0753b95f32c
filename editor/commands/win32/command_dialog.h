// The shape every command dialog shares: the caller presets FreshInsert and
// the controls (LoadInput of the dialog's input), shows the dialog, and reads
// CommandText (empty means cancelled), OptionCode, the raw values and the
// composed line's code and record. OK hands the controls' values (ReadInput)
// to the dialog's portable composition and either closes with the command or
// shows the refusal and puts the focus back on the control concerned.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "common/message_boxes.h"
#include "common/ui/win32/form.h"
#include "editor/commands/command_dialogs.h"

namespace orv::editor {

class TCommandDialog : public TForm {
  public:
    std::string CommandText;
    std::uint8_t FreshInsert = 1;
    std::int32_t OptionCode = 0;

    // True once OK has taken a command; the line it makes.
    bool Confirmed() const { return confirmed_; }
    CommandCode ComposedCode() const { return composed_.Code; }
    const CommandRecord& ComposedRecord() const { return composed_.Record; }

  protected:
    TCommandDialog(std::string name, std::string caption, int clientWidth, int clientHeight,
                   std::string helpKeyword);

    // OK runs OkButtonClick, Cancel (and Escape) closes with an empty
    // command, Help opens the dialog's help keyword.
    void BindButtons(TButton& ok, TButton& cancel, TButton* help);
    virtual void OkButtonClick() = 0;
    // Forgets the last command; CommandText too, unless the dialog keeps it
    // to show the command the caller gave it.
    void FormShow() override;
    void KeepCommandTextOnShow() { keepCommandText_ = true; }

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
        Take(outcome);
        return true;
    }
    // A dialog whose every choice is accepted.
    template <class Field, class Values>
    void Accept(const CommandOutcome<Field, Values>& outcome) {
        OptionCode = outcome.OptionCode;
        Take(outcome);
    }

  private:
    void Take(const ComposedCommand& command);

    ComposedCommand composed_;
    bool confirmed_ = false;
    bool keepCommandText_ = false;
};

// A dialog's choice among radio buttons: the first checked one of the list,
// in its order (-1 when none is), and checking one by its place.
int CheckedIndex(std::initializer_list<const TRadioButton*> buttons);
void CheckIndex(std::initializer_list<TRadioButton*> buttons, int index);

// The row of buttons at the foot of a dialog, declared last so it comes last
// in the Tab order; a panel, so it moves as one.
struct TButtonRow {
    // Narrow dialogs give narrower buttons.
    TButtonRow(TForm& form, int top, int left, bool withHelp = true, int buttonWidth = 75);
    TPanel Row;
    TButton OkButton;
    TButton CancelButton;
    TButton HelpButton;
};

}  // namespace orv::editor
