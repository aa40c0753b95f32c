#include "editor/commands/win32/system_device_lists.h"

#include <windows.h>
#include <winnetwk.h>
#include <winspool.h>

#include "common/win32/system_routines.h"

namespace orv::editor {
namespace {

// Disk resources of one scope, read in batches until the list ends.
std::vector<NetResource> DiskResources(DWORD scope) {
    std::vector<NetResource> found;
    HANDLE list = nullptr;
    if (WNetOpenEnumA(scope, RESOURCETYPE_DISK, 0, nullptr, &list) != NO_ERROR)
        return found;
    // Pointer-aligned, as the records it receives hold pointers.
    std::vector<DWORD_PTR> buffer(16384 / sizeof(DWORD_PTR));
    for (;;) {
        DWORD count = static_cast<DWORD>(-1);
        DWORD size = static_cast<DWORD>(buffer.size() * sizeof(DWORD_PTR));
        if (WNetEnumResourceA(list, &count, buffer.data(), &size) != NO_ERROR)
            break;
        const auto* resources = reinterpret_cast<const NETRESOURCEA*>(buffer.data());
        for (DWORD i = 0; i < count; ++i) {
            found.push_back({resources[i].lpLocalName ? resources[i].lpLocalName : "",
                             resources[i].lpRemoteName ? resources[i].lpRemoteName : ""});
        }
    }
    WNetCloseEnum(list);
    return found;
}

}  // namespace

std::uint32_t SystemNetworkDrives::LogicalDrives() const {
    return GetLogicalDrives();
}

std::vector<NetResource> SystemNetworkDrives::Connected() const {
    return DiskResources(RESOURCE_CONNECTED);
}

std::vector<NetResource> SystemNetworkDrives::Remembered() const {
    return DiskResources(RESOURCE_REMEMBERED);
}

std::vector<std::string> RasPhoneBook::Entries() const {
    return ras_.EnumEntries();
}

std::optional<DialParams> RasPhoneBook::Params(const std::string& entry) const {
    return ras_.GetDialParams(entry);
}

std::vector<std::string> SystemPrinterList::PrinterNames() const {
    return InstalledPrinterNames();
}

std::vector<DisplayMode> SystemDisplayModes::Modes() const {
    std::vector<DisplayMode> modes;
    for (DWORD i = 0;; ++i) {
        DEVMODEA mode{};
        mode.dmSize = sizeof mode;
        if (!EnumDisplaySettingsA(nullptr, i, &mode))
            break;
        modes.push_back(
            {mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel, mode.dmDisplayFrequency});
    }
    return modes;
}

const NetworkDrives& TheNetworkDrives() {
    static const SystemNetworkDrives drives;
    return drives;
}

const PhoneBook& ThePhoneBook() {
    static const RasPhoneBook book(LoadRasApi());
    return book;
}

const PrinterList& ThePrinterList() {
    static const SystemPrinterList printers;
    return printers;
}

const DisplayModes& TheDisplayModes() {
    static const SystemDisplayModes modes;
    return modes;
}

}  // namespace orv::editor
