#include "player/win32/mci_cd_device.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "player/cd_position.h"
#include "player/win32/mci_strings.h"

namespace orv::player {

namespace {

constexpr const char* Alias = "orvane_cd";

std::uint32_t Send(const std::string& command, std::string* answer = nullptr) {
    return SendMci(command, answer);
}

std::string Command(const char* verb, const std::string& rest = {}) {
    return std::string(verb) + " " + Alias + (rest.empty() ? "" : " " + rest);
}

// "a:b:c:d" read as its numbers.
std::vector<std::uint32_t> Numbers(const std::string& text) {
    std::vector<std::uint32_t> numbers;
    const char* at = text.c_str();
    while (*at) {
        char* end = nullptr;
        numbers.push_back(static_cast<std::uint32_t>(std::strtoul(at, &end, 10)));
        at = *end ? end + 1 : end;
    }
    return numbers;
}

}  // namespace

std::string GetCDDrive() {
    // Only a drive found is kept: one plugged in later is still found.
    static std::string found;
    if (!found.empty())
        return found;
    const DWORD drives = GetLogicalDrives();
    for (char letter = 'B'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if ((drives >> (letter - 'A') & 1) && GetDriveTypeA(root.c_str()) == DRIVE_CDROM)
            return found = root.substr(0, 2);
    }
    return found;
}

MciCdDevice::~MciCdDevice() {
    if (open_)
        Send(Command("close"));
}

std::uint32_t MciCdDevice::Open() {
    const std::string drive = GetCDDrive();
    const std::string open = drive.empty() ? std::string("open cdaudio alias ") + Alias
                                           : "open " + drive + " type cdaudio alias " + Alias;
    if (const std::uint32_t error = Send(open))
        return error;
    open_ = true;
    return Send(Command("set", "time format tmsf"));
}

std::uint32_t MciCdDevice::Do(Action action) {
    switch (action) {
        case Action::Play:
            return Send(Command("play"));
        case Action::Stop:
            return Send(Command("stop"));
        case Action::Pause:
            return Send(Command("pause"));
        case Action::Next:
            return ChangeTrack(1);
        case Action::Previous:
            return ChangeTrack(-1);
        case Action::Eject:
            return Send(Command("set", "door open"));
        case Action::CloseDoor:
            return Send(Command("set", "door closed"));
    }
    return 0;
}

std::uint32_t MciCdDevice::ChangeTrack(int by) {
    std::string track, count, mode;
    if (const std::uint32_t error = Send(Command("status", "current track"), &track))
        return error;
    if (const std::uint32_t error = Send(Command("status", "number of tracks"), &count))
        return error;
    Send(Command("status", "mode"), &mode);
    const long target =
        std::clamp<long>(std::atol(track.c_str()) + by, 1, std::max(1L, std::atol(count.c_str())));
    if (const std::uint32_t error = Send(Command("seek", "to " + std::to_string(target))))
        return error;
    return mode == "playing" ? Send(Command("play")) : 0;
}

std::uint32_t MciCdDevice::PlayTrack(std::uint32_t track) {
    return Send(Command("play", "from " + std::to_string(track)));
}

std::uint32_t MciCdDevice::Position(std::uint32_t& tmsf) {
    std::string text;
    if (const std::uint32_t error = Send(Command("status", "position"), &text))
        return error;
    std::vector<std::uint32_t> parts = Numbers(text);
    parts.resize(4);
    tmsf = PackTmsf({static_cast<std::uint8_t>(parts[0]), static_cast<std::uint8_t>(parts[1]),
                     static_cast<std::uint8_t>(parts[2]), static_cast<std::uint8_t>(parts[3])});
    return 0;
}

std::uint32_t MciCdDevice::TrackSeconds(std::vector<std::uint32_t>& seconds) {
    std::string count;
    if (const std::uint32_t error = Send(Command("status", "number of tracks"), &count))
        return error;
    seconds.clear();
    for (long track = 1; track <= std::atol(count.c_str()); ++track) {
        std::string length;
        if (const std::uint32_t error =
                Send(Command("status", "length track " + std::to_string(track)), &length))
            return error;
        std::vector<std::uint32_t> parts = Numbers(length);
        parts.resize(2);
        seconds.push_back(parts[0] * 60 + parts[1]);
    }
    return 0;
}

std::uint32_t MciCdDevice::PlayFrom(std::uint32_t tmsf) {
    const CdPosition p = UnpackTmsf(tmsf);
    return Send(Command("play", "from " + std::to_string(p.Track) + ":" +
                                    std::to_string(p.Minutes) + ":" + std::to_string(p.Seconds) +
                                    ":" + std::to_string(p.Frames)));
}

std::string MciCdDevice::ErrorText(std::uint32_t error) {
    return MciErrorText(error, "CD device");
}

}  // namespace orv::player
