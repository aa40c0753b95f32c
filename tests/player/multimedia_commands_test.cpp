#include "player/multimedia_commands.h"

#include <gtest/gtest.h>

#include <memory>

#include "player/cd_position.h"
#include "player/interpreter.h"
#include "tests/common/fake_mixer_driver.h"
#include "tests/player/recording_host.h"
#include "tests/player/sample_token.h"

namespace orv::player {
namespace {

using orv::testing::FakeMixerDriver;
using testing::RecordingHost;
using Trace = std::vector<std::string>;
using Kind = MixerDriver::ControlKind;

// A disc of three tracks (1:00, 0:10, 2:00), playing track 1 at 0:55.
class FakeCd final : public CdDevice {
  public:
    bool IsOpen() override { return Opened; }
    std::uint32_t Open() override {
        Calls.push_back("open");
        Opened = OpenError == 0;
        return OpenError;
    }
    std::uint32_t Do(Action action) override {
        Calls.push_back("do " + std::to_string(static_cast<int>(action)));
        return 0;
    }
    std::uint32_t PlayTrack(std::uint32_t track) override {
        Calls.push_back("track " + std::to_string(track));
        return 0;
    }
    std::uint32_t Position(std::uint32_t& tmsf) override {
        tmsf = At;
        return 0;
    }
    std::uint32_t TrackSeconds(std::vector<std::uint32_t>& seconds) override {
        seconds = {60, 10, 120};
        return 0;
    }
    std::uint32_t PlayFrom(std::uint32_t tmsf) override {
        const CdPosition p = UnpackTmsf(tmsf);
        Calls.push_back("play " + std::to_string(p.Track) + ":" + std::to_string(p.Minutes) + ":" +
                        std::to_string(p.Seconds) + ":" + std::to_string(p.Frames));
        return 0;
    }
    std::string ErrorText(std::uint32_t error) override {
        return "The CD device reports error " + std::to_string(error) + ".";
    }
    bool Opened = false;
    std::uint32_t OpenError = 0;
    std::uint32_t At = PackTmsf({1, 0, 55, 7});
    Trace Calls;
};

class FakeMedia final : public MediaHost {
  public:
    TMidiMixer& OpenMixer() override {
        if (!Mixer) {
            Mixer = std::make_unique<TMidiMixer>(Driver);
            Mixer->SetMidiDeviceID(-2);
        }
        return *Mixer;
    }
    void PlayWave(std::string_view file, bool wait) override {
        Waves.push_back(std::string(file) + (wait ? " wait" : ""));
    }
    CdDevice& Cd() override { return Disc; }
    std::optional<std::string> PlayVideo(std::string_view file, int mode) override {
        Videos.push_back(std::string(file) + " " + std::to_string(mode));
        if (OnVideo)
            OnVideo();
        return VideoFailure;
    }
    Trace Videos;
    std::function<void()> OnVideo;
    std::optional<std::string> VideoFailure;
    FakeMixerDriver Driver;
    std::unique_ptr<TMidiMixer> Mixer;
    FakeCd Disc;
    Trace Waves;
};

class MultimediaCommandsTest : public ::testing::Test {
  protected:
    MultimediaCommandsTest() { host.FamiliesSet[FamilyId::Media] = &commands; }
    void Run(std::string_view script) {
        host.Trace.clear();
        media.Driver.Writes.clear();
        ASSERT_TRUE(interpreter.RunMacro(script, RunOrigin::Unattended));
    }
    void Master(std::int32_t left, std::int32_t right) {
        media.Driver.Values[FakeMixerDriver::IdOf(Kind::Volume)] = {left, right};
        media.Mixer.reset();  // read afresh
    }

