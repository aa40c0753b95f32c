#include "common/ui/win32/sound_service.h"

#include <windows.h>
#include <mmsystem.h>

#include <string>

namespace orv {
namespace {

SoundService* installedSound = nullptr;

}  // namespace

bool Win32SoundService::Play(std::string_view file) {
    // Played asynchronously, the system only finds a missing file once the
    // call has already answered.
    std::string name(file);
    DWORD attributes = GetFileAttributesA(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    return sndPlaySoundA(name.c_str(), SND_ASYNC | SND_NODEFAULT) != FALSE;
}

SoundService& CurrentSound() {
    static Win32SoundService system;
    return installedSound ? *installedSound : system;
}

void SetCurrentSound(SoundService* sound) {
    installedSound = sound;
}

}  // namespace orv
