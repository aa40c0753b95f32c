// The handlers of the panels that edit lists or reach outside the wizard: the
// macro's icon, the combined macro, the attachments, the recipient list
// editor, the stored dial-up logon and the pop-up menu's quick info.
#include <utility>

#include "common/message_boxes.h"
#include "common/ui/win32/canvas.h"
#include "common/ui/win32/services.h"
#include "editor/commands/dialup_command.h"
#include "editor/commands/recipient_list.h"
#include "editor/commands/win32/email_dialogs.h"
#include "editor/shell/menu_builder_model.h"
#include "editor/wizard/win32/quick_wiz.h"
#include "editor/wizard/wizard_kinds.h"
#include "editor/wizard/wizard_lists.h"

namespace orv::editor {

namespace {

const std::function<std::optional<WizardRefusal>()> NoChange = [] {
    return std::optional<WizardRefusal>();
};

}  // namespace

void TQuickWiz::BindCombinedMacro() {
    auto edit = [this](std::function<std::optional<WizardRefusal>()> change) {
        return [this, change] {
            EditAnswers([&] {
                std::optional<WizardRefusal> refusal = change();
                EnableCombinedButtons(answers_);
                return refusal;
            });
        };
    };
    auto add = [&](InsertMode mode) {
        return edit([this, mode] { return AddCombinedLine(answers_, mode); });
    };
    auto move = [&](int by) {
        return edit([this, by] {
            MoveCombinedLine(answers_, by);
            return std::optional<WizardRefusal>();
        });
    };
    Bind("P64AddButton", add(InsertMode::Append));
    Control("P64AvailBox")->OnDblClick = add(InsertMode::Append);
    Bind("P64InsertBefore", add(InsertMode::Before));
    Bind("P64InsertAfter", add(InsertMode::After));
    Bind("P64DoUp", move(-1));
    Bind("P64DoDown", move(1));
    Bind("P64DoDelete", edit([this] { return RemoveChosenLine(answers_, "P64NewBox"); }));
    ControlAs<TListBox>("P64NewBox")->OnChange = edit(NoChange);
}

void TQuickWiz::BindMenuMembers() {
    auto* macros = ControlAs<TListBox>("P50Macros");
    macros->OnDrawItem = [this](TCanvas& canvas, int index, const RECT& rect, bool selected) {
        DrawMenuMember(canvas, index, rect, selected);
    };
    // A left click that ends on the line it began on shows that macro's info.
    macros->OnMouseDown = [this, macros](MouseButton button, ShiftState, int x, int y) {
        if (button == MouseButton::Left)
            mouseDownItem_ = macros->ItemAtPoint(x, y);
    };
    macros->OnMouseUp = [this, macros](MouseButton button, ShiftState, int x, int y) {
        int line = std::exchange(mouseDownItem_, -1);
        if (button == MouseButton::Left && line >= 0 && line == macros->ItemAtPoint(x, y))
            DoOBInfo(line);
    };
}

void TQuickWiz::ShowMacroIcon() {
    // A pop-up menu shows the menu's icon until the user picks one.
    icon_ = std::make_unique<IconChooser>(
        *ControlAs<TSpeedButton>("P10MySpeed"), env_.ProgramDir,
        Kind == WizardKind::PopupMenu ? OrvaneIcon::Menu : OrvaneIcon::Loaded);
    icon_->Restore(answers_.MacroIcon);
}

void TQuickWiz::P10MySpeedClick() {
    icon_->Choose(Handle());
    answers_.MacroIcon = icon_->Name();
}

void TQuickWiz::EditAnswers(const std::function<std::optional<WizardRefusal>()>& change) {
    Pull();
    std::optional<WizardRefusal> refusal = change();
    Push();
    if (refusal)
        Refuse(*refusal);
}

void TQuickWiz::AddAttachment() {
    FileDialogOptions options;
    options.Filter = "All Files (*.*)|*.*";
    options.FileMustExist = true;
    std::optional<std::string> chosen = CurrentFileDialogs().Open(Handle(), options);
    if (!chosen)
        return;
    Pull();
    AppendLine(answers_, "P77AttachBox", *chosen);
    Push();
}

void TQuickWiz::GetRecipients() {
    TMyAddress editor(commands_);
    editor.ShowModal(Handle());
    Pull();
    ReloadRecipients(answers_, RecipientList::Read(commands_.Settings.EMailPath.str()).Lines);
    Push();
}

void TQuickWiz::P28RetrieveClick() {
    EditAnswers([this]() -> std::optional<WizardRefusal> {
        std::optional<ListLine> entry = answers_.ChosenLine("P28PhoneList");
        if (!entry)
            return WizardRefusal{std::string(NoEntryMessage), "P28PhoneList"};
        std::string user = answers_.Text("P28UserName");
        std::string password = answers_.Text("P28Password");
        TakeDialParams(platform_.DialUp->Params(entry->Text), user, password);
        answers_.SetText("P28UserName", user);
        answers_.SetText("P28Password", password);
        return std::nullopt;
    });
}

void TQuickWiz::DrawMenuMember(TCanvas& canvas, int index, const RECT& rect, bool selected) {
    canvas.FillSystem(rect, selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    canvas.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::vector<ListLine>& lines = answers_.Lines("P50Macros");
    if (index < 0 || index >= static_cast<int>(lines.size()))
        return;
    LibraryEntry macro;
    for (const LibraryEntry& m : env_.Library) {
        if (m.Number == lines[static_cast<std::size_t>(index)].Number)
            macro = m;
    }
    // Three columns at three tenths of the width each, as the labels above,
    // between grid lines.
    int column = (rect.right - rect.left) * 3 / 10;
    std::array<std::string, 3> texts = MenuMemberColumns(macro);
    for (int i = 0; i < 3; ++i) {
        int left = rect.left + i * column;
        int width = i == 2 ? rect.right - left : column;
        canvas.WriteFitted(left + 2, rect.top, width - 4, texts[static_cast<std::size_t>(i)]);
        if (i > 0)
            canvas.FillSystem({left, rect.top, left + 1, rect.bottom}, COLOR_BTNSHADOW);
    }
    canvas.FillSystem({rect.left, rect.bottom - 1, rect.right, rect.bottom}, COLOR_BTNSHADOW);
}

void TQuickWiz::DoOBInfo(int line) {
    const std::vector<ListLine>& lines = answers_.Lines("P50Macros");
    if (line >= static_cast<int>(lines.size()) || !env_.ReadMacro)
        return;
    std::optional<MacroRecord> record =
        env_.ReadMacro(lines[static_cast<std::size_t>(line)].Number);
    if (record)
        CurrentMessageBoxes().Show("Quick Info", MenuQuickInfoText(*record), MsgStyle::Ok);
}

}  // namespace orv::editor
