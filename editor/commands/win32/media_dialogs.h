// The video clip (TDoAVI), audio CD (TDoCDRom) and speaker (TDoVolume)
// dialogs.
#pragma once

#include <cstdint>
#include <string>

#include "editor/commands/command_context.h"
#include "editor/commands/media_commands.h"
#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {

class TDoAVI : public TCommandDialog {
  public:
    TDoAVI();
    std::string FilePath;

    TLabel Heading{*this, nullptr, {8, 8, 200, 16}, "AVI FILE"};
    TLabel PathLabel{*this, nullptr, {8, 28, 200, 16}, "File Path/Name"};
    TEdit ProgPath{*this, nullptr, {8, 46, 300, 21}};
    TButton Browse{*this, nullptr, {314, 44, 75, 25}, "&Browse"};
    TRadioButton Immediate{*this, nullptr, {8, 78, 300, 18}, "&Play Immediately"};
    TRadioButton ExitDone{*this, nullptr, {8, 100, 300, 18}, "Play &Immediately && Exit When Done"};
    TRadioButton WaitPlay{*this, nullptr, {8, 122, 300, 18}, "&Wait To Play"};
    TButtonRow Buttons{*this, 150, 8};

    void LoadInput(const AviInput& input);
    AviInput ReadInput() const;
    void BrowseClick();

  protected:
    void FormShow() override;
    void OkButtonClick() override;
};

class TDoCDRom : public TCommandDialog {
  public:
    TDoCDRom();
    std::int32_t RawValue = 0;

    TGroupBox Commands{*this, nullptr, {8, 8, 200, 240}, "Commands"};
    TRadioButton CDPlay{*this, &Commands, {10, 20, 180, 18}, "&Play"};
    TRadioButton CDStop{*this, &Commands, {10, 42, 180, 18}, "&Stop"};
    TRadioButton CDPause{*this, &Commands, {10, 64, 180, 18}, "P&ause"};
    TRadioButton CDNext{*this, &Commands, {10, 86, 180, 18}, "&Next Track"};
    TRadioButton CDPrev{*this, &Commands, {10, 108, 180, 18}, "P&revious Track"};
    TRadioButton CDGoTo{*this, &Commands, {10, 130, 180, 18}, "&Go To Track"};
    TRadioButton CDStep{*this, &Commands, {10, 152, 180, 18}, "S&tep"};
    TRadioButton CDBack{*this, &Commands, {10, 174, 180, 18}, "&Back"};
    TRadioButton CDEject{*this, &Commands, {10, 196, 180, 18}, "&Eject"};
    TRadioButton CDClose{*this, &Commands, {10, 218, 180, 18}, "Close CD Tra&y"};
    TPanel Panel3{*this, nullptr, {216, 8, 120, 44}};
    TLabel TheLabel{*this, &Panel3, {0, 0, 110, 16}};
    TEdit Track{*this, &Panel3, {0, 18, 40, 21}};
    TButtonRow Buttons{*this, 256, 8};

    void LoadInput(const CdInput& input);
    CdInput ReadInput() const;
    void EnableDisable();

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    int Command() const;
};

// The test button asks the context for the mixer's answers.
class TDoVolume : public TCommandDialog {
  public:
    explicit TDoVolume(CommandContext& context);

    TGroupBox Commands{*this, nullptr, {8, 8, 452, 244}, "Commands"};
    TRadioButton AudioOff{*this, &Commands, {10, 20, 215, 18}, "Audio &Volume Off"};
    TRadioButton AudioOn{*this, &Commands, {10, 42, 215, 18}, "Audio Volume On &Full"};
    TRadioButton AudioUp{*this, &Commands, {10, 64, 215, 18}, "Move Audio Volume &Up"};
    TRadioButton AudioDown{*this, &Commands, {10, 86, 215, 18}, "Move Audo Volume &Down"};
    TRadioButton AudioMute{*this, &Commands, {10, 108, 215, 18}, "&Toggle Audio Mute"};
    TRadioButton AudioLeft{*this, &Commands, {10, 130, 215, 18}, "Move Audio Balance to &Left"};
    TRadioButton AudioRight{*this, &Commands, {10, 152, 215, 18}, "Move Audio Balance to &Right"};
    TRadioButton AudioCenter{*this, &Commands, {10, 174, 215, 18}, "C&enter Audio Balance"};
    TRadioButton TrebleUp{*this, &Commands, {10, 196, 215, 18}, "Move Treble Volume U&p"};
    TRadioButton TrebleDown{*this, &Commands, {10, 218, 215, 18}, "Move Treble Volume Do&wn"};
    TRadioButton MIDIOff{*this, &Commands, {230, 20, 215, 18}, "&MIDI Volume Off"};
    TRadioButton MIDIOn{*this, &Commands, {230, 42, 215, 18}, "M&IDI Volume On Full"};
    TRadioButton MIDIUp{*this, &Commands, {230, 64, 215, 18}, "Move MIDI Volume Up"};
    TRadioButton MIDIDown{*this, &Commands, {230, 86, 215, 18}, "Move MIDI Volume Dow&n"};
    TRadioButton MIDIMute{*this, &Commands, {230, 108, 215, 18}, "To&ggle MIDI Mute"};
    TRadioButton MIDILeft{*this, &Commands, {230, 130, 215, 18}, "Move MIDI Balance to Left"};
    TRadioButton MIDIRight{*this, &Commands, {230, 152, 215, 18}, "Move MIDI Balance to Right"};
    TRadioButton MIDICenter{*this, &Commands, {230, 174, 215, 18}, "Center MIDI Balance"};
    TRadioButton BassUp{*this, &Commands, {230, 196, 215, 18}, "Move &Bass Volume Up"};
    TRadioButton BassDown{*this, &Commands, {230, 218, 215, 18}, "Move Ba&ss Volume Down"};
    TLabel Note{*this,
                nullptr,
                {8, 260, 452, 30},
                "NOTE: Not all commands will be available on a given computer.  Support of these "
                "commands is dependent upon the Audio Device in your computer."};
    TButton Button1{
        *this, nullptr, {8, 294, 300, 25}, "Click Here To Test Your Computer's Capabilities"};
    TButtonRow Buttons{*this, 330, 8};

    void LoadInput(const VolumeInput& input);
    VolumeInput ReadInput() const;
    void Button1Click();

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    // The buttons in the order of their option codes.
    static constexpr TRadioButton TDoVolume::*ActionButtons[] = {
        &TDoVolume::AudioOff,   &TDoVolume::AudioOn,     &TDoVolume::AudioUp,
        &TDoVolume::AudioDown,  &TDoVolume::AudioMute,   &TDoVolume::AudioLeft,
        &TDoVolume::AudioRight, &TDoVolume::AudioCenter, &TDoVolume::TrebleUp,
        &TDoVolume::TrebleDown, &TDoVolume::MIDIOff,     &TDoVolume::MIDIOn,
        &TDoVolume::MIDIUp,     &TDoVolume::MIDIDown,    &TDoVolume::MIDIMute,
        &TDoVolume::MIDILeft,   &TDoVolume::MIDIRight,   &TDoVolume::MIDICenter,
        &TDoVolume::BassUp,     &TDoVolume::BassDown};
    CommandContext& context_;
};

}  // namespace orv::editor
