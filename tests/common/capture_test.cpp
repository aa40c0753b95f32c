#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

// A recording its macro did not take moves out of the way of the next start.
TEST_F(CaptureFileTest, AKeptCaptureMovesToTheFirstFreeNumberedCaptureFile) {
    std::ofstream(In("TempCap1.Txt")) << "older";
    std::filesystem::create_directory(In("TempCap2.Txt"));
    WriteCapture(3);
    EXPECT_EQ(KeepCaptureFile(folder.Path()), In("TempCap3.Txt"));
    EXPECT_EQ(ReadWholeFile(In("TempCap3.Txt")), "aaa");
    EXPECT_EQ(ReadWholeFile(In("TempCap1.Txt")), "older");
    EXPECT_FALSE(FileExists(CaptureFilePath(folder.Path())));
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
