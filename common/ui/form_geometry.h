// Where a window goes on the screen. Portable, so the rules are tested natively.
#pragma once

namespace orv {

struct ScreenRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// The area is where windows go: the work area, the screen less the taskbar.

// A window rectangle saved at an earlier run, moved (and, when larger than
// the area, shrunk) so that all of it lies on the area: a window restored
// after the display became smaller is never out of reach.
ScreenRect KeptOnScreen(ScreenRect window, ScreenRect area);

// A window placed by its program, moved onto the area at its size; one
// larger than the area shows its top left corner, the caption.
ScreenRect MovedOnto(ScreenRect window, ScreenRect area);

// The top-left corner that centres a window of that size on the area.
ScreenRect Centred(int width, int height, ScreenRect area);

}  // namespace orv
