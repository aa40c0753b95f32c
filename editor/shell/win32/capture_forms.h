// The recording's dialogs: "Capture Macro" (the options of one recording and
// the window it starts in) and "Capture Defaults" (the stored options).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/capture_section.h"
#include "common/settings.h"
#include "common/ui/win32/controls.h"
#include "common/ui/win32/form.h"

namespace orv::editor {

// The option boxes both dialogs show, and the rules that enable them.
class CaptureOptionBoxes {
  public:
    CaptureOptionBoxes(TForm& form, int top);

    TCheckBox DoDouble, DoKey, DoTheMouse;
    TGroupBox RelativeBox;
    TRadioButton ToScreen, ToWindow, ToPosition;
    TCheckBox DoSize, ClicksOnly, DoTime;
    TGroupBox SpeedBox;
    TRadioButton ActualSpeed, HalfSpeed, DoubleSpeed, QuadSpeed;

    void Show(const CaptureOptions& options);
    // What the boxes say, over kept (which holds what they do not show).
    CaptureOptions Read(CaptureOptions kept) const;
    // Without mouse: no relative-to, size or clicks only; size only relative
    // to the window; double Alt only with keystrokes; speeds only with timing.
    void EnableDisable();
};

// "Capture Macro": the options of one recording. Started says the user
// chose to start; the caller then starts the recording with these results.
class TCaptureKeys : public TForm {
  public:
    TCaptureKeys(const SettingsBlock& settings, const std::string& stopKeyName,
                 const std::string& secondStopKeyName);

    // Set by the caller before the show.
    int MacroNumber = 0;
    bool IsExisting = false;
    bool ScopeLocked = false;
    std::string Nickname;  // of an existing macro
    // Results.
    bool Started = false;
    CaptureOptions Options;
    bool ProgramScope = false;
    std::string StartWindow;  // empty: the last active window

    TLabel HotKeyLabel{*this, nullptr, {8, 6, 360, 16}};
    TLabel StopLabel{*this, nullptr, {8, 24, 360, 16}};
    TLabel SecondStopLabel{*this, nullptr, {8, 42, 360, 16}};
    TLabel NickLabel{*this, nullptr, {8, 64, 70, 16}, "Nickname"};
    TEdit NickName{*this, nullptr, {80, 62, 290, 21}};
    CaptureOptionBoxes Boxes{*this, 90};
    TGroupBox ScopeBox{*this, nullptr, {8, 300, 360, 40}, "Scope"};
    TRadioButton ProgramRadio{*this, nullptr, {18, 316, 100, 18}, "&Program"};
    TRadioButton GlobalRadio{*this, nullptr, {128, 316, 100, 18}, "&Global"};
    TLabel ProgLabel{*this, nullptr, {8, 346, 360, 16}, "Choose the program to start capturing in"};
    TListBox ProgList{*this, nullptr, {8, 364, 360, 90}};
    TButton StartButton{*this, nullptr, {60, 462, 90, 25}, "&Start Capture", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {160, 462, 75, 25}, "&Cancel", ButtonRole::Cancel};
    TButton HelpButton{*this, nullptr, {245, 462, 75, 25}, "&Help"};

    void StartButtonClick();

  protected:
    void FormShow() override;

  private:
    const SettingsBlock& settings_;
};

// "Capture Defaults": the stored options, with the player's "Prompt".
class TCaptureDefaults : public TForm {
  public:
    TCaptureDefaults(SettingsBlock& settings, std::function<void()> saved);

    CaptureOptionBoxes Boxes{*this, 8};
    TCheckBox DoPrompt{*this, nullptr, {8, 216, 200, 18}, "P&rompt on Capture"};
    TGroupBox ScopeBox{*this, nullptr, {8, 238, 360, 40}, "Scope"};
    TRadioButton ProgramRadio{*this, nullptr, {18, 254, 100, 18}, "&Program"};
    TRadioButton GlobalRadio{*this, nullptr, {128, 254, 100, 18}, "&Global"};
    TButton OkButton{*this, nullptr, {60, 288, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {145, 288, 75, 25}, "&Cancel", ButtonRole::Cancel};
    TButton HelpButton{*this, nullptr, {230, 288, 75, 25}, "&Help"};

    void OkButtonClick();

  protected:
    void FormShow() override;

  private:
    SettingsBlock& settings_;
    std::function<void()> saved_;
};

// The titles of the visible, not minimised top-level windows with a title,
// in the system's order.
std::vector<std::string> CaptureWindowTitles();

}  // namespace orv::editor
