// What the device dialogs read of the system: drive letters and network
// connections, the dial-up phone book, the printers, the display modes and
// the mixer's controls. Each list sits behind a narrow interface the Windows
// side answers for real and tests answer with fakes; what the dialogs make of
// the answers (free drive letters, the lines and rows they show) is here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ras_phone_book.h"

namespace orv {
class TMidiMixer;
}  // namespace orv

namespace orv::editor {

// A connected or remembered network disk: its drive and its share.
struct NetResource {
    std::string LocalName;   // "F:"
    std::string RemoteName;  // "\\srv\share"
};

class NetworkDrives {
  public:
    virtual ~NetworkDrives() = default;
    // The drives of the machine, bit 0 for A.
    virtual std::uint32_t LogicalDrives() const = 0;
    // The disk resources connected now, and those mapped again at start-up.
    virtual std::vector<NetResource> Connected() const = 0;
    virtual std::vector<NetResource> Remembered() const = 0;
};

// The letters a drive can be connected to, "A:" to "Z:" in order: those that
// are no drive of the machine and those already connected to the network.
std::vector<std::string> AvailableDrives(std::uint32_t logicalDrives,
                                         const std::vector<NetResource>& connected);

// One line per resource that names both its drive and its share.
std::vector<std::string> MappedLines(const std::vector<NetResource>& resources);

// The share a browsed folder lies on: the "\\server\share" head of a network
// path, else the whole path.
std::string NetworkPathOf(std::string_view browsedFolder);

// The dial-up phone book.
using DialParams = RasStoredLogon;
class PhoneBook {
  public:
    virtual ~PhoneBook() = default;
    // The entries in the system's order; empty when there are none or the
    // listing fails.
    virtual std::vector<std::string> Entries() const = 0;
    // An entry's stored user name and password; nothing when that fails.
    virtual std::optional<DialParams> Params(const std::string& entry) const = 0;
};

class PrinterList {
  public:
    virtual ~PrinterList() = default;
    // The installed printers, local and connected, in the system's order.
    virtual std::vector<std::string> PrinterNames() const = 0;
};

struct DisplayMode {
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::uint32_t BitsPerPixel = 0;
    std::uint32_t Frequency = 0;
};
class DisplayModes {
  public:
    virtual ~DisplayModes() = default;
    // Every mode the system gives, by its index.
    virtual std::vector<DisplayMode> Modes() const = 0;
};

// A mode as its row reads: "1024 x  768  4294967296 Colors  60 hertz". The
// colour count is 2 to the power of the bits, which 32 bits cannot hold.
std::string DisplayModeRow(const DisplayMode& mode);

// Whether each of the mixer's six controls exists, by slot: 0 synthesizer
// volume, 1 master volume, 2 synthesizer mute, 3 master mute, 4 treble, 5 bass.
using MixerAnswers = std::array<bool, 6>;

MixerAnswers MixerAnswersOf(const TMidiMixer& mixer);

// The report of what the audio device supports, a line per control.
std::string MixerReport(const MixerAnswers& answers);

}  // namespace orv::editor
