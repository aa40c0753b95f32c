#include "editor/commands/media_commands.h"

#include "common/whole_numbers.h"

namespace orv::editor {
namespace {

using C = CommandCode;

constexpr C CdCodes[] = {C::CdPlay,      C::CdStop, C::CdPause, C::CdNextTrack, C::CdPreviousTrack,
                         C::CdGoToTrack, C::CdStep, C::CdBack,  C::CdEject,     C::CdCloseTray};
constexpr C VolumeCodes[] = {
    C::AudioVolume,  C::AudioVolume,  C::AudioVolume,  C::AudioVolume, C::AudioMuteToggle,
    C::AudioBalance, C::AudioBalance, C::AudioBalance, C::AudioTreble, C::AudioTreble,
    C::MidiVolume,   C::MidiVolume,   C::MidiVolume,   C::MidiVolume,  C::MidiMuteToggle,
    C::MidiBalance,  C::MidiBalance,  C::MidiBalance,  C::AudioBass,   C::AudioBass};

int Clamped(int value, int high) {
    return value < 1 || value > high ? 1 : value;
}

}  // namespace

AviOutcome ComposeAvi(const AviInput& input, const FileChecks& files) {
    AviOutcome out;
    out.OptionCode = Clamped(input.Mode, 3);
    std::optional<std::string> shortPath = files.ExistingFile(EditText(input.Path));
    if (!shortPath) {
        out.Refuse("Specified AVI File does not exist.  Please correct.", AviField::ProgPath);
        return out;
    }
    out.Compose(C::VideoClipPlay, VideoRec{*shortPath, static_cast<std::uint32_t>(out.OptionCode)},
                AviField::ProgPath);
    if (out.Accepted())
        out.Raw.FilePath = *shortPath;
    return out;
}

template <>
AviInput InputFromRecord<AviInput>(CommandCode, const CommandRecord& record) {
    const VideoRec* r = std::get_if<VideoRec>(&record);
    if (!r)
        return {};
    return {Clamped(static_cast<int>(r->Mode), 3), r->File.str()};
}

CdOutcome ComposeCd(const CdInput& input) {
    CdOutcome out;
    out.OptionCode = Clamped(input.Command, 10);
    CdRec record{static_cast<std::uint32_t>(out.OptionCode), 0};
    CdLayout layout = CdLayoutFor(out.OptionCode);
    if (layout.ShowNumber) {
        // The box takes two digits; a longer text set by a caller is refused alike.
        std::optional<std::int32_t> n = ParseWholeNumber(EditText(input.Track));
        if (!n || *n < 1 || *n > 99) {
            out.Refuse(out.OptionCode == 6 ? "Invalid track number specified.  Please correct."
                                           : "Invalid seconds specified.  Please correct.",
                       CdField::Track);
            return out;
        }
        out.Raw.RawValue = record.Number = *n;
    }
    out.Compose(CdCodes[out.OptionCode - 1], record, CdField::Track);
    return out;
}

template <>
CdInput InputFromRecord<CdInput>(CommandCode code, const CommandRecord& record) {
    const CdRec* r = std::get_if<CdRec>(&record);
    CdInput input{PlaceOf(CdCodes, code) + 1};
    // A number the box refuses (a hand-edited "00") is shown as it stands, so
    // that OK refuses it rather than putting another number in its place.
    if (r && CdLayoutFor(input.Command).ShowNumber)
        input.Track = std::to_string(r->Number);
    return input;
}

CdLayout CdLayoutFor(int command) {
    if (command == 6)
        return {true, "Track Number"};
    if (command == 7 || command == 8)
        return {true, "Seconds"};
    return {};
}

VolumeOutcome ComposeVolume(const VolumeInput& input) {
    VolumeOutcome out;
    out.OptionCode = Clamped(input.Action, 20);
    out.Compose(VolumeCodes[out.OptionCode - 1],
                VolumeRec{static_cast<std::uint32_t>(out.OptionCode)}, VolumeField::None);
    return out;
}

template <>
VolumeInput InputFromRecord<VolumeInput>(CommandCode, const CommandRecord& record) {
    const VolumeRec* r = std::get_if<VolumeRec>(&record);
    return {r ? Clamped(static_cast<int>(r->Action), 20) : 1};
}

}  // namespace orv::editor
