#include "editor/shell/remap_layout.h"

#include <algorithm>

namespace orv::editor {

RemapRange RemapGridRange(RemapGrid grid) {
    switch (grid) {
        case RemapGrid::Upper:
            return {0, 26};
        case RemapGrid::Lower:
            return {26, 26};
        case RemapGrid::Numeric:
            return {52, 10};
        case RemapGrid::Punctuation:
            break;
    }
    return {62, 31};
}

std::string RemapReplacementText(std::uint8_t entry) {
    return entry == 0 ? "None" : std::string(1, static_cast<char>(entry));
}

std::string RemapNotSavedQuestion(const std::string& sideFile) {
    return "The key remapping could not be saved to \"" + sideFile +
           "\".\n\nClose the Keyboard Remapper without saving it?";
}

std::string RemapOtherLibraryMessage(const std::string& library) {
    return "Orvane now plays another macro file than \"" + library +
           "\".  Its key remapping was not changed; open the Keyboard Remapper again for the "
           "current file.";
}

PickerCell PickerCellOf(int character) {
    const int index = std::clamp(character - PickerFirstChar, 0, PickerColumns * PickerRows - 1);
    return {index / PickerColumns, index % PickerColumns};
}

int PickerCharAt(PickerCell cell) {
    return cell.Row * PickerColumns + cell.Col + PickerFirstChar;
}

}  // namespace orv::editor
