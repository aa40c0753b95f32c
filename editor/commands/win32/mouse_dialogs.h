// The mouse, clipboard and modifier-key dialogs: TDoMouse, TDoClipboard and
// TDoKeyUpDown.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "editor/commands/mouse_commands.h"
#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {

class TDoMouse : public TCommandDialog {
  public:
    TDoMouse();
    std::int32_t RawX = 0;
    std::int32_t RawY = 0;
    std::int32_t RawClicks = 0;
    std::int32_t MoveMode = 0;

    TGroupBox Commands{*this, nullptr, {8, 8, 184, 328}, "Commands"};
    TRadioButton MouseMove{*this, &Commands, {10, 18, 168, 18}, "Mouse Mo&ve"};
    TRadioButton LeftClick{*this, &Commands, {10, 38, 168, 18}, "&Left Button Click"};
    TRadioButton LeftDblClick{*this, &Commands, {10, 58, 168, 18}, "L&eft Button Double Click"};
    TRadioButton LeftDown{*this, &Commands, {10, 78, 168, 18}, "Le&ft Button Down"};
    TRadioButton LeftUp{*this, &Commands, {10, 98, 168, 18}, "Lef&t Button Up"};
    TRadioButton RightClick{*this, &Commands, {10, 118, 168, 18}, "&Right Button Click"};
    TRadioButton RightDblClick{*this, &Commands, {10, 138, 168, 18}, "R&ight Button Double Click"};
    TRadioButton RightDown{*this, &Commands, {10, 158, 168, 18}, "Ri&ght Button Down"};
    TRadioButton RightUp{*this, &Commands, {10, 178, 168, 18}, "Right Button Up"};
    TRadioButton MiddleClick{*this, &Commands, {10, 198, 168, 18}, "&Middle Button Click"};
    TRadioButton MiddleDblClick{
        *this, &Commands, {10, 218, 168, 18}, "Mi&ddle Button Double Click"};
    TRadioButton MiddleDown{*this, &Commands, {10, 238, 168, 18}, "Middle B&utton Down"};
    TRadioButton MiddleUp{*this, &Commands, {10, 258, 168, 18}, "Middle Button U&p"};
    TRadioButton WheelForward{*this, &Commands, {10, 278, 168, 18}, "Mouse &Wheel Forward"};
    TRadioButton WheelBackward{*this, &Commands, {10, 298, 168, 18}, "Mouse Wheel &Backward"};
    TGroupBox Movement{*this, nullptr, {200, 8, 185, 170}, "Movement"};
    TRadioButton ToScreen{*this, &Movement, {10, 20, 168, 18}, "Relative To &Screen"};
    TRadioButton ToWindows{*this, &Movement, {10, 42, 168, 18}, "Relative To Wi&ndow"};
    TRadioButton ToPosition{*this, &Movement, {10, 64, 168, 18}, "Relative To L&ast Position"};
    TRadioButton ToCaret{*this, &Movement, {10, 86, 168, 18}, "To Caret Position"};
    TLabel XLabel{*this, &Movement, {10, 116, 44, 16}, "X Pos"};
    TEdit XPos{*this, &Movement, {60, 112, 60, 21}};
    TLabel YLabel{*this, &Movement, {10, 142, 44, 16}, "Y Pos"};
    TEdit YPos{*this, &Movement, {60, 138, 60, 21}};
    TButton Launch{*this, nullptr, {200, 186, 185, 25}, "Launch Mouse Locator"};
    TGroupBox Wheel{*this, nullptr, {200, 8, 185, 56}, "Wheel"};
    TLabel ClicksLabel{*this, &Wheel, {10, 24, 84, 16}, "Wheel Clicks"};
    TEdit NumClicks{*this, &Wheel, {100, 20, 50, 21}};
    TButtonRow Buttons{*this, 344, 5, true, 58};

    void LoadInput(const MouseInput& input);
    MouseInput ReadInput() const;
    void EnableDisable();
    void LaunchClick();

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    int Command() const;
    MoveTarget Target() const;
    // In the order of their option codes.
    const std::array<TRadioButton*, 15> commandButtons_;
};

