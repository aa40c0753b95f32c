#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "common/ui/win32/print_service.h"
#include "common/ui/win32/services.h"
#include "common/ui/win32/shell_service.h"
#include "common/ui/win32/sound_service.h"
#include "common/win32/system_routines.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/recorded_printer.h"
#include "tests/support/ui/scripted_dialogs.h"

namespace orv {
namespace {

// A folder of its own under the temporary folder, removed with its files.
class TempFolder {
  public:
    TempFolder() {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        path_ = std::string(base) + "orvane-shell-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder() {
        for (const std::string& file : files_) DeleteFileA(file.c_str());
        RemoveDirectoryA(path_.c_str());
    }
    std::string File(const std::string& name) {
        files_.push_back(path_ + "\\" + name);
        return files_.back();
    }

  private:
    std::string path_;
    std::vector<std::string> files_;
};

TEST(ShellServiceTest, AShortcutReadsBackAsItWasMade) {
    TempFolder folder;
    std::string target = folder.File("TAVROL.EXE");
    std::ofstream(target) << "program";
    std::string icon = folder.File("Quick.ico");
    std::ofstream(icon) << "icon";
    ShellLink made{target, "/AQuick Start", icon, 2};
    std::string path = folder.File("Quick Start.LNK");
    Win32ShellService shell;
    ASSERT_TRUE(shell.CreateLink(path, made));
    std::optional<ShellLink> read = shell.ReadLink(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Target, target);
    EXPECT_EQ(read->Arguments, "/AQuick Start");
    EXPECT_EQ(read->IconPath, icon);
    EXPECT_EQ(read->IconIndex, 2);
    EXPECT_FALSE(shell.ReadLink(target));  // not a shortcut
}

TEST(ShellServiceTest, TheDesktopFolderExists) {
    std::string desktop = Win32ShellService().SpecialFolder(ShellFolder::Desktop);
    ASSERT_FALSE(desktop.empty());
    EXPECT_NE(GetFileAttributesA(desktop.c_str()), INVALID_FILE_ATTRIBUTES);
}

// What the real services do where the system cannot: nothing may wait for
// an answer nobody gives.
TEST(SystemServicesTest, MissingFilesAndPrintersAreReportedNotWaitedFor) {
    std::string missing = ProgramDir() + "\\no such file.wav";
    EXPECT_FALSE(Win32ShellService().Open(nullptr, missing, ""));
    EXPECT_FALSE(Win32SoundService().Play(missing));

    testing::ScriptedMessageBoxes boxes;
    std::string helpless = ProgramDir() + "\\no help here";
    boxes.Expect("The help file " + helpless + "\\ORVHELP.CHM could not be found.", MsgResult::Ok,
                 "Notice");
    HtmlHelpService(helpless).ShowContents(nullptr);

    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                  &count);
    ASSERT_EQ(needed, 0u) << "the test prefix has a printer";
    boxes.Expect(NoPrinterText, MsgResult::Ok, "Error");
    boxes.Expect(NoPrinterText, MsgResult::Ok, "Error");
    Win32PrintService printer;
    EXPECT_FALSE(printer.ShowPrintDialog(nullptr));
    EXPECT_EQ(printer.BeginDoc("Orvane 99"), nullptr);
    EXPECT_FALSE(printer.Printing());
}

TEST(SystemServicesTest, RecordedPrinterKeepsPagesAndTheBusyFlag) {
    testing::RecordedPrinter printer;
    printer.ExpectPrintDialog(2);
    PrintService& service = CurrentPrintService();
    ASSERT_EQ(service.ShowPrintDialog(nullptr)->Copies, 2);
    {
        std::unique_ptr<PrintDocument> doc = service.BeginDoc("Orvane 99");
        EXPECT_TRUE(service.Printing());
        doc->PrintText(141, 150, "Macro File: C:\\A.ORN");
        doc->NewPage();
        doc->PrintText(141, 150, "row");
        doc->End();
    }
    EXPECT_FALSE(service.Printing());
    ASSERT_EQ(printer.Documents.size(), 1u);
    const testing::PrintedDocument& doc = printer.Documents[0];
    EXPECT_EQ(doc.Title, "Orvane 99");
    ASSERT_EQ(doc.Pages.size(), 2u);
    EXPECT_EQ(doc.Pages[0],
              (std::vector<testing::PrintedText>{{141, 150, "Macro File: C:\\A.ORN"}}));
    EXPECT_TRUE(doc.Ended);
}

TEST(SystemServicesTest, ScriptedDialogsFailOnAnUnexpectedOrUnusedAnswer) {
    EXPECT_NONFATAL_FAILURE(
        {
            testing::ScriptedFontDialogs fonts;
            CurrentFontDialogs().Choose(nullptr, FontDescription{}, true);
        },
        "unexpected font dialog");
    EXPECT_NONFATAL_FAILURE(
        {
            testing::ScriptedFolderDialogs folders;
            folders.ExpectFolder("C:\\");
        },
        "folder browser answer(s) never used");
    EXPECT_NONFATAL_FAILURE(
        {
            testing::RecordedPrinter printer;
            CurrentPrintService().ShowPrintDialog(nullptr);
        },
        "unexpected print dialog");
}

}  // namespace
}  // namespace orv
