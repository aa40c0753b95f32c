// What the wizard reads of the world around it, so that its decisions can be
// made and tested without the editor: the clock, the file system's view of a
// path, the settings, the macros of the library and the program folder.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "common/macro_record.h"
#include "common/settings.h"

namespace orv::editor {

// What the wizard needs of one macro of the open library.
struct LibraryEntry {
    int Number = 0;
    std::string Nickname;
    std::int16_t Kind = 0;  // MacroKind
    std::uint16_t Activation = 0;
    std::string ScopeText;  // a system macro's first character is its action
    std::string CuewordText;
};

struct WizardEnv {
    std::function<DateTime()> Now;
    // The short (8.3) form of a path naming an existing file, or nothing.
    std::function<std::optional<std::string>(const std::string& path)> ShortFile;
    // True when the path names an existing folder.
    std::function<bool(const std::string& path)> FolderExists;
    SettingsBlock Settings;
    std::vector<LibraryEntry> Library;
    std::string ProgramDir;  // without a trailing separator
    bool Browser4OrLater = true;
    // A macro's whole record from the library; nothing when it cannot be read.
    std::function<std::optional<MacroRecord>(int number)> ReadMacro;

    // The capture file the recordings write into.
    std::string CaptureFile() const;
    bool HasPopupMenus() const;
};

}  // namespace orv::editor
