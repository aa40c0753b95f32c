#include "common/mixer.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace orv {

namespace {

constexpr std::array<std::string_view, 20> SystemErrorTexts{
    "Unspecified error",         "Device ID out of range",
    "Driver failed enable",      "Device already allocated",
    "Device handle is invalid",  "No device driver present",
    "Memory allocation error",   "Function isn't supported",
    "Error value out of range",  "Invalid flag passed",
    "Invalid parameter passed",  "Handle being used simultaneously on another thread (eg callback)",
    "Specified alias not found", "Bad registry database",
    "Registry key not found",    "Registry read error",
    "Registry write error",      "Registry delete error",
    "Registry value not found",  "Driver does not call DriverCallback",
};
constexpr std::array<std::string_view, 3> MixerErrorTexts{
    "Invalid Mixer Line", "Invalid Mixer Control", "Invalid Mixer Value"};
constexpr std::uint32_t FirstMixerError = 1024;

std::string_view ErrorKind(std::uint32_t error) {
    if (error >= 1 && error <= SystemErrorTexts.size())
        return "System";
    if (error >= FirstMixerError && error < FirstMixerError + MixerErrorTexts.size())
        return "Mixer";
    return "Unknown";
}

std::string ErrorMessage(std::uint32_t error, std::string_view call) {
    return "Multimedia " + std::string(ErrorKind(error)) + " Error " + std::to_string(error) +
           " - " + std::string(MixerErrorText(error)) + " in " + std::string(call);
}

// The endpoint's controls, apart from the mixer's (numbered from 0 up).
constexpr std::uint32_t EndpointVolumeId = 0xFFFFFF01u;
constexpr std::uint32_t EndpointMuteId = 0xFFFFFF03u;
constexpr std::int32_t EndpointVolumeMaximum = 65535;

std::int32_t ToVolume(float level) {
    return static_cast<std::int32_t>(
        std::lround(std::clamp(level, 0.0f, 1.0f) * EndpointVolumeMaximum));
}

}  // namespace

RoutedMixerDriver::RoutedMixerDriver(MixerDriver& mixer, AudioEndpoint* endpoint)
    : mixer_(mixer), endpoint_(endpoint) {
    mixer_.OnControlChange = [this](std::uint32_t id) {
        if (OnControlChange)
            OnControlChange(id);
    };
}

RoutedMixerDriver::~RoutedMixerDriver() {
    mixer_.OnControlChange = nullptr;
}

std::uint32_t RoutedMixerDriver::Open(std::int32_t midiDeviceId) {
    const std::uint32_t result = mixer_.Open(midiDeviceId);
    mixerOpen_ = result == MixerResult::Ok;
    speakerId_.reset();
    return endpoint_ ? MixerResult::Ok : result;
}

void RoutedMixerDriver::Close() {
    if (mixerOpen_)
        mixer_.Close();
    mixerOpen_ = false;
}

std::optional<MixerDriver::Line> RoutedMixerDriver::SpeakerLine() {
    // Asked of the mixer even with an endpoint: its treble and bass, and its
    // synthesizer, hang on its speaker line.
    std::optional<Line> line = mixerOpen_ ? mixer_.SpeakerLine() : std::nullopt;
    ownSpeaker_ = endpoint_ && !line;
    if (ownSpeaker_)
        line = Line{0, endpoint_->ChannelCount() >= 2 ? 2u : 1u};
    speakerId_ = line ? std::optional<std::uint32_t>(line->Id) : std::nullopt;
    return line;
}

std::optional<MixerDriver::Line> RoutedMixerDriver::SynthesizerLine() {
    return mixerOpen_ ? mixer_.SynthesizerLine() : std::nullopt;
}

std::uint32_t RoutedMixerDriver::FindControl(const Line& line, ControlKind kind, Control& control) {
    const bool volumeOrMute = kind == ControlKind::Volume || kind == ControlKind::Mute;
    if (endpoint_ && volumeOrMute && line.Id == speakerId_) {
        const bool mute = kind == ControlKind::Mute;
        control = {mute ? EndpointMuteId : EndpointVolumeId, mute, 0,
                   mute ? 1 : EndpointVolumeMaximum};
        return MixerResult::Ok;
    }
    if (!mixerOpen_ || (ownSpeaker_ && line.Id == speakerId_))
        return MixerResult::NotSupported;
    return mixer_.FindControl(line, kind, control);
}

