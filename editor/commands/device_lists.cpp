#include "editor/commands/device_lists.h"

#include <algorithm>

#include "common/mixer.h"
#include "common/string_routines.h"

namespace orv::editor {

std::vector<std::string> AvailableDrives(std::uint32_t logicalDrives,
                                         const std::vector<NetResource>& connected) {
    std::vector<std::string> drives;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        std::string drive{letter, ':'};
        bool isDrive = (logicalDrives >> (letter - 'A')) & 1u;
        bool isConnected =
            std::any_of(connected.begin(), connected.end(),
                        [&](const NetResource& r) { return SameTextAscii(r.LocalName, drive); });
        if (!isDrive || isConnected)
            drives.push_back(drive);
    }
    return drives;
}

std::vector<std::string> MappedLines(const std::vector<NetResource>& resources) {
    std::vector<std::string> lines;
    for (const NetResource& r : resources) {
        if (!r.LocalName.empty() && !r.RemoteName.empty())
            lines.push_back(r.LocalName + " mapped to " + r.RemoteName);
    }
    return lines;
}

std::string NetworkPathOf(std::string_view browsedFolder) {
    if (!browsedFolder.starts_with("\\\\"))
        return std::string(browsedFolder);
    std::size_t serverEnd = browsedFolder.find('\\', 2);
    if (serverEnd == std::string_view::npos || serverEnd == 2)
        return std::string(browsedFolder);
    std::size_t shareEnd = browsedFolder.find('\\', serverEnd + 1);
    return std::string(browsedFolder.substr(0, shareEnd));
}

std::string DisplayModeRow(const DisplayMode& mode) {
    // 2 to the power of up to 63 bits fits; beyond that no display goes.
    std::uint64_t colours = std::uint64_t{1} << std::min<std::uint32_t>(mode.BitsPerPixel, 63);
    return PadLeftStr(std::to_string(mode.Width), 4) + " x " +
           PadLeftStr(std::to_string(mode.Height), 4) + "  " + std::to_string(colours) +
           " Colors  " + std::to_string(mode.Frequency) + " hertz";
}

MixerAnswers MixerAnswersOf(const TMidiMixer& mixer) {
    MixerAnswers answers{};
    for (int slot = 0; slot < MixerSlotCount; ++slot)
        answers[static_cast<std::size_t>(slot)] = mixer.ControlAvailable(slot);
    return answers;
}

std::string MixerReport(const MixerAnswers& answers) {
    struct Line {
        int Slot;
        const char* Control;
    };
    static constexpr Line lines[] = {
        {1, "Audio Volume and Balance Control"},
        {3, "Audio Mute"},
        {4, "Audio Treble"},
        {5, "Audio Bass"},
        {0, "MIDI Volume and Balance Control"},
        {2, "MIDI Mute"},
    };
    std::string report;
    for (const Line& line : lines) {
        report += line.Control;
        report += answers[static_cast<std::size_t>(line.Slot)] ? " Supported." : " NOT Supported.";
        report += "\n\r";
    }
    return report;
}

}  // namespace orv::editor
