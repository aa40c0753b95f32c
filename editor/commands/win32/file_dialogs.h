// The file, folder, macro and desktop dialogs: TDoDOSFiles, TDoExplore,
// TDoNick and TDoRecycle.
#pragma once

#include <array>
#include <string>

#include "editor/commands/file_commands.h"
#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {

class TDoDOSFiles : public TCommandDialog {
  public:
    TDoDOSFiles();
    std::string FilePath;
    std::string NewFileName;

    TGroupBox Commands{*this, nullptr, {8, 8, 240, 130}, "File Commands"};
    TRadioButton ChangeDir{*this, &Commands, {10, 20, 220, 18}, "Ch&ange Directory/Folder"};
    TRadioButton CopyFile{*this, &Commands, {10, 42, 220, 18}, "Cop&y File"};
    TRadioButton RenameFile{*this, &Commands, {10, 64, 220, 18}, "&Rename File"};
    TRadioButton DeleteFile{*this, &Commands, {10, 86, 220, 18}, "&Delete File"};
    TRadioButton CreateFolder{*this, &Commands, {10, 108, 220, 18}, "Cr&eate Directory/Folder"};
    TLabel FileLabel{*this, nullptr, {8, 146, 200, 16}};
    TEdit ProgPath{*this, nullptr, {8, 164, 300, 21}};
    TButton BrowseButton{*this, nullptr, {316, 162, 75, 25}, "&Browse"};
    TPanel Panel3{*this, nullptr, {8, 192, 384, 44}};
    TLabel NewNameLabel{*this, &Panel3, {0, 0, 100, 16}, "New Name"};
    TEdit NewName{*this, &Panel3, {0, 18, 300, 21}};
    TButtonRow Buttons{*this, 244, 8};

    void LoadInput(const DOSFilesInput& input);
    DOSFilesInput ReadInput() const;
    void EnableDisable();
    void BrowseButtonClick();

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    FileCommand Command() const;
};

class TDoExplore : public TCommandDialog {
  public:
    TDoExplore();
    std::string FilePath;

    TLabel FolderLabel{*this, nullptr, {8, 10, 200, 16}, "Folder Name"};
    TEdit ProgPath{*this, nullptr, {8, 28, 300, 21}};
    TButton BrowseButton{*this, nullptr, {316, 26, 75, 25}, "&Browse"};
    TButtonRow Buttons{*this, 64, 8};

    void LoadInput(const ExploreInput& input);
    ExploreInput ReadInput() const;
    void BrowseButtonClick();

  protected:
    void FormShow() override;
    void OkButtonClick() override;
};

class TDoNick : public TCommandDialog {
  public:
    explicit TDoNick(CommandContext& context);
    std::string MacroNickname;

    TLabel NickLabel{*this, nullptr, {8, 10, 200, 16}, "Macro Nickname"};
    TEdit ProgPath{*this, nullptr, {8, 28, 240, 21}};
    TLabel ListLabel{*this, nullptr, {8, 58, 240, 16}, "List of Current Macro Nicknames"};
    TListBox NickList{*this, nullptr, {8, 76, 240, 150}, true};
    TLabel ListNote{*this, nullptr, {8, 228, 240, 16}, "(Double click to accept)"};
    TGroupBox Commands{*this, nullptr, {260, 8, 180, 112}, "Commands"};
    TRadioButton Run{*this, &Commands, {10, 20, 160, 18}, "&Run A Macro"};
    TRadioButton Delete{*this, &Commands, {10, 42, 160, 18}, "&Delete A Macro"};
    TRadioButton ACtivate{*this, &Commands, {10, 64, 160, 18}, "&Activate A Macro"};
    TRadioButton Deactivate{*this, &Commands, {10, 86, 160, 18}, "Deac&tivate A Macro"};
    TButtonRow Buttons{*this, 252, 8};

