// The default printer (TDoDefPrint) and screen mode (TDoScreen) dialogs,
// each a list of what this machine has.
#pragma once

#include <cstdint>
#include <string>

#include "editor/commands/device_commands.h"
#include "editor/commands/device_lists.h"
#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {

class TDoDefPrint : public TCommandDialog {
  public:
    explicit TDoDefPrint(const PrinterList& printers);
    TDoDefPrint();
    std::string PrinterName;

    TLabel ChooseLabel{*this, nullptr, {8, 8, 200, 16}, "Choose Printer"};
    TListBox SettingBox{*this, nullptr, {8, 26, 300, 150}};
    TButtonRow Buttons{*this, 184, 8, true, 94};

    void LoadInput(const DefPrintInput& input);
    DefPrintInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    const PrinterList& printers_;
};

class TDoScreen : public TCommandDialog {
  public:
    explicit TDoScreen(const DisplayModes& modes);
    TDoScreen();
    std::int32_t ModeIndex = 0;

    TLabel ChooseLabel{*this, nullptr, {8, 8, 200, 16}, "Choose Setting"};
    TListBox SettingBox{*this, nullptr, {8, 26, 340, 150}};
    TLabel Note{*this,
                nullptr,
                {8, 180, 340, 30},
                "NOTE: Some video drivers may require a reboot before the new settings can take "
                "effect."};
    TButtonRow Buttons{*this, 216, 8};

    void LoadInput(const ScreenInput& input);
    ScreenInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    const DisplayModes& modes_;
};

}  // namespace orv::editor
