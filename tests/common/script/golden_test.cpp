// One row per token form: text to command line to display and back to text.
#include <gtest/gtest.h>

#include <set>

#include "common/script/compose.h"
#include "common/script/reader.h"
#include "common/script/token_table.h"
#include "common/script/writer.h"
#include "common/string_routines.h"

namespace orv {
namespace {

using C = CommandCode;

struct Golden {
    std::string text;
    C code;
    std::string display;
    // The form a dialog's record of the same values is written in, when it
    // differs (older forms); the line as read is written back as it stood.
    std::string written = "";
};

const std::string Password = ScrambleText("secret");

const Golden Rows[] = {
    {"abc<ENTER>def<ALT:065><ALT4:0233>", C::Text, "Text: abc<ENTER>def<ALT:065><ALT4:0233>"},
    {"<DD/MM/YY{NP007}>", C::Date, "Date (7 days in past): DD/MM/YY  (30/03/98)"},
    {"<MM/DD/YY{YF001}>", C::Date, "Date (1 day in future): MM/DD/YY  (03/30/98)"},
    {"<MM{YF000}>", C::Date, "Date: MM  (03)"},
    {"<Day of Week 4{NF000}>", C::Date, "Date: Day of Week 4  (MONDAY)"},
    {"<MM/DD/YY{Y}>", C::Date, "Date: MM/DD/YY  (03/30/98)", "<MM/DD/YY{YF000}>"},
    {"<hh:mm am{N}>", C::Time, "Time: hh:mm am  (3:04 pm)"},
    {"<hh{Y}>", C::Time, "Time: hh  (15)"},
    {"<DELAY:00.50>", C::Delay, "Delay 0.50 Seconds"},
    {"<MSD:0075>", C::Delay, "Delay 75 Milliseconds"},
    {"<TDELAY:05>", C::WaitTimeDelay, "Wait Time Delay 5 Seconds"},
    {"<PAUSE>", C::Pause, "Pause: Basic"},
    {"<PAUSE:100,200Press OK to go on>", C::Pause, "Pause: Complex"},
    {"<REP:0003:000001:000001>", C::RepeatStart,
     "Repeat Start: 3 Times, Starting at 1 Stepping by 1"},
    {"<REPEAT:0005>", C::RepeatStart, "Repeat Start: 5", "<REP:0005:000001:000001>"},
    {"<PROMPTREP>", C::RepeatPromptStart,
     "Repeat Prompt Start: (prompt for repeat count at macro play time)"},
    {"<ENDREP>", C::RepeatEnd, "Repeat End"},
    {"<I>", C::RepeatCounter, "Repeat Counter: Width 1"},
    {"<II>", C::RepeatCounter, "Repeat Counter: Width 2"},
    {"<III>", C::RepeatCounter, "Repeat Counter: Width 3"},
    {"<IIII>", C::RepeatCounter, "Repeat Counter: Width 4"},
    {"<SPKEY:0020>", C::KeystrokeSpeed, "Keystroke Speed: 20 Milliseconds"},
    {"<SPMSE:0100>", C::MouseSpeed, "Mouse Speed: 100 Milliseconds"},
    {"<SPEED:02.00>", C::MacroPlaybackSpeed, "Macro Playback Speed: 2 Times Slower Than Normal"},
    {"<SPEED:02.50>", C::MacroPlaybackSpeed, "Macro Playback Speed: 2.5 Times Slower Than Normal"},
    {"<SPEED:00.50>", C::MacroPlaybackSpeed, "Macro Playback Speed: 2 Times Faster Than Normal"},
    {"<SPEED:01.00>", C::MacroPlaybackSpeed, "Macro Playback Speed: Normal Speed"},
    {"<SPEED:00.00>", C::MacroPlaybackSpeed, "Macro Playback Speed: No Speed"},
    {"<SPEED:00001>", C::MacroPlaybackSpeed, "Macro Playback Speed: Normal Speed", "<SPEED:01.00>"},
    {"<SPEED:00002>", C::MacroPlaybackSpeed, "Macro Playback Speed: 2 Times Slower Than Normal",
     "<SPEED:02.00>"},
    {"<ACTIVATE:Notepad>", C::WindowActivate, "Window Activate: \"Notepad\""},
    {"<LAUNCHDEL:02C:\\Win\\notepad.exe<PARAM>a.txt>", C::ProgramLaunch,
     "Program Launch: notepad.exe"},
    {"<LAUNCHDEL:00C:\\x.exe>", C::ProgramLaunch, "Program Launch: x.exe"},
    {"<LAUNCH:C:\\x.exe>", C::ProgramLaunch, "Program Launch: x.exe", "<LAUNCHDEL:00C:\\x.exe>"},
    {"<LAUNCHYES2:0312Notepad<LAUNCH:C:\\notepad.exe>", C::ActivateOrLaunch,
     "Activate or Launch: notepad.exe"},
    {"<LAUNCHNO2:0530Calc<LAUNCH:calc.exe<PARAM>/x>", C::LaunchAndActivate,
     "Launch and Activate: calc.exe"},
    {"<LAUNCHNO:05Calc<LAUNCH:calc.exe>", C::LaunchAndActivate, "Launch and Activate: calc.exe",
     "<LAUNCHNO2:0512Calc<LAUNCH:calc.exe>"},
    {"<LAUNCHYES:07Word<LAUNCH:w.exe>", C::ActivateOrLaunch, "Activate or Launch: w.exe",
     "<LAUNCHYES2:0712Word<LAUNCH:w.exe>"},
    {"<BEEP>", C::SoundBeep, "Sound Beep"},
    {"<WAV1:C:\\s\\ding.wav>", C::SoundWaveFile, "Sound Wave File: ding.wav"},
    {"<WAV2:x.wav>", C::SoundWaveFile, "Sound Wave File: x.wav"},
    {"<SWAP:C:\\m\\other.orn>", C::LoadNewMacroFile, "Load New Macro File: other.orn"},
    {"<TFILE:C:\\t\\a.txt>", C::LoadTextFile, "Load Text File: a.txt"},
    {"<WSIZE:0640,0480\"CURRENT\">", C::WindowResize,
     "Window Resize - Current Win (Width: 640 Height: 480)"},
    {"<WPOS:0010,0020Notepad>", C::WindowReposition,
     "Window Reposition - \"Notepad\" (Left: 10 Top: 20)"},
    {"<WPOS2:-0005,00000Calc>", C::WindowReposition,
     "Window Reposition - \"Calc\" (Left: -5 Top: 0)"},
    {"<WPOS2:00010,00020Calc>", C::WindowReposition,
     "Window Reposition - \"Calc\" (Left: 10 Top: 20)", "<WPOS:0010,0020Calc>"},
    {"<WMAX:\"CURRENT\">", C::WindowMaximize, "Window Maximize - Current Win"},
    {"<WMIN:Calc>", C::WindowMinimize, "Window Minimize - Window Title: Calc"},
    {"<WRES:Calc>", C::WindowRestore, "Window Restore - Window Title: Calc"},
    {"<WCLS:Calc>", C::WindowClose, "Window Close - Window Title: Calc"},
    {"<WHIDE:Calc>", C::WindowHide, "Window Hide - Window Title: Calc"},
    {"<WSHOW:\"CURRENT\">", C::WindowShow, "Window Show - Current Win"},
    {"<WSHUT:Word>", C::ProgramShutDown, "Program Shut Down - Window Title: Word"},
    {"<MMS:00010,00020>", C::MouseMove, "Mouse Move Screen 10,20"},
    {"<MMW:-0005,00120>", C::MouseMove, "Mouse Move Window -5,120"},
    {"<MMP:00001,-0001>", C::MouseMove, "Mouse Move Position 1,-1"},
    {"<MMC>", C::MouseMove, "Mouse Move To Caret"},
    {"<LCLK>", C::MouseLeftButton, "Mouse Left Button Click"},
    {"<LDCLK>", C::MouseLeftButton, "Mouse Left Button Double Click"},
    {"<LDN>", C::MouseLeftButton, "Mouse Left Button Down"},
    {"<LUP>", C::MouseLeftButton, "Mouse Left Button Up"},
    {"<RCLK>", C::MouseRightButton, "Mouse Right Button Click"},
    {"<RDCLK>", C::MouseRightButton, "Mouse Right Button Double Click"},
    {"<RDN>", C::MouseRightButton, "Mouse Right Button Down"},
    {"<RUP>", C::MouseRightButton, "Mouse Right Button Up"},
    {"<MCLK>", C::MouseMiddleButton, "Mouse Middle Button Click"},
    {"<MDCLK>", C::MouseMiddleButton, "Mouse Middle Button Double Click"},
    {"<MDN>", C::MouseMiddleButton, "Mouse Middle Button Down"},
    {"<MUP>", C::MouseMiddleButton, "Mouse Middle Button Up"},
    {"<WFW:003>", C::MouseWheel, "Mouse Wheel 3 Clicks Forward"},
    {"<WBW:010>", C::MouseWheel, "Mouse Wheel 10 Clicks Backward"},
    {"<REM:check this>", C::Remark, "Remark: check this"},
    {"<CLIPC>", C::ClipboardCopy, "Clipboard Copy"},
    {"<CLIPP>", C::ClipboardPaste, "Clipboard Paste"},
    {"<BEGCLIP>", C::ClipboardStartCopy, "Clipboard Start Copy"},
    {"<ENDCLIP>", C::ClipboardEndCopy, "Clipboard End Copy"},
    {"<CLIPF:C:\\a\\b.txt>", C::ClipboardFileCopy, "Clipboard File Copy: b.txt"},
    {"<CLIPB:C:\\p.bmp>", C::ClipboardGraphicCopy, "Clipboard Graphic Copy: p.bmp"},
    {"<CLIPTYPE>", C::ClipboardTypeText, "Clipboard Type Text"},
    {"<CLIPTYPEI>", C::ClipboardTypeText, "Clipboard Type Text"},
    {"<CLIPST::PROMPT:>", C::ClipboardSaveText, "Clipboard Save Text: (Prompt for file name)"},
    {"<CLIPAT:C:\\log.txt>", C::ClipboardAppendText, "Clipboard Append Text: log.txt"},
    {"<CLIPSG:C:\\g.jpg>", C::ClipboardSaveGraphic, "Clipboard Save Graphic: g.jpg"},
    {"<CTLD>", C::ControlKey, "Control Key Down"},
    {"<CTLU>", C::ControlKey, "Control Key Up"},
    {"<ALTD>", C::AltKey, "Alt Key Down"},
    {"<ALTU>", C::AltKey, "Alt Key Up"},
    {"<SHFD>", C::ShiftKey, "Shift Key Down"},
    {"<SHFU>", C::ShiftKey, "Shift Key Up"},
    {"<WIND>", C::WinKey, "Win Key Down"},
    {"<WINU>", C::WinKey, "Win Key Up"},
    {"<HTTP:www.example.org>", C::WebSite, "Web Site: www.example.org"},
    {"<FTP:ftp.example.org>", C::WebFtp, "Web FTP: ftp.example.org"},
    {"<CHDIR:C:\\Temp>", C::ChangeDirectory, "Change Directory/Folder: C:\\Temp"},
    {"<MKDIR:C:\\New>", C::CreateDirectory, "Create Directory/Folder: C:\\New"},
    {"<DELFILE:C:\\a\\b.txt>", C::DeleteFile, "Delete File: b.txt"},
    {"<COPYFILE:C:\\a.txt;D:\\b.txt>", C::CopyFile, "Copy File: a.txt"},
    {"<RENFILE:C:\\old.txt;new.txt>", C::RenameFile, "Rename File: old.txt"},
    {"<MACRUN:Greeting>", C::MacroRun, "Macro Run: Greeting"},
    {"<MACDEL:Greeting>", C::MacroDelete, "Macro Delete: Greeting"},
    {"<MACACT:Greeting>", C::MacroActivate, "Macro Activate: Greeting"},
    {"<MACDEACT:Greeting>", C::MacroDeactivate, "Macro Deactivate: Greeting"},
    {"<NWCPS:<NAME:bob><PASS:" + Password + ">F:\\\\server\\share>", C::NetworkConnect,
     "Network Connect: F: to \\\\server\\share"},
    {"<NWC:<NAME:><PASS:>G:\\\\srv\\x>", C::NetworkConnect, "Network Connect: G: to \\\\srv\\x"},
    {"<NWTS:<NAME:ann><PASS:>G:\\\\srv\\x>", C::NetworkToggle, "Network Toggle: G: to \\\\srv\\x"},
    {"<NWDPFS:F:>", C::NetworkDisconnect, "Network Disconnect: F:"},
    {"<NWDF:H:>", C::NetworkDisconnect, "Network Disconnect: H:"},
    {"<TBOX:<HEAD:Note>Hello there>", C::WindowOfText, "Window of Text: Hello there"},
    {"<AVI:C:\\v\\clip.avi>", C::VideoClipPlay, "Video Clip Play: clip.avi"},
    {"<AVII:clip.avi>", C::VideoClipPlay, "Video Clip Play: clip.avi"},
    {"<AVIE:clip.avi>", C::VideoClipPlay, "Video Clip Play: clip.avi"},
    {"<CDPLAY>", C::CdPlay, "CD-Rom Play"},
    {"<CDSTOP>", C::CdStop, "CD-Rom Stop"},
    {"<CDPAUSE>", C::CdPause, "CD-Rom Pause"},
    {"<CDNEXT>", C::CdNextTrack, "CD-Rom Next Track"},
    {"<CDPREV>", C::CdPreviousTrack, "CD-Rom Previous Track"},
    {"<CDGOTO:05>", C::CdGoToTrack, "CD-Rom Go To Track 5"},
    {"<CDSTEP:10>", C::CdStep, "CD-Rom Step Forward 10 Seconds"},
    {"<CDBACK:03>", C::CdBack, "CD-Rom Back Up 3 Seconds"},
    {"<CDEJECT>", C::CdEject, "CD-Rom Eject"},
    {"<CDCLOSE>", C::CdCloseTray, "CD-Rom Close Tray"},
    {"<EXPLORE:C:\\Docs>", C::OpenFolderInExplorer, "Open Folder In Explorer: C:\\Docs"},
    {"<CASCDESK>", C::DeskTopCascade, "DeskTop Cascade"},
    {"<TILVDESK>", C::DeskTopTile, "DeskTop Tile Vertically"},
    {"<TILHDESK>", C::DeskTopTile, "DeskTop Tile Horizontally"},
    {"<MINIDESK>", C::DeskTopMinimizeAll, "DeskTop Minimize All"},
    {"<RESTDESK>", C::DeskTopRestoreAll, "DeskTop Restore All"},
    {"<DEFPRT:LaserJet 4>", C::DefaultPrinter, "Default Printer: LaserJet 4"},
    {"<SCREEN:003>", C::DefaultDisplaySize, "Default Display Size"},
    {"<LOGOFF>", C::Logoff, "Logoff"},
    {"<REBOOT>", C::Reboot, "Reboot"},
    {"<SHUTDOWN>", C::ShutDown, "Shut Down"},
    {"<POWEROFF>", C::PowerOff, "Power Off"},
    {"<SSON>", C::ScreenSaver, "Screen Saver On"},
    {"<SSOFF>", C::ScreenSaver, "Screen Saver Off"},
    {"<SSTIME:15>", C::ScreenSaver, "Screen Saver Timer Set To 15 Minutes"},
    {"<KEYSPD:20>", C::KeyboardRepeatSpeed, "Keyboard Repeat Speed"},
    {"<KEYDEL:02>", C::KeyboardDelay, "Keyboard Delay"},
    {"<WALLT:C:\\w\\tile.bmp>", C::Wallpaper, "Wallpaper: tile.bmp"},
    {"<WALLC:c.bmp>", C::Wallpaper, "Wallpaper: c.bmp"},
    {"<WALLS:s.bmp>", C::Wallpaper, "Wallpaper: s.bmp"},
    {"<WALLP:0100,0200C:\\w\\p.bmp>", C::Wallpaper, "Wallpaper: p.bmp"},
    {"<WBSIZE:04>", C::WindowsSizingBorder, "Windows Sizing Border"},
    {"<AUDOFF>", C::AudioVolume, "Audio Volume Off"},
    {"<AUDON>", C::AudioVolume, "Audio Volume On Full"},
    {"<AUDUP>", C::AudioVolume, "Audio Volume Up"},
    {"<AUDDOWN>", C::AudioVolume, "Audio Volume Down"},
    {"<AUDMUTE>", C::AudioMuteToggle, "Audio Mute Toggle"},
    {"<AUDLEFT>", C::AudioBalance, "Audio Balance Left"},
    {"<AUDRIGHT>", C::AudioBalance, "Audio Balance Right"},
    {"<AUDCENTER>", C::AudioBalance, "Audio Balance Centered"},
    {"<TREBUP>", C::AudioTreble, "Audio Treble Up"},
    {"<TREBDOWN>", C::AudioTreble, "Audio Treble Down"},
    {"<BASSUP>", C::AudioBass, "Audio Bass Up"},
    {"<BASSDOWN>", C::AudioBass, "Audio Bass Down"},
    {"<MIDIOFF>", C::MidiVolume, "MIDI Volume Off"},
    {"<MIDION>", C::MidiVolume, "MIDI Volume On Full"},
    {"<MIDIUP>", C::MidiVolume, "MIDI Volume Up"},
    {"<MIDIDOWN>", C::MidiVolume, "MIDI Volume Down"},
    {"<MIDIMUTE>", C::MidiMuteToggle, "MIDI Mute Toggle"},
    {"<MIDILEFT>", C::MidiBalance, "MIDI Balance Left"},
    {"<MIDIRIGHT>", C::MidiBalance, "MIDI Balance Right"},
    {"<MIDICENTER>", C::MidiBalance, "MIDI Balance Centered"},
    {"<WAITWIN:005:Notepad>", C::WaitForWindowTitle, "Wait For Window Title: Notepad"},
    {"<WAITWLF:000:Calc>", C::WaitWindowLoseFocus, "Wait Window Lose Focus: Calc"},
    {"<WAITPROG:010:winword>", C::WaitProgramTerminate, "Wait Program Terminate: winword"},
    {"<WAITKEY:001:F5>", C::WaitForKeyPress, "Wait For Key Press"},
    {"<WAITTXTY:002:Hello>", C::WaitForText, "Wait For Text: Hello"},
    {"<WAITTXTN:002:hello>", C::WaitForText, "Wait For Text: hello"},
    {"<WAITLM:003>", C::WaitLeftMouseClick, "Wait Left Mouse Click"},
    {"<WAITRM:000>", C::WaitRightMouseClick, "Wait Right Mouse Click"},
    {"<WAITMM:999>", C::WaitMiddleMouseClick, "Wait Middle Mouse Click"},
    {"<WAITPB>", C::WaitTextPlayback, "Wait Text Playback"},
    {"<WAITTIME:00000125>", C::WaitTimeElapse, "Wait Time Elapse: 2 Minutes 5 Seconds"},
    {"<DIAL:<NAME:bob><PASS:" + Password + ">MyISP>", C::DialUpNetworking,
     "Dial-Up Networking: Dial MyISP"},
    {"<HANG>", C::DialUpNetworking, "Dial-Up Networking: Hang Up"},
    {"<EMAIL:RYR1TOBob|bob@example.org;\x01"
     "CC\x01"
     "BL\x01"
     "S1Hello\x01Subject\x01"
     "A1>",
     C::EMailSend, "E-Mail Send: Know Recipients, Fixed Text, No Attachments"},
    {"<EMAIL:RNR2S2A3>", C::EMailSend,
     "E-Mail Send: Prompt For Recipients, Prompt For Text, Prompt For Attachments"},
    {"<EMAIL:RNR2S3Subject\x01"
     "A2C:\\a.txt;\x01>",
     C::EMailSend, "E-Mail Send: Prompt For Recipients, Text From Clipboard, Attachments"},
    {"<EMAIL:RNR2S4C:\\body.txt\x01Subject\x01"
     "A1>",
     C::EMailSend, "E-Mail Send: Prompt For Recipients, Text From File, No Attachments"},
    {"<ETEXT:0A1B2C3D>", C::EncryptedText, "Encrypted Text"},
    {"<EXPCP>", C::OpenExplorerTo, "Open Explorer To: Control Panel"},
    {"<EXPDT>", C::OpenExplorerTo, "Open Explorer To: DeskTop"},
    {"<EXPDP>", C::OpenExplorerTo, "Open Explorer To: DeskTop Programs"},
    {"<EXPFV>", C::OpenExplorerTo, "Open Explorer To: Favorites"},
    {"<EXPFT>", C::OpenExplorerTo, "Open Explorer To: Fonts"},
    {"<EXPMC>", C::OpenExplorerTo, "Open Explorer To: My Computer"},
    {"<EXPNW>", C::OpenExplorerTo, "Open Explorer To: Network Neighborhood"},
    {"<EXPPR>", C::OpenExplorerTo, "Open Explorer To: Printers"},
    {"<EXPPF>", C::OpenExplorerTo, "Open Explorer To: Programs"},
    {"<EXPRD>", C::OpenExplorerTo, "Open Explorer To: Recent Documents"},
    {"<EXPRB>", C::OpenExplorerTo, "Open Explorer To: Recycle Bin"},
    {"<EXPSM>", C::OpenExplorerTo, "Open Explorer To: Start Menu"},
    {"<EXPSU>", C::OpenExplorerTo, "Open Explorer To: Startup Folder"},
    {"<EXPUD>", C::OpenExplorerTo, "Open Explorer To: User Documents"},
    {"<RUNDT>", C::RunDialogWindow, "Run Dialog Window: Date and Time"},
    {"<RUNFC>", C::RunDialogWindow, "Run Dialog Window: Find Computer"},
    {"<RUNFF>", C::RunDialogWindow, "Run Dialog Window: Find Files"},
    {"<RUNRP>", C::RunDialogWindow, "Run Dialog Window: Run Program"},
    {"<UNDOCK>", C::UndockComputer, "Undock Computer"},
    {"<SUSPEND>", C::SuspendComputer, "Suspend Computer"},
};

TEST(GoldenTable, EveryFormReadsToOneLineAndWritesBack) {
    for (const Golden& row : Rows) {
        SCOPED_TRACE(row.text);
        std::vector<CommandLine> lines = ReadScript(row.text);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].Code, row.code);
        EXPECT_EQ(lines[0].Text, row.display);
        EXPECT_TRUE(IsRecordOf(row.code, lines[0].Record));
        ScriptTextResult untouched = ComposeScript(lines);
        ASSERT_TRUE(untouched.Ok()) << untouched.Error;
        EXPECT_EQ(untouched.Text, row.text);
        lines[0].Source.clear();  // as a dialog gives it
        ScriptTextResult composed = ComposeScript(lines);
        ASSERT_TRUE(composed.Ok()) << composed.Error;
        EXPECT_EQ(composed.Text, row.written.empty() ? row.text : row.written);
    }
}

