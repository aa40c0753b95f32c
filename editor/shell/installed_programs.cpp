#include "editor/shell/installed_programs.h"

#include <algorithm>

#include "common/string_routines.h"

namespace orv::editor {

std::vector<std::string> InstalledProgramLines(
    std::span<const FoundLink> links, const std::function<bool(const std::string&)>& exists) {
    std::vector<std::string> lines;
    std::vector<std::string> listed;  // upper-cased targets
    for (const FoundLink& link : links) {
        const std::string target = UpperAscii(link.Target);
        if (target.find(".EXE") == std::string::npos ||
            target.find("WINHELP.EXE") != std::string::npos)
            continue;
        if (std::find(listed.begin(), listed.end(), target) != listed.end() || !exists(link.Target))
            continue;
        listed.push_back(target);
        lines.push_back(link.LinkName + link.Target);
    }
    return lines;
}

InstalledProgram SplitInstalledProgram(const std::string& line) {
    const std::size_t at = UpperAscii(line).find(".LNK");
    if (at == std::string::npos)
        return {line, ""};
    return {line.substr(0, at), line.substr(at + 4)};
}

}  // namespace orv::editor
