#include "editor/shell/win32/add_macro_dialog.h"

#include "common/message_boxes.h"
#include "common/string_routines.h"
#include "common/ui/win32/canvas.h"
#include "common/win32/window_numbers.h"

namespace orv::editor {

namespace {

constexpr int KeyLineHeight = 18;

}  // namespace

void EditorSecondWindow::SetSecondWindow(HWND window, bool on) {
    SetSecWind(table_, hooks_, notices_, WindowNumber(window), on);
}

TAddNewHotKey::TAddNewHotKey(AddMacroEnv env)
    : TForm("TAddNewHotKey", "Add Macro", 392, 421),
      env_(std::move(env)),
      second_(env_.Table, env_.Hooks, env_.Notices) {
    FontDescription bold;
    bold.Size = 12;
    bold.Style = FontStyle::Bold;
    SetHotKeyLabel.SetFont(bold);
    HotKeyLabel.SetFontColor(RGB(0, 0, 128));
    SetHotKeyLabel.SetFontColor(RGB(0, 0, 128));
    KeyList.SetOwnerDraw(KeyLineHeight);
    KeyList.OnDrawItem = [this](TCanvas& canvas, int index, const RECT& rect, bool selected) {
        KeyListDrawItem(canvas, index, rect, selected);
    };
    KeyList.OnChange = [this] { KeyListClick(); };
    HotKeyEntry.OnHotKey = [this](int code) { HotKeyReported(code); };
    for (TRadioButton* radio : {&UseHotKey, &TimedMacro, &UseTitle, &UsePopup, &UseBuilding})
        radio->OnClick = [this] { DisableEnable(); };
    UseCuewords.OnClick = [this] {
        DisableEnable();
        CuewordName.SetFocus();
    };
    ScriptButton.OnClick = [this] { DoTheScript(); };
    EnterKeyButton.OnClick = [this] { DoModify(); };
    CaptureKeyButton.OnClick = [this] { DoCapture(); };
    AbortButton.ModalResult = IDCANCEL;
}

void TAddNewHotKey::FormShow() {
    MenuInTray = false;
    choices_ = HotKeyChoicesOf(env_.Table);
    KeyList.ClearItems();
    for (int code = 0; code < HotKeyCount; ++code)
        KeyList.AddItem(choices_.Lines[static_cast<std::size_t>(code)], code);
    UseHotKey.SetChecked(true);
    DisableEnable();
    HotKeyEntry.SetFocus();
}

AddType TAddNewHotKey::Chosen() const {
    if (UseCuewords.Checked())
        return AddType::Cueword;
    if (TimedMacro.Checked())
        return AddType::Timed;
    if (UseBuilding.Checked())
        return AddType::None;
    if (UsePopup.Checked())
        return AddType::Popup;
    if (UseTitle.Checked())
        return AddType::WindowTitle;
    return AddType::HotKey;
}

void TAddNewHotKey::DisableEnable() {
    const AddLayout& layout = editor::DisableEnable(Chosen());
    for (TControl* c :
         std::initializer_list<TControl*>{&HotKeyLabel, &SetHotKeyLabel, &HotKeyEntry, &KeyList}) {
        c->SetVisible(layout.HotKeyControls);
        c->SetEnabled(layout.HotKeyControls);
    }
    CuewordLabel.SetVisible(layout.NameControls);
    CuewordName.SetVisible(layout.NameControls);
    CuewordName.SetEnabled(layout.NameControls);
    if (layout.NameControls) {
        CuewordLabel.SetText(layout.NameCaption);
        CuewordName.SetMaxLength(layout.NameMaxLength);
    }
    CaptureKeyButton.SetEnabled(layout.Capture);
    ScriptButton.SetEnabled(layout.Script);
    EnterKeyButton.SetText(layout.EnterCaption);
    SetClientSize(ClientWidth(), layout.ClientHeight);
}

int TAddNewHotKey::SelectedCode() const {
    const int index = KeyList.ItemIndex();
    return index < 0 ? -1 : static_cast<int>(KeyList.Object(index));
}

void TAddNewHotKey::HotKeyReported(int code) {
    if (code < 0 || code >= KeyList.Count())
        return;
    KeyList.SetItemIndex(code);
    HotKeyEntry.SetText(KeyName(code));
}

void TAddNewHotKey::KeyListClick() {
    const int code = SelectedCode();
    if (code >= 0)
        HotKeyEntry.SetText(KeyName(code));
}

void TAddNewHotKey::KeyListDrawItem(TCanvas& canvas, int index, const RECT& rect,
                                    bool selected) const {
    canvas.FillSystem(rect, selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    canvas.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const auto [name, use] = KeyListColumns(KeyList.Item(index));
    canvas.WriteText(rect.left + 2, rect.top, name);
    canvas.WriteText(rect.left + (rect.right - rect.left) / 5 * 3, rect.top, use);
}

bool TAddNewHotKey::AcceptsWindowsKey(int code) const {
    return !IsWindowsHotKey(code) ||
           CurrentMessageBoxes().Show("Warning", WindowsHotKeyQuestion(code),
                                      MsgStyle::YesNo | MsgStyle::IconWarning) == MsgResult::Yes;
}

bool TAddNewHotKey::Validate() {
    const AddType type = Chosen();
    if (type == AddType::HotKey) {
        const int code = SelectedCode();
        if (code < 0) {
            ShowError(AddMacroMessage::NoHotKey);
            return false;
        }
        return AcceptsWindowsKey(code);
    }
    if (type != AddType::Cueword && type != AddType::WindowTitle)
        return true;
    const std::string name = TrimStr(CuewordName.Text());
    if (std::optional<const char*> refusal = NameRefusal(type, name)) {
        ShowError(*refusal);
        CuewordName.SetFocus();
        return false;
    }
    if (type == AddType::Cueword)
        env_.Current.CuewordText = name;
    else
        env_.Current.ScopeText = name;
    return true;
}

void TAddNewHotKey::HandOver(const EditorLaunchers::HandOver& editor, MacroHandOver& handOver) {
    handOver.Owner = Handle();
    handOver.MacroNumber = MacroNumber;
    handOver.IsExisting = false;
    handOver.Saved = false;
    handOver.Change = env_.Change;
    const bool recording = &editor == &env_.Launchers.OpenCapture;
    lastEditor_ = recording ? nullptr : &editor;
    lastHandOver_.reset();
    if (!recording)
        lastHandOver_.emplace(handOver);
    editor(handOver);
    Saved = handOver.Saved;
    MenuInTray = handOver.MenuInTray;
    KeepsLock = handOver.KeepsLock;
    Appended = handOver.Appended;
    env_.RefillList();
    Close(IDOK);
}

bool TAddNewHotKey::ShowEditorAgain() {
    if (!lastEditor_ || !lastHandOver_)
        return false;
    // The record holds what the user entered: the editor shows it as a
    // macro's own, not afresh.
    MacroHandOver handOver = *lastHandOver_;
    handOver.IsExisting = true;
    handOver.HoldsUnsavedEdits = true;
    handOver.Saved = false;
    (*lastEditor_)(handOver);
    Saved = handOver.Saved;
    MenuInTray = MenuInTray || handOver.MenuInTray;
    return true;
}

void TAddNewHotKey::HandToEditor(const EditorLaunchers::HandOver& editor) {
    if (!Validate())
        return;
    const ChosenActivation chosen = ActivationFor(Chosen(), SelectedCode(), choices_);
    MacroHandOver handOver{env_.Current};
    handOver.ActKind = chosen.ActKind;
    handOver.ActivationCode = chosen.ActivationCode;
    handOver.ScopeLocked = chosen.ScopeLocked;
    if (chosen.ActKind == ActivationKind::HotKey)
        handOver.HotKeyLabel = KeyName(chosen.ActivationCode);
    env_.Current.ActivationCode = chosen.ActivationCode;
    HandOver(editor, handOver);
}

void TAddNewHotKey::DoTheScript() {
    HandToEditor(env_.Launchers.OpenScriptEditor);
}

void TAddNewHotKey::DoModify() {
    if (Chosen() != AddType::Popup) {
        HandToEditor(env_.Launchers.OpenDirectEditor);
        return;
    }
    if (!choices_.HasUserMacros) {
        ShowError(AddMacroMessage::NoMacros);
        return;
    }
    const int code = SelectedCode();
    if (code < 0) {
        ShowError(AddMacroMessage::NoHotKey);
        return;
    }
    if (choices_.KeyTaken[static_cast<std::size_t>(code)]) {
        ShowError(AddMacroMessage::KeyTaken);
        return;
    }
    if (!AcceptsWindowsKey(code))
        return;
    MacroHandOver handOver{env_.Current};
    handOver.ActivationCode = static_cast<std::uint16_t>(code);
    handOver.HotKeyLabel = KeyName(code);
    env_.Current.ActivationCode = handOver.ActivationCode;
    HandOver(env_.Launchers.BuildMenu, handOver);
}

void TAddNewHotKey::DoCapture() {
    if (!Validate())
        return;
    const bool hotKey = Chosen() == AddType::HotKey;
    const int code = SelectedCode();
    const std::uint16_t activation =
        hotKey ? static_cast<std::uint16_t>(code) : ActivationCode::Cueword;
    env_.Current.ActivationCode = activation;
    // The player learns the activation being recorded before the macro exists.
    MacroEntry entry = env_.Table.Entry(MacroNumber);
    entry.Activation = activation;
    env_.Table.SetEntry(MacroNumber, entry);
    env_.Hooks.HandOver(HookSection::Item, env_.Table, MacroNumber);
    env_.Notices.Post(NoticeCode::MacroEntryChanged, MacroNumber);

    MacroHandOver handOver{env_.Current};
    handOver.ActivationCode = activation;
    handOver.HotKeyLabel = hotKey ? KeyName(code) : "Cueword: " + env_.Current.CuewordText.str();
    handOver.ScopeLocked = hotKey && choices_.KeyTaken[static_cast<std::size_t>(code)];
    HandOver(env_.Launchers.OpenCapture, handOver);
}

}  // namespace orv::editor
