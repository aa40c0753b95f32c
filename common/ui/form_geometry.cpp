#include "common/ui/form_geometry.h"

#include <algorithm>

namespace orv {
namespace {

// One axis: the length is cut to the screen, then the start moved inside it.
void KeepInside(int& start, int& length, int screen) {
    length = std::clamp(length, 0, std::max(screen, 0));
    start = std::clamp(start, 0, std::max(screen - length, 0));
}

}  // namespace

ScreenRect KeptOnScreen(ScreenRect window, int screenWidth, int screenHeight) {
    KeepInside(window.Left, window.Width, screenWidth);
    KeepInside(window.Top, window.Height, screenHeight);
    return window;
}

ScreenRect Centred(int width, int height, int screenWidth, int screenHeight) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
}

}  // namespace orv
