// Every dialog's commands, round the whole road: the dialog's input composes
// the golden text; the script reader reads that text as exactly the line the
// dialog made (code and record); the player takes the whole text as one
// token of that command; and the input the dialog shows for that line
// composes the same text again. Every option of every dialog has its row, and
// every token the writer produces is made by some row.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "common/script/catalogue.h"
#include "common/script/reader.h"
#include "common/script/token_table.h"
#include "common/string_routines.h"
#include "editor/commands/date_time_commands.h"
#include "editor/commands/device_commands.h"
#include "editor/commands/dialup_command.h"
#include "editor/commands/email_commands.h"
#include "editor/commands/encryption.h"
#include "editor/commands/file_commands.h"
#include "editor/commands/flow_commands.h"
#include "editor/commands/keystroke_text.h"
#include "editor/commands/media_commands.h"
#include "editor/commands/mouse_commands.h"
#include "editor/commands/network_command.h"
#include "editor/commands/sound_web_commands.h"
#include "editor/commands/system_commands.h"
#include "editor/commands/wait_command.h"
#include "editor/commands/window_commands.h"
#include "tests/editor/commands/fake_file_checks.h"
#include "tests/editor/commands/outcome_testing.h"

namespace orv::editor {
namespace {

struct RoundTripRow {
    std::string Golden;  // "" when the dialog refuses the input
    std::function<ComposedCommand()> Compose;
    std::function<ComposedCommand(CommandCode, const CommandRecord&)> Recompose;
    // The form a text is compared in: an enciphered text by its plain text,
    // since every enciphering takes a new seed.
    std::function<std::string(const std::string&)> Compared = [](const std::string& t) {
        return t;
    };
};

// A row of a dialog whose compose function takes its input alone.
template <class Input, class ComposeFn>
RoundTripRow Row(std::string golden, Input input, ComposeFn compose) {
    return {std::move(golden), [=] { return ComposedCommand(compose(input)); },
            [=](CommandCode code, const CommandRecord& record) {
                return ComposedCommand(compose(InputFromRecord<Input>(code, record)));
            }};
}

// Rows for every option code of a dialog, from the input that chooses it; the
// golden text of each is what its option composes.
template <class Input, class ComposeFn, class MakeInput>
std::vector<RoundTripRow> EveryOption(int first, int last, MakeInput make, ComposeFn compose) {
    std::vector<RoundTripRow> rows;
    for (int option = first; option <= last; ++option) {
        Input input = make(option);
        std::string golden = ComposedCommand(compose(input)).CommandText;
        EXPECT_FALSE(golden.empty()) << "option " << option << " is refused";
        rows.push_back(Row(golden, input, compose));
    }
    return rows;
}

template <class Rows>
void Append(std::vector<RoundTripRow>& rows, Rows more) {
    rows.insert(rows.end(), more.begin(), more.end());
}

const testing::FakeFileChecks& Files() {
    static const testing::FakeFileChecks files = [] {
        testing::FakeFileChecks f;
        f.AddFile("C:\\My Macros\\Office Work.ORN", "C:\\MYMACR~1\\OFFICE~1.ORN");
        f.AddFile("C:\\Tools\\Calc.exe", "C:\\TOOLS\\CALC.EXE");
        f.AddFile("C:\\Notes File.txt", "C:\\NOTES~1.TXT");
        f.AddFile("C:\\W.BMP", "C:\\W.BMP");
        f.AddFolder("C:\\Long Folder", "C:\\LONGFO~1");
        f.AddFolder("C:\\Long Folder\\", "C:\\LONGFO~1\\");
        f.AddFolder("C:\\", "C:\\");
        f.AddFile("C:\\A.WAV", "C:\\A.WAV");
        f.AddFile("C:\\My Movies\\Clip One.avi", "C:\\MYMOVI~1\\CLIPON~1.AVI");
        return f;
    }();
    return files;
}

std::vector<RoundTripRow> FlowRows() {
    auto delay = [](const DelayInput& in) { return ComposeDelay(in); };
    auto pause = [](const PauseInput& in) { return ComposePause(in); };
    auto repeat = [](const RepeatInput& in) { return ComposeRepeat(in); };
    auto speed = [](const SpeedInput& in) { return ComposeSpeed(in); };
    auto swap = [](const SwapInput& in) { return ComposeSwap(in, Files()); };
    auto remark = [](const RemarkInput& in) { return ComposeRemark(in); };
    auto alt = [](const AltKeypadInput& in) { return ComposeAltKeypad(in); };
    return {
        Row("<DELAY:01.50>", DelayInput{DelayChoice::Seconds, "1.5"}, delay),
        Row("<MSD:0075>", DelayInput{DelayChoice::Milliseconds, "75"}, delay),
        Row("<TDELAY:05>", DelayInput{DelayChoice::Timed, "5"}, delay),
        Row("<PAUSE>", PauseInput{true}, pause),
        Row("<PAUSE:005,040Hi>", PauseInput{false, "5", "40", "Hi"}, pause),
        Row("<REP:0003:000001:000001>", RepeatInput{RepeatChoice::Start, "3", "1", "1"}, repeat),
        // The player keeps the counter's start and step in 16 bits.
        Row("<REP:0001:065535:065535>", RepeatInput{RepeatChoice::Start, "1", "65535", "65535"},
            repeat),
        Row("", RepeatInput{RepeatChoice::Start, "1", "65536", "1"}, repeat),
        Row("", RepeatInput{RepeatChoice::Start, "1", "1", "65536"}, repeat),
        Row("<PROMPTREP>", RepeatInput{RepeatChoice::Prompt}, repeat),
        Row("<ENDREP>", RepeatInput{RepeatChoice::End}, repeat),
        Row("<I>", RepeatInput{RepeatChoice::Counter, "1"}, repeat),
        Row("<II>", RepeatInput{RepeatChoice::Counter, "2"}, repeat),
        Row("<III>", RepeatInput{RepeatChoice::Counter, "3"}, repeat),
        Row("<IIII>", RepeatInput{RepeatChoice::Counter, "4"}, repeat),
        Row("<SPKEY:0025>", SpeedInput{SpeedChoice::Keyboard, "25"}, speed),
        Row("<SPMSE:0000>", SpeedInput{SpeedChoice::Mouse, "0"}, speed),
        Row("<SPEED:00.50>", SpeedInput{SpeedChoice::Macro, "0.5"}, speed),
        Row("<SWAP:C:\\MYMACR~1\\OFFICE~1.ORN>", SwapInput{"C:\\My Macros\\Office Work.ORN"}, swap),
        Row("<REM:totals>", RemarkInput{" totals "}, remark),
        Row("<REM:a<b>", RemarkInput{"a<b"}, remark),
        Row("<PAUSE:000,000a<b>", PauseInput{false, "0", "0", "a<b"}, pause),
        Row("<ALT:065>", AltKeypadInput{"65"}, alt),
        Row("<ALT4:0169>", AltKeypadInput{"0169"}, alt),
    };
}

// Every date and time format, with and without zeros, future and past.
std::vector<RoundTripRow> DateTimeRows() {
    auto dateOrTime = [](const DateTimeInput& in) { return ComposeDateOrTime(in); };
    std::vector<RoundTripRow> rows;
    for (bool isTime : {false, true}) {
        for (int row = 0; row < DateTimeLayoutFor(isTime).RowCount; ++row) {
            std::string name(isTime ? TimeFormatTable[row].Name : DateFormatTable[row].Name);
            for (bool suppress : {false, true}) {
                for (bool future : {false, true}) {
                    std::string options = suppress ? "N" : "Y";
                    if (!isTime)
                        options += future ? "F012" : "P012";
                    rows.push_back(Row("<" + name + "{" + options + "}>",
                                       DateTimeInput{isTime, row, suppress, future, "12"},
                                       dateOrTime));
                }
            }
        }
    }
    rows.push_back(Row("<" + std::string(DateFormatTable[0].Name) + "{YF005}>",
                       DateTimeInput{false, 0, false, true, "5"}, dateOrTime));
    return rows;
}

std::vector<RoundTripRow> TextRows() {
    auto text = [](const TextInput& in) { return ComposeText(in); };
    auto symbol = [](int col, int row) {
        return RoundTripRow{
            std::string(1, static_cast<char>(SymbolCode(col, row))),
            [=] { return ComposedCommand(ComposeSymbol(col, row)); },
            [](CommandCode code, const CommandRecord& record) {
                return ComposedCommand(ComposeText(InputFromRecord<TextInput>(code, record)));
            }};
    };
    return {
        Row("Dear <SHIFT>sir<ENTER>", TextInput{"Dear <SHIFT>sir<ENTER>"}, text),
        Row("a<TAB>b<NUMLOCK>", TextInput{"a\tb<NUMLOCK>"}, text),
        symbol(0, 0),
        symbol(15, 7),
    };
}

std::vector<RoundTripRow> WindowRows() {
    auto active = [](const ActiveInput& in) { return ComposeActive(in, Files()); };
    auto sizeIt = [](const SizeItInput& in) { return ComposeSizeIt(in); };
    auto control = [](const SystemCommandInput& in) { return ComposeSystemCommand(in); };
    const std::string calc = "C:\\Tools\\Calc.exe";
    // A path naming no file was taken with the check bypassed, and the
    // dialog shows it so again.
    RoundTripRow bypassed =
        Row("<LAUNCHDEL:00D:\\a<b.exe>",
            ActiveInput{ActiveChoice::LaunchOnly, "", "D:\\a<b.exe", "", "0", "", true}, active);
    bypassed.Recompose = [active](CommandCode code, const CommandRecord& record) {
        ActiveInput input = InputFromRecord<ActiveInput>(code, record);
        input.Bypass = LaunchWasBypassed(input, Files());
        return ComposedCommand(active(input));
    };
    std::vector<RoundTripRow> rows = EveryOption<SystemCommandInput>(
        1, 7,
        [](int c) {
            return SystemCommandInput{static_cast<WindowControl>(c), {false, "Calc"}};
        },
        control);
    Append(
        rows,
        std::vector<RoundTripRow>{
            Row("<ACTIVATE:Calc>", ActiveInput{ActiveChoice::ActivateOnly, "Calc"}, active),
            Row("<LAUNCHDEL:03C:\\TOOLS\\CALC.EXE<PARAM>/x>",
                ActiveInput{ActiveChoice::LaunchOnly, "", calc, "/x", "3"}, active),
            Row("<LAUNCHNO2:0000Calc<LAUNCH:C:\\TOOLS\\CALC.EXE>",
                ActiveInput{ActiveChoice::LaunchAndActivate, "Calc", calc, "", "0", "0"}, active),
            Row("<LAUNCHYES2:0512Calc<LAUNCH:C:\\TOOLS\\CALC.EXE>",
                ActiveInput{ActiveChoice::ActivateOrLaunch, "Calc", calc, "", "5", "12"}, active),
            Row("<WSIZE:0640,0480\"CURRENT\">", SizeItInput{{true, ""}, true, "640", "480"},
                sizeIt),
            Row("<WPOS2:-0005,00000Calc>", SizeItInput{{false, "Calc"}, false, "-5", "0"}, sizeIt),
            Row("<WPOS:0010,0020Calc>", SizeItInput{{false, "Calc"}, false, "10", "20"}, sizeIt),
            Row("<WMAX:Notepad>", SystemCommandInput{WindowControl::Maximize, {false, "Notepad"}},
                control),
            Row("<WSHUT:\"CURRENT\">", SystemCommandInput{WindowControl::ShutDown, {true, "x"}},
                control),
            Row("<ACTIVATE:a<b>", ActiveInput{ActiveChoice::ActivateOnly, "a<b"}, active),
            Row("", ActiveInput{ActiveChoice::ActivateOrLaunch, "a<b", calc, "", "5", "12"},
                active),
            Row("<LAUNCHDEL:00C:\\TOOLS\\CALC.EXE<PARAM>a<b>",
                ActiveInput{ActiveChoice::LaunchOnly, "", calc, "a<b"}, active),
            bypassed,
            Row("<WPOS:0010,0020a<b>", SizeItInput{{false, "a<b"}, false, "10", "20"}, sizeIt),
            Row("<WCLS:a<b>", SystemCommandInput{WindowControl::Close, {false, "a<b"}}, control),
        });
    return rows;
}

std::vector<RoundTripRow> MouseRows() {
    auto mouse = [](const MouseInput& in) { return ComposeMouse(in); };
    auto clip = [](const ClipboardInput& in) { return ComposeClipboard(in, Files()); };
    auto key = [](const KeyUpDownInput& in) { return ComposeKeyUpDown(in); };
    using M = MoveTarget;
    using K = ClipboardChoice;
    return {
        Row("<MMS:00012,00300>", MouseInput{1, M::Screen, "12", "300"}, mouse),
        Row("<MMP:-0012,00005>", MouseInput{1, M::LastPosition, "-12", "5"}, mouse),
        Row("<MMW:30000,00000>", MouseInput{1, M::Window, "30000", "0"}, mouse),
        Row("<MMC>", MouseInput{1, M::Caret, "x", "y"}, mouse),
        Row("<LDCLK>", MouseInput{3}, mouse),
        Row("<RUP>", MouseInput{9}, mouse),
        Row("<WFW:003>", MouseInput{14, M::Screen, "0", "0", "3"}, mouse),
        Row("<WBW:001>", MouseInput{15}, mouse),
        Row("<BEGCLIP>", ClipboardInput{K::StartCopy}, clip),
        Row("<CLIPF:C:\\NOTES~1.TXT>",
            ClipboardInput{K::CopyTextFile, false, false, "C:\\Notes File.txt"}, clip),
        Row("<CLIPTYPEI>", ClipboardInput{K::TypeText, true}, clip),
        Row("<CLIPTYPE>", ClipboardInput{K::TypeText}, clip),
        Row("<CLIPST::PROMPT:>", ClipboardInput{K::SaveText, false, true, "ignored"}, clip),
        Row("<CLIPSG:C:\\Out.bmp>", ClipboardInput{K::SaveGraphic, false, false, "C:\\Out.bmp"},
            clip),
        Row("<CLIPP>", ClipboardInput{K::PasteCommand}, clip),
        Row("<ALTU>", KeyUpDownInput{4}, key),
        Row("<WIND>", KeyUpDownInput{7}, key),
        Row("<CLIPSG:C:\\a<b.bmp>", ClipboardInput{K::SaveGraphic, false, false, "C:\\a<b.bmp"},
            clip),
    };
}

std::vector<RoundTripRow> MouseOptionRows() {
    auto mouse = [](const MouseInput& in) { return ComposeMouse(in); };
    auto clip = [](const ClipboardInput& in) { return ComposeClipboard(in, Files()); };
    auto key = [](const KeyUpDownInput& in) { return ComposeKeyUpDown(in); };
    std::vector<RoundTripRow> rows = EveryOption<MouseInput>(
        1, 15,
        [](int c) {
            return MouseInput{c, MoveTarget::Screen, "12", "300", "3"};
        },
        mouse);
    Append(rows, EveryOption<MouseInput>(
                     1, 4,
                     [](int t) {
                         return MouseInput{1, static_cast<MoveTarget>(t), "1", "2"};
                     },
                     mouse));
    Append(rows, EveryOption<KeyUpDownInput>(
                     1, 8, [](int c) { return KeyUpDownInput{c}; }, key));
    Append(rows, EveryOption<ClipboardInput>(
                     0, 9,
                     [](int c) {
                         auto choice = static_cast<ClipboardChoice>(c);
                         bool graphic = choice == ClipboardChoice::CopyGraphicFile;
                         return ClipboardInput{choice, false, false,
                                               graphic ? "C:\\W.BMP" : "C:\\Notes File.txt"};
                     },
                     clip));
    return rows;
}

std::vector<RoundTripRow> WaitRows() {
    auto wait = [](const WaitInput& in) { return ComposeWait(in); };
    using W = WaitKind;
    WaitInput text{W::Text};
    text.TheText = "done";
    text.CaseSense = true;
    text.WaitMax = false;
    WaitInput key{W::Key};
    key.KeyIndex = 36;  // F1
    WaitInput program{W::Program};
    program.ProgName = "calc.exe";
    program.WaitMin = "999";
    WaitInput left{W::LeftClick};
    left.WaitMin = "5";
    WaitInput time{W::Time};
    time.WaitMin = "x";  // a time-out does not change a time wait
    return {
        Row("<WAITWIN:010:Calc>", WaitInput{W::Title, "Calc"}, wait),
        Row("<WAITWLF:010:Calc>", WaitInput{W::LoseFocus, "Calc"}, wait),
        Row("<WAITKEY:010:36>", key, wait),
        Row("<WAITTXTY:000:done>", text, wait),
        Row("<WAITPROG:999:calc.exe>", program, wait),
        Row("<WAITLM:005>", left, wait),
        Row("<WAITMM:010>", WaitInput{W::MiddleClick}, wait),
        Row("<WAITPB>", WaitInput{W::PlayBack}, wait),
        Row("<WAITTIME:00000600>", time, wait),
        Row("<WAITWIN:010:a<b>", WaitInput{W::Title, "a<b"}, wait),
        Row("<WAITPROG:010:a<b>", WaitInput{W::Program, "", "a<b"}, wait),
        Row("<WAITTXTN:010:a<b>", WaitInput{W::Text, "", "", "a<b"}, wait),
    };
}

std::vector<RoundTripRow> WaitOptionRows() {
    auto wait = [](const WaitInput& in) { return ComposeWait(in); };
    return EveryOption<WaitInput>(
        1, 10,
        [](int kind) {
            return WaitInput{static_cast<WaitKind>(kind), "Calc", "calc.exe", "done"};
        },
        wait);
}

std::vector<RoundTripRow> FileRows() {
    auto dos = [](const DOSFilesInput& in) { return ComposeDOSFiles(in, Files()); };
    auto explore = [](const ExploreInput& in) { return ComposeExplore(in, Files()); };
    auto nick = [](const NickInput& in) { return ComposeNick(in); };
    auto recycle = [](const RecycleInput& in) { return ComposeRecycle(in); };
    using F = FileCommand;
    return {
        Row("<CHDIR:C:\\LONGFO~1>", DOSFilesInput{F::ChangeDir, "C:\\Long Folder\\"}, dos),
        Row("<CHDIR:C:\\>", DOSFilesInput{F::ChangeDir, "C:\\"}, dos),
        Row("<COPYFILE:C:\\Notes File.txt;D:\\copy.txt>",
            DOSFilesInput{F::Copy, "C:\\Notes File.txt", "D:\\copy.txt"}, dos),
        Row("<RENFILE:C:\\Notes File.txt;old.txt>",
            DOSFilesInput{F::Rename, "C:\\Notes File.txt", "old.txt"}, dos),
        Row("<DELFILE:C:\\Notes File.txt>", DOSFilesInput{F::Delete, "C:\\Notes File.txt", "x"},
            dos),
        Row("<MKDIR:D:\\New>", DOSFilesInput{F::CreateFolder, "D:\\New"}, dos),
        Row("<EXPLORE:C:\\Long Folder>", ExploreInput{"C:\\Long Folder"}, explore),
        Row("<MACRUN:Daily>", NickInput{NickAction::Run, " Daily "}, nick),
        Row("<MACDEACT:Daily>", NickInput{NickAction::Deactivate, "Daily"}, nick),
        Row("<CASCDESK>", RecycleInput{1}, recycle),
        Row("<TILHDESK>", RecycleInput{3}, recycle),
        Row("<RUNFF>", RecycleInput{10}, recycle),
        Row("<EXPUD>", RecycleInput{25}, recycle),
        Row("<MKDIR:D:\\a<b>", DOSFilesInput{F::CreateFolder, "D:\\a<b"}, dos),
        Row("<COPYFILE:C:\\Notes File.txt;D:\\a<b>",
            DOSFilesInput{F::Copy, "C:\\Notes File.txt", "D:\\a<b"}, dos),
        Row("<MACRUN:a<b>", NickInput{NickAction::Run, "a<b"}, nick),
    };
}

std::vector<RoundTripRow> FileOptionRows() {
    auto dos = [](const DOSFilesInput& in) { return ComposeDOSFiles(in, Files()); };
    auto nick = [](const NickInput& in) { return ComposeNick(in); };
    auto recycle = [](const RecycleInput& in) { return ComposeRecycle(in); };
    auto reboot = [](const RebootInput& in) { return ComposeReboot(in); };
    std::vector<RoundTripRow> rows = EveryOption<RecycleInput>(
        1, 25, [](int c) { return RecycleInput{c}; }, recycle);
    Append(rows, EveryOption<RebootInput>(
                     1, 4, [](int c) { return RebootInput{c}; }, reboot));
    Append(rows, EveryOption<NickInput>(
                     1, 4,
                     [](int a) {
                         return NickInput{static_cast<NickAction>(a), "Daily"};
                     },
                     nick));
    Append(rows, EveryOption<DOSFilesInput>(
                     1, 5,
                     [](int c) {
                         auto command = static_cast<FileCommand>(c);
                         bool folder = command == FileCommand::ChangeDir;
                         return DOSFilesInput{
                             command, folder ? "C:\\Long Folder" : "C:\\Notes File.txt", "new.txt"};
                     },
                     dos));
    return rows;
}

std::vector<RoundTripRow> SystemRows() {
    auto reboot = [](const RebootInput& in) { return ComposeReboot(in); };
    auto sys = [](const SysControlsInput& in) { return ComposeSysControls(in, Files()); };
    auto box = [](const TBoxInput& in) { return ComposeTBox(in); };
    auto encrypt = [](const EncryptInput& in) { return ComposeEncrypt(in); };
    using S = SysControl;
    SysControlsInput placed{S::Wallpaper, "",   "C:\\W.BMP", false, WallPlacement::Position,
                            "10",         "200"};
    RoundTripRow secret = Row("<ETEXT:secret>", EncryptInput{"secret"}, encrypt);
    secret.Compared = [](const std::string& t) {
        return "<ETEXT:" + DecryptIt(t.substr(7, t.size() - 8)) + ">";
    };
    return {
        Row("<LOGOFF>", RebootInput{1}, reboot),
        Row("<POWEROFF>", RebootInput{4}, reboot),
        Row("<SSON>", SysControlsInput{S::ScreenOn, "x"}, sys),
        Row("<SSTIME:05>", SysControlsInput{S::ScreenTimer, "5"}, sys),
        Row("<KEYDEL:02>", SysControlsInput{S::KeyDelay, "2"}, sys),
        Row("<KEYSPD:00>", SysControlsInput{S::KeySpeed, "0"}, sys),
        Row("<WBSIZE:10>", SysControlsInput{S::WinSize, "10"}, sys),
        Row("<WALLP:0010,0200C:\\W.BMP>", placed, sys),
        Row("<WALLT:C:\\W.BMP>", SysControlsInput{S::Wallpaper, "", "C:\\W.BMP", true}, sys),
        Row("<WALLS:C:\\W.BMP>",
            SysControlsInput{S::Wallpaper, "", "C:\\W.BMP", false, WallPlacement::Stretch}, sys),
        Row("<TBOX:<HEAD:Note>Line one\r\nLine two>", TBoxInput{" Note ", "Line one\r\nLine two"},
            box),
        Row("<TBOX:<HEAD:a<b>c<d>", TBoxInput{"a<b", "c<d"}, box),
        Row("<WALLC:C:\\W.BMP>",
            SysControlsInput{S::Wallpaper, "", "C:\\W.BMP", false, WallPlacement::Center}, sys),
        secret,
    };
}

std::vector<RoundTripRow> SystemOptionRows() {
    auto sys = [](const SysControlsInput& in) { return ComposeSysControls(in, Files()); };
    return EveryOption<SysControlsInput>(
        1, 7,
        [](int c) {
            return SysControlsInput{static_cast<SysControl>(c), "2", "C:\\W.BMP"};
        },
        sys);
}

std::vector<RoundTripRow> SoundWebNetworkRows() {
    auto sound = [](const SoundInput& in) { return ComposeSound(in, Files()); };
    auto web = [](const WebInput& in) { return ComposeWeb(in); };
    auto net = [](const NetConnInput& in) { return ComposeNetConn(in); };
    auto dial = [](const DialupInput& in) { return ComposeDialup(in); };
    using N = NetMode;
    return {
        Row("<BEEP>", SoundInput{false, "C:\\none.wav"}, sound),
        Row("<WAV1:C:\\A.WAV>", SoundInput{true, " C:\\A.WAV ", true}, sound),
        Row("<WAV2:C:\\A.WAV>", SoundInput{true, "C:\\A.WAV", false}, sound),
        Row("<HTTP:http://www.x.com>", WebInput{false, "www.x.com"}, web),
        Row("<HTTP:http://x>", WebInput{false, "http://x"}, web),
        Row("<HTTP:>", WebInput{false, ""}, web),
        Row("<FTP:ftp://x>", WebInput{true, "ftp://x"}, web),
        Row("<NWCS:<NAME:><PASS:>F:\\\\srv\\sh>",
            NetConnInput{N::Connect, "F:", "\\\\srv\\sh", true, "bob", "pw", false, false, true},
            net),
        Row("<NWDPF:F:>", NetConnInput{N::Disconnect, "F:", "x", true, "", "", true, true}, net),
        Row("<NWTP:<NAME:bob><PASS:" + ScrambleText("abc") + ">G:\\\\s\\d>",
            NetConnInput{N::Toggle, "G:", "\\\\s\\d", false, " bob ", "abc", true, true}, net),
        Row("<DIAL:<NAME:><PASS:>Entry>", DialupInput{true, "Entry"}, dial),
        Row("<DIAL:<NAME:me><PASS:" + ScrambleText("abc") + ">Office>",
            DialupInput{true, "Office", "me", "abc"}, dial),
        Row("<HANG>", DialupInput{false, "Office", "me", "abc"}, dial),
        Row("<HTTP:http://a<b>", WebInput{false, "http://a<b"}, web),
        Row("<NWCS:<NAME:a<b><PASS:" + ScrambleText("c<d") + ">F:\\\\s<e>",
            NetConnInput{N::Connect, "F:", "\\\\s<e", false, "a<b", "c<d", false, false, true},
            net),
        Row("<DIAL:<NAME:a<b><PASS:" + ScrambleText("c<d") + ">e<f>",
            DialupInput{true, "e<f", "a<b", "c<d"}, dial),
    };
}

std::vector<RoundTripRow> MediaDeviceRows() {
    auto avi = [](const AviInput& in) { return ComposeAvi(in, Files()); };
    auto cd = [](const CdInput& in) { return ComposeCd(in); };
    auto volume = [](const VolumeInput& in) { return ComposeVolume(in); };
    auto printer = [](const DefPrintInput& in) { return ComposeDefPrint(in); };
    auto screen = [](const ScreenInput& in) { return ComposeScreen(in); };
    std::vector<RoundTripRow> rows{
        Row("<AVIE:C:\\MYMOVI~1\\CLIPON~1.AVI>", AviInput{2, "C:\\My Movies\\Clip One.avi"}, avi),
        Row("<AVI:C:\\MYMOVI~1\\CLIPON~1.AVI>", AviInput{3, "C:\\My Movies\\Clip One.avi"}, avi),
        Row("<CDPLAY>", CdInput{1, "x"}, cd),
        Row("<CDGOTO:07>", CdInput{6, "7"}, cd),
        Row("<CDSTEP:99>", CdInput{7, "99"}, cd),
        Row("<CDBACK:10>", CdInput{8, " 10 "}, cd),
        Row("<CDCLOSE>", CdInput{10}, cd),
        Row("<DEFPRT:HP LaserJet>", DefPrintInput{"HP LaserJet"}, printer),
        Row("<DEFPRT:a<b>", DefPrintInput{"a<b"}, printer),
        Row("<SCREEN:000>", ScreenInput{0}, screen),
        Row("<SCREEN:042>", ScreenInput{42}, screen),
    };
    const char* volumes[] = {"AUDOFF",   "AUDON",     "AUDUP",      "AUDDOWN",  "AUDMUTE",
                             "AUDLEFT",  "AUDRIGHT",  "AUDCENTER",  "TREBUP",   "TREBDOWN",
                             "MIDIOFF",  "MIDION",    "MIDIUP",     "MIDIDOWN", "MIDIMUTE",
                             "MIDILEFT", "MIDIRIGHT", "MIDICENTER", "BASSUP",   "BASSDOWN"};
    Append(rows, EveryOption<AviInput>(
                     1, 3,
                     [](int m) {
                         return AviInput{m, "C:\\My Movies\\Clip One.avi"};
                     },
                     avi));
    Append(rows, EveryOption<CdInput>(
                     1, 10,
                     [](int c) {
                         return CdInput{c, "7"};
                     },
                     cd));
    for (int action = 1; action <= 20; ++action)
        rows.push_back(
            Row("<" + std::string(volumes[action - 1]) + ">", VolumeInput{action}, volume));
    return rows;
}

std::vector<RoundTripRow> EmailRows() {
    const std::vector<std::string> list = {"Ann|ann@x", "bob@x"};
    auto row = [list](std::string golden, EmailInput input) {
        return RoundTripRow{
            std::move(golden), [=] { return ComposedCommand(ComposeEmail(input, list)); },
            [=](CommandCode, const CommandRecord& record) {
                const std::string& token = std::get<EmailRec>(record).Token;
                return ComposedCommand(ComposeEmail(DecodeEmail(token, list).Input, list));
            }};
    };
    EmailInput chosen;
    chosen.Sections[0] = {"Bo", "bo@x", {1}};
    chosen.Memo = "Hello";
    chosen.Subject = "Hi";
    chosen.AttachMode = 2;
    chosen.Attachments = {"C:\\a.zip"};
    EmailInput asked;
    asked.RecipientMode = 2;
    asked.TextMode = 2;
    asked.AttachMode = 3;
    EmailInput clip;
    clip.TextMode = 3;
    EmailInput angled;
    angled.Sections[0] = {"a<b", "c@d", {}};  // an address holds no angle
    angled.Memo = "e<f";
    angled.Subject = "g<h";
    return {
        row("<EMAIL:RNR1TOBo|bo@x;bob@x;\x01S1Hello\x01Hi\x01"
            "A2C:\\a.zip;\x01>",
            chosen),
        row("<EMAIL:RNR2S2A3>", asked),
        row("<EMAIL:RNR1S3\x01"
            "A1>",
            clip),
        row("<EMAIL:RNR1TOa<b|c@d;\x01S1e<f\x01g<h\x01"
            "A1>",
            angled),
    };
}

// Later dialog families add their rows here.
std::vector<RoundTripRow> AllRows() {
    std::vector<std::vector<RoundTripRow>> families{FlowRows(),     WindowRows(), MouseRows(),
                                                    WaitRows(),     FileRows(),   SystemRows(),
                                                    DateTimeRows(), TextRows()};
    families.push_back(MouseOptionRows());
    families.push_back(WaitOptionRows());
    families.push_back(FileOptionRows());
    families.push_back(SystemOptionRows());
    families.push_back(SoundWebNetworkRows());
    families.push_back(MediaDeviceRows());
    families.push_back(EmailRows());
    std::vector<RoundTripRow> rows;
    for (auto& family : families) rows.insert(rows.end(), family.begin(), family.end());
    return rows;
}

// Whether the player takes the whole text as one token of the command; the
// form it took goes to taken. Keystroke text is typed as it stands, and its
// tokens are checked by the keystroke tests.
bool PlayerTakesWhole(const ComposedCommand& made, std::set<const TokenForm*>& taken) {
    const std::string& text = made.CommandText;
    if (made.Code == CommandCode::Text)
        return true;
    if (made.Code == CommandCode::Date || made.Code == CommandCode::Time) {
        std::optional<DateTimeMatch> match = MatchDateTimeToken(text, 0);
        return match && match->Length == text.size() &&
               match->IsDate == (made.Code == CommandCode::Date);
    }
    std::optional<TokenMatch> match = MatchToken(text, 0, TokenUse::Player);
    if (!match || match->Length != text.size() || match->Form->Code != made.Code)
        return false;
    taken.insert(match->Form);
    return true;
}

TEST(CommandRoundTrip, EveryDialogsCommandReadsBackAndComposesAgain) {
    std::set<const TokenForm*> made;
    for (const RoundTripRow& row : AllRows()) {
        SCOPED_TRACE(row.Golden);
        ComposedCommand composed = row.Compose();
        EXPECT_EQ(row.Compared(composed.CommandText), row.Golden);
        if (row.Golden.empty())
            continue;

        std::vector<CommandLine> lines = ReadScript(composed.CommandText);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].Code, composed.Code);
        EXPECT_EQ(lines[0].Record, composed.Record);
        EXPECT_TRUE(PlayerTakesWhole(composed, made)) << "the player reads it otherwise";

