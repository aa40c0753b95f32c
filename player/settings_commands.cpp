#include "player/settings_commands.h"

namespace orv::player {

using C = CommandCode;

namespace {

constexpr std::uint32_t SecondsPerMinute = 60;

}  // namespace

Flow SettingsCommands::Perform(CommandContext& context) {
    const TokenForm& form = context.Form();
    if (form.Head == "<DOHOOK>") {
        host_.ReinstallHooks();
        return Flow::Next;
    }
    if (form.Head == "<SSOFF>") {
        host_.SetSystemParameter(SystemParameter::SetScreenSaveActive, 0);
        return Flow::Next;
    }
    // The two-digit field of the other forms; a negative one means nothing
    // the system could take.
    const std::int64_t value = ReadInteger(context.Field(8, 9));
    if (value < 0)
        return Flow::Next;
    const auto setting = static_cast<std::uint32_t>(value);
    switch (form.Code) {
        case C::KeyboardDelay:
            host_.SetSystemParameter(SystemParameter::SetKeyboardDelay, setting);
            break;
        case C::KeyboardRepeatSpeed:
            host_.SetSystemParameter(SystemParameter::SetKeyboardSpeed, setting);
            break;
        case C::ScreenSaver:
            host_.SetSystemParameter(SystemParameter::SetScreenSaveTimeout,
                                     setting * SecondsPerMinute);
            break;
        case C::WindowsSizingBorder:
            host_.SetSystemParameter(SystemParameter::SetBorder, setting);
            break;
        default:
            ReportFormWithoutCase(form);
    }
    return Flow::Next;
}

}  // namespace orv::player