std::uint32_t RoutedMixerDriver::GetValues(const Control& control, std::uint32_t channels,
                                           std::array<std::int32_t, 2>& values) {
    if (control.Id == EndpointMuteId) {
        bool muted = false;
        if (!endpoint_->GetMute(muted))
            return MixerResult::NotSupported;
        values = {muted ? 1 : 0, muted ? 1 : 0};
        return MixerResult::Ok;
    }
    if (control.Id != EndpointVolumeId)
        return mixer_.GetValues(control, channels, values);
    values = {};
    const std::uint32_t last = std::max(endpoint_->ChannelCount(), 1u) - 1;
    for (std::uint32_t c = 0; c < channels && c < 2; ++c) {
        float level = 0;
        if (!endpoint_->GetLevel(std::min(c, last), level))
            return MixerResult::NotSupported;
        values[c] = ToVolume(level);
    }
    return MixerResult::Ok;
}

std::uint32_t RoutedMixerDriver::SetValues(const Control& control, std::uint32_t channels,
                                           const std::array<std::int32_t, 2>& values) {
    if (control.Id == EndpointMuteId)
        return endpoint_->SetMute(values[0] != 0) ? MixerResult::Ok : MixerResult::NotSupported;
    if (control.Id != EndpointVolumeId)
        return mixer_.SetValues(control, channels, values);
    // Left and right as given; any further speakers (centre, rear) at the
    // louder of the two, so "off" silences them all.
    const std::int32_t louder = channels >= 2 ? std::max(values[0], values[1]) : values[0];
    const std::uint32_t count = endpoint_->ChannelCount();
    for (std::uint32_t c = 0; c < count; ++c) {
        const std::int32_t volume = c < channels && c < 2 ? values[c] : louder;
        const float level = static_cast<float>(volume) / EndpointVolumeMaximum;
        if (!endpoint_->SetLevel(c, std::clamp(level, 0.0f, 1.0f)))
            return MixerResult::NotSupported;
    }
    return MixerResult::Ok;
}

std::string_view MixerErrorText(std::uint32_t error) {
    if (error >= 1 && error <= SystemErrorTexts.size())
        return SystemErrorTexts[error - 1];
    if (error >= FirstMixerError && error < FirstMixerError + MixerErrorTexts.size())
        return MixerErrorTexts[error - FirstMixerError];
    return "Unknown error";
}

EMMError::EMMError(std::uint32_t error, std::string_view call)
    : std::runtime_error(ErrorMessage(error, call)), Error(error) {}

TMidiMixer::TMidiMixer(MixerDriver& driver) : driver_(driver) {
    driver_.OnControlChange = [this](std::uint32_t id) { MixControlChange(id); };
    slots_[0].OnSpeaker = slots_[2].OnSpeaker = false;
}

TMidiMixer::~TMidiMixer() {
    destroying_ = true;
    Close();
    driver_.OnControlChange = nullptr;
}

const TMidiMixer::Slot* TMidiMixer::Find(int slot) const {
    const int index = slot % 128;
    return index >= 0 && index < MixerSlotCount ? &slots_[static_cast<std::size_t>(index)]
                                                : nullptr;
}

TMidiMixer::Slot* TMidiMixer::Find(int slot) {
    return const_cast<Slot*>(std::as_const(*this).Find(slot));
}

std::uint32_t TMidiMixer::ChannelsOf(const Slot& slot) const {
    return (slot.OnSpeaker ? speaker_ : synthesizer_).Channels;
}

void TMidiMixer::Look(const MixerDriver::Line& line, int slot, MixerDriver::ControlKind kind) {
    // Any failed lookup only means the control is not there: some drivers
    // answer "not supported" for a control they lack.
    Slot& s = slots_[static_cast<std::size_t>(slot)];
    s.Available = driver_.FindControl(line, kind, s.Control) == MixerResult::Ok;
    ReadControl(slot, line.Channels);
}

