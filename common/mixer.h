// The audio mixer component: six controls of the system's mixer (synthesizer
// and master volume, their mutes, treble and bass), read and written as two
// channel values each, and told of changes the system reports. The system's
// mixer sits behind MixerDriver (common/win32/winmm_mixer_driver.* is the
// real one), so the volume commands and the editor's volume dialogs work the
// same over a fake.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orv {

// The slots, as the volume commands and dialogs number them.
enum class TMixerControlType : std::uint8_t {
    SynthVolume = 0,
    MasterVolume = 1,
    SynthMute = 2,
    MasterMute = 3,
    Treble = 4,
    Bass = 5,
};
inline constexpr int MixerSlotCount = 6;

// The system's mixer error numbers the component tells apart.
namespace MixerResult {
constexpr std::uint32_t Ok = 0;
constexpr std::uint32_t NotSupported = 8;
constexpr std::uint32_t InvalidLine = 1024;
constexpr std::uint32_t InvalidControl = 1025;
}  // namespace MixerResult

// The text of a multimedia system or mixer error number.
std::string_view MixerErrorText(std::uint32_t error);

class EMMError : public std::runtime_error {
  public:
    EMMError(std::uint32_t error, std::string_view call);
    std::uint32_t Error;
};

class MixerDriver {
  public:
    virtual ~MixerDriver() = default;

    struct Line {
        std::uint32_t Id = 0;
        std::uint32_t Channels = 1;
    };
    enum class ControlKind : std::uint8_t { Volume, Mute, Treble, Bass };
    struct Control {
        std::uint32_t Id = 0;
        bool Uniform = false;
        std::int32_t Minimum = 0;
        std::int32_t Maximum = 0;
    };

    // Opens mixer device 0 (midiDeviceId -2) or the mixer of that MIDI
    // output device, with change notices to OnControlChange; the system's result.
    virtual std::uint32_t Open(std::int32_t midiDeviceId) = 0;
    virtual void Close() = 0;
    // The first destination line that is the speakers; the first of its
    // sources that is a synthesizer.
    virtual std::optional<Line> SpeakerLine() = 0;
    virtual std::optional<Line> SynthesizerLine() = 0;
    virtual std::uint32_t FindControl(const Line& line, ControlKind kind, Control& control) = 0;
    virtual std::uint32_t GetValues(const Control& control, std::uint32_t channels,
                                    std::array<std::int32_t, 2>& values) = 0;
    virtual std::uint32_t SetValues(const Control& control, std::uint32_t channels,
                                    const std::array<std::int32_t, 2>& values) = 0;

    // Set by the component: a control the system reports changed.
    std::function<void(std::uint32_t controlId)> OnControlChange;
};

// The volume of the system's default output as a whole, where the system
// has one: there the mixer above reaches only this program's own sound. A
// level 0..1 per channel and a mute; each call false where the system refused.
class AudioEndpoint {
  public:
    virtual ~AudioEndpoint() = default;
    virtual std::uint32_t ChannelCount() = 0;
    virtual bool GetLevel(std::uint32_t channel, float& level) = 0;
    virtual bool SetLevel(std::uint32_t channel, float level) = 0;
    virtual bool GetMute(bool& muted) = 0;
    virtual bool SetMute(bool muted) = 0;
};

// The speakers' volume and mute through the endpoint where there is one, as
// a volume 0..65535 per channel and a uniform mute 0..1; the rest (the
// synthesizer, treble, bass) and everything without an endpoint through
// the mixer.
class RoutedMixerDriver final : public MixerDriver {
  public:
    RoutedMixerDriver(MixerDriver& mixer, AudioEndpoint* endpoint);
    ~RoutedMixerDriver() override;
    RoutedMixerDriver(const RoutedMixerDriver&) = delete;
    RoutedMixerDriver& operator=(const RoutedMixerDriver&) = delete;

    std::uint32_t Open(std::int32_t midiDeviceId) override;
    void Close() override;
    std::optional<Line> SpeakerLine() override;
    std::optional<Line> SynthesizerLine() override;
    std::uint32_t FindControl(const Line& line, ControlKind kind, Control& control) override;
    std::uint32_t GetValues(const Control& control, std::uint32_t channels,
                            std::array<std::int32_t, 2>& values) override;
    std::uint32_t SetValues(const Control& control, std::uint32_t channels,
                            const std::array<std::int32_t, 2>& values) override;

    // The endpoint the next Open routes through (the default output may have
    // changed); only while closed.
    void UseEndpoint(AudioEndpoint* endpoint) { endpoint_ = endpoint; }

  private:
    MixerDriver& mixer_;
    AudioEndpoint* endpoint_;
    bool mixerOpen_ = false;
    std::optional<std::uint32_t> speakerId_;  // the speaker line handed out
    bool ownSpeaker_ = false;                 // made up: the mixer has none
};

class TMidiMixer {
  public:
    using TMixerNotifyEvent = std::function<void(TMidiMixer& sender, TMixerControlType slot)>;

    explicit TMidiMixer(MixerDriver& driver);
    ~TMidiMixer();
    TMidiMixer(const TMidiMixer&) = delete;
    TMidiMixer& operator=(const TMidiMixer&) = delete;

    void Open();
    void Close();
    // Slot numbers are taken modulo 128; an unknown slot is unavailable.
    void ReadControl(int slot, std::uint32_t channels);
    void WriteControl(int slot, std::uint32_t channels);
    bool ControlAvailable(int slot) const;
    std::int32_t GetChannelValue(int slot, int channel) const;
    std::int32_t GetMinimum(int slot) const;
    std::int32_t GetMaximum(int slot) const;
    void SetChannelValue(int slot, int channel, std::int32_t value);
    void SetValues(int slot, std::int32_t left, std::int32_t right);

    bool Active() const { return active_; }
    // The system's mixer was opened (Active stays false without a synthesizer).
    bool Opened() const { return opened_; }
    // Reads a slot afresh, for a system that may not report its changes.
    void Refresh(int slot);
    void SetActive(bool active);
    std::int32_t MidiDeviceID() const { return midiDeviceId_; }
    void SetMidiDeviceID(std::int32_t id);

    // The system's notice that a control changed.
    void MixControlChange(std::uint32_t controlId);

    TMixerNotifyEvent OnControlChange;

  private:
    struct Slot {
        MixerDriver::Control Control;
        bool Available = false;
        bool OnSpeaker = true;
        std::array<std::int32_t, 2> Values{};
    };
    const Slot* Find(int slot) const;
    Slot* Find(int slot);
    std::uint32_t ChannelsOf(const Slot& slot) const;
    void Look(const MixerDriver::Line& line, int slot, MixerDriver::ControlKind kind);

    MixerDriver& driver_;
    std::array<Slot, MixerSlotCount> slots_{};
    MixerDriver::Line speaker_;
    MixerDriver::Line synthesizer_;
    bool active_ = true;
    bool opened_ = false;  // the system's handle is open
    bool destroying_ = false;
    std::int32_t midiDeviceId_ = -1;
};

}  // namespace orv
