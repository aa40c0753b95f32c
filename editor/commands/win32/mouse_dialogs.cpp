#include "editor/commands/win32/mouse_dialogs.h"

#include <windows.h>

#include "common/ui/win32/services.h"
#include "common/win32/system_routines.h"
#include "editor/commands/win32/system_file_checks.h"

namespace orv::editor {

// Mouse commands ---------------------------------------------------------------------

TDoMouse::TDoMouse()
    : TCommandDialog("TDoMouse", "Mouse Commands", 393, 344 + FooterHeight, "Mouse Commands"),
      commandButtons_{&MouseMove, &LeftClick,    &LeftDblClick,   &LeftDown,
                      &LeftUp,    &RightClick,   &RightDblClick,  &RightDown,
                      &RightUp,   &MiddleClick,  &MiddleDblClick, &MiddleDown,
                      &MiddleUp,  &WheelForward, &WheelBackward} {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    for (TRadioButton* r : commandButtons_) r->OnClick = [this] { EnableDisable(); };
    for (TRadioButton* r : {&ToScreen, &ToWindows, &ToPosition, &ToCaret})
        r->OnClick = [this] { EnableDisable(); };
    Launch.OnClick = [this] { LaunchClick(); };
    XPos.SetMaxLength(5);
    YPos.SetMaxLength(5);
    NumClicks.SetMaxLength(3);
}

int TDoMouse::Command() const {
    for (std::size_t i = 0; i < commandButtons_.size(); ++i) {
        if (commandButtons_[i]->Checked())
            return static_cast<int>(i) + 1;
    }
    return MouseMoveCommand;
}

MoveTarget TDoMouse::Target() const {
    int index = CheckedIndex({&ToScreen, &ToWindows, &ToPosition, &ToCaret});
    return static_cast<MoveTarget>(index < 0 ? 1 : index + 1);
}

void TDoMouse::LoadInput(const MouseInput& input) {
    commandButtons_.at(input.Command - 1)->SetChecked(true);
    CheckIndex({&ToScreen, &ToWindows, &ToPosition, &ToCaret}, static_cast<int>(input.Target) - 1);
    XPos.SetText(input.XPos);
    YPos.SetText(input.YPos);
    NumClicks.SetText(input.NumClicks);
}

MouseInput TDoMouse::ReadInput() const {
    return {Command(), Target(), XPos.Text(), YPos.Text(), NumClicks.Text()};
}

void TDoMouse::EnableDisable() {
    MouseLayout layout = MouseLayoutFor(Command(), Target());
    Movement.SetVisible(layout.ShowMovement);
    Launch.SetVisible(layout.ShowMovement);
    Wheel.SetVisible(layout.ShowWheel);
    for (TControl* c : std::initializer_list<TControl*>{&XLabel, &XPos, &YLabel, &YPos})
        c->SetEnabled(layout.PositionEnabled);
    SetClientSize(layout.ClientWidth, ClientHeight());
}

void TDoMouse::LaunchClick() {
    LaunchMouseLocator();
}

void TDoMouse::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1)
        LoadInput({});
    EnableDisable();
}

void TDoMouse::OkButtonClick() {
    MouseOutcome out = ComposeMouse(ReadInput());
    auto controlOf = [this](MouseField f) -> TControl& {
        if (f == MouseField::YPos)
            return YPos;
        if (f == MouseField::NumClicks)
            return NumClicks;
        return XPos;
    };
    if (!Accept(out, controlOf))
        return;
    RawX = out.Raw.RawX;
    RawY = out.Raw.RawY;
    RawClicks = out.Raw.RawClicks;
    MoveMode = out.Raw.MoveMode;
}

// Clipboard ----------------------------------------------------------------------------

TDoClipboard::TDoClipboard()
    : TCommandDialog("TDoClipboard", "Clipboard", 400, 344 + FooterHeight, "Clipboard Options") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    for (TRadioButton* r : {&StartClip, &EndClip, &CopyFile, &CopyCommand, &PasteCommand, &CopyBit,
                            &TypeText, &SaveText, &AppendText, &SaveBit})
        r->OnClick = [this] { EnabledDisable(); };
    SavePrompt.OnClick = [this] { EnabledDisable(); };
    BrowseButton.OnClick = [this] { BrowseButtonClick(); };
}

