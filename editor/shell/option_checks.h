// The checks of the options dialogs: the Cueword prefix keys and the list's
// appearance, each giving the message of a refusal or the values to store.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "common/script/writer.h"  // IsCuewordChar: prefix keys are Cueword characters

namespace orv::editor {

// The prefix keys as typed; while typing a backslash is let through, leaving
// the field (and OK, which leaves it) refuses it too. Nothing when they pass.
std::optional<std::string> PrefixKeysRefusal(std::string_view text, bool leaving);

// The values of the appearance dialog as typed.
struct AppearanceEntry {
    std::array<std::string, 3> ColumnWidths;
    std::string CategoryWidth;
    bool ShowCategories = false;
};

struct AppearanceValues {
    std::array<int, 3> ColumnWidths{};
    int CategoryWidth = 120;  // 120 whenever the categories are not shown
};

// The field a refusal focuses: 0..2 a column width, 3 the category width.
struct AppearanceRefusal {
    std::string Message;
    int Field = 0;
};

std::variant<AppearanceValues, AppearanceRefusal> CheckAppearance(const AppearanceEntry& entry);

}  // namespace orv::editor
