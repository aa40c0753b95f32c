#include "editor/wizard/wizard_finish.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "common/script/reader.h"
#include "common/script/token_table.h"
#include "common/string_routines.h"
#include "tests/editor/wizard/wizard_fixture.h"

namespace orv::editor {
namespace {

using C = CommandCode;
using testing::BaseAnswers;
using testing::TestEnv;
using Set = std::function<void(WizardAnswers&)>;

const std::string Notepad = "Notepad.lnkC:\\WINDOWS\\NOTEPAD.EXE";
const std::string DateName(DateFormatTable[0].Name);
const std::string TimeName(TimeFormatTable[0].Name);

struct KindRow {
    int Kind;
    Set Answers;
    std::string Script;
    std::vector<CommandCode> Commands;
    std::uint16_t Activation = 100;
    std::int16_t Scope = MacroKind::Global;
    std::string ScopeText = "";
};

// Several settings of the answers in a row.
Set All(std::vector<Set> steps) {
    return [steps](WizardAnswers& a) {
        for (const Set& s : steps) s(a);
    };
}
Set Check(std::string name, bool on = true) {
    return [name, on](WizardAnswers& a) { a.Check(name, on); };
}
Set Text(std::string name, std::string text) {
    return [name, text](WizardAnswers& a) { a.SetText(name, text); };
}
Set Pick(std::string name, std::vector<std::string> lines, int index) {
    return [=](WizardAnswers& a) {
        std::vector<ListLine> ls;
        for (const std::string& l : lines) ls.push_back({l, static_cast<int>(ls.size()) + 1});
        a.SetLines(name, ls);
        a.Choose(name, index);
    };
}

// Every "<" of a script starts a token the player reads.
void ExpectPlayerReadsEveryToken(const std::string& script) {
    for (std::size_t at = 0; at < script.size();) {
        if (script[at] != '<') {
            ++at;
            continue;
        }
        std::size_t length = 0;
        if (auto m = MatchToken(script, at, TokenUse::Player))
            length = m->Length;
        else if (auto d = MatchDateTimeToken(script, at))
            length = d->Length;
        ASSERT_GT(length, 0u) << "unread token at " << at << " of " << script;
        at += length;
    }
}

const std::vector<KindRow>& Rows() {
    static const std::vector<KindRow> rows = {
        {1, Text("P14MyMemo", "Hello<TAB>World"), "Hello<TAB>World", {C::Text}},
        {1,
         All({Text("P14MyMemo", "Hi"), Check("P2Cueword"), Text("P3CuewordName", " sig ")}),
         "Hi",
         {C::Text},
         ActivationCode::Cueword},
        {1,
         All({Text("P14MyMemo", "Hi"), Check("P2Timed")}),
         "Hi",
         {C::Text},
         ActivationCode::Scheduled},
        {1,
         All({Text("P14MyMemo", "Hi"), Check("P2None"), Check("P7SpecWin")}),
         "Hi",
         {C::Text},
         ActivationCode::None},
        {1,
         All({Text("P14MyMemo", "Hi"), Check("P2Title"), Text("P37Title", "Untitled - Notepad")}),
         "Hi",
         {C::Text},
         ActivationCode::WindowTitle,
         MacroKind::Global,
         "Untitled - Notepad"},
        {1,
         All({Text("P14MyMemo", "Hi"), Check("P7SpecProg"), Pick("P8InstallBox", {Notepad}, 0)}),
         "Hi",
         {C::Text},
         100,
         MacroKind::Program,
         "NOTEPAD.EXE"},
        {1,
         All({Text("P14MyMemo", "Hi"), Check("P7SpecProg"), Check("P8ProgPath"),
              Text("P8Path", "winword")}),
         "Hi",
         {C::Text},
         100,
         MacroKind::Program,
         "winword"},
        {1,
         All({Text("P14MyMemo", "Hi"), Check("P7SpecWin"), Text("P8Title", " Untitled ")}),
         "Hi",
         {C::Text},
         100,
         MacroKind::Window,
         "Untitled"},
        {2,
         Text("P12MyMemo", "Hi"),
         "<BEGCLIP>Hi<ENDCLIP><CLIPP>",
         {C::ClipboardStartCopy, C::Text, C::ClipboardEndCopy, C::ClipboardPaste}},
        {2,
         All({Check("P13File"), Text("P12Path", "C:\\T.TXT")}),
         "<CLIPF:C:\\T.TXT><CLIPP>",
         {C::ClipboardFileCopy, C::ClipboardPaste}},
        {2,
         All({Check("P13Graphic"), Text("P12Path", "C:\\P.BMP")}),
         "<CLIPB:C:\\P.BMP><CLIPP>",
         {C::ClipboardGraphicCopy, C::ClipboardPaste}},
        {3, [](WizardAnswers& a) { a.SymbolIndex = 41; }, "\xA9", {C::Text}},
        {4,
         Pick("P32InstallBox", {Notepad}, 0),
         "<LAUNCH:C:\\WINDOWS\\NOTEPAD.EXE>",
         {C::ProgramLaunch}},
        {4,
         All({Pick("P32InstallBox", {Notepad}, 0), Check("P31Yes"), Text("P31Path", "C:\\WORK")}),
         "<CHDIR:C:\\WORK><LAUNCH:C:\\WINDOWS\\NOTEPAD.EXE>",
         {C::ChangeDirectory, C::ProgramLaunch}},
        {4,
         All({Check("P30OpenDoc"), Text("P34Path", "C:\\DOCS\\LONG NAME.DOC"), Check("P31Yes")}),
         "<LAUNCH:C:\\DOCS\\LONGNA~1.DOC>",
         {C::ProgramLaunch}},
        {4,
         All({Check("P30Act"), Text("P33Title", "Notepad")}),
         "<ACTIVATE:Notepad>",
         {C::WindowActivate}},
        {4,
         All({Check("P30LaunchAct"), Check("P32ProgPath"),
              Text("P32Path", "C:\\WINDOWS\\NOTEPAD.EXE"), Text("P33Title", "Untitled")}),
         "<LAUNCHNO:01Untitled<LAUNCH:C:\\WINDOWS\\NOTEPAD.EXE>",
         {C::LaunchAndActivate}},
        {4,
         All({Check("P30ActLaunch"), Pick("P32InstallBox", {Notepad}, 0),
              Text("P33Title", "Untitled")}),
         "<LAUNCHYES:01Untitled<LAUNCH:C:\\WINDOWS\\NOTEPAD.EXE>",
         {C::ActivateOrLaunch}},
        {5, Text("P22URL", "www.example.com"), "<HTTP:www.example.com>", {C::WebSite}},
        {5,
         All({Check("P21FTP"), Text("P22URL", "ftp.example.com")}),
         "<FTP:ftp.example.com>",
         {C::WebFtp}},
        {6,
         All({Pick("P18Format", {"d"}, 0), Pick("P19Format", {"t"}, 0)}),
         "<" + DateName + "{NF000}> <" + TimeName + "{N}>",
         {C::Date, C::Text, C::Time}},
        {6,
         All({Check("P17Date"), Pick("P18Format", {"d"}, 0), Check("P20Past"),
              Text("P20Days", "7")}),
         "<" + DateName + "{NP007}>",
         {C::Date}},
        {6,
         All({Check("P17Date"), Pick("P18Format", {"d"}, 0), Check("P20NextDay")}),
         "<" + DateName + "{NF001}>",
         {C::Date}},
        {6,
         All({Check("P17Time"), Pick("P19Format", {"t"}, 0)}),
         "<" + TimeName + "{N}>",
         {C::Time}},
        {8,
         All({Pick("P6DriveBox", {"F:", "G:"}, 1), Text("P6ProgPath", "\\\\SERVER\\SHARE")}),
         "<NWTPS:<NAME:><PASS:>G:\\\\SERVER\\SHARE>",
         {C::NetworkToggle}},
        {8,
         All({Check("P5Disconnect"), Pick("P6DriveBox", {"G:"}, 0), Check("P29ForceDisc")}),
         "<NWDPFS:G:>",
         {C::NetworkDisconnect}},
        {8,
         All({Check("P5Connect"), Pick("P6DriveBox", {"G:"}, 0), Text("P6ProgPath", "\\\\S\\D"),
              Check("P29UseDefault", false), Check("P29MakePerm", false), Text("P29LogName", "bob"),
              Text("P29LogPass", "pw")}),
         "<NWCS:<NAME:bob><PASS:" + ScrambleText("pw") + ">G:\\\\S\\D>",
         {C::NetworkConnect}},
        {9, {}, "<LOGOFF>", {C::Logoff}},
        {9, Check("P11Power"), "<POWEROFF>", {C::PowerOff}},
        {10,
         All({Text("P26MyMemo", "See dentist"), Check("P26Delete"), Text("P10Nick", "Dentist")}),
         "<BEEP><TBOX:<HEAD:Reminder>See dentist><MACDEL:Dentist>",
         {C::SoundBeep, C::WindowOfText, C::MacroDelete},
         ActivationCode::Scheduled},
        {10,
         All({Text("P26MyMemo", "Stand up"), Check("P26Wave"),
              Text("P26ProgPath", "C:\\DING.WAV")}),
         "<WAV1:C:\\DING.WAV><TBOX:<HEAD:Reminder>Stand up>",
         {C::SoundWaveFile, C::WindowOfText},
         ActivationCode::Scheduled},
        {10,
         All({Text("P26MyMemo", "Quiet"), Check("P26NoSound")}),
         "<TBOX:<HEAD:Reminder>Quiet>",
         {C::WindowOfText},
         ActivationCode::Scheduled},
        {11, Text("P49Path", "C:\\WORK"), "<CHDIR:C:\\WORK>", {C::ChangeDirectory}},
        {11,
         All({Check("P48CopyFile"), Text("P49Path", "C:\\A.TXT"), Text("P49NewName", "C:\\B.TXT")}),
         "<COPYFILE:C:\\A.TXT;C:\\B.TXT>",
         {C::CopyFile}},
        {11,
         All({Check("P48RenameFile"), Text("P49Path", "C:\\A.TXT"), Text("P49NewName", "B.TXT")}),
         "<RENFILE:C:\\A.TXT;B.TXT>",
         {C::RenameFile}},
        {11,
         All({Check("P48DeleteFile"), Text("P49Path", "C:\\A.TXT")}),
         "<DELFILE:C:\\A.TXT>",
         {C::DeleteFile}},
        {11,
         All({Check("P48CreateFolder"), Text("P49Path", "C:\\NEW")}),
         "<MKDIR:C:\\NEW>",
         {C::CreateDirectory}},
        {12, Check("P27Hang"), "<HANG>", {C::DialUpNetworking}},
        {12,
         All({Pick("P28PhoneList", {"ISP"}, 0), Text("P28UserName", "bob"),
              Text("P28Password", "pw")}),
         "<DIAL:<NAME:bob><PASS:" + ScrambleText("pw") + ">ISP>",
         {C::DialUpNetworking}},
        {13, Pick("P16SettingBox", {"a", "b", "c"}, 2), "<SCREEN:002>", {C::DefaultDisplaySize}},
        {14,
         Pick("P15SettingBox", {"HP LaserJet"}, 0),
         "<DEFPRT:HP LaserJet>",
         {C::DefaultPrinter}},
        {15, {}, "<CDPLAY>", {C::CdPlay}},
        {15, All({Check("P42GoTo"), Text("P42Track", "5")}), "<CDGOTO:05>", {C::CdGoToTrack}},
        {15, Check("P42Close"), "<CDCLOSE>", {C::CdCloseTray}},
        {16, Text("P24Path", "C:\\CLIP.AVI"), "<AVII:C:\\CLIP.AVI>", {C::VideoClipPlay}},
        {16,
         All({Check("P24Exit"), Text("P24Path", "C:\\CLIP.AVI")}),
         "<AVIE:C:\\CLIP.AVI>",
         {C::VideoClipPlay}},
        {16,
         All({Check("P24Wait"), Text("P24Path", "C:\\CLIP.AVI")}),
         "<AVI:C:\\CLIP.AVI>",
         {C::VideoClipPlay}},
        {17,
         All({Text("P46FName", "C:\\DING.WAV"), Check("P46Wait")}),
         "<WAV1:C:\\DING.WAV>",
         {C::SoundWaveFile}},
        {17, Text("P46FName", "C:\\DING.WAV"), "<WAV2:C:\\DING.WAV>", {C::SoundWaveFile}},
        {17, Check("P43Audio"), "<AUDMUTE>", {C::AudioMuteToggle}},
        {17, All({Check("P43Audio"), Check("P44BassDown")}), "<BASSDOWN>", {C::AudioBass}},
        {17, All({Check("P43MIDI"), Check("P45MIDIUp")}), "<MIDIUP>", {C::MidiVolume}},
        {19,
         All({Text("P23Bit", "C:\\W\\SEA.BMP"), Check("P23Positioned"), Text("P23Left", "5"),
              Text("P23Top", "40")}),
         "<WALLP:0005,0040C:\\W\\SEA.BMP>",
         {C::Wallpaper}},
        {19, Text("P23Bit", "C:\\W\\SEA.BMP"), "<WALLT:C:\\W\\SEA.BMP>", {C::Wallpaper}},
        {19,
         All({Text("P23Bit", "C:\\W\\SEA.BMP"), Check("P23Stretch")}),
         "<WALLS:C:\\W\\SEA.BMP>",
         {C::Wallpaper}},
        {19,
         All({Text("P23Bit", "C:\\W\\SEA.BMP"), Check("P23Centered")}),
         "<WALLC:C:\\W\\SEA.BMP>",
         {C::Wallpaper}},
        {20,
         All({Check("P35SizeTop"), Text("P36Width", "800"), Text("P36Height", "600")}),
         "<WSIZE:0800,0600\"CURRENT\">",
         {C::WindowResize}},
        {20,
         All({Check("P35RepChoice"), Text("P33Title", "Notepad"), Text("P36Width", "10"),
              Text("P36Height", "20")}),
         "<WPOS:0020,0010Notepad>",
         {C::WindowReposition}},
        {21, {}, "<WMAX:\"CURRENT\">", {C::WindowMaximize}},
        {21,
         All({Check("P38Close"), Check("P39Choice"), Text("P40Title", "Notepad")}),
         "<WCLS:Notepad>",
         {C::WindowClose}},
        {22, Text("P25Path", "C:\\WORK"), "<EXPLORE:C:\\WORK>", {C::OpenFolderInExplorer}},
        {22,
         All({Check("P25Special"), Pick("P25SpecList", {"a", "b", "c", "d", "e", "f"}, 5)}),
         "<EXPMC>",
         {C::OpenExplorerTo}},
        {23, {}, "<CASCDESK>", {C::DeskTopCascade}},
        {23, Check("P47Horizontal"), "<TILHDESK>", {C::DeskTopTile}},
        {23, Check("P47Undock"), "<UNDOCK>", {C::UndockComputer}},
        {24, {}, "<SSON>", {C::ScreenSaver}},
        {24, Check("P41Off"), "<SSOFF>", {C::ScreenSaver}},
        {24, All({Check("P41Idle"), Text("P41Minutes", "15")}), "<SSTIME:15>", {C::ScreenSaver}},
        {26,
         Pick("P64NewBox", {"Hello", "Notes"}, -1),
         "<MACRUN:Hello><MACRUN:Notes>",
         {C::MacroRun, C::MacroRun}},
        {26, {}, "", {}},
        {27, [](WizardAnswers& a) { a.CommandText = "<CDPLAY>"; }, "<CDPLAY>", {C::CdPlay}},
        {29,
         All({Check("P75Prompt"), Check("P83Prompt"), Check("P77PromptAttach")}),
         "<EMAIL:RNR2S2A3>",
         {C::EMailSend}},
        {29,
         All({Text("P76Person", "Ann"), Text("P76Address", "ann@x.com"), Text("P83Memo", "Hi")}),
         "<EMAIL:RNR1TOAnn|ann@x.com;\x01S1Hi\x01No Subject\x01"
         "A1>",
         {C::EMailSend}},
        {29,
         All({Check("P78RAS"), Pick("P28PhoneList", {"ISP"}, 0), Text("P28UserName", "bob"),
              Text("P28Password", "pw"), Check("P75cc"), Pick("P76AddressBox", {"Ann|a@x"}, -1),
              [](WizardAnswers& a) { a.Select("P76AddressBox", 0); }, Text("P81Address", "c@x"),
              Check("P83Clip"), Text("P83Subject", "Notes"), Check("P83Request"),
              Check("P77ChooseAttach"), Pick("P77AttachBox", {"C:\\A.TXT"}, -1)}),
         "<DIAL:<NAME:bob><PASS:" + ScrambleText("pw") +
             ">ISP><EMAIL:RYR1TOAnn|a@x;\x01"
             "CC|c@x;\x01"
             "S3Notes\x01"
             "A2C:\\A.TXT;\x01><HANG>",
         {C::DialUpNetworking, C::EMailSend, C::DialUpNetworking}},
    };
    return rows;
}

TEST(FinishUpTest, EveryKindMakesItsRecordAndScript) {
    WizardEnv env = TestEnv();
    for (const KindRow& row : Rows()) {
        SCOPED_TRACE("kind " + std::to_string(row.Kind) + ": " + row.Script);
        WizardAnswers a = BaseAnswers();
        if (row.Answers)
            row.Answers(a);
        FinishOutcome outcome = FinishUp(row.Kind, a, env);
        ASSERT_TRUE(std::holds_alternative<MacroOutcome>(outcome));
        const MacroRecord& r = std::get<MacroOutcome>(outcome).Record;
        EXPECT_EQ(r.ScriptText(), row.Script);
        EXPECT_EQ(r.ActivationCode, row.Activation);
        EXPECT_EQ(r.MacroKind, row.Scope);
        EXPECT_EQ(r.ScopeText.str(), row.ScopeText);
        EXPECT_EQ(r.Enabled, 1);
        EXPECT_EQ(r.Changed, testing::WizardToday());
        EXPECT_LE(r.ScriptText().size(), MaxScriptLength);
        std::vector<CommandCode> read;
        for (const CommandLine& line : ReadScript(r.ScriptText())) read.push_back(line.Code);
        EXPECT_EQ(read, row.Commands);
        ExpectPlayerReadsEveryToken(r.ScriptText());
        std::array<std::uint8_t, MacroRecord::Size> image{}, again{};
        r.Encode(image);
        MacroRecord::Decode(image).Encode(again);
        EXPECT_EQ(image, again);
    }
}

TEST(FinishUpTest, NewMacroFieldsComeFromSettingsAndSchedule) {
    WizardEnv env = TestEnv();
    env.Settings.CaseSensitive = 2;
    env.Settings.NoRemove = true;
    WizardAnswers a = BaseAnswers();
    a.Check("P2Timed");
    a.Check("Weekly");
    a.SetText("WeeklyHour", "7");
    a.SetText("WeeklyMin", "05");
    a.Choose("WeeklyPM", 1);
    a.Choose("WeeklyDayOfWeek", 3);
    a.Check("Friday");
    a.Check("P9AddYes");
    a.SetLines("P9PopupList", {{"Tools", 3}});
    a.Choose("P9PopupList", 0);
    auto out = std::get<MacroOutcome>(FinishUp(9, a, env));
    const MacroRecord& r = out.Record;
    EXPECT_EQ(r.Nickname.str(), "Nick");
    EXPECT_EQ(r.IconName.str(), "MAIN");
    EXPECT_EQ(r.CuewordCase, 2);
    EXPECT_EQ(r.CuewordRemove, 2);
    EXPECT_EQ(r.ScheduleKind, 4);
    EXPECT_EQ(r.Hour, 7);
    EXPECT_EQ(r.Minute, 5);
    EXPECT_EQ(r.Pm, 1);
    EXPECT_EQ(r.Weekday, 4);
    EXPECT_EQ(r.DayFlags, (std::array<std::uint8_t, 7>{0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(r.Year, 2026);
    EXPECT_EQ(out.AddToMenu, 3);
}

TEST(FinishUpTest, AnswersOfPassedOverPanelsAreNotUsed) {
    WizardAnswers a = BaseAnswers();
    a.Check("P7SpecWin");
    a.SetText("P8Title", "Word");
    a.Check("P9AddYes");
    a.SetLines("P9PopupList", {{"Tools", 3}});
    a.Choose("P9PopupList", 0);
    a.Check("P2None");
    WizardEnv env = TestEnv();
    env.Library.pop_back();
    env.Library.erase(env.Library.begin() + 2);  // no pop-up menu left: panel 9 is passed over
    auto out = std::get<MacroOutcome>(FinishUp(9, a, env));
    EXPECT_EQ(out.Record.MacroKind, MacroKind::Global);
    EXPECT_EQ(out.Record.ScopeText.str(), "");
    EXPECT_EQ(out.AddToMenu, 0);
}

TEST(FinishUpTest, PopupMenuStoresItsMembersAndOptions) {
    WizardAnswers a = BaseAnswers();
    a.SetLines("P50Macros", {{"Hello", 2}, {"Notes", 4}, {"X", 5}, {"Y", 6}});
    for (int i : {0, 1, 3}) a.Select("P50Macros", i);
    a.Check("P51Icons");
    a.Choose("P51IconSize", 2);
    auto out = std::get<MacroOutcome>(FinishUp(25, a, TestEnv()));
    EXPECT_EQ(out.Record.MacroKind, MacroKind::PopupMenu);
    EXPECT_EQ(out.Record.CuewordText.str(), "Y22");
    EXPECT_EQ(out.Record.PopupMembers(), (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(out.Record.IconName.str(), "MENU");
    EXPECT_TRUE(out.TrayMenu);
    a.Check("P52No");
    a.Check("P51Nick");
    a.Choose("P51IconSize", 0);
    a.MacroIcon = "STAR.ICO";
    out = std::get<MacroOutcome>(FinishUp(25, a, TestEnv()));
    EXPECT_EQ(out.Record.CuewordText.str(), "N30");
    EXPECT_EQ(out.Record.IconName.str(), "STAR.ICO");
    EXPECT_FALSE(out.TrayMenu);
}

TEST(FinishUpTest, WindowsHotKeysAskFirst) {
    auto warning = WarnWindowsHotKey(558);
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->Caption, "Warning");
    EXPECT_EQ(warning->Text,
              "Win+E may be used internally by Windows 95, 98 or NT.  This may cause the hot key "
              "not to function correctly. Would you still like to use Win+E?");
    EXPECT_FALSE(WarnWindowsHotKey(557 + 100));

    WizardAnswers a = BaseAnswers();
    a.Choose("P3KeyList", 558);
    EXPECT_TRUE(std::holds_alternative<HotKeyWarning>(FinishUp(9, a, TestEnv())));
    auto out = std::get<MacroOutcome>(FinishUp(9, a, TestEnv(), true));
    EXPECT_EQ(out.Record.ActivationCode, 558);
}

TEST(FinishUpTest, ValuesNoTokenCarriesAreRefused) {
    struct Case {
        int Kind;
        Set Answers;
        std::string Focus;
    };
    const Case cases[] = {
        {5, Text("P22URL", "a>b"), "P22URL"},
        {4,
         All({Check("P30LaunchAct"), Check("P32ProgPath"), Text("P32Path", "C:\\X.EXE"),
              Text("P33Title", "a<b")}),
         "P33Title"},
        {12,
         All({Pick("P28PhoneList", {"ISP"}, 0), Text("P28UserName", "u"),
              Text("P28Password", "W")}),
         "P28Password"},
        {29, All({Text("P76Address", "a;b@x")}), "P76Address"},
        {11, All({Check("P48CopyFile"), Text("P49Path", "C:\\A;B"), Text("P49NewName", "C")}),
         "P49Path"},
        {1, Text("P14MyMemo", std::string(5001, 'x')), "P14MyMemo"},
    };
    for (const Case& c : cases) {
        WizardAnswers a = BaseAnswers();
        c.Answers(a);
        FinishOutcome out = FinishUp(c.Kind, a, TestEnv());
        ASSERT_TRUE(std::holds_alternative<WizardRefusal>(out)) << c.Focus;
        EXPECT_EQ(std::get<WizardRefusal>(out).Focus, c.Focus);
    }
    WizardAnswers a = BaseAnswers();
    a.SetText("P14MyMemo", std::string(5001, 'x'));
    EXPECT_EQ(std::get<WizardRefusal>(FinishUp(1, a, TestEnv())).Message,
              "The size of the macro exceeds the 5,000 character limit.  Please shorten it.");
}

}  // namespace
}  // namespace orv::editor
