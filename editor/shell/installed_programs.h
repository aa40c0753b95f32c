// The installed-programs list: one line per program that a Start Menu
// shortcut starts, the shortcut's file name followed by the program's path.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace orv::editor {

struct FoundLink {
    std::string LinkName;  // the shortcut's file name, ".LNK" included
    std::string Target;
};

// Shortcuts to existing programs other than the help viewer, each program
// once, in the order found.
std::vector<std::string> InstalledProgramLines(
    std::span<const FoundLink> links, const std::function<bool(const std::string&)>& exists);

// A line's two columns: the shortcut's name before ".LNK", and the program.
struct InstalledProgram {
    std::string Name;
    std::string Program;
};
InstalledProgram SplitInstalledProgram(const std::string& line);

}  // namespace orv::editor
