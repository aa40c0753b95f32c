// The commands the interpreter hands on: each family of commands (windows,
// system settings, waits, e-mail, ...) lives in its own file and is reached
// through the family the catalogue gives each command. A family the host does
// not supply passes its tokens over whole.
#pragma once

#include <array>
#include <cstdint>

#include "common/script/catalogue.h"

namespace orv::player {

// What the interpreter does after a step.
enum class Flow {
    Next,      // on with the next step
    Return,    // this call returns at once
    SkipPass,  // the rest of this pass of the text is skipped
    EndRun,    // the run ends at every level, as if each text had reached its end
};

struct CommandContext;

class CommandFamily {
  public:
    virtual ~CommandFamily() = default;
    virtual Flow Perform(CommandContext& context) = 0;
};

// The handler of each family the catalogue names; the interpreter and the
// commands passed over have none.
struct CommandFamilies {
    std::array<CommandFamily*, FamilyHandlerCount> Of{};

    CommandFamily*& operator[](FamilyId id) { return Of.at(static_cast<std::size_t>(id)); }
    CommandFamily* operator[](FamilyId id) const {
        const auto at = static_cast<std::size_t>(id);
        return at < Of.size() ? Of[at] : nullptr;
    }
};

}  // namespace orv::player