void TMidiMixer::Open() {
    using Kind = MixerDriver::ControlKind;
    Close();
    for (Slot& slot : slots_) slot = Slot{{}, false, slot.OnSpeaker, {}};
    if (driver_.Open(midiDeviceId_) != MixerResult::Ok)
        return;
    opened_ = true;
    const std::optional<MixerDriver::Line> speaker = driver_.SpeakerLine();
    if (!speaker)
        return;
    speaker_ = *speaker;
    Look(speaker_, 1, Kind::Volume);
    Look(speaker_, 3, Kind::Mute);
    Look(speaker_, 4, Kind::Treble);
    Look(speaker_, 5, Kind::Bass);
    const std::optional<MixerDriver::Line> synthesizer = driver_.SynthesizerLine();
    if (!synthesizer)
        return;
    synthesizer_ = *synthesizer;
    Look(synthesizer_, 0, Kind::Volume);
    Look(synthesizer_, 2, Kind::Mute);
    active_ = true;
}

void TMidiMixer::Close() {
    // The handle is tracked apart from Active, which stays false for a mixer
    // without a synthesizer: such a handle is freed too.
    if (opened_)
        driver_.Close();
    opened_ = false;
    active_ = false;
}

void TMidiMixer::ReadControl(int slot, std::uint32_t channels) {
    Slot* s = Find(slot);
    if (!s)
        return;
    if (!s->Available) {
        s->Values = {0, 0};
        return;
    }
    const std::uint32_t count = s->Control.Uniform ? 1 : channels;
    std::array<std::int32_t, 2> values{};
    if (const std::uint32_t error = driver_.GetValues(s->Control, count, values))
        throw EMMError(error, "mixerGetControlDetails");
    s->Values = {values[0], count == 1 ? values[0] : values[1]};
}

void TMidiMixer::WriteControl(int slot, std::uint32_t channels) {
    Slot* s = Find(slot);
    if (!s || !s->Available)
        return;
    const std::uint32_t count = s->Control.Uniform ? 1 : channels;
    if (const std::uint32_t error = driver_.SetValues(s->Control, count, s->Values))
        throw EMMError(error, "mixerSetControlDetails");
}

void TMidiMixer::Refresh(int slot) {
    if (const Slot* s = Find(slot))
        ReadControl(slot, ChannelsOf(*s));
}

bool TMidiMixer::ControlAvailable(int slot) const {
    const Slot* s = Find(slot);
    return s && s->Available;
}

std::int32_t TMidiMixer::GetChannelValue(int slot, int channel) const {
    const Slot* s = Find(slot);
    return s ? s->Values[channel == 0 ? 0 : 1] : 0;
}

std::int32_t TMidiMixer::GetMinimum(int slot) const {
    const Slot* s = Find(slot);
    return s ? s->Control.Minimum : 0;
}

std::int32_t TMidiMixer::GetMaximum(int slot) const {
    const Slot* s = Find(slot);
    return s ? s->Control.Maximum : 0;
}

void TMidiMixer::SetChannelValue(int slot, int channel, std::int32_t value) {
    Slot* s = Find(slot);
    if (!s)
        return;
    std::int32_t& stored = s->Values[channel == 0 ? 0 : 1];
    if (stored == value)
        return;
    stored = value;
    WriteControl(slot, ChannelsOf(*s));
}

void TMidiMixer::SetValues(int slot, std::int32_t left, std::int32_t right) {
    Slot* s = Find(slot);
    if (!s)
        return;
    s->Values = {left, right};
    WriteControl(slot, ChannelsOf(*s));
}

void TMidiMixer::SetActive(bool active) {
    if (active == active_)
        return;
    if (active)
        Open();
    else
        Close();
}

void TMidiMixer::SetMidiDeviceID(std::int32_t id) {
    if (id == midiDeviceId_)
        return;
    const bool wasActive = active_;
    Close();
    midiDeviceId_ = id;
    if (wasActive)
        Open();
}

void TMidiMixer::MixControlChange(std::uint32_t controlId) {
    for (int slot = 0; slot < MixerSlotCount; ++slot) {
        Slot& s = slots_[static_cast<std::size_t>(slot)];
        if (!s.Available || s.Control.Id != controlId)
            continue;
        ReadControl(slot, ChannelsOf(s));
        if (OnControlChange && !destroying_)
            OnControlChange(*this, static_cast<TMixerControlType>(slot));
        return;
    }
}

}  // namespace orv
