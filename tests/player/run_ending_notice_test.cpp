// Every notice that ends a run shows with nothing of the run held: no key or
// button down, the in-use byte cleared, Caps Lock given back.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>

#include "player/interpreter.h"
#include "player/multimedia_commands.h"
#include "tests/common/fake_mixer_driver.h"
#include "tests/player/fake_wait_desk.h"
#include "tests/player/recording_host.h"

namespace orv::player {
namespace {

using orv::testing::FakeMixerDriver;
using testing::FakeSignals;
using testing::NoWindows;
using testing::RecordingHost;

// A drive that refuses to open; a video that fails; a mixer whose writes fail.
class FailingMedia final : public MediaHost, public CdDevice {
  public:
    FailingMedia() { Driver.SetResult = 11; }
    TMidiMixer& OpenMixer() override {
        if (!Mixer) {
            Mixer = std::make_unique<TMidiMixer>(Driver);
            Mixer->SetMidiDeviceID(-2);
        }
        return *Mixer;
    }
    void PlayWave(std::string_view, bool) override {}
    CdDevice& Cd() override { return *this; }
    std::optional<std::string> PlayVideo(std::string_view, int) override {
        return "The file is not a valid clip.";
    }

    bool IsOpen() override { return false; }
    std::uint32_t Open() override { return 289; }
    std::uint32_t Do(Action) override { return 289; }
    std::uint32_t PlayTrack(std::uint32_t) override { return 289; }
    std::uint32_t Position(std::uint32_t&) override { return 289; }
    std::uint32_t TrackSeconds(std::vector<std::uint32_t>&) override { return 289; }
    std::uint32_t PlayFrom(std::uint32_t) override { return 289; }
    std::string ErrorText(std::uint32_t) override { return "No disc."; }

    FakeMixerDriver Driver;
    std::unique_ptr<TMidiMixer> Mixer;
};

class RunEndingNoticeTest : public ::testing::Test, public testing::WaitingRun {
  public:
    RunEndingNoticeTest() {
        host.FamiliesSet[FamilyId::Windows] = &windows;
        host.FamiliesSet[FamilyId::Waits] = &waits;
        host.FamiliesSet[FamilyId::Media] = &media;
        host.OnMarkInUse = [this](bool on) { inUse = on; };
        host.OnNotice = [this] {
            heldAtNotice.push_back(!host.StillDown().empty() || inUse ||
                                   (host.CapsLock && capsOffAtNotice()));
        };
    }
    // Caps Lock pressed an odd number of times so far: still switched off.
    bool capsOffAtNotice() const {
        int presses = 0;
        for (const std::string& line : host.Keys()) presses += line == "d20";
        return presses % 2 == 1;
    }

    FailingMedia failing;
    MultimediaCommands media{failing};
    bool inUse = false;
    std::vector<bool> heldAtNotice;
};

TEST_F(RunEndingNoticeTest, EveryNoticeThatEndsARunComesAfterTheRunLetGo) {
    struct Case {
        std::string script;
        std::string caption;
        std::function<void(RunEndingNoticeTest&)> setUp;
    };
    const Case cases[] = {
        {"<ACTIVATE:None>", "Activate Command Failed", {}},
        {"<REPEAT:0002>", "Repeat Error", {}},
        {"<TFILE:big>", "Text File Error",
         [](RunEndingNoticeTest& t) {
             t.host.Files["big"] = std::string(Interpreter::MaxTextFileBytes + 1, 'a');
         }},
        {"<MACRUN:self>", "Macro Nesting Error",
         [](RunEndingNoticeTest& t) { t.host.Macros["self"] = "<MACRUN:self>"; }},
        {"<LAUNCH:missing.exe>", "Launch Error",
         [](RunEndingNoticeTest& t) { t.desk.ShellResult = 2; }},
        {"<LAUNCHNO2:0001Never<LAUNCH:never.exe>", "Launch Failed", {}},
        {"<WAITLM:001>", "Wait For Mouse Click Error", {}},
        {"<WAITWIN:001:Later>", "Wait For Window Error", {}},
        {"<CDPLAY>", "Macro Error", {}},
        {"<AVI:bad.avi>", "Macro Error", {}},
        {"<AUDMUTE>", "Macro Error", {}},
        {"", "Macro Abort",
         [](RunEndingNoticeTest& t) { t.host.OnPump = [&t] { t.state.AbortFlag = true; }; }},
        {"", "Macro Error",
         [](RunEndingNoticeTest& t) {
             t.host.OnPump = [] { throw std::runtime_error("no memory left"); };
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script + " " + c.caption);
        host.Trace.clear();
        host.OnPump = {};
        host.CapsLock = true;
        heldAtNotice.clear();
        if (c.setUp)
            c.setUp(*this);
        // Ctrl held by the run, and the shift of a capital still down when
        // the pump throws.
        ASSERT_TRUE(interpreter.RunMacro("<CTLD>" + c.script + "x", RunOrigin::User));
        ASSERT_FALSE(host.Notices().empty());
        EXPECT_TRUE(host.Notices()[0].starts_with(c.caption + ": ")) << host.Notices()[0];
        EXPECT_EQ(heldAtNotice, std::vector<bool>(heldAtNotice.size(), false));
        EXPECT_EQ(host.Typed().find('x'), std::string::npos) << host.Typed();
        // The in-use byte went back with the notice: no end marker is left
        // unanswered, and no clear timer to clear a later run's byte.
        EXPECT_EQ(std::count(host.Trace.begin(), host.Trace.end(), "clear timer"), 0);
        desk.ShellResult = 42;
    }
}

}  // namespace
}  // namespace orv::player
