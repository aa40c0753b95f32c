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

}  // namespace
}  // namespace orv