        EXPECT_EQ(row.Compared(row.Recompose(lines[0].Code, lines[0].Record).CommandText),
                  row.Golden);
    }
    for (const TokenForm& form : TokenTable()) {
        // Text files are inserted by the script editor, not by a dialog.
        if ((form.Use & TokenUse::Written) && form.Code != CommandCode::Text &&
            form.Code != CommandCode::LoadTextFile) {
            EXPECT_TRUE(made.count(&form)) << form.Head << " is made by no row";
        }
    }
}

// Lines edited by hand into what the dialog cannot show: OK unchanged keeps
// the line or refuses it, and never writes another.
TEST(CommandRoundTrip, AHandEditedLineIsKeptOrRefused) {
    auto edited = [](const std::string& text) {
        std::vector<CommandLine> lines = ReadScript(text);
        EXPECT_EQ(lines.size(), 1u);
        return lines.at(0);
    };
    for (const char* unreadable : {"<ETEXT:not hex>", "<ETEXT:zz>", "<ETEXT:4A>"}) {
        SCOPED_TRACE(unreadable);
        CommandLine line = edited(unreadable);
        EncryptInput secret = InputFromRecord<EncryptInput>(line.Code, line.Record);
        EXPECT_EQ(secret.Text, "");
        EXPECT_EQ(ComposeEncrypt(secret).CommandText, unreadable);
        secret.Text = "new";
        std::string retyped = ComposeEncrypt(secret).CommandText;
        EXPECT_EQ(DecryptIt(retyped.substr(7, retyped.size() - 8)), "new");
    }

    CommandLine trackZero = edited("<CDGOTO:00>");
    testing::ExpectRefused(ComposeCd(InputFromRecord<CdInput>(trackZero.Code, trackZero.Record)),
                           "Invalid track number specified.  Please correct.", CdField::Track);
}

TEST(CommandRoundTrip, ACommandBeyond255CharactersIsRefused) {
    const std::string message = "The command is longer than 255 characters.  Please correct.";
    // "<REM:" and ">" around 249 characters make 255.
    EXPECT_EQ(ComposeRemark({std::string(249, 'r')}).CommandText.size(), 255u);
    RemarkOutcome longer = ComposeRemark({std::string(250, 'r')});
    ASSERT_TRUE(longer.Refused);
    EXPECT_EQ(longer.Refused->Message, message);
    EXPECT_EQ(longer.Refused->Focus, RemarkField::Comments);
    EXPECT_EQ(longer.CommandText, "");
    EXPECT_EQ(longer.Code, CommandCode::None);
    // A box without a limit is cut to 255 before anything is composed: the cut
    // text still makes too long a command.
    EXPECT_EQ(ComposeRemark({std::string(400, 'r')}).Refused->Message, message);
}

}  // namespace
}  // namespace orv::editor
