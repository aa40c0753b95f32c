// Screen size and display scale (the system's DPI over 96), read once when
// first asked for. Every form centres itself with the one and scales its
// pixel layout by the other; fonts, given in points, grow with the DPI alone.
#pragma once

namespace orv {

struct DisplayMetrics {
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    double Scale = 1.0;
};

const DisplayMetrics& Display();
// For tests: another scale than the system's.
void SetDisplayScale(double scale);

// A layout length in pixels at the current scale.
int Scaled(int pixels);

}  // namespace orv
