#include "editor/commands/win32/flow_dialogs.h"

#include <windows.h>

#include "common/ui/win32/services.h"
#include "editor/commands/win32/system_file_checks.h"

namespace orv::editor {

// Delays ----------------------------------------------------------------------

TDoDelay2::TDoDelay2()
    : TCommandDialog("TDoDelay2", "Set Delay", 280, 126 + FooterHeight, "Set Delays") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    DelSecs.OnClick = [this] { DelSecsClick(); };
    TimedDel.OnClick = [this] { DelSecsClick(); };
    DelMilli.OnClick = [this] { DelMilliClick(); };
}

DelayChoice TDoDelay2::Choice() const {
    if (TimedDel.Checked())
        return DelayChoice::Timed;
    if (DelSecs.Checked())
        return DelayChoice::Seconds;
    return DelayChoice::Milliseconds;
}

void TDoDelay2::DelSecsClick() {
    LimitToChoice();
}

void TDoDelay2::DelMilliClick() {
    LimitToChoice();
}

void TDoDelay2::LimitToChoice() {
    Seconds.SetMaxLength(DelayMaxLength(Choice()));
}

void TDoDelay2::LoadInput(const DelayInput& input) {
    CheckIndex({&DelSecs, &DelMilli, &TimedDel}, static_cast<int>(input.Choice) - 1);
    LimitToChoice();
    Seconds.SetText(input.Seconds);
}

DelayInput TDoDelay2::ReadInput() const {
    return {Choice(), Seconds.Text()};
}

void TDoDelay2::FormShow() {
    TCommandDialog::FormShow();
    LimitToChoice();
    Seconds.SetFocus();
}

void TDoDelay2::OkButtonClick() {
    DelayOutcome out = ComposeDelay(ReadInput());
    if (Accept(out, [this](DelayField) -> TControl& { return Seconds; }))
        RawValue = out.Raw.RawValue;
}

// Pause -------------------------------------------------------------------------

TDoPausePos::TDoPausePos()
    : TCommandDialog("TDoPausePos", "Pause Window", 292, 192 + FooterHeight, "Macro Pause") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    BasicPause.OnClick = [this] { BasicPauseClick(); };
    ComplexPause.OnClick = [this] { ComplexPauseClick(); };
    TopCoord.SetMaxLength(3);
    LeftCoord.SetMaxLength(3);
    PauseMessage.SetMaxLength(180);
}

void TDoPausePos::BasicPauseClick() {
    EnableDisable();
}

void TDoPausePos::ComplexPauseClick() {
    EnableDisable();
}

// A basic pause has nothing to set: the form shrinks to its buttons.
void TDoPausePos::EnableDisable() {
    bool complex = !BasicPause.Checked();
    Details.SetVisible(complex);
    Bounds row = Buttons.Row.GetBounds();
    row.Top = complex ? 192 : 40;
    Buttons.Row.SetBounds(row);
    SetClientSize(ClientWidth(), row.Top + FooterHeight);
}

void TDoPausePos::LoadInput(const PauseInput& input) {
    (input.Basic ? BasicPause : ComplexPause).SetChecked(true);
    TopCoord.SetText(input.Top);
    LeftCoord.SetText(input.Left);
    PauseMessage.SetText(input.Message);
}

PauseInput TDoPausePos::ReadInput() const {
    return {BasicPause.Checked(), TopCoord.Text(), LeftCoord.Text(), PauseMessage.Text()};
}

void TDoPausePos::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1)
        LoadInput({});
    EnableDisable();
    if (ComplexPause.Checked())
        TopCoord.SetFocus();
    else
        BasicPause.SetFocus();
}

void TDoPausePos::OkButtonClick() {
    PauseOutcome out = ComposePause(ReadInput());
    auto controlOf = [this](PauseField f) -> TControl& {
        if (f == PauseField::TopCoord)
            return TopCoord;
        if (f == PauseField::LeftCoord)
            return LeftCoord;
        return PauseMessage;
    };
    if (!Accept(out, controlOf))
        return;
    RawLeft = out.Raw.RawLeft;
    RawTop = out.Raw.RawTop;
    RawMessage = out.Raw.RawMessage;
}

// Repeats -----------------------------------------------------------------------

