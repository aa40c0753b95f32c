#include "editor/shell/imported_record.h"

#include <algorithm>

#include "common/hotkeys.h"
#include "common/message_boxes.h"
#include "common/script/writer.h"

namespace orv::editor {

namespace {

constexpr std::size_t MaxCuewordLength = 10;

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

void StoreNoActivation(MacroRecord& record) {
    record.CuewordText = "";
    record.ActivationCode = ActivationCode::None;
}

}  // namespace

void StoreImportedCueword(MacroRecord& record, std::string_view keys) {
    if (keys.empty()) {
        ShowError(
            "An item has no Original Keys.  An empty Cueword would run with every typed key, so "
            "the macro is imported without activation.");
        StoreNoActivation(record);
        return;
    }
    if (keys.size() > MaxCuewordLength) {
        ShowError("The Original Keys " + Quoted(keys) +
                  " is longer than the 10 character maximum. " +
                  "It will be truncated to 10 characters.");
        keys = keys.substr(0, MaxCuewordLength);
    }
    std::string cueword(keys);
    if (!std::ranges::all_of(cueword, IsCuewordChar)) {
        ShowError("The Original Keys " + Quoted(cueword) +
                  " has invalid characters in it.  Valid characters are " +
                  "A - Z, a - z, 0 - 9 and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +" +
                  "   Invalid characters will be replaced with " + Quoted("#") + ".");
        std::ranges::replace_if(
            cueword, [](char c) { return !IsCuewordChar(c); }, '#');
    }
    record.CuewordText = cueword;
    record.ActivationCode = ActivationCode::Cueword;
}

void StoreForeignCueword(MacroRecord& record, std::string_view cueword) {
    if (cueword.empty()) {
        ShowError(
            "A Cueword of the import file is empty.  An empty Cueword would run with every typed "
            "key, so the macro is imported without activation.");
        StoreNoActivation(record);
        return;
    }
    record.CuewordText = cueword;
    record.ActivationCode = ActivationCode::Cueword;
}

std::string TextTooLongMessage(std::string_view text) {
    return "The size of the macro contents " + Quoted(std::string(text.substr(0, 51)) + "...") +
           " exceeds the 5000 character limit.  The macro contents keys will be truncated to 5000 "
           "characters.";
}

void StoreImportedText(MacroRecord& record, std::string_view text) {
    if (text.size() > MaxScriptLength) {
        ShowError(TextTooLongMessage(text));
        text = text.substr(0, MaxScriptLength);
    }
    record.TextLength = static_cast<std::uint16_t>(std::min(text.size() + 1, MaxScriptLength));
    record.SetScriptText(text);
}

}  // namespace orv::editor
