#include "common/ui/form_geometry.h"

#include <algorithm>

namespace orv {
namespace {

// One axis: the length is cut to the area when asked, then the start moved
// inside it (to the area's start when it is longer still).
void KeepInside(int& start, int& length, int areaStart, int areaLength, bool shrink) {
    if (shrink)
        length = std::clamp(length, 0, std::max(areaLength, 0));
    start = std::clamp(start, areaStart, std::max(areaStart + areaLength - length, areaStart));
}

ScreenRect Kept(ScreenRect window, ScreenRect area, bool shrink) {
    KeepInside(window.Left, window.Width, area.Left, area.Width, shrink);
    KeepInside(window.Top, window.Height, area.Top, area.Height, shrink);
    return window;
}

}  // namespace

ScreenRect KeptOnScreen(ScreenRect window, ScreenRect area) {
    return Kept(window, area, true);
}

ScreenRect MovedOnto(ScreenRect window, ScreenRect area) {
    return Kept(window, area, false);
}

ScreenRect Centred(int width, int height, ScreenRect area) {
    return {area.Left + (area.Width - width) / 2, area.Top + (area.Height - height) / 2, width,
            height};
}

}  // namespace orv
