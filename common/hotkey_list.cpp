#include "common/hotkey_list.h"

#include "common/macro_record.h"

namespace orv {

HotKeyListing HotKeyListLines(std::span<const HotKeyUser> macros) {
    HotKeyListing listing;
    std::array<int, HotKeyCount> count{};
    for (const HotKeyUser& m : macros) {
        if (!IsHotKeyCode(m.ActivationCode))
            continue;
        ++count[m.ActivationCode];
        if (m.MacroKind == MacroKind::Global || m.MacroKind == MacroKind::PopupMenu ||
            m.MacroKind == MacroKind::System)
            listing.Used[m.ActivationCode] = 1;
    }
    listing.Lines.reserve(HotKeyCount);
    for (int code = 0; code < HotKeyCount; ++code) {
        std::string usage = count[code] == 0 ? "  (Not in Use)"
                            : count[code] == 1
                                ? "  (1 macro in use)"
                                : "  (" + std::to_string(count[code]) + " macros in use)";
        listing.Lines.push_back(KeyName(code) + usage);
    }
    return listing;
}

}  // namespace orv
