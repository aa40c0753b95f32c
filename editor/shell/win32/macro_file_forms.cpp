#include "editor/shell/win32/macro_file_forms.h"

#include <algorithm>
#include <utility>

#include "common/clock.h"
#include "common/files.h"
#include "common/message_boxes.h"
#include "common/ui/fit_text.h"
#include "common/ui/win32/canvas.h"
#include "common/ui/win32/services.h"
#include "editor/shell/export_library.h"

namespace orv::editor {

namespace {

constexpr int PickLineHeight = 18;

// A dialog that wrote its list closes; so does one whose list no longer shows
// the file, for the main window to show it anew. Another file may be chosen
// after any other failure.
void CloseUnlessRetried(TForm& form, ListedWrite outcome) {
    if (outcome != ListedWrite::NotWritten)
        form.Close(outcome == ListedWrite::Written ? IDOK : IDCANCEL);
}

FileDialogOptions FileDialog(const char* title, const char* filter, const char* extension) {
    FileDialogOptions o;
    o.Title = title;
    o.Filter = filter;
    o.DefaultExt = extension;
    o.HideReadOnly = true;
    return o;
}

}  // namespace

// ---- the pick list ----

TMacroPickForm::TMacroPickForm(std::string name, std::string caption, std::string helpKeyword)
    : TForm(std::move(name), std::move(caption), 520, 326) {
    HelpKeyword = std::move(helpKeyword);
    ListBox1.SetClickToggles(true);
    ListBox1.SetOwnerDraw(PickLineHeight);
    ListBox1.OnDrawItem = [this](TCanvas& canvas, int index, const RECT& rect, bool selected) {
        ListBox1DrawItem(canvas, index, rect, selected);
    };
    SelectAll.OnClick = [this] { ChooseAll(true); };
    ClearAll.OnClick = [this] { ChooseAll(false); };
    HelpButton.OnClick = [this] { ShowHelp(); };
}

std::vector<int> TMacroPickForm::ChosenLines() const {
    std::vector<int> chosen;
    for (int i = 0; i < ListBox1.Count(); ++i)
        if (ListBox1.Selected(i))
            chosen.push_back(i);
    return chosen;
}

void TMacroPickForm::SetLines(std::vector<PickLine> lines) {
    lines_ = std::move(lines);
    ListBox1.ClearItems();
    for (std::size_t i = 0; i < lines_.size(); ++i)
        ListBox1.AddItem(lines_[i].Nickname, static_cast<std::intptr_t>(i));
}

void TMacroPickForm::EnablePicking(bool on) {
    SelectAll.SetEnabled(on);
    ClearAll.SetEnabled(on);
}

void TMacroPickForm::ChooseAll(bool chosen) {
    for (int i = 0; i < ListBox1.Count(); ++i) ListBox1.SetSelected(i, chosen);
}

void TMacroPickForm::ListBox1DrawItem(TCanvas& canvas, int index, const RECT& rect,
                                      bool selected) const {
    const PickLine& line = lines_.at(static_cast<std::size_t>(index));
    const PickColumns at = PickColumnsFor(rect.right - rect.left);
    canvas.FillSystem(rect, selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    canvas.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    canvas.WriteText(rect.left + at.Activation, rect.top, line.Activation);
    canvas.WriteText(rect.left + at.Nickname, rect.top,
                     FitText(line.Nickname, at.NicknameWidth,
                             [&canvas](std::string_view text) { return canvas.TextWidth(text); }));
    canvas.WriteText(rect.left + at.Scope, rect.top, line.Scope);
}

// ---- export ----

TMyExport::TMyExport(std::vector<ListMacro> macros, const LibraryView& library)
    : TMacroPickForm("TMyExport", "Export Macros", "Export Macros"),
      macros_(ExportableMacros(std::move(macros))),
      library_(library) {
    std::vector<PickLine> lines;
    for (const ListMacro& m : macros_) lines.push_back(PickLineOf(m));
    SetLines(std::move(lines));
    SaveButton.OnClick = [this] { SaveButtonClick(); };
    ExitButton.ModalResult = IDCANCEL;
}

void TMyExport::SaveButtonClick() {
    std::vector<int> chosen;
    for (int line : ChosenLines())
        chosen.push_back(macros_.at(static_cast<std::size_t>(line)).Number);
    if (chosen.empty()) {
        ShowError(ExportMessage::NothingSelected);
        return;
    }
    FileDialogOptions options = FileDialog("Save Macro File", "Orvane File (*.ORN)|*.ORN", "ORN");
    options.OverwritePrompt = true;
    std::optional<std::string> target = CurrentFileDialogs().Save(Handle(), options);
    if (!target)
        return;
    // The name as the system resolves it, so the open library is recognised
    // however the name was written.
    CloseUnlessRetried(*this, ExportMacros(chosen, FullPath(*target), library_));
}

// ---- import ----

TMyImport::TMyImport(LibraryView& library, std::vector<std::uint16_t> activations)
    : TMacroPickForm("TMyImport", "Import Macros", "Import Macros"),
      library_(library),
      activations_(std::move(activations)) {
    OpenButton.OnClick = [this] { OpenButtonClick(); };
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
}

void TMyImport::FormShow() {
    Added = 0;
    TrayMenu = false;
    EnablePicking(false);
    OkButton.SetEnabled(false);
}

void TMyImport::OpenButtonClick() {
    FileDialogOptions options =
        FileDialog("Import Orvane Files",
                   "Orvane (*.ORN)|*.ORN|Dravel (*.DR2)|*.DR2|Cuewords (*.CUW)|*.CUW", "ORN");
    options.FileMustExist = true;
    std::optional<std::string> name = CurrentFileDialogs().Open(Handle(), options);
    if (!name)
        return;
    std::optional<ImportSource> source = OpenImportSource(*name);
    if (!source)
        return;
    source_ = std::move(source);
    std::vector<PickLine> lines;
    for (const ImportEntry& entry : source_->Entries) lines.push_back(PickLineOf(entry));
    SetLines(std::move(lines));
    EnablePicking(true);
    OkButton.SetEnabled(true);
}

void TMyImport::OkButtonClick() {
    if (!source_)
        return;
    const ImportChoice choice = CheckImportChoice(*source_, ChosenLines(), activations_);
    // A line whose hot key is taken stays unchosen, whatever the answer.
    for (int i = 0; i < ListBox1.Count(); ++i)
        ListBox1.SetSelected(i, std::ranges::find(choice.Chosen, i) != choice.Chosen.end());
    if (!choice.Proceed)
        return;
    const ImportOutcome outcome =
        ImportChosen(*source_, choice.Chosen, library_, CurrentClock().Now());
    Added = outcome.Added;
    TrayMenu = outcome.TrayMenu;
    Close(IDOK);
}

// ---- the listing ----

TDoOutput::TDoOutput(std::vector<int> macros, const LibraryView& library,
                     ScheduleDescription schedule)
    : TForm("TDoOutput", "Output Macros To File", 248, 152),
      macros_(std::move(macros)),
      library_(library),
      schedule_(std::move(schedule)) {
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
}

void TDoOutput::FormShow() {
    for (TCheckBox* box :
         {&MacroKeys, &MacroName, &MacroWindow, &MacroText, &MacroSched, &MacroIcon})
        box->SetChecked(true);
    MacroKeys.SetFocus();
}

OutputChoices TDoOutput::Choices() const {
    return {MacroKeys.Checked(), MacroName.Checked(),  MacroWindow.Checked(),
            MacroText.Checked(), MacroSched.Checked(), MacroIcon.Checked()};
}

void TDoOutput::OkButtonClick() {
    const OutputChoices choices = Choices();
    if (!choices.AnythingChosen()) {
        ShowError(OutputMessage::NothingChecked);
        MacroKeys.SetFocus();
        return;
    }
    FileDialogOptions options =
        FileDialog("Write Hot Key Definitions to File", "Text File (*.TXT)|*.TXT", "TXT");
    options.OverwritePrompt = true;
    std::optional<std::string> target = CurrentFileDialogs().Save(Handle(), options);
    if (!target)
        return;
    CloseUnlessRetried(*this,
                       WriteMacroListing(FullPath(*target), macros_, library_, choices, schedule_));
}

}  // namespace orv::editor
