#include "player/win32/do_wave.h"

#include <windows.h>
#include <mmsystem.h>

namespace orv::player {

bool DoWave(const std::string& file, bool wait) {
    const DWORD flags = SND_FILENAME | SND_NODEFAULT | (wait ? SND_SYNC : SND_ASYNC);
    return PlaySoundA(file.c_str(), nullptr, flags) != FALSE;
}

}  // namespace orv::player
