#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/capture_section.h"
#include "common/capture_text.h"
#include "common/files.h"
#include "common/hotkey_encoder.h"
#include "common/macro_record.h"
#include "common/settings.h"
#include "common/system_macro_action.h"
#include "tests/support/scratch_folder.h"

namespace orv {
namespace {

TEST(CaptureText, SpeedTokens) {
    const std::pair<int, const char*> cases[] = {{1, "<SPEED:00001>"},
                                                 {2, "<SPEED:00002>"},
                                                 {3, "<SPEED:00.50>"},
                                                 {4, "<SPEED:00.25>"},
                                                 {0, ""},
                                                 {5, ""}};
    for (auto [speed, token] : cases) EXPECT_EQ(CaptureSpeedToken(speed), token) << speed;
}

class CaptureFileTest : public ::testing::Test {
  protected:
    testing::ScratchFolder folder{"capture"};
    void WriteCapture(std::size_t bytes) {
        std::ofstream(CaptureFilePath(folder.Path()), std::ios::binary) << std::string(bytes, 'a');
    }
    std::string In(const char* name) const { return InFolder(folder.Path(), name); }
    std::ifstream reader;
};

TEST_F(CaptureFileTest, UpToTheLimitTheCaptureIsTheScript) {
    WriteCapture(CaptureScriptLimit);
    const CapturedScript script = ReadCapturedScript(folder.Path());
    EXPECT_FALSE(script.Failed);
    EXPECT_EQ(script.ScriptText, std::string(CaptureScriptLimit, 'a'));
    EXPECT_FALSE(FileExists(In("OV0.TXT")));
}

TEST_F(CaptureFileTest, ALongerCaptureMovesToTheFirstFreeOverflowFile) {
    std::ofstream(In("OV0.TXT")) << "kept";
    WriteCapture(CaptureScriptLimit + 1);
    const CapturedScript script = ReadCapturedScript(folder.Path());
    EXPECT_EQ(script.ScriptText, "<TFILE:" + In("OV1.TXT") + ">");
    EXPECT_EQ(ReadWholeFile(In("OV1.TXT")), std::string(CaptureScriptLimit + 1, 'a'));
    EXPECT_EQ(ReadWholeFile(In("OV0.TXT")), "kept");
}

// A recording its macro did not take moves out of the way of the next start,
// or is said to be lost; it is never said to be kept where the next start
// empties it.
TEST_F(CaptureFileTest, AKeptCaptureMovesToTheFirstFreeNumberedCaptureFile) {
    struct Row {
        const char* name;
        std::function<void()> before;
        std::optional<std::string> kept;  // the name in the folder
        bool moved = false;               // the capture file is gone
    };
    const std::vector<Row> rows = {
        {"past the files and folders taken",
         [this] {
             std::ofstream(In("TempCap1.Txt")) << "older";
             std::filesystem::create_directory(In("TempCap2.Txt"));
             WriteCapture(3);
         },
         "TempCap3.Txt", true},
        // Where another program holds it open it is not moved, but copied.
        {"held open by a reader",
         [this] {
             WriteCapture(3);
             reader.open(CaptureFilePath(folder.Path()), std::ios::binary);
         },
         "TempCap1.Txt"},
        {"every name taken",
         [this] {
             for (int n = 1; n <= 100; ++n)
                 std::ofstream(In(("TempCap" + std::to_string(n) + ".Txt").c_str())) << "older";
             WriteCapture(3);
         },
         std::nullopt},
        {"no capture file at all", [] {}, std::nullopt},
    };
    auto olderOnes = [this] {
        int older = 0;
        for (int n = 1; n <= 100; ++n)
            older += ReadWholeFile(In(("TempCap" + std::to_string(n) + ".Txt").c_str())) == "older";
        return older;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(folder.Path());
        std::filesystem::create_directories(folder.Path());
        row.before();
        const int older = olderOnes();
        const std::optional<std::string> capture = ReadWholeFile(CaptureFilePath(folder.Path()));
        const std::optional<std::string> kept = KeepCaptureFile(folder.Path());
        reader.close();
        EXPECT_EQ(olderOnes(), older) << "no capture kept before is overwritten";
        if (!row.kept) {
            EXPECT_EQ(kept, std::nullopt);
            EXPECT_EQ(ReadWholeFile(CaptureFilePath(folder.Path())), capture);
            EXPECT_EQ(CaptureKeptMessage(kept),
                      "The recording was not saved into its macro.  It could not be kept in a "
                      "capture file of its own and is lost.");
            continue;
        }
        EXPECT_EQ(kept, In(row.kept->c_str()));
        EXPECT_EQ(ReadWholeFile(In(row.kept->c_str())), "aaa");
        EXPECT_TRUE(!row.moved || !FileExists(CaptureFilePath(folder.Path())));
        EXPECT_EQ(CaptureKeptMessage(kept),
                  "The recording was not saved into its macro.  It is kept in the capture file " +
                      In(row.kept->c_str()) + ".");
    }
}

TEST_F(CaptureFileTest, AMissingCaptureFails) {
    const CapturedScript script = ReadCapturedScript(folder.Path());
    EXPECT_TRUE(script.Failed);
    EXPECT_EQ(script.ScriptText, "");
}

// A table whose third macro is the capture system macro, on the given code.
HookTable WithCaptureMacro(std::uint16_t activation) {
    HookTable table;
    table.SetMacroCount(3);
    const std::string editor = ScopeTextOf(SystemMacroAction::ActivateEditor);
    const std::string capture = ScopeTextOf(SystemMacroAction::StartStopCapture);
    table.SetEntry(1, {.Kind = MacroKind::System, .ScopeText = editor, .Activation = 5});
    table.SetEntry(2, {.Kind = MacroKind::Global, .ScopeText = capture, .Activation = 6});
    table.SetEntry(3, {.Kind = MacroKind::System, .ScopeText = capture, .Activation = activation});
    return table;
}

TEST(CaptureSection, StopKeyComesFromTheCaptureSystemMacro) {
    const KeyCombination ctrlAltShiftX{.vk = 'X', .shift = true, .alt = true, .ctrl = true};
    const int code = EncodeHotKey(ctrlAltShiftX);
    EXPECT_EQ(CaptureSystemMacro(WithCaptureMacro(code)), 3);
    EXPECT_EQ(CaptureStopKey(WithCaptureMacro(code)), ctrlAltShiftX);
    // Activated by a Cueword, or no capture macro at all: no stop key.
    EXPECT_EQ(CaptureStopKey(WithCaptureMacro(ActivationCode::Cueword)), KeyCombination{});
    EXPECT_EQ(CaptureSystemMacro(HookTable{}), 0);
    EXPECT_EQ(CaptureStopKey(HookTable{}), KeyCombination{});
}

TEST(CaptureSection, OptionsAndKeysFromTheSettings) {
    struct Case {
        bool mouse;
        int relativeTo;
        bool windowSize;
        std::uint8_t relative, recordSize;
    };
    const Case cases[] = {{true, 2, true, 2, 1},
                          {false, 2, true, 2, 0},
                          {true, 1, true, 1, 0},
                          {true, 2, false, 2, 0},
                          {true, 7, true, 3, 0}};
    for (const Case& c : cases) {
        SettingsBlock settings;
        settings.CaptureKeys = true;
        settings.CaptureMouse = c.mouse;
        settings.CaptureTime = false;
        settings.CaptureClicksOnly = true;
        settings.CaptureDoubleAlt = true;
        settings.RelativeTo = c.relativeTo;
        settings.CaptureWindowSize = c.windowSize;
        HookTable table;
        table.Bytes.fill(0xEE);
        const KeyCombination stop{.vk = 'X', .alt = true, .ctrl = true};
        SetCaptureSection(table, settings, 42, stop);
        EXPECT_EQ(table.U8(HookAt::RelativeTo), c.relative) << c.relativeTo;
        EXPECT_EQ(table.U8(HookAt::RecordWindowSize), c.recordSize);
        EXPECT_EQ(table.U8(HookAt::RecordWindowSizeCopy), c.recordSize);
        EXPECT_EQ(table.U8(HookAt::CaptureMouse), c.mouse);
        EXPECT_EQ(table.U8(HookAt::CaptureKeys), 1);
        EXPECT_EQ(table.U8(HookAt::CaptureTime), 0);
        EXPECT_EQ(table.U8(HookAt::CaptureClicksOnly), 1);
        EXPECT_EQ(table.U8(HookAt::DoubleAlt), 1);
        EXPECT_EQ(table.U16(HookAt::CaptureMacro), 42);
        EXPECT_EQ(table.U16(HookAt::StopKey), 'X');
        EXPECT_EQ(table.U8(HookAt::StopCtrl), 1);
        EXPECT_EQ(table.U8(HookAt::StopCtrl + 1), 1);
        EXPECT_EQ(table.U8(HookAt::StopCtrl + 2), 0);
        for (std::size_t cleared : {CaptureAt::Cleared771, CaptureAt::Cleared781,
                                    HookAt::CaptureReset, HookAt::SecondStopGiven})
            EXPECT_EQ(table.U8(cleared), 0) << cleared;
        EXPECT_EQ(table.U16(CaptureAt::SecondStopKey), 0);
        EXPECT_EQ(table.U8(HookAt::CaptureStarted), 1);
        EXPECT_EQ(table.U8(HookAt::CaptureRunning), 0xEE);  // handed over on its own
    }
}

TEST(CaptureSection, ASecondStopKeyIsMarkedGiven) {
    HookTable table;
    SetCaptureSection(table, SettingsBlock{}, 1, {}, KeyCombination{.vk = 'Q', .win = true});
    EXPECT_EQ(table.U8(HookAt::SecondStopGiven), 1);
    EXPECT_EQ(table.U16(CaptureAt::SecondStopKey), 'Q');
    EXPECT_EQ(table.U8(CaptureAt::SecondStopCtrl + 3), 1);
}

}  // namespace
}  // namespace orv
