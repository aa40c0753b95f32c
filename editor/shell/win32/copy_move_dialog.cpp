#include "editor/shell/win32/copy_move_dialog.h"

#include "common/clock.h"
#include "common/hook_library.h"
#include "common/hotkey_list.h"
#include "common/hotkeys.h"
#include "common/schedule.h"
#include "editor/shell/win32/activation_dialogs.h"
#include "editor/shell/win32/dialog_refusal.h"
#include "editor/shell/win32/main_window.h"
#include "editor/shell/win32/options_launchers.h"

namespace orv::editor {
namespace {

constexpr const char* LibraryFullMessage =
    "Maximum number of hot keys has been reached.  Add not allowed.";

std::vector<HotKeyUser> HotKeyUsers(const HookTable& table) {
    std::vector<HotKeyUser> users;
    for (const KeyHolder& m : KeyHoldersOf(table)) users.push_back({m.Activation, m.Kind});
    return users;
}

// The field of the system command a system macro stands for.
int SystemField(const HookTable& table, int macro) {
    const MacroEntry entry = table.Entry(macro);
    const int field = entry.ScopeText.empty() ? 1 : entry.ScopeText[0] - '0';
    return field >= 1 && field <= 5 ? field : 1;
}

// choice: the one to show again, if any; the one taken, after Ok.
bool ChooseActivation(MacroRecord& record, EditorContext& context, std::uint8_t changeMode,
                      std::optional<ActivationChoice>& choice) {
    TCopyOrMove dialog(record, context);
    dialog.ChangeMode = changeMode;
    dialog.Choice = choice;
    dialog.ShowModal();
    choice = dialog.Choice;
    return dialog.Done == 1;
}

void DoCopy(TMainWin& main, EditorContext& context) {
    if (context.Table.EntryCount() >= MaxMacros) {
        ShowError(LibraryFullMessage);
        return;
    }
    // The copy is appended only to the library it was read from, and only
    // while the macro copied is still where it was: the player's reloads wait
    // for the dialog.
    LibraryChange change = main.Roads().NewChange();
    if (!change.BeginOn(main.SelectedMacro(), main.Roads().Listed()))
        return;
    MacroRecord copy = change.Held().AsRead;
    // A file busy for a while brings the dialog back with the user's choice,
    // to be saved once it is free or given up.
    std::optional<ActivationChoice> choice;
    LibraryStatus status = LibraryStatus::Done;
    do {
        if (!ChooseActivation(copy, context, 0, choice))
            return;
        status = change.CheckHeld(LibraryWrite::Save);
        if (status == LibraryStatus::Done)
            status = main.AppendMacro(change, copy);
    } while (MayLandLater(status));
    if (status != LibraryStatus::Done)
        return;
    main.FillList();
    main.SelectMacro(context.Table.EntryCount());
    main.SetButtons(true);
    main.CheckTimeItem(main.MyGrid.Row());
    main.SetHotKeys();
    if (copy.ActivationCode == ActivationCode::Scheduled)
        change.Tell(NoticeCode::SchedulesChanged);
    if (copy.MacroKind == MacroKind::PopupMenu)
        change.Tell(NoticeCode::PopupMenusChanged);
}

void DoMove(TMainWin& main, EditorContext& context) {
    const int macro = main.SelectedMacro();
    if (context.Table.Entry(macro).Kind == MacroKind::System) {
        ShowSystemKeys(main, context, SystemField(context.Table, macro));
        return;
    }
    std::optional<ActivationChoice> choice;
    main.ChangeUnderLock(macro, [&context, &choice](MacroRecord& record) {
        return ChangeOutcome{ChooseActivation(record, context, 1, choice), false, true};
    });
}

}  // namespace

TCopyOrMove::TCopyOrMove(MacroRecord& record, EditorContext& context)
    : TForm("TCopyOrMove", "Copy Hot Key", 356, 420), record_(record), context_(context) {
    for (TRadioButton* radio : {&HotKeyRadio, &CuewordRadio, &TimedRadio, &TitleRadio, &NoneRadio})
        radio->OnClick = [this] { EnableDisable(); };
    HotKeyEntry.OnHotKey = [this](int code) { HotKeyReported(code); };
    KeyList.OnChange = [this] {
        if (KeyList.ItemIndex() >= 0)
            HotKeyEntry.SetText(KeyName(KeyList.ItemIndex()));
    };
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
    HelpButton.OnClick = [this] { ShowHelp(); };
}

void TCopyOrMove::FormShow() {
    SetCaption(ChangeMode == 1 ? "Change Macro Activation" : "Copy Hot Key");
    HelpKeyword = ChangeMode == 1 ? "Move Macro" : "Copy Macro";
    KeyList.ClearItems();
    for (const std::string& line : HotKeyListLines(HotKeyUsers(context_.Table)).Lines)
        KeyList.AddItem(line);
    ShowChoice(Choice.value_or(ActivationChoice{}));
}

TRadioButton& TCopyOrMove::RadioOf(NewActivation kind) {
    switch (kind) {
        case NewActivation::Cueword:
            return CuewordRadio;
        case NewActivation::Timed:
            return TimedRadio;
        case NewActivation::WindowTitle:
            return TitleRadio;
        case NewActivation::None:
            return NoneRadio;
        case NewActivation::HotKey:
            break;
    }
    return HotKeyRadio;
}

void TCopyOrMove::ShowChoice(const ActivationChoice& choice) {
    RadioOf(choice.Kind).SetChecked(true);
    HotKeyReported(choice.Code);
    CuewordEntry.SetText(choice.Text);
    EnableDisable();
    if (choice.Kind == NewActivation::HotKey)
        HotKeyEntry.SetFocus();
}

void TCopyOrMove::SetSecondWindow(HWND window, bool on) {
    SetSecWind(context_.Table, context_.Hooks, context_.Notices,
               static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)), on);
}

