#include "editor/commands/win32/media_dialogs.h"

#include "common/message_boxes.h"
#include "common/ui/win32/services.h"
#include "editor/commands/win32/system_file_checks.h"

namespace orv::editor {

// Video clip ------------------------------------------------------------------------------------

TDoAVI::TDoAVI()
    : TCommandDialog("TDoAVI", "Play a Video Clip", 397, 150 + FooterHeight, "AVI Files") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    Browse.OnClick = [this] { BrowseClick(); };
}

void TDoAVI::LoadInput(const AviInput& input) {
    CheckIndex({&Immediate, &ExitDone, &WaitPlay}, input.Mode - 1);
    ProgPath.SetText(input.Path);
}

AviInput TDoAVI::ReadInput() const {
    int index = CheckedIndex({&Immediate, &ExitDone, &WaitPlay});
    return {index < 0 ? 1 : index + 1, ProgPath.Text()};
}

void TDoAVI::BrowseClick() {
    FileDialogOptions options;
    options.Title = "AVI File";
    options.Filter = "AVI File (*.AVI)|*.AVI";
    options.DefaultExt = "AVI";
    if (std::optional<std::string> file = CurrentFileDialogs().Open(Handle(), options))
        ProgPath.SetText(*file);
}

void TDoAVI::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1)
        LoadInput({});
    ProgPath.SetFocus();
}

void TDoAVI::OkButtonClick() {
    AviOutcome out = ComposeAvi(ReadInput(), TheFileChecks());
    if (Accept(out, [this](AviField) -> TControl& { return ProgPath; }))
        FilePath = out.Raw.FilePath;
}

// Audio CD --------------------------------------------------------------------------------------

TDoCDRom::TDoCDRom()
    : TCommandDialog("TDoCDRom", "Audio CD Controls", 344, 256 + FooterHeight, "CDROM Commands") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    for (TCheckable* c :
         std::initializer_list<TCheckable*>{&CDPlay, &CDStop, &CDPause, &CDNext, &CDPrev, &CDGoTo,
                                            &CDStep, &CDBack, &CDEject, &CDClose})
        c->OnClick = [this] { EnableDisable(); };
    Track.SetMaxLength(2);
}

int TDoCDRom::Command() const {
    int index = CheckedIndex({&CDPlay, &CDStop, &CDPause, &CDNext, &CDPrev, &CDGoTo, &CDStep,
                              &CDBack, &CDEject, &CDClose});
    return index < 0 ? 1 : index + 1;
}

void TDoCDRom::LoadInput(const CdInput& input) {
    CheckIndex({&CDPlay, &CDStop, &CDPause, &CDNext, &CDPrev, &CDGoTo, &CDStep, &CDBack, &CDEject,
                &CDClose},
               input.Command - 1);
    Track.SetText(input.Track);
}

CdInput TDoCDRom::ReadInput() const {
    return {Command(), Track.Text()};
}

void TDoCDRom::EnableDisable() {
    CdLayout layout = CdLayoutFor(Command());
    Panel3.SetVisible(layout.ShowNumber);
    TheLabel.SetText(layout.Label);
}

void TDoCDRom::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1)
        LoadInput({});
    EnableDisable();
}

void TDoCDRom::OkButtonClick() {
    CdOutcome out = ComposeCd(ReadInput());
    if (Accept(out, [this](CdField) -> TControl& { return Track; }))
        RawValue = out.Raw.RawValue;
}

// Speakers --------------------------------------------------------------------------------------

TDoVolume::TDoVolume(CommandContext& context)
    : TCommandDialog("TDoVolume", "Speaker Controls", 468, 330 + FooterHeight, "Speaker Controls"),
      context_(context) {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    Button1.OnClick = [this] { Button1Click(); };
}

void TDoVolume::LoadInput(const VolumeInput& input) {
    if (input.Action >= 1 && input.Action <= 20)
        (this->*ActionButtons[input.Action - 1]).SetChecked(true);
}

VolumeInput TDoVolume::ReadInput() const {
    for (int i = 0; i < 20; ++i) {
        if ((this->*ActionButtons[i]).Checked())
            return {i + 1};
    }
    return {};
}

void TDoVolume::Button1Click() {
    MixerAnswers answers{};
    if (context_.MixerCapabilities)
        answers = context_.MixerCapabilities();
    CurrentMessageBoxes().Show("Audio Device", MixerReport(answers), MsgStyle::Ok);
}

void TDoVolume::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1) {
        AudioOff.SetChecked(true);
        AudioOff.SetFocus();
    }
}

void TDoVolume::OkButtonClick() {
    Accept(ComposeVolume(ReadInput()));
}

}  // namespace orv::editor
