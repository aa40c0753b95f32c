#include "common/script/token_table.h"

#include <algorithm>
#include <string>
#include <vector>

namespace orv {
namespace {

using S = TokenShape;
using C = CommandCode;
constexpr std::uint8_t A = TokenUse::All;
constexpr std::uint8_t R = TokenUse::Read;
constexpr std::uint8_t P = TokenUse::Player;

// The command tokens; the keystroke tokens are added from the catalogue.
constexpr TokenForm CommandForms[] = {
    {"<ALT:", C::Text, 0, S::Closed, 8, R},
    {"<ALT4:", C::Text, 0, S::Closed, 10, R},
    {"<RIGHT MOUSE>", C::None, 2, S::Exact, 0, P},
    {"<MIDDLE MOUSE>", C::None, 4, S::Exact, 0, P},
    {"<DOHOOK>", C::None, 0, S::Exact, 0, P},
    {"<EMPTYBIN>", C::None, 0, S::Exact, 0, P},
    {"<TEST>", C::None, 0, S::Exact, 0, P},

    {"<AUDOFF>", C::AudioVolume, 1, S::Exact, 0, A},
    {"<AUDON>", C::AudioVolume, 2, S::Exact, 0, A},
    {"<AUDUP>", C::AudioVolume, 3, S::Exact, 0, A},
    {"<AUDDOWN>", C::AudioVolume, 4, S::Exact, 0, A},
    {"<AUDMUTE>", C::AudioMuteToggle, 5, S::Exact, 0, A},
    {"<AUDLEFT>", C::AudioBalance, 6, S::Exact, 0, A},
    {"<AUDRIGHT>", C::AudioBalance, 7, S::Exact, 0, A},
    {"<AUDCENTER>", C::AudioBalance, 8, S::Exact, 0, A},
    {"<TREBUP>", C::AudioTreble, 9, S::Exact, 0, A},
    {"<TREBDOWN>", C::AudioTreble, 10, S::Exact, 0, A},
    {"<MIDIOFF>", C::MidiVolume, 11, S::Exact, 0, A},
    {"<MIDION>", C::MidiVolume, 12, S::Exact, 0, A},
    {"<MIDIUP>", C::MidiVolume, 13, S::Exact, 0, A},
    {"<MIDIDOWN>", C::MidiVolume, 14, S::Exact, 0, A},
    {"<MIDIMUTE>", C::MidiMuteToggle, 15, S::Exact, 0, A},
    {"<MIDILEFT>", C::MidiBalance, 16, S::Exact, 0, A},
    {"<MIDIRIGHT>", C::MidiBalance, 17, S::Exact, 0, A},
    {"<MIDICENTER>", C::MidiBalance, 18, S::Exact, 0, A},
    {"<BASSUP>", C::AudioBass, 19, S::Exact, 0, A},
    {"<BASSDOWN>", C::AudioBass, 20, S::Exact, 0, A},

    {"<CTLD>", C::ControlKey, 1, S::Exact, 0, A},
    {"<CTLU>", C::ControlKey, 2, S::Exact, 0, A},
    {"<ALTD>", C::AltKey, 3, S::Exact, 0, A},
    {"<ALTU>", C::AltKey, 4, S::Exact, 0, A},
    {"<SHFD>", C::ShiftKey, 5, S::Exact, 0, A},
    {"<SHFU>", C::ShiftKey, 6, S::Exact, 0, A},
    {"<WIND>", C::WinKey, 7, S::Exact, 0, A},
    {"<WINU>", C::WinKey, 8, S::Exact, 0, A},

    {"<LCLK>", C::MouseLeftButton, 2, S::Exact, 0, A},
    {"<LDCLK>", C::MouseLeftButton, 3, S::Exact, 0, A},
    {"<LDN>", C::MouseLeftButton, 4, S::Exact, 0, A},
    {"<LUP>", C::MouseLeftButton, 5, S::Exact, 0, A},
    {"<RCLK>", C::MouseRightButton, 6, S::Exact, 0, A},
    {"<RDCLK>", C::MouseRightButton, 7, S::Exact, 0, A},
    {"<RDN>", C::MouseRightButton, 8, S::Exact, 0, A},
    {"<RUP>", C::MouseRightButton, 9, S::Exact, 0, A},
    {"<MCLK>", C::MouseMiddleButton, 10, S::Exact, 0, A},
    {"<MDCLK>", C::MouseMiddleButton, 11, S::Exact, 0, A},
    {"<MDN>", C::MouseMiddleButton, 12, S::Exact, 0, A},
    {"<MUP>", C::MouseMiddleButton, 13, S::Exact, 0, A},
    {"<WFW:", C::MouseWheel, 14, S::Closed, 8, A},
    {"<WBW:", C::MouseWheel, 15, S::Closed, 8, A},
    // Mouse moves: the variant is the mode (screen, window, last position, caret).
    {"<MMS:", C::MouseMove, 1, S::Closed, 16, A},
    {"<MMW:", C::MouseMove, 2, S::Closed, 16, A},
    {"<MMP:", C::MouseMove, 3, S::Closed, 16, A},
    {"<MMC>", C::MouseMove, 4, S::Exact, 0, A},

    {"<PAUSE:", C::Pause, 2, S::FreeText, 14, A},
    {"<PAUSE>", C::Pause, 1, S::Exact, 0, A},
    {"<TDELAY:", C::WaitTimeDelay, 3, S::Closed, 10, A},
    {"<DELAY:", C::Delay, 1, S::Closed, 12, A},
    {"<MSD:", C::Delay, 2, S::Closed, 9, A},

    {"<WMAX:", C::WindowMaximize, 1, S::FreeText, 6, A},
    {"<WMIN:", C::WindowMinimize, 2, S::FreeText, 6, A},
    {"<WRES:", C::WindowRestore, 3, S::FreeText, 6, A},
    {"<WCLS:", C::WindowClose, 4, S::FreeText, 6, A},
    {"<WHIDE:", C::WindowHide, 5, S::FreeText, 7, A},
    {"<WSHOW:", C::WindowShow, 6, S::FreeText, 7, A},
    {"<WSHUT:", C::ProgramShutDown, 7, S::FreeText, 7, A},
    {"<WSIZE:", C::WindowResize, 1, S::FreeText, 16, A},
    // The older placing token has four digits a field; the wider one holds a
    // left (or top) below zero. The writer takes the older where it fits.
    {"<WPOS:", C::WindowReposition, 2, S::FreeText, 15, A},
    {"<WPOS2:", C::WindowReposition, 2, S::FreeText, 18, A},

    {"<IIII>", C::RepeatCounter, 4, S::Exact, 0, A},
    {"<III>", C::RepeatCounter, 3, S::Exact, 0, A},
    {"<II>", C::RepeatCounter, 2, S::Exact, 0, A},
    {"<I>", C::RepeatCounter, 1, S::Exact, 0, A},
    {"<REPEAT:", C::RepeatStart, 1, S::Closed, 12, R},
    {"<REP:", C::RepeatStart, 1, S::Closed, 23, A},
    {"<PROMPTREP>", C::RepeatPromptStart, 2, S::Exact, 0, A},
    {"<ENDREP>", C::RepeatEnd, 3, S::Exact, 0, A},

    {"<ETEXT:", C::EncryptedText, 0, S::FreeText, 7, A},
    {"<SSON>", C::ScreenSaver, 1, S::Exact, 0, A},
    {"<SSOFF>", C::ScreenSaver, 2, S::Exact, 0, A},
    {"<SSTIME:", C::ScreenSaver, 3, S::Closed, 10, A},
    {"<KEYDEL:", C::KeyboardDelay, 4, S::Closed, 10, A},
    {"<KEYSPD:", C::KeyboardRepeatSpeed, 5, S::Closed, 10, A},
    {"<WBSIZE:", C::WindowsSizingBorder, 7, S::Closed, 10, A},
    // Wallpaper: the variant is the style (tile, centre, stretch, position).
    {"<WALLT:", C::Wallpaper, 0, S::FreeText, 7, A},
    {"<WALLC:", C::Wallpaper, 1, S::FreeText, 7, A},
    {"<WALLS:", C::Wallpaper, 2, S::FreeText, 7, A},
    {"<WALLP:", C::Wallpaper, 3, S::FreeText, 7, A},

    {"<CLIPTYPE>", C::ClipboardTypeText, 7, S::Exact, 0, A},
    {"<CLIPTYPEI>", C::ClipboardTypeText, 8, S::Exact, 0, A},
    {"<BEGCLIP>", C::ClipboardStartCopy, 1, S::Exact, 0, A},
    {"<ENDCLIP>", C::ClipboardEndCopy, 2, S::Exact, 0, A},
    {"<CLIPC>", C::ClipboardCopy, 4, S::Exact, 0, A},
    {"<CLIPP>", C::ClipboardPaste, 5, S::Exact, 0, A},
    {"<CLIPF:", C::ClipboardFileCopy, 3, S::FreeText, 7, A},
    {"<CLIPB:", C::ClipboardGraphicCopy, 6, S::FreeText, 7, A},
    {"<CLIPST:", C::ClipboardSaveText, 9, S::FreeText, 8, A},
    {"<CLIPAT:", C::ClipboardAppendText, 10, S::FreeText, 8, A},
    {"<CLIPSG:", C::ClipboardSaveGraphic, 11, S::FreeText, 8, A},

    {"<CDPLAY>", C::CdPlay, 1, S::Exact, 0, A},
    {"<CDSTOP>", C::CdStop, 2, S::Exact, 0, A},
    {"<CDPAUSE>", C::CdPause, 3, S::Exact, 0, A},
    {"<CDNEXT>", C::CdNextTrack, 4, S::Exact, 0, A},
    {"<CDPREV>", C::CdPreviousTrack, 5, S::Exact, 0, A},
    {"<CDGOTO:", C::CdGoToTrack, 6, S::Closed, 10, A},
    {"<CDSTEP:", C::CdStep, 7, S::Closed, 10, A},
    {"<CDBACK:", C::CdBack, 8, S::Closed, 10, A},
    {"<CDEJECT>", C::CdEject, 9, S::Exact, 0, A},
    {"<CDCLOSE>", C::CdCloseTray, 10, S::Exact, 0, A},

    // Video: the variant is the mode; wave files: the wait flag.
    {"<AVI:", C::VideoClipPlay, 3, S::FreeText, 5, A},
    {"<AVII:", C::VideoClipPlay, 1, S::FreeText, 6, A},
    {"<AVIE:", C::VideoClipPlay, 2, S::FreeText, 6, A},
    {"<WAV1:", C::SoundWaveFile, 1, S::FreeText, 6, A},
    {"<WAV2:", C::SoundWaveFile, 0, S::FreeText, 6, A},
    {"<BEEP>", C::SoundBeep, 1, S::Exact, 0, A},

    {"<LOGOFF>", C::Logoff, 1, S::Exact, 0, A},
    {"<REBOOT>", C::Reboot, 2, S::Exact, 0, A},
    {"<SHUTDOWN>", C::ShutDown, 3, S::Exact, 0, A},
    {"<POWEROFF>", C::PowerOff, 4, S::Exact, 0, A},
    {"<CASCDESK>", C::DeskTopCascade, 1, S::Exact, 0, A},
    {"<TILVDESK>", C::DeskTopTile, 2, S::Exact, 0, A},
    {"<TILHDESK>", C::DeskTopTile, 3, S::Exact, 0, A},
    {"<MINIDESK>", C::DeskTopMinimizeAll, 4, S::Exact, 0, A},
    {"<RESTDESK>", C::DeskTopRestoreAll, 5, S::Exact, 0, A},
    {"<SUSPEND>", C::SuspendComputer, 6, S::Exact, 0, A},
    {"<UNDOCK>", C::UndockComputer, 7, S::Exact, 0, A},
    {"<RUNDT>", C::RunDialogWindow, 8, S::Exact, 0, A},
    {"<RUNFC>", C::RunDialogWindow, 9, S::Exact, 0, A},
    {"<RUNFF>", C::RunDialogWindow, 10, S::Exact, 0, A},
    {"<RUNRP>", C::RunDialogWindow, 11, S::Exact, 0, A},
    {"<EXPCP>", C::OpenExplorerTo, 12, S::Exact, 0, A},
    {"<EXPDT>", C::OpenExplorerTo, 13, S::Exact, 0, A},
    {"<EXPDP>", C::OpenExplorerTo, 14, S::Exact, 0, A},
    {"<EXPFV>", C::OpenExplorerTo, 15, S::Exact, 0, A},
    {"<EXPFT>", C::OpenExplorerTo, 16, S::Exact, 0, A},
    {"<EXPMC>", C::OpenExplorerTo, 17, S::Exact, 0, A},
    {"<EXPNW>", C::OpenExplorerTo, 18, S::Exact, 0, A},
    {"<EXPPR>", C::OpenExplorerTo, 19, S::Exact, 0, A},
    {"<EXPPF>", C::OpenExplorerTo, 20, S::Exact, 0, A},
    {"<EXPRD>", C::OpenExplorerTo, 21, S::Exact, 0, A},
    {"<EXPRB>", C::OpenExplorerTo, 22, S::Exact, 0, A},
    {"<EXPSM>", C::OpenExplorerTo, 23, S::Exact, 0, A},
    {"<EXPSU>", C::OpenExplorerTo, 24, S::Exact, 0, A},
    {"<EXPUD>", C::OpenExplorerTo, 25, S::Exact, 0, A},

    {"<SPEED:", C::MacroPlaybackSpeed, 3, S::Closed, 12, A},
    {"<SPKEY:", C::KeystrokeSpeed, 1, S::Closed, 11, A},
    {"<SPMSE:", C::MouseSpeed, 2, S::Closed, 11, A},

    {"<CHDIR:", C::ChangeDirectory, 1, S::FreeText, 7, A},
    {"<MKDIR:", C::CreateDirectory, 5, S::FreeText, 7, A},
    {"<DELFILE:", C::DeleteFile, 4, S::FreeText, 9, A},
    {"<COPYFILE:", C::CopyFile, 2, S::FreeText, 10, A},
    {"<RENFILE:", C::RenameFile, 3, S::FreeText, 9, A},
    {"<SWAP:", C::LoadNewMacroFile, 0, S::FreeText, 6, A},
    {"<EXPLORE:", C::OpenFolderInExplorer, 0, S::FreeText, 9, A},
    {"<DEFPRT:", C::DefaultPrinter, 0, S::FreeText, 8, A},
    {"<SCREEN:", C::DefaultDisplaySize, 0, S::Closed, 11, A},
    {"<MACRUN:", C::MacroRun, 1, S::FreeText, 8, A},
    {"<MACDEL:", C::MacroDelete, 2, S::FreeText, 8, A},
    {"<MACACT:", C::MacroActivate, 3, S::FreeText, 8, A},
    {"<MACDEACT:", C::MacroDeactivate, 4, S::FreeText, 10, A},
    {"<TBOX:<HEAD:", C::WindowOfText, 0, S::TextBox, 12, A},

    {"<HANG>", C::DialUpNetworking, 2, S::Exact, 0, A},
    {"<DIAL:<NAME:", C::DialUpNetworking, 1, S::Credentials, 12, A},
    {"<NWT", C::NetworkToggle, 0, S::Network, 4, A},
    {"<NWC", C::NetworkConnect, 0, S::Network, 4, A},
    {"<NWD", C::NetworkDisconnect, 0, S::Disconnect, 4, A},
    {"<HTTP:", C::WebSite, 0, S::FreeText, 6, A},
    {"<FTP:", C::WebFtp, 0, S::FreeText, 5, A},
    {"<REM:", C::Remark, 0, S::FreeText, 5, A},

    // Waits: the variant is the kind; for "Wait For Text" the case flag.
    {"<WAITWIN:", C::WaitForWindowTitle, 1, S::FreeText, 13, A},
    {"<WAITWLF:", C::WaitWindowLoseFocus, 2, S::FreeText, 13, A},
    {"<WAITPROG:", C::WaitProgramTerminate, 3, S::FreeText, 14, A},
    {"<WAITTXTY:", C::WaitForText, 1, S::FreeText, 14, A},
    {"<WAITTXTN:", C::WaitForText, 0, S::FreeText, 14, A},
    {"<WAITPB>", C::WaitTextPlayback, 9, S::Exact, 0, A},
    {"<WAITKEY:", C::WaitForKeyPress, 4, S::FreeText, 13, A},
    {"<WAITLM:", C::WaitLeftMouseClick, 6, S::Closed, 11, A},
    {"<WAITRM:", C::WaitRightMouseClick, 7, S::Closed, 11, A},
    {"<WAITMM:", C::WaitMiddleMouseClick, 8, S::Closed, 11, A},
    {"<WAITTIME:", C::WaitTimeElapse, 10, S::Closed, 18, A},

    {"<TFILE:", C::LoadTextFile, 0, S::FreeText, 7, A},
    {"<ACTIVATE:", C::WindowActivate, 1, S::FreeText, 10, A},
    {"<EMAIL:", C::EMailSend, 0, S::FreeText, 7, A},
    // Launches: the variant is the launch record's kind.
    {"<LAUNCH:", C::ProgramLaunch, 2, S::Program, 8, R},
    {"<LAUNCHDEL:", C::ProgramLaunch, 2, S::Program, 13, A},
    {"<LAUNCHNO:", C::LaunchAndActivate, 3, S::TitleProgram, 12, R},
    {"<LAUNCHYES:", C::ActivateOrLaunch, 4, S::TitleProgram, 13, R},
    {"<LAUNCHNO2:", C::LaunchAndActivate, 3, S::TitleProgram, 15, A},
    {"<LAUNCHYES2:", C::ActivateOrLaunch, 4, S::TitleProgram, 16, A},
};

std::vector<TokenForm> BuildTable() {
    std::vector<TokenForm> table;
    for (int i = 0; i < KeystrokeTokenCount; ++i) {
        bool keptAsText = i >= KeystrokeTokenCount - KeystrokeTokensKeptAsText;
        table.push_back({KeystrokeTokens[i].Token, C::Text, KeystrokeTokens[i].VirtualKey, S::Exact,
                         0, keptAsText ? P : R});
    }
    table.insert(table.end(), std::begin(CommandForms), std::end(CommandForms));
    return table;
}

constexpr std::size_t npos = std::string_view::npos;

// How far the text at a "<" goes towards a token.
enum class Fit {
    Broken,      // it is no token, whatever follows
    Unfinished,  // the text ends before the token could end
    Complete,
};

// Walks the parts of a token over the text. Each step moves past what it read,
// or fails; a step that fails because the text ended marks the scan as run out.
class Scan {
  public:
    Scan(std::string_view text, std::size_t at) : text_(text), at_(at) {}

