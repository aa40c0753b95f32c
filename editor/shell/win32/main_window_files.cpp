// The main window's commands that move macros in and out of files.
#include <functional>
#include <memory>
#include <optional>

#include "common/clock.h"
#include "common/files.h"
#include "common/message_boxes.h"
#include "common/ui/win32/pictures.h"
#include "common/ui/win32/print_service.h"
#include "common/ui/win32/services.h"
#include "editor/shell/held_list.h"
#include "editor/shell/macro_list_print.h"
#include "editor/shell/schedule_text.h"
#include "editor/shell/text_import.h"
#include "editor/shell/win32/macro_file_forms.h"
#include "editor/shell/win32/main_window.h"

namespace orv::editor {

namespace {

// The open library as the import, export and listing see it: every macro
// they add goes through the main window, which hands the new count over.
// Given the macros a dialog lists, it reads only those, as they were read
// when listed; like every view it says nothing of a read it refuses, so that
// the reader's one message tells of it.
class MainWindowLibrary final : public LibraryView {
  public:
    MainWindowLibrary(TMainWin& main, EditorContext& context, LibraryChange* change,
                      const std::vector<ListMacro>* listed = nullptr)
        : main_(main), context_(context), change_(change) {
        if (listed)
            listed_.emplace(context.Library, *listed);
    }

    std::string FileName() const override { return context_.Settings.MacroFiles[0].str(); }
    int MacroCount() const override { return context_.Table.EntryCount(); }
    bool Read(int n, MacroRecord& out) const override {
        return listed_ ? listed_->ReadQuietly(n, out) : context_.Library.ReadMacroRecord(n, out);
    }
    // Only a view made for a change appends.
    bool Append(MacroRecord& record) override { return AppendAs(record, 0); }
    int NextNumber() const override {
        return change_ ? change_->NextNumber() : context_.Library.NextAppendNumber(FileName());
    }
    bool AppendAs(MacroRecord& record, int at) override {
        return change_ && main_.AppendMacro(*change_, record, at) == LibraryStatus::Done;
    }
    // Whether a read of the macros listed was refused.
    bool Refused() const { return listed_ && listed_->Refused(); }

  private:
    TMainWin& main_;
    EditorContext& context_;
    LibraryChange* change_;
    std::optional<HeldList> listed_;
};

std::vector<int> NumbersOf(const std::vector<ListMacro>& macros) {
    std::vector<int> numbers;
    for (const ListMacro& m : macros) numbers.push_back(m.Number);
    return numbers;
}

// The printed list goes onto the printer's document.
class DocumentCanvas final : public PrintCanvas {
  public:
    explicit DocumentCanvas(PrintDocument& document) : document_(document) {}
    int PageWidth() const override { return document_.PageWidth(); }
    int PageHeight() const override { return document_.PageHeight(); }
    int TextWidth(std::string_view text) override { return document_.TextWidth(text); }
    int TextHeight(std::string_view text) override { return document_.TextHeight(text); }
    void PrintText(int x, int y, std::string_view text) override {
        document_.PrintText(x, y, text);
    }
    void NewPage() override { document_.NewPage(); }

  private:
    PrintDocument& document_;
};

std::vector<std::uint16_t> ActivationsOf(const HookTable& table) {
    std::vector<std::uint16_t> activations;
    for (int i = 1; i <= table.EntryCount(); ++i) activations.push_back(table.Entry(i).Activation);
    return activations;
}

}  // namespace

LibraryStatus TMainWin::AppendMacro(LibraryChange& change, MacroRecord& record, int at) {
    return editing_.AppendMacro(change, record, at);
}

std::vector<ListMacro> TMainWin::ListedMacros() const {
    std::vector<ListMacro> macros;
    for (int row = 1; row < list_.RowCount(); ++row)
        if (const ListMacro* macro = list_.RowMacro(row))
            macros.push_back(*macro);
    return macros;
}

void TMainWin::MenuImportTextClick() {
    LibraryChange change = roads_.NewChange();
    if (!change.Begin())
        return;
    if (CurrentMessageBoxes().Show("Notice", TextImportMessage::Confirm,
                                   MsgStyle::OkCancel | MsgStyle::IconInformation) != MsgResult::Ok)
        return;
    FileDialogOptions options;
    options.Title = "Text File Import";
    options.Filter = "Text File (*.TXT)|*.TXT";
    options.DefaultExt = "TXT";
    const std::optional<std::string> name = CurrentFileDialogs().Open(Handle(), options);
    const std::optional<std::string> contents = name ? ReadWholeFile(*name) : std::nullopt;
    if (name && !contents)
        ShowError(ImportMessage::OpenFailed);
    if (!contents)
        return;
    THourglass busy;
    MainWindowLibrary library(*this, context_, &change);
    // Other machines reload only when told of a change, the limit's stop
    // included: each append counts.
    ImportTextItems(*contents, library, CurrentClock().Now());
    FillList();
    SetHotKeys();
}

void TMainWin::MenuImportClick() {
    LibraryChange change = roads_.NewChange();
    if (!change.Begin())
        return;
    MainWindowLibrary library(*this, context_, &change);
    TMyImport dialog(library, ActivationsOf(context_.Table));
    dialog.ShowModal(Handle());
    if (dialog.Added > 0) {
        FillList();
        SetHotKeys();
    }
    if (dialog.TrayMenu)
        change.Tell(NoticeCode::PopupMenusChanged);
}

void TMainWin::ReadListed(const std::vector<ListMacro>& listed,
                          const std::function<void(LibraryView&)>& read) {
    bool refused = false;
    roads_.HoldMacros();
    {
        MainWindowLibrary library(*this, context_, nullptr, &listed);
        read(library);
        refused = library.Refused();
    }
    roads_.ReleaseMacros();
    if (refused)
        roads_.ShowLibraryAnew();
}

// The export and the listing write what was listed, or nothing: a macro that
// moved in the file meanwhile is refused.
void TMainWin::MenuExportClick() {
    const std::vector<ListMacro> listed = ListMacrosOf(settings_, context_.Table);
    ReadListed(listed, [&](LibraryView& library) {
        TMyExport dialog(listed, library);
        dialog.ShowModal(Handle());
    });
}

void TMainWin::OutputHotKeyList1Click() {
    const std::vector<ListMacro> listed = ListedMacros();
    ReadListed(listed, [&](LibraryView& library) {
        TDoOutput dialog(NumbersOf(listed), library, GetSched);
        dialog.ShowModal(Handle());
    });
}

void TMainWin::MenuPrintClick() {
    PrintService& printer = CurrentPrintService();
    if (printer.Printing()) {
        ShowError(PrintMessage::Busy);
        return;
    }
    const std::optional<PrintChoice> choice = printer.ShowPrintDialog(Handle());
    if (!choice)
        return;
    THourglass busy;
    const std::vector<ListMacro> listed = ListedMacros();
    std::optional<std::vector<PrintRow>> rows;
    ReadListed(listed,
               [&](LibraryView& library) { rows = ReadPrintRows(NumbersOf(listed), library); });
    if (!rows)
        return;
    std::unique_ptr<PrintDocument> document = printer.BeginDoc(PrintJobTitle);
    if (!document)
        return;
    document->SetFont(settings_.PrintListFont);
    DocumentCanvas canvas(*document);
    PrintMacroList(canvas, settings_.MacroFiles[0].str(), *rows, choice->Copies);
    document->End();
}

}  // namespace orv::editor
