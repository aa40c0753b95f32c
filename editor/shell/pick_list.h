// The lines of the export and import lists: a macro's activation, nickname
// and scope in three columns.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editor/shell/macro_import.h"
#include "editor/shell/macro_list.h"

namespace orv::editor {

struct PickLine {
    std::string Activation;
    std::string Nickname;
    std::string Scope;

    friend bool operator==(const PickLine&, const PickLine&) = default;
};

PickLine PickLineOf(const ListMacro& macro);
PickLine PickLineOf(const ImportEntry& entry);

// Where the columns of a line that wide begin, and the room of the nickname.
struct PickColumns {
    int Activation = 0;
    int Nickname = 0;
    int NicknameWidth = 0;
    int Scope = 0;

    friend bool operator==(const PickColumns&, const PickColumns&) = default;
};

PickColumns PickColumnsFor(int lineWidth);

// What the export offers: every macro of the library but its system macros,
// in file order.
std::vector<ListMacro> ExportableMacros(std::vector<ListMacro> macros);

}  // namespace orv::editor
