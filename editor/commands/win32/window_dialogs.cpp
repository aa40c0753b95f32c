#include "editor/commands/win32/window_dialogs.h"

#include <windows.h>

#include "common/ui/win32/services.h"
#include "editor/commands/win32/system_file_checks.h"

namespace orv::editor {

// Activating and launching -------------------------------------------------------

TDoActive::TDoActive()
    : TCommandDialog("TDoActive", "Activate/Launch Program", 500, 434 + FooterHeight,
                     "Activating Windows") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    for (TRadioButton* r : {&ActiveOnly, &LaunchOnly, &LaunchAct, &ActiveLaunch})
        r->OnClick = [this] { Enabledisable(); };
    BrowseButton.OnClick = [this] { BrowseButtonClick(); };
    WinTitle.SetMaxLength(100);
    DelaySecs.SetMaxLength(2);
    MaxSecs.SetMaxLength(2);
}

ActiveChoice TDoActive::Choice() const {
    int index = CheckedIndex({&ActiveOnly, &LaunchOnly, &LaunchAct, &ActiveLaunch});
    return static_cast<ActiveChoice>(index < 0 ? 4 : index + 1);
}

void TDoActive::LoadInput(const ActiveInput& input) {
    CheckIndex({&ActiveOnly, &LaunchOnly, &LaunchAct, &ActiveLaunch},
               static_cast<int>(input.Choice) - 1);
    WinTitle.SetText(input.WinTitle);
    ProgPath.SetText(input.ProgPath);
    Params.SetText(input.Params);
    DelaySecs.SetText(input.DelaySecs);
    MaxSecs.SetText(input.MaxSecs);
    Bypass.SetChecked(input.Bypass);
}

ActiveInput TDoActive::ReadInput() const {
    return {Choice(),         WinTitle.Text(), ProgPath.Text(), Params.Text(),
            DelaySecs.Text(), MaxSecs.Text(),  Bypass.Checked()};
}

void TDoActive::Enabledisable() {
    ActiveLayout layout = ActiveLayoutFor(Choice());
    WindowGroup.SetVisible(layout.ShowWindow);
    ProgramGroup.SetVisible(layout.ShowProgram);
    MaxLabel.SetVisible(layout.ShowMaxWait);
    MaxSecs.SetVisible(layout.ShowMaxWait);
}

void TDoActive::BrowseButtonClick() {
    FileDialogOptions options;
    options.Filter = "Executable (*.EXE)|*.EXE|Help Files (*.HLP)|*.HLP|All Files (*.*)|*.*";
    options.DefaultExt = "EXE";
    options.FileMustExist = true;
    options.HideReadOnly = true;
    if (std::optional<std::string> file = CurrentFileDialogs().Open(Handle(), options))
        ProgPath.SetText(*file);
}

void TDoActive::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1)
        LoadInput({});
    else if (LaunchWasBypassed(ReadInput(), TheFileChecks()))
        Bypass.SetChecked(true);
    Enabledisable();
    if (Choice() == ActiveChoice::LaunchOnly)
        ProgPath.SetFocus();
    else
        WinTitle.SetFocus();
}

void TDoActive::OkButtonClick() {
    ActiveOutcome out = ComposeActive(ReadInput(), TheFileChecks());
    auto controlOf = [this](ActiveField f) -> TControl& {
        switch (f) {
            case ActiveField::WinTitle:
                return WinTitle;
            case ActiveField::Params:
                return Params;
            case ActiveField::DelaySecs:
                return DelaySecs;
            case ActiveField::MaxSecs:
                return MaxSecs;
            case ActiveField::ProgPath:
                break;
        }
        return ProgPath;
    };
    if (!Accept(out, controlOf))
        return;
    RawTitle = out.Raw.RawTitle;
    RawPath = out.Raw.RawPath;
    RawParams = out.Raw.RawParams;
    RawDelay = out.Raw.RawDelay;
    RawMaxSecs = out.Raw.RawMaxSecs;
}

// The window group ------------------------------------------------------------------

