#include "editor/wizard/win32/wizard_platform.h"

#include <winnetwk.h>

#include <memory>

#include "common/mixer.h"
#include "common/string_routines.h"
#include "common/ui/win32/shell_service.h"
#include "common/win32/process_names.h"
#include "common/win32/system_routines.h"
#include "common/win32/winmm_mixer_driver.h"
#include "editor/commands/win32/system_device_lists.h"
#include "editor/wizard/wizard_loaders.h"

namespace orv::editor {
namespace {

// The letters of connected network drives, as far as one 16 KB buffer of
// the enumeration reaches.
std::string NetworkDriveLetters() {
    HANDLE enumeration = nullptr;
    if (WNetOpenEnumA(RESOURCE_CONNECTED, RESOURCETYPE_DISK, 0, nullptr, &enumeration) != NO_ERROR)
        return {};
    std::string letters;
    auto buffer = std::make_unique<std::uint8_t[]>(16384);
    DWORD count = static_cast<DWORD>(-1);
    DWORD size = 16384;
    if (WNetEnumResourceA(enumeration, &count, buffer.get(), &size) == NO_ERROR) {
        auto* resources = reinterpret_cast<const NETRESOURCEA*>(buffer.get());
        for (DWORD i = 0; i < count; ++i) {
            const NETRESOURCEA& r = resources[i];
            if (r.lpLocalName && r.lpRemoteName && r.lpLocalName[0])
                letters += UpperAscii(r.lpLocalName[0]);
        }
    }
    WNetCloseEnum(enumeration);
    return letters;
}

}  // namespace

WizardPlatform::WizardPlatform() : Printers(InstalledPrinterNames), DialUp(&ThePhoneBook()) {
    for (ShellFolder folder : {ShellFolder::StartMenu, ShellFolder::CommonStartMenu}) {
        std::string path = CurrentShell().SpecialFolder(folder);
        if (!path.empty())
            StartMenuFolders.push_back(path);
    }
}

std::vector<std::string> WizardPlatform::DisplayModes() const {
    std::vector<std::string> rows;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    for (DWORD i = 0; EnumDisplaySettingsA(nullptr, i, &mode); ++i) {
        rows.push_back(DisplayModeRow(
            static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight),
            static_cast<int>(mode.dmBitsPerPel), static_cast<int>(mode.dmDisplayFrequency)));
    }
    return rows;
}

std::vector<std::string> WizardPlatform::Drives() const {
    return DriveList(GetLogicalDrives(), NetworkDriveLetters());
}

std::vector<ListLine> WizardPlatform::InstalledPrograms() {
    if (!installed_) {
        std::vector<ListLine> lines;
        ComScope com;
        for (const std::string& folder : StartMenuFolders) ScanFolder(folder, lines);
        installed_ = std::move(lines);
    }
    return *installed_;
}

void WizardPlatform::ScanFolder(const std::string& folder, std::vector<ListLine>& lines) const {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = found.cFileName;
        std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (name != "." && name != "..")
                ScanFolder(path, lines);
            continue;
        }
        if (UpperAscii(name).find(".LNK") == std::string::npos)
            continue;
        std::optional<ShellLink> link = CurrentShell().ReadLink(path);
        if (link && IsListedProgram(link->Target) &&
            GetFileAttributesA(link->Target.c_str()) != INVALID_FILE_ATTRIBUTES)
            AddProgramLine(lines, name + link->Target);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::vector<std::string> WizardPlatform::WindowTitles() const {
    return VisibleWindowTitles(false);
}

std::vector<std::string> WizardPlatform::RunningPrograms() const {
    std::vector<std::string> names;
    for (const ProcessName& p : RunningProcessNames()) {
        if (p.Name.find(".EXE") != std::string::npos)
            names.push_back(p.Name);
    }
    return names;
}

std::vector<std::string> WizardPlatform::PhoneBook() const {
    return DialUp->Entries();
}

std::string WizardPlatform::MixerReport() const {
    WinmmMixerDriver driver;
    TMidiMixer mixer(driver);
    mixer.Open();
    static constexpr std::pair<const char*, int> Lines[] = {{"Audio Volume and Balance Control", 1},
                                                            {"Audio Mute", 3},
                                                            {"Audio Treble", 4},
                                                            {"Audio Bass", 5},
                                                            {"MIDI Volume and Balance Control", 0},
                                                            {"MIDI Mute", 2}};
    std::string report;
    for (auto [name, slot] : Lines)
        report += std::string(name) +
                  (mixer.ControlAvailable(slot) ? " Supported." : " NOT Supported.") + "\r\n";
    return report;
}

}  // namespace orv::editor
