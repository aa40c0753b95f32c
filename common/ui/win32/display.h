// Screen size and display scale (the system's DPI over 96), read once when
// first asked for. Every form centres itself with the one and scales its
// pixel layout by the other; fonts, given in points, grow with the DPI alone.
#pragma once

#include "common/ui/form_geometry.h"

namespace orv {

struct DisplayMetrics {
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    double Scale = 1.0;
};

const DisplayMetrics& Display();
// The primary screen less its taskbar, asked afresh: the taskbar moves.
ScreenRect WorkArea();
// For tests: another scale than the system's.
void SetDisplayScale(double scale);

// A layout length in pixels at the current scale, and back.
int Scaled(int pixels);
int Unscaled(int pixels);

// A control's box of the layout in pixels: its edges scaled rather than its
// size, so controls that meet in the layout meet on the screen too, never
// overlapping by a rounded pixel.
struct PixelBox {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};
PixelBox ScaledBox(int left, int top, int width, int height);

}  // namespace orv
