// A control's place: layout pixels (before display scaling), relative to the
// parent control or, without one, to the form's client area. Shared by the
// forms layer and the portable layouts declared for it.
#pragma once

namespace orv {

struct Bounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

}  // namespace orv
