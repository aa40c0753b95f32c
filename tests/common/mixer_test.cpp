#include "common/mixer.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/common/fake_mixer_driver.h"

namespace orv {
namespace {

using testing::FakeMixerDriver;

TEST(MixerTest, ErrorsNameKindNumberTextAndCall) {
    EXPECT_STREQ(EMMError(8, "mixerGetLineControls").what(),
                 "Multimedia System Error 8 - Function isn't supported in mixerGetLineControls");
    EXPECT_STREQ(EMMError(1026, "mixerSetControlDetails").what(),
                 "Multimedia Mixer Error 1026 - Invalid Mixer Value in mixerSetControlDetails");
    EXPECT_STREQ(EMMError(99, "x").what(), "Multimedia Unknown Error 99 - Unknown error in x");
    EXPECT_EQ(MixerErrorText(12),
              "Handle being used simultaneously on another thread (eg callback)");
    EXPECT_EQ(MixerErrorText(0), "Unknown error");
}

TEST(MixerTest, OpensTheSpeakerAndSynthesizerControls) {
    FakeMixerDriver driver;
    driver.Synthesizer = MixerDriver::Line{9, 2};
    TMidiMixer mixer{driver};
    mixer.SetMidiDeviceID(-2);
    EXPECT_EQ(driver.OpenedDevice, -2);
    EXPECT_TRUE(mixer.Active());
    for (int slot = 0; slot < MixerSlotCount; ++slot) EXPECT_TRUE(mixer.ControlAvailable(slot));
    EXPECT_EQ(mixer.GetChannelValue(1, 1), 30000);
    EXPECT_EQ(mixer.GetMaximum(129), 65535);  // slots are taken modulo 128
    mixer.SetChannelValue(3, 0, 1);
    EXPECT_EQ(driver.Writes, (std::vector<std::string>{"3:1"}));  // uniform: one channel
    mixer.SetChannelValue(3, 0, 1);                               // unchanged: nothing written
    EXPECT_EQ(driver.Writes.size(), 1u);
}

TEST(MixerTest, MissingPartsOnlyMarkTheirSlots) {
    FakeMixerDriver driver;
    // Treble answers "not supported" rather than "invalid control".
    driver.Missing[MixerDriver::ControlKind::Treble] = MixerResult::NotSupported;
    TMidiMixer mixer{driver};
    mixer.SetMidiDeviceID(-2);
    EXPECT_TRUE(mixer.ControlAvailable(1));
    EXPECT_FALSE(mixer.ControlAvailable(4));
    EXPECT_EQ(mixer.GetChannelValue(4, 0), 0);
    // No synthesizer: its slots are missing, Active stays false, but the
    // handle is still closed.
    EXPECT_FALSE(mixer.ControlAvailable(0));
    EXPECT_FALSE(mixer.Active());
    mixer.Close();
    EXPECT_FALSE(driver.IsOpen);

    driver.OpenResult = 2;
    mixer.Open();
    for (int slot = 0; slot < MixerSlotCount; ++slot) EXPECT_FALSE(mixer.ControlAvailable(slot));
    EXPECT_FALSE(driver.IsOpen);
}

TEST(MixerTest, ChangeNoticesRereadTheirSlot) {
    FakeMixerDriver driver;
    TMidiMixer mixer{driver};
    mixer.SetMidiDeviceID(-2);
    std::vector<TMixerControlType> told;
    mixer.OnControlChange = [&](TMidiMixer&, TMixerControlType slot) { told.push_back(slot); };
    driver.Values[driver.IdOf(MixerDriver::ControlKind::Volume)] = {100, 200};
    driver.OnControlChange(driver.IdOf(MixerDriver::ControlKind::Volume));
    driver.OnControlChange(12345);
    EXPECT_EQ(told, (std::vector<TMixerControlType>{TMixerControlType::MasterVolume}));
    EXPECT_EQ(mixer.GetChannelValue(1, 1), 200);

    driver.GetResult = 5;
    EXPECT_THROW(mixer.ReadControl(1, 2), EMMError);
}

// The system's output volume: a level per channel and a mute.
struct FakeEndpoint final : AudioEndpoint {
    std::uint32_t ChannelCount() override { return static_cast<std::uint32_t>(Levels.size()); }
    bool GetLevel(std::uint32_t channel, float& level) override {
        level = Levels.at(channel);
        return true;
    }
    bool SetLevel(std::uint32_t channel, float level) override {
        Levels.at(channel) = level;
        return !Refuse;
    }
    bool GetMute(bool& muted) override {
        muted = Muted;
        return true;
    }
    bool SetMute(bool muted) override {
        Muted = muted;
        return !Refuse;
    }
    std::vector<float> Levels{0.5f, 0.25f};
    bool Muted = false;
    bool Refuse = false;
};

TEST(MixerTest, TheSpeakersGoThroughTheEndpointWhereThereIsOne) {
    constexpr int Synth = 0, Master = 1, Mute = 3, Treble = 4;
    struct Case {
        const char* what;
        bool endpoint;
        std::uint32_t mixerOpen;
        std::vector<float> levels;
        // What a volume of 0,65535, a mute and a treble of 7 reach.
        std::vector<float> levelsAfter;
        bool mutedAfter;
        std::vector<std::string> mixerWrites;
    } cases[] = {
        {"the endpoint", true, 0, {0.5f, 0.25f}, {0.0f, 1.0f}, true, {"4:7,7", "11:7,7"}},
        {"no endpoint: the mixer",
         false,
         0,
         {0.5f, 0.25f},
         {0.5f, 0.25f},
         false,
         {"1:0,65535", "3:1", "4:7,7", "11:7,7"}},
        {"the mixer would not open: only volume and mute",
         true,
         2,
         {0.5f, 0.25f},
         {0.0f, 1.0f},
         true,
         {}},
        {"a mono endpoint", true, 0, {0.5f}, {0.0f}, true, {"4:7,7", "11:7,7"}},
        {"further speakers follow the louder side",
         true,
         0,
         {0.5f, 0.25f, 0.1f, 0.1f},
         {0.0f, 1.0f, 1.0f, 1.0f},
         true,
         {"4:7,7", "11:7,7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeMixerDriver mixerDriver;
        // Numbered as the system numbers its first destination.
        mixerDriver.Speaker = MixerDriver::Line{0xFFFF0000, 2};
        mixerDriver.Synthesizer = MixerDriver::Line{9, 2};
        mixerDriver.OpenResult = c.mixerOpen;
        FakeEndpoint endpoint;
        endpoint.Levels = c.levels;
        RoutedMixerDriver driver{mixerDriver, c.endpoint ? &endpoint : nullptr};
        TMidiMixer mixer{driver};
        mixer.SetMidiDeviceID(-2);
        EXPECT_TRUE(mixer.Opened());
        if (c.endpoint) {
            EXPECT_EQ(mixer.GetChannelValue(Master, 0), 32768);
            EXPECT_EQ(mixer.GetChannelValue(Master, 1), c.levels.size() > 1 ? 16384 : 32768);
        }
        mixer.SetValues(Master, 0, 65535);
        mixer.SetChannelValue(Mute, 0, 1);
        EXPECT_EQ(mixer.ControlAvailable(Treble), c.mixerOpen == 0);
        EXPECT_EQ(mixer.ControlAvailable(Synth), c.mixerOpen == 0);
        mixer.SetValues(Treble, 7, 7);
        mixer.SetValues(Synth, 7, 7);
        EXPECT_EQ(endpoint.Levels, c.levelsAfter);
        EXPECT_EQ(endpoint.Muted, c.mutedAfter);
        EXPECT_EQ(mixerDriver.Writes, c.mixerWrites);
        // The mixer's own notices still reach the component.
        bool told = false;
        mixer.OnControlChange = [&](TMidiMixer&, TMixerControlType) { told = true; };
        mixerDriver.OnControlChange(mixerDriver.IdOf(MixerDriver::ControlKind::Treble));
        EXPECT_EQ(told, c.mixerOpen == 0);
        mixer.Close();
        EXPECT_FALSE(mixerDriver.IsOpen);
    }

    // The default output changed between two commands (none, then a
    // headset, then the speakers): each open routes through the one of now.
    {
        FakeMixerDriver mixerDriver;
        FakeEndpoint headset, speakers;
        RoutedMixerDriver driver{mixerDriver, nullptr};
        TMidiMixer mixer{driver};
        mixer.SetMidiDeviceID(-2);
        mixer.SetValues(Master, 1, 1);
        for (FakeEndpoint* now : {&headset, &speakers}) {
            mixer.Close();
            driver.UseEndpoint(now);
            mixer.Open();
            mixer.SetValues(Master, now == &headset ? 0 : 65535, now == &headset ? 65535 : 0);
        }
        EXPECT_EQ(headset.Levels, (std::vector<float>{0.0f, 1.0f}));
        EXPECT_EQ(speakers.Levels, (std::vector<float>{1.0f, 0.0f}));
        EXPECT_EQ(mixerDriver.Writes, std::vector<std::string>{"1:1,1"});
    }

    // A level the system refuses is a mixer error.
    FakeMixerDriver mixerDriver;
    FakeEndpoint endpoint;
    endpoint.Refuse = true;
    RoutedMixerDriver driver{mixerDriver, &endpoint};
    TMidiMixer mixer{driver};
    mixer.SetMidiDeviceID(-2);
    EXPECT_THROW(mixer.SetValues(Master, 1, 1), EMMError);
}

}  // namespace
}  // namespace orv
