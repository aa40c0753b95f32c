#include "editor/shell/main_menu_texts.h"

namespace orv::editor {

namespace {
constexpr const char* Product = "Orvane 99";
}

const char* HookRestoreCaption(bool keyboard) {
    return keyboard ? "Keyboard Hooks" : "Mouse Hooks";
}

std::string HookRestoreQuestion(bool keyboard) {
    const std::string p = Product;
    if (keyboard)
        return "It is possible for other programs which are run after " + p +
               " to improperly install themselves into the system wide Windows keyboard hooks.  "
               "This causes " +
               p +
               " to no longer be able to monitor keystrokes.  This option will reinstall the "
               "Windows keyboard hooks used by " +
               p + " so that " + p +
               " will have the first look at the keystrokes and will be able to monitor the "
               "keystrokes again.  Continue?";
    return "It is possible for other programs which are run after " + p +
           " to improperly install themselves into the system wide Windows mouse hooks.  This "
           "causes " +
           p +
           " to no longer be able to monitor mouse movements and clicks.  This option will "
           "reinstall the Windows mouse hooks used by " +
           p + " so that " + p +
           " will have the first look at the mouse movements and will be able to monitor the "
           "mouse again.  Continue?";
}

}  // namespace orv::editor
