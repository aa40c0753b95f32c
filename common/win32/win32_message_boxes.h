// The system's message boxes, owned by the program's active window.
#pragma once

#include "common/message_boxes.h"

namespace orv {

class Win32MessageBoxes final : public MessageBoxes {
public:
    int Show(std::string_view caption, std::string_view text, unsigned style) override;
};

}  // namespace orv
