#include "editor/script/bridges.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "editor/script/icon_name.h"
#include "editor/script/text_insert.h"
#include "tests/editor/commands/fake_file_checks.h"

namespace orv::editor {
namespace {

using C = CommandCode;

TEST(BridgesTest, EveryCommandHasOneOfTheBridges) {
    std::set<Bridge> used;
    for (int code = 1; code <= CommandCount; ++code) {
        std::optional<Bridge> bridge = BridgeFor(static_cast<C>(code));
        ASSERT_TRUE(bridge) << code;
        used.insert(*bridge);
    }
    EXPECT_EQ(used.size(), static_cast<std::size_t>(BridgeCount));
    EXPECT_EQ(BridgeFor(C::None), std::nullopt);

    const std::map<int, Bridge> shared = {
        {43, Bridge::MyWeb},     {44, Bridge::MyWeb},     {52, Bridge::MyNetwork},
        {53, Bridge::MyNetwork}, {83, Bridge::MyNetwork}, {117, Bridge::MyDelay},
        {45, Bridge::MyRepeat},  {32, Bridge::MyRepeat},  {98, Bridge::MyDosStuff},
        {38, Bridge::MyCommand}, {114, Bridge::MyClip},   {106, Bridge::MyDeskTop},
        {94, Bridge::MyDialup},  {112, Bridge::MyEMail},  {15, Bridge::MyTextInsert},
    };
    for (const auto& [code, bridge] : shared)
        EXPECT_EQ(BridgeFor(static_cast<C>(code)), bridge) << code;
}

TEST(BridgesTest, OnlyRepeatEndAndPromptStartGoInWithoutADialog) {
    for (int code = 1; code <= CommandCount; ++code)
        EXPECT_EQ(AddsWithoutDialog(static_cast<C>(code)), code == 7 || code == 45) << code;
}

TEST(BridgesTest, AnOlderShellRefusesTheNewerDesktopCommands) {
    for (int code = 1; code <= CommandCount; ++code) {
        bool newer = code == 69 || code == 70 || (code >= 106 && code <= 109);
        EXPECT_EQ(RefusedOnOldShell(static_cast<C>(code), false), newer) << code;
        EXPECT_FALSE(RefusedOnOldShell(static_cast<C>(code), true)) << code;
    }
}

TEST(BridgesTest, ANewLinePreselectsTheChoiceOfItsCode) {
    EXPECT_TRUE(Preselect<DateTimeInput>(C::Time).IsTime);
    EXPECT_FALSE(Preselect<DateTimeInput>(C::Date).IsTime);
    EXPECT_EQ(Preselect<DelayInput>(C::WaitTimeDelay).Choice, DelayChoice::Timed);
    EXPECT_EQ(Preselect<DelayInput>(C::Delay).Choice, DelayChoice::Seconds);
    EXPECT_EQ(Preselect<RepeatInput>(C::RepeatStart).Choice, RepeatChoice::Start);
    EXPECT_EQ(Preselect<RepeatInput>(C::RepeatCounter).Choice, RepeatChoice::Counter);
    EXPECT_EQ(Preselect<RepeatInput>(C::RepeatCounter).Count, RepeatInput{}.Count);
    EXPECT_EQ(Preselect<SpeedInput>(C::MouseSpeed).Choice, SpeedChoice::Mouse);
    EXPECT_EQ(Preselect<SpeedInput>(C::MacroPlaybackSpeed).Choice, SpeedChoice::Macro);
    EXPECT_EQ(Preselect<ActiveInput>(C::ProgramLaunch).Choice, ActiveChoice::LaunchOnly);
    EXPECT_EQ(Preselect<ActiveInput>(C::ActivateOrLaunch).Choice, ActiveChoice::ActivateOrLaunch);
    EXPECT_FALSE(Preselect<SizeItInput>(C::WindowReposition).Resize);
    EXPECT_EQ(Preselect<SystemCommandInput>(static_cast<C>(19)).Control, WindowControl::Minimize);
    EXPECT_EQ(Preselect<SystemCommandInput>(C::ProgramShutDown).Control, WindowControl::ShutDown);
    EXPECT_EQ(Preselect<MouseInput>(C::MouseMove).Command, MouseMoveCommand);
    EXPECT_EQ(Preselect<MouseInput>(C::MouseRightButton).Command, 6);
    EXPECT_EQ(Preselect<MouseInput>(C::MouseWheel).Command, 14);
    EXPECT_EQ(Preselect<ClipboardInput>(C::ClipboardPaste).Choice,
              InputFromRecord<ClipboardInput>(C::ClipboardPaste, ClipboardRec{}).Choice);
    for (auto [code, action] : {std::pair{C::ControlKey, 1}, std::pair{C::AltKey, 3},
                                std::pair{C::ShiftKey, 5}, std::pair{C::WinKey, 7}})
        EXPECT_EQ(Preselect<KeyUpDownInput>(code).Action, action);
    EXPECT_EQ(Preselect<DOSFilesInput>(C::RenameFile).Command, FileCommand::Rename);
    EXPECT_EQ(Preselect<DOSFilesInput>(C::CreateDirectory).Command, FileCommand::CreateFolder);
    EXPECT_EQ(Preselect<NickInput>(C::MacroDeactivate).Action, NickAction::Deactivate);
    EXPECT_EQ(Preselect<RecycleInput>(C::DeskTopCascade).Command, 1);
    EXPECT_EQ(Preselect<RecycleInput>(C::OpenExplorerTo).Command, 12);
    EXPECT_EQ(Preselect<RecycleInput>(C::SuspendComputer).Command, 6);
    EXPECT_EQ(Preselect<RebootInput>(C::PowerOff).Command, 4);
    EXPECT_EQ(Preselect<SysControlsInput>(C::Wallpaper).Control, SysControl::Wallpaper);
    EXPECT_EQ(Preselect<SysControlsInput>(C::KeyboardDelay).Control, SysControl::KeyDelay);
    EXPECT_EQ(Preselect<WaitInput>(C::WaitForText).Kind, WaitKind::Text);
    EXPECT_EQ(Preselect<WaitInput>(C::WaitTimeElapse).Kind, WaitKind::Time);
    EXPECT_TRUE(Preselect<SoundInput>(C::SoundWaveFile).WaveFile);
    EXPECT_FALSE(Preselect<SoundInput>(C::SoundBeep).WaveFile);
    EXPECT_TRUE(Preselect<WebInput>(C::WebFtp).IsFtp);
    EXPECT_FALSE(Preselect<WebInput>(C::WebSite).IsFtp);
    EXPECT_EQ(Preselect<NetConnInput>(C::NetworkToggle).Mode, NetMode::Toggle);
    EXPECT_EQ(Preselect<NetConnInput>(C::NetworkDisconnect).Mode, NetMode::Disconnect);
    EXPECT_EQ(Preselect<NetConnInput>(C::NetworkDisconnect).Drive, "");
    EXPECT_EQ(Preselect<CdInput>(C::CdGoToTrack).Command, 6);
    EXPECT_EQ(Preselect<CdInput>(C::CdGoToTrack).Track, CdInput{}.Track);
    // Each speaker code on the first of its actions.
    for (auto [code, action] : std::map<C, int>{{C::AudioVolume, 1},
                                                {C::AudioBalance, 6},
                                                {C::MidiMuteToggle, 15},
                                                {C::AudioBass, 19}})
        EXPECT_EQ(Preselect<VolumeInput>(code).Action, action);
}

TEST(BridgesTest, ATextFileIsStoredByItsShortPathOrAsTyped) {
    testing::FakeFileChecks files;
    files.AddFile("C:\\Notes File.txt", "C:\\NOTES~1.TXT");
    struct Case {
        const char* Typed;
        const char* Stored;
        bool Exists;
    };
    const Case cases[] = {
        {"  C:\\Notes File.txt ", "<TFILE:C:\\NOTES~1.TXT>", true},
        {"C:\\Gone.txt  ", "<TFILE:C:\\Gone.txt>", false},
        {"C:\\a>b.txt", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        CheckedTextFile file = CheckTextFile(c.Typed, files);
        EXPECT_EQ(file.Short.has_value(), c.Exists);
        TextInsertOutcome out = ComposeTextInsert(file);
        EXPECT_EQ(out.CommandText, c.Stored);
        EXPECT_EQ(out.Accepted(), *c.Stored != '\0');
    }
}

TEST(BridgesTest, AnIconIsNamedByItsShortFileName) {
    EXPECT_EQ(IconNameOf("C:\\ORVANE\\Icons\\SMILE.ICO"), "SMILE.ICO");
    EXPECT_EQ(IconNameOf("C:\\ORVANE\\Icons\\ABCDEFGH.ICO"), "ABCDEFGH.ICO");
    EXPECT_EQ(IconNameOf("C:\\ORVANE\\Icons\\A Long Name.ico"), std::nullopt);
    EXPECT_TRUE(IsIconFile("c:\\x\\face.ico"));
    EXPECT_FALSE(IsIconFile("c:\\x\\face.bmp"));
    EXPECT_FALSE(IsIconFile("ico"));
}

}  // namespace
}  // namespace orv::editor
