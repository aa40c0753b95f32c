// The recipient list file: one recipient per line, name "|" address. The
// e-mail dialog shows it in file order; the list editor keeps it sorted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv::editor {

struct RecipientList {
    // The raw lines, kept whole.
    std::vector<std::string> Lines;

    // The file's lines in file order; a file that cannot be read is an empty
    // list, without a word.
    static RecipientList Read(const std::string& path);
    // Every line ended by CR LF, the file replaced whole; false (and the old
    // file kept) when it cannot be written.
    bool Write(const std::string& path) const;
    // Ascending by the whole line, ignoring case; equal lines keep their order.
    void Sort();
};

// Whether line a sorts before line b in the list editor.
bool RecipientLineBefore(std::string_view a, std::string_view b);

}  // namespace orv::editor
