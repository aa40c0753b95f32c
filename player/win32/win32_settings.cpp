#include "player/win32/win32_settings.h"

#include <windows.h>

namespace orv::player {

void Win32Settings::SetSystemParameter(std::uint32_t parameter, std::uint32_t value) {
    // Not written to the profile: the change lasts for this session.
    SystemParametersInfoA(parameter, value, nullptr, 0);
}

}  // namespace orv::player
