// A font as the programs keep it and the controls draw with it.
#pragma once

#include <cstdint>
#include <string>

namespace orv {

namespace FontStyle {
constexpr std::uint8_t Bold = 1;
constexpr std::uint8_t Italic = 2;
constexpr std::uint8_t Underline = 4;
constexpr std::uint8_t Strikeout = 8;
}  // namespace FontStyle

// What the programs build their font objects from; the style is the truth,
// the settings record's flags only carry it to and from the file.
struct FontDescription {
    std::int32_t Color = 0;
    std::string Name = "Arial";
    std::int32_t Size = 10;
    std::uint8_t Style = 0;
};

}  // namespace orv
