#include "editor/shell/option_checks.h"

#include "common/string_routines.h"
#include "common/whole_numbers.h"

namespace orv::editor {
namespace {

constexpr std::string_view PrefixMessageStart =
    "The Prefix Keys has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 "
    "and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +";

}  // namespace

std::optional<std::string> PrefixKeysRefusal(std::string_view text, bool leaving) {
    for (char c : TrimStr(std::string(text)))
        if (!IsCuewordChar(c) && (leaving || c != '\\'))
            return std::string(PrefixMessageStart) + (leaving ? "" : " \\");
    return std::nullopt;
}

std::variant<AppearanceValues, AppearanceRefusal> CheckAppearance(const AppearanceEntry& entry) {
    AppearanceValues values;
    for (int i = 0; i < 3; ++i) {
        std::optional<std::int32_t> width = ParseWholeNumber(TrimStr(entry.ColumnWidths[i]));
        if (!width || *width < 1)
            return AppearanceRefusal{"Invalid width specified.", i};
        values.ColumnWidths[i] = *width;
    }
    if (entry.ShowCategories) {
        std::optional<std::int32_t> width = ParseWholeNumber(TrimStr(entry.CategoryWidth));
        if (!width || *width < 120)
            return AppearanceRefusal{"Category width must be at least 120.", 3};
        values.CategoryWidth = *width;
    }
    return values;
}

}  // namespace orv::editor
