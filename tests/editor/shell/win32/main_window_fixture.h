// The editor's main window in this process, on a library and settings of the
// test's own, with the player's notices recorded: the fixture of every test
// that drives the main window and the dialogs it opens.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/hotkeys.h"
#include "common/program_messages.h"
#include "common/settings_store.h"
#include "common/sync_record.h"
#include "editor/shell/win32/main_window.h"
#include "tests/editor/shell/memory_library.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_testing.h"

namespace orv::editor::testing {

// These helpers build on the shared ones.
using namespace orv::testing;

using Posts = std::vector<std::pair<int, int>>;

struct RecordingNotices final : ProgramNotices {
    void Post(int code, int argument) override { posted.emplace_back(code, argument); }
    // The posts of these codes only, in order.
    Posts Only(std::initializer_list<int> codes) const {
        Posts kept;
        for (const auto& p : posted)
            if (std::find(codes.begin(), codes.end(), p.first) != codes.end())
                kept.push_back(p);
        return kept;
    }
    Posts posted;
};

inline void WriteLibrary(const std::string& path, const std::vector<MacroRecord>& records) {
    std::ofstream(path, std::ios::binary) << RecordFileBytes(records);
}

class MainWindowFixture : public ::testing::Test {
  protected:
    MainWindowFixture() {
        settings.MacroFiles[0] = library;
        settings.FirstUse = false;
        MacroRecord popup = Macro("MENU OF THINGS", ActivationCode::None, MacroKind::PopupMenu);
        MacroRecord cue = Macro("SIGNATURE", ActivationCode::Cueword);
        cue.CuewordText = "sig";
        WriteLibrary(library, {Macro("TYPE NAME", 65), cue, popup});
    }
    ~MainWindowFixture() override { SetCurrentMessageBoxes(nullptr); }

    // The window, shown; the first-time setup and the load's posts are done.
    TMainWin& Open() {
        main = std::make_unique<TMainWin>(context);
        main->Show();
        Pump(*main);
        player.posted.clear();
        return *main;
    }
    void Notify(int code, int argument) {
        PostMessageA(main->Handle(), ProgramMessage::Notice, static_cast<WPARAM>(code), argument);
        Pump(*main);
    }
    int RowOf(const std::string& nickname) const {
        for (int row = 1; row < main->List().RowCount(); ++row)
            if (main->List().RowMacro(row) && main->List().RowMacro(row)->Nickname == nickname)
                return row;
        return -1;
    }

    TempFolder folder;
    std::string library = folder / "ORVAN.ORN";
    SettingsBlock settings;
    HookTable table;
    MemorySettingsStore store;
    Configs configs{store, settings, folder.Path()};
    MemoryHookLibrary hooks;
    RecordingNotices player;
    MacroLibrary macros{LibraryOwner::Editor, settings, table, hooks, player, folder.Path()};
    PlainSyncFileAccess syncFiles;
    EditorContext context{settings, table,     configs, hooks,
                          macros,   syncFiles, player,  folder.Path()};
    ScriptedMessageBoxes boxes;
    std::unique_ptr<TMainWin> main;
};

}  // namespace orv::editor::testing
