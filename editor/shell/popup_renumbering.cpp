#include "editor/shell/popup_renumbering.h"

namespace orv::editor {

void RenumberPopupMembers(MacroRecord& record, const MemberNumbering& numbering) {
    std::vector<int> kept;
    for (int member : record.PopupMembers())
        if (std::optional<int> number = numbering(member))
            kept.push_back(*number);
    record.SetPopupMembers(kept);
}

}  // namespace orv::editor
