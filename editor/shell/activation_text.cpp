#include "editor/shell/activation_text.h"

#include "common/hotkeys.h"
#include "common/macro_record.h"

namespace orv::editor {

std::string ActivationText(std::uint16_t code, std::string_view cueword, ActivationStyle style) {
    switch (code) {
        case ActivationCode::None:
            return "None";
        case ActivationCode::WindowTitle:
            return "Window Title";
        case ActivationCode::Scheduled:
            return "Timed Macro";
        case ActivationCode::Cueword:
            return (style == ActivationStyle::PickList ? "" : "Cueword: ") + std::string(cueword);
        default:
            if (!IsHotKeyCode(code))
                return "";
            return (style == ActivationStyle::Listing ? "Hot Key: " : "") + KeyName(code);
    }
}

}  // namespace orv::editor
