// Command strings to the media control interface, shared by the CD and the
// video window.
#pragma once

#include <cstdint>
#include <string>

namespace orv::player {

// Sends the command; 0 or the device's error number. The answer, when asked
// for, is the device's reply text.
std::uint32_t SendMci(const std::string& command, std::string* answer = nullptr);
// The system's text of an error number, or one naming the device and number.
std::string MciErrorText(std::uint32_t error, const std::string& device);

}  // namespace orv::player
