// The device lists as a test sets them: drives and network connections, a
// phone book that counts what it was asked, printers and display modes.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "editor/commands/device_lists.h"

namespace orv::editor::testing {

struct FakeNetworkDrives final : NetworkDrives {
    std::uint32_t LogicalDrives() const override { return Drives; }
    std::vector<NetResource> Connected() const override { return Now; }
    std::vector<NetResource> Remembered() const override { return AtStartUp; }
    std::uint32_t Drives = 0;
    std::vector<NetResource> Now;
    std::vector<NetResource> AtStartUp;
};

struct FakePhoneBook final : PhoneBook {
    std::vector<std::string> Entries() const override { return Names; }
    std::optional<DialParams> Params(const std::string& entry) const override {
        Asked.push_back(entry);
        auto found = Stored.find(entry);
        if (found == Stored.end())
            return std::nullopt;
        return found->second;
    }
    std::vector<std::string> Names;
    std::map<std::string, DialParams> Stored;
    mutable std::vector<std::string> Asked;
};

struct FakePrinterList final : PrinterList {
    std::vector<std::string> PrinterNames() const override { return Names; }
    std::vector<std::string> Names;
};

struct FakeDisplayModes final : DisplayModes {
    std::vector<DisplayMode> Modes() const override { return List; }
    std::vector<DisplayMode> List;
};

}  // namespace orv::editor::testing
