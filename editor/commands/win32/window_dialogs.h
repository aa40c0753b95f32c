// The window and program dialogs: activating a window or launching a program
// (TDoActive), sizing or placing a window (TDoSizeIt) and the window controls
// (TDoSystemCommand).
#pragma once

#include <cstdint>
#include <string>

#include "editor/commands/win32/command_dialog.h"
#include "editor/commands/window_commands.h"

namespace orv::editor {

class TDoActive : public TCommandDialog {
  public:
    TDoActive();
    std::string RawTitle;
    std::string RawPath;
    std::string RawParams;
    std::int32_t RawDelay = 0;
    std::int32_t RawMaxSecs = 0;

    TGroupBox Action{*this, nullptr, {12, 8, 476, 110}, "Action"};
    TRadioButton ActiveOnly{*this, &Action, {12, 18, 456, 18}, "&Activate Window Only"};
    TRadioButton LaunchOnly{*this, &Action, {12, 40, 456, 18}, "&Launch Program Only"};
    TRadioButton LaunchAct{
        *this, &Action, {12, 62, 456, 18}, "La&unch Program and Activate Window"};
    TRadioButton ActiveLaunch{
        *this,
        &Action,
        {12, 84, 456, 18},
        "Activate &Window if Running Otherwise Launch Program and Activate Window"};
    TGroupBox WindowGroup{*this, nullptr, {12, 124, 476, 70}, "Activate Window"};
    TLabel TitleLabel{*this, &WindowGroup, {12, 22, 90, 16}, "Window Title"};
    TEdit WinTitle{*this, &WindowGroup, {110, 18, 330, 21}};
    TLabel TitleHint{*this, &WindowGroup, {110, 44, 200, 16}, "(May be partial title)"};
    TGroupBox ProgramGroup{*this, nullptr, {12, 200, 476, 190}, "Launch Program"};
    TLabel PathLabel{*this, &ProgramGroup, {12, 20, 160, 16}, "Program Path/Name"};
    TEdit ProgPath{*this, &ProgramGroup, {12, 38, 346, 21}};
    TButton BrowseButton{*this, &ProgramGroup, {366, 36, 75, 25}, "&Browse"};
    TLabel ParamsLabel{*this, &ProgramGroup, {12, 66, 160, 16}, "Program Parameters"};
    TEdit Params{*this, &ProgramGroup, {12, 84, 429, 21}};
    TLabel DelayLabel{*this, &ProgramGroup, {12, 116, 300, 16}, "Delay (in seconds)"};
    TEdit DelaySecs{*this, &ProgramGroup, {320, 112, 40, 21}};
    TLabel MaxLabel{
        *this, &ProgramGroup, {12, 142, 300, 16}, "Max seconds to wait for program to activate"};
    TEdit MaxSecs{*this, &ProgramGroup, {320, 138, 40, 21}};
    TCheckBox Bypass{*this, &ProgramGroup, {12, 166, 260, 18}, "Bypa&ss File Existance Check"};
    TLabel FolderNote{*this,
                      nullptr,
                      {12, 396, 476, 32},
                      "A program's default folder is set with a Change Directory/Folder "
                      "command before this one."};
    TButtonRow Buttons{*this, 434, 12};

    void LoadInput(const ActiveInput& input);
    ActiveInput ReadInput() const;
    void Enabledisable();
    void BrowseButtonClick();

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    ActiveChoice Choice() const;
};

// The window a command acts on: the one in the foreground or one by title.
struct TWindowGroup {
    TWindowGroup(TForm& form, int top, std::string_view hint);
    TGroupBox Group;
    TRadioButton CurrentWin;
    TRadioButton SpecificWin;
    TLabel TitleLabel;
    TEdit WinTitle;
    TLabel TitleHint;

    void Load(const WindowChoice& window);
    WindowChoice Read() const;
};

class TDoSizeIt : public TCommandDialog {
  public:
    TDoSizeIt();
    std::uint8_t WindowKind = 0;
    std::string RawTitle;
    std::int32_t RawA = 0;
    std::int32_t RawB = 0;

    TWindowGroup Window{*this, 8, "(Can be partial title)"};
    TGroupBox Commands{*this, nullptr, {12, 110, 276, 100}, "Commands"};
    TRadioButton ResizeWin{*this, &Commands, {12, 20, 128, 18}, "&Resize Window"};
    TRadioButton PositionWin{*this, &Commands, {140, 20, 128, 18}, "&Position Window"};
    TLabel WidthLabel{*this, &Commands, {12, 50, 60, 16}, "Width"};
    TEdit TheWidth{*this, &Commands, {80, 46, 50, 21}};
    TLabel HeightLabel{*this, &Commands, {12, 76, 60, 16}, "Height"};
    TEdit TheHeight{*this, &Commands, {80, 72, 50, 21}};
    TButtonRow Buttons{*this, 220, 12};

    void LoadInput(const SizeItInput& input);
    SizeItInput ReadInput() const;
    void ResizeWinClick();

  protected:
    void FormShow() override;
    void OkButtonClick() override;
};

class TDoSystemCommand : public TCommandDialog {
  public:
    TDoSystemCommand();
    std::uint8_t WindowKind = 0;
    std::string RawTitle;

    TGroupBox Commands{*this, nullptr, {12, 8, 276, 176}, "Commands"};
    TRadioButton DoMaximize{*this, &Commands, {12, 20, 250, 18}, "&Maximize Window"};
    TRadioButton DoMinimize{*this, &Commands, {12, 42, 250, 18}, "M&inimize Window"};
    TRadioButton DoRestore{*this, &Commands, {12, 64, 250, 18}, "&Restore Window"};
    TRadioButton DoClose{*this, &Commands, {12, 86, 250, 18}, "C&lose Window"};
    TRadioButton DoHide{*this, &Commands, {12, 108, 250, 18}, "Hi&de Window"};
    TRadioButton DoShow{*this, &Commands, {12, 130, 250, 18}, "&Show Window (unhide)"};
    TRadioButton DoShutDown{*this, &Commands, {12, 152, 250, 18}, "Shut Down &Program"};
    TWindowGroup Window{*this, 190, "(Can be partial title)"};
    TButtonRow Buttons{*this, 296, 12};

    void LoadInput(const SystemCommandInput& input);
    SystemCommandInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;
};

}  // namespace orv::editor