NewActivation TCopyOrMove::Chosen() const {
    return CuewordRadio.Checked() ? NewActivation::Cueword
           : TimedRadio.Checked() ? NewActivation::Timed
           : TitleRadio.Checked() ? NewActivation::WindowTitle
           : NoneRadio.Checked()  ? NewActivation::None
                                  : NewActivation::HotKey;
}

void TCopyOrMove::EnableDisable() {
    const NewActivation kind = Chosen();
    const bool hotKey = kind == NewActivation::HotKey;
    const bool text = kind == NewActivation::Cueword || kind == NewActivation::WindowTitle;
    for (TControl* c : std::initializer_list<TControl*>{&HotKeyEntry, &PressLabel, &KeyList})
        c->SetVisible(hotKey);
    CuewordLabel.SetVisible(text);
    CuewordEntry.SetVisible(text);
    CuewordLabel.SetText(kind == NewActivation::Cueword ? "Cueword Name" : "Window Title");
    CuewordEntry.SetMaxLength(kind == NewActivation::Cueword ? 10 : 20);
    const int buttonsTop = hotKey ? 396 : text ? 127 : 99;
    for (TButton* b : {&OkButton, &CancelButton, &HelpButton}) {
        Bounds bounds = b->GetBounds();
        bounds.Top = buttonsTop;
        b->SetBounds(bounds);
    }
    SetClientSize(ClientWidth(), hotKey ? 420 : text ? 150 : 122);
    if (text)
        CuewordEntry.SetFocus();
}

void TCopyOrMove::HotKeyReported(int code) {
    if (code < 0 || code >= KeyList.Count())
        return;
    KeyList.SetItemIndex(code);
    HotKeyEntry.SetText(KeyName(code));
}

bool TCopyOrMove::CheckBad(int code) const {
    if (!IsWindowsHotKey(code))
        return true;
    const std::string& name = KeyName(code);
    const std::string question = name + " may be used internally by Windows 95, 98 or NT. " +
                                 " This may cause the hot key not to function correctly." +
                                 " Would you still like to use " + name + "?";
    return CurrentMessageBoxes().Show("Warning", question,
                                      MsgStyle::YesNo | MsgStyle::IconWarning) == MsgResult::Yes;
}

void TCopyOrMove::OkButtonClick() {
    const ActivationChoice choice{Chosen(), KeyList.ItemIndex(), CuewordEntry.Text()};
    if (auto refusal = CheckActivationChoice(choice, record_.MacroKind,
                                             KeyHoldersOf(context_.Table), ChangeMode == 1)) {
        RefuseAt(refusal->Message,
                 refusal->FocusText ? static_cast<TControl&>(CuewordEntry) : KeyList);
        return;
    }
    if (choice.Kind == NewActivation::HotKey && !CheckBad(choice.Code))
        return;
    // The schedule is chosen on a copy: its Cancel leaves the record as it
    // was and this dialog open.
    MacroRecord chosen = record_;
    if (choice.Kind == NewActivation::Timed && chosen.ActivationCode != ActivationCode::Scheduled)
        DefaultTimer(chosen, CurrentClock().Now());
    StoreActivationChoice(choice, chosen);
    if (choice.Kind == NewActivation::Timed && !EditSchedule(chosen))
        return;
    record_ = chosen;
    Choice = choice;
    Done = 1;
    Close(IDOK);
}

void InstallCopyMove(TMainWin& main, EditorContext& context) {
    main.Launchers().CopyMacro = [&main, &context] { DoCopy(main, context); };
    main.Launchers().ChangeActivation = [&main, &context] { DoMove(main, context); };
}

}  // namespace orv::editor
