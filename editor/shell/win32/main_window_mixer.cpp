#include "editor/shell/win32/main_window.h"

namespace orv::editor {

// The first mixer device, whichever MIDI device goes with it.
constexpr std::int32_t FirstMixerDevice = -2;

TMidiMixer& TMainWin::OpenMixer() {
    if (!mixer_) {
        mixerDriver_ = std::make_unique<WinmmMixerDriver>();
        mixer_ = std::make_unique<TMidiMixer>(*mixerDriver_);
        mixer_->SetMidiDeviceID(FirstMixerDevice);
    }
    return *mixer_;
}

}  // namespace orv::editor
