#include "editor/script/win32/script_editor.h"

#include <algorithm>

#include "common/hotkeys.h"
#include "common/message_boxes.h"
#include "common/script/display.h"
#include "common/script/reader.h"
#include "common/script/script_list.h"
#include "common/string_routines.h"
#include "common/ui/form_geometry.h"
#include "common/ui/win32/display.h"
#include "common/ui/win32/font_dialogs.h"
#include "common/ui/win32/print_service.h"
#include "common/win32/ras_api.h"
#include "editor/script/edited_macro.h"
#include "editor/script/icon_name.h"
#include "editor/script/print_layout.h"
#include "editor/script/win32/command_bridges.h"
#include "editor/script/win32/text_insert_dialog.h"

namespace orv::editor {

TDoScripting* DoScripting = nullptr;

namespace {

using C = CommandCode;

// The "Commands" menu: its items and the command each adds.
struct CommandMenuItem {
    const char* Caption;
    int Code;
};
const CommandMenuItem CommandMenuItems[] = {
    {"Display a Text &Box", 54},
    {"Insert a &Delay", 4},
    {"&Load New Macro File", 14},
    {"Ma&cro Pause", 5},
    {"Play, Delete, &Activate Macros", 51},
    {"&Repeat Loop", 6},
    {"Set &Keyboard or Mouse Speed", 8},
    {"&Wait For Window", 93},
    {"&Activate / Launch Programs", 33},
    {"&Delete, Copy, Rename Files, etc.", 46},
    {"&FTP Download", 44},
    {"&Launch a Web Site", 43},
    {"&Open Folder In Explorer", 66},
    {"Pla&y a Sound", 13},
    {"Play a &Video Clip", 55},
    {"&Send E-Mail", 112},
    {"&Audio CD Functions", 56},
    {"&Dial-Up Networking", 94},
    {"Maximize, Minimize, etc &Windows", 19},
    {"&Network Connections", 52},
    {"&Reboot, Logoff, Shutdown", 75},
    {"Screen Sa&ver Settings, Wallpaper", 81},
    {"Set a Window Si&ze or Position", 16},
    {"Set De&fault Printer", 72},
    {"Set S&creen Resolution", 73},
    {"Spea&ker Controls", 87},
    {"T&ile, Cascade, Minimize Desktop", 67},
    {"&Alt, Ctrl, Shift, Win Down and Up", 40},
    {"&Clipboard Functions (copy, paste)", 37},
    {"Enter a Comment or &Remark", 29},
    {"&Enter Text, Symbols, Keystrokes", 1},
    {"Encr&ypted Text", 113},
    {"&Insert a Text File", 15},
    {"Insert &Date (current, past or future)", 2},
    {"I&nsert Time", 3},
    {"M&ouse Clicks, Movements, Wheel", 24},
};

}  // namespace

bool BridgeAvailable(Bridge bridge) {
    return bridge == Bridge::MyTextInsert || DialogBridge(bridge) != nullptr;
}

TDoScripting::TDoScripting(EditorHost& host)
    : TForm("TDoScripting", "Macro Scripting Editor", 598, 400),
      host_(host),
      icons_(IconButton, host.ProgramDir) {
    BorderStyle = FormBorder::Sizeable;
    Position = FormPosition::Restored;
    MinClientWidth = 320;
    HelpKeyword = "Scripting Editor";
    Banner.SetVisible(false);

    AddButton.OnClick = [this] { AddCommand(AddStyle::AtEnd); };
    InsertBeforeButton.OnClick = [this] { AddCommand(AddStyle::Before); };
    InsertAfterButton.OnClick = [this] { AddCommand(AddStyle::After); };
    OptionBox.OnDblClick = [this] { AddCommand(AddStyle::AtEnd); };
    EditButton.OnClick = [this] { EditLine(); };
    Script.OnDblClick = [this] { EditLine(); };
    Script.OnChange = [this] {
        SelectLine(Script.ItemIndex() < 0 ? std::nullopt : std::optional<int>(Script.ItemIndex()));
    };
    DeleteButton.OnClick = [this] { DeleteLine(); };
    UpButton.OnClick = [this] { MoveUp(); };
    DownButton.OnClick = [this] { MoveDown(); };
    CopyButton.OnClick = [this] { CopyLine(); };
    SaveButton.OnClick = [this] { SaveClick(); };
    MenuSave.OnClick = [this] { SaveClick(); };
    CancelButton.OnClick = [this] { CancelClick(); };
    MenuExit.OnClick = [this] { CancelClick(); };
    HelpButton.OnClick = [this] { ShowHelp(); };
    MenuHelpItem.OnClick = [this] { ShowHelp(); };
    MenuPrint.OnClick = [this] { PrintScript(); };
    MenuPrinterSetup.OnClick = [this] { CurrentPrintService().ShowPrinterSetup(Handle()); };
    MenuPrinterFont.OnClick = [this] { PrinterFontClick(); };
    InsertBefore.OnClick = [this] { SetInsertMethod(1); };
    InsertAfter.OnClick = [this] { SetInsertMethod(2); };
    InsertAtEnd.OnClick = [this] { SetInsertMethod(3); };
    GlobalRadio.OnClick = [this] { ScopeClick(); };
    WindowRadio.OnClick = [this] { ScopeClick(); };
    ProgramRadio.OnClick = [this] { ScopeClick(); };
    SelectButton.OnClick = [this] { SelectClick(); };
    SetSchedule.OnClick = [this] { host_.EditSchedule(host_.Macro()); };
    Properties.OnClick = [this] { host_.EditCuewordOptions(host_.Macro()); };
    IconButton.OnClick = [this] { icons_.Choose(Handle()); };
    IconButton.OnMouseDown = [this](MouseButton button, ShiftState, int, int) {
        if (button == MouseButton::Right)
            icons_.AskReset();
    };
    WizardButton.OnClick = [this] {
        if (Palette)
            Palette(*this);
    };
    BuildCommandMenu();

    keys_ = std::make_unique<TAccelerators>(*this);
    keys_->Add('Z', AltDown, [this] { WizardButton.Click(); });
    keys_->Add('M', AltDown, [this] { OptionBox.SetFocus(); });
    keys_->Add('S', AltDown, [this] { Script.SetFocus(); });
}

TDoScripting::~TDoScripting() {
    if (DoScripting == this)
        DoScripting = nullptr;
}

void TDoScripting::BuildCommandMenu() {
    for (const CommandMenuItem& item : CommandMenuItems) {
        CommandCode code = static_cast<CommandCode>(item.Code);
        MenuCommands.AddItem(item.Caption, [this, code] { MenuCommand(code); });
    }
}

// ---- showing ----

void TDoScripting::FormShow() {
    opened_ = host_.Macro();
    DoScripting = this;
    SettingsBlock& s = host_.Settings;
    // In the layout's pixels, as the restored geometry is.
    const ScreenRect area = WorkArea();
    ScreenRect centred = Centred(
        s.ScriptWidth, s.ScriptHeight,
        {Unscaled(area.Left), Unscaled(area.Top), Unscaled(area.Width), Unscaled(area.Height)});
    SetRestoredGeometry(centred);
    OptionBox.ClearItems();
    for (int code = 1; code <= CommandCount; ++code)
        OptionBox.AddItem(CommandName(CodeOf(code)), code);
    model_.SelIndex = 0;
    ShowMacro();
    NickName.SetMaxLength(50);
    NickName.SetFocus();
    ShowTopPanel();
    WizardButton.SetEnabled(static_cast<bool>(Palette));
    ShowLines();
    DoCaption();
    SetInsertMethod(s.InsertMethod);
    shownState_ = EditedState();
}

namespace {

std::vector<std::string> LineStates(const std::vector<CommandLine>& lines) {
    std::vector<std::string> states;
    for (const CommandLine& line : lines) states.push_back(line.Source + '\0' + line.Text);
    return states;
}

}  // namespace

std::string TDoScripting::EditedState() const {
    // In text-file mode the macro's own lines wait parked.
    const std::vector<CommandLine>& lines = EditingTextFile == 1 ? parkedLines_ : model_.Lines();
    return editor::EditedState(Fields(), LineStates(lines), host_.Macro());
}

bool TDoScripting::TextFileEdited() const {
    return EditingTextFile == 1 && LineStates(model_.Lines()) != loadedFileLines_;
}

bool TDoScripting::FormCloseQuery() {
    if (Saved == 1)
        return true;
    if (!ChangesMayGo(HoldsUnsavedEdits || EditedState() != shownState_ || TextFileEdited()))
        return false;
    // Nothing cancelled stays behind, the dialogs' writes into the record included.
    host_.Macro() = opened_;
    return true;
}

void TDoScripting::ShowMacro() {
    MacroRecord& macro = host_.Macro();
    PrepareMacroForEditing(host_, IsExisting == 1, ActKind);
    if (IsExisting == 1) {
        NickName.SetText(macro.Nickname.str());
        std::vector<CommandLine> lines = ReadScript(macro.ScriptText());
        model_.SetLines(std::move(lines));
        GlobalRadio.SetChecked(macro.MacroKind == MacroKind::Global);
        WindowRadio.SetChecked(macro.MacroKind == MacroKind::Window);
        ProgramRadio.SetChecked(macro.MacroKind != MacroKind::Global &&
                                macro.MacroKind != MacroKind::Window);
        icons_.Restore(macro.IconName.str());
    } else {
        NickName.SetText("");
        GlobalRadio.SetChecked(true);
        icons_.Restore(std::string(MainIconName));
    }
    if (ScopeLocked == 1) {
        if (GlobalRadio.Checked())
            WindowRadio.SetChecked(true);
        GlobalRadio.SetChecked(false);
        GlobalRadio.SetEnabled(false);
    }
}

void TDoScripting::ShowTopPanel() {
    const MacroRecord& macro = host_.Macro();
    bool timed = ActKind == ActivationKind::Timed, cueword = ActKind == ActivationKind::Cueword,
         window = ActKind == ActivationKind::WindowTitle, none = ActKind == ActivationKind::None;
    bool hotKey = !timed && !cueword && !window && !none;
    auto showIf = [](TControl& control, bool shown) {
        control.SetVisible(shown);
        control.SetEnabled(shown);
    };
    showIf(SetSchedule, timed);
    showIf(Properties, cueword);
    showIf(CueName, cueword || window);
    showIf(HotKeyLabel, hotKey);
    ActLabel.SetText(timed     ? "Timed Macros"
                     : cueword ? "Cueword"
                     : window  ? "Window Title"
                     : none    ? "None"
                               : "Hot Key");
    // The box holds no more than it lets the user type.
    auto showName = [this](const std::string& name, int limit) {
        CueName.SetMaxLength(limit);
        CueName.SetText(name.substr(0, static_cast<std::size_t>(limit)));
    };
    if (cueword)
        showName(macro.CuewordText.str(), 10);
    else if (window)
        showName(macro.ScopeText.str(), WindowTitleLength);
    if (hotKey)
        HotKeyLabel.SetText(KeyName(macro.ActivationCode));
    for (TControl* c :
         {static_cast<TControl*>(&WindowRadio), static_cast<TControl*>(&ProgramRadio)})
        c->SetEnabled(!window);
    SelectButton.SetEnabled(!window && !GlobalRadio.Checked());
}

void TDoScripting::ShowLines() {
    Script.ClearItems();
    for (const CommandLine& line : model_.Lines()) Script.AddItem(line.Text);
    Script.SetItemIndex(model_.Selected().value_or(-1));
    SetButtons();
}

void TDoScripting::SelectLine(std::optional<int> index) {
    model_.Select(index);
    Script.SetItemIndex(model_.Selected().value_or(-1));
    SetButtons();
}

void TDoScripting::SetButtons() {
    LineButtons buttons = model_.Buttons();
    UpButton.SetEnabled(buttons.Up);
    DownButton.SetEnabled(buttons.Down);
    DeleteButton.SetEnabled(buttons.Delete);
    CopyButton.SetEnabled(buttons.Copy);
    EditButton.SetEnabled(buttons.Edit);
}

void TDoScripting::SetInsertMethod(int method) {
    host_.Settings.InsertMethod = method;
    InsertBefore.SetChecked(method == 1);
    InsertAfter.SetChecked(method == 2);
    InsertAtEnd.SetChecked(method != 1 && method != 2);
}

ScopeChoice TDoScripting::Scope() const {
    return ProgramRadio.Checked()  ? ScopeChoice::Program
           : WindowRadio.Checked() ? ScopeChoice::Specific
                                   : ScopeChoice::Global;
}

void TDoScripting::DoCaption() {
    SetCaption(ScriptEditorCaption(Scope(), host_.Macro().ScopeText.str()));
}

void TDoScripting::ScopeClick() {
    SelectButton.SetEnabled(!GlobalRadio.Checked() && ActKind != ActivationKind::WindowTitle);
    DoCaption();
}

void TDoScripting::SelectClick() {
    MacroRecord& macro = host_.Macro();
    std::optional<ScopeSelection> chosen =
        host_.SelectScope(macro.ScopeText.str(), macro.ScopeMatch, ProgramRadio.Checked());
    if (!chosen || chosen->Name.empty())
        return;
    macro.ScopeText = chosen->Name;
    macro.ScopeMatch = chosen->ScopeMatch;
    DoCaption();
}

void TDoScripting::FormResize() {
    int w = ClientWidth(), h = ClientHeight();
    int listHeight = std::max(40, h - 72);
    OptionBox.SetBounds({8, 68, 158, listHeight});
    // Two narrower than the list's share (w - 313), which would run one
    // pixel under the Edit, Copy and Delete column at w - 60.
    int scriptWidth = std::max(40, w - 315);
    Script.SetBounds({254, 68, scriptWidth, listHeight});
    ScriptTitle.SetBounds({254, 52, scriptWidth, 16});
    Banner.SetBounds({4, 16, std::max(0, w - 8), 16});
    auto column = [](TButton& b, int left, int top, int width) {
        b.SetBounds({left, top, width, 25});
    };
    column(UpButton, w - 52, 68, 48);
    column(DownButton, w - 52, 98, 48);
    column(EditButton, w - 60, 140, 56);
    column(CopyButton, w - 60, 170, 56);
    column(DeleteButton, w - 60, 200, 56);
    column(SaveButton, w - 56, 280, 52);
    column(HelpButton, w - 56, 310, 52);
    column(CancelButton, w - 56, 340, 52);
}

void TDoScripting::FormClose() {
    // Records are values owned by their lines: nothing to release here.
    ScreenRect geometry = Geometry();
    SettingsBlock& s = host_.Settings;
    s.ScriptLeft = geometry.Left;
    s.ScriptTop = geometry.Top;
    s.ScriptWidth = geometry.Width;
    s.ScriptHeight = geometry.Height;
    if (DoScripting == this)
        DoScripting = nullptr;
}

// ---- the line operations ----

void TDoScripting::AddCommand(AddStyle style) {
    int chosen = OptionBox.ItemIndex();
    if (chosen < 0) {
        ShowError("No command selected.  Please select one.");
        return;
    }
    model_.BeginAdd(style);
    CallBridge(static_cast<CommandCode>(OptionBox.Object(chosen)), true, true);
}

void TDoScripting::MenuCommand(CommandCode code) {
    model_.BeginAdd(AddStyleFromInsertMethod(host_.Settings.InsertMethod));
    CallBridge(code, true, false);
}

void TDoScripting::EditLine() {
    std::optional<int> selected = model_.Selected();
    if (!selected) {
        ShowError("No Item Selected.");
        return;
    }
    model_.SelIndex = *selected;
    if (model_.Lines()[*selected].Code == C::None) {
        ShowLines();
        return;
    }
    CallBridge(model_.Lines()[*selected].Code, false, true);
}

void TDoScripting::DeleteLine() {
    if (!model_.DeleteSelected()) {
        ShowError("No script line selected.  Please select one.");
        return;
    }
    ShowLines();
}

void TDoScripting::MoveUp() {
    if (model_.MoveUp())
        ShowLines();
}

void TDoScripting::MoveDown() {
    if (model_.MoveDown())
        ShowLines();
}

void TDoScripting::CopyLine() {
    model_.CopySelected();
    ShowLines();
}

bool TDoScripting::CallBridge(CommandCode code, bool fresh, bool allowScriptEdit) {
    Modified = 0;
    std::optional<Bridge> bridge = BridgeFor(code);
    if (!bridge)
        return false;
    if (RefusedOnOldShell(code, host_.Commands.Browser4OrLater)) {
        CurrentMessageBoxes().Show("Warning", OldShellMessage,
                                   MsgStyle::Ok | MsgStyle::IconWarning);
        return false;
    }
    // Every road to the dial-up dialog checks for the service first.
    if (*bridge == Bridge::MyDialup && !host_.RasLoaded) {
        RasMissingMessage();
        return false;
    }
    if (*bridge == Bridge::MyTextInsert)
        return MyTextInsert(fresh, false, allowScriptEdit);
    std::optional<CommandLine> line;
    if (fresh && AddsWithoutDialog(code)) {
        RepeatRec record;
        record.Kind = code == C::RepeatEnd ? 3 : 2;
        line = CommandLine{DisplayLine(code, record), code, record};
    } else {
        const CommandLine* editing = fresh ? nullptr : &model_.Lines()[model_.SelIndex];
        line =
            DialogBridge(*bridge)(*this, host_.Commands, code, editing, NewLineStart::Preselected);
    }
    if (!line) {
        ShowLines();
        return false;
    }
    Modified = 1;
    if (fresh)
        PlaceNewLine(std::move(*line));
    else
        model_.ReplaceLine(std::move(*line));
    ShowLines();
    return true;
}

bool TDoScripting::PaletteAdd(CommandCode code) {
    model_.Style = AddStyle::AtEnd;
    paletteAdding_ = true;
    bool added = CallBridge(code, true, false);
    paletteAdding_ = false;
    return added;
}

void TDoScripting::PlaceNewLine(CommandLine line) {
    if (paletteAdding_)
        model_.InsertLine(std::move(line));
    else
        model_.AddLine(std::move(line));
}

// ---- text files ----

bool TDoScripting::MyTextInsert(bool fresh, bool restoring, bool allowScriptEdit) {
    // In text-file mode the macro's own place stays parked for the return.
    if (EditingTextFile == 0)
        parked_ = {fresh, model_.Style, model_.SelIndex};
    TDoTextInsert dialog;
    // A text file is edited in place of the macro's script, never of another file.
    dialog.ScriptEditChoice = allowScriptEdit && EditingTextFile == 0 ? 1 : 0;
    if (restoring) {
        dialog.PathBox.SetText(TextFileEntry);
    } else if (!fresh) {
        if (auto* r = std::get_if<StringRec>(&model_.Lines()[model_.SelIndex].Record))
            dialog.PathBox.SetText(r->Text.str());
    }
    dialog.EditInScriptEditor = [this](const std::string& typed, const std::string& shortPath) {
        return EnterTextFileMode(typed, shortPath);
    };
    dialog.ShowModal(Handle());
    if (!dialog.Confirmed()) {
        Modified = 0;
        ShowLines();
        return false;
    }
    Modified = 1;
    CommandLine line{DisplayLine(dialog.ComposedCode(), dialog.ComposedRecord()),
                     dialog.ComposedCode(), dialog.ComposedRecord()};
    if (fresh)
        PlaceNewLine(std::move(line));
    else
        model_.ReplaceLine(std::move(line));
    ShowLines();
    return true;
}

bool TDoScripting::EnterTextFileMode(const std::string& typed, const std::string& shortPath) {
    SaveResult parked = SaveIt(Fields(), model_.Lines(), true, host_.ProgramDir, host_.Edited);
    if (parked.Outcome != SaveOutcome::Parked) {
        ShowRefusal(parked);
        return false;
    }
    std::vector<CommandLine> fileLines;
    if (!LoadFile(shortPath, host_.Settings.MacroFiles[0].str(), loadedText_, fileLines))
        return false;
    // Read back, the working file would merge adjacent Text lines: the lines
    // themselves come back on leaving the mode.
    parkedLines_ = model_.Lines();
    model_.SetLines(std::move(fileLines));
    loadedFileLines_ = LineStates(model_.Lines());
    EditingTextFile = 1;
    TextFilePath = shortPath;
    TextFileEntry = typed;
    Banner.SetText("Edit Text File: " + typed);
    ShowMacroControls(false);
    ShowLines();
    return true;
}

void TDoScripting::LeaveTextFileMode() {
    EditingTextFile = 0;
    ShowMacroControls(true);
    model_.SetLines(std::move(parkedLines_));
    parkedLines_.clear();
    model_.SelIndex = parked_.SelIndex;
    model_.Style = parked_.Style;
    model_.Select(parked_.SelIndex);
    ShowLines();
}

void TDoScripting::ShowMacroControls(bool show) {
    TopPanel.SetVisible(show);
    Banner.SetVisible(!show);
}

// ---- save, cancel, print ----

ScriptEditorFields TDoScripting::Fields() const {
    ScriptEditorFields fields;
    fields.ActKind = ActKind;
    fields.IsExisting = IsExisting == 1;
    fields.EditingTextFile = EditingTextFile == 1;
    fields.TextFilePath = TextFilePath;
    fields.NickName = NickName.Text();
    fields.IconChoice = icons_.Name();
    fields.Scope = Scope();
    fields.CuewordName = CueName.Text();
    return fields;
}

void TDoScripting::SaveClick() {
    SaveResult result = SaveIt(Fields(), model_.Lines(), false, host_.ProgramDir, host_.Edited);
    switch (result.Outcome) {
        case SaveOutcome::Refused:
            ShowRefusal(result);
            break;
        case SaveOutcome::TextFileWritten:
            LeaveTextFileMode();
            MyTextInsert(parked_.Fresh, true, true);
            break;
        case SaveOutcome::Saved:
            Saved = 1;
            Close(IDOK);
            break;
        case SaveOutcome::Parked:
            break;
    }
}

void TDoScripting::ShowRefusal(const SaveResult& result) {
    if (result.FocusName)
        CueName.SetFocus();
    if (result.FailedLine)
        SelectLine(static_cast<int>(*result.FailedLine));
}

void TDoScripting::CancelClick() {
    if (EditingTextFile == 1) {
        if (ChangesMayGo(TextFileEdited()))
            LeaveTextFileMode();
    } else
        Close(IDCANCEL);
}

std::string TDoScripting::PrintHeading() const {
    const MacroRecord& macro = host_.Macro();
    return ScriptPrintHeading(macro.Nickname.str(), ActKind, macro.CuewordText.str(),
                              macro.ScopeText.str(), KeyName(macro.ActivationCode));
}

void TDoScripting::PrintScript() {
    PrintService& printer = CurrentPrintService();
    if (printer.Printing()) {
        ShowError("Other print job currently in progress.");
        return;
    }
    std::optional<PrintChoice> choice = printer.ShowPrintDialog(Handle());
    if (!choice)
        return;
    THourglass busy;
    std::unique_ptr<PrintDocument> doc = printer.BeginDoc("Orvane 99");
    if (!doc)
        return;
    doc->SetFont(host_.Settings.PrintListFont);
    std::vector<std::string> texts;
    for (const CommandLine& line : model_.Lines()) texts.push_back(line.Text);
    PrintPage page{doc->PageWidth(), doc->PageHeight(), doc->TextHeight(LineHeightSample)};
    std::vector<PrintedPage> pages =
        LayOutScript(PrintHeading(), texts, choice->Copies, page,
                     [&doc](std::string_view text) { return doc->TextWidth(text); });
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            doc->NewPage();
        for (const PrintedText& t : pages[i]) doc->PrintText(t.X, t.Y, t.Text);
    }
    doc->End();
}

void TDoScripting::PrinterFontClick() {
    std::optional<FontDescription> font =
        CurrentFontDialogs().Choose(Handle(), host_.Settings.PrintListFont, true);
    if (!font)
        return;
    font->Style &= static_cast<std::uint8_t>(~(FontStyle::Underline | FontStyle::Strikeout));
    host_.Settings.PrintListFont = *font;
    if (SettingsSaved(host_.Config.WritePrintListFont()))
        host_.Notices.Post(NoticeCode::PrintListFontChanged, 0);
}

}  // namespace orv::editor
