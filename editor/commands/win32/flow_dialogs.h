// The flow and timing dialogs: delays, pause, repeats, speed, loading another
// macro file, remarks, and the small number dialog.
#pragma once

#include <cstdint>
#include <string>

#include "editor/commands/command_context.h"
#include "editor/commands/flow_commands.h"
#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {

class TDoDelay2 : public TCommandDialog {
  public:
    TDoDelay2();
    double RawValue = 0;

    TLabel DelayLabel{*this, nullptr, {16, 18, 70, 16}, "Delay Time"};
    TEdit Seconds{*this, nullptr, {96, 14, 80, 21}};
    TRadioButton DelSecs{*this, nullptr, {16, 48, 220, 18}, "Delay in Seconds"};
    TRadioButton DelMilli{*this, nullptr, {16, 70, 220, 18}, "Delay in Milliseconds"};
    TRadioButton TimedDel{*this, nullptr, {16, 92, 220, 18}, "Timed Delay in Seconds"};
    TButtonRow Buttons{*this, 126, 16};

    void DelSecsClick();
    void DelMilliClick();

    void LoadInput(const DelayInput& input);
    DelayInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    DelayChoice Choice() const;
    void LimitToChoice();
};

class TDoPausePos : public TCommandDialog {
  public:
    TDoPausePos();
    std::int32_t RawLeft = 0;
    std::int32_t RawTop = 0;
    std::string RawMessage;

    TRadioButton BasicPause{*this, nullptr, {16, 12, 130, 18}, "&Basic Pause"};
    TRadioButton ComplexPause{*this, nullptr, {150, 12, 130, 18}, "Complex &Pause"};
    TPanel Details{*this, nullptr, {16, 40, 260, 142}};
    TGroupBox Location{*this, &Details, {0, 0, 260, 78}, "Location"};
    TLabel TopLabel{*this, &Location, {12, 22, 110, 16}, "Top Coordinate"};
    TEdit TopCoord{*this, &Location, {130, 18, 50, 21}};
    TLabel LeftLabel{*this, &Location, {12, 48, 110, 16}, "Left Coordinate"};
    TEdit LeftCoord{*this, &Location, {130, 44, 50, 21}};
    TGroupBox Message{*this, &Details, {0, 86, 260, 52}, "Message"};
    TEdit PauseMessage{*this, &Message, {12, 20, 236, 21}};
    TButtonRow Buttons{*this, 192, 16};

    void BasicPauseClick();
    void ComplexPauseClick();
    void EnableDisable();

    void LoadInput(const PauseInput& input);
    PauseInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;
};

class TDoRepeat : public TCommandDialog {
  public:
    TDoRepeat();
    std::int32_t RawCount = 0;
    std::int32_t RawStart = 1;
    std::int32_t RawStep = 1;

    TGroupBox Commands{*this, nullptr, {16, 10, 230, 112}, "Commands"};
    TRadioButton StartRepeat{*this, &Commands, {12, 20, 210, 18}, "&Start Repeat"};
    TRadioButton PromptRepeat{*this, &Commands, {12, 42, 210, 18}, "Start Repeat with &Prompt"};
    TRadioButton EndRepeat{*this, &Commands, {12, 64, 210, 18}, "&End Repeat"};
    TRadioButton RepeatCounter{*this, &Commands, {12, 86, 210, 18}, "&Incremental Counter"};
    TLabel RepeatLabel{*this, nullptr, {16, 136, 100, 16}, "Repeat Count"};
    TEdit Count{*this, nullptr, {126, 132, 60, 21}};
    TLabel StartLabel{*this, nullptr, {16, 162, 100, 16}, "Counter Start"};
    TEdit CStart{*this, nullptr, {126, 158, 60, 21}};
    TLabel StepLabel{*this, nullptr, {16, 188, 100, 16}, "Counter Step"};
    TEdit CStep{*this, nullptr, {126, 184, 60, 21}};
    TButtonRow Buttons{*this, 220, 16};

    void StartRepeatClick();
    void EndRepeatClick();
    void RepeatCounterClick();
    void EnableDisable();

    void LoadInput(const RepeatInput& input);
    RepeatInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    RepeatChoice Choice() const;
};

class TDoSpeed : public TCommandDialog {
  public:
    TDoSpeed();
    std::int32_t RawCount = 0;
    double RawFactor = 1.0;

    TGroupBox Commands{*this, nullptr, {16, 10, 230, 90}, "Commands"};
    TRadioButton KeyboardSpeed{*this, &Commands, {12, 20, 210, 18}, "&Keyboard Speed"};
    TRadioButton MouseSpeed{*this, &Commands, {12, 42, 210, 18}, "&Mouse Speed"};
    TRadioButton MacroSpeed{*this, &Commands, {12, 64, 210, 18}, "M&acro Speed"};
    TLabel Lab1{*this, nullptr, {16, 114, 130, 16}, "Delay in Milliseconds"};
    TEdit Count{*this, nullptr, {150, 110, 60, 21}};
    TButtonRow Buttons{*this, 146, 16};

    void KeyboardSpeedClick();
    void MouseSpeedClick();
    void MacroSpeedClick();

    void LoadInput(const SpeedInput& input);
    SpeedInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    SpeedChoice Choice() const;
};

class TDoSwap : public TCommandDialog {
  public:
    TDoSwap();
    std::string FilePath;

    TLabel Heading{*this, nullptr, {16, 12, 200, 16}, "Swap Macro File"};
    TLabel PathLabel{*this, nullptr, {16, 40, 200, 16}, "File Path/Name"};
    TEdit ProgPath{*this, nullptr, {16, 58, 250, 21}};
    TButton BrowseButton{*this, nullptr, {272, 56, 75, 25}, "&Browse"};
    TButtonRow Buttons{*this, 96, 16};

    void BrowseButtonClick();

    void LoadInput(const SwapInput& input);
    SwapInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;
};

class TDoRemark : public TCommandDialog {
  public:
    TDoRemark();

    TLabel CommentLabel{*this, nullptr, {16, 12, 200, 16}, "Comment"};
    TEdit Comments{*this, nullptr, {16, 30, 330, 21}};
    TButtonRow Buttons{*this, 66, 16};

    void LoadInput(const RemarkInput& input);
    RemarkInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;
};

// The Alt keypad sequence of the symbol dialog (mode 3), and the scheduler's
// frequency (mode 5), which it stores in the settings' "Timer Seconds".
class TDoDelay : public TCommandDialog {
  public:
    explicit TDoDelay(CommandContext& context);
    std::int32_t DelayMode = 3;
    double RawSeconds = 0;

    TLabel Label1{*this, nullptr, {16, 18, 100, 16}};
    TEdit Seconds{*this, nullptr, {120, 14, 50, 21}};
    TLabel Label2{*this, nullptr, {176, 18, 60, 16}, "Seconds"};
    TButtonRow Buttons{*this, 50, 16, false};

    void LoadInput(const AltKeypadInput& input);
    AltKeypadInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    editor::DelayMode Mode() const;
    CommandContext& context_;
};

}  // namespace orv::editor
