#include "editor/commands/win32/sound_web_dialogs.h"

#include "common/ui/win32/services.h"
#include "common/ui/win32/sound_service.h"
#include "editor/commands/win32/system_file_checks.h"

namespace orv::editor {

// Sound ----------------------------------------------------------------------------------------

TDoSound::TDoSound(SettingsBlock& settings)
    : TCommandDialog("TDoSound", "Set Sound", 397, 118 + FooterHeight, "Set Sound"),
      settings_(settings) {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    Browse.OnClick = [this] { BrowseClick(); };
    Test.OnClick = [this] { TestClick(); };
}

void TDoSound::LoadInput(const SoundInput& input) {
    (input.WaveFile ? WaveFile : Beep).SetChecked(true);
    ProgPath.SetText(input.Path);
    WaitFor.SetChecked(input.WaitFor);
}

SoundInput TDoSound::ReadInput() const {
    return {WaveFile.Checked(), ProgPath.Text(), WaitFor.Checked()};
}

void TDoSound::BrowseClick() {
    FileDialogOptions options;
    options.Title = "Select Wave File";
    options.Filter = "Wave Files (*.WAV)|*.WAV";
    options.DefaultExt = "WAV";
    options.FileMustExist = true;
    options.HideReadOnly = true;
    if (std::optional<std::string> file = CurrentFileDialogs().Open(Handle(), options)) {
        ProgPath.SetText(*file);
        WaveFile.SetChecked(true);
    }
}

void TDoSound::TestClick() {
    if (std::optional<std::string> wave = WaveToTest(ProgPath.Text(), TheFileChecks()))
        CurrentSound().Play(*wave);
    else
        Refuse(std::string(WaveMissingMessage), ProgPath);
}

void TDoSound::FormShow() {
    TCommandDialog::FormShow();
    bool alarm = AlarmMode == 1;
    Beep.SetText(alarm ? "None" : "&Beep");
    SetCaption(alarm ? "Scheduler Alarm" : "Set Sound");
    Buttons.HelpButton.SetVisible(!alarm);
    if (alarm) {
        LoadInput(AlarmInput(settings_));
    } else if (FreshInsert == 1) {
        LoadInput({});
        Beep.SetFocus();
    }
}

void TDoSound::OkButtonClick() {
    if (AlarmMode == 1) {
        if (auto refused = ApplyAlarm(ReadInput(), TheFileChecks(), settings_))
            Refuse(refused->Message, ProgPath);
        else
            Close(IDOK);
        return;
    }
    SoundOutcome out = ComposeSound(ReadInput(), TheFileChecks());
    if (!Accept(out, [this](SoundField) -> TControl& { return ProgPath; }))
        return;
    WavePath = out.Raw.WavePath;
    WaitToFinish = out.Raw.WaitToFinish;
}

// Web site or FTP --------------------------------------------------------------------------------

TDoWebStuff::TDoWebStuff()
    : TCommandDialog("TDoWebStuff", "Internet Web Site", 396, 62 + FooterHeight, "Web Site URL") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
}

void TDoWebStuff::LoadInput(const WebInput& input) {
    IsFtp = input.IsFtp;
    ProgPath.SetText(input.Address);
}

WebInput TDoWebStuff::ReadInput() const {
    return {IsFtp == 1, ProgPath.Text()};
}

void TDoWebStuff::FormShow() {
    TCommandDialog::FormShow();
    WebLayout layout = WebLayoutFor(IsFtp == 1);
    SetCaption(std::string(layout.Caption));
    Label2.SetText(layout.Label);
    HelpKeyword = IsFtp == 1 ? "Web FTP" : "Web Site URL";
    if (FreshInsert == 1)
        ProgPath.SetText(layout.Start);
    ProgPath.SetFocus();
}

void TDoWebStuff::OkButtonClick() {
    WebOutcome out = ComposeWeb(ReadInput());
    if (Accept(out, [this](WebField) -> TControl& { return ProgPath; }))
        Url = out.Raw.Url;
}

}  // namespace orv::editor
