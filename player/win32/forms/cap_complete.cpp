#include "player/win32/forms/cap_complete.h"

#include "common/message_boxes.h"
#include "common/ui/win32/canvas.h"
#include "common/ui/win32/display.h"

namespace orv::player {
namespace {

constexpr int KeyListItemHeight = 18;
constexpr int NicknameLength = 50;
constexpr int CuewordLength = 10;

}  // namespace

TCapComplete::TCapComplete(MacroRecord& record, std::string programName, const HookTable& table,
                           const SettingsBlock& settings, SecondWindow& second)
    : TRunTimeDialog("TCapComplete", "Capture Complete", ClientWidthPx,
                     HotKeyButtonsTop + BelowButtons),
      HotKeyEntry(*this, nullptr, {8, 192, 377, 21}, second),
      record_(record),
      programName_(std::move(programName)),
      table_(table),
      settings_(settings) {
    HelpKeyword = "Capture Complete";
    KeyPreview = true;
    NickName.SetMaxLength(NicknameLength);
    CuewordName.SetMaxLength(CuewordLength);
    KeyList.SetOwnerDraw(Scaled(KeyListItemHeight));
    KeyList.OnDrawItem = [this](TCanvas& canvas, int index, const RECT& rect, bool selected) {
        KeyListDrawItem(canvas, index, rect, selected);
    };
    // The user's own choice only: the list may move its selection itself.
    KeyList.OnChange = [this] {
        if (KeyList.Focused())
            SelectHotKey(KeyList.ItemIndex());
    };
    HotKeyEntry.OnHotKey = [this](int code) { SelectHotKey(code); };
    for (TRadioButton* type : {&UseHotKey, &UseCuewords, &RadioButton1})
        type->OnClick = [this] { ShowType(); };
    OkButton.OnClick = [this] { OkButtonClick(); };
    HelpButton.OnClick = [this] { ShowHelp(); };
}

void TCapComplete::FormShow() {
    TRunTimeDialog::FormShow();
    use_ = HotKeyUse(table_);
    for (int code = 0; code < HotKeyCount; ++code)
        KeyList.AddItem(KeyListLine(code, use_.Users[code]), code);
    UseHotKey.SetChecked(true);
    GlobalButton.SetChecked(settings_.CaptureGlobal);
    ProgramButton.SetChecked(!settings_.CaptureGlobal);
    ShowType();
    HotKeyEntry.SetFocus();
}

void TCapComplete::FormKeyDown(WORD& key, ShiftState) {
    // No Cancel button to press: Escape leaves as the close box does, the
    // recording then kept with no activation.
    if (key != VK_ESCAPE)
        return;
    key = 0;
    Close(IDCANCEL);
}

MacroType TCapComplete::Type() const {
    return UseHotKey.Checked()     ? MacroType::HotKey
           : UseCuewords.Checked() ? MacroType::Cueword
                                   : MacroType::None;
}

void TCapComplete::ShowType() {
    const MacroType type = Type();
    for (TControl* c :
         std::initializer_list<TControl*>{&SetHotKeyLabel, &HotKeyLabel, &HotKeyEntry, &KeyList})
        c->SetVisible(type == MacroType::HotKey);
    CuewordLabel.SetVisible(type == MacroType::Cueword);
    CuewordName.SetVisible(type == MacroType::Cueword);
    const int top = type == MacroType::HotKey    ? HotKeyButtonsTop
                    : type == MacroType::Cueword ? CuewordButtonsTop
                                                 : NoneButtonsTop;
    for (TButton* button : {&OkButton, &HelpButton}) {
        Bounds b = button->GetBounds();
        b.Top = top;
        button->SetBounds(b);
    }
    SetClientSize(ClientWidthPx, top + BelowButtons);
}

void TCapComplete::SelectHotKey(int code) {
    if (!IsHotKeyCode(code))
        return;
    selectedCode_ = code;
    if (KeyList.ItemIndex() != code)
        KeyList.SetItemIndex(code);
    HotKeyEntry.SetText(KeyName(code));
}

// The name at the left, the use from three fifths of the row on.
void TCapComplete::KeyListDrawItem(TCanvas& canvas, int index, const RECT& rect,
                                   bool selected) const {
    const std::string& line = KeyList.Item(index);
    const std::size_t open = line.find("  (");
    canvas.FillSystem(rect, selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    canvas.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    canvas.WriteText(rect.left + 2, rect.top, line.substr(0, open));
    if (open != std::string::npos) {
        const std::string use = line.substr(open + 3, line.size() - open - 4);
        canvas.WriteText(rect.left + (rect.right - rect.left) * 3 / 5, rect.top, use);
    }
}

void TCapComplete::OkButtonClick() {
    const CapCompleteChoice choice{.Nickname = NickName.Text(),
                                   .Type = Type(),
                                   .HotKey = selectedCode_,
                                   .Cueword = CuewordName.Text(),
                                   .Global = GlobalButton.Checked()};
    const CapCompleteCheck check = CheckCapComplete(choice, use_);
    if (!check.Error.empty()) {
        CurrentMessageBoxes().Show(CapCompleteText::ErrorCaption, check.Error,
                                   MsgStyle::Ok | MsgStyle::IconError | MB_TOPMOST);
        if (check.FocusCueword)
            CuewordName.SetFocus();
        return;
    }
    if (!check.Question.empty() &&
        CurrentMessageBoxes().Show(CapCompleteText::WarningCaption, check.Question,
                                   MsgStyle::YesNo | MsgStyle::IconWarning | MB_TOPMOST) !=
            MsgResult::Yes)
        return;
    ApplyCapComplete(choice, programName_, record_);
    Close(IDOK);
}

}  // namespace orv::player
