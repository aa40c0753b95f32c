#include "editor/commands/system_commands.h"

#include "common/script/fields.h"
#include "common/whole_numbers.h"
#include "editor/commands/encryption.h"

namespace orv::editor {
namespace {

using C = CommandCode;

constexpr C RebootCodes[] = {C::Logoff, C::Reboot, C::ShutDown, C::PowerOff};
constexpr C SysControlCodes[] = {C::ScreenSaver,        C::ScreenSaver,         C::ScreenSaver,
                                 C::KeyboardDelay,      C::KeyboardRepeatSpeed, C::Wallpaper,
                                 C::WindowsSizingBorder};

// The range of a setting's number and the message refusing another.
struct NumberRule {
    std::int32_t Low;
    std::int32_t High;
    const char* Message;
};

const NumberRule* RuleFor(SysControl control) {
    static const NumberRule timeOut{
        1, 60, "Invalid minutes specified.  Valid values or 1 to 60.  Please correct."};
    static const NumberRule delay{0, 3,
                                  "Invalid factor specified.  Valid values or 0 to 3.  0 = "
                                  "shortest delay.  Please correct."};
    static const NumberRule speed{0, 31,
                                  "Invalid factor specified.  Valid values or 0 to 31.  0 = "
                                  "slowest speed.  Please correct."};
    static const NumberRule border{
        1, 10, "Invalid value specified.  Valid values or 1 to 10.  Please correct."};
    switch (control) {
        case SysControl::ScreenTimer:
            return &timeOut;
        case SysControl::KeyDelay:
            return &delay;
        case SysControl::KeySpeed:
            return &speed;
        case SysControl::WinSize:
            return &border;
        default:
            return nullptr;
    }
}

// A coordinate of a placed bitmap: four digits in the token, so none below zero.
std::optional<std::int32_t> WallCoordinate(const std::string& text) {
    std::optional<std::int32_t> n = ParseWholeNumber(EditText(text));
    if (!n || *n < 0 || *n > 9999)
        return std::nullopt;
    return n;
}

bool TakeWallpaper(const SysControlsInput& input, const FileChecks& files, SysControlsOutcome& out,
                   SystemRec& record) {
    SysControlsValues& raw = out.Raw;
    raw.WallpaperMode = input.Tile ? 0 : static_cast<std::int32_t>(input.Placement);
    if (raw.WallpaperMode == 3) {
        std::optional<std::int32_t> x = WallCoordinate(input.XPos);
        if (!x) {
            out.Refuse("Invalid X Coordinate specified. Please correct.", SysControlsField::XPos);
            return false;
        }
        std::optional<std::int32_t> y = WallCoordinate(input.YPos);
        if (!y) {
            out.Refuse("Invalid Y Coordinate specified. Please correct.", SysControlsField::YPos);
            return false;
        }
        raw.WallpaperX = record.X = *x;
        raw.WallpaperY = record.Y = *y;
    }
    raw.WallpaperFile = EditText(input.Track);
    if (!files.ExistingFile(raw.WallpaperFile)) {
        out.Refuse("Specified bitmap file does not exist.  Please correct.",
                   SysControlsField::Track);
        return false;
    }
    record.Bitmap = raw.WallpaperFile;
    record.Style = static_cast<std::uint32_t>(raw.WallpaperMode);
    return true;
}

}  // namespace

RebootOutcome ComposeReboot(const RebootInput& input) {
    RebootOutcome out;
    int command = input.Command < 1 || input.Command > 4 ? 1 : input.Command;
    out.OptionCode = command;
    out.Compose(RebootCodes[command - 1], DesktopRec{static_cast<std::uint32_t>(command)},
                RebootField::None);
    return out;
}

template <>
RebootInput InputFromRecord<RebootInput>(CommandCode code, const CommandRecord&) {
    return {PlaceOf(RebootCodes, code) + 1};
}

SysControlsOutcome ComposeSysControls(const SysControlsInput& input, const FileChecks& files) {
    SysControlsOutcome out;
    SysControl control = input.Control;
    out.OptionCode = static_cast<std::int32_t>(control);
    SystemRec record;
    record.Kind = static_cast<std::uint32_t>(control);
    if (const NumberRule* rule = RuleFor(control)) {
        std::optional<std::int32_t> n = ParseWholeNumber(EditText(input.Number));
        if (!n || *n < rule->Low || *n > rule->High) {
            out.Refuse(rule->Message, SysControlsField::Number);
            return out;
        }
        out.Raw.RawValue = record.Value = *n;
    }
    if (control == SysControl::Wallpaper && !TakeWallpaper(input, files, out, record))
        return out;
    out.Compose(
        SysControlCodes[out.OptionCode - 1], record,
        control == SysControl::Wallpaper ? SysControlsField::Track : SysControlsField::Number);
    return out;
}

template <>
SysControlsInput InputFromRecord<SysControlsInput>(CommandCode, const CommandRecord& record) {
    const SystemRec* r = std::get_if<SystemRec>(&record);
    if (!r || r->Kind < 1 || r->Kind > 7)
        return {};
    SysControlsInput input;
    input.Control = static_cast<SysControl>(r->Kind);
    if (RuleFor(input.Control))
        input.Number = NumberText(r->Value);
    if (input.Control == SysControl::Wallpaper) {
        input.Track = r->Bitmap.str();
        input.Tile = r->Style == 0;
        if (r->Style >= 1 && r->Style <= 3)
            input.Placement = static_cast<WallPlacement>(r->Style);
        if (r->Style == 3) {
            input.XPos = NumberText(r->X);
            input.YPos = NumberText(r->Y);
        }
    }
    return input;
}

SysControlsLayout SysControlsLayoutFor(SysControl control) {
    switch (control) {
        case SysControl::ScreenTimer:
            return {true, "Minutes", false};
        case SysControl::KeyDelay:
        case SysControl::KeySpeed:
        case SysControl::WinSize:
            return {true, "Factor", false};
        case SysControl::Wallpaper:
            return {false, "Bitmap", true};
        default:
            return {};
    }
}

WallpaperEnabling WallpaperEnablingFor(bool tile, WallPlacement placement) {
    return {!tile, !tile && placement == WallPlacement::Position};
}

TBoxOutcome ComposeTBox(const TBoxInput& input) {
    TBoxOutcome out;
    out.Raw.BoxHeader = EditText(input.Header);
    std::string problem = FreeTextProblem(out.Raw.BoxHeader, "", "heading");
    if (!problem.empty()) {
        out.Refuse(problem, TBoxField::Header);
        return out;
    }
    problem = FreeTextProblem(input.Contents);
    if (!problem.empty()) {
        out.Refuse(problem, TBoxField::Contents);
        return out;
    }
    WTextRec record;
    record.Header = out.Raw.BoxHeader;
    record.Text = input.Contents;
    out.ComposeUnbounded(C::WindowOfText, record, TBoxField::Contents);
    return out;
}

template <>
TBoxInput InputFromRecord<TBoxInput>(CommandCode, const CommandRecord& record) {
    const WTextRec* r = std::get_if<WTextRec>(&record);
    if (!r)
        return {};
    return {r->Header.str(), r->Text};
}

EncryptOutcome ComposeEncrypt(const EncryptInput& input) {
    EncryptOutcome out;
    std::string text = EditText(input.Text);
    out.Raw.EncryptedText = text.empty() && !input.Kept.empty() ? input.Kept : EncryptIt(text);
    EncryptedRec record;
    record.Text = out.Raw.EncryptedText;
    out.Compose(C::EncryptedText, record, EncryptField::Password);
    if (!out.Accepted())
        out.Raw.EncryptedText.clear();
    return out;
}

template <>
EncryptInput InputFromRecord<EncryptInput>(CommandCode, const CommandRecord& record) {
    const EncryptedRec* r = std::get_if<EncryptedRec>(&record);
    if (!r)
        return {};
    std::string text = DecryptIt(r->Text.str());
    if (text.empty())
        return {"", r->Text.str()};
    return {text};
}

}  // namespace orv::editor