    void LoadInput(const NickInput& input);
    NickInput ReadInput() const;
    void NickListDblClick();

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    CommandContext& context_;
};

class TDoRecycle : public TCommandDialog {
  public:
    explicit TDoRecycle(CommandContext& context);

    // All 25 buttons are declared in a row so they form one group.
    TGroupBox Commands{*this, nullptr, {8, 8, 520, 330}, "Commands"};
    TRadioButton Cascade{*this, &Commands, {10, 20, 240, 18}, "C&ascade"};
    TRadioButton Vertical{*this, &Commands, {10, 40, 240, 18}, "&Tile Vertically"};
    TRadioButton Horizontal{*this, &Commands, {10, 60, 240, 18}, "Tile Hori&zontally"};
    TRadioButton Minimize{*this, &Commands, {10, 136, 240, 18}, "&Minimize All Windows"};
    TRadioButton Restore{*this, &Commands, {10, 156, 240, 18}, "&Restore All Windows"};
    TRadioButton Suspend{*this, &Commands, {10, 176, 240, 18}, "&Suspend Computer"};
    TRadioButton Undock{*this, &Commands, {10, 196, 240, 18}, "Undoc&k Computer"};
    TRadioButton Date{*this, &Commands, {10, 236, 240, 18}, "&Date and Time"};
    TRadioButton FindComp{*this, &Commands, {10, 256, 240, 18}, "&Find Computers"};
    TRadioButton FindFiles{*this, &Commands, {10, 276, 240, 18}, "F&ind Files"};
    TRadioButton RunProg{*this, &Commands, {10, 296, 240, 18}, "Run &Programs"};
    TRadioButton ControlPanel{*this, &Commands, {270, 40, 240, 18}, "Contro&l Panel"};
    TRadioButton Desktop{*this, &Commands, {270, 60, 240, 18}, "D&esktop Folder"};
    TRadioButton DeskProgs{*this, &Commands, {270, 80, 240, 18}, "Desktop Pro&grams"};
    TRadioButton Favorites{*this, &Commands, {270, 100, 240, 18}, "Fa&vorites"};
    TRadioButton Fonts{*this, &Commands, {270, 120, 240, 18}, "Fo&nts"};
    TRadioButton MyComp{*this, &Commands, {270, 140, 240, 18}, "M&y Computer"};
    TRadioButton Network{*this, &Commands, {270, 160, 240, 18}, "Net&work Neighborhood"};
    TRadioButton Printers{*this, &Commands, {270, 180, 240, 18}, "Printers"};
    TRadioButton Progs{*this, &Commands, {270, 200, 240, 18}, "Programs Folder"};
    TRadioButton Recent{*this, &Commands, {270, 220, 240, 18}, "Recent Documents"};
    TRadioButton Recycle{*this, &Commands, {270, 240, 240, 18}, "Recycle &Bin"};
    TRadioButton StartMenu{*this, &Commands, {270, 260, 240, 18}, "Start Menu"};
    TRadioButton Startup{*this, &Commands, {270, 280, 240, 18}, "Startup Folder"};
    TRadioButton UserDocs{*this, &Commands, {270, 300, 240, 18}, "&User Documents"};
    TLabel ShellNote{*this,
                     &Commands,
                     {10, 80, 250, 54},
                     "The following commands require either Windows NT 4.0 or Windows 98.  For "
                     "use on Windows 95, Internet Explorer 4.0 or greater must be installed."};
    TLabel DialogNote{*this, &Commands, {10, 216, 250, 16}, "Run the following Dialog Windows"};
    TLabel ExplorerNote{*this, &Commands, {270, 20, 240, 16}, "Open Explorer Up To:"};
    TButtonRow Buttons{*this, 346, 8};

    void LoadInput(const RecycleInput& input);
    RecycleInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    CommandContext& context_;
    // In the order of their option codes.
    const std::array<TRadioButton*, DesktopCommandCount> commandButtons_;
};

}  // namespace orv::editor
