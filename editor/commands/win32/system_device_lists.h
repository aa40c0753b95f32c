// The system's own answers behind the device dialogs' lists.
#pragma once

#include "common/win32/ras_api.h"
#include "editor/commands/device_lists.h"

namespace orv::editor {

class SystemNetworkDrives final : public NetworkDrives {
  public:
    std::uint32_t LogicalDrives() const override;
    std::vector<NetResource> Connected() const override;
    std::vector<NetResource> Remembered() const override;
};

// The phone book through the program's dial-up binding.
class RasPhoneBook final : public PhoneBook {
  public:
    explicit RasPhoneBook(const RasApi& ras) : ras_(ras) {}
    std::vector<std::string> Entries() const override;
    std::optional<DialParams> Params(const std::string& entry) const override;

  private:
    const RasApi& ras_;
};

class SystemPrinterList final : public PrinterList {
  public:
    std::vector<std::string> PrinterNames() const override;
};

class SystemDisplayModes final : public DisplayModes {
  public:
    std::vector<DisplayMode> Modes() const override;
};

// The ones the dialogs use unless given others.
const NetworkDrives& TheNetworkDrives();
const PhoneBook& ThePhoneBook();
const PrinterList& ThePrinterList();
const DisplayModes& TheDisplayModes();

}  // namespace orv::editor
