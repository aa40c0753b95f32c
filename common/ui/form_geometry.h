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

// A window rectangle saved at an earlier run, moved (and, when larger than
// the screen, shrunk) so that all of it lies on a screen of that size: a
// window restored after the display became smaller is never out of reach.
ScreenRect KeptOnScreen(ScreenRect window, int screenWidth, int screenHeight);

// The top-left corner that centres a window of that size on the screen.
ScreenRect Centred(int width, int height, int screenWidth, int screenHeight);

}  // namespace orv
