// What the wizard's panels list of the system they run on: display modes,
// printers, free drive letters, installed programs (the Start Menu's
// shortcuts, scanned once per run), window titles, running programs and the
// dial-up phone book; and the tests of panels 44 to 46 and 71. Printers and
// the phone book are seams so tests need none installed; the shell
// (shortcuts, addresses) and the sound player are the forms layer's services.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/commands/device_lists.h"
#include "editor/wizard/wizard_answers.h"

namespace orv::editor {

class WizardPlatform {
  public:
    WizardPlatform();

    // Panel 16: one row per mode the display reports, in mode order.
    std::vector<std::string> DisplayModes() const;
    // Panel 6: the letters no drive uses, and those of connected network drives.
    std::vector<std::string> Drives() const;
    // Panels 8 and 32: "name.LNK" followed by the program's path, one line per
    // program; the folders are scanned on the first call only.
    std::vector<ListLine> InstalledPrograms();
    // Panel 62: the titles of the visible, not minimised top-level windows.
    std::vector<std::string> WindowTitles() const;
    // Panel 8's running programs: the executables' file names.
    std::vector<std::string> RunningPrograms() const;
    // Panel 28: the dial-up phone book's entries; empty without the service.
    std::vector<std::string> PhoneBook() const;
    // Panel 44's report of the mixer's controls.
    std::string MixerReport() const;

    // The installed printers by name; the system's unless a test set it.
    std::function<std::vector<std::string>()> Printers;
    // The dial-up phone book: its entries and their stored logons; the
    // system's unless a test set it.
    const editor::PhoneBook* DialUp;
    // The Start Menu folders scanned for shortcuts; the user's and everyone's
    // (from the shell) unless a test set them.
    std::vector<std::string> StartMenuFolders;

  private:
    void ScanFolder(const std::string& folder, std::vector<ListLine>& lines) const;
    std::optional<std::vector<ListLine>> installed_;
};

}  // namespace orv::editor
