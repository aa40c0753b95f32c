#include "editor/commands/win32/wait_dialog.h"

#include <windows.h>

namespace orv::editor {
namespace {

// A shorter foot than the other dialogs' below its buttons' top.
constexpr int WaitFooterHeight = 23;

// The kind buttons' order on the form, as option codes.
constexpr WaitKind ButtonKinds[] = {
    WaitKind::Title,     WaitKind::LoseFocus,  WaitKind::Key,         WaitKind::Text,
    WaitKind::LeftClick, WaitKind::RightClick, WaitKind::MiddleClick, WaitKind::Program,
    WaitKind::PlayBack,  WaitKind::Time};

int ButtonOf(WaitKind kind) {
    for (int i = 0; i < static_cast<int>(std::size(ButtonKinds)); ++i) {
        if (ButtonKinds[i] == kind)
            return i;
    }
    return 0;
}

}  // namespace

TDoWaitWin::TDoWaitWin(CommandContext& context)
    : TCommandDialog("TDoWaitWin", "Wait For", 472, 301 + WaitFooterHeight, "Wait For Window"),
      context_(context) {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    for (TRadioButton* r : {&WaitTitle, &WaitLose, &WaitKey, &WaitText, &WaitLeft, &WaitRight,
                            &WaitMiddle, &WaitProg, &WaitPlayBack, &WaitTime})
        r->OnClick = [this] { KindClick(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button1.SetEnabled(static_cast<bool>(context_.PickProgram));
    WinTitle.SetMaxLength(50);
    Minutes.SetMaxLength(4);
    Seconds.SetMaxLength(2);
    WaitMin.SetMaxLength(3);
    Minutes.SetText("10");
    Seconds.SetText("0");
    for (std::string_view name : WaitKeyNames()) TheKey.AddItem(name);
}

WaitKind TDoWaitWin::Kind() const {
    int index = CheckedIndex({&WaitTitle, &WaitLose, &WaitKey, &WaitText, &WaitLeft, &WaitRight,
                              &WaitMiddle, &WaitProg, &WaitPlayBack, &WaitTime});
    return ButtonKinds[index < 0 ? 0 : index];
}

void TDoWaitWin::LoadInput(const WaitInput& input) {
    CheckIndex({&WaitTitle, &WaitLose, &WaitKey, &WaitText, &WaitLeft, &WaitRight, &WaitMiddle,
                &WaitProg, &WaitPlayBack, &WaitTime},
               ButtonOf(input.Kind));
    WinTitle.SetText(input.WinTitle);
    ProgName.SetText(input.ProgName);
    TheText.SetText(input.TheText);
    CaseSense.SetChecked(input.CaseSense);
    TheKey.SetItemIndex(input.KeyIndex);
    (input.WaitMax ? WaitMax : WaitIndef).SetChecked(true);
    WaitMin.SetText(input.WaitMin);
    Minutes.SetText(input.Minutes);
    Seconds.SetText(input.Seconds);
}

WaitInput TDoWaitWin::ReadInput() const {
    return {Kind(),
            WinTitle.Text(),
            ProgName.Text(),
            TheText.Text(),
            CaseSense.Checked(),
            TheKey.ItemIndex(),
            WaitMax.Checked(),
            WaitMin.Text(),
            Minutes.Text(),
            Seconds.Text()};
}

void TDoWaitWin::KindClick() {
    WaitLayout layout = WaitLayoutFor(Kind());
    TitlePanel.SetVisible(layout.Panel == WaitPanel::Title);
    ProgPanel.SetVisible(layout.Panel == WaitPanel::Program);
    TextPanel.SetVisible(layout.Panel == WaitPanel::Text);
    KeyPanel.SetVisible(layout.Panel == WaitPanel::Key);
    ElapsePanel.SetVisible(layout.Panel == WaitPanel::Elapse);
    TimePanel.SetVisible(layout.ShowTimeOut);
    if (layout.ShowTimeOut) {
        Bounds time = TimePanel.GetBounds();
        time.Top = layout.TimeOutTop;
        TimePanel.SetBounds(time);
    }
    Bounds row = Buttons.Row.GetBounds();
    row.Top = layout.ButtonTop;
    Buttons.Row.SetBounds(row);
    SetClientSize(ClientWidth(), layout.ClientHeight);
}

void TDoWaitWin::Button1Click() {
    if (!context_.PickProgram)
        return;
    if (std::optional<std::string> program = context_.PickProgram())
        ProgName.SetText(*program);
}

void TDoWaitWin::FormShow() {
    TCommandDialog::FormShow();
    if (FreshInsert == 1) {
        WaitMax.SetChecked(true);
        WaitMin.SetText("10");
        TheKey.SetItemIndex(50);
    }
    KindClick();
}

void TDoWaitWin::OkButtonClick() {
    RawValue = 0;
    WaitCaseSensitive = 0;
    WaitParameter.clear();
    WaitOutcome out = ComposeWait(ReadInput());
    auto controlOf = [this](WaitField f) -> TControl& {
        switch (f) {
            case WaitField::WinTitle:
                return WinTitle;
            case WaitField::ProgName:
                return ProgName;
            case WaitField::TheText:
                return TheText;
            case WaitField::TheKey:
                return TheKey;
            case WaitField::Minutes:
                return Minutes;
            case WaitField::Seconds:
                return Seconds;
            case WaitField::WaitMin:
                break;
        }
        return WaitMin;
    };
    if (!Accept(out, controlOf))
        return;
    RawValue = out.Raw.RawValue;
    WaitParameter = out.Raw.WaitParameter;
    WaitCaseSensitive = out.Raw.WaitCaseSensitive;
}

}  // namespace orv::editor