TDoRepeat::TDoRepeat()
    : TCommandDialog("TDoRepeat", "Repeat Options", 280, 220 + FooterHeight, "Repeat Options") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    StartRepeat.OnClick = [this] { StartRepeatClick(); };
    PromptRepeat.OnClick = [this] { StartRepeatClick(); };
    EndRepeat.OnClick = [this] { EndRepeatClick(); };
    RepeatCounter.OnClick = [this] { RepeatCounterClick(); };
    Count.SetMaxLength(4);
    CStart.SetMaxLength(6);
    CStep.SetMaxLength(6);
}

RepeatChoice TDoRepeat::Choice() const {
    if (StartRepeat.Checked())
        return RepeatChoice::Start;
    if (RepeatCounter.Checked())
        return RepeatChoice::Counter;
    if (PromptRepeat.Checked())
        return RepeatChoice::Prompt;
    return RepeatChoice::End;
}

void TDoRepeat::StartRepeatClick() {
    EnableDisable();
}

void TDoRepeat::EndRepeatClick() {
    EnableDisable();
}

void TDoRepeat::RepeatCounterClick() {
    EnableDisable();
}

void TDoRepeat::EnableDisable() {
    RepeatLayout layout = RepeatLayoutFor(Choice());
    RepeatLabel.SetText(layout.CountLabel);
    for (TControl* c : {static_cast<TControl*>(&RepeatLabel), static_cast<TControl*>(&Count)})
        c->SetVisible(layout.ShowCount);
    for (TControl* c : {static_cast<TControl*>(&StartLabel), static_cast<TControl*>(&CStart),
                        static_cast<TControl*>(&StepLabel), static_cast<TControl*>(&CStep)})
        c->SetVisible(layout.ShowCounter);
}

void TDoRepeat::LoadInput(const RepeatInput& input) {
    CheckIndex({&StartRepeat, &PromptRepeat, &EndRepeat, &RepeatCounter},
               static_cast<int>(input.Choice) - 1);
    Count.SetText(input.Count);
    CStart.SetText(input.Start);
    CStep.SetText(input.Step);
}

RepeatInput TDoRepeat::ReadInput() const {
    return {Choice(), Count.Text(), CStart.Text(), CStep.Text()};
}

void TDoRepeat::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1)
        LoadInput({});
    EnableDisable();
}

void TDoRepeat::OkButtonClick() {
    RawCount = 0;
    RawStart = 1;
    RawStep = 1;
    RepeatOutcome out = ComposeRepeat(ReadInput());
    auto controlOf = [this](RepeatField f) -> TControl& {
        if (f == RepeatField::CStart)
            return CStart;
        if (f == RepeatField::CStep)
            return CStep;
        return Count;
    };
    if (!Accept(out, controlOf))
        return;
    RawCount = out.Raw.RawCount;
    RawStart = out.Raw.RawStart;
    RawStep = out.Raw.RawStep;
}

// Speed ---------------------------------------------------------------------------

TDoSpeed::TDoSpeed()
    : TCommandDialog("TDoSpeed", "Speed", 280, 146 + FooterHeight, "Keyboard and Mouse Speed") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    KeyboardSpeed.OnClick = [this] { KeyboardSpeedClick(); };
    MouseSpeed.OnClick = [this] { MouseSpeedClick(); };
    MacroSpeed.OnClick = [this] { MacroSpeedClick(); };
    Count.SetMaxLength(4);
}

SpeedChoice TDoSpeed::Choice() const {
    if (MacroSpeed.Checked())
        return SpeedChoice::Macro;
    if (MouseSpeed.Checked())
        return SpeedChoice::Mouse;
    return SpeedChoice::Keyboard;
}

void TDoSpeed::KeyboardSpeedClick() {
    Lab1.SetText(SpeedLabel(SpeedChoice::Keyboard));
}

void TDoSpeed::MouseSpeedClick() {
    Lab1.SetText(SpeedLabel(SpeedChoice::Mouse));
}

void TDoSpeed::MacroSpeedClick() {
    Lab1.SetText(SpeedLabel(SpeedChoice::Macro));
}

void TDoSpeed::LoadInput(const SpeedInput& input) {
    CheckIndex({&KeyboardSpeed, &MouseSpeed, &MacroSpeed}, static_cast<int>(input.Choice) - 1);
    Count.SetText(input.Count);
}

SpeedInput TDoSpeed::ReadInput() const {
    return {Choice(), Count.Text()};
}

