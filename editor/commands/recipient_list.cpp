#include "editor/commands/recipient_list.h"

#include <algorithm>

#include "common/files.h"
#include "common/string_routines.h"

namespace orv::editor {

RecipientList RecipientList::Read(const std::string& path) {
    std::optional<std::string> text = ReadWholeFile(path);
    return {text ? SplitTextLines(*text) : std::vector<std::string>{}};
}

bool RecipientList::Write(const std::string& path) const {
    std::string text;
    for (const std::string& line : Lines) text += line + "\r\n";
    return ReplaceFileContents(path, text);
}

void RecipientList::Sort() {
    std::stable_sort(Lines.begin(), Lines.end(), [](const std::string& a, const std::string& b) {
        return RecipientLineBefore(a, b);
    });
}

bool RecipientLineBefore(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(UpperAscii(x)) <
               static_cast<unsigned char>(UpperAscii(y));
    });
}

}  // namespace orv::editor
