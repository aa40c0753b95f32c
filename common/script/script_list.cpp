#include "common/script/script_list.h"

#include <algorithm>

#include "common/message_boxes.h"
#include "common/script/reader.h"
#include "common/files.h"
#include "common/side_files.h"
#include "common/string_routines.h"

namespace orv {
namespace {

using C = CommandCode;

bool IsModifierKey(CommandCode code) {
    return code >= C::ControlKey && code <= C::WinKey;
}

bool ReleasesModifier(const CommandLine& line) {
    auto* key = std::get_if<ModifierKeyRec>(&line.Record);
    return IsModifierKey(line.Code) && key && key->Action % 2 == 0;
}

bool PressesModifier(const CommandLine& line) {
    auto* key = std::get_if<ModifierKeyRec>(&line.Record);
    return IsModifierKey(line.Code) && key && key->Action % 2 == 1;
}

bool ClosesBlock(const CommandLine& line) {
    return line.Code == C::RepeatEnd || line.Code == C::ClipboardEndCopy || ReleasesModifier(line);
}

bool OpensBlock(const CommandLine& line) {
    return line.Code == C::RepeatStart || line.Code == C::RepeatPromptStart ||
           line.Code == C::ClipboardStartCopy || PressesModifier(line);
}

}  // namespace

void SetIndents(std::vector<CommandLine>& lines) {
    int depth = 0;
    for (CommandLine& line : lines) {
        if (ClosesBlock(line))
            depth = std::max(0, depth - 3);
        line.Text = CutShort(std::string(depth, ' ') + TrimStr(line.Text));
        if (OpensBlock(line))
            depth += 3;
    }
}

std::string NotTextMessage(const std::string& path) {
    return "The file \"" + path + "\" is not a text file.  Please choose a different file.";
}

std::optional<std::string> ReadTextFile(const std::string& path, std::string_view library) {
    auto refuse = [](const std::string& text) {
        ShowError(text);
        return std::nullopt;
    };
    if (IsLibraryOrSideFile(path, library))
        return refuse(LibraryAsTextMessage);
    std::optional<std::string> text = ReadWholeFile(path);
    if (!text)
        return refuse("The file \"" + path + "\" could not be read.");
    if (text->find('\0') != std::string::npos)
        return refuse(NotTextMessage(path));
    return text;
}

bool LoadFile(const std::string& path, std::string_view library, std::string& loadedText,
              std::vector<CommandLine>& lines) {
    std::optional<std::string> text = ReadTextFile(path, library);
    if (!text)
        return false;
    loadedText = std::move(*text);
    lines.clear();
    BuildTheScript(loadedText, lines);
    return true;
}

std::optional<int> CopyLine(std::vector<CommandLine>& lines, std::optional<int> selected) {
    if (!selected || *selected < 0 || *selected >= static_cast<int>(lines.size())) {
        ShowError("No script line selected.  Please select one.");
        return std::nullopt;
    }
    int index = *selected;
    if (lines[index].Code == C::None) {
        SetIndents(lines);
        return std::min(index + 1, static_cast<int>(lines.size()) - 1);
    }
    CommandLine copy = lines[index];
    lines.insert(lines.begin() + index, std::move(copy));
    SetIndents(lines);
    return index + 1;
}

}  // namespace orv
