#include "player/multimedia_commands.h"

#include <algorithm>

#include "player/cd_position.h"

namespace orv::player {

using C = CommandCode;

namespace {

constexpr std::string_view MacroError = "Macro Error";
constexpr std::int32_t StepsPerRange = 20;

int SlotOf(TMixerControlType slot) {
    return static_cast<int>(slot);
}

}  // namespace

std::int32_t VolumeStep(std::int32_t minimum, std::int32_t maximum) {
    const std::int64_t step =
        (static_cast<std::int64_t>(maximum) - static_cast<std::int64_t>(minimum)) / StepsPerRange;
    return static_cast<std::int32_t>(std::max<std::int64_t>(step, 1));
}

TMidiMixer* MultimediaCommands::MixerWith(PlayerHost& player, TMixerControlType slot,
                                          std::string_view control) {
    TMidiMixer& mixer = host_.OpenMixer();
    // A mixer that would not open is tried again at each command, not given
    // up on for the rest of the session.
    if (!mixer.Opened())
        mixer.Open();
    if (mixer.ControlAvailable(SlotOf(slot))) {
        // The system's volume may have been changed elsewhere unannounced.
        mixer.Refresh(SlotOf(slot));
        return &mixer;
    }
    player.DoAMessage(MacroError,
                      std::string(control) + " control is not supported by your Audio Device.");
    return nullptr;
}

void MultimediaCommands::SetVolume(PlayerHost& player, VolumeKind kind, bool master) {
    const auto slot = master ? TMixerControlType::MasterVolume : TMixerControlType::SynthVolume;
    TMidiMixer* mixer = MixerWith(player, slot, master ? "Audio volume" : "MIDI volume");
    if (!mixer)
        return;
    const int s = SlotOf(slot);
    const std::int64_t low = mixer->GetMinimum(s), high = mixer->GetMaximum(s);
    const std::int64_t step = VolumeStep(mixer->GetMinimum(s), mixer->GetMaximum(s));
    std::int64_t left = mixer->GetChannelValue(s, 0), right = mixer->GetChannelValue(s, 1);
    switch (kind) {
        case VolumeKind::Off:
            left = right = low;
            break;
        case VolumeKind::On:
            left = right = high;
            break;
        case VolumeKind::Up:
            if (left >= high || right >= high)
                return;
            left = std::min(left + step, high);
            right = std::min(right + step, high);
            break;
        case VolumeKind::Down:
            if (left <= low || right <= low)
                return;
            left = std::max(left - step, low);
            right = std::max(right - step, low);
            break;
    }
    mixer->SetValues(s, static_cast<std::int32_t>(left), static_cast<std::int32_t>(right));
}

void MultimediaCommands::SetBalance(PlayerHost& player, BalanceKind kind, bool master) {
    const auto slot = master ? TMixerControlType::MasterVolume : TMixerControlType::SynthVolume;
    TMidiMixer* mixer = MixerWith(player, slot, master ? "Audio volume" : "MIDI volume");
    if (!mixer)
        return;
    const int s = SlotOf(slot);
    const std::int64_t low = mixer->GetMinimum(s);
    const std::int64_t step = VolumeStep(mixer->GetMinimum(s), mixer->GetMaximum(s));
    std::int64_t left = mixer->GetChannelValue(s, 0), right = mixer->GetChannelValue(s, 1);
    const std::int64_t loud = std::max(left, right);
    // Towards one side: the quieter side comes up, else the other goes down.
    const auto towards = [&](std::int64_t& near, std::int64_t& far) {
        if (near < far)
            near = std::min(near + step, loud);
        else
            far = std::max(far - step, low);
    };
    switch (kind) {
        case BalanceKind::Left:
            towards(left, right);
            break;
        case BalanceKind::Right:
            towards(right, left);
            break;
        case BalanceKind::Centre:
            left = right = loud;
            break;
    }
    mixer->SetValues(s, static_cast<std::int32_t>(left), static_cast<std::int32_t>(right));
}

void MultimediaCommands::SetToneControl(PlayerHost& player, bool up, bool treble) {
    const auto slot = treble ? TMixerControlType::Treble : TMixerControlType::Bass;
    TMidiMixer* mixer = MixerWith(player, slot, treble ? "Treble volume" : "Bass volume");
    if (!mixer)
        return;
    const int s = SlotOf(slot);
    const std::int64_t low = mixer->GetMinimum(s), high = mixer->GetMaximum(s);
    const std::int64_t step = VolumeStep(mixer->GetMinimum(s), mixer->GetMaximum(s));
    const std::int64_t value = mixer->GetChannelValue(s, 0);
    if (up ? value >= high : value <= low)
        return;
    const auto next =
        static_cast<std::int32_t>(up ? std::min(value + step, high) : std::max(value - step, low));
    mixer->SetValues(s, next, next);
}

void MultimediaCommands::ToggleMute(PlayerHost& player, bool master) {
    const auto slot = master ? TMixerControlType::MasterMute : TMixerControlType::SynthMute;
    TMidiMixer* mixer = MixerWith(player, slot, master ? "Audio mute" : "MIDI mute");
    if (!mixer)
        return;
    const int s = SlotOf(slot);
    bool& muted = MixerMuteOn[master ? 0 : 1];
    mixer->SetChannelValue(s, 0, muted ? mixer->GetMinimum(s) : mixer->GetMaximum(s));
    // Only a mute that was written counts.
    muted = !muted;
}

Flow MultimediaCommands::Mixer(CommandContext& context) {
    PlayerHost& player = context.Play.Host();
    const TokenForm& form = context.Form();
    const std::uint8_t variant = form.Variant;
    try {
        switch (form.Code) {
            case C::AudioVolume:
                SetVolume(player, static_cast<VolumeKind>(variant - 1), true);
                break;
            case C::MidiVolume:
                SetVolume(player, static_cast<VolumeKind>(variant - 11), false);
                break;
            case C::AudioBalance:
                SetBalance(player, static_cast<BalanceKind>(variant - 6), true);
                break;
            case C::MidiBalance:
                SetBalance(player, static_cast<BalanceKind>(variant - 16), false);
                break;
            case C::AudioTreble:
                SetToneControl(player, form.Head == "<TREBUP>", true);
                break;
            case C::AudioBass:
                SetToneControl(player, form.Head == "<BASSUP>", false);
                break;
            case C::AudioMuteToggle:
            case C::MidiMuteToggle:
                ToggleMute(player, form.Code == C::AudioMuteToggle);
                break;
            default:
                ReportFormWithoutCase(form);
        }
    } catch (const EMMError& error) {
        context.Play.EndRunNotice(MacroError, error.what());
        return Flow::EndRun;
    }
    return Flow::Next;
}

std::uint32_t MultimediaCommands::Step(CdDevice& cd, std::int64_t seconds) {
    std::uint32_t packed = 0;
    std::vector<std::uint32_t> tracks;
    if (const std::uint32_t error = cd.Position(packed))
        return error;
    if (const std::uint32_t error = cd.TrackSeconds(tracks))
        return error;
    return cd.PlayFrom(PackTmsf(StepPosition(UnpackTmsf(packed), seconds, tracks)));
}

Flow MultimediaCommands::Cd(CommandContext& context) {
    using Action = CdDevice::Action;
    CdDevice& cd = host_.Cd();
    const std::int64_t number = ReadInteger(context.Field(8, 9));
    std::uint32_t error = cd.IsOpen() ? 0 : cd.Open();
    if (error == 0) {
        switch (context.Form().Code) {
            case C::CdPlay:
                error = cd.Do(Action::Play);
                break;
            case C::CdStop:
                error = cd.Do(Action::Stop);
                break;
            case C::CdPause:
                error = cd.Do(Action::Pause);
                break;
            case C::CdNextTrack:
                error = cd.Do(Action::Next);
                break;
            case C::CdPreviousTrack:
                error = cd.Do(Action::Previous);
                break;
            case C::CdEject:
                error = cd.Do(Action::Eject);
                break;
            case C::CdCloseTray:
                error = cd.Do(Action::CloseDoor);
                break;
            case C::CdGoToTrack:
                error = cd.PlayTrack(static_cast<std::uint32_t>(std::max<std::int64_t>(number, 1)));
                break;
            case C::CdStep:
                error = Step(cd, number);
                break;
            case C::CdBack:
                error = Step(cd, -number);
                break;
            default:
                ReportFormWithoutCase(context.Form());
        }
    }
    if (error == 0)
        return Flow::Next;
    context.Play.EndRunNotice(MacroError, cd.ErrorText(error));
    return Flow::EndRun;
}

Flow MultimediaCommands::Video(CommandContext& context) {
    PlayerHost& player = context.Play.Host();
    if (VideoInUse) {
        player.DoAMessage("Error", "AVI Player currently in use.");
        return Flow::Next;
    }
    VideoInUse = true;
    const std::optional<std::string> failure =
        host_.PlayVideo(context.Match.Texts[0], context.Form().Variant);
    VideoInUse = false;
    if (!failure)
        return Flow::Next;
    context.Play.EndRunNotice(MacroError, *failure);
    return Flow::EndRun;
}

// The family's commands go by their record kind: the mixer's, the CD's, the
// video window's and the wave file.
Flow MultimediaCommands::Perform(CommandContext& context) {
    switch (RecordKindOf(context.Form().Code)) {
        case RecordKind::Sound:
            // "<WAV1:" waits for the sound's end, "<WAV2:" does not.
            host_.PlayWave(context.Match.Texts[0], context.Form().Variant == 1);
            return Flow::Next;
        case RecordKind::Volume:
            return Mixer(context);
        case RecordKind::Cd:
            return Cd(context);
        case RecordKind::Video:
            return Video(context);
        default:
            ReportFormWithoutCase(context.Form());
            return Flow::Next;
    }
}

}  // namespace orv::player
