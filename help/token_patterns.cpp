#include "help/token_patterns.h"

#include <array>

namespace orv {
namespace {

// The fixed fields after a head up to where the form's free part or ">"
// begins: a lower-case letter stands for a digit, anything else for itself.
struct FieldLayout {
    std::string_view Head;
    std::string_view Fields;
    std::string_view Meaning;
    // The name of the free part of a FreeText form.
    std::string_view Free = "text";
};

constexpr std::string_view WaitMinutes = "mmm: the longest wait in minutes (000 waits without end)";

constexpr std::array Layouts = {
    FieldLayout{"<ALT:", "ccc", "the character's code, typed with Alt on the numeric keypad"},
    FieldLayout{"<ALT4:", "cccc", "the character's code, typed with Alt on the numeric keypad"},
    FieldLayout{"<WFW:", "nnn", "the wheel's steps forward"},
    FieldLayout{"<WBW:", "nnn", "the wheel's steps backward"},
    FieldLayout{"<MMS:", "xxxxx,yyyyy",
                "x, y: the point in pixels from the screen's top left corner (a minus sign may "
                "take a field's first place)"},
    FieldLayout{"<MMW:", "xxxxx,yyyyy", "x, y: as above, from the active window's top left corner"},
    FieldLayout{"<MMP:", "xxxxx,yyyyy", "x, y: as above, from the pointer's last position"},
    FieldLayout{"<PAUSE:", "ttt,lll",
                "ttt, lll: the top and left of the pause window; then "
                "the message, at most 180 characters",
                "message"},
    FieldLayout{"<TDELAY:", "ss", "seconds"},
    FieldLayout{"<DELAY:", "ss.hh", "seconds and hundredths"},
    FieldLayout{"<MSD:", "mmmm", "milliseconds"},
    FieldLayout{"<WSIZE:", "wwww,hhhh",
                "width and height; then the window's title or "
                "\"CURRENT\" for the window in front",
                "title"},
    FieldLayout{"<WPOS:", "xxxx,yyyy", "left and top; then the window's title or \"CURRENT\"",
                "title"},
    FieldLayout{"<WPOS2:", "xxxxx,yyyyy",
                "left and top, a minus sign allowed; then the "
                "window's title or \"CURRENT\"",
                "title"},
    FieldLayout{"<REPEAT:", "cccc", "the count"},
    FieldLayout{"<REP:", "cccc:ssssss:tttttt",
                "cccc: how many times; ssssss: the counter's start; tttttt: its step"},
    FieldLayout{"<SSTIME:", "mm", "the screen saver's time-out in minutes"},
    FieldLayout{"<KEYDEL:", "nn", "the keyboard's repeat delay setting"},
    FieldLayout{"<KEYSPD:", "nn", "the keyboard's repeat speed setting"},
    FieldLayout{"<WBSIZE:", "nn", "the width of the windows' sizing border"},
    FieldLayout{"<WALLP:", "",
                "xxxx, yyyy: where the bitmap's top left corner stands; then its file",
                "xxxx,yyyyfile"},
    FieldLayout{"<COPYFILE:", "", "the file to copy; then, after the semicolon, the copy",
                "file;copy"},
    FieldLayout{"<RENFILE:", "", "the file; then, after the semicolon, its new name", "file;name"},
    FieldLayout{"<CDGOTO:", "tt", "the track"},
    FieldLayout{"<CDSTEP:", "ss", "seconds forward"},
    FieldLayout{"<CDBACK:", "ss", "seconds back"},
    FieldLayout{"<SPEED:", "ff.hh", "the playback speed factor with hundredths"},
    FieldLayout{"<SPKEY:", "mmmm", "milliseconds between keystrokes"},
    FieldLayout{"<SPMSE:", "mmmm", "milliseconds between mouse actions"},
    FieldLayout{"<SCREEN:", "nnn", "the number of the display mode"},
    FieldLayout{"<WAITWIN:", "mmm:", WaitMinutes, "title"},
    FieldLayout{"<WAITWLF:", "mmm:", WaitMinutes, "title"},
    FieldLayout{"<WAITPROG:", "mmm:", WaitMinutes, "program"},
    FieldLayout{"<WAITTXTY:", "mmm:", WaitMinutes},
    FieldLayout{"<WAITTXTN:", "mmm:", WaitMinutes},
    FieldLayout{"<WAITKEY:", "mmm:", WaitMinutes, "key"},
    FieldLayout{"<WAITLM:", "mmm", WaitMinutes},
    FieldLayout{"<WAITRM:", "mmm", WaitMinutes},
    FieldLayout{"<WAITMM:", "mmm", WaitMinutes},
    FieldLayout{"<WAITTIME:", "ssssssss", "seconds"},
    FieldLayout{"<NWT", "", "P: a permanent connection; S: show its status"},
    FieldLayout{"<NWC", "", "P: a permanent connection; S: show its status"},
    FieldLayout{"<NWD", "", "P: permanently; F: by force, even while in use; S: show its status"},
    FieldLayout{"<LAUNCHDEL:", "dd", "dd: seconds to wait before the launch"},
    FieldLayout{"<LAUNCHNO:", "dd", "dd: seconds to wait before the launch"},
    FieldLayout{"<LAUNCHYES:", "dd", "dd: seconds to wait before the launch"},
    FieldLayout{"<LAUNCHNO2:", "ddww",
                "dd: seconds to wait before the launch; ww: the most "
                "seconds to wait for the window"},
    FieldLayout{"<LAUNCHYES2:", "ddww",
                "dd: seconds to wait before the launch; ww: the most "
                "seconds to wait for the window"},
};

const FieldLayout* LayoutOf(const TokenForm& form) {
    for (const FieldLayout& layout : Layouts)
        if (layout.Head == form.Head)
            return &layout;
    return nullptr;
}

// The room the form leaves for fixed fields after its head.
std::size_t FieldRoom(const TokenForm& form) {
    switch (form.Shape) {
        case TokenShape::Closed:
        case TokenShape::FreeText:
        case TokenShape::Program:
        case TokenShape::TitleProgram:
            return form.Offset > form.Head.size() ? form.Offset - form.Head.size() : 0;
        default:
            return 0;
    }
}

}  // namespace

std::optional<std::string> TokenPattern(const TokenForm& form) {
    const FieldLayout* layout = LayoutOf(form);
    std::string_view fields = layout ? layout->Fields : "";
    if (fields.size() != FieldRoom(form))
        return std::nullopt;
    std::string head = std::string(form.Head) + std::string(fields);
    switch (form.Shape) {
        case TokenShape::Exact:
            return head;
        case TokenShape::Closed:
            return head + ">";
        case TokenShape::FreeText:
            return head + std::string(layout ? layout->Free : "text") + ">";
        case TokenShape::Program:
            return head + "program[<PARAM>parameters]>";
        case TokenShape::TitleProgram:
            return head + "title<LAUNCH:program[<PARAM>parameters]>";
        case TokenShape::Network:
            return head + "[P][S]:<NAME:user><PASS:password>resource>";
        case TokenShape::Disconnect:
            return head + "[P][F][S]:resource>";
        case TokenShape::Credentials:
            return head + "user><PASS:password>entry>";
        case TokenShape::TextBox:
            return head + "heading>body>";
    }
    return std::nullopt;
}

std::string_view TokenFieldMeaning(const TokenForm& form) {
    const FieldLayout* layout = LayoutOf(form);
    return layout ? layout->Meaning : std::string_view();
}

}  // namespace orv
