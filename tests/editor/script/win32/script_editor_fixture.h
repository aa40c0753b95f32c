// The script editor on a macro record of the test's own, in a program folder
// of its own, with the shell's dialogs and the player's notices recorded.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/settings_store.h"
#include "editor/script/win32/script_editor.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_testing.h"

namespace orv::editor::testing {

// These helpers build on the shared ones.
using namespace orv::testing;

struct KeptNotices final : ProgramNotices {
    void Post(int code, int argument) override { Posted.emplace_back(code, argument); }
    std::vector<std::pair<int, int>> Posted;
};

class ScriptEditorTest : public ::testing::Test {
  protected:
    ScriptEditorTest() {
        macro.Nickname = "TYPING";
        macro.ActivationCode = 65;
        macro.MacroKind = MacroKind::Global;
        macro.IconName = "MAIN";
    }

    // Shows the editor on the macro with that script; step drives it and
    // must close it.
    int Run(const std::string& script, std::function<void(TDoScripting&)> step,
            bool existing = true, bool scopeLocked = false) {
        macro.SetScriptText(script);
        TDoScripting form(host);
        form.IsExisting = existing ? 1 : 0;
        form.ScopeLocked = scopeLocked ? 1 : 0;
        form.ActKind = ActKind;
        form.Palette = Palette;
        driver.Expect<TDoScripting>(std::move(step));
        return form.ShowModal();
    }

    // Adds the command through the Add button.
    static void AddNamed(TDoScripting& f, std::string_view name, AddStyle style = AddStyle::AtEnd) {
        f.OptionBox.SetItemIndex(f.OptionBox.IndexOf(name));
        if (style == AddStyle::AtEnd)
            f.AddButton.Click();
        else if (style == AddStyle::Before)
            f.InsertBeforeButton.Click();
        else
            f.InsertAfterButton.Click();
    }

    static std::vector<std::string> Texts(TDoScripting& f) {
        std::vector<std::string> texts;
        for (int i = 0; i < f.Script.Count(); ++i) texts.push_back(f.Script.Item(i));
        return texts;
    }

    std::string ShortPath(const std::string& path) const {
        char buffer[MAX_PATH];
        DWORD n = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
        return n > 0 && n < MAX_PATH ? std::string(buffer, n) : path;
    }

    std::string MakeFile(const std::string& name, const std::string& text) const {
        std::string path = folder.Path() + "\\" + name;
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        ::WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(h);
        return path;
    }

    ScratchFolder folder{"script_editor"};
    SettingsBlock settings;
    MemorySettingsStore store;
    Configs configs{store, settings, folder.Path()};
    KeptNotices notices;
    MacroRecord macro;
    CommandContext commands{settings, {}, true, {}};
    EditorHost host{macro, settings, configs, commands, notices, folder.Path(), true};
    ActivationKind ActKind = ActivationKind::HotKey;
    // The Wizard button's palette; none leaves the button disabled.
    std::function<void(TDoScripting&)> Palette;
    ModalDriver driver;
    ScriptedMessageBoxes boxes;
};

}  // namespace orv::editor::testing
