#include "editor/commands/window_commands.h"

#include "common/script/fields.h"
#include "common/whole_numbers.h"

namespace orv::editor {
namespace {

using C = CommandCode;

constexpr const char* NoTitle = "No Window title specified.  Please correct";

std::optional<std::int32_t> AtLeast(const std::string& text, std::int32_t low) {
    std::optional<std::int32_t> n = ParseWholeNumber(EditText(text));
    if (!n || *n < low)
        return std::nullopt;
    return n;
}

C ActiveCode(ActiveChoice choice) {
    switch (choice) {
        case ActiveChoice::ActivateOnly:
            return C::WindowActivate;
        case ActiveChoice::LaunchOnly:
            return C::ProgramLaunch;
        case ActiveChoice::LaunchAndActivate:
            return C::LaunchAndActivate;
        case ActiveChoice::ActivateOrLaunch:
            break;
    }
    return C::ActivateOrLaunch;
}

// The title of a window command: the word for the current window, or the
// typed title, which may not be empty. RawTitle keeps the typed title.
template <class Outcome, class Field>
bool TakeWindow(const WindowChoice& window, Outcome& out, Field titleField) {
    out.Raw.RawTitle = EditText(window.WinTitle);
    out.Raw.WindowKind = window.Current ? 1 : 0;
    if (!window.Current && out.Raw.RawTitle.empty()) {
        out.Refuse(NoTitle, titleField);
        return false;
    }
    return true;
}

WindowChoice WindowOf(const Str255& title, std::uint8_t current) {
    return {current != 0, title.str()};
}

constexpr C ControlCodes[] = {C::WindowMaximize, C::WindowMinimize, C::WindowRestore,
                              C::WindowClose,    C::WindowHide,     C::WindowShow,
                              C::ProgramShutDown};

}  // namespace

ActiveOutcome ComposeActive(const ActiveInput& input, const FileChecks& files) {
    ActiveOutcome out;
    ActiveChoice choice = input.Choice;
    out.OptionCode = static_cast<std::int32_t>(choice);
    ActiveLayout layout = ActiveLayoutFor(choice);
    LaunchRec record;
    record.Kind = static_cast<std::uint32_t>(choice);
    std::string path = EditText(input.ProgPath);
    if (layout.ShowWindow) {
        out.Raw.RawTitle = EditText(input.WinTitle);
        if (out.Raw.RawTitle.empty()) {
            out.Refuse("No entry made for Window Title.  Please correct.", ActiveField::WinTitle);
            return out;
        }
        record.Title = out.Raw.RawTitle;
    }
    if (layout.ShowProgram) {
        if (!input.Bypass) {
            std::optional<std::string> shortPath = files.ExistingFile(path);
            if (!shortPath) {
                out.Refuse("Specified Path and Program does not exist.  Please correct.",
                           ActiveField::ProgPath);
                return out;
            }
            path = *shortPath;
        }
        out.Raw.RawPath = path;
        out.Raw.RawParams = EditText(input.Params);
        std::optional<std::int32_t> delay = AtLeast(input.DelaySecs, 0);
        if (!delay) {
            out.Refuse("Delay must be greater or equal to zero.", ActiveField::DelaySecs);
            return out;
        }
        out.Raw.RawDelay = *delay;
        record.Program = path;
        record.Parameters = out.Raw.RawParams;
        record.Delay = *delay;
    }
    if (layout.ShowMaxWait) {
        std::optional<std::int32_t> maxWait = AtLeast(input.MaxSecs, 0);
        if (!maxWait) {
            out.Refuse("Seconds must be greater or equal to zero.", ActiveField::MaxSecs);
            return out;
        }
        out.Raw.RawMaxSecs = *maxWait;
        record.MaxWait = *maxWait;
    }
    out.Compose(ActiveCode(choice), record,
                layout.ShowProgram ? ActiveField::ProgPath : ActiveField::WinTitle);
    return out;
}

template <>
ActiveInput InputFromRecord<ActiveInput>(CommandCode code, const CommandRecord& record) {
    const LaunchRec* r = std::get_if<LaunchRec>(&record);
    if (!r)
        return {};
    ActiveInput input;
    input.Choice = code == C::WindowActivate      ? ActiveChoice::ActivateOnly
                   : code == C::ProgramLaunch     ? ActiveChoice::LaunchOnly
                   : code == C::LaunchAndActivate ? ActiveChoice::LaunchAndActivate
                                                  : ActiveChoice::ActivateOrLaunch;
    input.WinTitle = r->Title.str();
    input.ProgPath = r->Program.str();
    input.Params = r->Parameters.str();
    input.DelaySecs = NumberText(r->Delay);
    input.MaxSecs = NumberText(r->MaxWait);
    return input;
}

bool LaunchWasBypassed(const ActiveInput& input, const FileChecks& files) {
    return ActiveLayoutFor(input.Choice).ShowProgram &&
           !files.ExistingFile(EditText(input.ProgPath));
}

ActiveLayout ActiveLayoutFor(ActiveChoice choice) {
    switch (choice) {
        case ActiveChoice::ActivateOnly:
            return {true, false, false};
        case ActiveChoice::LaunchOnly:
            return {false, true, false};
        case ActiveChoice::LaunchAndActivate:
        case ActiveChoice::ActivateOrLaunch:
            break;
    }
    return {true, true, true};
}

SizeItOutcome ComposeSizeIt(const SizeItInput& input) {
    SizeItOutcome out;
    out.OptionCode = input.Resize ? 1 : 2;
    if (!TakeWindow(input.Window, out, SizeItField::WinTitle))
        return out;
    std::string first = EditText(input.TheWidth);
    std::string second = EditText(input.TheHeight);
    std::optional<std::int32_t> a, b;
    if (input.Resize) {
        if (!(a = AtLeast(first, 10))) {
            out.Refuse("Invalid width specified.  Width must be 10 or greater.  Please correct.",
                       SizeItField::TheWidth);
            return out;
        }
        if (!(b = AtLeast(second, 30))) {
            out.Refuse("Invalid height specified.  Height must be 30 or greater.  Please correct.",
                       SizeItField::TheHeight);
            return out;
        }
    } else {
        if (!(a = ParseWholeNumber(first))) {
            out.Refuse("Invalid left position specified.  Please correct.", SizeItField::TheWidth);
            return out;
        }
        if (!(b = AtLeast(second, 0))) {
            out.Refuse("Invalid top position specified.  Please correct.", SizeItField::TheHeight);
            return out;
        }
    }
    out.Raw.RawA = *a;
    out.Raw.RawB = *b;
    SizePosRec record{"", input.Resize ? 1u : 2u, out.Raw.WindowKind, *a, *b};
    if (!input.Window.Current)
        record.Title = out.Raw.RawTitle;
    out.Compose(input.Resize ? C::WindowResize : C::WindowReposition, record,
                SizeItField::TheWidth);
    return out;
}

template <>
SizeItInput InputFromRecord<SizeItInput>(CommandCode code, const CommandRecord& record) {
    const SizePosRec* r = std::get_if<SizePosRec>(&record);
    if (!r)
        return {};
    return {WindowOf(r->Title, r->Current), code == C::WindowResize, NumberText(r->X),
            NumberText(r->Y)};
}

SizeItLabels SizeItLabelsFor(bool resize) {
    if (resize)
        return {"Width", "Height"};
    return {"Left", "Top"};
}

SystemCommandOutcome ComposeSystemCommand(const SystemCommandInput& input) {
    SystemCommandOutcome out;
    int index = static_cast<int>(input.Control);
    out.OptionCode = index;
    if (!TakeWindow(input.Window, out, SystemCommandField::WinTitle))
        return out;
    WindowRec record{"", static_cast<std::uint32_t>(index), out.Raw.WindowKind};
    if (!input.Window.Current)
        record.Title = out.Raw.RawTitle;
    out.Compose(ControlCodes[index - 1], record, SystemCommandField::WinTitle);
    return out;
}

template <>
SystemCommandInput InputFromRecord<SystemCommandInput>(CommandCode, const CommandRecord& record) {
    const WindowRec* r = std::get_if<WindowRec>(&record);
    if (!r || r->WindowAction < 1 || r->WindowAction > 7)
        return {};
    return {static_cast<WindowControl>(r->WindowAction), WindowOf(r->Title, r->Current)};
}

}  // namespace orv::editor
