#include "player/win32/win32_media.h"

#include <windows.h>

#include <string>

#include "player/win32/do_wave.h"
#include "player/win32/forms/play_avi.h"

namespace orv::player {

namespace {
constexpr std::int32_t FirstMixerDevice = -2;
}

TMidiMixer& Win32Media::OpenMixer() {
    // Asked again at every command: a headset plugged in or another default
    // output chosen since the last one is the device the user now hears.
    if (mixer_)
        mixer_->Close();
    else
        driver_ = std::make_unique<RoutedMixerDriver>(winmm_, nullptr);
    endpoint_ = OpenDefaultAudioEndpoint();
    driver_->UseEndpoint(endpoint_.get());
    if (!mixer_) {
        mixer_ = std::make_unique<TMidiMixer>(*driver_);
        mixer_->SetMidiDeviceID(FirstMixerDevice);
    }
    return *mixer_;
}

std::optional<std::string> Win32Media::PlayVideo(std::string_view file, int mode) {
    return PlayVideoClip(std::string(file), mode);
}

void Win32Media::PlayWave(std::string_view file, bool wait) {
    DoWave(std::string(file), wait);
}

}  // namespace orv::player
