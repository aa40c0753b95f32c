// The sound dialog, also the scheduler's alarm (TDoSound), and the web site
// and FTP dialog (TDoWebStuff).
#pragma once

#include <cstdint>
#include <string>

#include "common/settings.h"
#include "editor/commands/sound_web_commands.h"
#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {

// In alarm mode OK puts the choice into the settings and leaves CommandText
// empty; the caller writes the Scheduler section once ShowModal gives IDOK.
class TDoSound : public TCommandDialog {
  public:
    explicit TDoSound(SettingsBlock& settings);
    std::uint8_t AlarmMode = 0;
    std::string WavePath;
    std::uint8_t WaitToFinish = 0;

    TRadioButton Beep{*this, nullptr, {8, 8, 150, 18}, "&Beep"};
    TRadioButton WaveFile{*this, nullptr, {8, 30, 150, 18}, "&Wave File"};
    TEdit ProgPath{*this, nullptr, {8, 56, 300, 21}};
    TButton Browse{*this, nullptr, {314, 54, 75, 25}, "B&rowse"};
    TCheckBox WaitFor{*this, nullptr, {8, 86, 280, 18}, "Wait for wave file to &finish"};
    TButton Test{*this, nullptr, {314, 82, 75, 25}, "&Test"};
    TButtonRow Buttons{*this, 118, 8};

    void LoadInput(const SoundInput& input);
    SoundInput ReadInput() const;
    void BrowseClick();
    void TestClick();

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    SettingsBlock& settings_;
};

class TDoWebStuff : public TCommandDialog {
  public:
    TDoWebStuff();
    std::string Url;
    std::uint8_t IsFtp = 0;

    TLabel Label2{*this, nullptr, {8, 10, 200, 16}};
    TEdit ProgPath{*this, nullptr, {8, 28, 380, 21}};
    TButtonRow Buttons{*this, 62, 8};

    void LoadInput(const WebInput& input);
    WebInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;
};

}  // namespace orv::editor