ClipboardChoice TDoClipboard::Choice() const {
    int index = CheckedIndex({&StartClip, &EndClip, &CopyFile, &CopyCommand, &PasteCommand,
                              &CopyBit, &TypeText, &SaveText, &AppendText, &SaveBit});
    return static_cast<ClipboardChoice>(index < 0 ? 0 : index);
}

void TDoClipboard::LoadInput(const ClipboardInput& input) {
    CheckIndex({&StartClip, &EndClip, &CopyFile, &CopyCommand, &PasteCommand, &CopyBit, &TypeText,
                &SaveText, &AppendText, &SaveBit},
               static_cast<int>(input.Choice));
    IgnoreCR.SetChecked(input.IgnoreCR);
    SavePrompt.SetChecked(input.SavePrompt);
    ProgPath.SetText(input.Path);
}

ClipboardInput TDoClipboard::ReadInput() const {
    return {Choice(), IgnoreCR.Checked(), SavePrompt.Checked(), ProgPath.Text()};
}

void TDoClipboard::EnabledDisable() {
    ClipboardLayout layout = ClipboardLayoutFor(Choice());
    PathPanel.SetVisible(layout.ShowPath);
    PathLabel.SetText(layout.PathLabel);
    SavePrompt.SetEnabled(layout.PromptEnabled);
    IgnoreCR.SetEnabled(layout.IgnoreEnabled);
    bool pathEnabled = !(layout.PromptEnabled && SavePrompt.Checked());
    for (TControl* c : std::initializer_list<TControl*>{&PathLabel, &ProgPath, &BrowseButton})
        c->SetEnabled(pathEnabled);
    // Without a path the form shrinks to its button row.
    Bounds row = Buttons.Row.GetBounds();
    row.Top = layout.ShowPath ? 344 : 290;
    Buttons.Row.SetBounds(row);
    SetClientSize(ClientWidth(), row.Top + FooterHeight);
}

void TDoClipboard::BrowseButtonClick() {
    ClipboardLayout layout = ClipboardLayoutFor(Choice());
    FileDialogOptions options;
    options.Title = std::string(layout.DialogTitle);
    options.Filter = std::string(layout.Filter);
    options.DefaultExt = std::string(layout.DefaultExt);
    options.HideReadOnly = true;
    options.FileMustExist = !layout.SaveDialog;
    std::optional<std::string> file = layout.SaveDialog
                                          ? CurrentFileDialogs().Save(Handle(), options)
                                          : CurrentFileDialogs().Open(Handle(), options);
    if (file)
        ProgPath.SetText(*file);
}

void TDoClipboard::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1)
        LoadInput({});
    EnabledDisable();
    if (FreshInsert == 1)
        StartClip.SetFocus();
}

void TDoClipboard::OkButtonClick() {
    IgnoreLineEnds = 0;
    ClipboardOutcome out = ComposeClipboard(ReadInput(), TheFileChecks());
    if (!Accept(out, [this](ClipboardField) -> TControl& { return ProgPath; }))
        return;
    IgnoreLineEnds = out.Raw.IgnoreLineEnds;
    FilePath = out.Raw.FilePath;
}

// Modifier keys ---------------------------------------------------------------------------

TDoKeyUpDown::TDoKeyUpDown()
    : TCommandDialog("TDoKeyUpDown", "Keys Up Or Down", 252, 206 + FooterHeight,
                     "Keys Up Or Down") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
}

void TDoKeyUpDown::LoadInput(const KeyUpDownInput& input) {
    CheckIndex({&CtrlDown, &CtrlUp, &AltDown, &AltUp, &ShiftDown, &ShiftUp, &WinDown, &WinUp},
               input.Action - 1);
}

KeyUpDownInput TDoKeyUpDown::ReadInput() const {
    int index = CheckedIndex(
        {&CtrlDown, &CtrlUp, &AltDown, &AltUp, &ShiftDown, &ShiftUp, &WinDown, &WinUp});
    return {index < 0 ? 1 : index + 1};
}

void TDoKeyUpDown::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1) {
        CtrlDown.SetChecked(true);
        CtrlDown.SetFocus();
    }
}

void TDoKeyUpDown::OkButtonClick() {
    Accept(ComposeKeyUpDown(ReadInput()));
}

}  // namespace orv::editor
