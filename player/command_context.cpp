#include "player/command_context.h"

#include <algorithm>
#include <atomic>

namespace orv::player {

std::string_view CommandContext::Field(std::size_t from, std::size_t to) const {
    if (from >= Token.size())
        return {};
    return Token.substr(from, std::min(to, Token.size() - 1) + 1 - from);
}

namespace {

struct FormFamily {
    std::string_view Head;
    FamilyId Family;
};
// The forms that go to another family than their command's: those that name
// no command, and "<SSON>", which starts the screen saver where the other
// forms set it.
constexpr FormFamily FormsOutsideTheirCommandsFamily[] = {
    {"<RIGHT MOUSE>", FamilyId::Interpreter},
    {"<MIDDLE MOUSE>", FamilyId::Interpreter},
    {"<DOHOOK>", FamilyId::Settings},
    {"<EMPTYBIN>", FamilyId::System},
    // A hook for trying things out, empty in a build that ships.
    {"<TEST>", FamilyId::PassedOver},
    {"<SSON>", FamilyId::System},
};

}  // namespace

FamilyId FamilyOf(const TokenForm& form) {
    for (const FormFamily& own : FormsOutsideTheirCommandsFamily) {
        if (form.Head == own.Head)
            return own.Family;
    }
    return CommandOf(form.Code).Family;
}

Flow PerformFamilyCommand(const CommandFamilies& families, CommandContext& context) {
    CommandFamily* family = families[FamilyOf(context.Form())];
    return family ? family->Perform(context) : Flow::Next;
}

namespace {
std::atomic<std::size_t> formsWithoutCase{0};
}  // namespace

void ReportFormWithoutCase(const TokenForm&) {
    ++formsWithoutCase;
}

std::size_t FormsWithoutCase() {
    return formsWithoutCase;
}

std::int64_t ReadInteger(std::string_view field) {
    std::size_t at = 0;
    while (at < field.size() && field[at] == ' ') ++at;
    bool negative = false;
    if (at < field.size() && (field[at] == '-' || field[at] == '+'))
        negative = field[at++] == '-';
    std::int64_t value = 0;
    for (; at < field.size() && field[at] >= '0' && field[at] <= '9'; ++at) {
        if (value < 1'000'000'000'000)
            value = value * 10 + (field[at] - '0');
    }
    return negative ? -value : value;
}

}  // namespace orv::player
