// The system's audio mixer (winmm) behind MixerDriver, with the hidden
// window that receives its change notices; and the default output's volume
// as an AudioEndpoint, where the system has one.
#pragma once

#include <windows.h>

#include <memory>

#include "common/mixer.h"

namespace orv {

class WinmmMixerDriver final : public MixerDriver {
  public:
    WinmmMixerDriver();
    ~WinmmMixerDriver() override;
    WinmmMixerDriver(const WinmmMixerDriver&) = delete;
    WinmmMixerDriver& operator=(const WinmmMixerDriver&) = delete;

    std::uint32_t Open(std::int32_t midiDeviceId) override;
    void Close() override;
    std::optional<Line> SpeakerLine() override;
    std::optional<Line> SynthesizerLine() override;
    std::uint32_t FindControl(const Line& line, ControlKind kind, Control& control) override;
    std::uint32_t GetValues(const Control& control, std::uint32_t channels,
                            std::array<std::int32_t, 2>& values) override;
    std::uint32_t SetValues(const Control& control, std::uint32_t channels,
                            const std::array<std::int32_t, 2>& values) override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    HMIXER mixer_ = nullptr;
    std::optional<DWORD> speakerDestination_;
};

// The volume of the default output device through the system's endpoint
// interface (Windows Vista and later); none where there is no such interface
// or no output device. Made and used on one thread.
std::unique_ptr<AudioEndpoint> OpenDefaultAudioEndpoint();

}  // namespace orv
