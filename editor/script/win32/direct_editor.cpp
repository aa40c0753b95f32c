#include "editor/script/win32/direct_editor.h"

#include "common/files.h"
#include "common/hotkeys.h"
#include "common/message_boxes.h"
#include "common/script/compose.h"
#include "common/string_routines.h"
#include "common/win32/ras_api.h"
#include "editor/script/edited_macro.h"
#include "editor/script/bridges.h"
#include "common/ui/win32/services.h"
#include "editor/script/direct_text.h"
#include "editor/script/win32/script_editor.h"
#include "editor/script/icon_name.h"
#include "editor/script/script_list_model.h"
#include "editor/script/win32/command_bridges.h"

namespace orv::editor {

using C = CommandCode;

const DirectCommandButton DirectCommandButtons[] = {
    {"ACTIVATE", C::WindowActivate},
    {"SIZE / POS", C::WindowResize},
    {"WIN CTRLS", C::WindowMaximize},
    {"DELAY", C::Delay},
    {"PAUSE", C::Pause},
    {"REPEAT", C::RepeatStart},
    {"SPEED", C::KeystrokeSpeed},
    {"SWAP FILE", C::LoadNewMacroFile},
    {"REMARK", C::Remark},
    {"DATE", C::Date},
    {"TIME", C::Time},
    {"SYMBOLS", C::Text},
    {"MOUSE", C::MouseMove},
    {"CLIPBOARD", C::ClipboardCopy},
    {"KEY UP/ DN", C::ControlKey},
    {"SOUND", C::SoundBeep},
    {"WEB SITE", C::WebSite},
    {"FTP", C::WebFtp},
    {"NETWORK", C::NetworkConnect},
    {"LOAD TEXT", C::LoadTextFile},
    {"FILES", C::ChangeDirectory},
    {"EXPLORER", C::OpenFolderInExplorer},
    {"DESKTOP", C::DeskTopCascade},
    {"MACROS", C::MacroRun},
    {"AVI", C::VideoClipPlay},
    {"AUDIO CD", C::CdPlay},
    {"PRINTER", C::DefaultPrinter},
    {"SCREEN", C::DefaultDisplaySize},
    {"VOLUME", C::AudioVolume},
    {"REBOOT", C::Reboot},
    {"SYS CTRLS", C::ScreenSaver},
    {"ENCRYPT", C::EncryptedText},
    {"TEXT BOX", C::WindowOfText},
    {"WAIT", C::WaitForWindowTitle},
    {"DIAL-UP", C::DialUpNetworking},
    {"E-MAIL", C::EMailSend},
};
const int DirectCommandButtonCount = static_cast<int>(std::size(DirectCommandButtons));

namespace {

// A button whose dialog is not there yet stays disabled; the text-file
// dialog is this editor's own, and symbols go in as the keys' Symbols does.
bool CommandAvailable(CommandCode code) {
    if (code == C::Text)
        return true;
    std::optional<Bridge> bridge = BridgeFor(code);
    return bridge && BridgeAvailable(*bridge);
}

const char* const TextFilter = "Text Files (*.TXT)|*.TXT";

}  // namespace

TModHotKeys::TModHotKeys(EditorHost& host)
    : TForm("TModHotKeys", "Modify Hot Key", 604, 560),
      Keys(*this, NewFormat, Menu, {8, 250, 504, 130}, host.Commands),
      host_(host),
      icons_(MySpeed, host.ProgramDir) {
    HelpKeyword = "Modify Hot Key";
    BuildCommandButtons();
    MenuImport.OnClick = [this] { ImportClick(); };
    MenuExport.OnClick = [this] { ExportClick(); };
    MenuUpdate.OnClick = [this] { UpdateButtonClick(); };
    MenuExit.OnClick = [this] { Close(); };
    UpdateButton.OnClick = [this] { UpdateButtonClick(); };
    CancelButton.OnClick = [this] { Close(); };
    HelpButton.OnClick = [this] { ShowHelp(); };
    Global.OnClick = [this] { ScopeClick(); };
    Specific.OnClick = [this] { ScopeClick(); };
    ProgExe.OnClick = [this] { ScopeClick(); };
    ChooseWinProg.OnClick = [this] { ChooseWinProgClick(); };
    SetSchedule.OnClick = [this] { RunHostDialog(host_.EditSchedule); };
    ShortProp.OnClick = [this] { RunHostDialog(host_.EditCuewordOptions); };
    MySpeed.OnClick = [this] { icons_.Choose(Handle()); };
    MySpeed.OnMouseDown = [this](MouseButton button, ShiftState, int, int) {
        if (button == MouseButton::Right)
            icons_.AskReset();
    };
}

void TModHotKeys::BuildCommandButtons() {
    constexpr int Columns = 7, Width = 82, Height = 22;
    for (int i = 0; i < DirectCommandButtonCount; ++i) {
        const DirectCommandButton& row = DirectCommandButtons[i];
        CommandCode code = row.Code;
        Bounds at{8 + (i % Columns) * (Width + 2), 388 + (i / Columns) * (Height + 2), Width,
                  Height};
        TButton& button = CommandButtons.emplace_back(*this, nullptr, at, row.Caption);
        button.OnClick = [this, code] { CommandClick(code); };
        TMenuItem& menu = row.Caption[0] <= 'M' ? ActionsAM : ActionsNZ;
        TMenuItem& entry = menu.AddItem(row.Caption, [this, code] { CommandClick(code); });
        button.SetEnabled(CommandAvailable(code));
        entry.SetEnabled(CommandAvailable(code));
    }
}

void TModHotKeys::FormShow() {
    opened_ = host_.Macro();
    Keys.FormShow();
    ShowMacro();
    NickName.SetMaxLength(50);
    NickName.SetFocus();
    ShowActivation();
    DoCaption();
    shownState_ = EditedState();
}

std::string TModHotKeys::EditedState() const {
    return editor::EditedState(Fields(), {NewFormat.Text()}, host_.Macro());
}

bool TModHotKeys::FormCloseQuery() {
    if (Saved == 1)
        return true;
    if (!ChangesMayGo(HoldsUnsavedEdits || EditedState() != shownState_))
        return false;
    // Nothing cancelled stays behind, the dialogs' writes into the record included.
    host_.Macro() = opened_;
    return true;
}

void TModHotKeys::ShowMacro() {
    MacroRecord& macro = host_.Macro();
    PrepareMacroForEditing(host_, IsExisting == 1, ActKind);
    if (IsExisting == 1) {
        NickName.SetText(macro.Nickname.str());
        NewFormat.SetText(macro.ScriptText());
        Global.SetChecked(macro.MacroKind == MacroKind::Global);
        Specific.SetChecked(macro.MacroKind == MacroKind::Window);
        ProgExe.SetChecked(macro.MacroKind != MacroKind::Global &&
                           macro.MacroKind != MacroKind::Window);
        icons_.Restore(macro.IconName.str());
    } else {
        NickName.SetText("");
        NewFormat.SetText("");
        Global.SetChecked(true);
        icons_.Restore(std::string(MainIconName));
    }
    if (ScopeLocked == 1) {
        if (Global.Checked())
            Specific.SetChecked(true);
        Global.SetChecked(false);
        Global.SetEnabled(false);
    }
}

void TModHotKeys::ShowActivation() {
    const MacroRecord& macro = host_.Macro();
    bool timed = ActKind == ActivationKind::Timed, cueword = ActKind == ActivationKind::Cueword,
         window = ActKind == ActivationKind::WindowTitle;
    auto showIf = [](TControl& control, bool shown) {
        control.SetVisible(shown);
        control.SetEnabled(shown);
    };
    showIf(SetSchedule, timed);
    showIf(ShortProp, cueword);
    showIf(CuewordName, cueword || window);
    showIf(HotKeyLabel, !timed && !cueword && !window);
    TimerLabel.SetText(timed ? "Timed Macros" : cueword ? "Cueword" : window ? "Window Title" : "");
    int limit = window ? WindowTitleLength : 10;
    CuewordName.SetMaxLength(limit);
    if (cueword || window) {
        std::string name = cueword ? macro.CuewordText.str() : macro.ScopeText.str();
        CuewordName.SetText(name.substr(0, static_cast<std::size_t>(limit)));
    } else {
        HotKeyLabel.SetText(KeyName(macro.ActivationCode));
    }
    Specific.SetEnabled(!window);
    ProgExe.SetEnabled(!window);
    ChooseWinProg.SetEnabled(!window && !Global.Checked());
}

void TModHotKeys::DoCaption() {
    ScopeChoice scope = Fields().Scope;
    SetCaption(ScriptEditorCaption(scope, host_.Macro().ScopeText.str(), "Modify Hot Key"));
    ChooseWinProg.SetEnabled(ActKind != ActivationKind::WindowTitle &&
                             scope != ScopeChoice::Global);
}

void TModHotKeys::ScopeClick() {
    DoCaption();
}

void TModHotKeys::ChooseWinProgClick() {
    if (!host_.SelectScope)
        return;
    MacroRecord& macro = host_.Macro();
    std::optional<ScopeSelection> chosen =
        host_.SelectScope(macro.ScopeText.str(), macro.ScopeMatch, ProgExe.Checked());
    if (!chosen || chosen->Name.empty())
        return;
    macro.ScopeText = chosen->Name;
    macro.ScopeMatch = chosen->ScopeMatch;
    DoCaption();
}

void TModHotKeys::RunHostDialog(const std::function<void(MacroRecord&)>& dialog) {
    if (dialog)
        dialog(host_.Macro());
}

ScriptEditorFields TModHotKeys::Fields() const {
    ScriptEditorFields fields;
    fields.ActKind = ActKind;
    fields.IsExisting = IsExisting == 1;
    fields.NickName = NickName.Text();
    fields.IconChoice = icons_.Name();
    fields.Scope = ProgExe.Checked()    ? ScopeChoice::Program
                   : Specific.Checked() ? ScopeChoice::Specific
                                        : ScopeChoice::Global;
    fields.CuewordName = CuewordName.Text();
    return fields;
}

void TModHotKeys::CommandClick(CommandCode code) {
    if (code == C::DialUpNetworking && !host_.RasLoaded) {
        RasMissingMessage();
        return;
    }
    if (code == C::Text) {
        Keys.SymbolsClick();
        return;
    }
    std::optional<std::string> text =
        NewCommandText(*this, host_.Commands, code, NewLineStart::FreshInsert);
    // A confirmed dialog always inserts: a text box with an empty header too.
    if (text)
        Keys.Insert(*text);
}

void TModHotKeys::UpdateButtonClick() {
    switch (DirectUpdate(Fields(), NewFormat.Text(), host_.Edited)) {
        case DirectUpdateOutcome::Refused:
            CuewordName.SetFocus();
            break;
        case DirectUpdateOutcome::Declined:
            break;
        case DirectUpdateOutcome::Saved:
            Saved = 1;
            Close(IDOK);
            break;
    }
}

void TModHotKeys::ImportClick() {
    FileDialogOptions options{"Load From Text File", TextFilter, "TXT"};
    options.FileMustExist = true;
    std::optional<std::string> path = CurrentFileDialogs().Open(Handle(), options);
    if (!path)
        return;
    if (std::optional<std::string> text = ImportScriptText(*path, OpenLibrary()))
        NewFormat.SetText(*text);
}

// The system's dialog asks before an existing file is replaced; a refusal has
// been said, and the editor stays as it is either way.
void TModHotKeys::ExportClick() {
    FileDialogOptions options{"Save To Text File", "Text File (*.TXT)|*.TXT", "TXT"};
    options.OverwritePrompt = true;
    if (std::optional<std::string> path = CurrentFileDialogs().Save(Handle(), options))
        (void)ExportScriptText(*path, NewFormat.Text(), OpenLibrary());
}

std::string TModHotKeys::OpenLibrary() const {
    return host_.Settings.MacroFiles[0].str();
}

}  // namespace orv::editor
