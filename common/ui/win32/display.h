// Screen size and display scale, read once when first asked for. Every form
// centres itself with the one and scales its pixel layout by the other.
#pragma once

namespace orv {

struct DisplayMetrics {
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    double Scale = 1.0;
};

const DisplayMetrics& Display();
void SetDisplayScale(double scale);

// A layout length in pixels at the current scale.
int Scaled(int pixels);

}  // namespace orv