    RecordingHost host;
    RunState state;
    Interpreter interpreter{host, state};
    FakeMedia media;
    MultimediaCommands commands{media};
};

TEST_F(MultimediaCommandsTest, VolumeBalanceAndTone) {
    struct Case {
        std::string script;
        std::int32_t left, right;
        Trace writes;
    };
    const Case cases[] = {
        {"<AUDUP>", 30000, 30000, {"1:33276,33276"}},  // a twentieth of 0..65535
        {"<AUDUP>", 65535, 100, {}},                   // one channel at the top: nothing
        {"<AUDUP>", 65000, 64000, {"1:65535,65535"}},
        {"<AUDDOWN>", 3000, 9000, {"1:0,5724"}},
        {"<AUDDOWN>", 0, 9000, {}},
        {"<AUDOFF>", 5, 6, {"1:0,0"}},
        {"<AUDON>", 5, 6, {"1:65535,65535"}},
        {"<AUDCENTER>", 100, 40000, {"1:40000,40000"}},
        {"<AUDLEFT>", 100, 40000, {"1:3376,40000"}},
        {"<AUDLEFT>", 40000, 100, {"1:40000,0"}},
        {"<AUDRIGHT>", 40000, 39000, {"1:40000,40000"}},
        {"<AUDRIGHT>", 100, 40000, {"1:0,40000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script + " " + std::to_string(c.left) + "," + std::to_string(c.right));
        Master(c.left, c.right);
        Run(c.script + "x");
        EXPECT_EQ(media.Driver.Writes, c.writes);
        EXPECT_EQ(host.Typed(), "x");
    }
    // A volume changed elsewhere and not announced is read afresh.
    Master(30000, 30000);
    Run("<AUDUP>");
    media.Driver.Values[FakeMixerDriver::IdOf(Kind::Volume)] = {0, 0};
    media.Driver.Writes.clear();
    Run("<AUDUP>");
    EXPECT_EQ(media.Driver.Writes, (Trace{"1:3276,3276"}));
    media.Driver.Values[FakeMixerDriver::IdOf(Kind::Treble)] = {65535, 65535};
    media.Mixer.reset();
    Run("<TREBUP><TREBDOWN><BASSDOWN>");
    EXPECT_EQ(media.Driver.Writes, (Trace{"4:62259,62259", "5:26724,26724"}));
}

TEST_F(MultimediaCommandsTest, MissingControlsAreToldAndChangeNothing) {
    media.Driver.Missing[Kind::Treble] = MixerResult::NotSupported;
    media.Driver.Missing[Kind::Mute] = MixerResult::InvalidControl;
    Run("<TREBUP><AUDUP><MIDIUP><MIDILEFT><AUDMUTE><MIDIMUTE>x");
    EXPECT_EQ(media.Driver.Writes, (Trace{"1:33276,33276"}));
    EXPECT_EQ(host.Notices(),
              (Trace{"Macro Error: Treble volume control is not supported by your Audio Device.",
                     "Macro Error: MIDI volume control is not supported by your Audio Device.",
                     "Macro Error: MIDI volume control is not supported by your Audio Device.",
                     "Macro Error: Audio mute control is not supported by your Audio Device.",
                     "Macro Error: MIDI mute control is not supported by your Audio Device."}));
    EXPECT_EQ(host.Typed(), "x");
    EXPECT_EQ(commands.MixerMuteOn, (std::array<bool, 2>{false, false}));

    // A mixer that would not open is tried again at the next command.
    media.Driver.OpenResult = MixerResult::NotSupported;
    Master(30000, 30000);
    Run("<AUDUP>");
    EXPECT_EQ(host.Notices(),
              (Trace{"Macro Error: Audio volume control is not supported by your Audio Device."}));
    media.Driver.OpenResult = MixerResult::Ok;
    Run("<AUDUP>");
    EXPECT_EQ(media.Driver.Writes, (Trace{"1:33276,33276"}));
}

TEST_F(MultimediaCommandsTest, MuteTogglesAndAMixerErrorEndsTheRun) {
    Run("<AUDMUTE>");
    Run("<AUDMUTE>");
    EXPECT_EQ(media.Driver.Values[FakeMixerDriver::IdOf(Kind::Mute)][0], 0);
    media.Driver.Writes.clear();
    Run("<AUDMUTE>");
    EXPECT_EQ(media.Driver.Writes, (Trace{"3:1"}));

    // A failed write: the notice, the run ends at every level, the flag stays.
    media.Driver.SetResult = 11;
    host.Macros["inner"] = "a<AUDMUTE>b";
    Run("<MACRUN:inner>c");
    EXPECT_EQ(host.Typed(), "a");
    EXPECT_EQ(host.Notices(), (Trace{"Macro Error: Multimedia System Error 11 - Invalid parameter "
                                     "passed in mixerSetControlDetails"}));
    EXPECT_EQ(commands.MixerMuteOn[0], true);
}

TEST_F(MultimediaCommandsTest, CdCommandsOpenTheDriveOnce) {
    Run("<CDPLAY><CDSTEP:10><CDBACK:60><CDGOTO:02><CDEJECT><CDCLOSE>x");
    EXPECT_EQ(media.Disc.Calls,
              (Trace{"open", "do 0", "play 2:0:5:7", "play 1:0:0:0", "track 2", "do 5", "do 6"}));
    EXPECT_EQ(host.Typed(), "x");

    // Without a disc the device's text is shown and the run ends.
    media.Disc.Opened = false;
    media.Disc.OpenError = 289;
    media.Disc.Calls.clear();
    Run("a<CDPLAY>b");
    EXPECT_EQ(host.Typed(), "a");
    EXPECT_EQ(host.Notices(), (Trace{"Macro Error: The CD device reports error 289."}));
    EXPECT_EQ(media.Disc.Calls, (Trace{"open"}));
}

TEST_F(MultimediaCommandsTest, VideoWindowOneAtATime) {
    media.OnVideo = [&] { EXPECT_TRUE(commands.VideoInUse); };
    Run("<AVIE:a.avi><AVII:c.avi>x");
    EXPECT_EQ(media.Videos, (Trace{"a.avi 2", "c.avi 1"}));
    EXPECT_EQ(host.Typed(), "x");
    // While a window shows (a run started by a message handled meanwhile).
    commands.VideoInUse = true;
    Run("<AVI:b.avi>x");
    EXPECT_EQ(host.Notices(), (Trace{"Error: AVI Player currently in use."}));
    EXPECT_EQ(media.Videos.size(), 2u);
    commands.VideoInUse = false;

    media.VideoFailure = "The file is not a valid clip.";
    Run("a<AVI:bad.avi>b");
    EXPECT_EQ(host.Typed(), "a");
    EXPECT_EQ(host.Notices(), (Trace{"Macro Error: The file is not a valid clip."}));
    EXPECT_FALSE(commands.VideoInUse);
}

// Each form the catalogue gives the family reaches its device: a command new
// to the family or regrouped into it that the family passes over fails here.
TEST_F(MultimediaCommandsTest, EveryCommandOfTheFamilyReachesItsDevice) {
    const auto idle = testing::FormsThatDidNothing(
        FamilyId::Media,
        [&](const std::string& token) {
            media.Waves.clear();
            media.Videos.clear();
            media.Disc.Calls.clear();
            media.Mixer.reset();
            Run(token);
        },
        [&] {
            return !media.Waves.empty() || !media.Videos.empty() || !media.Disc.Calls.empty() ||
                   media.Mixer;
        });
    EXPECT_TRUE(idle.empty()) << ::testing::PrintToString(idle);
}

TEST_F(MultimediaCommandsTest, WaveFiles) {
    Run("<WAV1:C:\\a.wav><WAV2:b.wav>x");
    EXPECT_EQ(media.Waves, (Trace{"C:\\a.wav wait", "b.wav"}));
    EXPECT_EQ(VolumeStep(0, 10), 1);
    EXPECT_EQ(VolumeStep(-2147483647 - 1, 2147483647), 214748364);
}

}  // namespace
}  // namespace orv::player
