// What the benchmarks share: a full library of 500 macros in a folder of
// their own, and notices printed rather than shown.
#pragma once

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "common/files.h"
#include "common/macro_library.h"
#include "common/message_boxes.h"

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
            r.ScopeText = ScopeTextOf(s.action);
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

// A benchmark has nobody to answer a message box.
class PrintedMessages final : public MessageBoxes {
  public:
    int Show(std::string_view caption, std::string_view text, unsigned) override {
        std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                     static_cast<int>(text.size()), text.data());
        return MsgResult::Ok;
    }
};

// Settings whose current library is a full library in the temporary folder's
// subfolder `name`; null (with a message) when it cannot be written.
inline std::unique_ptr<SettingsBlock> SettingsWithFullLibrary(const std::string& name,
                                                              std::string& folder) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    auto settings = std::make_unique<SettingsBlock>();
    settings->MacroFiles[0] = InFolder(folder, "BENCH.ORN");
    if (!WriteFullLibrary(settings->MacroFiles[0].str())) {
        std::fprintf(stderr, "could not write the library\n");
        return nullptr;
    }
    return settings;
}

}  // namespace orv::bench
