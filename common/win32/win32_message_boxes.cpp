#include "common/win32/win32_message_boxes.h"

#include <windows.h>

#include <string>

namespace orv {

int Win32MessageBoxes::Show(std::string_view caption, std::string_view text, unsigned style) {
    return MessageBoxA(GetActiveWindow(), std::string(text).c_str(), std::string(caption).c_str(),
                       style);
}

}  // namespace orv
