// The quick wizard form: a view over the wizard's portable model. The panels'
// controls are made from their declarations the first time a panel shows and
// kept by name; before the model decides anything the form hands it the
// controls' values, and afterwards shows what the model answered.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/ui/win32/form.h"
#include "common/ui/win32/hot_key_entry.h"
#include "editor/script/win32/icon_chooser.h"
#include "editor/wizard/win32/wizard_capture.h"
#include "editor/wizard/win32/wizard_host.h"
#include "editor/wizard/win32/wizard_platform.h"
#include "editor/wizard/wizard_finish.h"
#include "editor/wizard/wizard_navigator.h"

namespace orv::editor {

// Splits a date or time format's line into its name and its sample, which the
// lists draw in two columns.
inline constexpr char FormatSampleSeparator = '\t';

struct CommandContext;

// The kind's word on the logo, drawn in its own size.
class TWizardLogo final : public TControl {
  public:
    using TControl::TControl;
    std::string Word;
    int PointSize = 18;

  protected:
    const char* WindowClass() const override { return "STATIC"; }
    DWORD WindowStyle() const override { return SS_OWNERDRAW; }
    bool ParentMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;
};

class TQuickWiz final : public TForm, private SecondWindow {
  public:
    // commands: what the single-command kind's dialogs need of the editor.
    TQuickWiz(WizardHost& host, WizardPlatform& platform, CommandContext& commands, int kind);
    ~TQuickWiz() override;

    const int Kind;
    // What Finish made (a macro, a recording, the first-time settings); none
    // when the wizard was cancelled.
    std::optional<FinishOutcome> Outcome;
    bool Finished() const { return Outcome.has_value(); }
    // What Finish made, handed to the host to keep and the wizard closed; one
    // the host cannot keep for now leaves the wizard open where it is.
    void Conclude(FinishOutcome outcome);

    TWizardLogo Logo{*this, nullptr, {0, 0, WizardLogoWidth, WizardClientHeight - 40}};
    TPanel SequencePanel{*this, nullptr, {0, WizardClientHeight - 40, WizardClientWidth, 40}};
    TButton BackButton{*this, &SequencePanel, {WizardClientWidth - 260, 8, 80, 25}, "< &Back"};
    TButton NextButton{*this,
                       &SequencePanel,
                       {WizardClientWidth - 176, 8, 80, 25},
                       "&Next >",
                       ButtonRole::Default};
    TButton CancelButton{
        *this, &SequencePanel, {WizardClientWidth - 88, 8, 80, 25}, "&Cancel", ButtonRole::Cancel};

    int CurrentPanel() const { return navigator_.CurrentPanel(); }
    // The answers as the form last handed them to the model.
    const WizardAnswers& Answers() const { return answers_; }
    // A control of a panel shown so far, by its name; null before.
    TControl* Control(const std::string& name) const;
    template <class T>
    T* ControlAs(const std::string& name) const {
        return dynamic_cast<T*>(Control(name));
    }
    // Whether the panel's controls exist (it has been shown).
    bool PanelBuilt(int panel) const { return panels_.count(panel) != 0; }

    void BackButtonClick();
    void NextButtonClick();
    void P1BypassClick();
    void P3HotKeyEntryExit();

  protected:
    void FormShow() override;
    void FormClose() override;
    bool UserMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;

  private:
    struct Built {
        std::unique_ptr<TPanel> Panel;
        std::vector<std::unique_ptr<TControl>> Controls;
    };
    // SecondWindow: the hot-key box's focus.
    void SetSecondWindow(HWND window, bool on) override;

    void ShowPanel(int previous);
    Built& Build(int panel);
    std::unique_ptr<TControl> MakeControl(const ControlDecl& decl, TControl* parent);
    std::unique_ptr<TControl> MakeSymbolGrid(TControl* parent);
    void AddSpin(const ControlDecl& decl, TControl* parent, Built& built);
    // The controls a panel's own radios and boxes show or enable.
    void ArrangeChoices(int panel);
    void Load(int panel);
    void Arrange(int panel);
    void FocusFirst(int panel);
    // The controls' values into the model, and the model's back into them.
    void Pull();
    void Push();
    void PushControl(const std::string& name, TControl& control);
    void Refill(TItemsControl& items, const std::vector<ListLine>& lines);
    bool PanelAccepts();
    void Finish();
    void Refuse(const WizardRefusal& refusal);
    void HotKeyPressed(int code);
    void BindHandlers(int panel);
    void Bind(const std::string& control, std::function<void()> handler);
    void SetShown(const std::string& control, bool shown);
    // A chooser opens over its panel: its windows come first in the window
    // order (a click on its lines lands in them), and the panel's controls it
    // lies over step aside until it closes.
    void SetChooserShown(const std::string& chooser, bool shown);
    void ChooseCommand();
    void ListRunningPrograms();
    void PickRunningProgram();
    void InsertKeystroke();
    void InsertSymbol(const std::string& memo);
    // At the memo's caret, within the longest script; false after refusing.
    bool InsertIntoMemo(const std::string& memo, const std::string& text);
    void Browse(const std::string& button);
    void TestMixer();
    void PlayWave();
    void LaunchWebPage();
    // Panel handlers of wizard_panel_handlers.cpp: the icon, the combined
    // macro, the attachments, the recipient lists, the dial-up logon and the
    // menu's quick info.
    void BindCombinedMacro();
    void BindMenuMembers();
    void P10MySpeedClick();
    void ShowMacroIcon();
    // Pull, the change, Push; then its refusal, if any.
    void EditAnswers(const std::function<std::optional<WizardRefusal>()>& change);
    void AddAttachment();
    void GetRecipients();
    void P28RetrieveClick();
    void DrawMenuMember(TCanvas& canvas, int index, const RECT& rect, bool selected);
    void DoOBInfo(int line);

    WizardHost& host_;
    WizardPlatform& platform_;
    CommandContext& commands_;
    WizardEnv env_;
    WizardAnswers answers_;
    WizardNavigator navigator_;
    std::map<int, Built> panels_;
    std::map<std::string, TControl*> byName_;
    bool secondWindowOn_ = false;
    // The sweepstakes kind's typing, recorded from panel 72 on.
    SweepstakesRecording recording_{host_};
    std::unique_ptr<IconChooser> icon_;
    int mouseDownItem_ = -1;          // panel 50's line under the pressed left button
    TControl* focus_ = nullptr;       // where the panel on show puts the focus, if it says
    std::vector<TControl*> covered_;  // what the open chooser stepped aside
};

}  // namespace orv::editor
