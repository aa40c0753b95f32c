#include "common/script/token_table.h"

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
    {"<WPOS:", C::WindowReposition, 2, S::FreeText, 15, A},
    {"<WPOS2:", C::WindowReposition, 2, S::FreeText, 18, P},

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

// Scans one free-text part that ends at the next ">"; gives the part and moves
// at past the ">".
bool ReadPart(std::string_view text, std::size_t& at, std::string_view& part) {
    std::size_t close = text.find('>', at);
    if (close == npos)
        return false;
    part = text.substr(at, close - at);
    at = close + 1;
    return true;
}

bool Expect(std::string_view text, std::size_t& at, std::string_view literal) {
    if (text.substr(at).starts_with(literal)) {
        at += literal.size();
        return true;
    }
    return false;
}

// Fixed fields between the head and offset may not hold the ">" that would end
// the token before them.
bool FieldsClear(std::string_view text, std::size_t from, std::size_t to) {
    if (to > text.size())
        return false;
    return text.substr(from, to - from).find('>') == npos;
}

// path[<PARAM>parameters]">" from at.
bool ReadProgram(std::string_view text, std::size_t& at, TokenMatch& m) {
    std::string_view program;
    if (!ReadPart(text, at, program))
        return false;
    std::size_t param = program.find("<PARAM");
    m.Texts[1] = program.substr(0, param);
    if (param == npos)
        return true;
    return ReadPart(text, at, m.Texts[2]);
}

// The optional letters, each at most once and in the order given.
std::string_view ReadLetters(std::string_view text, std::size_t& at, std::string_view allowed) {
    std::size_t start = at;
    for (char letter : allowed) {
        if (at < text.size() && text[at] == letter)
            ++at;
    }
    return text.substr(start, at - start);
}

bool MatchShape(std::string_view text, std::size_t pos, const TokenForm& form, TokenMatch& m) {
    std::size_t at = pos + form.Head.size();
    std::size_t fieldsEnd = pos + form.Offset;
    switch (form.Shape) {
        case S::Exact:
            break;
        case S::Closed:
            if (!FieldsClear(text, at, fieldsEnd) || fieldsEnd >= text.size() ||
                text[fieldsEnd] != '>')
                return false;
            at = fieldsEnd + 1;
            break;
        case S::FreeText:
            if (!FieldsClear(text, at, fieldsEnd))
                return false;
            at = fieldsEnd;
            if (!ReadPart(text, at, m.Texts[0]))
                return false;
            break;
        case S::Program:
            if (!FieldsClear(text, at, fieldsEnd))
                return false;
            at = fieldsEnd;
            if (!ReadProgram(text, at, m))
                return false;
            break;
        case S::TitleProgram: {
            if (!FieldsClear(text, at, fieldsEnd))
                return false;
            std::size_t launch = text.find('<', fieldsEnd);
            if (launch == npos || !FieldsClear(text, fieldsEnd, launch))
                return false;
            m.Texts[0] = text.substr(fieldsEnd, launch - fieldsEnd);
            at = launch;
            if (!Expect(text, at, "<LAUNCH:") || !ReadProgram(text, at, m))
                return false;
            break;
        }
        case S::Network:
            m.Letters = ReadLetters(text, at, "PS");
            if (!Expect(text, at, ":<NAME:") || !ReadPart(text, at, m.Texts[0]) ||
                !Expect(text, at, "<PASS:") || !ReadPart(text, at, m.Texts[1]) ||
                !ReadPart(text, at, m.Texts[2]))
                return false;
            break;
        case S::Disconnect:
            m.Letters = ReadLetters(text, at, "PFS");
            if (!Expect(text, at, ":") || !ReadPart(text, at, m.Texts[2]))
                return false;
            break;
        case S::Credentials:
            if (!ReadPart(text, at, m.Texts[0]) || !Expect(text, at, "<PASS:") ||
                !ReadPart(text, at, m.Texts[1]) || !ReadPart(text, at, m.Texts[2]))
                return false;
            break;
        case S::TextBox:
            if (!ReadPart(text, at, m.Texts[0]) || !ReadPart(text, at, m.Texts[1]))
                return false;
            break;
    }
    m.Length = at - pos;
    return true;
}

}  // namespace

std::span<const TokenForm> TokenTable() {
    static const std::vector<TokenForm> table = BuildTable();
    return table;
}

std::optional<TokenMatch> MatchToken(std::string_view text, std::size_t pos, std::uint8_t use) {
    if (pos >= text.size() || text[pos] != '<')
        return std::nullopt;
    std::string_view rest = text.substr(pos);
    for (const TokenForm& form : TokenTable()) {
        if ((form.Use & use) == 0 || !rest.starts_with(form.Head))
            continue;
        TokenMatch m;
        m.Form = &form;
        if (MatchShape(text, pos, form, m))
            return m;
        return std::nullopt;  // heads are unique: no other form can start here
    }
    return std::nullopt;
}

const TokenForm* WrittenForm(CommandCode code, int variant) {
    for (const TokenForm& form : TokenTable()) {
        if (form.Code == code && form.Variant == variant && (form.Use & TokenUse::Written))
            return &form;
    }
    return nullptr;
}

std::optional<DateTimeMatch> MatchDateTimeToken(std::string_view text, std::size_t pos) {
    if (pos >= text.size() || text[pos] != '<')
        return std::nullopt;
    std::string_view rest = text.substr(pos + 1);
    for (int i = 0; i < DateFormatCount; ++i) {
        std::string_view name = DateFormatTable[i].Name;
        if (!rest.starts_with(name) || rest.substr(name.size()).substr(0, 1) != "{")
            continue;
        std::string_view tail = rest.substr(name.size() + 1);
        DateTimeMatch m{true, i + 1, tail.starts_with('Y'), true, 0, 0};
        if (tail.size() >= 3 && tail.substr(1, 2) == "}>") {
            m.Length = name.size() + 5;
            return m;
        }
        if (tail.size() < 7 || tail.substr(5, 2) != "}>")
            return std::nullopt;
        m.Future = tail[1] != 'P';
        for (char c : tail.substr(2, 3)) {
            if (c < '0' || c > '9') {
                m.Days = 0;
                break;
            }
            m.Days = m.Days * 10 + (c - '0');
        }
        m.Length = name.size() + 9;
        return m;
    }
    for (char zeros : {'N', 'Y'}) {
        for (int i = 0; i < TimeFormatCount; ++i) {
            std::string_view name = TimeFormatTable[i].Name;
            std::string close = std::string("{") + zeros + "}>";
            if (rest.starts_with(name) && rest.substr(name.size()).starts_with(close))
                return DateTimeMatch{false, i + 1, zeros == 'Y', true, 0, name.size() + 5};
        }
    }
    return std::nullopt;
}

}  // namespace orv
