// A full library of 500 macros for the benchmarks.
#pragma once

#include <string>

#include "common/files.h"
#include "common/macro_library.h"

namespace orv::bench {

// 495 ordinary macros with full scripts, then the five system macros.
inline bool WriteFullLibrary(const std::string& path) {
    std::string bytes(MaxMacros * MacroRecord::Size, '\0');
    for (int i = 1; i <= MaxMacros; ++i) {
        MacroRecord r;
        const auto& system = SystemMacros(LibraryOwner::Player);
        if (i > MaxMacros - 5) {
            const SystemMacro& s = system[i - (MaxMacros - 5) - 1];
            r.Nickname = s.nickname;
            r.ScopeText = std::string(1, s.action);
            r.MacroKind = MacroKind::System;
            r.ActivationCode = static_cast<std::uint16_t>(s.firstHotKey);
        } else {
            r.Nickname = "Macro number " + std::to_string(i);
            r.ScopeText = "Window title of macro " + std::to_string(i);
            r.MacroKind = static_cast<std::int16_t>(1 + i % 3);
            r.ActivationCode = static_cast<std::uint16_t>(i % 2 ? i : 20000);
            r.CuewordText = "cw" + std::to_string(i);
            r.SetScriptText(std::string(MaxScriptLength, 'x'));
        }
        r.Enabled = 1;
        r.IconName = "MAIN";
        r.CuewordCase = 3;
        r.CuewordRemove = 1;
        r.Encode(RecordBytes<MacroRecord::Size>(
            reinterpret_cast<std::uint8_t*>(bytes.data()) + (i - 1) * MacroRecord::Size,
            MacroRecord::Size));
    }
    return ReplaceFileContents(path, bytes);
}

}  // namespace orv::bench
