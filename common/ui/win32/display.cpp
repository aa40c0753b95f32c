#include "common/ui/win32/display.h"

#include <windows.h>

#include <cmath>

namespace orv {
namespace {

DisplayMetrics& Metrics() {
    static DisplayMetrics metrics{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  1.0};
    return metrics;
}

}  // namespace

const DisplayMetrics& Display() {
    return Metrics();
}

void SetDisplayScale(double scale) {
    Metrics().Scale = scale > 0 ? scale : 1.0;
}

int Scaled(int pixels) {
    return static_cast<int>(std::lround(pixels * Metrics().Scale));
}

}  // namespace orv
