// A macro library in a folder of its own, with the tables, an in-memory hook
// library and the notices it posts.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "common/files.h"
#include "common/macro_library.h"
#include "tests/support/fake_clock.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/scratch_folder.h"

namespace orv::testing {

class RecordedNotices final : public ProgramNotices {
  public:
    void Post(int code, int argument) override { Posted.emplace_back(code, argument); }
    std::vector<std::pair<int, int>> Posted;
};

class LibraryTest : public ::testing::Test {
  protected:
    explicit LibraryTest(LibraryOwner owner = LibraryOwner::Editor) : owner_(owner) {
        settings->MacroFiles[0] = InFolder(folder, "ORVAN.ORN");
    }

    const std::string& LibraryPath() const { return settings->MacroFiles[0].str(); }

    static MacroRecord Ordinary(const std::string& name, std::uint16_t code) {
        MacroRecord r;
        r.Nickname = name;
        r.ActivationCode = code;
        r.MacroKind = 1;
        r.Enabled = 1;
        r.IconName = "MAIN";
        r.CuewordCase = 3;
        r.CuewordRemove = 1;
        r.SetScriptText("text of " + name);
        return r;
    }
    static MacroRecord System(SystemMacroAction action, const std::string& name,
                              std::uint16_t code) {
        MacroRecord r = Ordinary(name, code);
        r.MacroKind = 5;
        r.ScopeText = ScopeTextOf(action);
        r.SetScriptText("");
        return r;
    }

    void WriteLibrary(const std::vector<MacroRecord>& records, std::size_t extraBytes = 0) {
        std::string bytes(records.size() * MacroRecord::Size + extraBytes, 'z');
        for (std::size_t k = 0; k < records.size(); ++k)
            records[k].Encode(RecordBytes<MacroRecord::Size>(
                reinterpret_cast<std::uint8_t*>(bytes.data()) + k * MacroRecord::Size,
                MacroRecord::Size));
        ASSERT_TRUE(ReplaceFileContents(LibraryPath(), bytes));
    }

    std::vector<MacroRecord> FileRecords() const {
        std::vector<MacroRecord> records;
        FilePtr f = OpenFile(LibraryPath(), "rb");
        std::array<std::uint8_t, MacroRecord::Size> image;
        while (f && std::fread(image.data(), 1, image.size(), f.get()) == image.size())
            records.push_back(MacroRecord::Decode(image));
        return records;
    }

    // A name relative to the folder whose full name is one character longer
    // than the settings keep.
    std::string NameOneTooLong() const {
        const std::size_t inFolder = FullPath(InFolder(folder, "")).size();
        return std::string(LibraryNameField::capacity + 1 - inFolder - 4, 'x') + ".ORN";
    }

    std::vector<std::string> FileNicknames() const {
        std::vector<std::string> names;
        for (const MacroRecord& r : FileRecords()) names.push_back(r.Nickname.str());
        return names;
    }

    LibraryOwner owner_;
    ScratchFolder scratch{"orvlib"};
    std::string folder = scratch.Path();
    FakeClock clock;
    ScriptedMessageBoxes boxes;
    std::unique_ptr<SettingsBlock> settings = std::make_unique<SettingsBlock>();
    std::unique_ptr<HookTable> table = std::make_unique<HookTable>();
    std::unique_ptr<MemoryHookLibrary> hooks = std::make_unique<MemoryHookLibrary>();
    RecordedNotices notices;
    MacroLibrary library{owner_, *settings, *table, *hooks, notices, folder};
};

}  // namespace orv::testing
