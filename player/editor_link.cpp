#include "player/editor_link.h"

namespace orv::player {

std::uint32_t EditorLink::Window() {
    if (!searched_) {
        window_ = search_();
        searched_ = true;
    }
    return window_;
}

void EditorLink::Forget() {
    window_ = 0;
    searched_ = false;
}

}  // namespace orv::player