class TDoClipboard : public TCommandDialog {
  public:
    TDoClipboard();
    std::uint8_t IgnoreLineEnds = 0;
    std::string FilePath;

    TGroupBox Options{*this, nullptr, {8, 8, 384, 228}, "Clipboard Options"};
    TRadioButton StartClip{*this, &Options, {10, 18, 364, 18}, "&Start Clipboard Copy"};
    TRadioButton EndClip{*this, &Options, {10, 38, 364, 18}, "&End Clipboard Copy"};
    TRadioButton CopyFile{*this, &Options, {10, 58, 364, 18}, "Cop&y Text File To Clipboard"};
    TRadioButton CopyCommand{
        *this, &Options, {10, 78, 364, 18}, "&Issue Copy To Clipboard Command (CTRL+C)"};
    TRadioButton PasteCommand{
        *this, &Options, {10, 98, 364, 18}, "Issue &Paste From Clipboard Command (CTRL+V)"};
    TRadioButton CopyBit{*this, &Options, {10, 118, 364, 18}, "Copy &Graphic File To Clipboard"};
    TRadioButton TypeText{*this, &Options, {10, 138, 364, 18}, "&Type Out Text From The Clipboard"};
    TRadioButton SaveText{
        *this, &Options, {10, 158, 364, 18}, "Sa&ve Clipboard Text To A Text File"};
    TRadioButton AppendText{
        *this, &Options, {10, 178, 364, 18}, "Appen&d Clipboard Text To The End Of A Text File"};
    TRadioButton SaveBit{
        *this, &Options, {10, 198, 364, 18}, "Save Clipboa&rd Graphic To A Graphic File"};
    TCheckBox IgnoreCR{*this, nullptr, {8, 242, 200, 18}, "Ig&nore CR/LF"};
    TCheckBox SavePrompt{
        *this, nullptr, {8, 264, 384, 18}, "Pro&mpt For File Name At Macro Run Time"};
    TPanel PathPanel{*this, nullptr, {8, 288, 384, 46}};
    TLabel PathLabel{*this, &PathPanel, {0, 0, 200, 16}};
    TEdit ProgPath{*this, &PathPanel, {0, 18, 300, 21}};
    TButton BrowseButton{*this, &PathPanel, {308, 16, 75, 25}, "&Browse"};
    TButtonRow Buttons{*this, 344, 8};

    void LoadInput(const ClipboardInput& input);
    ClipboardInput ReadInput() const;
    void EnabledDisable();
    void BrowseButtonClick();

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    ClipboardChoice Choice() const;
};

class TDoKeyUpDown : public TCommandDialog {
  public:
    TDoKeyUpDown();

    TGroupBox Options{*this, nullptr, {8, 8, 236, 190}, "Options"};
    TRadioButton CtrlDown{*this, &Options, {10, 20, 216, 18}, "Con&trol Key Down"};
    TRadioButton CtrlUp{*this, &Options, {10, 40, 216, 18}, "Co&ntrol Key Up"};
    TRadioButton AltDown{*this, &Options, {10, 60, 216, 18}, "&Alt Key Down"};
    TRadioButton AltUp{*this, &Options, {10, 80, 216, 18}, "A&lt Key Up"};
    TRadioButton ShiftDown{*this, &Options, {10, 100, 216, 18}, "&Shift Key Down"};
    TRadioButton ShiftUp{*this, &Options, {10, 120, 216, 18}, "Shi&ft Key Up"};
    TRadioButton WinDown{*this, &Options, {10, 140, 216, 18}, "&Win Key Down"};
    TRadioButton WinUp{*this, &Options, {10, 160, 216, 18}, "W&in Key Up"};
    TButtonRow Buttons{*this, 206, 8};

    void LoadInput(const KeyUpDownInput& input);
    KeyUpDownInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;
};

}  // namespace orv::editor
