// The dial-up dialog (TDoDialup): dial a phone book entry or hang up. Its
// callers ask RasLoaded first and warn instead of opening it without one.
#pragma once

#include <cstdint>
#include <string>

#include "editor/commands/device_lists.h"
#include "editor/commands/dialup_command.h"
#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {

class TDoDialup : public TCommandDialog {
  public:
    explicit TDoDialup(const PhoneBook& book);
    TDoDialup();
    std::string EntryName;
    std::string DialUser;
    std::string DialPassword;  // scrambled

    TGroupBox Commands{*this, nullptr, {8, 8, 300, 64}, "Commands"};
    TRadioButton Hang{*this, &Commands, {10, 20, 280, 18}, "Hang &Up"};
    TRadioButton Dial{*this, &Commands, {10, 42, 280, 18}, "&Dial a Phone Book Entry"};
    TPanel Panel3{*this, nullptr, {8, 80, 300, 170}};
    TLabel PhoneLabel{*this, &Panel3, {0, 0, 200, 16}, "Phone Book Entries"};
    TListBox PhoneList{*this, &Panel3, {0, 18, 300, 92}};
    TLabel UserLabel{*this, &Panel3, {0, 116, 140, 16}, "User Name"};
    TEdit UserName{*this, &Panel3, {0, 134, 140, 21}};
    TLabel PasswordLabel{*this, &Panel3, {150, 116, 140, 16}, "Password"};
    TEdit Password{*this, &Panel3, {150, 134, 150, 21}};
    TButton Button1{*this, &Panel3, {225, 0, 75, 17}, "&Retrieve"};
    TButtonRow Buttons{*this, 257, 8, true, 94};

    void LoadInput(const DialupInput& input);
    DialupInput ReadInput() const;
    void SetLayout();
    void Button1Click();

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    const PhoneBook& book_;
};

}  // namespace orv::editor
