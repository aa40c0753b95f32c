#include "common/ui/fit_text.h"

namespace orv {

std::string FitText(std::string_view text, int width, const TextMeasure& measure) {
    if (measure(text) <= width)
        return std::string(text);
    // Widths grow with the length, so the longest fitting beginning is found
    // by halving, with few measurements even for long texts.
    std::size_t fits = 0;
    std::size_t tooLong = text.size();
    while (tooLong - fits > 1) {
        std::size_t middle = fits + (tooLong - fits) / 2;
        if (measure(text.substr(0, middle)) <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    return std::string(text.substr(0, fits));
}

}  // namespace orv
