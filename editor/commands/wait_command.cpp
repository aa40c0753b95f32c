#include "editor/commands/wait_command.h"

#include "common/script/fields.h"
#include "common/whole_numbers.h"

namespace orv::editor {
namespace {

using C = CommandCode;

constexpr C WaitCodes[] = {C::WaitForWindowTitle,  C::WaitWindowLoseFocus,  C::WaitProgramTerminate,
                           C::WaitForKeyPress,     C::WaitForText,          C::WaitLeftMouseClick,
                           C::WaitRightMouseClick, C::WaitMiddleMouseClick, C::WaitTextPlayback,
                           C::WaitTimeElapse};

constexpr std::string_view KeyNames[] = {
    "A",  "B",  "C",  "D",   "E",   "F",   "G",   "H",   "I",     "J",    "K",   "L",    "M",  "N",
    "O",  "P",  "Q",  "R",   "S",   "T",   "U",   "V",   "W",     "X",    "Y",   "Z",    "0",  "1",
    "2",  "3",  "4",  "5",   "6",   "7",   "8",   "9",   "F1",    "F2",   "F3",  "F4",   "F5", "F6",
    "F7", "F8", "F9", "F10", "F11", "F12", "ESC", "TAB", "ENTER", "CTRL", "ALT", "SHIFT"};
static_assert(std::size(KeyNames) == 54);

bool HasTimeOut(WaitKind kind) {
    return kind != WaitKind::PlayBack && kind != WaitKind::Time;
}

// The box of what the kind waits for: where a text the command cannot hold is.
WaitField ParameterField(WaitKind kind) {
    switch (kind) {
        case WaitKind::Title:
        case WaitKind::LoseFocus:
            return WaitField::WinTitle;
        case WaitKind::Program:
            return WaitField::ProgName;
        case WaitKind::Text:
            return WaitField::TheText;
        case WaitKind::Key:
            return WaitField::TheKey;
        case WaitKind::Time:
            return WaitField::Minutes;
        default:
            return WaitField::WaitMin;
    }
}

// What the kind waits for, or a refusal.
bool TakeParameter(const WaitInput& input, WaitOutcome& out) {
    std::string& p = out.Raw.WaitParameter;
    switch (input.Kind) {
        case WaitKind::Title:
        case WaitKind::LoseFocus:
            p = EditText(input.WinTitle);
            if (p.empty())
                out.Refuse("No entry made for Window Title.  Please correct.", WaitField::WinTitle);
            break;
        case WaitKind::Program:
            p = EditText(input.ProgName);
            if (p.empty())
                out.Refuse("No entry made for program name.  Please correct.", WaitField::ProgName);
            break;
        case WaitKind::Text:
            out.Raw.WaitCaseSensitive = input.CaseSense ? 1 : 0;
            p = EditText(input.TheText);
            if (p.empty())
                out.Refuse("No text entered.  Please correct.", WaitField::TheText);
            break;
        case WaitKind::Key:
            if (input.KeyIndex < 0 || input.KeyIndex >= static_cast<int>(std::size(KeyNames)))
                out.Refuse("No key selected.  Please correct.", WaitField::TheKey);
            else
                p = *DigitsField(input.KeyIndex, 2);
            break;
        default:
            break;
    }
    return out.Accepted();
}

bool TakeElapse(const WaitInput& input, WaitOutcome& out) {
    std::optional<std::int32_t> minutes = ParseWholeNumber(EditText(input.Minutes));
    if (!minutes || *minutes < 0 || *minutes > 9999) {
        out.Refuse("Invalid Minutes specified.", WaitField::Minutes);
        return false;
    }
    std::optional<std::int32_t> seconds = ParseWholeNumber(EditText(input.Seconds));
    if (!seconds || *seconds < 0 || *seconds > 59) {
        out.Refuse("Invalid Seconds specified.", WaitField::Seconds);
        return false;
    }
    out.Raw.RawValue = *minutes * 60 + *seconds;
    return true;
}

bool TakeTimeOut(const WaitInput& input, WaitOutcome& out) {
    if (!input.WaitMax)
        return true;  // 000: no limit
    std::optional<std::int32_t> minutes = ParseWholeNumber(EditText(input.WaitMin));
    if (!minutes || *minutes < 1) {
        out.Refuse("Value must be greater than zero.", WaitField::WaitMin);
        return false;
    }
    out.Raw.RawValue = *minutes;
    return true;
}

}  // namespace

WaitOutcome ComposeWait(const WaitInput& input) {
    WaitOutcome out;
    WaitKind kind = input.Kind;
    out.OptionCode = static_cast<std::int32_t>(kind);
    if (!TakeParameter(input, out))
        return out;
    if (kind == WaitKind::Time && !TakeElapse(input, out))
        return out;
    if (HasTimeOut(kind) && !TakeTimeOut(input, out))
        return out;
    WaitRec record{static_cast<std::uint32_t>(kind), out.Raw.WaitParameter, out.Raw.RawValue,
                   out.Raw.WaitCaseSensitive};
    out.Compose(WaitCodes[static_cast<int>(kind) - 1], record, ParameterField(kind));
    return out;
}

template <>
WaitInput InputFromRecord<WaitInput>(CommandCode code, const CommandRecord& record) {
    const WaitRec* r = std::get_if<WaitRec>(&record);
    if (!r)
        return {};
    WaitInput input;
    input.Kind = static_cast<WaitKind>(PlaceOf(WaitCodes, code) + 1);
    const std::string& p = r->Text.str();
    switch (input.Kind) {
        case WaitKind::Title:
        case WaitKind::LoseFocus:
            input.WinTitle = p;
            break;
        case WaitKind::Program:
            input.ProgName = p;
            break;
        case WaitKind::Text:
            input.TheText = p;
            input.CaseSense = r->CaseSensitive != 0;
            break;
        case WaitKind::Key:
            input.KeyIndex = WholeNumberOr(p, -1);
            break;
        case WaitKind::Time:
            input.Minutes = NumberText(r->Amount / 60);
            input.Seconds = NumberText(r->Amount % 60);
            break;
        default:
            break;
    }
    if (HasTimeOut(input.Kind)) {
        input.WaitMax = r->Amount != 0;
        if (input.WaitMax)
            input.WaitMin = NumberText(r->Amount);
    }
    return input;
}

std::span<const std::string_view> WaitKeyNames() {
    return KeyNames;
}

WaitLayout WaitLayoutFor(WaitKind kind) {
    switch (kind) {
        case WaitKind::Title:
        case WaitKind::LoseFocus:
            return {WaitPanel::Title, true, 248, 301, 338};
        case WaitKind::Program:
            return {WaitPanel::Program, true, 248, 301, 338};
        case WaitKind::Key:
            return {WaitPanel::Key, true, 248, 301, 338};
        case WaitKind::Text:
            return {WaitPanel::Text, true, 248, 301, 338};
        case WaitKind::PlayBack:
            return {WaitPanel::None, false, 0, 207, 244};
        case WaitKind::Time:
            return {WaitPanel::Elapse, false, 0, 248, 285};
        default:
            return {WaitPanel::None, true, 207, 260, 297};
    }
}

}  // namespace orv::editor
