#include "editor/commands/keystroke_text.h"

#include <algorithm>

#include "common/script/writer.h"
#include "common/string_routines.h"

namespace orv::editor {

bool CheckSize(std::string_view text, std::size_t added) {
    return text.size() + added <= MaxScriptLength;
}

Insertion InsertAt(std::string_view text, int selStart, std::string_view token) {
    auto at = static_cast<std::size_t>(std::clamp(selStart, 0, static_cast<int>(text.size())));
    std::string result(text.substr(0, at));
    result += token;
    result += text.substr(at);
    return {std::move(result), static_cast<int>(at + token.size())};
}

UpdatedText UpdateText(std::string_view memoText) {
    UpdatedText out;
    for (char c : memoText) {
        if (c == '\t')
            out.Text += "<TAB>";
        else
            out.Text += c;
    }
    if (out.Text.size() > MaxScriptLength) {
        std::string limit = TrimStr(NumToSepText(0, 0, MaxScriptLength));
        out.Notice = "The size of the macro exceeds the " + limit +
                     " character limit.  The macro will be truncated to " + limit + " characters.";
        out.Text = CutScript(out.Text);
    }
    return out;
}

TextOutcome ComposeText(const TextInput& input) {
    TextOutcome out;
    UpdatedText taken = UpdateText(input.Text);
    out.Raw.Notice = taken.Notice;
    out.ComposeUnbounded(CommandCode::Text, TextRec{taken.Text}, TextField::NewFormat);
    return out;
}

template <>
TextInput InputFromRecord<TextInput>(CommandCode, const CommandRecord& record) {
    const auto* text = std::get_if<TextRec>(&record);
    return {text ? text->Text : ""};
}

SearchHit FindNext(std::string_view text, std::string_view find, int searchPos) {
    auto from = static_cast<std::size_t>(std::clamp(searchPos, 0, static_cast<int>(text.size())));
    std::size_t at =
        find.empty() ? std::string::npos : UpperAscii(text.substr(from)).find(UpperAscii(find));
    if (at == std::string::npos)
        return {};
    auto start = static_cast<int>(from + at);
    auto length = static_cast<int>(find.size());
    return {true, start, length, start + length};
}

Replacement ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
    Replacement out;
    if (find.empty()) {
        out.Text = text;
        return out;
    }
    std::string upperText = UpperAscii(text);
    std::string upperFind = UpperAscii(find);
    std::size_t scanned = 0;
    for (std::size_t at; (at = upperText.find(upperFind, scanned)) != std::string::npos;) {
        out.Text.append(text.substr(scanned, at - scanned));
        out.Text.append(replacement);
        scanned = at + find.size();
        ++out.Count;
    }
    out.Text.append(text.substr(scanned));
    return out;
}

std::string NotFoundMessage(std::string_view find) {
    return "\"" + std::string(find) + "\"was not found.";
}

std::string ReplacedMessage(std::string_view find, int count) {
    return "\"" + std::string(find) + "\"was replaced " + std::to_string(count) + " times.";
}

const std::array<KeyButton, KeyButtonCount> KeyButtons = {{
    {"Shift", "<SHIFT>"},
    {"C&trl", "<CTRL>"},
    {"Alt", "<ALT>"},
    {"E&sc", "<ESC>"},
    {"E&nter", "<ENTER>"},
    {"Space", "<SPACE>"},
    {"Ta&b", "<TAB>"},
    {"Backspace", "<BACKSPACE>"},
    {"Ho&me", "<HOME>"},
    {"End", "<END>"},
    {"&Insert", "<INSERT>"},
    {"&Delete", "<DELETE>"},
    {"U&p Arrow", "<UP ARROW>"},
    {"D&own Arrow", "<DOWN ARROW>"},
    {"&Left Arrow", "<LEFT ARROW>"},
    {"&Right Arrow", "<RIGHT ARROW>"},
    {"Pa&ge Up", "<PAGE UP>"},
    {"Page Do&wn", "<PAGE DOWN>"},
    {"F1", "<F1>", true},
    {"F2", "<F2>", true},
    {"F3", "<F3>", true},
    {"F4", "<F4>", true},
    {"F5", "<F5>", true},
    {"F6", "<F6>", true},
    {"F7", "<F7>", true},
    {"F8", "<F8>", true},
    {"F9", "<F9>", true},
    {"F10", "<F10>", true},
    {"F11", "<F11>", true},
    {"F12", "<F12>", true},
}};

const std::array<MiscEntry, MiscEntryCount> MiscBoxEntries = {{
    {"Left Window", "<LEFTWIN>"},
    {"Right Window", "<RIGHTWIN>"},
    {"Application", "<APP>"},
    {"F13", "<F13>"},
    {"F14", "<F14>"},
    {"F15", "<F15>"},
    {"F16", "<F16>"},
    {"F17", "<F17>"},
    {"F18", "<F18>"},
    {"F19", "<F19>"},
    {"F20", "<F20>"},
    {"F21", "<F21>"},
    {"F22", "<F22>"},
    {"F23", "<F23>"},
    {"F24", "<F24>"},
    {"Attn", "<ATTN>"},
    {"CrSel", "<CRSEL>"},
    {"ExSel", "<EXSEL>"},
    {"Erase EOF", "<EREOF>"},
    {"Play", "<PLAY>"},
    {"Zoom", "<ZOOM>"},
    {"PA1", "<PA1>"},
    {"Keypad 0", "<KEYP0>"},
    {"Keypad 1", "<KEYP1>"},
    {"Keypad 2", "<KEYP2>"},
    {"Keypad 3", "<KEYP3>"},
    {"Keypad 4", "<KEYP4>"},
    {"Keypad 5", "<KEYP5>"},
    {"Keypad 6", "<KEYP6>"},
    {"Keypad 7", "<KEYP7>"},
    {"Keypad 8", "<KEYP8>"},
    {"Keypad 9", "<KEYP9>"},
    {"Keypad .", "<KEYP.>"},
    {"Keypad /", "<KEYP/>"},
    {"Keypad *", "<KEYP*>"},
    {"Keypad -", "<KEYP->"},
    {"Keypad +", "<KEYP+>"},
    {"Print Screen", "<PRTSCR>"},
    {"Scroll Lock", "<SCRLOCK>"},
    {"Pause", "<PAUSEKEY>"},
    {"Caps Lock", "<CAPLOCK>"},
    {"Num Lock", "<NUMLOCK>"},
}};

SymbolOutcome ComposeSymbol(int col, int row) {
    SymbolOutcome out;
    if (col < 0 || col >= SymbolCols || row < 0 || row >= SymbolRows) {
        out.Refuse("No symbol selected.  Please select one.", SymbolField::SymbolGrid);
        return out;
    }
    out.Compose(CommandCode::Text, TextRec{std::string(1, static_cast<char>(SymbolCode(col, row)))},
                SymbolField::SymbolGrid);
    return out;
}

SearchRequest ReadSearchRequest(std::string_view find, std::string_view replace) {
    SearchRequest out{CutShort(find), CutShort(replace), false};
    out.Confirmed = !out.FindText.empty();
    return out;
}

}  // namespace orv::editor