void TDoSpeed::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1)
        KeyboardSpeed.SetChecked(true);
    Lab1.SetText(SpeedLabel(Choice()));
    Count.SetFocus();
}

void TDoSpeed::OkButtonClick() {
    SpeedOutcome out = ComposeSpeed(ReadInput());
    if (!Accept(out, [this](SpeedField) -> TControl& { return Count; }))
        return;
    RawCount = out.Raw.RawCount;
    RawFactor = out.Raw.RawFactor;
}

// Load another macro file -----------------------------------------------------------

TDoSwap::TDoSwap()
    : TCommandDialog("TDoSwap", "Load A New Macro File", 363, 96 + FooterHeight,
                     "Swap Macro File") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    BrowseButton.OnClick = [this] { BrowseButtonClick(); };
}

void TDoSwap::BrowseButtonClick() {
    FileDialogOptions options;
    options.Title = "Orvane Files";
    options.Filter = "Orvane (*.ORN)|*.ORN";
    options.DefaultExt = "ORN";
    options.FileMustExist = true;
    options.HideReadOnly = true;
    if (std::optional<std::string> file = CurrentFileDialogs().Open(Handle(), options))
        ProgPath.SetText(*file);
}

void TDoSwap::LoadInput(const SwapInput& input) {
    ProgPath.SetText(input.Path);
}

SwapInput TDoSwap::ReadInput() const {
    return {ProgPath.Text()};
}

void TDoSwap::FormShow() {
    TCommandDialog::FormShow();
    ProgPath.SetFocus();
}

void TDoSwap::OkButtonClick() {
    SwapOutcome out = ComposeSwap(ReadInput(), TheFileChecks());
    if (Accept(out, [this](SwapField) -> TControl& { return ProgPath; }))
        FilePath = out.Raw.FilePath;
}

// Remark --------------------------------------------------------------------------------

TDoRemark::TDoRemark() : TCommandDialog("TDoRemark", "Remark", 362, 66 + FooterHeight, "Remarks") {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    Comments.SetMaxLength(240);
}

void TDoRemark::LoadInput(const RemarkInput& input) {
    Comments.SetText(input.Comment);
}

RemarkInput TDoRemark::ReadInput() const {
    return {Comments.Text()};
}

void TDoRemark::FormShow() {
    TCommandDialog::FormShow();
    Comments.SetFocus();
}

void TDoRemark::OkButtonClick() {
    Accept(ComposeRemark(ReadInput()), [this](RemarkField) -> TControl& { return Comments; });
}

// The number dialog --------------------------------------------------------------------

TDoDelay::TDoDelay(CommandContext& context)
    : TCommandDialog("TDoDelay", "", 250, 50 + FooterHeight, ""), context_(context) {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, nullptr);
}

editor::DelayMode TDoDelay::Mode() const {
    return DelayMode == 5 ? editor::DelayMode::SchedulerFrequency : editor::DelayMode::AltKeypad;
}

void TDoDelay::LoadInput(const AltKeypadInput& input) {
    Seconds.SetText(input.Digits);
}

AltKeypadInput TDoDelay::ReadInput() const {
    return {Seconds.Text()};
}

void TDoDelay::FormShow() {
    TCommandDialog::FormShow();
    DelayModeLayout layout = DelayModeLayoutFor(Mode());
    SetCaption(std::string(layout.Caption));
    Label1.SetText(layout.Label);
    Label2.SetVisible(layout.ShowSecondsLabel);
    Seconds.SetMaxLength(layout.MaxLength);
    if (Mode() == editor::DelayMode::SchedulerFrequency)
        Seconds.SetText(std::to_string(context_.Settings.TimerSeconds));
    Seconds.SetFocus();
}

void TDoDelay::OkButtonClick() {
    if (Mode() == editor::DelayMode::AltKeypad) {
        Accept(ComposeAltKeypad(ReadInput()), [this](NumberField) -> TControl& { return Seconds; });
        return;
    }
    FrequencyOutcome frequency = ReadSchedulerFrequency(Seconds.Text());
    if (frequency.Refused) {
        Refuse(*frequency.Refused, Seconds);
        return;
    }
    context_.Settings.TimerSeconds = frequency.Seconds;
    RawSeconds = frequency.Seconds;
    Close(IDOK);
}

}  // namespace orv::editor
