// Macros in and out of files from the main window: the text import, the
// import and export dialogs, the listing and the printed list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>

#include "common/categories.h"
#include "common/files.h"
#include "common/hotkeys.h"
#include "common/side_files.h"
#include "common/ui/win32/print_service.h"
#include "common/win32/system_routines.h"
#include "editor/shell/export_library.h"
#include "editor/shell/macro_list_print.h"
#include "editor/shell/schedule_text.h"
#include "editor/shell/text_import.h"
#include "editor/shell/win32/editor_dialogs.h"
#include "editor/shell/win32/macro_file_forms.h"
#include "tests/editor/shell/memory_library.h"
#include "tests/editor/shell/win32/main_window_fixture.h"
#include "tests/support/ui/form_picture.h"
#include "tests/support/ui/recorded_printer.h"
#include "tests/support/ui/form_testing.h"

namespace orv::editor {
namespace {

using orv::testing::ModalDriver;
using orv::testing::WriteFormPicture;
using testing::Macro;
using testing::MouseAt;
using testing::Posts;
using testing::WriteLibrary;

class MacroFilesTest : public testing::MainWindowFixture {
  protected:
    TMainWin& OpenWithDialogs() {
        TMainWin& w = Open();
        InstallEditorDialogs(w, context);
        driver.emplace();  // the dialogs the window opens from now on
        return w;
    }
    SyncRecord SyncNow() {
        SyncRecord record;
        syncFiles.OpenExclusive(SyncFileName(library))->Read(record);
        return record;
    }
    static std::string Lower(std::string text) {
        std::ranges::transform(text, text.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    }
    // As the user's click: the button's window runs its handler.
    void Press(TSpeedButton& button) {
        SendMessageA(button.Handle(), BM_CLICK, 0, 0);
        testing::Pump(*main);
    }
    static void ClickLine(TListBox& list, int line) {
        const auto height = static_cast<int>(SendMessageA(list.Handle(), LB_GETITEMHEIGHT, 0, 0));
        const int y = line * height + 3;
        MouseAt(list, WM_LBUTTONDOWN, 10, y);
        MouseAt(list, WM_LBUTTONUP, 10, y);
    }

    orv::testing::ScriptedFileDialogs files;
    std::optional<ModalDriver> driver;
};

TEST_F(MacroFilesTest, TextImportStopsAtTheLimitAndTellsOtherMachines) {
    std::vector<MacroRecord> records;
    for (const SystemMacro& m : SystemMacros(LibraryOwner::Editor)) {
        records.push_back(
            Macro(m.nickname, static_cast<std::uint16_t>(m.firstHotKey), MacroKind::System));
        records.back().ScopeText = ScopeTextOf(m.action);
    }
    while (records.size() < 498) records.push_back(Macro("M", ActivationCode::None));
    WriteLibrary(library, records);
    settings.NetworkMode = true;
    TMainWin& w = OpenWithDialogs();
    const std::string text = folder / "ITEMS.TXT";
    ASSERT_TRUE(ReplaceFileContents(
        text, "<ITEM NAME>aa\r\nFIRST\r\nx\r\n<ITEM NAME>bb\r\nSECOND\r\n<ITEM NAME>cc\r\nTHIRD"));
    const std::int32_t counter = SyncNow().Counter;

    // A cancelled file choice changes nothing.
    boxes.Expect(TextImportMessage::Confirm, MsgResult::Ok, "Notice");
    files.ExpectOpen(std::nullopt);
    w.MenuImportText.Click();
    EXPECT_EQ(SyncNow().Counter, counter);
    EXPECT_EQ(SyncNow().State, SyncState::Free);

    boxes.Expect(TextImportMessage::Confirm, MsgResult::Ok, "Notice");
    files.ExpectOpen(text);
    boxes.Expect(LibraryMessage::LibraryFull, MsgResult::Ok, "Error");
    w.MenuImportText.Click();

    EXPECT_EQ(files.Shown().back().Title, "Text File Import");
    EXPECT_EQ(table.EntryCount(), 500);
    EXPECT_GE(RowOf("SECOND"), 1);
    EXPECT_EQ(RowOf("THIRD"), -1);
    EXPECT_EQ(SyncNow().Counter, counter + 1);
    EXPECT_EQ(SyncNow().State, SyncState::Free);
    EXPECT_EQ(player.Only({20}), (Posts{{20, 499}, {20, 500}}));
}

TEST_F(MacroFilesTest, ExportRefusesTheOpenLibraryAndWritesTheChosenMacros) {
    TMainWin& w = OpenWithDialogs();
    const std::string before = ReadWholeFile(library).value_or("");
    const std::string out = folder / "OUT.ORN";
    driver->Expect<TMyExport>([&](TMyExport& f) {
        EXPECT_EQ(f.ListBox1.Count(), 3);  // no system macro is offered
        boxes.Expect(ExportMessage::NothingSelected, MsgResult::Ok, "Error");
        f.SaveButton.Click();

        f.SelectAll.Click();
        files.ExpectSave(Lower(library));
        boxes.Expect(ExportMessage::OpenLibrary, MsgResult::Ok, "Error");
        f.SaveButton.Click();
        files.ExpectSave(InFolder(folder / ".", "ORVAN.ORN"));  // another name of it
        boxes.Expect(ExportMessage::OpenLibrary, MsgResult::Ok, "Error");
        f.SaveButton.Click();

        f.ClearAll.Click();
        ClickLine(f.ListBox1, 2);
        ClickLine(f.ListBox1, 0);
        ClickLine(f.ListBox1, 2);  // a second click takes the line back
        EXPECT_EQ(f.ChosenLines(), (std::vector<int>{0}));
        files.ExpectSave(out);
        boxes.Expect(ExportMessage::Complete, MsgResult::Ok, "ok");
        f.SaveButton.Click();
    });
    Press(w.ExportSpeed);
    EXPECT_EQ(ReadWholeFile(library), before);
    std::vector<MacroRecord> exported = testing::RecordsOf(ReadWholeFile(out).value_or(""));
    ASSERT_EQ(exported.size(), 1u);
    EXPECT_EQ(exported[0].Nickname, "TYPE NAME");
    EXPECT_EQ(files.Shown().back().Title, "Save Macro File");
}

TEST_F(MacroFilesTest, ImportWarnsOfATakenHotKeyAndTellsOfATrayMenu) {
    MacroRecord menu = Macro("TRAY MENU", ActivationCode::None, MacroKind::PopupMenu);
    menu.CuewordText = "Y";
    menu.SetPopupMembers({1, 3});
    const std::string source = folder / "other.orn";
    WriteLibrary(source, {Macro("CLASH", 65), menu, Macro("MEMBER", ActivationCode::None)});
    TMainWin& w = OpenWithDialogs();
    const int before = table.EntryCount();
    const std::string clash = "A Global Hot Key for " + KeyName(65) +
                              " already exists.  This macro will not be imported.";
    driver->Expect<TMyImport>([&](TMyImport& f) {
        EXPECT_FALSE(f.OkButton.Enabled());
        EXPECT_FALSE(f.SelectAll.Enabled());
        files.ExpectOpen(source);
        f.OpenButton.Click();
        ASSERT_EQ(f.ListBox1.Count(), 3);
        EXPECT_TRUE(f.OkButton.Enabled());
        f.SelectAll.Click();
        boxes.Expect(clash, MsgResult::Ok, "Warning");
        boxes.Expect(ImportMessage::ContinueWithExclusions, MsgResult::No, "Warning");
        f.OkButton.Click();
        EXPECT_EQ(f.ChosenLines(), (std::vector<int>{1, 2}));
        f.OkButton.Click();
    });
    Press(w.ImportSpeed);

    ASSERT_EQ(table.EntryCount(), before + 2);
    MacroRecord imported;
    // The member lands first, its menu behind it.
    ASSERT_TRUE(macros.ReadMacroRecord(before + 2, imported));
    EXPECT_EQ(imported.PopupMembers(), (std::vector<int>{before + 1}));
    EXPECT_GE(RowOf("MEMBER"), 1);
    EXPECT_EQ(player.Only({5}), (Posts{{5, 0}}));
    EXPECT_EQ(files.Shown().back().Filter,
              "Orvane (*.ORN)|*.ORN|Dravel (*.DR2)|*.DR2|Cuewords (*.CUW)|*.CUW");
}

TEST_F(MacroFilesTest, TheListingOfTheShownMacrosIsExact) {
    MacroRecord key = Macro("TYPE NAME", 65);
    key.SetScriptText("hello\r\nworld");
    key.CategoryId = 7;
    MacroRecord cue = Macro("SIGNATURE", ActivationCode::Cueword);
    cue.CuewordText = "sig";
    cue.CategoryId = 7;
    WriteLibrary(library, {key, cue, Macro("OTHER", 66)});
    CategoryList categories;
    categories.Add("Work", 7);
    ASSERT_TRUE(categories.SaveCatFile(CategoryFileName(library)));
    TMainWin& w = OpenWithDialogs();
    w.CatList.SetItemIndex(1);
    w.CatList.OnChange();
    const std::string out = folder / "LIST.TXT";
    driver->Expect<TDoOutput>([&](TDoOutput& f) {
        for (TCheckBox* box : {&f.MacroKeys, &f.MacroName, &f.MacroWindow, &f.MacroText})
            box->Click();
        boxes.Expect(OutputMessage::NothingChecked, MsgResult::Ok, "Error");
        f.OkButton.Click();
        EXPECT_TRUE(f.MacroKeys.Focused());
        for (TCheckBox* box : {&f.MacroKeys, &f.MacroName, &f.MacroWindow, &f.MacroText})
            box->Click();
        files.ExpectSave(out);
        f.OkButton.Click();
    });
    w.OutputHotKeyList1.Click();
    EXPECT_EQ(ReadWholeFile(out),
              "Icon: (Default Icon)\r\nHot Key: " + KeyName(65) +
                  "\r\nName: TYPE NAME\r\nScope: GLOBAL\r\nText: hello\r\nworld\r\n\r\n"
                  "Icon: (Default Icon)\r\nCueword: sig\r\nName: SIGNATURE\r\nScope: GLOBAL\r\n"
                  "Text: \r\n\r\n");
    EXPECT_EQ(files.Shown().back().Title, "Write Hot Key Definitions to File");
}

TEST_F(MacroFilesTest, PrintingAsksForCopiesAndIsRefusedWhileBusy) {
    TMainWin& w = OpenWithDialogs();
    // The test prefix has no printer: the system's service says so and returns.
    boxes.Expect(NoPrinterText, MsgResult::Ok, "Error");
    w.MenuPrint.Click();

    orv::testing::RecordedPrinter printer;
    printer.BusyElsewhere = true;
    boxes.Expect(PrintMessage::Busy, MsgResult::Ok, "Error");
    Press(w.ReportSpeed);
    EXPECT_TRUE(printer.Documents.empty());

    printer.BusyElsewhere = false;
    printer.ExpectPrintDialog(2);
    w.MenuPrint.Click();
    ASSERT_EQ(printer.Documents.size(), 1u);
    const orv::testing::PrintedDocument& doc = printer.Documents[0];
    EXPECT_EQ(doc.Title, "Orvane 99");
    EXPECT_TRUE(doc.Ended);
    ASSERT_EQ(doc.Fonts.size(), 1u);
    EXPECT_EQ(doc.Fonts[0].Name, settings.PrintListFont.Name);
    EXPECT_EQ(doc.Fonts[0].Size, settings.PrintListFont.Size);
    ASSERT_EQ(doc.Pages.size(), 2u);
    const int rows = w.List().RowCount() - 1;
    for (const auto& page : doc.Pages) {
        ASSERT_EQ(page.size(), 1u + 3 * static_cast<std::size_t>(rows));
        EXPECT_EQ(page[0].Text, "Macro File: " + library);
    }

    printer.ExpectPrintDialog(std::nullopt);
    w.MenuPrint.Click();
    EXPECT_EQ(printer.Documents.size(), 1u);
}

TEST(FormPictures, MacroFileForms) {
    const char* wanted = std::getenv("ORVANE_FORM_PICTURES");
    std::string folder = wanted && *wanted ? wanted : ProgramDir() + "\\form-pictures";
    CreateDirectoryA(folder.c_str(), nullptr);
    testing::MemoryLibrary library;
    TMyExport exporting({{1, 65, MacroKind::Global, "", "A MACRO", "", 0, true}}, library);
    TMyImport importing(library, {});
    TDoOutput output({}, library, GetSched);
    const std::initializer_list<TForm*> forms = {&exporting, &importing, &output};
    for (TForm* form : forms) {
        std::string path = folder + "\\" + form->Name() + ".bmp";
        EXPECT_TRUE(WriteFormPicture(*form, path)) << path;
    }
    orv::testing::ClickEachRadioOf(forms);
}

}  // namespace
}  // namespace orv::editor