    std::size_t At() const { return at_; }
    Fit Result(bool complete) const {
        return complete ? Fit::Complete : ranOut_ ? Fit::Unfinished : Fit::Broken;
    }

    bool Literal(std::string_view literal) {
        std::string_view rest = text_.substr(at_);
        if (rest.starts_with(literal)) {
            at_ += literal.size();
            return true;
        }
        return literal.starts_with(rest) && RunOut();
    }
    // Fixed fields up to end, which may hold anything but the ">" that would
    // end the token before them.
    bool Fields(std::size_t end) {
        if (text_.find('>', at_) < end)
            return false;
        if (end > text_.size())
            return RunOut();
        at_ = end;
        return true;
    }
    // Free text up to the next ">", which is passed.
    bool Part(std::string_view& part) {
        std::size_t close = text_.find('>', at_);
        if (close == npos)
            return RunOut();
        part = text_.substr(at_, close - at_);
        at_ = close + 1;
        return true;
    }
    // A launch title: free text up to the next "<".
    bool Title(std::string_view& title) {
        std::size_t launch = text_.find('<', at_);
        if (text_.find('>', at_) < launch)
            return false;
        if (launch == npos)
            return RunOut();
        title = text_.substr(at_, launch - at_);
        at_ = launch;
        return true;
    }
    // The optional letters, each at most once and in the order given.
    std::string_view Letters(std::string_view allowed) {
        std::size_t start = at_;
        for (char letter : allowed) {
            if (at_ < text_.size() && text_[at_] == letter)
                ++at_;
        }
        return text_.substr(start, at_ - start);
    }
    bool AnyChar(char& c) {
        if (at_ >= text_.size())
            return RunOut();
        c = text_[at_++];
        return true;
    }
    bool Digits(std::size_t count, int& value) {
        value = 0;
        for (std::size_t k = 0; k < count; ++k) {
            char c = 0;
            if (!AnyChar(c))
                return false;
            if (c < '0' || c > '9')
                return false;
            value = value * 10 + (c - '0');
        }
        return true;
    }

