#include "common/win32/winmm_mixer_driver.h"

#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <mmsystem.h>

#include <utility>

namespace orv {

namespace {

constexpr const char* WindowClass = "OrvaneMixerWindow";
constexpr std::int32_t FirstMixerDevice = -2;

DWORD ControlType(MixerDriver::ControlKind kind) {
    switch (kind) {
        case MixerDriver::ControlKind::Volume:
            return MIXERCONTROL_CONTROLTYPE_VOLUME;
        case MixerDriver::ControlKind::Mute:
            return MIXERCONTROL_CONTROLTYPE_MUTE;
        case MixerDriver::ControlKind::Treble:
            return MIXERCONTROL_CONTROLTYPE_TREBLE;
        case MixerDriver::ControlKind::Bass:
            return MIXERCONTROL_CONTROLTYPE_BASS;
    }
    return 0;
}

MIXERCONTROLDETAILS Details(const MixerDriver::Control& control, std::uint32_t channels,
                            MIXERCONTROLDETAILS_SIGNED* values) {
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = control.Id;
    details.cChannels = channels;
    details.cbDetails = sizeof(MIXERCONTROLDETAILS_SIGNED);
    details.paDetails = values;
    return details;
}

// COM for the calling thread, kept for the object's life, unless the
// thread already has it in another mode.
class ComUse {
  public:
    ComUse() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComUse() {
        if (started_)
            CoUninitialize();
    }
    ComUse(const ComUse&) = delete;
    ComUse& operator=(const ComUse&) = delete;

  private:
    bool started_;
};

template <typename T>
void Release(T*& object) {
    if (object)
        object->Release();
    object = nullptr;
}

class SystemAudioEndpoint final : public AudioEndpoint {
  public:
    // Takes the reference of volume.
    SystemAudioEndpoint(std::unique_ptr<ComUse> com, IAudioEndpointVolume* volume)
        : com_(std::move(com)), volume_(volume) {}
    ~SystemAudioEndpoint() override { Release(volume_); }
    SystemAudioEndpoint(const SystemAudioEndpoint&) = delete;
    SystemAudioEndpoint& operator=(const SystemAudioEndpoint&) = delete;

    std::uint32_t ChannelCount() override {
        UINT count = 0;
        return SUCCEEDED(volume_->GetChannelCount(&count)) ? count : 0;
    }
    bool GetLevel(std::uint32_t channel, float& level) override {
        return SUCCEEDED(volume_->GetChannelVolumeLevelScalar(channel, &level));
    }
    bool SetLevel(std::uint32_t channel, float level) override {
        return SUCCEEDED(volume_->SetChannelVolumeLevelScalar(channel, level, nullptr));
    }
    bool GetMute(bool& muted) override {
        BOOL on = FALSE;
        const bool read = SUCCEEDED(volume_->GetMute(&on));
        muted = on != FALSE;
        return read;
    }
    bool SetMute(bool muted) override {
        return SUCCEEDED(volume_->SetMute(muted ? TRUE : FALSE, nullptr));
    }

  private:
    std::unique_ptr<ComUse> com_;  // outlives volume_
    IAudioEndpointVolume* volume_;
};

}  // namespace

std::unique_ptr<AudioEndpoint> OpenDefaultAudioEndpoint() {
    auto com = std::make_unique<ComUse>();
    IMMDeviceEnumerator* devices = nullptr;
    IMMDevice* output = nullptr;
    IAudioEndpointVolume* volume = nullptr;
    if (SUCCEEDED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                                   __uuidof(IMMDeviceEnumerator),
                                   reinterpret_cast<void**>(&devices))) &&
        SUCCEEDED(devices->GetDefaultAudioEndpoint(eRender, eConsole, &output)))
        output->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr,
                         reinterpret_cast<void**>(&volume));
    Release(output);
    Release(devices);
    if (!volume)
        return nullptr;
    auto endpoint = std::make_unique<SystemAudioEndpoint>(std::move(com), volume);
    if (endpoint->ChannelCount() == 0)
        return nullptr;
    return endpoint;
}

WinmmMixerDriver::WinmmMixerDriver() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = WindowClass;
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, WindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              wc.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

WinmmMixerDriver::~WinmmMixerDriver() {
    Close();
    if (window_)
        DestroyWindow(window_);
}

