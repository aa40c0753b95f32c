// The system, text box and encrypted-text dialogs: TDoReboot,
// TDoSysControls, TDoTBox and TDoEncrypt.
#pragma once

#include <cstdint>
#include <string>

#include "editor/commands/system_commands.h"
#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {

class TDoReboot : public TCommandDialog {
  public:
    TDoReboot();

    TGroupBox Commands{*this, nullptr, {8, 8, 240, 108}, "Commands"};
    TRadioButton Logoff{*this, &Commands, {10, 20, 220, 18}, "&Logoff"};
    TRadioButton Reboot{*this, &Commands, {10, 42, 220, 18}, "&Reboot"};
    TRadioButton ShutDown{*this, &Commands, {10, 64, 220, 18}, "&Shut Down"};
    TRadioButton PowerOff{*this, &Commands, {10, 86, 220, 18}, "Shut Down && Po&wer Off"};
    TButtonRow Buttons{*this, 124, 8};

    void LoadInput(const RebootInput& input);
    RebootInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;
};

class TDoSysControls : public TCommandDialog {
  public:
    TDoSysControls();
    std::int32_t RawValue = 0;
    std::string WallpaperFile;
    std::int32_t WallpaperX = 0;
    std::int32_t WallpaperY = 0;
    std::int32_t WallpaperMode = 0;

    TGroupBox Commands{*this, nullptr, {8, 8, 240, 176}, "Commands"};
    TRadioButton ScreenOn{*this, &Commands, {10, 20, 220, 18}, "Turn Screen Sa&ver On"};
    TRadioButton ScreenOff{*this, &Commands, {10, 42, 220, 18}, "Set Screen Sav&er Off"};
    TRadioButton ScreenTimer{*this, &Commands, {10, 64, 220, 18}, "Set Screen Save&r Time Out"};
    TRadioButton KeyDelay{*this, &Commands, {10, 86, 220, 18}, "Set Keyboard Repeat &Delay"};
    TRadioButton KeySpeed{*this, &Commands, {10, 108, 220, 18}, "Set Keyboard Repeat &Speed"};
    TRadioButton WinSize{*this, &Commands, {10, 130, 220, 18}, "Set Window Si&zing Border"};
    TRadioButton DeskWall{*this, &Commands, {10, 152, 220, 18}, "Set Desktop &Wallpaper"};
    TPanel ThePanel{*this, nullptr, {256, 8, 200, 50}};
    TLabel TheLabel{*this, &ThePanel, {0, 4, 60, 16}};
    TEdit Number{*this, &ThePanel, {70, 0, 40, 21}};
    TPanel WallPanel{*this, nullptr, {256, 8, 300, 160}};
    TLabel TrackLabel{*this, &WallPanel, {0, 0, 60, 16}, "Bitmap"};
    TEdit Track{*this, &WallPanel, {0, 18, 210, 21}};
    TButton BrowseButton{*this, &WallPanel, {216, 16, 75, 25}, "&Browse"};
    TCheckBox Tile{*this, &WallPanel, {0, 46, 150, 18}, "&Tile Bitmap"};
    TRadioButton Center{*this, &WallPanel, {0, 70, 90, 18}, "&Center"};
    TRadioButton Stretch{*this, &WallPanel, {96, 70, 90, 18}, "Stretc&h"};
    TRadioButton Position{*this, &WallPanel, {192, 70, 90, 18}, "&Position"};
    TLabel PositionNote{*this,
                        &WallPanel,
                        {0, 94, 290, 30},
                        "Position Bitmap at the following X,Y screen coordinates"};
    TLabel XLabel{*this, &WallPanel, {0, 132, 16, 16}, "X"};
    TEdit XPos{*this, &WallPanel, {20, 128, 50, 21}};
    TLabel YLabel{*this, &WallPanel, {90, 132, 16, 16}, "Y"};
    TEdit YPos{*this, &WallPanel, {110, 128, 50, 21}};
    TButtonRow Buttons{*this, 196, 8};

    void LoadInput(const SysControlsInput& input);
    SysControlsInput ReadInput() const;
    void EnableDisable();
    void BrowseButtonClick();

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    SysControl Control() const;
};

// The text window's heading and text; the caller takes the command (or the
// heading and the memo) once Confirmed().
class TDoTBox : public TCommandDialog {
  public:
    TDoTBox();
    std::string BoxHeader;

    TLabel HeaderLabel{*this, nullptr, {8, 10, 200, 16}, "Box Header"};
    TEdit Header{*this, nullptr, {8, 28, 380, 21}};
    TLabel ContentsLabel{*this, nullptr, {8, 58, 200, 16}, "Box Content"};
    TMemo Contents{*this, nullptr, {8, 76, 380, 150}};
    TButtonRow Buttons{*this, 236, 8};

    void LoadInput(const TBoxInput& input);
    TBoxInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;
};

class TDoEncrypt : public TCommandDialog {
  public:
    TDoEncrypt();
    std::string EncryptedText;

    TLabel TextLabel{*this, nullptr, {8, 10, 200, 16}, "Text"};
    TEdit Password{*this, nullptr, {8, 28, 380, 21}};
    TButtonRow Buttons{*this, 62, 8};

    void LoadInput(const EncryptInput& input);
    EncryptInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    std::string kept_;
};

}  // namespace orv::editor