// The player takes every command token over the same extent as the editor.
TEST(GoldenTable, PlayerMatchesTheSameExtent) {
    for (const Golden& row : Rows) {
        if (row.code == C::Text || row.code == C::Date || row.code == C::Time)
            continue;
        SCOPED_TRACE(row.text);
        auto m = MatchToken(row.text, 0, TokenUse::Player);
        ASSERT_TRUE(m);
        EXPECT_EQ(m->Length, row.text.size());
        EXPECT_EQ(m->Form->Code, row.code);
    }
}

TEST(GoldenTable, CoversEveryCommand) {
    std::set<C> covered;
    for (const Golden& row : Rows) covered.insert(row.code);
    for (int code = 1; code <= CommandCount; ++code) {
        EXPECT_TRUE(covered.count(CodeOf(code))) << CommandName(CodeOf(code));
    }
}

TEST(GoldenTable, RecordsHoldTheTokenFields) {
    auto only = [](std::string_view text) { return ReadScript(text).at(0).Record; };
    EXPECT_EQ(std::get<RepeatRec>(only("<REP:0003:000010:000005>")), (RepeatRec{1, 3, 10, 5}));
    EXPECT_EQ(std::get<RepeatRec>(only("<REPEAT:0005>")), (RepeatRec{1, 5, 1, 1}));
    EXPECT_EQ(std::get<MouseRec>(only("<MMW:-0005,00120>")), (MouseRec{-5, 120, 0, 1, 2}));
    EXPECT_EQ(std::get<PauseRec>(only("<PAUSE:100,200Go>")), (PauseRec{2, 100, 200, "Go"}));
    EXPECT_EQ(std::get<LaunchRec>(only("<LAUNCHNO2:0530Calc<LAUNCH:calc.exe<PARAM>/x>")),
              (LaunchRec{3, "Calc", "calc.exe", "/x", 5, 30}));
    EXPECT_EQ(std::get<LaunchRec>(only("<LAUNCH:x.exe>")), (LaunchRec{2, "", "x.exe", "", 0, 12}));
    EXPECT_EQ(std::get<SizePosRec>(only("<WSIZE:0640,0480\"CURRENT\">")),
              (SizePosRec{"", 1, 1, 640, 480}));
    EXPECT_EQ(std::get<WindowRec>(only("<WMIN:Calc>")), (WindowRec{"Calc", 2, 0}));
    EXPECT_EQ(std::get<NetworkRec>(only("<NWTS:<NAME:ann><PASS:pw>G:\\\\srv>")),
              (NetworkRec{"G:\\\\srv", "ann", "pw", 0, 0, 1}));
    EXPECT_EQ(std::get<NetworkRec>(only("<NWDPF:F:>")), (NetworkRec{"F:", "", "", 1, 1, 0}));
    EXPECT_EQ(std::get<DialUpRec>(only("<DIAL:<NAME:bob><PASS:pw>ISP>")),
              (DialUpRec{1, "ISP", "bob", "pw"}));
    EXPECT_EQ(std::get<FileRec>(only("<COPYFILE:a.txt;b.txt>")), (FileRec{2, "a.txt", "b.txt"}));
    EXPECT_EQ(std::get<SystemRec>(only("<WALLP:0100,0200p.bmp>")),
              (SystemRec{6, "p.bmp", 0, 100, 200, 3}));
    EXPECT_EQ(std::get<WaitRec>(only("<WAITTXTY:002:Hi>")), (WaitRec{5, "Hi", 2, 1}));
    EXPECT_EQ(std::get<WaitRec>(only("<WAITTIME:00000125>")), (WaitRec{10, "", 125, 0}));
    EXPECT_EQ(std::get<DateTimeRec>(only("<DD/MM/YY{NP007}>")), (DateTimeRec{1, 7, 0, 0, 7}));
    EXPECT_EQ(std::get<DateTimeRec>(only("<hh:mm:ss{Y}>")), (DateTimeRec{0, 5, 1, 1, 0}));
    EXPECT_EQ(std::get<ClipboardRec>(only("<CLIPTYPEI>")), (ClipboardRec{8, "", 1}));
    EXPECT_EQ(std::get<DelayRec>(only("<DELAY:01.25>")), (DelayRec{1, 1.25}));
    EXPECT_EQ(std::get<SpeedRec>(only("<SPEED:00.50>")), (SpeedRec{3, 0, 0.5}));
    EXPECT_EQ(std::get<WTextRec>(only("<TBOX:<HEAD:Note>Body>")), (WTextRec{"Note", "Body"}));
}

}  // namespace
}  // namespace orv
