// The commands the interpreter hands on: each family of commands (windows,
// system settings, waits, e-mail, ...) lives in its own file and is reached
// through one routing table by command code. A family the host does not
// supply passes its tokens over whole.
#pragma once

#include <array>
#include <cstdint>

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

enum class FamilyId : std::uint8_t {
    Windows,
    Settings,
    Waits,
    Dialogs,
    Mail,
    System,
    Media,
    Clipboard,
    Files,
    Library,
    Count
};

struct CommandFamilies {
    std::array<CommandFamily*, static_cast<std::size_t>(FamilyId::Count)> Of{};

    CommandFamily*& operator[](FamilyId id) { return Of[static_cast<std::size_t>(id)]; }
    CommandFamily* operator[](FamilyId id) const { return Of[static_cast<std::size_t>(id)]; }
};

}  // namespace orv::player
