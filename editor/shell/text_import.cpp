#include "editor/shell/text_import.h"

#include <algorithm>

#include "common/hotkeys.h"
#include "common/message_boxes.h"
#include "common/settings.h"
#include "common/string_routines.h"
#include "editor/shell/imported_record.h"
#include "editor/shell/macro_import.h"

namespace orv::editor {

namespace {

constexpr std::size_t LongestLine = MaxScriptLength + 1;

// Reads the file line by line as the system's text files read.
class LineReader {
  public:
    explicit LineReader(std::string_view contents) : rest_(contents) {}

    bool AtEnd() const { return rest_.empty(); }

    std::string Next() {
        std::size_t end = rest_.find_first_of("\r\n");
        std::string_view line = rest_.substr(0, end);
        if (end == std::string_view::npos) {
            rest_ = {};
        } else {
            std::size_t breakSize = rest_.compare(end, 2, "\r\n") == 0 ? 2 : 1;
            rest_.remove_prefix(end + breakSize);
        }
        if (line.size() > LongestLine)
            return std::string(line.substr(0, MaxScriptLength)) + line.back();
        return std::string(line);
    }

  private:
    std::string_view rest_;
};

bool IsHeader(std::string_view line) {
    return line.starts_with(ItemHeader);
}

std::optional<int> HotKeyNamed(std::string_view keys) {
    const std::string wanted = UpperAscii(keys);
    for (int code = 0; code < HotKeyCount; ++code)
        if (UpperAscii(KeyName(code)) == wanted)
            return code;
    return std::nullopt;
}

}  // namespace

std::optional<std::vector<TextItem>> ReadTextItems(std::string_view contents) {
    LineReader reader(contents);
    std::string header = reader.Next();
    if (!IsHeader(header))
        return std::nullopt;
    std::vector<TextItem> items;
    while (!header.empty()) {
        TextItem item;
        item.Keys = header.substr(ItemHeader.size());
        header.clear();
        if (!reader.AtEnd())
            item.Nickname = reader.Next();
        bool first = true;
        while (!reader.AtEnd()) {
            std::string line = reader.Next();
            if (IsHeader(line)) {
                header = std::move(line);
                break;
            }
            if (!first)
                item.Text += "\r\n";
            item.Text += line;
            first = false;
        }
        items.push_back(std::move(item));
    }
    return items;
}

MacroRecord TextItemRecord(const TextItem& item, DateTime now) {
    MacroRecord record = NewMacroRecord(now);
    record.Nickname = item.Nickname;
    if (std::optional<int> code = HotKeyNamed(item.Keys))
        record.ActivationCode = static_cast<std::uint16_t>(*code);
    else
        StoreImportedCueword(record, item.Keys);
    StoreImportedText(record, item.Text);
    return record;
}

int ImportTextItems(std::string_view contents, LibraryView& library, DateTime now) {
    std::optional<std::vector<TextItem>> items = ReadTextItems(contents);
    if (!items) {
        ShowError(TextImportMessage::WrongFormat);
        return 0;
    }
    int added = 0;
    // The file's keys and those this import adds: one global macro a key.
    std::vector<std::uint16_t> taken = SystemWideKeysOf(library);
    for (const TextItem& item : *items) {
        if (library.MacroCount() >= MaxMacros) {
            ShowError(LibraryMessage::LibraryFull);
            break;
        }
        MacroRecord record = TextItemRecord(item, now);
        const bool holdsKey = IsHotKeyCode(record.ActivationCode);
        if (holdsKey && std::ranges::find(taken, record.ActivationCode) != taken.end()) {
            SayImportKeyTaken(record.ActivationCode);
            continue;
        }
        if (!library.Append(record))
            break;
        ++added;
        if (holdsKey)
            taken.push_back(record.ActivationCode);
    }
    return added;
}

}  // namespace orv::editor
