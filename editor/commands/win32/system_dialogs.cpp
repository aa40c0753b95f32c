#include "editor/commands/win32/system_dialogs.h"

#include <windows.h>

#include "common/ui/win32/services.h"
#include "editor/commands/win32/system_file_checks.h"

namespace orv::editor {
namespace {

// The settings buttons' order on the form, as option codes.
constexpr SysControl ButtonControls[] = {
    SysControl::ScreenOn, SysControl::ScreenOff, SysControl::ScreenTimer, SysControl::KeyDelay,
    SysControl::KeySpeed, SysControl::WinSize,   SysControl::Wallpaper};

}  // namespace

// Log off, reboot, shut down -------------------------------------------------------------

TDoReboot::TDoReboot()
    : TCommandDialog("TDoReboot", "Reboot or Shut Down", 256, 124 + FooterHeight, "Reboot") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
}

void TDoReboot::LoadInput(const RebootInput& input) {
    CheckIndex({&Logoff, &Reboot, &ShutDown, &PowerOff}, input.Command - 1);
}

RebootInput TDoReboot::ReadInput() const {
    int index = CheckedIndex({&Logoff, &Reboot, &ShutDown, &PowerOff});
    return {index < 0 ? 1 : index + 1};
}

void TDoReboot::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1) {
        Logoff.SetChecked(true);
        Logoff.SetFocus();
    }
}

void TDoReboot::OkButtonClick() {
    Accept(ComposeReboot(ReadInput()));
}

// System settings ------------------------------------------------------------------------------

TDoSysControls::TDoSysControls()
    : TCommandDialog("TDoSysControls", "System Controls", 564, 196 + FooterHeight,
                     "System Controls") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    for (TCheckable* c : std::initializer_list<TCheckable*>{
             &ScreenOn, &ScreenOff, &ScreenTimer, &KeyDelay, &KeySpeed, &WinSize, &DeskWall, &Tile,
             &Center, &Stretch, &Position})
        c->OnClick = [this] { EnableDisable(); };
    BrowseButton.OnClick = [this] { BrowseButtonClick(); };
    Number.SetMaxLength(2);
    XPos.SetMaxLength(4);
    YPos.SetMaxLength(4);
}

SysControl TDoSysControls::Control() const {
    int index = CheckedIndex(
        {&ScreenOn, &ScreenOff, &ScreenTimer, &KeyDelay, &KeySpeed, &WinSize, &DeskWall});
    return ButtonControls[index < 0 ? 0 : index];
}

void TDoSysControls::LoadInput(const SysControlsInput& input) {
    for (int i = 0; i < static_cast<int>(std::size(ButtonControls)); ++i) {
        if (ButtonControls[i] == input.Control)
            CheckIndex(
                {&ScreenOn, &ScreenOff, &ScreenTimer, &KeyDelay, &KeySpeed, &WinSize, &DeskWall},
                i);
    }
    Number.SetText(input.Number);
    Track.SetText(input.Track);
    Tile.SetChecked(input.Tile);
    CheckIndex({&Center, &Stretch, &Position}, static_cast<int>(input.Placement) - 1);
    XPos.SetText(input.XPos);
    YPos.SetText(input.YPos);
}

SysControlsInput TDoSysControls::ReadInput() const {
    int placement = CheckedIndex({&Center, &Stretch, &Position});
    return {Control(),
            Number.Text(),
            Track.Text(),
            Tile.Checked(),
            static_cast<WallPlacement>(placement < 0 ? 1 : placement + 1),
            XPos.Text(),
            YPos.Text()};
}

void TDoSysControls::EnableDisable() {
    SysControlsLayout layout = SysControlsLayoutFor(Control());
    ThePanel.SetVisible(layout.ShowNumber);
    TheLabel.SetText(layout.NumberLabel);
    WallPanel.SetVisible(layout.ShowWallpaper);
    WallpaperEnabling enabling = WallpaperEnablingFor(Tile.Checked(), ReadInput().Placement);
    for (TControl* c : std::initializer_list<TControl*>{&Center, &Stretch, &Position})
        c->SetEnabled(enabling.Placement);
    for (TControl* c : std::initializer_list<TControl*>{&XLabel, &XPos, &YLabel, &YPos})
        c->SetEnabled(enabling.Coordinates);
}

void TDoSysControls::BrowseButtonClick() {
    FileDialogOptions options;
    options.Title = "Bitmap Files";
    options.Filter = "Bitmap (*.BMP)|*.BMP";
    options.DefaultExt = "BMP";
    options.HideReadOnly = true;
    if (std::optional<std::string> file = CurrentFileDialogs().Open(Handle(), options))
        Track.SetText(*file);
}

void TDoSysControls::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1)
        LoadInput({});
    EnableDisable();
    if (FreshInsert == 1)
        ScreenOn.SetFocus();
}

void TDoSysControls::OkButtonClick() {
    SysControlsOutcome out = ComposeSysControls(ReadInput(), TheFileChecks());
    auto controlOf = [this](SysControlsField f) -> TControl& {
        switch (f) {
            case SysControlsField::Track:
                return Track;
            case SysControlsField::XPos:
                return XPos;
            case SysControlsField::YPos:
                return YPos;
            case SysControlsField::Number:
                break;
        }
        return Number;
    };
    if (!Accept(out, controlOf))
        return;
    RawValue = out.Raw.RawValue;
    WallpaperFile = out.Raw.WallpaperFile;
    WallpaperX = out.Raw.WallpaperX;
    WallpaperY = out.Raw.WallpaperY;
    WallpaperMode = out.Raw.WallpaperMode;
}

// Text box --------------------------------------------------------------------------------------

TDoTBox::TDoTBox()
    : TCommandDialog("TDoTBox", "Display A Text Box", 396, 236 + FooterHeight, "Text Box") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    Header.SetMaxLength(80);
    Contents.SetMaxLength(500);
}

void TDoTBox::LoadInput(const TBoxInput& input) {
    Header.SetText(input.Header);
    Contents.SetText(input.Contents);
}

TBoxInput TDoTBox::ReadInput() const {
    return {Header.Text(), Contents.Text()};
}

void TDoTBox::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1) {
        BoxHeader.clear();
        LoadInput({});
    }
    Header.SetFocus();
}

void TDoTBox::OkButtonClick() {
    TBoxOutcome out = ComposeTBox(ReadInput());
    auto controlOf = [this](TBoxField f) -> TControl& {
        if (f == TBoxField::Header)
            return Header;
        return Contents;
    };
    if (Accept(out, controlOf))
        BoxHeader = out.Raw.BoxHeader;
}

// Encrypted text ---------------------------------------------------------------------------------

TDoEncrypt::TDoEncrypt()
    : TCommandDialog("TDoEncrypt", "Encrypted Text", 396, 62 + FooterHeight, "Encrypted Text") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    Password.SetMaxLength(EncryptMaxLength);
    Password.SetPasswordChar('*');
}

void TDoEncrypt::LoadInput(const EncryptInput& input) {
    Password.SetText(input.Text);
    kept_ = input.Kept;
}

EncryptInput TDoEncrypt::ReadInput() const {
    return {Password.Text(), kept_};
}

void TDoEncrypt::FormShow() {
    TCommandDialog::FormShow();
    Password.SetFocus();
}

void TDoEncrypt::OkButtonClick() {
    EncryptOutcome out = ComposeEncrypt(ReadInput());
    if (Accept(out, [this](EncryptField) -> TControl& { return Password; }))
        EncryptedText = out.Raw.EncryptedText;
}

}  // namespace orv::editor