  private:
    bool RunOut() {
        ranOut_ = true;
        return false;
    }

    std::string_view text_;
    std::size_t at_;
    bool ranOut_ = false;
};

// path["<PARAM>"parameters]">"
bool ReadProgram(Scan& scan, TokenMatch& m) {
    std::string_view program;
    if (!scan.Part(program))
        return false;
    std::size_t param = program.find("<PARAM");
    m.Texts[1] = program.substr(0, param);
    return param == npos || scan.Part(m.Texts[2]);
}

bool ReadShape(Scan& scan, std::size_t fieldsEnd, const TokenForm& form, TokenMatch& m) {
    switch (form.Shape) {
        case S::Exact:
            return true;
        case S::Closed:
            return scan.Fields(fieldsEnd) && scan.Literal(">");
        case S::FreeText:
            return scan.Fields(fieldsEnd) && scan.Part(m.Texts[0]);
        case S::Program:
            return scan.Fields(fieldsEnd) && ReadProgram(scan, m);
        case S::TitleProgram:
            return scan.Fields(fieldsEnd) && scan.Title(m.Texts[0]) && scan.Literal("<LAUNCH:") &&
                   ReadProgram(scan, m);
        case S::Network:
            m.Letters = scan.Letters("PS");
            return scan.Literal(":<NAME:") && scan.Part(m.Texts[0]) && scan.Literal("<PASS:") &&
                   scan.Part(m.Texts[1]) && scan.Part(m.Texts[2]);
        case S::Disconnect:
            m.Letters = scan.Letters("PFS");
            return scan.Literal(":") && scan.Part(m.Texts[2]);
        case S::Credentials:
            return scan.Part(m.Texts[0]) && scan.Literal("<PASS:") && scan.Part(m.Texts[1]) &&
                   scan.Part(m.Texts[2]);
        case S::TextBox:
            return scan.Part(m.Texts[0]) && scan.Part(m.Texts[1]);
    }
    return false;
}

// The command or keystroke token at pos, among the forms known to use.
Fit FitToken(std::string_view text, std::size_t pos, std::uint8_t use, TokenMatch& m) {
    std::string_view rest = text.substr(pos);
    bool headCut = false;
    for (const TokenForm& form : TokenTable()) {
        if ((form.Use & use) == 0)
            continue;
        if (!rest.starts_with(form.Head)) {
            headCut = headCut || form.Head.starts_with(rest);
            continue;
        }
        // Heads are unique: no other form can start here.
        m.Form = &form;
        Scan scan(text, pos + form.Head.size());
        Fit fit = scan.Result(ReadShape(scan, pos + form.Offset, form, m));
        m.Length = scan.At() - pos;
        return fit;
    }
    return headCut ? Fit::Unfinished : Fit::Broken;
}

// The date or time token at pos: "<" format "{" Z D ddd "}>" or "<" format "{"
// Z "}>" for a date, "<" format "{N}>" or "{Y}>" for a time.
Fit FitDateTime(std::string_view text, std::size_t pos, DateTimeMatch& m) {
    bool nameCut = false;
    for (bool isDate : {true, false}) {
        const std::span<const FormatEntry> formats =
            isDate ? std::span<const FormatEntry>(DateFormatTable) : TimeFormatTable;
        for (int i = 0; i < static_cast<int>(formats.size()); ++i) {
            const std::string_view name = formats[i].Name;
            Scan scan(text, pos);
            // A format name is always followed by "{": names that begin other
            // names are told apart by it.
            if (!scan.Literal("<") || !scan.Literal(name) || !scan.Literal("{")) {
                nameCut = nameCut || scan.Result(false) == Fit::Unfinished;
                continue;
            }
            m = DateTimeMatch{isDate, i + 1, false, true, 0, 0};
            char zeros = 0;
            bool complete = scan.AnyChar(zeros);
            m.ShowZeros = zeros == 'Y';
            if (!isDate) {
                complete = complete && (zeros == 'N' || zeros == 'Y') && scan.Literal("}>");
            } else if (complete) {
                Scan shortForm = scan;
                if (shortForm.Literal("}>")) {
                    scan = shortForm;
                } else {
                    char direction = 0;
                    complete =
                        scan.AnyChar(direction) && scan.Digits(3, m.Days) && scan.Literal("}>");
                    m.Future = direction != 'P';
                }
            }
            m.Length = scan.At() - pos;
            return scan.Result(complete);
        }
    }
    return nameCut ? Fit::Unfinished : Fit::Broken;
}

}  // namespace

std::span<const TokenForm> TokenTable() {
    static const std::vector<TokenForm> table = BuildTable();
    return table;
}

std::optional<TokenMatch> MatchToken(std::string_view text, std::size_t pos, std::uint8_t use) {
    TokenMatch m;
    if (pos >= text.size() || text[pos] != '<' || FitToken(text, pos, use, m) != Fit::Complete)
        return std::nullopt;
    return m;
}

const TokenForm* WrittenForm(CommandCode code, int variant) {
    for (const TokenForm& form : TokenTable()) {
        if (form.Code == code && form.Variant == variant && (form.Use & TokenUse::Written))
            return &form;
    }
    return nullptr;
}

std::optional<DateTimeMatch> MatchDateTimeToken(std::string_view text, std::size_t pos) {
    DateTimeMatch m;
    if (pos >= text.size() || text[pos] != '<' || FitDateTime(text, pos, m) != Fit::Complete)
        return std::nullopt;
    return m;
}

std::size_t UnfinishedTokenAt(std::string_view text) {
    // Whatever the writer puts after a text begins with "<".
    const std::string followed = std::string(text) + "<";
    std::size_t p = text.find('<');
    while (p != npos) {
        TokenMatch token;
        DateTimeMatch date;
        Fit fit = FitToken(followed, p, TokenUse::Read, token);
        std::size_t length = token.Length;
        if (fit != Fit::Complete) {
            Fit dateFit = FitDateTime(followed, p, date);
            fit = std::max(fit, dateFit);
            length = date.Length;
        }
        if (fit == Fit::Unfinished)
            return p;
        p = text.find('<', fit == Fit::Complete ? p + length : p + 1);
    }
    return npos;
}

}  // namespace orv
