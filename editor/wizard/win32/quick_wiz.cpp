#include "editor/wizard/win32/quick_wiz.h"

#include <algorithm>

#include "common/hotkeys.h"
#include "common/string_routines.h"
#include "common/message_boxes.h"
#include "common/ui/win32/canvas.h"
#include "common/ui/win32/display.h"
#include "common/ui/win32/draw_grid.h"
#include "editor/wizard/win32/wizard_commands.h"
#include "editor/wizard/wizard_checks.h"
#include "editor/wizard/wizard_kinds.h"
#include "editor/wizard/wizard_loaders.h"

namespace orv::editor {
namespace {

constexpr int SymbolRows = 8;
// Next here starts the sweepstakes kind's recording.
constexpr int SweepstakesRecordingPanel = 72;
constexpr Bounds PanelArea{0, 0, WizardClientWidth, WizardClientHeight - WizardButtonBarHeight};

bool Has(const ControlDecl& decl, std::uint32_t flag) {
    return (decl.Flags & flag) != 0;
}

// The declared place of a control, made relative to the sub-panel it sits on.
Bounds PlaceOf(const ControlDecl& decl, const PanelDecl& panel) {
    Bounds box = decl.Box;
    if (decl.Parent.empty())
        return box;
    for (const ControlDecl& parent : panel.Controls) {
        if (parent.Name == decl.Parent) {
            box.Left -= parent.Box.Left;
            box.Top -= parent.Box.Top;
        }
    }
    return box;
}

// Owner-drawn lines: the part a line shows, split into columns where it
// carries two.
void DrawListLine(const std::string& name, TCanvas& canvas, const std::string& line,
                  const RECT& rect, bool selected) {
    canvas.FillSystem(rect, selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    canvas.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    int width = rect.right - rect.left;
    if (name == "P3KeyList") {
        std::size_t open = line.find('(');
        canvas.WriteText(rect.left + 2, rect.top, line.substr(0, line.find("  (")));
        if (open != std::string::npos)
            canvas.WriteText(rect.left + width * 3 / 5, rect.top,
                             line.substr(open + 1, line.rfind(')') - open - 1));
    } else if (name.ends_with("InstallBox")) {
        std::size_t link = UpperAscii(line).find(".LNK");
        canvas.WriteText(rect.left + 2, rect.top, line.substr(0, link));
    } else if (name == "P18Format" || name == "P19Format") {
        // The format's name at the left, its sample from the middle on.
        std::size_t tab = line.find(FormatSampleSeparator);
        canvas.WriteText(rect.left + 2, rect.top, line.substr(0, tab));
        if (tab != std::string::npos)
            canvas.WriteText(rect.left + width / 2, rect.top, line.substr(tab + 1));
    } else if (name.ends_with("AddressBox")) {
        std::size_t bar = line.find('|');
        canvas.WriteFitted(rect.left + 2, rect.top, width / 2 - 4, line.substr(0, bar));
        if (bar != std::string::npos)
            canvas.WriteText(rect.left + width / 2, rect.top, line.substr(bar + 1));
    } else {
        canvas.WriteText(rect.left + 2, rect.top, line);
    }
}

}  // namespace

bool TWizardLogo::ParentMessage(UINT message, WPARAM, LPARAM l, LRESULT& result) {
    if (message != WM_DRAWITEM)
        return false;
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(l);
    TCanvas canvas(item->hDC);
    canvas.FillSystem(item->rcItem, COLOR_BTNFACE);
    FontDescription font;
    font.Name = "Arial";
    font.Style = FontStyle::Bold;
    font.Color = RGB(0, 0, 255);
    int width = item->rcItem.right - item->rcItem.left;
    // A word wider than the logo is drawn smaller, not into the panel beside.
    constexpr int SmallestSize = 6;
    for (font.Size = PointSize;; --font.Size) {
        canvas.SetFont(font);
        if (font.Size <= SmallestSize || canvas.TextWidth(Word) <= width - Scaled(8))
            break;
    }
    canvas.WriteText(item->rcItem.left + (width - canvas.TextWidth(Word)) / 2,
                     item->rcItem.top + Scaled(10), Word);
    result = TRUE;
    return true;
}

TQuickWiz::TQuickWiz(WizardHost& host, WizardPlatform& platform, CommandContext& commands, int kind)
    : TForm("TQuickWiz", WizardCaption(kind), WizardClientWidth, WizardClientHeight),
      Kind(kind),
      host_(host),
      platform_(platform),
      commands_(commands),
      env_(host.Env()),
      answers_(DefaultAnswers()),
      navigator_(kind, answers_, env_.HasPopupMenus()) {
    HelpKeyword = "Quick Wizard";
    Logo.Word = std::string(editor::Kind(kind).LogoWord);
    Logo.PointSize = editor::Kind(kind).LogoSize;
    answers_.Check("P1Bypass", env_.Settings.BypassWizardScreen);
    env_.Browser4OrLater = commands_.Browser4OrLater;
    DisableOldShellChoices(answers_, env_.Browser4OrLater);
    DisableMissingCommands(answers_, commands_);
    BackButton.OnClick = [this] { BackButtonClick(); };
    NextButton.OnClick = [this] { NextButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
}

TQuickWiz::~TQuickWiz() = default;

TControl* TQuickWiz::Control(const std::string& name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

void TQuickWiz::FormShow() {
    navigator_.Start(answers_.Checked("P1Bypass"));
    ShowPanel(0);
}

void TQuickWiz::FormClose() {
    SetSecondWindow(Handle(), false);
    recording_.Stop();
}

bool TQuickWiz::UserMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
    if (message == ProgramMessage::SecondWindowKey)
        HotKeyPressed(static_cast<int>(w));
    else if (message == ProgramMessage::CaptureChar)
        recording_.CaptureChar(l);
    else if (message == ProgramMessage::CaptureEnded)
        recording_.CaptureFinished();
    else
        return false;
    result = 0;
    return true;
}

void TQuickWiz::SetSecondWindow(HWND window, bool on) {
    if (on == secondWindowOn_)
        return;
    secondWindowOn_ = on;
    host_.SetSecWind(window, on);
}

void TQuickWiz::P3HotKeyEntryExit() {
    SetSecondWindow(Handle(), false);
}

void TQuickWiz::HotKeyPressed(int code) {
    auto* list = ControlAs<TListBox>("P3KeyList");
    if (!list || code < 0 || code >= list->Count())
        return;
    list->SetItemIndex(code);
    if (TControl* entry = Control("P3HotKeyEntry"))
        entry->SetText(KeyName(code));
}

void TQuickWiz::P1BypassClick() {
    Pull();
    host_.SetBypass(answers_.Checked("P1Bypass"));
}

void TQuickWiz::BackButtonClick() {
    Pull();
    int previous = CurrentPanel();
    navigator_.Back();
    ShowPanel(previous);
}

void TQuickWiz::NextButtonClick() {
    Pull();
    if (!PanelAccepts())
        return;
    if (navigator_.AtLastStep()) {
        Finish();
        return;
    }
    const bool records = CurrentPanel() == SweepstakesRecordingPanel;
    if (records && !recording_.Start(Handle(), env_.ProgramDir))
        return;
    int previous = CurrentPanel();
    navigator_.Next();
    ShowPanel(previous);
    // Out of the way only once the next panel is in place, so its focus
    // does not pull the hidden wizard back in front of the form.
    if (records)
        recording_.StepAside();
}

bool TQuickWiz::PanelAccepts() {
    CheckOutcome outcome = ValidData(CurrentPanel(), Kind, answers_, env_);
    if (auto* refusal = std::get_if<WizardRefusal>(&outcome)) {
        Refuse(*refusal);
        return false;
    }
    auto* question = std::get_if<Question>(&outcome);
    if (question &&
        CurrentMessageBoxes().Show(question->Caption, question->Text,
                                   MsgStyle::YesNo | MsgStyle::IconWarning) != MsgResult::Yes)
        return false;
    if (CurrentPanel() == 3) {
        SettleGlobalScope(answers_, question != nullptr);
        Push();
    }
    return true;
}

void TQuickWiz::Refuse(const WizardRefusal& refusal) {
    CurrentMessageBoxes().Show("Error", refusal.Message, MsgStyle::Ok);
    if (TControl* control = Control(refusal.Focus))
        control->SetFocus();
}

void TQuickWiz::Finish() {
    FinishOutcome outcome = FinishUp(Kind, answers_, env_);
    if (auto* warning = std::get_if<HotKeyWarning>(&outcome)) {
        if (CurrentMessageBoxes().Show(warning->Caption, warning->Text, MsgStyle::YesNo) !=
            MsgResult::Yes)
            return;
        outcome = FinishUp(Kind, answers_, env_, true);
    }
    if (auto* refusal = std::get_if<WizardRefusal>(&outcome)) {
        Refuse(*refusal);
        return;
    }
    Conclude(std::move(outcome));
}

void TQuickWiz::Conclude(FinishOutcome outcome) {
    if (!host_.Keep(outcome))
        return;
    Outcome = std::move(outcome);
    Close(IDOK);
}

void TQuickWiz::ShowPanel(int previous) {
    if (previous == 3)
        P3HotKeyEntryExit();
    if (previous != 0) {
        Built& old = panels_.at(previous);
        old.Panel->SetVisible(false);
        old.Panel->SetEnabled(false);
    }
    int panel = CurrentPanel();
    Built& shown = Build(panel);
    if (navigator_.LoaderDue(panel))
        Load(panel);
    Arrange(panel);
    Push();
    shown.Panel->SetEnabled(true);
    shown.Panel->SetVisible(true);
    BackButton.SetEnabled(navigator_.BackEnabled());
    NextButton.SetText(navigator_.NextCaption());
    FocusFirst(panel);
}

TQuickWiz::Built& TQuickWiz::Build(int number) {
    auto found = panels_.find(number);
    if (found != panels_.end())
        return found->second;
    const PanelDecl& decl = *FindPanel(number);
    Built& built = panels_[number];
    // Lazy: its windows are made when it first shows, its lists already
    // filled (the hot-key list has 721 lines).
    built.Panel = std::make_unique<TPanel>(*this, nullptr, PanelArea, true);
    built.Panel->SetVisible(false);
    std::map<std::string, TControl*> parents;
    for (const ControlDecl& c : decl.Controls) {
        TControl* parent = c.Parent.empty() ? built.Panel.get() : parents.at(c.Parent);
        std::unique_ptr<TControl> control = MakeControl(c, parent);
        control->SetBounds(PlaceOf(c, decl));
        control->SetEnabled(!Has(c, ControlFlag::Disabled));
        control->SetVisible(!Has(c, ControlFlag::Hidden));
        if (c.Kind == ControlKind::SubPanel)
            parents[c.Name] = control.get();
        if (!c.Name.empty())
            byName_[c.Name] = control.get();
        built.Controls.push_back(std::move(control));
        if (c.Kind == ControlKind::Edit)
            AddSpin(c, parent, built);
    }
    if (number == 1) {
        Control("P1Functions")->SetText(editor::Kind(Kind).Functions);
        Control("P1Examples")->SetText(ExamplesText(Kind));
    }
    BindHandlers(number);
    return built;
}

void TQuickWiz::AddSpin(const ControlDecl& decl, TControl* parent, Built& built) {
    for (const SpinBounds& spin : SpinBoundsTable()) {
        if (spin.Control != decl.Name)
            continue;
        auto* edit = ControlAs<TEdit>(decl.Name);
        Bounds box = edit->GetBounds();
        built.Controls.push_back(std::make_unique<TUpDown>(
            *this, parent, Bounds{box.Left + box.Width, box.Top, 16, box.Height}, *edit, spin.Low,
            spin.High.value_or(9999)));
    }
}

std::unique_ptr<TControl> TQuickWiz::MakeControl(const ControlDecl& c, TControl* parent) {
    using K = ControlKind;
    switch (c.Kind) {
        case K::Label:
            return std::make_unique<TLabel>(*this, parent, Bounds{}, c.Caption);
        case K::Edit:
        case K::Memo: {
            std::unique_ptr<TEdit> edit;
            if (c.Name == "P3HotKeyEntry") {
                auto entry = std::make_unique<THotKeyEntry>(*this, parent, Bounds{},
                                                            static_cast<SecondWindow&>(*this));
                entry->OnHotKey = [this](int code) { HotKeyPressed(code); };
                edit = std::move(entry);
            } else if (c.Kind == K::Memo)
                edit = std::make_unique<TMemo>(*this, parent, Bounds{});
            else
                edit = std::make_unique<TEdit>(*this, parent, Bounds{}, c.Caption);
            edit->SetMaxLength(c.MaxLength);
            if (Has(c, ControlFlag::ReadOnly))
                edit->SetReadOnly(true);
            return edit;
        }
        case K::CheckBox:
            return std::make_unique<TCheckBox>(*this, parent, Bounds{}, c.Caption);
        case K::Radio:
            return std::make_unique<TRadioButton>(*this, parent, Bounds{}, c.Caption);
        case K::Button:
            if (c.Name == "P10MySpeed")
                return std::make_unique<TSpeedButton>(*this, parent, Bounds{}, Picture{});
            return std::make_unique<TButton>(*this, parent, Bounds{}, c.Caption);
        case K::ListBox: {
            // Sorted lists get their lines sorted by their loaders, so the
            // form's lines and the model's stay in one order.
            auto list = std::make_unique<TListBox>(*this, parent, Bounds{}, false,
                                                   Has(c, ControlFlag::MultiSelect));
            if (Has(c, ControlFlag::MultiSelect))
                list->SetClickToggles(true);
            if (Has(c, ControlFlag::OwnerDrawn)) {
                list->SetOwnerDraw(Scaled(16));
                TListBox* self = list.get();
                list->OnDrawItem = [name = c.Name, self](TCanvas& canvas, int index,
                                                         const RECT& rect, bool selected) {
                    DrawListLine(name, canvas, self->Item(index), rect, selected);
                };
            }
            return list;
        }
        case K::ComboBox:
            return std::make_unique<TComboBox>(*this, parent, Bounds{});
        case K::Grid:
            return MakeSymbolGrid(parent);
        case K::SubPanel:
            // Lazy too: the parts a choice shows (the schedule's, with their
            // drop-down lists) get windows only when they first show.
            if (c.Caption.empty())
                return std::make_unique<TPanel>(*this, parent, Bounds{}, true);
            return std::make_unique<TGroupBox>(*this, parent, Bounds{}, c.Caption);
    }
    return nullptr;
}

std::unique_ptr<TControl> TQuickWiz::MakeSymbolGrid(TControl* parent) {
    auto grid = std::make_unique<TMyDrawGrid>(*this, parent, Bounds{});
    grid->SetColCount(16);
    grid->SetRowCount(SymbolRows);
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetDefaultColWidth(Scaled(26));
    grid->SetDefaultRowHeight(Scaled(24));
    grid->SetOptions(GridOption::VertLine | GridOption::HorzLine);
    grid->OnDrawCell = [](int col, int row, HDC dc, const RECT& rect, unsigned) {
        char symbol = static_cast<char>(128 + col * SymbolRows + row);
        RECT cell = rect;
        DrawTextA(dc, &symbol, 1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    };
    return grid;
}

void TQuickWiz::Pull() {
    for (auto& [name, control] : byName_) {
        if (auto* box = dynamic_cast<TCheckable*>(control)) {
            answers_.Check(name, box->Checked());
        } else if (auto* edit = dynamic_cast<TEdit*>(control)) {
            answers_.SetText(name, edit->Text());
        } else if (auto* list = dynamic_cast<TListBox*>(control); list && list->MultiSelect()) {
            for (int i = 0; i < list->Count(); ++i) answers_.Select(name, i, list->Selected(i));
        } else if (auto* items = dynamic_cast<TItemsControl*>(control)) {
            answers_.Choose(name, items->ItemIndex());
        } else if (auto* grid = dynamic_cast<TMyDrawGrid*>(control)) {
            answers_.SymbolIndex = grid->Col() * SymbolRows + grid->Row();
        }
    }
}

void TQuickWiz::Push() {
    for (auto& [name, control] : byName_) PushControl(name, *control);
}

void TQuickWiz::PushControl(const std::string& name, TControl& control) {
    if (dynamic_cast<TLabel*>(&control) || dynamic_cast<TGroupBox*>(&control) ||
        dynamic_cast<TPanel*>(&control))
        return;
    control.SetEnabled(answers_.Enabled(name));
    if (auto* box = dynamic_cast<TCheckable*>(&control)) {
        if (box->Checked() != answers_.Checked(name))
            box->SetChecked(answers_.Checked(name));
    } else if (auto* edit = dynamic_cast<TEdit*>(&control)) {
        if (edit->Text() != answers_.Text(name))
            edit->SetText(answers_.Text(name));
    } else if (auto* items = dynamic_cast<TItemsControl*>(&control)) {
        const std::vector<ListLine>& lines = answers_.Lines(name);
        bool same = items->Count() == static_cast<int>(lines.size());
        for (int i = 0; same && i < items->Count(); ++i) same = items->Item(i) == lines[i].Text;
        if (!same)
            Refill(*items, lines);
        auto* list = dynamic_cast<TListBox*>(items);
        if (list && list->MultiSelect()) {
            for (int i = 0; i < list->Count(); ++i) list->SetSelected(i, lines[i].Selected);
        } else if (items->ItemIndex() != answers_.Index(name)) {
            items->SetItemIndex(answers_.Index(name));
        }
    } else if (auto* grid = dynamic_cast<TMyDrawGrid*>(&control)) {
        grid->MoveCurrent(answers_.SymbolIndex / SymbolRows, answers_.SymbolIndex % SymbolRows);
    }
}

void TQuickWiz::Refill(TItemsControl& items, const std::vector<ListLine>& lines) {
    // One repaint for the whole list: the hot-key list has 721 lines.
    HWND window = items.Handle();
    if (window)
        SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    items.ClearItems();
    for (const ListLine& line : lines) items.AddItem(line.Text, line.Number);
    if (window) {
        SendMessageA(window, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(window, nullptr, TRUE);
    }
}

void TQuickWiz::Arrange(int panel) {
    focus_ = nullptr;
    for (const Arranged& a : Arrangement(panel, Kind, answers_, env_)) {
        TControl* control = Control(a.Control);
        if (!control)
            continue;
        if (a.Caption)
            control->SetText(*a.Caption);
        if (a.Visible)
            control->SetVisible(*a.Visible);
        if (a.Focus)
            focus_ = control;
    }
    ArrangeChoices(panel);
}

void TQuickWiz::FocusFirst(int panel) {
    if (focus_ && focus_->Showing() && focus_->Enabled()) {
        focus_->SetFocus();
        return;
    }
    const PanelDecl& decl = *FindPanel(panel);
    TControl* first = nullptr;
    for (const ControlDecl& c : decl.Controls) {
        TControl* control = Control(c.Name);
        if (!control || !control->Showing() || !control->Enabled())
            continue;
        bool entry = c.Kind == ControlKind::Edit || c.Kind == ControlKind::Memo ||
                     c.Kind == ControlKind::ListBox || c.Kind == ControlKind::Grid;
        auto* radio = dynamic_cast<TRadioButton*>(control);
        if (entry || (radio && radio->Checked())) {
            first = control;
            break;
        }
        if (!first && (c.Kind == ControlKind::CheckBox || c.Kind == ControlKind::Button))
            first = control;
    }
    (first ? *first : static_cast<TControl&>(NextButton)).SetFocus();
}

}  // namespace orv::editor