TWindowGroup::TWindowGroup(TForm& form, int top, std::string_view hint)
    : Group(form, nullptr, {12, top, 276, 96}, "Window"),
      CurrentWin(form, &Group, {12, 20, 128, 18}, "Current &Window"),
      SpecificWin(form, &Group, {140, 20, 128, 18}, "Speci&fic Window"),
      TitleLabel(form, &Group, {12, 48, 80, 16}, "Window Title"),
      WinTitle(form, &Group, {96, 44, 168, 21}),
      TitleHint(form, &Group, {96, 70, 168, 16}, std::string(hint)) {}

void TWindowGroup::Load(const WindowChoice& window) {
    (window.Current ? CurrentWin : SpecificWin).SetChecked(true);
    WinTitle.SetText(window.WinTitle);
}

WindowChoice TWindowGroup::Read() const {
    return {CurrentWin.Checked(), WinTitle.Text()};
}

// Sizing and placing -------------------------------------------------------------------

TDoSizeIt::TDoSizeIt()
    : TCommandDialog("TDoSizeIt", "Size or Position a Window", 300, 220 + FooterHeight,
                     "Size or Position") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    ResizeWin.OnClick = [this] { ResizeWinClick(); };
    PositionWin.OnClick = [this] { ResizeWinClick(); };
    TheWidth.SetMaxLength(4);
    TheHeight.SetMaxLength(4);
}

void TDoSizeIt::ResizeWinClick() {
    SizeItLabels labels = SizeItLabelsFor(!PositionWin.Checked());
    WidthLabel.SetText(labels.First);
    HeightLabel.SetText(labels.Second);
}

void TDoSizeIt::LoadInput(const SizeItInput& input) {
    Window.Load(input.Window);
    (input.Resize ? ResizeWin : PositionWin).SetChecked(true);
    TheWidth.SetText(input.TheWidth);
    TheHeight.SetText(input.TheHeight);
}

SizeItInput TDoSizeIt::ReadInput() const {
    return {Window.Read(), !PositionWin.Checked(), TheWidth.Text(), TheHeight.Text()};
}

void TDoSizeIt::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1) {
        ResizeWin.SetChecked(true);
        Window.SpecificWin.SetChecked(true);
    }
    ResizeWinClick();
    if (FreshInsert == 1)
        ResizeWin.SetFocus();
}

void TDoSizeIt::OkButtonClick() {
    SizeItOutcome out = ComposeSizeIt(ReadInput());
    auto controlOf = [this](SizeItField f) -> TControl& {
        if (f == SizeItField::TheWidth)
            return TheWidth;
        if (f == SizeItField::TheHeight)
            return TheHeight;
        return Window.WinTitle;
    };
    if (!Accept(out, controlOf))
        return;
    WindowKind = out.Raw.WindowKind;
    RawTitle = out.Raw.RawTitle;
    RawA = out.Raw.RawA;
    RawB = out.Raw.RawB;
}

// Window controls --------------------------------------------------------------------------

TDoSystemCommand::TDoSystemCommand()
    : TCommandDialog("TDoSystemCommand", "Window Controls", 300, 296 + FooterHeight,
                     "System Commands") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
}

void TDoSystemCommand::LoadInput(const SystemCommandInput& input) {
    CheckIndex({&DoMaximize, &DoMinimize, &DoRestore, &DoClose, &DoHide, &DoShow, &DoShutDown},
               static_cast<int>(input.Control) - 1);
    Window.Load(input.Window);
}

SystemCommandInput TDoSystemCommand::ReadInput() const {
    int index = CheckedIndex(
        {&DoMaximize, &DoMinimize, &DoRestore, &DoClose, &DoHide, &DoShow, &DoShutDown});
    return {static_cast<WindowControl>(index < 0 ? 1 : index + 1), Window.Read()};
}

void TDoSystemCommand::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1) {
        DoMaximize.SetChecked(true);
        Window.SpecificWin.SetChecked(true);
        DoMaximize.SetFocus();
    }
}

void TDoSystemCommand::OkButtonClick() {
    SystemCommandOutcome out = ComposeSystemCommand(ReadInput());
    if (!Accept(out, [this](SystemCommandField) -> TControl& { return Window.WinTitle; }))
        return;
    WindowKind = out.Raw.WindowKind;
    RawTitle = out.Raw.RawTitle;
}

}  // namespace orv::editor
