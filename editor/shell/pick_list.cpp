#include "editor/shell/pick_list.h"

#include <algorithm>

#include "common/macro_record.h"
#include "common/macro_texts.h"

namespace orv::editor {

namespace {

constexpr std::size_t ScopeShown = 20;

PickLine LineOf(std::uint16_t activation, std::string_view cueword, std::string_view nickname,
                std::int16_t kind, std::string_view scopeText) {
    return {ActivationText(activation, cueword, ActivationStyle::PickList), std::string(nickname),
            ScopeText(kind, scopeText.substr(0, ScopeShown), ScopeWording::PickList)};
}

}  // namespace

PickLine PickLineOf(const ListMacro& macro) {
    return LineOf(macro.Activation, macro.CuewordText, macro.Nickname, macro.Kind, macro.ScopeText);
}

PickLine PickLineOf(const ImportEntry& entry) {
    return LineOf(entry.Activation, entry.Cueword, entry.Nickname, entry.Kind, entry.ScopeText);
}

PickColumns PickColumnsFor(int lineWidth) {
    const int w = lineWidth / 7;
    return {2, w * 5 / 2, 3 * w, w * 11 / 2};
}

std::vector<ListMacro> ExportableMacros(std::vector<ListMacro> macros) {
    std::erase_if(macros, [](const ListMacro& m) { return m.Kind == MacroKind::System; });
    return macros;
}

}  // namespace orv::editor
