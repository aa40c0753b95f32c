// A mixer in memory: a two-channel speaker line with volume 0..65535, a
// uniform mute (0..1), treble and bass; a synthesizer line only when given.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "common/mixer.h"

namespace orv::testing {

class FakeMixerDriver final : public MixerDriver {
  public:
    std::uint32_t Open(std::int32_t midiDeviceId) override {
        OpenedDevice = midiDeviceId;
        IsOpen = OpenResult == 0;
        return OpenResult;
    }
    void Close() override { IsOpen = false; }
    std::optional<Line> SpeakerLine() override { return Speaker; }
    std::optional<Line> SynthesizerLine() override { return Synthesizer; }
    std::uint32_t FindControl(const Line& line, ControlKind kind, Control& control) override {
        const bool synth = Synthesizer && line.Id == Synthesizer->Id;
        if (!synth && Missing.count(kind))
            return Missing[kind];
        control.Id = IdOf(kind) + (synth ? 10 : 0);
        control.Uniform = kind == ControlKind::Mute;
        control.Minimum = 0;
        control.Maximum = kind == ControlKind::Mute ? 1 : 65535;
        return 0;
    }
    std::uint32_t GetValues(const Control& control, std::uint32_t,
                            std::array<std::int32_t, 2>& values) override {
        if (!Values.count(control.Id))
            Values[control.Id] = {30000, 30000};
        values = Values[control.Id];
        return GetResult;
    }
    std::uint32_t SetValues(const Control& control, std::uint32_t channels,
                            const std::array<std::int32_t, 2>& values) override {
        if (SetResult)
            return SetResult;
        Values[control.Id] = values;
        Writes.push_back(std::to_string(control.Id - 10) + ":" + std::to_string(values[0]) +
                         (channels == 2 ? "," + std::to_string(values[1]) : ""));
        return 0;
    }

    // Speaker control ids 11.. (the slot numbers plus 10 for volume 1, mute 3,
    // treble 4, bass 5); the synthesizer's are 10 higher.
    static std::uint32_t IdOf(ControlKind kind) {
        switch (kind) {
            case ControlKind::Volume:
                return 11;
            case ControlKind::Mute:
                return 13;
            case ControlKind::Treble:
                return 14;
            default:
                return 15;
        }
    }

    std::optional<Line> Speaker = Line{1, 2};
    std::optional<Line> Synthesizer;
    std::map<ControlKind, std::uint32_t> Missing;
    std::map<std::uint32_t, std::array<std::int32_t, 2>> Values;
    std::vector<std::string> Writes;  // "slot:value[,value]"
    std::uint32_t OpenResult = 0, GetResult = 0, SetResult = 0;
    std::int32_t OpenedDevice = -1;
    bool IsOpen = false;
};

}  // namespace orv::testing
