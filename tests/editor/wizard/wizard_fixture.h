// The world a wizard test runs in: a fixed clock, a few files and folders
// that exist, and a small library with a capture system macro, a pop-up menu
// and a global hot key.
#pragma once

#include <map>
#include <set>
#include <string>

#include "common/date_time.h"
#include "common/macro_record.h"
#include "editor/wizard/wizard_answers.h"
#include "editor/wizard/wizard_env.h"

namespace orv::editor::testing {

// Monday 5 January 2026, 9:00.
inline DateTime WizardToday() {
    return EncodeDateTime(2026, 1, 5, 9, 0, 0);
}

inline WizardEnv TestEnv(std::string programDir = "C:\\ORVANE") {
    static const std::map<std::string, std::string> files = {
        {"C:\\WINDOWS\\NOTEPAD.EXE", "C:\\WINDOWS\\NOTEPAD.EXE"},
        {"C:\\DOCS\\LONG NAME.DOC", "C:\\DOCS\\LONGNA~1.DOC"},
        {"C:\\W\\SEA.BMP", "C:\\W\\SEA.BMP"},
        {"C:\\T.TXT", "C:\\T.TXT"},
        {"C:\\DING.WAV", "C:\\DING.WAV"},
        {"C:\\CLIP.AVI", "C:\\CLIP.AVI"},
        {"C:\\A.TXT", "C:\\A.TXT"},
    };
    static const std::set<std::string> folders = {"C:\\WORK", "C:\\"};
    WizardEnv env;
    env.Now = [] { return WizardToday(); };
    env.ShortFile = [](const std::string& path) -> std::optional<std::string> {
        auto it = files.find(path);
        if (it == files.end())
            return std::nullopt;
        return it->second;
    };
    env.FolderExists = [](const std::string& path) { return folders.count(path) > 0; };
    env.ProgramDir = std::move(programDir);
    env.Library = {
        {1, "Capture", MacroKind::System, 600, "2"},
        {2, "Hello", MacroKind::Global, 65, ""},
        {3, "Tools", MacroKind::PopupMenu, 66, ""},
        {4, "Notes", MacroKind::Window, 67, "Notepad"},
    };
    return env;
}

// The defaults with a hot key and a nickname, as a user who only presses Next
// would leave them after choosing a key.
inline WizardAnswers BaseAnswers() {
    WizardAnswers a = DefaultAnswers();
    a.Choose("P3KeyList", 100);
    a.SetText("P10Nick", "Nick");
    return a;
}

}  // namespace orv::editor::testing
