// The accelerator letters of captions: the character after a single "&"
// ("&&" stands for an ampersand and marks nothing).
#pragma once

#include <string_view>
#include <vector>

namespace orv {

// The accelerator in upper case, or 0 when the caption has none.
char AcceleratorOf(std::string_view caption);

struct AcceleratedTab {
    std::string_view Caption;
    bool Visible = true;
};

// The first visible tab whose accelerator is the letter (either case), or -1.
int TabForAccelerator(const std::vector<AcceleratedTab>& tabs, char letter);

}  // namespace orv
