#include "common/ui/win32/display.h"

#include <windows.h>

#include <cmath>

namespace orv {
namespace {

// The layouts are drawn for 96 dots per inch (100 %); the fonts, given in
// points, grow with the screen's DPI by themselves, so the geometry follows.
// The programs declare system DPI awareness: this is the system's DPI.
double SystemScale() {
    HDC screen = GetDC(nullptr);
    const int perInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return perInch > 0 ? perInch / 96.0 : 1.0;
}

DisplayMetrics& Metrics() {
    static DisplayMetrics metrics{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  SystemScale()};
    return metrics;
}

}  // namespace

const DisplayMetrics& Display() {
    return Metrics();
}

ScreenRect WorkArea() {
    RECT area{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        return {0, 0, Metrics().ScreenWidth, Metrics().ScreenHeight};
    return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

void SetDisplayScale(double scale) {
    Metrics().Scale = scale > 0 ? scale : 1.0;
}

int Scaled(int pixels) {
    return static_cast<int>(std::lround(pixels * Metrics().Scale));
}

int Unscaled(int pixels) {
    return static_cast<int>(std::lround(pixels / Metrics().Scale));
}

PixelBox ScaledBox(int left, int top, int width, int height) {
    const int x = Scaled(left), y = Scaled(top);
    return {x, y, Scaled(left + width) - x, Scaled(top + height) - y};
}

}  // namespace orv
