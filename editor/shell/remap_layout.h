// Where the key-remap table's entries appear in the remapper's four grids,
// and the cells of the character picker that chooses a replacement.
#pragma once

#include <cstdint>
#include <string>

namespace orv::editor {

enum class RemapGrid { Upper, Lower, Punctuation, Numeric };

// The table entries a grid shows, one per row from First on.
struct RemapRange {
    int First = 0;
    int Count = 0;
};
RemapRange RemapGridRange(RemapGrid grid);

// A replacement as its cell shows it: "None" for an entry of 0.
std::string RemapReplacementText(std::uint8_t entry);

// Asked when closing after a change the side file did not take.
std::string RemapNotSavedQuestion(const std::string& sideFile);
// Said when the player went over to another library while the remapper was
// open for this one.
std::string RemapOtherLibraryMessage(const std::string& library);

// The picker shows the characters 32..255, 28 to a row.
constexpr int PickerColumns = 28;
constexpr int PickerRows = 8;
constexpr int PickerFirstChar = 32;

struct PickerCell {
    int Row = 0;
    int Col = 0;
    bool operator==(const PickerCell&) const = default;
};

// The cell of a character; one below the picker's first starts at its top.
PickerCell PickerCellOf(int character);
int PickerCharAt(PickerCell cell);

}  // namespace orv::editor
