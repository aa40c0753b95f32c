#include "player/win32/mci_strings.h"

#include <windows.h>
#include <mmsystem.h>

namespace orv::player {

std::uint32_t SendMci(const std::string& command, std::string* answer) {
    char text[128] = {};
    const MCIERROR error = mciSendStringA(command.c_str(), text, sizeof text, nullptr);
    if (answer)
        *answer = text;
    return error;
}

std::string MciErrorText(std::uint32_t error, const std::string& device) {
    char text[256] = {};
    if (!mciGetErrorStringA(error, text, sizeof text) || !text[0])
        return "The " + device + " reported error " + std::to_string(error) + ".";
    return text;
}

}  // namespace orv::player
