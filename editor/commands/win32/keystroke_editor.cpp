#include "editor/commands/win32/keystroke_editor.h"

#include "common/message_boxes.h"
#include "editor/commands/keystroke_text.h"
#include "editor/commands/win32/symbol_search_dialogs.h"

namespace orv::editor {
namespace {

constexpr int NamedKeysPerRow = 6;
constexpr int KeyWidth = 82;
constexpr int FunctionKeyWidth = 40;
constexpr int KeyHeight = 23;
constexpr int Gap = 2;
constexpr int MiscRowTop = 4 * (KeyHeight + Gap) + 4;

// Named keys in rows of six, the function keys in one row under them.
Bounds KeyButtonBounds(int index) {
    if (KeyButtons[index].FunctionKey) {
        int f = index - (KeyButtonCount - 12);
        return {f * (FunctionKeyWidth + Gap), 3 * (KeyHeight + Gap), FunctionKeyWidth, KeyHeight};
    }
    return {(index % NamedKeysPerRow) * (KeyWidth + Gap),
            (index / NamedKeysPerRow) * (KeyHeight + Gap), KeyWidth, KeyHeight};
}

// The key buttons on the panel, first in the Tab order. Their addresses stay
// as the deque moves into the editor: the controls are registered by them.
std::deque<TButton> MakeKeyButtons(TForm& form, TPanel& panel) {
    std::deque<TButton> buttons;
    for (int i = 0; i < KeyButtonCount; ++i)
        buttons.emplace_back(form, &panel, KeyButtonBounds(i), std::string(KeyButtons[i].Caption));
    return buttons;
}

}  // namespace

KeystrokeEditor::KeystrokeEditor(TForm& form, TMemo& memo, TMainMenu& menu, Bounds at,
                                 CommandContext& context)
    : Panel(form, nullptr, at),
      KeyButtonControls(MakeKeyButtons(form, Panel)),
      Symbols(form, &Panel, {0, MiscRowTop, KeyWidth, KeyHeight}, "Symbols"),
      MiscLabel(form, &Panel, {KeyWidth + 12, MiscRowTop + 4, 80, 16}, "Miscellaneous"),
      MiscBox(form, &Panel, {KeyWidth + 96, MiscRowTop, 190, 21}),
      OkButton(form, &Panel, {KeyWidth + 292, MiscRowTop, 40, KeyHeight}, "ok"),
      EditMenu(menu, "&Edit"),
      MenuCut(EditMenu, "Cu&t\tCtrl+X"),
      MenuCopy(EditMenu, "&Copy\tCtrl+C"),
      MenuPaste(EditMenu, "&Paste\tCtrl+V"),
      MenuDelete(EditMenu, "&Delete"),
      EditSeparator(EditMenu, "-"),
      Find1(EditMenu, "&Find\tCtrl+F"),
      FindAgain1(EditMenu, "F&ind Again\tF3"),
      SearchandReplace1(EditMenu, "&Search and Replace\tCtrl+S"),
      KeysMenu(menu, "&Keys"),
      FKeysMenu(menu, "FKe&ys"),
      Accelerators(form),
      form_(form),
      memo_(memo),
      context_(context) {
    MiscBox.SetDropDownRows(19);
    for (int i = 0; i < KeyButtonCount; ++i) {
        const KeyButton& key = KeyButtons[i];
        auto insert = [this, token = key.Token] { Insert(token); };
        KeyButtonControls[i].OnClick = insert;
        KeyItems.emplace_back(key.FunctionKey ? FKeysMenu : KeysMenu, std::string(key.Caption))
            .OnClick = insert;
    }
    Symbols.OnClick = [this] { SymbolsClick(); };
    OkButton.OnClick = [this] { OkButtonClick(); };
    MenuCut.OnClick = [this] { MenuCutClick(); };
    MenuCopy.OnClick = [this] { MenuCopyClick(); };
    MenuPaste.OnClick = [this] { MenuPasteClick(); };
    MenuDelete.OnClick = [this] { MenuDeleteClick(); };
    Find1.OnClick = [this] { Find1Click(); };
    FindAgain1.OnClick = [this] { FindAgain1Click(); };
    SearchandReplace1.OnClick = [this] { SearchandReplace1Click(); };
    Accelerators.Add('X', CtrlDown, MenuCut);
    Accelerators.Add('C', CtrlDown, MenuCopy);
    Accelerators.Add('V', CtrlDown, MenuPaste);
    Accelerators.Add('F', CtrlDown, Find1);
    Accelerators.Add(VK_F3, 0, FindAgain1);
    Accelerators.Add('S', CtrlDown, SearchandReplace1);
    memo_.OnKeyDown = [this](WORD& key, ShiftState shift) { NewFormatKeyDown(key, shift); };
    memo_.OnKeyPress = [this](char& key) { NewFormatKeyPress(key); };
}

void KeystrokeEditor::FormShow() {
    MiscBox.ClearItems();
    for (const MiscEntry& entry : MiscBoxEntries) MiscBox.AddItem(entry.Name);
    SearchPos = 0;
}

bool KeystrokeEditor::CheckSize(std::size_t added) {
    if (editor::CheckSize(memo_.Text(), added))
        return true;
    CurrentMessageBoxes().Show("Error", TextTooLongMessage, MsgStyle::Ok);
    return false;
}

void KeystrokeEditor::SetIt(std::string_view text) {
    Insertion result = InsertAt(memo_.Text(), memo_.SelStart(), text);
    memo_.SetText(result.Text);
    memo_.SetFocus();
    memo_.SetSelection(result.Caret, 0);
}

void KeystrokeEditor::Insert(std::string_view text) {
    if (CheckSize(text.size()))
        SetIt(text);
}

void KeystrokeEditor::OkButtonClick() {
    int chosen = MiscBox.ItemIndex();
    if (chosen >= 0 && chosen < MiscEntryCount)
        Insert(MiscBoxEntries[chosen].Token);
}

void KeystrokeEditor::SymbolsClick() {
    TDoSpecial symbols(context_);
    symbols.HideAltPad = 0;
    symbols.ShowModal(form_.Handle());
    if (symbols.Confirmed())
        Insert(symbols.CommandText);
}

TEdit* KeystrokeEditor::FocusedEdit() const {
    return dynamic_cast<TEdit*>(form_.FocusedControl());
}

void KeystrokeEditor::MenuCutClick() {
    if (TEdit* edit = FocusedEdit())
        edit->CutToClipboard();
}

void KeystrokeEditor::MenuCopyClick() {
    if (TEdit* edit = FocusedEdit())
        edit->CopyToClipboard();
}

void KeystrokeEditor::MenuPasteClick() {
    if (TEdit* edit = FocusedEdit())
        edit->PasteFromClipboard();
}

void KeystrokeEditor::MenuDeleteClick() {
    if (TEdit* edit = FocusedEdit())
        edit->ClearSelection();
}

void KeystrokeEditor::DoSearchFor(const std::string& text) {
    SearchHit hit = FindNext(memo_.Text(), text, SearchPos);
    SearchPos = hit.SearchPos;
    if (!hit.Found) {
        CurrentMessageBoxes().Show("Warning", NotFoundMessage(text), MsgStyle::Ok);
        return;
    }
    memo_.SetFocus();
    memo_.SetSelection(hit.SelStart, hit.SelLength);
}

void KeystrokeEditor::Find1Click() {
    TDoSearch search;
    search.FindOnly = 1;
    search.ShowModal(form_.Handle());
    if (search.Confirmed != 1)
        return;
    SearchPos = 0;
    SearchText = search.FindText;
    DoSearchFor(SearchText);
}

void KeystrokeEditor::FindAgain1Click() {
    DoSearchFor(SearchText);
}

void KeystrokeEditor::SearchandReplace1Click() {
    TDoSearch search;
    search.FindOnly = 0;
    search.ShowModal(form_.Handle());
    if (search.Confirmed != 1)
        return;
    Replacement result = ReplaceAll(memo_.Text(), search.FindText, search.ReplaceText);
    if (result.Count == 0) {
        CurrentMessageBoxes().Show("Warning", NotFoundMessage(search.FindText), MsgStyle::Ok);
        return;
    }
    memo_.SetText(result.Text);
    CurrentMessageBoxes().Show("Replaced", ReplacedMessage(search.FindText, result.Count),
                               MsgStyle::Ok);
}

void KeystrokeEditor::NewFormatKeyDown(WORD& key, ShiftState) {
    if (key != VK_ESCAPE)
        return;
    key = 0;
    form_.Close(IDCANCEL);
}

// Ctrl+V pastes through the Edit menu's accelerator; the memo's own paste
// on the same key would paste a second time.
void KeystrokeEditor::NewFormatKeyPress(char& key) {
    constexpr char CtrlV = 0x16;
    if (key == CtrlV)
        key = 0;
}

}  // namespace orv::editor