LRESULT CALLBACK WinmmMixerDriver::WindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == MM_MIXM_CONTROL_CHANGE) {
        auto* driver =
            reinterpret_cast<WinmmMixerDriver*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        // A failed re-read must not leave the window procedure.
        try {
            if (driver && driver->OnControlChange)
                driver->OnControlChange(static_cast<std::uint32_t>(lParam));
        } catch (...) {
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::uint32_t WinmmMixerDriver::Open(std::int32_t midiDeviceId) {
    Close();
    const bool firstMixer = midiDeviceId == FirstMixerDevice;
    const UINT device = firstMixer ? 0 : static_cast<UINT>(midiDeviceId);
    const DWORD flags =
        CALLBACK_WINDOW | (firstMixer ? MIXER_OBJECTF_MIXER : MIXER_OBJECTF_MIDIOUT);
    HMIXER mixer = nullptr;
    const MMRESULT result = mixerOpen(&mixer, device, reinterpret_cast<DWORD_PTR>(window_),
                                      reinterpret_cast<DWORD_PTR>(this), flags);
    if (result == MMSYSERR_NOERROR)
        mixer_ = mixer;
    return result;
}

void WinmmMixerDriver::Close() {
    if (mixer_)
        mixerClose(mixer_);
    mixer_ = nullptr;
    speakerDestination_.reset();
}

std::optional<MixerDriver::Line> WinmmMixerDriver::SpeakerLine() {
    MIXERCAPSA caps{};
    if (mixerGetDevCapsA(reinterpret_cast<UINT_PTR>(mixer_), &caps, sizeof caps) !=
        MMSYSERR_NOERROR)
        return std::nullopt;
    for (DWORD i = 0; i < caps.cDestinations; ++i) {
        MIXERLINEA line{};
        line.cbStruct = sizeof line;
        line.dwDestination = i;
        if (mixerGetLineInfoA(reinterpret_cast<HMIXEROBJ>(mixer_), &line,
                              MIXER_GETLINEINFOF_DESTINATION) != MMSYSERR_NOERROR)
            continue;
        if (line.dwComponentType == MIXERLINE_COMPONENTTYPE_DST_SPEAKERS) {
            speakerDestination_ = i;
            return Line{line.dwLineID, line.cChannels};
        }
    }
    return std::nullopt;
}

std::optional<MixerDriver::Line> WinmmMixerDriver::SynthesizerLine() {
    if (!speakerDestination_)
        return std::nullopt;
    MIXERLINEA destination{};
    destination.cbStruct = sizeof destination;
    destination.dwDestination = *speakerDestination_;
    if (mixerGetLineInfoA(reinterpret_cast<HMIXEROBJ>(mixer_), &destination,
                          MIXER_GETLINEINFOF_DESTINATION) != MMSYSERR_NOERROR)
        return std::nullopt;
    for (DWORD j = 0; j < destination.cConnections; ++j) {
        MIXERLINEA line{};
        line.cbStruct = sizeof line;
        line.dwDestination = *speakerDestination_;
        line.dwSource = j;
        if (mixerGetLineInfoA(reinterpret_cast<HMIXEROBJ>(mixer_), &line,
                              MIXER_GETLINEINFOF_SOURCE) != MMSYSERR_NOERROR)
            continue;
        if (line.dwComponentType == MIXERLINE_COMPONENTTYPE_SRC_SYNTHESIZER)
            return Line{line.dwLineID, line.cChannels};
    }
    return std::nullopt;
}

std::uint32_t WinmmMixerDriver::FindControl(const Line& line, ControlKind kind, Control& control) {
    MIXERCONTROLA found{};
    found.cbStruct = sizeof found;
    MIXERLINECONTROLSA controls{};
    controls.cbStruct = sizeof controls;
    controls.dwLineID = line.Id;
    controls.dwControlType = ControlType(kind);
    controls.cControls = 1;
    controls.cbmxctrl = sizeof found;
    controls.pamxctrl = &found;
    const MMRESULT result = mixerGetLineControlsA(reinterpret_cast<HMIXEROBJ>(mixer_), &controls,
                                                  MIXER_GETLINECONTROLSF_ONEBYTYPE);
    if (result != MMSYSERR_NOERROR)
        return result;
    control.Id = found.dwControlID;
    control.Uniform = (found.fdwControl & MIXERCONTROL_CONTROLF_UNIFORM) != 0;
    control.Minimum = found.Bounds.lMinimum;
    control.Maximum = found.Bounds.lMaximum;
    return MMSYSERR_NOERROR;
}

std::uint32_t WinmmMixerDriver::GetValues(const Control& control, std::uint32_t channels,
                                          std::array<std::int32_t, 2>& values) {
    MIXERCONTROLDETAILS_SIGNED read[2] = {};
    MIXERCONTROLDETAILS details = Details(control, channels > 1 ? 2 : 1, read);
    const MMRESULT result = mixerGetControlDetailsA(reinterpret_cast<HMIXEROBJ>(mixer_), &details,
                                                    MIXER_GETCONTROLDETAILSF_VALUE);
    values = {read[0].lValue, read[1].lValue};
    return result;
}

std::uint32_t WinmmMixerDriver::SetValues(const Control& control, std::uint32_t channels,
                                          const std::array<std::int32_t, 2>& values) {
    MIXERCONTROLDETAILS_SIGNED written[2] = {{values[0]}, {values[1]}};
    MIXERCONTROLDETAILS details = Details(control, channels > 1 ? 2 : 1, written);
    return mixerSetControlDetails(reinterpret_cast<HMIXEROBJ>(mixer_), &details,
                                  MIXER_SETCONTROLDETAILSF_VALUE);
}

}  // namespace orv
