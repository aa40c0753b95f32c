// How a macro's activation is named in the editor's lists, print and listing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orv::editor {

// Where an activation is shown: the macro list and the export and import
// lists name a Cueword and a key bare, the print puts "Cueword: " before a
// Cueword, the listing also puts "Hot Key: " before a key's name.
enum class ActivationStyle { PickList, Print, Listing };

// Empty for a code that is neither a hot key nor one of the other kinds.
std::string ActivationText(std::uint16_t code, std::string_view cueword, ActivationStyle style);

}  // namespace orv::editor
