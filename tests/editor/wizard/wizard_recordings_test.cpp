// The kinds that record or set up rather than compose: sweepstakes, capture
// and first-time setup.
#include <gtest/gtest.h>

#include <tuple>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "common/files.h"
#include "editor/wizard/first_time_settings.h"
#include "editor/wizard/wizard_finish.h"
#include "editor/wizard/wizard_loaders.h"
#include "tests/editor/wizard/wizard_fixture.h"

namespace orv::editor {
namespace {

using testing::BaseAnswers;

class SweepstakesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("orvane_wizard_" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        env = testing::TestEnv(folder.string());
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string In(const char* name) const { return InFolder(folder.string(), name); }
    FinishOutcome Finish(const std::string& recording) {
        if (!recording.empty()) {
            EXPECT_TRUE(ReplaceFileContents(env.CaptureFile(), recording));
        }
        return FinishUp(18, BaseAnswers(), env);
    }
    std::string Script(const FinishOutcome& outcome) {
        EXPECT_TRUE(std::holds_alternative<MacroOutcome>(outcome));
        return std::holds_alternative<MacroOutcome>(outcome)
                   ? std::get<MacroOutcome>(outcome).Record.ScriptText()
                   : "";
    }

    std::filesystem::path folder;
    WizardEnv env;
};

TEST_F(SweepstakesTest, ARecordingThatFitsGoesInlineUpToItsFirstNul) {
    std::string fits(4980, 'a');
    EXPECT_EQ(Script(Finish(fits)), "<SPKEY:0050>" + fits + "<SPACE>");
    EXPECT_FALSE(FileExists(env.CaptureFile()));
    EXPECT_EQ(Script(Finish(std::string("Ann\0junk", 8))), "<SPKEY:0050>Ann<SPACE>");
}

TEST_F(SweepstakesTest, ALongerRecordingGoesToTheFirstFreeOverflowFile) {
    ASSERT_TRUE(ReplaceFileContents(In("OV0.TXT"), "old"));
    std::string longer(4981, 'b');
    EXPECT_EQ(Script(Finish(longer)), "<SPKEY:0050><TFILE:" + In("OV1.TXT") + "><SPACE>");
    EXPECT_EQ(ReadWholeFile(In("OV1.TXT")), longer);
    EXPECT_EQ(ReadWholeFile(In("OV0.TXT")), "old");
    EXPECT_FALSE(FileExists(env.CaptureFile()));
}

TEST_F(SweepstakesTest, ARecordingThatCannotBeReadOrCopiedIsKept) {
    FinishOutcome missing = Finish("");
    ASSERT_TRUE(std::holds_alternative<WizardRefusal>(missing));
    // None of the overflow file's temporaries can be made.
    for (const std::string& temporary : TemporaryNames(In("OV0.TXT")))
        std::filesystem::create_directory(temporary);
    std::string longer(5000, 'c');
    FinishOutcome failed = Finish(longer);
    ASSERT_TRUE(std::holds_alternative<WizardRefusal>(failed));
    EXPECT_EQ(std::get<WizardRefusal>(failed).Message, "The recording could not be copied to \"" +
                                                           In("OV0.TXT") + "\".  It is kept in \"" +
                                                           env.CaptureFile() + "\".");
    EXPECT_EQ(ReadWholeFile(env.CaptureFile()), longer);
}

TEST(CaptureKindTest, PlansTheRecordingFromTheAnswers) {
    WizardEnv env = testing::TestEnv();
    WizardAnswers a = BaseAnswers();
    LoadCaptureAnswers(env.Settings, a);
    a.Choose("P3KeyList", 100);
    a.Check("P60Window");
    a.Check("P61Half");
    a.Check("P62Specific");
    a.SetLines("P62ProgList", {{"Untitled - Notepad"}});
    a.Choose("P62ProgList", 0);
    auto out = std::get<CaptureOutcome>(FinishUp(7, a, env));
    EXPECT_EQ(out.Record.ActivationCode, 100);
    EXPECT_EQ(out.Record.Nickname.str(), "Nick");
    EXPECT_EQ(out.Record.ScriptText(), "");
    const CapturePlan& p = out.Plan;
    EXPECT_EQ(p.MacroNumber, 5);
    EXPECT_EQ(p.Options.RelativeTo, 2);
    EXPECT_EQ(p.Speed, 2);
    EXPECT_EQ(p.SpeedToken, "<SPEED:00002>");
    EXPECT_EQ(p.StopKey, DecipherKey(600));
    EXPECT_EQ(p.SecondKey, DecipherKey(100));
    EXPECT_TRUE(p.ProgramSpecific);
    EXPECT_EQ(p.StartWindow, "Untitled - Notepad");

    HookTable table;
    table.Bytes.fill(0xEE);
    ApplyCapturePlan(SweepstakesCapturePlan(), table);
    EXPECT_EQ(table.U16(HookAt::CaptureMacro), 1000);
    for (std::size_t at = HookAt::StopMouse; at <= 781; ++at) EXPECT_EQ(table.U8(at), 0) << at;
    EXPECT_EQ(table.U8(HookAt::CaptureKeys), 1);
    EXPECT_EQ(table.U8(HookAt::CaptureMouse), 0);
    EXPECT_EQ(table.U8(HookAt::CaptureTime), 0);
    EXPECT_EQ(table.U8(HookAt::RecordWindowSize), 0);
    EXPECT_EQ(table.U8(HookAt::CaptureReset), 0);
}

TEST(FirstTimeKindTest, StoresTheSettingsAndTheStarterChoices) {
    WizardEnv env = testing::TestEnv();
    env.Settings.CaseSensitive = 1;
    env.Settings.NetworkMode = true;
    env.Settings.SyncMinutes = 25;
    WizardAnswers a = DefaultAnswers();
    LoadFirstTimeAnswers(env.Settings, a);
    EXPECT_TRUE(a.Checked("P66CaseSense"));
    a.SetText("P74SMTPHost", " mail.example.com ");
    a.SetText("P74SMTPPort", "587");
    a.Check("P69CD");
    a.Check("P69Print");
    auto out = std::get<FirstTimeOutcome>(FinishUp(28, a, env));
    SettingsBlock s = env.Settings;
    StoreFirstTimeAnswers(out.Answers, s);
    EXPECT_EQ(s.CaseSensitive, 1);
    EXPECT_EQ(s.SyncMinutes, 25) << "an unchanged network mode keeps its interval";
    EXPECT_FALSE(s.FirstUse);
    EXPECT_EQ(s.SMTPHost.str(), "mail.example.com");
    EXPECT_EQ(s.SMTPPort, 587);
    FirstTimeChoices choices;
    choices.CD = choices.Print = true;
    EXPECT_EQ(out.Choices, choices);

    a.Check("P66CaseSense", false);
    a.Check("P68Network", false);
    a.Check("P65Show", false);
    s = env.Settings;
    StoreFirstTimeAnswers(a, s);
    EXPECT_EQ(s.CaseSensitive, 3);
    EXPECT_FALSE(s.NetworkMode);
    EXPECT_EQ(s.SyncMinutes, 0);
    EXPECT_TRUE(s.FirstUse);
    s.CaseSensitive = 3;
    a.Check("P66CaseSense");
    StoreFirstTimeAnswers(a, s);
    EXPECT_EQ(s.CaseSensitive, 2);
}

TEST(WizardLoadersTest, ListsTheLibraryAndTheSystem) {
    WizardEnv env = testing::TestEnv();
    std::vector<std::string> keys = HotKeyListLines(env);
    ASSERT_EQ(keys.size(), 721u);
    EXPECT_EQ(keys[65], KeyName(65) + "  (1 macro in use)");
    EXPECT_EQ(keys[0], KeyName(0) + "  (Not in Use)");
    auto used = HotKeyUsed(env);
    EXPECT_EQ(used[65] + used[66] + used[600], 3);
    EXPECT_EQ(used[67], 0);
    EXPECT_EQ(PopupMenuLines(env), (std::vector<ListLine>{{"Tools", 3}}));
    EXPECT_EQ(MenuMemberLines(env).size(), 3u);
    EXPECT_EQ(DisplayModeRow(800, 600, 16, 60), " 800 x  600  65536\t Colors  60 hertz");
    EXPECT_EQ(DriveList(0b1101, "C"),
              (std::vector<std::string>{
                  "B:", "C:", "E:", "F:", "G:", "H:", "I:", "J:", "K:", "L:", "M:", "N:",
                  "O:", "P:", "Q:", "R:", "S:", "T:", "U:", "V:", "W:", "X:", "Y:", "Z:"}));
    EXPECT_EQ(ReminderNickname("Dentist\r\nat 3"), "Dentist");
    EXPECT_EQ(ReminderNickname("Call the plumber"), "Call the p");
    EXPECT_TRUE(IsListedProgram("c:\\apps\\tool.exe"));
    EXPECT_FALSE(IsListedProgram("C:\\WINDOWS\\WINHELP.EXE"));
    EXPECT_EQ(KeystrokeChoices().size(), 25u);
    EXPECT_EQ(CaptureSystemMacro(env)->Number, 1);
    WizardAnswers a = DefaultAnswers();
    // A one-time run is offered at the next whole hour, into the next day too.
    for (auto [now, month, shown] :
         {std::tuple{EncodeDateTime(2026, 3, 7, 11, 10), 2, "7/2026 12:00 PM"},
          std::tuple{EncodeDateTime(2026, 12, 31, 23, 30), 0, "1/2027 12:00 AM"}}) {
        LoadOnceMoment(now, a);
        EXPECT_EQ(a.Index("OnceMonth"), month);
        EXPECT_EQ(a.Text("OnceDay") + "/" + a.Text("OnceYear") + " " + a.Text("OnceTimeHour") +
                      ":" + a.Text("OnceTimeMin") + (a.Index("OnceTimePM") == 1 ? " PM" : " AM"),
                  shown);
    }
}

struct ArrangeRow {
    int Panel;
    std::function<void(WizardAnswers&, WizardEnv&)> Setup;
    // Control, then "shown", "hidden", "focus" or the caption it takes.
    std::vector<std::pair<std::string, std::string>> Expected;
};

TEST(WizardLoadersTest, PanelsShowTheirAnswersPartsAndFocusIt) {
    const ArrangeRow rows[] = {
        {8,
         [](WizardAnswers& a, WizardEnv&) { a.Check("P7SpecWin"); },
         {{"P8WindowPart", "shown"}, {"P8ProgPart", "hidden"}, {"P8Title", "focus"}}},
        {8,
         [](WizardAnswers& a, WizardEnv&) { a.Check("P7SpecProg"); },
         {{"P8ProgPart", "shown"}, {"P8WindowPart", "hidden"}, {"P8InstallBox", "focus"}}},
        {8,
         [](WizardAnswers& a, WizardEnv&) { a.Check("P7SpecProg"), a.Check("P8ProgPath"); },
         {{"P8ProgPart", "shown"}, {"P8Path", "focus"}}},
        {63,
         [](WizardAnswers& a, WizardEnv&) { a.Choose("P3KeyList", 100); },
         {{"P63Stop1", KeyName(100)}, {"P63Stop2", KeyName(600)}}},
        {25, [](WizardAnswers&, WizardEnv&) {}, {{"P25Special", "shown"}}},
        {25,
         [](WizardAnswers&, WizardEnv& env) { env.Browser4OrLater = false; },
         {{"P25Special", "hidden"}, {"P25SpecList", "hidden"}}},
        {47, [](WizardAnswers&, WizardEnv&) {}, {{"P47Notice", "hidden"}}},
        {47,
         [](WizardAnswers&, WizardEnv& env) { env.Browser4OrLater = false; },
         {{"P47Notice", "shown"}}},
    };
    for (const ArrangeRow& row : rows) {
        SCOPED_TRACE(row.Panel);
        WizardAnswers a = DefaultAnswers();
        WizardEnv env = testing::TestEnv();
        row.Setup(a, env);
        std::vector<Arranged> arranged = Arrangement(row.Panel, 1, a, env);
        for (const auto& [name, expected] : row.Expected) {
            const std::string& control = name;
            auto it = std::find_if(arranged.begin(), arranged.end(),
                                   [&](const Arranged& x) { return x.Control == control; });
            ASSERT_NE(it, arranged.end()) << control;
            if (expected == "shown" || expected == "hidden")
                EXPECT_EQ(it->Visible, expected == "shown") << control;
            else if (expected == "focus")
                EXPECT_TRUE(it->Focus) << control;
            else
                EXPECT_EQ(it->Caption, expected) << control;
        }
        EXPECT_EQ(std::count_if(arranged.begin(), arranged.end(),
                                [](const Arranged& x) { return x.Focus; }),
                  row.Panel == 8 ? 1 : 0);
    }
    WizardAnswers a = DefaultAnswers();
    DisableOldShellChoices(a, true);
    EXPECT_TRUE(a.Enabled("P47Suspend"));
    DisableOldShellChoices(a, false);
    for (const char* off :
         {"P25Special", "P25SpecList", "P47Minimize", "P47Restore", "P47Undock", "P47Suspend"})
        EXPECT_FALSE(a.Enabled(off)) << off;
    EXPECT_TRUE(a.Enabled("P47Cascade"));
}

}  // namespace
}  // namespace orv::editor
