#include "editor/shell/macro_list_output.h"

#include <gtest/gtest.h>

#include "common/files.h"
#include "common/hotkeys.h"
#include "tests/editor/shell/memory_library.h"
#include "tests/support/scripted_message_boxes.h"

namespace orv::editor {
namespace {

using orv::testing::ScriptedMessageBoxes;
using testing::Macro;

std::string Schedule(const MacroRecord&) {
    return "Daily at 9:00 AM";
}

MacroRecord Scoped(std::int16_t kind, std::uint8_t topMost) {
    MacroRecord r = Macro("Scoped", ActivationCode::WindowTitle, kind);
    r.ScopeText = "Notepad";
    r.ScopeMatch = topMost;
    return r;
}

struct LayoutCase {
    const char* Name;
    MacroRecord Record;
    OutputChoices Choices;
    std::string Listing;
};

OutputChoices Only(bool OutputChoices::*box) {
    OutputChoices c{false, false, false, false, false, false};
    c.*box = true;
    return c;
}

std::vector<LayoutCase> LayoutCases() {
    MacroRecord hotKey = Macro("Greeting", 1);
    hotKey.SetScriptText("one\r\ntwo\r\nthree");
    MacroRecord timed = Macro("Backup", ActivationCode::Scheduled);
    timed.IconName = "disk.ico";
    MacroRecord cueword = Macro("Sig", ActivationCode::Cueword);
    cueword.CuewordText = "sig";
    MacroRecord menu = Macro("Menu", ActivationCode::None, MacroKind::PopupMenu);
    menu.IconName = "MENU";
    menu.SetPopupMembers({1, 2});
    MacroRecord system = Macro("Terminate Orvane", 261, MacroKind::System);
    return {
        {"every box of a hot-key macro",
         hotKey,
         {},
         "Icon: (Default Icon)\r\nHot Key: " + KeyName(1) +
             "\r\nName: Greeting\r\nScope: GLOBAL\r\nText: one\r\ntwo\r\nthree\r\n\r\n"},
        {"a timed macro's schedule",
         timed,
         {},
         "Icon: disk.ico\r\nTimed Macro\r\nName: Backup\r\nScope: GLOBAL\r\n"
         "Schedule: Daily at 9:00 AM\r\nText: \r\n\r\n"},
        {"a hot-key macro has no schedule line", hotKey, Only(&OutputChoices::Schedule), "\r\n"},
        {"a Cueword", cueword, Only(&OutputChoices::HotKey), "Cueword: sig\r\n\r\n"},
        {"a pop-up menu has no text",
         menu,
         {},
         "Icon: (Default Menu Icon)\r\nNone\r\nName: Menu\r\nScope: Popup Menu\r\n\r\n"},
        {"a system macro",
         system,
         {},
         "Icon: (None)\r\nHot Key: " + KeyName(261) +
             "\r\nName: Terminate Orvane\r\nScope: SYSTEM\r\n\r\n"},
        {"a top-most window", Scoped(MacroKind::Window, 1), Only(&OutputChoices::Window),
         "Window: Notepad, Top Most Only\r\n\r\n"},
        {"any program window", Scoped(MacroKind::Program, 0), Only(&OutputChoices::Window),
         "Program: Notepad, If Active\r\n\r\n"},
    };
}

TEST(MacroListing, LinesOfOneMacro) {
    for (const LayoutCase& c : LayoutCases()) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ListingOfMacro(c.Record, c.Choices, Schedule), c.Listing);
    }
}

TEST(MacroListing, ActivationAndScopeTextsOfThePrintAndThePickLists) {
    MacroRecord cueword = Macro("Sig", ActivationCode::Cueword);
    cueword.CuewordText = "sig";
    MacroRecord hotKey = Macro("Key", 1, MacroKind::PopupMenu);
    EXPECT_EQ(ActivationText(cueword, ActivationStyle::PickList), "sig");
    EXPECT_EQ(ActivationText(cueword, ActivationStyle::Print), "Cueword: sig");
    EXPECT_EQ(ActivationText(hotKey, ActivationStyle::Print), KeyName(1));
    EXPECT_EQ(ScopeText(hotKey, ScopeWording::Print), "Popup Menu");
    EXPECT_EQ(ScopeText(Scoped(MacroKind::Window, 1), ScopeWording::Print),
              "Window: Notepad (Top Most Only)");
    EXPECT_EQ(ScopeText(Scoped(MacroKind::Program, 0), ScopeWording::Print),
              "Program: Notepad (If Running)");
}

class ListingFile : public ::testing::Test {
  protected:
    ListingFile() {
        library.Path = folder / "ORVAN.ORN";
        library.Records = {Macro("First", ActivationCode::None),
                           Macro("Second", ActivationCode::None)};
    }
    testing::TempFolder folder;
    std::string target = folder / "LIST.TXT";
    testing::MemoryLibrary library;
    ScriptedMessageBoxes boxes;
    OutputChoices names = Only(&OutputChoices::Name);
};

TEST_F(ListingFile, ListsTheRowsShowingAMacroInTheirOrder) {
    // Row 0 stands for a blank row, 7 for a stale entry of a filtered list.
    ASSERT_EQ(WriteMacroListing(target, {2, 0, 1, 7}, library, names, Schedule),
              ListedWrite::Written);
    EXPECT_EQ(ReadWholeFile(target), "Name: Second\r\n\r\nName: First\r\n\r\n");
}

TEST_F(ListingFile, FailuresAreReportedAndNothingIsReplaced) {
    ASSERT_TRUE(ReplaceFileContents(library.Path, "library"));
    boxes.Expect(OutputMessage::OpenLibrary, MsgResult::Ok, "Error");
    EXPECT_EQ(WriteMacroListing(folder / "orvan.ovc", {1}, library, names, Schedule),
              ListedWrite::NotWritten);

    boxes.Expect(OutputMessage::CreateFailed, MsgResult::Ok, "Error");
    EXPECT_EQ(
        WriteMacroListing(InFolder(folder / "missing", "LIST.TXT"), {1}, library, names, Schedule),
        ListedWrite::NotWritten);

    ASSERT_TRUE(ReplaceFileContents(target, "earlier list"));
    library.Unreadable = {2};
    boxes.Expect(OutputMessage::ReadFailed, MsgResult::Ok, "Error");
    EXPECT_EQ(WriteMacroListing(target, {1, 2}, library, names, Schedule), ListedWrite::NotRead);
    EXPECT_EQ(ReadWholeFile(target), "earlier list");
    EXPECT_EQ(ReadWholeFile(library.Path), "library");
}

}  // namespace
}  // namespace orv::editor
