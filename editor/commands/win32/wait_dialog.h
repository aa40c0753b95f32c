// The wait dialog (TDoWaitWin): the ten waits, each kind with its panel.
#pragma once

#include <cstdint>
#include <string>

#include "editor/commands/command_context.h"
#include "editor/commands/wait_command.h"
#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {

class TDoWaitWin : public TCommandDialog {
  public:
    explicit TDoWaitWin(CommandContext& context);
    std::int32_t RawValue = 0;
    std::string WaitParameter;
    std::uint8_t WaitCaseSensitive = 0;

    TRadioButton WaitTitle{*this, nullptr, {8, 8, 224, 18}, "Wait For &Window Title To Appear"};
    TRadioButton WaitLose{*this, nullptr, {8, 30, 224, 18}, "Wait For W&indow Title To Lose Focus"};
    TRadioButton WaitKey{*this, nullptr, {8, 52, 224, 18}, "Wait For &Key Press"};
    TRadioButton WaitText{*this, nullptr, {8, 74, 224, 18}, "Wait For &Text"};
    TRadioButton WaitLeft{*this, nullptr, {8, 96, 224, 18}, "Wait For &Left Mouse Click"};
    TRadioButton WaitRight{*this, nullptr, {240, 8, 224, 18}, "Wait For &Right Mouse Click"};
    TRadioButton WaitMiddle{*this, nullptr, {240, 30, 224, 18}, "Wait For &Middle Mouse Click"};
    TRadioButton WaitProg{*this, nullptr, {240, 52, 224, 18}, "Wait For &Program To Terminate"};
    TRadioButton WaitPlayBack{*this, nullptr, {240, 74, 224, 18}, "Wait For Text To Play &Back"};
    TRadioButton WaitTime{*this, nullptr, {240, 96, 224, 18}, "Wait For Time To &Elapse"};
    TPanel TitlePanel{*this, nullptr, {8, 124, 456, 116}};
    TLabel TitleLabel{*this, &TitlePanel, {0, 4, 110, 16}, "Window Title"};
    TEdit WinTitle{*this, &TitlePanel, {116, 0, 260, 21}};
    TLabel TitleNote{*this, &TitlePanel, {116, 26, 200, 16}, "(may be partial title)"};
    TPanel ProgPanel{*this, nullptr, {8, 124, 456, 116}};
    TLabel ProgLabel{*this, &ProgPanel, {0, 4, 110, 16}, "Program Name"};
    TEdit ProgName{*this, &ProgPanel, {116, 0, 260, 21}};
    TLabel ProgNote{*this, &ProgPanel, {116, 26, 200, 16}, "(may be partial name)"};
    TButton Button1{*this, &ProgPanel, {116, 48, 110, 25}, "Li&st Programs"};
    TPanel TextPanel{*this, nullptr, {8, 124, 456, 116}};
    TLabel TextLabel{*this, &TextPanel, {0, 4, 110, 16}, "Text To Wait For"};
    TEdit TheText{*this, &TextPanel, {116, 0, 330, 21}};
    // A check box: a lone radio button, once checked, could not be cleared.
    TCheckBox CaseSense{*this, &TextPanel, {116, 28, 160, 18}, "Case Sensiti&ve"};
    TPanel KeyPanel{*this, nullptr, {8, 124, 456, 116}};
    TLabel KeyLabel{*this, &KeyPanel, {0, 4, 110, 16}, "Key To Wait For"};
    TComboBox TheKey{*this, &KeyPanel, {116, 0, 120, 21}};
    TPanel ElapsePanel{*this, nullptr, {8, 124, 456, 116}};
    TLabel MinutesLabel{*this, &ElapsePanel, {0, 4, 110, 16}, "Minutes To Wait"};
    TEdit Minutes{*this, &ElapsePanel, {116, 0, 60, 21}};
    TLabel SecondsLabel{*this, &ElapsePanel, {0, 30, 110, 16}, "Seconds"};
    TEdit Seconds{*this, &ElapsePanel, {116, 26, 40, 21}};
    TPanel TimePanel{*this, nullptr, {8, 248, 456, 46}};
    TRadioButton WaitIndef{*this, &TimePanel, {0, 0, 160, 18}, "Wait Indefinitely"};
    TRadioButton WaitMax{*this, &TimePanel, {0, 24, 130, 18}, "Wait a maximum of"};
    TEdit WaitMin{*this, &TimePanel, {134, 22, 50, 21}};
    TLabel MinutesWord{*this, &TimePanel, {190, 26, 60, 16}, "minutes"};
    TButtonRow Buttons{*this, 301, 8};

    void LoadInput(const WaitInput& input);
    WaitInput ReadInput() const;
    void KindClick();
    void Button1Click();

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    WaitKind Kind() const;
    CommandContext& context_;
};

}  // namespace orv::editor
