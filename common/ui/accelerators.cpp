#include "common/ui/accelerators.h"

#include "common/string_routines.h"

namespace orv {

char AcceleratorOf(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return UpperAscii(caption[i + 1]);
        ++i;  // "&&": skip the pair
    }
    return 0;
}

int TabForAccelerator(const std::vector<AcceleratedTab>& tabs, char letter) {
    char wanted = UpperAscii(letter);
    if (wanted == 0)
        return -1;
    for (std::size_t i = 0; i < tabs.size(); ++i)
        if (tabs[i].Visible && AcceleratorOf(tabs[i].Caption) == wanted)
            return static_cast<int>(i);
    return -1;
}

}  // namespace orv
