#include "editor/shell/win32/capture_forms.h"

#include "common/string_routines.h"
#include "common/win32/system_routines.h"

namespace orv::editor {

namespace {

constexpr const char* LastActiveWindow = "***Last Active Window***";

}  // namespace

std::vector<std::string> CaptureWindowTitles() {
    return VisibleWindowTitles(false);
}

// ---- the option boxes ----

CaptureOptionBoxes::CaptureOptionBoxes(TForm& form, int top)
    : DoDouble{form, nullptr, {8, top, 300, 18}, "Capture &Double <ALT> for Menus"},
      DoKey{form, nullptr, {8, top + 22, 300, 18}, "Capture &Keystrokes"},
      DoTheMouse{form, nullptr, {8, top + 44, 300, 18}, "Capture &Mouse"},
      RelativeBox{form, nullptr, {24, top + 64, 344, 44}, "Relative to"},
      ToScreen{form, &RelativeBox, {10, 18, 90, 18}, "Sc&reen"},
      ToWindow{form, &RelativeBox, {110, 18, 90, 18}, "&Window"},
      ToPosition{form, &RelativeBox, {210, 18, 90, 18}, "Positio&n"},
      DoSize{form, nullptr, {24, top + 112, 300, 18}, "Capture Window Si&ze"},
      ClicksOnly{form, nullptr, {24, top + 134, 300, 18}, "Onl&y Capture Mouse Clicks"},
      DoTime{form, nullptr, {8, top + 156, 300, 18}, "Captur&e At"},
      SpeedBox{form, nullptr, {24, top + 174, 344, 30}, ""},
      ActualSpeed{form, &SpeedBox, {6, 8, 84, 18}, "&Actual Speed"},
      HalfSpeed{form, &SpeedBox, {92, 8, 80, 18}, "&Half Speed"},
      DoubleSpeed{form, &SpeedBox, {174, 8, 84, 18}, "Do&uble Speed"},
      QuadSpeed{form, &SpeedBox, {260, 8, 82, 18}, "&Quadruple Speed"} {
    for (TCheckable* box :
         {static_cast<TCheckable*>(&DoKey), static_cast<TCheckable*>(&DoTheMouse),
          static_cast<TCheckable*>(&DoTime), static_cast<TCheckable*>(&ToScreen),
          static_cast<TCheckable*>(&ToWindow), static_cast<TCheckable*>(&ToPosition)})
        box->OnClick = [this] { EnableDisable(); };
}

void CaptureOptionBoxes::Show(const CaptureOptions& options) {
    DoDouble.SetChecked(options.DoubleAlt);
    DoKey.SetChecked(options.Keys);
    DoTheMouse.SetChecked(options.Mouse);
    (options.RelativeTo == 1   ? ToScreen
     : options.RelativeTo == 2 ? ToWindow
                               : ToPosition)
        .SetChecked(true);
    DoSize.SetChecked(options.WindowSize);
    ClicksOnly.SetChecked(options.ClicksOnly);
    DoTime.SetChecked(options.Time);
    TRadioButton* speeds[] = {&ActualSpeed, &HalfSpeed, &DoubleSpeed, &QuadSpeed};
    speeds[options.Speed >= 1 && options.Speed <= 4 ? options.Speed - 1 : 0]->SetChecked(true);
    EnableDisable();
}

CaptureOptions CaptureOptionBoxes::Read(CaptureOptions kept) const {
    kept.DoubleAlt = DoDouble.Checked();
    kept.Keys = DoKey.Checked();
    kept.Mouse = DoTheMouse.Checked();
    kept.RelativeTo = ToScreen.Checked() ? 1 : ToWindow.Checked() ? 2 : 3;
    kept.WindowSize = DoSize.Checked();
    kept.ClicksOnly = ClicksOnly.Checked();
    kept.Time = DoTime.Checked();
    kept.Speed = QuadSpeed.Checked() ? 4 : DoubleSpeed.Checked() ? 3 : HalfSpeed.Checked() ? 2 : 1;
    return kept;
}

void CaptureOptionBoxes::EnableDisable() {
    const bool mouse = DoTheMouse.Checked();
    for (TControl* c : {static_cast<TControl*>(&ToScreen), static_cast<TControl*>(&ToWindow),
                        static_cast<TControl*>(&ToPosition), static_cast<TControl*>(&ClicksOnly)})
        c->SetEnabled(mouse);
    DoSize.SetEnabled(mouse && ToWindow.Checked());
    DoDouble.SetEnabled(DoKey.Checked());
    for (TControl* c : {static_cast<TControl*>(&ActualSpeed), static_cast<TControl*>(&HalfSpeed),
                        static_cast<TControl*>(&DoubleSpeed), static_cast<TControl*>(&QuadSpeed)})
        c->SetEnabled(DoTime.Checked());
}

// ---- "Capture Macro" ----

TCaptureKeys::TCaptureKeys(const SettingsBlock& settings, const std::string& stopKeyName,
                           const std::string& secondStopKeyName)
    : TForm("TCaptureKeys", "Capture Macro", 376, 494), settings_(settings) {
    HelpKeyword = "Capture Macro";
    StopLabel.SetText("Press " + stopKeyName + " to end capture");
    if (!secondStopKeyName.empty())
        SecondStopLabel.SetText("Or Press " + secondStopKeyName + " to end capture");
    NickName.SetMaxLength(50);
    StartButton.OnClick = [this] { StartButtonClick(); };
    CancelButton.OnClick = [this] { Close(IDCANCEL); };
    HelpButton.OnClick = [this] { ShowHelp(); };
}

void TCaptureKeys::FormShow() {
    Boxes.Show(CaptureOptionsOf(settings_));
    GlobalRadio.SetEnabled(!ScopeLocked);
    (ScopeLocked || !settings_.CaptureGlobal ? ProgramRadio : GlobalRadio).SetChecked(true);
    NickName.SetText(IsExisting ? Nickname : std::string());
    NickName.SetFocus();
    ProgList.ClearItems();
    ProgList.AddItem(LastActiveWindow);
    for (const std::string& title : CaptureWindowTitles()) ProgList.AddItem(title);
    ProgList.SetItemIndex(0);
}

void TCaptureKeys::StartButtonClick() {
    Options = Boxes.Read(CaptureOptionsOf(settings_));
    ProgramScope = ProgramRadio.Checked();
    Nickname = NickName.Text().substr(0, 50);
    const int line = ProgList.ItemIndex();
    StartWindow = line > 0 ? ProgList.Item(line) : std::string();
    Started = true;
    Close(IDOK);
}

// ---- "Capture Defaults" ----

TCaptureDefaults::TCaptureDefaults(SettingsBlock& settings, std::function<void()> saved)
    : TForm("TCaptureDefaults", "Capture Defaults", 376, 320),
      settings_(settings),
      saved_(std::move(saved)) {
    HelpKeyword = "Capture Defaults";
    Boxes.DoTheMouse.SetText("Capture &Mouse Relative To");
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.OnClick = [this] { Close(IDCANCEL); };
    HelpButton.OnClick = [this] { ShowHelp(); };
}

void TCaptureDefaults::FormShow() {
    const CaptureOptions options = CaptureOptionsOf(settings_);
    Boxes.Show(options);
    DoPrompt.SetChecked(options.Prompt);
    (options.Global ? GlobalRadio : ProgramRadio).SetChecked(true);
}

void TCaptureDefaults::OkButtonClick() {
    CaptureOptions options = Boxes.Read(CaptureOptionsOf(settings_));
    options.Prompt = DoPrompt.Checked();
    options.Global = GlobalRadio.Checked();
    StoreCaptureOptions(settings_, options);
    saved_();
    Close(IDOK);
}

}  // namespace orv::editor
